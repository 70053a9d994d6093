#pragma once

#include "module/preferences/PreferencesActions.h"

#include <QWidget>

class GnomeCustomKeybinding;
class Preferences;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class SerialQueue;
class ShortCutRecordView;

// The Key Bindings tab: the recorder of the global shortcut and the modifier sets of quick
// paste, plain-text paste and clipboard switching. A recorded shortcut is registered at once
// (the old one released); one the desktop refuses is reported beside the recorder and the
// previous shortcut stays. Preference writes go to the preferences queue.
//
// Where the desktop binds the shortcut (the portal of a Wayland session) the tab shows the keys
// it bound and a button to its own dialog to change them; where it binds none, it says so and
// offers the desktop's own way: a button that adds a GNOME custom shortcut running
// `brimble toggle`, or the line for the compositor's configuration file.
class PreferencesKeyBindingViewController : public QWidget
{
    Q_OBJECT
public:
    static inline const QString recorderName = QStringLiteral("showPasteHistoryViewShortCutView");

    // The modifier sets a popup offers, in menu order: each modifier alone, then the pairs.
    static QList<quint32> modifierSets();
    // The popup row for stored modifiers: the first set that holds all of them; none when no
    // set does.
    static std::optional<int> rowForModifiers(quint32 carbonModifiers);

    // The preferences must outlive the queue `writes`.
    PreferencesKeyBindingViewController(Preferences& preferences, PreferencesActions actions,
                                        SerialQueue& writes, QWidget* parent = nullptr);
    ~PreferencesKeyBindingViewController() override;
    // Shows what the desktop made of the shortcut now (it tells when that changes).
    void refreshDesktopShortcut();

    ShortCutRecordView* showQuickSearchWindowShortCutView() const { return recorder_; }
    QLabel* shortcutNote() const { return shortcutNote_; }
    QLabel* desktopShortcutStatus() const { return desktopStatus_; }
    QPushButton* changeDesktopShortcutButton() const { return changeButton_; }
    QPushButton* addGnomeShortcutButton() const { return gnomeButton_; }
    QLineEdit* configurationLine() const { return configLine_; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    Preferences& preferences_;
    void didSetShortcut(const std::optional<KeyCombo>& combo);
    void buttonClicked(QComboBox* sender);
    // The line under the shortcut: why a combination was refused; hidden while empty.
    void setShortcutNote(const QString& text);
    void refreshModifierWarning();
    void addGnomeShortcut();
    KeyCombo shortcutForDesktop() const;
    QComboBox* addPopup(const QString& label, quint32 stored);

    PreferencesActions actions_;
    SerialQueue& writes_;
    ShortCutRecordView* recorder_;
    QLabel* shortcutNote_;
    QComboBox* quickPasteKeyButton_ = nullptr;
    QComboBox* pasteAsPlainTextButton_ = nullptr;
    QComboBox* switchClipboardButton_ = nullptr;
    QLabel* modifierWarning_ = nullptr;
    QWidget* desktopBox_ = nullptr;
    QLabel* desktopStatus_ = nullptr;
    QPushButton* changeButton_ = nullptr;
    QPushButton* gnomeButton_ = nullptr;
    QLineEdit* configLine_ = nullptr;
    QPushButton* copyButton_ = nullptr;
    GnomeCustomKeybinding* gnome_ = nullptr;
    // What the GNOME button last did, shown instead of the offer.
    QString gnomeResult_;
    // The shortcut as this tab last stored it.
    std::optional<KeyCombo> storedShortcut_;
};
