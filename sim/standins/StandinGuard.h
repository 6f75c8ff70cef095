// The stand-ins act only inside the simulator's build: beside the simulator program and on an
// existing virtual-disks file. They never touch a real disk.
#pragma once

#include <optional>
#include <string>

inline constexpr wchar_t kSimulatorProgramName[] = L"Quarrix_Disk_Formatter_Sim.exe";

// The reason to refuse (a line to print), or nothing when the stand-in may run.
std::optional<std::string> RefusalReason();
