// Judging what the disk utilities printed, and the command lines around a format run.
// Pure rules: no Windows header.
#pragma once

#include <string>

enum class DiskpartVerdict { Finished, Error };

// The verdict on one run of the partitioning utility. It stops at the first command that fails
// and then exits with a code other than 0, so a run that started, exited with 0 and printed no
// failure word ("error:", "try again!", " unable ", case-sensitive) has finished, whatever its
// progress lines look like in the system's language. Anything else is an error.
DiskpartVerdict ClassifyDiskpartOutput(bool started, unsigned long exitCode, const std::wstring& output);

// temp path + "diskpart*.*": the files the clean-up at the end of a run deletes.
std::wstring ScriptCleanupPattern(const std::wstring& tempPath);

// True when a file name found for that pattern really begins with "diskpart" (in any letter
// case): the system also matches the pattern against short 8.3 names, which the clean-up ignores.
bool IsScriptFileName(const std::wstring& fileName);

// "format.com E: /FS:NTFS /V:LABEL /q /x /y"; a label that holds a blank is quoted.
std::wstring BuildXpFormatCommand(const std::wstring& driveLetter, const std::wstring& label);

// "Format complete.\nWould like to open drive 'E:\' now?"
std::wstring BuildOpenDriveQuestion(const std::wstring& driveLetter);

// The folder opened after a Windows XP run: letter + ":\".
std::wstring DriveRootPath(const std::wstring& driveLetter);

// The first paragraph of the explanation when the volume was formatted but the system did not
// set its label: the system's message for the error, its trailing line break trimmed, or the
// error number when the system has no message for it.
std::wstring LabelNotSetParagraph(unsigned long error, const std::wstring& systemMessage);

inline constexpr wchar_t kStatusPartitioning[] = L"Partitioning drive...";
inline constexpr wchar_t kStatusFormatting[] = L"Formatting drive...";
inline constexpr wchar_t kStatusFinished[] = L"The formatting has successfully finished!";
inline constexpr wchar_t kStatusError[] = L"An error has occurred!";
