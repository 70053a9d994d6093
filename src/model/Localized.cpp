#include "Localized.h"

#include "common/Log.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <mutex>

namespace Localized {

void install()
{
    static std::once_flag once;
    std::call_once(once, [] {
        QCoreApplication* app = QCoreApplication::instance();
        if (!app) {
            Log::warning(QStringLiteral("Localized"), QStringLiteral("no application to install texts into"));
            return;
        }
        const QString directory = QStringLiteral(":/translations");
        auto* english = new QTranslator(app);
        if (english->load(QStringLiteral("brimble_en"), directory))
            QCoreApplication::installTranslator(english);
        else
            Log::warning(QStringLiteral("Localized"),
                         QStringLiteral("english texts missing from the resources"));

        // Installed last, so it is searched first; ids it lacks fall back to English.
        auto* local = new QTranslator(app);
        if (local->load(QLocale(), QStringLiteral("brimble"), QStringLiteral("_"), directory) &&
            local->language() != english->language())
            QCoreApplication::installTranslator(local);
        else
            delete local;

        // Qt's own texts in the same language: the text fields' menus, standard buttons, and key
        // names ("Strg+V"). They come with the system's Qt; without them those stay English.
        const QString qtDirectory = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
        auto* qt = new QTranslator(app);
        if (qt->load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"), qtDirectory)) {
            QCoreApplication::installTranslator(qt);
        } else {
            delete qt;
            if (QLocale().language() != QLocale::English && QLocale().language() != QLocale::C)
                Log::info(QStringLiteral("Localized"),
                          QStringLiteral("no Qt catalogue for %1 in %2; Qt's own texts stay English")
                              .arg(QLocale().name(), qtDirectory));
        }
    });
}

QString text(const char* key)
{
    return qtTrId(key);
}

} // namespace Localized

#define BRIMBLE_LOCALIZED(function, key)                                                                     \
    QString function()                                                                                       \
    {                                                                                                        \
        static const QString text = Localized::text(key);                                                    \
        return text;                                                                                         \
    }

namespace LocalizedGeneral {
BRIMBLE_LOCALIZED(reset, "general.reset")
BRIMBLE_LOCALIZED(clickToRecord, "general.click_to_record")
BRIMBLE_LOCALIZED(filterType, "general.filter_type")
} // namespace LocalizedGeneral

