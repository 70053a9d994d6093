<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name></name>
    <message id="general.reset">
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message id="general.click_to_record">
        <source>Click To Record</source>
        <translation>Cliquer pour enregistrer</translation>
    </message>
    <message id="general.filter_type">
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message id="preferences.general">
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message id="preferences.key_bindings">
        <source>Key Bindings</source>
        <translation>Raccourcis clavier</translation>
    </message>
    <message id="preferences.rules">
        <source>Rules</source>
        <translation>Règles</translation>
    </message>
    <message id="preferences.launch_at_login">
        <source>Start Brimble when I &amp;log in</source>
        <translation>Lancer Brimble à l’&amp;ouverture de session</translation>
    </message>
    <message id="preferences.auto_paste">
        <source>Paste chosen items into the window in front</source>
        <translation>Coller les éléments choisis dans la fenêtre au premier plan</translation>
    </message>
    <message id="preferences.auto_paste_without_xtest">
        <source>This display offers no key synthesis (XTEST), so chosen items are only put on the clipboard: press Ctrl+V to paste them.</source>
        <translation>Cet affichage n’offre pas de synthèse de touches (XTEST), les éléments choisis sont donc seulement placés dans le presse-papiers : appuyez sur Ctrl+V pour les coller.</translation>
    </message>
    <message id="preferences.auto_paste_without_virtual_keyboard">
        <source>This compositor offers no virtual keyboard, so chosen items are only put on the clipboard: press Ctrl+V to paste them.</source>
        <translation>Ce compositeur n’offre pas de clavier virtuel, les éléments choisis sont donc seulement placés dans le presse-papiers : appuyez sur Ctrl+V pour les coller.</translation>
    </message>
    <message id="preferences.auto_paste_on_wayland">
        <source>On Wayland, Brimble pastes by itself into X11 windows only. In other windows the chosen item is on the clipboard: press Ctrl+V to paste it.</source>
        <translation>Sous Wayland, Brimble ne colle de lui-même que dans les fenêtres X11. Dans les autres fenêtres, l’élément choisi est dans le presse-papiers : appuyez sur Ctrl+V pour le coller.</translation>
    </message>
    <message id="preferences.paste_as_plain_text">
        <source>Always paste as plain text</source>
        <translation>Toujours coller en texte brut</translation>
    </message>
    <message id="preferences.delete_after_pasted">
        <source>Delete items from the history once pasted</source>
        <translation>Supprimer les éléments de l’historique une fois collés</translation>
    </message>
    <message id="preferences.move_used_item_to_first">
        <source>Move pasted items to the top</source>
        <translation>Placer les éléments collés en haut</translation>
    </message>
    <message id="preferences.preview_links">
        <source>Preview links</source>
        <translation>Aperçu des liens</translation>
    </message>
    <message id="preferences.load_link_previews">
        <source>Load link previews without asking (the site sees a visit)</source>
        <translation>Charger les aperçus de liens sans demander (le site voit une visite)</translation>
    </message>
    <message id="preferences.show_tray_icon">
        <source>Show the icon in the system tray</source>
        <translation>Afficher l’icône dans la zone de notification</translation>
    </message>
    <message id="preferences.send_crash_reports">
        <source>Send crash reports automatically</source>
        <translation>Envoyer automatiquement les rapports de plantage</translation>
    </message>
    <message id="preferences.keep_history">
        <source>&amp;Keep the clipboard history for</source>
        <translation>&amp;Conserver l’historique du presse-papiers pendant</translation>
    </message>
    <message id="preferences.one_day">
        <source>1 day</source>
        <translation>1 jour</translation>
    </message>
    <message id="preferences.seven_days">
        <source>7 days</source>
        <translation>7 jours</translation>
    </message>
    <message id="preferences.thirty_days">
        <source>30 days</source>
        <translation>30 jours</translation>
    </message>
    <message id="preferences.forever">
        <source>Forever</source>
        <translation>Toujours</translation>
    </message>
    <message id="preferences.show_quick_search_window">
        <source>Show the clipboard history</source>
        <translation>Afficher l’historique du presse-papiers</translation>
    </message>
    <message id="preferences.quick_paste_modifier">
        <source>Quick paste, with 1 to 0</source>
        <translation>Collage rapide, avec 1 à 0</translation>
    </message>
    <message id="preferences.plain_text_modifier">
        <source>Paste as plain text, with Return</source>
        <translation>Coller en texte brut, avec Return</translation>
    </message>
    <message id="preferences.switch_clipboard_modifier">
        <source>Switch clipboard, with Tab</source>
        <translation>Changer de presse-papiers, avec Tab</translation>
    </message>
    <message id="preferences.modifiers_collide">
        <source>Quick paste and plain-text paste use the same keys, so every quick paste comes out as plain text.</source>
        <translation>Le collage rapide et le collage en texte brut utilisent les mêmes touches, donc chaque collage rapide donne du texte brut.</translation>
    </message>
    <message id="preferences.shortcut_needs_modifier">
        <source>A shortcut needs Ctrl, Alt or Super (Shift alone only with F1 to F20).</source>
        <translation>Un raccourci nécessite Ctrl, Alt ou Super (Shift seul uniquement avec F1 à F20).</translation>
    </message>
    <message id="preferences.desktop_shortcut_asking">
        <source>Asking the desktop to bind the shortcut…</source>
        <translation>Demande au bureau d’attribuer le raccourci…</translation>
    </message>
    <message id="preferences.desktop_shortcut_bound">
        <source>The desktop shows the history with: %1</source>
        <translation>Le bureau affiche l’historique avec : %1</translation>
    </message>
    <message id="preferences.desktop_shortcut_no_keys">
        <source>The desktop has not assigned keys to the shortcut yet.</source>
        <translation>Le bureau n’a pas encore attribué de touches au raccourci.</translation>
    </message>
    <message id="preferences.desktop_shortcut_change">
        <source>Change…</source>
        <translation>Modifier…</translation>
    </message>
    <message id="preferences.desktop_shortcut_declined">
        <source>Binding the shortcut through the desktop was declined.</source>
        <translation>L’attribution du raccourci par le bureau a été refusée.</translation>
    </message>
    <message id="preferences.desktop_shortcut_no_portal">
        <source>This desktop binds no global shortcuts for applications (it offers no shortcuts portal).</source>
        <translation>Ce bureau n’attribue pas de raccourcis globaux aux applications (il n’offre pas de portail de raccourcis).</translation>
    </message>
    <message id="preferences.desktop_shortcut_x11_only">
        <source>The shortcut above works only while an X11 window is in front.</source>
        <translation>Le raccourci ci-dessus ne fonctionne que lorsqu’une fenêtre X11 est au premier plan.</translation>
    </message>
    <message id="preferences.gnome_add_shortcut">
        <source>Add to GNOME Keyboard Shortcuts…</source>
        <translation>Ajouter aux raccourcis clavier de GNOME…</translation>
    </message>
    <message id="preferences.gnome_add_shortcut_confirm">
        <source>Add a GNOME keyboard shortcut that runs “brimble toggle” on %1?</source>
        <translation>Ajouter un raccourci clavier GNOME qui exécute « brimble toggle » avec %1 ?</translation>
    </message>
    <message id="preferences.gnome_add_shortcut_explained">
        <source>It appears in GNOME Settings, Keyboard, Custom Shortcuts, where you can change or remove it.</source>
        <translation>Il apparaît dans les Paramètres de GNOME, Clavier, Raccourcis personnalisés, où vous pouvez le modifier ou le supprimer.</translation>
    </message>
    <message id="preferences.gnome_shortcut_added">
        <source>GNOME runs “brimble toggle” on %1.</source>
        <translation>GNOME exécute « brimble toggle » avec %1.</translation>
    </message>
    <message id="preferences.gnome_shortcut_failed">
        <source>The GNOME shortcut could not be added: %1</source>
        <translation>Le raccourci GNOME n’a pas pu être ajouté : %1</translation>
    </message>
    <message id="preferences.configuration_line">
        <source>Add this line to your compositor's configuration:</source>
        <translation>Ajoutez cette ligne à la configuration de votre compositeur :</translation>
    </message>
    <message id="preferences.other_desktop_shortcut">
        <source>Bind the command “brimble toggle” to a key in your desktop's keyboard settings.</source>
        <translation>Associez la commande « brimble toggle » à une touche dans les paramètres clavier de votre bureau.</translation>
    </message>
    <message id="preferences.copy_line">
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message id="alert.pasted_by_hand">
        <source>Not pasted by itself: the item is on the clipboard, press Ctrl+V to paste it.</source>
        <translation>Pas collé automatiquement : l’élément est dans le presse-papiers, appuyez sur Ctrl+V pour le coller.</translation>
    </message>
    <message id="preferences.shortcut_refused">
        <source>%1 cannot be used: %2. The shortcut stays %3.</source>
        <translation>%1 ne peut pas être utilisé : %2. Le raccourci reste %3.</translation>
    </message>
    <message id="preferences.no_shortcut">
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message id="preferences.ignored_apps_explained">
        <source>Copies made in these applications are never recorded.</source>
        <translation>Les copies faites dans ces applications ne sont jamais enregistrées.</translation>
    </message>
    <message id="preferences.add_applications">
        <source>&amp;Add…</source>
        <translation>&amp;Ajouter…</translation>
    </message>
    <message id="preferences.remove_applications">
        <source>&amp;Remove</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message id="preferences.choose_applications">
        <source>Choose Applications to Ignore</source>
        <translation>Choisir les applications à ignorer</translation>
    </message>
    <message id="preferences.desktop_entries">
        <source>Applications (*.desktop)</source>
        <translation>Applications (*.desktop)</translation>
    </message>
    <message id="menu.quit">
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message id="menu.preferences">
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message id="menu.about">
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message id="menu.rename">
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message id="menu.clear_all_history">
        <source>Clear All History</source>
        <translation>Effacer tout l’historique</translation>
    </message>
    <message id="menu.delete">
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message id="menu.paste">
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message id="menu.paste_as_plain_text">
        <source>Paste as Plain Text</source>
        <translation>Coller en texte brut</translation>
    </message>
    <message id="menu.cut">
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message id="menu.copy">
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message id="menu.move_to">
        <source>Move to</source>
        <translation>Déplacer vers</translation>
    </message>
    <message id="menu.add_new_clip_board">
        <source>Add New Clipboard</source>
        <translation>Ajouter un presse-papiers</translation>
    </message>
    <message id="menu.move_to_first">
        <source>Move to First</source>
        <translation>Placer en premier</translation>
    </message>
    <message id="menu.save_to_file">
        <source>Save to File</source>
        <translation>Enregistrer dans un fichier</translation>
    </message>
    <message id="menu.open">
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message id="menu.quick_look">
        <source>Quick Look</source>
        <translation>Aperçu rapide</translation>
    </message>
    <message id="menu.show_in_finder">
        <source>Show in Folder</source>
        <translation>Afficher dans le dossier</translation>
    </message>
    <message id="menu.pause_recording">
        <source>Pause Recording</source>
        <translation>Suspendre l’enregistrement</translation>
    </message>
    <message id="menu.continue_recording">
        <source>Continue Recording</source>
        <translation>Reprendre l’enregistrement</translation>
    </message>
    <message id="menu.open_in_browser">
        <source>Open in Browser</source>
        <translation>Ouvrir dans le navigateur</translation>
    </message>
    <message id="menu.help">
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message id="menu.check_for_updates">
        <source>Check for Updates</source>
        <translation>Rechercher des mises à jour</translation>
    </message>
    <message id="menu.show_clipboard_history">
        <source>Show Clipboard History</source>
        <translation>Afficher l’historique du presse-papiers</translation>
    </message>
    <message id="menu.undo">
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message id="menu.undo_delete">
        <source>Undo Delete</source>
        <translation>Annuler : Supprimer</translation>
    </message>
    <message id="menu.undo_cut">
        <source>Undo Cut</source>
        <translation>Annuler : Couper</translation>
    </message>
    <message id="menu.undo_clear_all_history">
        <source>Undo Clear All History</source>
        <translation>Annuler : Effacer tout l’historique</translation>
    </message>
    <message id="menu.undo_move">
        <source>Undo Move</source>
        <translation>Annuler : Déplacer</translation>
    </message>
    <message id="menu.undo_delete_clipboard">
        <source>Undo Delete Clipboard</source>
        <translation>Annuler : Supprimer le presse-papiers</translation>
    </message>
    <message id="quick_view.search">
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message id="quick_view.unnamed">
        <source>UnNamed</source>
        <translation>Sans nom</translation>
    </message>
    <message id="quick_view.empty">
        <source>It's Empty</source>
        <translation>C’est vide</translation>
    </message>
    <message id="quick_view.clipboard_history">
        <source>Clipboard History</source>
        <translation>Historique du presse-papiers</translation>
    </message>
    <message id="quick_view.n_records">
        <source>%1 records</source>
        <translation>%1 éléments</translation>
    </message>
    <message id="quick_view.text_cut">
        <source>Showing the first %1 of %2 characters.</source>
        <translation>Affichage des %1 premiers caractères sur %2.</translation>
    </message>
    <message id="quick_view.unknown_application">
        <source>Unknown application</source>
        <translation>Application inconnue</translation>
    </message>
    <message id="quick_view.bad_type_clause">
        <source>&quot;%1&quot; names no type; type: takes %2</source>
        <translation>« %1 » ne désigne aucun type ; type: accepte %2</translation>
    </message>
    <message id="link_preview.load">
        <source>Load Preview</source>
        <translation>Charger l’aperçu</translation>
    </message>
    <message id="link_preview.not_web">
        <source>Only web pages (http and https) are previewed.</source>
        <translation>Seules les pages web (http et https) ont un aperçu.</translation>
    </message>
    <message id="link_preview.credentials">
        <source>Not previewed: the link carries a user name or password.</source>
        <translation>Pas d’aperçu : le lien contient un nom d’utilisateur ou un mot de passe.</translation>
    </message>
    <message id="link_preview.local_host">
        <source>Not previewed: the link leads to this computer or the local network.</source>
        <translation>Pas d’aperçu : le lien mène à cet ordinateur ou au réseau local.</translation>
    </message>
    <message id="link_preview.as_root">
        <source>Not previewed: the web view does not run as root.</source>
        <translation>Pas d’aperçu : la vue web ne s’exécute pas en tant que root.</translation>
    </message>
    <message id="link_preview.host_not_found">
        <source>The page could not be loaded: its host was not found.</source>
        <translation>La page n’a pas pu être chargée : son hôte est introuvable.</translation>
    </message>
    <message id="link_preview.failed">
        <source>The page could not be loaded: %1</source>
        <translation>La page n’a pas pu être chargée : %1</translation>
    </message>
    <message id="link_preview.stopped">
        <source>The page stopped unexpectedly.</source>
        <translation>La page s’est arrêtée de manière inattendue.</translation>
    </message>
    <message id="quick_view.no_matches">
        <source>No matches</source>
        <translation>Aucun résultat</translation>
    </message>
    <message id="quick_view.n_selected">
        <source>%1 selected</source>
        <translation>%1 sélectionnés</translation>
    </message>
    <message id="pasteboard.unknown_type">
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
    <message id="pasteboard.text_type">
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message id="pasteboard.rich_text_type">
        <source>Rich Text</source>
        <translation>Texte enrichi</translation>
    </message>
    <message id="pasteboard.plain_text_type">
        <source>Plain Text</source>
        <translation>Texte brut</translation>
    </message>
    <message id="pasteboard.image_type">
        <source>Image</source>
        <translation>Image</translation>
    </message>
    <message id="pasteboard.file_type">
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message id="pasteboard.link_type">
        <source>Link</source>
        <translation>Lien</translation>
    </message>
    <message id="pasteboard.color_type">
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message id="alert.confirm">
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message id="alert.cancel">
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message id="alert.alert">
        <source>Alert</source>
        <translation>Alerte</translation>
    </message>
    <message id="alert.save_to_file_failed">
        <source>Save to file failed!</source>
        <translation>Échec de l’enregistrement dans le fichier !</translation>
    </message>
    <message id="alert.delete">
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message id="alert.reduce_history_capacity">
        <source>Reduce history capacity!</source>
        <translation>Réduire la durée de l’historique !</translation>
    </message>
    <message id="alert.this_action_can_not_be_undo">
        <source>This cannot be undone.</source>
        <translation>Cette action est irréversible.</translation>
    </message>
    <message id="alert.confirm_clear_clipboard">
        <source>Clear all history of “%1”?</source>
        <translation>Effacer tout l’historique de « %1 » ?</translation>
    </message>
    <message id="alert.confirm_delete_clipboard">
        <source>Delete the clipboard “%1” and its history?</source>
        <translation>Supprimer le presse-papiers « %1 » et son historique ?</translation>
    </message>
    <message id="alert.items_to_delete">
        <source>Items to delete: %1.</source>
        <translation>Éléments à supprimer : %1.</translation>
    </message>
    <message id="alert.undo_while_running">
        <source>You can undo this with Ctrl+Z while Brimble runs.</source>
        <translation>Vous pouvez annuler ceci avec Ctrl+Z tant que Brimble est en cours d’exécution.</translation>
    </message>
    <message id="alert.too_large_to_copy">
        <source>The selected items hold %1 MB together, more than the %2 MB that can be copied or pasted at once. Select fewer items.</source>
        <translation>Les éléments sélectionnés font %1 Mo au total, plus que les %2 Mo pouvant être copiés ou collés en une fois. Sélectionnez moins d’éléments.</translation>
    </message>
    <message id="alert.do_not_show_this_to_me_again">
        <source>Don't show this to me again</source>
        <translation>Ne plus afficher ce message</translation>
    </message>
    <message id="alert.turn_on_accessibility_message">
        <source>Brimble can only paste automatically into X11 windows, and this window is not one. The item is on the clipboard: press Ctrl+V to paste it.</source>
        <translation>Brimble ne peut coller automatiquement que dans les fenêtres X11, et cette fenêtre n’en est pas une. L’élément est dans le presse-papiers : appuyez sur Ctrl+V pour le coller.</translation>
    </message>
    <message id="alert.turn_on_accessibility">
        <source>Turn On Accessibility</source>
        <translation>Activer l’accessibilité</translation>
    </message>
    <message id="alert.not_now">
        <source>Not Now</source>
        <translation>Pas maintenant</translation>
    </message>
    <message id="alert.learn_more">
        <source>Learn More</source>
        <translation>En savoir plus</translation>
    </message>
    <message id="alert.crash_title">
        <source>Sorry about that!</source>
        <translation>Désolé !</translation>
    </message>
    <message id="alert.crash_message">
        <source>Brimble stopped unexpectedly the last time it ran. Do you want to send an anonymous crash report so that the problem can be fixed?</source>
        <translation>Brimble s’est arrêté de manière inattendue lors de sa dernière exécution. Voulez-vous envoyer un rapport de plantage anonyme pour que le problème puisse être corrigé ?</translation>
    </message>
    <message id="alert.always_send">
        <source>Always Send</source>
        <translation>Toujours envoyer</translation>
    </message>
    <message id="alert.send">
        <source>Send</source>
        <translation>Envoyer</translation>
    </message>
    <message id="alert.do_not_send">
        <source>Don't Send</source>
        <translation>Ne pas envoyer</translation>
    </message>
    <message id="Could not save changes while quitting. Quit anyway?">
        <source>Could not save changes while quitting. Quit anyway?</source>
        <translation>Impossible d’enregistrer les modifications en quittant. Quitter quand même ?</translation>
    </message>
    <message id="Quitting now will lose any changes you have made since the last successful save">
        <source>Quitting now will lose any changes you have made since the last successful save</source>
        <translation>Quitter maintenant fera perdre toutes les modifications faites depuis le dernier enregistrement réussi</translation>
    </message>
    <message id="Quit anyway">
        <source>Quit anyway</source>
        <translation>Quitter quand même</translation>
    </message>
    <message id="Cancel">
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message id="date.unknow_date">
        <source>Unknown date</source>
        <translation>Date inconnue</translation>
    </message>
    <message id="date.just_now">
        <source>Just now</source>
        <translation>À l’instant</translation>
    </message>
    <message id="date.yesterday">
        <source>Yesterday</source>
        <translation>Hier</translation>
    </message>
    <message id="alert.open_failed">
        <source>Brimble could not open %1: %2</source>
        <translation>Brimble n’a pas pu ouvrir %1 : %2</translation>
    </message>
    <message id="alert.setting_not_saved">
        <source>The setting was not saved, because %1 cannot be written. It is back to what it was.</source>
        <translation>Le paramètre n’a pas été enregistré, car %1 ne peut pas être écrit. Il a repris sa valeur précédente.</translation>
    </message>
    <message id="alert.hot_key_refused">
        <source>The shortcut %1 is not available (%2). Choose another one in Preferences, or bind the command &quot;brimble toggle&quot; in your desktop&apos;s keyboard settings.</source>
        <translation>Le raccourci %1 n’est pas disponible (%2). Choisissez-en un autre dans les Préférences, ou associez la commande « brimble toggle » à une touche dans les paramètres clavier de votre bureau.</translation>
    </message>
    <message id="alert.history_disk_full">
        <source>There is no room left on the disk for your clipboard history (%1). New copies are kept in memory until there is; free some space so that they are not lost.</source>
        <translation>Il n’y a plus de place sur le disque pour votre historique du presse-papiers (%1). Les nouvelles copies sont gardées en mémoire en attendant ; libérez de l’espace pour qu’elles ne soient pas perdues.</translation>
    </message>
    <message id="alert.history_recording_again">
        <source>There is room for your clipboard history again: copies are recorded, and the %1 made meanwhile are stored.</source>
        <translation>Il y a de nouveau de la place pour votre historique du presse-papiers : les copies sont enregistrées, et les %1 faites entre-temps sont stockées.</translation>
    </message>
    <message id="alert.history_copies_lost">
        <source>%1 copies made while the disk was full could not be kept.</source>
        <translation>%1 copies faites pendant que le disque était plein n’ont pas pu être conservées.</translation>
    </message>
    <message id="format.files">
        <source>files</source>
        <translation>fichiers</translation>
    </message>
    <message id="format.chars">
        <source>chars</source>
        <translation>caractères</translation>
    </message>
    <message id="update.available">
        <source>Brimble %1 is available</source>
        <translation>Brimble %1 est disponible</translation>
    </message>
    <message id="update.available_message">
        <source>You have version %1.</source>
        <translation>Vous avez la version %1.</translation>
    </message>
    <message id="update.download_page">
        <source>Download Page</source>
        <translation>Page de téléchargement</translation>
    </message>
    <message id="update.later">
        <source>Later</source>
        <translation>Plus tard</translation>
    </message>
    <message id="update.up_to_date">
        <source>Brimble is up to date</source>
        <translation>Brimble est à jour</translation>
    </message>
    <message id="update.up_to_date_message">
        <source>Version %1 is the newest version.</source>
        <translation>La version %1 est la plus récente.</translation>
    </message>
    <message id="update.failed">
        <source>The update check failed</source>
        <translation>La recherche de mises à jour a échoué</translation>
    </message>
    <message id="queue.paste_in_sequence">
        <source>Paste in Sequence</source>
        <translation>Coller à la suite</translation>
    </message>
    <message id="queue.clear">
        <source>Clear Paste Queue</source>
        <translation>Vider la file de collage</translation>
    </message>
    <message id="queue.active">
        <source>Paste queue: %1 of %2 pasted, next: %3</source>
        <translation>File de collage : %1 sur %2 collés, suivant : %3</translation>
    </message>
    <message id="queue.untitled_item">
        <source>item %1 (%2)</source>
        <translation>élément %1 (%2)</translation>
    </message>
    <message id="queue.finished">
        <source>Paste queue done: all %1 items pasted</source>
        <translation>File de collage terminée : les %1 éléments ont été collés</translation>
    </message>
    <message id="queue.interrupted">
        <source>Paste queue ended by a new copy: %1 of %2 pasted</source>
        <translation>File de collage interrompue par une nouvelle copie : %1 sur %2 collés</translation>
    </message>
    <message id="queue.cleared">
        <source>Paste queue cleared: %1 of %2 pasted</source>
        <translation>File de collage vidée : %1 sur %2 collés</translation>
    </message>
    <message id="queue.failed">
        <source>Paste queue ended: %1</source>
        <translation>File de collage arrêtée : %1</translation>
    </message>
    <message id="queue.escape_clears">
        <source>Esc clears it</source>
        <translation>Esc pour la vider</translation>
    </message>
    <message id="quick_view.secret_mask">
        <source>Secret · %1 · %2 characters</source>
        <translation>Secret · %1 · %2 caractères</translation>
    </message>
    <message id="quick_view.secret_reveal_hint">
        <source>Click or press Space to show it</source>
        <translation>Cliquez ou appuyez sur Space pour l’afficher</translation>
    </message>
    <message id="quick_view.secret_reveal">
        <source>Show Secret</source>
        <translation>Afficher le secret</translation>
    </message>
    <message id="secret.private_key">
        <source>private key</source>
        <translation>clé privée</translation>
    </message>
    <message id="secret.web_token">
        <source>web token</source>
        <translation>jeton web</translation>
    </message>
    <message id="secret.cloud_key">
        <source>cloud access key</source>
        <translation>clé d’accès cloud</translation>
    </message>
    <message id="secret.access_token">
        <source>access token</source>
        <translation>jeton d’accès</translation>
    </message>
    <message id="secret.bot_token">
        <source>bot token</source>
        <translation>jeton de bot</translation>
    </message>
    <message id="secret.payment_key">
        <source>payment key</source>
        <translation>clé de paiement</translation>
    </message>
    <message id="secret.card_number">
        <source>card number</source>
        <translation>numéro de carte</translation>
    </message>
    <message id="preferences.secrets">
        <source>Secrets:</source>
        <translation>Secrets :</translation>
    </message>
    <message id="preferences.secrets_note">
        <source>Keys, tokens and card numbers are shown masked until revealed.</source>
        <translation>Les clés, jetons et numéros de carte restent masqués jusqu’à ce qu’ils soient révélés.</translation>
    </message>
    <message id="preferences.secret_never_record">
        <source>Never record</source>
        <translation>Ne jamais enregistrer</translation>
    </message>
    <message id="preferences.secret_minute">
        <source>Remove after 1 minute</source>
        <translation>Supprimer après 1 minute</translation>
    </message>
    <message id="preferences.secret_ten_minutes">
        <source>Remove after 10 minutes</source>
        <translation>Supprimer après 10 minutes</translation>
    </message>
    <message id="preferences.secret_hour">
        <source>Remove after 1 hour</source>
        <translation>Supprimer après 1 heure</translation>
    </message>
    <message id="preferences.secret_day">
        <source>Remove after 1 day</source>
        <translation>Supprimer après 1 jour</translation>
    </message>
    <message id="preferences.secret_keep">
        <source>Keep</source>
        <translation>Conserver</translation>
    </message>
    <message id="preferences.read_image_text">
        <source>Find copied images by their text (read on this computer)</source>
        <translation>Retrouver les images copiées par leur texte (lu sur cet ordinateur)</translation>
    </message>
    <message id="preferences.image_text_language">
        <source>Language of the text:</source>
        <translation>Langue du texte :</translation>
    </message>
    <message id="help.title">
        <source>Brimble Help</source>
        <translation>Aide de Brimble</translation>
    </message>
    <message id="help.back">
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message id="help.forward">
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
    <message id="help.contents">
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message id="help.auto_paste_title">
        <source>Automatic Paste Unavailable</source>
        <translation>Collage automatique impossible</translation>
    </message>
    <message id="about.title">
        <source>About Brimble</source>
        <translation>À propos de Brimble</translation>
    </message>
    <message id="about.description">
        <source>Clipboard history with a quick search window</source>
        <translation>Historique du presse-papiers avec une fenêtre de recherche rapide</translation>
    </message>
    <message id="about.licence">
        <source>Licence: none published yet. All rights reserved by the Brimble developers.</source>
        <translation>Licence : aucune n’a encore été publiée. Tous droits réservés aux développeurs de Brimble.</translation>
    </message>
    <message id="about.libraries">
        <source>Libraries:</source>
        <translation>Bibliothèques :</translation>
    </message>
    <message id="about.history">
        <source>History:</source>
        <translation>Historique :</translation>
    </message>
    <message id="about.logs">
        <source>Logs:</source>
        <translation>Journaux :</translation>
    </message>
    <message id="about.copied">
        <source>Copied</source>
        <translation>Copié</translation>
    </message>
    <message id="about.close">
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message id="about.built_with">
        <source>built with %1</source>
        <translation>compilé avec %1</translation>
    </message>
    <message id="archive.export_history">
        <source>Export History…</source>
        <translation>Exporter l’historique…</translation>
    </message>
    <message id="archive.import_history">
        <source>Import History…</source>
        <translation>Importer l’historique…</translation>
    </message>
    <message id="archive.export_title">
        <source>Export History</source>
        <translation>Exporter l’historique</translation>
    </message>
    <message id="archive.import_title">
        <source>Import History</source>
        <translation>Importer l’historique</translation>
    </message>
    <message id="archive.exists">
        <source>%1 already exists; choose another name.</source>
        <translation>%1 existe déjà ; choisissez un autre nom.</translation>
    </message>
    <message id="archive.cannot_write">
        <source>Could not write %1: %2</source>
        <translation>Impossible d’écrire %1 : %2</translation>
    </message>
    <message id="archive.cannot_open">
        <source>Could not open %1: %2</source>
        <translation>Impossible d’ouvrir %1 : %2</translation>
    </message>
    <message id="archive.not_archive">
        <source>%1 is not a Brimble history export. Nothing was imported.</source>
        <translation>%1 n’est pas un historique exporté par Brimble. Rien n’a été importé.</translation>
    </message>
    <message id="archive.newer">
        <source>%1 was written by a newer Brimble (format %2). Nothing was imported.</source>
        <translation>%1 a été écrit par une version plus récente de Brimble (format %2). Rien n’a été importé.</translation>
    </message>
    <message id="archive.damaged">
        <source>%1 is damaged or was altered (%2). Nothing was imported.</source>
        <translation>%1 est endommagé ou a été modifié (%2). Rien n’a été importé.</translation>
    </message>
    <message id="archive.store_failed">
        <source>The history could not be written (%1). Nothing was imported.</source>
        <translation>Impossible d’écrire l’historique (%1). Rien n’a été importé.</translation>
    </message>
    <message id="archive.exported">
        <source>Items exported: %1 (clipboards: %2).</source>
        <translation>Éléments exportés : %1 (presse-papiers : %2).</translation>
    </message>
    <message id="archive.secrets_left_out">
        <source>Secrets left out: %1.</source>
        <translation>Secrets non exportés : %1.</translation>
    </message>
    <message id="archive.imported">
        <source>Items added: %1. Already present, skipped: %2. Clipboards created: %3.</source>
        <translation>Éléments ajoutés : %1. Déjà présents, ignorés : %2. Presse-papiers créés : %3.</translation>
    </message>
    <message id="cli.help.usage">
        <source>Usage: brimble [VERB [ARGUMENTS]]</source>
        <translation>Utilisation : brimble [COMMANDE [ARGUMENTS]]</translation>
    </message>
    <message id="cli.help.without_verb">
        <source>Without a verb, starts Brimble (or shows the running one).</source>
        <translation>Sans commande, démarre Brimble (ou affiche celui qui est déjà lancé).</translation>
    </message>
    <message id="cli.help.verbs">
        <source>Verbs:</source>
        <translation>Commandes :</translation>
    </message>
    <message id="cli.help.notes">
        <source>ITEM is a uuid or a position in the listed order (1 is the newest). NAME is a clipboard&apos;s title, or its uuid (`clipboards --json` shows them) where titles repeat. Lines of `list` and `search`: position, age, type (as type: names it), first line of text with control characters shown as escapes. A secret (a key, a token, a card number) shows its kind and length instead of its text unless --reveal is given. `search` also finds images by the text Brimble has read in them.</source>
        <translation>ITEM est un uuid ou une position dans l’ordre de la liste (1 est le plus récent). NAME est le titre d’un presse-papiers, ou son uuid (`clipboards --json` les affiche) lorsque des titres se répètent. Lignes de `list` et `search` : position, âge, type (tel que type: le nomme), première ligne du texte, les caractères de contrôle étant affichés sous forme de séquences d’échappement. Un secret (une clé, un jeton, un numéro de carte) affiche sa nature et sa longueur au lieu de son texte, sauf si --reveal est indiqué. `search` trouve aussi les images d’après le texte que Brimble y a lu.</translation>
    </message>
    <message id="cli.help.options">
        <source>Options:</source>
        <translation>Options :</translation>
    </message>
    <message id="cli.help.environment">
        <source>Environment:</source>
        <translation>Environnement :</translation>
    </message>
    <message id="cli.help.platform">
        <source>the clipboard backend; by default native Wayland when the compositor offers data control, else X11 (the log names the one in use)</source>
        <translation>le moteur du presse-papiers ; par défaut Wayland natif si le compositeur offre le contrôle des données (data control), sinon X11 (le journal indique celui utilisé)</translation>
    </message>
    <message id="cli.help.exit_status">
        <source>Exit status: 0 done, 1 request failed, 2 usage error, 3 Brimble is not running, 4 the history cannot be read, 5 Brimble is busy (try again), 6 paste only copied (automatic paste is off), 7 no display (Brimble itself).</source>
        <translation>Code de retour : 0 terminé, 1 échec de la requête, 2 erreur d’utilisation, 3 Brimble n’est pas lancé, 4 l’historique est illisible, 5 Brimble est occupé (réessayez), 6 paste a seulement copié (le collage automatique est désactivé), 7 pas d’affichage (Brimble lui-même).</translation>
    </message>
    <message id="cli.verb.list">
        <source>the history, newest first</source>
        <translation>l’historique, du plus récent au plus ancien</translation>
    </message>
    <message id="cli.verb.search">
        <source>items matching QUERY; type:image,link clauses narrow by type</source>
        <translation>les éléments correspondant à QUERY ; des clauses type:image,link filtrent par type</translation>
    </message>
    <message id="cli.verb.clipboards">
        <source>the clipboards with their record counts</source>
        <translation>les presse-papiers avec leur nombre d’éléments</translation>
    </message>
    <message id="cli.verb.copy">
        <source>put an item back on the clipboard</source>
        <translation>remettre un élément dans le presse-papiers</translation>
    </message>
    <message id="cli.verb.paste">
        <source>copy an item and paste it into the active window</source>
        <translation>copier un élément et le coller dans la fenêtre active</translation>
    </message>
    <message id="cli.verb.pause">
        <source>stop recording copies</source>
        <translation>suspendre l’enregistrement des copies</translation>
    </message>
    <message id="cli.verb.resume">
        <source>record copies again</source>
        <translation>reprendre l’enregistrement des copies</translation>
    </message>
    <message id="cli.verb.toggle">
        <source>show or hide the quick search window</source>
        <translation>afficher ou masquer la fenêtre de l’historique du presse-papiers</translation>
    </message>
    <message id="cli.verb.preferences">
        <source>open the preferences window</source>
        <translation>ouvrir la fenêtre des préférences</translation>
    </message>
    <message id="cli.verb.quit">
        <source>end the running Brimble</source>
        <translation>quitter le Brimble en cours d’exécution</translation>
    </message>
    <message id="cli.verb.salvage">
        <source>rebuild a damaged history from its readable rows, keeping the damaged file beside it</source>
        <translation>reconstruire un historique endommagé à partir de ses lignes lisibles, en gardant le fichier endommagé à côté</translation>
    </message>
    <message id="cli.verb.queue">
        <source>with ITEMs, paste them in this order, one per paste (Ctrl+V) anywhere; clear ends the queue; alone, shows it</source>
        <translation>avec des ITEM, les coller dans cet ordre, un par collage (Ctrl+V) n’importe où ; clear vide la file ; seul, l’affiche</translation>
    </message>
    <message id="cli.verb.export">
        <source>write the history&apos;s items, with every representation, their dates, clipboards and source applications, to a new FILE (an existing one is never replaced; secrets are left out)</source>
        <translation>écrire les éléments de l’historique, avec toutes leurs représentations, leurs dates, presse-papiers et applications d’origine, dans un nouveau fichier FILE (un fichier existant n’est jamais remplacé ; les secrets sont laissés de côté)</translation>
    </message>
    <message id="cli.verb.import">
        <source>add the items of an exported FILE to the history, skipping items already there; a damaged or altered FILE is refused and nothing is added</source>
        <translation>ajouter à l’historique les éléments d’un fichier FILE exporté, en ignorant ceux déjà présents ; un fichier FILE endommagé ou modifié est refusé et rien n’est ajouté</translation>
    </message>
    <message id="cli.option.help">
        <source>show the help</source>
        <translation>afficher l’aide</translation>
    </message>
    <message id="cli.option.version">
        <source>show the version</source>
        <translation>afficher la version</translation>
    </message>
    <message id="cli.option.list_clipboard">
        <source>the clipboard to list, by title or uuid (default: Clipboard History)</source>
        <translation>le presse-papiers à lister, par titre ou uuid (par défaut : Historique du presse-papiers)</translation>
    </message>
    <message id="cli.option.limit">
        <source>at most N items</source>
        <translation>au plus N éléments</translation>
    </message>
    <message id="cli.option.json">
        <source>one JSON array instead of lines</source>
        <translation>un tableau JSON au lieu de lignes</translation>
    </message>
    <message id="cli.option.reveal">
        <source>print secrets&apos; text instead of their kind and length</source>
        <translation>afficher le texte des secrets au lieu de leur nature et de leur longueur</translation>
    </message>
    <message id="cli.option.search_clipboard">
        <source>the clipboard to search, by title or uuid</source>
        <translation>le presse-papiers où chercher, par titre ou uuid</translation>
    </message>
    <message id="cli.option.plain">
        <source>as plain text</source>
        <translation>en texte brut</translation>
    </message>
    <message id="cli.option.item_clipboard">
        <source>the clipboard ITEM is counted in, by title or uuid</source>
        <translation>le presse-papiers dans lequel ITEM est compté, par titre ou uuid</translation>
    </message>
    <message id="cli.option.queue_clipboard">
        <source>the clipboard the ITEMs are counted in, by title or uuid</source>
        <translation>le presse-papiers dans lequel les ITEM sont comptés, par titre ou uuid</translation>
    </message>
    <message id="cli.option.queue_json">
        <source>the queue as one JSON object</source>
        <translation>la file sous forme d’un objet JSON</translation>
    </message>
    <message id="cli.option.export_clipboard">
        <source>only this clipboard, by title or uuid (default: every clipboard)</source>
        <translation>seulement ce presse-papiers, par titre ou uuid (par défaut : tous les presse-papiers)</translation>
    </message>
    <message id="cli.unknown_verb">
        <source>unknown verb &quot;%1&quot; (see brimble --help)</source>
        <translation>commande inconnue « %1 » (voir brimble --help)</translation>
    </message>
    <message id="cli.unknown_option">
        <source>unknown option &quot;%1&quot; (see brimble --help)</source>
        <translation>option inconnue « %1 » (voir brimble --help)</translation>
    </message>
    <message id="cli.option_not_taken">
        <source>%1 does not take %2 (see brimble --help)</source>
        <translation>%1 n’accepte pas %2 (voir brimble --help)</translation>
    </message>
    <message id="cli.needs_value">
        <source>%1 needs a value</source>
        <translation>%1 attend une valeur</translation>
    </message>
    <message id="cli.bad_limit">
        <source>--limit takes a whole number of at least 1, not &quot;%1&quot;</source>
        <translation>--limit attend un nombre entier d’au moins 1, pas « %1 »</translation>
    </message>
    <message id="cli.takes_one_item">
        <source>%1 takes one item: a uuid or a position</source>
        <translation>%1 attend un seul élément : un uuid ou une position</translation>
    </message>
    <message id="cli.queue_clear_alone">
        <source>queue clear takes no items</source>
        <translation>queue clear n’accepte aucun élément</translation>
    </message>
    <message id="cli.search_needs_query">
        <source>search needs a query</source>
        <translation>search attend une requête</translation>
    </message>
    <message id="cli.takes_one_file">
        <source>%1 takes one file</source>
        <translation>%1 attend un seul fichier</translation>
    </message>
    <message id="cli.takes_no_argument">
        <source>%1 takes no argument &quot;%2&quot;</source>
        <translation>%1 n’accepte pas d’argument « %2 »</translation>
    </message>
    <message id="cli.history_damaged">
        <source>the history %1 is damaged; quit Brimble (brimble quit) and run &quot;brimble salvage&quot; to rescue what can still be read</source>
        <translation>l’historique %1 est endommagé ; quittez Brimble (brimble quit) et lancez « brimble salvage » pour récupérer ce qui peut encore être lu</translation>
    </message>
    <message id="cli.history_damaged_because">
        <source>the history %1 is damaged (%2); quit Brimble (brimble quit) and run &quot;brimble salvage&quot; to rescue what can still be read</source>
        <translation>l’historique %1 est endommagé (%2) ; quittez Brimble (brimble quit) et lancez « brimble salvage » pour récupérer ce qui peut encore être lu</translation>
    </message>
    <message id="cli.cannot_open_history">
        <source>cannot open the history %1: %2</source>
        <translation>impossible d’ouvrir l’historique %1 : %2</translation>
    </message>
    <message id="cli.salvage_while_running">
        <source>Brimble is running: quit it first (brimble quit), then salvage</source>
        <translation>Brimble est lancé : quittez-le d’abord (brimble quit), puis lancez salvage</translation>
    </message>
    <message id="cli.salvaged">
        <source>Salvaged %1
  kept: %2 items, %3 clipboards, %4 ignore rules
  lost: %5 items of which some rows were read, and %6 unreadable stretches of rows
  rebuilt: %7 search texts, and %8 clipboards whose items outlived them (&quot;Recovered clipboard&quot;)
