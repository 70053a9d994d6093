<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name></name>
    <message id="general.reset">
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message id="general.click_to_record">
        <source>Click To Record</source>
        <translation>Zum Aufnehmen klicken</translation>
    </message>
    <message id="general.filter_type">
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message id="preferences.general">
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message id="preferences.key_bindings">
        <source>Key Bindings</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message id="preferences.rules">
        <source>Rules</source>
        <translation>Regeln</translation>
    </message>
    <message id="preferences.launch_at_login">
        <source>Start Brimble when I &amp;log in</source>
        <translation>Brimble beim &amp;Anmelden starten</translation>
    </message>
    <message id="preferences.auto_paste">
        <source>Paste chosen items into the window in front</source>
        <translation>Gewählte Einträge in das Fenster im Vordergrund einfügen</translation>
    </message>
    <message id="preferences.auto_paste_without_xtest">
        <source>This display offers no key synthesis (XTEST), so chosen items are only put on the clipboard: press Ctrl+V to paste them.</source>
        <translation>Dieses Display bietet keine Tastensimulation (XTEST), daher werden gewählte Einträge nur in die Zwischenablage gelegt: Drücken Sie Ctrl+V, um sie einzufügen.</translation>
    </message>
    <message id="preferences.auto_paste_without_virtual_keyboard">
        <source>This compositor offers no virtual keyboard, so chosen items are only put on the clipboard: press Ctrl+V to paste them.</source>
        <translation>Dieser Compositor bietet keine virtuelle Tastatur, daher werden gewählte Einträge nur in die Zwischenablage gelegt: Drücken Sie Ctrl+V, um sie einzufügen.</translation>
    </message>
    <message id="preferences.auto_paste_on_wayland">
        <source>On Wayland, Brimble pastes by itself into X11 windows only. In other windows the chosen item is on the clipboard: press Ctrl+V to paste it.</source>
        <translation>Unter Wayland fügt Brimble nur in X11-Fenster selbst ein. In anderen Fenstern liegt der gewählte Eintrag in der Zwischenablage: Drücken Sie Ctrl+V, um ihn einzufügen.</translation>
    </message>
    <message id="preferences.paste_as_plain_text">
        <source>Always paste as plain text</source>
        <translation>Immer als reinen Text einfügen</translation>
    </message>
    <message id="preferences.delete_after_pasted">
        <source>Delete items from the history once pasted</source>
        <translation>Einträge nach dem Einfügen aus dem Verlauf löschen</translation>
    </message>
    <message id="preferences.move_used_item_to_first">
        <source>Move pasted items to the top</source>
        <translation>Eingefügte Einträge nach oben verschieben</translation>
    </message>
    <message id="preferences.preview_links">
        <source>Preview links</source>
        <translation>Linkvorschau anzeigen</translation>
    </message>
    <message id="preferences.load_link_previews">
        <source>Load link previews without asking (the site sees a visit)</source>
        <translation>Linkvorschauen ohne Nachfrage laden (die Website sieht einen Besuch)</translation>
    </message>
    <message id="preferences.show_tray_icon">
        <source>Show the icon in the system tray</source>
        <translation>Symbol im Infobereich anzeigen</translation>
    </message>
    <message id="preferences.send_crash_reports">
        <source>Send crash reports automatically</source>
        <translation>Absturzberichte automatisch senden</translation>
    </message>
    <message id="preferences.keep_history">
        <source>&amp;Keep the clipboard history for</source>
        <translation>Zwischenablage-Verlauf &amp;behalten für</translation>
    </message>
    <message id="preferences.one_day">
        <source>1 day</source>
        <translation>1 Tag</translation>
    </message>
    <message id="preferences.seven_days">
        <source>7 days</source>
        <translation>7 Tage</translation>
    </message>
    <message id="preferences.thirty_days">
        <source>30 days</source>
        <translation>30 Tage</translation>
    </message>
    <message id="preferences.forever">
        <source>Forever</source>
        <translation>Für immer</translation>
    </message>
    <message id="preferences.show_quick_search_window">
        <source>Show the clipboard history</source>
        <translation>Zwischenablage-Verlauf anzeigen</translation>
    </message>
    <message id="preferences.quick_paste_modifier">
        <source>Quick paste, with 1 to 0</source>
        <translation>Schnelles Einfügen, mit 1 bis 0</translation>
    </message>
    <message id="preferences.plain_text_modifier">
        <source>Paste as plain text, with Return</source>
        <translation>Als reinen Text einfügen, mit Return</translation>
    </message>
    <message id="preferences.switch_clipboard_modifier">
        <source>Switch clipboard, with Tab</source>
        <translation>Zwischenablage wechseln, mit Tab</translation>
    </message>
    <message id="preferences.modifiers_collide">
        <source>Quick paste and plain-text paste use the same keys, so every quick paste comes out as plain text.</source>
        <translation>Schnelles Einfügen und Einfügen als reiner Text nutzen dieselben Tasten, daher wird jedes schnelle Einfügen zu reinem Text.</translation>
    </message>
    <message id="preferences.shortcut_needs_modifier">
        <source>A shortcut needs Ctrl, Alt or Super (Shift alone only with F1 to F20).</source>
        <translation>Ein Tastenkürzel braucht Ctrl, Alt oder Super (Shift allein nur mit F1 bis F20).</translation>
    </message>
    <message id="preferences.desktop_shortcut_asking">
        <source>Asking the desktop to bind the shortcut…</source>
        <translation>Die Arbeitsumgebung wird gebeten, das Tastenkürzel zuzuweisen…</translation>
    </message>
    <message id="preferences.desktop_shortcut_bound">
        <source>The desktop shows the history with: %1</source>
        <translation>Die Arbeitsumgebung zeigt den Verlauf mit: %1</translation>
    </message>
    <message id="preferences.desktop_shortcut_no_keys">
        <source>The desktop has not assigned keys to the shortcut yet.</source>
        <translation>Die Arbeitsumgebung hat dem Tastenkürzel noch keine Tasten zugewiesen.</translation>
    </message>
    <message id="preferences.desktop_shortcut_change">
        <source>Change…</source>
        <translation>Ändern…</translation>
    </message>
    <message id="preferences.desktop_shortcut_declined">
        <source>Binding the shortcut through the desktop was declined.</source>
        <translation>Das Zuweisen des Tastenkürzels über die Arbeitsumgebung wurde abgelehnt.</translation>
    </message>
    <message id="preferences.desktop_shortcut_no_portal">
        <source>This desktop binds no global shortcuts for applications (it offers no shortcuts portal).</source>
        <translation>Diese Arbeitsumgebung weist Anwendungen keine globalen Tastenkürzel zu (sie bietet kein Tastenkürzel-Portal).</translation>
    </message>
    <message id="preferences.desktop_shortcut_x11_only">
        <source>The shortcut above works only while an X11 window is in front.</source>
        <translation>Das obige Tastenkürzel funktioniert nur, solange ein X11-Fenster im Vordergrund ist.</translation>
    </message>
    <message id="preferences.gnome_add_shortcut">
        <source>Add to GNOME Keyboard Shortcuts…</source>
        <translation>Zu den GNOME-Tastaturkürzeln hinzufügen…</translation>
    </message>
    <message id="preferences.gnome_add_shortcut_confirm">
        <source>Add a GNOME keyboard shortcut that runs “brimble toggle” on %1?</source>
        <translation>Ein GNOME-Tastaturkürzel hinzufügen, das mit %1 „brimble toggle“ ausführt?</translation>
    </message>
    <message id="preferences.gnome_add_shortcut_explained">
        <source>It appears in GNOME Settings, Keyboard, Custom Shortcuts, where you can change or remove it.</source>
        <translation>Es erscheint in den GNOME-Einstellungen unter Tastatur, Eigene Tastaturkürzel, wo Sie es ändern oder entfernen können.</translation>
    </message>
    <message id="preferences.gnome_shortcut_added">
        <source>GNOME runs “brimble toggle” on %1.</source>
        <translation>GNOME führt mit %1 „brimble toggle“ aus.</translation>
    </message>
    <message id="preferences.gnome_shortcut_failed">
        <source>The GNOME shortcut could not be added: %1</source>
        <translation>Das GNOME-Tastaturkürzel konnte nicht hinzugefügt werden: %1</translation>
    </message>
    <message id="preferences.configuration_line">
        <source>Add this line to your compositor's configuration:</source>
        <translation>Fügen Sie diese Zeile zur Konfiguration Ihres Compositors hinzu:</translation>
    </message>
    <message id="preferences.other_desktop_shortcut">
        <source>Bind the command “brimble toggle” to a key in your desktop's keyboard settings.</source>
        <translation>Weisen Sie den Befehl „brimble toggle“ in den Tastatureinstellungen Ihrer Arbeitsumgebung einer Taste zu.</translation>
    </message>
    <message id="preferences.copy_line">
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message id="alert.pasted_by_hand">
        <source>Not pasted by itself: the item is on the clipboard, press Ctrl+V to paste it.</source>
        <translation>Nicht automatisch eingefügt: Der Eintrag liegt in der Zwischenablage, drücken Sie Ctrl+V, um ihn einzufügen.</translation>
    </message>
    <message id="preferences.shortcut_refused">
        <source>%1 cannot be used: %2. The shortcut stays %3.</source>
        <translation>%1 kann nicht verwendet werden: %2. Das Tastenkürzel bleibt %3.</translation>
    </message>
    <message id="preferences.no_shortcut">
        <source>none</source>
        <translation>keines</translation>
    </message>
    <message id="preferences.ignored_apps_explained">
        <source>Copies made in these applications are never recorded.</source>
        <translation>Was in diesen Anwendungen kopiert wird, wird nie aufgezeichnet.</translation>
    </message>
    <message id="preferences.add_applications">
        <source>&amp;Add…</source>
        <translation>&amp;Hinzufügen…</translation>
    </message>
    <message id="preferences.remove_applications">
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message id="preferences.choose_applications">
        <source>Choose Applications to Ignore</source>
        <translation>Zu ignorierende Anwendungen wählen</translation>
    </message>
    <message id="preferences.desktop_entries">
        <source>Applications (*.desktop)</source>
        <translation>Anwendungen (*.desktop)</translation>
    </message>
    <message id="menu.quit">
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message id="menu.preferences">
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message id="menu.about">
        <source>About</source>
        <translation>Über Brimble</translation>
    </message>
    <message id="menu.rename">
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message id="menu.clear_all_history">
        <source>Clear All History</source>
        <translation>Gesamten Verlauf leeren</translation>
    </message>
    <message id="menu.delete">
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message id="menu.paste">
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message id="menu.paste_as_plain_text">
        <source>Paste as Plain Text</source>
        <translation>Als reinen Text einfügen</translation>
    </message>
    <message id="menu.cut">
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message id="menu.copy">
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message id="menu.move_to">
        <source>Move to</source>
        <translation>Verschieben nach</translation>
    </message>
    <message id="menu.add_new_clip_board">
        <source>Add New Clipboard</source>
        <translation>Neue Zwischenablage hinzufügen</translation>
    </message>
    <message id="menu.move_to_first">
        <source>Move to First</source>
        <translation>An den Anfang verschieben</translation>
    </message>
    <message id="menu.save_to_file">
        <source>Save to File</source>
        <translation>In Datei speichern</translation>
    </message>
    <message id="menu.open">
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message id="menu.quick_look">
        <source>Quick Look</source>
        <translation>Schnellansicht</translation>
    </message>
    <message id="menu.show_in_finder">
        <source>Show in Folder</source>
        <translation>Im Ordner anzeigen</translation>
    </message>
    <message id="menu.pause_recording">
        <source>Pause Recording</source>
        <translation>Aufzeichnung pausieren</translation>
    </message>
    <message id="menu.continue_recording">
        <source>Continue Recording</source>
        <translation>Aufzeichnung fortsetzen</translation>
    </message>
    <message id="menu.open_in_browser">
        <source>Open in Browser</source>
        <translation>Im Browser öffnen</translation>
    </message>
    <message id="menu.help">
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message id="menu.check_for_updates">
        <source>Check for Updates</source>
        <translation>Nach Aktualisierungen suchen</translation>
    </message>
    <message id="menu.show_clipboard_history">
        <source>Show Clipboard History</source>
        <translation>Zwischenablage-Verlauf anzeigen</translation>
    </message>
    <message id="menu.undo">
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message id="menu.undo_delete">
        <source>Undo Delete</source>
        <translation>Rückgängig: Löschen</translation>
    </message>
    <message id="menu.undo_cut">
        <source>Undo Cut</source>
        <translation>Rückgängig: Ausschneiden</translation>
    </message>
    <message id="menu.undo_clear_all_history">
        <source>Undo Clear All History</source>
        <translation>Rückgängig: Gesamten Verlauf leeren</translation>
    </message>
    <message id="menu.undo_move">
        <source>Undo Move</source>
        <translation>Rückgängig: Verschieben</translation>
    </message>
    <message id="menu.undo_delete_clipboard">
        <source>Undo Delete Clipboard</source>
        <translation>Rückgängig: Zwischenablage löschen</translation>
    </message>
    <message id="quick_view.search">
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message id="quick_view.unnamed">
        <source>UnNamed</source>
        <translation>Unbenannt</translation>
    </message>
    <message id="quick_view.empty">
        <source>It's Empty</source>
        <translation>Hier ist nichts</translation>
    </message>
    <message id="quick_view.clipboard_history">
        <source>Clipboard History</source>
        <translation>Zwischenablage-Verlauf</translation>
    </message>
    <message id="quick_view.n_records">
        <source>%1 records</source>
        <translation>%1 Einträge</translation>
    </message>
    <message id="quick_view.text_cut">
        <source>Showing the first %1 of %2 characters.</source>
        <translation>Die ersten %1 von %2 Zeichen werden angezeigt.</translation>
    </message>
    <message id="quick_view.unknown_application">
        <source>Unknown application</source>
        <translation>Unbekannte Anwendung</translation>
    </message>
    <message id="quick_view.bad_type_clause">
        <source>&quot;%1&quot; names no type; type: takes %2</source>
        <translation>„%1“ benennt keinen Typ; type: akzeptiert %2</translation>
    </message>
    <message id="link_preview.load">
        <source>Load Preview</source>
        <translation>Vorschau laden</translation>
    </message>
    <message id="link_preview.not_web">
        <source>Only web pages (http and https) are previewed.</source>
        <translation>Vorschauen gibt es nur für Webseiten (http und https).</translation>
    </message>
    <message id="link_preview.credentials">
        <source>Not previewed: the link carries a user name or password.</source>
        <translation>Keine Vorschau: Der Link enthält einen Benutzernamen oder ein Passwort.</translation>
    </message>
    <message id="link_preview.local_host">
        <source>Not previewed: the link leads to this computer or the local network.</source>
        <translation>Keine Vorschau: Der Link führt zu diesem Rechner oder ins lokale Netzwerk.</translation>
    </message>
    <message id="link_preview.as_root">
        <source>Not previewed: the web view does not run as root.</source>
        <translation>Keine Vorschau: Die Webansicht läuft nicht als root.</translation>
    </message>
    <message id="link_preview.host_not_found">
        <source>The page could not be loaded: its host was not found.</source>
        <translation>Die Seite konnte nicht geladen werden: Der Host wurde nicht gefunden.</translation>
    </message>
    <message id="link_preview.failed">
        <source>The page could not be loaded: %1</source>
        <translation>Die Seite konnte nicht geladen werden: %1</translation>
    </message>
    <message id="link_preview.stopped">
        <source>The page stopped unexpectedly.</source>
        <translation>Die Seite wurde unerwartet beendet.</translation>
    </message>
    <message id="quick_view.no_matches">
        <source>No matches</source>
        <translation>Keine Treffer</translation>
    </message>
    <message id="quick_view.n_selected">
        <source>%1 selected</source>
        <translation>%1 ausgewählt</translation>
    </message>
    <message id="pasteboard.unknown_type">
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message id="pasteboard.text_type">
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message id="pasteboard.rich_text_type">
        <source>Rich Text</source>
        <translation>Formatierter Text</translation>
    </message>
    <message id="pasteboard.plain_text_type">
        <source>Plain Text</source>
        <translation>Reiner Text</translation>
    </message>
    <message id="pasteboard.image_type">
        <source>Image</source>
        <translation>Bild</translation>
    </message>
    <message id="pasteboard.file_type">
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message id="pasteboard.link_type">
        <source>Link</source>
        <translation>Link</translation>
    </message>
    <message id="pasteboard.color_type">
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message id="alert.confirm">
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message id="alert.cancel">
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message id="alert.alert">
        <source>Alert</source>
        <translation>Achtung</translation>
    </message>
    <message id="alert.save_to_file_failed">
        <source>Save to file failed!</source>
        <translation>Speichern in Datei fehlgeschlagen!</translation>
    </message>
    <message id="alert.delete">
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message id="alert.reduce_history_capacity">
        <source>Reduce history capacity!</source>
        <translation>Verlauf verkürzen!</translation>
    </message>
    <message id="alert.this_action_can_not_be_undo">
        <source>This cannot be undone.</source>
        <translation>Dies kann nicht rückgängig gemacht werden.</translation>
    </message>
    <message id="alert.confirm_clear_clipboard">
        <source>Clear all history of “%1”?</source>
        <translation>Gesamten Verlauf von „%1“ leeren?</translation>
    </message>
    <message id="alert.confirm_delete_clipboard">
        <source>Delete the clipboard “%1” and its history?</source>
        <translation>Die Zwischenablage „%1“ und ihren Verlauf löschen?</translation>
    </message>
    <message id="alert.items_to_delete">
        <source>Items to delete: %1.</source>
        <translation>Zu löschende Einträge: %1.</translation>
    </message>
    <message id="alert.undo_while_running">
        <source>You can undo this with Ctrl+Z while Brimble runs.</source>
        <translation>Sie können dies mit Ctrl+Z rückgängig machen, solange Brimble läuft.</translation>
    </message>
    <message id="alert.too_large_to_copy">
        <source>The selected items hold %1 MB together, more than the %2 MB that can be copied or pasted at once. Select fewer items.</source>
        <translation>Die ausgewählten Einträge umfassen zusammen %1 MB, mehr als die %2 MB, die auf einmal kopiert oder eingefügt werden können. Wählen Sie weniger Einträge aus.</translation>
    </message>
    <message id="alert.do_not_show_this_to_me_again">
        <source>Don't show this to me again</source>
        <translation>Diesen Hinweis nicht mehr anzeigen</translation>
    </message>
    <message id="alert.turn_on_accessibility_message">
        <source>Brimble can only paste automatically into X11 windows, and this window is not one. The item is on the clipboard: press Ctrl+V to paste it.</source>
        <translation>Brimble kann nur in X11-Fenster automatisch einfügen, und dieses Fenster ist keines. Der Eintrag liegt in der Zwischenablage: Drücken Sie Ctrl+V, um ihn einzufügen.</translation>
    </message>
    <message id="alert.turn_on_accessibility">
        <source>Turn On Accessibility</source>
        <translation>Barrierefreiheit aktivieren</translation>
    </message>
    <message id="alert.not_now">
        <source>Not Now</source>
        <translation>Nicht jetzt</translation>
    </message>
    <message id="alert.learn_more">
        <source>Learn More</source>
        <translation>Mehr erfahren</translation>
    </message>
    <message id="alert.crash_title">
        <source>Sorry about that!</source>
        <translation>Das tut uns leid!</translation>
    </message>
    <message id="alert.crash_message">
        <source>Brimble stopped unexpectedly the last time it ran. Do you want to send an anonymous crash report so that the problem can be fixed?</source>
        <translation>Brimble wurde bei der letzten Ausführung unerwartet beendet. Möchten Sie einen anonymen Absturzbericht senden, damit das Problem behoben werden kann?</translation>
    </message>
    <message id="alert.always_send">
        <source>Always Send</source>
        <translation>Immer senden</translation>
    </message>
    <message id="alert.send">
        <source>Send</source>
        <translation>Senden</translation>
    </message>
    <message id="alert.do_not_send">
        <source>Don't Send</source>
        <translation>Nicht senden</translation>
    </message>
    <message id="Could not save changes while quitting. Quit anyway?">
        <source>Could not save changes while quitting. Quit anyway?</source>
        <translation>Die Änderungen konnten beim Beenden nicht gespeichert werden. Trotzdem beenden?</translation>
    </message>
    <message id="Quitting now will lose any changes you have made since the last successful save">
        <source>Quitting now will lose any changes you have made since the last successful save</source>
        <translation>Wenn Sie jetzt beenden, gehen alle Änderungen seit dem letzten erfolgreichen Speichern verloren</translation>
    </message>
    <message id="Quit anyway">
        <source>Quit anyway</source>
        <translation>Trotzdem beenden</translation>
    </message>
    <message id="Cancel">
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message id="date.unknow_date">
        <source>Unknown date</source>
        <translation>Unbekanntes Datum</translation>
    </message>
    <message id="date.just_now">
        <source>Just now</source>
        <translation>Gerade eben</translation>
    </message>
    <message id="date.yesterday">
        <source>Yesterday</source>
        <translation>Gestern</translation>
    </message>
    <message id="alert.open_failed">
        <source>Brimble could not open %1: %2</source>
        <translation>Brimble konnte %1 nicht öffnen: %2</translation>
    </message>
    <message id="alert.setting_not_saved">
        <source>The setting was not saved, because %1 cannot be written. It is back to what it was.</source>
        <translation>Die Einstellung wurde nicht gespeichert, weil %1 nicht geschrieben werden kann. Sie hat wieder ihren vorherigen Wert.</translation>
    </message>
    <message id="alert.hot_key_refused">
        <source>The shortcut %1 is not available (%2). Choose another one in Preferences, or bind the command &quot;brimble toggle&quot; in your desktop&apos;s keyboard settings.</source>
        <translation>Das Tastenkürzel %1 ist nicht verfügbar (%2). Wählen Sie in den Einstellungen ein anderes oder weisen Sie den Befehl „brimble toggle“ in den Tastatureinstellungen Ihrer Arbeitsumgebung zu.</translation>
    </message>
    <message id="alert.history_disk_full">
        <source>There is no room left on the disk for your clipboard history (%1). New copies are kept in memory until there is; free some space so that they are not lost.</source>
        <translation>Auf dem Datenträger ist kein Platz mehr für Ihren Zwischenablage-Verlauf (%1). Neue Kopien werden im Arbeitsspeicher gehalten, bis wieder Platz ist; geben Sie Speicherplatz frei, damit sie nicht verloren gehen.</translation>
    </message>
    <message id="alert.history_recording_again">
        <source>There is room for your clipboard history again: copies are recorded, and the %1 made meanwhile are stored.</source>
        <translation>Für Ihren Zwischenablage-Verlauf ist wieder Platz: Kopien werden aufgezeichnet, und die %1 zwischenzeitlich gemachten werden gespeichert.</translation>
    </message>
    <message id="alert.history_copies_lost">
        <source>%1 copies made while the disk was full could not be kept.</source>
        <translation>%1 Kopien, die bei vollem Datenträger gemacht wurden, konnten nicht behalten werden.</translation>
    </message>
    <message id="format.files">
        <source>files</source>
        <translation>Dateien</translation>
    </message>
    <message id="format.chars">
        <source>chars</source>
        <translation>Zeichen</translation>
    </message>
    <message id="update.available">
        <source>Brimble %1 is available</source>
        <translation>Brimble %1 ist verfügbar</translation>
    </message>
    <message id="update.available_message">
        <source>You have version %1.</source>
        <translation>Sie haben Version %1.</translation>
    </message>
    <message id="update.download_page">
        <source>Download Page</source>
        <translation>Download-Seite</translation>
    </message>
    <message id="update.later">
        <source>Later</source>
        <translation>Später</translation>
    </message>
    <message id="update.up_to_date">
        <source>Brimble is up to date</source>
        <translation>Brimble ist aktuell</translation>
    </message>
    <message id="update.up_to_date_message">
        <source>Version %1 is the newest version.</source>
        <translation>Version %1 ist die neueste Version.</translation>
    </message>
    <message id="update.failed">
        <source>The update check failed</source>
        <translation>Die Suche nach Aktualisierungen ist fehlgeschlagen</translation>
    </message>
    <message id="queue.paste_in_sequence">
        <source>Paste in Sequence</source>
        <translation>Nacheinander einfügen</translation>
    </message>
    <message id="queue.clear">
        <source>Clear Paste Queue</source>
        <translation>Einfüge-Warteschlange leeren</translation>
    </message>
    <message id="queue.active">
        <source>Paste queue: %1 of %2 pasted, next: %3</source>
        <translation>Einfüge-Warteschlange: %1 von %2 eingefügt, als Nächstes: %3</translation>
    </message>
    <message id="queue.untitled_item">
        <source>item %1 (%2)</source>
        <translation>Eintrag %1 (%2)</translation>
    </message>
    <message id="queue.finished">
        <source>Paste queue done: all %1 items pasted</source>
        <translation>Einfüge-Warteschlange fertig: alle %1 Einträge eingefügt</translation>
    </message>
    <message id="queue.interrupted">
        <source>Paste queue ended by a new copy: %1 of %2 pasted</source>
        <translation>Einfüge-Warteschlange durch neue Kopie beendet: %1 von %2 eingefügt</translation>
    </message>
    <message id="queue.cleared">
        <source>Paste queue cleared: %1 of %2 pasted</source>
        <translation>Einfüge-Warteschlange geleert: %1 von %2 eingefügt</translation>
    </message>
    <message id="queue.failed">
        <source>Paste queue ended: %1</source>
        <translation>Einfüge-Warteschlange beendet: %1</translation>
    </message>
    <message id="queue.escape_clears">
        <source>Esc clears it</source>
        <translation>Esc leert sie</translation>
    </message>
    <message id="quick_view.secret_mask">
        <source>Secret · %1 · %2 characters</source>
        <translation>Geheimnis · %1 · %2 Zeichen</translation>
    </message>
    <message id="quick_view.secret_reveal_hint">
        <source>Click or press Space to show it</source>
        <translation>Klicken oder Space drücken, um es anzuzeigen</translation>
    </message>
    <message id="quick_view.secret_reveal">
        <source>Show Secret</source>
        <translation>Geheimnis anzeigen</translation>
    </message>
    <message id="secret.private_key">
        <source>private key</source>
        <translation>privater Schlüssel</translation>
    </message>
    <message id="secret.web_token">
        <source>web token</source>
        <translation>Web-Token</translation>
    </message>
    <message id="secret.cloud_key">
        <source>cloud access key</source>
        <translation>Cloud-Zugangsschlüssel</translation>
    </message>
    <message id="secret.access_token">
        <source>access token</source>
        <translation>Zugriffstoken</translation>
    </message>
    <message id="secret.bot_token">
        <source>bot token</source>
        <translation>Bot-Token</translation>
    </message>
    <message id="secret.payment_key">
        <source>payment key</source>
        <translation>Zahlungsschlüssel</translation>
    </message>
    <message id="secret.card_number">
        <source>card number</source>
        <translation>Kartennummer</translation>
    </message>
    <message id="preferences.secrets">
        <source>Secrets:</source>
        <translation>Geheimnisse:</translation>
    </message>
    <message id="preferences.secrets_note">
        <source>Keys, tokens and card numbers are shown masked until revealed.</source>
        <translation>Schlüssel, Token und Kartennummern werden maskiert angezeigt, bis sie aufgedeckt werden.</translation>
    </message>
    <message id="preferences.secret_never_record">
        <source>Never record</source>
        <translation>Nie aufzeichnen</translation>
    </message>
    <message id="preferences.secret_minute">
        <source>Remove after 1 minute</source>
        <translation>Nach 1 Minute entfernen</translation>
    </message>
    <message id="preferences.secret_ten_minutes">
        <source>Remove after 10 minutes</source>
        <translation>Nach 10 Minuten entfernen</translation>
    </message>
    <message id="preferences.secret_hour">
        <source>Remove after 1 hour</source>
        <translation>Nach 1 Stunde entfernen</translation>
    </message>
    <message id="preferences.secret_day">
        <source>Remove after 1 day</source>
        <translation>Nach 1 Tag entfernen</translation>
    </message>
    <message id="preferences.secret_keep">
        <source>Keep</source>
        <translation>Behalten</translation>
    </message>
    <message id="preferences.read_image_text">
        <source>Find copied images by their text (read on this computer)</source>
        <translation>Kopierte Bilder über ihren Text finden (auf diesem Rechner erkannt)</translation>
    </message>
    <message id="preferences.image_text_language">
        <source>Language of the text:</source>
        <translation>Sprache des Textes:</translation>
    </message>
    <message id="help.title">
        <source>Brimble Help</source>
        <translation>Brimble-Hilfe</translation>
    </message>
    <message id="help.back">
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message id="help.forward">
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message id="help.contents">
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message id="help.auto_paste_title">
        <source>Automatic Paste Unavailable</source>
        <translation>Automatisches Einfügen nicht möglich</translation>
    </message>
    <message id="about.title">
        <source>About Brimble</source>
        <translation>Über Brimble</translation>
    </message>
    <message id="about.description">
        <source>Clipboard history with a quick search window</source>
        <translation>Zwischenablage-Verlauf mit Schnellsuchfenster</translation>
    </message>
    <message id="about.licence">
        <source>Licence: none published yet. All rights reserved by the Brimble developers.</source>
        <translation>Lizenz: noch keine veröffentlicht. Alle Rechte liegen bei den Brimble-Entwicklern.</translation>
    </message>
    <message id="about.libraries">
        <source>Libraries:</source>
        <translation>Bibliotheken:</translation>
    </message>
    <message id="about.history">
        <source>History:</source>
        <translation>Verlauf:</translation>
    </message>
    <message id="about.logs">
        <source>Logs:</source>
        <translation>Protokolle:</translation>
    </message>
    <message id="about.copied">
        <source>Copied</source>
        <translation>Kopiert</translation>
    </message>
    <message id="about.close">
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message id="about.built_with">
        <source>built with %1</source>
        <translation>erstellt mit %1</translation>
    </message>
    <message id="archive.export_history">
        <source>Export History…</source>
        <translation>Verlauf exportieren …</translation>
    </message>
    <message id="archive.import_history">
        <source>Import History…</source>
        <translation>Verlauf importieren …</translation>
    </message>
    <message id="archive.export_title">
        <source>Export History</source>
        <translation>Verlauf exportieren</translation>
    </message>
    <message id="archive.import_title">
        <source>Import History</source>
        <translation>Verlauf importieren</translation>
    </message>
    <message id="archive.exists">
        <source>%1 already exists; choose another name.</source>
        <translation>%1 ist bereits vorhanden. Bitte wählen Sie einen anderen Namen.</translation>
    </message>
    <message id="archive.cannot_write">
        <source>Could not write %1: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message id="archive.cannot_open">
        <source>Could not open %1: %2</source>
        <translation>%1 konnte nicht geöffnet werden: %2</translation>
    </message>
    <message id="archive.not_archive">
        <source>%1 is not a Brimble history export. Nothing was imported.</source>
        <translation>%1 ist kein Verlaufsexport von Brimble. Es wurde nichts importiert.</translation>
    </message>
    <message id="archive.newer">
        <source>%1 was written by a newer Brimble (format %2). Nothing was imported.</source>
        <translation>%1 wurde von einer neueren Version von Brimble geschrieben (Format %2). Es wurde nichts importiert.</translation>
    </message>
    <message id="archive.damaged">
        <source>%1 is damaged or was altered (%2). Nothing was imported.</source>
        <translation>%1 ist beschädigt oder wurde verändert (%2). Es wurde nichts importiert.</translation>
    </message>
    <message id="archive.store_failed">
        <source>The history could not be written (%1). Nothing was imported.</source>
        <translation>Der Verlauf konnte nicht geschrieben werden (%1). Es wurde nichts importiert.</translation>
    </message>
    <message id="archive.exported">
        <source>Items exported: %1 (clipboards: %2).</source>
        <translation>Exportierte Einträge: %1 (Zwischenablagen: %2).</translation>
    </message>
    <message id="archive.secrets_left_out">
        <source>Secrets left out: %1.</source>
        <translation>Ausgelassene Geheimnisse: %1.</translation>
    </message>
    <message id="archive.imported">
        <source>Items added: %1. Already present, skipped: %2. Clipboards created: %3.</source>
        <translation>Hinzugefügte Einträge: %1. Bereits vorhanden, übersprungen: %2. Neu angelegte Zwischenablagen: %3.</translation>
    </message>
    <message id="menu.edit">
        <source>Edit…</source>
        <translation>Bearbeiten …</translation>
    </message>
    <message id="menu.undo_replace">
        <source>Undo Replace</source>
        <translation>Rückgängig: Ersetzen</translation>
    </message>
    <message id="editor.save">
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message id="editor.replace">
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message id="editor.hint">
        <source>Ctrl+Return saves the text as a new item, Ctrl+Shift+Return replaces the original, Escape cancels.</source>
        <translation>Strg+Eingabe speichert den Text als neuen Eintrag, Strg+Umschalt+Eingabe ersetzt das Original, Esc bricht ab.</translation>
    </message>
    <message id="editor.formatting_dropped">
        <source>This item has formatting. It is edited as plain text, and the formatting is not kept.</source>
        <translation>Dieser Eintrag ist formatiert. Er wird als reiner Text bearbeitet, die Formatierung geht dabei verloren.</translation>
    </message>
    <message id="editor.empty">
        <source>An empty text cannot be saved.</source>
        <translation>Ein leerer Text kann nicht gespeichert werden.</translation>
    </message>
    <message id="editor.original_gone">
        <source>The original item is no longer in the history, so it cannot be replaced. Save keeps the text as a new item.</source>
        <translation>Der ursprüngliche Eintrag ist nicht mehr im Verlauf und kann daher nicht ersetzt werden. Mit „Speichern“ wird der Text als neuer Eintrag behalten.</translation>
    </message>
    <message id="editor.not_stored">
        <source>The text could not be stored. It is still here, so you can try again.</source>
        <translation>Der Text konnte nicht gespeichert werden. Er bleibt hier erhalten, Sie können es erneut versuchen.</translation>
    </message>
    <message id="editor.secret_not_recorded">
        <source>This text looks like a secret, and secrets are not recorded (see Preferences). Nothing was saved.</source>
        <translation>Dieser Text sieht wie ein Geheimnis aus, und Geheimnisse werden nicht aufgezeichnet (siehe Einstellungen). Es wurde nichts gespeichert.</translation>
    </message>
    <message id="editor.not_editable">
        <source>Only text can be edited, not images, files or hidden secrets.</source>
        <translation>Nur Text kann bearbeitet werden, keine Bilder, Dateien oder verborgenen Geheimnisse.</translation>
    </message>
</context>
</TS>
