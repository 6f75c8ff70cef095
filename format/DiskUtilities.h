// Where the disk utilities (diskpart.exe, and format.com on Windows XP) are started from. The
// release program links the system's own folder; the simulator links its own folder, where
// the stand-in utilities are, so both start their utilities by full path in the same way.
#pragma once

#include <string>

// The folder, ending in a backslash; empty when it cannot be known (then nothing is started).
std::wstring DiskUtilityFolder();

// How long a run waits after diskpart's previous run by the same window has ended before it
// starts diskpart again: a run that follows too soon may fail.
unsigned DiskUtilityPauseMs();
