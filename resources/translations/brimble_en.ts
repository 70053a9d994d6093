<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name></name>
    <message id="general.reset">
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message id="general.click_to_record">
        <source>Click To Record</source>
        <translation>Click To Record</translation>
    </message>
    <message id="general.filter_type">
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message id="preferences.general">
        <source>General</source>
        <translation>General</translation>
    </message>
    <message id="preferences.key_bindings">
        <source>Key Bindings</source>
        <translation>Key Bindings</translation>
    </message>
    <message id="preferences.rules">
        <source>Rules</source>
        <translation>Rules</translation>
    </message>
    <message id="preferences.launch_at_login">
        <source>Start Brimble when I &amp;log in</source>
        <translation>Start Brimble when I &amp;log in</translation>
    </message>
    <message id="preferences.auto_paste">
        <source>Paste chosen items into the window in front</source>
        <translation>Paste chosen items into the window in front</translation>
    </message>
    <message id="preferences.auto_paste_without_xtest">
        <source>This display offers no key synthesis (XTEST), so chosen items are only put on the clipboard: press Ctrl+V to paste them.</source>
        <translation>This display offers no key synthesis (XTEST), so chosen items are only put on the clipboard: press Ctrl+V to paste them.</translation>
    </message>
    <message id="preferences.auto_paste_without_virtual_keyboard">
        <source>This compositor offers no virtual keyboard, so chosen items are only put on the clipboard: press Ctrl+V to paste them.</source>
        <translation>This compositor offers no virtual keyboard, so chosen items are only put on the clipboard: press Ctrl+V to paste them.</translation>
    </message>
    <message id="preferences.auto_paste_on_wayland">
        <source>On Wayland, Brimble pastes by itself into X11 windows only. In other windows the chosen item is on the clipboard: press Ctrl+V to paste it.</source>
        <translation>On Wayland, Brimble pastes by itself into X11 windows only. In other windows the chosen item is on the clipboard: press Ctrl+V to paste it.</translation>
    </message>
    <message id="preferences.paste_as_plain_text">
        <source>Always paste as plain text</source>
        <translation>Always paste as plain text</translation>
    </message>
    <message id="preferences.delete_after_pasted">
        <source>Delete items from the history once pasted</source>
        <translation>Delete items from the history once pasted</translation>
    </message>
    <message id="preferences.move_used_item_to_first">
        <source>Move pasted items to the top</source>
        <translation>Move pasted items to the top</translation>
    </message>
    <message id="preferences.preview_links">
        <source>Preview links</source>
        <translation>Preview links</translation>
    </message>
    <message id="preferences.load_link_previews">
        <source>Load link previews without asking (the site sees a visit)</source>
        <translation>Load link previews without asking (the site sees a visit)</translation>
    </message>
    <message id="preferences.show_tray_icon">
        <source>Show the icon in the system tray</source>
        <translation>Show the icon in the system tray</translation>
    </message>
    <message id="preferences.send_crash_reports">
        <source>Send crash reports automatically</source>
        <translation>Send crash reports automatically</translation>
    </message>
    <message id="preferences.keep_history">
        <source>&amp;Keep the clipboard history for</source>
        <translation>&amp;Keep the clipboard history for</translation>
    </message>
    <message id="preferences.one_day">
        <source>1 day</source>
        <translation>1 day</translation>
    </message>
    <message id="preferences.seven_days">
        <source>7 days</source>
        <translation>7 days</translation>
    </message>
    <message id="preferences.thirty_days">
        <source>30 days</source>
        <translation>30 days</translation>
    </message>
    <message id="preferences.forever">
        <source>Forever</source>
        <translation>Forever</translation>
    </message>
    <message id="preferences.show_quick_search_window">
        <source>Show the clipboard history</source>
        <translation>Show the clipboard history</translation>
    </message>
    <message id="preferences.quick_paste_modifier">
        <source>Quick paste, with 1 to 0</source>
        <translation>Quick paste, with 1 to 0</translation>
    </message>
    <message id="preferences.plain_text_modifier">
        <source>Paste as plain text, with Return</source>
        <translation>Paste as plain text, with Return</translation>
    </message>
    <message id="preferences.switch_clipboard_modifier">
        <source>Switch clipboard, with Tab</source>
        <translation>Switch clipboard, with Tab</translation>
    </message>
    <message id="preferences.modifiers_collide">
        <source>Quick paste and plain-text paste use the same keys, so every quick paste comes out as plain text.</source>
        <translation>Quick paste and plain-text paste use the same keys, so every quick paste comes out as plain text.</translation>
    </message>
    <message id="preferences.shortcut_needs_modifier">
        <source>A shortcut needs Ctrl, Alt or Super (Shift alone only with F1 to F20).</source>
        <translation>A shortcut needs Ctrl, Alt or Super (Shift alone only with F1 to F20).</translation>
    </message>
    <message id="preferences.desktop_shortcut_asking">
        <source>Asking the desktop to bind the shortcut…</source>
        <translation>Asking the desktop to bind the shortcut…</translation>
    </message>
    <message id="preferences.desktop_shortcut_bound">
        <source>The desktop shows the history with: %1</source>
        <translation>The desktop shows the history with: %1</translation>
    </message>
    <message id="preferences.desktop_shortcut_no_keys">
        <source>The desktop has not assigned keys to the shortcut yet.</source>
        <translation>The desktop has not assigned keys to the shortcut yet.</translation>
    </message>
    <message id="preferences.desktop_shortcut_change">
        <source>Change…</source>
        <translation>Change…</translation>
    </message>
    <message id="preferences.desktop_shortcut_declined">
        <source>Binding the shortcut through the desktop was declined.</source>
        <translation>Binding the shortcut through the desktop was declined.</translation>
    </message>
    <message id="preferences.desktop_shortcut_no_portal">
        <source>This desktop binds no global shortcuts for applications (it offers no shortcuts portal).</source>
        <translation>This desktop binds no global shortcuts for applications (it offers no shortcuts portal).</translation>
    </message>
    <message id="preferences.desktop_shortcut_x11_only">
        <source>The shortcut above works only while an X11 window is in front.</source>
        <translation>The shortcut above works only while an X11 window is in front.</translation>
    </message>
    <message id="preferences.gnome_add_shortcut">
        <source>Add to GNOME Keyboard Shortcuts…</source>
        <translation>Add to GNOME Keyboard Shortcuts…</translation>
    </message>
    <message id="preferences.gnome_add_shortcut_confirm">
        <source>Add a GNOME keyboard shortcut that runs “brimble toggle” on %1?</source>
        <translation>Add a GNOME keyboard shortcut that runs “brimble toggle” on %1?</translation>
    </message>
    <message id="preferences.gnome_add_shortcut_explained">
        <source>It appears in GNOME Settings, Keyboard, Custom Shortcuts, where you can change or remove it.</source>
        <translation>It appears in GNOME Settings, Keyboard, Custom Shortcuts, where you can change or remove it.</translation>
    </message>
    <message id="preferences.gnome_shortcut_added">
        <source>GNOME runs “brimble toggle” on %1.</source>
        <translation>GNOME runs “brimble toggle” on %1.</translation>
    </message>
    <message id="preferences.gnome_shortcut_failed">
        <source>The GNOME shortcut could not be added: %1</source>
        <translation>The GNOME shortcut could not be added: %1</translation>
    </message>
    <message id="preferences.configuration_line">
        <source>Add this line to your compositor's configuration:</source>
        <translation>Add this line to your compositor's configuration:</translation>
    </message>
    <message id="preferences.other_desktop_shortcut">
        <source>Bind the command “brimble toggle” to a key in your desktop's keyboard settings.</source>
        <translation>Bind the command “brimble toggle” to a key in your desktop's keyboard settings.</translation>
    </message>
    <message id="preferences.copy_line">
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message id="alert.pasted_by_hand">
        <source>Not pasted by itself: the item is on the clipboard, press Ctrl+V to paste it.</source>
        <translation>Not pasted by itself: the item is on the clipboard, press Ctrl+V to paste it.</translation>
    </message>
    <message id="preferences.shortcut_refused">
        <source>%1 cannot be used: %2. The shortcut stays %3.</source>
        <translation>%1 cannot be used: %2. The shortcut stays %3.</translation>
    </message>
    <message id="preferences.no_shortcut">
        <source>none</source>
        <translation>none</translation>
    </message>
    <message id="preferences.ignored_apps_explained">
        <source>Copies made in these applications are never recorded.</source>
        <translation>Copies made in these applications are never recorded.</translation>
    </message>
    <message id="preferences.add_applications">
        <source>&amp;Add…</source>
        <translation>&amp;Add…</translation>
    </message>
    <message id="preferences.remove_applications">
        <source>&amp;Remove</source>
        <translation>&amp;Remove</translation>
    </message>
    <message id="preferences.choose_applications">
        <source>Choose Applications to Ignore</source>
        <translation>Choose Applications to Ignore</translation>
    </message>
    <message id="preferences.desktop_entries">
        <source>Applications (*.desktop)</source>
        <translation>Applications (*.desktop)</translation>
    </message>
    <message id="menu.quit">
        <source>Quit</source>
        <translation>Quit</translation>
    </message>
    <message id="menu.preferences">
        <source>Preferences</source>
        <translation>Preferences</translation>
    </message>
    <message id="menu.about">
        <source>About</source>
        <translation>About</translation>
    </message>
    <message id="menu.rename">
        <source>Rename</source>
        <translation>Rename</translation>
    </message>
    <message id="menu.clear_all_history">
        <source>Clear All History</source>
        <translation>Clear All History</translation>
    </message>
    <message id="menu.delete">
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message id="menu.paste">
        <source>Paste</source>
        <translation>Paste</translation>
    </message>
    <message id="menu.paste_as_plain_text">
        <source>Paste as Plain Text</source>
        <translation>Paste as Plain Text</translation>
    </message>
    <message id="menu.cut">
        <source>Cut</source>
        <translation>Cut</translation>
    </message>
    <message id="menu.copy">
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message id="menu.move_to">
        <source>Move to</source>
        <translation>Move to</translation>
    </message>
    <message id="menu.add_new_clip_board">
        <source>Add New Clipboard</source>
        <translation>Add New Clipboard</translation>
    </message>
    <message id="menu.move_to_first">
        <source>Move to First</source>
        <translation>Move to First</translation>
    </message>
    <message id="menu.save_to_file">
        <source>Save to File</source>
        <translation>Save to File</translation>
    </message>
    <message id="menu.open">
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message id="menu.quick_look">
        <source>Quick Look</source>
        <translation>Quick Look</translation>
    </message>
    <message id="menu.show_in_finder">
        <source>Show in Folder</source>
        <translation>Show in Folder</translation>
    </message>
    <message id="menu.pause_recording">
        <source>Pause Recording</source>
        <translation>Pause Recording</translation>
    </message>
    <message id="menu.continue_recording">
        <source>Continue Recording</source>
        <translation>Continue Recording</translation>
    </message>
    <message id="menu.open_in_browser">
        <source>Open in Browser</source>
        <translation>Open in Browser</translation>
    </message>
    <message id="menu.help">
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message id="menu.check_for_updates">
        <source>Check for Updates</source>
        <translation>Check for Updates</translation>
    </message>
    <message id="menu.show_clipboard_history">
        <source>Show Clipboard History</source>
        <translation>Show Clipboard History</translation>
    </message>
    <message id="menu.undo">
        <source>Undo</source>
        <translation>Undo</translation>
    </message>
    <message id="menu.undo_delete">
        <source>Undo Delete</source>
        <translation>Undo Delete</translation>
    </message>
    <message id="menu.undo_cut">
        <source>Undo Cut</source>
        <translation>Undo Cut</translation>
    </message>
    <message id="menu.undo_clear_all_history">
        <source>Undo Clear All History</source>
        <translation>Undo Clear All History</translation>
    </message>
    <message id="menu.undo_move">
        <source>Undo Move</source>
        <translation>Undo Move</translation>
    </message>
    <message id="menu.undo_delete_clipboard">
        <source>Undo Delete Clipboard</source>
        <translation>Undo Delete Clipboard</translation>
    </message>
    <message id="quick_view.search">
        <source>Search</source>
        <translation>Search</translation>
    </message>
    <message id="quick_view.unnamed">
        <source>UnNamed</source>
        <translation>UnNamed</translation>
    </message>
    <message id="quick_view.empty">
        <source>It's Empty</source>
        <translation>It's Empty</translation>
    </message>
    <message id="quick_view.clipboard_history">
        <source>Clipboard History</source>
        <translation>Clipboard History</translation>
    </message>
    <message id="quick_view.n_records">
        <source>%1 records</source>
        <translation>%1 records</translation>
    </message>
    <message id="quick_view.text_cut">
        <source>Showing the first %1 of %2 characters.</source>
        <translation>Showing the first %1 of %2 characters.</translation>
    </message>
    <message id="quick_view.unknown_application">
        <source>Unknown application</source>
        <translation>Unknown application</translation>
    </message>
    <message id="quick_view.bad_type_clause">
        <source>&quot;%1&quot; names no type; type: takes %2</source>
        <translation>&quot;%1&quot; names no type; type: takes %2</translation>
    </message>
    <message id="link_preview.load">
        <source>Load Preview</source>
        <translation>Load Preview</translation>
    </message>
    <message id="link_preview.not_web">
        <source>Only web pages (http and https) are previewed.</source>
        <translation>Only web pages (http and https) are previewed.</translation>
    </message>
    <message id="link_preview.credentials">
        <source>Not previewed: the link carries a user name or password.</source>
        <translation>Not previewed: the link carries a user name or password.</translation>
    </message>
    <message id="link_preview.local_host">
        <source>Not previewed: the link leads to this computer or the local network.</source>
        <translation>Not previewed: the link leads to this computer or the local network.</translation>
    </message>
    <message id="link_preview.as_root">
        <source>Not previewed: the web view does not run as root.</source>
        <translation>Not previewed: the web view does not run as root.</translation>
    </message>
    <message id="link_preview.host_not_found">
        <source>The page could not be loaded: its host was not found.</source>
        <translation>The page could not be loaded: its host was not found.</translation>
    </message>
    <message id="link_preview.failed">
        <source>The page could not be loaded: %1</source>
        <translation>The page could not be loaded: %1</translation>
    </message>
    <message id="link_preview.stopped">
        <source>The page stopped unexpectedly.</source>
        <translation>The page stopped unexpectedly.</translation>
    </message>
    <message id="quick_view.no_matches">
        <source>No matches</source>
        <translation>No matches</translation>
    </message>
    <message id="quick_view.n_selected">
        <source>%1 selected</source>
        <translation>%1 selected</translation>
    </message>
    <message id="pasteboard.unknown_type">
        <source>Unknown</source>
        <translation>Unknown</translation>
    </message>
    <message id="pasteboard.text_type">
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message id="pasteboard.rich_text_type">
        <source>Rich Text</source>
        <translation>Rich Text</translation>
    </message>
    <message id="pasteboard.plain_text_type">
        <source>Plain Text</source>
        <translation>Plain Text</translation>
    </message>
    <message id="pasteboard.image_type">
        <source>Image</source>
        <translation>Image</translation>
    </message>
    <message id="pasteboard.file_type">
        <source>File</source>
        <translation>File</translation>
    </message>
    <message id="pasteboard.link_type">
        <source>Link</source>
        <translation>Link</translation>
    </message>
    <message id="pasteboard.color_type">
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message id="alert.confirm">
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message id="alert.cancel">
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message id="alert.alert">
        <source>Alert</source>
        <translation>Alert</translation>
    </message>
    <message id="alert.save_to_file_failed">
        <source>Save to file failed!</source>
        <translation>Save to file failed!</translation>
    </message>
    <message id="alert.delete">
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message id="alert.reduce_history_capacity">
        <source>Reduce history capacity!</source>
        <translation>Reduce history capacity!</translation>
    </message>
    <message id="alert.this_action_can_not_be_undo">
        <source>This cannot be undone.</source>
        <translation>This cannot be undone.</translation>
    </message>
    <message id="alert.confirm_clear_clipboard">
        <source>Clear all history of “%1”?</source>
        <translation>Clear all history of “%1”?</translation>
    </message>
    <message id="alert.confirm_delete_clipboard">
        <source>Delete the clipboard “%1” and its history?</source>
        <translation>Delete the clipboard “%1” and its history?</translation>
    </message>
    <message id="alert.items_to_delete">
        <source>Items to delete: %1.</source>
        <translation>Items to delete: %1.</translation>
    </message>
    <message id="alert.undo_while_running">
        <source>You can undo this with Ctrl+Z while Brimble runs.</source>
        <translation>You can undo this with Ctrl+Z while Brimble runs.</translation>
    </message>
    <message id="alert.too_large_to_copy">
        <source>The selected items hold %1 MB together, more than the %2 MB that can be copied or pasted at once. Select fewer items.</source>
        <translation>The selected items hold %1 MB together, more than the %2 MB that can be copied or pasted at once. Select fewer items.</translation>
    </message>
    <message id="alert.do_not_show_this_to_me_again">
        <source>Don't show this to me again</source>
        <translation>Don't show this to me again</translation>
    </message>
    <message id="alert.turn_on_accessibility_message">
        <source>Brimble can only paste automatically into X11 windows, and this window is not one. The item is on the clipboard: press Ctrl+V to paste it.</source>
        <translation>Brimble can only paste automatically into X11 windows, and this window is not one. The item is on the clipboard: press Ctrl+V to paste it.</translation>
    </message>
    <message id="alert.turn_on_accessibility">
        <source>Turn On Accessibility</source>
        <translation>Turn On Accessibility</translation>
    </message>
    <message id="alert.not_now">
        <source>Not Now</source>
        <translation>Not Now</translation>
    </message>
    <message id="alert.learn_more">
        <source>Learn More</source>
        <translation>Learn More</translation>
    </message>
    <message id="alert.crash_title">
        <source>Sorry about that!</source>
        <translation>Sorry about that!</translation>
    </message>
    <message id="alert.crash_message">
        <source>Brimble stopped unexpectedly the last time it ran. Do you want to send an anonymous crash report so that the problem can be fixed?</source>
        <translation>Brimble stopped unexpectedly the last time it ran. Do you want to send an anonymous crash report so that the problem can be fixed?</translation>
    </message>
    <message id="alert.always_send">
        <source>Always Send</source>
        <translation>Always Send</translation>
    </message>
    <message id="alert.send">
        <source>Send</source>
        <translation>Send</translation>
    </message>
    <message id="alert.do_not_send">
        <source>Don't Send</source>
        <translation>Don't Send</translation>
    </message>
    <message id="Could not save changes while quitting. Quit anyway?">
        <source>Could not save changes while quitting. Quit anyway?</source>
        <translation>Could not save changes while quitting. Quit anyway?</translation>
    </message>
    <message id="Quitting now will lose any changes you have made since the last successful save">
        <source>Quitting now will lose any changes you have made since the last successful save</source>
        <translation>Quitting now will lose any changes you have made since the last successful save</translation>
    </message>
    <message id="Quit anyway">
        <source>Quit anyway</source>
        <translation>Quit anyway</translation>
    </message>
    <message id="Cancel">
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message id="date.unknow_date">
        <source>Unknown date</source>
        <translation>Unknown date</translation>
    </message>
    <message id="date.just_now">
        <source>Just now</source>
        <translation>Just now</translation>
    </message>
    <message id="date.yesterday">
        <source>Yesterday</source>
        <translation>Yesterday</translation>
    </message>
    <message id="alert.open_failed">
        <source>Brimble could not open %1: %2</source>
        <translation>Brimble could not open %1: %2</translation>
    </message>
    <message id="alert.setting_not_saved">
        <source>The setting was not saved, because %1 cannot be written. It is back to what it was.</source>
        <translation>The setting was not saved, because %1 cannot be written. It is back to what it was.</translation>
    </message>
    <message id="alert.hot_key_refused">
        <source>The shortcut %1 is not available (%2). Choose another one in Preferences, or bind the command &quot;brimble toggle&quot; in your desktop&apos;s keyboard settings.</source>
        <translation>The shortcut %1 is not available (%2). Choose another one in Preferences, or bind the command &quot;brimble toggle&quot; in your desktop&apos;s keyboard settings.</translation>
    </message>
    <message id="alert.history_disk_full">
        <source>There is no room left on the disk for your clipboard history (%1). New copies are kept in memory until there is; free some space so that they are not lost.</source>
        <translation>There is no room left on the disk for your clipboard history (%1). New copies are kept in memory until there is; free some space so that they are not lost.</translation>
    </message>
    <message id="alert.history_recording_again">
        <source>There is room for your clipboard history again: copies are recorded, and the %1 made meanwhile are stored.</source>
        <translation>There is room for your clipboard history again: copies are recorded, and the %1 made meanwhile are stored.</translation>
    </message>
    <message id="alert.history_copies_lost">
        <source>%1 copies made while the disk was full could not be kept.</source>
        <translation>%1 copies made while the disk was full could not be kept.</translation>
    </message>
    <message id="format.files">
        <source>files</source>
        <translation>files</translation>
    </message>
    <message id="format.chars">
        <source>chars</source>
        <translation>chars</translation>
    </message>
    <message id="update.available">
        <source>Brimble %1 is available</source>
        <translation>Brimble %1 is available</translation>
    </message>
    <message id="update.available_message">
        <source>You have version %1.</source>
        <translation>You have version %1.</translation>
    </message>
    <message id="update.download_page">
        <source>Download Page</source>
        <translation>Download Page</translation>
    </message>
    <message id="update.later">
        <source>Later</source>
        <translation>Later</translation>
    </message>
    <message id="update.up_to_date">
        <source>Brimble is up to date</source>
        <translation>Brimble is up to date</translation>
    </message>
    <message id="update.up_to_date_message">
        <source>Version %1 is the newest version.</source>
        <translation>Version %1 is the newest version.</translation>
    </message>
    <message id="update.failed">
        <source>The update check failed</source>
        <translation>The update check failed</translation>
    </message>
    <message id="queue.paste_in_sequence">
        <source>Paste in Sequence</source>
        <translation>Paste in Sequence</translation>
    </message>
    <message id="queue.clear">
        <source>Clear Paste Queue</source>
        <translation>Clear Paste Queue</translation>
    </message>
    <message id="queue.active">
        <source>Paste queue: %1 of %2 pasted, next: %3</source>
        <translation>Paste queue: %1 of %2 pasted, next: %3</translation>
    </message>
    <message id="queue.untitled_item">
        <source>item %1 (%2)</source>
        <translation>item %1 (%2)</translation>
    </message>
    <message id="queue.finished">
        <source>Paste queue done: all %1 items pasted</source>
        <translation>Paste queue done: all %1 items pasted</translation>
    </message>
    <message id="queue.interrupted">
        <source>Paste queue ended by a new copy: %1 of %2 pasted</source>
        <translation>Paste queue ended by a new copy: %1 of %2 pasted</translation>
    </message>
    <message id="queue.cleared">
        <source>Paste queue cleared: %1 of %2 pasted</source>
        <translation>Paste queue cleared: %1 of %2 pasted</translation>
    </message>
    <message id="queue.failed">
        <source>Paste queue ended: %1</source>
        <translation>Paste queue ended: %1</translation>
    </message>
    <message id="queue.escape_clears">
        <source>Esc clears it</source>
        <translation>Esc clears it</translation>
    </message>
    <message id="quick_view.secret_mask">
        <source>Secret · %1 · %2 characters</source>
        <translation>Secret · %1 · %2 characters</translation>
    </message>
    <message id="quick_view.secret_reveal_hint">
        <source>Click or press Space to show it</source>
        <translation>Click or press Space to show it</translation>
    </message>
    <message id="quick_view.secret_reveal">
        <source>Show Secret</source>
        <translation>Show Secret</translation>
    </message>
    <message id="secret.private_key">
        <source>private key</source>
        <translation>private key</translation>
    </message>
    <message id="secret.web_token">
        <source>web token</source>
        <translation>web token</translation>
    </message>
    <message id="secret.cloud_key">
        <source>cloud access key</source>
        <translation>cloud access key</translation>
    </message>
    <message id="secret.access_token">
        <source>access token</source>
        <translation>access token</translation>
    </message>
    <message id="secret.bot_token">
        <source>bot token</source>
        <translation>bot token</translation>
    </message>
    <message id="secret.payment_key">
        <source>payment key</source>
        <translation>payment key</translation>
    </message>
    <message id="secret.card_number">
        <source>card number</source>
        <translation>card number</translation>
    </message>
    <message id="preferences.secrets">
        <source>Secrets:</source>
        <translation>Secrets:</translation>
    </message>
    <message id="preferences.secrets_note">
        <source>Keys, tokens and card numbers are shown masked until revealed.</source>
        <translation>Keys, tokens and card numbers are shown masked until revealed.</translation>
    </message>
    <message id="preferences.secret_never_record">
        <source>Never record</source>
        <translation>Never record</translation>
    </message>
    <message id="preferences.secret_minute">
        <source>Remove after 1 minute</source>
        <translation>Remove after 1 minute</translation>
    </message>
    <message id="preferences.secret_ten_minutes">
        <source>Remove after 10 minutes</source>
        <translation>Remove after 10 minutes</translation>
    </message>
    <message id="preferences.secret_hour">
        <source>Remove after 1 hour</source>
        <translation>Remove after 1 hour</translation>
    </message>
    <message id="preferences.secret_day">
        <source>Remove after 1 day</source>
        <translation>Remove after 1 day</translation>
    </message>
    <message id="preferences.secret_keep">
        <source>Keep</source>
        <translation>Keep</translation>
    </message>
    <message id="preferences.read_image_text">
        <source>Find copied images by their text (read on this computer)</source>
        <translation>Find copied images by their text (read on this computer)</translation>
    </message>
    <message id="preferences.image_text_language">
        <source>Language of the text:</source>
        <translation>Language of the text:</translation>
    </message>
    <message id="help.title">
        <source>Brimble Help</source>
        <translation>Brimble Help</translation>
    </message>
    <message id="help.back">
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message id="help.forward">
        <source>Forward</source>
        <translation>Forward</translation>
    </message>
    <message id="help.contents">
        <source>Contents</source>
        <translation>Contents</translation>
    </message>
    <message id="help.auto_paste_title">
        <source>Automatic Paste Unavailable</source>
        <translation>Automatic Paste Unavailable</translation>
    </message>
    <message id="about.title">
        <source>About Brimble</source>
        <translation>About Brimble</translation>
    </message>
    <message id="about.description">
        <source>Clipboard history with a quick search window</source>
        <translation>Clipboard history with a quick search window</translation>
    </message>
    <message id="about.licence">
        <source>Licence: none published yet. All rights reserved by the Brimble developers.</source>
        <translation>Licence: none published yet. All rights reserved by the Brimble developers.</translation>
    </message>
    <message id="about.libraries">
        <source>Libraries:</source>
        <translation>Libraries:</translation>
    </message>
    <message id="about.history">
        <source>History:</source>
        <translation>History:</translation>
    </message>
    <message id="about.logs">
        <source>Logs:</source>
        <translation>Logs:</translation>
    </message>
    <message id="about.copied">
        <source>Copied</source>
        <translation>Copied</translation>
    </message>
    <message id="about.close">
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message id="about.built_with">
        <source>built with %1</source>
        <translation>built with %1</translation>
    </message>
    <message id="archive.export_history">
        <source>Export History…</source>
        <translation>Export History…</translation>
    </message>
    <message id="archive.import_history">
        <source>Import History…</source>
        <translation>Import History…</translation>
    </message>
    <message id="archive.export_title">
        <source>Export History</source>
        <translation>Export History</translation>
    </message>
    <message id="archive.import_title">
        <source>Import History</source>
        <translation>Import History</translation>
    </message>
    <message id="archive.exists">
        <source>%1 already exists; choose another name.</source>
        <translation>%1 already exists; choose another name.</translation>
    </message>
    <message id="archive.cannot_write">
        <source>Could not write %1: %2</source>
        <translation>Could not write %1: %2</translation>
    </message>
    <message id="archive.cannot_open">
        <source>Could not open %1: %2</source>
        <translation>Could not open %1: %2</translation>
    </message>
    <message id="archive.not_archive">
        <source>%1 is not a Brimble history export. Nothing was imported.</source>
        <translation>%1 is not a Brimble history export. Nothing was imported.</translation>
    </message>
    <message id="archive.newer">
        <source>%1 was written by a newer Brimble (format %2). Nothing was imported.</source>
        <translation>%1 was written by a newer Brimble (format %2). Nothing was imported.</translation>
    </message>
    <message id="archive.damaged">
        <source>%1 is damaged or was altered (%2). Nothing was imported.</source>
        <translation>%1 is damaged or was altered (%2). Nothing was imported.</translation>
    </message>
    <message id="archive.store_failed">
        <source>The history could not be written (%1). Nothing was imported.</source>
        <translation>The history could not be written (%1). Nothing was imported.</translation>
    </message>
    <message id="archive.exported">
        <source>Items exported: %1 (clipboards: %2).</source>
        <translation>Items exported: %1 (clipboards: %2).</translation>
    </message>
    <message id="archive.secrets_left_out">
        <source>Secrets left out: %1.</source>
        <translation>Secrets left out: %1.</translation>
    </message>
    <message id="archive.imported">
        <source>Items added: %1. Already present, skipped: %2. Clipboards created: %3.</source>
        <translation>Items added: %1. Already present, skipped: %2. Clipboards created: %3.</translation>
    </message>
    <message id="cli.help.usage">
        <source>Usage: brimble [VERB [ARGUMENTS]]</source>
        <translation>Usage: brimble [VERB [ARGUMENTS]]</translation>
    </message>
    <message id="cli.help.without_verb">
        <source>Without a verb, starts Brimble (or shows the running one).</source>
        <translation>Without a verb, starts Brimble (or shows the running one).</translation>
    </message>
    <message id="cli.help.verbs">
        <source>Verbs:</source>
        <translation>Verbs:</translation>
    </message>
    <message id="cli.help.notes">
        <source>ITEM is a uuid or a position in the listed order (1 is the newest). NAME is a clipboard&apos;s title, or its uuid (`clipboards --json` shows them) where titles repeat. Lines of `list` and `search`: position, age, type (as type: names it), first line of text with control characters shown as escapes. A secret (a key, a token, a card number) shows its kind and length instead of its text unless --reveal is given. `search` also finds images by the text Brimble has read in them.</source>
        <translation>ITEM is a uuid or a position in the listed order (1 is the newest). NAME is a clipboard&apos;s title, or its uuid (`clipboards --json` shows them) where titles repeat. Lines of `list` and `search`: position, age, type (as type: names it), first line of text with control characters shown as escapes. A secret (a key, a token, a card number) shows its kind and length instead of its text unless --reveal is given. `search` also finds images by the text Brimble has read in them.</translation>
    </message>
    <message id="cli.help.options">
        <source>Options:</source>
        <translation>Options:</translation>
    </message>
    <message id="cli.help.environment">
        <source>Environment:</source>
        <translation>Environment:</translation>
    </message>
    <message id="cli.help.platform">
        <source>the clipboard backend; by default native Wayland when the compositor offers data control, else X11 (the log names the one in use)</source>
        <translation>the clipboard backend; by default native Wayland when the compositor offers data control, else X11 (the log names the one in use)</translation>
    </message>
    <message id="cli.help.exit_status">
        <source>Exit status: 0 done, 1 request failed, 2 usage error, 3 Brimble is not running, 4 the history cannot be read, 5 Brimble is busy (try again), 6 paste only copied (automatic paste is off), 7 no display (Brimble itself).</source>
        <translation>Exit status: 0 done, 1 request failed, 2 usage error, 3 Brimble is not running, 4 the history cannot be read, 5 Brimble is busy (try again), 6 paste only copied (automatic paste is off), 7 no display (Brimble itself).</translation>
    </message>
    <message id="cli.verb.list">
        <source>the history, newest first</source>
        <translation>the history, newest first</translation>
    </message>
    <message id="cli.verb.search">
        <source>items matching QUERY; type:image,link clauses narrow by type</source>
        <translation>items matching QUERY; type:image,link clauses narrow by type</translation>
    </message>
    <message id="cli.verb.clipboards">
        <source>the clipboards with their record counts</source>
        <translation>the clipboards with their record counts</translation>
    </message>
    <message id="cli.verb.copy">
        <source>put an item back on the clipboard</source>
        <translation>put an item back on the clipboard</translation>
    </message>
    <message id="cli.verb.paste">
        <source>copy an item and paste it into the active window</source>
        <translation>copy an item and paste it into the active window</translation>
    </message>
    <message id="cli.verb.pause">
        <source>stop recording copies</source>
        <translation>stop recording copies</translation>
    </message>
    <message id="cli.verb.resume">
        <source>record copies again</source>
        <translation>record copies again</translation>
    </message>
    <message id="cli.verb.toggle">
        <source>show or hide the quick search window</source>
        <translation>show or hide the quick search window</translation>
    </message>
    <message id="cli.verb.preferences">
        <source>open the preferences window</source>
        <translation>open the preferences window</translation>
    </message>
    <message id="cli.verb.quit">
        <source>end the running Brimble</source>
        <translation>end the running Brimble</translation>
    </message>
    <message id="cli.verb.salvage">
        <source>rebuild a damaged history from its readable rows, keeping the damaged file beside it</source>
        <translation>rebuild a damaged history from its readable rows, keeping the damaged file beside it</translation>
    </message>
    <message id="cli.verb.queue">
        <source>with ITEMs, paste them in this order, one per paste (Ctrl+V) anywhere; clear ends the queue; alone, shows it</source>
        <translation>with ITEMs, paste them in this order, one per paste (Ctrl+V) anywhere; clear ends the queue; alone, shows it</translation>
    </message>
    <message id="cli.verb.export">
        <source>write the history&apos;s items, with every representation, their dates, clipboards and source applications, to a new FILE (an existing one is never replaced; secrets are left out)</source>
        <translation>write the history&apos;s items, with every representation, their dates, clipboards and source applications, to a new FILE (an existing one is never replaced; secrets are left out)</translation>
    </message>
    <message id="cli.verb.import">
        <source>add the items of an exported FILE to the history, skipping items already there; a damaged or altered FILE is refused and nothing is added</source>
        <translation>add the items of an exported FILE to the history, skipping items already there; a damaged or altered FILE is refused and nothing is added</translation>
    </message>
    <message id="cli.option.help">
        <source>show the help</source>
        <translation>show the help</translation>
    </message>
    <message id="cli.option.version">
        <source>show the version</source>
        <translation>show the version</translation>
    </message>
    <message id="cli.option.list_clipboard">
        <source>the clipboard to list, by title or uuid (default: Clipboard History)</source>
        <translation>the clipboard to list, by title or uuid (default: Clipboard History)</translation>
    </message>
    <message id="cli.option.limit">
        <source>at most N items</source>
        <translation>at most N items</translation>
    </message>
    <message id="cli.option.json">
        <source>one JSON array instead of lines</source>
        <translation>one JSON array instead of lines</translation>
    </message>
    <message id="cli.option.reveal">
        <source>print secrets&apos; text instead of their kind and length</source>
        <translation>print secrets&apos; text instead of their kind and length</translation>
    </message>
    <message id="cli.option.search_clipboard">
        <source>the clipboard to search, by title or uuid</source>
        <translation>the clipboard to search, by title or uuid</translation>
    </message>
    <message id="cli.option.plain">
        <source>as plain text</source>
        <translation>as plain text</translation>
    </message>
    <message id="cli.option.item_clipboard">
        <source>the clipboard ITEM is counted in, by title or uuid</source>
        <translation>the clipboard ITEM is counted in, by title or uuid</translation>
    </message>
    <message id="cli.option.queue_clipboard">
        <source>the clipboard the ITEMs are counted in, by title or uuid</source>
        <translation>the clipboard the ITEMs are counted in, by title or uuid</translation>
    </message>
    <message id="cli.option.queue_json">
        <source>the queue as one JSON object</source>
        <translation>the queue as one JSON object</translation>
    </message>
    <message id="cli.option.export_clipboard">
        <source>only this clipboard, by title or uuid (default: every clipboard)</source>
        <translation>only this clipboard, by title or uuid (default: every clipboard)</translation>
    </message>
    <message id="cli.unknown_verb">
        <source>unknown verb &quot;%1&quot; (see brimble --help)</source>
        <translation>unknown verb &quot;%1&quot; (see brimble --help)</translation>
    </message>
    <message id="cli.unknown_option">
        <source>unknown option &quot;%1&quot; (see brimble --help)</source>
        <translation>unknown option &quot;%1&quot; (see brimble --help)</translation>
    </message>
    <message id="cli.option_not_taken">
        <source>%1 does not take %2 (see brimble --help)</source>
        <translation>%1 does not take %2 (see brimble --help)</translation>
    </message>
    <message id="cli.needs_value">
        <source>%1 needs a value</source>
        <translation>%1 needs a value</translation>
    </message>
    <message id="cli.bad_limit">
        <source>--limit takes a whole number of at least 1, not &quot;%1&quot;</source>
        <translation>--limit takes a whole number of at least 1, not &quot;%1&quot;</translation>
    </message>
    <message id="cli.takes_one_item">
        <source>%1 takes one item: a uuid or a position</source>
        <translation>%1 takes one item: a uuid or a position</translation>
    </message>
    <message id="cli.queue_clear_alone">
        <source>queue clear takes no items</source>
        <translation>queue clear takes no items</translation>
    </message>
    <message id="cli.search_needs_query">
        <source>search needs a query</source>
        <translation>search needs a query</translation>
    </message>
    <message id="cli.takes_one_file">
        <source>%1 takes one file</source>
        <translation>%1 takes one file</translation>
    </message>
    <message id="cli.takes_no_argument">
        <source>%1 takes no argument &quot;%2&quot;</source>
        <translation>%1 takes no argument &quot;%2&quot;</translation>
    </message>
    <message id="cli.history_damaged">
        <source>the history %1 is damaged; quit Brimble (brimble quit) and run &quot;brimble salvage&quot; to rescue what can still be read</source>
        <translation>the history %1 is damaged; quit Brimble (brimble quit) and run &quot;brimble salvage&quot; to rescue what can still be read</translation>
    </message>
    <message id="cli.history_damaged_because">
        <source>the history %1 is damaged (%2); quit Brimble (brimble quit) and run &quot;brimble salvage&quot; to rescue what can still be read</source>
        <translation>the history %1 is damaged (%2); quit Brimble (brimble quit) and run &quot;brimble salvage&quot; to rescue what can still be read</translation>
    </message>
    <message id="cli.cannot_open_history">
        <source>cannot open the history %1: %2</source>
        <translation>cannot open the history %1: %2</translation>
    </message>
    <message id="cli.salvage_while_running">
        <source>Brimble is running: quit it first (brimble quit), then salvage</source>
        <translation>Brimble is running: quit it first (brimble quit), then salvage</translation>
    </message>
    <message id="cli.salvaged">
        <source>Salvaged %1
  kept: %2 items, %3 clipboards, %4 ignore rules
  lost: %5 items of which some rows were read, and %6 unreadable stretches of rows
  rebuilt: %7 search texts, and %8 clipboards whose items outlived them (&quot;Recovered clipboard&quot;)
