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
        <translation>Dieses Display bietet keine Tastensimulation (XTEST), daher werden gewählte Einträge nur in die Zwischenablage gelegt: Drücken Sie Strg+V, um sie einzufügen.</translation>
    </message>
    <message id="preferences.auto_paste_without_virtual_keyboard">
        <source>This compositor offers no virtual keyboard, so chosen items are only put on the clipboard: press Ctrl+V to paste them.</source>
        <translation>Dieser Compositor bietet keine virtuelle Tastatur, daher werden gewählte Einträge nur in die Zwischenablage gelegt: Drücken Sie Strg+V, um sie einzufügen.</translation>
    </message>
    <message id="preferences.auto_paste_on_wayland">
        <source>On Wayland, Brimble pastes by itself into X11 windows only. In other windows the chosen item is on the clipboard: press Ctrl+V to paste it.</source>
        <translation>Unter Wayland fügt Brimble nur in X11-Fenster selbst ein. In anderen Fenstern liegt der gewählte Eintrag in der Zwischenablage: Drücken Sie Strg+V, um ihn einzufügen.</translation>
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
        <translation>Ein Tastenkürzel braucht Strg, Alt oder Super (Umschalt allein nur mit F1 bis F20).</translation>
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
        <translation>Nicht automatisch eingefügt: Der Eintrag liegt in der Zwischenablage, drücken Sie Strg+V, um ihn einzufügen.</translation>
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
        <translation>Sie können dies mit Strg+Z rückgängig machen, solange Brimble läuft.</translation>
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
        <translation>Brimble kann nur in X11-Fenster automatisch einfügen, und dieses Fenster ist keines. Der Eintrag liegt in der Zwischenablage: Drücken Sie Strg+V, um ihn einzufügen.</translation>
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
    <message id="cli.help.usage">
        <source>Usage: brimble [VERB [ARGUMENTS]]</source>
        <translation>Aufruf: brimble [BEFEHL [ARGUMENTE]]</translation>
    </message>
    <message id="cli.help.without_verb">
        <source>Without a verb, starts Brimble (or shows the running one).</source>
        <translation>Ohne Befehl wird Brimble gestartet (oder das laufende Brimble angezeigt).</translation>
    </message>
    <message id="cli.help.verbs">
        <source>Verbs:</source>
        <translation>Befehle:</translation>
    </message>
    <message id="cli.help.notes">
        <source>ITEM is a uuid or a position in the listed order (1 is the newest). NAME is a clipboard&apos;s title, or its uuid (`clipboards --json` shows them) where titles repeat. Lines of `list` and `search`: position, age, type (as type: names it), first line of text with control characters shown as escapes. A secret (a key, a token, a card number) shows its kind and length instead of its text unless --reveal is given. `search` also finds images by the text Brimble has read in them.</source>
        <translation>ITEM ist eine UUID oder eine Position in der aufgelisteten Reihenfolge (1 ist der neueste Eintrag). NAME ist der Titel einer Zwischenablage oder, wo sich Titel wiederholen, ihre UUID (`clipboards --json` zeigt sie). Zeilen von `list` und `search`: Position, Alter, Typ (wie type: ihn nennt), erste Textzeile, Steuerzeichen als Escape-Sequenzen dargestellt. Ein Geheimnis (ein Schlüssel, ein Token, eine Kartennummer) zeigt statt seines Textes seine Art und Länge, außer wenn --reveal angegeben ist. `search` findet auch Bilder anhand des Textes, den Brimble darin erkannt hat.</translation>
    </message>
    <message id="cli.help.options">
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message id="cli.help.environment">
        <source>Environment:</source>
        <translation>Umgebungsvariablen:</translation>
    </message>
    <message id="cli.help.platform">
        <source>the clipboard backend; by default native Wayland when the compositor offers data control, else X11 (the log names the one in use)</source>
        <translation>die Anbindung an die Zwischenablage; standardmäßig natives Wayland, wenn der Compositor Datenkontrolle (data control) anbietet, sonst X11 (das Protokoll nennt die verwendete)</translation>
    </message>
    <message id="cli.help.exit_status">
        <source>Exit status: 0 done, 1 request failed, 2 usage error, 3 Brimble is not running, 4 the history cannot be read, 5 Brimble is busy (try again), 6 paste only copied (automatic paste is off), 7 no display (Brimble itself).</source>
        <translation>Rückgabewert: 0 erledigt, 1 Anfrage fehlgeschlagen, 2 falscher Aufruf, 3 Brimble läuft nicht, 4 Verlauf nicht lesbar, 5 Brimble ist beschäftigt (erneut versuchen), 6 paste hat nur kopiert (automatisches Einfügen ist aus), 7 kein Display (Brimble selbst).</translation>
    </message>
    <message id="cli.verb.list">
        <source>the history, newest first</source>
        <translation>der Verlauf, neueste Einträge zuerst</translation>
    </message>
    <message id="cli.verb.search">
        <source>items matching QUERY; type:image,link clauses narrow by type</source>
        <translation>Einträge, die zu QUERY passen; Angaben wie type:image,link schränken nach Typ ein</translation>
    </message>
    <message id="cli.verb.clipboards">
        <source>the clipboards with their record counts</source>
        <translation>die Zwischenablagen mit der Anzahl ihrer Einträge</translation>
    </message>
    <message id="cli.verb.copy">
        <source>put an item back on the clipboard</source>
        <translation>einen Eintrag wieder in die Zwischenablage legen</translation>
    </message>
    <message id="cli.verb.paste">
        <source>copy an item and paste it into the active window</source>
        <translation>einen Eintrag kopieren und in das aktive Fenster einfügen</translation>
    </message>
    <message id="cli.verb.pause">
        <source>stop recording copies</source>
        <translation>die Aufzeichnung von Kopien pausieren</translation>
    </message>
    <message id="cli.verb.resume">
        <source>record copies again</source>
        <translation>Kopien wieder aufzeichnen</translation>
    </message>
    <message id="cli.verb.toggle">
        <source>show or hide the quick search window</source>
        <translation>das Fenster des Zwischenablage-Verlaufs ein- oder ausblenden</translation>
    </message>
    <message id="cli.verb.preferences">
        <source>open the preferences window</source>
        <translation>das Einstellungsfenster öffnen</translation>
    </message>
    <message id="cli.verb.quit">
        <source>end the running Brimble</source>
        <translation>das laufende Brimble beenden</translation>
    </message>
    <message id="cli.verb.salvage">
        <source>rebuild a damaged history from its readable rows, keeping the damaged file beside it</source>
        <translation>einen beschädigten Verlauf aus seinen lesbaren Zeilen neu aufbauen; die beschädigte Datei bleibt daneben erhalten</translation>
    </message>
    <message id="cli.verb.queue">
        <source>with ITEMs, paste them in this order, one per paste (Ctrl+V) anywhere; clear ends the queue; alone, shows it</source>
        <translation>mit ITEMs: sie in dieser Reihenfolge einfügen, einen pro Einfügen (Strg+V) an beliebiger Stelle; clear beendet die Warteschlange; allein: zeigt sie an</translation>
    </message>
    <message id="cli.verb.export">
        <source>write the history&apos;s items, with every representation, their dates, clipboards and source applications, to a new FILE (an existing one is never replaced; secrets are left out)</source>
        <translation>die Einträge des Verlaufs mit allen Darstellungen, Datum, Zwischenablage und Quellanwendung in eine neue Datei FILE schreiben (eine vorhandene wird nie ersetzt; Geheimnisse werden ausgelassen)</translation>
    </message>
    <message id="cli.verb.import">
        <source>add the items of an exported FILE to the history, skipping items already there; a damaged or altered FILE is refused and nothing is added</source>
        <translation>die Einträge einer exportierten Datei FILE zum Verlauf hinzufügen und bereits vorhandene überspringen; eine beschädigte oder veränderte Datei wird abgelehnt und nichts hinzugefügt</translation>
    </message>
    <message id="cli.option.help">
        <source>show the help</source>
        <translation>die Hilfe anzeigen</translation>
    </message>
    <message id="cli.option.version">
        <source>show the version</source>
        <translation>die Version anzeigen</translation>
    </message>
    <message id="cli.option.list_clipboard">
        <source>the clipboard to list, by title or uuid (default: Clipboard History)</source>
        <translation>die aufzulistende Zwischenablage, nach Titel oder UUID (Standard: Zwischenablage-Verlauf)</translation>
    </message>
    <message id="cli.option.limit">
        <source>at most N items</source>
        <translation>höchstens N Einträge</translation>
    </message>
    <message id="cli.option.json">
        <source>one JSON array instead of lines</source>
        <translation>ein JSON-Array statt Zeilen</translation>
    </message>
    <message id="cli.option.reveal">
        <source>print secrets&apos; text instead of their kind and length</source>
        <translation>den Text von Geheimnissen statt ihrer Art und Länge ausgeben</translation>
    </message>
    <message id="cli.option.search_clipboard">
        <source>the clipboard to search, by title or uuid</source>
        <translation>die zu durchsuchende Zwischenablage, nach Titel oder UUID</translation>
    </message>
    <message id="cli.option.plain">
        <source>as plain text</source>
        <translation>als reiner Text</translation>
    </message>
    <message id="cli.option.item_clipboard">
        <source>the clipboard ITEM is counted in, by title or uuid</source>
        <translation>die Zwischenablage, in der ITEM gezählt wird, nach Titel oder UUID</translation>
    </message>
    <message id="cli.option.queue_clipboard">
        <source>the clipboard the ITEMs are counted in, by title or uuid</source>
        <translation>die Zwischenablage, in der die ITEMs gezählt werden, nach Titel oder UUID</translation>
    </message>
    <message id="cli.option.queue_json">
        <source>the queue as one JSON object</source>
        <translation>die Warteschlange als ein JSON-Objekt</translation>
    </message>
    <message id="cli.option.export_clipboard">
        <source>only this clipboard, by title or uuid (default: every clipboard)</source>
        <translation>nur diese Zwischenablage, nach Titel oder UUID (Standard: alle Zwischenablagen)</translation>
    </message>
    <message id="cli.unknown_verb">
        <source>unknown verb &quot;%1&quot; (see brimble --help)</source>
        <translation>unbekannter Befehl „%1“ (siehe brimble --help)</translation>
    </message>
    <message id="cli.unknown_option">
        <source>unknown option &quot;%1&quot; (see brimble --help)</source>
        <translation>unbekannte Option „%1“ (siehe brimble --help)</translation>
    </message>
    <message id="cli.option_not_taken">
        <source>%1 does not take %2 (see brimble --help)</source>
        <translation>%1 kennt die Option %2 nicht (siehe brimble --help)</translation>
    </message>
    <message id="cli.needs_value">
        <source>%1 needs a value</source>
        <translation>%1 braucht einen Wert</translation>
    </message>
    <message id="cli.bad_limit">
        <source>--limit takes a whole number of at least 1, not &quot;%1&quot;</source>
        <translation>--limit erwartet eine ganze Zahl ab 1, nicht „%1“</translation>
    </message>
    <message id="cli.takes_one_item">
        <source>%1 takes one item: a uuid or a position</source>
        <translation>%1 erwartet genau einen Eintrag: eine UUID oder eine Position</translation>
    </message>
    <message id="cli.queue_clear_alone">
        <source>queue clear takes no items</source>
        <translation>queue clear erwartet keine Einträge</translation>
    </message>
    <message id="cli.search_needs_query">
        <source>search needs a query</source>
        <translation>search braucht einen Suchbegriff</translation>
    </message>
    <message id="cli.takes_one_file">
        <source>%1 takes one file</source>
        <translation>%1 erwartet genau eine Datei</translation>
    </message>
    <message id="cli.takes_no_argument">
        <source>%1 takes no argument &quot;%2&quot;</source>
        <translation>%1 erwartet kein Argument „%2“</translation>
    </message>
    <message id="cli.history_damaged">
        <source>the history %1 is damaged; quit Brimble (brimble quit) and run &quot;brimble salvage&quot; to rescue what can still be read</source>
        <translation>der Verlauf %1 ist beschädigt; beenden Sie Brimble (brimble quit) und führen Sie „brimble salvage“ aus, um zu retten, was noch lesbar ist</translation>
    </message>
    <message id="cli.history_damaged_because">
        <source>the history %1 is damaged (%2); quit Brimble (brimble quit) and run &quot;brimble salvage&quot; to rescue what can still be read</source>
        <translation>der Verlauf %1 ist beschädigt (%2); beenden Sie Brimble (brimble quit) und führen Sie „brimble salvage“ aus, um zu retten, was noch lesbar ist</translation>
    </message>
    <message id="cli.cannot_open_history">
        <source>cannot open the history %1: %2</source>
        <translation>der Verlauf %1 lässt sich nicht öffnen: %2</translation>
    </message>
    <message id="cli.salvage_while_running">
        <source>Brimble is running: quit it first (brimble quit), then salvage</source>
        <translation>Brimble läuft: beenden Sie es zuerst (brimble quit) und führen Sie dann salvage aus</translation>
    </message>
    <message id="cli.salvaged">
        <source>Salvaged %1
  kept: %2 items, %3 clipboards, %4 ignore rules
  lost: %5 items of which some rows were read, and %6 unreadable stretches of rows
  rebuilt: %7 search texts, and %8 clipboards whose items outlived them (&quot;Recovered clipboard&quot;)
