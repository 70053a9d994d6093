<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name></name>
    <message id="general.reset">
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message id="general.click_to_record">
        <source>Click To Record</source>
        <translation>点击以录制</translation>
    </message>
    <message id="general.filter_type">
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message id="preferences.general">
        <source>General</source>
        <translation>常规</translation>
    </message>
    <message id="preferences.key_bindings">
        <source>Key Bindings</source>
        <translation>快捷键</translation>
    </message>
    <message id="preferences.rules">
        <source>Rules</source>
        <translation>规则</translation>
    </message>
    <message id="preferences.launch_at_login">
        <source>Start Brimble when I &amp;log in</source>
        <translation>登录时启动 Brimble(&amp;L)</translation>
    </message>
    <message id="preferences.auto_paste">
        <source>Paste chosen items into the window in front</source>
        <translation>将选中的项目粘贴到前台窗口</translation>
    </message>
    <message id="preferences.auto_paste_without_xtest">
        <source>This display offers no key synthesis (XTEST), so chosen items are only put on the clipboard: press Ctrl+V to paste them.</source>
        <translation>此显示服务器不提供按键模拟（XTEST），因此选中的项目只会放到剪贴板上：请按 Ctrl+V 粘贴。</translation>
    </message>
    <message id="preferences.auto_paste_without_virtual_keyboard">
        <source>This compositor offers no virtual keyboard, so chosen items are only put on the clipboard: press Ctrl+V to paste them.</source>
        <translation>此合成器不提供虚拟键盘，因此选中的项目只会放到剪贴板上：请按 Ctrl+V 粘贴。</translation>
    </message>
    <message id="preferences.auto_paste_on_wayland">
        <source>On Wayland, Brimble pastes by itself into X11 windows only. In other windows the chosen item is on the clipboard: press Ctrl+V to paste it.</source>
        <translation>在 Wayland 下，Brimble 只能自动粘贴到 X11 窗口中。在其他窗口中，选中的项目已在剪贴板上：请按 Ctrl+V 粘贴。</translation>
    </message>
    <message id="preferences.paste_as_plain_text">
        <source>Always paste as plain text</source>
        <translation>始终以纯文本粘贴</translation>
    </message>
    <message id="preferences.delete_after_pasted">
        <source>Delete items from the history once pasted</source>
        <translation>粘贴后从历史记录中删除项目</translation>
    </message>
    <message id="preferences.move_used_item_to_first">
        <source>Move pasted items to the top</source>
        <translation>将已粘贴的项目移到顶部</translation>
    </message>
    <message id="preferences.preview_links">
        <source>Preview links</source>
        <translation>预览链接</translation>
    </message>
    <message id="preferences.load_link_previews">
        <source>Load link previews without asking (the site sees a visit)</source>
        <translation>无需询问即加载链接预览（网站会记录一次访问）</translation>
    </message>
    <message id="preferences.show_tray_icon">
        <source>Show the icon in the system tray</source>
        <translation>在系统托盘中显示图标</translation>
    </message>
    <message id="preferences.send_crash_reports">
        <source>Send crash reports automatically</source>
        <translation>自动发送崩溃报告</translation>
    </message>
    <message id="preferences.keep_history">
        <source>&amp;Keep the clipboard history for</source>
        <translation>剪贴板历史保留时长(&amp;K)</translation>
    </message>
    <message id="preferences.one_day">
        <source>1 day</source>
        <translation>1 天</translation>
    </message>
    <message id="preferences.seven_days">
        <source>7 days</source>
        <translation>7 天</translation>
    </message>
    <message id="preferences.thirty_days">
        <source>30 days</source>
        <translation>30 天</translation>
    </message>
    <message id="preferences.forever">
        <source>Forever</source>
        <translation>永久</translation>
    </message>
    <message id="preferences.show_quick_search_window">
        <source>Show the clipboard history</source>
        <translation>显示剪贴板历史</translation>
    </message>
    <message id="preferences.quick_paste_modifier">
        <source>Quick paste, with 1 to 0</source>
        <translation>快速粘贴，配合 1 到 0</translation>
    </message>
    <message id="preferences.plain_text_modifier">
        <source>Paste as plain text, with Return</source>
        <translation>以纯文本粘贴，配合 Return</translation>
    </message>
    <message id="preferences.switch_clipboard_modifier">
        <source>Switch clipboard, with Tab</source>
        <translation>切换剪贴板，配合 Tab</translation>
    </message>
    <message id="preferences.modifiers_collide">
        <source>Quick paste and plain-text paste use the same keys, so every quick paste comes out as plain text.</source>
        <translation>快速粘贴和纯文本粘贴使用相同的按键，因此每次快速粘贴都会以纯文本粘贴。</translation>
    </message>
    <message id="preferences.shortcut_needs_modifier">
        <source>A shortcut needs Ctrl, Alt or Super (Shift alone only with F1 to F20).</source>
        <translation>快捷键需要包含 Ctrl、Alt 或 Super（仅 F1 至 F20 可以只配合 Shift）。</translation>
    </message>
    <message id="preferences.desktop_shortcut_asking">
        <source>Asking the desktop to bind the shortcut…</source>
        <translation>正在请求桌面绑定快捷键…</translation>
    </message>
    <message id="preferences.desktop_shortcut_bound">
        <source>The desktop shows the history with: %1</source>
        <translation>桌面显示历史记录的快捷键：%1</translation>
    </message>
    <message id="preferences.desktop_shortcut_no_keys">
        <source>The desktop has not assigned keys to the shortcut yet.</source>
        <translation>桌面尚未为此快捷键分配按键。</translation>
    </message>
    <message id="preferences.desktop_shortcut_change">
        <source>Change…</source>
        <translation>更改…</translation>
    </message>
    <message id="preferences.desktop_shortcut_declined">
        <source>Binding the shortcut through the desktop was declined.</source>
        <translation>通过桌面绑定快捷键的请求被拒绝。</translation>
    </message>
    <message id="preferences.desktop_shortcut_no_portal">
        <source>This desktop binds no global shortcuts for applications (it offers no shortcuts portal).</source>
        <translation>此桌面不为应用程序绑定全局快捷键（它未提供快捷键门户）。</translation>
    </message>
    <message id="preferences.desktop_shortcut_x11_only">
        <source>The shortcut above works only while an X11 window is in front.</source>
        <translation>上面的快捷键仅在 X11 窗口位于前台时有效。</translation>
    </message>
    <message id="preferences.gnome_add_shortcut">
        <source>Add to GNOME Keyboard Shortcuts…</source>
        <translation>添加到 GNOME 键盘快捷键…</translation>
    </message>
    <message id="preferences.gnome_add_shortcut_confirm">
        <source>Add a GNOME keyboard shortcut that runs “brimble toggle” on %1?</source>
        <translation>要添加一个在按下 %1 时运行“brimble toggle”的 GNOME 键盘快捷键吗？</translation>
    </message>
    <message id="preferences.gnome_add_shortcut_explained">
        <source>It appears in GNOME Settings, Keyboard, Custom Shortcuts, where you can change or remove it.</source>
        <translation>它会出现在 GNOME“设置”的“键盘”→“自定义快捷键”中，您可以在那里更改或删除它。</translation>
    </message>
    <message id="preferences.gnome_shortcut_added">
        <source>GNOME runs “brimble toggle” on %1.</source>
        <translation>GNOME 会在按下 %1 时运行“brimble toggle”。</translation>
    </message>
    <message id="preferences.gnome_shortcut_failed">
        <source>The GNOME shortcut could not be added: %1</source>
        <translation>无法添加 GNOME 快捷键：%1</translation>
    </message>
    <message id="preferences.configuration_line">
        <source>Add this line to your compositor's configuration:</source>
        <translation>请将下面这行添加到合成器的配置中：</translation>
    </message>
    <message id="preferences.other_desktop_shortcut">
        <source>Bind the command “brimble toggle” to a key in your desktop's keyboard settings.</source>
        <translation>请在桌面的键盘设置中将命令“brimble toggle”绑定到一个按键。</translation>
    </message>
    <message id="preferences.copy_line">
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message id="alert.pasted_by_hand">
        <source>Not pasted by itself: the item is on the clipboard, press Ctrl+V to paste it.</source>
        <translation>未能自动粘贴：项目已在剪贴板上，请按 Ctrl+V 粘贴。</translation>
    </message>
    <message id="preferences.shortcut_refused">
        <source>%1 cannot be used: %2. The shortcut stays %3.</source>
        <translation>无法使用 %1：%2。快捷键保持为 %3。</translation>
    </message>
    <message id="preferences.no_shortcut">
        <source>none</source>
        <translation>无</translation>
    </message>
    <message id="preferences.ignored_apps_explained">
        <source>Copies made in these applications are never recorded.</source>
        <translation>在这些应用程序中进行的复制永远不会被记录。</translation>
    </message>
    <message id="preferences.add_applications">
        <source>&amp;Add…</source>
        <translation>添加(&amp;A)…</translation>
    </message>
    <message id="preferences.remove_applications">
        <source>&amp;Remove</source>
        <translation>移除(&amp;R)</translation>
    </message>
    <message id="preferences.choose_applications">
        <source>Choose Applications to Ignore</source>
        <translation>选择要忽略的应用程序</translation>
    </message>
    <message id="preferences.desktop_entries">
        <source>Applications (*.desktop)</source>
        <translation>应用程序 (*.desktop)</translation>
    </message>
    <message id="menu.quit">
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message id="menu.preferences">
        <source>Preferences</source>
        <translation>首选项</translation>
    </message>
    <message id="menu.about">
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message id="menu.rename">
        <source>Rename</source>
        <translation>重命名</translation>
    </message>
    <message id="menu.clear_all_history">
        <source>Clear All History</source>
        <translation>清除所有历史记录</translation>
    </message>
    <message id="menu.delete">
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message id="menu.paste">
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message id="menu.paste_as_plain_text">
        <source>Paste as Plain Text</source>
        <translation>以纯文本粘贴</translation>
    </message>
    <message id="menu.cut">
        <source>Cut</source>
        <translation>剪切</translation>
    </message>
    <message id="menu.copy">
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message id="menu.move_to">
        <source>Move to</source>
        <translation>移动到</translation>
    </message>
    <message id="menu.add_new_clip_board">
        <source>Add New Clipboard</source>
        <translation>新建剪贴板</translation>
    </message>
    <message id="menu.move_to_first">
        <source>Move to First</source>
        <translation>移到最前</translation>
    </message>
    <message id="menu.save_to_file">
        <source>Save to File</source>
        <translation>保存到文件</translation>
    </message>
    <message id="menu.open">
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message id="menu.quick_look">
        <source>Quick Look</source>
        <translation>快速查看</translation>
    </message>
    <message id="menu.show_in_finder">
        <source>Show in Folder</source>
        <translation>在文件夹中显示</translation>
    </message>
    <message id="menu.pause_recording">
        <source>Pause Recording</source>
        <translation>暂停记录</translation>
    </message>
    <message id="menu.continue_recording">
        <source>Continue Recording</source>
        <translation>继续记录</translation>
    </message>
    <message id="menu.open_in_browser">
        <source>Open in Browser</source>
        <translation>在浏览器中打开</translation>
    </message>
    <message id="menu.help">
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message id="menu.check_for_updates">
        <source>Check for Updates</source>
        <translation>检查更新</translation>
    </message>
    <message id="menu.show_clipboard_history">
        <source>Show Clipboard History</source>
        <translation>显示剪贴板历史</translation>
    </message>
    <message id="menu.undo">
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message id="menu.undo_delete">
        <source>Undo Delete</source>
        <translation>撤销删除</translation>
    </message>
    <message id="menu.undo_cut">
        <source>Undo Cut</source>
        <translation>撤销剪切</translation>
    </message>
    <message id="menu.undo_clear_all_history">
        <source>Undo Clear All History</source>
        <translation>撤销清除所有历史记录</translation>
    </message>
    <message id="menu.undo_move">
        <source>Undo Move</source>
        <translation>撤销移动</translation>
    </message>
    <message id="menu.undo_delete_clipboard">
        <source>Undo Delete Clipboard</source>
        <translation>撤销删除剪贴板</translation>
    </message>
    <message id="quick_view.search">
        <source>Search</source>
        <translation>搜索</translation>
    </message>
    <message id="quick_view.unnamed">
        <source>UnNamed</source>
        <translation>未命名</translation>
    </message>
    <message id="quick_view.empty">
        <source>It's Empty</source>
        <translation>暂无记录</translation>
    </message>
    <message id="quick_view.clipboard_history">
        <source>Clipboard History</source>
        <translation>剪贴板历史</translation>
    </message>
    <message id="quick_view.n_records">
        <source>%1 records</source>
        <translation>%1 条记录</translation>
    </message>
    <message id="quick_view.text_cut">
        <source>Showing the first %1 of %2 characters.</source>
        <translation>仅显示全部 %2 个字符中的前 %1 个。</translation>
    </message>
    <message id="quick_view.unknown_application">
        <source>Unknown application</source>
        <translation>未知应用程序</translation>
    </message>
    <message id="quick_view.bad_type_clause">
        <source>&quot;%1&quot; names no type; type: takes %2</source>
        <translation>&quot;%1&quot; 不是类型名称；type: 可接受 %2</translation>
    </message>
    <message id="link_preview.load">
        <source>Load Preview</source>
        <translation>加载预览</translation>
    </message>
    <message id="link_preview.not_web">
        <source>Only web pages (http and https) are previewed.</source>
        <translation>仅预览网页（http 和 https）。</translation>
    </message>
    <message id="link_preview.credentials">
        <source>Not previewed: the link carries a user name or password.</source>
        <translation>未预览：链接中包含用户名或密码。</translation>
    </message>
    <message id="link_preview.local_host">
        <source>Not previewed: the link leads to this computer or the local network.</source>
        <translation>未预览：链接指向本机或本地网络。</translation>
    </message>
    <message id="link_preview.as_root">
        <source>Not previewed: the web view does not run as root.</source>
        <translation>未预览：网页视图不以 root 身份运行。</translation>
    </message>
    <message id="link_preview.host_not_found">
        <source>The page could not be loaded: its host was not found.</source>
        <translation>无法加载页面：找不到其主机。</translation>
    </message>
    <message id="link_preview.failed">
        <source>The page could not be loaded: %1</source>
        <translation>无法加载页面：%1</translation>
    </message>
    <message id="link_preview.stopped">
        <source>The page stopped unexpectedly.</source>
        <translation>页面意外停止。</translation>
    </message>
    <message id="quick_view.no_matches">
        <source>No matches</source>
        <translation>无匹配项</translation>
    </message>
    <message id="quick_view.n_selected">
        <source>%1 selected</source>
        <translation>已选择 %1 项</translation>
    </message>
    <message id="pasteboard.unknown_type">
        <source>Unknown</source>
        <translation>未知</translation>
    </message>
    <message id="pasteboard.text_type">
        <source>Text</source>
        <translation>文本</translation>
    </message>
    <message id="pasteboard.rich_text_type">
        <source>Rich Text</source>
        <translation>富文本</translation>
    </message>
    <message id="pasteboard.plain_text_type">
        <source>Plain Text</source>
        <translation>纯文本</translation>
    </message>
    <message id="pasteboard.image_type">
        <source>Image</source>
        <translation>图像</translation>
    </message>
    <message id="pasteboard.file_type">
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message id="pasteboard.link_type">
        <source>Link</source>
        <translation>链接</translation>
    </message>
    <message id="pasteboard.color_type">
        <source>Color</source>
        <translation>颜色</translation>
    </message>
    <message id="alert.confirm">
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message id="alert.cancel">
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message id="alert.alert">
        <source>Alert</source>
        <translation>警告</translation>
    </message>
    <message id="alert.save_to_file_failed">
        <source>Save to file failed!</source>
        <translation>保存到文件失败！</translation>
    </message>
    <message id="alert.delete">
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message id="alert.reduce_history_capacity">
        <source>Reduce history capacity!</source>
        <translation>缩短历史记录保留时长！</translation>
    </message>
    <message id="alert.this_action_can_not_be_undo">
        <source>This cannot be undone.</source>
        <translation>此操作无法撤销。</translation>
    </message>
    <message id="alert.confirm_clear_clipboard">
        <source>Clear all history of “%1”?</source>
        <translation>要清除“%1”的所有历史记录吗？</translation>
    </message>
    <message id="alert.confirm_delete_clipboard">
        <source>Delete the clipboard “%1” and its history?</source>
        <translation>要删除剪贴板“%1”及其历史记录吗？</translation>
    </message>
    <message id="alert.items_to_delete">
        <source>Items to delete: %1.</source>
        <translation>要删除的项目数：%1。</translation>
    </message>
    <message id="alert.undo_while_running">
        <source>You can undo this with Ctrl+Z while Brimble runs.</source>
        <translation>在 Brimble 运行期间，您可以按 Ctrl+Z 撤销此操作。</translation>
    </message>
    <message id="alert.too_large_to_copy">
        <source>The selected items hold %1 MB together, more than the %2 MB that can be copied or pasted at once. Select fewer items.</source>
        <translation>所选项目共 %1 MB，超过了一次可复制或粘贴的上限 %2 MB。请少选一些项目。</translation>
    </message>
    <message id="alert.do_not_show_this_to_me_again">
        <source>Don't show this to me again</source>
        <translation>不再显示此消息</translation>
    </message>
    <message id="alert.turn_on_accessibility_message">
        <source>Brimble can only paste automatically into X11 windows, and this window is not one. The item is on the clipboard: press Ctrl+V to paste it.</source>
        <translation>Brimble 只能自动粘贴到 X11 窗口中，而此窗口不是 X11 窗口。项目已在剪贴板上：请按 Ctrl+V 粘贴。</translation>
    </message>
    <message id="alert.turn_on_accessibility">
        <source>Turn On Accessibility</source>
        <translation>开启辅助功能</translation>
    </message>
    <message id="alert.not_now">
        <source>Not Now</source>
        <translation>暂不</translation>
    </message>
    <message id="alert.learn_more">
        <source>Learn More</source>
        <translation>了解更多</translation>
    </message>
    <message id="alert.crash_title">
        <source>Sorry about that!</source>
        <translation>很抱歉！</translation>
    </message>
    <message id="alert.crash_message">
        <source>Brimble stopped unexpectedly the last time it ran. Do you want to send an anonymous crash report so that the problem can be fixed?</source>
        <translation>Brimble 上次运行时意外停止。是否发送一份匿名崩溃报告，以便修复该问题？</translation>
    </message>
    <message id="alert.always_send">
        <source>Always Send</source>
        <translation>总是发送</translation>
    </message>
    <message id="alert.send">
        <source>Send</source>
        <translation>发送</translation>
    </message>
    <message id="alert.do_not_send">
        <source>Don't Send</source>
        <translation>不发送</translation>
    </message>
    <message id="Could not save changes while quitting. Quit anyway?">
        <source>Could not save changes while quitting. Quit anyway?</source>
        <translation>退出时无法保存更改。仍要退出吗？</translation>
    </message>
    <message id="Quitting now will lose any changes you have made since the last successful save">
        <source>Quitting now will lose any changes you have made since the last successful save</source>
        <translation>现在退出将丢失自上次成功保存以来所做的所有更改</translation>
    </message>
    <message id="Quit anyway">
        <source>Quit anyway</source>
        <translation>仍然退出</translation>
    </message>
    <message id="Cancel">
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message id="date.unknow_date">
        <source>Unknown date</source>
        <translation>未知日期</translation>
    </message>
    <message id="date.just_now">
        <source>Just now</source>
        <translation>刚刚</translation>
    </message>
    <message id="date.yesterday">
        <source>Yesterday</source>
        <translation>昨天</translation>
    </message>
    <message id="alert.open_failed">
        <source>Brimble could not open %1: %2</source>
        <translation>Brimble 无法打开 %1：%2</translation>
    </message>
    <message id="alert.setting_not_saved">
        <source>The setting was not saved, because %1 cannot be written. It is back to what it was.</source>
        <translation>设置未保存，因为无法写入 %1。该设置已恢复为原来的值。</translation>
    </message>
    <message id="alert.hot_key_refused">
        <source>The shortcut %1 is not available (%2). Choose another one in Preferences, or bind the command &quot;brimble toggle&quot; in your desktop&apos;s keyboard settings.</source>
        <translation>快捷键 %1 不可用（%2）。请在首选项中选择其他快捷键，或在桌面的键盘设置中绑定命令 &quot;brimble toggle&quot;。</translation>
    </message>
    <message id="alert.history_disk_full">
        <source>There is no room left on the disk for your clipboard history (%1). New copies are kept in memory until there is; free some space so that they are not lost.</source>
        <translation>磁盘上已没有空间存放您的剪贴板历史（%1）。在腾出空间之前，新复制的内容会保存在内存中；请释放一些空间，以免丢失这些内容。</translation>
    </message>
    <message id="alert.history_recording_again">
        <source>There is room for your clipboard history again: copies are recorded, and the %1 made meanwhile are stored.</source>
        <translation>剪贴板历史又有空间了：复制的内容会继续被记录，期间复制的 %1 条内容也已保存。</translation>
    </message>
    <message id="alert.history_copies_lost">
        <source>%1 copies made while the disk was full could not be kept.</source>
        <translation>磁盘已满期间复制的 %1 条内容未能保留。</translation>
    </message>
    <message id="format.files">
        <source>files</source>
        <translation>个文件</translation>
    </message>
    <message id="format.chars">
        <source>chars</source>
        <translation>个字符</translation>
    </message>
    <message id="update.available">
        <source>Brimble %1 is available</source>
        <translation>Brimble %1 现已可用</translation>
    </message>
    <message id="update.available_message">
        <source>You have version %1.</source>
        <translation>您当前的版本是 %1。</translation>
    </message>
    <message id="update.download_page">
        <source>Download Page</source>
        <translation>下载页面</translation>
    </message>
    <message id="update.later">
        <source>Later</source>
        <translation>稍后</translation>
    </message>
    <message id="update.up_to_date">
        <source>Brimble is up to date</source>
        <translation>Brimble 已是最新版本</translation>
    </message>
    <message id="update.up_to_date_message">
        <source>Version %1 is the newest version.</source>
        <translation>版本 %1 是最新版本。</translation>
    </message>
    <message id="update.failed">
        <source>The update check failed</source>
        <translation>检查更新失败</translation>
    </message>
    <message id="queue.paste_in_sequence">
        <source>Paste in Sequence</source>
        <translation>按顺序粘贴</translation>
    </message>
    <message id="queue.clear">
        <source>Clear Paste Queue</source>
        <translation>清空粘贴队列</translation>
    </message>
    <message id="queue.active">
        <source>Paste queue: %1 of %2 pasted, next: %3</source>
        <translation>粘贴队列：已粘贴 %1/%2，下一项：%3</translation>
    </message>
    <message id="queue.untitled_item">
        <source>item %1 (%2)</source>
        <translation>第 %1 项（%2）</translation>
    </message>
    <message id="queue.finished">
        <source>Paste queue done: all %1 items pasted</source>
        <translation>粘贴队列已完成：全部 %1 项均已粘贴</translation>
    </message>
    <message id="queue.interrupted">
        <source>Paste queue ended by a new copy: %1 of %2 pasted</source>
        <translation>粘贴队列因新的复制而结束：已粘贴 %1/%2</translation>
    </message>
    <message id="queue.cleared">
        <source>Paste queue cleared: %1 of %2 pasted</source>
        <translation>粘贴队列已清空：已粘贴 %1/%2</translation>
    </message>
    <message id="queue.failed">
        <source>Paste queue ended: %1</source>
        <translation>粘贴队列已结束：%1</translation>
    </message>
    <message id="queue.escape_clears">
        <source>Esc clears it</source>
        <translation>按 Esc 清空</translation>
    </message>
    <message id="quick_view.secret_mask">
        <source>Secret · %1 · %2 characters</source>
        <translation>机密 · %1 · %2 个字符</translation>
    </message>
    <message id="quick_view.secret_reveal_hint">
        <source>Click or press Space to show it</source>
        <translation>单击或按 Space 显示</translation>
    </message>
    <message id="quick_view.secret_reveal">
        <source>Show Secret</source>
        <translation>显示机密</translation>
    </message>
    <message id="secret.private_key">
        <source>private key</source>
        <translation>私钥</translation>
    </message>
    <message id="secret.web_token">
        <source>web token</source>
        <translation>Web 令牌</translation>
    </message>
    <message id="secret.cloud_key">
        <source>cloud access key</source>
        <translation>云访问密钥</translation>
    </message>
    <message id="secret.access_token">
        <source>access token</source>
        <translation>访问令牌</translation>
    </message>
    <message id="secret.bot_token">
        <source>bot token</source>
        <translation>机器人令牌</translation>
    </message>
    <message id="secret.payment_key">
        <source>payment key</source>
        <translation>支付密钥</translation>
    </message>
    <message id="secret.card_number">
        <source>card number</source>
        <translation>卡号</translation>
    </message>
    <message id="preferences.secrets">
        <source>Secrets:</source>
        <translation>机密信息：</translation>
    </message>
    <message id="preferences.secrets_note">
        <source>Keys, tokens and card numbers are shown masked until revealed.</source>
        <translation>密钥、令牌和卡号在您选择显示之前会以遮盖形式显示。</translation>
    </message>
    <message id="preferences.secret_never_record">
        <source>Never record</source>
        <translation>从不记录</translation>
    </message>
    <message id="preferences.secret_minute">
        <source>Remove after 1 minute</source>
        <translation>1 分钟后移除</translation>
    </message>
    <message id="preferences.secret_ten_minutes">
        <source>Remove after 10 minutes</source>
        <translation>10 分钟后移除</translation>
    </message>
    <message id="preferences.secret_hour">
        <source>Remove after 1 hour</source>
        <translation>1 小时后移除</translation>
    </message>
    <message id="preferences.secret_day">
        <source>Remove after 1 day</source>
        <translation>1 天后移除</translation>
    </message>
    <message id="preferences.secret_keep">
        <source>Keep</source>
        <translation>保留</translation>
    </message>
    <message id="preferences.read_image_text">
        <source>Find copied images by their text (read on this computer)</source>
        <translation>按图像中的文字查找复制的图像（在本机上识别）</translation>
    </message>
    <message id="preferences.image_text_language">
        <source>Language of the text:</source>
        <translation>文字的语言：</translation>
    </message>
    <message id="help.title">
        <source>Brimble Help</source>
        <translation>Brimble 帮助</translation>
    </message>
    <message id="help.back">
        <source>Back</source>
        <translation>后退</translation>
    </message>
    <message id="help.forward">
        <source>Forward</source>
        <translation>前进</translation>
    </message>
    <message id="help.contents">
        <source>Contents</source>
        <translation>目录</translation>
    </message>
    <message id="help.auto_paste_title">
        <source>Automatic Paste Unavailable</source>
        <translation>无法自动粘贴</translation>
    </message>
    <message id="about.title">
        <source>About Brimble</source>
        <translation>关于 Brimble</translation>
    </message>
    <message id="about.description">
        <source>Clipboard history with a quick search window</source>
        <translation>带快速搜索窗口的剪贴板历史</translation>
    </message>
    <message id="about.licence">
        <source>Licence: none published yet. All rights reserved by the Brimble developers.</source>
        <translation>许可证：尚未发布。Brimble 开发者保留所有权利。</translation>
    </message>
    <message id="about.libraries">
        <source>Libraries:</source>
        <translation>库：</translation>
    </message>
    <message id="about.history">
        <source>History:</source>
        <translation>历史记录：</translation>
    </message>
    <message id="about.logs">
        <source>Logs:</source>
        <translation>日志：</translation>
    </message>
    <message id="about.copied">
        <source>Copied</source>
        <translation>已复制</translation>
    </message>
    <message id="about.close">
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message id="about.built_with">
        <source>built with %1</source>
        <translation>构建时为 %1</translation>
    </message>
    <message id="archive.export_history">
        <source>Export History…</source>
        <translation>导出历史…</translation>
    </message>
    <message id="archive.import_history">
        <source>Import History…</source>
        <translation>导入历史…</translation>
    </message>
    <message id="archive.export_title">
        <source>Export History</source>
        <translation>导出历史</translation>
    </message>
    <message id="archive.import_title">
        <source>Import History</source>
        <translation>导入历史</translation>
    </message>
    <message id="archive.exists">
        <source>%1 already exists; choose another name.</source>
        <translation>%1 已存在；请选择其他名称。</translation>
    </message>
    <message id="archive.cannot_write">
        <source>Could not write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message id="archive.cannot_open">
        <source>Could not open %1: %2</source>
        <translation>无法打开 %1：%2</translation>
    </message>
    <message id="archive.not_archive">
        <source>%1 is not a Brimble history export. Nothing was imported.</source>
        <translation>%1 不是 Brimble 导出的历史文件。未导入任何内容。</translation>
    </message>
    <message id="archive.newer">
        <source>%1 was written by a newer Brimble (format %2). Nothing was imported.</source>
        <translation>%1 由更新版本的 Brimble 写入（格式 %2）。未导入任何内容。</translation>
    </message>
    <message id="archive.damaged">
        <source>%1 is damaged or was altered (%2). Nothing was imported.</source>
        <translation>%1 已损坏或被改动（%2）。未导入任何内容。</translation>
    </message>
    <message id="archive.store_failed">
        <source>The history could not be written (%1). Nothing was imported.</source>
        <translation>无法写入历史（%1）。未导入任何内容。</translation>
    </message>
    <message id="archive.exported">
        <source>Items exported: %1 (clipboards: %2).</source>
        <translation>已导出项目：%1（剪贴板：%2）。</translation>
    </message>
    <message id="archive.secrets_left_out">
        <source>Secrets left out: %1.</source>
        <translation>未导出的机密信息：%1。</translation>
    </message>
    <message id="archive.imported">
        <source>Items added: %1. Already present, skipped: %2. Clipboards created: %3.</source>
        <translation>已添加项目：%1。已存在而跳过：%2。新建剪贴板：%3。</translation>
    </message>
    <message id="cli.help.usage">
        <source>Usage: brimble [VERB [ARGUMENTS]]</source>
        <translation>用法：brimble [命令 [参数]]</translation>
    </message>
    <message id="cli.help.without_verb">
        <source>Without a verb, starts Brimble (or shows the running one).</source>
        <translation>不带命令时启动 Brimble（若已在运行，则显示它）。</translation>
    </message>
    <message id="cli.help.verbs">
        <source>Verbs:</source>
        <translation>命令：</translation>
    </message>
    <message id="cli.help.notes">
        <source>ITEM is a uuid or a position in the listed order (1 is the newest). NAME is a clipboard&apos;s title, or its uuid (`clipboards --json` shows them) where titles repeat. Lines of `list` and `search`: position, age, type (as type: names it), first line of text with control characters shown as escapes. A secret (a key, a token, a card number) shows its kind and length instead of its text unless --reveal is given. `search` also finds images by the text Brimble has read in them.</source>
        <translation>ITEM 是 uuid 或列表顺序中的位置（1 为最新）。NAME 是剪贴板的标题；标题重复时则为其 uuid（`clipboards --json` 会显示）。`list` 和 `search` 的每行依次为：位置、距今时间、类型（即 type: 所用的名称）、文本的第一行，其中的控制字符以转义形式显示。机密信息（密钥、令牌、卡号）显示其种类和长度而非文本，除非指定 --reveal。`search` 还能根据 Brimble 从图像中识别出的文字查找图像。</translation>
    </message>
    <message id="cli.help.options">
        <source>Options:</source>
        <translation>选项：</translation>
    </message>
    <message id="cli.help.environment">
        <source>Environment:</source>
        <translation>环境变量：</translation>
    </message>
    <message id="cli.help.platform">
        <source>the clipboard backend; by default native Wayland when the compositor offers data control, else X11 (the log names the one in use)</source>
        <translation>剪贴板后端；默认情况下，若合成器提供数据控制（data control）则使用原生 Wayland，否则使用 X11（日志中会写明所用的后端）</translation>
    </message>
    <message id="cli.help.exit_status">
        <source>Exit status: 0 done, 1 request failed, 2 usage error, 3 Brimble is not running, 4 the history cannot be read, 5 Brimble is busy (try again), 6 paste only copied (automatic paste is off), 7 no display (Brimble itself).</source>
        <translation>退出状态：0 完成，1 请求失败，2 用法错误，3 Brimble 未在运行，4 无法读取历史，5 Brimble 正忙（请重试），6 paste 只复制未粘贴（自动粘贴已关闭），7 没有可用的显示服务器（Brimble 本身）。</translation>
    </message>
    <message id="cli.verb.list">
        <source>the history, newest first</source>
        <translation>历史记录，最新的在前</translation>
    </message>
    <message id="cli.verb.search">
        <source>items matching QUERY; type:image,link clauses narrow by type</source>
        <translation>匹配 QUERY 的项目；type:image,link 这样的条件按类型筛选</translation>
    </message>
    <message id="cli.verb.clipboards">
        <source>the clipboards with their record counts</source>
        <translation>各剪贴板及其记录数</translation>
    </message>
    <message id="cli.verb.copy">
        <source>put an item back on the clipboard</source>
        <translation>将项目重新放到剪贴板上</translation>
    </message>
    <message id="cli.verb.paste">
        <source>copy an item and paste it into the active window</source>
        <translation>复制项目并将其粘贴到活动窗口</translation>
    </message>
    <message id="cli.verb.pause">
        <source>stop recording copies</source>
        <translation>暂停记录复制的内容</translation>
    </message>
    <message id="cli.verb.resume">
        <source>record copies again</source>
        <translation>继续记录复制的内容</translation>
    </message>
    <message id="cli.verb.toggle">
        <source>show or hide the quick search window</source>
        <translation>显示或隐藏剪贴板历史窗口</translation>
    </message>
    <message id="cli.verb.preferences">
        <source>open the preferences window</source>
        <translation>打开首选项窗口</translation>
    </message>
    <message id="cli.verb.quit">
        <source>end the running Brimble</source>
        <translation>退出正在运行的 Brimble</translation>
    </message>
    <message id="cli.verb.salvage">
        <source>rebuild a damaged history from its readable rows, keeping the damaged file beside it</source>
        <translation>用可读取的行重建损坏的历史，并在旁边保留损坏的文件</translation>
    </message>
    <message id="cli.verb.queue">
        <source>with ITEMs, paste them in this order, one per paste (Ctrl+V) anywhere; clear ends the queue; alone, shows it</source>
        <translation>带 ITEM 时，按此顺序在任意位置粘贴，每次粘贴（Ctrl+V）一项；clear 结束队列；不带参数时显示队列</translation>
    </message>
    <message id="cli.verb.export">
        <source>write the history&apos;s items, with every representation, their dates, clipboards and source applications, to a new FILE (an existing one is never replaced; secrets are left out)</source>
        <translation>将历史中的项目连同其所有表示形式、日期、所属剪贴板和来源应用程序写入新文件 FILE（绝不替换已有文件；机密信息不会导出）</translation>
    </message>
    <message id="cli.verb.import">
        <source>add the items of an exported FILE to the history, skipping items already there; a damaged or altered FILE is refused and nothing is added</source>
        <translation>将导出文件 FILE 中的项目添加到历史，跳过已存在的项目；损坏或被改动的 FILE 会被拒绝，不会添加任何内容</translation>
    </message>
    <message id="cli.option.help">
        <source>show the help</source>
        <translation>显示帮助</translation>
    </message>
    <message id="cli.option.version">
        <source>show the version</source>
        <translation>显示版本</translation>
    </message>
    <message id="cli.option.list_clipboard">
        <source>the clipboard to list, by title or uuid (default: Clipboard History)</source>
        <translation>要列出的剪贴板，按标题或 uuid 指定（默认：剪贴板历史）</translation>
    </message>
    <message id="cli.option.limit">
        <source>at most N items</source>
        <translation>最多 N 个项目</translation>
    </message>
    <message id="cli.option.json">
        <source>one JSON array instead of lines</source>
        <translation>输出一个 JSON 数组，而非逐行文本</translation>
    </message>
    <message id="cli.option.reveal">
        <source>print secrets&apos; text instead of their kind and length</source>
        <translation>输出机密信息的文本，而非其种类和长度</translation>
    </message>
    <message id="cli.option.search_clipboard">
        <source>the clipboard to search, by title or uuid</source>
        <translation>要搜索的剪贴板，按标题或 uuid 指定</translation>
    </message>
    <message id="cli.option.plain">
        <source>as plain text</source>
        <translation>以纯文本形式</translation>
    </message>
    <message id="cli.option.item_clipboard">
        <source>the clipboard ITEM is counted in, by title or uuid</source>
        <translation>计算 ITEM 位置所用的剪贴板，按标题或 uuid 指定</translation>
    </message>
    <message id="cli.option.queue_clipboard">
        <source>the clipboard the ITEMs are counted in, by title or uuid</source>
        <translation>计算各 ITEM 位置所用的剪贴板，按标题或 uuid 指定</translation>
    </message>
    <message id="cli.option.queue_json">
        <source>the queue as one JSON object</source>
        <translation>以一个 JSON 对象输出队列</translation>
    </message>
    <message id="cli.option.export_clipboard">
        <source>only this clipboard, by title or uuid (default: every clipboard)</source>
        <translation>仅此剪贴板，按标题或 uuid 指定（默认：所有剪贴板）</translation>
    </message>
    <message id="cli.unknown_verb">
        <source>unknown verb &quot;%1&quot; (see brimble --help)</source>
        <translation>未知命令“%1”（参见 brimble --help）</translation>
    </message>
    <message id="cli.unknown_option">
        <source>unknown option &quot;%1&quot; (see brimble --help)</source>
        <translation>未知选项“%1”（参见 brimble --help）</translation>
    </message>
    <message id="cli.option_not_taken">
        <source>%1 does not take %2 (see brimble --help)</source>
        <translation>%1 不接受 %2（参见 brimble --help）</translation>
    </message>
    <message id="cli.needs_value">
        <source>%1 needs a value</source>
        <translation>%1 需要一个值</translation>
    </message>
    <message id="cli.bad_limit">
        <source>--limit takes a whole number of at least 1, not &quot;%1&quot;</source>
        <translation>--limit 需要不小于 1 的整数，而不是“%1”</translation>
    </message>
    <message id="cli.takes_one_item">
        <source>%1 takes one item: a uuid or a position</source>
        <translation>%1 只接受一个项目：uuid 或位置</translation>
    </message>
    <message id="cli.queue_clear_alone">
        <source>queue clear takes no items</source>
        <translation>queue clear 不接受项目</translation>
    </message>
    <message id="cli.search_needs_query">
        <source>search needs a query</source>
        <translation>search 需要查询内容</translation>
    </message>
    <message id="cli.takes_one_file">
        <source>%1 takes one file</source>
        <translation>%1 只接受一个文件</translation>
    </message>
    <message id="cli.takes_no_argument">
        <source>%1 takes no argument &quot;%2&quot;</source>
        <translation>%1 不接受参数“%2”</translation>
    </message>
    <message id="cli.history_damaged">
        <source>the history %1 is damaged; quit Brimble (brimble quit) and run &quot;brimble salvage&quot; to rescue what can still be read</source>
        <translation>历史 %1 已损坏；请退出 Brimble（brimble quit）并运行“brimble salvage”，以挽救仍可读取的内容</translation>
    </message>
    <message id="cli.history_damaged_because">
        <source>the history %1 is damaged (%2); quit Brimble (brimble quit) and run &quot;brimble salvage&quot; to rescue what can still be read</source>
        <translation>历史 %1 已损坏（%2）；请退出 Brimble（brimble quit）并运行“brimble salvage”，以挽救仍可读取的内容</translation>
    </message>
    <message id="cli.cannot_open_history">
        <source>cannot open the history %1: %2</source>
        <translation>无法打开历史 %1：%2</translation>
    </message>
    <message id="cli.salvage_while_running">
        <source>Brimble is running: quit it first (brimble quit), then salvage</source>
        <translation>Brimble 正在运行：请先退出它（brimble quit），再运行 salvage</translation>
    </message>
    <message id="cli.salvaged">
        <source>Salvaged %1
  kept: %2 items, %3 clipboards, %4 ignore rules
  lost: %5 items of which some rows were read, and %6 unreadable stretches of rows
  rebuilt: %7 search texts, and %8 clipboards whose items outlived them (&quot;Recovered clipboard&quot;)
