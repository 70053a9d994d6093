<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name></name>
    <message id="general.reset">
        <source>Reset</source>
        <translation>Redefinir</translation>
    </message>
    <message id="general.click_to_record">
        <source>Click To Record</source>
        <translation>Clique para gravar</translation>
    </message>
    <message id="general.filter_type">
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message id="preferences.general">
        <source>General</source>
        <translation>Geral</translation>
    </message>
    <message id="preferences.key_bindings">
        <source>Key Bindings</source>
        <translation>Atalhos de teclado</translation>
    </message>
    <message id="preferences.rules">
        <source>Rules</source>
        <translation>Regras</translation>
    </message>
    <message id="preferences.launch_at_login">
        <source>Start Brimble when I &amp;log in</source>
        <translation>Iniciar o Brimble ao fazer &amp;login</translation>
    </message>
    <message id="preferences.auto_paste">
        <source>Paste chosen items into the window in front</source>
        <translation>Colar os itens escolhidos na janela em primeiro plano</translation>
    </message>
    <message id="preferences.auto_paste_without_xtest">
        <source>This display offers no key synthesis (XTEST), so chosen items are only put on the clipboard: press Ctrl+V to paste them.</source>
        <translation>Esta tela não oferece síntese de teclas (XTEST), então os itens escolhidos só são colocados na área de transferência: pressione Ctrl+V para colá-los.</translation>
    </message>
    <message id="preferences.auto_paste_without_virtual_keyboard">
        <source>This compositor offers no virtual keyboard, so chosen items are only put on the clipboard: press Ctrl+V to paste them.</source>
        <translation>Este compositor não oferece teclado virtual, então os itens escolhidos só são colocados na área de transferência: pressione Ctrl+V para colá-los.</translation>
    </message>
    <message id="preferences.auto_paste_on_wayland">
        <source>On Wayland, Brimble pastes by itself into X11 windows only. In other windows the chosen item is on the clipboard: press Ctrl+V to paste it.</source>
        <translation>No Wayland, o Brimble só cola automaticamente em janelas X11. Em outras janelas, o item escolhido fica na área de transferência: pressione Ctrl+V para colá-lo.</translation>
    </message>
    <message id="preferences.paste_as_plain_text">
        <source>Always paste as plain text</source>
        <translation>Sempre colar como texto simples</translation>
    </message>
    <message id="preferences.delete_after_pasted">
        <source>Delete items from the history once pasted</source>
        <translation>Excluir os itens do histórico depois de colados</translation>
    </message>
    <message id="preferences.move_used_item_to_first">
        <source>Move pasted items to the top</source>
        <translation>Mover os itens colados para o topo</translation>
    </message>
    <message id="preferences.preview_links">
        <source>Preview links</source>
        <translation>Pré-visualizar links</translation>
    </message>
    <message id="preferences.load_link_previews">
        <source>Load link previews without asking (the site sees a visit)</source>
        <translation>Carregar as pré-visualizações de links sem perguntar (o site registra uma visita)</translation>
    </message>
    <message id="preferences.show_tray_icon">
        <source>Show the icon in the system tray</source>
        <translation>Mostrar o ícone na bandeja do sistema</translation>
    </message>
    <message id="preferences.send_crash_reports">
        <source>Send crash reports automatically</source>
        <translation>Enviar relatórios de falhas automaticamente</translation>
    </message>
    <message id="preferences.keep_history">
        <source>&amp;Keep the clipboard history for</source>
        <translation>&amp;Manter o histórico da área de transferência por</translation>
    </message>
    <message id="preferences.one_day">
        <source>1 day</source>
        <translation>1 dia</translation>
    </message>
    <message id="preferences.seven_days">
        <source>7 days</source>
        <translation>7 dias</translation>
    </message>
    <message id="preferences.thirty_days">
        <source>30 days</source>
        <translation>30 dias</translation>
    </message>
    <message id="preferences.forever">
        <source>Forever</source>
        <translation>Para sempre</translation>
    </message>
    <message id="preferences.show_quick_search_window">
        <source>Show the clipboard history</source>
        <translation>Mostrar o histórico da área de transferência</translation>
    </message>
    <message id="preferences.quick_paste_modifier">
        <source>Quick paste, with 1 to 0</source>
        <translation>Colagem rápida, com 1 a 0</translation>
    </message>
    <message id="preferences.plain_text_modifier">
        <source>Paste as plain text, with Return</source>
        <translation>Colar como texto simples, com Return</translation>
    </message>
    <message id="preferences.switch_clipboard_modifier">
        <source>Switch clipboard, with Tab</source>
        <translation>Trocar de área de transferência, com Tab</translation>
    </message>
    <message id="preferences.modifiers_collide">
        <source>Quick paste and plain-text paste use the same keys, so every quick paste comes out as plain text.</source>
        <translation>A colagem rápida e a colagem como texto simples usam as mesmas teclas, então toda colagem rápida sai como texto simples.</translation>
    </message>
    <message id="preferences.shortcut_needs_modifier">
        <source>A shortcut needs Ctrl, Alt or Super (Shift alone only with F1 to F20).</source>
        <translation>Um atalho precisa de Ctrl, Alt ou Super (Shift sozinho, apenas com F1 a F20).</translation>
    </message>
    <message id="preferences.desktop_shortcut_asking">
        <source>Asking the desktop to bind the shortcut…</source>
        <translation>Pedindo ao ambiente gráfico que associe o atalho…</translation>
    </message>
    <message id="preferences.desktop_shortcut_bound">
        <source>The desktop shows the history with: %1</source>
        <translation>O ambiente gráfico mostra o histórico com: %1</translation>
    </message>
    <message id="preferences.desktop_shortcut_no_keys">
        <source>The desktop has not assigned keys to the shortcut yet.</source>
        <translation>O ambiente gráfico ainda não atribuiu teclas ao atalho.</translation>
    </message>
    <message id="preferences.desktop_shortcut_change">
        <source>Change…</source>
        <translation>Alterar…</translation>
    </message>
    <message id="preferences.desktop_shortcut_declined">
        <source>Binding the shortcut through the desktop was declined.</source>
        <translation>A associação do atalho pelo ambiente gráfico foi recusada.</translation>
    </message>
    <message id="preferences.desktop_shortcut_no_portal">
        <source>This desktop binds no global shortcuts for applications (it offers no shortcuts portal).</source>
        <translation>Este ambiente gráfico não associa atalhos globais a aplicativos (não oferece um portal de atalhos).</translation>
    </message>
    <message id="preferences.desktop_shortcut_x11_only">
        <source>The shortcut above works only while an X11 window is in front.</source>
        <translation>O atalho acima só funciona enquanto uma janela X11 estiver em primeiro plano.</translation>
    </message>
    <message id="preferences.gnome_add_shortcut">
        <source>Add to GNOME Keyboard Shortcuts…</source>
        <translation>Adicionar aos atalhos de teclado do GNOME…</translation>
    </message>
    <message id="preferences.gnome_add_shortcut_confirm">
        <source>Add a GNOME keyboard shortcut that runs “brimble toggle” on %1?</source>
        <translation>Adicionar um atalho de teclado do GNOME que execute “brimble toggle” com %1?</translation>
    </message>
    <message id="preferences.gnome_add_shortcut_explained">
        <source>It appears in GNOME Settings, Keyboard, Custom Shortcuts, where you can change or remove it.</source>
        <translation>Ele aparece em Configurações do GNOME, Teclado, Atalhos personalizados, onde você pode alterá-lo ou removê-lo.</translation>
    </message>
    <message id="preferences.gnome_shortcut_added">
        <source>GNOME runs “brimble toggle” on %1.</source>
        <translation>O GNOME executa “brimble toggle” com %1.</translation>
    </message>
    <message id="preferences.gnome_shortcut_failed">
        <source>The GNOME shortcut could not be added: %1</source>
        <translation>Não foi possível adicionar o atalho do GNOME: %1</translation>
    </message>
    <message id="preferences.configuration_line">
        <source>Add this line to your compositor's configuration:</source>
        <translation>Adicione esta linha à configuração do seu compositor:</translation>
    </message>
    <message id="preferences.other_desktop_shortcut">
        <source>Bind the command “brimble toggle” to a key in your desktop's keyboard settings.</source>
        <translation>Associe o comando “brimble toggle” a uma tecla nas configurações de teclado do seu ambiente gráfico.</translation>
    </message>
    <message id="preferences.copy_line">
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message id="alert.pasted_by_hand">
        <source>Not pasted by itself: the item is on the clipboard, press Ctrl+V to paste it.</source>
        <translation>Não foi colado automaticamente: o item está na área de transferência, pressione Ctrl+V para colá-lo.</translation>
    </message>
    <message id="preferences.shortcut_refused">
        <source>%1 cannot be used: %2. The shortcut stays %3.</source>
        <translation>Não é possível usar %1: %2. O atalho continua sendo %3.</translation>
    </message>
    <message id="preferences.no_shortcut">
        <source>none</source>
        <translation>nenhum</translation>
    </message>
    <message id="preferences.ignored_apps_explained">
        <source>Copies made in these applications are never recorded.</source>
        <translation>As cópias feitas nestes aplicativos nunca são registradas.</translation>
    </message>
    <message id="preferences.add_applications">
        <source>&amp;Add…</source>
        <translation>&amp;Adicionar…</translation>
    </message>
    <message id="preferences.remove_applications">
        <source>&amp;Remove</source>
        <translation>&amp;Remover</translation>
    </message>
    <message id="preferences.choose_applications">
        <source>Choose Applications to Ignore</source>
        <translation>Escolher aplicativos a ignorar</translation>
    </message>
    <message id="preferences.desktop_entries">
        <source>Applications (*.desktop)</source>
        <translation>Aplicativos (*.desktop)</translation>
    </message>
    <message id="menu.quit">
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message id="menu.preferences">
        <source>Preferences</source>
        <translation>Preferências</translation>
    </message>
    <message id="menu.about">
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message id="menu.rename">
        <source>Rename</source>
        <translation>Renomear</translation>
    </message>
    <message id="menu.clear_all_history">
        <source>Clear All History</source>
        <translation>Limpar todo o histórico</translation>
    </message>
    <message id="menu.delete">
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message id="menu.paste">
        <source>Paste</source>
        <translation>Colar</translation>
    </message>
    <message id="menu.paste_as_plain_text">
        <source>Paste as Plain Text</source>
        <translation>Colar como texto simples</translation>
    </message>
    <message id="menu.cut">
        <source>Cut</source>
        <translation>Recortar</translation>
    </message>
    <message id="menu.copy">
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message id="menu.move_to">
        <source>Move to</source>
        <translation>Mover para</translation>
    </message>
    <message id="menu.add_new_clip_board">
        <source>Add New Clipboard</source>
        <translation>Adicionar nova área de transferência</translation>
    </message>
    <message id="menu.move_to_first">
        <source>Move to First</source>
        <translation>Mover para o início</translation>
    </message>
    <message id="menu.save_to_file">
        <source>Save to File</source>
        <translation>Salvar em arquivo</translation>
    </message>
    <message id="menu.open">
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message id="menu.quick_look">
        <source>Quick Look</source>
        <translation>Visualização rápida</translation>
    </message>
    <message id="menu.show_in_finder">
        <source>Show in Folder</source>
        <translation>Mostrar na pasta</translation>
    </message>
    <message id="menu.pause_recording">
        <source>Pause Recording</source>
        <translation>Pausar o registro</translation>
    </message>
    <message id="menu.continue_recording">
        <source>Continue Recording</source>
        <translation>Retomar o registro</translation>
    </message>
    <message id="menu.open_in_browser">
        <source>Open in Browser</source>
        <translation>Abrir no navegador</translation>
    </message>
    <message id="menu.help">
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message id="menu.check_for_updates">
        <source>Check for Updates</source>
        <translation>Verificar atualizações</translation>
    </message>
    <message id="menu.show_clipboard_history">
        <source>Show Clipboard History</source>
        <translation>Mostrar histórico da área de transferência</translation>
    </message>
    <message id="menu.undo">
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message id="menu.undo_delete">
        <source>Undo Delete</source>
        <translation>Desfazer exclusão</translation>
    </message>
    <message id="menu.undo_cut">
        <source>Undo Cut</source>
        <translation>Desfazer recorte</translation>
    </message>
    <message id="menu.undo_clear_all_history">
        <source>Undo Clear All History</source>
        <translation>Desfazer limpeza do histórico</translation>
    </message>
    <message id="menu.undo_move">
        <source>Undo Move</source>
        <translation>Desfazer movimentação</translation>
    </message>
    <message id="menu.undo_delete_clipboard">
        <source>Undo Delete Clipboard</source>
        <translation>Desfazer exclusão da área de transferência</translation>
    </message>
    <message id="quick_view.search">
        <source>Search</source>
        <translation>Pesquisar</translation>
    </message>
    <message id="quick_view.unnamed">
        <source>UnNamed</source>
        <translation>Sem nome</translation>
    </message>
    <message id="quick_view.empty">
        <source>It's Empty</source>
        <translation>Está vazio</translation>
    </message>
    <message id="quick_view.clipboard_history">
        <source>Clipboard History</source>
        <translation>Histórico da área de transferência</translation>
    </message>
    <message id="quick_view.n_records">
        <source>%1 records</source>
        <translation>%1 registros</translation>
    </message>
    <message id="quick_view.text_cut">
        <source>Showing the first %1 of %2 characters.</source>
        <translation>Mostrando os primeiros %1 de %2 caracteres.</translation>
    </message>
    <message id="quick_view.unknown_application">
        <source>Unknown application</source>
        <translation>Aplicativo desconhecido</translation>
    </message>
    <message id="quick_view.bad_type_clause">
        <source>&quot;%1&quot; names no type; type: takes %2</source>
        <translation>&quot;%1&quot; não é um tipo; type: aceita %2</translation>
    </message>
    <message id="link_preview.load">
        <source>Load Preview</source>
        <translation>Carregar pré-visualização</translation>
    </message>
    <message id="link_preview.not_web">
        <source>Only web pages (http and https) are previewed.</source>
        <translation>Só são pré-visualizadas páginas web (http e https).</translation>
    </message>
    <message id="link_preview.credentials">
        <source>Not previewed: the link carries a user name or password.</source>
        <translation>Sem pré-visualização: o link contém um nome de usuário ou uma senha.</translation>
    </message>
    <message id="link_preview.local_host">
        <source>Not previewed: the link leads to this computer or the local network.</source>
        <translation>Sem pré-visualização: o link leva a este computador ou à rede local.</translation>
    </message>
    <message id="link_preview.as_root">
        <source>Not previewed: the web view does not run as root.</source>
        <translation>Sem pré-visualização: a visualização web não é executada como root.</translation>
    </message>
    <message id="link_preview.host_not_found">
        <source>The page could not be loaded: its host was not found.</source>
        <translation>Não foi possível carregar a página: o servidor não foi encontrado.</translation>
    </message>
    <message id="link_preview.failed">
        <source>The page could not be loaded: %1</source>
        <translation>Não foi possível carregar a página: %1</translation>
    </message>
    <message id="link_preview.stopped">
        <source>The page stopped unexpectedly.</source>
        <translation>A página parou inesperadamente.</translation>
    </message>
    <message id="quick_view.no_matches">
        <source>No matches</source>
        <translation>Nenhum resultado</translation>
    </message>
    <message id="quick_view.n_selected">
        <source>%1 selected</source>
        <translation>%1 selecionados</translation>
    </message>
    <message id="pasteboard.unknown_type">
        <source>Unknown</source>
        <translation>Desconhecido</translation>
    </message>
    <message id="pasteboard.text_type">
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message id="pasteboard.rich_text_type">
        <source>Rich Text</source>
        <translation>Texto formatado</translation>
    </message>
    <message id="pasteboard.plain_text_type">
        <source>Plain Text</source>
        <translation>Texto simples</translation>
    </message>
    <message id="pasteboard.image_type">
        <source>Image</source>
        <translation>Imagem</translation>
    </message>
    <message id="pasteboard.file_type">
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message id="pasteboard.link_type">
        <source>Link</source>
        <translation>Link</translation>
    </message>
    <message id="pasteboard.color_type">
        <source>Color</source>
        <translation>Cor</translation>
    </message>
    <message id="alert.confirm">
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message id="alert.cancel">
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message id="alert.alert">
        <source>Alert</source>
        <translation>Alerta</translation>
    </message>
    <message id="alert.save_to_file_failed">
        <source>Save to file failed!</source>
        <translation>Falha ao salvar no arquivo!</translation>
    </message>
    <message id="alert.delete">
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message id="alert.reduce_history_capacity">
        <source>Reduce history capacity!</source>
        <translation>Reduzir a capacidade do histórico!</translation>
    </message>
    <message id="alert.this_action_can_not_be_undo">
        <source>This cannot be undone.</source>
        <translation>Esta ação não pode ser desfeita.</translation>
    </message>
    <message id="alert.confirm_clear_clipboard">
        <source>Clear all history of “%1”?</source>
        <translation>Limpar todo o histórico de “%1”?</translation>
    </message>
    <message id="alert.confirm_delete_clipboard">
        <source>Delete the clipboard “%1” and its history?</source>
        <translation>Excluir a área de transferência “%1” e seu histórico?</translation>
    </message>
    <message id="alert.items_to_delete">
        <source>Items to delete: %1.</source>
        <translation>Itens a excluir: %1.</translation>
    </message>
    <message id="alert.undo_while_running">
        <source>You can undo this with Ctrl+Z while Brimble runs.</source>
        <translation>Você pode desfazer isso com Ctrl+Z enquanto o Brimble estiver em execução.</translation>
    </message>
    <message id="alert.too_large_to_copy">
        <source>The selected items hold %1 MB together, more than the %2 MB that can be copied or pasted at once. Select fewer items.</source>
        <translation>Os itens selecionados somam %1 MB, mais do que os %2 MB que podem ser copiados ou colados de uma vez. Selecione menos itens.</translation>
    </message>
    <message id="alert.do_not_show_this_to_me_again">
        <source>Don't show this to me again</source>
        <translation>Não mostrar isto novamente</translation>
    </message>
    <message id="alert.turn_on_accessibility_message">
        <source>Brimble can only paste automatically into X11 windows, and this window is not one. The item is on the clipboard: press Ctrl+V to paste it.</source>
        <translation>O Brimble só pode colar automaticamente em janelas X11, e esta janela não é uma delas. O item está na área de transferência: pressione Ctrl+V para colá-lo.</translation>
    </message>
    <message id="alert.turn_on_accessibility">
        <source>Turn On Accessibility</source>
        <translation>Ativar a acessibilidade</translation>
    </message>
    <message id="alert.not_now">
        <source>Not Now</source>
        <translation>Agora não</translation>
    </message>
    <message id="alert.learn_more">
        <source>Learn More</source>
        <translation>Saiba mais</translation>
    </message>
    <message id="alert.crash_title">
        <source>Sorry about that!</source>
        <translation>Desculpe!</translation>
    </message>
    <message id="alert.crash_message">
        <source>Brimble stopped unexpectedly the last time it ran. Do you want to send an anonymous crash report so that the problem can be fixed?</source>
        <translation>O Brimble parou inesperadamente na última vez em que foi executado. Deseja enviar um relatório de falha anônimo para que o problema possa ser corrigido?</translation>
    </message>
    <message id="alert.always_send">
        <source>Always Send</source>
        <translation>Sempre enviar</translation>
    </message>
    <message id="alert.send">
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
    <message id="alert.do_not_send">
        <source>Don't Send</source>
        <translation>Não enviar</translation>
    </message>
    <message id="Could not save changes while quitting. Quit anyway?">
        <source>Could not save changes while quitting. Quit anyway?</source>
        <translation>Não foi possível salvar as alterações ao sair. Sair mesmo assim?</translation>
    </message>
    <message id="Quitting now will lose any changes you have made since the last successful save">
        <source>Quitting now will lose any changes you have made since the last successful save</source>
        <translation>Se sair agora, você perderá as alterações feitas desde o último salvamento bem-sucedido</translation>
    </message>
    <message id="Quit anyway">
        <source>Quit anyway</source>
        <translation>Sair mesmo assim</translation>
    </message>
    <message id="Cancel">
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message id="date.unknow_date">
        <source>Unknown date</source>
        <translation>Data desconhecida</translation>
    </message>
    <message id="date.just_now">
        <source>Just now</source>
        <translation>Agora mesmo</translation>
    </message>
    <message id="date.yesterday">
        <source>Yesterday</source>
        <translation>Ontem</translation>
    </message>
    <message id="alert.open_failed">
        <source>Brimble could not open %1: %2</source>
        <translation>O Brimble não conseguiu abrir %1: %2</translation>
    </message>
    <message id="alert.setting_not_saved">
        <source>The setting was not saved, because %1 cannot be written. It is back to what it was.</source>
        <translation>A configuração não foi salva porque não é possível gravar em %1. Ela voltou ao valor anterior.</translation>
    </message>
    <message id="alert.hot_key_refused">
        <source>The shortcut %1 is not available (%2). Choose another one in Preferences, or bind the command &quot;brimble toggle&quot; in your desktop&apos;s keyboard settings.</source>
        <translation>O atalho %1 não está disponível (%2). Escolha outro em Preferências ou associe o comando &quot;brimble toggle&quot; nas configurações de teclado do seu ambiente gráfico.</translation>
    </message>
    <message id="alert.history_disk_full">
        <source>There is no room left on the disk for your clipboard history (%1). New copies are kept in memory until there is; free some space so that they are not lost.</source>
        <translation>Não há mais espaço em disco para o histórico da área de transferência (%1). As novas cópias ficam na memória até que haja; libere espaço para que não se percam.</translation>
    </message>
    <message id="alert.history_recording_again">
        <source>There is room for your clipboard history again: copies are recorded, and the %1 made meanwhile are stored.</source>
        <translation>Há espaço novamente para o histórico da área de transferência: as cópias são registradas, e as %1 feitas nesse meio-tempo foram armazenadas.</translation>
    </message>
    <message id="alert.history_copies_lost">
        <source>%1 copies made while the disk was full could not be kept.</source>
        <translation>Não foi possível manter %1 cópias feitas enquanto o disco estava cheio.</translation>
    </message>
    <message id="format.files">
        <source>files</source>
        <translation>arquivos</translation>
    </message>
    <message id="format.chars">
        <source>chars</source>
        <translation>caracteres</translation>
    </message>
    <message id="update.available">
        <source>Brimble %1 is available</source>
        <translation>O Brimble %1 está disponível</translation>
    </message>
    <message id="update.available_message">
        <source>You have version %1.</source>
        <translation>Você tem a versão %1.</translation>
    </message>
    <message id="update.download_page">
        <source>Download Page</source>
        <translation>Página de download</translation>
    </message>
    <message id="update.later">
        <source>Later</source>
        <translation>Mais tarde</translation>
    </message>
    <message id="update.up_to_date">
        <source>Brimble is up to date</source>
        <translation>O Brimble está atualizado</translation>
    </message>
    <message id="update.up_to_date_message">
        <source>Version %1 is the newest version.</source>
        <translation>A versão %1 é a mais recente.</translation>
    </message>
    <message id="update.failed">
        <source>The update check failed</source>
        <translation>A verificação de atualizações falhou</translation>
    </message>
    <message id="queue.paste_in_sequence">
        <source>Paste in Sequence</source>
        <translation>Colar em sequência</translation>
    </message>
    <message id="queue.clear">
        <source>Clear Paste Queue</source>
        <translation>Limpar a fila de colagem</translation>
    </message>
    <message id="queue.active">
        <source>Paste queue: %1 of %2 pasted, next: %3</source>
        <translation>Fila de colagem: %1 de %2 colados, próximo: %3</translation>
    </message>
    <message id="queue.untitled_item">
        <source>item %1 (%2)</source>
        <translation>item %1 (%2)</translation>
    </message>
    <message id="queue.finished">
        <source>Paste queue done: all %1 items pasted</source>
        <translation>Fila de colagem concluída: todos os %1 itens colados</translation>
    </message>
    <message id="queue.interrupted">
        <source>Paste queue ended by a new copy: %1 of %2 pasted</source>
        <translation>Fila de colagem interrompida por uma nova cópia: %1 de %2 colados</translation>
    </message>
    <message id="queue.cleared">
        <source>Paste queue cleared: %1 of %2 pasted</source>
        <translation>Fila de colagem limpa: %1 de %2 colados</translation>
    </message>
    <message id="queue.failed">
        <source>Paste queue ended: %1</source>
        <translation>Fila de colagem encerrada: %1</translation>
    </message>
    <message id="queue.escape_clears">
        <source>Esc clears it</source>
        <translation>Esc a limpa</translation>
    </message>
    <message id="quick_view.secret_mask">
        <source>Secret · %1 · %2 characters</source>
        <translation>Segredo · %1 · %2 caracteres</translation>
    </message>
    <message id="quick_view.secret_reveal_hint">
        <source>Click or press Space to show it</source>
        <translation>Clique ou pressione Space para mostrá-lo</translation>
    </message>
    <message id="quick_view.secret_reveal">
        <source>Show Secret</source>
        <translation>Mostrar segredo</translation>
    </message>
    <message id="secret.private_key">
        <source>private key</source>
        <translation>chave privada</translation>
    </message>
    <message id="secret.web_token">
        <source>web token</source>
        <translation>token web</translation>
    </message>
    <message id="secret.cloud_key">
        <source>cloud access key</source>
        <translation>chave de acesso à nuvem</translation>
    </message>
    <message id="secret.access_token">
        <source>access token</source>
        <translation>token de acesso</translation>
    </message>
    <message id="secret.bot_token">
        <source>bot token</source>
        <translation>token de bot</translation>
    </message>
    <message id="secret.payment_key">
        <source>payment key</source>
        <translation>chave de pagamento</translation>
    </message>
    <message id="secret.card_number">
        <source>card number</source>
        <translation>número de cartão</translation>
    </message>
    <message id="preferences.secrets">
        <source>Secrets:</source>
        <translation>Segredos:</translation>
    </message>
    <message id="preferences.secrets_note">
        <source>Keys, tokens and card numbers are shown masked until revealed.</source>
        <translation>Chaves, tokens e números de cartão são mostrados mascarados até serem revelados.</translation>
    </message>
    <message id="preferences.secret_never_record">
        <source>Never record</source>
        <translation>Nunca registrar</translation>
    </message>
    <message id="preferences.secret_minute">
        <source>Remove after 1 minute</source>
        <translation>Remover após 1 minuto</translation>
    </message>
    <message id="preferences.secret_ten_minutes">
        <source>Remove after 10 minutes</source>
        <translation>Remover após 10 minutos</translation>
    </message>
    <message id="preferences.secret_hour">
        <source>Remove after 1 hour</source>
        <translation>Remover após 1 hora</translation>
    </message>
    <message id="preferences.secret_day">
        <source>Remove after 1 day</source>
        <translation>Remover após 1 dia</translation>
    </message>
    <message id="preferences.secret_keep">
        <source>Keep</source>
        <translation>Manter</translation>
    </message>
    <message id="preferences.read_image_text">
        <source>Find copied images by their text (read on this computer)</source>
        <translation>Encontrar imagens copiadas pelo texto (lido neste computador)</translation>
    </message>
    <message id="preferences.image_text_language">
        <source>Language of the text:</source>
        <translation>Idioma do texto:</translation>
    </message>
    <message id="help.title">
        <source>Brimble Help</source>
        <translation>Ajuda do Brimble</translation>
    </message>
    <message id="help.back">
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message id="help.forward">
        <source>Forward</source>
        <translation>Avançar</translation>
    </message>
    <message id="help.contents">
        <source>Contents</source>
        <translation>Sumário</translation>
    </message>
    <message id="help.auto_paste_title">
        <source>Automatic Paste Unavailable</source>
        <translation>Colagem automática indisponível</translation>
    </message>
    <message id="about.title">
        <source>About Brimble</source>
        <translation>Sobre o Brimble</translation>
    </message>
    <message id="about.description">
        <source>Clipboard history with a quick search window</source>
        <translation>Histórico da área de transferência com uma janela de pesquisa rápida</translation>
    </message>
    <message id="about.licence">
        <source>Licence: none published yet. All rights reserved by the Brimble developers.</source>
        <translation>Licença: nenhuma publicada ainda. Todos os direitos reservados aos desenvolvedores do Brimble.</translation>
    </message>
    <message id="about.libraries">
        <source>Libraries:</source>
        <translation>Bibliotecas:</translation>
    </message>
    <message id="about.history">
        <source>History:</source>
        <translation>Histórico:</translation>
    </message>
    <message id="about.logs">
        <source>Logs:</source>
        <translation>Logs:</translation>
    </message>
    <message id="about.copied">
        <source>Copied</source>
        <translation>Copiado</translation>
    </message>
    <message id="about.close">
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message id="about.built_with">
        <source>built with %1</source>
        <translation>compilado com %1</translation>
    </message>
    <message id="archive.export_history">
        <source>Export History…</source>
        <translation>Exportar histórico…</translation>
    </message>
    <message id="archive.import_history">
        <source>Import History…</source>
        <translation>Importar histórico…</translation>
    </message>
    <message id="archive.export_title">
        <source>Export History</source>
        <translation>Exportar histórico</translation>
    </message>
    <message id="archive.import_title">
        <source>Import History</source>
        <translation>Importar histórico</translation>
    </message>
    <message id="archive.exists">
        <source>%1 already exists; choose another name.</source>
        <translation>%1 já existe; escolha outro nome.</translation>
    </message>
    <message id="archive.cannot_write">
        <source>Could not write %1: %2</source>
        <translation>Não foi possível gravar %1: %2</translation>
    </message>
    <message id="archive.cannot_open">
        <source>Could not open %1: %2</source>
        <translation>Não foi possível abrir %1: %2</translation>
    </message>
    <message id="archive.not_archive">
        <source>%1 is not a Brimble history export. Nothing was imported.</source>
        <translation>%1 não é um histórico exportado pelo Brimble. Nada foi importado.</translation>
    </message>
    <message id="archive.newer">
        <source>%1 was written by a newer Brimble (format %2). Nothing was imported.</source>
        <translation>%1 foi gravado por uma versão mais recente do Brimble (formato %2). Nada foi importado.</translation>
    </message>
    <message id="archive.damaged">
        <source>%1 is damaged or was altered (%2). Nothing was imported.</source>
        <translation>%1 está danificado ou foi alterado (%2). Nada foi importado.</translation>
    </message>
    <message id="archive.store_failed">
        <source>The history could not be written (%1). Nothing was imported.</source>
        <translation>Não foi possível gravar o histórico (%1). Nada foi importado.</translation>
    </message>
    <message id="archive.exported">
        <source>Items exported: %1 (clipboards: %2).</source>
        <translation>Itens exportados: %1 (áreas de transferência: %2).</translation>
    </message>
    <message id="archive.secrets_left_out">
        <source>Secrets left out: %1.</source>
        <translation>Segredos deixados de fora: %1.</translation>
    </message>
    <message id="archive.imported">
        <source>Items added: %1. Already present, skipped: %2. Clipboards created: %3.</source>
        <translation>Itens adicionados: %1. Já presentes, ignorados: %2. Áreas de transferência criadas: %3.</translation>
    </message>
    <message id="cli.help.usage">
        <source>Usage: brimble [VERB [ARGUMENTS]]</source>
        <translation>Uso: brimble [COMANDO [ARGUMENTOS]]</translation>
    </message>
    <message id="cli.help.without_verb">
        <source>Without a verb, starts Brimble (or shows the running one).</source>
        <translation>Sem comando, inicia o Brimble (ou mostra o que já está em execução).</translation>
    </message>
    <message id="cli.help.verbs">
        <source>Verbs:</source>
        <translation>Comandos:</translation>
    </message>
    <message id="cli.help.notes">
        <source>ITEM is a uuid or a position in the listed order (1 is the newest). NAME is a clipboard&apos;s title, or its uuid (`clipboards --json` shows them) where titles repeat. Lines of `list` and `search`: position, age, type (as type: names it), first line of text with control characters shown as escapes. A secret (a key, a token, a card number) shows its kind and length instead of its text unless --reveal is given. `search` also finds images by the text Brimble has read in them.</source>
        <translation>ITEM é um uuid ou uma posição na ordem listada (1 é o mais recente). NAME é o título de uma área de transferência, ou seu uuid (`clipboards --json` os mostra) quando há títulos repetidos. Linhas de `list` e `search`: posição, idade, tipo (como type: o nomeia), primeira linha do texto, com os caracteres de controle mostrados como sequências de escape. Um segredo (uma chave, um token, um número de cartão) mostra seu tipo e comprimento em vez do texto, a menos que --reveal seja informado. `search` também encontra imagens pelo texto que o Brimble leu nelas.</translation>
    </message>
    <message id="cli.help.options">
        <source>Options:</source>
        <translation>Opções:</translation>
    </message>
    <message id="cli.help.environment">
        <source>Environment:</source>
        <translation>Ambiente:</translation>
    </message>
    <message id="cli.help.platform">
        <source>the clipboard backend; by default native Wayland when the compositor offers data control, else X11 (the log names the one in use)</source>
        <translation>o mecanismo da área de transferência; por padrão, Wayland nativo quando o compositor oferece controle de dados (data control); senão, X11 (o log indica qual está em uso)</translation>
    </message>
    <message id="cli.help.exit_status">
        <source>Exit status: 0 done, 1 request failed, 2 usage error, 3 Brimble is not running, 4 the history cannot be read, 5 Brimble is busy (try again), 6 paste only copied (automatic paste is off), 7 no display (Brimble itself).</source>
        <translation>Código de saída: 0 concluído, 1 a solicitação falhou, 2 erro de uso, 3 o Brimble não está em execução, 4 não é possível ler o histórico, 5 o Brimble está ocupado (tente de novo), 6 paste só copiou (a colagem automática está desativada), 7 sem tela (o próprio Brimble).</translation>
    </message>
    <message id="cli.verb.list">
        <source>the history, newest first</source>
        <translation>o histórico, do mais recente ao mais antigo</translation>
    </message>
    <message id="cli.verb.search">
        <source>items matching QUERY; type:image,link clauses narrow by type</source>
        <translation>itens que correspondem a QUERY; cláusulas type:image,link filtram por tipo</translation>
    </message>
    <message id="cli.verb.clipboards">
        <source>the clipboards with their record counts</source>
        <translation>as áreas de transferência com o número de registros de cada uma</translation>
    </message>
    <message id="cli.verb.copy">
        <source>put an item back on the clipboard</source>
        <translation>colocar um item de volta na área de transferência</translation>
    </message>
    <message id="cli.verb.paste">
        <source>copy an item and paste it into the active window</source>
        <translation>copiar um item e colá-lo na janela ativa</translation>
    </message>
    <message id="cli.verb.pause">
        <source>stop recording copies</source>
        <translation>pausar o registro de cópias</translation>
    </message>
    <message id="cli.verb.resume">
        <source>record copies again</source>
        <translation>voltar a registrar as cópias</translation>
    </message>
    <message id="cli.verb.toggle">
        <source>show or hide the quick search window</source>
        <translation>mostrar ou ocultar a janela do histórico da área de transferência</translation>
    </message>
    <message id="cli.verb.preferences">
        <source>open the preferences window</source>
        <translation>abrir a janela de preferências</translation>
    </message>
    <message id="cli.verb.quit">
        <source>end the running Brimble</source>
        <translation>encerrar o Brimble em execução</translation>
    </message>
    <message id="cli.verb.salvage">
        <source>rebuild a damaged history from its readable rows, keeping the damaged file beside it</source>
        <translation>reconstruir um histórico danificado a partir das linhas legíveis, mantendo o arquivo danificado ao lado</translation>
    </message>
    <message id="cli.verb.queue">
        <source>with ITEMs, paste them in this order, one per paste (Ctrl+V) anywhere; clear ends the queue; alone, shows it</source>
        <translation>com ITEMs, colá-los nesta ordem, um a cada colagem (Ctrl+V) em qualquer lugar; clear encerra a fila; sozinho, mostra a fila</translation>
    </message>
    <message id="cli.verb.export">
        <source>write the history&apos;s items, with every representation, their dates, clipboards and source applications, to a new FILE (an existing one is never replaced; secrets are left out)</source>
        <translation>gravar os itens do histórico, com todas as representações, datas, áreas de transferência e aplicativos de origem, em um novo arquivo FILE (um existente nunca é substituído; segredos ficam de fora)</translation>
    </message>
    <message id="cli.verb.import">
        <source>add the items of an exported FILE to the history, skipping items already there; a damaged or altered FILE is refused and nothing is added</source>
        <translation>adicionar ao histórico os itens de um arquivo FILE exportado, ignorando os que já estão lá; um FILE danificado ou alterado é recusado e nada é adicionado</translation>
    </message>
    <message id="cli.option.help">
        <source>show the help</source>
        <translation>mostrar a ajuda</translation>
    </message>
    <message id="cli.option.version">
        <source>show the version</source>
        <translation>mostrar a versão</translation>
    </message>
    <message id="cli.option.list_clipboard">
        <source>the clipboard to list, by title or uuid (default: Clipboard History)</source>
        <translation>a área de transferência a listar, por título ou uuid (padrão: Histórico da área de transferência)</translation>
    </message>
    <message id="cli.option.limit">
        <source>at most N items</source>
        <translation>no máximo N itens</translation>
    </message>
    <message id="cli.option.json">
        <source>one JSON array instead of lines</source>
        <translation>um array JSON em vez de linhas</translation>
    </message>
    <message id="cli.option.reveal">
        <source>print secrets&apos; text instead of their kind and length</source>
        <translation>mostrar o texto dos segredos em vez do tipo e do comprimento</translation>
    </message>
    <message id="cli.option.search_clipboard">
        <source>the clipboard to search, by title or uuid</source>
        <translation>a área de transferência onde pesquisar, por título ou uuid</translation>
    </message>
    <message id="cli.option.plain">
        <source>as plain text</source>
        <translation>como texto simples</translation>
    </message>
    <message id="cli.option.item_clipboard">
        <source>the clipboard ITEM is counted in, by title or uuid</source>
        <translation>a área de transferência em que ITEM é contado, por título ou uuid</translation>
    </message>
    <message id="cli.option.queue_clipboard">
        <source>the clipboard the ITEMs are counted in, by title or uuid</source>
        <translation>a área de transferência em que os ITEMs são contados, por título ou uuid</translation>
    </message>
    <message id="cli.option.queue_json">
        <source>the queue as one JSON object</source>
        <translation>a fila como um objeto JSON</translation>
    </message>
    <message id="cli.option.export_clipboard">
        <source>only this clipboard, by title or uuid (default: every clipboard)</source>
        <translation>só esta área de transferência, por título ou uuid (padrão: todas)</translation>
    </message>
    <message id="cli.unknown_verb">
        <source>unknown verb &quot;%1&quot; (see brimble --help)</source>
        <translation>comando desconhecido &quot;%1&quot; (veja brimble --help)</translation>
    </message>
    <message id="cli.unknown_option">
        <source>unknown option &quot;%1&quot; (see brimble --help)</source>
        <translation>opção desconhecida &quot;%1&quot; (veja brimble --help)</translation>
    </message>
    <message id="cli.option_not_taken">
        <source>%1 does not take %2 (see brimble --help)</source>
        <translation>%1 não aceita %2 (veja brimble --help)</translation>
    </message>
    <message id="cli.needs_value">
        <source>%1 needs a value</source>
        <translation>%1 precisa de um valor</translation>
    </message>
    <message id="cli.bad_limit">
        <source>--limit takes a whole number of at least 1, not &quot;%1&quot;</source>
        <translation>--limit aceita um número inteiro maior ou igual a 1, não &quot;%1&quot;</translation>
    </message>
    <message id="cli.takes_one_item">
        <source>%1 takes one item: a uuid or a position</source>
        <translation>%1 aceita um único item: um uuid ou uma posição</translation>
    </message>
    <message id="cli.queue_clear_alone">
        <source>queue clear takes no items</source>
        <translation>queue clear não aceita itens</translation>
    </message>
    <message id="cli.search_needs_query">
        <source>search needs a query</source>
        <translation>search precisa de uma consulta</translation>
    </message>
    <message id="cli.takes_one_file">
        <source>%1 takes one file</source>
        <translation>%1 aceita um único arquivo</translation>
    </message>
    <message id="cli.takes_no_argument">
        <source>%1 takes no argument &quot;%2&quot;</source>
        <translation>%1 não aceita o argumento &quot;%2&quot;</translation>
    </message>
    <message id="cli.history_damaged">
        <source>the history %1 is damaged; quit Brimble (brimble quit) and run &quot;brimble salvage&quot; to rescue what can still be read</source>
        <translation>o histórico %1 está danificado; encerre o Brimble (brimble quit) e execute &quot;brimble salvage&quot; para recuperar o que ainda puder ser lido</translation>
    </message>
    <message id="cli.history_damaged_because">
        <source>the history %1 is damaged (%2); quit Brimble (brimble quit) and run &quot;brimble salvage&quot; to rescue what can still be read</source>
        <translation>o histórico %1 está danificado (%2); encerre o Brimble (brimble quit) e execute &quot;brimble salvage&quot; para recuperar o que ainda puder ser lido</translation>
    </message>
    <message id="cli.cannot_open_history">
        <source>cannot open the history %1: %2</source>
        <translation>não é possível abrir o histórico %1: %2</translation>
    </message>
    <message id="cli.salvage_while_running">
        <source>Brimble is running: quit it first (brimble quit), then salvage</source>
        <translation>O Brimble está em execução: encerre-o primeiro (brimble quit) e depois execute salvage</translation>
    </message>
    <message id="cli.salvaged">
        <source>Salvaged %1
  kept: %2 items, %3 clipboards, %4 ignore rules
  lost: %5 items of which some rows were read, and %6 unreadable stretches of rows
  rebuilt: %7 search texts, and %8 clipboards whose items outlived them (&quot;Recovered clipboard&quot;)
