// Where the disk utilities (diskpart.exe, and format.com on Windows XP) are started from, and
// how a new volume gets its label. The release program links the system's own folder and
// label call; the simulator links its own folder, where the stand-in utilities are, and sets
// the label on its virtual disk, so both start their utilities by full path in the same way.
#pragma once

#include <windows.h>

#include <string>

// The folder, ending in a backslash; empty when it cannot be known (then nothing is started).
std::wstring DiskUtilityFolder();

// How long a run waits after diskpart's previous run by the same window has ended before it
// starts diskpart again: a run that follows too soon may fail.
unsigned DiskUtilityPauseMs();

// Sets the label of the volume with this drive letter, exactly as given; 0, or the system's
// error when it could not.
[[nodiscard]] DWORD SetNewVolumeLabel(wchar_t letter, const std::wstring& label);
