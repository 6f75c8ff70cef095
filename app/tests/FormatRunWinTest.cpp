// Format runs from end to end, started in the real main window as a user starts them: the
// stand-in diskpart.exe and format.com beside this test work on the test's own virtual disks,
// and the test reads back the window, the virtual disks and the temporary folder.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cwctype>
#include <ostream>
#include <string>
#include <vector>

#include "app/tests/support/RunningProgram.h"
#include "app/tests/support/ScopedDriveLetter.h"
#include "app/tests/support/ShellObserver.h"
#include "app/tests/support/TestEnvironment.h"
#include "app/tests/support/WindowTexts.h"
#include "framework/WinApp.h"
#include "sim/SimulatorFiles.h"

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);

constexpr std::int64_t k1TB = 1000204886016;
constexpr std::int64_t k500GB = 500107862016;
constexpr std::int64_t k2TB = 2000398934016;

// The disk the runs format: old files on an NTFS partition, no letter yet.
VirtualDisk TargetDisk(int delayMs) {
    VirtualDisk disk = MakerDisk(1, "Quarrix QX7 USB Device", k1TB);
    disk.label = "Old";
    disk.delayMs = delayMs;
    return disk;
}

// A second maker disk that no run may touch. It holds a letter of its own, so a format.com
// sent to the wrong letter would show on it.
VirtualDisk BystanderDisk() {
    VirtualDisk disk = MakerDisk(2, "Quarrix QX7FIPS USB Device", k500GB);
    disk.fileSystem = "exFAT";
    disk.label = "Keep";
    disk.letter = "F";
    return disk;
}

std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

VirtualDisk DiskAfterRun(const TestEnvironment& environment, std::uint32_t number) {
    std::vector<VirtualDisk> disks = environment.ReadDisks();
    const VirtualDisk* disk = FindDiskByNumber(disks, number);
    return disk ? *disk : VirtualDisk{};
}

void ExpectUntouched(const TestEnvironment& environment, const VirtualDisk& before) {
    std::vector<VirtualDisk> disks = environment.ReadDisks();
    const VirtualDisk* after = FindDiskByNumber(disks, before.number);
    ASSERT_NE(after, nullptr) << "disk " << before.number << " is gone";
    EXPECT_EQ(SerializeVirtualDisks({*after}), SerializeVirtualDisks({before}));
}

// What the utilities leave on the formatted disk.
void ExpectFormatted(const VirtualDisk& disk, const std::string& fileSystem, const std::string& label,
                     const std::string& letter) {
    EXPECT_EQ(disk.contents, "empty");
    EXPECT_EQ(disk.partition, "primary");
    EXPECT_EQ(disk.fileSystem, fileSystem);
    EXPECT_EQ(disk.label, label);
    EXPECT_EQ(disk.letter, letter);
}

bool StartsWithDiskpart(const std::wstring& name) {
    std::wstring lower = name.substr(0, 8);
    for (wchar_t& c : lower) c = wchar_t(std::towlower(c));
    return lower == L"diskpart";
}

std::vector<std::wstring> Scripts(const TestEnvironment& environment) {
    std::vector<std::wstring> scripts;
    for (const std::wstring& name : environment.TempFiles())
        if (StartsWithDiskpart(name)) scripts.push_back(name);
    return scripts;
}

std::string Joined(const std::vector<std::wstring>& names) {
    std::string text;
    for (const std::wstring& name : names) text += (text.empty() ? "" : ", ") + Narrow(name);
    return text.empty() ? "<none>" : text;
}

// The clean-up runs through a command interpreter nobody waits for.
testing::AssertionResult ScriptsCleanedUp(const TestEnvironment& environment) {
    if (WaitUntil([&] { return Scripts(environment).empty(); }, 15000)) return testing::AssertionSuccess();
    return testing::AssertionFailure() << "left in the temporary folder: " << Joined(Scripts(environment));
}

