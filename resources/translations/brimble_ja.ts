<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name></name>
    <message id="general.reset">
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message id="general.click_to_record">
        <source>Click To Record</source>
        <translation>クリックして記録</translation>
    </message>
    <message id="general.filter_type">
        <source>Type</source>
        <translation>種類</translation>
    </message>
    <message id="preferences.general">
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message id="preferences.key_bindings">
        <source>Key Bindings</source>
        <translation>キー割り当て</translation>
    </message>
    <message id="preferences.rules">
        <source>Rules</source>
        <translation>ルール</translation>
    </message>
    <message id="preferences.launch_at_login">
        <source>Start Brimble when I &amp;log in</source>
        <translation>ログイン時に Brimble を起動する(&amp;L)</translation>
    </message>
    <message id="preferences.auto_paste">
        <source>Paste chosen items into the window in front</source>
        <translation>選択した項目を最前面のウィンドウに貼り付ける</translation>
    </message>
    <message id="preferences.auto_paste_without_xtest">
        <source>This display offers no key synthesis (XTEST), so chosen items are only put on the clipboard: press Ctrl+V to paste them.</source>
        <translation>このディスプレイはキー入力の合成 (XTEST) に対応していないため、選択した項目はクリップボードに置かれるだけです。Ctrl+V を押して貼り付けてください。</translation>
    </message>
    <message id="preferences.auto_paste_without_virtual_keyboard">
        <source>This compositor offers no virtual keyboard, so chosen items are only put on the clipboard: press Ctrl+V to paste them.</source>
        <translation>このコンポジターは仮想キーボードを提供していないため、選択した項目はクリップボードに置かれるだけです。Ctrl+V を押して貼り付けてください。</translation>
    </message>
    <message id="preferences.auto_paste_on_wayland">
        <source>On Wayland, Brimble pastes by itself into X11 windows only. In other windows the chosen item is on the clipboard: press Ctrl+V to paste it.</source>
        <translation>Wayland では、Brimble が自動で貼り付けられるのは X11 ウィンドウだけです。ほかのウィンドウでは選択した項目がクリップボードにあるので、Ctrl+V を押して貼り付けてください。</translation>
    </message>
    <message id="preferences.paste_as_plain_text">
        <source>Always paste as plain text</source>
        <translation>常にプレーンテキストとして貼り付ける</translation>
    </message>
    <message id="preferences.delete_after_pasted">
        <source>Delete items from the history once pasted</source>
        <translation>貼り付けた項目を履歴から削除する</translation>
    </message>
    <message id="preferences.move_used_item_to_first">
        <source>Move pasted items to the top</source>
        <translation>貼り付けた項目を先頭に移動する</translation>
    </message>
    <message id="preferences.preview_links">
        <source>Preview links</source>
        <translation>リンクをプレビューする</translation>
    </message>
    <message id="preferences.load_link_previews">
        <source>Load link previews without asking (the site sees a visit)</source>
        <translation>確認せずにリンクのプレビューを読み込む (サイトには訪問として記録されます)</translation>
    </message>
    <message id="preferences.show_tray_icon">
        <source>Show the icon in the system tray</source>
        <translation>システムトレイにアイコンを表示する</translation>
    </message>
    <message id="preferences.send_crash_reports">
        <source>Send crash reports automatically</source>
        <translation>クラッシュレポートを自動的に送信する</translation>
    </message>
    <message id="preferences.keep_history">
        <source>&amp;Keep the clipboard history for</source>
        <translation>クリップボード履歴の保存期間(&amp;K)</translation>
    </message>
    <message id="preferences.one_day">
        <source>1 day</source>
        <translation>1 日</translation>
    </message>
    <message id="preferences.seven_days">
        <source>7 days</source>
        <translation>7 日</translation>
    </message>
    <message id="preferences.thirty_days">
        <source>30 days</source>
        <translation>30 日</translation>
    </message>
    <message id="preferences.forever">
        <source>Forever</source>
        <translation>無期限</translation>
    </message>
    <message id="preferences.show_quick_search_window">
        <source>Show the clipboard history</source>
        <translation>クリップボード履歴を表示</translation>
    </message>
    <message id="preferences.quick_paste_modifier">
        <source>Quick paste, with 1 to 0</source>
        <translation>クイック貼り付け (1〜0 と併用)</translation>
    </message>
    <message id="preferences.plain_text_modifier">
        <source>Paste as plain text, with Return</source>
        <translation>プレーンテキストで貼り付け (Return と併用)</translation>
    </message>
    <message id="preferences.switch_clipboard_modifier">
        <source>Switch clipboard, with Tab</source>
        <translation>クリップボードの切り替え (Tab と併用)</translation>
    </message>
    <message id="preferences.modifiers_collide">
        <source>Quick paste and plain-text paste use the same keys, so every quick paste comes out as plain text.</source>
        <translation>クイック貼り付けとプレーンテキスト貼り付けが同じキーを使っているため、クイック貼り付けはすべてプレーンテキストになります。</translation>
    </message>
    <message id="preferences.shortcut_needs_modifier">
        <source>A shortcut needs Ctrl, Alt or Super (Shift alone only with F1 to F20).</source>
        <translation>ショートカットには Ctrl、Alt、Super のいずれかが必要です (Shift のみは F1〜F20 に限り使用できます)。</translation>
    </message>
    <message id="preferences.desktop_shortcut_asking">
        <source>Asking the desktop to bind the shortcut…</source>
        <translation>デスクトップにショートカットの割り当てを要求しています…</translation>
    </message>
    <message id="preferences.desktop_shortcut_bound">
        <source>The desktop shows the history with: %1</source>
        <translation>デスクトップで履歴を表示するキー: %1</translation>
    </message>
    <message id="preferences.desktop_shortcut_no_keys">
        <source>The desktop has not assigned keys to the shortcut yet.</source>
        <translation>デスクトップはまだこのショートカットにキーを割り当てていません。</translation>
    </message>
    <message id="preferences.desktop_shortcut_change">
        <source>Change…</source>
        <translation>変更…</translation>
    </message>
    <message id="preferences.desktop_shortcut_declined">
        <source>Binding the shortcut through the desktop was declined.</source>
        <translation>デスクトップによるショートカットの割り当ては拒否されました。</translation>
    </message>
    <message id="preferences.desktop_shortcut_no_portal">
        <source>This desktop binds no global shortcuts for applications (it offers no shortcuts portal).</source>
        <translation>このデスクトップはアプリケーション用のグローバルショートカットを割り当てません (ショートカットのポータルがありません)。</translation>
    </message>
    <message id="preferences.desktop_shortcut_x11_only">
        <source>The shortcut above works only while an X11 window is in front.</source>
        <translation>上のショートカットは、X11 ウィンドウが最前面にあるときだけ機能します。</translation>
    </message>
    <message id="preferences.gnome_add_shortcut">
        <source>Add to GNOME Keyboard Shortcuts…</source>
        <translation>GNOME のキーボードショートカットに追加…</translation>
    </message>
    <message id="preferences.gnome_add_shortcut_confirm">
        <source>Add a GNOME keyboard shortcut that runs “brimble toggle” on %1?</source>
        <translation>%1 で「brimble toggle」を実行する GNOME のキーボードショートカットを追加しますか?</translation>
    </message>
    <message id="preferences.gnome_add_shortcut_explained">
        <source>It appears in GNOME Settings, Keyboard, Custom Shortcuts, where you can change or remove it.</source>
        <translation>GNOME の「設定」→「キーボード」→「カスタムショートカット」に表示され、そこで変更や削除ができます。</translation>
    </message>
    <message id="preferences.gnome_shortcut_added">
        <source>GNOME runs “brimble toggle” on %1.</source>
        <translation>GNOME は %1 で「brimble toggle」を実行します。</translation>
    </message>
    <message id="preferences.gnome_shortcut_failed">
        <source>The GNOME shortcut could not be added: %1</source>
        <translation>GNOME のショートカットを追加できませんでした: %1</translation>
    </message>
    <message id="preferences.configuration_line">
        <source>Add this line to your compositor's configuration:</source>
        <translation>次の行をコンポジターの設定に追加してください:</translation>
    </message>
    <message id="preferences.other_desktop_shortcut">
        <source>Bind the command “brimble toggle” to a key in your desktop's keyboard settings.</source>
        <translation>デスクトップのキーボード設定で、コマンド「brimble toggle」をキーに割り当ててください。</translation>
    </message>
    <message id="preferences.copy_line">
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message id="alert.pasted_by_hand">
        <source>Not pasted by itself: the item is on the clipboard, press Ctrl+V to paste it.</source>
        <translation>自動では貼り付けられませんでした。項目はクリップボードにあるので、Ctrl+V を押して貼り付けてください。</translation>
    </message>
    <message id="preferences.shortcut_refused">
        <source>%1 cannot be used: %2. The shortcut stays %3.</source>
        <translation>%1 は使用できません: %2。ショートカットは %3 のままです。</translation>
    </message>
    <message id="preferences.no_shortcut">
        <source>none</source>
        <translation>なし</translation>
    </message>
    <message id="preferences.ignored_apps_explained">
        <source>Copies made in these applications are never recorded.</source>
        <translation>これらのアプリケーションでのコピーは一切記録されません。</translation>
    </message>
    <message id="preferences.add_applications">
        <source>&amp;Add…</source>
        <translation>追加(&amp;A)…</translation>
    </message>
    <message id="preferences.remove_applications">
        <source>&amp;Remove</source>
        <translation>削除(&amp;R)</translation>
    </message>
    <message id="preferences.choose_applications">
        <source>Choose Applications to Ignore</source>
        <translation>無視するアプリケーションを選択</translation>
    </message>
    <message id="preferences.desktop_entries">
        <source>Applications (*.desktop)</source>
        <translation>アプリケーション (*.desktop)</translation>
    </message>
    <message id="menu.quit">
        <source>Quit</source>
        <translation>終了</translation>
    </message>
    <message id="menu.preferences">
        <source>Preferences</source>
        <translation>設定</translation>
    </message>
    <message id="menu.about">
        <source>About</source>
        <translation>Brimble について</translation>
    </message>
    <message id="menu.rename">
        <source>Rename</source>
        <translation>名前を変更</translation>
    </message>
    <message id="menu.clear_all_history">
        <source>Clear All History</source>
        <translation>すべての履歴を消去</translation>
    </message>
    <message id="menu.delete">
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message id="menu.paste">
        <source>Paste</source>
        <translation>貼り付け</translation>
    </message>
    <message id="menu.paste_as_plain_text">
        <source>Paste as Plain Text</source>
        <translation>プレーンテキストとして貼り付け</translation>
    </message>
    <message id="menu.cut">
        <source>Cut</source>
        <translation>切り取り</translation>
    </message>
    <message id="menu.copy">
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message id="menu.move_to">
        <source>Move to</source>
        <translation>移動先</translation>
    </message>
    <message id="menu.add_new_clip_board">
        <source>Add New Clipboard</source>
        <translation>新しいクリップボードを追加</translation>
    </message>
    <message id="menu.move_to_first">
        <source>Move to First</source>
        <translation>先頭に移動</translation>
    </message>
    <message id="menu.save_to_file">
        <source>Save to File</source>
        <translation>ファイルに保存</translation>
    </message>
    <message id="menu.open">
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message id="menu.quick_look">
        <source>Quick Look</source>
        <translation>クイックルック</translation>
    </message>
    <message id="menu.show_in_finder">
        <source>Show in Folder</source>
        <translation>フォルダーで表示</translation>
    </message>
    <message id="menu.pause_recording">
        <source>Pause Recording</source>
        <translation>記録を一時停止</translation>
    </message>
    <message id="menu.continue_recording">
        <source>Continue Recording</source>
        <translation>記録を再開</translation>
    </message>
    <message id="menu.open_in_browser">
        <source>Open in Browser</source>
        <translation>ブラウザーで開く</translation>
    </message>
    <message id="menu.help">
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message id="menu.check_for_updates">
        <source>Check for Updates</source>
        <translation>更新を確認</translation>
    </message>
    <message id="menu.show_clipboard_history">
        <source>Show Clipboard History</source>
        <translation>クリップボード履歴を表示</translation>
    </message>
    <message id="menu.undo">
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message id="menu.undo_delete">
        <source>Undo Delete</source>
        <translation>削除を元に戻す</translation>
    </message>
    <message id="menu.undo_cut">
        <source>Undo Cut</source>
        <translation>切り取りを元に戻す</translation>
    </message>
    <message id="menu.undo_clear_all_history">
        <source>Undo Clear All History</source>
        <translation>すべての履歴の消去を元に戻す</translation>
    </message>
    <message id="menu.undo_move">
        <source>Undo Move</source>
        <translation>移動を元に戻す</translation>
    </message>
    <message id="menu.undo_delete_clipboard">
        <source>Undo Delete Clipboard</source>
        <translation>クリップボードの削除を元に戻す</translation>
    </message>
    <message id="quick_view.search">
        <source>Search</source>
        <translation>検索</translation>
    </message>
    <message id="quick_view.unnamed">
        <source>UnNamed</source>
        <translation>名称未設定</translation>
    </message>
    <message id="quick_view.empty">
        <source>It's Empty</source>
        <translation>何もありません</translation>
    </message>
    <message id="quick_view.clipboard_history">
        <source>Clipboard History</source>
        <translation>クリップボード履歴</translation>
    </message>
    <message id="quick_view.n_records">
        <source>%1 records</source>
        <translation>%1 件</translation>
    </message>
    <message id="quick_view.text_cut">
        <source>Showing the first %1 of %2 characters.</source>
        <translation>%2 文字のうち最初の %1 文字を表示しています。</translation>
    </message>
    <message id="quick_view.unknown_application">
        <source>Unknown application</source>
        <translation>不明なアプリケーション</translation>
    </message>
    <message id="quick_view.bad_type_clause">
        <source>&quot;%1&quot; names no type; type: takes %2</source>
        <translation>&quot;%1&quot; は種類の名前ではありません。type: に指定できるのは %2 です</translation>
    </message>
    <message id="link_preview.load">
        <source>Load Preview</source>
        <translation>プレビューを読み込む</translation>
    </message>
    <message id="link_preview.not_web">
        <source>Only web pages (http and https) are previewed.</source>
        <translation>プレビューできるのはウェブページ (http と https) だけです。</translation>
    </message>
    <message id="link_preview.credentials">
        <source>Not previewed: the link carries a user name or password.</source>
        <translation>プレビューしません: リンクにユーザー名またはパスワードが含まれています。</translation>
    </message>
    <message id="link_preview.local_host">
        <source>Not previewed: the link leads to this computer or the local network.</source>
        <translation>プレビューしません: リンクの行き先がこのコンピューターかローカルネットワークです。</translation>
    </message>
    <message id="link_preview.as_root">
        <source>Not previewed: the web view does not run as root.</source>
        <translation>プレビューしません: ウェブビューは root では動作しません。</translation>
    </message>
    <message id="link_preview.host_not_found">
        <source>The page could not be loaded: its host was not found.</source>
        <translation>ページを読み込めませんでした: ホストが見つかりません。</translation>
    </message>
    <message id="link_preview.failed">
        <source>The page could not be loaded: %1</source>
        <translation>ページを読み込めませんでした: %1</translation>
    </message>
    <message id="link_preview.stopped">
        <source>The page stopped unexpectedly.</source>
        <translation>ページが予期せず停止しました。</translation>
    </message>
    <message id="quick_view.no_matches">
        <source>No matches</source>
        <translation>一致する項目はありません</translation>
    </message>
    <message id="quick_view.n_selected">
        <source>%1 selected</source>
        <translation>%1 件選択</translation>
    </message>
    <message id="pasteboard.unknown_type">
        <source>Unknown</source>
        <translation>不明</translation>
    </message>
    <message id="pasteboard.text_type">
        <source>Text</source>
        <translation>テキスト</translation>
    </message>
    <message id="pasteboard.rich_text_type">
        <source>Rich Text</source>
        <translation>リッチテキスト</translation>
    </message>
    <message id="pasteboard.plain_text_type">
        <source>Plain Text</source>
        <translation>プレーンテキスト</translation>
    </message>
    <message id="pasteboard.image_type">
        <source>Image</source>
        <translation>画像</translation>
    </message>
    <message id="pasteboard.file_type">
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message id="pasteboard.link_type">
        <source>Link</source>
        <translation>リンク</translation>
    </message>
    <message id="pasteboard.color_type">
        <source>Color</source>
        <translation>色</translation>
    </message>
    <message id="alert.confirm">
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message id="alert.cancel">
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message id="alert.alert">
        <source>Alert</source>
        <translation>警告</translation>
    </message>
    <message id="alert.save_to_file_failed">
        <source>Save to file failed!</source>
        <translation>ファイルに保存できませんでした!</translation>
    </message>
    <message id="alert.delete">
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message id="alert.reduce_history_capacity">
        <source>Reduce history capacity!</source>
        <translation>履歴の保存期間を短くします!</translation>
    </message>
    <message id="alert.this_action_can_not_be_undo">
        <source>This cannot be undone.</source>
        <translation>この操作は元に戻せません。</translation>
    </message>
    <message id="alert.confirm_clear_clipboard">
        <source>Clear all history of “%1”?</source>
        <translation>「%1」の履歴をすべて消去しますか?</translation>
    </message>
    <message id="alert.confirm_delete_clipboard">
        <source>Delete the clipboard “%1” and its history?</source>
        <translation>クリップボード「%1」とその履歴を削除しますか?</translation>
    </message>
    <message id="alert.items_to_delete">
        <source>Items to delete: %1.</source>
        <translation>削除する項目: %1 件。</translation>
    </message>
    <message id="alert.undo_while_running">
        <source>You can undo this with Ctrl+Z while Brimble runs.</source>
        <translation>Brimble の実行中は、Ctrl+Z でこの操作を元に戻せます。</translation>
    </message>
    <message id="alert.too_large_to_copy">
        <source>The selected items hold %1 MB together, more than the %2 MB that can be copied or pasted at once. Select fewer items.</source>
        <translation>選択した項目は合計 %1 MB あり、一度にコピーまたは貼り付けできる %2 MB を超えています。選択する項目を減らしてください。</translation>
    </message>
    <message id="alert.do_not_show_this_to_me_again">
        <source>Don't show this to me again</source>
        <translation>今後このメッセージを表示しない</translation>
    </message>
    <message id="alert.turn_on_accessibility_message">
        <source>Brimble can only paste automatically into X11 windows, and this window is not one. The item is on the clipboard: press Ctrl+V to paste it.</source>
        <translation>Brimble が自動で貼り付けられるのは X11 ウィンドウだけですが、このウィンドウは X11 ウィンドウではありません。項目はクリップボードにあるので、Ctrl+V を押して貼り付けてください。</translation>
    </message>
    <message id="alert.turn_on_accessibility">
        <source>Turn On Accessibility</source>
        <translation>アクセシビリティを有効にする</translation>
    </message>
    <message id="alert.not_now">
        <source>Not Now</source>
        <translation>後で</translation>
    </message>
    <message id="alert.learn_more">
        <source>Learn More</source>
        <translation>詳細</translation>
    </message>
    <message id="alert.crash_title">
        <source>Sorry about that!</source>
        <translation>申し訳ありません</translation>
    </message>
    <message id="alert.crash_message">
        <source>Brimble stopped unexpectedly the last time it ran. Do you want to send an anonymous crash report so that the problem can be fixed?</source>
        <translation>Brimble は前回の実行時に予期せず終了しました。問題の修正に役立てるため、匿名のクラッシュレポートを送信しますか?</translation>
    </message>
    <message id="alert.always_send">
        <source>Always Send</source>
        <translation>常に送信</translation>
    </message>
    <message id="alert.send">
        <source>Send</source>
        <translation>送信</translation>
    </message>
    <message id="alert.do_not_send">
        <source>Don't Send</source>
        <translation>送信しない</translation>
    </message>
    <message id="Could not save changes while quitting. Quit anyway?">
        <source>Could not save changes while quitting. Quit anyway?</source>
        <translation>終了時に変更を保存できませんでした。それでも終了しますか?</translation>
    </message>
    <message id="Quitting now will lose any changes you have made since the last successful save">
        <source>Quitting now will lose any changes you have made since the last successful save</source>
        <translation>今終了すると、最後に保存に成功してから行った変更はすべて失われます</translation>
    </message>
    <message id="Quit anyway">
        <source>Quit anyway</source>
        <translation>それでも終了</translation>
    </message>
    <message id="Cancel">
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message id="date.unknow_date">
        <source>Unknown date</source>
        <translation>日付不明</translation>
    </message>
    <message id="date.just_now">
        <source>Just now</source>
        <translation>たった今</translation>
    </message>
    <message id="date.yesterday">
        <source>Yesterday</source>
        <translation>昨日</translation>
    </message>
    <message id="alert.open_failed">
        <source>Brimble could not open %1: %2</source>
        <translation>Brimble は %1 を開けませんでした: %2</translation>
    </message>
    <message id="alert.setting_not_saved">
        <source>The setting was not saved, because %1 cannot be written. It is back to what it was.</source>
        <translation>%1 に書き込めないため、設定は保存されませんでした。設定は元の値に戻っています。</translation>
    </message>
    <message id="alert.hot_key_refused">
        <source>The shortcut %1 is not available (%2). Choose another one in Preferences, or bind the command &quot;brimble toggle&quot; in your desktop&apos;s keyboard settings.</source>
        <translation>ショートカット %1 は使用できません (%2)。設定で別のショートカットを選ぶか、デスクトップのキーボード設定でコマンド &quot;brimble toggle&quot; を割り当ててください。</translation>
    </message>
    <message id="alert.history_disk_full">
        <source>There is no room left on the disk for your clipboard history (%1). New copies are kept in memory until there is; free some space so that they are not lost.</source>
        <translation>ディスクにクリップボード履歴を保存する空き容量がありません (%1)。空きができるまで、新しいコピーはメモリーに保持されます。失われないように空き容量を確保してください。</translation>
    </message>
    <message id="alert.history_recording_again">
        <source>There is room for your clipboard history again: copies are recorded, and the %1 made meanwhile are stored.</source>
        <translation>クリップボード履歴の空き容量が戻りました。コピーは再び記録され、その間の %1 件のコピーも保存されました。</translation>
    </message>
    <message id="alert.history_copies_lost">
        <source>%1 copies made while the disk was full could not be kept.</source>
        <translation>ディスクがいっぱいの間にコピーされた %1 件は保持できませんでした。</translation>
    </message>
    <message id="format.files">
        <source>files</source>
        <translation>個のファイル</translation>
    </message>
    <message id="format.chars">
        <source>chars</source>
        <translation>文字</translation>
    </message>
    <message id="update.available">
        <source>Brimble %1 is available</source>
        <translation>Brimble %1 が利用可能です</translation>
    </message>
    <message id="update.available_message">
        <source>You have version %1.</source>
        <translation>現在のバージョンは %1 です。</translation>
    </message>
    <message id="update.download_page">
        <source>Download Page</source>
        <translation>ダウンロードページ</translation>
    </message>
    <message id="update.later">
        <source>Later</source>
        <translation>後で</translation>
    </message>
    <message id="update.up_to_date">
        <source>Brimble is up to date</source>
        <translation>Brimble は最新です</translation>
    </message>
    <message id="update.up_to_date_message">
        <source>Version %1 is the newest version.</source>
        <translation>バージョン %1 が最新のバージョンです。</translation>
    </message>
    <message id="update.failed">
        <source>The update check failed</source>
        <translation>更新の確認に失敗しました</translation>
    </message>
    <message id="queue.paste_in_sequence">
        <source>Paste in Sequence</source>
        <translation>順番に貼り付け</translation>
    </message>
    <message id="queue.clear">
        <source>Clear Paste Queue</source>
        <translation>貼り付けキューを消去</translation>
    </message>
    <message id="queue.active">
        <source>Paste queue: %1 of %2 pasted, next: %3</source>
        <translation>貼り付けキュー: %2 件中 %1 件貼り付け済み、次: %3</translation>
    </message>
    <message id="queue.untitled_item">
        <source>item %1 (%2)</source>
        <translation>%1 番目の項目 (%2)</translation>
    </message>
    <message id="queue.finished">
        <source>Paste queue done: all %1 items pasted</source>
        <translation>貼り付けキュー完了: %1 件すべて貼り付けました</translation>
    </message>
    <message id="queue.interrupted">
        <source>Paste queue ended by a new copy: %1 of %2 pasted</source>
        <translation>新しいコピーで貼り付けキューが終了しました: %2 件中 %1 件貼り付け済み</translation>
    </message>
    <message id="queue.cleared">
        <source>Paste queue cleared: %1 of %2 pasted</source>
        <translation>貼り付けキューを消去しました: %2 件中 %1 件貼り付け済み</translation>
    </message>
    <message id="queue.failed">
        <source>Paste queue ended: %1</source>
        <translation>貼り付けキューが終了しました: %1</translation>
    </message>
    <message id="queue.escape_clears">
        <source>Esc clears it</source>
        <translation>Esc で消去</translation>
    </message>
    <message id="quick_view.secret_mask">
        <source>Secret · %1 · %2 characters</source>
        <translation>シークレット · %1 · %2 文字</translation>
    </message>
    <message id="quick_view.secret_reveal_hint">
        <source>Click or press Space to show it</source>
        <translation>クリックするか Space キーを押すと表示します</translation>
    </message>
    <message id="quick_view.secret_reveal">
        <source>Show Secret</source>
        <translation>シークレットを表示</translation>
    </message>
    <message id="secret.private_key">
        <source>private key</source>
        <translation>秘密鍵</translation>
    </message>
    <message id="secret.web_token">
        <source>web token</source>
        <translation>Web トークン</translation>
    </message>
    <message id="secret.cloud_key">
        <source>cloud access key</source>
        <translation>クラウドのアクセスキー</translation>
    </message>
    <message id="secret.access_token">
        <source>access token</source>
        <translation>アクセストークン</translation>
    </message>
    <message id="secret.bot_token">
        <source>bot token</source>
        <translation>ボットトークン</translation>
    </message>
    <message id="secret.payment_key">
        <source>payment key</source>
        <translation>決済キー</translation>
    </message>
    <message id="secret.card_number">
        <source>card number</source>
        <translation>カード番号</translation>
    </message>
    <message id="preferences.secrets">
        <source>Secrets:</source>
        <translation>シークレット:</translation>
    </message>
    <message id="preferences.secrets_note">
        <source>Keys, tokens and card numbers are shown masked until revealed.</source>
        <translation>キー、トークン、カード番号は、表示操作をするまでマスクされます。</translation>
    </message>
    <message id="preferences.secret_never_record">
        <source>Never record</source>
        <translation>記録しない</translation>
    </message>
    <message id="preferences.secret_minute">
        <source>Remove after 1 minute</source>
        <translation>1 分後に削除</translation>
    </message>
    <message id="preferences.secret_ten_minutes">
        <source>Remove after 10 minutes</source>
        <translation>10 分後に削除</translation>
    </message>
    <message id="preferences.secret_hour">
        <source>Remove after 1 hour</source>
        <translation>1 時間後に削除</translation>
    </message>
    <message id="preferences.secret_day">
        <source>Remove after 1 day</source>
        <translation>1 日後に削除</translation>
    </message>
    <message id="preferences.secret_keep">
        <source>Keep</source>
        <translation>保持</translation>
    </message>
    <message id="preferences.read_image_text">
        <source>Find copied images by their text (read on this computer)</source>
        <translation>コピーした画像を中の文字で検索する (このコンピューター上で読み取り)</translation>
    </message>
    <message id="preferences.image_text_language">
        <source>Language of the text:</source>
        <translation>文字の言語:</translation>
    </message>
    <message id="help.title">
        <source>Brimble Help</source>
        <translation>Brimble ヘルプ</translation>
    </message>
    <message id="help.back">
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message id="help.forward">
        <source>Forward</source>
        <translation>進む</translation>
    </message>
    <message id="help.contents">
        <source>Contents</source>
        <translation>目次</translation>
    </message>
    <message id="help.auto_paste_title">
        <source>Automatic Paste Unavailable</source>
        <translation>自動貼り付けを利用できません</translation>
    </message>
    <message id="about.title">
        <source>About Brimble</source>
        <translation>Brimble について</translation>
    </message>
    <message id="about.description">
        <source>Clipboard history with a quick search window</source>
        <translation>クイック検索ウィンドウ付きのクリップボード履歴</translation>
    </message>
    <message id="about.licence">
        <source>Licence: none published yet. All rights reserved by the Brimble developers.</source>
        <translation>ライセンス: まだ公開されていません。すべての権利は Brimble の開発者に帰属します。</translation>
    </message>
    <message id="about.libraries">
        <source>Libraries:</source>
        <translation>ライブラリ:</translation>
    </message>
    <message id="about.history">
        <source>History:</source>
        <translation>履歴:</translation>
    </message>
    <message id="about.logs">
        <source>Logs:</source>
        <translation>ログ:</translation>
    </message>
    <message id="about.copied">
        <source>Copied</source>
        <translation>コピーしました</translation>
    </message>
    <message id="about.close">
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message id="about.built_with">
        <source>built with %1</source>
        <translation>ビルド時 %1</translation>
    </message>
    <message id="archive.export_history">
        <source>Export History…</source>
        <translation>履歴をエクスポート…</translation>
    </message>
    <message id="archive.import_history">
        <source>Import History…</source>
        <translation>履歴をインポート…</translation>
    </message>
    <message id="archive.export_title">
        <source>Export History</source>
        <translation>履歴のエクスポート</translation>
    </message>
    <message id="archive.import_title">
        <source>Import History</source>
        <translation>履歴のインポート</translation>
    </message>
    <message id="archive.exists">
        <source>%1 already exists; choose another name.</source>
        <translation>%1 はすでに存在します。別の名前を選んでください。</translation>
    </message>
    <message id="archive.cannot_write">
        <source>Could not write %1: %2</source>
        <translation>%1 に書き込めませんでした: %2</translation>
    </message>
    <message id="archive.cannot_open">
        <source>Could not open %1: %2</source>
        <translation>%1 を開けませんでした: %2</translation>
    </message>
    <message id="archive.not_archive">
        <source>%1 is not a Brimble history export. Nothing was imported.</source>
        <translation>%1 は Brimble がエクスポートした履歴ではありません。何もインポートしていません。</translation>
    </message>
    <message id="archive.newer">
        <source>%1 was written by a newer Brimble (format %2). Nothing was imported.</source>
        <translation>%1 は新しいバージョンの Brimble で書き込まれています (形式 %2)。何もインポートしていません。</translation>
    </message>
    <message id="archive.damaged">
        <source>%1 is damaged or was altered (%2). Nothing was imported.</source>
        <translation>%1 は破損しているか、変更されています (%2)。何もインポートしていません。</translation>
    </message>
    <message id="archive.store_failed">
        <source>The history could not be written (%1). Nothing was imported.</source>
        <translation>履歴に書き込めませんでした (%1)。何もインポートしていません。</translation>
    </message>
    <message id="archive.exported">
        <source>Items exported: %1 (clipboards: %2).</source>
        <translation>エクスポートした項目: %1 件 (クリップボード: %2 個)。</translation>
    </message>
    <message id="archive.secrets_left_out">
        <source>Secrets left out: %1.</source>
        <translation>除外したシークレット: %1 件。</translation>
    </message>
    <message id="archive.imported">
        <source>Items added: %1. Already present, skipped: %2. Clipboards created: %3.</source>
        <translation>追加した項目: %1 件。既存のためスキップ: %2 件。作成したクリップボード: %3 個。</translation>
    </message>
    <message id="cli.help.usage">
        <source>Usage: brimble [VERB [ARGUMENTS]]</source>
        <translation>使い方: brimble [コマンド [引数]]</translation>
    </message>
    <message id="cli.help.without_verb">
        <source>Without a verb, starts Brimble (or shows the running one).</source>
        <translation>コマンドを指定しないと Brimble を起動します (実行中ならそれを表示します)。</translation>
    </message>
    <message id="cli.help.verbs">
        <source>Verbs:</source>
        <translation>コマンド:</translation>
    </message>
    <message id="cli.help.notes">
        <source>ITEM is a uuid or a position in the listed order (1 is the newest). NAME is a clipboard&apos;s title, or its uuid (`clipboards --json` shows them) where titles repeat. Lines of `list` and `search`: position, age, type (as type: names it), first line of text with control characters shown as escapes. A secret (a key, a token, a card number) shows its kind and length instead of its text unless --reveal is given. `search` also finds images by the text Brimble has read in them.</source>
        <translation>ITEM は uuid か、一覧の順番での位置です (1 が最新)。NAME はクリップボードのタイトルで、タイトルが重複する場合はその uuid です (`clipboards --json` で確認できます)。`list` と `search` の各行は、位置、経過時間、種類 (type: で使う名前)、テキストの 1 行目で、制御文字はエスケープ表記で表示されます。シークレット (鍵、トークン、カード番号) は、--reveal を指定しない限り、テキストの代わりに種類と長さを表示します。`search` は、Brimble が画像から読み取ったテキストで画像も検索します。</translation>
    </message>
    <message id="cli.help.options">
        <source>Options:</source>
        <translation>オプション:</translation>
    </message>
    <message id="cli.help.environment">
        <source>Environment:</source>
        <translation>環境変数:</translation>
    </message>
    <message id="cli.help.platform">
        <source>the clipboard backend; by default native Wayland when the compositor offers data control, else X11 (the log names the one in use)</source>
        <translation>クリップボードのバックエンド。既定では、コンポジターがデータコントロール (data control) に対応していればネイティブの Wayland、そうでなければ X11 を使います (使用中のものはログに記録されます)</translation>
    </message>
    <message id="cli.help.exit_status">
        <source>Exit status: 0 done, 1 request failed, 2 usage error, 3 Brimble is not running, 4 the history cannot be read, 5 Brimble is busy (try again), 6 paste only copied (automatic paste is off), 7 no display (Brimble itself).</source>
        <translation>終了ステータス: 0 完了、1 要求の失敗、2 使い方の誤り、3 Brimble が実行されていない、4 履歴を読み取れない、5 Brimble がビジー (再試行してください)、6 paste はコピーのみ (自動貼り付けがオフ)、7 ディスプレイがない (Brimble 本体)。</translation>
    </message>
    <message id="cli.verb.list">
        <source>the history, newest first</source>
        <translation>履歴 (新しい順)</translation>
    </message>
    <message id="cli.verb.search">
        <source>items matching QUERY; type:image,link clauses narrow by type</source>
        <translation>QUERY に一致する項目。type:image,link のような条件で種類を絞り込めます</translation>
    </message>
    <message id="cli.verb.clipboards">
        <source>the clipboards with their record counts</source>
        <translation>クリップボードとそれぞれの件数</translation>
    </message>
    <message id="cli.verb.copy">
        <source>put an item back on the clipboard</source>
        <translation>項目をクリップボードに戻す</translation>
    </message>
    <message id="cli.verb.paste">
        <source>copy an item and paste it into the active window</source>
        <translation>項目をコピーしてアクティブなウィンドウに貼り付ける</translation>
    </message>
    <message id="cli.verb.pause">
        <source>stop recording copies</source>
        <translation>コピーの記録を一時停止する</translation>
    </message>
    <message id="cli.verb.resume">
        <source>record copies again</source>
        <translation>コピーの記録を再開する</translation>
    </message>
    <message id="cli.verb.toggle">
        <source>show or hide the quick search window</source>
        <translation>クリップボード履歴のウィンドウを表示または非表示にする</translation>
    </message>
    <message id="cli.verb.preferences">
        <source>open the preferences window</source>
        <translation>設定ウィンドウを開く</translation>
    </message>
    <message id="cli.verb.quit">
        <source>end the running Brimble</source>
        <translation>実行中の Brimble を終了する</translation>
    </message>
    <message id="cli.verb.salvage">
        <source>rebuild a damaged history from its readable rows, keeping the damaged file beside it</source>
        <translation>破損した履歴を読み取れる行から再構築する (破損したファイルはそのそばに残します)</translation>
    </message>
    <message id="cli.verb.queue">
        <source>with ITEMs, paste them in this order, one per paste (Ctrl+V) anywhere; clear ends the queue; alone, shows it</source>
        <translation>ITEM を指定すると、どこでも貼り付け (Ctrl+V) 1 回につき 1 件ずつ、この順番で貼り付けます。clear でキューを終了し、何も指定しないとキューを表示します</translation>
    </message>
    <message id="cli.verb.export">
        <source>write the history&apos;s items, with every representation, their dates, clipboards and source applications, to a new FILE (an existing one is never replaced; secrets are left out)</source>
        <translation>履歴の項目を、すべての表現形式、日時、クリップボード、コピー元のアプリケーションとともに新しいファイル FILE に書き出す (既存のファイルは置き換えません。シークレットは含めません)</translation>
    </message>
    <message id="cli.verb.import">
        <source>add the items of an exported FILE to the history, skipping items already there; a damaged or altered FILE is refused and nothing is added</source>
        <translation>エクスポートしたファイル FILE の項目を履歴に追加する (既にある項目はスキップします)。破損または変更された FILE は拒否され、何も追加されません</translation>
    </message>
    <message id="cli.option.help">
        <source>show the help</source>
        <translation>ヘルプを表示する</translation>
    </message>
    <message id="cli.option.version">
        <source>show the version</source>
        <translation>バージョンを表示する</translation>
    </message>
    <message id="cli.option.list_clipboard">
        <source>the clipboard to list, by title or uuid (default: Clipboard History)</source>
        <translation>一覧表示するクリップボード (タイトルまたは uuid で指定、既定: クリップボード履歴)</translation>
    </message>
    <message id="cli.option.limit">
        <source>at most N items</source>
        <translation>最大 N 件</translation>
    </message>
    <message id="cli.option.json">
        <source>one JSON array instead of lines</source>
        <translation>行の代わりに 1 つの JSON 配列で出力</translation>
    </message>
    <message id="cli.option.reveal">
        <source>print secrets&apos; text instead of their kind and length</source>
        <translation>シークレットの種類と長さの代わりにテキストを出力</translation>
    </message>
    <message id="cli.option.search_clipboard">
        <source>the clipboard to search, by title or uuid</source>
        <translation>検索するクリップボード (タイトルまたは uuid で指定)</translation>
    </message>
    <message id="cli.option.plain">
        <source>as plain text</source>
        <translation>プレーンテキストとして</translation>
    </message>
    <message id="cli.option.item_clipboard">
        <source>the clipboard ITEM is counted in, by title or uuid</source>
        <translation>ITEM の位置を数えるクリップボード (タイトルまたは uuid で指定)</translation>
    </message>
    <message id="cli.option.queue_clipboard">
        <source>the clipboard the ITEMs are counted in, by title or uuid</source>
        <translation>各 ITEM の位置を数えるクリップボード (タイトルまたは uuid で指定)</translation>
    </message>
    <message id="cli.option.queue_json">
        <source>the queue as one JSON object</source>
        <translation>キューを 1 つの JSON オブジェクトで出力</translation>
    </message>
    <message id="cli.option.export_clipboard">
        <source>only this clipboard, by title or uuid (default: every clipboard)</source>
        <translation>このクリップボードのみ (タイトルまたは uuid で指定、既定: すべてのクリップボード)</translation>
    </message>
    <message id="cli.unknown_verb">
        <source>unknown verb &quot;%1&quot; (see brimble --help)</source>
        <translation>不明なコマンド「%1」です (brimble --help を参照してください)</translation>
    </message>
    <message id="cli.unknown_option">
        <source>unknown option &quot;%1&quot; (see brimble --help)</source>
        <translation>不明なオプション「%1」です (brimble --help を参照してください)</translation>
    </message>
    <message id="cli.option_not_taken">
        <source>%1 does not take %2 (see brimble --help)</source>
        <translation>%1 に %2 は指定できません (brimble --help を参照してください)</translation>
    </message>
    <message id="cli.needs_value">
        <source>%1 needs a value</source>
        <translation>%1 には値が必要です</translation>
    </message>
    <message id="cli.bad_limit">
        <source>--limit takes a whole number of at least 1, not &quot;%1&quot;</source>
        <translation>--limit には 1 以上の整数を指定してください (「%1」は指定できません)</translation>
    </message>
    <message id="cli.takes_one_item">
        <source>%1 takes one item: a uuid or a position</source>
        <translation>%1 には項目を 1 つ指定してください (uuid または位置)</translation>
    </message>
    <message id="cli.queue_clear_alone">
        <source>queue clear takes no items</source>
        <translation>queue clear に項目は指定できません</translation>
    </message>
    <message id="cli.search_needs_query">
        <source>search needs a query</source>
        <translation>search には検索語が必要です</translation>
    </message>
    <message id="cli.takes_one_file">
        <source>%1 takes one file</source>
        <translation>%1 にはファイルを 1 つ指定してください</translation>
    </message>
    <message id="cli.takes_no_argument">
        <source>%1 takes no argument &quot;%2&quot;</source>
        <translation>%1 に引数「%2」は指定できません</translation>
    </message>
    <message id="cli.history_damaged">
        <source>the history %1 is damaged; quit Brimble (brimble quit) and run &quot;brimble salvage&quot; to rescue what can still be read</source>
        <translation>履歴 %1 は破損しています。Brimble を終了し (brimble quit)、「brimble salvage」を実行して、まだ読み取れる内容を救出してください</translation>
    </message>
    <message id="cli.history_damaged_because">
        <source>the history %1 is damaged (%2); quit Brimble (brimble quit) and run &quot;brimble salvage&quot; to rescue what can still be read</source>
        <translation>履歴 %1 は破損しています (%2)。Brimble を終了し (brimble quit)、「brimble salvage」を実行して、まだ読み取れる内容を救出してください</translation>
    </message>
    <message id="cli.cannot_open_history">
        <source>cannot open the history %1: %2</source>
        <translation>履歴 %1 を開けません: %2</translation>
    </message>
    <message id="cli.salvage_while_running">
        <source>Brimble is running: quit it first (brimble quit), then salvage</source>
        <translation>Brimble が実行中です。先に終了してから (brimble quit)、salvage を実行してください</translation>
    </message>
    <message id="cli.salvaged">
        <source>Salvaged %1
  kept: %2 items, %3 clipboards, %4 ignore rules
  lost: %5 items of which some rows were read, and %6 unreadable stretches of rows
  rebuilt: %7 search texts, and %8 clipboards whose items outlived them (&quot;Recovered clipboard&quot;)
