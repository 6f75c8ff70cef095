// The simulator's disk utilities: the stand-ins built beside the simulator program; and the
// label call, which labels the virtual disk that holds the letter.
#include "format/DiskUtilities.h"
#include "sim/SimulatorFiles.h"
#include "sim/WinText.h"

std::wstring DiskUtilityFolder() { return RunningProgramFolder(); }

// Long enough to show the pause and to stop a run during it, short enough for the tests.
unsigned DiskUtilityPauseMs() { return 3000; }

DWORD SetNewVolumeLabel(wchar_t letter, const std::wstring& label) {
    const std::wstring path = EnsureVirtualDisksFile();
    VirtualDiskParse parse = LoadVirtualDisks(path);
    if (!parse.error.empty()) return ERROR_NOT_READY;
    VirtualDisk* disk = FindDiskByLetter(parse.disks, Utf8FromWide(std::wstring(1, letter)));
    // As a volume that cannot be opened cannot be found.
    if (!disk || disk->openFails) return ERROR_PATH_NOT_FOUND;
    if (disk->failCommand == "label") return disk->failExitCode.value_or(ERROR_WRITE_PROTECT);
    disk->label = Utf8FromWide(label);
    return SaveVirtualDisks(path, parse.disks) ? ERROR_SUCCESS : ERROR_WRITE_FAULT;
}