The damaged file is kept as %9</source>
        <translation>Salvaged %1
  kept: %2 items, %3 clipboards, %4 ignore rules
  lost: %5 items of which some rows were read, and %6 unreadable stretches of rows
  rebuilt: %7 search texts, and %8 clipboards whose items outlived them (&quot;Recovered clipboard&quot;)
The damaged file is kept as %9</translation>
    </message>
    <message id="cli.no_paste_queue">
        <source>No paste queue</source>
        <translation>No paste queue</translation>
    </message>
    <message id="cli.not_running">
        <source>Brimble is not running (start it with `brimble`)</source>
        <translation>Brimble is not running (start it with `brimble`)</translation>
    </message>
    <message id="cli.busy">
        <source>Brimble is busy and did not take the request; try again in a moment</source>
        <translation>Brimble is busy and did not take the request; try again in a moment</translation>
    </message>
    <message id="cli.request_failed">
        <source>the request failed</source>
        <translation>the request failed</translation>
    </message>
    <message id="cli.unreadable_answer">
        <source>Brimble gave an unreadable answer</source>
        <translation>Brimble gave an unreadable answer</translation>
    </message>
    <message id="cli.copied_not_pasted">
        <source>copied to the clipboard but not pasted: automatic paste is off (Preferences, General)</source>
        <translation>copied to the clipboard but not pasted: automatic paste is off (Preferences, General)</translation>
    </message>
    <message id="cli.still_starting">
        <source>Brimble is still starting; try again in a moment</source>
        <translation>Brimble is still starting; try again in a moment</translation>
    </message>
    <message id="cli.quit_not_saved">
        <source>the history could not be saved (see the log); Brimble quits all the same</source>
        <translation>the history could not be saved (see the log); Brimble quits all the same</translation>
    </message>
    <message id="cli.already_running_busy">
        <source>Brimble is already running but busy; try again in a moment</source>
        <translation>Brimble is already running but busy; try again in a moment</translation>
    </message>
    <message id="cli.not_answering">
        <source>another Brimble holds %1 but does not answer</source>
        <translation>another Brimble holds %1 but does not answer</translation>
    </message>
    <message id="cli.no_display">
        <source>no display to open: DISPLAY is not set, and no Wayland compositor offers clipboard data control</source>
        <translation>no display to open: DISPLAY is not set, and no Wayland compositor offers clipboard data control</translation>
    </message>
    <message id="cli.cannot_open_wayland">
        <source>cannot open the Wayland display &quot;%1&quot;</source>
        <translation>cannot open the Wayland display &quot;%1&quot;</translation>
    </message>
    <message id="cli.cannot_open_x11">
        <source>cannot open the X display &quot;%1&quot;</source>
        <translation>cannot open the X display &quot;%1&quot;</translation>
    </message>
    <message id="cli.cannot_open_database">
        <source>Brimble cannot open its history database.

