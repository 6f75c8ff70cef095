// The German texts: every text the program itself shows, by its id.
#include "lang/TextTable.h"

namespace {

constexpr TextEntry kEntries[] = {
    // Main window, the label above the drive list; at most 140 dialog units.
    {TextId::DriveListLabel, L"Quarrix-Laufwerk auswählen:"},
    // Main window, the label above the volume label box; at most 148 dialog units.
    {TextId::VolumeLabelLabel, L"Volumebezeichnung:"},
    // Main window, the label above the drive-letter list; at most 51 dialog units (about 14 letters).
    {TextId::DriveLetterLabel, L"Buchstabe:"},
    // Main window, the label above the file-system list; at most 84 dialog units.
    {TextId::FileSystemLabel, L"Dateisystem:"},
    // Main window, the button that starts a run; at most 90 dialog units of its 100.
    {TextId::StartFormatButton, L"Formatierung starten"},
    // Main window, the red line below the button; one line of at most 253 dialog units (the
    // English one nearly fills it).
    {TextId::WarningLine, L"Warnung: Alle Daten auf dem Quarrix-Laufwerk werden gelöscht!"},
    // Main window, the one entry of the drive list when no drive is attached; at most 180 dialog
    // units, and no square bracket.
    {TextId::NoDrivesEntry, L"Keine Quarrix-Laufwerke gefunden."},
    // Main window, on the warning line in the warning's place when a scan lists no drive but met a
    // Quarrix drive that did not answer. Best on one line of 253 dialog units; at most two lines.
    {TextId::ScanNotReady,
     L"Ein Quarrix-Laufwerk ist angeschlossen, aber nicht bereit: Entsperren Sie es, oder schließen Sie es erneut an."},
    // The same, when the only reason was that opening the drive was refused (a limited account).
    {TextId::ScanAccessRefused,
     L"Dieses Konto darf das angeschlossene Quarrix-Laufwerk nicht öffnen. Führen Sie das Programm als "
     L"Administrator aus."},
    // Main window, the tooltip of the magnifying glass beside the drive list.
    {TextId::SearchAgainToolTip, L"Erneut nach Quarrix-Laufwerken suchen"},
    // Main window, the tooltip of the logo, which opens the About box.
    {TextId::AboutToolTip, L"Info über Quarrix Disk Formatter"},
    // The item added to the window's system menu; & marks its access key.
    {TextId::AboutMenuItem, L"&Info über Quarrix_Disk_Formatter..."},

    // About box, its title bar; at most 150 dialog units.
    {TextId::AboutCaption, L"Über Quarrix Disk Formatter v1.34 Beta"},
    // About box, its button; at most 44 dialog units.
    {TextId::AboutOkButton, L"OK"},

    // Main window, status line while the drive is partitioned (Windows XP); one line of at most
    // 253 dialog units, as is every status line.
    {TextId::StatusPartitioning, L"Laufwerk wird partitioniert..."},
    // Main window, status line while the drive is formatted.
    {TextId::StatusFormatting, L"Laufwerk wird formatiert..."},
    // Main window, status line after a run that succeeded.
    {TextId::StatusFinished, L"Die Formatierung wurde erfolgreich abgeschlossen!"},
    // Main window, status line after a run that failed.
    {TextId::StatusError, L"Ein Fehler ist aufgetreten!"},

    // Message box: the partitioning script could not be written.
    {TextId::ScriptNotCreated, L"Beim Erstellen der diskpart-Datei ist ein Fehler aufgetreten."},
    // Message box: every letter from D: to Z: is in use.
    {TextId::NoFreeLetter,
     L"Für das neue Volume ist kein Laufwerkbuchstabe frei.\n\n"
     L"Entfernen Sie ein Laufwerk, oder geben Sie einen Buchstaben von D: bis Z: frei, und versuchen Sie "
     L"es dann erneut."},
    // Message box: the system gave no temporary folder.
    {TextId::NoTempFolder,
     L"Es gibt keinen temporären Ordner, in den das Partitionierungsskript geschrieben werden kann.\n\n"
     L"Prüfen Sie die Umgebungsvariablen TEMP und TMP Ihres Benutzerkontos, und starten Sie das Programm "
     L"dann erneut."},
    // Message box: the chosen drive was pulled or replaced before the run started.
    {TextId::DriveListChanged,
     L"Die Liste der Laufwerke hat sich geändert, seit Sie das Laufwerk ausgewählt haben.\n\n"
     L"Es wurde nichts formatiert. Prüfen Sie, welches Laufwerk Sie formatieren möchten, und klicken Sie "
     L"dann erneut auf „Formatierung starten“."},
    // Message box: another drive took the chosen letter while the confirmation waited, or before the
    // run began. %1: the letter, such as K.
    {TextId::LetterTaken,
     L"Der Laufwerkbuchstabe %1: wurde inzwischen einem anderen Laufwerk zugewiesen.\n\n"
     L"Es wurde nichts formatiert. Wählen Sie einen anderen Buchstaben, und klicken Sie dann erneut auf "
     L"„Formatierung starten“."},
    // Message box: the label is longer than NTFS allows.
    {TextId::LabelTooLongForNtfs,
     L"Die Volumebezeichnung ist für NTFS zu lang.\n\n"
     L"Eine NTFS-Volumebezeichnung darf höchstens 32 Zeichen lang sein."},
    // Message box: the label is longer than exFAT allows.
    {TextId::LabelTooLongForExfat,
     L"Die Volumebezeichnung ist für exFAT zu lang.\n\n"
     L"Eine exFAT-Volumebezeichnung darf höchstens 11 Zeichen lang sein."},
    // Message box: the label holds a double quotation mark.
    {TextId::LabelHoldsQuotationMark,
     L"Die Volumebezeichnung darf kein doppeltes Anführungszeichen (\") enthalten."},
    // Message box: the label holds a tab, a line break or the like.
    {TextId::LabelHoldsControlCharacter,
     L"Die Volumebezeichnung darf keinen Tabulator, keinen Zeilenumbruch und kein anderes Steuerzeichen "
     L"enthalten."},
    // Message box: the label holds a character exFAT refuses. %1: that character.
    {TextId::LabelHoldsCharacterExfatRefuses,
     L"Eine exFAT-Volumebezeichnung darf das Zeichen '%1' nicht enthalten.\n\n"
     L"Verwenden Sie unter exFAT keines dieser Zeichen: * / : < > ? \\ |"},
    // Message box: the label has characters the system's code page cannot carry (Windows XP).
    {TextId::LabelNotInCodePage,
     L"Die Volumebezeichnung enthält ein Zeichen, das die Datenträgerprogramme dieses Systems nicht "
     L"verarbeiten können.\n\n"
     L"Verwenden Sie Buchstaben, Ziffern und Zeichen der Sprache Ihres Systems."},

    // Confirmation before a run (OK and Cancel buttons), first paragraph. %1: the drive's entry in
    // the drive list, such as [1] - Quarrix QX7 (1TB). It must say plainly that all data is deleted.
    {TextId::ConfirmDriveWillBeDeleted, L"Alle Daten auf dem Laufwerk „%1“ werden gelöscht."},
    // Confirmation, second paragraph, when the drive has volumes. %1: their letters and labels,
    // such as E: (Photos), F:
    {TextId::ConfirmDriveHoldsVolumes, L"Es enthält %1."},
    // Confirmation, a paragraph before the last, on Windows XP for a drive beyond 2.2 TB. %1.%2:
    // the terabytes XP can use, whole and tenths, such as 2 and 2 (write the decimal separator of
    // your language between them).
    {TextId::XpUnusedSpace,
     L"Windows XP kann nur die ersten %1,%2 TB dieses Laufwerks verwenden; der Rest bleibt ungenutzt."},
    // Confirmation, last paragraph: names the box's buttons as Windows labels them.
    {TextId::ConfirmPressOkOrCancel,
     L"Klicken Sie auf „OK“, um das Laufwerk zu formatieren, oder auf „Abbrechen“, um es unverändert zu "
     L"lassen."},
    // Message box before a Quarrix Enterprise drive is formatted.
    {TextId::EnterpriseWarning,
     L"Quarrix Enterprise erkannt!\n\n"
     L"Wenn Sie dazu aufgefordert werden, müssen Sie am Quarrix-Laufwerk [CONTINUE] drücken, damit das "
     L"Dateisystem geändert werden kann. Andernfalls wird die Formatierung nicht erfolgreich abgeschlossen."},
    // Question (Yes and No buttons) when the window is closed during a run.
    {TextId::StopQuestion,
     L"Ein Laufwerk wird gerade formatiert.\n\n"
     L"Wenn Sie jetzt abbrechen, hat das Laufwerk kein verwendbares Dateisystem, bis es erneut formatiert "
     L"wird.\n\n"
     L"Formatierung abbrechen?"},
    // Question (Yes and No buttons) instead, while nothing of the run has started yet.
    {TextId::StopBeforeStartQuestion,
     L"Die Formatierung hat noch nicht begonnen, und auf dem Laufwerk wurde nichts geändert.\n\n"
     L"Formatierung abbrechen?"},
    // Information box after a run that was stopped before anything started.
    {TextId::StoppedBeforeStart,
     L"Die Formatierung wurde abgebrochen, bevor sie begonnen hat. Auf dem Laufwerk wurde nichts geändert."},
    // Shown by Windows when it is asked to shut down or log off during a run.
    {TextId::ShutdownReason, L"Ein Laufwerk wird gerade formatiert."},
    // Question (Yes and No buttons) after a run on Windows XP. %1: the new drive letter, such as E.
    {TextId::OpenDriveQuestion,
     L"Formatieren abgeschlossen.\nMöchten Sie das Laufwerk '%1:\\' jetzt öffnen?"},
    // Message box when the web site could not be opened. %1: the web address.
    {TextId::OpenAddressYourself, L"Öffnen Sie diese Adresse in Ihrem Webbrowser: %1"},
    // Message box when a run could not be started. %1: the system's message, or an error number.
    {TextId::FormatNotStarted, L"Die Formatierung konnte nicht gestartet werden: %1"},

    // The error box after a failed run (OK button), first paragraph, chosen by the cause.
    {TextId::CauseWriteProtected,
     L"Das Laufwerk ist schreibgeschützt. Wenn es einen Schreibschutzschalter hat, schieben Sie ihn in die "
     L"entsperrte Stellung. Bleibt es schreibgeschützt, ist das Laufwerk möglicherweise defekt."},
    {TextId::CauseInUse,
     L"Das Laufwerk wird von einem anderen Programm verwendet. Schließen Sie alle Fenster und Programme, "
     L"die das Laufwerk verwenden, und klicken Sie dann erneut auf „Formatierung starten“."},
    {TextId::CauseAccessDenied,
     L"Windows hat den Zugriff auf das Laufwerk verweigert. Schließen Sie alle Programme, die das Laufwerk "
     L"verwenden, auch Sicherheitssoftware, die es überprüft, und klicken Sie dann erneut auf „Formatierung "
     L"starten“."},
    {TextId::CauseNotReady,
     L"Das Laufwerk ist nicht bereit. Trennen Sie es, schließen Sie es wieder an, warten Sie, bis Windows "
     L"es anzeigt, und klicken Sie dann erneut auf „Formatierung starten“."},
    {TextId::CauseNoAnswer,
     L"Das Laufwerk hat nicht rechtzeitig geantwortet. Trennen Sie es, schließen Sie es an einen anderen "
     L"Anschluss an, und klicken Sie dann erneut auf „Formatierung starten“."},
    {TextId::CauseHardwareError,
     L"Das Laufwerk hat einen Hardwarefehler gemeldet. Versuchen Sie es mit einem anderen Anschluss oder "
     L"Kabel. Tritt der Fehler erneut auf, ist das Laufwerk möglicherweise defekt."},
    // Disk Management is the Windows tool of that name.
    {TextId::CauseOffline,
     L"Das Laufwerk ist offline. Schalten Sie es in der Datenträgerverwaltung online, und klicken Sie dann "
     L"erneut auf „Formatierung starten“."},
    {TextId::CauseLabelRefused,
     L"Windows hat die Volumebezeichnung nicht akzeptiert. Wählen Sie eine andere Bezeichnung, und klicken "
     L"Sie dann erneut auf „Formatierung starten“."},
    // Any other failure of the disk utility.
    {TextId::CauseUnknown, L"Das Datenträgerprogramm hat einen Fehler gemeldet."},
    // %1: the system's message, or an error number.
    {TextId::UtilityNotStarted, L"Das Datenträgerprogramm konnte nicht gestartet werden: %1"},
    {TextId::UtilityNotFound, L"Das Datenträgerprogramm wurde im Systemordner nicht gefunden."},
    // Windows XP only.
    {TextId::XpFormatFailed, L"format.com konnte das neue Volume nicht formatieren."},
    // %1: the new drive letter, such as E.
    {TextId::NewLetterElsewhere,
     L"Das neue Volume ist auf dem ausgewählten Laufwerk nicht unter dem Buchstaben %1: erschienen und "
     L"wurde daher nicht formatiert. Klicken Sie erneut auf „Formatierung starten“."},
    // Not on Windows XP: diskpart formatted the volume, but its letter was not found on the chosen
    // drive before the label was set. %1: the new drive letter, such as E. Rename as Explorer shows it.
    {TextId::LabelLetterElsewhere,
     L"Das Laufwerk wurde formatiert, aber das neue Volume ist auf dem ausgewählten Laufwerk nicht unter "
     L"dem Buchstaben %1: erschienen, daher wurde seine Volumebezeichnung nicht festgelegt. Sobald das "
     L"Laufwerk angezeigt wird, legen Sie die Bezeichnung im Explorer fest: Klicken Sie mit der rechten "
     L"Maustaste auf das Laufwerk, und wählen Sie „Umbenennen“."},
    {TextId::DriveListChangedBeforeSecondRun,
     L"Das Laufwerk wurde nicht erneut formatiert, weil sich die Liste der Laufwerke geändert hat. Prüfen "
     L"Sie das Laufwerk, und klicken Sie dann erneut auf „Formatierung starten“."},
    {TextId::RunStopped,
     L"Die Formatierung wurde abgebrochen. Das Laufwerk hat kein verwendbares Dateisystem, bis es erneut "
     L"formatiert wird: Klicken Sie auf „Formatierung starten“, um es zu formatieren."},
    // %1: the system's message (a sentence with its full stop) or LabelErrorNumber. Rename is
    // Explorer's command on a drive's shortcut menu.
    {TextId::LabelNotSet,
     L"Das Laufwerk wurde formatiert, aber seine Volumebezeichnung konnte nicht festgelegt werden: %1 Sie "
     L"können sie im Explorer festlegen: Klicken Sie mit der rechten Maustaste auf das Laufwerk, und "
     L"wählen Sie „Umbenennen“."},
    // Stands for the system's message in LabelNotSet when there is none. %1: the error number.
    {TextId::LabelErrorNumber, L"Fehler %1."},
    // The error box, before the disk utility's own last lines.
    {TextId::UtilityReported, L"Das Datenträgerprogramm meldete:"},
    {TextId::UtilityPrintedNothing, L"Das Datenträgerprogramm hat nichts ausgegeben."},
    // The error box, near its end. %1: the error code, such as 0x80070013 or 5.
    {TextId::ErrorCodeLine, L"Fehlercode: %1"},
    // The error box, its last line; Ctrl is the keyboard's key (German "Strg").
    {TextId::CopyMessageHint, L"Drücken Sie Strg+C, um diese Meldung zu kopieren."},
};

}  // namespace

extern const TextTable kGermanTexts{kEntries, sizeof(kEntries) / sizeof(kEntries[0])};
