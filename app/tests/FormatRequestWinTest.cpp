// "Start Format" on the real main window: the partitioning script it writes into the temporary
// folder, the command line it runs, the Enterprise warning, and the requests it turns down
// before anything is written or started. Runs end to end with the stand-in diskpart.exe and
// format.com beside the test program, on virtual disks.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/tests/support/RunningProgram.h"
#include "app/tests/support/TestEnvironment.h"
#include "app/tests/support/WindowTexts.h"
#include "format/FormatRequestRules.h"

namespace {

constexpr std::int64_t kOneTerabyte = 1000204886016;
constexpr wchar_t kWindows7[] = L"Windows 7 Professional";

// Every message box of the program carries the application's name, which the application
// object takes from the executable: this test program's base name.
constexpr wchar_t kAppName[] = L"format_request_win_tests";

constexpr DWORD kBoxTimeoutMs = 10000;
constexpr DWORD kRunTimeoutMs = 60000;
// Long enough that the script is still on disk while the test reads it: the worker deletes it
// once the stand-in diskpart has finished.
constexpr int kSlowDiskMs = 1500;

VirtualDisk SlowDisk(VirtualDisk disk) {
    disk.delayMs = kSlowDiskMs;
    return disk;
}

// A disk of another maker: the drive list then shows only the no-drives entry.
VirtualDisk ForeignDisk() {
    VirtualDisk disk = MakerDisk(1, "Generic Flash Disk USB Device", kOneTerabyte);
    disk.path = "\\\\?\\usbstor#disk&ven_other&prod_flash&rev_1.00#000000000001&0#"
                "{53f56307-b6bf-11d0-94f2-00a0c91efb8b}";
    return disk;
}

// What the stand-in utilities change on a disk, in one comparable line.
std::string StateOf(const VirtualDisk& disk) {
    return "disk " + std::to_string(disk.number) + ": contents=" + disk.contents + " partition=" + disk.partition +
           " fs=" + disk.fileSystem + " label=" + disk.label + " letter=" + disk.letter;
}

std::vector<std::string> StatesOf(const std::vector<VirtualDisk>& disks) {
    std::vector<std::string> states;
    for (const VirtualDisk& disk : disks) states.push_back(StateOf(disk));
    return states;
}

std::string FormattedState(std::uint32_t number, const std::string& fileSystem, const std::string& label,
                           const std::string& letter) {
    VirtualDisk disk;
    disk.number = number;
    disk.contents = "empty";
    disk.partition = "primary";
    disk.fileSystem = fileSystem;
    disk.label = label;
    disk.letter = letter;
    return StateOf(disk);
}

// Every visible top-level dialog window of this process but the main window: a message box of
// the program whatever its caption says.
std::vector<HWND> PopUps(HWND mainWindow) {
    struct Search {
        HWND mainWindow;
        std::vector<HWND> found;
    } search{mainWindow, {}};
    ::EnumWindows([](HWND window, LPARAM data) -> BOOL {
        auto* s = reinterpret_cast<Search*>(data);
        DWORD process = 0;
        ::GetWindowThreadProcessId(window, &process);
        if (process == ::GetCurrentProcessId() && window != s->mainWindow && ::IsWindowVisible(window) &&
            ClassOf(window) == L"#32770") {
            s->found.push_back(window);
        }
        return TRUE;
    }, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool ShowsIcon(HWND box) {
    bool icon = false;
    ::EnumChildWindows(box, [](HWND child, LPARAM data) -> BOOL {
        if (ClassOf(child) == L"Static" && (StyleOf(child) & SS_TYPEMASK) == SS_ICON && ::IsWindowVisible(child) &&
            ::SendMessageW(child, STM_GETICON, 0, 0) != 0) {
            *reinterpret_cast<bool*>(data) = true;
        }
        return TRUE;
    }, reinterpret_cast<LPARAM>(&icon));
    return icon;
}

// The program's message boxes: owned by the main window, the application's name as caption,
// no icon, the OK button only.
void ExpectOkOnlyBox(HWND box, HWND mainWindow, const std::wstring& text) {
    EXPECT_EQ(MessageBoxText(box), text);
    EXPECT_EQ(TextOf(box), kAppName);
    EXPECT_EQ(::GetWindow(box, GW_OWNER), mainWindow);
    EXPECT_TRUE(MessageBoxHasButton(box, IDOK));
    for (int other : {IDCANCEL, IDABORT, IDRETRY, IDIGNORE, IDYES, IDNO})
        EXPECT_FALSE(MessageBoxHasButton(box, other)) << "button " << other;
    EXPECT_FALSE(ShowsIcon(box));
}

// Closes whatever box a failed expectation left open, so the program can close.
void DismissPopUps(HWND mainWindow) {
    for (HWND box : PopUps(mainWindow)) PressButton(box, MessageBoxHasButton(box, IDOK) ? IDOK : IDNO);
}

// Presses Start Format as the dialog's thread receives a click, and learns when the handler has
// returned: the request is over then, whatever it showed or started on the way.
class StartFormatPress {
public:
    explicit StartFormatPress(RunningProgram& program) : mainWindow_(program.Window()), returned_(new bool(false)) {
        ::SendMessageCallbackW(program.Window(), WM_COMMAND, MAKEWPARAM(IDC_START_FORMAT, BN_CLICKED),
                               reinterpret_cast<LPARAM>(program.Item(IDC_START_FORMAT)), &Returned,
                               reinterpret_cast<ULONG_PTR>(returned_));
    }
    StartFormatPress(const StartFormatPress&) = delete;
    StartFormatPress& operator=(const StartFormatPress&) = delete;
    // A flag whose answer has not come is left behind for the answer to land on.
    ~StartFormatPress() {
        DismissPopUps(mainWindow_);
        if (*returned_) delete returned_;
    }

    // Waits (pumping this thread's messages, which delivers the answer) for the handler's return.
    bool HandlerReturned(DWORD timeoutMs) const {
        return WaitUntil([this] { return *returned_; }, timeoutMs);
    }

private:
    static void CALLBACK Returned(HWND, UINT, ULONG_PTR flag, LRESULT) { *reinterpret_cast<bool*>(flag) = true; }
    HWND mainWindow_;
    bool* returned_;
};

// The state of a dialog in which no run was started since it opened.
void ExpectIdleAndUntouched(RunningProgram& program) {
    EXPECT_FALSE(program.Dialog().IsFormatRunInProgress());
    EXPECT_TRUE(program.StartButtonShown());
    EXPECT_TRUE(::IsWindowEnabled(program.Item(IDC_START_FORMAT)));
    EXPECT_FALSE(program.ProgressShown());
    EXPECT_EQ(program.Status(), kIdleWarning);
    EXPECT_EQ(program.TextColourOf(IDC_WARNING_TEXT), RGB(255, 0, 0));
}

// The progress bar's position. A marquee bar keeps no position under Wine; without the marquee
// style it keeps the one it is given, so the test takes the style away while it looks and puts
// it back afterwards.
class ProgressPosition {
public:
    explicit ProgressPosition(RunningProgram& program)
        : bar_(program.Item(IDC_PROGRESS)), style_(::GetWindowLongW(bar_, GWL_STYLE)) {
        ::SetWindowLongW(bar_, GWL_STYLE, style_ & ~PBS_MARQUEE);
    }
    ProgressPosition(const ProgressPosition&) = delete;
    ProgressPosition& operator=(const ProgressPosition&) = delete;
    ~ProgressPosition() { ::SetWindowLongW(bar_, GWL_STYLE, style_); }

    void Set(int position) const { ::SendMessageW(bar_, PBM_SETPOS, WPARAM(position), 0); }
    int Get() const { return int(::SendMessageW(bar_, PBM_GETPOS, 0, 0)); }

private:
    HWND bar_;
    LONG style_;
};

// ---------------------------------------------------------------------------------------------
// The script, the command line and the run that follows.

struct ScriptCase {
    const char* name;
    std::vector<VirtualDisk> disks;   // the one to format is slow
    int driveIndex;                   // entry of the sorted drive list to select
    const wchar_t* productName;
    const wchar_t* fileSystem;        // nullptr: leave the list as it opens
    const wchar_t* label;             // nullptr: keep the label the dialog opens with
    const wchar_t* letter;
    const char* leftOverScript;       // an older script of the same name, or nullptr
    const wchar_t* scriptName;
    std::string expectedScript;
    std::vector<std::string> expectedDisks;  // every disk afterwards
};

void PrintTo(const ScriptCase& c, std::ostream* out) { *out << c.name; }

class ScriptTest : public ::testing::TestWithParam<ScriptCase> {};

const std::wstring kLabel32 = L"ABCDEFGHIJKLMNOPQRSTUVWXYZ012345";
const std::wstring kLabel11 = L"ABCDEFGHIJK";

INSTANTIATE_TEST_SUITE_P(
    Jobs, ScriptTest,
    ::testing::Values(
        ScriptCase{"ExfatBackupOnDisk2SelectedOfTwo",
                   {MakerDisk(1, "Quarrix QX7 USB Device", kOneTerabyte),
                    SlowDisk(MakerDisk(2, "Quarrix QX7 USB Device", kOneTerabyte))},
                   1, kWindows7, L"exFAT", L"Backup", L"F:", nullptr, L"diskpart2",
                   "select disk 2\r\nclean\r\ncreate partition primary\r\n"
                   "format fs=exFAT label=Backup quick\r\nassign letter=F\r\n",
                   {StateOf(MakerDisk(1, "Quarrix QX7 USB Device", kOneTerabyte)),
                    FormattedState(2, "exFAT", "Backup", "F")}},
        ScriptCase{"WindowsXpLeavesTheFormatLineOut",
                   {SlowDisk(MakerDisk(2, "Quarrix QX7 USB Device", kOneTerabyte))},
                   0, kWindowsXp, nullptr, L"Backup", L"F:", nullptr, L"diskpart2",
                   "select disk 2\r\nclean\r\ncreate partition primary\r\nassign letter=F\r\n",
                   {FormattedState(2, "NTFS", "Backup", "F")}},
        ScriptCase{"OpeningChoicesGiveNtfsAndTheDefaultLabel",
                   {SlowDisk(MakerDisk(1, "Quarrix QX7 USB Device", kOneTerabyte))},
                   0, kWindows7, nullptr, nullptr, L"G:", nullptr, L"diskpart1",
                   "select disk 1\r\nclean\r\ncreate partition primary\r\n"
                   "format fs=NTFS label=Quarrix quick\r\nassign letter=G\r\n",
                   {FormattedState(1, "NTFS", "Quarrix", "G")}},
        ScriptCase{"LabelWithABlankIsQuoted",
                   {SlowDisk(MakerDisk(3, "Quarrix QX7 USB Device", kOneTerabyte))},
                   0, kWindows7, L"NTFS", L"My Files", L"F:", nullptr, L"diskpart3",
                   "select disk 3\r\nclean\r\ncreate partition primary\r\n"
                   "format fs=NTFS label=\"My Files\" quick\r\nassign letter=F\r\n",
                   {FormattedState(3, "NTFS", "My Files", "F")}},
        ScriptCase{"EmptyLabelKeepsTheBlankBeforeQuick",
                   {SlowDisk(MakerDisk(2, "Quarrix QX7 USB Device", kOneTerabyte))},
                   0, kWindows7, L"NTFS", L"", L"F:", nullptr, L"diskpart2",
                   "select disk 2\r\nclean\r\ncreate partition primary\r\n"
                   "format fs=NTFS label= quick\r\nassign letter=F\r\n",
                   {FormattedState(2, "NTFS", "", "F")}},
        ScriptCase{"TwoDigitDiskNumberAndALongerOlderScriptReplaced",
                   {SlowDisk(MakerDisk(10, "Quarrix QX7 USB Device", kOneTerabyte))},
                   0, kWindows7, L"NTFS", L"50%", L"F:",
                   "select disk 10\r\nclean\r\ncreate partition primary\r\n"
                   "format fs=NTFS label=AnOlderAndMuchLongerLabel quick\r\nassign letter=Q\r\nrem end\r\n",
                   L"diskpart10",
                   "select disk 10\r\nclean\r\ncreate partition primary\r\n"
                   "format fs=NTFS label=50% quick\r\nassign letter=F\r\n",
                   {FormattedState(10, "NTFS", "50%", "F")}},
        ScriptCase{"NtfsTakesALabelOf32Characters",
                   {SlowDisk(MakerDisk(2, "Quarrix QX7 USB Device", kOneTerabyte))},
                   0, kWindows7, L"NTFS", kLabel32.c_str(), L"F:", nullptr, L"diskpart2",
                   "select disk 2\r\nclean\r\ncreate partition primary\r\n"
                   "format fs=NTFS label=ABCDEFGHIJKLMNOPQRSTUVWXYZ012345 quick\r\nassign letter=F\r\n",
                   {FormattedState(2, "NTFS", "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345", "F")}},
        ScriptCase{"ExfatTakesALabelOf11Characters",
                   {SlowDisk(MakerDisk(2, "Quarrix QX7 USB Device", kOneTerabyte))},
                   0, kWindows7, L"exFAT", kLabel11.c_str(), L"F:", nullptr, L"diskpart2",
                   "select disk 2\r\nclean\r\ncreate partition primary\r\n"
                   "format fs=exFAT label=ABCDEFGHIJK quick\r\nassign letter=F\r\n",
                   {FormattedState(2, "exFAT", "ABCDEFGHIJK", "F")}}),
    [](const ::testing::TestParamInfo<ScriptCase>& info) { return std::string(info.param.name); });

TEST_P(ScriptTest, WritesTheScriptThenRunsDiskpartOnIt) {
    const ScriptCase& c = GetParam();
    TestEnvironment environment(c.disks, c.productName);
    const std::wstring scriptPath = environment.TempPath() + c.scriptName;
    if (c.leftOverScript) {
        ASSERT_TRUE(ReplaceWholeFile(scriptPath, c.leftOverScript));
    }
    RunningProgram program;
    if (c.driveIndex != 0) program.SelectDrive(c.driveIndex);
    if (c.fileSystem) program.SelectFileSystem(c.fileSystem);
    if (c.label) program.TypeLabel(c.label);
    program.SelectLetter(c.letter);
    ASSERT_EQ(program.SelectedLetter(), c.letter) << "the letter is in use under this Wine prefix";
    if (c.fileSystem) {
        ASSERT_EQ(program.SelectedFileSystem(), c.fileSystem);
    }

    StartFormatPress press(program);
    ASSERT_TRUE(press.HandlerReturned(kBoxTimeoutMs)) << "the request stopped at a message box";
    EXPECT_TRUE(PopUps(program.Window()).empty());
    // The worker's first step; the stand-in diskpart is still busy with the slow disk.
    ASSERT_TRUE(WaitUntil([&] { return !program.StartButtonShown(); }, kBoxTimeoutMs));
    const std::string script = ReadFileBytes(scriptPath);
    const std::vector<std::wstring> tempFiles = environment.TempFiles();
    EXPECT_TRUE(program.Dialog().IsFormatRunInProgress()) << "the run ended before the script was read";

    EXPECT_EQ(script, c.expectedScript);
    EXPECT_EQ(tempFiles, std::vector<std::wstring>{c.scriptName});

    if (std::wstring(c.productName) == kWindowsXp) {
        // After format.com the run asks whether to open the new drive; answer No.
        HWND question = FindMessageBox(0, kRunTimeoutMs);
        ASSERT_NE(question, nullptr);
        EXPECT_EQ(MessageBoxText(question).rfind(L"Format complete.", 0), 0u) << MessageBoxText(question);
        PressButton(question, IDNO);
    }
    ASSERT_TRUE(program.WaitForRunEnd(kRunTimeoutMs));
    EXPECT_EQ(program.Dialog().m_commandLine, L"diskpart.exe /s " + scriptPath);
    EXPECT_EQ(program.Status(), kFinished);

    EXPECT_EQ(StatesOf(environment.ReadDisks()), c.expectedDisks);
}

// ---------------------------------------------------------------------------------------------
// The Enterprise warning.

struct WarningCase {
    const char* name;
    const char* friendlyName;
    bool warns;
};

void PrintTo(const WarningCase& c, std::ostream* out) { *out << c.name; }

class EnterpriseWarningTest : public ::testing::TestWithParam<WarningCase> {};

INSTANTIATE_TEST_SUITE_P(
    Drives, EnterpriseWarningTest,
    ::testing::Values(WarningCase{"KorvanModelIsTheEnterpriseDrive", "Quarrix KORVAN USB Device", true},
                      WarningCase{"EnterpriseInTheFriendlyNameItself", "Quarrix Enterprise USB Device", true},
                      WarningCase{"Qx7DriveIsNotWarnedAbout", "Quarrix QX7 USB Device", false},
                      WarningCase{"DifferentLetterCaseIsNotTheEnterpriseDrive", "Quarrix enterprise USB Device",
                                  false}),
    [](const ::testing::TestParamInfo<WarningCase>& info) { return std::string(info.param.name); });

TEST_P(EnterpriseWarningTest, WarnsOnceBetweenWritingTheScriptAndStartingTheRun) {
    const WarningCase& c = GetParam();
    const VirtualDisk disk = MakerDisk(3, c.friendlyName, kOneTerabyte);
    TestEnvironment environment({disk});
    const std::wstring scriptPath = environment.TempPath() + L"diskpart3";
    const std::string expectedScript =
        "select disk 3\r\nclean\r\ncreate partition primary\r\nformat fs=NTFS label=Quarrix quick\r\n"
        "assign letter=F\r\n";

    RunningProgram program;
    program.SelectLetter(L"F:");
    ASSERT_EQ(program.SelectedLetter(), L"F:");
    StartFormatPress press(program);

    if (c.warns) {
        HWND box = FindMessageBox(program.ThreadId(), kBoxTimeoutMs);
        ASSERT_NE(box, nullptr) << "no warning";
        EXPECT_EQ(PopUps(program.Window()), std::vector<HWND>{box});
        ExpectOkOnlyBox(box, program.Window(), kEnterpriseWarningText);
        // The script is written first; the run waits for the user.
        EXPECT_EQ(ReadFileBytes(scriptPath), expectedScript);
        ExpectIdleAndUntouched(program);
        EXPECT_EQ(StatesOf(environment.ReadDisks()), std::vector<std::string>{StateOf(disk)});

        PressButton(box, IDOK);
        EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(box); }, kBoxTimeoutMs));
    }
    ASSERT_TRUE(press.HandlerReturned(kBoxTimeoutMs));
    if (!c.warns) {
        EXPECT_TRUE(PopUps(program.Window()).empty());
    }

