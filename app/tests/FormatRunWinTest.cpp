// Format runs from end to end in the real main window: how the utility's exit code and output
// end a run, a missing utility, Windows XP mode with its question, a temporary folder with a
// blank or reached through a link that is re-pointed, closing, stopping, shutting down and device
// changes during a run, the utility ending with the program, responsiveness, and the status line in
// a dark theme. (Runs that succeed are checked with their scripts in FormatRequestWinTest.) The
// stand-in diskpart.exe and format.com beside this test work on the test's own virtual disks.
#include <gtest/gtest.h>
#include <windows.h>
#include <tlhelp32.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cwchar>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "app/tests/support/FormatSteps.h"
#include "app/tests/support/ProgramProcess.h"
#include "app/tests/support/ScopedDriveLetter.h"
#include "app/tests/support/ShellObserver.h"
#include "format/RunExplanation.h"
#include "sim/SimulatorFiles.h"
#include "sim/WinText.h"

namespace {

// A second maker disk that no run may touch. It holds a letter of its own, so a format.com
// sent to the wrong letter would show on it.
VirtualDisk BystanderDisk() {
    VirtualDisk disk = MakerDisk(2, "Quarrix QX7FIPS USB Device", 500107862016);
    disk.fileSystem = "exFAT";
    disk.label = "Keep";
    disk.letter = "F";
    return disk;
}

std::string DisksText(const std::vector<VirtualDisk>& disks) { return SerializeVirtualDisks(disks); }

// Sends a message as another program would and tells whether the window answered within 2 s: a
// box the message opened would keep it from answering.
bool AnsweredAtOnce(HWND window, UINT message, WPARAM wParam, DWORD_PTR* result = nullptr) {
    DWORD_PTR ignored = 0;
    return ::SendMessageTimeoutW(window, message, wParam, 0, SMTO_NORMAL, 2000, result ? result : &ignored) != 0;
}

// Waits until the utility has wiped the first disk: it runs, so the window knows that it does.
bool UtilityAtWork(const TestEnvironment& environment) {
    return WaitUntil([&] {
        const std::vector<VirtualDisk> disks = environment.ReadDisks();
        return !disks.empty() && disks[0].contents == "empty";
    }, kRunTimeoutMs);
}

// Notes whether the status line is ever given the success text, as its window's thread receives it.
class SuccessTextWatch {
public:
    explicit SuccessTextWatch(const RunningProgram& program) {
        line_ = program.Item(IDC_WARNING_TEXT);
        shown_ = false;
        hook_ = ::SetWindowsHookExW(WH_CALLWNDPROC, &Record, nullptr, program.ThreadId());
    }
    ~SuccessTextWatch() { ::UnhookWindowsHookEx(hook_); }
    bool Shown() const { return hook_ && shown_; }

private:
    static LRESULT CALLBACK Record(int code, WPARAM wParam, LPARAM lParam) {
        const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (code == HC_ACTION && message->message == WM_SETTEXT && message->hwnd == line_ &&
            std::wstring(reinterpret_cast<const wchar_t*>(message->lParam)) == kFinished)
            shown_ = true;
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static inline std::atomic<HWND> line_{};
    static inline std::atomic<bool> shown_{false};
    HHOOK hook_;
};

// ---------------------------------------------------------------------------------------------
// How a run ends: its exit code and failure words decide, in any language of the utility, and a
// box explains a failure: its cause by the exit code, then the utility's own words.

// First paragraphs of the box, by the cause the exit code names.
constexpr wchar_t kWriteProtectedCause[] =
    L"The drive is write-protected. If it has a lock switch, slide it to unlocked. If it stays write-protected, the "
    L"drive may be failing.";
constexpr wchar_t kInUseCause[] =
    L"The drive is in use by another program. Close every window and program that uses the drive, then press Start "
    L"Format again.";
constexpr wchar_t kNotReadyCause[] =
    L"The drive is not ready. Unplug it, plug it in again, wait until Windows shows it, then press Start Format again.";
constexpr wchar_t kUtilityErrorCause[] = L"The disk utility reported an error.";
constexpr wchar_t kFormatComCause[] = L"format.com could not format the new volume.";
constexpr wchar_t kDriveReplacedCause[] = L"The drive was not formatted again because the list of drives has "
                                          L"changed. Check the drive, then press Start Format again.";
constexpr wchar_t kLabelNotSetCause[] = L"The drive was formatted, but its label could not be set: %s You can set "
                                        L"it in Explorer: right-click the drive and choose Rename.";
constexpr wchar_t kCopyHint[] = L"\n\nPress Ctrl+C to copy this message.";

// The system's words for an error number, as this system words them, without the line break.
std::wstring SystemWords(DWORD code) {
    wchar_t text[512] = {};
    DWORD length = ::FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, text,
                                    512, nullptr);
    while (length > 0 && std::wcschr(L"\r\n ", text[length - 1])) --length;
    return std::wstring(text, length);
}

struct OutputCase {
    const char* name;
    const char* failCommand;  // empty: none fails
    const char* failMessage;  // empty: the stand-in's default "DiskPart has encountered an error: ..."
    const wchar_t* cause;     // the first paragraph of the box that explains the failure; nullptr: the run finishes
    bool silent = false;
    const wchar_t* productName = L"Windows 7 Professional";
    const char* progress = nullptr;  // instead of "  100 percent completed" (UTF-8)
    std::uint32_t failExitCode = 0;  // 0: the stand-in's documented code, 4
    std::uint32_t failTimes = 0;     // 0: the command fails in every run
    UINT oemCodePage = 0;            // the locale the row needs; 0: any
    bool replacedAfterFirstRun = false;  // another drive takes the disk number once the first run has failed
    const wchar_t* label = L"Backup";
};

void PrintTo(const OutputCase& c, std::ostream* out) { *out << c.name; }
std::string RowName(const testing::TestParamInfo<OutputCase>& info) { return info.param.name; }

class OutputTest : public testing::TestWithParam<OutputCase> {};

constexpr wchar_t kWindows7[] = L"Windows 7 Professional";

INSTANTIATE_TEST_SUITE_P(
    Outputs, OutputTest,
    // Write-protected in the first run only: no second run, which would have gone through.
    testing::Values(OutputCase{"WriteProtectedOnce", "clean", "", kWriteProtectedCause, false, kWindows7, nullptr,
                               0x80070013, 1},
                    OutputCase{"TryAgain", "select", "The device is busy. Please try again!", kUtilityErrorCause},
                    OutputCase{"Unable", "create", "Virtual Disk Service was unable to create the partition.",
                               kUtilityErrorCause},
                    // The format step has printed "  100 percent completed" by then: failure wins.
                    OutputCase{"ErrorColonAfterTheFormatCompleted", "assign",
                               "DiskPart has encountered an error: The parameter is incorrect.", kUtilityErrorCause},
                    OutputCase{"WindowsXpFailingFormatCom", "format.com", "", kFormatComCause, false, kWindowsXp},
                    OutputCase{"SilentUtility", "", "", nullptr, true},
                    // Progress lines of other languages, or none: the exit code 0 tells the success.
                    OutputCase{"JapaneseProgressLine", "", "", nullptr, false, kWindows7,
                               "100% \xE5\xAE\x8C\xE4\xBA\x86\xE3\x81\x97\xE3\x81\xBE\xE3\x81\x97\xE3\x81\x9F"},
                    OutputCase{"NoProgressLine", "", "", nullptr, false, kWindows7, ""},
                    // The device is in use, said in French: no English word, only the exit code.
                    OutputCase{"DeviceInUseInAnotherLanguage", "clean",
                               "Le p\xC3\xA9riph\xC3\xA9rique est d\xC3\xA9j\xC3\xA0 utilis\xC3\xA9.", kInUseCause,
                               false, kWindows7, nullptr, 0x80042413},
                    // No keyword, but the utility's exit code tells the failure.
                    OutputCase{"ArgumentsNotValid", "format",
                               "The arguments specified for this command are not valid.\n"
                               "For more information on the command type: HELP FORMAT",
                               kUtilityErrorCause},
                    // A translated system: the format step's " 100 " and no English failure word. Its
                    // umlauts come through whole only when decoded in the OEM code page (437 here).
                    OutputCase{"TranslatedFailureAfterTheFormatCompleted", "assign",
                               "Fehler des Dienstes f\xC3\xBCr virtuelle Datentr\xC3\xA4ger:\n"
                               "Der Laufwerkbuchstabe kann nicht zugewiesen werden.",
                               kUtilityErrorCause},
                    // Access denied in the first run: the script runs once more, after the pause, and goes through.
                    OutputCase{"AccessDeniedOnceIsRunAgain", "clean",
                               "DiskPart has encountered an error: Access is denied.\n"
                               "See the System Event Log for more information.",
                               nullptr, false, kWindows7, nullptr, 0x80070005, 1},
                    // Not ready in both runs: there is no third.
                    OutputCase{"NotReadyTwiceEndsAfterTheSecondRun", "clean",
                               "Virtual Disk Service error:\nThe device is not ready.", kNotReadyCause, false,
                               kWindows7, nullptr, 0x80070015, 2},
                    // Nor a second one when the chosen drive is no longer behind its number.
                    OutputCase{"DriveReplacedBeforeTheSecondRun", "clean", "", kDriveReplacedCause, false, kWindows7,
                               nullptr, 0x80070005, 1, 0, true},
                    // The volume is formatted, but the system does not set the label beyond ASCII.
                    OutputCase{"LabelRefusedAfterTheFormat", "label", "", kLabelNotSetCause, false, kWindows7,
                               nullptr, ERROR_ACCESS_DENIED, 0, 0, false, L"Donn\xE9" L"es"}),
    RowName);

// Run alone, in a Russian locale (see CMakeLists.txt): Cyrillic comes through whole only in the
// OEM code page 866.
INSTANTIATE_TEST_SUITE_P(InRussian, OutputTest,
                         testing::Values(OutputCase{"CyrillicWriteProtected", "clean",  // "Write protection."
                                                    "\xD0\x97\xD0\xB0\xD1\x89\xD0\xB8\xD1\x82\xD0\xB0 \xD0\xBE\xD1\x82 "
                                                    "\xD0\xB7\xD0\xB0\xD0\xBF\xD0\xB8\xD1\x81\xD0\xB8.",
                                                    kWriteProtectedCause, false, kWindows7, nullptr, 0x80070013, 0,
                                                    866}),
                         RowName);

TEST_P(OutputTest, EndsWithItsStatusExplainsAFailureAndCleansUpWithoutAQuestion) {
    const OutputCase& c = GetParam();
    if (c.oemCodePage) {
        ASSERT_EQ(::GetOEMCP(), c.oemCodePage) << "the row needs another locale";
    }
    VirtualDisk target = QuarrixDisk(1);
    target.failCommand = c.failCommand;
    target.failMessage = c.failMessage;
    target.silent = c.silent;
    if (c.progress) target.progress = c.progress;
    if (c.failExitCode) target.failExitCode = c.failExitCode;
    if (c.failTimes) target.failTimes = c.failTimes;
    const VirtualDisk bystander = BystanderDisk();
    TestEnvironment environment({target, bystander}, c.productName);
    RunningProgram program;
    ASSERT_TRUE(Choose(program, {1, L"K:", nullptr, c.label}));

    SuccessTextWatch success(program);
    ASSERT_TRUE(StartRun(program));
    if (c.replacedAfterFirstRun) {
        ASSERT_TRUE(WaitUntil([&] {
            const std::vector<VirtualDisk> disks = environment.ReadDisks();
            return !disks.empty() && disks[0].failTimes == 0u;
        }, kRunTimeoutMs));
        target.path = OtherDriveWithNumber(1).path;
        target.failTimes = 0;
        environment.WriteDisks({target, bystander});
    }
    if (c.cause) {
        ASSERT_TRUE(program.WaitForRunEnd(kRunTimeoutMs));
        const std::wstring text = CloseErrorBox(program);
        std::wstring cause = c.cause;
        // The system's words for the error stand where the row has "%s", as this system words them.
        if (const std::size_t at = cause.find(L"%s"); at != std::wstring::npos)
            cause.replace(at, 2, SystemWords(c.failExitCode));
        EXPECT_EQ(text.substr(0, text.find(L"\n\n")), cause);
        // The utility's own words, each line whole, and its exit code.
        std::wistringstream words(WideFromUtf8(c.failMessage));
        for (std::wstring line; std::getline(words, line);)
            EXPECT_NE(text.find(L"\n" + line + L"\n"), std::wstring::npos) << testing::PrintToString(text);
        const std::wstring code = L"\n\nError code: " + ErrorCodeText(c.failExitCode ? c.failExitCode : 4) + kCopyHint;
        EXPECT_EQ(text.substr(text.size() - std::min(text.size(), code.size())), code);
    }
    EXPECT_TRUE(RunEndsWith(program, environment, c.cause ? kFailed : kFinished));
    EXPECT_EQ(success.Shown(), c.cause == nullptr);
    const std::vector<VirtualDisk> disks = environment.ReadDisks();
    ASSERT_EQ(disks.size(), 2u);
    EXPECT_EQ(DisksText({disks[1]}), DisksText({bystander}));
    // A limited failure is counted down in each run that meets it: both runs met it.
    if (c.failTimes) {
        EXPECT_EQ(disks[0].failTimes, std::optional<std::uint32_t>(0));
    }
    if (!c.cause) {
        VirtualDisk formatted = Formatted(target, "NTFS", "Backup", "K");
        if (c.failTimes) formatted.failTimes = 0u;
        EXPECT_EQ(DisksText({disks[0]}), DisksText({formatted}));
    } else if (std::string(c.failCommand) == "label") {  // formatted, without the label
        EXPECT_EQ(DisksText({disks[0]}), DisksText({Formatted(target, "NTFS", "", "K")}));
    } else if (std::string(c.failCommand) == "format.com") {  // the partitioning went through
        EXPECT_EQ(disks[0].letter, "K");
        EXPECT_EQ(disks[0].fileSystem, "RAW");
    } else {  // the utility stopped at the failing command, before the letter
        EXPECT_NE(disks[0].letter, "K");
    }
}

TEST(FormatRunTest, AMissingPartitioningUtilityEndsWithTheErrorTextAndTheSystemsWords) {
    const std::wstring utility = RunningProgramFolder() + L"diskpart.exe";
    const std::wstring aside = utility + L".moved-aside-by-format-run-test";
    const VirtualDisk target = QuarrixDisk(1);
    TestEnvironment environment({target});
    RunningProgram program;
    ASSERT_TRUE(Choose(program, {1, L"K:", L"NTFS", L"Backup"}));
    ASSERT_TRUE(::MoveFileW(utility.c_str(), aside.c_str()));
    // The run ends at once, and its box may be open before the press has returned.
    StartFormatPress press(program);
    const bool ended = Confirm(program) && press.HandlerReturned(kBoxTimeoutMs) && program.WaitForRunEnd(kRunTimeoutMs);
    ASSERT_TRUE(::MoveFileW(aside.c_str(), utility.c_str()));
    ASSERT_TRUE(ended) << WindowState(program);
    EXPECT_EQ(CloseErrorBox(program), L"The disk utility could not be started: " + SystemWords(ERROR_FILE_NOT_FOUND) +
                                          L"\n\nError code: 2" + kCopyHint);
    EXPECT_TRUE(RunEndsWith(program, environment, kFailed));
    EXPECT_EQ(DisksText(environment.ReadDisks()), DisksText({target}));
}

// White text on a black face for the whole session, the old colours back at the end.
struct ScopedDarkTheme {
    const INT elements[2] = {COLOR_BTNFACE, COLOR_BTNTEXT};
    const COLORREF previous[2] = {::GetSysColor(COLOR_BTNFACE), ::GetSysColor(COLOR_BTNTEXT)};
    const COLORREF dark[2] = {RGB(0, 0, 0), RGB(255, 255, 255)};
    ScopedDarkTheme() { ::SetSysColors(2, elements, dark); }
    ~ScopedDarkTheme() { ::SetSysColors(2, elements, previous); }
};

// The control, repainted now, shows white text on a black face (its top-left corner).
bool ShowsWhiteOnBlack(HWND control) {
    ::RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    RECT client{};
    ::GetClientRect(control, &client);
    HDC dc = ::GetDC(control);
    bool white = false;
    for (int y = 0; y < client.bottom; ++y)
        for (int x = 0; x < client.right; ++x) white = white || ::GetPixel(dc, x, y) == RGB(255, 255, 255);
    const bool onBlack = ::GetPixel(dc, 0, 0) == RGB(0, 0, 0);
    ::ReleaseDC(control, dc);
    return white && onBlack;
}

// The status line is drawn in the theme's colours, taken when it paints, not when the window opened.
TEST(FormatRunTest, TheStatusLineAfterARunShowsTheThemesTextOnTheThemesFace) {
    TestEnvironment environment({QuarrixDisk(1)});
    RunningProgram program;
    ASSERT_TRUE(Choose(program, {1, L"K:", L"NTFS", L"Backup"}));
    const ScopedDarkTheme dark;
    ASSERT_TRUE(StartRun(program));
    ASSERT_TRUE(program.WaitForRunEnd(kRunTimeoutMs));
    ASSERT_EQ(program.Status(), kFinished);
    EXPECT_TRUE(WaitUntil([&] { return ShowsWhiteOnBlack(program.Item(IDC_WARNING_TEXT)); }, 5000));
}

// ---------------------------------------------------------------------------------------------
// Windows XP mode: the script only partitions, format.com formats, and the user is asked
// whether to open the new drive.

struct XpCase {
    const char* name;
    int answer;
    const wchar_t* letter;
    const wchar_t* label;  // format.com gets a label with a blank quoted: /V:"My Files"
    const char* sizes = "KB";  // the unit of format.com's size lines
};

void PrintTo(const XpCase& run, std::ostream* out) { *out << run.name; }

class WindowsXpRunTest : public testing::TestWithParam<XpCase> {};

INSTANTIATE_TEST_SUITE_P(Answers, WindowsXpRunTest,
                         testing::Values(XpCase{"YesOpensTheNewDrive", IDYES, L"K:", L"Backup"},
                                         // format.com's sizes in MB, as other versions print them
                                         XpCase{"NoOpensNothing", IDNO, L"M:", L"My Files", "MB"}),
                         [](const testing::TestParamInfo<XpCase>& info) { return info.param.name; });

TEST_P(WindowsXpRunTest, PartitionsFormatsWithFormatComAndAsksToOpenTheDrive) {
    const XpCase& run = GetParam();
    const wchar_t letter = run.letter[0];
    VirtualDisk target = QuarrixDisk(1, 1000);
    target.sizes = run.sizes;
    const VirtualDisk bystander = BystanderDisk();
    TestEnvironment environment({target, bystander}, kWindowsXp);
    ShellObserver shell;
    RunningProgram program;
    ASSERT_TRUE(Choose(program, {1, run.letter, nullptr, run.label}));

    ASSERT_TRUE(StartRun(program));
    ASSERT_TRUE(WaitForWindowState(program, RunShown(kPartitioning)));
    ASSERT_TRUE(WaitForWindowState(program, RunShown(kFormatting))) << "format.com was not started";
    HWND question = FindMessageBox(0, kRunTimeoutMs);
    ASSERT_NE(question, nullptr) << WindowState(program);
    // Asked from the worker: the window's own thread stays free meanwhile.
    EXPECT_NE(::GetWindowThreadProcessId(question, nullptr), program.ThreadId());
    EXPECT_EQ(MessageBoxText(question),
              std::wstring(L"Format complete.\nWould like to open drive '") + letter + L":\\' now?");
    for (int button : {IDYES, IDNO, IDOK, IDCANCEL})
        EXPECT_EQ(MessageBoxHasButton(question, button), button == IDYES || button == IDNO) << "button " << button;
    EXPECT_EQ(program.PopUps(), std::vector<HWND>{question});
    // Nothing is left to stop: a close request while the question waits does nothing.
    ASSERT_TRUE(AnsweredAtOnce(program.Window(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED)));
    EXPECT_EQ(program.PopUps(), std::vector<HWND>{question});
    // Nor does the question hold back a shutdown.
    DWORD_PTR endSession = FALSE;
    ASSERT_TRUE(AnsweredAtOnce(program.Window(), WM_QUERYENDSESSION, 0, &endSession));
    EXPECT_EQ(endSession, TRUE);
    // Asked once the run is over: the window is back, the scripts are going, the disk is done.
    EXPECT_EQ(WindowState(program), NoRunShown(kFinished));
    EXPECT_TRUE(ScriptsCleanedUp(environment));
    EXPECT_EQ(DisksText(environment.ReadDisks()),
              DisksText({Formatted(target, "NTFS", Narrow(run.label), Narrow(run.letter).substr(0, 1)), bystander}));

    // On a real system the new volume is there by now; here its letter is made to stand for a
    // folder, so that an "open" of its root reaches the shell at all.
    ScopedDriveLetter newDrive(letter);
    ASSERT_TRUE(newDrive.Exists()) << "the drive " << Narrow(newDrive.Root()) << " could not be made";
    PressButton(question, run.answer);
    EXPECT_TRUE(RunEndsWith(program, environment, kFinished));
    const std::vector<std::wstring> opened = shell.Opened(1, run.answer == IDYES ? 15000 : 3000);
    if (run.answer == IDYES) {
        ASSERT_EQ(opened.size(), 1u);
        EXPECT_NE(opened[0].find(L"\"" + newDrive.Root() + L"\""), std::wstring::npos) << Narrow(opened[0]);
    } else {
        EXPECT_TRUE(opened.empty()) << "No opened something";
    }
}

TEST(FormatRunTest, NothingIsFormattedOrLabelledAfterThePartitioningWhenTheNewLetterLeadsToAnotherDisk) {
    // The other disk holds K already (listed first, so K leads to it), and the partitioning gives
    // the chosen disk K too: format.com K: would format the other disk, a label would go on it.
    VirtualDisk other = BystanderDisk();
    other.letter = "K";
    const VirtualDisk target = QuarrixDisk(1);
    const std::wstring formattedNotLabelled =
        L"The drive was formatted, but the new volume did not appear under the letter K: on the chosen drive, so its "
        L"label was not set. When the drive appears, set its label in Explorer: right-click the drive and choose Rename.";
    for (const auto& [productName, label, fileSystem, text] :
         {std::tuple{kWindowsXp, L"Backup", "RAW",
                     std::wstring(L"The new volume did not appear under the letter K: on the chosen drive, so it was "
                                  L"not formatted. Press Start Format again.")},
          {L"Windows 7 Professional", L"Donn\xE9" L"es", "NTFS", formattedNotLabelled}}) {
        SCOPED_TRACE(Narrow(productName));
        TestEnvironment environment({other, target}, productName);
        RunningProgram program;
        ASSERT_TRUE(Choose(program, {1, L"K:", nullptr, label}));
        ASSERT_TRUE(StartRun(program));
        ASSERT_TRUE(program.WaitForRunEnd(kRunTimeoutMs));
        EXPECT_EQ(CloseErrorBox(program), text + kCopyHint);
        EXPECT_TRUE(RunEndsWith(program, environment, kFailed));
        const std::vector<VirtualDisk> disks = environment.ReadDisks();
        ASSERT_EQ(disks.size(), 2u);
        EXPECT_EQ(DisksText({disks[0]}), DisksText({other}));
        EXPECT_EQ(disks[1].fileSystem, fileSystem);
        EXPECT_EQ(disks[1].label, "");
    }
}

// ---------------------------------------------------------------------------------------------
// The temporary folder, closing, device changes and responsiveness.

// Temporary folders whose names a command interpreter would read as more than a path: a
// blank, "&" (an account named R&D), "^", "%", "," and the like. The clean-up deletes the files
// that begin with "diskpart" there and nothing else.
class TemporaryFolderTest : public testing::TestWithParam<const wchar_t*> {};

INSTANTIATE_TEST_SUITE_P(Names, TemporaryFolderTest,
                         testing::Values(L"quarrix run test", L"R&D x&calc&", L"a^b%TEMP%,c;d=e(f)'g!"),
                         [](const testing::TestParamInfo<const wchar_t*>& info) {
                             return std::string("Name") + std::to_string(info.index);
                         });

TEST_P(TemporaryFolderTest, RunsAndTheCleanUpDeletesOnlyItsScripts) {
    const VirtualDisk target = QuarrixDisk(1, 300), bystander = BystanderDisk();
    TestEnvironment environment({target, bystander}, L"Windows 7 Professional", GetParam());
    const std::wstring temp = environment.TempPath();
    const std::wstring parent = temp.substr(0, temp.find_last_of(L'\\', temp.size() - 2) + 1);
    // Kept: every name but a script's ("diskpart" and digits), and a folder with a script's name.
    // Deleted: every script there, such as another disk's old one.
    for (const wchar_t* name : {L"keep-me.txt", L"notes on diskpart.txt", L"diskpart7", L"diskpart-notes.txt"})
        ASSERT_TRUE(ReplaceWholeFile(temp + name, "probe\r\n"));
    ASSERT_TRUE(::CreateDirectoryW((temp + L"diskpart5").c_str(), nullptr));
    ASSERT_TRUE(ReplaceWholeFile(temp + L"diskpart5\\diskpart3", "probe\r\n"));
    // Outside the folder: a script-like name, and the first word of the folder's name, which a
    // command interpreter would take for a file to delete.
    const std::wstring name = GetParam();
    const std::vector<std::wstring> outside = {parent + L"diskpart1",
                                               parent + name.substr(0, name.find_first_of(L" &^%,;=()'!"))};
    struct Made : std::vector<std::wstring> {  // where none were; removed again afterwards
        ~Made() { for (const std::wstring& path : *this) ::DeleteFileW(path.c_str()); }
    } made;
    for (const std::wstring& path : outside)
        if (!FileExists(path) && ReplaceWholeFile(path, "probe\r\n")) made.push_back(path);

    RunningProgram program;
    ASSERT_TRUE(Choose(program, {1, L"K:", L"exFAT", L"Travel"}));
    ASSERT_TRUE(StartRun(program));
    EXPECT_TRUE(RunEndsWith(program, environment, kFinished));
    // A script path that holds blanks is handed to the utility in quotation marks.
    const std::wstring script = temp + L"diskpart1";
    EXPECT_EQ(program.Dialog().m_commandLine,
              L"diskpart.exe /s " + (script.find(L' ') == std::wstring::npos ? script : L"\"" + script + L"\""));
    EXPECT_EQ(DisksText(environment.ReadDisks()), DisksText({Formatted(target, "exFAT", "Travel", "K"), bystander}));
    std::vector<std::wstring> left = environment.TempFiles();
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::wstring>{L"diskpart-notes.txt", L"keep-me.txt", L"notes on diskpart.txt"}));
    EXPECT_TRUE(FileExists(temp + L"diskpart5\\diskpart3"));
    for (const std::wstring& path : outside) EXPECT_TRUE(FileExists(path)) << Narrow(path);
}

