// The stand-ins act only inside the simulator's build: beside the simulator program and on an
// existing virtual-disks file. They never touch a real disk.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "sim/VirtualDisks.h"

inline constexpr wchar_t kSimulatorProgramName[] = L"Quarrix_Disk_Formatter_Sim.exe";

// The reason to refuse (a line to print), or nothing when the stand-in may run.
std::optional<std::string> RefusalReason();

// The virtual disks a stand-in works on, and the file they are saved back to.
struct StandinDisks {
    std::wstring path;
    std::vector<VirtualDisk> disks;
};

// Checks that the stand-in may run and loads its virtual disks. When it may not, or the file
// cannot be read, prints why and gives nothing: the stand-in then ends with its fatal exit code.
std::optional<StandinDisks> OpenStandinDisks();
