// The drive scan: fills the drive list with one entry per attached maker drive and refills the
// file-system list; when a drive is listed, the letter list is rebuilt too.
#include "app/MainDialog.h"
#include "drives/DiskSource.h"
#include "drives/DriveRules.h"

void CQuarrix_Disk_FormatterDlg::ScanDrives() {
    m_driveList.ResetContent();
    const std::optional<std::vector<DiskDeviceInfo>> disks = EnumerateMakerDisks();
    // Without the set of present disks there is nothing to list; the other lists stay as they are.
    if (!disks) return;

    for (const DiskDeviceInfo& disk : *disks) {
        // A disk known only by the storage driver's generic name is not one we can identify.
        const std::optional<std::wstring> model = ListedModelText(disk);
        if (!model) continue;
        m_driveList.AddString(FormatDriveEntry(disk.diskNumber, *model, NominalSizeGB(disk.length)));
        m_driveList.EnableWindow(TRUE);
        m_driveList.SetCurSel(0);
    }

    m_fileSystemList.ResetContent();
    m_fileSystemList.AddString(L"NTFS");
    m_fileSystemList.AddString(L"exFAT");
    m_fileSystemList.SetCurSel(0);

    m_driveList.SetCurSel(0);

    if (m_driveList.GetCount() != 0) {
        FillLetterList();
    } else {
        m_driveList.InsertString(0, kNoDrivesEntry);
        m_driveList.EnableWindow(FALSE);
        m_driveList.SetCurSel(0);
    }
}