std::string DescribeWindow(const RunningProgram& program) {
    return "status \"" + Narrow(program.Status()) + "\", bar " + (program.ProgressShown() ? "shown" : "hidden") +
           ", button " + (program.StartButtonShown() ? "shown" : "hidden") + " and " +
           (::IsWindowEnabled(program.Item(IDC_START_FORMAT)) ? "enabled" : "disabled");
}

// Waits until the window shows a run under way: the marquee bar in the button's place, the
// button hidden and disabled, the status given, in black.
testing::AssertionResult ShowsRunUnderWay(RunningProgram& program, const wchar_t* status, DWORD timeoutMs = 10000) {
    const bool shown = WaitUntil([&] {
        return program.Status() == status && program.ProgressShown() && !program.StartButtonShown() &&
               !::IsWindowEnabled(program.Item(IDC_START_FORMAT));
    }, timeoutMs);
    if (!shown) return testing::AssertionFailure() << "no run under way: " << DescribeWindow(program);
    if (program.TextColourOf(IDC_WARNING_TEXT) != kBlack)
        return testing::AssertionFailure() << "status colour " << std::hex << program.TextColourOf(IDC_WARNING_TEXT);
    if (!(StyleOf(program.Item(IDC_PROGRESS)) & PBS_MARQUEE)) return testing::AssertionFailure() << "bar not marquee";
    return testing::AssertionSuccess();
}

// The window after a run: the status given, in black, the button back and usable, the bar gone.
testing::AssertionResult ShowsRunEnded(const RunningProgram& program, const wchar_t* status) {
    if (program.Status() != status || program.ProgressShown() || !program.StartButtonShown() ||
        !::IsWindowEnabled(program.Item(IDC_START_FORMAT))) {
        return testing::AssertionFailure() << DescribeWindow(program);
    }
    if (program.TextColourOf(IDC_WARNING_TEXT) != kBlack)
        return testing::AssertionFailure() << "status colour " << std::hex << program.TextColourOf(IDC_WARNING_TEXT);
    return testing::AssertionSuccess();
}

struct Choice {
    std::uint32_t disk;
    std::wstring letter;      // as the letter list shows it, e.g. K:
    std::wstring fileSystem;  // empty: leave the list as it is
    std::wstring label;
};

// Picks the drive, letter, file system and label as a user would.
void Choose(RunningProgram& program, const Choice& choice) {
    const std::wstring prefix = L"[" + std::to_wstring(choice.disk) + L"] - ";
    const auto drives = program.Drives();
    const auto entry = std::find_if(drives.begin(), drives.end(),
                                    [&](const std::wstring& e) { return e.compare(0, prefix.size(), prefix) == 0; });
    ASSERT_NE(entry, drives.end()) << "disk " << choice.disk << " is not listed";
    program.SelectDrive(int(entry - drives.begin()));
    ASSERT_EQ(program.SelectedDrive(), *entry);
    program.SelectLetter(choice.letter);
    ASSERT_EQ(program.SelectedLetter(), choice.letter) << "the letter is not offered";
    if (!choice.fileSystem.empty()) {
        program.SelectFileSystem(choice.fileSystem);
        ASSERT_EQ(program.SelectedFileSystem(), choice.fileSystem);
    }
    program.TypeLabel(choice.label);
}

// Presses Start Format and waits until the run has begun. The click is posted, so the run is
// known to have begun once the close of the window is held back or the status has changed.
testing::AssertionResult StartRun(RunningProgram& program) {
    const std::wstring before = program.Status();
    program.PressStartFormat();
    if (WaitUntil([&] { return program.Dialog().IsFormatRunInProgress() || program.Status() != before; }, 10000))
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << "no run began: " << DescribeWindow(program);
}

std::wstring BinFolder() { return RunningProgramFolder(); }

// Answers a question that a failed test left open, so the run can end and the window close.
struct AnswerLeftQuestions {
    ~AnswerLeftQuestions() {
        for (int i = 0; i < 5; ++i)
            for (HWND box : AllMessageBoxes(0)) PressButton(box, MessageBoxHasButton(box, IDNO) ? IDNO : IDOK);
    }
};

