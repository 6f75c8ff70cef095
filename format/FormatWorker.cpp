#include "format/FormatWorker.h"

#include <shellapi.h>

#include <memory>

#include "app/MainDialog.h"
#include "format/AnsiText.h"
#include "format/ChildProcess.h"
#include "format/EnvironmentRules.h"
#include "format/OutputRules.h"

namespace {

constexpr COLORREF kStatusColour = RGB(0, 0, 0);

void RestoreControls(CQuarrix_Disk_FormatterDlg& dialog) {
    dialog.m_progress.ShowWindow(SW_HIDE);
    dialog.m_startButton.ShowWindow(SW_SHOWNORMAL);
    dialog.m_startButton.EnableWindow(TRUE);
}

// Starts the command interpreter hidden to delete the scripts; nobody waits for it.
void StartCleanup(const std::wstring& cleanupCommand) {
    ::WinExec(ToThreadAnsi(cleanupCommand).c_str(), SW_HIDE);
}

UINT ErrorEnd(CQuarrix_Disk_FormatterDlg& dialog, const std::wstring& cleanupCommand) {
    dialog.m_warningText.SetWindowText(kStatusError);
    StartCleanup(cleanupCommand);
    RestoreControls(dialog);
    return 1;
}

UINT NormalEnd(CQuarrix_Disk_FormatterDlg& dialog, const std::wstring& cleanupCommand, bool windowsXp) {
    RestoreControls(dialog);
    StartCleanup(cleanupCommand);
    if (windowsXp && AfxMessageBox(BuildOpenDriveQuestion(dialog.m_driveLetter), MB_YESNO, 0) == IDYES) {
        ::ShellExecuteW(nullptr, L"open", DriveRootPath(dialog.m_driveLetter).c_str(), nullptr, nullptr,
                        SW_SHOWNORMAL);
    }
    return 0;
}

UINT RunFormat(CQuarrix_Disk_FormatterDlg& dialog) {
    const bool windowsXp = IsWindowsXp(dialog.m_osProductName);

    dialog.m_progress.ShowWindow(SW_SHOWNORMAL);
    dialog.m_startButton.ShowWindow(SW_HIDE);
    dialog.m_warningText.SetTextColor(kStatusColour);
    const std::wstring cleanupCommand = BuildCleanupCommand(dialog.m_tempPath);
    dialog.m_warningText.SetWindowText(windowsXp ? kStatusPartitioning : kStatusFormatting);
    dialog.m_startButton.EnableWindow(FALSE);

    const CapturedOutput partitioning = RunCommandAndCapture(dialog.m_commandLine);
    // A utility that never started has done nothing; that is a failure, not a silent success.
    if (!partitioning.started) return ErrorEnd(dialog, cleanupCommand);
    switch (ClassifyDiskpartOutput(partitioning.text)) {
        case DiskpartVerdict::Error:
            return ErrorEnd(dialog, cleanupCommand);
        case DiskpartVerdict::Finished:
            dialog.m_warningText.SetWindowText(kStatusFinished);
            break;
        case DiskpartVerdict::None:
            break;
    }

    if (windowsXp) {
        const std::wstring formatCommand = BuildXpFormatCommand(dialog.m_driveLetter, dialog.m_volumeLabel);
        dialog.m_warningText.SetWindowText(kStatusFormatting);
        const CapturedOutput formatting = RunCommandAndCapture(formatCommand);
        if (!formatting.started || !FormatOutputSucceeded(formatting.text)) return ErrorEnd(dialog, cleanupCommand);
        dialog.m_warningText.SetWindowText(kStatusFinished);
    }

    return NormalEnd(dialog, cleanupCommand, windowsXp);
}

}  // namespace

UINT FormatThreadProc(LPVOID parameter) {
    std::unique_ptr<FormatThreadParam> record(static_cast<FormatThreadParam*>(parameter));
    CQuarrix_Disk_FormatterDlg& dialog = *record->dialog;
    const UINT exitCode = RunFormat(dialog);
    record.reset();
    // The last use of the dialog: after this message it may close.
    dialog.PostMessage(WM_APP_FORMAT_RUN_ENDED);
    return exitCode;
}