The damaged file is kept as %9</source>
        <translation>救出しました: %1
  保持: 項目 %2 件、クリップボード %3 個、除外ルール %4 件
  消失: 一部の行だけ読み取れた項目 %5 件、読み取れない行の範囲 %6 か所
  再構築: 検索用テキスト %7 件、項目だけが残っていたクリップボード %8 個 (「Recovered clipboard」)
破損したファイルは %9 として保存してあります</translation>
    </message>
    <message id="cli.no_paste_queue">
        <source>No paste queue</source>
        <translation>貼り付けキューはありません</translation>
    </message>
    <message id="cli.not_running">
        <source>Brimble is not running (start it with `brimble`)</source>
        <translation>Brimble は実行されていません (`brimble` で起動してください)</translation>
    </message>
    <message id="cli.busy">
        <source>Brimble is busy and did not take the request; try again in a moment</source>
        <translation>Brimble はビジー状態のため、要求を受け付けませんでした。しばらくしてからもう一度お試しください</translation>
    </message>
    <message id="cli.request_failed">
        <source>the request failed</source>
        <translation>要求が失敗しました</translation>
    </message>
    <message id="cli.unreadable_answer">
        <source>Brimble gave an unreadable answer</source>
        <translation>Brimble から読み取れない応答が返されました</translation>
    </message>
    <message id="cli.copied_not_pasted">
        <source>copied to the clipboard but not pasted: automatic paste is off (Preferences, General)</source>
        <translation>クリップボードにコピーしましたが、貼り付けていません。自動貼り付けがオフです (設定 &gt; 一般)</translation>
    </message>
    <message id="cli.still_starting">
        <source>Brimble is still starting; try again in a moment</source>
        <translation>Brimble はまだ起動中です。しばらくしてからもう一度お試しください</translation>
    </message>
    <message id="cli.quit_not_saved">
        <source>the history could not be saved (see the log); Brimble quits all the same</source>
        <translation>履歴を保存できませんでした (ログを参照してください)。Brimble はそのまま終了します</translation>
    </message>
    <message id="cli.already_running_busy">
        <source>Brimble is already running but busy; try again in a moment</source>
        <translation>Brimble はすでに実行中ですが、ビジー状態です。しばらくしてからもう一度お試しください</translation>
    </message>
    <message id="cli.not_answering">
        <source>another Brimble holds %1 but does not answer</source>
        <translation>別の Brimble が %1 を使用していますが、応答がありません</translation>
    </message>
    <message id="cli.no_display">
        <source>no display to open: DISPLAY is not set, and no Wayland compositor offers clipboard data control</source>
        <translation>開けるディスプレイがありません。DISPLAY が設定されておらず、クリップボードのデータコントロール (data control) に対応した Wayland コンポジターもありません</translation>
    </message>
    <message id="cli.cannot_open_wayland">
        <source>cannot open the Wayland display &quot;%1&quot;</source>
        <translation>Wayland ディスプレイ「%1」を開けません</translation>
    </message>
    <message id="cli.cannot_open_x11">
        <source>cannot open the X display &quot;%1&quot;</source>
        <translation>X ディスプレイ「%1」を開けません</translation>
    </message>
    <message id="cli.cannot_open_database">
        <source>Brimble cannot open its history database.

