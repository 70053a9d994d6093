#include "module/preferences/PreferencesKeyBindingViewController.h"

#include "common/Log.h"
#include "common/SerialQueue.h"
#include "model/Localized.h"
#include "model/Preferences.h"
#include "module/preferences/view/ShortCutRecordView.h"
#include "platform/DesktopSession.h"
#include "platform/GnomeCustomKeybinding.h"
#include "platform/KeyTable.h"
#include "view/base/Alert.h"
#include "view/base/ThemeColors.h"

#include <QClipboard>
#include <QComboBox>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QString kTag = QStringLiteral("PreferencesKeyBinding");

void dim(QLabel* label)
{
    label->setWordWrap(true);
    ThemeColors::dim(label);
}
} // namespace

QList<quint32> PreferencesKeyBindingViewController::modifierSets()
{
    using namespace CarbonModifier;
    return {command,           option,           shift,
            control,           command | option, command | shift,
            command | control, option | shift,   option | control,
            shift | control};
}

std::optional<int> PreferencesKeyBindingViewController::rowForModifiers(quint32 carbonModifiers)
{
    const QList<quint32> sets = modifierSets();
    for (int row = 0; row < sets.size(); ++row)
        if ((sets[row] & carbonModifiers) == carbonModifiers)
            return row;
    return std::nullopt;
}

PreferencesKeyBindingViewController::PreferencesKeyBindingViewController(Preferences& preferences,
                                                                         PreferencesActions actions,
                                                                         SerialQueue& writes, QWidget* parent)
    : QWidget(parent), preferences_(preferences), actions_(std::move(actions)), writes_(writes),
      recorder_(new ShortCutRecordView(this)), shortcutNote_(new QLabel(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 16);
    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->setHorizontalSpacing(12);
    form->setVerticalSpacing(10);
    layout->addLayout(form);

    recorder_->setName(recorderName);
    storedShortcut_ = preferences.showQuickSearchWindowHotKey();
    recorder_->setKeyCombo(storedShortcut_);
    recorder_->setMinimumHeight(recorder_->sizeHint().height() + 4);
    recorder_->setDidSetAction([this](const std::optional<KeyCombo>& combo) { didSetShortcut(combo); });
    connect(recorder_, &ShortCutRecordView::recordingChanged, this, [this](bool recording) {
        if (recording)
            setShortcutNote(QString());
        if (actions_.setHotKeySuspended)
            actions_.setHotKeySuspended(recording);
    });
    connect(recorder_, &ShortCutRecordView::combinationRefused, this,
            [this] { setShortcutNote(LocalizedPreferences::shortcutNeedsModifier()); });
    form->addRow(LocalizedPreferences::showQuickSearchWindow(), recorder_);
    dim(shortcutNote_);
    form->addRow(QString(), shortcutNote_);
    // An empty note takes no room: the desktop's line follows the shortcut directly.
    form->setRowVisible(shortcutNote_, false);

    desktopBox_ = new QWidget(this);
    auto* desktopLayout = new QVBoxLayout(desktopBox_);
    desktopLayout->setContentsMargins(0, 0, 0, 0);
    desktopStatus_ = new QLabel(desktopBox_);
    desktopStatus_->setWordWrap(true);
    desktopStatus_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    desktopLayout->addWidget(desktopStatus_);
    auto* buttons = new QHBoxLayout;
    changeButton_ = new QPushButton(LocalizedPreferences::desktopShortcutChange(), desktopBox_);
    gnomeButton_ = new QPushButton(LocalizedPreferences::gnomeAddShortcut(), desktopBox_);
    configLine_ = new QLineEdit(desktopBox_);
    configLine_->setReadOnly(true);
    copyButton_ = new QPushButton(LocalizedPreferences::copyLine(), desktopBox_);
    buttons->addWidget(changeButton_);
    buttons->addWidget(gnomeButton_);
    buttons->addWidget(configLine_, 1);
    buttons->addWidget(copyButton_);
    buttons->addStretch(0);
    desktopLayout->addLayout(buttons);
    // A wrapped label may be given more height than its lines need: the room goes below the
    // buttons, and the text stays right under the shortcut it speaks of.
    desktopStatus_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    desktopLayout->addStretch(1);
    form->addRow(QString(), desktopBox_);
    connect(changeButton_, &QPushButton::clicked, this, [this] {
        if (actions_.configureDesktopShortcut)
            actions_.configureDesktopShortcut();
    });
    connect(gnomeButton_, &QPushButton::clicked, this, [this] { addGnomeShortcut(); });
    connect(copyButton_, &QPushButton::clicked, this, [this] {
        QGuiApplication::clipboard()->setText(configLine_->text());
        configLine_->selectAll();
    });

    quickPasteKeyButton_ =
        addPopup(LocalizedPreferences::quickPasteModifier(), preferences.quickPasteModifier());
    pasteAsPlainTextButton_ =
        addPopup(LocalizedPreferences::plainTextModifier(), preferences.plainTextModifier());
    switchClipboardButton_ =
        addPopup(LocalizedPreferences::switchClipboardModifier(), preferences.switchClipboardModifier());
    modifierWarning_ = new QLabel(LocalizedPreferences::modifiersCollide(), this);
    dim(modifierWarning_);
    form->addRow(QString(), modifierWarning_);
    layout->addStretch(1);
    refreshModifierWarning();
    refreshDesktopShortcut();
}