namespace LocalizedPreferences {
BRIMBLE_LOCALIZED(generalTab, "preferences.general")
BRIMBLE_LOCALIZED(keyBindingsTab, "preferences.key_bindings")
BRIMBLE_LOCALIZED(rulesTab, "preferences.rules")
BRIMBLE_LOCALIZED(launchAtLogin, "preferences.launch_at_login")
BRIMBLE_LOCALIZED(autoPaste, "preferences.auto_paste")
BRIMBLE_LOCALIZED(autoPasteWithoutXTest, "preferences.auto_paste_without_xtest")
BRIMBLE_LOCALIZED(autoPasteOnWayland, "preferences.auto_paste_on_wayland")
BRIMBLE_LOCALIZED(autoPasteNoKeyboard, "preferences.auto_paste_without_virtual_keyboard")
BRIMBLE_LOCALIZED(pasteAsPlainText, "preferences.paste_as_plain_text")
BRIMBLE_LOCALIZED(deleteAfterPasted, "preferences.delete_after_pasted")
BRIMBLE_LOCALIZED(moveUsedItemToFirst, "preferences.move_used_item_to_first")
BRIMBLE_LOCALIZED(previewLinks, "preferences.preview_links")
BRIMBLE_LOCALIZED(loadLinkPreviews, "preferences.load_link_previews")
BRIMBLE_LOCALIZED(showTrayIcon, "preferences.show_tray_icon")
BRIMBLE_LOCALIZED(sendCrashReports, "preferences.send_crash_reports")
BRIMBLE_LOCALIZED(keepHistory, "preferences.keep_history")
BRIMBLE_LOCALIZED(oneDay, "preferences.one_day")
BRIMBLE_LOCALIZED(sevenDays, "preferences.seven_days")
BRIMBLE_LOCALIZED(thirtyDays, "preferences.thirty_days")
BRIMBLE_LOCALIZED(forever, "preferences.forever")
BRIMBLE_LOCALIZED(secrets, "preferences.secrets")
BRIMBLE_LOCALIZED(secretsNote, "preferences.secrets_note")
BRIMBLE_LOCALIZED(secretNeverRecord, "preferences.secret_never_record")
BRIMBLE_LOCALIZED(secretMinute, "preferences.secret_minute")
BRIMBLE_LOCALIZED(secretTenMinutes, "preferences.secret_ten_minutes")
BRIMBLE_LOCALIZED(secretHour, "preferences.secret_hour")
BRIMBLE_LOCALIZED(secretDay, "preferences.secret_day")
BRIMBLE_LOCALIZED(secretKeep, "preferences.secret_keep")
BRIMBLE_LOCALIZED(readImageText, "preferences.read_image_text")
BRIMBLE_LOCALIZED(imageTextLanguage, "preferences.image_text_language")
BRIMBLE_LOCALIZED(showQuickSearchWindow, "preferences.show_quick_search_window")
BRIMBLE_LOCALIZED(quickPasteModifier, "preferences.quick_paste_modifier")
BRIMBLE_LOCALIZED(plainTextModifier, "preferences.plain_text_modifier")
BRIMBLE_LOCALIZED(switchClipboardModifier, "preferences.switch_clipboard_modifier")
BRIMBLE_LOCALIZED(modifiersCollide, "preferences.modifiers_collide")
BRIMBLE_LOCALIZED(shortcutNeedsModifier, "preferences.shortcut_needs_modifier")
BRIMBLE_LOCALIZED(noShortcut, "preferences.no_shortcut")
BRIMBLE_LOCALIZED(ignoredAppsExplained, "preferences.ignored_apps_explained")
BRIMBLE_LOCALIZED(addApplications, "preferences.add_applications")
BRIMBLE_LOCALIZED(removeApplications, "preferences.remove_applications")
BRIMBLE_LOCALIZED(chooseApplications, "preferences.choose_applications")
BRIMBLE_LOCALIZED(desktopEntries, "preferences.desktop_entries")
QString shortcutRefused(const QString& shortcut, const QString& reason, const QString& kept)
{
    return Localized::text("preferences.shortcut_refused").arg(shortcut, reason, kept);
}
BRIMBLE_LOCALIZED(desktopShortcutAsking, "preferences.desktop_shortcut_asking")
QString desktopShortcutBound(const QString& keys)
{
    return Localized::text("preferences.desktop_shortcut_bound").arg(keys);
}
BRIMBLE_LOCALIZED(desktopShortcutNoKeys, "preferences.desktop_shortcut_no_keys")
BRIMBLE_LOCALIZED(desktopShortcutChange, "preferences.desktop_shortcut_change")
BRIMBLE_LOCALIZED(desktopShortcutDeclined, "preferences.desktop_shortcut_declined")
BRIMBLE_LOCALIZED(desktopShortcutNoPortal, "preferences.desktop_shortcut_no_portal")
BRIMBLE_LOCALIZED(desktopShortcutX11Only, "preferences.desktop_shortcut_x11_only")
BRIMBLE_LOCALIZED(gnomeAddShortcut, "preferences.gnome_add_shortcut")
QString gnomeAddShortcutConfirm(const QString& keys)
{
    return Localized::text("preferences.gnome_add_shortcut_confirm").arg(keys);
}
BRIMBLE_LOCALIZED(gnomeAddShortcutExplained, "preferences.gnome_add_shortcut_explained")
QString gnomeShortcutAdded(const QString& keys)
{
    return Localized::text("preferences.gnome_shortcut_added").arg(keys);
}
QString gnomeShortcutFailed(const QString& keys)
{
    return Localized::text("preferences.gnome_shortcut_failed").arg(keys);
}
BRIMBLE_LOCALIZED(configurationLine, "preferences.configuration_line")
BRIMBLE_LOCALIZED(otherDesktopShortcut, "preferences.other_desktop_shortcut")
BRIMBLE_LOCALIZED(copyLine, "preferences.copy_line")
} // namespace LocalizedPreferences