The damaged file is kept as %9</source>
        <translation>Gerettet: %1
  behalten: %2 Einträge, %3 Zwischenablagen, %4 Ausschlussregeln
  verloren: %5 Einträge, von denen einige Zeilen gelesen wurden, und %6 unlesbare Zeilenbereiche
  neu aufgebaut: %7 Suchtexte und %8 Zwischenablagen, deren Einträge sie überdauert hatten („Recovered clipboard“)
Die beschädigte Datei ist aufbewahrt als %9</translation>
    </message>
    <message id="cli.no_paste_queue">
        <source>No paste queue</source>
        <translation>Keine Einfüge-Warteschlange</translation>
    </message>
    <message id="cli.not_running">
        <source>Brimble is not running (start it with `brimble`)</source>
        <translation>Brimble läuft nicht (starten Sie es mit `brimble`)</translation>
    </message>
    <message id="cli.busy">
        <source>Brimble is busy and did not take the request; try again in a moment</source>
        <translation>Brimble ist beschäftigt und hat die Anfrage nicht angenommen; versuchen Sie es gleich noch einmal</translation>
    </message>
    <message id="cli.request_failed">
        <source>the request failed</source>
        <translation>die Anfrage ist fehlgeschlagen</translation>
    </message>
    <message id="cli.unreadable_answer">
        <source>Brimble gave an unreadable answer</source>
        <translation>Brimble hat eine unlesbare Antwort gegeben</translation>
    </message>
    <message id="cli.copied_not_pasted">
        <source>copied to the clipboard but not pasted: automatic paste is off (Preferences, General)</source>
        <translation>in die Zwischenablage kopiert, aber nicht eingefügt: automatisches Einfügen ist aus (Einstellungen, Allgemein)</translation>
    </message>
    <message id="cli.still_starting">
        <source>Brimble is still starting; try again in a moment</source>
        <translation>Brimble startet noch; versuchen Sie es gleich noch einmal</translation>
    </message>
    <message id="cli.quit_not_saved">
        <source>the history could not be saved (see the log); Brimble quits all the same</source>
        <translation>der Verlauf konnte nicht gespeichert werden (siehe Protokoll); Brimble wird trotzdem beendet</translation>
    </message>
    <message id="cli.already_running_busy">
        <source>Brimble is already running but busy; try again in a moment</source>
        <translation>Brimble läuft bereits, ist aber beschäftigt; versuchen Sie es gleich noch einmal</translation>
    </message>
    <message id="cli.not_answering">
        <source>another Brimble holds %1 but does not answer</source>
        <translation>ein anderes Brimble belegt %1, antwortet aber nicht</translation>
    </message>
    <message id="cli.no_display">
        <source>no display to open: DISPLAY is not set, and no Wayland compositor offers clipboard data control</source>
        <translation>kein Display zum Öffnen: DISPLAY ist nicht gesetzt, und kein Wayland-Compositor bietet Datenkontrolle für die Zwischenablage (data control)</translation>
    </message>
    <message id="cli.cannot_open_wayland">
        <source>cannot open the Wayland display &quot;%1&quot;</source>
        <translation>das Wayland-Display „%1“ lässt sich nicht öffnen</translation>
    </message>
    <message id="cli.cannot_open_x11">
        <source>cannot open the X display &quot;%1&quot;</source>
        <translation>das X-Display „%1“ lässt sich nicht öffnen</translation>
    </message>
    <message id="cli.cannot_open_database">
        <source>Brimble cannot open its history database.