PreferencesKeyBindingViewController::~PreferencesKeyBindingViewController() = default;

KeyCombo PreferencesKeyBindingViewController::shortcutForDesktop() const
{
    // The desktop's own binding takes the recorded shortcut, else Brimble's first-run one.
    return storedShortcut_.value_or(KeyCombo{9, CarbonModifier::command | CarbonModifier::option});
}

void PreferencesKeyBindingViewController::refreshDesktopShortcut()
{
    using State = HotKeys::DesktopShortcut::State;
    const HotKeys::DesktopShortcut shortcut =
        actions_.desktopShortcut ? actions_.desktopShortcut() : HotKeys::DesktopShortcut{};
    desktopBox_->setVisible(shortcut.state != State::grabbed);
    changeButton_->setVisible(shortcut.state == State::bound && shortcut.configurable);
    gnomeButton_->hide();
    configLine_->hide();
    copyButton_->hide();
    switch (shortcut.state) {
    case State::grabbed:
        return;
    case State::asking:
        desktopStatus_->setText(LocalizedPreferences::desktopShortcutAsking());
        return;
    case State::bound:
        desktopStatus_->setText(shortcut.trigger.isEmpty()
                                    ? LocalizedPreferences::desktopShortcutNoKeys()
                                    : LocalizedPreferences::desktopShortcutBound(shortcut.trigger));
        return;
    case State::declined:
    case State::unavailable:
        break;
    }
    QStringList lines{shortcut.state == State::declined ? LocalizedPreferences::desktopShortcutDeclined()
                                                        : LocalizedPreferences::desktopShortcutNoPortal()};
    // As an XWayland client Brimble still grabs the keys for X11 windows.
    if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") || QGuiApplication::platformName() == QLatin1String("xcb"))
        lines << LocalizedPreferences::desktopShortcutX11Only();
    const DesktopSession::Desktop desktop = DesktopSession::current();
    const QString configuration = DesktopSession::configurationLine(desktop, shortcutForDesktop());
    if (!gnomeResult_.isEmpty()) {
        lines << gnomeResult_;
    } else if (desktop == DesktopSession::Desktop::gnome && GnomeCustomKeybinding::isAvailable()) {
        gnomeButton_->show();
    } else if (!configuration.isEmpty()) {
        lines << LocalizedPreferences::configurationLine();
        configLine_->setText(configuration);
        configLine_->setCursorPosition(0);
        configLine_->show();
        copyButton_->show();
    } else {
        lines << LocalizedPreferences::otherDesktopShortcut();
    }
    desktopStatus_->setText(lines.join(QLatin1Char('\n')));
}

void PreferencesKeyBindingViewController::addGnomeShortcut()
{
    const KeyCombo combo = shortcutForDesktop();
    const QString keys = KeyTable::displayText(combo);
    // Changing the desktop's own settings is the user's call, asked every time.
    Alert::confirm(window(), LocalizedPreferences::gnomeAddShortcutConfirm(keys),
                   LocalizedPreferences::gnomeAddShortcutExplained(), QMessageBox::Question, [this, combo, keys] {
                       if (!gnome_)
                           gnome_ = new GnomeCustomKeybinding(this);
                       gnomeButton_->setEnabled(false);
                       gnome_->add(combo, [this, keys](bool ok, const QString& problem) {
                           gnomeButton_->setEnabled(true);
                           gnomeResult_ = ok ? LocalizedPreferences::gnomeShortcutAdded(keys)
                                             : LocalizedPreferences::gnomeShortcutFailed(problem);
                           refreshDesktopShortcut();
                           // A failure leaves the button to try again.
                           if (!ok)
                               gnomeButton_->show();
                       });
                   });
}

