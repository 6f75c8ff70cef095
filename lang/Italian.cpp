// The Italian texts: every text the program itself shows, by its id.
#include "lang/TextTable.h"

namespace {

constexpr TextEntry kEntries[] = {
    // Main window, the label above the drive list; at most 140 dialog units.
    {TextId::DriveListLabel, L"Seleziona l'unità Quarrix:"},
    // Main window, the label above the volume label box; at most 148 dialog units.
    {TextId::VolumeLabelLabel, L"Etichetta di volume:"},
    // Main window, the label above the drive-letter list; at most 51 dialog units (about 14 letters).
    {TextId::DriveLetterLabel, L"Lettera:"},
    // Main window, the label above the file-system list; at most 84 dialog units.
    {TextId::FileSystemLabel, L"File system:"},
    // Main window, the button that starts a run; at most 90 dialog units of its 100.
    {TextId::StartFormatButton, L"Avvia formattazione"},
    // Main window, the red line below the button; one line of at most 253 dialog units (the
    // English one nearly fills it).
    {TextId::WarningLine, L"Attenzione: tutti i dati dell'unità Quarrix verranno cancellati!"},
    // Main window, the one entry of the drive list when no drive is attached; at most 180 dialog
    // units, and no square bracket.
    {TextId::NoDrivesEntry, L"Nessuna unità Quarrix trovata."},
    // Main window, on the warning line in the warning's place when a scan lists no drive but met a
    // Quarrix drive that did not answer. Best on one line of 253 dialog units; at most two lines.
    {TextId::ScanNotReady, L"Un'unità Quarrix è collegata ma non è pronta: sbloccala o ricollegala."},
    // The same, when the only reason was that opening the drive was refused (a limited account).
    {TextId::ScanAccessRefused,
     L"Un'unità Quarrix è collegata, ma questo account non può aprirla: esegui il programma come "
     L"amministratore."},
    // Main window, the tooltip of the magnifying glass beside the drive list.
    {TextId::SearchAgainToolTip, L"Cerca di nuovo le unità Quarrix"},
    // Main window, the tooltip of the logo, which opens the About box.
    {TextId::AboutToolTip, L"Informazioni su Quarrix Disk Formatter"},
    // The item added to the window's system menu; & marks its access key.
    {TextId::AboutMenuItem, L"&Informazioni su Quarrix_Disk_Formatter..."},

    // About box, its title bar; at most 150 dialog units.
    {TextId::AboutCaption, L"Info su Quarrix Disk Formatter v1.34 Beta"},
    // About box, its button; at most 44 dialog units.
    {TextId::AboutOkButton, L"OK"},

    // Main window, status line while the drive is partitioned (Windows XP); one line of at most
    // 253 dialog units, as is every status line.
    {TextId::StatusPartitioning, L"Partizionamento dell'unità in corso..."},
    // Main window, status line while the drive is formatted.
    {TextId::StatusFormatting, L"Formattazione dell'unità in corso..."},
    // Main window, status line after a run that succeeded.
    {TextId::StatusFinished, L"Formattazione completata correttamente!"},
    // Main window, status line after a run that failed.
    {TextId::StatusError, L"Si è verificato un errore!"},

    // Message box: the partitioning script could not be written.
    {TextId::ScriptNotCreated, L"Si è verificato un errore durante la creazione del file di diskpart."},
    // Message box: every letter from D: to Z: is in use.
    {TextId::NoFreeLetter,
     L"Non è disponibile alcuna lettera di unità per il nuovo volume.\n\n"
     L"Rimuovi un'unità o libera una lettera da D: a Z:, quindi riprova."},
    // Message box: the system gave no temporary folder.
    {TextId::NoTempFolder,
     L"Non è disponibile una cartella temporanea in cui scrivere lo script di partizionamento.\n\n"
     L"Controlla le variabili TEMP e TMP del tuo account, quindi riavvia il programma."},
    // Message box: the chosen drive was pulled or replaced before the run started.
    {TextId::DriveListChanged,
     L"L'elenco delle unità è cambiato da quando hai scelto l'unità.\n\n"
     L"Non è stato formattato nulla. Controlla l'unità da formattare, quindi fai di nuovo clic su “Avvia "
     L"formattazione”."},
    // Message box: another drive took the chosen letter while the confirmation waited, or before the
    // run began. %1: the letter, such as K.
    {TextId::LetterTaken,
     L"Nel frattempo la lettera di unità %1: è stata assegnata a un'altra unità.\n\n"
     L"Non è stato formattato nulla. Scegli un'altra lettera, quindi fai di nuovo clic su “Avvia "
     L"formattazione”."},
    // Message box: the label is longer than NTFS allows.
    {TextId::LabelTooLongForNtfs,
     L"L'etichetta di volume è troppo lunga per NTFS.\n\n"
     L"Un'etichetta NTFS può contenere al massimo 32 caratteri."},
    // Message box: the label is longer than exFAT allows.
    {TextId::LabelTooLongForExfat,
     L"L'etichetta di volume è troppo lunga per exFAT.\n\n"
     L"Un'etichetta exFAT può contenere al massimo 11 caratteri."},
    // Message box: the label holds a double quotation mark.
    {TextId::LabelHoldsQuotationMark,
     L"L'etichetta di volume non può contenere virgolette doppie (\")."},
    // Message box: the label holds a tab, a line break or the like.
    {TextId::LabelHoldsControlCharacter,
     L"L'etichetta di volume non può contenere tabulazioni, interruzioni di riga o altri caratteri di "
     L"controllo."},
    // Message box: the label holds a character exFAT refuses. %1: that character.
    {TextId::LabelHoldsCharacterExfatRefuses,
     L"Un'etichetta di volume exFAT non può contenere il carattere '%1'.\n\n"
     L"Con exFAT non usare questi caratteri: * / : < > ? \\ |"},
    // Message box: the label has characters the system's code page cannot carry (Windows XP).
    {TextId::LabelNotInCodePage,
     L"L'etichetta di volume contiene un carattere che le utilità disco di questo sistema non "
     L"supportano.\n\n"
     L"Usa lettere, cifre e simboli della lingua del tuo sistema."},

    // Confirmation before a run (OK and Cancel buttons), first paragraph. %1: the drive's entry in
    // the drive list, such as [1] - Quarrix QX7 (1TB). It must say plainly that all data is deleted.
    {TextId::ConfirmDriveWillBeDeleted, L"Tutti i dati dell'unità “%1” verranno cancellati."},
    // Confirmation, second paragraph, when the drive has volumes. %1: their letters and labels,
    // such as E: (Photos), F:
    {TextId::ConfirmDriveHoldsVolumes, L"Contiene %1."},
    // Confirmation, a paragraph before the last, on Windows XP for a drive beyond 2.2 TB. %1.%2:
    // the terabytes XP can use, whole and tenths, such as 2 and 2 (write the decimal separator of
    // your language between them).
    {TextId::XpUnusedSpace,
     L"Windows XP può usare solo i primi %1,%2 TB di questa unità; il resto rimane inutilizzato."},
    // Confirmation, last paragraph: names the box's buttons as Windows labels them.
    {TextId::ConfirmPressOkOrCancel,
     L"Fai clic su OK per formattarla oppure su Annulla per mantenerla."},
    // Message box before a Quarrix Enterprise drive is formatted.
    {TextId::EnterpriseWarning,
     L"Rilevato Quarrix Enterprise!\n\n"
     L"Quando richiesto, dovrai premere [CONTINUE] sull'unità Quarrix per consentire la modifica del file "
     L"system. In caso contrario, la formattazione non verrà completata correttamente."},
    // Question (Yes and No buttons) when the window is closed during a run.
    {TextId::StopQuestion,
     L"È in corso la formattazione di un'unità.\n\n"
     L"Se la interrompi ora, l'unità resterà senza un file system utilizzabile finché non verrà formattata "
     L"di nuovo.\n\n"
     L"Vuoi interrompere la formattazione?"},
    // Question (Yes and No buttons) instead, while nothing of the run has started yet.
    {TextId::StopBeforeStartQuestion,
     L"La formattazione non è ancora iniziata e sull'unità non è stato modificato nulla.\n\n"
     L"Vuoi interrompere la formattazione?"},
    // Information box after a run that was stopped before anything started.
    {TextId::StoppedBeforeStart,
     L"La formattazione è stata interrotta prima di iniziare. Sull'unità non è stato modificato nulla."},
    // Shown by Windows when it is asked to shut down or log off during a run.
    {TextId::ShutdownReason, L"È in corso la formattazione di un'unità."},
    // Question (Yes and No buttons) after a run on Windows XP. %1: the new drive letter, such as E.
    {TextId::OpenDriveQuestion, L"Formattazione completata.\nVuoi aprire ora l'unità '%1:\\'?"},
    // Message box when the web site could not be opened. %1: the web address.
    {TextId::OpenAddressYourself, L"Apri questo indirizzo nel browser Web: %1"},
    // Message box when a run could not be started. %1: the system's message, or an error number.
    {TextId::FormatNotStarted, L"Impossibile avviare la formattazione: %1"},

    // The error box after a failed run (OK button), first paragraph, chosen by the cause.
    {TextId::CauseWriteProtected,
     L"L'unità è protetta da scrittura. Se ha un interruttore di blocco, spostalo in posizione di sblocco. "
     L"Se resta protetta da scrittura, l'unità potrebbe essere guasta."},
    {TextId::CauseInUse,
     L"L'unità è in uso da parte di un altro programma. Chiudi tutte le finestre e i programmi che usano "
     L"l'unità, quindi fai di nuovo clic su “Avvia formattazione”."},
    {TextId::CauseAccessDenied,
     L"Windows ha negato l'accesso all'unità. Chiudi tutti i programmi che usano l'unità, compreso il "
     L"software di sicurezza che la analizza, quindi fai di nuovo clic su “Avvia formattazione”."},
    {TextId::CauseNotReady,
     L"L'unità non è pronta. Scollegala, ricollegala, attendi che Windows la mostri, quindi fai di nuovo "
     L"clic su “Avvia formattazione”."},
    {TextId::CauseNoAnswer,
     L"L'unità non ha risposto in tempo. Scollegala e collegala a un'altra porta, quindi fai di nuovo clic "
     L"su “Avvia formattazione”."},
    {TextId::CauseHardwareError,
     L"L'unità ha segnalato un errore hardware. Prova un'altra porta o un altro cavo; se l'errore si "
     L"ripresenta, l'unità potrebbe essere guasta."},
    // Disk Management is the Windows tool of that name.
    {TextId::CauseOffline,
     L"L'unità non è in linea. Portala in linea in Gestione disco, quindi fai di nuovo clic su “Avvia "
     L"formattazione”."},
    {TextId::CauseLabelRefused,
     L"Windows non ha accettato l'etichetta di volume. Scegli un'altra etichetta, quindi fai di nuovo clic "
     L"su “Avvia formattazione”."},
    // Any other failure of the disk utility.
    {TextId::CauseUnknown, L"L'utilità disco ha segnalato un errore."},
    // %1: the system's message, or an error number.
    {TextId::UtilityNotStarted, L"Impossibile avviare l'utilità disco: %1"},
    {TextId::UtilityNotFound, L"Impossibile trovare l'utilità disco nella cartella di sistema."},
    // Windows XP only.
    {TextId::XpFormatFailed, L"format.com non è riuscito a formattare il nuovo volume."},
    // %1: the new drive letter, such as E.
    {TextId::NewLetterElsewhere,
     L"Il nuovo volume non è comparso con la lettera %1: sull'unità scelta, quindi non è stato formattato. "
     L"Fai di nuovo clic su “Avvia formattazione”."},
    // Not on Windows XP: diskpart formatted the volume, but its letter was not found on the chosen
    // drive before the label was set. %1: the new drive letter, such as E. Rename as Explorer shows it.
    {TextId::LabelLetterElsewhere,
     L"L'unità è stata formattata, ma il nuovo volume non è comparso con la lettera %1: sull'unità scelta, "
     L"quindi la sua etichetta non è stata impostata. Quando l'unità compare, imposta l'etichetta in "
     L"Esplora file: fai clic con il pulsante destro del mouse sull'unità e scegli “Rinomina”."},
    {TextId::DriveListChangedBeforeSecondRun,
     L"L'unità non è stata formattata di nuovo perché l'elenco delle unità è cambiato. Controlla l'unità, "
     L"quindi fai di nuovo clic su “Avvia formattazione”."},
    {TextId::RunStopped,
     L"La formattazione è stata interrotta. L'unità non ha un file system utilizzabile finché non viene "
     L"formattata di nuovo: fai clic su “Avvia formattazione” per formattarla."},
    // %1: the system's message (a sentence with its full stop) or LabelErrorNumber. Rename is
    // Explorer's command on a drive's shortcut menu.
    {TextId::LabelNotSet,
     L"L'unità è stata formattata, ma non è stato possibile impostarne l'etichetta: %1 Puoi impostarla in "
     L"Esplora file: fai clic con il pulsante destro del mouse sull'unità e scegli “Rinomina”."},
    // Stands for the system's message in LabelNotSet when there is none. %1: the error number.
    {TextId::LabelErrorNumber, L"errore %1."},
    // The error box, before the disk utility's own last lines.
    {TextId::UtilityReported, L"L'utilità disco ha segnalato:"},
    {TextId::UtilityPrintedNothing, L"L'utilità disco non ha prodotto alcun output."},
    // The error box, near its end. %1: the error code, such as 0x80070013 or 5.
    {TextId::ErrorCodeLine, L"Codice errore: %1"},
    // The error box, its last line; Ctrl is the keyboard's key (German "Strg").
    {TextId::CopyMessageHint, L"Premi Ctrl+C per copiare questo messaggio."},
};

}  // namespace

extern const TextTable kItalianTexts{kEntries, sizeof(kEntries) / sizeof(kEntries[0])};