// A directory symbolic link made and re-pointed from outside (Wine cannot make one itself); a
// Windows program sees it as a reparse point that leads to its target.
class FolderLink {
public:
    FolderLink(std::wstring path, const std::wstring& target) : path_(std::move(path)) { PointAt(target); }
    FolderLink(const FolderLink&) = delete;
    FolderLink& operator=(const FolderLink&) = delete;
    ~FolderLink() { RunUnixTool(L"Z:\\bin\\rm", L"rm -f " + Quoted(UnixPath(path_))); }

    // The link's path, ending in a backslash.
    std::wstring Path() const { return path_ + L"\\"; }
    bool IsReparsePoint() const {
        const DWORD attributes = ::GetFileAttributesW(path_.c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
    }
    // Points the link at `target` (a folder path ending in a backslash) and waits until it leads
    // there: the tool's exit code cannot be read.
    testing::AssertionResult PointAt(const std::wstring& target) {
        RunUnixTool(L"Z:\\bin\\ln", L"ln -sfn " + Quoted(UnixPath(target.substr(0, target.size() - 1))) + L" " +
                                           Quoted(UnixPath(path_)));
        if (WaitUntil([&] { return LeadsTo(target); }, 5000)) return testing::AssertionSuccess();
        return testing::AssertionFailure() << "the link does not lead to " << Narrow(target);
    }

private:
    static std::wstring Quoted(const std::wstring& text) { return L"\"" + text + L"\""; }
    static std::wstring UnixPath(const std::wstring& path) {
        using UnixFileName = char*(CDECL*)(const wchar_t*);
        const auto unixFileName = reinterpret_cast<UnixFileName>(
            reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
        char* name = unixFileName ? unixFileName(path.c_str()) : nullptr;
        if (!name) return std::wstring();
        const std::string unix(name);
        ::HeapFree(::GetProcessHeap(), 0, name);
        return std::wstring(unix.begin(), unix.end());
    }
    static void RunUnixTool(const wchar_t* program, std::wstring commandLine) {
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION process{};
        if (!::CreateProcessW(program, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                              &process))
            return;
        ::WaitForSingleObject(process.hProcess, 5000);
        ::CloseHandle(process.hThread);
        ::CloseHandle(process.hProcess);
    }
    bool LeadsTo(const std::wstring& target) const {
        HANDLE folder = ::CreateFileW(path_.c_str(), FILE_LIST_DIRECTORY, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
        if (folder == INVALID_HANDLE_VALUE) return false;
        wchar_t final[MAX_PATH] = {};
        const DWORD length = ::GetFinalPathNameByHandleW(folder, final, MAX_PATH, 0);
        ::CloseHandle(folder);
        return length > 0 && length < MAX_PATH && std::wstring(final) + L"\\" == L"\\\\?\\" + target;
    }

    std::wstring path_;
};

// The temporary folder reached through a link that another program of the user re-points
// while the program runs: the run keeps to the folder the link led to when it began.
enum class Repointed { Never, WhileTheWarningWaits, DuringTheRun };

struct LinkCase {
    const char* name;
    Repointed when;
};

void PrintTo(const LinkCase& c, std::ostream* out) { *out << c.name; }

class TemporaryFolderLinkTest : public testing::TestWithParam<LinkCase> {};

INSTANTIATE_TEST_SUITE_P(Links, TemporaryFolderLinkTest,
                         testing::Values(LinkCase{"Kept", Repointed::Never},
                                         LinkCase{"RepointedWhileTheWarningWaits", Repointed::WhileTheWarningWaits},
                                         LinkCase{"RepointedDuringTheRun", Repointed::DuringTheRun}),
                         [](const testing::TestParamInfo<LinkCase>& info) { return std::string(info.param.name); });

TEST_P(TemporaryFolderLinkTest, TheRunKeepsToTheRealFolderItFoundFirst) {
    const Repointed when = GetParam().when;
    // The Enterprise drive's warning waits for the user; the other run is slow enough to re-point meanwhile.
    const VirtualDisk target = when == Repointed::WhileTheWarningWaits
                                   ? QuarrixDisk(3, 0, "Quarrix KORVAN USB Device")
                                   : QuarrixDisk(3, when == Repointed::DuringTheRun ? 3000 : 0);
    const VirtualDisk bystander = BystanderDisk();
    TestEnvironment environment({target, bystander});
    const std::wstring real = environment.TempPath();
    // Another folder with a script of its own for the same disk number, which would wipe the bystander.
    ScopedFolder other(L"quarrix-other");
    const std::string otherScript = "select disk 2\r\nclean\r\ncreate partition primary\r\nassign letter=Q\r\n";
    ASSERT_TRUE(ReplaceWholeFile(other.Path() + L"diskpart3", otherScript));
    ASSERT_TRUE(ReplaceWholeFile(other.Path() + L"diskpart-notes.txt", "probe\r\n"));
    FolderLink link(real.substr(0, real.size() - 1) + L"-link", real);
    ASSERT_TRUE(link.IsReparsePoint()) << "no link was made";
    ScopedEnvironmentVariable tmp(L"TMP", link.Path()), temp(L"TEMP", link.Path());

    RunningProgram program;
    ASSERT_EQ(program.Dialog().m_tempPath, link.Path());
    ASSERT_TRUE(Choose(program, {3, L"K:", L"NTFS", L"Backup"}));
    StartFormatPress press(program);
    ASSERT_TRUE(Confirm(program));
    if (when == Repointed::WhileTheWarningWaits) {
        HWND warning = FindMessageBox(program.ThreadId(), kBoxTimeoutMs);
        ASSERT_NE(warning, nullptr) << "no warning";
        ASSERT_TRUE(link.PointAt(other.Path()));
        PressButton(warning, IDOK);
    }
    ASSERT_TRUE(press.HandlerReturned(kBoxTimeoutMs)) << WindowState(program);
    if (when == Repointed::DuringTheRun) {
        ASSERT_TRUE(WaitForWindowState(program, RunShown(kFormatting)));
        ASSERT_TRUE(link.PointAt(other.Path()));
    }

    EXPECT_TRUE(RunEndsWith(program, environment, kFinished));
    // The script was written, run and deleted in the real folder, by its own path.
    EXPECT_EQ(program.Dialog().m_commandLine, L"diskpart.exe /s " + real + L"diskpart3");
    EXPECT_EQ(DisksText(environment.ReadDisks()), DisksText({Formatted(target, "NTFS", "Backup", "K"), bystander}));
    EXPECT_EQ(ReadFileBytes(other.Path() + L"diskpart3"), otherScript);
    EXPECT_TRUE(FileExists(other.Path() + L"diskpart-notes.txt"));
}

TEST(FormatRunTest, ClosingAndDeviceChangesDuringARunLeaveItAsStartedAndClosingWorksAfterIt) {
    const VirtualDisk target = QuarrixDisk(1, 8000), bystander = BystanderDisk();
    TestEnvironment environment({target, bystander});
    RunningProgram program;
    ASSERT_TRUE(Choose(program, {1, L"K:", L"exFAT", L"Backup"}));
    const std::vector<std::wstring> drives = program.Drives(), letters = program.Letters();
    ASSERT_EQ(drives.size(), 2u);
    ASSERT_TRUE(StartRun(program));
    ASSERT_TRUE(UtilityAtWork(environment));

    // Windows asks before a shutdown or log-off: not now.
    DWORD_PTR endSession = TRUE;
    ASSERT_TRUE(AnsweredAtOnce(program.Window(), WM_QUERYENDSESSION, 0, &endSession));
    EXPECT_EQ(endSession, FALSE);
    // The run's end posted by another program, with a value of its own, changes nothing.
    ::PostMessageW(program.Window(), WM_APP + 1, 0, 0x12345678);
    // Enter away from a push button never asks and never closes.
    ASSERT_TRUE(AnsweredAtOnce(program.Window(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED)));
    EXPECT_TRUE(program.PopUps().empty());

    const struct {
        const char* name;
        UINT message;
        WPARAM wParam;
        bool toFocus;  // a key, which reaches the window only through a focused control
    } closeRoutes[] = {{"Escape", WM_KEYDOWN, VK_ESCAPE, true},
                       {"WM_CLOSE", WM_CLOSE, 0, false},
                       {"close box of the system menu", WM_SYSCOMMAND, SC_CLOSE, false}};
    for (const auto& route : closeRoutes) {
        SCOPED_TRACE(route.name);
        ASSERT_TRUE(program.Dialog().IsFormatRunInProgress()) << "the run ended too soon for this test";
        GUITHREADINFO gui{};
        gui.cbSize = sizeof(gui);
        ASSERT_TRUE(::GetGUIThreadInfo(program.ThreadId(), &gui));
        ASSERT_TRUE(!route.toFocus || ::IsChild(program.Window(), gui.hwndFocus)) << "no control has the focus";
        ::PostMessageW(route.toFocus ? gui.hwndFocus : program.Window(), route.message, route.wParam, 0);
        HWND box = FindMessageBox(program.ThreadId(), kBoxTimeoutMs);
        ASSERT_NE(box, nullptr);
        ExpectBoxOf(program, box, kStopQuestionText, {IDYES, IDNO}, ::LoadIconW(nullptr, IDI_WARNING));
        // While the question is open, another close request asks nothing more.
        ASSERT_TRUE(AnsweredAtOnce(program.Window(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED)));
        EXPECT_EQ(program.PopUps(), std::vector<HWND>{box});
        PressButton(box, IDNO);
        ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(box); }, 5000));
        EXPECT_FALSE(program.Runner().Ended());
        EXPECT_TRUE(::IsWindowVisible(program.Window()));
    }
    // Each scan rebuilds the lists and keeps the choices: the drive, the letter while it is free,
    // and the file system.
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
        EXPECT_EQ(program.SelectedDrive(), drives[1]);
        EXPECT_EQ(program.Letters(), letters);
        EXPECT_EQ(program.SelectedLetter(), L"M:");
        EXPECT_EQ(program.SelectedFileSystem(), L"exFAT");
        EXPECT_EQ(WindowState(program), RunShown(kFormatting));
    }
    // A scan during the run that lists no drive but meets one that does not answer leaves the
    // status line as it is; once the run is over, it is told there.
    VirtualDisk notReady = QuarrixDisk(5);
    notReady.ioctlFails = true;
    const std::wstring notReadyFile = environment.DisksFile() + L"-not-ready.txt";
    ASSERT_TRUE(ReplaceWholeFile(notReadyFile, DisksText({notReady})));
    std::optional<ScopedEnvironmentVariable> onlyNotReady(std::in_place, kVirtualDisksVariable, notReadyFile);
    program.SendDeviceChange();
    ASSERT_EQ(program.Drives(), std::vector<std::wstring>{kNoDrivesText});
    EXPECT_EQ(WindowState(program), RunShown(kFormatting));
    onlyNotReady.reset();
    // A click that reaches the handler during the run (the button is hidden) starts nothing.
    StartFormatPress second(program);
    ASSERT_TRUE(second.HandlerReturned(kBoxTimeoutMs));
    EXPECT_TRUE(program.PopUps().empty());

    // The run went on with the choices it started with.
    EXPECT_TRUE(RunEndsWith(program, environment, kFinished));
    EXPECT_EQ(DisksText(environment.ReadDisks()), DisksText({Formatted(target, "exFAT", "Backup", "K"), bystander}));
    onlyNotReady.emplace(kVirtualDisksVariable, notReadyFile);
    program.SendDeviceChange();
    EXPECT_EQ(WindowState(program), NoRunShown(kNotReadyText, RGB(255, 0, 0)));
    onlyNotReady.reset();
    program.SendDeviceChange();
    EXPECT_EQ(WindowState(program), NoRunShown(kIdleWarning, RGB(255, 0, 0)));
    ASSERT_TRUE(AnsweredAtOnce(program.Window(), WM_QUERYENDSESSION, 0, &endSession));
    EXPECT_EQ(endSession, TRUE);
    PressButton(program.Window(), IDCANCEL);
    ASSERT_TRUE(program.Runner().WaitForEnd(5000));
    EXPECT_EQ(program.Runner().Result(), IDCANCEL);
}

