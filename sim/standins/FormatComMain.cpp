// The format.com stand-in: quick-formats a virtual disk, found by its letter, with NTFS.
#include <windows.h>

#include "sim/SimulatorFiles.h"
#include "sim/WinText.h"
#include "sim/standins/ConsoleLines.h"
#include "sim/standins/FormatComRunner.h"
#include "sim/standins/StandinCommandLines.h"
#include "sim/standins/StandinExitCodes.h"
#include "sim/standins/StandinGuard.h"
#include "sim/standins/StandinMessages.h"

int wmain() {
    const auto opened = OpenStandinDisks();
    if (!opened) return kFormatComExitFatal;
    const auto invocation = ParseFormatComCommandLine(Utf8FromWide(GetCommandLineW()));
    if (!invocation) {
        PrintLines({kFormatComUsage});
        return kFormatComExitBadParameters;
    }
    const FormatComRun run = RunFormatCom(*invocation, opened->disks);
    if (run.delayMs > 0) Sleep(static_cast<DWORD>(run.delayMs));
    if (run.disksChanged && !SaveVirtualDisks(opened->path, run.disks)) {
        PrintLines({kDisksNotSaved});
        return kFormatComExitFatal;
    }
    PrintLines(run.output);
    return run.exitCode;
}