class FormatRunTest : public testing::Test {
protected:
    void SetUp() override {
        // The stand-ins work only beside the simulator build.
        ASSERT_TRUE(FileExists(BinFolder() + L"Quarrix_Disk_Formatter_Sim.exe"))
            << "build Quarrix_Disk_Formatter_Sim into " << Narrow(BinFolder());
        ASSERT_TRUE(FileExists(BinFolder() + L"diskpart.exe"));
        ASSERT_TRUE(FileExists(BinFolder() + L"format.com"));
    }
};

// ---------------------------------------------------------------------------------------------
// Runs that succeed.

struct SucceedingCase {
    const char* name;
    const wchar_t* fileSystem;
    const wchar_t* letter;
    const wchar_t* label;
};

void PrintTo(const SucceedingCase& run, std::ostream* out) { *out << run.name; }

class SucceedingRunTest : public FormatRunTest, public testing::WithParamInterface<SucceedingCase> {};

TEST_P(SucceedingRunTest, ShowsTheRunFormatsTheChosenDiskAsChosenAndCleansUp) {
    const SucceedingCase& run = GetParam();
    const VirtualDisk bystander = BystanderDisk();
    TestEnvironment environment({TargetDisk(1500), bystander});
    RunningProgram program;
    Choose(program, {1, run.letter, run.fileSystem, run.label});

    ASSERT_TRUE(StartRun(program));
    ASSERT_TRUE(ShowsRunUnderWay(program, kFormatting));
    EXPECT_TRUE(program.Dialog().IsFormatRunInProgress());
    // The script stays while the utility works; the clean-up comes only at the end.
    EXPECT_EQ(Scripts(environment), std::vector<std::wstring>{L"diskpart1"});

    ASSERT_TRUE(program.WaitForRunEnd(30000)) << DescribeWindow(program);
    EXPECT_TRUE(ShowsRunEnded(program, kFinished));
    ExpectFormatted(DiskAfterRun(environment, 1), Narrow(run.fileSystem), Narrow(run.label),
                    Narrow(std::wstring(1, run.letter[0])));
    EXPECT_TRUE(ScriptsCleanedUp(environment));
    ExpectUntouched(environment, bystander);
    EXPECT_TRUE(AllMessageBoxes(0).empty()) << "a run outside Windows XP mode asks nothing";
}

INSTANTIATE_TEST_SUITE_P(FileSystems, SucceedingRunTest,
                         testing::Values(SucceedingCase{"Ntfs", L"NTFS", L"K:", L"Backup"},
                                         SucceedingCase{"ExFat", L"exFAT", L"M:", L"Photos"},
                                         SucceedingCase{"NtfsLabelWithABlank", L"NTFS", L"P:", L"My Files"}),
                         [](const testing::TestParamInfo<SucceedingCase>& info) { return info.param.name; });

// ---------------------------------------------------------------------------------------------
// The utility's output decides: failure words end in an error, no keyword leaves the start text.

struct FailureCase {
    const char* name;
    const char* failCommand;
    const char* failMessage;  // empty: the stand-in's default "DiskPart has encountered an error: ..."
};

void PrintTo(const FailureCase& run, std::ostream* out) { *out << run.name; }

class FailureWordTest : public FormatRunTest, public testing::WithParamInterface<FailureCase> {};

TEST_P(FailureWordTest, EndsWithTheErrorTextAndCleansUpWithoutAQuestion) {
    VirtualDisk target = TargetDisk(0);
    target.failCommand = GetParam().failCommand;
    target.failMessage = GetParam().failMessage;
    const VirtualDisk bystander = BystanderDisk();
    TestEnvironment environment({target, bystander});
    RunningProgram program;
    Choose(program, {1, L"K:", L"NTFS", L"Backup"});

    ASSERT_TRUE(StartRun(program));
    ASSERT_TRUE(program.WaitForRunEnd(30000)) << DescribeWindow(program);
    EXPECT_TRUE(ShowsRunEnded(program, kFailed));
    EXPECT_TRUE(ScriptsCleanedUp(environment));
    EXPECT_TRUE(AllMessageBoxes(0).empty());
    EXPECT_NE(DiskAfterRun(environment, 1).letter, "K") << "the run was to stop before the letter";
    ExpectUntouched(environment, bystander);
}

