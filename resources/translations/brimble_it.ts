<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name></name>
    <message id="general.reset">
        <source>Reset</source>
        <translation>Ripristina</translation>
    </message>
    <message id="general.click_to_record">
        <source>Click To Record</source>
        <translation>Fai clic per registrare</translation>
    </message>
    <message id="general.filter_type">
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message id="preferences.general">
        <source>General</source>
        <translation>Generale</translation>
    </message>
    <message id="preferences.key_bindings">
        <source>Key Bindings</source>
        <translation>Scorciatoie</translation>
    </message>
    <message id="preferences.rules">
        <source>Rules</source>
        <translation>Regole</translation>
    </message>
    <message id="preferences.launch_at_login">
        <source>Start Brimble when I &amp;log in</source>
        <translation>Avvia Brimble all'&amp;accesso</translation>
    </message>
    <message id="preferences.auto_paste">
        <source>Paste chosen items into the window in front</source>
        <translation>Incolla gli elementi scelti nella finestra in primo piano</translation>
    </message>
    <message id="preferences.auto_paste_without_xtest">
        <source>This display offers no key synthesis (XTEST), so chosen items are only put on the clipboard: press Ctrl+V to paste them.</source>
        <translation>Questo display non offre la simulazione dei tasti (XTEST), quindi gli elementi scelti vengono solo copiati negli appunti: premi Ctrl+V per incollarli.</translation>
    </message>
    <message id="preferences.auto_paste_without_virtual_keyboard">
        <source>This compositor offers no virtual keyboard, so chosen items are only put on the clipboard: press Ctrl+V to paste them.</source>
        <translation>Questo compositor non offre una tastiera virtuale, quindi gli elementi scelti vengono solo copiati negli appunti: premi Ctrl+V per incollarli.</translation>
    </message>
    <message id="preferences.auto_paste_on_wayland">
        <source>On Wayland, Brimble pastes by itself into X11 windows only. In other windows the chosen item is on the clipboard: press Ctrl+V to paste it.</source>
        <translation>Su Wayland, Brimble incolla automaticamente soltanto nelle finestre X11. Nelle altre finestre l'elemento scelto è negli appunti: premi Ctrl+V per incollarlo.</translation>
    </message>
    <message id="preferences.paste_as_plain_text">
        <source>Always paste as plain text</source>
        <translation>Incolla sempre come testo semplice</translation>
    </message>
    <message id="preferences.delete_after_pasted">
        <source>Delete items from the history once pasted</source>
        <translation>Elimina dalla cronologia gli elementi dopo averli incollati</translation>
    </message>
    <message id="preferences.move_used_item_to_first">
        <source>Move pasted items to the top</source>
        <translation>Sposta in cima gli elementi incollati</translation>
    </message>
    <message id="preferences.preview_links">
        <source>Preview links</source>
        <translation>Mostra l'anteprima dei collegamenti</translation>
    </message>
    <message id="preferences.load_link_previews">
        <source>Load link previews without asking (the site sees a visit)</source>
        <translation>Carica le anteprime dei collegamenti senza chiedere (il sito registra una visita)</translation>
    </message>
    <message id="preferences.show_tray_icon">
        <source>Show the icon in the system tray</source>
        <translation>Mostra l'icona nell'area di notifica</translation>
    </message>
    <message id="preferences.send_crash_reports">
        <source>Send crash reports automatically</source>
        <translation>Invia automaticamente le segnalazioni di arresto anomalo</translation>
    </message>
    <message id="preferences.keep_history">
        <source>&amp;Keep the clipboard history for</source>
        <translation>&amp;Conserva la cronologia degli appunti per</translation>
    </message>
    <message id="preferences.one_day">
        <source>1 day</source>
        <translation>1 giorno</translation>
    </message>
    <message id="preferences.seven_days">
        <source>7 days</source>
        <translation>7 giorni</translation>
    </message>
    <message id="preferences.thirty_days">
        <source>30 days</source>
        <translation>30 giorni</translation>
    </message>
    <message id="preferences.forever">
        <source>Forever</source>
        <translation>Per sempre</translation>
    </message>
    <message id="preferences.show_quick_search_window">
        <source>Show the clipboard history</source>
        <translation>Mostra la cronologia degli appunti</translation>
    </message>
    <message id="preferences.quick_paste_modifier">
        <source>Quick paste, with 1 to 0</source>
        <translation>Incolla rapido, con i tasti da 1 a 0</translation>
    </message>
    <message id="preferences.plain_text_modifier">
        <source>Paste as plain text, with Return</source>
        <translation>Incolla come testo semplice, con Return</translation>
    </message>
    <message id="preferences.switch_clipboard_modifier">
        <source>Switch clipboard, with Tab</source>
        <translation>Cambia appunti, con Tab</translation>
    </message>
    <message id="preferences.modifiers_collide">
        <source>Quick paste and plain-text paste use the same keys, so every quick paste comes out as plain text.</source>
        <translation>Incolla rapido e Incolla come testo semplice usano gli stessi tasti, quindi ogni incolla rapido produce testo semplice.</translation>
    </message>
    <message id="preferences.shortcut_needs_modifier">
        <source>A shortcut needs Ctrl, Alt or Super (Shift alone only with F1 to F20).</source>
        <translation>Una scorciatoia richiede Ctrl, Alt o Super (il solo Shift basta soltanto con i tasti da F1 a F20).</translation>
    </message>
    <message id="preferences.desktop_shortcut_asking">
        <source>Asking the desktop to bind the shortcut…</source>
        <translation>Richiesta al desktop di associare la scorciatoia…</translation>
    </message>
    <message id="preferences.desktop_shortcut_bound">
        <source>The desktop shows the history with: %1</source>
        <translation>Il desktop mostra la cronologia con: %1</translation>
    </message>
    <message id="preferences.desktop_shortcut_no_keys">
        <source>The desktop has not assigned keys to the shortcut yet.</source>
        <translation>Il desktop non ha ancora assegnato dei tasti alla scorciatoia.</translation>
    </message>
    <message id="preferences.desktop_shortcut_change">
        <source>Change…</source>
        <translation>Modifica…</translation>
    </message>
    <message id="preferences.desktop_shortcut_declined">
        <source>Binding the shortcut through the desktop was declined.</source>
        <translation>L'associazione della scorciatoia tramite il desktop è stata rifiutata.</translation>
    </message>
    <message id="preferences.desktop_shortcut_no_portal">
        <source>This desktop binds no global shortcuts for applications (it offers no shortcuts portal).</source>
        <translation>Questo desktop non associa scorciatoie globali per le applicazioni (non offre un portale per le scorciatoie).</translation>
    </message>
    <message id="preferences.desktop_shortcut_x11_only">
        <source>The shortcut above works only while an X11 window is in front.</source>
        <translation>La scorciatoia qui sopra funziona solo quando in primo piano c'è una finestra X11.</translation>
    </message>
    <message id="preferences.gnome_add_shortcut">
        <source>Add to GNOME Keyboard Shortcuts…</source>
        <translation>Aggiungi alle scorciatoie da tastiera di GNOME…</translation>
    </message>
    <message id="preferences.gnome_add_shortcut_confirm">
        <source>Add a GNOME keyboard shortcut that runs “brimble toggle” on %1?</source>
        <translation>Aggiungere una scorciatoia da tastiera di GNOME che esegua “brimble toggle” con %1?</translation>
    </message>
    <message id="preferences.gnome_add_shortcut_explained">
        <source>It appears in GNOME Settings, Keyboard, Custom Shortcuts, where you can change or remove it.</source>
        <translation>Compare in Impostazioni di GNOME, Tastiera, Scorciatoie personalizzate, dove puoi modificarla o rimuoverla.</translation>
    </message>
    <message id="preferences.gnome_shortcut_added">
        <source>GNOME runs “brimble toggle” on %1.</source>
        <translation>GNOME esegue “brimble toggle” con %1.</translation>
    </message>
    <message id="preferences.gnome_shortcut_failed">
        <source>The GNOME shortcut could not be added: %1</source>
        <translation>Impossibile aggiungere la scorciatoia di GNOME: %1</translation>
    </message>
    <message id="preferences.configuration_line">
        <source>Add this line to your compositor's configuration:</source>
        <translation>Aggiungi questa riga alla configurazione del tuo compositor:</translation>
    </message>
    <message id="preferences.other_desktop_shortcut">
        <source>Bind the command “brimble toggle” to a key in your desktop's keyboard settings.</source>
        <translation>Associa il comando “brimble toggle” a un tasto nelle impostazioni della tastiera del tuo desktop.</translation>
    </message>
    <message id="preferences.copy_line">
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message id="alert.pasted_by_hand">
        <source>Not pasted by itself: the item is on the clipboard, press Ctrl+V to paste it.</source>
        <translation>Non incollato automaticamente: l'elemento è negli appunti, premi Ctrl+V per incollarlo.</translation>
    </message>
    <message id="preferences.shortcut_refused">
        <source>%1 cannot be used: %2. The shortcut stays %3.</source>
        <translation>Impossibile usare %1: %2. La scorciatoia resta %3.</translation>
    </message>
    <message id="preferences.no_shortcut">
        <source>none</source>
        <translation>nessuna</translation>
    </message>
    <message id="preferences.ignored_apps_explained">
        <source>Copies made in these applications are never recorded.</source>
        <translation>Ciò che viene copiato in queste applicazioni non viene mai registrato.</translation>
    </message>
    <message id="preferences.add_applications">
        <source>&amp;Add…</source>
        <translation>&amp;Aggiungi…</translation>
    </message>
    <message id="preferences.remove_applications">
        <source>&amp;Remove</source>
        <translation>&amp;Rimuovi</translation>
    </message>
    <message id="preferences.choose_applications">
        <source>Choose Applications to Ignore</source>
        <translation>Scegli le applicazioni da ignorare</translation>
    </message>
    <message id="preferences.desktop_entries">
        <source>Applications (*.desktop)</source>
        <translation>Applicazioni (*.desktop)</translation>
    </message>
    <message id="menu.quit">
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message id="menu.preferences">
        <source>Preferences</source>
        <translation>Preferenze</translation>
    </message>
    <message id="menu.about">
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message id="menu.rename">
        <source>Rename</source>
        <translation>Rinomina</translation>
    </message>
    <message id="menu.clear_all_history">
        <source>Clear All History</source>
        <translation>Cancella tutta la cronologia</translation>
    </message>
    <message id="menu.delete">
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message id="menu.paste">
        <source>Paste</source>
        <translation>Incolla</translation>
    </message>
    <message id="menu.paste_as_plain_text">
        <source>Paste as Plain Text</source>
        <translation>Incolla come testo semplice</translation>
    </message>
    <message id="menu.cut">
        <source>Cut</source>
        <translation>Taglia</translation>
    </message>
    <message id="menu.copy">
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message id="menu.move_to">
        <source>Move to</source>
        <translation>Sposta in</translation>
    </message>
    <message id="menu.add_new_clip_board">
        <source>Add New Clipboard</source>
        <translation>Aggiungi nuovi appunti</translation>
    </message>
    <message id="menu.move_to_first">
        <source>Move to First</source>
        <translation>Sposta in cima</translation>
    </message>
    <message id="menu.save_to_file">
        <source>Save to File</source>
        <translation>Salva in un file</translation>
    </message>
    <message id="menu.open">
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message id="menu.quick_look">
        <source>Quick Look</source>
        <translation>Anteprima rapida</translation>
    </message>
    <message id="menu.show_in_finder">
        <source>Show in Folder</source>
        <translation>Mostra nella cartella</translation>
    </message>
    <message id="menu.pause_recording">
        <source>Pause Recording</source>
        <translation>Sospendi la registrazione</translation>
    </message>
    <message id="menu.continue_recording">
        <source>Continue Recording</source>
        <translation>Riprendi la registrazione</translation>
    </message>
    <message id="menu.open_in_browser">
        <source>Open in Browser</source>
        <translation>Apri nel browser</translation>
    </message>
    <message id="menu.help">
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message id="menu.check_for_updates">
        <source>Check for Updates</source>
        <translation>Controlla aggiornamenti</translation>
    </message>
    <message id="menu.show_clipboard_history">
        <source>Show Clipboard History</source>
        <translation>Mostra la cronologia degli appunti</translation>
    </message>
    <message id="menu.undo">
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message id="menu.undo_delete">
        <source>Undo Delete</source>
        <translation>Annulla eliminazione</translation>
    </message>
    <message id="menu.undo_cut">
        <source>Undo Cut</source>
        <translation>Annulla taglia</translation>
    </message>
    <message id="menu.undo_clear_all_history">
        <source>Undo Clear All History</source>
        <translation>Annulla cancellazione della cronologia</translation>
    </message>
    <message id="menu.undo_move">
        <source>Undo Move</source>
        <translation>Annulla spostamento</translation>
    </message>
    <message id="menu.undo_delete_clipboard">
        <source>Undo Delete Clipboard</source>
        <translation>Annulla eliminazione degli appunti</translation>
    </message>
    <message id="quick_view.search">
        <source>Search</source>
        <translation>Cerca</translation>
    </message>
    <message id="quick_view.unnamed">
        <source>UnNamed</source>
        <translation>Senza nome</translation>
    </message>
    <message id="quick_view.empty">
        <source>It's Empty</source>
        <translation>Non c'è nulla</translation>
    </message>
    <message id="quick_view.clipboard_history">
        <source>Clipboard History</source>
        <translation>Cronologia degli appunti</translation>
    </message>
    <message id="quick_view.n_records">
        <source>%1 records</source>
        <translation>Elementi: %1</translation>
    </message>
    <message id="quick_view.text_cut">
        <source>Showing the first %1 of %2 characters.</source>
        <translation>Sono mostrati i primi %1 caratteri su %2.</translation>
    </message>
    <message id="quick_view.unknown_application">
        <source>Unknown application</source>
        <translation>Applicazione sconosciuta</translation>
    </message>
    <message id="quick_view.bad_type_clause">
        <source>&quot;%1&quot; names no type; type: takes %2</source>
        <translation>&quot;%1&quot; non indica alcun tipo; type: accetta %2</translation>
    </message>
    <message id="link_preview.load">
        <source>Load Preview</source>
        <translation>Carica anteprima</translation>
    </message>
    <message id="link_preview.not_web">
        <source>Only web pages (http and https) are previewed.</source>
        <translation>L'anteprima è disponibile solo per le pagine web (http e https).</translation>
    </message>
    <message id="link_preview.credentials">
        <source>Not previewed: the link carries a user name or password.</source>
        <translation>Nessuna anteprima: il collegamento contiene un nome utente o una password.</translation>
    </message>
    <message id="link_preview.local_host">
        <source>Not previewed: the link leads to this computer or the local network.</source>
        <translation>Nessuna anteprima: il collegamento porta a questo computer o alla rete locale.</translation>
    </message>
    <message id="link_preview.as_root">
        <source>Not previewed: the web view does not run as root.</source>
        <translation>Nessuna anteprima: la vista web non viene eseguita come root.</translation>
    </message>
    <message id="link_preview.host_not_found">
        <source>The page could not be loaded: its host was not found.</source>
        <translation>Impossibile caricare la pagina: host non trovato.</translation>
    </message>
    <message id="link_preview.failed">
        <source>The page could not be loaded: %1</source>
        <translation>Impossibile caricare la pagina: %1</translation>
    </message>
    <message id="link_preview.stopped">
        <source>The page stopped unexpectedly.</source>
        <translation>La pagina si è interrotta inaspettatamente.</translation>
    </message>
    <message id="quick_view.no_matches">
        <source>No matches</source>
        <translation>Nessun risultato</translation>
    </message>
    <message id="quick_view.n_selected">
        <source>%1 selected</source>
        <translation>Selezionati: %1</translation>
    </message>
    <message id="pasteboard.unknown_type">
        <source>Unknown</source>
        <translation>Sconosciuto</translation>
    </message>
    <message id="pasteboard.text_type">
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message id="pasteboard.rich_text_type">
        <source>Rich Text</source>
        <translation>Testo formattato</translation>
    </message>
    <message id="pasteboard.plain_text_type">
        <source>Plain Text</source>
        <translation>Testo semplice</translation>
    </message>
    <message id="pasteboard.image_type">
        <source>Image</source>
        <translation>Immagine</translation>
    </message>
    <message id="pasteboard.file_type">
        <source>File</source>
        <translation>File</translation>
    </message>
    <message id="pasteboard.link_type">
        <source>Link</source>
        <translation>Collegamento</translation>
    </message>
    <message id="pasteboard.color_type">
        <source>Color</source>
        <translation>Colore</translation>
    </message>
    <message id="alert.confirm">
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message id="alert.cancel">
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message id="alert.alert">
        <source>Alert</source>
        <translation>Avviso</translation>
    </message>
    <message id="alert.save_to_file_failed">
        <source>Save to file failed!</source>
        <translation>Salvataggio nel file non riuscito!</translation>
    </message>
    <message id="alert.delete">
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message id="alert.reduce_history_capacity">
        <source>Reduce history capacity!</source>
        <translation>Riduzione della durata della cronologia!</translation>
    </message>
    <message id="alert.this_action_can_not_be_undo">
        <source>This cannot be undone.</source>
        <translation>Questa operazione non può essere annullata.</translation>
    </message>
    <message id="alert.confirm_clear_clipboard">
        <source>Clear all history of “%1”?</source>
        <translation>Cancellare tutta la cronologia di “%1”?</translation>
    </message>
    <message id="alert.confirm_delete_clipboard">
        <source>Delete the clipboard “%1” and its history?</source>
        <translation>Eliminare gli appunti “%1” e la relativa cronologia?</translation>
    </message>
    <message id="alert.items_to_delete">
        <source>Items to delete: %1.</source>
        <translation>Elementi da eliminare: %1.</translation>
    </message>
    <message id="alert.undo_while_running">
        <source>You can undo this with Ctrl+Z while Brimble runs.</source>
        <translation>Puoi annullare con Ctrl+Z finché Brimble è in esecuzione.</translation>
    </message>
    <message id="alert.too_large_to_copy">
        <source>The selected items hold %1 MB together, more than the %2 MB that can be copied or pasted at once. Select fewer items.</source>
        <translation>Gli elementi selezionati occupano in tutto %1 MB, più dei %2 MB che si possono copiare o incollare in una volta. Seleziona meno elementi.</translation>
    </message>
    <message id="alert.do_not_show_this_to_me_again">
        <source>Don't show this to me again</source>
        <translation>Non mostrare più questo messaggio</translation>
    </message>
    <message id="alert.turn_on_accessibility_message">
        <source>Brimble can only paste automatically into X11 windows, and this window is not one. The item is on the clipboard: press Ctrl+V to paste it.</source>
        <translation>Brimble può incollare automaticamente solo nelle finestre X11, e questa finestra non lo è. L'elemento è negli appunti: premi Ctrl+V per incollarlo.</translation>
    </message>
    <message id="alert.turn_on_accessibility">
        <source>Turn On Accessibility</source>
        <translation>Attiva l'accessibilità</translation>
    </message>
    <message id="alert.not_now">
        <source>Not Now</source>
        <translation>Non ora</translation>
    </message>
    <message id="alert.learn_more">
        <source>Learn More</source>
        <translation>Scopri di più</translation>
    </message>
    <message id="alert.crash_title">
        <source>Sorry about that!</source>
        <translation>Ci dispiace!</translation>
    </message>
    <message id="alert.crash_message">
        <source>Brimble stopped unexpectedly the last time it ran. Do you want to send an anonymous crash report so that the problem can be fixed?</source>
        <translation>L'ultima volta Brimble si è chiuso inaspettatamente. Vuoi inviare una segnalazione anonima dell'arresto anomalo, così che il problema possa essere risolto?</translation>
    </message>
    <message id="alert.always_send">
        <source>Always Send</source>
        <translation>Invia sempre</translation>
    </message>
    <message id="alert.send">
        <source>Send</source>
        <translation>Invia</translation>
    </message>
    <message id="alert.do_not_send">
        <source>Don't Send</source>
        <translation>Non inviare</translation>
    </message>
    <message id="Could not save changes while quitting. Quit anyway?">
        <source>Could not save changes while quitting. Quit anyway?</source>
        <translation>Impossibile salvare le modifiche durante l'uscita. Uscire comunque?</translation>
    </message>
    <message id="Quitting now will lose any changes you have made since the last successful save">
        <source>Quitting now will lose any changes you have made since the last successful save</source>
        <translation>Uscendo ora andranno perse tutte le modifiche fatte dall'ultimo salvataggio riuscito</translation>
    </message>
    <message id="Quit anyway">
        <source>Quit anyway</source>
        <translation>Esci comunque</translation>
    </message>
    <message id="Cancel">
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message id="date.unknow_date">
        <source>Unknown date</source>
        <translation>Data sconosciuta</translation>
    </message>
    <message id="date.just_now">
        <source>Just now</source>
        <translation>Adesso</translation>
    </message>
    <message id="date.yesterday">
        <source>Yesterday</source>
        <translation>Ieri</translation>
    </message>
    <message id="alert.open_failed">
        <source>Brimble could not open %1: %2</source>
        <translation>Brimble non è riuscito ad aprire %1: %2</translation>
    </message>
    <message id="alert.setting_not_saved">
        <source>The setting was not saved, because %1 cannot be written. It is back to what it was.</source>
        <translation>L'impostazione non è stata salvata perché non è possibile scrivere %1. È stato ripristinato il valore precedente.</translation>
    </message>
    <message id="alert.hot_key_refused">
        <source>The shortcut %1 is not available (%2). Choose another one in Preferences, or bind the command &quot;brimble toggle&quot; in your desktop&apos;s keyboard settings.</source>
        <translation>La scorciatoia %1 non è disponibile (%2). Scegline un'altra nelle Preferenze, oppure associa il comando &quot;brimble toggle&quot; nelle impostazioni della tastiera del tuo desktop.</translation>
    </message>
    <message id="alert.history_disk_full">
        <source>There is no room left on the disk for your clipboard history (%1). New copies are kept in memory until there is; free some space so that they are not lost.</source>
        <translation>Sul disco non c'è più spazio per la cronologia degli appunti (%1). Le nuove copie restano in memoria finché lo spazio non torna disponibile: liberane un po' perché non vadano perse.</translation>
    </message>
    <message id="alert.history_recording_again">
        <source>There is room for your clipboard history again: copies are recorded, and the %1 made meanwhile are stored.</source>
        <translation>C'è di nuovo spazio per la cronologia degli appunti: le copie vengono registrate, e quelle fatte nel frattempo (%1) sono state salvate.</translation>
    </message>
    <message id="alert.history_copies_lost">
        <source>%1 copies made while the disk was full could not be kept.</source>
        <translation>Copie fatte mentre il disco era pieno che non è stato possibile conservare: %1.</translation>
    </message>
    <message id="format.files">
        <source>files</source>
        <translation>file</translation>
    </message>
    <message id="format.chars">
        <source>chars</source>
        <translation>caratteri</translation>
    </message>
    <message id="update.available">
        <source>Brimble %1 is available</source>
        <translation>Brimble %1 è disponibile</translation>
    </message>
    <message id="update.available_message">
        <source>You have version %1.</source>
        <translation>Hai la versione %1.</translation>
    </message>
    <message id="update.download_page">
        <source>Download Page</source>
        <translation>Pagina di download</translation>
    </message>
    <message id="update.later">
        <source>Later</source>
        <translation>Più tardi</translation>
    </message>
    <message id="update.up_to_date">
        <source>Brimble is up to date</source>
        <translation>Brimble è aggiornato</translation>
    </message>
    <message id="update.up_to_date_message">
        <source>Version %1 is the newest version.</source>
        <translation>La versione %1 è la più recente.</translation>
    </message>
    <message id="update.failed">
        <source>The update check failed</source>
        <translation>Controllo degli aggiornamenti non riuscito</translation>
    </message>
    <message id="queue.paste_in_sequence">
        <source>Paste in Sequence</source>
        <translation>Incolla in sequenza</translation>
    </message>
    <message id="queue.clear">
        <source>Clear Paste Queue</source>
        <translation>Svuota la coda da incollare</translation>
    </message>
    <message id="queue.active">
        <source>Paste queue: %1 of %2 pasted, next: %3</source>
        <translation>Coda da incollare: %1 di %2 incollati, prossimo: %3</translation>
    </message>
    <message id="queue.untitled_item">
        <source>item %1 (%2)</source>
        <translation>elemento %1 (%2)</translation>
    </message>
    <message id="queue.finished">
        <source>Paste queue done: all %1 items pasted</source>
        <translation>Coda da incollare completata: incollati tutti i %1 elementi</translation>
    </message>
    <message id="queue.interrupted">
        <source>Paste queue ended by a new copy: %1 of %2 pasted</source>
        <translation>Coda da incollare interrotta da una nuova copia: %1 di %2 incollati</translation>
    </message>
    <message id="queue.cleared">
        <source>Paste queue cleared: %1 of %2 pasted</source>
        <translation>Coda da incollare svuotata: %1 di %2 incollati</translation>
    </message>
    <message id="queue.failed">
        <source>Paste queue ended: %1</source>
        <translation>Coda da incollare terminata: %1</translation>
    </message>
    <message id="queue.escape_clears">
        <source>Esc clears it</source>
        <translation>Esc la svuota</translation>
    </message>
    <message id="quick_view.secret_mask">
        <source>Secret · %1 · %2 characters</source>
        <translation>Segreto · %1 · %2 caratteri</translation>
    </message>
    <message id="quick_view.secret_reveal_hint">
        <source>Click or press Space to show it</source>
        <translation>Fai clic o premi Spazio per mostrarlo</translation>
    </message>
    <message id="quick_view.secret_reveal">
        <source>Show Secret</source>
        <translation>Mostra segreto</translation>
    </message>
    <message id="secret.private_key">
        <source>private key</source>
        <translation>chiave privata</translation>
    </message>
    <message id="secret.web_token">
        <source>web token</source>
        <translation>token web</translation>
    </message>
    <message id="secret.cloud_key">
        <source>cloud access key</source>
        <translation>chiave di accesso al cloud</translation>
    </message>
    <message id="secret.access_token">
        <source>access token</source>
        <translation>token di accesso</translation>
    </message>
    <message id="secret.bot_token">
        <source>bot token</source>
        <translation>token del bot</translation>
    </message>
    <message id="secret.payment_key">
        <source>payment key</source>
        <translation>chiave di pagamento</translation>
    </message>
    <message id="secret.card_number">
        <source>card number</source>
        <translation>numero di carta</translation>
    </message>
    <message id="preferences.secrets">
        <source>Secrets:</source>
        <translation>Segreti:</translation>
    </message>
    <message id="preferences.secrets_note">
        <source>Keys, tokens and card numbers are shown masked until revealed.</source>
        <translation>Chiavi, token e numeri di carta vengono mostrati mascherati finché non li riveli.</translation>
    </message>
    <message id="preferences.secret_never_record">
        <source>Never record</source>
        <translation>Non registrare mai</translation>
    </message>
    <message id="preferences.secret_minute">
        <source>Remove after 1 minute</source>
        <translation>Rimuovi dopo 1 minuto</translation>
    </message>
    <message id="preferences.secret_ten_minutes">
        <source>Remove after 10 minutes</source>
        <translation>Rimuovi dopo 10 minuti</translation>
    </message>
    <message id="preferences.secret_hour">
        <source>Remove after 1 hour</source>
        <translation>Rimuovi dopo 1 ora</translation>
    </message>
    <message id="preferences.secret_day">
        <source>Remove after 1 day</source>
        <translation>Rimuovi dopo 1 giorno</translation>
    </message>
    <message id="preferences.secret_keep">
        <source>Keep</source>
        <translation>Conserva</translation>
    </message>
    <message id="preferences.read_image_text">
        <source>Find copied images by their text (read on this computer)</source>
        <translation>Trova le immagini copiate in base al loro testo (letto su questo computer)</translation>
    </message>
    <message id="preferences.image_text_language">
        <source>Language of the text:</source>
        <translation>Lingua del testo:</translation>
    </message>
    <message id="help.title">
        <source>Brimble Help</source>
        <translation>Guida di Brimble</translation>
    </message>
    <message id="help.back">
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message id="help.forward">
        <source>Forward</source>
        <translation>Avanti</translation>
    </message>
    <message id="help.contents">
        <source>Contents</source>
        <translation>Sommario</translation>
    </message>
    <message id="help.auto_paste_title">
        <source>Automatic Paste Unavailable</source>
        <translation>Incolla automatico non disponibile</translation>
    </message>
    <message id="about.title">
        <source>About Brimble</source>
        <translation>Informazioni su Brimble</translation>
    </message>
    <message id="about.description">
        <source>Clipboard history with a quick search window</source>
        <translation>Cronologia degli appunti con una finestra di ricerca rapida</translation>
    </message>
    <message id="about.licence">
        <source>Licence: none published yet. All rights reserved by the Brimble developers.</source>
        <translation>Licenza: nessuna ancora pubblicata. Tutti i diritti riservati agli sviluppatori di Brimble.</translation>
    </message>
    <message id="about.libraries">
        <source>Libraries:</source>
        <translation>Librerie:</translation>
    </message>
    <message id="about.history">
        <source>History:</source>
        <translation>Cronologia:</translation>
    </message>
    <message id="about.logs">
        <source>Logs:</source>
        <translation>Log:</translation>
    </message>
    <message id="about.copied">
        <source>Copied</source>
        <translation>Copiato</translation>
    </message>
    <message id="about.close">
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message id="about.built_with">
        <source>built with %1</source>
        <translation>compilato con %1</translation>
    </message>
    <message id="archive.export_history">
        <source>Export History…</source>
        <translation>Esporta cronologia…</translation>
    </message>
    <message id="archive.import_history">
        <source>Import History…</source>
        <translation>Importa cronologia…</translation>
    </message>
    <message id="archive.export_title">
        <source>Export History</source>
        <translation>Esporta cronologia</translation>
    </message>
    <message id="archive.import_title">
        <source>Import History</source>
        <translation>Importa cronologia</translation>
    </message>
    <message id="archive.exists">
        <source>%1 already exists; choose another name.</source>
        <translation>%1 esiste già; scegliere un altro nome.</translation>
    </message>
    <message id="archive.cannot_write">
        <source>Could not write %1: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
    <message id="archive.cannot_open">
        <source>Could not open %1: %2</source>
        <translation>Impossibile aprire %1: %2</translation>
    </message>
    <message id="archive.not_archive">
        <source>%1 is not a Brimble history export. Nothing was imported.</source>
        <translation>%1 non è una cronologia esportata da Brimble. Non è stato importato nulla.</translation>
    </message>
    <message id="archive.newer">
        <source>%1 was written by a newer Brimble (format %2). Nothing was imported.</source>
        <translation>%1 è stato scritto da una versione più recente di Brimble (formato %2). Non è stato importato nulla.</translation>
    </message>
    <message id="archive.damaged">
        <source>%1 is damaged or was altered (%2). Nothing was imported.</source>
        <translation>%1 è danneggiato o è stato modificato (%2). Non è stato importato nulla.</translation>
    </message>
    <message id="archive.store_failed">
        <source>The history could not be written (%1). Nothing was imported.</source>
        <translation>Impossibile scrivere la cronologia (%1). Non è stato importato nulla.</translation>
    </message>
    <message id="archive.exported">
        <source>Items exported: %1 (clipboards: %2).</source>
        <translation>Elementi esportati: %1 (appunti: %2).</translation>
    </message>
    <message id="archive.secrets_left_out">
        <source>Secrets left out: %1.</source>
        <translation>Segreti esclusi: %1.</translation>
    </message>
    <message id="archive.imported">
        <source>Items added: %1. Already present, skipped: %2. Clipboards created: %3.</source>
        <translation>Elementi aggiunti: %1. Già presenti, saltati: %2. Appunti creati: %3.</translation>
    </message>
    <message id="cli.help.usage">
        <source>Usage: brimble [VERB [ARGUMENTS]]</source>
        <translation>Uso: brimble [COMANDO [ARGOMENTI]]</translation>
    </message>
    <message id="cli.help.without_verb">
        <source>Without a verb, starts Brimble (or shows the running one).</source>
        <translation>Senza comando, avvia Brimble (o mostra quello già in esecuzione).</translation>
    </message>
    <message id="cli.help.verbs">
        <source>Verbs:</source>
        <translation>Comandi:</translation>
    </message>
    <message id="cli.help.notes">
        <source>ITEM is a uuid or a position in the listed order (1 is the newest). NAME is a clipboard&apos;s title, or its uuid (`clipboards --json` shows them) where titles repeat. Lines of `list` and `search`: position, age, type (as type: names it), first line of text with control characters shown as escapes. A secret (a key, a token, a card number) shows its kind and length instead of its text unless --reveal is given. `search` also finds images by the text Brimble has read in them.</source>
        <translation>ITEM è un uuid o una posizione nell&apos;ordine elencato (1 è il più recente). NAME è il titolo degli appunti, o il loro uuid (`clipboards --json` li mostra) quando i titoli si ripetono. Righe di `list` e `search`: posizione, età, tipo (come lo chiama type:), prima riga del testo, con i caratteri di controllo mostrati come sequenze di escape. Un segreto (una chiave, un token, un numero di carta) mostra il tipo e la lunghezza invece del testo, a meno che non si indichi --reveal. `search` trova anche le immagini in base al testo che Brimble vi ha letto.</translation>
    </message>
    <message id="cli.help.options">
        <source>Options:</source>
        <translation>Opzioni:</translation>
    </message>
    <message id="cli.help.environment">
        <source>Environment:</source>
        <translation>Ambiente:</translation>
    </message>
    <message id="cli.help.platform">
        <source>the clipboard backend; by default native Wayland when the compositor offers data control, else X11 (the log names the one in use)</source>
        <translation>il motore degli appunti; per impostazione predefinita Wayland nativo se il compositor offre il controllo dei dati (data control), altrimenti X11 (il log indica quello in uso)</translation>
    </message>
    <message id="cli.help.exit_status">
        <source>Exit status: 0 done, 1 request failed, 2 usage error, 3 Brimble is not running, 4 the history cannot be read, 5 Brimble is busy (try again), 6 paste only copied (automatic paste is off), 7 no display (Brimble itself).</source>
        <translation>Stato di uscita: 0 fatto, 1 richiesta non riuscita, 2 errore di utilizzo, 3 Brimble non è in esecuzione, 4 la cronologia non è leggibile, 5 Brimble è occupato (riprova), 6 paste ha solo copiato (l&apos;incolla automatico è disattivato), 7 nessun display (Brimble stesso).</translation>
    </message>
    <message id="cli.verb.list">
        <source>the history, newest first</source>
        <translation>la cronologia, dal più recente al più vecchio</translation>
    </message>
    <message id="cli.verb.search">
        <source>items matching QUERY; type:image,link clauses narrow by type</source>
        <translation>elementi che corrispondono a QUERY; le clausole type:image,link filtrano per tipo</translation>
    </message>
    <message id="cli.verb.clipboards">
        <source>the clipboards with their record counts</source>
        <translation>gli appunti con il numero dei loro elementi</translation>
    </message>
    <message id="cli.verb.copy">
        <source>put an item back on the clipboard</source>
        <translation>rimettere un elemento negli appunti</translation>
    </message>
    <message id="cli.verb.paste">
        <source>copy an item and paste it into the active window</source>
        <translation>copiare un elemento e incollarlo nella finestra attiva</translation>
    </message>
    <message id="cli.verb.pause">
        <source>stop recording copies</source>
        <translation>sospendere la registrazione delle copie</translation>
    </message>
    <message id="cli.verb.resume">
        <source>record copies again</source>
        <translation>riprendere la registrazione delle copie</translation>
    </message>
    <message id="cli.verb.toggle">
        <source>show or hide the quick search window</source>
        <translation>mostrare o nascondere la finestra della cronologia degli appunti</translation>
    </message>
    <message id="cli.verb.preferences">
        <source>open the preferences window</source>
        <translation>aprire la finestra delle preferenze</translation>
    </message>
    <message id="cli.verb.quit">
        <source>end the running Brimble</source>
        <translation>chiudere il Brimble in esecuzione</translation>
    </message>
    <message id="cli.verb.salvage">
        <source>rebuild a damaged history from its readable rows, keeping the damaged file beside it</source>
        <translation>ricostruire una cronologia danneggiata dalle sue righe leggibili, conservando accanto il file danneggiato</translation>
    </message>
    <message id="cli.verb.queue">
        <source>with ITEMs, paste them in this order, one per paste (Ctrl+V) anywhere; clear ends the queue; alone, shows it</source>
        <translation>con degli ITEM, incollarli in quest&apos;ordine, uno per ogni incolla (Ctrl+V) ovunque; clear termina la coda; da solo, la mostra</translation>
    </message>
    <message id="cli.verb.export">
        <source>write the history&apos;s items, with every representation, their dates, clipboards and source applications, to a new FILE (an existing one is never replaced; secrets are left out)</source>
        <translation>scrivere gli elementi della cronologia, con tutte le rappresentazioni, le date, gli appunti e le applicazioni di origine, in un nuovo file FILE (un file esistente non viene mai sostituito; i segreti sono esclusi)</translation>
    </message>
    <message id="cli.verb.import">
        <source>add the items of an exported FILE to the history, skipping items already there; a damaged or altered FILE is refused and nothing is added</source>
        <translation>aggiungere alla cronologia gli elementi di un file FILE esportato, saltando quelli già presenti; un FILE danneggiato o modificato viene rifiutato e non si aggiunge nulla</translation>
    </message>
    <message id="cli.option.help">
        <source>show the help</source>
        <translation>mostrare l&apos;aiuto</translation>
    </message>
    <message id="cli.option.version">
        <source>show the version</source>
        <translation>mostrare la versione</translation>
    </message>
    <message id="cli.option.list_clipboard">
        <source>the clipboard to list, by title or uuid (default: Clipboard History)</source>
        <translation>gli appunti da elencare, per titolo o uuid (predefiniti: Cronologia degli appunti)</translation>
    </message>
    <message id="cli.option.limit">
        <source>at most N items</source>
        <translation>al massimo N elementi</translation>
    </message>
    <message id="cli.option.json">
        <source>one JSON array instead of lines</source>
        <translation>un array JSON invece delle righe</translation>
    </message>
    <message id="cli.option.reveal">
        <source>print secrets&apos; text instead of their kind and length</source>
        <translation>stampare il testo dei segreti invece del tipo e della lunghezza</translation>
    </message>
    <message id="cli.option.search_clipboard">
        <source>the clipboard to search, by title or uuid</source>
        <translation>gli appunti in cui cercare, per titolo o uuid</translation>
    </message>
    <message id="cli.option.plain">
        <source>as plain text</source>
        <translation>come testo semplice</translation>
    </message>
    <message id="cli.option.item_clipboard">
        <source>the clipboard ITEM is counted in, by title or uuid</source>
        <translation>gli appunti in cui è contato ITEM, per titolo o uuid</translation>
    </message>
    <message id="cli.option.queue_clipboard">
        <source>the clipboard the ITEMs are counted in, by title or uuid</source>
        <translation>gli appunti in cui sono contati gli ITEM, per titolo o uuid</translation>
    </message>
    <message id="cli.option.queue_json">
        <source>the queue as one JSON object</source>
        <translation>la coda come un oggetto JSON</translation>
    </message>
    <message id="cli.option.export_clipboard">
        <source>only this clipboard, by title or uuid (default: every clipboard)</source>
        <translation>solo questi appunti, per titolo o uuid (predefinito: tutti gli appunti)</translation>
    </message>
    <message id="cli.unknown_verb">
        <source>unknown verb &quot;%1&quot; (see brimble --help)</source>
        <translation>comando sconosciuto &quot;%1&quot; (vedi brimble --help)</translation>
    </message>
    <message id="cli.unknown_option">
        <source>unknown option &quot;%1&quot; (see brimble --help)</source>
        <translation>opzione sconosciuta &quot;%1&quot; (vedi brimble --help)</translation>
    </message>
    <message id="cli.option_not_taken">
        <source>%1 does not take %2 (see brimble --help)</source>
        <translation>%1 non accetta %2 (vedi brimble --help)</translation>
    </message>
    <message id="cli.needs_value">
        <source>%1 needs a value</source>
        <translation>%1 richiede un valore</translation>
    </message>
    <message id="cli.bad_limit">
        <source>--limit takes a whole number of at least 1, not &quot;%1&quot;</source>
        <translation>--limit accetta un numero intero non inferiore a 1, non &quot;%1&quot;</translation>
    </message>
    <message id="cli.takes_one_item">
        <source>%1 takes one item: a uuid or a position</source>
        <translation>%1 accetta un solo elemento: un uuid o una posizione</translation>
    </message>
    <message id="cli.queue_clear_alone">
        <source>queue clear takes no items</source>
        <translation>queue clear non accetta elementi</translation>
    </message>
    <message id="cli.search_needs_query">
        <source>search needs a query</source>
        <translation>search richiede una query</translation>
    </message>
    <message id="cli.takes_one_file">
        <source>%1 takes one file</source>
        <translation>%1 accetta un solo file</translation>
    </message>
    <message id="cli.takes_no_argument">
        <source>%1 takes no argument &quot;%2&quot;</source>
        <translation>%1 non accetta l&apos;argomento &quot;%2&quot;</translation>
    </message>
    <message id="cli.history_damaged">
        <source>the history %1 is damaged; quit Brimble (brimble quit) and run &quot;brimble salvage&quot; to rescue what can still be read</source>
        <translation>la cronologia %1 è danneggiata; chiudi Brimble (brimble quit) ed esegui &quot;brimble salvage&quot; per recuperare ciò che è ancora leggibile</translation>
    </message>
    <message id="cli.history_damaged_because">
        <source>the history %1 is damaged (%2); quit Brimble (brimble quit) and run &quot;brimble salvage&quot; to rescue what can still be read</source>
        <translation>la cronologia %1 è danneggiata (%2); chiudi Brimble (brimble quit) ed esegui &quot;brimble salvage&quot; per recuperare ciò che è ancora leggibile</translation>
    </message>
    <message id="cli.cannot_open_history">
        <source>cannot open the history %1: %2</source>
        <translation>impossibile aprire la cronologia %1: %2</translation>
    </message>
    <message id="cli.salvage_while_running">
        <source>Brimble is running: quit it first (brimble quit), then salvage</source>
        <translation>Brimble è in esecuzione: chiudilo prima (brimble quit), poi esegui salvage</translation>
    </message>
    <message id="cli.salvaged">
        <source>Salvaged %1
  kept: %2 items, %3 clipboards, %4 ignore rules
  lost: %5 items of which some rows were read, and %6 unreadable stretches of rows
  rebuilt: %7 search texts, and %8 clipboards whose items outlived them (&quot;Recovered clipboard&quot;)
