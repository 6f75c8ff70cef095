// The main window: drive list, label, letter and file-system choices, the Start Format button
// with the marquee bar in its place during a run, and the warning line that doubles as the
// status line. It also holds the format job: the strings a format run works from.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/resource.h"
#include "drives/DriveRules.h"
#include "format/RunControl.h"
#include "format/ScriptFile.h"
#include "framework/Afx.h"
#include "lang/Texts.h"
#include "ui/ColorStaticST.h"

// Posted by the format worker once it has left the run's end with the run's control, so the
// dialog looks there. It carries nothing: what the run left is read from the control only.
inline constexpr UINT WM_APP_FORMAT_RUN_ENDED = WM_APP + 1;

inline constexpr wchar_t kMainTitle[] = L"Quarrix Disk Formatter v1.34 Beta";
inline constexpr wchar_t kDefaultVolumeLabel[] = L"Quarrix";
inline constexpr COLORREF kWebLinkColour = RGB(100, 100, 100);
inline constexpr COLORREF kWarningColour = RGB(255, 0, 0);

class CQuarrix_Disk_FormatterDlg : public CDialog {
public:
    // The window speaks the user's display language (GetUserDefaultUILanguage), or the language
    // of `languageId` when one is given.
    explicit CQuarrix_Disk_FormatterDlg(std::optional<LANGID> languageId = std::nullopt);

    // Every text the window and its boxes show, in the language chosen when the window was made.
    const Texts m_texts;
    HICON m_hIcon;
    CComboBox m_driveList;
    CComboBox m_letterList;
    CComboBox m_fileSystemList;
    CEdit m_labelEdit;
    CButton m_startButton;
    CProgressCtrl m_progress;
    CColorStaticST m_webLink{TextRole::WebSiteText};
    CColorStaticST m_warningText{TextRole::WarningLine};

    // The format job.
    std::wstring m_driveEntry;
    std::wstring m_diskNumber;
    std::wstring m_driveLetter;
    std::wstring m_fileSystem;
    std::wstring m_volumeLabel;
    std::wstring m_osProductName;
    std::wstring m_tempPath;
    std::wstring m_commandLine;
    // The chosen disk's length and logical sector size, which decide its partition table.
    std::int64_t m_diskLength = 0;
    std::uint32_t m_sectorSize = 512;

    // The tick count (GetTickCount) when diskpart last ended in a run of this window; written by
    // the worker only.
    std::optional<DWORD> m_diskpartEndedTick;
    // True from the start of a format run's worker until it has ended. Close requests are held
    // longer: from the press of Start Format.
    bool IsFormatRunInProgress() const { return m_runInProgress; }

    // True when a fresh enumeration still finds the chosen drive behind the chosen disk number.
    [[nodiscard]] bool ChosenDriveStillAttached(const std::wstring& interfacePath) const;
    // True when no drive and no saved network drive has taken the chosen letter meanwhile.
    [[nodiscard]] bool ChosenLetterStillFree() const;

protected:
    void DoDataExchange(CDataExchange* exchange) override;
    BOOL OnInitDialog() override;

    void OnSysCommand(UINT id, LPARAM lParam);
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    LRESULT OnDevicesChanged(WPARAM eventType, LPARAM data);
    BOOL OnEraseBkgnd(HDC dc);
    void OnStartFormat();
    // Enter away from Start Format: ignored.
    void OnEnterKey() {}
    void OnWebLinkClicked();
    void OnSearchIconClicked();
    void OnLogoIconClicked();
    LRESULT OnFormatRunEnded(WPARAM, LPARAM);
    LRESULT OnQueryEndSession(WPARAM, LPARAM);
    void OnHeldCloseRequest(UINT command) override;

    DECLARE_MESSAGE_MAP()

private:
    // Drive discovery.
    void ScanDrives();
    void FillLetterList();
    void RemoveUsedLetters();
    // The interface path of the selected drive entry; empty for the no-drives entry.
    std::wstring SelectedDrivePath() const;
    // Selects the entry of the drive with this interface path, when it is listed.
    void SelectDrivePath(const std::wstring& interfacePath);
    // The listed disk of the selected drive entry; nothing for the no-drives entry.
    const DiskDeviceInfo* SelectedDisk() const;
    // Shows the scan's notice (nothing: the warning) on the warning line, unless a run is under
    // way, when the line is the status line.
    void ShowScanNotice(std::optional<TextId> notice);
    // The warning line keeps the template's one line, unless `text` needs two: then it takes half
    // a line more above and below, in the gaps between the button row and the rule under it.
    void PlaceWarningLineFor(const std::wstring& text);

    // Environment and format request.
    void ProbeEnvironment();
    void ReadFormatRequest();
    [[nodiscard]] bool RefuseUnsafeRequest();
    // Asks the user, naming the drive and its volumes, whether to wipe it; true on OK.
    [[nodiscard]] bool ConfirmFormat();
    // Pins the temporary folder, writes the script there and hands both back, the script held
    // open for reading only; 1 after telling the user that it could not be written.
    [[nodiscard]] int WriteDiskpartScript(PinnedFolder& folder, HeldScript& script);
    void StartFormatWorker(std::wstring drivePath, PinnedFolder folder, HeldScript script);

    // The listed disks (interface path, length, sector size); each drive entry's item data is
    // its index here.
    std::vector<DiskDeviceInfo> m_listedDrives;
    // Whether the warning line shows a scan's notice in the warning's place.
    bool m_showsScanNotice = false;
    // The warning line's place in the template, in the window's client coordinates.
    RECT m_warningLinePlace{};

    // The control of the current run, or of the last one once it has ended.
    std::shared_ptr<RunControl> m_runControl;
    bool m_runInProgress = false;
    bool m_askingToStop = false;
    // Asks whether to stop the run; IDNO also when the run ended meanwhile and closed the question.
    int AskToStop(const wchar_t* question);
    // Takes the run's end once its worker has left it with the run's control: shows what it left.
    void TakeRunEnd();

    void ShowAboutBox();

    // Texts, accessibility and scaling, once the window exists. The child windows are passed in
    // the order of the template, by which the labels are found.
    void ShowTexts(const std::vector<HWND>& children);
    void PlaceLabelsBeforeTheirControls(const std::vector<HWND>& children);
    void ShowIconAtSystemSize(int controlId, UINT iconId, CIcon& icon);
    void AddToolTips();
    CIcon m_searchIcon;
    CIcon m_logoIcon;
};
