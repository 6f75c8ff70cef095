#include "app/MainDialog.h"

#include <algorithm>
#include <memory>

#include "app/AboutDialog.h"
#include "app/ShellOpen.h"
#include "app/ShutdownBlock.h"
#include "format/EnvironmentRules.h"
#include "format/RunQuestions.h"

namespace {

// The labels by their place in the template (0 is its first control), each with the control it
// names and the room it may grow into, in dialog units: up to the next control on its row or the
// dialog's edge. A screen reader names a control without text of its own by the static text just
// before it in the window order.
struct Label {
    std::size_t templateIndex;
    int control;
    TextId text;
    int roomDialogUnits;
};
constexpr Label kLabels[] = {{5, IDC_DRIVE_LIST, TextId::DriveListLabel, 140},
                             {6, IDC_LABEL_EDIT, TextId::VolumeLabelLabel, 148},
                             {7, IDC_LETTER_LIST, TextId::DriveLetterLabel, 51},
                             {15, IDC_FILE_SYSTEM_LIST, TextId::FileSystemLabel, 84}};

struct ToolTip {
    int control;
    TextId text;
};
constexpr ToolTip kToolTips[] = {{IDC_SEARCH_ICON, TextId::SearchAgainToolTip}, {IDC_LOGO_ICON, TextId::AboutToolTip}};

std::vector<HWND> ChildrenInTemplateOrder(HWND parent) {
    std::vector<HWND> children;
    for (HWND child = ::GetWindow(parent, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

// The message box that the window's thread shows now, owned by the window.
struct OwnedBoxSearch {
    HWND owner;
    HWND box;
};

BOOL CALLBACK NoteOwnedBox(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<OwnedBoxSearch*>(data);
    wchar_t className[16] = {};
    ::GetClassNameW(window, className, 16);
    if (::GetWindow(window, GW_OWNER) != search->owner || std::wstring(className) != L"#32770") return TRUE;
    search->box = window;
    return FALSE;
}

// The rectangle the text takes in the control's font, drawn with `format` (and wrapped at `width`
// pixels for DT_WORDBREAK), in pixels.
RECT TextBoundsIn(HWND control, const wchar_t* text, UINT format, int width) {
    RECT bounds{0, 0, width, 0};
    const HDC dc = ::GetDC(control);
    if (!dc) return bounds;
    const HGDIOBJ oldFont = ::SelectObject(dc, reinterpret_cast<HGDIOBJ>(::SendMessageW(control, WM_GETFONT, 0, 0)));
    ::DrawTextW(dc, text, -1, &bounds, DT_CALCRECT | format);
    ::SelectObject(dc, oldFont);
    ::ReleaseDC(control, dc);
    return bounds;
}

// The width the text takes on one line in the control's font, in pixels.
int TextWidthIn(HWND control, const wchar_t* text) {
    const RECT bounds = TextBoundsIn(control, text, DT_SINGLELINE, 0);
    return bounds.right - bounds.left;
}

// A label widens to its text and a few per cent more (another system's font may be wider), as far
// as its room allows; one that fits so keeps the template's size.
void WidenToFit(HWND dialog, HWND label, const wchar_t* text, int roomDialogUnits) {
    RECT client{};
    ::GetClientRect(label, &client);
    const int needed = TextWidthIn(label, text);
    if (needed + needed / 25 + 1 <= client.right) return;
    RECT room{0, 0, roomDialogUnits, 0};
    ::MapDialogRect(dialog, &room);
    const int width = std::min(needed + needed / 25 + 1, int(room.right));
    ::SetWindowPos(label, nullptr, 0, 0, width, client.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

BEGIN_MESSAGE_MAP(CQuarrix_Disk_FormatterDlg, CDialog)
    // Enter in the label box or a list would end the program; only Start Format takes Enter.
    ON_COMMAND(IDOK, &CQuarrix_Disk_FormatterDlg::OnEnterKey)
    ON_WM_SYSCOMMAND()
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_MESSAGE(WM_DEVICECHANGE, &CQuarrix_Disk_FormatterDlg::OnDevicesChanged)
    ON_WM_ERASEBKGND()
    ON_BN_CLICKED(IDC_START_FORMAT, &CQuarrix_Disk_FormatterDlg::OnStartFormat)
    ON_STN_CLICKED(IDC_WEB_LINK, &CQuarrix_Disk_FormatterDlg::OnWebLinkClicked)
    ON_STN_CLICKED(IDC_SEARCH_ICON, &CQuarrix_Disk_FormatterDlg::OnSearchIconClicked)
    ON_STN_CLICKED(IDC_LOGO_ICON, &CQuarrix_Disk_FormatterDlg::OnLogoIconClicked)
    ON_MESSAGE(WM_APP_FORMAT_RUN_ENDED, &CQuarrix_Disk_FormatterDlg::OnFormatRunEnded)
    ON_MESSAGE(WM_QUERYENDSESSION, &CQuarrix_Disk_FormatterDlg::OnQueryEndSession)
END_MESSAGE_MAP()

CQuarrix_Disk_FormatterDlg::CQuarrix_Disk_FormatterDlg(std::optional<LANGID> languageId)
    : CDialog(IDD_MAIN),
      m_texts(LanguageOfLanguageId(languageId.value_or(::GetUserDefaultUILanguage()))),
      m_hIcon(::LoadIconW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDI_APP))) {}

void CQuarrix_Disk_FormatterDlg::DoDataExchange(CDataExchange* exchange) {
    DDX_Control(exchange, IDC_DRIVE_LIST, m_driveList);
    DDX_Control(exchange, IDC_LETTER_LIST, m_letterList);
    DDX_Control(exchange, IDC_FILE_SYSTEM_LIST, m_fileSystemList);
    DDX_Control(exchange, IDC_LABEL_EDIT, m_labelEdit);
    DDX_Control(exchange, IDC_START_FORMAT, m_startButton);
    DDX_Control(exchange, IDC_PROGRESS, m_progress);
    DDX_Control(exchange, IDC_WEB_LINK, m_webLink);
    DDX_Control(exchange, IDC_WARNING_TEXT, m_warningText);
}

BOOL CQuarrix_Disk_FormatterDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    const std::vector<HWND> children = ChildrenInTemplateOrder(m_hWnd);
    ShowTexts(children);
    PlaceLabelsBeforeTheirControls(children);
    ShowIconAtSystemSize(IDC_SEARCH_ICON, IDI_SEARCH, m_searchIcon);
    ShowIconAtSystemSize(IDC_LOGO_ICON, IDI_LOGO, m_logoIcon);
    AddToolTips();

    if (HMENU systemMenu = GetSystemMenu(FALSE)) {
        ::AppendMenuW(systemMenu, MF_SEPARATOR, 0, nullptr);
        ::AppendMenuW(systemMenu, MF_STRING, IDM_ABOUT, m_texts[TextId::AboutMenuItem]);
    }

    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));

    ProbeEnvironment();

    SetWindowText(kMainTitle);
    m_labelEdit.SetWindowText(kDefaultVolumeLabel);
    m_progress.SetMarquee(TRUE, 200);
    m_webLink.SetTextColor(kWebLinkColour);
    // On Windows XP the volume is always formatted with NTFS, so there is nothing to choose.
    if (IsWindowsXp(m_osProductName)) m_fileSystemList.EnableWindow(FALSE);
    m_warningText.SetTextColor(kWarningColour);
    ::GetWindowRect(m_warningText.m_hWnd, &m_warningLinePlace);
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&m_warningLinePlace), 2);

    ScanDrives();
    // TRUE: the dialog manager puts the focus on the first tab stop, Start Format.
    return TRUE;
}

