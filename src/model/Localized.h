#pragma once

#include "model/PasteInfoDisplayType.h"
#include "model/SecretShape.h"

#include <QString>

// Every text Brimble shows from code, looked up by id in the compiled catalogue
// (resources/translations). Each text is resolved once, the first time it is read, and kept for
// the life of the process; install() must run before the first read.
namespace Localized {

// Loads the English catalogue, then the user's language over it when Brimble ships one.
// Needs the QCoreApplication; later calls do nothing.
void install();

// The text for an id; an id the catalogue lacks reads as the id itself.
QString text(const char* key);

} // namespace Localized

namespace LocalizedGeneral {
QString reset();         // "general.reset"
QString clickToRecord(); // "general.click_to_record"
QString filterType();    // "general.filter_type"
} // namespace LocalizedGeneral

namespace LocalizedPreferences {
QString generalTab();              // "preferences.general"
QString keyBindingsTab();          // "preferences.key_bindings"
QString rulesTab();                // "preferences.rules"
QString launchAtLogin();           // "preferences.launch_at_login"
QString autoPaste();               // "preferences.auto_paste"
QString autoPasteWithoutXTest();   // "preferences.auto_paste_without_xtest"
QString autoPasteOnWayland();      // "preferences.auto_paste_on_wayland"
QString autoPasteNoKeyboard();     // "preferences.auto_paste_without_virtual_keyboard"
QString pasteAsPlainText();        // "preferences.paste_as_plain_text"
QString deleteAfterPasted();       // "preferences.delete_after_pasted"
QString moveUsedItemToFirst();     // "preferences.move_used_item_to_first"
QString previewLinks();            // "preferences.preview_links"
QString loadLinkPreviews();        // "preferences.load_link_previews"
QString showTrayIcon();            // "preferences.show_tray_icon"
QString sendCrashReports();        // "preferences.send_crash_reports"
QString keepHistory();             // "preferences.keep_history"
QString oneDay();                  // "preferences.one_day"
QString sevenDays();               // "preferences.seven_days"
QString thirtyDays();              // "preferences.thirty_days"
QString forever();                 // "preferences.forever"
QString secrets();                 // "preferences.secrets"
QString secretsNote();             // "preferences.secrets_note"
QString secretNeverRecord();       // "preferences.secret_never_record"
QString secretMinute();            // "preferences.secret_minute"
QString secretTenMinutes();        // "preferences.secret_ten_minutes"
QString secretHour();              // "preferences.secret_hour"
QString secretDay();               // "preferences.secret_day"
QString secretKeep();              // "preferences.secret_keep"
QString readImageText();           // "preferences.read_image_text"
QString imageTextLanguage();       // "preferences.image_text_language"
QString showQuickSearchWindow();   // "preferences.show_quick_search_window"
QString quickPasteModifier();      // "preferences.quick_paste_modifier"
QString plainTextModifier();       // "preferences.plain_text_modifier"
QString switchClipboardModifier(); // "preferences.switch_clipboard_modifier"
QString modifiersCollide();        // "preferences.modifiers_collide"
QString shortcutNeedsModifier();   // "preferences.shortcut_needs_modifier"
QString noShortcut();              // "preferences.no_shortcut"
QString ignoredAppsExplained();    // "preferences.ignored_apps_explained"
QString addApplications();         // "preferences.add_applications"
QString removeApplications();      // "preferences.remove_applications"
QString chooseApplications();      // "preferences.choose_applications"
QString desktopEntries();          // "preferences.desktop_entries"
// "preferences.shortcut_refused": %1 the shortcut, %2 why, %3 the shortcut kept
QString shortcutRefused(const QString& shortcut, const QString& reason, const QString& kept);
QString desktopShortcutAsking(); // "preferences.desktop_shortcut_asking"
// "preferences.desktop_shortcut_bound": %1 the keys
QString desktopShortcutBound(const QString& keys);
QString desktopShortcutNoKeys(); // "preferences.desktop_shortcut_no_keys"
QString desktopShortcutChange(); // "preferences.desktop_shortcut_change"
QString desktopShortcutDeclined(); // "preferences.desktop_shortcut_declined"
QString desktopShortcutNoPortal(); // "preferences.desktop_shortcut_no_portal"
QString desktopShortcutX11Only(); // "preferences.desktop_shortcut_x11_only"
QString gnomeAddShortcut(); // "preferences.gnome_add_shortcut"
// "preferences.gnome_add_shortcut_confirm": %1 the keys
QString gnomeAddShortcutConfirm(const QString& keys);
QString gnomeAddShortcutExplained(); // "preferences.gnome_add_shortcut_explained"
// "preferences.gnome_shortcut_added": %1 the keys
QString gnomeShortcutAdded(const QString& keys);
// "preferences.gnome_shortcut_failed": %1 the keys
QString gnomeShortcutFailed(const QString& keys);
QString configurationLine(); // "preferences.configuration_line"
QString otherDesktopShortcut(); // "preferences.other_desktop_shortcut"
QString copyLine(); // "preferences.copy_line"
} // namespace LocalizedPreferences