The damaged file is kept as %9</source>
        <translation>Recuperata: %1
  conservati: %2 elementi, %3 appunti, %4 regole di esclusione
  persi: %5 elementi di cui sono state lette alcune righe, e %6 tratti di righe illeggibili
  ricostruiti: %7 testi di ricerca, e %8 appunti i cui elementi erano sopravvissuti (&quot;Recovered clipboard&quot;)
Il file danneggiato è conservato come %9</translation>
    </message>
    <message id="cli.no_paste_queue">
        <source>No paste queue</source>
        <translation>Nessuna coda da incollare</translation>
    </message>
    <message id="cli.not_running">
        <source>Brimble is not running (start it with `brimble`)</source>
        <translation>Brimble non è in esecuzione (avvialo con `brimble`)</translation>
    </message>
    <message id="cli.busy">
        <source>Brimble is busy and did not take the request; try again in a moment</source>
        <translation>Brimble è occupato e non ha accettato la richiesta; riprova tra un momento</translation>
    </message>
    <message id="cli.request_failed">
        <source>the request failed</source>
        <translation>la richiesta non è riuscita</translation>
    </message>
    <message id="cli.unreadable_answer">
        <source>Brimble gave an unreadable answer</source>
        <translation>Brimble ha dato una risposta illeggibile</translation>
    </message>
    <message id="cli.copied_not_pasted">
        <source>copied to the clipboard but not pasted: automatic paste is off (Preferences, General)</source>
        <translation>copiato negli appunti ma non incollato: l&apos;incolla automatico è disattivato (Preferenze, Generale)</translation>
    </message>
    <message id="cli.still_starting">
        <source>Brimble is still starting; try again in a moment</source>
        <translation>Brimble si sta ancora avviando; riprova tra un momento</translation>
    </message>
    <message id="cli.quit_not_saved">
        <source>the history could not be saved (see the log); Brimble quits all the same</source>
        <translation>impossibile salvare la cronologia (vedi il log); Brimble si chiude comunque</translation>
    </message>
    <message id="cli.already_running_busy">
        <source>Brimble is already running but busy; try again in a moment</source>
        <translation>Brimble è già in esecuzione ma è occupato; riprova tra un momento</translation>
    </message>
    <message id="cli.not_answering">
        <source>another Brimble holds %1 but does not answer</source>
        <translation>un altro Brimble occupa %1 ma non risponde</translation>
    </message>
    <message id="cli.no_display">
        <source>no display to open: DISPLAY is not set, and no Wayland compositor offers clipboard data control</source>
        <translation>nessun display da aprire: DISPLAY non è impostata e nessun compositor Wayland offre il controllo dei dati degli appunti (data control)</translation>
    </message>
    <message id="cli.cannot_open_wayland">
        <source>cannot open the Wayland display &quot;%1&quot;</source>
        <translation>impossibile aprire il display Wayland &quot;%1&quot;</translation>
    </message>
    <message id="cli.cannot_open_x11">
        <source>cannot open the X display &quot;%1&quot;</source>
        <translation>impossibile aprire il display X &quot;%1&quot;</translation>
    </message>
    <message id="cli.cannot_open_database">
        <source>Brimble cannot open its history database.