The damaged file is kept as %9</source>
        <translation>Recuperado: %1
  mantidos: %2 itens, %3 áreas de transferência, %4 regras de exclusão
  perdidos: %5 itens dos quais algumas linhas foram lidas, e %6 trechos de linhas ilegíveis
  reconstruídos: %7 textos de pesquisa, e %8 áreas de transferência cujos itens tinham sobrevivido a elas (&quot;Recovered clipboard&quot;)
O arquivo danificado foi mantido como %9</translation>
    </message>
    <message id="cli.no_paste_queue">
        <source>No paste queue</source>
        <translation>Nenhuma fila de colagem</translation>
    </message>
    <message id="cli.not_running">
        <source>Brimble is not running (start it with `brimble`)</source>
        <translation>O Brimble não está em execução (inicie-o com `brimble`)</translation>
    </message>
    <message id="cli.busy">
        <source>Brimble is busy and did not take the request; try again in a moment</source>
        <translation>O Brimble está ocupado e não aceitou a solicitação; tente de novo daqui a pouco</translation>
    </message>
    <message id="cli.request_failed">
        <source>the request failed</source>
        <translation>a solicitação falhou</translation>
    </message>
    <message id="cli.unreadable_answer">
        <source>Brimble gave an unreadable answer</source>
        <translation>O Brimble deu uma resposta ilegível</translation>
    </message>
    <message id="cli.copied_not_pasted">
        <source>copied to the clipboard but not pasted: automatic paste is off (Preferences, General)</source>
        <translation>copiado para a área de transferência, mas não colado: a colagem automática está desativada (Preferências, Geral)</translation>
    </message>
    <message id="cli.still_starting">
        <source>Brimble is still starting; try again in a moment</source>
        <translation>O Brimble ainda está iniciando; tente de novo daqui a pouco</translation>
    </message>
    <message id="cli.quit_not_saved">
        <source>the history could not be saved (see the log); Brimble quits all the same</source>
        <translation>não foi possível salvar o histórico (veja o log); o Brimble será encerrado mesmo assim</translation>
    </message>
    <message id="cli.already_running_busy">
        <source>Brimble is already running but busy; try again in a moment</source>
        <translation>O Brimble já está em execução, mas está ocupado; tente de novo daqui a pouco</translation>
    </message>
    <message id="cli.not_answering">
        <source>another Brimble holds %1 but does not answer</source>
        <translation>outro Brimble ocupa %1, mas não responde</translation>
    </message>
    <message id="cli.no_display">
        <source>no display to open: DISPLAY is not set, and no Wayland compositor offers clipboard data control</source>
        <translation>nenhuma tela para abrir: DISPLAY não está definida e nenhum compositor Wayland oferece controle de dados da área de transferência (data control)</translation>
    </message>
    <message id="cli.cannot_open_wayland">
        <source>cannot open the Wayland display &quot;%1&quot;</source>
        <translation>não é possível abrir a tela Wayland &quot;%1&quot;</translation>
    </message>
    <message id="cli.cannot_open_x11">
        <source>cannot open the X display &quot;%1&quot;</source>
        <translation>não é possível abrir a tela X &quot;%1&quot;</translation>
    </message>
    <message id="cli.cannot_open_database">
        <source>Brimble cannot open its history database.

