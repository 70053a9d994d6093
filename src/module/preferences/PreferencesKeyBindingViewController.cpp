#include "module/preferences/PreferencesKeyBindingViewController.h"

#include "app/Localized.h"
#include "app/Preferences.h"
#include "common/Log.h"
#include "common/SerialQueue.h"
#include "module/preferences/view/ShortCutRecordView.h"
#include "platform/KeyTable.h"
#include "view/base/ThemeColors.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
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

PreferencesKeyBindingViewController::PreferencesKeyBindingViewController(PreferencesActions actions,
                                                                         SerialQueue& writes, QWidget* parent)
    : QWidget(parent), actions_(std::move(actions)), writes_(writes), recorder_(new ShortCutRecordView(this)),
      shortcutNote_(new QLabel(this))
{
    const Preferences& preferences = Preferences::shared();
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
            shortcutNote_->clear();
        if (actions_.setHotKeySuspended)
            actions_.setHotKeySuspended(recording);
    });
    connect(recorder_, &ShortCutRecordView::combinationRefused, this,
            [this] { shortcutNote_->setText(LocalizedPreferences::shortcutNeedsModifier()); });
    form->addRow(LocalizedPreferences::showQuickSearchWindow(), recorder_);
    dim(shortcutNote_);
    form->addRow(QString(), shortcutNote_);

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
}

QComboBox* PreferencesKeyBindingViewController::addPopup(const QString& label, quint32 stored)
{
    auto* popup = new QComboBox(this);
    for (quint32 set : modifierSets()) {
        QString text = KeyTable::modifiersText(set);
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
        shortcutNote_->setText(LocalizedPreferences::shortcutRefused(
            KeyTable::text(*combo), HotKeys::describe(result),
            storedShortcut_ ? KeyTable::text(*storedShortcut_) : LocalizedPreferences::noShortcut()));
        Log::warning(
            kTag,
            QStringLiteral("shortcut %1 refused: %2").arg(KeyTable::text(*combo), HotKeys::describe(result)));
        return;
    }
    storedShortcut_ = combo;
    shortcutNote_->clear();
    writes_.async([combo] { Preferences::shared().setShowQuickSearchWindowHotKey(combo); });
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
        writes_.async([bits] { Preferences::shared().setSwitchClipboardModifier(bits); });
    else if (sender == quickPasteKeyButton_)
        writes_.async([bits] { Preferences::shared().setQuickPasteModifier(bits); });
    else if (sender == pasteAsPlainTextButton_)
        writes_.async([bits] { Preferences::shared().setPlainTextModifier(bits); });
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