namespace LocalizedMenu {
QString quit();                 // "menu.quit"
QString preferences();          // "menu.preferences"
QString about();                // "menu.about"
QString rename();               // "menu.rename"
QString clearAllHistory();      // "menu.clear_all_history"
QString deleteItem();           // "menu.delete"
QString paste();                // "menu.paste"
QString pasteAsPlainText();     // "menu.paste_as_plain_text"
QString cut();                  // "menu.cut"
QString copy();                 // "menu.copy"
QString moveTo();               // "menu.move_to"
QString addNewClipBoard();      // "menu.add_new_clip_board"
QString moveToFirst();          // "menu.move_to_first"
QString saveToFile();           // "menu.save_to_file"
QString open();                 // "menu.open"
QString quickLook();            // "menu.quick_look"
QString showInFinder();         // "menu.show_in_finder"
QString pauseRecording();       // "menu.pause_recording"
QString continueRecording();    // "menu.continue_recording"
QString openInBrowser();        // "menu.open_in_browser"
QString help();                 // "menu.help"
QString checkForUpdates();      // "menu.check_for_updates"
QString showClipboardHistory(); // "menu.show_clipboard_history"
QString undo();                 // "menu.undo": nothing to undo
QString undoDelete();           // "menu.undo_delete"
QString undoCut();              // "menu.undo_cut"
QString undoClearAllHistory();  // "menu.undo_clear_all_history"
QString undoMove();             // "menu.undo_move"
QString undoDeleteClipboard();  // "menu.undo_delete_clipboard"
QString edit();                 // "menu.edit"
QString undoReplace();          // "menu.undo_replace"
} // namespace LocalizedMenu

namespace LocalizedQuickView {
QString search();           // "quick_view.search"
QString unnamed();          // "quick_view.unnamed"
QString empty();            // "quick_view.empty"
QString clipboardHistory(); // "quick_view.clipboard_history"
QString nRecords();         // "quick_view.n_records": "%1 records", %1 being the count
QString nRecords(qint64 count);
QString textCut(); // "quick_view.text_cut": %1 characters shown of %2
QString textCut(const QString& shown, const QString& total);
QString unknownApplication(); // "quick_view.unknown_application"
// "quick_view.bad_type_clause": %1 the clause as typed, %2 the words type: takes
QString badTypeClause(const QString& clause, const QString& words);
QString noMatches();          // "quick_view.no_matches"
QString nSelected();          // "quick_view.n_selected": "%1 selected", %1 being the count
QString nSelected(const QString& count);
// "quick_view.secret_mask": %1 the kind of secret ("secret.*"), %2 its length in characters
QString secretMask(SecretKind kind, qint64 length);
QString secretRevealHint(); // "quick_view.secret_reveal_hint"
QString secretReveal();     // "quick_view.secret_reveal"
QString secretKind(SecretKind kind); // "secret.private_key" and the other kinds' raw values
} // namespace LocalizedQuickView

namespace LocalizedLinkPreview {
QString load();         // "link_preview.load"
QString notWeb();       // "link_preview.not_web"
QString credentials();  // "link_preview.credentials"
QString localHost();    // "link_preview.local_host"
QString asRoot();       // "link_preview.as_root"
QString hostNotFound(); // "link_preview.host_not_found"
QString failed();       // "link_preview.failed": %1 the error
QString failed(const QString& error);
QString stopped(); // "link_preview.stopped"
} // namespace LocalizedLinkPreview