%1

The file was left as it is. Move it aside to start with an empty history, or restore it from a backup.</source>
        <translation>Brimble は履歴データベースを開けません。

%1

ファイルはそのままにしてあります。空の履歴で始めるにはファイルを別の場所へ移動するか、バックアップから復元してください。</translation>
    </message>
    <message id="history.unreadable">
        <source>the history could not be read (see the log)</source>
        <translation>履歴を読み取れませんでした (ログを参照してください)</translation>
    </message>
    <message id="history.unsearchable">
        <source>the history could not be searched (see the log)</source>
        <translation>履歴を検索できませんでした (ログを参照してください)</translation>
    </message>
    <message id="history.default_clipboard_missing">
        <source>the default clipboard is missing</source>
        <translation>既定のクリップボードがありません</translation>
    </message>
    <message id="history.no_clipboard_named">
        <source>no clipboard named &quot;%1&quot;</source>
        <translation>「%1」という名前のクリップボードはありません</translation>
    </message>
    <message id="history.no_item_with_uuid">
        <source>no item with uuid %1</source>
        <translation>uuid が %1 の項目はありません</translation>
    </message>
    <message id="history.cannot_read">
        <source>cannot read the history: %1</source>
        <translation>履歴を読み取れません: %1</translation>
    </message>
    <message id="history.no_item_at">
        <source>no item %1 in &quot;%2&quot; (it holds %3)</source>
        <translation>「%2」に %1 番目の項目はありません (%3 件あります)</translation>
    </message>
    <message id="history.deleted_meanwhile">
        <source>item %1 was deleted meanwhile</source>
        <translation>項目 %1 はその間に削除されました</translation>
    </message>
    <message id="history.none_yet">
        <source>no history yet</source>
        <translation>履歴はまだありません</translation>
    </message>
    <message id="history.not_regular_file">
        <source>not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message id="history.needs_upgrade">
        <source>its schema (version %1) needs Brimble to upgrade it first</source>
        <translation>スキーマ (バージョン %1) を先に Brimble でアップグレードする必要があります</translation>
    </message>
    <message id="history.none_at">
        <source>there is no history at %1</source>
        <translation>%1 に履歴はありません</translation>
    </message>
    <message id="history.cannot_write">
        <source>cannot write %1: %2</source>
        <translation>%1 に書き込めません: %2</translation>
    </message>
    <message id="history.cannot_move_aside">
        <source>cannot move %1 aside: %2</source>
        <translation>%1 を退避できません: %2</translation>
    </message>
    <message id="history.cannot_put_in_place">
        <source>cannot put the salvaged history in place: %1</source>
        <translation>救出した履歴を元の場所に置けません: %1</translation>
    </message>
    <message id="paste.content_unreadable">
        <source>the item&apos;s content could not be read from the history</source>
        <translation>項目の内容を履歴から読み取れませんでした</translation>
    </message>
    <message id="paste.no_plain_text">
        <source>the item has no plain text; the clipboard was left as it was</source>
        <translation>項目にプレーンテキストがありません。クリップボードはそのままです</translation>
    </message>
    <message id="paste.nothing_to_write">
        <source>nothing to write</source>
        <translation>書き込む内容がありません</translation>
    </message>
    <message id="paste.clipboard_refused">
        <source>the clipboard could not be taken</source>
        <translation>クリップボードを取得できませんでした</translation>
    </message>
    <message id="paste.no_window_known">
        <source>no window to paste into is known; the item is on the clipboard</source>
        <translation>貼り付け先のウィンドウが分かりません。項目はクリップボードにあります</translation>
    </message>
    <message id="paste.window_gone">
        <source>the window to paste into is gone; the item is on the clipboard</source>
        <translation>貼り付け先のウィンドウはもうありません。項目はクリップボードにあります</translation>
    </message>
    <message id="paste.not_activated">
        <source>the window to paste into did not come to the front; the item is on the clipboard</source>
        <translation>貼り付け先のウィンドウが最前面に来ませんでした。項目はクリップボードにあります</translation>
    </message>
    <message id="paste.no_xtest">
        <source>the display does not take synthetic key strokes (XTest); the item is on the clipboard</source>
        <translation>ディスプレイが合成されたキー入力を受け付けません (XTest)。項目はクリップボードにあります</translation>
    </message>
    <message id="paste.no_virtual_keyboard">
        <source>the compositor offers no virtual keyboard; the item is on the clipboard</source>
        <translation>コンポジターが仮想キーボードを提供していません。項目はクリップボードにあります</translation>
    </message>
    <message id="paste.key_not_sent">
        <source>the paste key stroke could not be sent; the item is on the clipboard</source>
        <translation>貼り付けのキー入力を送信できませんでした。項目はクリップボードにあります</translation>
    </message>
    <message id="menu.edit">
        <source>Edit…</source>
        <translation>編集…</translation>
    </message>
    <message id="menu.undo_replace">
        <source>Undo Replace</source>
        <translation>置き換えを元に戻す</translation>
    </message>
    <message id="editor.save">
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message id="editor.replace">
        <source>Replace</source>
        <translation>置き換え</translation>
    </message>
    <message id="editor.hint">
        <source>%1 saves the text as a new item, %2 replaces the original, %3 cancels.</source>
        <translation>%1 でテキストを新しい項目として保存、%2 で元の項目を置き換え、%3 でキャンセルします。</translation>
    </message>
    <message id="editor.formatting_dropped">
        <source>This item has formatting. It is edited as plain text, and the formatting is not kept.</source>
        <translation>この項目には書式があります。プレーンテキストとして編集され、書式は保持されません。</translation>
    </message>
    <message id="editor.empty">
        <source>An empty text cannot be saved.</source>
        <translation>空のテキストは保存できません。</translation>
    </message>
    <message id="editor.original_gone">
        <source>The original item is no longer in the history, so it cannot be replaced. Save keeps the text as a new item.</source>
        <translation>元の項目は履歴にもうないため、置き換えられません。「保存」でテキストを新しい項目として残せます。</translation>
    </message>
    <message id="editor.not_stored">
        <source>The text could not be stored. It is still here, so you can try again.</source>
        <translation>テキストを保存できませんでした。テキストはここに残っているので、もう一度お試しください。</translation>
    </message>
    <message id="editor.secret_not_recorded">
        <source>This text looks like a secret, and secrets are not recorded (see Preferences). Nothing was saved.</source>
        <translation>このテキストはシークレットのようです。シークレットは記録しない設定になっています（「設定」を参照）。何も保存されませんでした。</translation>
    </message>
    <message id="editor.not_editable">
        <source>Only text can be edited, not images, files or hidden secrets.</source>
        <translation>編集できるのはテキストのみです。画像、ファイル、非表示のシークレットは編集できません。</translation>
    </message>
    <message id="editor.too_long">
        <source>This text is too long to edit here (more than %1 characters).</source>
        <translation>このテキストは長すぎるため、ここでは編集できません（%1 文字を超えています）。</translation>
    </message>
</context>
</TS>
