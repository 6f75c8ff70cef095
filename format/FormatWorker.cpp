#include "format/FormatWorker.h"

#include <shellapi.h>

#include <memory>

#include "app/MainDialog.h"
#include "drives/DiskSource.h"
#include "format/ChildProcess.h"
#include "format/DiskUtilities.h"
#include "format/EnvironmentRules.h"
#include "format/OutputRules.h"
#include "format/ScriptRules.h"

namespace {

constexpr COLORREF kStatusColour = RGB(0, 0, 0);

void RestoreControls(CQuarrix_Disk_FormatterDlg& dialog) {
    dialog.m_progress.ShowWindow(SW_HIDE);
    dialog.m_startButton.ShowWindow(SW_SHOWNORMAL);
    dialog.m_startButton.EnableWindow(TRUE);
}

UINT ErrorEnd(CQuarrix_Disk_FormatterDlg& dialog, const PinnedFolder& folder) {
    dialog.m_warningText.SetWindowText(kStatusError);
    DeleteScriptFiles(folder);
    RestoreControls(dialog);
    return 1;
}

UINT NormalEnd(CQuarrix_Disk_FormatterDlg& dialog, const PinnedFolder& folder, bool windowsXp) {
    RestoreControls(dialog);
    DeleteScriptFiles(folder);
    if (windowsXp && AfxMessageBox(BuildOpenDriveQuestion(dialog.m_driveLetter), MB_YESNO, 0) == IDYES) {
        ::ShellExecuteW(nullptr, L"open", DriveRootPath(dialog.m_driveLetter).c_str(), nullptr, nullptr,
                        SW_SHOWNORMAL);
    }
    return 0;
}

// Before format.com formats the new letter or the new volume is labelled, the letter must be the
// volume of the disk just partitioned; another disk that holds it must never be touched.
bool LetterBelongsToTheDisk(const CQuarrix_Disk_FormatterDlg& dialog) {
    if (dialog.m_driveLetter.size() != 1) return false;
    const std::optional<std::uint32_t> disk = DiskNumberOfVolume(dialog.m_driveLetter[0]);
    return disk && DiskNumberText(*disk) == dialog.m_diskNumber;
}

UINT RunFormat(FormatThreadParam& record) {
    CQuarrix_Disk_FormatterDlg& dialog = *record.dialog;
    const bool windowsXp = IsWindowsXp(dialog.m_osProductName);

    dialog.m_progress.ShowWindow(SW_SHOWNORMAL);
    dialog.m_startButton.ShowWindow(SW_HIDE);
    dialog.m_warningText.SetTextColor(kStatusColour);
    // The utilities are started by full path, never looked for where other programs could be.
    const std::wstring utilities = DiskUtilityFolder();
    dialog.m_warningText.SetWindowText(windowsXp ? kStatusPartitioning : kStatusFormatting);
    dialog.m_startButton.EnableWindow(FALSE);

    const CapturedOutput partitioning =
        RunCommandAndCapture(utilities.empty() ? utilities : utilities + L"diskpart.exe", dialog.m_commandLine);
    // The utility has ended: the script is let go, for the clean-up to delete.
    record.script.Release();
    if (ClassifyDiskpartOutput(partitioning.started, partitioning.exitCode, partitioning.text) ==
        DiskpartVerdict::Error)
        return ErrorEnd(dialog, record.folder);

    if (windowsXp) {
        // The partitioning only made the volume: format.com formats it before anything is called done.
        const std::wstring formatCommand = BuildXpFormatCommand(dialog.m_driveLetter, dialog.m_volumeLabel);
        dialog.m_warningText.SetWindowText(kStatusFormatting);
        if (!LetterBelongsToTheDisk(dialog)) return ErrorEnd(dialog, record.folder);
        const CapturedOutput formatting = RunCommandAndCapture(utilities + L"format.com", formatCommand);
        // format.com tells its outcome by its exit code alone; its size lines differ between versions.
        if (!formatting.started || formatting.exitCode != 0) return ErrorEnd(dialog, record.folder);
    }
    if (LabelSetAfterFormat(dialog.m_volumeLabel, windowsXp)) {
        // The script left the label out: it is set here, exactly as typed, on the new volume.
        if (!LetterBelongsToTheDisk(dialog)) return ErrorEnd(dialog, record.folder);
        const DWORD error = SetNewVolumeLabel(dialog.m_driveLetter[0], dialog.m_volumeLabel);
        if (error != ERROR_SUCCESS) return ErrorEnd(dialog, record.folder);
    }
    dialog.m_warningText.SetWindowText(kStatusFinished);

    return NormalEnd(dialog, record.folder, windowsXp);
}

}  // namespace

UINT FormatThreadProc(LPVOID parameter) {
    std::unique_ptr<FormatThreadParam> record(static_cast<FormatThreadParam*>(parameter));
    CQuarrix_Disk_FormatterDlg& dialog = *record->dialog;
    const UINT exitCode = RunFormat(*record);
    record.reset();
    // The last use of the dialog: after this message it may close. A full message queue cannot
    // keep the end from arriving: a sent message does not wait in it.
    if (!dialog.PostMessage(WM_APP_FORMAT_RUN_ENDED)) dialog.SendMessage(WM_APP_FORMAT_RUN_ENDED);
    return exitCode;
}
