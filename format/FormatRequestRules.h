// Turning the user's choices into a format job: disk number, the Enterprise test, the
// partitioning command line and the label check. Pure rules: no Windows header.
#pragma once

#include <string>

#include "lang/Texts.h"

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
std::wstring LabelProblemMessage(const Texts& texts, const LabelCheck& check);
