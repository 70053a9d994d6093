#include "app/Brimble.h"
#include "model/Localized.h"
#include "platform/KeySynthesizer.h"
#include "view/base/Alert.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QWidget>

using TextFunction = QString (*)();
Q_DECLARE_METATYPE(TextFunction)

class TestLocalized : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { Localized::install(); }

    void everyKeyHasItsEnglishText_data()
    {
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<QString>("english");
        QTest::addColumn<TextFunction>("function");
        const auto row = [](const char* key, const char* english, TextFunction function) {
            QTest::newRow(key) << QByteArray(key) << QString::fromUtf8(english) << function;
        };
        row("general.reset", "Reset", &LocalizedGeneral::reset);
        row("general.click_to_record", "Click To Record", &LocalizedGeneral::clickToRecord);
        row("general.filter_type", "Type", &LocalizedGeneral::filterType);
        row("menu.quit", "Quit", &LocalizedMenu::quit);
        row("queue.paste_in_sequence", "Paste in Sequence", &LocalizedQueue::pasteInSequence);
        row("queue.clear", "Clear Paste Queue", &LocalizedQueue::clear);
        row("queue.escape_clears", "Esc clears it", &LocalizedQueue::escapeClears);
        row("menu.preferences", "Preferences", &LocalizedMenu::preferences);
        row("menu.about", "About", &LocalizedMenu::about);
        row("menu.rename", "Rename", &LocalizedMenu::rename);
        row("menu.clear_all_history", "Clear All History", &LocalizedMenu::clearAllHistory);
        row("menu.delete", "Delete", &LocalizedMenu::deleteItem);
        row("menu.paste", "Paste", &LocalizedMenu::paste);
        row("menu.paste_as_plain_text", "Paste as Plain Text", &LocalizedMenu::pasteAsPlainText);
        row("menu.cut", "Cut", &LocalizedMenu::cut);
        row("menu.copy", "Copy", &LocalizedMenu::copy);
        row("menu.move_to", "Move to", &LocalizedMenu::moveTo);
        row("menu.add_new_clip_board", "Add New Clipboard", &LocalizedMenu::addNewClipBoard);
        row("menu.move_to_first", "Move to First", &LocalizedMenu::moveToFirst);
        row("menu.save_to_file", "Save to File", &LocalizedMenu::saveToFile);
        row("menu.open", "Open", &LocalizedMenu::open);
        row("menu.quick_look", "Quick Look", &LocalizedMenu::quickLook);
        row("menu.show_in_finder", "Show in Folder", &LocalizedMenu::showInFinder);
        row("menu.pause_recording", "Pause Recording", &LocalizedMenu::pauseRecording);
        row("menu.continue_recording", "Continue Recording", &LocalizedMenu::continueRecording);
        row("menu.open_in_browser", "Open in Browser", &LocalizedMenu::openInBrowser);
        row("menu.help", "Help", &LocalizedMenu::help);
        row("menu.check_for_updates", "Check for Updates", &LocalizedMenu::checkForUpdates);
        row("menu.show_clipboard_history", "Show Clipboard History", &LocalizedMenu::showClipboardHistory);
        row("menu.undo_clear_all_history", "Undo Clear All History", &LocalizedMenu::undoClearAllHistory);
        row("quick_view.search", "Search", &LocalizedQuickView::search);
        row("quick_view.unnamed", "UnNamed", &LocalizedQuickView::unnamed);
        row("quick_view.empty", "It's Empty", &LocalizedQuickView::empty);
        row("quick_view.clipboard_history", "Clipboard History", &LocalizedQuickView::clipboardHistory);
        row("quick_view.n_records", "%1 records", &LocalizedQuickView::nRecords);
        row("pasteboard.unknown_type", "Unknown", &LocalizedPasteBoardType::unknownType);
        row("pasteboard.text_type", "Text", &LocalizedPasteBoardType::textType);
        row("pasteboard.rich_text_type", "Rich Text", &LocalizedPasteBoardType::richTextType);
        row("pasteboard.plain_text_type", "Plain Text", &LocalizedPasteBoardType::plainTextType);
        row("pasteboard.image_type", "Image", &LocalizedPasteBoardType::imageType);
        row("pasteboard.file_type", "File", &LocalizedPasteBoardType::fileType);
        row("pasteboard.link_type", "Link", &LocalizedPasteBoardType::linkType);
        row("pasteboard.color_type", "Color", &LocalizedPasteBoardType::colorType);
        row("alert.confirm", "Ok", &LocalizedAlert::confirm);
        row("alert.cancel", "Cancel", &LocalizedAlert::cancel);
        row("alert.alert", "Alert", &LocalizedAlert::alert);
        row("alert.undo_while_running", "You can undo this with Ctrl+Z while Brimble runs.",
            &LocalizedAlert::undoWhileRunning);
        row("alert.save_to_file_failed", "Save to file failed!", &LocalizedAlert::saveToFileFailed);
        row("alert.delete", "Delete", &LocalizedAlert::deleteButton);
        row("alert.reduce_history_capacity", "Reduce history capacity!",
            &LocalizedAlert::reduceHistoryCapacity);
        row("alert.this_action_can_not_be_undo", "This cannot be undone.",
            &LocalizedAlert::thisActionCanNotBeUndo);
        row("alert.do_not_show_this_to_me_again", "Don't show this to me again",
            &LocalizedAlert::doNotShowThisToMeAgain);
        row("alert.turn_on_accessibility_message",
            "Brimble can only paste automatically into X11 windows, and this window is not one. The item is "
            "on the clipboard: press Ctrl+V to paste it.",
            &LocalizedAlert::turnOnAccessibilityMessage);
        row("alert.turn_on_accessibility", "Turn On Accessibility", &LocalizedAlert::turnOnAccessibility);
        row("alert.not_now", "Not Now", &LocalizedAlert::notNow);
        row("alert.learn_more", "Learn More", &LocalizedAlert::learnMore);
        row("alert.crash_title", "Sorry about that!", &LocalizedAlert::crashTitle);
        row("alert.crash_message",
            "Brimble stopped unexpectedly the last time it ran. Do you want to send an anonymous crash "
            "report so that the problem can be fixed?",
            &LocalizedAlert::crashMessage);
        row("alert.always_send", "Always Send", &LocalizedAlert::alwaysSend);
        row("alert.send", "Send", &LocalizedAlert::send);
        row("alert.do_not_send", "Don't Send", &LocalizedAlert::doNotSend);
        row("Could not save changes while quitting. Quit anyway?",
            "Could not save changes while quitting. Quit anyway?",
            &LocalizedAlert::quitWithoutSavingQuestion);
        row("Quitting now will lose any changes you have made since the last successful save",
            "Quitting now will lose any changes you have made since the last successful save",
            &LocalizedAlert::quitWithoutSavingInformation);
        row("Quit anyway", "Quit anyway", &LocalizedAlert::quitAnyway);
        row("Cancel", "Cancel", &LocalizedAlert::quitCancel);
        row("date.unknow_date", "Unknown date", &LocalizedFormat::unknowDate);
        row("date.just_now", "Just now", &LocalizedFormat::justNow);
        row("date.yesterday", "Yesterday", &LocalizedFormat::yesterday);
        row("format.files", "files", &LocalizedFormat::files);
        row("format.chars", "chars", &LocalizedFormat::chars);
        row("preferences.auto_paste_without_virtual_keyboard",
            "This compositor offers no virtual keyboard, so chosen items are only put on the clipboard: "
            "press "
            "Ctrl+V to paste them.",
            &LocalizedPreferences::autoPasteNoKeyboard);
    }

    void everyKeyHasItsEnglishText()
    {
        QFETCH(QByteArray, key);
        QFETCH(QString, english);
        QFETCH(TextFunction, function);
        QCOMPARE(Localized::text(key.constData()), english);
        QCOMPARE(function(), english);
    }

    void missingKeyShowsAsTheKey()
    {
        QCOMPARE(Localized::text("menu.paste_twice"), QStringLiteral("menu.paste_twice"));
        QCOMPARE(Localized::text("no group at all"), QStringLiteral("no group at all"));
    }

    // Why items are not pasted by themselves names the mechanism this display really has.
    void autoPasteLimitationFitsTheDisplay_data()
    {
        QTest::addColumn<bool>("native");
        QTest::addColumn<bool>("synthesizes");
        QTest::addColumn<bool>("waylandSession");
        QTest::addColumn<bool>("reachesWayland");
        QTest::addColumn<QString>("text");
        QTest::newRow("X11 with XTEST") << false << true << false << true << QString();
        QTest::newRow("X11 without XTEST")
            << false << false << false << true << LocalizedPreferences::autoPasteWithoutXTest();
        QTest::newRow("XWayland") << false << true << true << true << LocalizedPreferences::autoPasteOnWayland();
        QTest::newRow("XWayland and the portal") << true << true << true << true << QString();
        QTest::newRow("XWayland, portal declined")
            << true << true << true << false << LocalizedPreferences::autoPasteOnWayland();
        QTest::newRow("Wayland, virtual keyboard") << true << true << true << true << QString();
        QTest::newRow("Wayland, none")
            << true << false << true << false << LocalizedPreferences::autoPasteNoKeyboard();
    }
    void autoPasteLimitationFitsTheDisplay()
    {
        QFETCH(bool, native);
        QFETCH(bool, synthesizes);
        QFETCH(bool, waylandSession);
        QFETCH(bool, reachesWayland);
        QFETCH(QString, text);
        struct Keys : KeySynthesizer
        {
            bool native = false, synthesizes = false, reachesWayland = false;
            bool isTrusted(const RunningApplication*) override { return synthesizes && reachesWayland; }
            bool canSynthesize() const override { return synthesizes; }
            bool sendPaste(const RunningApplication*) override { return false; }
            bool isTerminal(const RunningApplication*) const override { return false; }
            bool needsTarget() const override { return !native; }
        } keys;
        keys.native = native;
        keys.synthesizes = synthesizes;
        keys.reachesWayland = reachesWayland;
        QCOMPARE(Brimble::autoPasteLimitation(&keys, waylandSession), text);
        QCOMPARE(Brimble::autoPasteLimitation(nullptr, false), LocalizedPreferences::autoPasteWithoutXTest());
    }

    void recordCountIsFilledIn() { QCOMPARE(LocalizedQuickView::nRecords(12), QStringLiteral("12 records")); }

    void alertIsAWindowModalConfirmation()
    {
        QWidget window;
        window.show();
        QPointer<QMessageBox> box = Alert::confirm(
            &window, LocalizedAlert::alert(), QStringLiteral("Are you sure?"), QMessageBox::Warning, [] {});
        QVERIFY(box);
        QCOMPARE(box->parentWidget(), &window);
        QCOMPARE(box->windowModality(), Qt::WindowModal);
        QVERIFY(box->isVisible());
        QCOMPARE(box->icon(), QMessageBox::Warning);
        QCOMPARE(box->text(), QStringLiteral("Alert"));
        QCOMPARE(box->informativeText(), QStringLiteral("Are you sure?"));
        const QList<QAbstractButton*> buttons = box->buttons();
        QCOMPARE(buttons.size(), 2);
        QCOMPARE(buttons[0]->text(), QStringLiteral("Ok"));
        QCOMPARE(box->buttonRole(buttons[0]), QMessageBox::AcceptRole);
        QCOMPARE(buttons[1]->text(), QStringLiteral("Cancel"));
        QCOMPARE(box->buttonRole(buttons[1]), QMessageBox::RejectRole);
        // What is confirmed deletes something: Return alone must not.
        QCOMPARE(static_cast<QAbstractButton*>(box->defaultButton()), buttons[1]);
        box->close();
    }

    void alertRunsTheActionOnlyOnOk_data()
    {
        QTest::addColumn<QString>("ending");
        QTest::addColumn<int>("expectedRuns");
        QTest::newRow("ok") << "ok" << 1;
        QTest::newRow("return key cancels") << "return" << 0;
        QTest::newRow("cancel") << "cancel" << 0;
        QTest::newRow("escape key") << "escape" << 0;
        QTest::newRow("closed") << "close" << 0;
    }

    void alertRunsTheActionOnlyOnOk()
    {
        QFETCH(QString, ending);
        QFETCH(int, expectedRuns);
        QWidget window;
        window.show();
        int runs = 0;
        QPointer<QMessageBox> box =
            Alert::confirm(&window, LocalizedAlert::confirmClearClipboard(QStringLiteral("Notes")),
                           LocalizedAlert::undoWhileRunning(), QMessageBox::Warning, [&runs] { ++runs; });
        QCOMPARE(runs, 0); // nothing happens until the user answers
        const auto button = [&](const QString& text) {
            for (QAbstractButton* b : box->buttons())
                if (b->text() == text)
                    return b;
            return static_cast<QAbstractButton*>(nullptr);
        };
        if (ending == "ok")
            QTest::mouseClick(button("Ok"), Qt::LeftButton);
        else if (ending == "cancel")
            QTest::mouseClick(button("Cancel"), Qt::LeftButton);
        else if (ending == "return")
            QTest::keyClick(box, Qt::Key_Return);
        else if (ending == "escape")
            QTest::keyClick(box, Qt::Key_Escape);
        else
            box->close();
        QTRY_VERIFY(box.isNull()); // the dialog cleans itself up
        QCOMPARE(runs, expectedRuns);
    }
};

QTEST_MAIN(TestLocalized)
#include "tst_localized.moc"
