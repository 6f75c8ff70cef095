// The drive scan: fills the drive list with one entry per attached maker drive and refills the
// file-system list; when a drive is listed, the letter list is rebuilt too.
#include "app/MainDialog.h"
#include "drives/DiskSource.h"
#include "drives/DriveRules.h"

void CQuarrix_Disk_FormatterDlg::ScanDrives() {
    // The drive the user chose stays chosen as long as it is attached: a device change (a mouse
    // plugged in) must never move the choice to another drive, nor change the file system.
    const std::wstring chosenPath = SelectedDrivePath();
    std::wstring chosenFileSystem;
    m_fileSystemList.GetLBText(m_fileSystemList.GetCurSel(), chosenFileSystem);
    m_driveList.ResetContent();
    m_listedDrives.clear();
    PassedOverDevices passedOver;
    const std::optional<std::vector<DiskDeviceInfo>> disks = EnumerateMakerDisks(&passedOver);
    // Without the set of present disks there is nothing to list; the other lists stay as they are.
    if (!disks) return;

    for (const DiskDeviceInfo& disk : *disks) {
        // A disk known only by the storage driver's generic name is not one we can identify.
        const std::optional<std::wstring> entry = DriveEntryOf(disk);
        if (!entry) continue;
        const int index = m_driveList.AddString(*entry);
        if (index >= 0) {
            // The entry keeps the drive's interface path beside it, which tells drives of the
            // same model and size apart, and its length and sector size, for the request.
            m_driveList.SetItemData(index, m_listedDrives.size());
            m_listedDrives.push_back(disk);
        }
        m_driveList.EnableWindow(TRUE);
        m_driveList.SetCurSel(0);
    }

    m_fileSystemList.ResetContent();
    m_fileSystemList.AddString(L"NTFS");
    m_fileSystemList.AddString(L"exFAT");
    m_fileSystemList.SetCurSel(0);
    if (!chosenFileSystem.empty()) m_fileSystemList.SelectString(-1, chosenFileSystem);

    m_driveList.SetCurSel(0);
    SelectDrivePath(chosenPath);

    ShowScanNotice(ScanNotice(m_driveList.GetCount() != 0, passedOver));
    if (m_driveList.GetCount() != 0) {
        FillLetterList();
    } else {
        m_driveList.InsertString(0, m_texts[TextId::NoDrivesEntry]);
        m_driveList.EnableWindow(FALSE);
        m_driveList.SetCurSel(0);
    }
}

std::wstring CQuarrix_Disk_FormatterDlg::SelectedDrivePath() const {
    const DiskDeviceInfo* disk = SelectedDisk();
    return disk ? disk->interfacePath : std::wstring();
}

const DiskDeviceInfo* CQuarrix_Disk_FormatterDlg::SelectedDisk() const {
    const int selected = m_driveList.GetCurSel();
    if (selected < 0) return nullptr;
    const DWORD_PTR index = m_driveList.GetItemData(selected);
    return index < m_listedDrives.size() ? &m_listedDrives[index] : nullptr;
}

void CQuarrix_Disk_FormatterDlg::SelectDrivePath(const std::wstring& interfacePath) {
    if (interfacePath.empty()) return;
    for (int item = 0, count = m_driveList.GetCount(); item < count; ++item) {
        const DWORD_PTR index = m_driveList.GetItemData(item);
        if (index < m_listedDrives.size() && m_listedDrives[index].interfacePath == interfacePath) {
            m_driveList.SetCurSel(item);
            return;
        }
    }
}

void CQuarrix_Disk_FormatterDlg::ShowScanNotice(std::optional<TextId> notice) {
    // During a run the line is the status line, which only the run writes.
    if (m_runInProgress) return;
    // A run's outcome stays until a scan has something to say in its place.
    if (!notice && !m_showsScanNotice) return;
    m_warningText.SetRole(TextRole::WarningLine);
    const std::wstring text = m_texts[notice.value_or(TextId::WarningLine)];
    PlaceWarningLineFor(text);
    m_warningText.SetWindowText(text);
    m_showsScanNotice = notice.has_value();
}