INSTANTIATE_TEST_SUITE_P(
    Keywords, FailureWordTest,
    testing::Values(FailureCase{"ErrorColonOfTheDefaultMessage", "clean", ""},
                    FailureCase{"TryAgain", "select", "The device is busy. Please try again!"},
                    FailureCase{"Unable", "create", "Virtual Disk Service was unable to create the partition."},
                    // The format step has printed "  100 percent completed" by then: failure wins.
                    FailureCase{"ErrorColonAfterTheFormatCompleted", "assign",
                                "DiskPart has encountered an error: The parameter is incorrect."}),
    [](const testing::TestParamInfo<FailureCase>& info) { return info.param.name; });

struct NoVerdictCase {
    const char* name;
    bool silent;
    const char* failCommand;
    const char* failMessage;
};

void PrintTo(const NoVerdictCase& run, std::ostream* out) { *out << run.name; }

class NoVerdictTest : public FormatRunTest, public testing::WithParamInterface<NoVerdictCase> {};

TEST_P(NoVerdictTest, EndsNormallyWithTheStartTextStillShown) {
    VirtualDisk target = TargetDisk(0);
    target.silent = GetParam().silent;
    target.failCommand = GetParam().failCommand;
    target.failMessage = GetParam().failMessage;
    TestEnvironment environment({target, BystanderDisk()});
    RunningProgram program;
    Choose(program, {1, L"K:", L"NTFS", L"Backup"});

    ASSERT_TRUE(StartRun(program));
    ASSERT_TRUE(program.WaitForRunEnd(30000)) << DescribeWindow(program);
    EXPECT_TRUE(ShowsRunEnded(program, kFormatting));
    EXPECT_TRUE(ScriptsCleanedUp(environment));
    EXPECT_TRUE(AllMessageBoxes(0).empty());
    // A silent utility still does its work; it only says nothing.
    if (GetParam().silent) ExpectFormatted(DiskAfterRun(environment, 1), "NTFS", "Backup", "K");
}

INSTANTIATE_TEST_SUITE_P(
    Outputs, NoVerdictTest,
    testing::Values(NoVerdictCase{"SilentUtility", true, "", ""},
                    NoVerdictCase{"ArgumentsNotValid", false, "format",
                                  "The arguments specified for this command are not valid.\n"
                                  "For more information on the command type: HELP FORMAT"},
                    NoVerdictCase{"CapitalisedError", false, "clean",
                                  "DiskPart has encountered an Error: The media is write protected."},
                    NoVerdictCase{"UnableWithoutABlankAfterIt", false, "clean", "The disk was unable."}),
    [](const testing::TestParamInfo<NoVerdictCase>& info) { return info.param.name; });

// Moves a file aside and puts it back, also when the test fails.
class ScopedMovedFile {
public:
    ScopedMovedFile(std::wstring from, std::wstring to) : from_(std::move(from)), to_(std::move(to)) {
        moved_ = ::MoveFileW(from_.c_str(), to_.c_str()) != FALSE;
    }
    ScopedMovedFile(const ScopedMovedFile&) = delete;
    ScopedMovedFile& operator=(const ScopedMovedFile&) = delete;
    ~ScopedMovedFile() {
        if (moved_) ::MoveFileExW(to_.c_str(), from_.c_str(), MOVEFILE_REPLACE_EXISTING);
    }
    bool Moved() const { return moved_; }

private:
    std::wstring from_;
    std::wstring to_;
    bool moved_ = false;
};

