// What the user is asked before a run wipes a drive and while it runs, and told about a run that
// was stopped. Pure rules: no Windows header.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "drives/DriveRules.h"

// Asked before anything is written: names the drive entry and the volumes the disk holds now,
// in letter order, each with its label in parentheses when it has one ("E: (Photos), F:"); the
// paragraph of the volumes is left out when there is none. `spaceNote`, when not empty, is one
// more paragraph before the last.
std::wstring BuildFormatConfirmation(const std::wstring& driveEntry, std::vector<DiskVolume> volumes,
                                     const std::wstring& spaceNote = std::wstring());

// On Windows XP, which cannot read GPT, a disk beyond the reach of a master boot record keeps
// one: says how much of it XP can use (2^32 sectors, in decimal terabytes with one decimal).
// Empty on every other system and for every other disk.
std::wstring UnusedSpaceNote(bool windowsXp, std::int64_t lengthBytes, std::uint32_t sectorSize);

// Asked when the window is to be closed while a utility runs.
inline constexpr wchar_t kStopQuestion[] =
    L"A drive is being formatted.\n\n"
    L"Stopping now leaves the drive without a usable file system until it is formatted again.\n\n"
    L"Stop formatting?";

// Asked instead while no utility of the run has started yet.
inline constexpr wchar_t kStopBeforeStartQuestion[] =
    L"Formatting has not started yet, and nothing on the drive has changed.\n\n"
    L"Stop it?";

// Told, as information, after a run that was stopped before any utility started.
inline constexpr wchar_t kStoppedBeforeStartMessage[] =
    L"The format was stopped before it started. Nothing on the drive has changed.";

// The first paragraph of what the user is told after a run that was stopped.
inline constexpr wchar_t kStoppedRunExplanation[] =
    L"The format was stopped. The drive has no usable file system until it is formatted again: "
    L"press Start Format to format it.";

// Why the system should not shut down or log off during a run.
inline constexpr wchar_t kShutdownBlockReason[] = L"A drive is being formatted.";