void CQuarrix_Disk_FormatterDlg::OnSysCommand(UINT id, LPARAM) {
    if ((id & 0xFFF0) == IDM_ABOUT) {
        ShowAboutBox();
        return;
    }
    Default();
}

void CQuarrix_Disk_FormatterDlg::OnPaint() {
    if (!IsIconic()) {
        Default();
        return;
    }
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    const int iconWidth = ::GetSystemMetrics(SM_CXICON);
    const int iconHeight = ::GetSystemMetrics(SM_CYICON);
    RECT client{};
    GetClientRect(&client);
    const int x = (client.right - client.left - iconWidth + 1) / 2;
    const int y = (client.bottom - client.top - iconHeight + 1) / 2;
    dc.DrawIcon(x, y, m_hIcon);
}

HCURSOR CQuarrix_Disk_FormatterDlg::OnQueryDragIcon() { return static_cast<HCURSOR>(m_hIcon); }

LRESULT CQuarrix_Disk_FormatterDlg::OnDevicesChanged(WPARAM, LPARAM) {
    ScanDrives();
    return 0;
}

BOOL CQuarrix_Disk_FormatterDlg::OnEraseBkgnd(HDC) { return BOOL(Default()); }

// A browser started by this elevated program would run with administrative rights: the
// desktop's shell starts it as the signed-in user instead, or the user opens the address.
void CQuarrix_Disk_FormatterDlg::OnWebLinkClicked() {
    if (!IsProcessElevated()) {
        ShellOpen(kMakerUrl);
    } else if (!OpenFromDesktopShell(kMakerUrl)) {
        MessageBox(m_texts.Format(TextId::OpenAddressYourself, {kMakerUrl}));
    }
}