TEST_F(FormatRunTest, AMissingPartitioningUtilityEndsWithTheErrorText) {
    const std::wstring utility = BinFolder() + L"diskpart.exe";
    const std::wstring aside = BinFolder() + L"diskpart.exe.moved-aside-by-format-run-test";
    // A run of this test that died half-way left the utility aside.
    if (!FileExists(utility) && FileExists(aside)) ::MoveFileW(aside.c_str(), utility.c_str());
    const VirtualDisk target = TargetDisk(0);
    TestEnvironment environment({target});
    RunningProgram program;
    Choose(program, {1, L"K:", L"NTFS", L"Backup"});
    {
        ScopedMovedFile missing(utility, aside);
        ASSERT_TRUE(missing.Moved());
        ASSERT_FALSE(FileExists(utility));
        ASSERT_TRUE(StartRun(program));
        ASSERT_TRUE(program.WaitForRunEnd(30000)) << DescribeWindow(program);
    }
    EXPECT_TRUE(FileExists(utility));
    EXPECT_TRUE(ShowsRunEnded(program, kFailed));
    EXPECT_TRUE(ScriptsCleanedUp(environment));
    EXPECT_TRUE(AllMessageBoxes(0).empty());
    ExpectUntouched(environment, target);
}

// ---------------------------------------------------------------------------------------------
// Windows XP mode: the script only partitions, format.com formats, and the user is asked
// whether to open the new drive.

struct XpCase {
    const char* name;
    int answer;  // IDYES or IDNO
    const wchar_t* letter;
    const wchar_t* label;
};

void PrintTo(const XpCase& run, std::ostream* out) { *out << run.name; }

class WindowsXpRunTest : public FormatRunTest, public testing::WithParamInterface<XpCase> {};

TEST_P(WindowsXpRunTest, PartitionsFormatsWithFormatComAndAsksToOpenTheDrive) {
    const XpCase& run = GetParam();
    const wchar_t letter = run.letter[0];
    const VirtualDisk bystander = BystanderDisk();
    TestEnvironment environment({TargetDisk(1000), bystander}, kWindowsXp);
    ShellObserver shell;
    RunningProgram program;
    AnswerLeftQuestions answerLeftQuestions;
    EXPECT_FALSE(::IsWindowEnabled(program.Item(IDC_FILE_SYSTEM_LIST)));
    Choose(program, {1, run.letter, L"", run.label});

    ASSERT_TRUE(StartRun(program));
    ASSERT_TRUE(ShowsRunUnderWay(program, kPartitioning));
    ASSERT_TRUE(ShowsRunUnderWay(program, kFormatting)) << "format.com was not started";

    HWND question = FindMessageBox(0, 30000);
    ASSERT_NE(question, nullptr) << DescribeWindow(program);
    // Asked from the worker: the window's own thread stays free meanwhile.
    EXPECT_NE(::GetWindowThreadProcessId(question, nullptr), program.ThreadId());
    EXPECT_EQ(MessageBoxText(question),
              std::wstring(L"Format complete.\nWould like to open drive '") + letter + L":\\' now?");
    EXPECT_EQ(TextOf(question), AfxGetAppName());
    EXPECT_TRUE(MessageBoxHasButton(question, IDYES));
    EXPECT_TRUE(MessageBoxHasButton(question, IDNO));
    EXPECT_FALSE(MessageBoxHasButton(question, IDOK));
    EXPECT_FALSE(MessageBoxHasButton(question, IDCANCEL));
    EXPECT_EQ(AllMessageBoxes(0).size(), 1u);

    // Asked once the run is over: the window is back, the scripts are going, the disk is done.
    EXPECT_TRUE(ShowsRunEnded(program, kFinished));
    EXPECT_TRUE(ScriptsCleanedUp(environment));
    ExpectFormatted(DiskAfterRun(environment, 1), "NTFS", Narrow(run.label), Narrow(std::wstring(1, letter)));
    ExpectUntouched(environment, bystander);

    // On a real system the new volume is there by now; here its letter is made to stand for a
    // folder, so that an "open" of its root reaches the shell at all.
    ScopedDriveLetter newDrive(letter);
    ASSERT_TRUE(newDrive.Exists()) << "the drive " << Narrow(newDrive.Root()) << " could not be made";

    PressButton(question, run.answer);
    ASSERT_TRUE(program.WaitForRunEnd(30000));
    EXPECT_TRUE(ShowsRunEnded(program, kFinished));
    if (run.answer == IDYES) {
        const auto opened = shell.Opened(1, 15000);
        ASSERT_EQ(opened.size(), 1u);
        EXPECT_NE(opened[0].find(L"\"" + newDrive.Root() + L"\""), std::wstring::npos) << Narrow(opened[0]);
    } else {
        EXPECT_TRUE(shell.Opened(1, 3000).empty()) << "No opened something";
    }
}