The damaged file is kept as %9</source>
        <translation>已挽救：%1
  保留：%2 个项目、%3 个剪贴板、%4 条忽略规则
  丢失：%5 个只读出部分行的项目，以及 %6 段无法读取的行
  重建：%7 条搜索文本，以及 %8 个自身已丢失但项目仍在的剪贴板（“Recovered clipboard”）
损坏的文件保留为 %9</translation>
    </message>
    <message id="cli.no_paste_queue">
        <source>No paste queue</source>
        <translation>没有粘贴队列</translation>
    </message>
    <message id="cli.not_running">
        <source>Brimble is not running (start it with `brimble`)</source>
        <translation>Brimble 未在运行（请用 `brimble` 启动它）</translation>
    </message>
    <message id="cli.busy">
        <source>Brimble is busy and did not take the request; try again in a moment</source>
        <translation>Brimble 正忙，未接受该请求；请稍后重试</translation>
    </message>
    <message id="cli.request_failed">
        <source>the request failed</source>
        <translation>请求失败</translation>
    </message>
    <message id="cli.unreadable_answer">
        <source>Brimble gave an unreadable answer</source>
        <translation>Brimble 返回了无法读取的应答</translation>
    </message>
    <message id="cli.copied_not_pasted">
        <source>copied to the clipboard but not pasted: automatic paste is off (Preferences, General)</source>
        <translation>已复制到剪贴板但未粘贴：自动粘贴已关闭（首选项 &gt; 常规）</translation>
    </message>
    <message id="cli.still_starting">
        <source>Brimble is still starting; try again in a moment</source>
        <translation>Brimble 仍在启动；请稍后重试</translation>
    </message>
    <message id="cli.quit_not_saved">
        <source>the history could not be saved (see the log); Brimble quits all the same</source>
        <translation>无法保存历史（参见日志）；Brimble 仍将退出</translation>
    </message>
    <message id="cli.already_running_busy">
        <source>Brimble is already running but busy; try again in a moment</source>
        <translation>Brimble 已在运行但正忙；请稍后重试</translation>
    </message>
    <message id="cli.not_answering">
        <source>another Brimble holds %1 but does not answer</source>
        <translation>另一个 Brimble 占用了 %1，但没有响应</translation>
    </message>
    <message id="cli.no_display">
        <source>no display to open: DISPLAY is not set, and no Wayland compositor offers clipboard data control</source>
        <translation>没有可打开的显示服务器：未设置 DISPLAY，也没有 Wayland 合成器提供剪贴板数据控制（data control）</translation>
    </message>
    <message id="cli.cannot_open_wayland">
        <source>cannot open the Wayland display &quot;%1&quot;</source>
        <translation>无法打开 Wayland 显示“%1”</translation>
    </message>
    <message id="cli.cannot_open_x11">
        <source>cannot open the X display &quot;%1&quot;</source>
        <translation>无法打开 X 显示“%1”</translation>
    </message>
    <message id="cli.cannot_open_database">
        <source>Brimble cannot open its history database.

