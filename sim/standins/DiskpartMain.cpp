// The DiskPart stand-in: runs a partitioning script on the simulator's virtual disks.
#include <windows.h>

#include "sim/SimulatorFiles.h"
#include "sim/WholeFile.h"
#include "sim/WinText.h"
#include "sim/standins/ConsoleLines.h"
#include "sim/standins/DiskpartScriptRunner.h"
#include "sim/standins/StandinCommandLines.h"
#include "sim/standins/StandinExitCodes.h"
#include "sim/standins/StandinGuard.h"
#include "sim/standins/StandinMessages.h"

int wmain() {
    const auto opened = OpenStandinDisks();
    if (!opened) return kDiskpartExitFatal;
    const auto scriptPath = ParseDiskpartCommandLine(Utf8FromWide(GetCommandLineW()));
    if (!scriptPath) {
        PrintLines({kDiskpartUsage});
        return kDiskpartExitBadArguments;
    }
    const auto script = ReadWholeFile(WideFromUtf8(*scriptPath), true);
    if (!script) {
        PrintLines({kDiskpartHeader, "", kScriptUnreadable});
        return kDiskpartExitScriptUnreadable;
    }
    const DiskpartRun run = RunDiskpartScript(
        *script, opened->disks, [&](const DiskpartStep& step, const std::vector<VirtualDisk>& now) {
            if (step.delayMs > 0) Sleep(static_cast<DWORD>(step.delayMs));
            if (step.saveDisks && !SaveVirtualDisks(opened->path, now)) {
                PrintLines({kDisksNotSaved});
                return false;
            }
            PrintLines(step.printed);
            return true;
        });
    return run.exitCode;
}
