// The shipped 32-bit program itself (QUARRIX_RELEASE_EXE), started as a user starts it, with no
// Quarrix drive attached: what its windows show, read from outside its process.
#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "app/tests/support/MainWindowControls.h"
#include "app/tests/support/ProgramProcess.h"
#include "app/tests/support/TestEnvironment.h"
#include "app/tests/support/WindowTexts.h"
#include "framework/tests/support/WindowProbe.h"

namespace {

// The release program named by QUARRIX_RELEASE_EXE, running in its own process.
class ReleaseProgram : public ProgramProcess {
public:
    ReleaseProgram() : ProgramProcess(ReleaseExe()) {}

private:
    static std::wstring ReleaseExe() {
        const wchar_t* exe = ::_wgetenv(L"QUARRIX_RELEASE_EXE");
        return exe ? exe : L"";
    }
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