%1

The file was left as it is. Move it aside to start with an empty history, or restore it from a backup.</source>
        <translation>Brimble cannot open its history database.

%1

The file was left as it is. Move it aside to start with an empty history, or restore it from a backup.</translation>
    </message>
    <message id="history.unreadable">
        <source>the history could not be read (see the log)</source>
        <translation>the history could not be read (see the log)</translation>
    </message>
    <message id="history.unsearchable">
        <source>the history could not be searched (see the log)</source>
        <translation>the history could not be searched (see the log)</translation>
    </message>
    <message id="history.default_clipboard_missing">
        <source>the default clipboard is missing</source>
        <translation>the default clipboard is missing</translation>
    </message>
    <message id="history.no_clipboard_named">
        <source>no clipboard named &quot;%1&quot;</source>
        <translation>no clipboard named &quot;%1&quot;</translation>
    </message>
    <message id="history.no_item_with_uuid">
        <source>no item with uuid %1</source>
        <translation>no item with uuid %1</translation>
    </message>
    <message id="history.cannot_read">
        <source>cannot read the history: %1</source>
        <translation>cannot read the history: %1</translation>
    </message>
    <message id="history.no_item_at">
        <source>no item %1 in &quot;%2&quot; (it holds %3)</source>
        <translation>no item %1 in &quot;%2&quot; (it holds %3)</translation>
    </message>
    <message id="history.deleted_meanwhile">
        <source>item %1 was deleted meanwhile</source>
        <translation>item %1 was deleted meanwhile</translation>
    </message>
    <message id="history.none_yet">
        <source>no history yet</source>
        <translation>no history yet</translation>
    </message>
    <message id="history.not_regular_file">
        <source>not a regular file</source>
        <translation>not a regular file</translation>
    </message>
    <message id="history.needs_upgrade">
        <source>its schema (version %1) needs Brimble to upgrade it first</source>
        <translation>its schema (version %1) needs Brimble to upgrade it first</translation>
    </message>
    <message id="history.none_at">
        <source>there is no history at %1</source>
        <translation>there is no history at %1</translation>
    </message>
    <message id="history.cannot_write">
        <source>cannot write %1: %2</source>
        <translation>cannot write %1: %2</translation>
    </message>
    <message id="history.cannot_move_aside">
        <source>cannot move %1 aside: %2</source>
        <translation>cannot move %1 aside: %2</translation>
    </message>
    <message id="history.cannot_put_in_place">
        <source>cannot put the salvaged history in place: %1</source>
        <translation>cannot put the salvaged history in place: %1</translation>
    </message>
    <message id="paste.content_unreadable">
        <source>the item&apos;s content could not be read from the history</source>
        <translation>the item&apos;s content could not be read from the history</translation>
    </message>
    <message id="paste.no_plain_text">
        <source>the item has no plain text; the clipboard was left as it was</source>
        <translation>the item has no plain text; the clipboard was left as it was</translation>
    </message>
    <message id="paste.nothing_to_write">
        <source>nothing to write</source>
        <translation>nothing to write</translation>
    </message>
    <message id="paste.clipboard_refused">
        <source>the clipboard could not be taken</source>
        <translation>the clipboard could not be taken</translation>
    </message>
    <message id="paste.no_window_known">
        <source>no window to paste into is known; the item is on the clipboard</source>
        <translation>no window to paste into is known; the item is on the clipboard</translation>
    </message>
    <message id="paste.window_gone">
        <source>the window to paste into is gone; the item is on the clipboard</source>
        <translation>the window to paste into is gone; the item is on the clipboard</translation>
    </message>
    <message id="paste.not_activated">
        <source>the window to paste into did not come to the front; the item is on the clipboard</source>
        <translation>the window to paste into did not come to the front; the item is on the clipboard</translation>
    </message>
    <message id="paste.no_xtest">
        <source>the display does not take synthetic key strokes (XTest); the item is on the clipboard</source>
        <translation>the display does not take synthetic key strokes (XTest); the item is on the clipboard</translation>
    </message>
    <message id="paste.no_virtual_keyboard">
        <source>the compositor offers no virtual keyboard; the item is on the clipboard</source>
        <translation>the compositor offers no virtual keyboard; the item is on the clipboard</translation>
    </message>
    <message id="paste.key_not_sent">
        <source>the paste key stroke could not be sent; the item is on the clipboard</source>
        <translation>the paste key stroke could not be sent; the item is on the clipboard</translation>
    </message>
    <message id="menu.edit">
        <source>Edit…</source>
        <translation>Edit…</translation>
    </message>
    <message id="menu.undo_replace">
        <source>Undo Replace</source>
        <translation>Undo Replace</translation>
    </message>
    <message id="editor.save">
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message id="editor.replace">
        <source>Replace</source>
        <translation>Replace</translation>
    </message>
    <message id="editor.hint">
        <source>%1 saves the text as a new item, %2 replaces the original, %3 cancels.</source>
        <translation>%1 saves the text as a new item, %2 replaces the original, %3 cancels.</translation>
    </message>
    <message id="editor.formatting_dropped">
        <source>This item has formatting. It is edited as plain text, and the formatting is not kept.</source>
        <translation>This item has formatting. It is edited as plain text, and the formatting is not kept.</translation>
    </message>
    <message id="editor.empty">
        <source>An empty text cannot be saved.</source>
        <translation>An empty text cannot be saved.</translation>
    </message>
    <message id="editor.original_gone">
        <source>The original item is no longer in the history, so it cannot be replaced. Save keeps the text as a new item.</source>
        <translation>The original item is no longer in the history, so it cannot be replaced. Save keeps the text as a new item.</translation>
    </message>
    <message id="editor.not_stored">
        <source>The text could not be stored. It is still here, so you can try again.</source>
        <translation>The text could not be stored. It is still here, so you can try again.</translation>
    </message>
    <message id="editor.secret_not_recorded">
        <source>This text looks like a secret, and secrets are not recorded (see Preferences). Nothing was saved.</source>
        <translation>This text looks like a secret, and secrets are not recorded (see Preferences). Nothing was saved.</translation>
    </message>
    <message id="editor.not_editable">
        <source>Only text can be edited, not images, files or hidden secrets.</source>
        <translation>Only text can be edited, not images, files or hidden secrets.</translation>
    </message>
    <message id="editor.too_long">
        <source>This text is too long to edit here (more than %1 characters).</source>
        <translation>This text is too long to edit here (more than %1 characters).</translation>
    </message>
</context>
</TS>