INSTANTIATE_TEST_SUITE_P(Answers, WindowsXpRunTest,
                         testing::Values(XpCase{"YesOpensTheNewDrive", IDYES, L"K:", L"Backup"},
                                         // format.com gets the label quoted: /V:"My Files"
                                         XpCase{"NoOpensNothing", IDNO, L"M:", L"My Files"}),
                         [](const testing::TestParamInfo<XpCase>& info) { return info.param.name; });

TEST_F(FormatRunTest, WindowsXpFailingFormatComEndsWithTheErrorTextAndNoQuestion) {
    VirtualDisk target = TargetDisk(0);
    target.failCommand = "format.com";
    TestEnvironment environment({target, BystanderDisk()}, kWindowsXp);
    RunningProgram program;
    AnswerLeftQuestions answerLeftQuestions;
    Choose(program, {1, L"K:", L"", L"Backup"});

    ASSERT_TRUE(StartRun(program));
    ASSERT_TRUE(program.WaitForRunEnd(30000)) << DescribeWindow(program) << ", boxes open "
                                              << AllMessageBoxes(0).size();
    EXPECT_TRUE(ShowsRunEnded(program, kFailed));
    EXPECT_TRUE(AllMessageBoxes(0).empty());
    EXPECT_TRUE(ScriptsCleanedUp(environment));
    // The partitioning went through; the format did not.
    const VirtualDisk after = DiskAfterRun(environment, 1);
    EXPECT_EQ(after.letter, "K");
    EXPECT_EQ(after.fileSystem, "RAW");
}

// ---------------------------------------------------------------------------------------------
// The temporary folder, closing, device changes and responsiveness.

// Creates a file where none is, and removes it again; a file that was already there stays.
class ScopedProbeFile {
public:
    explicit ScopedProbeFile(std::wstring path) : path_(std::move(path)) {
        if (!FileExists(path_)) created_ = ReplaceWholeFile(path_, "probe\r\n");
    }
    ScopedProbeFile(const ScopedProbeFile&) = delete;
    ScopedProbeFile& operator=(const ScopedProbeFile&) = delete;
    ~ScopedProbeFile() {
        if (created_) ::DeleteFileW(path_.c_str());
    }
    const std::wstring& Path() const { return path_; }

private:
    std::wstring path_;
    bool created_ = false;
};