// The stand-in utilities running now as children of the process `parentId`.
std::vector<DWORD> StandInsOf(DWORD parentId) {
    std::vector<DWORD> found;
    HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return found;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = ::Process32FirstW(snapshot, &entry); more; more = ::Process32NextW(snapshot, &entry)) {
        const std::wstring name = entry.szExeFile;
        if (entry.th32ParentProcessID == parentId && (name == L"diskpart.exe" || name == L"format.com"))
            found.push_back(entry.th32ProcessID);
    }
    ::CloseHandle(snapshot);
    return found;
}

// The stand-in utility that runs now, opened so that its start and end times can be read later.
std::unique_ptr<void, decltype(&::CloseHandle)> RunningStandIn() {
    HANDLE process = nullptr;
    WaitUntil([&] {
        const std::vector<DWORD> running = StandInsOf(::GetCurrentProcessId());
        return !running.empty() && (process = ::OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, running[0]));
    }, kRunTimeoutMs);
    return {process, &::CloseHandle};
}

// When the process started (or ended), in milliseconds.
double ProcessTimeMs(HANDLE process, bool end = false) {
    FILETIME times[4] = {};
    ::GetProcessTimes(process, &times[0], &times[1], &times[2], &times[3]);
    return double(ULARGE_INTEGER{{times[end].dwLowDateTime, times[end].dwHighDateTime}}.QuadPart) / 1e4;
}