%1

The file was left as it is. Move it aside to start with an empty history, or restore it from a backup.</source>
        <translation>Brimble kann seine Verlaufsdatenbank nicht öffnen.

%1

Die Datei wurde unverändert gelassen. Verschieben Sie sie, um mit einem leeren Verlauf zu beginnen, oder stellen Sie sie aus einer Sicherung wieder her.</translation>
    </message>
    <message id="history.unreadable">
        <source>the history could not be read (see the log)</source>
        <translation>der Verlauf konnte nicht gelesen werden (siehe Protokoll)</translation>
    </message>
    <message id="history.unsearchable">
        <source>the history could not be searched (see the log)</source>
        <translation>der Verlauf konnte nicht durchsucht werden (siehe Protokoll)</translation>
    </message>
    <message id="history.default_clipboard_missing">
        <source>the default clipboard is missing</source>
        <translation>die Standard-Zwischenablage fehlt</translation>
    </message>
    <message id="history.no_clipboard_named">
        <source>no clipboard named &quot;%1&quot;</source>
        <translation>keine Zwischenablage namens „%1“</translation>
    </message>
    <message id="history.no_item_with_uuid">
        <source>no item with uuid %1</source>
        <translation>kein Eintrag mit der UUID %1</translation>
    </message>
    <message id="history.cannot_read">
        <source>cannot read the history: %1</source>
        <translation>der Verlauf lässt sich nicht lesen: %1</translation>
    </message>
    <message id="history.no_item_at">
        <source>no item %1 in &quot;%2&quot; (it holds %3)</source>
        <translation>kein Eintrag %1 in „%2“ (sie enthält %3)</translation>
    </message>
    <message id="history.deleted_meanwhile">
        <source>item %1 was deleted meanwhile</source>
        <translation>Eintrag %1 wurde inzwischen gelöscht</translation>
    </message>
    <message id="history.none_yet">
        <source>no history yet</source>
        <translation>noch kein Verlauf vorhanden</translation>
    </message>
    <message id="history.not_regular_file">
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message id="history.needs_upgrade">
        <source>its schema (version %1) needs Brimble to upgrade it first</source>
        <translation>sein Schema (Version %1) muss zuerst von Brimble aktualisiert werden</translation>
    </message>
    <message id="history.none_at">
        <source>there is no history at %1</source>
        <translation>unter %1 gibt es keinen Verlauf</translation>
    </message>
    <message id="history.cannot_write">
        <source>cannot write %1: %2</source>
        <translation>%1 lässt sich nicht schreiben: %2</translation>
    </message>
    <message id="history.cannot_move_aside">
        <source>cannot move %1 aside: %2</source>
        <translation>%1 lässt sich nicht beiseitelegen: %2</translation>
    </message>
    <message id="history.cannot_put_in_place">
        <source>cannot put the salvaged history in place: %1</source>
        <translation>der gerettete Verlauf lässt sich nicht an seinen Platz bringen: %1</translation>
    </message>
    <message id="paste.content_unreadable">
        <source>the item&apos;s content could not be read from the history</source>
        <translation>der Inhalt des Eintrags konnte nicht aus dem Verlauf gelesen werden</translation>
    </message>
    <message id="paste.no_plain_text">
        <source>the item has no plain text; the clipboard was left as it was</source>
        <translation>der Eintrag hat keinen reinen Text; die Zwischenablage bleibt, wie sie war</translation>
    </message>
    <message id="paste.nothing_to_write">
        <source>nothing to write</source>
        <translation>nichts zu schreiben</translation>
    </message>
    <message id="paste.clipboard_refused">
        <source>the clipboard could not be taken</source>
        <translation>die Zwischenablage konnte nicht übernommen werden</translation>
    </message>
    <message id="paste.no_window_known">
        <source>no window to paste into is known; the item is on the clipboard</source>
        <translation>kein Fenster zum Einfügen bekannt; der Eintrag liegt in der Zwischenablage</translation>
    </message>
    <message id="paste.window_gone">
        <source>the window to paste into is gone; the item is on the clipboard</source>
        <translation>das Fenster zum Einfügen ist nicht mehr da; der Eintrag liegt in der Zwischenablage</translation>
    </message>
    <message id="paste.not_activated">
        <source>the window to paste into did not come to the front; the item is on the clipboard</source>
        <translation>das Fenster zum Einfügen kam nicht in den Vordergrund; der Eintrag liegt in der Zwischenablage</translation>
    </message>
    <message id="paste.no_xtest">
        <source>the display does not take synthetic key strokes (XTest); the item is on the clipboard</source>
        <translation>das Display nimmt keine simulierten Tastendrücke an (XTest); der Eintrag liegt in der Zwischenablage</translation>
    </message>
    <message id="paste.no_virtual_keyboard">
        <source>the compositor offers no virtual keyboard; the item is on the clipboard</source>
        <translation>der Compositor bietet keine virtuelle Tastatur; der Eintrag liegt in der Zwischenablage</translation>
    </message>
    <message id="paste.key_not_sent">
        <source>the paste key stroke could not be sent; the item is on the clipboard</source>
        <translation>der Tastendruck zum Einfügen konnte nicht gesendet werden; der Eintrag liegt in der Zwischenablage</translation>
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
        <source>%1 saves the text as a new item, %2 replaces the original, %3 cancels.</source>
        <translation>%1 speichert den Text als neuen Eintrag, %2 ersetzt das Original, %3 bricht ab.</translation>
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
    <message id="editor.too_long">
        <source>This text is too long to edit here (more than %1 characters).</source>
        <translation>Dieser Text ist zu lang, um ihn hier zu bearbeiten (mehr als %1 Zeichen).</translation>
    </message>
</context>
</TS>
