// What the DiskPart stand-in does with a script: runs its commands in order on the virtual
// disks, stops at the first command that fails, and says what it printed. Pure rules: no
// Windows header. The script is taken as its bytes, and refused whole when one is above 0x7F;
// printed text is UTF-8, which the program converts.
//
// Commands (one per line, every line ended by CR LF, tokens separated by single blanks):
//   select disk N
//   clean
//   convert gpt
//   create partition primary
//   format fs=NTFS|exFAT [label=<one word, possibly empty, or "in double quotes">] quick
//   assign letter=X
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "sim/VirtualDisks.h"

// One piece of a run, handed over while the run goes on so that the program can take its time,
// save the disks and print as a real utility does.
struct DiskpartStep {
    std::vector<std::string> printed;  // lines to print now (none when the run is silent)
    int delayMs = 0;                   // how long this step takes on the selected disk
    bool saveDisks = false;            // the step changed the disks: save them now
};

// Called for every step with the disks as they are after it; false stops the run at once
// (the disks could not be saved).
using DiskpartStepSink = std::function<bool(const DiskpartStep& step, const std::vector<VirtualDisk>& disks)>;

struct DiskpartRun {
    std::vector<std::string> output;  // every line printed, in order
    int exitCode = 0;
    std::vector<VirtualDisk> disks;   // the disks after the run
};

// The script's lines without their CR LF; nothing when a line is not ended by CR LF.
std::optional<std::vector<std::string>> SplitScriptLines(const std::string& scriptText);

DiskpartRun RunDiskpartScript(const std::string& scriptText, std::vector<VirtualDisk> disks,
                              const DiskpartStepSink& sink = {});

inline constexpr char kDiskpartHeader[] = "Quarrix simulator: DiskPart stand-in, working on virtual disks only";
inline constexpr char kScriptUnreadable[] = "DiskPart was unable to open the script file.";
inline constexpr char kScriptMalformed[] = "DiskPart was unable to read the script file: a line does not end with CR LF.";
inline constexpr char kScriptNotAscii[] =
    "Virtual Disk Service error:\nThe volume label is not valid: the script holds a byte above 0x7F.";
inline constexpr char kNoDiskSelected[] = "There is no disk selected.";
inline constexpr char kNoVolumeSelected[] = "There is no volume selected.";
inline constexpr char kDiskNotValid[] = "The disk you specified is not valid.";
inline constexpr char kArgumentsNotValid[] = "The arguments specified for this command are not valid.";
inline constexpr char kUnknownCommand[] =
    "This DiskPart stand-in knows only: select disk, clean, convert gpt, create partition primary, format, assign.";
inline constexpr char kDefaultFailMessage[] =
    "DiskPart has encountered an error: The media is write protected.\n"
    "See the System Event Log for more information.";
inline constexpr char kLeaving[] = "Leaving DiskPart...";