    ASSERT_TRUE(program.WaitForRunEnd(kRunTimeoutMs));
    EXPECT_TRUE(PopUps(program.Window()).empty()) << "a second box";
    EXPECT_EQ(program.Dialog().m_commandLine, L"diskpart.exe /s " + scriptPath);
    EXPECT_EQ(program.Status(), kFinished);
    EXPECT_EQ(StatesOf(environment.ReadDisks()),
              std::vector<std::string>{FormattedState(3, "NTFS", "Quarrix", "F")});
}

// ---------------------------------------------------------------------------------------------
// Requests that end with a message and write or start nothing.

// Presses Start Format, expects one OK-only box with `text`, answers it and checks that the
// request ended without a run, without a new file and without touching the disks.
void ExpectRefusal(RunningProgram& program, const TestEnvironment& environment, const std::wstring& text,
                   const std::vector<std::wstring>& tempFilesBefore) {
    const std::vector<std::string> disksBefore = StatesOf(environment.ReadDisks());
    ProgressPosition progress(program);
    progress.Set(40);
    ASSERT_EQ(progress.Get(), 40);

    StartFormatPress press(program);
    HWND box = FindMessageBox(program.ThreadId(), kBoxTimeoutMs);
    ASSERT_NE(box, nullptr) << "no message";
    EXPECT_EQ(PopUps(program.Window()), std::vector<HWND>{box});
    ExpectOkOnlyBox(box, program.Window(), text);
    PressButton(box, IDOK);
    ASSERT_TRUE(press.HandlerReturned(kBoxTimeoutMs));

    EXPECT_TRUE(PopUps(program.Window()).empty()) << "a second box";
    EXPECT_EQ(progress.Get(), 0);
    ExpectIdleAndUntouched(program);
    EXPECT_EQ(environment.TempFiles(), tempFilesBefore);
    EXPECT_EQ(StatesOf(environment.ReadDisks()), disksBefore);
}