void CQuarrix_Disk_FormatterDlg::OnSearchIconClicked() {
    ScanDrives();
    m_driveList.ShowDropDown(TRUE);
}

void CQuarrix_Disk_FormatterDlg::OnLogoIconClicked() { ShowAboutBox(); }

void CQuarrix_Disk_FormatterDlg::ShowAboutBox() {
    CAboutDlg about(m_texts);
    about.DoModal();
}

// Anyone may post this message: it only makes the window look whether the run's control says
// that the worker has ended. While the stop question is open, the question goes first, as No,
// and the end is taken once it has returned.
LRESULT CQuarrix_Disk_FormatterDlg::OnFormatRunEnded(WPARAM, LPARAM) {
    if (!m_runInProgress || !m_runControl->HasEnded()) return 0;
    if (m_askingToStop) {
        // A Yes/No box ignores WM_CLOSE; its No button closes it.
        OwnedBoxSearch search{m_hWnd, nullptr};
        ::EnumThreadWindows(::GetCurrentThreadId(), &NoteOwnedBox, reinterpret_cast<LPARAM>(&search));
        if (search.box) ::PostMessageW(search.box, WM_COMMAND, MAKEWPARAM(IDNO, BN_CLICKED), 0);
        return 0;
    }
    TakeRunEnd();
    return 0;
}

void CQuarrix_Disk_FormatterDlg::TakeRunEnd() {
    if (!m_runInProgress || !m_runControl->HasEnded()) return;
    const RunEndNotice notice = m_runControl->TakeEndNotice();
    m_runInProgress = false;
    UnblockShutdown(m_hWnd);
    ReleaseCloseRequests();
    if (notice.scanDrivesAgain) ScanDrives();
    // Shown by the window's own thread once the run is over, the status line and button back.
    const UINT icon = notice.box == RunEndNotice::Box::Error ? MB_ICONERROR : MB_ICONINFORMATION;
    if (notice.box != RunEndNotice::Box::None) MessageBox(notice.text, nullptr, MB_OK | icon);
}

// A shutdown or log-off would end a utility halfway and leave the drive unusable; once no utility
// can run any more (a question of the run waits, a label is being set) nothing is held back.
LRESULT CQuarrix_Disk_FormatterDlg::OnQueryEndSession(WPARAM, LPARAM) {
    return m_runInProgress && m_runControl->CanStop() ? FALSE : TRUE;
}

// While a utility runs, Escape, Alt+F4 and the close box offer to stop it, the one way out of a
// run that hangs; Enter never asks. Before the run has started (the confirmation, the warnings)
// and once its utilities are done, a close request does nothing.
void CQuarrix_Disk_FormatterDlg::OnHeldCloseRequest(UINT command) {
    if (command != IDCANCEL || !m_runInProgress || m_askingToStop || !m_runControl->CanStop()) return;
    const std::shared_ptr<RunControl> run = m_runControl;
    // Before any utility has started, stopping changes nothing on the drive, and the question
    // says so; a Yes counts only while that still holds, else the usual question follows.
    if (!run->HasStarted()) {
        if (AskToStop(m_texts[TextId::StopBeforeStartQuestion]) != IDYES || run->StopBeforeAnythingStarted() ||
            !run->CanStop()) {
            TakeRunEnd();
            return;
        }
    }
    // The run may have ended while the question was open; then this does nothing.
    if (AskToStop(m_texts[TextId::StopQuestion]) == IDYES) run->Stop();
    TakeRunEnd();
}

