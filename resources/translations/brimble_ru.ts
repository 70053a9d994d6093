<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name></name>
    <message id="general.reset">
        <source>Reset</source>
        <translation>Сбросить</translation>
    </message>
    <message id="general.click_to_record">
        <source>Click To Record</source>
        <translation>Нажмите, чтобы записать</translation>
    </message>
    <message id="general.filter_type">
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message id="preferences.general">
        <source>General</source>
        <translation>Общие</translation>
    </message>
    <message id="preferences.key_bindings">
        <source>Key Bindings</source>
        <translation>Комбинации клавиш</translation>
    </message>
    <message id="preferences.rules">
        <source>Rules</source>
        <translation>Правила</translation>
    </message>
    <message id="preferences.launch_at_login">
        <source>Start Brimble when I &amp;log in</source>
        <translation>Запускать Brimble при &amp;входе в систему</translation>
    </message>
    <message id="preferences.auto_paste">
        <source>Paste chosen items into the window in front</source>
        <translation>Вставлять выбранные элементы в активное окно</translation>
    </message>
    <message id="preferences.auto_paste_without_xtest">
        <source>This display offers no key synthesis (XTEST), so chosen items are only put on the clipboard: press Ctrl+V to paste them.</source>
        <translation>Этот дисплей не поддерживает имитацию нажатий клавиш (XTEST), поэтому выбранные элементы только помещаются в буфер обмена: нажмите Ctrl+V, чтобы вставить их.</translation>
    </message>
    <message id="preferences.auto_paste_without_virtual_keyboard">
        <source>This compositor offers no virtual keyboard, so chosen items are only put on the clipboard: press Ctrl+V to paste them.</source>
        <translation>Этот композитор не предоставляет виртуальную клавиатуру, поэтому выбранные элементы только помещаются в буфер обмена: нажмите Ctrl+V, чтобы вставить их.</translation>
    </message>
    <message id="preferences.auto_paste_on_wayland">
        <source>On Wayland, Brimble pastes by itself into X11 windows only. In other windows the chosen item is on the clipboard: press Ctrl+V to paste it.</source>
        <translation>В Wayland Brimble сам вставляет элементы только в окна X11. В остальных окнах выбранный элемент находится в буфере обмена: нажмите Ctrl+V, чтобы вставить его.</translation>
    </message>
    <message id="preferences.paste_as_plain_text">
        <source>Always paste as plain text</source>
        <translation>Всегда вставлять как обычный текст</translation>
    </message>
    <message id="preferences.delete_after_pasted">
        <source>Delete items from the history once pasted</source>
        <translation>Удалять элементы из истории после вставки</translation>
    </message>
    <message id="preferences.move_used_item_to_first">
        <source>Move pasted items to the top</source>
        <translation>Перемещать вставленные элементы в начало</translation>
    </message>
    <message id="preferences.preview_links">
        <source>Preview links</source>
        <translation>Показывать предпросмотр ссылок</translation>
    </message>
    <message id="preferences.load_link_previews">
        <source>Load link previews without asking (the site sees a visit)</source>
        <translation>Загружать предпросмотр ссылок без запроса (сайт увидит посещение)</translation>
    </message>
    <message id="preferences.show_tray_icon">
        <source>Show the icon in the system tray</source>
        <translation>Показывать значок в системном лотке</translation>
    </message>
    <message id="preferences.send_crash_reports">
        <source>Send crash reports automatically</source>
        <translation>Автоматически отправлять отчёты о сбоях</translation>
    </message>
    <message id="preferences.keep_history">
        <source>&amp;Keep the clipboard history for</source>
        <translation>&amp;Хранить историю буфера обмена</translation>
    </message>
    <message id="preferences.one_day">
        <source>1 day</source>
        <translation>1 день</translation>
    </message>
    <message id="preferences.seven_days">
        <source>7 days</source>
        <translation>7 дней</translation>
    </message>
    <message id="preferences.thirty_days">
        <source>30 days</source>
        <translation>30 дней</translation>
    </message>
    <message id="preferences.forever">
        <source>Forever</source>
        <translation>Бессрочно</translation>
    </message>
    <message id="preferences.show_quick_search_window">
        <source>Show the clipboard history</source>
        <translation>Показать историю буфера обмена</translation>
    </message>
    <message id="preferences.quick_paste_modifier">
        <source>Quick paste, with 1 to 0</source>
        <translation>Быстрая вставка, клавишами от 1 до 0</translation>
    </message>
    <message id="preferences.plain_text_modifier">
        <source>Paste as plain text, with Return</source>
        <translation>Вставка обычным текстом, клавишей Return</translation>
    </message>
    <message id="preferences.switch_clipboard_modifier">
        <source>Switch clipboard, with Tab</source>
        <translation>Смена буфера обмена, клавишей Tab</translation>
    </message>
    <message id="preferences.modifiers_collide">
        <source>Quick paste and plain-text paste use the same keys, so every quick paste comes out as plain text.</source>
        <translation>Быстрая вставка и вставка обычным текстом используют одни и те же клавиши, поэтому любая быстрая вставка выполняется обычным текстом.</translation>
    </message>
    <message id="preferences.shortcut_needs_modifier">
        <source>A shortcut needs Ctrl, Alt or Super (Shift alone only with F1 to F20).</source>
        <translation>Комбинация клавиш должна включать Ctrl, Alt или Super (один Shift допускается только с клавишами от F1 до F20).</translation>
    </message>
    <message id="preferences.desktop_shortcut_asking">
        <source>Asking the desktop to bind the shortcut…</source>
        <translation>Запрос на назначение комбинации клавиш у окружения рабочего стола…</translation>
    </message>
    <message id="preferences.desktop_shortcut_bound">
        <source>The desktop shows the history with: %1</source>
        <translation>Окружение рабочего стола показывает историю по комбинации: %1</translation>
    </message>
    <message id="preferences.desktop_shortcut_no_keys">
        <source>The desktop has not assigned keys to the shortcut yet.</source>
        <translation>Окружение рабочего стола ещё не назначило клавиши для этой комбинации.</translation>
    </message>
    <message id="preferences.desktop_shortcut_change">
        <source>Change…</source>
        <translation>Изменить…</translation>
    </message>
    <message id="preferences.desktop_shortcut_declined">
        <source>Binding the shortcut through the desktop was declined.</source>
        <translation>Назначение комбинации клавиш через окружение рабочего стола отклонено.</translation>
    </message>
    <message id="preferences.desktop_shortcut_no_portal">
        <source>This desktop binds no global shortcuts for applications (it offers no shortcuts portal).</source>
        <translation>Это окружение рабочего стола не назначает глобальные комбинации клавиш для приложений (в нём нет портала комбинаций клавиш).</translation>
    </message>
    <message id="preferences.desktop_shortcut_x11_only">
        <source>The shortcut above works only while an X11 window is in front.</source>
        <translation>Комбинация клавиш выше работает, только когда активно окно X11.</translation>
    </message>
    <message id="preferences.gnome_add_shortcut">
        <source>Add to GNOME Keyboard Shortcuts…</source>
        <translation>Добавить в комбинации клавиш GNOME…</translation>
    </message>
    <message id="preferences.gnome_add_shortcut_confirm">
        <source>Add a GNOME keyboard shortcut that runs “brimble toggle” on %1?</source>
        <translation>Добавить в GNOME комбинацию клавиш %1, которая запускает «brimble toggle»?</translation>
    </message>
    <message id="preferences.gnome_add_shortcut_explained">
        <source>It appears in GNOME Settings, Keyboard, Custom Shortcuts, where you can change or remove it.</source>
        <translation>Она появится в Параметрах GNOME: Клавиатура, Пользовательские комбинации клавиш — там её можно изменить или удалить.</translation>
    </message>
    <message id="preferences.gnome_shortcut_added">
        <source>GNOME runs “brimble toggle” on %1.</source>
        <translation>GNOME запускает «brimble toggle» по комбинации %1.</translation>
    </message>
    <message id="preferences.gnome_shortcut_failed">
        <source>The GNOME shortcut could not be added: %1</source>
        <translation>Не удалось добавить комбинацию клавиш GNOME: %1</translation>
    </message>
    <message id="preferences.configuration_line">
        <source>Add this line to your compositor's configuration:</source>
        <translation>Добавьте эту строку в конфигурацию вашего композитора:</translation>
    </message>
    <message id="preferences.other_desktop_shortcut">
        <source>Bind the command “brimble toggle” to a key in your desktop's keyboard settings.</source>
        <translation>Назначьте команде «brimble toggle» клавиши в настройках клавиатуры вашего окружения рабочего стола.</translation>
    </message>
    <message id="preferences.copy_line">
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message id="alert.pasted_by_hand">
        <source>Not pasted by itself: the item is on the clipboard, press Ctrl+V to paste it.</source>
        <translation>Не вставлено автоматически: элемент находится в буфере обмена, нажмите Ctrl+V, чтобы вставить его.</translation>
    </message>
    <message id="preferences.shortcut_refused">
        <source>%1 cannot be used: %2. The shortcut stays %3.</source>
        <translation>Нельзя использовать %1: %2. Комбинация клавиш остаётся прежней: %3.</translation>
    </message>
    <message id="preferences.no_shortcut">
        <source>none</source>
        <translation>нет</translation>
    </message>
    <message id="preferences.ignored_apps_explained">
        <source>Copies made in these applications are never recorded.</source>
        <translation>Копирование в этих приложениях никогда не записывается.</translation>
    </message>
    <message id="preferences.add_applications">
        <source>&amp;Add…</source>
        <translation>&amp;Добавить…</translation>
    </message>
    <message id="preferences.remove_applications">
        <source>&amp;Remove</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message id="preferences.choose_applications">
        <source>Choose Applications to Ignore</source>
        <translation>Выбор игнорируемых приложений</translation>
    </message>
    <message id="preferences.desktop_entries">
        <source>Applications (*.desktop)</source>
        <translation>Приложения (*.desktop)</translation>
    </message>
    <message id="menu.quit">
        <source>Quit</source>
        <translation>Выйти</translation>
    </message>
    <message id="menu.preferences">
        <source>Preferences</source>
        <translation>Параметры</translation>
    </message>
    <message id="menu.about">
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message id="menu.rename">
        <source>Rename</source>
        <translation>Переименовать</translation>
    </message>
    <message id="menu.clear_all_history">
        <source>Clear All History</source>
        <translation>Очистить всю историю</translation>
    </message>
    <message id="menu.delete">
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message id="menu.paste">
        <source>Paste</source>
        <translation>Вставить</translation>
    </message>
    <message id="menu.paste_as_plain_text">
        <source>Paste as Plain Text</source>
        <translation>Вставить как обычный текст</translation>
    </message>
    <message id="menu.cut">
        <source>Cut</source>
        <translation>Вырезать</translation>
    </message>
    <message id="menu.copy">
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message id="menu.move_to">
        <source>Move to</source>
        <translation>Переместить в</translation>
    </message>
    <message id="menu.add_new_clip_board">
        <source>Add New Clipboard</source>
        <translation>Добавить буфер обмена</translation>
    </message>
    <message id="menu.move_to_first">
        <source>Move to First</source>
        <translation>Переместить в начало</translation>
    </message>
    <message id="menu.save_to_file">
        <source>Save to File</source>
        <translation>Сохранить в файл</translation>
    </message>
    <message id="menu.open">
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message id="menu.quick_look">
        <source>Quick Look</source>
        <translation>Быстрый просмотр</translation>
    </message>
    <message id="menu.show_in_finder">
        <source>Show in Folder</source>
        <translation>Показать в папке</translation>
    </message>
    <message id="menu.pause_recording">
        <source>Pause Recording</source>
        <translation>Приостановить запись</translation>
    </message>
    <message id="menu.continue_recording">
        <source>Continue Recording</source>
        <translation>Продолжить запись</translation>
    </message>
    <message id="menu.open_in_browser">
        <source>Open in Browser</source>
        <translation>Открыть в браузере</translation>
    </message>
    <message id="menu.help">
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message id="menu.check_for_updates">
        <source>Check for Updates</source>
        <translation>Проверить обновления</translation>
    </message>
    <message id="menu.show_clipboard_history">
        <source>Show Clipboard History</source>
        <translation>Показать историю буфера обмена</translation>
    </message>
    <message id="menu.undo">
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message id="menu.undo_delete">
        <source>Undo Delete</source>
        <translation>Отменить удаление</translation>
    </message>
    <message id="menu.undo_cut">
        <source>Undo Cut</source>
        <translation>Отменить вырезание</translation>
    </message>
    <message id="menu.undo_clear_all_history">
        <source>Undo Clear All History</source>
        <translation>Отменить очистку истории</translation>
    </message>
    <message id="menu.undo_move">
        <source>Undo Move</source>
        <translation>Отменить перемещение</translation>
    </message>
    <message id="menu.undo_delete_clipboard">
        <source>Undo Delete Clipboard</source>
        <translation>Отменить удаление буфера обмена</translation>
    </message>
    <message id="quick_view.search">
        <source>Search</source>
        <translation>Поиск</translation>
    </message>
    <message id="quick_view.unnamed">
        <source>UnNamed</source>
        <translation>Без имени</translation>
    </message>
    <message id="quick_view.empty">
        <source>It's Empty</source>
        <translation>Здесь пусто</translation>
    </message>
    <message id="quick_view.clipboard_history">
        <source>Clipboard History</source>
        <translation>История буфера обмена</translation>
    </message>
    <message id="quick_view.n_records">
        <source>%1 records</source>
        <translation>Записей: %1</translation>
    </message>
    <message id="quick_view.text_cut">
        <source>Showing the first %1 of %2 characters.</source>
        <translation>Показаны первые символы: %1 из %2.</translation>
    </message>
    <message id="quick_view.unknown_application">
        <source>Unknown application</source>
        <translation>Неизвестное приложение</translation>
    </message>
    <message id="quick_view.bad_type_clause">
        <source>&quot;%1&quot; names no type; type: takes %2</source>
        <translation>«%1» не обозначает тип; type: принимает %2</translation>
    </message>
    <message id="link_preview.load">
        <source>Load Preview</source>
        <translation>Загрузить предпросмотр</translation>
    </message>
    <message id="link_preview.not_web">
        <source>Only web pages (http and https) are previewed.</source>
        <translation>Предпросмотр доступен только для веб-страниц (http и https).</translation>
    </message>
    <message id="link_preview.credentials">
        <source>Not previewed: the link carries a user name or password.</source>
        <translation>Нет предпросмотра: ссылка содержит имя пользователя или пароль.</translation>
    </message>
    <message id="link_preview.local_host">
        <source>Not previewed: the link leads to this computer or the local network.</source>
        <translation>Нет предпросмотра: ссылка ведёт на этот компьютер или в локальную сеть.</translation>
    </message>
    <message id="link_preview.as_root">
        <source>Not previewed: the web view does not run as root.</source>
        <translation>Нет предпросмотра: веб-просмотр не запускается от имени root.</translation>
    </message>
    <message id="link_preview.host_not_found">
        <source>The page could not be loaded: its host was not found.</source>
        <translation>Не удалось загрузить страницу: узел не найден.</translation>
    </message>
    <message id="link_preview.failed">
        <source>The page could not be loaded: %1</source>
        <translation>Не удалось загрузить страницу: %1</translation>
    </message>
    <message id="link_preview.stopped">
        <source>The page stopped unexpectedly.</source>
        <translation>Страница неожиданно прекратила работу.</translation>
    </message>
    <message id="quick_view.no_matches">
        <source>No matches</source>
        <translation>Ничего не найдено</translation>
    </message>
    <message id="quick_view.n_selected">
        <source>%1 selected</source>
        <translation>Выбрано: %1</translation>
    </message>
    <message id="pasteboard.unknown_type">
        <source>Unknown</source>
        <translation>Неизвестно</translation>
    </message>
    <message id="pasteboard.text_type">
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message id="pasteboard.rich_text_type">
        <source>Rich Text</source>
        <translation>Форматированный текст</translation>
    </message>
    <message id="pasteboard.plain_text_type">
        <source>Plain Text</source>
        <translation>Обычный текст</translation>
    </message>
    <message id="pasteboard.image_type">
        <source>Image</source>
        <translation>Изображение</translation>
    </message>
    <message id="pasteboard.file_type">
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message id="pasteboard.link_type">
        <source>Link</source>
        <translation>Ссылка</translation>
    </message>
    <message id="pasteboard.color_type">
        <source>Color</source>
        <translation>Цвет</translation>
    </message>
    <message id="alert.confirm">
        <source>Ok</source>
        <translation>ОК</translation>
    </message>
    <message id="alert.cancel">
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message id="alert.alert">
        <source>Alert</source>
        <translation>Внимание</translation>
    </message>
    <message id="alert.save_to_file_failed">
        <source>Save to file failed!</source>
        <translation>Не удалось сохранить в файл!</translation>
    </message>
    <message id="alert.delete">
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message id="alert.reduce_history_capacity">
        <source>Reduce history capacity!</source>
        <translation>Сокращение срока хранения истории!</translation>
    </message>
    <message id="alert.this_action_can_not_be_undo">
        <source>This cannot be undone.</source>
        <translation>Это действие нельзя отменить.</translation>
    </message>
    <message id="alert.confirm_clear_clipboard">
        <source>Clear all history of “%1”?</source>
        <translation>Очистить всю историю «%1»?</translation>
    </message>
    <message id="alert.confirm_delete_clipboard">
        <source>Delete the clipboard “%1” and its history?</source>
        <translation>Удалить буфер обмена «%1» вместе с его историей?</translation>
    </message>
    <message id="alert.items_to_delete">
        <source>Items to delete: %1.</source>
        <translation>Будет удалено элементов: %1.</translation>
    </message>
    <message id="alert.undo_while_running">
        <source>You can undo this with Ctrl+Z while Brimble runs.</source>
        <translation>Пока Brimble работает, это можно отменить клавишами Ctrl+Z.</translation>
    </message>
    <message id="alert.too_large_to_copy">
        <source>The selected items hold %1 MB together, more than the %2 MB that can be copied or pasted at once. Select fewer items.</source>
        <translation>Выбранные элементы вместе занимают %1 МБ — больше, чем %2 МБ, которые можно скопировать или вставить за один раз. Выберите меньше элементов.</translation>
    </message>
    <message id="alert.do_not_show_this_to_me_again">
        <source>Don't show this to me again</source>
        <translation>Больше не показывать</translation>
    </message>
    <message id="alert.turn_on_accessibility_message">
        <source>Brimble can only paste automatically into X11 windows, and this window is not one. The item is on the clipboard: press Ctrl+V to paste it.</source>
        <translation>Brimble может автоматически вставлять только в окна X11, а это окно к ним не относится. Элемент находится в буфере обмена: нажмите Ctrl+V, чтобы вставить его.</translation>
    </message>
    <message id="alert.turn_on_accessibility">
        <source>Turn On Accessibility</source>
        <translation>Включить специальные возможности</translation>
    </message>
    <message id="alert.not_now">
        <source>Not Now</source>
        <translation>Не сейчас</translation>
    </message>
    <message id="alert.learn_more">
        <source>Learn More</source>
        <translation>Подробнее</translation>
    </message>
    <message id="alert.crash_title">
        <source>Sorry about that!</source>
        <translation>Приносим извинения!</translation>
    </message>
    <message id="alert.crash_message">
        <source>Brimble stopped unexpectedly the last time it ran. Do you want to send an anonymous crash report so that the problem can be fixed?</source>
        <translation>В прошлый раз Brimble неожиданно завершил работу. Отправить анонимный отчёт о сбое, чтобы проблему можно было исправить?</translation>
    </message>
    <message id="alert.always_send">
        <source>Always Send</source>
        <translation>Всегда отправлять</translation>
    </message>
    <message id="alert.send">
        <source>Send</source>
        <translation>Отправить</translation>
    </message>
    <message id="alert.do_not_send">
        <source>Don't Send</source>
        <translation>Не отправлять</translation>
    </message>
    <message id="Could not save changes while quitting. Quit anyway?">
        <source>Could not save changes while quitting. Quit anyway?</source>
        <translation>Не удалось сохранить изменения при выходе. Всё равно выйти?</translation>
    </message>
    <message id="Quitting now will lose any changes you have made since the last successful save">
        <source>Quitting now will lose any changes you have made since the last successful save</source>
        <translation>Если выйти сейчас, будут потеряны все изменения, сделанные после последнего успешного сохранения</translation>
    </message>
    <message id="Quit anyway">
        <source>Quit anyway</source>
        <translation>Всё равно выйти</translation>
    </message>
    <message id="Cancel">
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message id="date.unknow_date">
        <source>Unknown date</source>
        <translation>Дата неизвестна</translation>
    </message>
    <message id="date.just_now">
        <source>Just now</source>
        <translation>Только что</translation>
    </message>
    <message id="date.yesterday">
        <source>Yesterday</source>
        <translation>Вчера</translation>
    </message>
    <message id="alert.open_failed">
        <source>Brimble could not open %1: %2</source>
        <translation>Brimble не удалось открыть %1: %2</translation>
    </message>
    <message id="alert.setting_not_saved">
        <source>The setting was not saved, because %1 cannot be written. It is back to what it was.</source>
        <translation>Параметр не сохранён, так как запись в %1 невозможна. Восстановлено прежнее значение.</translation>
    </message>
    <message id="alert.hot_key_refused">
        <source>The shortcut %1 is not available (%2). Choose another one in Preferences, or bind the command &quot;brimble toggle&quot; in your desktop&apos;s keyboard settings.</source>
        <translation>Комбинация клавиш %1 недоступна (%2). Выберите другую в параметрах или назначьте команду «brimble toggle» в настройках клавиатуры вашего окружения рабочего стола.</translation>
    </message>
    <message id="alert.history_disk_full">
        <source>There is no room left on the disk for your clipboard history (%1). New copies are kept in memory until there is; free some space so that they are not lost.</source>
        <translation>На диске не осталось места для истории буфера обмена (%1). Новые копии хранятся в памяти, пока место не появится; освободите немного места, чтобы они не пропали.</translation>
    </message>
    <message id="alert.history_recording_again">
        <source>There is room for your clipboard history again: copies are recorded, and the %1 made meanwhile are stored.</source>
        <translation>Место для истории буфера обмена снова есть: копирование записывается, а копии, сделанные за это время (%1), сохранены.</translation>
    </message>
    <message id="alert.history_copies_lost">
        <source>%1 copies made while the disk was full could not be kept.</source>
        <translation>Не удалось сохранить копии, сделанные при заполненном диске: %1.</translation>
    </message>
    <message id="format.files">
        <source>files</source>
        <translation>файлов</translation>
    </message>
    <message id="format.chars">
        <source>chars</source>
        <translation>символов</translation>
    </message>
    <message id="update.available">
        <source>Brimble %1 is available</source>
        <translation>Доступна версия Brimble %1</translation>
    </message>
    <message id="update.available_message">
        <source>You have version %1.</source>
        <translation>У вас версия %1.</translation>
    </message>
    <message id="update.download_page">
        <source>Download Page</source>
        <translation>Страница загрузки</translation>
    </message>
    <message id="update.later">
        <source>Later</source>
        <translation>Позже</translation>
    </message>
    <message id="update.up_to_date">
        <source>Brimble is up to date</source>
        <translation>Установлена последняя версия Brimble</translation>
    </message>
    <message id="update.up_to_date_message">
        <source>Version %1 is the newest version.</source>
        <translation>Версия %1 — самая новая.</translation>
    </message>
    <message id="update.failed">
        <source>The update check failed</source>
        <translation>Не удалось проверить обновления</translation>
    </message>
    <message id="queue.paste_in_sequence">
        <source>Paste in Sequence</source>
        <translation>Вставить по очереди</translation>
    </message>
    <message id="queue.clear">
        <source>Clear Paste Queue</source>
        <translation>Очистить очередь вставки</translation>
    </message>
    <message id="queue.active">
        <source>Paste queue: %1 of %2 pasted, next: %3</source>
        <translation>Очередь вставки: вставлено %1 из %2, далее: %3</translation>
    </message>
    <message id="queue.untitled_item">
        <source>item %1 (%2)</source>
        <translation>элемент %1 (%2)</translation>
    </message>
    <message id="queue.finished">
        <source>Paste queue done: all %1 items pasted</source>
        <translation>Очередь вставки завершена: вставлены все элементы (%1)</translation>
    </message>
    <message id="queue.interrupted">
        <source>Paste queue ended by a new copy: %1 of %2 pasted</source>
        <translation>Очередь вставки прервана новым копированием: вставлено %1 из %2</translation>
    </message>
    <message id="queue.cleared">
        <source>Paste queue cleared: %1 of %2 pasted</source>
        <translation>Очередь вставки очищена: вставлено %1 из %2</translation>
    </message>
    <message id="queue.failed">
        <source>Paste queue ended: %1</source>
        <translation>Очередь вставки остановлена: %1</translation>
    </message>
    <message id="queue.escape_clears">
        <source>Esc clears it</source>
        <translation>Esc очищает её</translation>
    </message>
    <message id="quick_view.secret_mask">
        <source>Secret · %1 · %2 characters</source>
        <translation>Секрет · %1 · символов: %2</translation>
    </message>
    <message id="quick_view.secret_reveal_hint">
        <source>Click or press Space to show it</source>
        <translation>Щёлкните или нажмите Пробел, чтобы показать</translation>
    </message>
    <message id="quick_view.secret_reveal">
        <source>Show Secret</source>
        <translation>Показать секрет</translation>
    </message>
    <message id="secret.private_key">
        <source>private key</source>
        <translation>закрытый ключ</translation>
    </message>
    <message id="secret.web_token">
        <source>web token</source>
        <translation>веб-токен</translation>
    </message>
    <message id="secret.cloud_key">
        <source>cloud access key</source>
        <translation>ключ доступа к облаку</translation>
    </message>
    <message id="secret.access_token">
        <source>access token</source>
        <translation>токен доступа</translation>
    </message>
    <message id="secret.bot_token">
        <source>bot token</source>
        <translation>токен бота</translation>
    </message>
    <message id="secret.payment_key">
        <source>payment key</source>
        <translation>платёжный ключ</translation>
    </message>
    <message id="secret.card_number">
        <source>card number</source>
        <translation>номер карты</translation>
    </message>
    <message id="preferences.secrets">
        <source>Secrets:</source>
        <translation>Секреты:</translation>
    </message>
    <message id="preferences.secrets_note">
        <source>Keys, tokens and card numbers are shown masked until revealed.</source>
        <translation>Ключи, токены и номера карт скрыты маской, пока вы их не раскроете.</translation>
    </message>
    <message id="preferences.secret_never_record">
        <source>Never record</source>
        <translation>Никогда не записывать</translation>
    </message>
    <message id="preferences.secret_minute">
        <source>Remove after 1 minute</source>
        <translation>Удалять через 1 минуту</translation>
    </message>
    <message id="preferences.secret_ten_minutes">
        <source>Remove after 10 minutes</source>
        <translation>Удалять через 10 минут</translation>
    </message>
    <message id="preferences.secret_hour">
        <source>Remove after 1 hour</source>
        <translation>Удалять через 1 час</translation>
    </message>
    <message id="preferences.secret_day">
        <source>Remove after 1 day</source>
        <translation>Удалять через 1 день</translation>
    </message>
    <message id="preferences.secret_keep">
        <source>Keep</source>
        <translation>Хранить</translation>
    </message>
    <message id="preferences.read_image_text">
        <source>Find copied images by their text (read on this computer)</source>
        <translation>Искать скопированные изображения по тексту на них (распознаётся на этом компьютере)</translation>
    </message>
    <message id="preferences.image_text_language">
        <source>Language of the text:</source>
        <translation>Язык текста:</translation>
    </message>
    <message id="help.title">
        <source>Brimble Help</source>
        <translation>Справка Brimble</translation>
    </message>
    <message id="help.back">
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message id="help.forward">
        <source>Forward</source>
        <translation>Вперёд</translation>
    </message>
    <message id="help.contents">
        <source>Contents</source>
        <translation>Содержание</translation>
    </message>
    <message id="help.auto_paste_title">
        <source>Automatic Paste Unavailable</source>
        <translation>Автоматическая вставка недоступна</translation>
    </message>
    <message id="about.title">
        <source>About Brimble</source>
        <translation>О программе Brimble</translation>
    </message>
    <message id="about.description">
        <source>Clipboard history with a quick search window</source>
        <translation>История буфера обмена с окном быстрого поиска</translation>
    </message>
    <message id="about.licence">
        <source>Licence: none published yet. All rights reserved by the Brimble developers.</source>
        <translation>Лицензия: пока не опубликована. Все права принадлежат разработчикам Brimble.</translation>
    </message>
    <message id="about.libraries">
        <source>Libraries:</source>
        <translation>Библиотеки:</translation>
    </message>
    <message id="about.history">
        <source>History:</source>
        <translation>История:</translation>
    </message>
    <message id="about.logs">
        <source>Logs:</source>
        <translation>Журналы:</translation>
    </message>
    <message id="about.copied">
        <source>Copied</source>
        <translation>Скопировано</translation>
    </message>
    <message id="about.close">
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message id="about.built_with">
        <source>built with %1</source>
        <translation>собрано с %1</translation>
    </message>
    <message id="archive.export_history">
        <source>Export History…</source>
        <translation>Экспортировать историю…</translation>
    </message>
    <message id="archive.import_history">
        <source>Import History…</source>
        <translation>Импортировать историю…</translation>
    </message>
    <message id="archive.export_title">
        <source>Export History</source>
        <translation>Экспорт истории</translation>
    </message>
    <message id="archive.import_title">
        <source>Import History</source>
        <translation>Импорт истории</translation>
    </message>
    <message id="archive.exists">
        <source>%1 already exists; choose another name.</source>
        <translation>%1 уже существует; выберите другое имя.</translation>
    </message>
    <message id="archive.cannot_write">
        <source>Could not write %1: %2</source>
        <translation>Не удалось записать %1: %2</translation>
    </message>
    <message id="archive.cannot_open">
        <source>Could not open %1: %2</source>
        <translation>Не удалось открыть %1: %2</translation>
    </message>
    <message id="archive.not_archive">
        <source>%1 is not a Brimble history export. Nothing was imported.</source>
        <translation>%1 не является историей, экспортированной из Brimble. Ничего не импортировано.</translation>
    </message>
    <message id="archive.newer">
        <source>%1 was written by a newer Brimble (format %2). Nothing was imported.</source>
        <translation>%1 записан более новой версией Brimble (формат %2). Ничего не импортировано.</translation>
    </message>
    <message id="archive.damaged">
        <source>%1 is damaged or was altered (%2). Nothing was imported.</source>
        <translation>%1 повреждён или изменён (%2). Ничего не импортировано.</translation>
    </message>
    <message id="archive.store_failed">
        <source>The history could not be written (%1). Nothing was imported.</source>
        <translation>Не удалось записать историю (%1). Ничего не импортировано.</translation>
    </message>
    <message id="archive.exported">
        <source>Items exported: %1 (clipboards: %2).</source>
        <translation>Экспортировано элементов: %1 (буферов обмена: %2).</translation>
    </message>
    <message id="archive.secrets_left_out">
        <source>Secrets left out: %1.</source>
        <translation>Пропущено секретов: %1.</translation>
    </message>
    <message id="archive.imported">
        <source>Items added: %1. Already present, skipped: %2. Clipboards created: %3.</source>
        <translation>Добавлено элементов: %1. Уже имелись, пропущено: %2. Создано буферов обмена: %3.</translation>
    </message>
    <message id="cli.help.usage">
        <source>Usage: brimble [VERB [ARGUMENTS]]</source>
        <translation>Использование: brimble [КОМАНДА [АРГУМЕНТЫ]]</translation>
    </message>
    <message id="cli.help.without_verb">
        <source>Without a verb, starts Brimble (or shows the running one).</source>
        <translation>Без команды запускает Brimble (или показывает уже запущенный).</translation>
    </message>
    <message id="cli.help.verbs">
        <source>Verbs:</source>
        <translation>Команды:</translation>
    </message>
    <message id="cli.help.notes">
        <source>ITEM is a uuid or a position in the listed order (1 is the newest). NAME is a clipboard&apos;s title, or its uuid (`clipboards --json` shows them) where titles repeat. Lines of `list` and `search`: position, age, type (as type: names it), first line of text with control characters shown as escapes. A secret (a key, a token, a card number) shows its kind and length instead of its text unless --reveal is given. `search` also finds images by the text Brimble has read in them.</source>
        <translation>ITEM — uuid или позиция в порядке списка (1 — самый новый). NAME — название буфера обмена или, если названия повторяются, его uuid (их показывает `clipboards --json`). Строки `list` и `search`: позиция, возраст, тип (так, как его называет type:), первая строка текста; управляющие символы показаны в виде escape-последовательностей. Секрет (ключ, токен, номер карты) показывается как его вид и длина вместо текста, если не указан --reveal. `search` находит и изображения по тексту, распознанному в них Brimble.</translation>
    </message>
    <message id="cli.help.options">
        <source>Options:</source>
        <translation>Ключи:</translation>
    </message>
    <message id="cli.help.environment">
        <source>Environment:</source>
        <translation>Переменные окружения:</translation>
    </message>
    <message id="cli.help.platform">
        <source>the clipboard backend; by default native Wayland when the compositor offers data control, else X11 (the log names the one in use)</source>
        <translation>механизм работы с буфером обмена; по умолчанию — Wayland напрямую, если композитор поддерживает управление данными (data control), иначе X11 (какой используется, указано в журнале)</translation>
    </message>
    <message id="cli.help.exit_status">
        <source>Exit status: 0 done, 1 request failed, 2 usage error, 3 Brimble is not running, 4 the history cannot be read, 5 Brimble is busy (try again), 6 paste only copied (automatic paste is off), 7 no display (Brimble itself).</source>
        <translation>Код возврата: 0 — выполнено, 1 — запрос не выполнен, 2 — ошибка в вызове, 3 — Brimble не запущен, 4 — историю не удаётся прочитать, 5 — Brimble занят (повторите попытку), 6 — paste только скопировал (автоматическая вставка выключена), 7 — нет дисплея (сам Brimble).</translation>
    </message>
    <message id="cli.verb.list">
        <source>the history, newest first</source>
        <translation>история, сначала новые</translation>
    </message>
    <message id="cli.verb.search">
        <source>items matching QUERY; type:image,link clauses narrow by type</source>
        <translation>элементы, подходящие под QUERY; условия вида type:image,link отбирают по типу</translation>
    </message>
    <message id="cli.verb.clipboards">
        <source>the clipboards with their record counts</source>
        <translation>буферы обмена с числом записей в каждом</translation>
    </message>
    <message id="cli.verb.copy">
        <source>put an item back on the clipboard</source>
        <translation>снова поместить элемент в буфер обмена</translation>
    </message>
    <message id="cli.verb.paste">
        <source>copy an item and paste it into the active window</source>
        <translation>скопировать элемент и вставить его в активное окно</translation>
    </message>
    <message id="cli.verb.pause">
        <source>stop recording copies</source>
        <translation>приостановить запись копий</translation>
    </message>
    <message id="cli.verb.resume">
        <source>record copies again</source>
        <translation>возобновить запись копий</translation>
    </message>
    <message id="cli.verb.toggle">
        <source>show or hide the quick search window</source>
        <translation>показать или скрыть окно истории буфера обмена</translation>
    </message>
    <message id="cli.verb.preferences">
        <source>open the preferences window</source>
        <translation>открыть окно параметров</translation>
    </message>
    <message id="cli.verb.quit">
        <source>end the running Brimble</source>
        <translation>завершить запущенный Brimble</translation>
    </message>
    <message id="cli.verb.salvage">
        <source>rebuild a damaged history from its readable rows, keeping the damaged file beside it</source>
        <translation>восстановить повреждённую историю из читаемых строк, сохранив повреждённый файл рядом</translation>
    </message>
    <message id="cli.verb.queue">
        <source>with ITEMs, paste them in this order, one per paste (Ctrl+V) anywhere; clear ends the queue; alone, shows it</source>
        <translation>с ITEM — вставлять их в этом порядке, по одному на каждую вставку (Ctrl+V) в любом месте; clear завершает очередь; без аргументов — показывает её</translation>
    </message>
    <message id="cli.verb.export">
        <source>write the history&apos;s items, with every representation, their dates, clipboards and source applications, to a new FILE (an existing one is never replaced; secrets are left out)</source>
        <translation>записать элементы истории со всеми представлениями, датами, буферами обмена и исходными приложениями в новый файл FILE (существующий файл никогда не заменяется; секреты не включаются)</translation>
    </message>
    <message id="cli.verb.import">
        <source>add the items of an exported FILE to the history, skipping items already there; a damaged or altered FILE is refused and nothing is added</source>
        <translation>добавить в историю элементы экспортированного файла FILE, пропуская уже имеющиеся; повреждённый или изменённый FILE отклоняется, и ничего не добавляется</translation>
    </message>
    <message id="cli.option.help">
        <source>show the help</source>
        <translation>показать справку</translation>
    </message>
    <message id="cli.option.version">
        <source>show the version</source>
        <translation>показать версию</translation>
    </message>
    <message id="cli.option.list_clipboard">
        <source>the clipboard to list, by title or uuid (default: Clipboard History)</source>
        <translation>буфер обмена для вывода, по названию или uuid (по умолчанию: История буфера обмена)</translation>
    </message>
    <message id="cli.option.limit">
        <source>at most N items</source>
        <translation>не более N элементов</translation>
    </message>
    <message id="cli.option.json">
        <source>one JSON array instead of lines</source>
        <translation>один массив JSON вместо строк</translation>
    </message>
    <message id="cli.option.reveal">
        <source>print secrets&apos; text instead of their kind and length</source>
        <translation>выводить текст секретов вместо их вида и длины</translation>
    </message>
    <message id="cli.option.search_clipboard">
        <source>the clipboard to search, by title or uuid</source>
        <translation>буфер обмена для поиска, по названию или uuid</translation>
    </message>
    <message id="cli.option.plain">
        <source>as plain text</source>
        <translation>как обычный текст</translation>
    </message>
    <message id="cli.option.item_clipboard">
        <source>the clipboard ITEM is counted in, by title or uuid</source>
        <translation>буфер обмена, в котором отсчитывается ITEM, по названию или uuid</translation>
    </message>
    <message id="cli.option.queue_clipboard">
        <source>the clipboard the ITEMs are counted in, by title or uuid</source>
        <translation>буфер обмена, в котором отсчитываются ITEM, по названию или uuid</translation>
    </message>
    <message id="cli.option.queue_json">
        <source>the queue as one JSON object</source>
        <translation>очередь в виде одного объекта JSON</translation>
    </message>
    <message id="cli.option.export_clipboard">
        <source>only this clipboard, by title or uuid (default: every clipboard)</source>
        <translation>только этот буфер обмена, по названию или uuid (по умолчанию: все буферы обмена)</translation>
    </message>
    <message id="cli.unknown_verb">
        <source>unknown verb &quot;%1&quot; (see brimble --help)</source>
        <translation>неизвестная команда «%1» (см. brimble --help)</translation>
    </message>
    <message id="cli.unknown_option">
        <source>unknown option &quot;%1&quot; (see brimble --help)</source>
        <translation>неизвестный ключ «%1» (см. brimble --help)</translation>
    </message>
    <message id="cli.option_not_taken">
        <source>%1 does not take %2 (see brimble --help)</source>
        <translation>%1 не принимает %2 (см. brimble --help)</translation>
    </message>
    <message id="cli.needs_value">
        <source>%1 needs a value</source>
        <translation>для %1 нужно значение</translation>
    </message>
    <message id="cli.bad_limit">
        <source>--limit takes a whole number of at least 1, not &quot;%1&quot;</source>
        <translation>--limit принимает целое число не меньше 1, а не «%1»</translation>
    </message>
    <message id="cli.takes_one_item">
        <source>%1 takes one item: a uuid or a position</source>
        <translation>%1 принимает один элемент: uuid или позицию</translation>
    </message>
    <message id="cli.queue_clear_alone">
        <source>queue clear takes no items</source>
        <translation>queue clear не принимает элементы</translation>
    </message>
    <message id="cli.search_needs_query">
        <source>search needs a query</source>
        <translation>для search нужен запрос</translation>
    </message>
    <message id="cli.takes_one_file">
        <source>%1 takes one file</source>
        <translation>%1 принимает один файл</translation>
    </message>
    <message id="cli.takes_no_argument">
        <source>%1 takes no argument &quot;%2&quot;</source>
        <translation>%1 не принимает аргумент «%2»</translation>
    </message>
    <message id="cli.history_damaged">
        <source>the history %1 is damaged; quit Brimble (brimble quit) and run &quot;brimble salvage&quot; to rescue what can still be read</source>
        <translation>история %1 повреждена; завершите Brimble (brimble quit) и выполните «brimble salvage», чтобы спасти то, что ещё можно прочитать</translation>
    </message>
    <message id="cli.history_damaged_because">
        <source>the history %1 is damaged (%2); quit Brimble (brimble quit) and run &quot;brimble salvage&quot; to rescue what can still be read</source>
        <translation>история %1 повреждена (%2); завершите Brimble (brimble quit) и выполните «brimble salvage», чтобы спасти то, что ещё можно прочитать</translation>
    </message>
    <message id="cli.cannot_open_history">
        <source>cannot open the history %1: %2</source>
        <translation>не удаётся открыть историю %1: %2</translation>
    </message>
    <message id="cli.salvage_while_running">
        <source>Brimble is running: quit it first (brimble quit), then salvage</source>
        <translation>Brimble запущен: сначала завершите его (brimble quit), затем выполните salvage</translation>
    </message>
    <message id="cli.salvaged">
        <source>Salvaged %1
  kept: %2 items, %3 clipboards, %4 ignore rules
  lost: %5 items of which some rows were read, and %6 unreadable stretches of rows
  rebuilt: %7 search texts, and %8 clipboards whose items outlived them (&quot;Recovered clipboard&quot;)