TEST(FormatRequestTest, MissingTemporaryFolderIsReportedAndNothingStarts) {
    TestEnvironment environment({MakerDisk(2, "Quarrix QX7 USB Device", kOneTerabyte)});
    const std::wstring missing = environment.TempPath() + L"missing\\";
    // The program reads the temporary folder as its window opens.
    ScopedEnvironmentVariable tmp(L"TMP", missing);
    ScopedEnvironmentVariable temp(L"TEMP", missing);
    RunningProgram program;
    ASSERT_EQ(program.Dialog().m_tempPath, missing);

    ExpectRefusal(program, environment, kScriptNotCreated, {});
    EXPECT_FALSE(FileExists(missing));
}

// An older script for disk 2 lies in the temporary folder and cannot be opened for writing.
class UnwritableScriptTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(ReplaceWholeFile(scriptPath, oldScript)); }

    void ExpectRequestRefused() {
        RunningProgram program;
        ExpectRefusal(program, environment, kScriptNotCreated, {L"diskpart2"});
    }

    TestEnvironment environment{{MakerDisk(2, "Quarrix QX7 USB Device", kOneTerabyte)}};
    const std::wstring scriptPath = environment.TempPath() + L"diskpart2";
    const std::string oldScript = "select disk 2\r\nclean\r\n";
};

