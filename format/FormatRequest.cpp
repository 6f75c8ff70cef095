// "Start Format": turns the user's choices into a format job, writes the partitioning script
// and starts the worker that carries the job out.
#include "app/MainDialog.h"
#include "format/FormatRequestRules.h"
#include "format/FormatWorker.h"

void CQuarrix_Disk_FormatterDlg::OnStartFormat() {
    m_progress.SetPos(0);
    if (m_driveList.GetCount() < 1) return;

    ReadFormatRequest();
    if (m_diskNumber.empty()) return;

    if (RefuseUnsafeRequest()) return;
    if (WriteDiskpartScript() == 1) return;

    if (IsEnterpriseEntry(m_driveEntry)) MessageBox(kEnterpriseWarning, nullptr, MB_OK);

    m_commandLine = BuildDiskpartCommandLine(m_tempPath, m_diskNumber);
    StartFormatWorker();
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
// new volume, a label the file system cannot hold, or nowhere to write the script.
bool CQuarrix_Disk_FormatterDlg::RefuseUnsafeRequest() {
    if (m_letterList.GetCount() < 1) {
        MessageBox(kNoFreeLetterMessage, nullptr, MB_OK);
        return true;
    }
    if (const LabelProblem problem = CheckVolumeLabel(m_volumeLabel, m_fileSystem); problem != LabelProblem::None) {
        MessageBox(LabelProblemMessage(problem), nullptr, MB_OK);
        return true;
    }
    if (m_tempPath.empty()) {
        MessageBox(kNoTempPathMessage, nullptr, MB_OK);
        return true;
    }
    return false;
}

void CQuarrix_Disk_FormatterDlg::StartFormatWorker() {
    auto* parameter = new FormatThreadParam{this};
    // Closing the window is held back until the worker reports its end.
    HoldCloseRequests(kCloseDuringRunMessage);
    if (!AfxBeginThread(&FormatThreadProc, parameter, THREAD_PRIORITY_NORMAL, 0, 0, nullptr)) {
        delete parameter;
        ReleaseCloseRequests();
    }
}
