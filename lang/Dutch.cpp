// The Dutch texts: every text the program itself shows, by its id.
#include "lang/TextTable.h"

namespace {

constexpr TextEntry kEntries[] = {
    // Main window, the label above the drive list; at most 140 dialog units.
    {TextId::DriveListLabel, L"Quarrix-station selecteren:"},
    // Main window, the label above the volume label box; at most 148 dialog units.
    {TextId::VolumeLabelLabel, L"Volumelabel:"},
    // Main window, the label above the drive-letter list; at most 51 dialog units (about 14 letters).
    {TextId::DriveLetterLabel, L"Letter:"},
    // Main window, the label above the file-system list; at most 84 dialog units.
    {TextId::FileSystemLabel, L"Bestandssysteem:"},
    // Main window, the button that starts a run; at most 90 dialog units of its 100.
    {TextId::StartFormatButton, L"Formatteren starten"},
    // Main window, the red line below the button; one line of at most 253 dialog units (the
    // English one nearly fills it).
    {TextId::WarningLine, L"Waarschuwing: alle gegevens op het Quarrix-station worden gewist!"},
    // Main window, the one entry of the drive list when no drive is attached; at most 180 dialog
    // units, and no square bracket.
    {TextId::NoDrivesEntry, L"Geen Quarrix-stations gevonden."},
    // Main window, on the warning line in the warning's place when a scan lists no drive but met a
    // Quarrix drive that did not answer. Best on one line of 253 dialog units; at most two lines.
    {TextId::ScanNotReady,
     L"Een Quarrix-station is aangesloten, maar niet gereed: ontgrendel het of sluit het opnieuw aan."},
    // The same, when the only reason was that opening the drive was refused (a limited account).
    {TextId::ScanAccessRefused,
     L"Dit account mag het aangesloten Quarrix-station niet openen: voer het programma uit als "
     L"administrator."},
    // Main window, the tooltip of the magnifying glass beside the drive list.
    {TextId::SearchAgainToolTip, L"Opnieuw naar Quarrix-stations zoeken"},
    // Main window, the tooltip of the logo, which opens the About box.
    {TextId::AboutToolTip, L"Over Quarrix Disk Formatter"},
    // The item added to the window's system menu; & marks its access key.
    {TextId::AboutMenuItem, L"&Over Quarrix_Disk_Formatter..."},

    // About box, its title bar; at most 150 dialog units.
    {TextId::AboutCaption, L"Over Quarrix Disk Formatter v1.34 Beta"},
    // About box, its button; at most 44 dialog units.
    {TextId::AboutOkButton, L"OK"},

    // Main window, status line while the drive is partitioned (Windows XP); one line of at most
    // 253 dialog units, as is every status line.
    {TextId::StatusPartitioning, L"Station wordt gepartitioneerd..."},
    // Main window, status line while the drive is formatted.
    {TextId::StatusFormatting, L"Station wordt geformatteerd..."},
    // Main window, status line after a run that succeeded.
    {TextId::StatusFinished, L"Het formatteren is met succes voltooid!"},
    // Main window, status line after a run that failed.
    {TextId::StatusError, L"Er is een fout opgetreden!"},

    // Message box: the partitioning script could not be written.
    {TextId::ScriptNotCreated, L"Er is een fout opgetreden bij het maken van het diskpart-bestand."},
    // Message box: every letter from D: to Z: is in use.
    {TextId::NoFreeLetter,
     L"Er is geen stationsletter vrij voor het nieuwe volume.\n\n"
     L"Verwijder een station of maak een letter van D: tot en met Z: vrij en probeer het opnieuw."},
    // Message box: the system gave no temporary folder.
    {TextId::NoTempFolder,
     L"Er is geen tijdelijke map waarin het partitioneringsscript kan worden geschreven.\n\n"
     L"Controleer de variabelen TEMP en TMP van uw account en start het programma opnieuw."},
    // Message box: the chosen drive was pulled or replaced before the run started.
    {TextId::DriveListChanged,
     L"De lijst met stations is gewijzigd sinds u het station hebt gekozen.\n\n"
     L"Er is niets geformatteerd. Controleer welk station u wilt formatteren en klik opnieuw op "
     L"“Formatteren starten”."},
    // Message box: another drive took the chosen letter while the confirmation waited, or before the
    // run began. %1: the letter, such as K.
    {TextId::LetterTaken,
     L"De stationsletter %1: is inmiddels aan een ander station toegewezen.\n\n"
     L"Er is niets geformatteerd. Kies een andere letter en klik opnieuw op “Formatteren starten”."},
    // Message box: the label is longer than NTFS allows.
    {TextId::LabelTooLongForNtfs,
     L"Het volumelabel is te lang voor NTFS.\n\n"
     L"Een NTFS-volumelabel mag maximaal 32 tekens bevatten."},
    // Message box: the label is longer than exFAT allows.
    {TextId::LabelTooLongForExfat,
     L"Het volumelabel is te lang voor exFAT.\n\n"
     L"Een exFAT-volumelabel mag maximaal 11 tekens bevatten."},
    // Message box: the label holds a double quotation mark.
    {TextId::LabelHoldsQuotationMark,
     L"Het volumelabel mag geen dubbel aanhalingsteken (\") bevatten."},
    // Message box: the label holds a tab, a line break or the like.
    {TextId::LabelHoldsControlCharacter,
     L"Het volumelabel mag geen tab, regeleinde of ander besturingsteken bevatten."},
    // Message box: the label holds a character exFAT refuses. %1: that character.
    {TextId::LabelHoldsCharacterExfatRefuses,
     L"Een exFAT-volumelabel mag het teken '%1' niet bevatten.\n\n"
     L"Gebruik deze tekens niet bij exFAT: * / : < > ? \\ |"},
    // Message box: the label has characters the system's code page cannot carry (Windows XP).
    {TextId::LabelNotInCodePage,
     L"Het volumelabel bevat een teken dat de schijfhulpprogramma's van dit systeem niet kunnen "
     L"verwerken.\n\n"
     L"Gebruik letters, cijfers en tekens uit de taal van uw systeem."},

    // Confirmation before a run (OK and Cancel buttons), first paragraph. %1: the drive's entry in
    // the drive list, such as [1] - Quarrix QX7 (1TB). It must say plainly that all data is deleted.
    {TextId::ConfirmDriveWillBeDeleted, L"Alle gegevens op het station “%1” worden gewist."},
    // Confirmation, second paragraph, when the drive has volumes. %1: their letters and labels,
    // such as E: (Photos), F:
    {TextId::ConfirmDriveHoldsVolumes, L"Het bevat %1."},
    // Confirmation, a paragraph before the last, on Windows XP for a drive beyond 2.2 TB. %1.%2:
    // the terabytes XP can use, whole and tenths, such as 2 and 2 (write the decimal separator of
    // your language between them).
    {TextId::XpUnusedSpace,
     L"Windows XP kan alleen de eerste %1,%2 TB van dit station gebruiken; de rest blijft ongebruikt."},
    // Confirmation, last paragraph: names the box's buttons as Windows labels them.
    {TextId::ConfirmPressOkOrCancel,
     L"Klik op OK om het te formatteren of op Annuleren om het te behouden."},
    // Message box before a Quarrix Enterprise drive is formatted.
    {TextId::EnterpriseWarning,
     L"Quarrix Enterprise gedetecteerd!\n\n"
     L"Wanneer daarom wordt gevraagd, moet u [CONTINUE] op het Quarrix-station indrukken, zodat het "
     L"bestandssysteem kan worden gewijzigd. Anders wordt het formatteren niet met succes voltooid."},
    // Question (Yes and No buttons) when the window is closed during a run.
    {TextId::StopQuestion,
     L"Er wordt een station geformatteerd.\n\n"
     L"Als u nu stopt, heeft het station geen bruikbaar bestandssysteem totdat het opnieuw wordt "
     L"geformatteerd.\n\n"
     L"Wilt u het formatteren stoppen?"},
    // Question (Yes and No buttons) instead, while nothing of the run has started yet.
    {TextId::StopBeforeStartQuestion,
     L"Het formatteren is nog niet begonnen en er is niets op het station gewijzigd.\n\n"
     L"Wilt u het formatteren stoppen?"},
    // Information box after a run that was stopped before anything started.
    {TextId::StoppedBeforeStart,
     L"Het formatteren is gestopt voordat het was begonnen. Er is niets op het station gewijzigd."},
    // Shown by Windows when it is asked to shut down or log off during a run.
    {TextId::ShutdownReason, L"Er wordt een station geformatteerd."},
    // Question (Yes and No buttons) after a run on Windows XP. %1: the new drive letter, such as E.
    {TextId::OpenDriveQuestion, L"Formatteren voltooid.\nWilt u station '%1:\\' nu openen?"},
    // Message box when the web site could not be opened. %1: the web address.
    {TextId::OpenAddressYourself, L"Open dit adres in uw webbrowser: %1"},
    // Message box when a run could not be started. %1: the system's message, or an error number.
    {TextId::FormatNotStarted, L"Het formatteren kan niet worden gestart: %1"},

    // The error box after a failed run (OK button), first paragraph, chosen by the cause.
    {TextId::CauseWriteProtected,
     L"Het station is tegen schrijven beveiligd. Als het een vergrendelingsschakelaar heeft, schuift u "
     L"deze naar ontgrendeld. Blijft het station tegen schrijven beveiligd, dan is het mogelijk defect."},
    {TextId::CauseInUse,
     L"Het station wordt door een ander programma gebruikt. Sluit alle vensters en programma's die het "
     L"station gebruiken en klik opnieuw op “Formatteren starten”."},
    {TextId::CauseAccessDenied,
     L"Windows heeft de toegang tot het station geweigerd. Sluit alle programma's die het station "
     L"gebruiken, ook beveiligingssoftware die het scant, en klik opnieuw op “Formatteren starten”."},
    {TextId::CauseNotReady,
     L"Het station is niet gereed. Koppel het los, sluit het opnieuw aan, wacht tot Windows het weergeeft "
     L"en klik opnieuw op “Formatteren starten”."},
    {TextId::CauseNoAnswer,
     L"Het station heeft niet op tijd gereageerd. Koppel het los, sluit het aan op een andere poort en "
     L"klik opnieuw op “Formatteren starten”."},
    {TextId::CauseHardwareError,
     L"Het station heeft een hardwarefout gemeld. Probeer een andere poort of kabel; als de fout "
     L"terugkomt, is het station mogelijk defect."},
    // Disk Management is the Windows tool of that name.
    {TextId::CauseOffline,
     L"Het station is offline. Zet het online in Schijfbeheer en klik opnieuw op “Formatteren starten”."},
    {TextId::CauseLabelRefused,
     L"Windows heeft het volumelabel niet geaccepteerd. Kies een ander label en klik opnieuw op "
     L"“Formatteren starten”."},
    // Any other failure of the disk utility.
    {TextId::CauseUnknown, L"Het schijfhulpprogramma heeft een fout gemeld."},
    // %1: the system's message, or an error number.
    {TextId::UtilityNotStarted, L"Het schijfhulpprogramma kan niet worden gestart: %1"},
    {TextId::UtilityNotFound, L"Het schijfhulpprogramma is niet gevonden in de systeemmap."},
    // Windows XP only.
    {TextId::XpFormatFailed, L"format.com kan het nieuwe volume niet formatteren."},
    // %1: the new drive letter, such as E.
    {TextId::NewLetterElsewhere,
     L"Het nieuwe volume is niet onder de letter %1: op het gekozen station verschenen en is daarom niet "
     L"geformatteerd. Klik opnieuw op “Formatteren starten”."},
    // Not on Windows XP: diskpart formatted the volume, but its letter was not found on the chosen
    // drive before the label was set. %1: the new drive letter, such as E. Rename as Explorer shows it.
    {TextId::LabelLetterElsewhere,
     L"Het station is geformatteerd, maar het nieuwe volume is niet onder de letter %1: op het gekozen "
     L"station verschenen en daarom is het volumelabel niet ingesteld. Stel het label in Verkenner in "
     L"zodra het station verschijnt: klik met de rechtermuisknop op het station en kies “Naam wijzigen”."},
    {TextId::DriveListChangedBeforeSecondRun,
     L"Het station is niet opnieuw geformatteerd omdat de lijst met stations is gewijzigd. Controleer het "
     L"station en klik opnieuw op “Formatteren starten”."},
    {TextId::RunStopped,
     L"Het formatteren is gestopt. Het station heeft geen bruikbaar bestandssysteem totdat het opnieuw "
     L"wordt geformatteerd: klik op “Formatteren starten” om het te formatteren."},
    // %1: the system's message (a sentence with its full stop) or LabelErrorNumber. Rename is
    // Explorer's command on a drive's shortcut menu.
    {TextId::LabelNotSet,
     L"Het station is geformatteerd, maar het volumelabel kan niet worden ingesteld: %1 U kunt het "
     L"instellen in Verkenner: klik met de rechtermuisknop op het station en kies “Naam wijzigen”."},
    // Stands for the system's message in LabelNotSet when there is none. %1: the error number.
    {TextId::LabelErrorNumber, L"fout %1."},
    // The error box, before the disk utility's own last lines.
    {TextId::UtilityReported, L"Het schijfhulpprogramma meldde:"},
    {TextId::UtilityPrintedNothing, L"Het schijfhulpprogramma heeft niets weergegeven."},
    // The error box, near its end. %1: the error code, such as 0x80070013 or 5.
    {TextId::ErrorCodeLine, L"Foutcode: %1"},
    // The error box, its last line; Ctrl is the keyboard's key (German "Strg").
    {TextId::CopyMessageHint, L"Druk op Ctrl+C om dit bericht te kopiëren."},
};

}  // namespace

extern const TextTable kDutchTexts{kEntries, sizeof(kEntries) / sizeof(kEntries[0])};