namespace LocalizedMenu {
BRIMBLE_LOCALIZED(quit, "menu.quit")
BRIMBLE_LOCALIZED(preferences, "menu.preferences")
BRIMBLE_LOCALIZED(about, "menu.about")
BRIMBLE_LOCALIZED(rename, "menu.rename")
BRIMBLE_LOCALIZED(clearAllHistory, "menu.clear_all_history")
BRIMBLE_LOCALIZED(deleteItem, "menu.delete")
BRIMBLE_LOCALIZED(paste, "menu.paste")
BRIMBLE_LOCALIZED(pasteAsPlainText, "menu.paste_as_plain_text")
BRIMBLE_LOCALIZED(cut, "menu.cut")
BRIMBLE_LOCALIZED(copy, "menu.copy")
BRIMBLE_LOCALIZED(moveTo, "menu.move_to")
BRIMBLE_LOCALIZED(addNewClipBoard, "menu.add_new_clip_board")
BRIMBLE_LOCALIZED(moveToFirst, "menu.move_to_first")
BRIMBLE_LOCALIZED(saveToFile, "menu.save_to_file")
BRIMBLE_LOCALIZED(open, "menu.open")
BRIMBLE_LOCALIZED(quickLook, "menu.quick_look")
BRIMBLE_LOCALIZED(showInFinder, "menu.show_in_finder")
BRIMBLE_LOCALIZED(pauseRecording, "menu.pause_recording")
BRIMBLE_LOCALIZED(continueRecording, "menu.continue_recording")
BRIMBLE_LOCALIZED(openInBrowser, "menu.open_in_browser")
BRIMBLE_LOCALIZED(help, "menu.help")
BRIMBLE_LOCALIZED(checkForUpdates, "menu.check_for_updates")
BRIMBLE_LOCALIZED(showClipboardHistory, "menu.show_clipboard_history")
BRIMBLE_LOCALIZED(undo, "menu.undo")
BRIMBLE_LOCALIZED(undoDelete, "menu.undo_delete")
BRIMBLE_LOCALIZED(undoCut, "menu.undo_cut")
BRIMBLE_LOCALIZED(undoClearAllHistory, "menu.undo_clear_all_history")
BRIMBLE_LOCALIZED(undoMove, "menu.undo_move")
BRIMBLE_LOCALIZED(undoDeleteClipboard, "menu.undo_delete_clipboard")
BRIMBLE_LOCALIZED(edit, "menu.edit")
BRIMBLE_LOCALIZED(undoReplace, "menu.undo_replace")
} // namespace LocalizedMenu

namespace LocalizedQuickView {
BRIMBLE_LOCALIZED(search, "quick_view.search")
BRIMBLE_LOCALIZED(unnamed, "quick_view.unnamed")
BRIMBLE_LOCALIZED(empty, "quick_view.empty")
BRIMBLE_LOCALIZED(clipboardHistory, "quick_view.clipboard_history")
BRIMBLE_LOCALIZED(nRecords, "quick_view.n_records")
BRIMBLE_LOCALIZED(textCut, "quick_view.text_cut")
BRIMBLE_LOCALIZED(unknownApplication, "quick_view.unknown_application")
BRIMBLE_LOCALIZED(noMatches, "quick_view.no_matches")
BRIMBLE_LOCALIZED(nSelected, "quick_view.n_selected")
BRIMBLE_LOCALIZED(secretRevealHint, "quick_view.secret_reveal_hint")
BRIMBLE_LOCALIZED(secretReveal, "quick_view.secret_reveal")
} // namespace LocalizedQuickView

