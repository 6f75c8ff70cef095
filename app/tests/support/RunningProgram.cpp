#include "app/tests/support/RunningProgram.h"

#include <commctrl.h>

#include <utility>

namespace {

void SelectComboEntry(HWND dialog, int id, int index) {
    HWND combo = ::GetDlgItem(dialog, id);
    ::SendMessageW(combo, CB_SETCURSEL, WPARAM(index), 0);
    ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

std::wstring SelectedEntry(HWND combo) {
    const int index = ComboSelection(combo);
    const auto entries = ComboEntries(combo);
    return index >= 0 && index < int(entries.size()) ? entries[size_t(index)] : std::wstring();
}

using PopUpSearch = std::pair<HWND, std::vector<HWND>>;

// Collects the visible dialog boxes of this process other than the main window.
BOOL CALLBACK CollectPopUp(HWND window, LPARAM data) {
    auto* s = reinterpret_cast<PopUpSearch*>(data);
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    if (process == ::GetCurrentProcessId() && window != s->first && ::IsWindowVisible(window) &&
        ClassOf(window) == L"#32770")
        s->second.push_back(window);
    return TRUE;
}

}  // namespace

RunningProgram::RunningProgram(LCID threadLocale, std::optional<LANGID> language) : dialog_(language) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&controls);
    app_.m_pMainWnd = &dialog_;
    runner_ = new ModalDialogRunner([this, threadLocale] {
        if (threadLocale != 0) ::SetThreadLocale(threadLocale);
        return dialog_.DoModal();
    });
}

RunningProgram::~RunningProgram() {
    // A run still under way holds the close back; let it end first, answering any box a failed
    // test left open (Cancel, else OK, or No to a question).
    WaitUntil([this] {
        for (HWND box : PopUps())
            PressButton(box, MessageBoxHasButton(box, IDCANCEL) ? IDCANCEL : MessageBoxHasButton(box, IDOK) ? IDOK : IDNO);
        return PopUps().empty() && !dialog_.IsFormatRunInProgress();
    }, 30000);
    delete runner_;
    app_.m_pMainWnd = nullptr;
}

std::wstring RunningProgram::SelectedDrive() const { return SelectedEntry(Item(IDC_DRIVE_LIST)); }
std::wstring RunningProgram::SelectedLetter() const { return SelectedEntry(Item(IDC_LETTER_LIST)); }
std::wstring RunningProgram::SelectedFileSystem() const { return SelectedEntry(Item(IDC_FILE_SYSTEM_LIST)); }

COLORREF RunningProgram::TextColourOf(int id) const {
    HDC dc = ::CreateCompatibleDC(nullptr);
    ::SetTextColor(dc, RGB(1, 2, 3));
    ::SendMessageW(Window(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(Item(id)));
    const COLORREF colour = ::GetTextColor(dc);
    ::DeleteDC(dc);
    return colour;
}

void RunningProgram::SelectDrive(int index) { SelectComboEntry(Window(), IDC_DRIVE_LIST, index); }

void RunningProgram::SelectLetter(const std::wstring& letter) {
    const auto entries = Letters();
    for (size_t i = 0; i < entries.size(); ++i)
        if (entries[i] == letter) SelectComboEntry(Window(), IDC_LETTER_LIST, int(i));
}

void RunningProgram::SelectFileSystem(const std::wstring& fileSystem) {
    const auto entries = FileSystems();
    for (size_t i = 0; i < entries.size(); ++i)
        if (entries[i] == fileSystem) SelectComboEntry(Window(), IDC_FILE_SYSTEM_LIST, int(i));
}

void RunningProgram::TypeLabel(const std::wstring& label) {
    ::SendMessageW(Item(IDC_LABEL_EDIT), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(label.c_str()));
}

void RunningProgram::SendDeviceChange(WPARAM eventType) { ::SendMessageW(Window(), WM_DEVICECHANGE, eventType, 0); }

bool RunningProgram::WaitForRunEnd(DWORD timeoutMs) {
    return WaitUntil([this] { return !dialog_.IsFormatRunInProgress(); }, timeoutMs);
}

std::vector<HWND> RunningProgram::PopUps() const {
    PopUpSearch search{Window(), {}};
    ::EnumWindows(&CollectPopUp, reinterpret_cast<LPARAM>(&search));
    return search.second;
}
