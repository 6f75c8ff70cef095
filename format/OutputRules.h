// Judging what the disk utilities printed, and the command lines around a format run.
// Pure rules: no Windows header.
#pragma once

#include <string>

enum class DiskpartVerdict { None, Finished, Error };

// Error when the output holds "error:", "try again!" or " unable " (tested first);
// otherwise Finished when it holds " 100 "; otherwise None. Case-sensitive substring tests.
DiskpartVerdict ClassifyDiskpartOutput(const std::wstring& output);

// True when format.com's output reports the sizes of the new volume (" KB ").
bool FormatOutputSucceeded(const std::wstring& output);

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

inline constexpr wchar_t kStatusPartitioning[] = L"Partitioning drive...";
inline constexpr wchar_t kStatusFormatting[] = L"Formatting drive...";
inline constexpr wchar_t kStatusFinished[] = L"The formatting has successfully finished!";
inline constexpr wchar_t kStatusError[] = L"An error has occurred!";
