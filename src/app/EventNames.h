#pragma once

#include <QString>

// Every event name of the bus. Names are compared exactly.
namespace EventName {
inline const QString onIgnoredAppChanged = QStringLiteral("on_ignored_app_changed");
inline const QString didActivateApplication = QStringLiteral("did_activate_application_event_name");
inline const QString openPreferencesWindow = QStringLiteral("open_preferences_window");
inline const QString onKeyDownInQuickSearchWindow = QStringLiteral("on_key_down_in_quick_search_window");
inline const QString onFlagChanged = QStringLiteral("on_flag_changed_event_name");
inline const QString resignKeyInQuickSearchWindow =
    QStringLiteral("resign_key_in_quick_search_window_event_name");
inline const QString shortCutIsRecording = QStringLiteral("short_cut_is_recording_event_name");
inline const QString onKeyDownInBaseWindow = QStringLiteral("on_key_down_in_base_window");
inline const QString didBaseWindowBecomeKey = QStringLiteral("did_base_window_become_key_event_name");
} // namespace EventName