QComboBox* PreferencesKeyBindingViewController::addPopup(const QString& label, quint32 stored)
{
    auto* popup = new QComboBox(this);
    for (quint32 set : modifierSets()) {
        QString text = KeyTable::displayModifiersText(set);
        text.chop(1);
        popup->addItem(text, set);
    }
    if (const auto row = rowForModifiers(stored))
        popup->setCurrentIndex(*row);
    static_cast<QFormLayout*>(layout()->itemAt(0)->layout())->addRow(label, popup);
    connect(popup, &QComboBox::activated, this, [this, popup] { buttonClicked(popup); });
    return popup;
}

void PreferencesKeyBindingViewController::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // The shortcut is what people come here for.
    recorder_->setFocus(Qt::OtherFocusReason);
}

void PreferencesKeyBindingViewController::hideEvent(QHideEvent* event)
{
    // Leaving the tab or closing the window ends a recording.
    recorder_->setInSetting(false);
    QWidget::hideEvent(event);
}

void PreferencesKeyBindingViewController::didSetShortcut(const std::optional<KeyCombo>& combo)
{
    const HotKeys::Result result = actions_.setShowQuickSearchWindowHotKey
                                       ? actions_.setShowQuickSearchWindowHotKey(combo)
                                       : HotKeys::Result::unavailable;
    if (combo && result != HotKeys::Result::registered) {
        // The old shortcut was released for the recording: take it back, and say why the new
        // one did not take instead of leaving the user with a dead shortcut.
        if (actions_.setShowQuickSearchWindowHotKey && storedShortcut_)
            actions_.setShowQuickSearchWindowHotKey(storedShortcut_);
        recorder_->setKeyCombo(storedShortcut_);
        setShortcutNote(LocalizedPreferences::shortcutRefused(
            KeyTable::displayText(*combo), HotKeys::describe(result),
            storedShortcut_ ? KeyTable::displayText(*storedShortcut_) : LocalizedPreferences::noShortcut()));
        Log::warning(
            kTag,
            QStringLiteral("shortcut %1 refused: %2").arg(KeyTable::text(*combo), HotKeys::describe(result)));
        return;
    }
    storedShortcut_ = combo;
    setShortcutNote(QString());
    writes_.async(
        [combo, &preferences = preferences_] { preferences.setShowQuickSearchWindowHotKey(combo); });
}

void PreferencesKeyBindingViewController::setShortcutNote(const QString& text)
{
    shortcutNote_->setText(text);
    static_cast<QFormLayout*>(layout()->itemAt(0)->layout())->setRowVisible(shortcutNote_, !text.isEmpty());
}

void PreferencesKeyBindingViewController::buttonClicked(QComboBox* sender)
{
    const QVariant item = sender->currentData();
    if (!item.isValid()) {
        Log::error(QStringLiteral("buttonClicked"), QStringLiteral("button key equivalent is nil"));
        return;
    }
    const quint32 bits = item.toUInt();
    if (sender == switchClipboardButton_)
        writes_.async([bits, &preferences = preferences_] { preferences.setSwitchClipboardModifier(bits); });
    else if (sender == quickPasteKeyButton_)
        writes_.async([bits, &preferences = preferences_] { preferences.setQuickPasteModifier(bits); });
    else if (sender == pasteAsPlainTextButton_)
        writes_.async([bits, &preferences = preferences_] { preferences.setPlainTextModifier(bits); });
    refreshModifierWarning();
}

void PreferencesKeyBindingViewController::refreshModifierWarning()
{
    // Switching clipboards goes with Tab and quick paste with the digits, so those two may share
    // their modifiers; quick paste with the plain-text modifiers held pastes plain text, so
    // when the two sets are equal every quick paste comes out plain.
    modifierWarning_->setVisible(quickPasteKeyButton_->currentData() ==
                                 pasteAsPlainTextButton_->currentData());
}