The damaged file is kept as %9</source>
        <translation>Récupéré : %1
  conservés : %2 éléments, %3 presse-papiers, %4 règles d’exclusion
  perdus : %5 éléments dont certaines lignes ont été lues, et %6 plages de lignes illisibles
  reconstruits : %7 textes de recherche, et %8 presse-papiers dont les éléments leur avaient survécu (« Recovered clipboard »)
Le fichier endommagé est conservé sous %9</translation>
    </message>
    <message id="cli.no_paste_queue">
        <source>No paste queue</source>
        <translation>Aucune file de collage</translation>
    </message>
    <message id="cli.not_running">
        <source>Brimble is not running (start it with `brimble`)</source>
        <translation>Brimble n’est pas lancé (démarrez-le avec `brimble`)</translation>
    </message>
    <message id="cli.busy">
        <source>Brimble is busy and did not take the request; try again in a moment</source>
        <translation>Brimble est occupé et n’a pas pris la requête ; réessayez dans un instant</translation>
    </message>
    <message id="cli.request_failed">
        <source>the request failed</source>
        <translation>la requête a échoué</translation>
    </message>
    <message id="cli.unreadable_answer">
        <source>Brimble gave an unreadable answer</source>
        <translation>Brimble a donné une réponse illisible</translation>
    </message>
    <message id="cli.copied_not_pasted">
        <source>copied to the clipboard but not pasted: automatic paste is off (Preferences, General)</source>
        <translation>copié dans le presse-papiers mais pas collé : le collage automatique est désactivé (Préférences, Général)</translation>
    </message>
    <message id="cli.still_starting">
        <source>Brimble is still starting; try again in a moment</source>
        <translation>Brimble est encore en cours de démarrage ; réessayez dans un instant</translation>
    </message>
    <message id="cli.quit_not_saved">
        <source>the history could not be saved (see the log); Brimble quits all the same</source>
        <translation>l’historique n’a pas pu être enregistré (voir le journal) ; Brimble quitte quand même</translation>
    </message>
    <message id="cli.already_running_busy">
        <source>Brimble is already running but busy; try again in a moment</source>
        <translation>Brimble est déjà lancé mais occupé ; réessayez dans un instant</translation>
    </message>
    <message id="cli.not_answering">
        <source>another Brimble holds %1 but does not answer</source>
        <translation>un autre Brimble occupe %1 mais ne répond pas</translation>
    </message>
    <message id="cli.no_display">
        <source>no display to open: DISPLAY is not set, and no Wayland compositor offers clipboard data control</source>
        <translation>aucun affichage à ouvrir : DISPLAY n’est pas défini et aucun compositeur Wayland n’offre le contrôle des données du presse-papiers (data control)</translation>
    </message>
    <message id="cli.cannot_open_wayland">
        <source>cannot open the Wayland display &quot;%1&quot;</source>
        <translation>impossible d’ouvrir l’affichage Wayland « %1 »</translation>
    </message>
    <message id="cli.cannot_open_x11">
        <source>cannot open the X display &quot;%1&quot;</source>
        <translation>impossible d’ouvrir l’affichage X « %1 »</translation>
    </message>
    <message id="cli.cannot_open_database">
        <source>Brimble cannot open its history database.