// Presses the window's close box during a run; hands back the question it asks.
HWND CloseBoxQuestion(RunningProgram& program) {
    ::PostMessageW(program.Window(), WM_SYSCOMMAND, SC_CLOSE, 0);
    return FindMessageBox(program.ThreadId(), kBoxTimeoutMs);
}

// The run ends while the stop question is open: the question goes by itself, and the end's box,
// if any, comes after it, never on top of it.
TEST(FormatRunTest, TheStopQuestionGoesWhenTheRunEndsAndTheEndsBoxFollowsIt) {
    for (const char* failCommand : {"", "assign"}) {
        SCOPED_TRACE(failCommand);
        VirtualDisk target = QuarrixDisk(1, 5000);
        target.failCommand = failCommand;
        TestEnvironment environment({target});
        RunningProgram program;
        ASSERT_TRUE(Choose(program, {1, L"K:", L"NTFS", L"Backup"}));
        ASSERT_TRUE(StartRun(program));
        ASSERT_TRUE(UtilityAtWork(environment));
        HWND question = CloseBoxQuestion(program);
        ASSERT_NE(question, nullptr);
        ASSERT_EQ(MessageBoxText(question), kStopQuestionText);
        EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(question); }, kRunTimeoutMs)) << "the question outlives the run";
        if (*failCommand) {
            EXPECT_EQ(CloseErrorBox(program).rfind(kUtilityErrorCause, 0), 0u);
        }
        EXPECT_TRUE(RunEndsWith(program, environment, *failCommand ? kFailed : kFinished));
    }
}