%1

The file was left as it is. Move it aside to start with an empty history, or restore it from a backup.</source>
        <translation>Brimble 无法打开其历史数据库。

%1

该文件保持原样。将其移到别处即可从空的历史开始，也可以从备份中恢复它。</translation>
    </message>
    <message id="history.unreadable">
        <source>the history could not be read (see the log)</source>
        <translation>无法读取历史（参见日志）</translation>
    </message>
    <message id="history.unsearchable">
        <source>the history could not be searched (see the log)</source>
        <translation>无法搜索历史（参见日志）</translation>
    </message>
    <message id="history.default_clipboard_missing">
        <source>the default clipboard is missing</source>
        <translation>默认剪贴板不存在</translation>
    </message>
    <message id="history.no_clipboard_named">
        <source>no clipboard named &quot;%1&quot;</source>
        <translation>没有名为“%1”的剪贴板</translation>
    </message>
    <message id="history.no_item_with_uuid">
        <source>no item with uuid %1</source>
        <translation>没有 uuid 为 %1 的项目</translation>
    </message>
    <message id="history.cannot_read">
        <source>cannot read the history: %1</source>
        <translation>无法读取历史：%1</translation>
    </message>
    <message id="history.no_item_at">
        <source>no item %1 in &quot;%2&quot; (it holds %3)</source>
        <translation>“%2”中没有第 %1 项（共有 %3 项）</translation>
    </message>
    <message id="history.deleted_meanwhile">
        <source>item %1 was deleted meanwhile</source>
        <translation>项目 %1 已在此期间被删除</translation>
    </message>
    <message id="history.none_yet">
        <source>no history yet</source>
        <translation>尚无历史</translation>
    </message>
    <message id="history.not_regular_file">
        <source>not a regular file</source>
        <translation>不是普通文件</translation>
    </message>
    <message id="history.needs_upgrade">
        <source>its schema (version %1) needs Brimble to upgrade it first</source>
        <translation>其结构（版本 %1）需要先由 Brimble 升级</translation>
    </message>
    <message id="history.none_at">
        <source>there is no history at %1</source>
        <translation>%1 处没有历史</translation>
    </message>
    <message id="history.cannot_write">
        <source>cannot write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message id="history.cannot_move_aside">
        <source>cannot move %1 aside: %2</source>
        <translation>无法将 %1 移到一旁：%2</translation>
    </message>
    <message id="history.cannot_put_in_place">
        <source>cannot put the salvaged history in place: %1</source>
        <translation>无法将挽救出的历史放回原位：%1</translation>
    </message>
    <message id="paste.content_unreadable">
        <source>the item&apos;s content could not be read from the history</source>
        <translation>无法从历史中读取该项目的内容</translation>
    </message>
    <message id="paste.no_plain_text">
        <source>the item has no plain text; the clipboard was left as it was</source>
        <translation>该项目没有纯文本；剪贴板保持原样</translation>
    </message>
    <message id="paste.nothing_to_write">
        <source>nothing to write</source>
        <translation>没有可写入的内容</translation>
    </message>
    <message id="paste.clipboard_refused">
        <source>the clipboard could not be taken</source>
        <translation>无法接管剪贴板</translation>
    </message>
    <message id="paste.no_window_known">
        <source>no window to paste into is known; the item is on the clipboard</source>
        <translation>不知道要粘贴到哪个窗口；该项目已在剪贴板上</translation>
    </message>
    <message id="paste.window_gone">
        <source>the window to paste into is gone; the item is on the clipboard</source>
        <translation>要粘贴到的窗口已不存在；该项目已在剪贴板上</translation>
    </message>
    <message id="paste.not_activated">
        <source>the window to paste into did not come to the front; the item is on the clipboard</source>
        <translation>要粘贴到的窗口未能切换到前台；该项目已在剪贴板上</translation>
    </message>
    <message id="paste.no_xtest">
        <source>the display does not take synthetic key strokes (XTest); the item is on the clipboard</source>
        <translation>显示服务器不接受模拟按键（XTest）；该项目已在剪贴板上</translation>
    </message>
    <message id="paste.no_virtual_keyboard">
        <source>the compositor offers no virtual keyboard; the item is on the clipboard</source>
        <translation>合成器不提供虚拟键盘；该项目已在剪贴板上</translation>
    </message>
    <message id="paste.key_not_sent">
        <source>the paste key stroke could not be sent; the item is on the clipboard</source>
        <translation>无法发送粘贴按键；该项目已在剪贴板上</translation>
    </message>
    <message id="menu.edit">
        <source>Edit…</source>
        <translation>编辑…</translation>
    </message>
    <message id="menu.undo_replace">
        <source>Undo Replace</source>
        <translation>撤销替换</translation>
    </message>
    <message id="editor.save">
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message id="editor.replace">
        <source>Replace</source>
        <translation>替换</translation>
    </message>
    <message id="editor.hint">
        <source>%1 saves the text as a new item, %2 replaces the original, %3 cancels.</source>
        <translation>%1 将文本保存为新条目，%2 替换原条目，%3 取消。</translation>
    </message>
    <message id="editor.formatting_dropped">
        <source>This item has formatting. It is edited as plain text, and the formatting is not kept.</source>
        <translation>此条目带有格式。它将作为纯文本编辑，格式不会保留。</translation>
    </message>
    <message id="editor.empty">
        <source>An empty text cannot be saved.</source>
        <translation>不能保存空文本。</translation>
    </message>
    <message id="editor.original_gone">
        <source>The original item is no longer in the history, so it cannot be replaced. Save keeps the text as a new item.</source>
        <translation>原条目已不在历史记录中，因此无法替换。“保存”会将文本保留为新条目。</translation>
    </message>
    <message id="editor.not_stored">
        <source>The text could not be stored. It is still here, so you can try again.</source>
        <translation>无法存储该文本。文本仍保留在此处，您可以重试。</translation>
    </message>
    <message id="editor.secret_not_recorded">
        <source>This text looks like a secret, and secrets are not recorded (see Preferences). Nothing was saved.</source>
        <translation>此文本看起来像机密信息，而机密信息不会被记录（请参阅首选项）。未保存任何内容。</translation>
    </message>
    <message id="editor.not_editable">
        <source>Only text can be edited, not images, files or hidden secrets.</source>
        <translation>只能编辑文本，不能编辑图像、文件或隐藏的机密信息。</translation>
    </message>
    <message id="editor.too_long">
        <source>This text is too long to edit here (more than %1 characters).</source>
        <translation>此文本过长，无法在此编辑（超过 %1 个字符）。</translation>
    </message>
</context>
</TS>
