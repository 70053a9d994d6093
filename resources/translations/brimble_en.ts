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
    <message id="alert.confirm_the_delete">
        <source>Are you sure to delete it?</source>
        <translation>Are you sure to delete it?</translation>
    </message>
    <message id="alert.confirm_to_clear_all_history">
        <source>Are you sure to clear all history?</source>
        <translation>Are you sure to clear all history?</translation>
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
        <source>This action can not be undo.</source>
        <translation>This action can not be undo.</translation>
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
        <source>There is a crash happened, Do you want to send an anonymous crash report so we can fix the issue?</source>
        <translation>There is a crash happened, Do you want to send an anonymous crash report so we can fix the issue?</translation>
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
    <message id="alert.hot_key_refused">
        <source>The shortcut %1 is not available (%2). Choose another one in Preferences, or bind the command &quot;brimble toggle&quot; in your desktop&apos;s keyboard settings.</source>
        <translation>The shortcut %1 is not available (%2). Choose another one in Preferences, or bind the command &quot;brimble toggle&quot; in your desktop&apos;s keyboard settings.</translation>
    </message>
    <message id="format.files">
        <source>files</source>
        <translation>files</translation>
    </message>
    <message id="format.chars">
        <source>chars</source>
        <translation>chars</translation>
    </message>
</context>
</TS>
