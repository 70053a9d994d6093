#pragma once

#include "platform/KeyCombo.h"

#include <QByteArray>
#include <QJsonObject>
#include <QSet>
#include <QString>
#include <QVariant>

#include <functional>
#include <mutex>
#include <optional>

// The user's settings in a typed key-value file ($XDG_CONFIG_HOME/brimble/preferences.json).
// Nothing is cached: every reader reads the file at the moment of use, so a change made by
// another Brimble process is seen at the next read; every writer writes the whole file
// atomically. A value of the wrong type reads as the key's default.
class Preferences
{
public:
    static inline const QString launchAtLoginKey = QStringLiteral("preferences.launch_at_login");
    static inline const QString autoPasteKey = QStringLiteral("preferences.auto_paste_to_current_app");
    static inline const QString pasteAsPlainTextKey = QStringLiteral("preferences.paste_as_plain_text");
    static inline const QString quickPasteModifierKey = QStringLiteral("preferences.quick_paste_key");
    static inline const QString plainTextModifierKey = QStringLiteral("preferences.paste_as_plain_text_key");
    static inline const QString switchClipboardModifierKey =
        QStringLiteral("preferences.switch_clipboard_key");
    static inline const QString deleteAfterPastedKey = QStringLiteral("preferences.delete_after_pasted_key");
    static inline const QString autoMoveUsedItemToFirstKey =
        QStringLiteral("preferences.auto_move_used_history_item_to_first_key");
    static inline const QString historyCapacityKey = QStringLiteral("preferences.history_capacity_key");
    static inline const QString pauseRecordingKey = QStringLiteral("preferences.pause_recording_key");
    static inline const QString secretLifetimeKey = QStringLiteral("preferences.secret_lifetime");
    static inline const QString readImageTextKey = QStringLiteral("preferences.read_image_text");
    static inline const QString imageTextLanguagesKey = QStringLiteral("preferences.image_text_languages");
    static inline const QString showIconInMenuBarKey =
        QStringLiteral("preferences.show_icon_in_menu_bar_key");
    static inline const QString autoPreviewLinkKey = QStringLiteral("preferences.auto_preview_link_key");
    static inline const QString autoLoadLinkPreviewKey =
        QStringLiteral("preferences.auto_load_link_preview_key");
    static inline const QString autoSendCrashLogsKey = QStringLiteral("preferences.auto_send_crash_logs");
    static inline const QString doNotShowAccessibilityAlertKey =
        QStringLiteral("preferences.do_not_show_turn_on_accessibilty_alert_key");
    static inline const QString showQuickSearchWindowKey =
        QStringLiteral("preferences.show_quick_search_window_key");
    // The desktop portal's answer to sending paste keys: its restore token, and a refusal.
    static inline const QString remoteDesktopRestoreTokenKey =
        QStringLiteral("preferences.remote_desktop_restore_token");
    static inline const QString remoteDesktopDeclinedKey = QStringLiteral("preferences.remote_desktop_declined");
    static inline const QString isDataInitialedKey = QStringLiteral("is_data_initialed");
    static inline const QString windowTabIndexKey = QStringLiteral("preferences_window_tab_index");

    // Standard location: $XDG_CONFIG_HOME/brimble/preferences.json
    static QString defaultPath();

    explicit Preferences(QString filePath);
    QString filePath() const;
    void setFilePath(const QString& filePath);

