// The simulator's disk utilities: the stand-ins built beside the simulator program.
#include "format/DiskUtilities.h"
#include "sim/SimulatorFiles.h"

std::wstring DiskUtilityFolder() { return RunningProgramFolder(); }

// Long enough to show the pause, short enough for the tests.
unsigned DiskUtilityPauseMs() { return 1000; }
