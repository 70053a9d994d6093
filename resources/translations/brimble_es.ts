<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name></name>
    <message id="general.reset">
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
    <message id="general.click_to_record">
        <source>Click To Record</source>
        <translation>Haga clic para grabar</translation>
    </message>
    <message id="general.filter_type">
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message id="preferences.general">
        <source>General</source>
        <translation>General</translation>
    </message>
    <message id="preferences.key_bindings">
        <source>Key Bindings</source>
        <translation>Atajos de teclado</translation>
    </message>
    <message id="preferences.rules">
        <source>Rules</source>
        <translation>Reglas</translation>
    </message>
    <message id="preferences.launch_at_login">
        <source>Start Brimble when I &amp;log in</source>
        <translation>Iniciar Brimble al iniciar &amp;sesión</translation>
    </message>
    <message id="preferences.auto_paste">
        <source>Paste chosen items into the window in front</source>
        <translation>Pegar los elementos elegidos en la ventana en primer plano</translation>
    </message>
    <message id="preferences.auto_paste_without_xtest">
        <source>This display offers no key synthesis (XTEST), so chosen items are only put on the clipboard: press Ctrl+V to paste them.</source>
        <translation>Esta pantalla no ofrece síntesis de teclas (XTEST), así que los elementos elegidos solo se ponen en el portapapeles: pulse Ctrl+V para pegarlos.</translation>
    </message>
    <message id="preferences.auto_paste_without_virtual_keyboard">
        <source>This compositor offers no virtual keyboard, so chosen items are only put on the clipboard: press Ctrl+V to paste them.</source>
        <translation>Este compositor no ofrece teclado virtual, así que los elementos elegidos solo se ponen en el portapapeles: pulse Ctrl+V para pegarlos.</translation>
    </message>
    <message id="preferences.auto_paste_on_wayland">
        <source>On Wayland, Brimble pastes by itself into X11 windows only. In other windows the chosen item is on the clipboard: press Ctrl+V to paste it.</source>
        <translation>En Wayland, Brimble solo pega por sí mismo en ventanas X11. En otras ventanas, el elemento elegido queda en el portapapeles: pulse Ctrl+V para pegarlo.</translation>
    </message>
    <message id="preferences.paste_as_plain_text">
        <source>Always paste as plain text</source>
        <translation>Pegar siempre como texto sin formato</translation>
    </message>
    <message id="preferences.delete_after_pasted">
        <source>Delete items from the history once pasted</source>
        <translation>Eliminar los elementos del historial una vez pegados</translation>
    </message>
    <message id="preferences.move_used_item_to_first">
        <source>Move pasted items to the top</source>
        <translation>Mover los elementos pegados al principio</translation>
    </message>
    <message id="preferences.preview_links">
        <source>Preview links</source>
        <translation>Previsualizar enlaces</translation>
    </message>
    <message id="preferences.load_link_previews">
        <source>Load link previews without asking (the site sees a visit)</source>
        <translation>Cargar las vistas previas de enlaces sin preguntar (el sitio registra una visita)</translation>
    </message>
    <message id="preferences.show_tray_icon">
        <source>Show the icon in the system tray</source>
        <translation>Mostrar el icono en la bandeja del sistema</translation>
    </message>
    <message id="preferences.send_crash_reports">
        <source>Send crash reports automatically</source>
        <translation>Enviar informes de fallos automáticamente</translation>
    </message>
    <message id="preferences.keep_history">
        <source>&amp;Keep the clipboard history for</source>
        <translation>&amp;Conservar el historial del portapapeles durante</translation>
    </message>
    <message id="preferences.one_day">
        <source>1 day</source>
        <translation>1 día</translation>
    </message>
    <message id="preferences.seven_days">
        <source>7 days</source>
        <translation>7 días</translation>
    </message>
    <message id="preferences.thirty_days">
        <source>30 days</source>
        <translation>30 días</translation>
    </message>
    <message id="preferences.forever">
        <source>Forever</source>
        <translation>Para siempre</translation>
    </message>
    <message id="preferences.show_quick_search_window">
        <source>Show the clipboard history</source>
        <translation>Mostrar el historial del portapapeles</translation>
    </message>
    <message id="preferences.quick_paste_modifier">
        <source>Quick paste, with 1 to 0</source>
        <translation>Pegado rápido, con 1 a 0</translation>
    </message>
    <message id="preferences.plain_text_modifier">
        <source>Paste as plain text, with Return</source>
        <translation>Pegar como texto sin formato, con Return</translation>
    </message>
    <message id="preferences.switch_clipboard_modifier">
        <source>Switch clipboard, with Tab</source>
        <translation>Cambiar de portapapeles, con Tab</translation>
    </message>
    <message id="preferences.modifiers_collide">
        <source>Quick paste and plain-text paste use the same keys, so every quick paste comes out as plain text.</source>
        <translation>El pegado rápido y el pegado como texto sin formato usan las mismas teclas, así que todo pegado rápido sale como texto sin formato.</translation>
    </message>
    <message id="preferences.shortcut_needs_modifier">
        <source>A shortcut needs Ctrl, Alt or Super (Shift alone only with F1 to F20).</source>
        <translation>Un atajo necesita Ctrl, Alt o Super (Shift por sí solo, únicamente con F1 a F20).</translation>
    </message>
    <message id="preferences.desktop_shortcut_asking">
        <source>Asking the desktop to bind the shortcut…</source>
        <translation>Pidiendo al escritorio que asigne el atajo…</translation>
    </message>
    <message id="preferences.desktop_shortcut_bound">
        <source>The desktop shows the history with: %1</source>
        <translation>El escritorio muestra el historial con: %1</translation>
    </message>
    <message id="preferences.desktop_shortcut_no_keys">
        <source>The desktop has not assigned keys to the shortcut yet.</source>
        <translation>El escritorio aún no ha asignado teclas al atajo.</translation>
    </message>
    <message id="preferences.desktop_shortcut_change">
        <source>Change…</source>
        <translation>Cambiar…</translation>
    </message>
    <message id="preferences.desktop_shortcut_declined">
        <source>Binding the shortcut through the desktop was declined.</source>
        <translation>Se rechazó asignar el atajo a través del escritorio.</translation>
    </message>
    <message id="preferences.desktop_shortcut_no_portal">
        <source>This desktop binds no global shortcuts for applications (it offers no shortcuts portal).</source>
        <translation>Este escritorio no asigna atajos globales a las aplicaciones (no ofrece un portal de atajos).</translation>
    </message>
    <message id="preferences.desktop_shortcut_x11_only">
        <source>The shortcut above works only while an X11 window is in front.</source>
        <translation>El atajo de arriba solo funciona mientras haya una ventana X11 en primer plano.</translation>
    </message>
    <message id="preferences.gnome_add_shortcut">
        <source>Add to GNOME Keyboard Shortcuts…</source>
        <translation>Añadir a los atajos de teclado de GNOME…</translation>
    </message>
    <message id="preferences.gnome_add_shortcut_confirm">
        <source>Add a GNOME keyboard shortcut that runs “brimble toggle” on %1?</source>
        <translation>¿Añadir un atajo de teclado de GNOME que ejecute “brimble toggle” con %1?</translation>
    </message>
    <message id="preferences.gnome_add_shortcut_explained">
        <source>It appears in GNOME Settings, Keyboard, Custom Shortcuts, where you can change or remove it.</source>
        <translation>Aparece en Configuración de GNOME, Teclado, Atajos personalizados, donde puede cambiarlo o quitarlo.</translation>
    </message>
    <message id="preferences.gnome_shortcut_added">
        <source>GNOME runs “brimble toggle” on %1.</source>
        <translation>GNOME ejecuta “brimble toggle” con %1.</translation>
    </message>
    <message id="preferences.gnome_shortcut_failed">
        <source>The GNOME shortcut could not be added: %1</source>
        <translation>No se pudo añadir el atajo de GNOME: %1</translation>
    </message>
    <message id="preferences.configuration_line">
        <source>Add this line to your compositor's configuration:</source>
        <translation>Añada esta línea a la configuración de su compositor:</translation>
    </message>
    <message id="preferences.other_desktop_shortcut">
        <source>Bind the command “brimble toggle” to a key in your desktop's keyboard settings.</source>
        <translation>Asigne el comando “brimble toggle” a una tecla en la configuración de teclado de su escritorio.</translation>
    </message>
    <message id="preferences.copy_line">
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message id="alert.pasted_by_hand">
        <source>Not pasted by itself: the item is on the clipboard, press Ctrl+V to paste it.</source>
        <translation>No se pegó automáticamente: el elemento está en el portapapeles, pulse Ctrl+V para pegarlo.</translation>
    </message>
    <message id="preferences.shortcut_refused">
        <source>%1 cannot be used: %2. The shortcut stays %3.</source>
        <translation>No se puede usar %1: %2. El atajo sigue siendo %3.</translation>
    </message>
    <message id="preferences.no_shortcut">
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message id="preferences.ignored_apps_explained">
        <source>Copies made in these applications are never recorded.</source>
        <translation>Las copias hechas en estas aplicaciones nunca se registran.</translation>
    </message>
    <message id="preferences.add_applications">
        <source>&amp;Add…</source>
        <translation>&amp;Añadir…</translation>
    </message>
    <message id="preferences.remove_applications">
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message id="preferences.choose_applications">
        <source>Choose Applications to Ignore</source>
        <translation>Elegir aplicaciones que ignorar</translation>
    </message>
    <message id="preferences.desktop_entries">
        <source>Applications (*.desktop)</source>
        <translation>Aplicaciones (*.desktop)</translation>
    </message>
    <message id="menu.quit">
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message id="menu.preferences">
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message id="menu.about">
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message id="menu.rename">
        <source>Rename</source>
        <translation>Renombrar</translation>
    </message>
    <message id="menu.clear_all_history">
        <source>Clear All History</source>
        <translation>Borrar todo el historial</translation>
    </message>
    <message id="menu.delete">
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message id="menu.paste">
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message id="menu.paste_as_plain_text">
        <source>Paste as Plain Text</source>
        <translation>Pegar como texto sin formato</translation>
    </message>
    <message id="menu.cut">
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message id="menu.copy">
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message id="menu.move_to">
        <source>Move to</source>
        <translation>Mover a</translation>
    </message>
    <message id="menu.add_new_clip_board">
        <source>Add New Clipboard</source>
        <translation>Añadir portapapeles nuevo</translation>
    </message>
    <message id="menu.move_to_first">
        <source>Move to First</source>
        <translation>Mover al principio</translation>
    </message>
    <message id="menu.save_to_file">
        <source>Save to File</source>
        <translation>Guardar en archivo</translation>
    </message>
    <message id="menu.open">
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message id="menu.quick_look">
        <source>Quick Look</source>
        <translation>Vista rápida</translation>
    </message>
    <message id="menu.show_in_finder">
        <source>Show in Folder</source>
        <translation>Mostrar en la carpeta</translation>
    </message>
    <message id="menu.pause_recording">
        <source>Pause Recording</source>
        <translation>Pausar el registro</translation>
    </message>
    <message id="menu.continue_recording">
        <source>Continue Recording</source>
        <translation>Reanudar el registro</translation>
    </message>
    <message id="menu.open_in_browser">
        <source>Open in Browser</source>
        <translation>Abrir en el navegador</translation>
    </message>
    <message id="menu.help">
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message id="menu.check_for_updates">
        <source>Check for Updates</source>
        <translation>Buscar actualizaciones</translation>
    </message>
    <message id="menu.show_clipboard_history">
        <source>Show Clipboard History</source>
        <translation>Mostrar historial del portapapeles</translation>
    </message>
    <message id="menu.undo">
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message id="menu.undo_delete">
        <source>Undo Delete</source>
        <translation>Deshacer eliminación</translation>
    </message>
    <message id="menu.undo_cut">
        <source>Undo Cut</source>
        <translation>Deshacer cortar</translation>
    </message>
    <message id="menu.undo_clear_all_history">
        <source>Undo Clear All History</source>
        <translation>Deshacer borrado del historial</translation>
    </message>
    <message id="menu.undo_move">
        <source>Undo Move</source>
        <translation>Deshacer movimiento</translation>
    </message>
    <message id="menu.undo_delete_clipboard">
        <source>Undo Delete Clipboard</source>
        <translation>Deshacer eliminación del portapapeles</translation>
    </message>
    <message id="quick_view.search">
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message id="quick_view.unnamed">
        <source>UnNamed</source>
        <translation>Sin nombre</translation>
    </message>
    <message id="quick_view.empty">
        <source>It's Empty</source>
        <translation>Está vacío</translation>
    </message>
    <message id="quick_view.clipboard_history">
        <source>Clipboard History</source>
        <translation>Historial del portapapeles</translation>
    </message>
    <message id="quick_view.n_records">
        <source>%1 records</source>
        <translation>%1 registros</translation>
    </message>
    <message id="quick_view.text_cut">
        <source>Showing the first %1 of %2 characters.</source>
        <translation>Se muestran los primeros %1 de %2 caracteres.</translation>
    </message>
    <message id="quick_view.unknown_application">
        <source>Unknown application</source>
        <translation>Aplicación desconocida</translation>
    </message>
    <message id="quick_view.bad_type_clause">
        <source>&quot;%1&quot; names no type; type: takes %2</source>
        <translation>&quot;%1&quot; no es ningún tipo; type: admite %2</translation>
    </message>
    <message id="link_preview.load">
        <source>Load Preview</source>
        <translation>Cargar vista previa</translation>
    </message>
    <message id="link_preview.not_web">
        <source>Only web pages (http and https) are previewed.</source>
        <translation>Solo se previsualizan páginas web (http y https).</translation>
    </message>
    <message id="link_preview.credentials">
        <source>Not previewed: the link carries a user name or password.</source>
        <translation>Sin vista previa: el enlace lleva un nombre de usuario o una contraseña.</translation>
    </message>
    <message id="link_preview.local_host">
        <source>Not previewed: the link leads to this computer or the local network.</source>
        <translation>Sin vista previa: el enlace lleva a este equipo o a la red local.</translation>
    </message>
    <message id="link_preview.as_root">
        <source>Not previewed: the web view does not run as root.</source>
        <translation>Sin vista previa: la vista web no se ejecuta como root.</translation>
    </message>
    <message id="link_preview.host_not_found">
        <source>The page could not be loaded: its host was not found.</source>
        <translation>No se pudo cargar la página: no se encontró su servidor.</translation>
    </message>
    <message id="link_preview.failed">
        <source>The page could not be loaded: %1</source>
        <translation>No se pudo cargar la página: %1</translation>
    </message>
    <message id="link_preview.stopped">
        <source>The page stopped unexpectedly.</source>
        <translation>La página se detuvo inesperadamente.</translation>
    </message>
    <message id="quick_view.no_matches">
        <source>No matches</source>
        <translation>Sin coincidencias</translation>
    </message>
    <message id="quick_view.n_selected">
        <source>%1 selected</source>
        <translation>%1 seleccionados</translation>
    </message>
    <message id="pasteboard.unknown_type">
        <source>Unknown</source>
        <translation>Desconocido</translation>
    </message>
    <message id="pasteboard.text_type">
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message id="pasteboard.rich_text_type">
        <source>Rich Text</source>
        <translation>Texto enriquecido</translation>
    </message>
    <message id="pasteboard.plain_text_type">
        <source>Plain Text</source>
        <translation>Texto sin formato</translation>
    </message>
    <message id="pasteboard.image_type">
        <source>Image</source>
        <translation>Imagen</translation>
    </message>
    <message id="pasteboard.file_type">
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message id="pasteboard.link_type">
        <source>Link</source>
        <translation>Enlace</translation>
    </message>
    <message id="pasteboard.color_type">
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message id="alert.confirm">
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message id="alert.cancel">
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message id="alert.alert">
        <source>Alert</source>
        <translation>Aviso</translation>
    </message>
    <message id="alert.save_to_file_failed">
        <source>Save to file failed!</source>
        <translation>¡No se pudo guardar en el archivo!</translation>
    </message>
    <message id="alert.delete">
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message id="alert.reduce_history_capacity">
        <source>Reduce history capacity!</source>
        <translation>¡Reducir la capacidad del historial!</translation>
    </message>
    <message id="alert.this_action_can_not_be_undo">
        <source>This cannot be undone.</source>
        <translation>Esta acción no se puede deshacer.</translation>
    </message>
    <message id="alert.confirm_clear_clipboard">
        <source>Clear all history of “%1”?</source>
        <translation>¿Borrar todo el historial de “%1”?</translation>
    </message>
    <message id="alert.confirm_delete_clipboard">
        <source>Delete the clipboard “%1” and its history?</source>
        <translation>¿Eliminar el portapapeles “%1” y su historial?</translation>
    </message>
    <message id="alert.items_to_delete">
        <source>Items to delete: %1.</source>
        <translation>Elementos que se eliminarán: %1.</translation>
    </message>
    <message id="alert.undo_while_running">
        <source>You can undo this with Ctrl+Z while Brimble runs.</source>
        <translation>Puede deshacerlo con Ctrl+Z mientras Brimble esté en ejecución.</translation>
    </message>
    <message id="alert.too_large_to_copy">
        <source>The selected items hold %1 MB together, more than the %2 MB that can be copied or pasted at once. Select fewer items.</source>
        <translation>Los elementos seleccionados ocupan %1 MB en total, más de los %2 MB que se pueden copiar o pegar de una vez. Seleccione menos elementos.</translation>
    </message>
    <message id="alert.do_not_show_this_to_me_again">
        <source>Don't show this to me again</source>
        <translation>No volver a mostrar esto</translation>
    </message>
    <message id="alert.turn_on_accessibility_message">
        <source>Brimble can only paste automatically into X11 windows, and this window is not one. The item is on the clipboard: press Ctrl+V to paste it.</source>
        <translation>Brimble solo puede pegar automáticamente en ventanas X11, y esta ventana no lo es. El elemento está en el portapapeles: pulse Ctrl+V para pegarlo.</translation>
    </message>
    <message id="alert.turn_on_accessibility">
        <source>Turn On Accessibility</source>
        <translation>Activar la accesibilidad</translation>
    </message>
    <message id="alert.not_now">
        <source>Not Now</source>
        <translation>Ahora no</translation>
    </message>
    <message id="alert.learn_more">
        <source>Learn More</source>
        <translation>Más información</translation>
    </message>
    <message id="alert.crash_title">
        <source>Sorry about that!</source>
        <translation>¡Lo sentimos!</translation>
    </message>
    <message id="alert.crash_message">
        <source>Brimble stopped unexpectedly the last time it ran. Do you want to send an anonymous crash report so that the problem can be fixed?</source>
        <translation>Brimble se cerró inesperadamente la última vez que se ejecutó. ¿Quiere enviar un informe de fallo anónimo para que se pueda solucionar el problema?</translation>
    </message>
    <message id="alert.always_send">
        <source>Always Send</source>
        <translation>Enviar siempre</translation>
    </message>
    <message id="alert.send">
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
    <message id="alert.do_not_send">
        <source>Don't Send</source>
        <translation>No enviar</translation>
    </message>
    <message id="Could not save changes while quitting. Quit anyway?">
        <source>Could not save changes while quitting. Quit anyway?</source>
        <translation>No se pudieron guardar los cambios al salir. ¿Salir de todos modos?</translation>
    </message>
    <message id="Quitting now will lose any changes you have made since the last successful save">
        <source>Quitting now will lose any changes you have made since the last successful save</source>
        <translation>Si sale ahora, perderá los cambios hechos desde la última vez que se guardaron correctamente</translation>
    </message>
    <message id="Quit anyway">
        <source>Quit anyway</source>
        <translation>Salir de todos modos</translation>
    </message>
    <message id="Cancel">
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message id="date.unknow_date">
        <source>Unknown date</source>
        <translation>Fecha desconocida</translation>
    </message>
    <message id="date.just_now">
        <source>Just now</source>
        <translation>Justo ahora</translation>
    </message>
    <message id="date.yesterday">
        <source>Yesterday</source>
        <translation>Ayer</translation>
    </message>
    <message id="alert.open_failed">
        <source>Brimble could not open %1: %2</source>
        <translation>Brimble no pudo abrir %1: %2</translation>
    </message>
    <message id="alert.setting_not_saved">
        <source>The setting was not saved, because %1 cannot be written. It is back to what it was.</source>
        <translation>El ajuste no se guardó porque no se puede escribir en %1. Ha vuelto a su valor anterior.</translation>
    </message>
    <message id="alert.hot_key_refused">
        <source>The shortcut %1 is not available (%2). Choose another one in Preferences, or bind the command &quot;brimble toggle&quot; in your desktop&apos;s keyboard settings.</source>
        <translation>El atajo %1 no está disponible (%2). Elija otro en Preferencias o asigne el comando &quot;brimble toggle&quot; en la configuración de teclado de su escritorio.</translation>
    </message>
    <message id="alert.history_disk_full">
        <source>There is no room left on the disk for your clipboard history (%1). New copies are kept in memory until there is; free some space so that they are not lost.</source>
        <translation>No queda espacio en el disco para el historial del portapapeles (%1). Las copias nuevas se guardan en memoria hasta que lo haya; libere espacio para que no se pierdan.</translation>
    </message>
    <message id="alert.history_recording_again">
        <source>There is room for your clipboard history again: copies are recorded, and the %1 made meanwhile are stored.</source>
        <translation>Vuelve a haber espacio para el historial del portapapeles: las copias se registran y se han guardado las %1 hechas mientras tanto.</translation>
    </message>
    <message id="alert.history_copies_lost">
        <source>%1 copies made while the disk was full could not be kept.</source>
        <translation>No se pudieron conservar %1 copias hechas mientras el disco estaba lleno.</translation>
    </message>
    <message id="format.files">
        <source>files</source>
        <translation>archivos</translation>
    </message>
    <message id="format.chars">
        <source>chars</source>
        <translation>caracteres</translation>
    </message>
    <message id="update.available">
        <source>Brimble %1 is available</source>
        <translation>Brimble %1 está disponible</translation>
    </message>
    <message id="update.available_message">
        <source>You have version %1.</source>
        <translation>Tiene la versión %1.</translation>
    </message>
    <message id="update.download_page">
        <source>Download Page</source>
        <translation>Página de descarga</translation>
    </message>
    <message id="update.later">
        <source>Later</source>
        <translation>Más tarde</translation>
    </message>
    <message id="update.up_to_date">
        <source>Brimble is up to date</source>
        <translation>Brimble está actualizado</translation>
    </message>
    <message id="update.up_to_date_message">
        <source>Version %1 is the newest version.</source>
        <translation>La versión %1 es la más reciente.</translation>
    </message>
    <message id="update.failed">
        <source>The update check failed</source>
        <translation>No se pudo comprobar si hay actualizaciones</translation>
    </message>
    <message id="queue.paste_in_sequence">
        <source>Paste in Sequence</source>
        <translation>Pegar en secuencia</translation>
    </message>
    <message id="queue.clear">
        <source>Clear Paste Queue</source>
        <translation>Vaciar la cola de pegado</translation>
    </message>
    <message id="queue.active">
        <source>Paste queue: %1 of %2 pasted, next: %3</source>
        <translation>Cola de pegado: %1 de %2 pegados, siguiente: %3</translation>
    </message>
    <message id="queue.untitled_item">
        <source>item %1 (%2)</source>
        <translation>elemento %1 (%2)</translation>
    </message>
    <message id="queue.finished">
        <source>Paste queue done: all %1 items pasted</source>
        <translation>Cola de pegado terminada: los %1 elementos pegados</translation>
    </message>
    <message id="queue.interrupted">
        <source>Paste queue ended by a new copy: %1 of %2 pasted</source>
        <translation>Cola de pegado interrumpida por una copia nueva: %1 de %2 pegados</translation>
    </message>
    <message id="queue.cleared">
        <source>Paste queue cleared: %1 of %2 pasted</source>
        <translation>Cola de pegado vaciada: %1 de %2 pegados</translation>
    </message>
    <message id="queue.failed">
        <source>Paste queue ended: %1</source>
        <translation>Cola de pegado terminada: %1</translation>
    </message>
    <message id="queue.escape_clears">
        <source>Esc clears it</source>
        <translation>Esc la vacía</translation>
    </message>
    <message id="quick_view.secret_mask">
        <source>Secret · %1 · %2 characters</source>
        <translation>Secreto · %1 · %2 caracteres</translation>
    </message>
    <message id="quick_view.secret_reveal_hint">
        <source>Click or press Space to show it</source>
        <translation>Haga clic o pulse Space para mostrarlo</translation>
    </message>
    <message id="quick_view.secret_reveal">
        <source>Show Secret</source>
        <translation>Mostrar secreto</translation>
    </message>
    <message id="secret.private_key">
        <source>private key</source>
        <translation>clave privada</translation>
    </message>
    <message id="secret.web_token">
        <source>web token</source>
        <translation>token web</translation>
    </message>
    <message id="secret.cloud_key">
        <source>cloud access key</source>
        <translation>clave de acceso a la nube</translation>
    </message>
    <message id="secret.access_token">
        <source>access token</source>
        <translation>token de acceso</translation>
    </message>
    <message id="secret.bot_token">
        <source>bot token</source>
        <translation>token de bot</translation>
    </message>
    <message id="secret.payment_key">
        <source>payment key</source>
        <translation>clave de pago</translation>
    </message>
    <message id="secret.card_number">
        <source>card number</source>
        <translation>número de tarjeta</translation>
    </message>
    <message id="preferences.secrets">
        <source>Secrets:</source>
        <translation>Secretos:</translation>
    </message>
    <message id="preferences.secrets_note">
        <source>Keys, tokens and card numbers are shown masked until revealed.</source>
        <translation>Las claves, los tokens y los números de tarjeta se muestran enmascarados hasta que se revelan.</translation>
    </message>
    <message id="preferences.secret_never_record">
        <source>Never record</source>
        <translation>No registrar nunca</translation>
    </message>
    <message id="preferences.secret_minute">
        <source>Remove after 1 minute</source>
        <translation>Eliminar tras 1 minuto</translation>
    </message>
    <message id="preferences.secret_ten_minutes">
        <source>Remove after 10 minutes</source>
        <translation>Eliminar tras 10 minutos</translation>
    </message>
    <message id="preferences.secret_hour">
        <source>Remove after 1 hour</source>
        <translation>Eliminar tras 1 hora</translation>
    </message>
    <message id="preferences.secret_day">
        <source>Remove after 1 day</source>
        <translation>Eliminar tras 1 día</translation>
    </message>
    <message id="preferences.secret_keep">
        <source>Keep</source>
        <translation>Conservar</translation>
    </message>
    <message id="preferences.read_image_text">
        <source>Find copied images by their text (read on this computer)</source>
        <translation>Buscar imágenes copiadas por su texto (leído en este equipo)</translation>
    </message>
    <message id="preferences.image_text_language">
        <source>Language of the text:</source>
        <translation>Idioma del texto:</translation>
    </message>
    <message id="help.title">
        <source>Brimble Help</source>
        <translation>Ayuda de Brimble</translation>
    </message>
    <message id="help.back">
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message id="help.forward">
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message id="help.contents">
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
    <message id="help.auto_paste_title">
        <source>Automatic Paste Unavailable</source>
        <translation>Pegado automático no disponible</translation>
    </message>
    <message id="about.title">
        <source>About Brimble</source>
        <translation>Acerca de Brimble</translation>
    </message>
    <message id="about.description">
        <source>Clipboard history with a quick search window</source>
        <translation>Historial del portapapeles con una ventana de búsqueda rápida</translation>
    </message>
    <message id="about.licence">
        <source>Licence: none published yet. All rights reserved by the Brimble developers.</source>
        <translation>Licencia: todavía no se ha publicado ninguna. Todos los derechos reservados a los desarrolladores de Brimble.</translation>
    </message>
    <message id="about.libraries">
        <source>Libraries:</source>
        <translation>Bibliotecas:</translation>
    </message>
    <message id="about.history">
        <source>History:</source>
        <translation>Historial:</translation>
    </message>
    <message id="about.logs">
        <source>Logs:</source>
        <translation>Registros:</translation>
    </message>
    <message id="about.copied">
        <source>Copied</source>
        <translation>Copiado</translation>
    </message>
    <message id="about.close">
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message id="about.built_with">
        <source>built with %1</source>
        <translation>compilado con %1</translation>
    </message>
    <message id="archive.export_history">
        <source>Export History…</source>
        <translation>Exportar historial…</translation>
    </message>
    <message id="archive.import_history">
        <source>Import History…</source>
        <translation>Importar historial…</translation>
    </message>
    <message id="archive.export_title">
        <source>Export History</source>
        <translation>Exportar historial</translation>
    </message>
    <message id="archive.import_title">
        <source>Import History</source>
        <translation>Importar historial</translation>
    </message>
    <message id="archive.exists">
        <source>%1 already exists; choose another name.</source>
        <translation>%1 ya existe; elija otro nombre.</translation>
    </message>
    <message id="archive.cannot_write">
        <source>Could not write %1: %2</source>
        <translation>No se pudo escribir %1: %2</translation>
    </message>
    <message id="archive.cannot_open">
        <source>Could not open %1: %2</source>
        <translation>No se pudo abrir %1: %2</translation>
    </message>
    <message id="archive.not_archive">
        <source>%1 is not a Brimble history export. Nothing was imported.</source>
        <translation>%1 no es un historial exportado por Brimble. No se importó nada.</translation>
    </message>
    <message id="archive.newer">
        <source>%1 was written by a newer Brimble (format %2). Nothing was imported.</source>
        <translation>%1 se escribió con una versión más reciente de Brimble (formato %2). No se importó nada.</translation>
    </message>
    <message id="archive.damaged">
        <source>%1 is damaged or was altered (%2). Nothing was imported.</source>
        <translation>%1 está dañado o fue modificado (%2). No se importó nada.</translation>
    </message>
    <message id="archive.store_failed">
        <source>The history could not be written (%1). Nothing was imported.</source>
        <translation>No se pudo escribir el historial (%1). No se importó nada.</translation>
    </message>
    <message id="archive.exported">
        <source>Items exported: %1 (clipboards: %2).</source>
        <translation>Elementos exportados: %1 (portapapeles: %2).</translation>
    </message>
    <message id="archive.secrets_left_out">
        <source>Secrets left out: %1.</source>
        <translation>Secretos omitidos: %1.</translation>
    </message>
    <message id="archive.imported">
        <source>Items added: %1. Already present, skipped: %2. Clipboards created: %3.</source>
        <translation>Elementos añadidos: %1. Ya presentes, omitidos: %2. Portapapeles creados: %3.</translation>
    </message>
    <message id="cli.help.usage">
        <source>Usage: brimble [VERB [ARGUMENTS]]</source>
        <translation>Uso: brimble [COMANDO [ARGUMENTOS]]</translation>
    </message>
    <message id="cli.help.without_verb">
        <source>Without a verb, starts Brimble (or shows the running one).</source>
        <translation>Sin comando, inicia Brimble (o muestra el que ya está en ejecución).</translation>
    </message>
    <message id="cli.help.verbs">
        <source>Verbs:</source>
        <translation>Comandos:</translation>
    </message>
    <message id="cli.help.notes">
        <source>ITEM is a uuid or a position in the listed order (1 is the newest). NAME is a clipboard&apos;s title, or its uuid (`clipboards --json` shows them) where titles repeat. Lines of `list` and `search`: position, age, type (as type: names it), first line of text with control characters shown as escapes. A secret (a key, a token, a card number) shows its kind and length instead of its text unless --reveal is given. `search` also finds images by the text Brimble has read in them.</source>
        <translation>ITEM es un uuid o una posición en el orden listado (1 es el más reciente). NAME es el título de un portapapeles, o su uuid (`clipboards --json` los muestra) cuando los títulos se repiten. Líneas de `list` y `search`: posición, antigüedad, tipo (como lo nombra type:), primera línea del texto, con los caracteres de control mostrados como secuencias de escape. Un secreto (una clave, un token, un número de tarjeta) muestra su clase y su longitud en lugar de su texto, salvo que se indique --reveal. `search` también encuentra imágenes por el texto que Brimble ha leído en ellas.</translation>
    </message>
    <message id="cli.help.options">
        <source>Options:</source>
        <translation>Opciones:</translation>
    </message>
    <message id="cli.help.environment">
        <source>Environment:</source>
        <translation>Entorno:</translation>
    </message>
    <message id="cli.help.platform">
        <source>the clipboard backend; by default native Wayland when the compositor offers data control, else X11 (the log names the one in use)</source>
        <translation>el motor del portapapeles; por omisión, Wayland nativo si el compositor ofrece control de datos (data control); si no, X11 (el registro indica cuál se usa)</translation>
    </message>
    <message id="cli.help.exit_status">
        <source>Exit status: 0 done, 1 request failed, 2 usage error, 3 Brimble is not running, 4 the history cannot be read, 5 Brimble is busy (try again), 6 paste only copied (automatic paste is off), 7 no display (Brimble itself).</source>
        <translation>Código de salida: 0 hecho, 1 la petición falló, 2 error de uso, 3 Brimble no está en ejecución, 4 no se puede leer el historial, 5 Brimble está ocupado (inténtelo de nuevo), 6 paste solo copió (el pegado automático está desactivado), 7 sin pantalla (el propio Brimble).</translation>
    </message>
    <message id="cli.verb.list">
        <source>the history, newest first</source>
        <translation>el historial, del más reciente al más antiguo</translation>
    </message>
    <message id="cli.verb.search">
        <source>items matching QUERY; type:image,link clauses narrow by type</source>
        <translation>elementos que coinciden con QUERY; las cláusulas type:image,link filtran por tipo</translation>
    </message>
    <message id="cli.verb.clipboards">
        <source>the clipboards with their record counts</source>
        <translation>los portapapeles con su número de registros</translation>
    </message>
    <message id="cli.verb.copy">
        <source>put an item back on the clipboard</source>
        <translation>volver a poner un elemento en el portapapeles</translation>
    </message>
    <message id="cli.verb.paste">
        <source>copy an item and paste it into the active window</source>
        <translation>copiar un elemento y pegarlo en la ventana activa</translation>
    </message>
    <message id="cli.verb.pause">
        <source>stop recording copies</source>
        <translation>pausar el registro de copias</translation>
    </message>
    <message id="cli.verb.resume">
        <source>record copies again</source>
        <translation>volver a registrar las copias</translation>
    </message>
    <message id="cli.verb.toggle">
        <source>show or hide the quick search window</source>
        <translation>mostrar u ocultar la ventana del historial del portapapeles</translation>
    </message>
    <message id="cli.verb.preferences">
        <source>open the preferences window</source>
        <translation>abrir la ventana de preferencias</translation>
    </message>
    <message id="cli.verb.quit">
        <source>end the running Brimble</source>
        <translation>cerrar el Brimble en ejecución</translation>
    </message>
    <message id="cli.verb.salvage">
        <source>rebuild a damaged history from its readable rows, keeping the damaged file beside it</source>
        <translation>reconstruir un historial dañado a partir de sus filas legibles, conservando al lado el archivo dañado</translation>
    </message>
    <message id="cli.verb.queue">
        <source>with ITEMs, paste them in this order, one per paste (Ctrl+V) anywhere; clear ends the queue; alone, shows it</source>
        <translation>con ITEM, pegarlos en este orden, uno por cada pegado (Ctrl+V) en cualquier lugar; clear termina la cola; solo, la muestra</translation>
    </message>
    <message id="cli.verb.export">
        <source>write the history&apos;s items, with every representation, their dates, clipboards and source applications, to a new FILE (an existing one is never replaced; secrets are left out)</source>
        <translation>escribir los elementos del historial, con todas sus representaciones, fechas, portapapeles y aplicaciones de origen, en un archivo FILE nuevo (nunca se reemplaza uno existente; los secretos se omiten)</translation>
    </message>
    <message id="cli.verb.import">
        <source>add the items of an exported FILE to the history, skipping items already there; a damaged or altered FILE is refused and nothing is added</source>
        <translation>añadir al historial los elementos de un archivo FILE exportado, omitiendo los que ya están; un FILE dañado o modificado se rechaza y no se añade nada</translation>
    </message>
    <message id="cli.option.help">
        <source>show the help</source>
        <translation>mostrar la ayuda</translation>
    </message>
    <message id="cli.option.version">
        <source>show the version</source>
        <translation>mostrar la versión</translation>
    </message>
    <message id="cli.option.list_clipboard">
        <source>the clipboard to list, by title or uuid (default: Clipboard History)</source>
        <translation>el portapapeles que listar, por título o uuid (por omisión: Historial del portapapeles)</translation>
    </message>
    <message id="cli.option.limit">
        <source>at most N items</source>
        <translation>como máximo N elementos</translation>
    </message>
    <message id="cli.option.json">
        <source>one JSON array instead of lines</source>
        <translation>un array JSON en lugar de líneas</translation>
    </message>
    <message id="cli.option.reveal">
        <source>print secrets&apos; text instead of their kind and length</source>
        <translation>mostrar el texto de los secretos en lugar de su clase y su longitud</translation>
    </message>
    <message id="cli.option.search_clipboard">
        <source>the clipboard to search, by title or uuid</source>
        <translation>el portapapeles en el que buscar, por título o uuid</translation>
    </message>
    <message id="cli.option.plain">
        <source>as plain text</source>
        <translation>como texto sin formato</translation>
    </message>
    <message id="cli.option.item_clipboard">
        <source>the clipboard ITEM is counted in, by title or uuid</source>
        <translation>el portapapeles en el que se cuenta ITEM, por título o uuid</translation>
    </message>
    <message id="cli.option.queue_clipboard">
        <source>the clipboard the ITEMs are counted in, by title or uuid</source>
        <translation>el portapapeles en el que se cuentan los ITEM, por título o uuid</translation>
    </message>
    <message id="cli.option.queue_json">
        <source>the queue as one JSON object</source>
        <translation>la cola como un objeto JSON</translation>
    </message>
    <message id="cli.option.export_clipboard">
        <source>only this clipboard, by title or uuid (default: every clipboard)</source>
        <translation>solo este portapapeles, por título o uuid (por omisión: todos los portapapeles)</translation>
    </message>
    <message id="cli.unknown_verb">
        <source>unknown verb &quot;%1&quot; (see brimble --help)</source>
        <translation>comando desconocido &quot;%1&quot; (consulte brimble --help)</translation>
    </message>
    <message id="cli.unknown_option">
        <source>unknown option &quot;%1&quot; (see brimble --help)</source>
        <translation>opción desconocida &quot;%1&quot; (consulte brimble --help)</translation>
    </message>
    <message id="cli.option_not_taken">
        <source>%1 does not take %2 (see brimble --help)</source>
        <translation>%1 no admite %2 (consulte brimble --help)</translation>
    </message>
    <message id="cli.needs_value">
        <source>%1 needs a value</source>
        <translation>%1 necesita un valor</translation>
    </message>
    <message id="cli.bad_limit">
        <source>--limit takes a whole number of at least 1, not &quot;%1&quot;</source>
        <translation>--limit admite un número entero mayor o igual que 1, no &quot;%1&quot;</translation>
    </message>
    <message id="cli.takes_one_item">
        <source>%1 takes one item: a uuid or a position</source>
        <translation>%1 admite un único elemento: un uuid o una posición</translation>
    </message>
    <message id="cli.queue_clear_alone">
        <source>queue clear takes no items</source>
        <translation>queue clear no admite elementos</translation>
    </message>
    <message id="cli.search_needs_query">
        <source>search needs a query</source>
        <translation>search necesita una consulta</translation>
    </message>
    <message id="cli.takes_one_file">
        <source>%1 takes one file</source>
        <translation>%1 admite un único archivo</translation>
    </message>
    <message id="cli.takes_no_argument">
        <source>%1 takes no argument &quot;%2&quot;</source>
        <translation>%1 no admite el argumento &quot;%2&quot;</translation>
    </message>
    <message id="cli.history_damaged">
        <source>the history %1 is damaged; quit Brimble (brimble quit) and run &quot;brimble salvage&quot; to rescue what can still be read</source>
        <translation>el historial %1 está dañado; cierre Brimble (brimble quit) y ejecute &quot;brimble salvage&quot; para rescatar lo que aún se pueda leer</translation>
    </message>
    <message id="cli.history_damaged_because">
        <source>the history %1 is damaged (%2); quit Brimble (brimble quit) and run &quot;brimble salvage&quot; to rescue what can still be read</source>
        <translation>el historial %1 está dañado (%2); cierre Brimble (brimble quit) y ejecute &quot;brimble salvage&quot; para rescatar lo que aún se pueda leer</translation>
    </message>
    <message id="cli.cannot_open_history">
        <source>cannot open the history %1: %2</source>
        <translation>no se puede abrir el historial %1: %2</translation>
    </message>
    <message id="cli.salvage_while_running">
        <source>Brimble is running: quit it first (brimble quit), then salvage</source>
        <translation>Brimble está en ejecución: ciérrelo primero (brimble quit) y después ejecute salvage</translation>
    </message>
    <message id="cli.salvaged">
        <source>Salvaged %1
  kept: %2 items, %3 clipboards, %4 ignore rules
  lost: %5 items of which some rows were read, and %6 unreadable stretches of rows
  rebuilt: %7 search texts, and %8 clipboards whose items outlived them (&quot;Recovered clipboard&quot;)