    bool launchAtLogin() const;
    void setLaunchAtLogin(bool on); // also switches the login item
    bool autoPasteToCurrentApp() const;
    void setAutoPasteToCurrentApp(bool on);
    bool pasteAsPlainText() const;
    void setPasteAsPlainText(bool on);
    quint32 quickPasteModifier() const;
    void setQuickPasteModifier(quint32 modifiers);
    quint32 plainTextModifier() const;
    void setPlainTextModifier(quint32 modifiers);
    quint32 switchClipboardModifier() const;
    void setSwitchClipboardModifier(quint32 modifiers);
    bool deleteAfterPasted() const;
    void setDeleteAfterPasted(bool on);
    bool autoMoveUsedItemToFirst() const;
    void setAutoMoveUsedItemToFirst(bool on);
    qint64 historyCapacity() const;
    void setHistoryCapacity(qint64 level);
    bool pauseRecording() const;
    void setPauseRecording(bool on);
    // How long a copy recognised as a secret is kept, in seconds: secretNeverRecorded means it
    // is not recorded at all, secretKept that it stays like any copy. Ten minutes by default.
    static constexpr qint64 secretNeverRecorded = 0;
    static constexpr qint64 secretKept = -1;
    static constexpr qint64 defaultSecretLifetime = 600;
    qint64 secretLifetime() const;
    void setSecretLifetime(qint64 seconds);
    // Reading the text in copied images, on this computer: on unless turned off.
    bool readImageText() const;
    void setReadImageText(bool on);
    // The languages it is read in, Tesseract's names joined by "+"; English by default.
    QString imageTextLanguages() const;
    void setImageTextLanguages(const QString& languages);
    bool showIconInMenuBar() const;
    void setShowIconInMenuBar(bool on);
    bool autoPreviewLink() const;
    void setAutoPreviewLink(bool on);
    // Loading a link's page without the user asking: off unless chosen, as it visits the site.
    bool autoLoadLinkPreview() const;
    void setAutoLoadLinkPreview(bool on);
    bool autoSendCrashLogs() const;
    void setAutoSendCrashLogs(bool on);
    QString remoteDesktopRestoreToken() const;
    void setRemoteDesktopRestoreToken(const QString& token);
    bool remoteDesktopDeclined() const;
    void setRemoteDesktopDeclined(bool declined);
    bool doNotShowAccessibilityAlert() const;
    void setDoNotShowAccessibilityAlert(bool on);
    std::optional<KeyCombo> showQuickSearchWindowHotKey() const;
    void setShowQuickSearchWindowHotKey(const std::optional<KeyCombo>& combo);
    std::optional<bool> isDataInitialed() const;
    void setIsDataInitialed(bool on);
    std::optional<qint64> windowTabIndex() const;
    void setWindowTabIndex(qint64 index);

    // Typed raw access. Values keep their JSON type; bytes are stored as {"$bytes": base64}.
    std::optional<QJsonValue> value(const QString& key) const;
    std::optional<bool> boolValue(const QString& key) const;
    std::optional<qint64> intValue(const QString& key) const;
    std::optional<quint32> uint32Value(const QString& key) const;
    std::optional<QByteArray> bytesValue(const QString& key) const;
    void setValue(const QString& key, const QJsonValue& value);
    void setBytes(const QString& key, const QByteArray& bytes);
    void remove(const QString& key);

    // Called by setLaunchAtLogin after the value is stored.
    using LoginItemSwitch = std::function<void(bool)>;
    void setLoginItemSwitch(LoginItemSwitch fn);

private:
    // read() reports whether the file on disk is unusable, so that the next write keeps a copy
    // of it instead of silently replacing it. write() expects writeMutex_ to be held.
    QJsonObject read(const QString& filePath, bool* malformed = nullptr) const;
    bool write(const QString& filePath, const QJsonObject& object, bool keepMalformedCopy);
    void modify(const std::function<void(QJsonObject&)>& change);
    // A stored value of the wrong type reads as the default: said once per key and value.
    void reportWrongType(const QString& key, const QJsonValue& value, const char* expected) const;

    // Guards the members below; never held while the file is read or written.
    mutable std::mutex mutex_;
    // Serialises read-modify-write cycles. Readers do not take it: every write replaces the
    // file by a rename, so a reader sees the old or the new file whole, and a reader on the GUI
    // thread never waits for a writer's fsync.
    std::mutex writeMutex_;
    QString filePath_;
    LoginItemSwitch loginItemSwitch_;
    // Readers run every half second; a broken file is reported once per version of it.
    mutable QString lastReportedProblem_;
    mutable QSet<QString> reportedWrongTypes_;
};