namespace LocalizedLinkPreview {
BRIMBLE_LOCALIZED(load, "link_preview.load")
BRIMBLE_LOCALIZED(notWeb, "link_preview.not_web")
BRIMBLE_LOCALIZED(credentials, "link_preview.credentials")
BRIMBLE_LOCALIZED(localHost, "link_preview.local_host")
BRIMBLE_LOCALIZED(asRoot, "link_preview.as_root")
BRIMBLE_LOCALIZED(hostNotFound, "link_preview.host_not_found")
BRIMBLE_LOCALIZED(failed, "link_preview.failed")
BRIMBLE_LOCALIZED(stopped, "link_preview.stopped")
QString failed(const QString& error)
{
    return failed().arg(error);
}
} // namespace LocalizedLinkPreview

namespace LocalizedPasteBoardType {
BRIMBLE_LOCALIZED(unknownType, "pasteboard.unknown_type")
BRIMBLE_LOCALIZED(textType, "pasteboard.text_type")
BRIMBLE_LOCALIZED(richTextType, "pasteboard.rich_text_type")
BRIMBLE_LOCALIZED(plainTextType, "pasteboard.plain_text_type")
BRIMBLE_LOCALIZED(imageType, "pasteboard.image_type")
BRIMBLE_LOCALIZED(fileType, "pasteboard.file_type")
BRIMBLE_LOCALIZED(linkType, "pasteboard.link_type")
BRIMBLE_LOCALIZED(colorType, "pasteboard.color_type")
} // namespace LocalizedPasteBoardType

namespace LocalizedAlert {
BRIMBLE_LOCALIZED(pastedByHand, "alert.pasted_by_hand")
BRIMBLE_LOCALIZED(confirm, "alert.confirm")
BRIMBLE_LOCALIZED(cancel, "alert.cancel")
BRIMBLE_LOCALIZED(alert, "alert.alert")
BRIMBLE_LOCALIZED(saveToFileFailed, "alert.save_to_file_failed")
BRIMBLE_LOCALIZED(deleteButton, "alert.delete")
BRIMBLE_LOCALIZED(reduceHistoryCapacity, "alert.reduce_history_capacity")
BRIMBLE_LOCALIZED(thisActionCanNotBeUndo, "alert.this_action_can_not_be_undo")
BRIMBLE_LOCALIZED(undoWhileRunning, "alert.undo_while_running")
BRIMBLE_LOCALIZED(doNotShowThisToMeAgain, "alert.do_not_show_this_to_me_again")
BRIMBLE_LOCALIZED(turnOnAccessibilityMessage, "alert.turn_on_accessibility_message")
BRIMBLE_LOCALIZED(turnOnAccessibility, "alert.turn_on_accessibility")
BRIMBLE_LOCALIZED(notNow, "alert.not_now")
BRIMBLE_LOCALIZED(learnMore, "alert.learn_more")
BRIMBLE_LOCALIZED(crashTitle, "alert.crash_title")
BRIMBLE_LOCALIZED(crashMessage, "alert.crash_message")
BRIMBLE_LOCALIZED(alwaysSend, "alert.always_send")
BRIMBLE_LOCALIZED(send, "alert.send")
BRIMBLE_LOCALIZED(doNotSend, "alert.do_not_send")
BRIMBLE_LOCALIZED(quitWithoutSavingQuestion, "Could not save changes while quitting. Quit anyway?")
BRIMBLE_LOCALIZED(quitWithoutSavingInformation,
                  "Quitting now will lose any changes you have made since the last successful save")
BRIMBLE_LOCALIZED(quitAnyway, "Quit anyway")
BRIMBLE_LOCALIZED(quitCancel, "Cancel")
} // namespace LocalizedAlert