The damaged file is kept as %9</source>
        <translation>Rescatado: %1
  conservados: %2 elementos, %3 portapapeles, %4 reglas de exclusión
  perdidos: %5 elementos de los que se leyeron algunas filas, y %6 tramos de filas ilegibles
  reconstruidos: %7 textos de búsqueda, y %8 portapapeles cuyos elementos los habían sobrevivido (&quot;Recovered clipboard&quot;)
El archivo dañado se conserva como %9</translation>
    </message>
    <message id="cli.no_paste_queue">
        <source>No paste queue</source>
        <translation>No hay cola de pegado</translation>
    </message>
    <message id="cli.not_running">
        <source>Brimble is not running (start it with `brimble`)</source>
        <translation>Brimble no está en ejecución (inícielo con `brimble`)</translation>
    </message>
    <message id="cli.busy">
        <source>Brimble is busy and did not take the request; try again in a moment</source>
        <translation>Brimble está ocupado y no aceptó la petición; inténtelo de nuevo en un momento</translation>
    </message>
    <message id="cli.request_failed">
        <source>the request failed</source>
        <translation>la petición falló</translation>
    </message>
    <message id="cli.unreadable_answer">
        <source>Brimble gave an unreadable answer</source>
        <translation>Brimble dio una respuesta ilegible</translation>
    </message>
    <message id="cli.copied_not_pasted">
        <source>copied to the clipboard but not pasted: automatic paste is off (Preferences, General)</source>
        <translation>copiado al portapapeles pero no pegado: el pegado automático está desactivado (Preferencias, General)</translation>
    </message>
    <message id="cli.still_starting">
        <source>Brimble is still starting; try again in a moment</source>
        <translation>Brimble aún se está iniciando; inténtelo de nuevo en un momento</translation>
    </message>
    <message id="cli.quit_not_saved">
        <source>the history could not be saved (see the log); Brimble quits all the same</source>
        <translation>no se pudo guardar el historial (consulte el registro); Brimble se cierra de todos modos</translation>
    </message>
    <message id="cli.already_running_busy">
        <source>Brimble is already running but busy; try again in a moment</source>
        <translation>Brimble ya está en ejecución pero está ocupado; inténtelo de nuevo en un momento</translation>
    </message>
    <message id="cli.not_answering">
        <source>another Brimble holds %1 but does not answer</source>
        <translation>otro Brimble ocupa %1 pero no responde</translation>
    </message>
    <message id="cli.no_display">
        <source>no display to open: DISPLAY is not set, and no Wayland compositor offers clipboard data control</source>
        <translation>no hay ninguna pantalla que abrir: DISPLAY no está definida y ningún compositor Wayland ofrece control de datos del portapapeles (data control)</translation>
    </message>
    <message id="cli.cannot_open_wayland">
        <source>cannot open the Wayland display &quot;%1&quot;</source>
        <translation>no se puede abrir la pantalla Wayland &quot;%1&quot;</translation>
    </message>
    <message id="cli.cannot_open_x11">
        <source>cannot open the X display &quot;%1&quot;</source>
        <translation>no se puede abrir la pantalla X &quot;%1&quot;</translation>
    </message>
    <message id="cli.cannot_open_database">
        <source>Brimble cannot open its history database.

