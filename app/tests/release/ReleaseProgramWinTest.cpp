// The shipped 32-bit program itself (QUARRIX_RELEASE_EXE), started as a user starts it, with no
// Quarrix drive attached: what its windows show, read from outside its process.
#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "app/tests/support/MainWindowControls.h"
#include "app/tests/support/TestEnvironment.h"
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

// The visible dialog window of the process with this title, or nullptr.
HWND FindDialogOfProcess(DWORD processId, const wchar_t* title) {
    WindowSearch search{processId, title, nullptr};
    ::EnumWindows(&FindVisibleDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The release program named by QUARRIX_RELEASE_EXE, running in its own process; ended when the
// object goes.
class ReleaseProgram {
public:
    ReleaseProgram() {
        const wchar_t* exe = ::_wgetenv(L"QUARRIX_RELEASE_EXE");
        if (!exe || !*exe) {
            failure_ = "QUARRIX_RELEASE_EXE names no program";
            return;
        }
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        std::wstring commandLine = L"\"" + std::wstring(exe) + L"\"";
        const DWORD start = ::GetTickCount();
        if (!::CreateProcessW(exe, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
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
    ReleaseProgram(const ReleaseProgram&) = delete;
    ReleaseProgram& operator=(const ReleaseProgram&) = delete;
    ~ReleaseProgram() {
        if (!process_.hProcess) return;
        if (window_) ::PostMessageW(window_, WM_CLOSE, 0, 0);
        if (::WaitForSingleObject(process_.hProcess, 5000) != WAIT_OBJECT_0) ::TerminateProcess(process_.hProcess, 1);
        ::CloseHandle(process_.hThread);
        ::CloseHandle(process_.hProcess);
    }

    // Empty when the program started and showed its filled main window.
    const std::string& Failure() const { return failure_; }
    DWORD ProcessId() const { return process_.dwProcessId; }
    HWND Window() const { return window_; }
    HWND Item(int id) const { return ::GetDlgItem(window_, id); }
    DWORD StartToFilledMs() const { return startToFilledMs_; }

private:
    PROCESS_INFORMATION process_{};
    std::string failure_;
    HWND window_ = nullptr;
    DWORD startToFilledMs_ = 0;
};

TEST(ReleaseProgramTest, ShowsItsSixteenControlsNoDriveEntryAndItsAboutBox) {
    ReleaseProgram program;
    ASSERT_EQ(program.Failure(), "");
    std::cout << "start to filled window: " << program.StartToFilledMs() << " ms" << std::endl;

    HWND child = ::GetWindow(program.Window(), GW_CHILD);
    for (const ExpectedControl& expected : kMainControls) {
        ASSERT_NE(child, nullptr);
        SCOPED_TRACE(expected.text ? expected.text : expected.className);
        ExpectIdClassAndText(child, expected);
        EXPECT_EQ(bool(::IsWindowVisible(child)), bool(expected.style & WS_VISIBLE));
        child = ::GetWindow(child, GW_HWNDNEXT);
    }
    EXPECT_EQ(child, nullptr) << "more controls than the template holds";

    EXPECT_EQ(ComboEntries(program.Item(IDC_DRIVE_LIST)), std::vector<std::wstring>{kNoDrivesText});
    EXPECT_TRUE(::IsWindowEnabled(program.Item(IDC_FILE_SYSTEM_LIST)));

    ::PostMessageW(program.Window(), WM_SYSCOMMAND, IDM_ABOUT, 0);
    HWND about = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (about = FindDialogOfProcess(program.ProcessId(), kAboutWindowTitle)) != nullptr; },
                          10000));
    EXPECT_EQ(TextOf(::GetDlgItem(about, IDC_ABOUT_LINK)), L"www.quarrix.example");
    EXPECT_EQ(::GetWindow(about, GW_OWNER), program.Window());
    PressButton(about, IDOK);
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(about); }, 5000));
}

TEST(ReleaseProgramTest, OnWindowsXpTheFileSystemListIsDisabled) {
    // This test is a 32-bit program like the release, so it writes the registry view the
    // release reads (on 64-bit Windows, the WOW64 one).
    ScopedRegistryValue productName(HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\Windows NT\\CurrentVersion",
                                    L"ProductName", std::wstring(kWindowsXp));
    ReleaseProgram program;
    ASSERT_EQ(program.Failure(), "");
    EXPECT_FALSE(::IsWindowEnabled(program.Item(IDC_FILE_SYSTEM_LIST)));
    EXPECT_EQ(ComboEntries(program.Item(IDC_DRIVE_LIST)), std::vector<std::wstring>{kNoDrivesText});
}

}  // namespace
