// The format worker: the thread that carries out one format run for the main dialog.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "format/RunControl.h"
#include "format/ScriptFile.h"

class CQuarrix_Disk_FormatterDlg;

// Handed to the worker when it starts; from then on the worker owns and releases it, and with
// it the temporary folder, held until the clean-up has run, and the partitioning script in it,
// held unchangeable until the utility has run (declared after the folder, so it goes first);
// and the run's control, which the window shares to stop the run. `drivePath` is the chosen
// drive's interface path, checked again before diskpart runs again.
struct FormatThreadParam {
    CQuarrix_Disk_FormatterDlg* dialog;
    std::wstring drivePath;
    PinnedFolder folder;
    HeldScript script;
    std::shared_ptr<RunControl> control;
};

// Runs the partitioning utility (and on Windows XP format.com), reports the outcome in the
// status line, restores the controls and removes the scripts. Returns 1 after an error end, else
// 0; what the window is to show of the end is left with the run's control.
UINT FormatThreadProc(LPVOID parameter);