The damaged file is kept as %9</source>
        <translation>Восстановлено: %1
  сохранено: элементов — %2, буферов обмена — %3, правил исключения — %4
  потеряно: элементов, часть строк которых прочитана, — %5, нечитаемых участков строк — %6
  перестроено: текстов для поиска — %7, буферов обмена, элементы которых пережили их, — %8 («Recovered clipboard»)
Повреждённый файл сохранён как %9</translation>
    </message>
    <message id="cli.no_paste_queue">
        <source>No paste queue</source>
        <translation>Очереди вставки нет</translation>
    </message>
    <message id="cli.not_running">
        <source>Brimble is not running (start it with `brimble`)</source>
        <translation>Brimble не запущен (запустите его командой `brimble`)</translation>
    </message>
    <message id="cli.busy">
        <source>Brimble is busy and did not take the request; try again in a moment</source>
        <translation>Brimble занят и не принял запрос; повторите попытку чуть позже</translation>
    </message>
    <message id="cli.request_failed">
        <source>the request failed</source>
        <translation>запрос не выполнен</translation>
    </message>
    <message id="cli.unreadable_answer">
        <source>Brimble gave an unreadable answer</source>
        <translation>Brimble дал нечитаемый ответ</translation>
    </message>
    <message id="cli.copied_not_pasted">
        <source>copied to the clipboard but not pasted: automatic paste is off (Preferences, General)</source>
        <translation>скопировано в буфер обмена, но не вставлено: автоматическая вставка выключена (Параметры, Общие)</translation>
    </message>
    <message id="cli.still_starting">
        <source>Brimble is still starting; try again in a moment</source>
        <translation>Brimble ещё запускается; повторите попытку чуть позже</translation>
    </message>
    <message id="cli.quit_not_saved">
        <source>the history could not be saved (see the log); Brimble quits all the same</source>
        <translation>не удалось сохранить историю (см. журнал); Brimble всё равно завершается</translation>
    </message>
    <message id="cli.already_running_busy">
        <source>Brimble is already running but busy; try again in a moment</source>
        <translation>Brimble уже запущен, но занят; повторите попытку чуть позже</translation>
    </message>
    <message id="cli.not_answering">
        <source>another Brimble holds %1 but does not answer</source>
        <translation>другой Brimble занял %1, но не отвечает</translation>
    </message>
    <message id="cli.no_display">
        <source>no display to open: DISPLAY is not set, and no Wayland compositor offers clipboard data control</source>
        <translation>нет дисплея для открытия: DISPLAY не задана, и ни один композитор Wayland не поддерживает управление данными буфера обмена (data control)</translation>
    </message>
    <message id="cli.cannot_open_wayland">
        <source>cannot open the Wayland display &quot;%1&quot;</source>
        <translation>не удаётся открыть дисплей Wayland «%1»</translation>
    </message>
    <message id="cli.cannot_open_x11">
        <source>cannot open the X display &quot;%1&quot;</source>
        <translation>не удаётся открыть дисплей X «%1»</translation>
    </message>
    <message id="cli.cannot_open_database">
        <source>Brimble cannot open its history database.