TEST_F(UnwritableScriptTest, HeldOpenByAReaderThatSharesNoWritingIsReportedAndKept) {
    std::unique_ptr<void, decltype(&::CloseHandle)> reader(
        ::CreateFileW(scriptPath.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr),
        &::CloseHandle);
    ASSERT_NE(reader.get(), INVALID_HANDLE_VALUE);
    ExpectRequestRefused();
    reader.reset();
    EXPECT_EQ(ReadFileBytes(scriptPath), oldScript);
}

TEST(FormatRequestTest, NoTemporaryFolderIsReportedAndNothingIsWritten) {
    TestEnvironment environment({MakerDisk(2, "Quarrix QX7 USB Device", kOneTerabyte)});
    RunningProgram program;
    // As when the system could give no temporary folder while the window opened (the window's
    // thread is idle, so the test may change the member directly).
    program.Dialog().m_tempPath.clear();
    ExpectRefusal(program, environment, kNoTempPathMessage, {});
}

TEST(FormatRequestTest, EmptyLetterListIsReportedAndNothingIsWritten) {
    TestEnvironment environment({MakerDisk(2, "Quarrix QX7 USB Device", kOneTerabyte)});
    RunningProgram program;
    // As when every letter from D: to Z: is in use.
    ::SendMessageW(program.Item(IDC_LETTER_LIST), CB_RESETCONTENT, 0, 0);
    ASSERT_TRUE(program.Letters().empty());

    ExpectRefusal(program, environment, kNoFreeLetterMessage, {});
}