namespace LocalizedFormat {
BRIMBLE_LOCALIZED(unknowDate, "date.unknow_date")
BRIMBLE_LOCALIZED(justNow, "date.just_now")
BRIMBLE_LOCALIZED(yesterday, "date.yesterday")
BRIMBLE_LOCALIZED(files, "format.files")
BRIMBLE_LOCALIZED(chars, "format.chars")
} // namespace LocalizedFormat

namespace LocalizedAlert {
QString hotKeyRefused(const QString& shortcut, const QString& reason)
{
    return Localized::text("alert.hot_key_refused").arg(shortcut, reason);
}
QString historyDiskFull(const QString& reason)
{
    return Localized::text("alert.history_disk_full").arg(reason);
}
QString historyRecordingAgain(int written)
{
    return Localized::text("alert.history_recording_again").arg(written);
}
QString historyCopiesLost(int lost)
{
    return Localized::text("alert.history_copies_lost").arg(lost);
}
QString openFailed(const QString& what, const QString& reason)
{
    return Localized::text("alert.open_failed").arg(what, reason);
}
QString settingNotSaved(const QString& path)
{
    return Localized::text("alert.setting_not_saved").arg(path);
}
QString confirmClearClipboard(const QString& name)
{
    return Localized::text("alert.confirm_clear_clipboard").arg(name);
}
QString confirmDeleteClipboard(const QString& name)
{
    return Localized::text("alert.confirm_delete_clipboard").arg(name);
}
QString itemsToDelete(qint64 count)
{
    return Localized::text("alert.items_to_delete").arg(count);
}
QString tooLargeToCopy(qint64 megabytes, qint64 limitMegabytes)
{
    return Localized::text("alert.too_large_to_copy").arg(megabytes).arg(limitMegabytes);
}
} // namespace LocalizedAlert

namespace LocalizedQuickView {
QString nRecords(qint64 count)
{
    return nRecords().arg(count);
}
QString textCut(const QString& shown, const QString& total)
{
    return textCut().arg(shown, total);
}
QString badTypeClause(const QString& clause, const QString& words)
{
    return Localized::text("quick_view.bad_type_clause").arg(clause, words);
}
QString nSelected(const QString& count)
{
    return nSelected().arg(count);
}

QString secretKind(SecretKind kind)
{
    return Localized::text(("secret." + SecretShape::rawValue(kind)).toLatin1().constData());
}

QString secretMask(SecretKind kind, qint64 length)
{
    return Localized::text("quick_view.secret_mask").arg(secretKind(kind), QLocale().toString(length));
}
} // namespace LocalizedQuickView

namespace LocalizedUpdate {
QString available(const QString& version)
{
    return Localized::text("update.available").arg(version);
}
QString availableMessage(const QString& installed)
{
    return Localized::text("update.available_message").arg(installed);
}
BRIMBLE_LOCALIZED(downloadPage, "update.download_page")
BRIMBLE_LOCALIZED(later, "update.later")
BRIMBLE_LOCALIZED(upToDate, "update.up_to_date")
QString upToDateMessage(const QString& version)
{
    return Localized::text("update.up_to_date_message").arg(version);
}
BRIMBLE_LOCALIZED(failed, "update.failed")
} // namespace LocalizedUpdate

QString LocalizedPasteBoardType::name(PasteInfoDisplayType type)
{
    switch (type) {
    case PasteInfoDisplayType::Text:
        return LocalizedPasteBoardType::textType();
    case PasteInfoDisplayType::RichTextFormat:
    case PasteInfoDisplayType::RichTextFormatDocument:
        return LocalizedPasteBoardType::richTextType();
    case PasteInfoDisplayType::PlainText:
        return LocalizedPasteBoardType::plainTextType();
    case PasteInfoDisplayType::Image:
        return LocalizedPasteBoardType::imageType();
    case PasteInfoDisplayType::File:
        return LocalizedPasteBoardType::fileType();
    case PasteInfoDisplayType::Link:
        return LocalizedPasteBoardType::linkType();
    case PasteInfoDisplayType::Color:
        return LocalizedPasteBoardType::colorType();
    case PasteInfoDisplayType::Unknown:
        break;
    }
    return LocalizedPasteBoardType::unknownType();
}