TEST_F(FormatRunTest, TemporaryFolderWithABlankRunsAndTheCleanUpDeletesOnlyItsScripts) {
    const VirtualDisk bystander = BystanderDisk();
    TestEnvironment environment({TargetDisk(300), bystander}, L"Windows 7 Professional", L"quarrix run test");
    const std::wstring temp = environment.TempPath();
    ASSERT_NE(temp.find(L' '), std::wstring::npos);
    const std::wstring parent = temp.substr(0, temp.find_last_of(L'\\', temp.size() - 2) + 1);

    // Kept: files of the temporary folder that do not begin with "diskpart".
    ASSERT_TRUE(ReplaceWholeFile(temp + L"keep-me.txt", "keep"));
    ASSERT_TRUE(ReplaceWholeFile(temp + L"notes on diskpart.txt", "keep"));
    // Deleted by design: every name there that begins with "diskpart", such as another disk's
    // old script.
    ASSERT_TRUE(ReplaceWholeFile(temp + L"diskpart7", "select disk 7\r\n"));
    ASSERT_TRUE(ReplaceWholeFile(temp + L"diskpart-notes.txt", "matches the pattern"));
    // Outside the folder: a script-like name, and the first word of the folder's name, which an
    // unprotected pattern split at its blanks would name as a file to delete.
    ScopedProbeFile parentScript(parent + L"diskpart1");
    ScopedProbeFile firstWord(parent + L"quarrix");
    ASSERT_TRUE(FileExists(parentScript.Path()));
    ASSERT_TRUE(FileExists(firstWord.Path()));

    RunningProgram program;
    Choose(program, {1, L"K:", L"exFAT", L"Travel"});
    ASSERT_TRUE(StartRun(program));
    ASSERT_TRUE(program.WaitForRunEnd(30000)) << DescribeWindow(program);
    EXPECT_TRUE(ShowsRunEnded(program, kFinished));
    // The script's path holds blanks, so the utility is handed it in quotation marks.
    EXPECT_EQ(program.Dialog().m_commandLine, L"diskpart.exe /s \"" + temp + L"diskpart1\"");
    ExpectFormatted(DiskAfterRun(environment, 1), "exFAT", "Travel", "K");
    ExpectUntouched(environment, bystander);

    EXPECT_TRUE(ScriptsCleanedUp(environment));
    std::vector<std::wstring> left = environment.TempFiles();
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::wstring>{L"keep-me.txt", L"notes on diskpart.txt"}));
    EXPECT_TRUE(FileExists(parentScript.Path()));
    EXPECT_TRUE(FileExists(firstWord.Path()));
}

struct CloseRoute {
    const char* name;
    UINT message;
    WPARAM wParam;
};

const CloseRoute kCloseRoutes[] = {
    {"Escape", WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED)},
    {"Enter away from a push button", WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED)},
    {"WM_CLOSE", WM_CLOSE, 0},
    {"close box of the system menu", WM_SYSCOMMAND, SC_CLOSE},
};

TEST_F(FormatRunTest, ClosingDuringARunIsHeldBackWithAMessageAndAllowedAfterIt) {
    TestEnvironment environment({TargetDisk(6000)});
    RunningProgram program;
    Choose(program, {1, L"K:", L"NTFS", L"Backup"});
    ASSERT_TRUE(StartRun(program));
    ASSERT_TRUE(ShowsRunUnderWay(program, kFormatting));

    for (const CloseRoute& route : kCloseRoutes) {
        SCOPED_TRACE(route.name);
        ASSERT_TRUE(program.Dialog().IsFormatRunInProgress()) << "the run ended too soon for this test";
        ::PostMessageW(program.Window(), route.message, route.wParam, 0);
        HWND box = FindMessageBox(program.ThreadId(), 10000);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(MessageBoxText(box), kCloseDuringRunMessage);
        EXPECT_EQ(TextOf(box), AfxGetAppName());
        EXPECT_TRUE(MessageBoxHasButton(box, IDOK));
        EXPECT_FALSE(program.Runner().Ended());
        EXPECT_TRUE(::IsWindowVisible(program.Window()));
        PressButton(box, IDOK);
        ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(box); }, 5000));
        EXPECT_FALSE(program.Runner().Ended());
    }

    ASSERT_TRUE(program.WaitForRunEnd(30000)) << DescribeWindow(program);
    EXPECT_TRUE(ShowsRunEnded(program, kFinished));
    ExpectFormatted(DiskAfterRun(environment, 1), "NTFS", "Backup", "K");
    EXPECT_TRUE(ScriptsCleanedUp(environment));
    PressButton(program.Window(), IDCANCEL);
    ASSERT_TRUE(program.Runner().WaitForEnd(5000));
    EXPECT_EQ(program.Runner().Result(), IDCANCEL);
}

