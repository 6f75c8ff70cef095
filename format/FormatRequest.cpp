// "Start Format": turns the user's choices into a format job, writes the partitioning script
// and starts the worker that carries the job out.
#include "app/MainDialog.h"
#include "drives/DiskSource.h"
#include "drives/DriveRules.h"
#include "format/AnsiText.h"
#include "format/EnvironmentRules.h"
#include "format/FormatRequestRules.h"
#include "format/FormatWorker.h"
#include "format/ScriptRules.h"

void CQuarrix_Disk_FormatterDlg::OnStartFormat() {
    // One run at a time: a click or an Enter queued behind the one that started a run does nothing.
    if (IsFormatRunInProgress()) return;
    m_progress.SetPos(0);
    if (m_driveList.GetCount() < 1) return;

    ReadFormatRequest();
    if (m_diskNumber.empty()) return;
    const std::wstring chosenPath = SelectedDrivePath();

    if (RefuseUnsafeRequest()) return;
    // The script goes before the folder that holds it: declared after it.
    PinnedFolder folder;
    HeldScript script;
    if (WriteDiskpartScript(folder, script) == 1) return;

    if (IsEnterpriseEntry(m_driveEntry)) MessageBox(kEnterpriseWarning, nullptr, MB_OK);

    // The drive may have been pulled and its number taken by another disk since it was chosen
    // (while the warning waited, say): then nothing is wiped and the user chooses again.
    if (!ChosenDriveStillAttached(chosenPath)) {
        script.Discard();
        ScanDrives();
        MessageBox(kDriveListChangedMessage, nullptr, MB_OK);
        return;
    }

    m_commandLine = BuildDiskpartCommandLine(folder.Path(), m_diskNumber);
    StartFormatWorker(std::move(folder), std::move(script));
}

void CQuarrix_Disk_FormatterDlg::ReadFormatRequest() {
    m_driveList.GetLBText(m_driveList.GetCurSel(), m_driveEntry);
    m_diskNumber = ParseDiskNumber(m_driveEntry);
    if (m_letterList.GetCount() < 1) return;

    m_letterList.GetLBText(m_letterList.GetCurSel(), m_driveLetter);
    m_fileSystemList.GetLBText(m_fileSystemList.GetCurSel(), m_fileSystem);
    m_driveLetter = m_driveLetter.substr(0, 1);
    m_volumeLabel = m_labelEdit.GetWindowText();
}

// Refuses, with a message, a request that would wipe the drive and then fail: no letter for the
// new volume, a label that cannot go to the utility exactly or that the file system cannot hold,
// or nowhere to write the script.
bool CQuarrix_Disk_FormatterDlg::RefuseUnsafeRequest() {
    if (m_letterList.GetCount() < 1) {
        MessageBox(kNoFreeLetterMessage, nullptr, MB_OK);
        return true;
    }
    // Bytes are looked at only where the label goes to a utility as bytes; a label that is set
    // on the new volume afterwards goes there as typed and has none to look at.
    const std::optional<std::string> labelBytes = LabelSetAfterFormat(m_volumeLabel, IsWindowsXp(m_osProductName))
                                                      ? std::string()
                                                      : ToThreadAnsiExactly(m_volumeLabel);
    const LabelCheck check =
        labelBytes ? CheckVolumeLabel(m_volumeLabel, *labelBytes, m_fileSystem) : LabelCheck{LabelProblem::NotInCodePage};
    if (check.problem != LabelProblem::None) {
        MessageBox(LabelProblemMessage(check), nullptr, MB_OK);
        return true;
    }
    if (m_tempPath.empty()) {
        MessageBox(kNoTempPathMessage, nullptr, MB_OK);
        return true;
    }
    return false;
}

bool CQuarrix_Disk_FormatterDlg::ChosenDriveStillAttached(const std::wstring& interfacePath) const {
    const std::optional<std::vector<DiskDeviceInfo>> present = EnumerateMakerDisks();
    return present && ChosenDriveStillPresent(*present, m_diskNumber, interfacePath, m_driveEntry);
}

void CQuarrix_Disk_FormatterDlg::StartFormatWorker(PinnedFolder folder, HeldScript script) {
    auto* parameter = new FormatThreadParam{this, std::move(folder), std::move(script)};
    // Closing the window is held back, and the button disabled, until the worker reports its
    // end; both before the thread starts, which may finish before this handler returns.
    HoldCloseRequests(kCloseDuringRunMessage);
    m_startButton.EnableWindow(FALSE);
    if (!AfxBeginThread(&FormatThreadProc, parameter, THREAD_PRIORITY_NORMAL, 0, 0, nullptr)) {
        delete parameter;  // closes and deletes the script: nothing will run it
        ReleaseCloseRequests();
        m_startButton.EnableWindow(TRUE);
    }
}