%1

The file was left as it is. Move it aside to start with an empty history, or restore it from a backup.</source>
        <translation>Brimble ne peut pas ouvrir sa base de données d’historique.

%1

Le fichier a été laissé tel quel. Déplacez-le pour repartir d’un historique vide, ou restaurez-le depuis une sauvegarde.</translation>
    </message>
    <message id="history.unreadable">
        <source>the history could not be read (see the log)</source>
        <translation>l’historique n’a pas pu être lu (voir le journal)</translation>
    </message>
    <message id="history.unsearchable">
        <source>the history could not be searched (see the log)</source>
        <translation>la recherche dans l’historique a échoué (voir le journal)</translation>
    </message>
    <message id="history.default_clipboard_missing">
        <source>the default clipboard is missing</source>
        <translation>le presse-papiers par défaut est introuvable</translation>
    </message>
    <message id="history.no_clipboard_named">
        <source>no clipboard named &quot;%1&quot;</source>
        <translation>aucun presse-papiers nommé « %1 »</translation>
    </message>
    <message id="history.no_item_with_uuid">
        <source>no item with uuid %1</source>
        <translation>aucun élément avec l’uuid %1</translation>
    </message>
    <message id="history.cannot_read">
        <source>cannot read the history: %1</source>
        <translation>impossible de lire l’historique : %1</translation>
    </message>
    <message id="history.no_item_at">
        <source>no item %1 in &quot;%2&quot; (it holds %3)</source>
        <translation>aucun élément %1 dans « %2 » (il en contient %3)</translation>
    </message>
    <message id="history.deleted_meanwhile">
        <source>item %1 was deleted meanwhile</source>
        <translation>l’élément %1 a été supprimé entre-temps</translation>
    </message>
    <message id="history.none_yet">
        <source>no history yet</source>
        <translation>pas encore d’historique</translation>
    </message>
    <message id="history.not_regular_file">
        <source>not a regular file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message id="history.needs_upgrade">
        <source>its schema (version %1) needs Brimble to upgrade it first</source>
        <translation>son schéma (version %1) doit d’abord être mis à niveau par Brimble</translation>
    </message>
    <message id="history.none_at">
        <source>there is no history at %1</source>
        <translation>il n’y a pas d’historique à l’emplacement %1</translation>
    </message>
    <message id="history.cannot_write">
        <source>cannot write %1: %2</source>
        <translation>impossible d’écrire %1 : %2</translation>
    </message>
    <message id="history.cannot_move_aside">
        <source>cannot move %1 aside: %2</source>
        <translation>impossible de mettre %1 de côté : %2</translation>
    </message>
    <message id="history.cannot_put_in_place">
        <source>cannot put the salvaged history in place: %1</source>
        <translation>impossible de mettre en place l’historique récupéré : %1</translation>
    </message>
    <message id="paste.content_unreadable">
        <source>the item&apos;s content could not be read from the history</source>
        <translation>le contenu de l’élément n’a pas pu être lu dans l’historique</translation>
    </message>
    <message id="paste.no_plain_text">
        <source>the item has no plain text; the clipboard was left as it was</source>
        <translation>l’élément n’a pas de texte brut ; le presse-papiers est resté tel quel</translation>
    </message>
    <message id="paste.nothing_to_write">
        <source>nothing to write</source>
        <translation>rien à écrire</translation>
    </message>
    <message id="paste.clipboard_refused">
        <source>the clipboard could not be taken</source>
        <translation>impossible de prendre le presse-papiers</translation>
    </message>
    <message id="paste.no_window_known">
        <source>no window to paste into is known; the item is on the clipboard</source>
        <translation>aucune fenêtre où coller n’est connue ; l’élément est dans le presse-papiers</translation>
    </message>
    <message id="paste.window_gone">
        <source>the window to paste into is gone; the item is on the clipboard</source>
        <translation>la fenêtre où coller a disparu ; l’élément est dans le presse-papiers</translation>
    </message>
    <message id="paste.not_activated">
        <source>the window to paste into did not come to the front; the item is on the clipboard</source>
        <translation>la fenêtre où coller n’est pas passée au premier plan ; l’élément est dans le presse-papiers</translation>
    </message>
    <message id="paste.no_xtest">
        <source>the display does not take synthetic key strokes (XTest); the item is on the clipboard</source>
        <translation>l’affichage n’accepte pas les frappes de touches simulées (XTest) ; l’élément est dans le presse-papiers</translation>
    </message>
    <message id="paste.no_virtual_keyboard">
        <source>the compositor offers no virtual keyboard; the item is on the clipboard</source>
        <translation>le compositeur n’offre pas de clavier virtuel ; l’élément est dans le presse-papiers</translation>
    </message>
    <message id="paste.key_not_sent">
        <source>the paste key stroke could not be sent; the item is on the clipboard</source>
        <translation>la frappe de collage n’a pas pu être envoyée ; l’élément est dans le presse-papiers</translation>
    </message>
    <message id="menu.edit">
        <source>Edit…</source>
        <translation>Modifier…</translation>
    </message>
    <message id="menu.undo_replace">
        <source>Undo Replace</source>
        <translation>Annuler : Remplacer</translation>
    </message>
    <message id="editor.save">
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message id="editor.replace">
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message id="editor.hint">
        <source>%1 saves the text as a new item, %2 replaces the original, %3 cancels.</source>
        <translation>%1 enregistre le texte comme nouvel élément, %2 remplace l’original, %3 annule.</translation>
    </message>
    <message id="editor.formatting_dropped">
        <source>This item has formatting. It is edited as plain text, and the formatting is not kept.</source>
        <translation>Cet élément est mis en forme. Il est modifié en texte brut et la mise en forme n’est pas conservée.</translation>
    </message>
    <message id="editor.empty">
        <source>An empty text cannot be saved.</source>
        <translation>Un texte vide ne peut pas être enregistré.</translation>
    </message>
    <message id="editor.original_gone">
        <source>The original item is no longer in the history, so it cannot be replaced. Save keeps the text as a new item.</source>
        <translation>L’élément d’origine n’est plus dans l’historique, il ne peut donc pas être remplacé. « Enregistrer » conserve le texte comme nouvel élément.</translation>
    </message>
    <message id="editor.not_stored">
        <source>The text could not be stored. It is still here, so you can try again.</source>
        <translation>Le texte n’a pas pu être enregistré. Il est toujours là, vous pouvez réessayer.</translation>
    </message>
    <message id="editor.secret_not_recorded">
        <source>This text looks like a secret, and secrets are not recorded (see Preferences). Nothing was saved.</source>
        <translation>Ce texte ressemble à un secret, et les secrets ne sont pas enregistrés (voir les Préférences). Rien n’a été enregistré.</translation>
    </message>
    <message id="editor.not_editable">
        <source>Only text can be edited, not images, files or hidden secrets.</source>
        <translation>Seul le texte peut être modifié, pas les images, les fichiers ni les secrets masqués.</translation>
    </message>
    <message id="editor.too_long">
        <source>This text is too long to edit here (more than %1 characters).</source>
        <translation>Ce texte est trop long pour être modifié ici (plus de %1 caractères).</translation>
    </message>
</context>
</TS>