void CQuarrix_Disk_FormatterDlg::PlaceWarningLineFor(const std::wstring& text) {
    RECT place = m_warningLinePlace;
    const int width = place.right - place.left;
    const RECT oneLine = TextBoundsIn(m_warningText.m_hWnd, L"X", DT_SINGLELINE, 0);
    // Measured a few per cent narrower than the line: another system's font may be wider.
    const RECT wrapped = TextBoundsIn(m_warningText.m_hWnd, text.c_str(), DT_WORDBREAK | DT_CENTER, width - width / 25);
    if (wrapped.bottom > oneLine.bottom) {
        // Half a line up into the gap below the button row, and as much down towards the rule.
        RECT half{0, 0, 0, 4};
        ::MapDialogRect(m_hWnd, &half);
        place.top -= half.bottom;
        place.bottom += half.bottom;
    }
    ::SetWindowPos(m_warningText.m_hWnd, nullptr, place.left, place.top, width, place.bottom - place.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
}

int CQuarrix_Disk_FormatterDlg::AskToStop(const wchar_t* question) {
    m_askingToStop = true;
    const int answer = MessageBox(question, nullptr, MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2);
    m_askingToStop = false;
    return answer;
}

// The window's own texts in its language. The English window is the template as it stands.
void CQuarrix_Disk_FormatterDlg::ShowTexts(const std::vector<HWND>& children) {
    for (const Label& label : kLabels) {
        if (label.templateIndex >= children.size()) continue;
        ::SetWindowTextW(children[label.templateIndex], m_texts[label.text]);
        if (m_texts.language() != Language::English)
            WidenToFit(m_hWnd, children[label.templateIndex], m_texts[label.text], label.roomDialogUnits);
    }
    m_startButton.SetWindowText(m_texts[TextId::StartFormatButton]);
    m_warningText.SetWindowText(m_texts[TextId::WarningLine]);
}

void CQuarrix_Disk_FormatterDlg::PlaceLabelsBeforeTheirControls(const std::vector<HWND>& children) {
    for (const Label& labelled : kLabels) {
        HWND label = labelled.templateIndex < children.size() ? children[labelled.templateIndex] : nullptr;
        HWND control = ::GetDlgItem(m_hWnd, labelled.control);
        if (!label || !control) continue;
        HWND before = ::GetWindow(control, GW_HWNDPREV);
        ::SetWindowPos(label, before ? before : HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

// The system's icon size grows with the display's scaling; the magnifying glass's
// SS_REALSIZEIMAGE would otherwise keep the first image of its group.
void CQuarrix_Disk_FormatterDlg::ShowIconAtSystemSize(int controlId, UINT iconId, CIcon& icon) {
    if (icon.Load(AfxGetResourceHandle(), iconId, ::GetSystemMetrics(SM_CXICON), ::GetSystemMetrics(SM_CYICON)))
        ::SendDlgItemMessageW(m_hWnd, controlId, STM_SETICON, reinterpret_cast<WPARAM>(static_cast<HICON>(icon)), 0);
}

// The tips are an owned pop-up window, which goes with the dialog.
void CQuarrix_Disk_FormatterDlg::AddToolTips() {
    HWND tips = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, m_hWnd, nullptr,
                                  AfxGetResourceHandle(), nullptr);
    if (!tips) return;
    const auto add = [&](int control, const wchar_t* text) {
        TOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = m_hWnd;
        tool.uId = reinterpret_cast<UINT_PTR>(::GetDlgItem(m_hWnd, control));
        tool.lpszText = const_cast<wchar_t*>(text);
        ::SendMessageW(tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    };
    for (const ToolTip& tip : kToolTips) add(tip.control, m_texts[tip.text]);
    // The web address is the same in every language.
    add(IDC_WEB_LINK, kMakerUrl);
}
