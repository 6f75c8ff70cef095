// What the user is asked before a run wipes a drive and while it runs, and told about a run that
// was stopped. Pure rules: no Windows header.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "drives/DriveRules.h"
#include "lang/Texts.h"

// Asked before anything is written: names the drive entry and the volumes the disk holds now,
// in letter order, each with its label in parentheses when it has one ("E: (Photos), F:"); the
// paragraph of the volumes is left out when there is none. `spaceNote`, when not empty, is one
// more paragraph before the last.
std::wstring BuildFormatConfirmation(const Texts& texts, const std::wstring& driveEntry, std::vector<DiskVolume> volumes,
                                     const std::wstring& spaceNote = std::wstring());

// On Windows XP, which cannot read GPT, a disk beyond the reach of a master boot record keeps
// one: says how much of it XP can use (2^32 sectors, in decimal terabytes with one decimal).
// Empty on every other system and for every other disk.
std::wstring UnusedSpaceNote(const Texts& texts, bool windowsXp, std::int64_t lengthBytes, std::uint32_t sectorSize);
