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
    if (const auto refusal = RefusalReason()) {
        PrintLines({*refusal});
        return kExitRefused;
    }
    const auto scriptPath = ParseDiskpartCommandLine(Utf8FromWide(GetCommandLineW()));
    if (!scriptPath) {
        PrintLines({kDiskpartUsage});
        return kExitUsage;
    }
    const std::wstring disksPath = VirtualDisksFilePath();
    const VirtualDiskParse disks = LoadVirtualDisks(disksPath);
    if (!disks.error.empty()) {
        PrintLines({kRefusedBadDisksFile + disks.error});
        return kExitRefused;
    }
    const auto script = ReadWholeFile(WideFromUtf8(*scriptPath));
    if (!script) {
        PrintLines({kDiskpartHeader, "", kScriptUnreadable});
        return kExitScriptUnreadable;
    }
    const DiskpartRun run = RunDiskpartScript(
        Utf8FromAnsi(*script), disks.disks, [&](const DiskpartStep& step, const std::vector<VirtualDisk>& now) {
            if (step.delayMs > 0) Sleep(static_cast<DWORD>(step.delayMs));
            if (step.saveDisks && !SaveVirtualDisks(disksPath, now)) {
                PrintLines({kDisksNotSaved});
                return false;
            }
            PrintLines(step.printed);
            return true;
        });
    return run.exitCode;
}
