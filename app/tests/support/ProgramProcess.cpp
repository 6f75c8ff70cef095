#include "app/tests/support/ProgramProcess.h"

#include "app/resource.h"
#include "app/tests/support/WindowTexts.h"
#include "framework/tests/support/WindowProbe.h"

namespace {

struct WindowSearch {
    DWORD processId;
    const wchar_t* title;
    HWND found;
};

BOOL CALLBACK FindVisibleDialog(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<WindowSearch*>(data);
    DWORD processId = 0;
    ::GetWindowThreadProcessId(window, &processId);
    if (processId == search->processId && ::IsWindowVisible(window) && ClassOf(window) == L"#32770" &&
        TextOf(window) == search->title) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

HWND FindDialogOfProcess(DWORD processId, const wchar_t* title) {
    WindowSearch search{processId, title, nullptr};
    ::EnumWindows(&FindVisibleDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

ProgramProcess::ProgramProcess(const std::wstring& exe) {
    if (exe.empty()) {
        failure_ = "no program is named";
        return;
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    std::wstring commandLine = L"\"" + exe + L"\"";
    const DWORD start = ::GetTickCount();
    if (!::CreateProcessW(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &process_)) {
        failure_ = "cannot start the program, error " + std::to_string(::GetLastError());
        process_ = {};
        return;
    }
    // Filled: the window is shown and the drive scan has put its entry into the drive list.
    const bool filled = WaitUntil([&] {
        window_ = FindDialogOfProcess(process_.dwProcessId, kMainWindowTitle);
        return window_ && ::SendMessageW(Item(IDC_DRIVE_LIST), CB_GETCOUNT, 0, 0) > 0;
    }, 30000);
    startToFilledMs_ = ::GetTickCount() - start;
    if (!filled) failure_ = "no filled main window within 30 s";
}

ProgramProcess::~ProgramProcess() {
    if (!process_.hProcess) return;
    if (window_) ::PostMessageW(window_, WM_CLOSE, 0, 0);
    if (::WaitForSingleObject(process_.hProcess, 5000) != WAIT_OBJECT_0) ::TerminateProcess(process_.hProcess, 1);
    ::CloseHandle(process_.hThread);
    ::CloseHandle(process_.hProcess);
}
