// What the user is asked before a run wipes a drive and while it runs, and told about a run that
// was stopped. Pure rules: no Windows header.
#pragma once

#include <string>
#include <vector>

#include "drives/DriveRules.h"
#include "lang/Texts.h"

// Asked before anything is written: names the drive entry and the volumes the disk holds now,
// in letter order, each with its label in parentheses when it has one ("E: (Photos), F:"); the
// paragraph of the volumes is left out when there is none.
std::wstring BuildFormatConfirmation(const Texts& texts, const std::wstring& driveEntry, std::vector<DiskVolume> volumes);
