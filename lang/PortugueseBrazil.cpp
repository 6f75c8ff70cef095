// The Portuguese (Brazil) texts: every text the program itself shows, by its id.
#include "lang/TextTable.h"

namespace {

constexpr TextEntry kEntries[] = {
    // Main window, the label above the drive list; at most 140 dialog units.
    {TextId::DriveListLabel, L"Selecione a unidade Quarrix:"},
    // Main window, the label above the volume label box; at most 148 dialog units.
    {TextId::VolumeLabelLabel, L"Rótulo do volume:"},
    // Main window, the label above the drive-letter list; at most 51 dialog units (about 14 letters).
    {TextId::DriveLetterLabel, L"Letra:"},
    // Main window, the label above the file-system list; at most 84 dialog units.
    {TextId::FileSystemLabel, L"Sistema de arquivos:"},
    // Main window, the button that starts a run; at most 90 dialog units of its 100.
    {TextId::StartFormatButton, L"Iniciar formatação"},
    // Main window, the red line below the button; one line of at most 253 dialog units (the
    // English one nearly fills it).
    {TextId::WarningLine, L"Aviso: todos os dados da unidade Quarrix serão apagados!"},
    // Main window, the one entry of the drive list when no drive is attached; at most 180 dialog
    // units, and no square bracket.
    {TextId::NoDrivesEntry, L"Nenhuma unidade Quarrix encontrada."},
    // Main window, on the warning line in the warning's place when a scan lists no drive but met a
    // Quarrix drive that did not answer. Best on one line of 253 dialog units; at most two lines.
    {TextId::ScanNotReady, L"Uma unidade Quarrix está conectada, mas não está pronta: desbloqueie-a ou reconecte-a."},
    // The same, when the only reason was that opening the drive was refused (a limited account).
    {TextId::ScanAccessRefused,
     L"Esta conta não pode abrir a unidade Quarrix conectada: execute o programa como administrador."},
    // Main window, the tooltip of the magnifying glass beside the drive list.
    {TextId::SearchAgainToolTip, L"Procurar unidades Quarrix novamente"},
    // Main window, the tooltip of the logo, which opens the About box.
    {TextId::AboutToolTip, L"Sobre o Quarrix Disk Formatter"},
    // The item added to the window's system menu; & marks its access key.
    {TextId::AboutMenuItem, L"&Sobre o Quarrix_Disk_Formatter..."},

    // About box, its title bar; at most 150 dialog units.
    {TextId::AboutCaption, L"Sobre o Quarrix Disk Formatter v1.34 Beta"},
    // About box, its button; at most 44 dialog units.
    {TextId::AboutOkButton, L"OK"},

    // Main window, status line while the drive is partitioned (Windows XP); one line of at most
    // 253 dialog units, as is every status line.
    {TextId::StatusPartitioning, L"Particionando a unidade..."},
    // Main window, status line while the drive is formatted.
    {TextId::StatusFormatting, L"Formatando a unidade..."},
    // Main window, status line after a run that succeeded.
    {TextId::StatusFinished, L"A formatação foi concluída com êxito!"},
    // Main window, status line after a run that failed.
    {TextId::StatusError, L"Ocorreu um erro!"},

    // Message box: the partitioning script could not be written.
    {TextId::ScriptNotCreated, L"Ocorreu um erro ao criar o arquivo do diskpart."},
    // Message box: every letter from D: to Z: is in use.
    {TextId::NoFreeLetter,
     L"Não há nenhuma letra de unidade livre para o novo volume.\n\n"
     L"Remova uma unidade ou libere uma letra de D: a Z: e tente novamente."},
    // Message box: the system gave no temporary folder.
    {TextId::NoTempFolder,
     L"Não há uma pasta temporária onde gravar o script de particionamento.\n\n"
     L"Verifique as variáveis TEMP e TMP da sua conta e inicie o programa novamente."},
    // Message box: the chosen drive was pulled or replaced before the run started.
    {TextId::DriveListChanged,
     L"A lista de unidades mudou desde que você escolheu a unidade.\n\n"
     L"Nada foi formatado. Verifique a unidade que deseja formatar e clique em “Iniciar formatação” "
     L"novamente."},
    // Message box: another drive took the chosen letter while the confirmation waited, or before the
    // run began. %1: the letter, such as K.
    {TextId::LetterTaken,
     L"A letra de unidade %1: foi atribuída a outra unidade enquanto você decidia.\n\n"
     L"Nada foi formatado. Escolha outra letra e clique em “Iniciar formatação” novamente."},
    // Message box: the label is longer than NTFS allows.
    {TextId::LabelTooLongForNtfs,
     L"O rótulo do volume é muito longo para NTFS.\n\n"
     L"Um rótulo NTFS pode ter no máximo 32 caracteres."},
    // Message box: the label is longer than exFAT allows.
    {TextId::LabelTooLongForExfat,
     L"O rótulo do volume é muito longo para exFAT.\n\n"
     L"Um rótulo exFAT pode ter no máximo 11 caracteres."},
    // Message box: the label holds a double quotation mark.
    {TextId::LabelHoldsQuotationMark, L"O rótulo do volume não pode conter aspas duplas (\")."},
    // Message box: the label holds a tab, a line break or the like.
    {TextId::LabelHoldsControlCharacter,
     L"O rótulo do volume não pode conter tabulações, quebras de linha ou outros caracteres de controle."},
    // Message box: the label holds a character exFAT refuses. %1: that character.
    {TextId::LabelHoldsCharacterExfatRefuses,
     L"Um rótulo de volume exFAT não pode conter o caractere '%1'.\n\n"
     L"Não use estes caracteres em exFAT: * / : < > ? \\ |"},
    // Message box: the label has characters the system's code page cannot carry (Windows XP).
    {TextId::LabelNotInCodePage,
     L"O rótulo do volume contém um caractere que os utilitários de disco deste sistema não aceitam.\n\n"
     L"Use letras, números e sinais do idioma do seu sistema."},

    // Confirmation before a run (OK and Cancel buttons), first paragraph. %1: the drive's entry in
    // the drive list, such as [1] - Quarrix QX7 (1TB). It must say plainly that all data is deleted.
    {TextId::ConfirmDriveWillBeDeleted, L"Todos os dados da unidade “%1” serão apagados."},
    // Confirmation, second paragraph, when the drive has volumes. %1: their letters and labels,
    // such as E: (Photos), F:
    {TextId::ConfirmDriveHoldsVolumes, L"Ela contém %1."},
    // Confirmation, a paragraph before the last, on Windows XP for a drive beyond 2.2 TB. %1.%2:
    // the terabytes XP can use, whole and tenths, such as 2 and 2 (write the decimal separator of
    // your language between them).
    {TextId::XpUnusedSpace,
     L"O Windows XP só pode usar os primeiros %1,%2 TB desta unidade; o restante ficará sem uso."},
    // Confirmation, last paragraph: names the box's buttons as Windows labels them.
    {TextId::ConfirmPressOkOrCancel, L"Clique em OK para formatá-la ou em Cancelar para mantê-la."},
    // Message box before a Quarrix Enterprise drive is formatted.
    {TextId::EnterpriseWarning,
     L"Quarrix Enterprise detectado!\n\n"
     L"Quando solicitado, você precisará pressionar [CONTINUE] na unidade Quarrix para permitir a "
     L"modificação do sistema de arquivos. Caso contrário, a formatação não será concluída com êxito."},
    // Question (Yes and No buttons) when the window is closed during a run.
    {TextId::StopQuestion,
     L"Uma unidade está sendo formatada.\n\n"
     L"Se você parar agora, a unidade ficará sem um sistema de arquivos utilizável até ser formatada "
     L"novamente.\n\n"
     L"Deseja parar a formatação?"},
    // Question (Yes and No buttons) instead, while nothing of the run has started yet.
    {TextId::StopBeforeStartQuestion,
     L"A formatação ainda não começou e nada foi alterado na unidade.\n\n"
     L"Deseja parar a formatação?"},
    // Information box after a run that was stopped before anything started.
    {TextId::StoppedBeforeStart,
     L"A formatação foi interrompida antes de começar. Nada foi alterado na unidade."},
    // Shown by Windows when it is asked to shut down or log off during a run.
    {TextId::ShutdownReason, L"Uma unidade está sendo formatada."},
    // Question (Yes and No buttons) after a run on Windows XP. %1: the new drive letter, such as E.
    {TextId::OpenDriveQuestion, L"Formatação concluída.\nDeseja abrir a unidade '%1:\\' agora?"},
    // Message box when the web site could not be opened. %1: the web address.
    {TextId::OpenAddressYourself, L"Abra este endereço no seu navegador da Web: %1"},
    // Message box when a run could not be started. %1: the system's message, or an error number.
    {TextId::FormatNotStarted, L"Não foi possível iniciar a formatação: %1"},

    // The error box after a failed run (OK button), first paragraph, chosen by the cause.
    {TextId::CauseWriteProtected,
     L"A unidade está protegida contra gravação. Se ela tiver uma chave de bloqueio, deslize-a para a "
     L"posição desbloqueada. Se continuar protegida contra gravação, a unidade pode estar com defeito."},
    {TextId::CauseInUse,
     L"A unidade está sendo usada por outro programa. Feche todas as janelas e programas que usam a "
     L"unidade e clique em “Iniciar formatação” novamente."},
    {TextId::CauseAccessDenied,
     L"O Windows negou o acesso à unidade. Feche todos os programas que usam a unidade, inclusive o "
     L"software de segurança que a verifica, e clique em “Iniciar formatação” novamente."},
    {TextId::CauseNotReady,
     L"A unidade não está pronta. Desconecte-a, conecte-a novamente, aguarde até que o Windows a mostre e "
     L"clique em “Iniciar formatação” novamente."},
    {TextId::CauseNoAnswer,
     L"A unidade não respondeu a tempo. Desconecte-a, conecte-a a outra porta e clique em “Iniciar "
     L"formatação” novamente."},
    {TextId::CauseHardwareError,
     L"A unidade relatou um erro de hardware. Tente outra porta ou outro cabo; se o erro voltar a ocorrer, "
     L"a unidade pode estar com defeito."},
    // Disk Management is the Windows tool of that name.
    {TextId::CauseOffline,
     L"A unidade está offline. Coloque-a online no Gerenciamento de Disco e clique em “Iniciar formatação” "
     L"novamente."},
    {TextId::CauseLabelRefused,
     L"O Windows não aceitou o rótulo do volume. Escolha outro rótulo e clique em “Iniciar formatação” "
     L"novamente."},
    // Any other failure of the disk utility.
    {TextId::CauseUnknown, L"O utilitário de disco relatou um erro."},
    // %1: the system's message, or an error number.
    {TextId::UtilityNotStarted, L"Não foi possível iniciar o utilitário de disco: %1"},
    {TextId::UtilityNotFound, L"O utilitário de disco não foi encontrado na pasta do sistema."},
    // Windows XP only.
    {TextId::XpFormatFailed, L"O format.com não conseguiu formatar o novo volume."},
    // %1: the new drive letter, such as E.
    {TextId::NewLetterElsewhere,
     L"O novo volume não apareceu com a letra %1: na unidade escolhida e, por isso, não foi formatado. "
     L"Clique em “Iniciar formatação” novamente."},
    // Not on Windows XP: diskpart formatted the volume, but its letter was not found on the chosen
    // drive before the label was set. %1: the new drive letter, such as E. Rename as Explorer shows it.
    {TextId::LabelLetterElsewhere,
     L"A unidade foi formatada, mas o novo volume não apareceu com a letra %1: na unidade escolhida e, por "
     L"isso, o rótulo não foi definido. Quando a unidade aparecer, defina o rótulo no Explorador de "
     L"Arquivos: clique com o botão direito do mouse na unidade e escolha “Renomear”."},
    {TextId::DriveListChangedBeforeSecondRun,
     L"A unidade não foi formatada novamente porque a lista de unidades mudou. Verifique a unidade e "
     L"clique em “Iniciar formatação” novamente."},
    {TextId::RunStopped,
     L"A formatação foi interrompida. A unidade não terá um sistema de arquivos utilizável até ser "
     L"formatada novamente: clique em “Iniciar formatação” para formatá-la."},
    // %1: the system's message (a sentence with its full stop) or LabelErrorNumber. Rename is
    // Explorer's command on a drive's shortcut menu.
    {TextId::LabelNotSet,
     L"A unidade foi formatada, mas não foi possível definir o rótulo: %1 Você pode defini-lo no "
     L"Explorador de Arquivos: clique com o botão direito do mouse na unidade e escolha “Renomear”."},
    // Stands for the system's message in LabelNotSet when there is none. %1: the error number.
    {TextId::LabelErrorNumber, L"erro %1."},
    // The error box, before the disk utility's own last lines.
    {TextId::UtilityReported, L"O utilitário de disco relatou:"},
    {TextId::UtilityPrintedNothing, L"O utilitário de disco não exibiu nada."},
    // The error box, near its end. %1: the error code, such as 0x80070013 or 5.
    {TextId::ErrorCodeLine, L"Código de erro: %1"},
    // The error box, its last line; Ctrl is the keyboard's key (German "Strg").
    {TextId::CopyMessageHint, L"Pressione Ctrl+C para copiar esta mensagem."},
};

}  // namespace

extern const TextTable kPortugueseBrazilTexts{kEntries, sizeof(kEntries) / sizeof(kEntries[0])};