namespace LocalizedPasteBoardType {
QString unknownType();   // "pasteboard.unknown_type"
QString textType();      // "pasteboard.text_type"
QString richTextType();  // "pasteboard.rich_text_type"
QString plainTextType(); // "pasteboard.plain_text_type"
QString imageType();     // "pasteboard.image_type"
QString fileType();      // "pasteboard.file_type"
QString linkType();      // "pasteboard.link_type"
QString colorType();     // "pasteboard.color_type"
// The name of a display type as the type filter and the preview show it.
QString name(PasteInfoDisplayType type);
} // namespace LocalizedPasteBoardType

namespace LocalizedAlert {
QString pastedByHand(); // "alert.pasted_by_hand"
QString confirm();                      // "alert.confirm"
QString cancel();                       // "alert.cancel"
QString alert();                        // "alert.alert"
QString saveToFileFailed();             // "alert.save_to_file_failed"
QString deleteButton();                 // "alert.delete"
QString reduceHistoryCapacity();        // "alert.reduce_history_capacity"
QString thisActionCanNotBeUndo();       // "alert.this_action_can_not_be_undo"
// "alert.confirm_clear_clipboard" / "alert.confirm_delete_clipboard", %1 the clipboard's name
QString confirmClearClipboard(const QString& name);
QString confirmDeleteClipboard(const QString& name);
QString itemsToDelete(qint64 count); // "alert.items_to_delete"
QString undoWhileRunning();          // "alert.undo_while_running"
// "alert.too_large_to_copy": %1 the selection's size, %2 the limit, both in MB
QString tooLargeToCopy(qint64 megabytes, qint64 limitMegabytes);
QString doNotShowThisToMeAgain();       // "alert.do_not_show_this_to_me_again"
QString turnOnAccessibilityMessage();   // "alert.turn_on_accessibility_message"
QString turnOnAccessibility();          // "alert.turn_on_accessibility"
QString notNow();                       // "alert.not_now"
QString learnMore();                    // "alert.learn_more"
QString crashTitle();                   // "alert.crash_title"
QString crashMessage();                 // "alert.crash_message"
QString alwaysSend();                   // "alert.always_send"
QString send();                         // "alert.send"
QString doNotSend();                    // "alert.do_not_send"
QString quitWithoutSavingQuestion();    // "Could not save changes while quitting. Quit anyway?"
QString quitWithoutSavingInformation(); // "Quitting now will lose any changes you have made since the last
                                        // successful save"
QString quitAnyway();                   // "Quit anyway"
QString quitCancel();                   // "Cancel"
// "alert.hot_key_refused": %1 the shortcut, %2 why the desktop refused it
QString hotKeyRefused(const QString& shortcut, const QString& reason);
// "alert.history_disk_full": %1 what the failed write met
QString historyDiskFull(const QString& reason);
// "alert.history_recording_again": %1 the copies that waited and are now stored
QString historyRecordingAgain(int written);
// "alert.history_copies_lost": %1 the copies that could not be kept meanwhile
QString historyCopiesLost(int lost);
// "alert.open_failed": %1 the link or file, %2 why it could not be opened
QString openFailed(const QString& what, const QString& reason);
// "alert.setting_not_saved": %1 the settings file
QString settingNotSaved(const QString& path);
} // namespace LocalizedAlert

namespace LocalizedFormat {
QString unknowDate(); // "date.unknow_date"
QString justNow();    // "date.just_now"
QString yesterday();  // "date.yesterday"
QString files();      // "format.files"
QString chars();      // "format.chars"
} // namespace LocalizedFormat

// The answers of "Check for Updates".
namespace LocalizedUpdate {
QString available(const QString& version);          // "update.available": "Brimble %1 is available"
QString availableMessage(const QString& installed); // "update.available_message": "You have version %1."
QString downloadPage();                             // "update.download_page"
QString later();                                    // "update.later"
QString upToDate();                                 // "update.up_to_date"
QString upToDateMessage(const QString& version);    // "update.up_to_date_message"
QString failed();                                   // "update.failed"
} // namespace LocalizedUpdate