namespace LocalizedQueue {
BRIMBLE_LOCALIZED(pasteInSequence, "queue.paste_in_sequence")
BRIMBLE_LOCALIZED(clear, "queue.clear")
QString active(const QString& a1, const QString& a2, const QString& a3)
{
    return Localized::text("queue.active").arg(a1).arg(a2).arg(a3);
}
QString untitledItem(const QString& a1, const QString& a2)
{
    return Localized::text("queue.untitled_item").arg(a1).arg(a2);
}
QString finished(const QString& a1)
{
    return Localized::text("queue.finished").arg(a1);
}
QString interrupted(const QString& a1, const QString& a2)
{
    return Localized::text("queue.interrupted").arg(a1).arg(a2);
}
QString cleared(const QString& a1, const QString& a2)
{
    return Localized::text("queue.cleared").arg(a1).arg(a2);
}
QString failed(const QString& a1)
{
    return Localized::text("queue.failed").arg(a1);
}
BRIMBLE_LOCALIZED(escapeClears, "queue.escape_clears")
} // namespace LocalizedQueue

namespace LocalizedHelp {
BRIMBLE_LOCALIZED(title, "help.title")
BRIMBLE_LOCALIZED(back, "help.back")
BRIMBLE_LOCALIZED(forward, "help.forward")
BRIMBLE_LOCALIZED(contents, "help.contents")
BRIMBLE_LOCALIZED(autoPasteTitle, "help.auto_paste_title")
} // namespace LocalizedHelp

namespace LocalizedAbout {
BRIMBLE_LOCALIZED(title, "about.title")
BRIMBLE_LOCALIZED(description, "about.description")
BRIMBLE_LOCALIZED(licence, "about.licence")
BRIMBLE_LOCALIZED(libraries, "about.libraries")
BRIMBLE_LOCALIZED(history, "about.history")
BRIMBLE_LOCALIZED(logs, "about.logs")
BRIMBLE_LOCALIZED(copied, "about.copied")
BRIMBLE_LOCALIZED(close, "about.close")
QString builtWith(const QString& version)
{
    return Localized::text("about.built_with").arg(version);
}
} // namespace LocalizedAbout

namespace LocalizedArchive {
BRIMBLE_LOCALIZED(exportHistory, "archive.export_history")
BRIMBLE_LOCALIZED(importHistory, "archive.import_history")
BRIMBLE_LOCALIZED(exportTitle, "archive.export_title")
BRIMBLE_LOCALIZED(importTitle, "archive.import_title")
QString exists(const QString& a1)
{
    return Localized::text("archive.exists").arg(a1);
}
QString cannotWrite(const QString& a1, const QString& a2)
{
    return Localized::text("archive.cannot_write").arg(a1, a2);
}
QString cannotOpen(const QString& a1, const QString& a2)
{
    return Localized::text("archive.cannot_open").arg(a1, a2);
}
QString notArchive(const QString& a1)
{
    return Localized::text("archive.not_archive").arg(a1);
}
QString newer(const QString& a1, const QString& a2)
{
    return Localized::text("archive.newer").arg(a1, a2);
}
QString damaged(const QString& a1, const QString& a2)
{
    return Localized::text("archive.damaged").arg(a1, a2);
}
QString storeFailed(const QString& a1)
{
    return Localized::text("archive.store_failed").arg(a1);
}
QString exported(const QString& a1, const QString& a2)
{
    return Localized::text("archive.exported").arg(a1, a2);
}
QString secretsLeftOut(const QString& a1)
{
    return Localized::text("archive.secrets_left_out").arg(a1);
}
QString imported(const QString& a1, const QString& a2, const QString& a3)
{
    return Localized::text("archive.imported").arg(a1, a2, a3);
}
} // namespace LocalizedArchive

