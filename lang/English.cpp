// The English texts: every text the program itself shows, by its id.
//
// To add a language, copy this file to lang/<Language>.cpp (German.cpp, Japanese.cpp, ...), name
// its table k<Language>Texts instead of kEnglishTexts, and replace each English text with the
// text in that language; keep every entry's id, and keep the file in UTF-8.
// - An entry is {TextId::Name, L"text"}. Keep the ids and their order as here: a test checks that
//   every language has every id once.
// - %1 to %9 stand where the program puts a value (the comment says which); keep each of them, in
//   the place your grammar needs. %% gives a percent sign. \n is a line break, \" a quotation mark.
// - Keep untranslated: Quarrix, Quarrix Disk Formatter, Quarrix_Disk_Formatter, Quarrix Enterprise,
//   [CONTINUE] (the drive's own prompt), NTFS, exFAT, format.com, TEMP, TMP, D:, Z:.
// - Use the words Windows itself shows in your language: its Format dialog and Disk Management
//   (volume label, file system, drive letter, Format), the buttons of a message box (OK, Cancel,
//   Yes, No as Windows labels them), Explorer's "Rename" command, the keyboard's Ctrl key (German
//   "Strg"), and your translation of StartFormatButton wherever a text names that button.
// - Where a comment gives the room in dialog units, the text must fit it on one line: about 3.5
//   dialog units per Latin or Cyrillic letter, 8 per Chinese, Japanese or Korean character. Where a
//   natural wording is too long, choose a shorter one with the same meaning.
#include "lang/TextTable.h"