%1

The file was left as it is. Move it aside to start with an empty history, or restore it from a backup.</source>
        <translation>Brimble no puede abrir su base de datos del historial.

%1

El archivo se ha dejado tal cual. Muévalo a otro sitio para empezar con un historial vacío, o restáurelo desde una copia de seguridad.</translation>
    </message>
    <message id="history.unreadable">
        <source>the history could not be read (see the log)</source>
        <translation>no se pudo leer el historial (consulte el registro)</translation>
    </message>
    <message id="history.unsearchable">
        <source>the history could not be searched (see the log)</source>
        <translation>no se pudo buscar en el historial (consulte el registro)</translation>
    </message>
    <message id="history.default_clipboard_missing">
        <source>the default clipboard is missing</source>
        <translation>falta el portapapeles predeterminado</translation>
    </message>
    <message id="history.no_clipboard_named">
        <source>no clipboard named &quot;%1&quot;</source>
        <translation>no hay ningún portapapeles llamado &quot;%1&quot;</translation>
    </message>
    <message id="history.no_item_with_uuid">
        <source>no item with uuid %1</source>
        <translation>no hay ningún elemento con el uuid %1</translation>
    </message>
    <message id="history.cannot_read">
        <source>cannot read the history: %1</source>
        <translation>no se puede leer el historial: %1</translation>
    </message>
    <message id="history.no_item_at">
        <source>no item %1 in &quot;%2&quot; (it holds %3)</source>
        <translation>no hay ningún elemento %1 en &quot;%2&quot; (contiene %3)</translation>
    </message>
    <message id="history.deleted_meanwhile">
        <source>item %1 was deleted meanwhile</source>
        <translation>el elemento %1 se eliminó mientras tanto</translation>
    </message>
    <message id="history.none_yet">
        <source>no history yet</source>
        <translation>todavía no hay historial</translation>
    </message>
    <message id="history.not_regular_file">
        <source>not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message id="history.needs_upgrade">
        <source>its schema (version %1) needs Brimble to upgrade it first</source>
        <translation>su esquema (versión %1) debe actualizarlo Brimble primero</translation>
    </message>
    <message id="history.none_at">
        <source>there is no history at %1</source>
        <translation>no hay historial en %1</translation>
    </message>
    <message id="history.cannot_write">
        <source>cannot write %1: %2</source>
        <translation>no se puede escribir %1: %2</translation>
    </message>
    <message id="history.cannot_move_aside">
        <source>cannot move %1 aside: %2</source>
        <translation>no se puede apartar %1: %2</translation>
    </message>
    <message id="history.cannot_put_in_place">
        <source>cannot put the salvaged history in place: %1</source>
        <translation>no se puede colocar en su sitio el historial rescatado: %1</translation>
    </message>
    <message id="paste.content_unreadable">
        <source>the item&apos;s content could not be read from the history</source>
        <translation>no se pudo leer del historial el contenido del elemento</translation>
    </message>
    <message id="paste.no_plain_text">
        <source>the item has no plain text; the clipboard was left as it was</source>
        <translation>el elemento no tiene texto sin formato; el portapapeles se ha quedado como estaba</translation>
    </message>
    <message id="paste.nothing_to_write">
        <source>nothing to write</source>
        <translation>no hay nada que escribir</translation>
    </message>
    <message id="paste.clipboard_refused">
        <source>the clipboard could not be taken</source>
        <translation>no se pudo tomar el portapapeles</translation>
    </message>
    <message id="paste.no_window_known">
        <source>no window to paste into is known; the item is on the clipboard</source>
        <translation>no se conoce ninguna ventana en la que pegar; el elemento está en el portapapeles</translation>
    </message>
    <message id="paste.window_gone">
        <source>the window to paste into is gone; the item is on the clipboard</source>
        <translation>la ventana en la que pegar ya no existe; el elemento está en el portapapeles</translation>
    </message>
    <message id="paste.not_activated">
        <source>the window to paste into did not come to the front; the item is on the clipboard</source>
        <translation>la ventana en la que pegar no pasó al primer plano; el elemento está en el portapapeles</translation>
    </message>
    <message id="paste.no_xtest">
        <source>the display does not take synthetic key strokes (XTest); the item is on the clipboard</source>
        <translation>la pantalla no acepta pulsaciones de teclas simuladas (XTest); el elemento está en el portapapeles</translation>
    </message>
    <message id="paste.no_virtual_keyboard">
        <source>the compositor offers no virtual keyboard; the item is on the clipboard</source>
        <translation>el compositor no ofrece teclado virtual; el elemento está en el portapapeles</translation>
    </message>
    <message id="paste.key_not_sent">
        <source>the paste key stroke could not be sent; the item is on the clipboard</source>
        <translation>no se pudo enviar la pulsación de pegar; el elemento está en el portapapeles</translation>
    </message>
    <message id="menu.edit">
        <source>Edit…</source>
        <translation>Editar…</translation>
    </message>
    <message id="menu.undo_replace">
        <source>Undo Replace</source>
        <translation>Deshacer reemplazo</translation>
    </message>
    <message id="editor.save">
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message id="editor.replace">
        <source>Replace</source>
        <translation>Reemplazar</translation>
    </message>
    <message id="editor.hint">
        <source>%1 saves the text as a new item, %2 replaces the original, %3 cancels.</source>
        <translation>%1 guarda el texto como un elemento nuevo, %2 reemplaza el original y %3 cancela.</translation>
    </message>
    <message id="editor.formatting_dropped">
        <source>This item has formatting. It is edited as plain text, and the formatting is not kept.</source>
        <translation>Este elemento tiene formato. Se edita como texto sin formato y el formato no se conserva.</translation>
    </message>
    <message id="editor.empty">
        <source>An empty text cannot be saved.</source>
        <translation>No se puede guardar un texto vacío.</translation>
    </message>
    <message id="editor.original_gone">
        <source>The original item is no longer in the history, so it cannot be replaced. Save keeps the text as a new item.</source>
        <translation>El elemento original ya no está en el historial, así que no se puede reemplazar. «Guardar» conserva el texto como un elemento nuevo.</translation>
    </message>
    <message id="editor.not_stored">
        <source>The text could not be stored. It is still here, so you can try again.</source>
        <translation>No se pudo guardar el texto. Sigue aquí para que pueda intentarlo de nuevo.</translation>
    </message>
    <message id="editor.secret_not_recorded">
        <source>This text looks like a secret, and secrets are not recorded (see Preferences). Nothing was saved.</source>
        <translation>Este texto parece un secreto, y los secretos no se registran (consulte las Preferencias). No se ha guardado nada.</translation>
    </message>
    <message id="editor.not_editable">
        <source>Only text can be edited, not images, files or hidden secrets.</source>
        <translation>Solo se puede editar texto, no imágenes, archivos ni secretos ocultos.</translation>
    </message>
    <message id="editor.too_long">
        <source>This text is too long to edit here (more than %1 characters).</source>
        <translation>Este texto es demasiado largo para editarlo aquí (más de %1 caracteres).</translation>
    </message>
</context>
</TS>