// The paste queue: its menu entries and what the status menu and the panel say about it.
namespace LocalizedQueue {
QString pasteInSequence(); // "queue.paste_in_sequence"
QString clear();           // "queue.clear"
QString active(const QString& a1, const QString& a2,
               const QString& a3); // "queue.active": Paste queue: %1 of %2 pasted, next: %3
QString untitledItem(const QString& a1, const QString& a2); // "queue.untitled_item": item %1 (%2)
QString finished(const QString& a1); // "queue.finished": Paste queue done: all %1 items pasted
QString
interrupted(const QString& a1,
            const QString& a2); // "queue.interrupted": Paste queue ended by a new copy: %1 of %2 pasted
QString cleared(const QString& a1,
                const QString& a2); // "queue.cleared": Paste queue cleared: %1 of %2 pasted
QString failed(const QString& a1);  // "queue.failed": Paste queue ended: %1
QString escapeClears();             // "queue.escape_clears"
} // namespace LocalizedQueue

// The manual's window.
namespace LocalizedHelp {
QString title();    // "help.title": Brimble Help
QString back();     // "help.back"
QString forward();  // "help.forward"
QString contents(); // "help.contents"
// "help.auto_paste_title": the heading of the note that a paste was not sent by itself
QString autoPasteTitle();
} // namespace LocalizedHelp

// The About window.
namespace LocalizedAbout {
QString title();       // "about.title": About Brimble
QString description(); // "about.description": the one-line description
QString licence();     // "about.licence"
QString libraries();   // "about.libraries"
QString history();     // "about.history"
QString logs();        // "about.logs"
QString copied();      // "about.copied"
QString close();       // "about.close"
// "about.built_with": %1 the version a library had when Brimble was built, beside the one loaded
QString builtWith(const QString& version);
} // namespace LocalizedAbout

namespace LocalizedArchive {
QString exportHistory(); // "archive.export_history": Export History…
QString importHistory(); // "archive.import_history": Import History…
QString exportTitle();   // "archive.export_title": Export History
QString importTitle();   // "archive.import_title": Import History
QString exists(const QString& a1);                        // "archive.exists"
QString cannotWrite(const QString& a1, const QString& a2); // "archive.cannot_write"
QString cannotOpen(const QString& a1, const QString& a2);  // "archive.cannot_open"
QString notArchive(const QString& a1);                    // "archive.not_archive"
QString newer(const QString& a1, const QString& a2);      // "archive.newer"
QString damaged(const QString& a1, const QString& a2);    // "archive.damaged"
QString storeFailed(const QString& a1);                   // "archive.store_failed"
QString exported(const QString& a1, const QString& a2);   // "archive.exported"
QString secretsLeftOut(const QString& a1);                // "archive.secrets_left_out"
QString imported(const QString& a1, const QString& a2, const QString& a3); // "archive.imported"
} // namespace LocalizedArchive

// What the command line and the start of Brimble say on the terminal, and the help's own
// texts (the summaries of verbs and options have their ids in resources/cli/commandline.json).
namespace LocalizedCommandLine {
QString helpUsage();                          // "cli.help.usage"
QString helpWithoutVerb();                    // "cli.help.without_verb"
QString helpVerbs();                          // "cli.help.verbs"
QString helpNotes();                          // "cli.help.notes"
QString helpOptions();                        // "cli.help.options"
QString helpEnvironment();                    // "cli.help.environment"
QString helpPlatform();                       // "cli.help.platform": what BRIMBLE_PLATFORM chooses
QString helpExitStatus();                     // "cli.help.exit_status"
QString unknownVerb(const QString& verb);     // "cli.unknown_verb"
QString unknownOption(const QString& option); // "cli.unknown_option"
QString optionNotTaken(const QString& verb, const QString& option);    // "cli.option_not_taken"
QString needsValue(const QString& option);                             // "cli.needs_value"
QString badLimit(const QString& value);                                // "cli.bad_limit"
QString takesOneItem(const QString& verb);                             // "cli.takes_one_item"
QString queueClearAlone();                                             // "cli.queue_clear_alone"
QString searchNeedsQuery();                                            // "cli.search_needs_query"
QString takesOneFile(const QString& verb);                             // "cli.takes_one_file"
QString takesNoArgument(const QString& verb, const QString& argument); // "cli.takes_no_argument"
// "cli.history_damaged", or "cli.history_damaged_because" with a reason
QString historyDamaged(const QString& path, const QString& reason);
QString cannotOpenHistory(const QString& path, const QString& reason); // "cli.cannot_open_history"
QString salvageWhileRunning();                                         // "cli.salvage_while_running"
// "cli.salvaged": the path, the items, clipboards and ignore rules kept, the items and stretches
// of rows lost, the search texts and clipboards rebuilt, the path the damaged file is kept at
QString salvaged(const QString& path, qint64 itemsKept, qint64 clipboardsKept, qint64 rulesKept,
                 qint64 itemsLost, qint64 stretchesLost, qint64 textsRebuilt, qint64 clipboardsRebuilt,
                 const QString& keptPath);
QString noPasteQueue();                            // "cli.no_paste_queue"
QString notRunning();                              // "cli.not_running"
QString busy();                                    // "cli.busy"
QString requestFailed();                           // "cli.request_failed"
QString unreadableAnswer();                        // "cli.unreadable_answer"
QString copiedNotPasted();                         // "cli.copied_not_pasted"
QString stillStarting();                           // "cli.still_starting"
QString quitNotSaved();                            // "cli.quit_not_saved"
QString alreadyRunningBusy();                      // "cli.already_running_busy"
QString notAnswering(const QString& socket);       // "cli.not_answering"
QString noDisplay();                               // "cli.no_display"
QString cannotOpenWayland(const QString& display); // "cli.cannot_open_wayland"
QString cannotOpenX11(const QString& display);     // "cli.cannot_open_x11"
// "cli.cannot_open_database": the alert when the history cannot be opened, %1 why
QString cannotOpenDatabase(const QString& error);
} // namespace LocalizedCommandLine

