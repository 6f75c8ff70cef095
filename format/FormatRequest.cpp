// "Start Format": turns the user's choices into a format job, writes the partitioning script
// and starts the worker that carries the job out.
#include "app/MainDialog.h"
#include "app/ShutdownBlock.h"
#include "drives/DiskSource.h"
#include "drives/DriveRules.h"
#include "drives/LetterRules.h"
#include "drives/LettersInUse.h"
#include "format/AnsiText.h"
#include "format/EnvironmentRules.h"
#include "format/FormatRequestRules.h"
#include "format/FormatWorker.h"
#include "format/RunExplanation.h"
#include "format/RunQuestions.h"
#include "format/ScriptRules.h"
#include "format/SystemMessage.h"

namespace {

// Holds close requests from the press of Start Format, so none can end the window while a box
// of the request waits or a run starts; lets them through again when the request ends without
// a run, which holds them on until it ends.
class RequestCloseHold {
public:
    explicit RequestCloseHold(CQuarrix_Disk_FormatterDlg& dialog) : m_dialog(dialog) { m_dialog.HoldCloseRequests(); }
    RequestCloseHold(const RequestCloseHold&) = delete;
    RequestCloseHold& operator=(const RequestCloseHold&) = delete;
    ~RequestCloseHold() {
        if (!m_dialog.IsFormatRunInProgress()) m_dialog.ReleaseCloseRequests();
    }

private:
    CQuarrix_Disk_FormatterDlg& m_dialog;
};

}  // namespace

void CQuarrix_Disk_FormatterDlg::OnStartFormat() {
    // One request at a time: a click or an Enter queued behind the one that is being asked about
    // or that started a run does nothing.
    if (AreCloseRequestsHeld()) return;
    const RequestCloseHold hold(*this);
    m_progress.SetPos(0);
    if (m_driveList.GetCount() < 1) return;

    ReadFormatRequest();
    if (m_diskNumber.empty()) return;
    const std::wstring chosenPath = SelectedDrivePath();

    if (RefuseUnsafeRequest() || !ConfirmFormat()) return;
    // The script goes before the folder that holds it: declared after it.
    PinnedFolder folder;
    HeldScript script;
    if (WriteDiskpartScript(folder, script) == 1) return;

    if (IsEnterpriseEntry(m_driveEntry)) MessageBox(m_texts[TextId::EnterpriseWarning], nullptr, MB_OK);

    // The drive may have been pulled and its number taken by another disk since it was chosen
    // (while the warning waited, say): then nothing is wiped and the user chooses again.
    if (!ChosenDriveStillAttached(chosenPath)) {
        script.Discard();
        ScanDrives();
        MessageBox(m_texts[TextId::DriveListChanged], nullptr, MB_OK);
        return;
    }
    // The confirmation waits as long as the user likes: a drive plugged in meanwhile may have
    // taken the letter, and diskpart would wipe the chosen drive and then fail to assign it.
    if (!ChosenLetterStillFree()) {
        script.Discard();
        ScanDrives();
        MessageBox(LetterTakenMessage(m_texts, m_driveLetter[0]), nullptr, MB_OK);
        return;
    }

    m_commandLine = BuildDiskpartCommandLine(folder.Path(), m_diskNumber);
    StartFormatWorker(chosenPath, std::move(folder), std::move(script));
}

void CQuarrix_Disk_FormatterDlg::ReadFormatRequest() {
    m_driveList.GetLBText(m_driveList.GetCurSel(), m_driveEntry);
    m_diskNumber = ParseDiskNumber(m_driveEntry);
    const DiskDeviceInfo* disk = SelectedDisk();
    m_diskLength = disk ? disk->length : 0;
    m_sectorSize = disk ? disk->sectorSize : 512;
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
        MessageBox(m_texts[TextId::NoFreeLetter], nullptr, MB_OK);
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
        MessageBox(LabelProblemMessage(m_texts, check), nullptr, MB_OK);
        return true;
    }
    if (m_tempPath.empty()) {
        MessageBox(m_texts[TextId::NoTempFolder], nullptr, MB_OK);
        return true;
    }
    return false;
}

bool CQuarrix_Disk_FormatterDlg::ConfirmFormat() {
    const std::wstring question =
        BuildFormatConfirmation(m_texts, m_driveEntry, VolumesOfDisk(m_diskNumber),
                                UnusedSpaceNote(m_texts, IsWindowsXp(m_osProductName), m_diskLength, m_sectorSize));
    return MessageBox(question, nullptr, MB_OKCANCEL | MB_ICONWARNING | MB_DEFBUTTON2) == IDOK;
}

bool CQuarrix_Disk_FormatterDlg::ChosenDriveStillAttached(const std::wstring& interfacePath) const {
    const std::optional<std::vector<DiskDeviceInfo>> present = EnumerateMakerDisks();
    return present && ChosenDriveStillPresent(*present, m_diskNumber, interfacePath, m_driveEntry);
}

bool CQuarrix_Disk_FormatterDlg::ChosenLetterStillFree() const {
    return m_driveLetter.size() == 1 && !IsDriveLetterInUse(m_driveLetter[0], LettersInUse());
}

void CQuarrix_Disk_FormatterDlg::StartFormatWorker(std::wstring drivePath, PinnedFolder folder, HeldScript script) {
    m_runControl = std::make_shared<RunControl>();
    auto* parameter = new FormatThreadParam{this, std::move(drivePath), std::move(folder), std::move(script), m_runControl};
    // The run is in progress, closing held back and the button disabled until the worker reports
    // its end; all before the thread starts, which may finish before this handler returns.
    m_runInProgress = true;
    BlockShutdown(m_hWnd, m_texts[TextId::ShutdownReason]);
    // A disabled window loses the focus, and with it Escape, the way to stop the run: the focus
    // moves on to the next control first.
    if (::GetFocus() == m_startButton.m_hWnd) SendMessage(WM_NEXTDLGCTL, 0, FALSE);
    m_startButton.EnableWindow(FALSE);
    if (!AfxBeginThread(&FormatThreadProc, parameter, THREAD_PRIORITY_NORMAL, 0, 0, nullptr)) {
        const DWORD error = ::GetLastError();
        delete parameter;  // closes and deletes the script: nothing will run it
        m_runInProgress = false;
        UnblockShutdown(m_hWnd);
        m_startButton.EnableWindow(TRUE);
        MessageBox(WithSystemMessage(m_texts[TextId::FormatNotStarted], error, SystemErrorMessage(error)), nullptr,
                   MB_OK | MB_ICONERROR);
    }
}