%1

The file was left as it is. Move it aside to start with an empty history, or restore it from a backup.</source>
        <translation>Brimble non riesce ad aprire il database della cronologia.

%1

Il file è stato lasciato com&apos;è. Spostalo altrove per ripartire da una cronologia vuota, oppure ripristinalo da un backup.</translation>
    </message>
    <message id="history.unreadable">
        <source>the history could not be read (see the log)</source>
        <translation>impossibile leggere la cronologia (vedi il log)</translation>
    </message>
    <message id="history.unsearchable">
        <source>the history could not be searched (see the log)</source>
        <translation>impossibile cercare nella cronologia (vedi il log)</translation>
    </message>
    <message id="history.default_clipboard_missing">
        <source>the default clipboard is missing</source>
        <translation>mancano gli appunti predefiniti</translation>
    </message>
    <message id="history.no_clipboard_named">
        <source>no clipboard named &quot;%1&quot;</source>
        <translation>non esistono appunti chiamati &quot;%1&quot;</translation>
    </message>
    <message id="history.no_item_with_uuid">
        <source>no item with uuid %1</source>
        <translation>nessun elemento con uuid %1</translation>
    </message>
    <message id="history.cannot_read">
        <source>cannot read the history: %1</source>
        <translation>impossibile leggere la cronologia: %1</translation>
    </message>
    <message id="history.no_item_at">
        <source>no item %1 in &quot;%2&quot; (it holds %3)</source>
        <translation>nessun elemento %1 in &quot;%2&quot; (ne contiene %3)</translation>
    </message>
    <message id="history.deleted_meanwhile">
        <source>item %1 was deleted meanwhile</source>
        <translation>l&apos;elemento %1 è stato eliminato nel frattempo</translation>
    </message>
    <message id="history.none_yet">
        <source>no history yet</source>
        <translation>nessuna cronologia per ora</translation>
    </message>
    <message id="history.not_regular_file">
        <source>not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
    <message id="history.needs_upgrade">
        <source>its schema (version %1) needs Brimble to upgrade it first</source>
        <translation>il suo schema (versione %1) deve prima essere aggiornato da Brimble</translation>
    </message>
    <message id="history.none_at">
        <source>there is no history at %1</source>
        <translation>non c&apos;è nessuna cronologia in %1</translation>
    </message>
    <message id="history.cannot_write">
        <source>cannot write %1: %2</source>
        <translation>impossibile scrivere %1: %2</translation>
    </message>
    <message id="history.cannot_move_aside">
        <source>cannot move %1 aside: %2</source>
        <translation>impossibile mettere da parte %1: %2</translation>
    </message>
    <message id="history.cannot_put_in_place">
        <source>cannot put the salvaged history in place: %1</source>
        <translation>impossibile mettere al suo posto la cronologia recuperata: %1</translation>
    </message>
    <message id="paste.content_unreadable">
        <source>the item&apos;s content could not be read from the history</source>
        <translation>impossibile leggere dalla cronologia il contenuto dell&apos;elemento</translation>
    </message>
    <message id="paste.no_plain_text">
        <source>the item has no plain text; the clipboard was left as it was</source>
        <translation>l&apos;elemento non ha testo semplice; gli appunti sono rimasti com&apos;erano</translation>
    </message>
    <message id="paste.nothing_to_write">
        <source>nothing to write</source>
        <translation>niente da scrivere</translation>
    </message>
    <message id="paste.clipboard_refused">
        <source>the clipboard could not be taken</source>
        <translation>impossibile prendere possesso degli appunti</translation>
    </message>
    <message id="paste.no_window_known">
        <source>no window to paste into is known; the item is on the clipboard</source>
        <translation>non si conosce nessuna finestra in cui incollare; l&apos;elemento è negli appunti</translation>
    </message>
    <message id="paste.window_gone">
        <source>the window to paste into is gone; the item is on the clipboard</source>
        <translation>la finestra in cui incollare non c&apos;è più; l&apos;elemento è negli appunti</translation>
    </message>
    <message id="paste.not_activated">
        <source>the window to paste into did not come to the front; the item is on the clipboard</source>
        <translation>la finestra in cui incollare non è passata in primo piano; l&apos;elemento è negli appunti</translation>
    </message>
    <message id="paste.no_xtest">
        <source>the display does not take synthetic key strokes (XTest); the item is on the clipboard</source>
        <translation>il display non accetta la simulazione dei tasti (XTest); l&apos;elemento è negli appunti</translation>
    </message>
    <message id="paste.no_virtual_keyboard">
        <source>the compositor offers no virtual keyboard; the item is on the clipboard</source>
        <translation>il compositor non offre una tastiera virtuale; l&apos;elemento è negli appunti</translation>
    </message>
    <message id="paste.key_not_sent">
        <source>the paste key stroke could not be sent; the item is on the clipboard</source>
        <translation>impossibile inviare la combinazione di tasti per incollare; l&apos;elemento è negli appunti</translation>
    </message>
    <message id="menu.edit">
        <source>Edit…</source>
        <translation>Modifica…</translation>
    </message>
    <message id="menu.undo_replace">
        <source>Undo Replace</source>
        <translation>Annulla sostituzione</translation>
    </message>
    <message id="editor.save">
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message id="editor.replace">
        <source>Replace</source>
        <translation>Sostituisci</translation>
    </message>
    <message id="editor.hint">
        <source>%1 saves the text as a new item, %2 replaces the original, %3 cancels.</source>
        <translation>%1 salva il testo come nuovo elemento, %2 sostituisce l’originale, %3 annulla.</translation>
    </message>
    <message id="editor.formatting_dropped">
        <source>This item has formatting. It is edited as plain text, and the formatting is not kept.</source>
        <translation>Questo elemento è formattato. Viene modificato come testo semplice e la formattazione non viene mantenuta.</translation>
    </message>
    <message id="editor.empty">
        <source>An empty text cannot be saved.</source>
        <translation>Non è possibile salvare un testo vuoto.</translation>
    </message>
    <message id="editor.original_gone">
        <source>The original item is no longer in the history, so it cannot be replaced. Save keeps the text as a new item.</source>
        <translation>L’elemento originale non è più nella cronologia, quindi non può essere sostituito. «Salva» conserva il testo come nuovo elemento.</translation>
    </message>
    <message id="editor.not_stored">
        <source>The text could not be stored. It is still here, so you can try again.</source>
        <translation>Impossibile memorizzare il testo. È ancora qui, puoi riprovare.</translation>
    </message>
    <message id="editor.secret_not_recorded">
        <source>This text looks like a secret, and secrets are not recorded (see Preferences). Nothing was saved.</source>
        <translation>Questo testo sembra un segreto, e i segreti non vengono registrati (vedi Preferenze). Non è stato salvato nulla.</translation>
    </message>
    <message id="editor.not_editable">
        <source>Only text can be edited, not images, files or hidden secrets.</source>
        <translation>Si può modificare solo il testo, non immagini, file o segreti nascosti.</translation>
    </message>
    <message id="editor.too_long">
        <source>This text is too long to edit here (more than %1 characters).</source>
        <translation>Questo testo è troppo lungo per essere modificato qui (più di %1 caratteri).</translation>
    </message>
</context>
</TS>