namespace LocalizedCommandLine {
BRIMBLE_LOCALIZED(helpUsage, "cli.help.usage")
BRIMBLE_LOCALIZED(helpWithoutVerb, "cli.help.without_verb")
BRIMBLE_LOCALIZED(helpVerbs, "cli.help.verbs")
BRIMBLE_LOCALIZED(helpNotes, "cli.help.notes")
BRIMBLE_LOCALIZED(helpOptions, "cli.help.options")
BRIMBLE_LOCALIZED(helpEnvironment, "cli.help.environment")
BRIMBLE_LOCALIZED(helpPlatform, "cli.help.platform")
BRIMBLE_LOCALIZED(helpExitStatus, "cli.help.exit_status")
QString unknownVerb(const QString& verb)
{
    return Localized::text("cli.unknown_verb").arg(verb);
}
QString unknownOption(const QString& option)
{
    return Localized::text("cli.unknown_option").arg(option);
}
QString optionNotTaken(const QString& verb, const QString& option)
{
    return Localized::text("cli.option_not_taken").arg(verb, option);
}
QString needsValue(const QString& option)
{
    return Localized::text("cli.needs_value").arg(option);
}
QString badLimit(const QString& value)
{
    return Localized::text("cli.bad_limit").arg(value);
}
QString takesOneItem(const QString& verb)
{
    return Localized::text("cli.takes_one_item").arg(verb);
}
BRIMBLE_LOCALIZED(queueClearAlone, "cli.queue_clear_alone")
BRIMBLE_LOCALIZED(searchNeedsQuery, "cli.search_needs_query")
QString takesOneFile(const QString& verb)
{
    return Localized::text("cli.takes_one_file").arg(verb);
}
QString takesNoArgument(const QString& verb, const QString& argument)
{
    return Localized::text("cli.takes_no_argument").arg(verb, argument);
}
QString historyDamaged(const QString& path, const QString& reason)
{
    return reason.isEmpty() ? Localized::text("cli.history_damaged").arg(path)
                            : Localized::text("cli.history_damaged_because").arg(path, reason);
}
QString cannotOpenHistory(const QString& path, const QString& reason)
{
    return Localized::text("cli.cannot_open_history").arg(path, reason);
}
BRIMBLE_LOCALIZED(salvageWhileRunning, "cli.salvage_while_running")
QString salvaged(const QString& path, qint64 itemsKept, qint64 clipboardsKept, qint64 rulesKept,
                 qint64 itemsLost, qint64 stretchesLost, qint64 textsRebuilt, qint64 clipboardsRebuilt,
                 const QString& keptPath)
{
    // One pass, so that a path holding "%2" stays as it is.
    const auto number = [](qint64 n) { return QString::number(n); };
    return Localized::text("cli.salvaged")
        .arg(path, number(itemsKept), number(clipboardsKept), number(rulesKept), number(itemsLost),
             number(stretchesLost), number(textsRebuilt), number(clipboardsRebuilt), keptPath);
}
BRIMBLE_LOCALIZED(noPasteQueue, "cli.no_paste_queue")
BRIMBLE_LOCALIZED(notRunning, "cli.not_running")
BRIMBLE_LOCALIZED(busy, "cli.busy")
BRIMBLE_LOCALIZED(requestFailed, "cli.request_failed")
BRIMBLE_LOCALIZED(unreadableAnswer, "cli.unreadable_answer")
BRIMBLE_LOCALIZED(copiedNotPasted, "cli.copied_not_pasted")
BRIMBLE_LOCALIZED(stillStarting, "cli.still_starting")
BRIMBLE_LOCALIZED(quitNotSaved, "cli.quit_not_saved")
BRIMBLE_LOCALIZED(alreadyRunningBusy, "cli.already_running_busy")
QString notAnswering(const QString& socket)
{
    return Localized::text("cli.not_answering").arg(socket);
}
BRIMBLE_LOCALIZED(noDisplay, "cli.no_display")
QString cannotOpenWayland(const QString& display)
{
    return Localized::text("cli.cannot_open_wayland").arg(display);
}
QString cannotOpenX11(const QString& display)
{
    return Localized::text("cli.cannot_open_x11").arg(display);
}
QString cannotOpenDatabase(const QString& error)
{
    return Localized::text("cli.cannot_open_database").arg(error);
}
} // namespace LocalizedCommandLine