%1

The file was left as it is. Move it aside to start with an empty history, or restore it from a backup.</source>
        <translation>O Brimble não consegue abrir seu banco de dados do histórico.

%1

O arquivo foi deixado como está. Mova-o para outro lugar para começar com um histórico vazio, ou restaure-o de um backup.</translation>
    </message>
    <message id="history.unreadable">
        <source>the history could not be read (see the log)</source>
        <translation>não foi possível ler o histórico (veja o log)</translation>
    </message>
    <message id="history.unsearchable">
        <source>the history could not be searched (see the log)</source>
        <translation>não foi possível pesquisar o histórico (veja o log)</translation>
    </message>
    <message id="history.default_clipboard_missing">
        <source>the default clipboard is missing</source>
        <translation>a área de transferência padrão não existe</translation>
    </message>
    <message id="history.no_clipboard_named">
        <source>no clipboard named &quot;%1&quot;</source>
        <translation>nenhuma área de transferência chamada &quot;%1&quot;</translation>
    </message>
    <message id="history.no_item_with_uuid">
        <source>no item with uuid %1</source>
        <translation>nenhum item com o uuid %1</translation>
    </message>
    <message id="history.cannot_read">
        <source>cannot read the history: %1</source>
        <translation>não é possível ler o histórico: %1</translation>
    </message>
    <message id="history.no_item_at">
        <source>no item %1 in &quot;%2&quot; (it holds %3)</source>
        <translation>nenhum item %1 em &quot;%2&quot; (ela contém %3)</translation>
    </message>
    <message id="history.deleted_meanwhile">
        <source>item %1 was deleted meanwhile</source>
        <translation>o item %1 foi excluído nesse meio-tempo</translation>
    </message>
    <message id="history.none_yet">
        <source>no history yet</source>
        <translation>ainda não há histórico</translation>
    </message>
    <message id="history.not_regular_file">
        <source>not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message id="history.needs_upgrade">
        <source>its schema (version %1) needs Brimble to upgrade it first</source>
        <translation>seu esquema (versão %1) precisa ser atualizado pelo Brimble primeiro</translation>
    </message>
    <message id="history.none_at">
        <source>there is no history at %1</source>
        <translation>não há histórico em %1</translation>
    </message>
    <message id="history.cannot_write">
        <source>cannot write %1: %2</source>
        <translation>não é possível gravar %1: %2</translation>
    </message>
    <message id="history.cannot_move_aside">
        <source>cannot move %1 aside: %2</source>
        <translation>não é possível pôr %1 de lado: %2</translation>
    </message>
    <message id="history.cannot_put_in_place">
        <source>cannot put the salvaged history in place: %1</source>
        <translation>não é possível colocar o histórico recuperado no lugar: %1</translation>
    </message>
    <message id="paste.content_unreadable">
        <source>the item&apos;s content could not be read from the history</source>
        <translation>não foi possível ler o conteúdo do item no histórico</translation>
    </message>
    <message id="paste.no_plain_text">
        <source>the item has no plain text; the clipboard was left as it was</source>
        <translation>o item não tem texto simples; a área de transferência ficou como estava</translation>
    </message>
    <message id="paste.nothing_to_write">
        <source>nothing to write</source>
        <translation>nada para gravar</translation>
    </message>
    <message id="paste.clipboard_refused">
        <source>the clipboard could not be taken</source>
        <translation>não foi possível assumir a área de transferência</translation>
    </message>
    <message id="paste.no_window_known">
        <source>no window to paste into is known; the item is on the clipboard</source>
        <translation>nenhuma janela para colar é conhecida; o item está na área de transferência</translation>
    </message>
    <message id="paste.window_gone">
        <source>the window to paste into is gone; the item is on the clipboard</source>
        <translation>a janela onde colar não existe mais; o item está na área de transferência</translation>
    </message>
    <message id="paste.not_activated">
        <source>the window to paste into did not come to the front; the item is on the clipboard</source>
        <translation>a janela onde colar não veio para o primeiro plano; o item está na área de transferência</translation>
    </message>
    <message id="paste.no_xtest">
        <source>the display does not take synthetic key strokes (XTest); the item is on the clipboard</source>
        <translation>a tela não aceita pressionamentos de tecla simulados (XTest); o item está na área de transferência</translation>
    </message>
    <message id="paste.no_virtual_keyboard">
        <source>the compositor offers no virtual keyboard; the item is on the clipboard</source>
        <translation>o compositor não oferece teclado virtual; o item está na área de transferência</translation>
    </message>
    <message id="paste.key_not_sent">
        <source>the paste key stroke could not be sent; the item is on the clipboard</source>
        <translation>não foi possível enviar o atalho de colar; o item está na área de transferência</translation>
    </message>
    <message id="menu.edit">
        <source>Edit…</source>
        <translation>Editar…</translation>
    </message>
    <message id="menu.undo_replace">
        <source>Undo Replace</source>
        <translation>Desfazer substituição</translation>
    </message>
    <message id="editor.save">
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message id="editor.replace">
        <source>Replace</source>
        <translation>Substituir</translation>
    </message>
    <message id="editor.hint">
        <source>%1 saves the text as a new item, %2 replaces the original, %3 cancels.</source>
        <translation>%1 salva o texto como um novo item, %2 substitui o original e %3 cancela.</translation>
    </message>
    <message id="editor.formatting_dropped">
        <source>This item has formatting. It is edited as plain text, and the formatting is not kept.</source>
        <translation>Este item tem formatação. Ele é editado como texto simples, e a formatação não é mantida.</translation>
    </message>
    <message id="editor.empty">
        <source>An empty text cannot be saved.</source>
        <translation>Não é possível salvar um texto vazio.</translation>
    </message>
    <message id="editor.original_gone">
        <source>The original item is no longer in the history, so it cannot be replaced. Save keeps the text as a new item.</source>
        <translation>O item original não está mais no histórico, então não pode ser substituído. “Salvar” mantém o texto como um novo item.</translation>
    </message>
    <message id="editor.not_stored">
        <source>The text could not be stored. It is still here, so you can try again.</source>
        <translation>Não foi possível armazenar o texto. Ele continua aqui para você tentar novamente.</translation>
    </message>
    <message id="editor.secret_not_recorded">
        <source>This text looks like a secret, and secrets are not recorded (see Preferences). Nothing was saved.</source>
        <translation>Este texto parece um segredo, e segredos não são registrados (veja as Preferências). Nada foi salvo.</translation>
    </message>
    <message id="editor.not_editable">
        <source>Only text can be edited, not images, files or hidden secrets.</source>
        <translation>Só é possível editar texto, não imagens, arquivos ou segredos ocultos.</translation>
    </message>
    <message id="editor.too_long">
        <source>This text is too long to edit here (more than %1 characters).</source>
        <translation>Este texto é longo demais para ser editado aqui (mais de %1 caracteres).</translation>
    </message>
</context>
</TS>