// Why a history could not be read or salvaged, as the command line says it.
namespace LocalizedHistory {
QString unreadable();                          // "history.unreadable"
QString unsearchable();                        // "history.unsearchable"
QString defaultClipboardMissing();             // "history.default_clipboard_missing"
QString noClipboardNamed(const QString& name); // "history.no_clipboard_named"
QString noItemWithUuid(const QString& uuid);   // "history.no_item_with_uuid"
QString cannotRead(const QString& reason);     // "history.cannot_read"
// "history.no_item_at": %1 the position asked for, %2 the clipboard, %3 how many it holds
QString noItemAt(const QString& position, const QString& clipboard, qint64 count);
QString deletedMeanwhile(const QString& item);                       // "history.deleted_meanwhile"
QString noneYet();                                                   // "history.none_yet"
QString notRegularFile();                                            // "history.not_regular_file"
QString needsUpgrade(qint64 version);                                // "history.needs_upgrade"
QString noneAt(const QString& path);                                 // "history.none_at"
QString cannotWrite(const QString& path, const QString& reason);     // "history.cannot_write"
QString cannotMoveAside(const QString& path, const QString& reason); // "history.cannot_move_aside"
QString cannotPutInPlace(const QString& reason);                     // "history.cannot_put_in_place"
} // namespace LocalizedHistory

// Why a copy back or a paste did not happen, as the command line and the paste queue say it.
namespace LocalizedPaste {
QString contentUnreadable(); // "paste.content_unreadable"
QString noPlainText();       // "paste.no_plain_text"
QString nothingToWrite();    // "paste.nothing_to_write"
QString clipboardRefused();  // "paste.clipboard_refused"
QString noWindowKnown();     // "paste.no_window_known"
QString windowGone();        // "paste.window_gone"
QString notActivated();      // "paste.not_activated"
QString noXTest();           // "paste.no_xtest"
QString noVirtualKeyboard(); // "paste.no_virtual_keyboard"
QString keyNotSent();        // "paste.key_not_sent"
} // namespace LocalizedPaste
// The item editor of the quick search panel.
namespace LocalizedEditor {
QString save();               // "editor.save": keeps the edit as a new item
QString replace();            // "editor.replace": puts the edit in the original's place
QString hint();               // "editor.hint": %1 saves, %2 replaces, %3 cancels (key names)
QString formattingDropped();  // "editor.formatting_dropped"
QString empty();              // "editor.empty"
QString originalGone();       // "editor.original_gone"
QString notStored();          // "editor.not_stored"
QString secretNotRecorded();  // "editor.secret_not_recorded"
QString notEditable();        // "editor.not_editable"
QString tooLong(qint64 limit); // "editor.too_long": %1 the most characters the editor takes
} // namespace LocalizedEditor
