// Judging what the disk utilities printed, and the command lines around a format run.
// Pure rules: no Windows header.
#pragma once

#include <cstdint>
#include <string>

#include "lang/Texts.h"

enum class DiskpartVerdict { Finished, Error };

// The verdict on one run of the partitioning utility. It stops at the first command that fails
// and then exits with a code other than 0, so a run that started, exited with 0 and printed no
// failure word ("error:", "try again!", " unable ", case-sensitive) has finished, whatever its
// progress lines look like in the system's language. Anything else is an error.
DiskpartVerdict ClassifyDiskpartOutput(bool started, unsigned long exitCode, const std::wstring& output);

// True for the exit codes with which the first run of a script on a USB drive sometimes fails
// and a second run succeeds: access denied (0x80070005) and the device not ready (0x80070015).
bool IsDiskpartFailureWorthRunningAgain(unsigned long exitCode);

// How many of `pauseMs` milliseconds are left to wait at the tick count `nowTick` when diskpart
// ended at `endedTick` (both from GetTickCount, which the system clock does not move). The count
// wraps after 49.7 days; the unsigned difference still gives the time in between.
std::uint32_t RemainingPauseMs(std::uint32_t endedTick, std::uint32_t nowTick, std::uint32_t pauseMs);

// temp path + "diskpart*.*": where the clean-up at the end of a run looks for scripts.
std::wstring ScriptCleanupPattern(const std::wstring& tempPath);

// True when a file name found for that pattern is the name of a script: "diskpart" (in any
// letter case) and one or more ASCII digits, nothing else. Only scripts are deleted, never a
// user's "diskpart-notes.txt"; the system also matches the pattern against short 8.3 names,
// which the clean-up ignores.
bool IsScriptFileName(const std::wstring& fileName);

// "format.com E: /FS:NTFS /V:LABEL /q /x /y"; a label that holds a blank is quoted.
std::wstring BuildXpFormatCommand(const std::wstring& driveLetter, const std::wstring& label);

// "Format complete.\nWould like to open drive 'E:\' now?"
std::wstring BuildOpenDriveQuestion(const Texts& texts, const std::wstring& driveLetter);

// The folder opened after a Windows XP run: letter + ":\".
std::wstring DriveRootPath(const std::wstring& driveLetter);