TEST_F(FormatRunTest, DeviceChangesDuringARunRescanWithoutDisturbingIt) {
    const VirtualDisk bystander = BystanderDisk();
    TestEnvironment environment({TargetDisk(3000), bystander});
    RunningProgram program;
    Choose(program, {1, L"K:", L"NTFS", L"Backup"});
    const std::vector<std::wstring> drives = program.Drives();
    const std::vector<std::wstring> letters = program.Letters();
    ASSERT_EQ(drives.size(), 2u);
    ASSERT_TRUE(StartRun(program));
    ASSERT_TRUE(ShowsRunUnderWay(program, kFormatting));

    // Each scan rebuilds the lists, which puts both selections back on their first entries.
    for (WPARAM eventType : {WPARAM(0x8000) /* arrival */, WPARAM(0x8004) /* removal */,
                              WPARAM(0x0007) /* nodes changed */}) {
        SCOPED_TRACE(eventType);
        ASSERT_TRUE(program.Dialog().IsFormatRunInProgress()) << "the run ended too soon for this test";
        program.SelectDrive(1);
        program.SelectLetter(L"M:");
        ASSERT_EQ(program.SelectedDrive(), drives[1]);
        ASSERT_EQ(program.SelectedLetter(), L"M:");
        program.SendDeviceChange(eventType);
        EXPECT_EQ(program.Drives(), drives);
        EXPECT_EQ(program.SelectedDrive(), drives[0]);
        EXPECT_EQ(program.Letters(), letters);
        EXPECT_EQ(program.SelectedLetter(), letters[0]);
        EXPECT_TRUE(ShowsRunUnderWay(program, kFormatting, 0));
    }

    ASSERT_TRUE(program.WaitForRunEnd(30000)) << DescribeWindow(program);
    EXPECT_TRUE(ShowsRunEnded(program, kFinished));
    // The run went on with the choices it started with.
    ExpectFormatted(DiskAfterRun(environment, 1), "NTFS", "Backup", "K");
    ExpectUntouched(environment, bystander);
    EXPECT_TRUE(ScriptsCleanedUp(environment));
}

TEST_F(FormatRunTest, WindowAnswersWithinFiftyMillisecondsThroughoutASlowRun) {
    TestEnvironment environment({TargetDisk(5000)});
    RunningProgram program;
    Choose(program, {1, L"K:", L"NTFS", L"Backup"});
    ASSERT_TRUE(StartRun(program));
    ASSERT_TRUE(ShowsRunUnderWay(program, kFormatting));

    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    double worstMs = 0;
    int answers = 0;
    const ULONGLONG deadline = ::GetTickCount64() + 60000;
    while (program.Dialog().IsFormatRunInProgress() && ::GetTickCount64() < deadline) {
        LARGE_INTEGER before;
        LARGE_INTEGER after;
        DWORD_PTR result = 0;
        ::QueryPerformanceCounter(&before);
        const LRESULT answered =
            ::SendMessageTimeoutW(program.Window(), WM_NULL, 0, 0, SMTO_NORMAL, 2000, &result);
        ::QueryPerformanceCounter(&after);
        ASSERT_NE(answered, 0) << "no answer within 2 s";
        worstMs = std::max(worstMs, double(after.QuadPart - before.QuadPart) * 1000.0 / double(frequency.QuadPart));
        ++answers;
        ::Sleep(5);
    }
    std::printf("Worst answer time during a %d ms run: %.3f ms over %d answers\n", 5000, worstMs, answers);
    EXPECT_FALSE(program.Dialog().IsFormatRunInProgress()) << "the run did not end";
    EXPECT_GE(answers, 200) << "too few answers to speak for the whole run";
    EXPECT_LT(worstMs, 50.0);
    EXPECT_TRUE(ShowsRunEnded(program, kFinished));
    EXPECT_TRUE(ScriptsCleanedUp(environment));
}

}  // namespace
