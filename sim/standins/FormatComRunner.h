// What the format.com stand-in does: quick-formats the virtual disk that holds the given
// letter with NTFS and the label, and says what it printed. Pure rules: no Windows header.
// Text is UTF-8; the program converts it to the ANSI code page.
#pragma once

#include <string>
#include <vector>

#include "sim/VirtualDisks.h"
#include "sim/standins/StandinCommandLines.h"

struct FormatComRun {
    std::vector<std::string> output;  // the lines to print (none when the disk is silent)
    int exitCode = 0;
    std::vector<VirtualDisk> disks;   // the disks after the run
    bool disksChanged = false;        // the disks must be saved
    int delayMs = 0;                  // how long the run takes on that disk
};

FormatComRun RunFormatCom(const FormatComInvocation& invocation, std::vector<VirtualDisk> disks);

inline constexpr char kFormatComHeader[] = "Quarrix simulator: format.com stand-in, working on virtual disks only";
inline constexpr char kDriveDoesNotExist[] = "The specified drive does not exist.";
inline constexpr char kCannotOpenVolume[] = "Cannot open volume for direct access.";
inline constexpr char kFormatFailed[] = "Format failed.";