// Each diskpart run of a window starts at least the pause (3 s in the simulator) after the last one
// ended, as the stand-ins' own start and end times show; and a stop during that pause is a stop
// before anything started.
TEST(FormatRunTest, DiskpartWaitsForThePauseAfterItsLastRunAndAStopMeanwhileChangesNothing) {
    TestEnvironment environment({QuarrixDisk(1, 600)});
    RunningProgram program;
    ASSERT_TRUE(Choose(program, {1, L"K:", L"NTFS", L"Backup"}));
    ASSERT_TRUE(StartRun(program));
    const auto first = RunningStandIn();
    ASSERT_TRUE(first && program.WaitForRunEnd(kRunTimeoutMs));
    const std::string formatted = DisksText(environment.ReadDisks());
    ASSERT_TRUE(Choose(program, {1, L"K:", L"NTFS", L"Travel"}));
    ASSERT_TRUE(StartRun(program, {{L'K', L"Backup"}}));
    HWND question = CloseBoxQuestion(program);
    ASSERT_NE(question, nullptr);
    ExpectBoxOf(program, question, kStopBeforeStartText, {IDYES, IDNO}, ::LoadIconW(nullptr, IDI_WARNING));
    PressButton(question, IDYES);
    ASSERT_TRUE(program.WaitForRunEnd(kRunTimeoutMs) && WaitUntil([&] { return !::IsWindow(question); }, kBoxTimeoutMs));
    HWND box = FindMessageBox(program.ThreadId(), kBoxTimeoutMs);
    ASSERT_NE(box, nullptr);
    ExpectBoxOf(program, box, kStoppedBeforeStartText, {IDOK}, ::LoadIconW(nullptr, IDI_INFORMATION));
    EXPECT_EQ(WindowState(program), NoRunShown(kIdleWarning, RGB(255, 0, 0)));
    PressButton(box, IDOK);
    EXPECT_TRUE(ScriptsCleanedUp(environment));
    EXPECT_EQ(DisksText(environment.ReadDisks()), formatted);

    ASSERT_TRUE(StartRun(program, {{L'K', L"Backup"}}));
    const auto next = RunningStandIn();
    ASSERT_TRUE(next);
    EXPECT_TRUE(RunEndsWith(program, environment, kFinished));
    EXPECT_EQ(environment.ReadDisks().at(0).label, "Travel");
    EXPECT_GE(ProcessTimeMs(next.get()) - ProcessTimeMs(first.get(), true), 2900.0);
}