%1

The file was left as it is. Move it aside to start with an empty history, or restore it from a backup.</source>
        <translation>Brimble не может открыть базу данных истории.

%1

Файл оставлен как есть. Переместите его, чтобы начать с пустой истории, или восстановите его из резервной копии.</translation>
    </message>
    <message id="history.unreadable">
        <source>the history could not be read (see the log)</source>
        <translation>не удалось прочитать историю (см. журнал)</translation>
    </message>
    <message id="history.unsearchable">
        <source>the history could not be searched (see the log)</source>
        <translation>не удалось выполнить поиск по истории (см. журнал)</translation>
    </message>
    <message id="history.default_clipboard_missing">
        <source>the default clipboard is missing</source>
        <translation>буфер обмена по умолчанию отсутствует</translation>
    </message>
    <message id="history.no_clipboard_named">
        <source>no clipboard named &quot;%1&quot;</source>
        <translation>нет буфера обмена с названием «%1»</translation>
    </message>
    <message id="history.no_item_with_uuid">
        <source>no item with uuid %1</source>
        <translation>нет элемента с uuid %1</translation>
    </message>
    <message id="history.cannot_read">
        <source>cannot read the history: %1</source>
        <translation>не удаётся прочитать историю: %1</translation>
    </message>
    <message id="history.no_item_at">
        <source>no item %1 in &quot;%2&quot; (it holds %3)</source>
        <translation>нет элемента %1 в «%2» (всего в нём: %3)</translation>
    </message>
    <message id="history.deleted_meanwhile">
        <source>item %1 was deleted meanwhile</source>
        <translation>элемент %1 тем временем был удалён</translation>
    </message>
    <message id="history.none_yet">
        <source>no history yet</source>
        <translation>истории пока нет</translation>
    </message>
    <message id="history.not_regular_file">
        <source>not a regular file</source>
        <translation>не обычный файл</translation>
    </message>
    <message id="history.needs_upgrade">
        <source>its schema (version %1) needs Brimble to upgrade it first</source>
        <translation>его схему (версия %1) сначала должен обновить Brimble</translation>
    </message>
    <message id="history.none_at">
        <source>there is no history at %1</source>
        <translation>по пути %1 истории нет</translation>
    </message>
    <message id="history.cannot_write">
        <source>cannot write %1: %2</source>
        <translation>не удаётся записать %1: %2</translation>
    </message>
    <message id="history.cannot_move_aside">
        <source>cannot move %1 aside: %2</source>
        <translation>не удаётся отложить %1 в сторону: %2</translation>
    </message>
    <message id="history.cannot_put_in_place">
        <source>cannot put the salvaged history in place: %1</source>
        <translation>не удаётся поставить восстановленную историю на место: %1</translation>
    </message>
    <message id="paste.content_unreadable">
        <source>the item&apos;s content could not be read from the history</source>
        <translation>не удалось прочитать содержимое элемента из истории</translation>
    </message>
    <message id="paste.no_plain_text">
        <source>the item has no plain text; the clipboard was left as it was</source>
        <translation>у элемента нет обычного текста; буфер обмена не изменён</translation>
    </message>
    <message id="paste.nothing_to_write">
        <source>nothing to write</source>
        <translation>нечего записывать</translation>
    </message>
    <message id="paste.clipboard_refused">
        <source>the clipboard could not be taken</source>
        <translation>не удалось завладеть буфером обмена</translation>
    </message>
    <message id="paste.no_window_known">
        <source>no window to paste into is known; the item is on the clipboard</source>
        <translation>неизвестно, в какое окно вставлять; элемент находится в буфере обмена</translation>
    </message>
    <message id="paste.window_gone">
        <source>the window to paste into is gone; the item is on the clipboard</source>
        <translation>окна для вставки больше нет; элемент находится в буфере обмена</translation>
    </message>
    <message id="paste.not_activated">
        <source>the window to paste into did not come to the front; the item is on the clipboard</source>
        <translation>окно для вставки не вышло на передний план; элемент находится в буфере обмена</translation>
    </message>
    <message id="paste.no_xtest">
        <source>the display does not take synthetic key strokes (XTest); the item is on the clipboard</source>
        <translation>дисплей не принимает имитацию нажатий клавиш (XTest); элемент находится в буфере обмена</translation>
    </message>
    <message id="paste.no_virtual_keyboard">
        <source>the compositor offers no virtual keyboard; the item is on the clipboard</source>
        <translation>композитор не предоставляет виртуальную клавиатуру; элемент находится в буфере обмена</translation>
    </message>
    <message id="paste.key_not_sent">
        <source>the paste key stroke could not be sent; the item is on the clipboard</source>
        <translation>не удалось отправить нажатие клавиш вставки; элемент находится в буфере обмена</translation>
    </message>
    <message id="menu.edit">
        <source>Edit…</source>
        <translation>Изменить…</translation>
    </message>
    <message id="menu.undo_replace">
        <source>Undo Replace</source>
        <translation>Отменить замену</translation>
    </message>
    <message id="editor.save">
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message id="editor.replace">
        <source>Replace</source>
        <translation>Заменить</translation>
    </message>
    <message id="editor.hint">
        <source>%1 saves the text as a new item, %2 replaces the original, %3 cancels.</source>
        <translation>%1 сохраняет текст как новую запись, %2 заменяет исходную, %3 отменяет.</translation>
    </message>
    <message id="editor.formatting_dropped">
        <source>This item has formatting. It is edited as plain text, and the formatting is not kept.</source>
        <translation>У этой записи есть форматирование. Она редактируется как обычный текст, форматирование не сохраняется.</translation>
    </message>
    <message id="editor.empty">
        <source>An empty text cannot be saved.</source>
        <translation>Пустой текст сохранить нельзя.</translation>
    </message>
    <message id="editor.original_gone">
        <source>The original item is no longer in the history, so it cannot be replaced. Save keeps the text as a new item.</source>
        <translation>Исходной записи больше нет в истории, поэтому её нельзя заменить. Кнопка «Сохранить» оставит текст как новую запись.</translation>
    </message>
    <message id="editor.not_stored">
        <source>The text could not be stored. It is still here, so you can try again.</source>
        <translation>Не удалось сохранить текст. Он остался здесь, можно попробовать ещё раз.</translation>
    </message>
    <message id="editor.secret_not_recorded">
        <source>This text looks like a secret, and secrets are not recorded (see Preferences). Nothing was saved.</source>
        <translation>Этот текст похож на секрет, а секреты не записываются (см. Параметры). Ничего не сохранено.</translation>
    </message>
    <message id="editor.not_editable">
        <source>Only text can be edited, not images, files or hidden secrets.</source>
        <translation>Редактировать можно только текст, но не изображения, файлы или скрытые секреты.</translation>
    </message>
    <message id="editor.too_long">
        <source>This text is too long to edit here (more than %1 characters).</source>
        <translation>Этот текст слишком длинный для правки здесь (более %1 символов).</translation>
    </message>
</context>
</TS>