struct LabelCase {
    const char* name;
    const wchar_t* fileSystem;
    std::wstring label;
    LabelProblem problem;
};

void PrintTo(const LabelCase& c, std::ostream* out) { *out << c.name; }

class RefusedLabelTest : public ::testing::TestWithParam<LabelCase> {};

INSTANTIATE_TEST_SUITE_P(
    Labels, RefusedLabelTest,
    ::testing::Values(LabelCase{"NtfsLabelOf33Characters", L"NTFS", kLabel32 + L"6", LabelProblem::TooLongForNtfs},
                      LabelCase{"ExfatLabelOf12Characters", L"exFAT", kLabel11 + L"L", LabelProblem::TooLongForExfat},
                      LabelCase{"QuotationMarkOnNtfs", L"NTFS", L"My \"Files\"", LabelProblem::HoldsQuotationMark},
                      LabelCase{"LoneQuotationMarkOnExfat", L"exFAT", L"\"", LabelProblem::HoldsQuotationMark}),
    [](const ::testing::TestParamInfo<LabelCase>& info) { return std::string(info.param.name); });

TEST_P(RefusedLabelTest, IsReportedAndNothingIsWritten) {
    const LabelCase& c = GetParam();
    const std::wstring message = LabelProblemMessage(c.problem);
    ASSERT_FALSE(message.empty());
    TestEnvironment environment({MakerDisk(2, "Quarrix QX7 USB Device", kOneTerabyte)});
    RunningProgram program;
    program.SelectFileSystem(c.fileSystem);
    ASSERT_EQ(program.SelectedFileSystem(), c.fileSystem);
    program.TypeLabel(c.label);

    ExpectRefusal(program, environment, message, {});
}

// ---------------------------------------------------------------------------------------------
// No drive attached.

TEST(FormatRequestTest, WithoutADriveStartFormatOnlyResetsTheProgress) {
    TestEnvironment environment({ForeignDisk()});
    const std::vector<std::string> disksBefore = StatesOf(environment.ReadDisks());
    RunningProgram program;
    ASSERT_EQ(program.Drives(), std::vector<std::wstring>{L"No Quarrix drives found."});
    EXPECT_FALSE(::IsWindowEnabled(program.Item(IDC_DRIVE_LIST)));
    ProgressPosition progress(program);
    progress.Set(40);
    ASSERT_EQ(progress.Get(), 40);

    StartFormatPress press(program);
    ASSERT_TRUE(press.HandlerReturned(kBoxTimeoutMs)) << "the request stopped at a message box";
    EXPECT_TRUE(PopUps(program.Window()).empty());

    EXPECT_EQ(progress.Get(), 0);
    ExpectIdleAndUntouched(program);
    EXPECT_TRUE(environment.TempFiles().empty());
    EXPECT_EQ(StatesOf(environment.ReadDisks()), disksBefore);
}

}  // namespace