TEST(FormatRunTest, AStopAnsweredYesEndsTheUtilityAndTheRunWithTheErrorEnd) {
    const VirtualDisk target = QuarrixDisk(1, 30000);
    TestEnvironment environment({target});
    RunningProgram program;
    ASSERT_TRUE(Choose(program, {1, L"K:", L"NTFS", L"Backup"}));
    ASSERT_TRUE(StartRun(program));
    ASSERT_TRUE(UtilityAtWork(environment));

    HWND box = CloseBoxQuestion(program);
    ASSERT_NE(box, nullptr);
    PressButton(box, IDYES);
    ASSERT_TRUE(program.WaitForRunEnd(10000)) << "the stopped run goes on";
    EXPECT_EQ(CloseErrorBox(program), std::wstring(kStoppedRunText) + kCopyHint);
    EXPECT_TRUE(RunEndsWith(program, environment, kFailed));
    EXPECT_TRUE(StandInsOf(::GetCurrentProcessId()).empty());
    EXPECT_NE(DisksText(environment.ReadDisks()), DisksText({Formatted(target, "NTFS", "Backup", "K")}));
    // The window stays and closes as ever.
    EXPECT_FALSE(program.Runner().Ended());
    PressButton(program.Window(), IDCANCEL);
    EXPECT_TRUE(program.Runner().WaitForEnd(5000));
}

