// Where the simulator and its stand-in utilities find the virtual-disks file, and reading and
// saving it.
#pragma once

#include <string>
#include <vector>

#include "sim/VirtualDisks.h"

// The environment variable that names the virtual-disks file.
inline constexpr wchar_t kVirtualDisksVariable[] = L"QUARRIX_SIM_DISKS";
// The file's name in the running program's folder when the variable is not set.
inline constexpr wchar_t kVirtualDisksFileName[] = L"virtual-disks.txt";

// The folder of the running program, ending with a backslash.
std::wstring RunningProgramFolder();

// The value of QUARRIX_SIM_DISKS when it is set and not empty, else
// "<folder of the running program>\virtual-disks.txt".
std::wstring VirtualDisksFilePath();

// The disks in the file; the error names the file when it cannot be read at all.
VirtualDiskParse LoadVirtualDisks(const std::wstring& path);

// Replaces the file atomically with the disks; false when that failed.
bool SaveVirtualDisks(const std::wstring& path, const std::vector<VirtualDisk>& disks);

// Writes the default disks when the file does not exist yet, and sets QUARRIX_SIM_DISKS in this
// process's environment to the file's full path so the utilities it starts use the same file.
// Returns that path.
std::wstring EnsureVirtualDisksFile();
