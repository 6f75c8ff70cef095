// Turning the user's choices into a format job: disk number, the Enterprise test, the
// partitioning command line and the label check. Pure rules: no Windows header.
#pragma once

#include <string>

// The text between the leading "[" and the first "]" of a drive entry; empty when there is none.
std::wstring ParseDiskNumber(const std::wstring& driveEntry);

// True when the entry names the Enterprise model, which asks for a confirmation on the drive.
bool IsEnterpriseEntry(const std::wstring& driveEntry);

// "diskpart.exe /s " + script path; the path is put in double quotation marks when it holds
// a blank, so the utility reads it whole.
std::wstring BuildDiskpartCommandLine(const std::wstring& tempPath, const std::wstring& diskNumber);

// Why a label cannot go on the chosen file system, if it cannot.
enum class LabelProblem {
    None,
    TooLongForNtfs,
    TooLongForExfat,
    HoldsQuotationMark,
    HoldsControlCharacter,
    HoldsCharacterExfatRefuses,  // one of * / : < > ? \ |, which exFAT refuses as in file names
    NotInCodePage,  // found by the caller: the label's bytes are not the same for every reader
};

struct LabelCheck {
    LabelProblem problem = LabelProblem::None;
    wchar_t character = 0;  // the refused character, for HoldsCharacterExfatRefuses
};

// `label` is the typed text, `labelBytes` the same label in the ANSI code page, as it will be
// written. NTFS labels hold at most 32 typed characters, exFAT labels 11; a double quotation
// mark would break the quoted label and a control character (tab, line break, C1 control, line
// or paragraph separator) the line it stands in, so both are looked for in the typed text and
// in the bytes.
LabelCheck CheckVolumeLabel(const std::wstring& label, const std::string& labelBytes, const std::wstring& fileSystem);

// The message box text that tells the user why the label was refused (empty for None).
std::wstring LabelProblemMessage(const LabelCheck& check);

// Told when every letter from D to Z is in use and the new volume could get none.
inline constexpr wchar_t kNoFreeLetterMessage[] =
    L"There is no free drive letter for the new volume.\n\n"
    L"Remove a drive or free a letter from D: to Z:, then try again.";

// Told when the system gave no temporary folder, so there is nowhere to write the script.
inline constexpr wchar_t kNoTempPathMessage[] =
    L"There is no temporary folder to write the partitioning script to.\n\n"
    L"Check the TEMP and TMP settings of your account, then start the program again.";

// Told when the chosen drive is no longer the disk behind its number when the run would start.
inline constexpr wchar_t kDriveListChangedMessage[] =
    L"The list of drives has changed since you chose the drive.\n\n"
    L"Nothing has been formatted. Check the drive you want to format, then press Start Format again.";

// The text of the warning shown before an Enterprise drive is formatted.
inline constexpr wchar_t kEnterpriseWarning[] =
    L"Quarrix Enterprise detected!\n\nYou will need to press [CONTINUE] on the Quarrix drive when "
    L"prompted to modify the file system.  Otherwise this formatting process will not complete successfully.";