TEST(FormatRunTest, TheUtilityEndsWithTheProgramEndedFromOutside) {
    TestEnvironment environment({QuarrixDisk(1, 30000)});
    ProgramProcess simulator(RunningProgramFolder() + L"Quarrix_Disk_Formatter_Sim.exe");
    ASSERT_EQ(simulator.Failure(), "");
    ::PostMessageW(simulator.Window(), WM_COMMAND, MAKEWPARAM(IDC_START_FORMAT, BN_CLICKED),
                   reinterpret_cast<LPARAM>(simulator.Item(IDC_START_FORMAT)));
    // Its boxes carry its name.
    HWND confirmation = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        return (confirmation = FindDialogOfProcess(simulator.ProcessId(), L"Quarrix_Disk_Formatter_Sim")) != nullptr;
    }, kBoxTimeoutMs));
    PressButton(confirmation, IDOK);
    std::vector<DWORD> utilities;
    ASSERT_TRUE(WaitUntil([&] { return !(utilities = StandInsOf(simulator.ProcessId())).empty(); }, kBoxTimeoutMs));
    HANDLE utility = ::OpenProcess(SYNCHRONIZE, FALSE, utilities[0]);
    ASSERT_NE(utility, nullptr);

    // As Task Manager's "End process" does.
    ASSERT_TRUE(::TerminateProcess(simulator.Process(), 1));
    EXPECT_EQ(::WaitForSingleObject(utility, 10000), WAIT_OBJECT_0) << "the utility runs on";
    ::CloseHandle(utility);
}