namespace {

constexpr TextEntry kEntries[] = {
    // Main window, the label above the drive list; at most 140 dialog units.
    {TextId::DriveListLabel, L"Select Quarrix Drive:"},
    // Main window, the label above the volume label box; at most 148 dialog units.
    {TextId::VolumeLabelLabel, L"Drive Label:"},
    // Main window, the label above the drive-letter list; at most 51 dialog units (about 14 letters).
    {TextId::DriveLetterLabel, L"Drive Letter:"},
    // Main window, the label above the file-system list; at most 84 dialog units.
    {TextId::FileSystemLabel, L"Filesystem:"},
    // Main window, the button that starts a run; at most 90 dialog units of its 100.
    {TextId::StartFormatButton, L"Start Format"},
    // Main window, the red line below the button; one line of at most 253 dialog units (the
    // English one nearly fills it).
    {TextId::WarningLine, L"Warning: This program will delete all your data stored on the Quarrix drive!"},
    // Main window, the one entry of the drive list when no drive is attached; at most 180 dialog
    // units, and no square bracket.
    {TextId::NoDrivesEntry, L"No Quarrix drives found."},
    // Main window, on the warning line in the warning's place when a scan lists no drive but met a
    // Quarrix drive that did not answer. Best on one line of 253 dialog units; at most two lines.
    {TextId::ScanNotReady, L"A Quarrix drive is attached but not ready: unlock it or plug it in again."},
    // The same, when the only reason was that opening the drive was refused (a limited account).
    {TextId::ScanAccessRefused,
     L"A Quarrix drive is attached, but this account may not open it: start the program as an administrator."},
    // Main window, the tooltip of the magnifying glass beside the drive list.
    {TextId::SearchAgainToolTip, L"Search for Quarrix drives again"},
    // Main window, the tooltip of the logo, which opens the About box.
    {TextId::AboutToolTip, L"About Quarrix Disk Formatter"},
    // The item added to the window's system menu; & marks its access key.
    {TextId::AboutMenuItem, L"&About Quarrix_Disk_Formatter..."},

    // About box, its title bar; at most 150 dialog units.
    {TextId::AboutCaption, L"About Quarrix Disk Formatter v1.34 Beta"},
    // About box, its button; at most 44 dialog units.
    {TextId::AboutOkButton, L"OK"},

    // Main window, status line while the drive is partitioned (Windows XP); one line of at most
    // 253 dialog units, as is every status line.
    {TextId::StatusPartitioning, L"Partitioning drive..."},
    // Main window, status line while the drive is formatted.
    {TextId::StatusFormatting, L"Formatting drive..."},
    // Main window, status line after a run that succeeded.
    {TextId::StatusFinished, L"The formatting has successfully finished!"},
    // Main window, status line after a run that failed.
    {TextId::StatusError, L"An error has occurred!"},

    // Message box: the partitioning script could not be written.
    {TextId::ScriptNotCreated, L"There was an error creating diskpart file."},
    // Message box: every letter from D: to Z: is in use.
    {TextId::NoFreeLetter,
     L"There is no free drive letter for the new volume.\n\nRemove a drive or free a letter from D: to Z:, then try again."},
    // Message box: the system gave no temporary folder.
    {TextId::NoTempFolder,
     L"There is no temporary folder to write the partitioning script to.\n\n"
     L"Check the TEMP and TMP settings of your account, then start the program again."},
    // Message box: the chosen drive was pulled or replaced before the run started.
    {TextId::DriveListChanged,
     L"The list of drives has changed since you chose the drive.\n\n"
     L"Nothing has been formatted. Check the drive you want to format, then press Start Format again."},
    // Message box: another drive took the chosen letter while the confirmation waited, or before the
    // run began. %1: the letter, such as K.
    {TextId::LetterTaken,
     L"The drive letter %1: was taken while you were deciding.\n\n"
     L"Nothing has been formatted. Choose another letter, then press Start Format again."},
    // Message box: the label is longer than NTFS allows.
    {TextId::LabelTooLongForNtfs, L"The drive label is too long for NTFS.\n\nAn NTFS label holds at most 32 characters."},
    // Message box: the label is longer than exFAT allows.
    {TextId::LabelTooLongForExfat, L"The drive label is too long for exFAT.\n\nAn exFAT label holds at most 11 characters."},
    // Message box: the label holds a double quotation mark.
    {TextId::LabelHoldsQuotationMark, L"The drive label cannot hold a double quotation mark (\")."},
    // Message box: the label holds a tab, a line break or the like.
    {TextId::LabelHoldsControlCharacter, L"The drive label cannot hold a tab, a line break or another control character."},
    // Message box: the label holds a character exFAT refuses. %1: that character.
    {TextId::LabelHoldsCharacterExfatRefuses,
     L"An exFAT drive label cannot hold the character '%1'.\n\nLeave out these characters on exFAT: * / : < > ? \\ |"},
    // Message box: the label has characters the system's code page cannot carry (Windows XP).
    {TextId::LabelNotInCodePage,
     L"The drive label holds a character that this system's disk utilities cannot take.\n\n"
     L"Use letters, digits and signs of your system's language."},

    // Confirmation before a run (OK and Cancel buttons), first paragraph. %1: the drive's entry in
    // the drive list, such as [1] - Quarrix QX7 (1TB). It must say plainly that all data is deleted.
    {TextId::ConfirmDriveWillBeDeleted, L"All data on the drive \"%1\" will be deleted."},
    // Confirmation, second paragraph, when the drive has volumes. %1: their letters and labels,
    // such as E: (Photos), F:
    {TextId::ConfirmDriveHoldsVolumes, L"It holds %1."},
    // Confirmation, a paragraph before the last, on Windows XP for a drive beyond 2.2 TB. %1.%2:
    // the terabytes XP can use, whole and tenths, such as 2 and 2 (write the decimal separator of
    // your language between them).
    {TextId::XpUnusedSpace, L"Windows XP can use only the first %1.%2 TB of this drive; the rest stays unused."},
    // Confirmation, last paragraph: names the box's buttons as Windows labels them.
    {TextId::ConfirmPressOkOrCancel, L"Press OK to format it, or Cancel to keep it."},
    // Message box before a Quarrix Enterprise drive is formatted.
    {TextId::EnterpriseWarning,
     L"Quarrix Enterprise detected!\n\nYou will need to press [CONTINUE] on the Quarrix drive when prompted to "
     L"modify the file system.  Otherwise this formatting process will not complete successfully."},
    // Question (Yes and No buttons) when the window is closed during a run.
    {TextId::StopQuestion,
     L"A drive is being formatted.\n\nStopping now leaves the drive without a usable file system until it is "
     L"formatted again.\n\nStop formatting?"},
    // Question (Yes and No buttons) instead, while nothing of the run has started yet.
    {TextId::StopBeforeStartQuestion, L"Formatting has not started yet, and nothing on the drive has changed.\n\nStop it?"},
    // Information box after a run that was stopped before anything started.
    {TextId::StoppedBeforeStart, L"The format was stopped before it started. Nothing on the drive has changed."},
    // Shown by Windows when it is asked to shut down or log off during a run.
    {TextId::ShutdownReason, L"A drive is being formatted."},
    // Question (Yes and No buttons) after a run on Windows XP. %1: the new drive letter, such as E.
    {TextId::OpenDriveQuestion, L"Format complete.\nWould like to open drive '%1:\\' now?"},
    // Message box when the web site could not be opened. %1: the web address.
    {TextId::OpenAddressYourself, L"Open this address in your web browser: %1"},
    // Message box when a run could not be started. %1: the system's message, or an error number.
    {TextId::FormatNotStarted, L"The format could not be started: %1"},

    // The error box after a failed run (OK button), first paragraph, chosen by the cause.
    {TextId::CauseWriteProtected,
     L"The drive is write-protected. If it has a lock switch, slide it to unlocked. If it stays write-protected, "
     L"the drive may be failing."},
    {TextId::CauseInUse,
     L"The drive is in use by another program. Close every window and program that uses the drive, then press "
     L"Start Format again."},
    {TextId::CauseAccessDenied,
     L"Windows denied access to the drive. Close every program that uses the drive, including security software "
     L"that scans it, then press Start Format again."},
    {TextId::CauseNotReady,
     L"The drive is not ready. Unplug it, plug it in again, wait until Windows shows it, then press Start Format "
     L"again."},
    {TextId::CauseNoAnswer,
     L"The drive did not answer in time. Unplug it and plug it into another port, then press Start Format again."},
    {TextId::CauseHardwareError,
     L"The drive reported a hardware error. Try another port or cable; if the error comes back, the drive may be "
     L"failing."},
    // Disk Management is the Windows tool of that name.
    {TextId::CauseOffline, L"The drive is offline. Bring it online in Disk Management, then press Start Format again."},
    {TextId::CauseLabelRefused, L"Windows did not accept the drive label. Choose another label, then press Start Format again."},
    // Any other failure of the disk utility.
    {TextId::CauseUnknown, L"The disk utility reported an error."},
    // %1: the system's message, or an error number.
    {TextId::UtilityNotStarted, L"The disk utility could not be started: %1"},
    {TextId::UtilityNotFound, L"The disk utility could not be found in the system folder."},
    // Windows XP only.
    {TextId::XpFormatFailed, L"format.com could not format the new volume."},
    // %1: the new drive letter, such as E.
    {TextId::NewLetterElsewhere,
     L"The new volume did not appear under the letter %1: on the chosen drive, so it was not formatted. Press Start "
     L"Format again."},
    // Not on Windows XP: diskpart formatted the volume, but its letter was not found on the chosen
    // drive before the label was set. %1: the new drive letter, such as E. Rename as Explorer shows it.
    {TextId::LabelLetterElsewhere,
     L"The drive was formatted, but the new volume did not appear under the letter %1: on the chosen drive, so its "
     L"label was not set. When the drive appears, set its label in Explorer: right-click the drive and choose Rename."},
    {TextId::DriveListChangedBeforeSecondRun,
     L"The drive was not formatted again because the list of drives has changed. Check the drive, then press "
     L"Start Format again."},
    {TextId::RunStopped,
     L"The format was stopped. The drive has no usable file system until it is formatted again: press Start Format "
     L"to format it."},
    // %1: the system's message (a sentence with its full stop) or LabelErrorNumber. Rename is
    // Explorer's command on a drive's shortcut menu.
    {TextId::LabelNotSet,
     L"The drive was formatted, but its label could not be set: %1 You can set it in Explorer: right-click the "
     L"drive and choose Rename."},
    // Stands for the system's message in LabelNotSet when there is none. %1: the error number.
    {TextId::LabelErrorNumber, L"error %1."},
    // The error box, before the disk utility's own last lines.
    {TextId::UtilityReported, L"The disk utility reported:"},
    {TextId::UtilityPrintedNothing, L"The disk utility printed nothing."},
    // The error box, near its end. %1: the error code, such as 0x80070013 or 5.
    {TextId::ErrorCodeLine, L"Error code: %1"},
    // The error box, its last line; Ctrl is the keyboard's key (German "Strg").
    {TextId::CopyMessageHint, L"Press Ctrl+C to copy this message."},
};

}  // namespace

extern const TextTable kEnglishTexts{kEntries, sizeof(kEntries) / sizeof(kEntries[0])};
