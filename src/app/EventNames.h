#pragma once

#include <QString>

// Every event name of the bus. Names are compared exactly.
namespace EventName {
inline const QString pasteInfAdd = QStringLiteral("paste_inf_add");
inline const QString onIgnoredAppChanged = QStringLiteral("on_ignored_app_changed");
inline const QString didActivateApplication = QStringLiteral("did_activate_application_event_name");
inline const QString showQuickSearchWindowHotKey = QStringLiteral("show_quick_search_window_hot_key");
inline const QString openPreferencesWindow = QStringLiteral("open_preferences_window");
inline const QString onKeyDownInQuickSearchWindow = QStringLiteral("on_key_down_in_quick_search_window");
inline const QString onFlagChanged = QStringLiteral("on_flag_changed_event_name");
inline const QString resignKeyInQuickSearchWindow =
    QStringLiteral("resign_key_in_quick_search_window_event_name");
inline const QString showPasteInfoMenuInQuickSearchWindow =
    QStringLiteral("show_paste_info_menu_in_quick_search_window");
inline const QString pasteSelectedItemsInQuickSearchWindow =
    QStringLiteral("paste_selected_items_in_quick_search_window");
inline const QString updateDetailViewInQuickSearchWindow =
    QStringLiteral("update_detail_view_in_quick_search_window");
inline const QString updateDefaultPasteInfoList = QStringLiteral("update_default_paste_info_list_event_name");
inline const QString updateHistoryCount = QStringLiteral("update_history_count_event_name");
inline const QString shortCutIsRecording = QStringLiteral("short_cut_is_recording_event_name");
inline const QString onKeyDownInBaseWindow = QStringLiteral("on_key_down_in_base_window");
inline const QString didBaseWindowBecomeKey = QStringLiteral("did_base_window_become_key_event_name");
} // namespace EventName