TEST(FormatRunTest, WindowAnswersWithinFiftyMillisecondsThroughoutASlowRun) {
    TestEnvironment environment({QuarrixDisk(1, 5000)});
    RunningProgram program;
    ASSERT_TRUE(Choose(program, {1, L"K:", L"NTFS", L"Backup"}));
    ASSERT_TRUE(StartRun(program));
    ASSERT_TRUE(WaitForWindowState(program, RunShown(kFormatting)));

    using Clock = std::chrono::steady_clock;
    double worstMs = 0;
    int answers = 0;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(kRunTimeoutMs);
    while (program.Dialog().IsFormatRunInProgress() && Clock::now() < deadline) {
        DWORD_PTR result = 0;
        const Clock::time_point before = Clock::now();
        ASSERT_NE(::SendMessageTimeoutW(program.Window(), WM_NULL, 0, 0, SMTO_NORMAL, 2000, &result), 0)
            << "no answer within 2 s";
        worstMs = std::max(worstMs, std::chrono::duration<double, std::milli>(Clock::now() - before).count());
        ++answers;
        ::Sleep(5);
    }
    std::printf("Worst answer time during a 5000 ms run: %.3f ms over %d answers\n", worstMs, answers);
    EXPECT_GE(answers, 200) << "too few answers to speak for the whole run";
    EXPECT_LT(worstMs, 50.0);
    EXPECT_TRUE(RunEndsWith(program, environment, kFinished));
}

}  // namespace