namespace LocalizedHistory {
BRIMBLE_LOCALIZED(unreadable, "history.unreadable")
BRIMBLE_LOCALIZED(unsearchable, "history.unsearchable")
BRIMBLE_LOCALIZED(defaultClipboardMissing, "history.default_clipboard_missing")
QString noClipboardNamed(const QString& name)
{
    return Localized::text("history.no_clipboard_named").arg(name);
}
QString noItemWithUuid(const QString& uuid)
{
    return Localized::text("history.no_item_with_uuid").arg(uuid);
}
QString cannotRead(const QString& reason)
{
    return Localized::text("history.cannot_read").arg(reason);
}
QString noItemAt(const QString& position, const QString& clipboard, qint64 count)
{
    return Localized::text("history.no_item_at").arg(position, clipboard, QString::number(count));
}
QString deletedMeanwhile(const QString& item)
{
    return Localized::text("history.deleted_meanwhile").arg(item);
}
BRIMBLE_LOCALIZED(noneYet, "history.none_yet")
BRIMBLE_LOCALIZED(notRegularFile, "history.not_regular_file")
QString needsUpgrade(qint64 version)
{
    return Localized::text("history.needs_upgrade").arg(version);
}
QString noneAt(const QString& path)
{
    return Localized::text("history.none_at").arg(path);
}
QString cannotWrite(const QString& path, const QString& reason)
{
    return Localized::text("history.cannot_write").arg(path, reason);
}
QString cannotMoveAside(const QString& path, const QString& reason)
{
    return Localized::text("history.cannot_move_aside").arg(path, reason);
}
QString cannotPutInPlace(const QString& reason)
{
    return Localized::text("history.cannot_put_in_place").arg(reason);
}
} // namespace LocalizedHistory

namespace LocalizedPaste {
BRIMBLE_LOCALIZED(contentUnreadable, "paste.content_unreadable")
BRIMBLE_LOCALIZED(noPlainText, "paste.no_plain_text")
BRIMBLE_LOCALIZED(nothingToWrite, "paste.nothing_to_write")
BRIMBLE_LOCALIZED(clipboardRefused, "paste.clipboard_refused")
BRIMBLE_LOCALIZED(noWindowKnown, "paste.no_window_known")
BRIMBLE_LOCALIZED(windowGone, "paste.window_gone")
BRIMBLE_LOCALIZED(notActivated, "paste.not_activated")
BRIMBLE_LOCALIZED(noXTest, "paste.no_xtest")
BRIMBLE_LOCALIZED(noVirtualKeyboard, "paste.no_virtual_keyboard")
BRIMBLE_LOCALIZED(keyNotSent, "paste.key_not_sent")
} // namespace LocalizedPaste
namespace LocalizedEditor {
BRIMBLE_LOCALIZED(save, "editor.save")
BRIMBLE_LOCALIZED(replace, "editor.replace")
BRIMBLE_LOCALIZED(hint, "editor.hint")
BRIMBLE_LOCALIZED(formattingDropped, "editor.formatting_dropped")
BRIMBLE_LOCALIZED(empty, "editor.empty")
BRIMBLE_LOCALIZED(originalGone, "editor.original_gone")
BRIMBLE_LOCALIZED(notStored, "editor.not_stored")
BRIMBLE_LOCALIZED(secretNotRecorded, "editor.secret_not_recorded")
BRIMBLE_LOCALIZED(notEditable, "editor.not_editable")
QString tooLong(qint64 limit)
{
    return Localized::text("editor.too_long").arg(QLocale().toString(limit));
}
} // namespace LocalizedEditor
