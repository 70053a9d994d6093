#include "KeyBoardEventSimu.h"

#include "app/Action.h"
#include "app/Localized.h"
#include "app/Preferences.h"
#include "common/Dispatch.h"
#include "common/Log.h"
#include "platform/Clipboard.h"
#include "platform/KeySynthesizer.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

namespace {
// The help page for auto-paste; the accessibility prompt's "Learn More" and "Turn On" both
// lead there, since Linux has no settings page that grants it.
const char* kHelpUrl = "https://brimble.app/help/auto-paste";
} // namespace

KeyBoardEventSimu::KeyBoardEventSimu(KeySynthesizer* synthesizer, Clipboard* clipboard)
    : synthesizer_(synthesizer), clipboard_(clipboard),
      presenter_(&KeyBoardEventSimu::showAccessibilityPrompt)
{
}

void KeyBoardEventSimu::setPromptPresenter(PromptPresenter presenter)
{
    presenter_ = std::move(presenter);
}

void KeyBoardEventSimu::simulatePaste(const RunningApplicationRef& target, const PasteboardItems& items)
{
    if (!checkAccessibility(target.get())) {
        Log::warning(QStringLiteral("simulate paste key"), QStringLiteral("accessibility not turn on"));
        return;
    }
    if (synthesizer_->isTerminal(target.get()) && clipboard_)
        clipboard_->writePrimary(items);
    // Sent from the caller's (background) thread: waiting for the user to release the
    // modifiers must not hold up the GUI.
    if (!synthesizer_->sendPaste(target.get()))
        Log::warning(QStringLiteral("simulate paste key"), QStringLiteral("paste key stroke not sent"));
}

bool KeyBoardEventSimu::checkAccessibility(const RunningApplication* target)
{
    if (synthesizer_ && synthesizer_->isTrusted(target))
        return true;
    if (Preferences::shared().doNotShowAccessibilityAlert()) {
        Log::info(QStringLiteral("accessibility"),
                  QStringLiteral("do not show turn on asccessibilty alert is true"));
        return false;
    }
    if (presenter_)
        Dispatch::main(presenter_);
    return false;
}

void KeyBoardEventSimu::showAccessibilityPrompt()
{
    auto* box = new QMessageBox(QMessageBox::Critical, LocalizedAlert::turnOnAccessibility(),
                                LocalizedAlert::turnOnAccessibilityMessage());
    box->setAttribute(Qt::WA_DeleteOnClose);
    auto* turnOn = box->addButton(LocalizedAlert::turnOnAccessibility(), QMessageBox::AcceptRole);
    box->addButton(LocalizedAlert::notNow(), QMessageBox::RejectRole);
    auto* learnMore = box->addButton(LocalizedAlert::learnMore(), QMessageBox::HelpRole);

    auto* check = new QCheckBox(LocalizedAlert::doNotShowThisToMeAgain(), box);
    box->setCheckBox(check);
    auto* action = new Action(
        [](QObject* sender) {
            if (auto* c = qobject_cast<QCheckBox*>(sender))
                Preferences::shared().setDoNotShowAccessibilityAlert(c->isChecked());
        },
        box);
    QObject::connect(check, &QCheckBox::clicked, action, &Action::action);

    QObject::connect(box, &QMessageBox::buttonClicked, box, [=](QAbstractButton* button) {
        if (button == turnOn || button == learnMore)
            QDesktopServices::openUrl(QUrl(QString::fromLatin1(kHelpUrl)));
    });
    box->show();
}
