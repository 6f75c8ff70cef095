// The Polish texts: every text the program itself shows, by its id.
#include "lang/TextTable.h"

namespace {

constexpr TextEntry kEntries[] = {
    // Main window, the label above the drive list; at most 140 dialog units.
    {TextId::DriveListLabel, L"Wybierz dysk Quarrix:"},
    // Main window, the label above the volume label box; at most 148 dialog units.
    {TextId::VolumeLabelLabel, L"Etykieta woluminu:"},
    // Main window, the label above the drive-letter list; at most 51 dialog units (about 14 letters).
    {TextId::DriveLetterLabel, L"Litera dysku:"},
    // Main window, the label above the file-system list; at most 84 dialog units.
    {TextId::FileSystemLabel, L"System plików:"},
    // Main window, the button that starts a run; at most 90 dialog units of its 100.
    {TextId::StartFormatButton, L"Rozpocznij formatowanie"},
    // Main window, the red line below the button; one line of at most 253 dialog units (the
    // English one nearly fills it).
    {TextId::WarningLine, L"Ostrzeżenie: wszystkie dane na dysku Quarrix zostaną usunięte!"},
    // Main window, the one entry of the drive list when no drive is attached; at most 180 dialog
    // units, and no square bracket.
    {TextId::NoDrivesEntry, L"Nie znaleziono dysków Quarrix."},
    // Main window, on the warning line in the warning's place when a scan lists no drive but met a
    // Quarrix drive that did not answer. Best on one line of 253 dialog units; at most two lines.
    {TextId::ScanNotReady, L"Dysk Quarrix jest podłączony, ale nie jest gotowy: odblokuj go lub podłącz ponownie."},
    // The same, when the only reason was that opening the drive was refused (a limited account).
    {TextId::ScanAccessRefused,
     L"To konto nie ma uprawnień do otwarcia podłączonego dysku Quarrix: uruchom program jako "
     L"administrator."},
    // Main window, the tooltip of the magnifying glass beside the drive list.
    {TextId::SearchAgainToolTip, L"Wyszukaj ponownie dyski Quarrix"},
    // Main window, the tooltip of the logo, which opens the About box.
    {TextId::AboutToolTip, L"Informacje o programie Quarrix Disk Formatter"},
    // The item added to the window's system menu; & marks its access key.
    {TextId::AboutMenuItem, L"&Informacje o programie Quarrix_Disk_Formatter..."},

    // About box, its title bar; at most 150 dialog units.
    {TextId::AboutCaption, L"O Quarrix Disk Formatter v1.34 Beta"},
    // About box, its button; at most 44 dialog units.
    {TextId::AboutOkButton, L"OK"},

    // Main window, status line while the drive is partitioned (Windows XP); one line of at most
    // 253 dialog units, as is every status line.
    {TextId::StatusPartitioning, L"Partycjonowanie dysku..."},
    // Main window, status line while the drive is formatted.
    {TextId::StatusFormatting, L"Formatowanie dysku..."},
    // Main window, status line after a run that succeeded.
    {TextId::StatusFinished, L"Formatowanie zakończyło się pomyślnie!"},
    // Main window, status line after a run that failed.
    {TextId::StatusError, L"Wystąpił błąd!"},

    // Message box: the partitioning script could not be written.
    {TextId::ScriptNotCreated, L"Wystąpił błąd podczas tworzenia pliku programu diskpart."},
    // Message box: every letter from D: to Z: is in use.
    {TextId::NoFreeLetter,
     L"Brak wolnej litery dysku dla nowego woluminu.\n\n"
     L"Odłącz jeden z dysków lub zwolnij literę z zakresu od D: do Z:, a następnie spróbuj ponownie."},
    // Message box: the system gave no temporary folder.
    {TextId::NoTempFolder,
     L"Brak folderu tymczasowego, w którym można zapisać skrypt partycjonowania.\n\n"
     L"Sprawdź zmienne TEMP i TMP swojego konta, a następnie uruchom program ponownie."},
    // Message box: the chosen drive was pulled or replaced before the run started.
    {TextId::DriveListChanged,
     L"Lista dysków zmieniła się od chwili wybrania dysku.\n\n"
     L"Nic nie zostało sformatowane. Sprawdź dysk, który chcesz sformatować, a następnie ponownie kliknij "
     L"przycisk „Rozpocznij formatowanie”."},
    // Message box: another drive took the chosen letter while the confirmation waited, or before the
    // run began. %1: the letter, such as K.
    {TextId::LetterTaken,
     L"Litera dysku %1: została w międzyczasie przypisana innemu dyskowi.\n\n"
     L"Nic nie zostało sformatowane. Wybierz inną literę, a następnie ponownie kliknij przycisk "
     L"„Rozpocznij formatowanie”."},
    // Message box: the label is longer than NTFS allows.
    {TextId::LabelTooLongForNtfs,
     L"Etykieta woluminu jest za długa dla systemu NTFS.\n\n"
     L"Etykieta NTFS może mieć najwyżej 32 znaki."},
    // Message box: the label is longer than exFAT allows.
    {TextId::LabelTooLongForExfat,
     L"Etykieta woluminu jest za długa dla systemu exFAT.\n\n"
     L"Etykieta exFAT może mieć najwyżej 11 znaków."},
    // Message box: the label holds a double quotation mark.
    {TextId::LabelHoldsQuotationMark, L"Etykieta woluminu nie może zawierać znaku cudzysłowu (\")."},
    // Message box: the label holds a tab, a line break or the like.
    {TextId::LabelHoldsControlCharacter,
     L"Etykieta woluminu nie może zawierać tabulatora, znaku końca wiersza ani innego znaku sterującego."},
    // Message box: the label holds a character exFAT refuses. %1: that character.
    {TextId::LabelHoldsCharacterExfatRefuses,
     L"Etykieta woluminu exFAT nie może zawierać znaku '%1'.\n\n"
     L"W systemie exFAT nie używaj tych znaków: * / : < > ? \\ |"},
    // Message box: the label has characters the system's code page cannot carry (Windows XP).
    {TextId::LabelNotInCodePage,
     L"Etykieta woluminu zawiera znak, którego narzędzia dyskowe tego systemu nie obsługują.\n\n"
     L"Używaj liter, cyfr i znaków języka swojego systemu."},

    // Confirmation before a run (OK and Cancel buttons), first paragraph. %1: the drive's entry in
    // the drive list, such as [1] - Quarrix QX7 (1TB). It must say plainly that all data is deleted.
    {TextId::ConfirmDriveWillBeDeleted, L"Wszystkie dane na dysku „%1” zostaną usunięte."},
    // Confirmation, second paragraph, when the drive has volumes. %1: their letters and labels,
    // such as E: (Photos), F:
    {TextId::ConfirmDriveHoldsVolumes, L"Dysk zawiera %1."},
    // Confirmation, a paragraph before the last, on Windows XP for a drive beyond 2.2 TB. %1.%2:
    // the terabytes XP can use, whole and tenths, such as 2 and 2 (write the decimal separator of
    // your language between them).
    {TextId::XpUnusedSpace,
     L"System Windows XP może używać tylko pierwszych %1,%2 TB tego dysku; reszta pozostanie nieużywana."},
    // Confirmation, last paragraph: names the box's buttons as Windows labels them.
    {TextId::ConfirmPressOkOrCancel,
     L"Kliknij przycisk OK, aby go sformatować, lub przycisk Anuluj, aby go zachować."},
    // Message box before a Quarrix Enterprise drive is formatted.
    {TextId::EnterpriseWarning,
     L"Wykryto dysk Quarrix Enterprise!\n\n"
     L"Gdy pojawi się monit, naciśnij [CONTINUE] na dysku Quarrix, aby zezwolić na zmianę systemu plików. "
     L"W przeciwnym razie formatowanie nie zakończy się pomyślnie."},
    // Question (Yes and No buttons) when the window is closed during a run.
    {TextId::StopQuestion,
     L"Trwa formatowanie dysku.\n\n"
     L"Jeśli przerwiesz je teraz, dysk nie będzie miał działającego systemu plików, dopóki nie zostanie "
     L"ponownie sformatowany.\n\n"
     L"Czy przerwać formatowanie?"},
    // Question (Yes and No buttons) instead, while nothing of the run has started yet.
    {TextId::StopBeforeStartQuestion,
     L"Formatowanie jeszcze się nie rozpoczęło i na dysku nic nie zostało zmienione.\n\n"
     L"Czy przerwać formatowanie?"},
    // Information box after a run that was stopped before anything started.
    {TextId::StoppedBeforeStart,
     L"Formatowanie zostało przerwane przed rozpoczęciem. Na dysku nic nie zostało zmienione."},
    // Shown by Windows when it is asked to shut down or log off during a run.
    {TextId::ShutdownReason, L"Trwa formatowanie dysku."},
    // Question (Yes and No buttons) after a run on Windows XP. %1: the new drive letter, such as E.
    {TextId::OpenDriveQuestion,
     L"Formatowanie zostało ukończone.\nCzy chcesz teraz otworzyć dysk '%1:\\'?"},
    // Message box when the web site could not be opened. %1: the web address.
    {TextId::OpenAddressYourself, L"Otwórz ten adres w przeglądarce internetowej: %1"},
    // Message box when a run could not be started. %1: the system's message, or an error number.
    {TextId::FormatNotStarted, L"Nie można rozpocząć formatowania: %1"},

    // The error box after a failed run (OK button), first paragraph, chosen by the cause.
    {TextId::CauseWriteProtected,
     L"Dysk jest zabezpieczony przed zapisem. Jeśli ma przełącznik blokady, przesuń go do pozycji "
     L"odblokowanej. Jeśli dysk nadal jest zabezpieczony przed zapisem, może być uszkodzony."},
    {TextId::CauseInUse,
     L"Dysk jest używany przez inny program. Zamknij wszystkie okna i programy, które używają dysku, a "
     L"następnie ponownie kliknij przycisk „Rozpocznij formatowanie”."},
    {TextId::CauseAccessDenied,
     L"System Windows odmówił dostępu do dysku. Zamknij wszystkie programy, które używają dysku, w tym "
     L"oprogramowanie zabezpieczające, które go skanuje, a następnie ponownie kliknij przycisk „Rozpocznij "
     L"formatowanie”."},
    {TextId::CauseNotReady,
     L"Dysk nie jest gotowy. Odłącz go, podłącz ponownie, zaczekaj, aż system Windows go wyświetli, a "
     L"następnie ponownie kliknij przycisk „Rozpocznij formatowanie”."},
    {TextId::CauseNoAnswer,
     L"Dysk nie odpowiedział w wymaganym czasie. Odłącz go i podłącz do innego portu, a następnie ponownie "
     L"kliknij przycisk „Rozpocznij formatowanie”."},
    {TextId::CauseHardwareError,
     L"Dysk zgłosił błąd sprzętowy. Spróbuj użyć innego portu lub kabla; jeśli błąd się powtórzy, dysk "
     L"może być uszkodzony."},
    // Disk Management is the Windows tool of that name.
    {TextId::CauseOffline,
     L"Dysk jest w trybie offline. Przełącz go w tryb online w przystawce Zarządzanie dyskami, a następnie "
     L"ponownie kliknij przycisk „Rozpocznij formatowanie”."},
    {TextId::CauseLabelRefused,
     L"System Windows nie zaakceptował etykiety woluminu. Wybierz inną etykietę, a następnie ponownie "
     L"kliknij przycisk „Rozpocznij formatowanie”."},
    // Any other failure of the disk utility.
    {TextId::CauseUnknown, L"Narzędzie dyskowe zgłosiło błąd."},
    // %1: the system's message, or an error number.
    {TextId::UtilityNotStarted, L"Nie można uruchomić narzędzia dyskowego: %1"},
    {TextId::UtilityNotFound, L"Nie znaleziono narzędzia dyskowego w folderze systemowym."},
    // Windows XP only.
    {TextId::XpFormatFailed, L"Program format.com nie mógł sformatować nowego woluminu."},
    // %1: the new drive letter, such as E.
    {TextId::NewLetterElsewhere,
     L"Nowy wolumin nie pojawił się pod literą %1: na wybranym dysku, więc nie został sformatowany. "
     L"Ponownie kliknij przycisk „Rozpocznij formatowanie”."},
    // Not on Windows XP: diskpart formatted the volume, but its letter was not found on the chosen
    // drive before the label was set. %1: the new drive letter, such as E. Rename as Explorer shows it.
    {TextId::LabelLetterElsewhere,
     L"Dysk został sformatowany, ale nowy wolumin nie pojawił się pod literą %1: na wybranym dysku, więc "
     L"jego etykieta nie została ustawiona. Gdy dysk się pojawi, ustaw jego etykietę w Eksploratorze "
     L"plików: kliknij dysk prawym przyciskiem myszy i wybierz polecenie „Zmień nazwę”."},
    {TextId::DriveListChangedBeforeSecondRun,
     L"Dysk nie został ponownie sformatowany, ponieważ lista dysków uległa zmianie. Sprawdź dysk, a "
     L"następnie ponownie kliknij przycisk „Rozpocznij formatowanie”."},
    {TextId::RunStopped,
     L"Formatowanie zostało przerwane. Dysk nie będzie miał działającego systemu plików, dopóki nie "
     L"zostanie ponownie sformatowany: kliknij przycisk „Rozpocznij formatowanie”, aby go sformatować."},
    // %1: the system's message (a sentence with its full stop) or LabelErrorNumber. Rename is
    // Explorer's command on a drive's shortcut menu.
    {TextId::LabelNotSet,
     L"Dysk został sformatowany, ale nie można ustawić jego etykiety: %1 Możesz ją ustawić w Eksploratorze "
     L"plików: kliknij dysk prawym przyciskiem myszy i wybierz polecenie „Zmień nazwę”."},
    // Stands for the system's message in LabelNotSet when there is none. %1: the error number.
    {TextId::LabelErrorNumber, L"błąd %1."},
    // The error box, before the disk utility's own last lines.
    {TextId::UtilityReported, L"Narzędzie dyskowe zgłosiło:"},
    {TextId::UtilityPrintedNothing, L"Narzędzie dyskowe nie wyświetliło żadnych informacji."},
    // The error box, near its end. %1: the error code, such as 0x80070013 or 5.
    {TextId::ErrorCodeLine, L"Kod błędu: %1"},
    // The error box, its last line; Ctrl is the keyboard's key (German "Strg").
    {TextId::CopyMessageHint, L"Naciśnij klawisze Ctrl+C, aby skopiować ten komunikat."},
};

}  // namespace

extern const TextTable kPolishTexts{kEntries, sizeof(kEntries) / sizeof(kEntries[0])};
