// "Start Format" on the real main window: the confirmation that names the drive, the partitioning
// script it writes into the temporary folder, the command line, the run that follows and its
// clean-up, the Enterprise warning, and the requests it turns down before anything is written or
// started. The stand-in diskpart.exe and format.com beside the test program work on virtual disks.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <future>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/tests/support/FormatSteps.h"
#include "format/FormatRequestRules.h"
#include "format/RunExplanation.h"
#include "sim/WinText.h"

namespace {

const Texts kEnglish(Language::English);
constexpr wchar_t kWindows7[] = L"Windows 7 Professional";
constexpr std::int64_t k4TB = 4000787030016;
const std::string kDisk3Script =
    "select disk 3\r\nclean\r\ncreate partition primary\r\nformat fs=NTFS label=Quarrix quick\r\nassign letter=F\r\n";

struct JobCase {
    const char* name;
    std::vector<std::uint32_t> disks;  // the last is formatted, slowly enough to read its script meanwhile
    Choice choice;
    std::string script;
    const wchar_t* productName = kWindows7;
    const char* leftOverScript = nullptr;  // an older script of the same name
    const char* friendlyName = "Quarrix QX7 USB Device";
    bool warns = false;  // the Enterprise warning, between writing the script and starting the run
    std::int64_t length = 1000204886016;  // of the formatted disk
    std::uint32_t sectorSize = 512;
    const char* partitionStyle = "MBR";   // the partition table it ends with
    std::int64_t partitionLength = 0;     // 0: the disk's whole length
    const wchar_t* spaceNote = L"";       // the confirmation's paragraph on unused space
};

void PrintTo(const JobCase& c, std::ostream* out) { *out << c.name; }

class JobTest : public testing::TestWithParam<JobCase> {};

INSTANTIATE_TEST_SUITE_P(
    Jobs, JobTest,
    testing::Values(
        JobCase{"ExfatBackupOnDisk2SelectedOfTwo", {1, 2}, {2, L"F:", L"exFAT", L"Backup"},
                "select disk 2\r\nclean\r\ncreate partition primary\r\n"
                "format fs=exFAT label=Backup quick\r\nassign letter=F\r\n"},
        JobCase{"WindowsXpLeavesTheFormatLineOut", {2}, {0, L"F:", nullptr, L"Backup"},
                "select disk 2\r\nclean\r\ncreate partition primary\r\nassign letter=F\r\n", kWindowsXp},
        JobCase{"OpeningChoicesGiveNtfsAndTheDefaultLabel", {1}, {0, L"G:"},
                "select disk 1\r\nclean\r\ncreate partition primary\r\n"
                "format fs=NTFS label=Quarrix quick\r\nassign letter=G\r\n"},
        JobCase{"LabelWithABlankIsQuoted", {3}, {0, L"F:", L"NTFS", L"My Files"},
                "select disk 3\r\nclean\r\ncreate partition primary\r\n"
                "format fs=NTFS label=\"My Files\" quick\r\nassign letter=F\r\n"},
        JobCase{"EmptyLabelKeepsTheBlankBeforeQuick", {2}, {0, L"F:", L"NTFS", L""},
                "select disk 2\r\nclean\r\ncreate partition primary\r\n"
                "format fs=NTFS label= quick\r\nassign letter=F\r\n"},
        JobCase{"TwoDigitDiskNumberAndALongerOlderScriptReplaced", {10}, {0, L"F:", L"NTFS", L"50%"},
                "select disk 10\r\nclean\r\ncreate partition primary\r\n"
                "format fs=NTFS label=50% quick\r\nassign letter=F\r\n",
                kWindows7,
                "select disk 10\r\nclean\r\ncreate partition primary\r\n"
                "format fs=NTFS label=AnOlderAndMuchLongerLabel quick\r\nassign letter=Q\r\nrem end\r\n"},
        JobCase{"NtfsTakesALabelOf32Characters", {2}, {0, L"F:", L"NTFS", L"ABCDEFGHIJKLMNOPQRSTUVWXYZ012345"},
                "select disk 2\r\nclean\r\ncreate partition primary\r\n"
                "format fs=NTFS label=ABCDEFGHIJKLMNOPQRSTUVWXYZ012345 quick\r\nassign letter=F\r\n"},
        JobCase{"ExfatTakesALabelOf11Characters", {2}, {0, L"F:", L"exFAT", L"ABCDEFGHIJK"},
                "select disk 2\r\nclean\r\ncreate partition primary\r\n"
                "format fs=exFAT label=ABCDEFGHIJK quick\r\nassign letter=F\r\n"},
        // Beyond ASCII the label stays out of the script and reaches the volume exactly as typed.
        JobCase{"AccentedLabelOnNtfs", {2}, {0, L"F:", L"NTFS", L"Donn\xE9" L"es"},
                "select disk 2\r\nclean\r\ncreate partition primary\r\nformat fs=NTFS quick\r\nassign letter=F\r\n"},
        JobCase{"CyrillicLabelOnExfat", {2}, {0, L"F:", L"exFAT", L"\x0424\x043E\x0442\x043E"},
                "select disk 2\r\nclean\r\ncreate partition primary\r\nformat fs=exFAT quick\r\nassign letter=F\r\n"},
        JobCase{"JapaneseLabelOnNtfs", {2}, {0, L"F:", L"NTFS", L"\x5199\x771F 2026"},
                "select disk 2\r\nclean\r\ncreate partition primary\r\nformat fs=NTFS quick\r\nassign letter=F\r\n"},
        JobCase{"KorvanModelIsTheEnterpriseDrive", {3}, {0, L"F:"}, kDisk3Script, kWindows7, nullptr,
                "Quarrix KORVAN USB Device", true},
        JobCase{"EnterpriseInTheFriendlyNameItself", {3}, {0, L"F:"}, kDisk3Script, kWindows7, nullptr,
                "Quarrix Enterprise USB Device", true},
        JobCase{"DifferentLetterCaseIsNotTheEnterpriseDrive", {3}, {0, L"F:"}, kDisk3Script, kWindows7, nullptr,
                "Quarrix enterprise USB Device", false},
        // Beyond 2^32 sectors a master boot record would leave the rest unused: GPT, but not on XP.
        JobCase{"FourTerabytesOf512ByteSectorsBecomeGptWhole", {3}, {0, L"F:"},
                "select disk 3\r\nclean\r\nconvert gpt\r\ncreate partition primary\r\n"
                "format fs=NTFS label=Quarrix quick\r\nassign letter=F\r\n",
                kWindows7, nullptr, "Quarrix QX7 USB Device", false, k4TB, 512, "GPT"},
        JobCase{"FourTerabytesOf4096ByteSectorsStayMbrWhole", {3}, {0, L"F:"}, kDisk3Script, kWindows7, nullptr,
                "Quarrix QX7 USB Device", false, k4TB, 4096},
        JobCase{"WindowsXpKeepsMbrAndSaysWhatItCannotUse", {3}, {0, L"F:"},
                "select disk 3\r\nclean\r\ncreate partition primary\r\nassign letter=F\r\n", kWindowsXp, nullptr,
                "Quarrix QX7 USB Device", false, k4TB, 512, "MBR", 2199023255552,
                L"Windows XP can use only the first 2.2 TB of this drive; the rest stays unused."}),
    [](const testing::TestParamInfo<JobCase>& info) { return std::string(info.param.name); });

TEST_P(JobTest, WritesTheScriptRunsDiskpartOnItAndCleansUp) {
    const JobCase& c = GetParam();
    const bool windowsXp = std::wstring(c.productName) == kWindowsXp;
    std::vector<VirtualDisk> disks;
    for (std::uint32_t number : c.disks) disks.push_back(QuarrixDisk(number, 1500, c.friendlyName));
    disks.back().length = c.length;
    disks.back().sectorSize = c.sectorSize;
    std::vector<VirtualDisk> expectedDisks = disks;
    expectedDisks.back() =
        Formatted(disks.back(), c.choice.fileSystem ? Narrow(c.choice.fileSystem) : "NTFS",
                  c.choice.label ? Utf8FromWide(c.choice.label) : "Quarrix", Narrow(c.choice.letter).substr(0, 1));
    expectedDisks.back().partitionStyle = c.partitionStyle;
    if (c.partitionLength) expectedDisks.back().partitionLength = c.partitionLength;
    TestEnvironment environment(disks, c.productName);
    const std::wstring scriptName = L"diskpart" + std::to_wstring(c.disks.back());
    const std::wstring scriptPath = environment.TempPath() + scriptName;
    if (c.leftOverScript) {
        ASSERT_TRUE(ReplaceWholeFile(scriptPath, c.leftOverScript));
    }
    RunningProgram program;
    ASSERT_TRUE(Choose(program, c.choice)) << "a letter may be in use under this Wine prefix";

    StartFormatPress press(program);
    ASSERT_TRUE(Confirm(program, true, {}, c.spaceNote));
    if (c.warns) {
        HWND box = FindMessageBox(program.ThreadId(), kBoxTimeoutMs);
        ASSERT_NE(box, nullptr) << "no warning";
        EXPECT_EQ(program.PopUps(), std::vector<HWND>{box});
        ExpectOkBoxOf(program, box, kEnterpriseWarningText);
        EXPECT_EQ(ReadFileBytes(scriptPath), c.script);
        EXPECT_FALSE(program.Dialog().IsFormatRunInProgress());
        EXPECT_EQ(WindowState(program), NoRunShown(kIdleWarning, RGB(255, 0, 0)));
        EXPECT_EQ(SerializeVirtualDisks(environment.ReadDisks()), SerializeVirtualDisks(disks));
        // A close request while the warning waits ("End task", the taskbar's "Close window")
        // neither ends the window nor shows a box: the run it leads to needs the window.
        ::PostMessageW(program.Window(), WM_CLOSE, 0, 0);
        ::PostMessageW(program.Window(), WM_SYSCOMMAND, SC_CLOSE, 0);
        EXPECT_FALSE(WaitUntil([&] { return program.PopUps().size() != 1 || program.Runner().Ended(); }, 1000));
        PressButton(box, IDOK);
    }
    ASSERT_TRUE(press.HandlerReturned(kBoxTimeoutMs)) << WindowState(program);
    EXPECT_TRUE(program.PopUps().empty());

    ASSERT_TRUE(WaitForWindowState(program, RunShown(windowsXp ? kPartitioning : kFormatting)));
    const std::string script = ReadFileBytes(scriptPath);
    const std::vector<std::wstring> tempFiles = environment.TempFiles();
    ASSERT_TRUE(program.Dialog().IsFormatRunInProgress()) << "the run ended before the script was read";
    EXPECT_EQ(script, c.script);
    EXPECT_EQ(tempFiles, std::vector<std::wstring>{scriptName});
    // Held for the run: nobody can write, delete or rename the script while the utility reads it.
    HANDLE writer = ::CreateFileW(scriptPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE |
                                  FILE_SHARE_DELETE, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_EQ(writer, INVALID_HANDLE_VALUE);
    if (writer != INVALID_HANDLE_VALUE) ::CloseHandle(writer);
    EXPECT_FALSE(::DeleteFileW(scriptPath.c_str()));
    EXPECT_FALSE(::MoveFileW(scriptPath.c_str(), (scriptPath + L".moved").c_str()));
    EXPECT_EQ(ReadFileBytes(scriptPath), c.script);

    if (windowsXp) {
        // After format.com the run asks whether to open the new drive; answer No.
        HWND question = FindMessageBox(0, kRunTimeoutMs);
        ASSERT_NE(question, nullptr) << WindowState(program);
        PressButton(question, IDNO);
    }
    EXPECT_TRUE(RunEndsWith(program, environment, kFinished));
    EXPECT_EQ(program.Dialog().m_commandLine, L"diskpart.exe /s " + scriptPath);
    EXPECT_EQ(SerializeVirtualDisks(environment.ReadDisks()), SerializeVirtualDisks(expectedDisks));
    EXPECT_FALSE(program.Runner().Ended());
}

// ---------------------------------------------------------------------------------------------
// Requests that write or start nothing.

// The confirmation a request passes before it is refused: answered with OK, or with Enter, which
// cancels; `volumes`: what the disk holds.
struct Confirmation {
    bool format;
    std::vector<DiskVolume> volumes;
    wchar_t takenMeanwhile = 0;  // the letter a saved network drive takes while the question waits
};

// Presses Start Format: the request ends after the box with `text` (empty: without a box), with
// the progress reset, the window idle, no new file and the disks as they were.
void ExpectRefusal(RunningProgram& program, const TestEnvironment& environment, const std::wstring& text,
                   const std::vector<std::wstring>& tempFilesBefore = {},
                   const std::optional<Confirmation>& confirmation = std::nullopt) {
    const std::string disksBefore = SerializeVirtualDisks(environment.ReadDisks());
    // A marquee bar keeps no position under Wine; without the marquee style it keeps the one it is given.
    HWND bar = program.Item(IDC_PROGRESS);
    ::SetWindowLongW(bar, GWL_STYLE, StyleOf(bar) & ~PBS_MARQUEE);
    ::SendMessageW(bar, PBM_SETPOS, 40, 0);
    ASSERT_EQ(::SendMessageW(bar, PBM_GETPOS, 0, 0), 40);

    StartFormatPress press(program);
    std::optional<ScopedSavedNetworkDrive> taken;
    if (confirmation) {
        if (confirmation->takenMeanwhile && FindMessageBox(program.ThreadId(), kBoxTimeoutMs))
            taken.emplace(confirmation->takenMeanwhile);
        ASSERT_TRUE(Confirm(program, confirmation->format, confirmation->volumes));
    }
    if (!text.empty()) {
        HWND box = FindMessageBox(program.ThreadId(), kBoxTimeoutMs);
        ASSERT_NE(box, nullptr) << "no message";
        EXPECT_EQ(program.PopUps(), std::vector<HWND>{box});
        ExpectOkBoxOf(program, box, text);
        PressButton(box, IDOK);
    }
    ASSERT_TRUE(press.HandlerReturned(kBoxTimeoutMs)) << WindowState(program);
    EXPECT_TRUE(program.PopUps().empty());
    EXPECT_EQ(::SendMessageW(bar, PBM_GETPOS, 0, 0), 0);
    EXPECT_FALSE(program.Dialog().IsFormatRunInProgress());
    EXPECT_EQ(WindowState(program), NoRunShown(kIdleWarning, RGB(255, 0, 0)));
    EXPECT_EQ(environment.TempFiles(), tempFilesBefore);
    EXPECT_EQ(SerializeVirtualDisks(environment.ReadDisks()), disksBefore);
    // The lists were scanned again: the taken letter is no longer offered.
    if (taken) {
        EXPECT_EQ(program.SelectedLetter().find(confirmation->takenMeanwhile), std::wstring::npos);
    }
    // Closing works again.
    PressButton(program.Window(), IDCANCEL);
    EXPECT_TRUE(program.Runner().WaitForEnd(5000));
}

TEST(FormatRequestTest, MissingTemporaryFolderIsReportedAndNotCreated) {
    TestEnvironment environment({QuarrixDisk(2)});
    const std::wstring missing = environment.TempPath() + L"missing\\";
    // The program reads the temporary folder as its window opens.
    ScopedEnvironmentVariable tmp(L"TMP", missing), temp(L"TEMP", missing);
    RunningProgram program;
    ASSERT_EQ(program.Dialog().m_tempPath, missing);
    ExpectRefusal(program, environment, kScriptNotCreated, {}, Confirmation{true, {}});
    EXPECT_FALSE(FileExists(missing));
}

TEST(FormatRequestTest, OlderScriptHeldOpenByAReaderThatSharesNoWritingIsReportedAndKept) {
    TestEnvironment environment({QuarrixDisk(2)});
    const std::wstring scriptPath = environment.TempPath() + L"diskpart2";
    ASSERT_TRUE(ReplaceWholeFile(scriptPath, "select disk 2\r\nclean\r\n"));
    {
        std::unique_ptr<void, decltype(&::CloseHandle)> reader(
            ::CreateFileW(scriptPath.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr),
            &::CloseHandle);
        ASSERT_NE(reader.get(), INVALID_HANDLE_VALUE);
        RunningProgram program;
        ExpectRefusal(program, environment, kScriptNotCreated, {L"diskpart2"}, Confirmation{true, {}});
    }
    EXPECT_EQ(ReadFileBytes(scriptPath), "select disk 2\r\nclean\r\n");
}

TEST(FormatRequestTest, ADriveReplacedWhileTheWarningWaitsIsNotFormattedAndTheListIsScannedAgain) {
    VirtualDisk enterprise = QuarrixDisk(3, 0, "Quarrix KORVAN USB Device");
    TestEnvironment environment({QuarrixDisk(1), enterprise});
    RunningProgram program;
    ASSERT_TRUE(Choose(program, {3, L"F:"}));

    StartFormatPress press(program);
    ASSERT_TRUE(Confirm(program));
    HWND warning = FindMessageBox(program.ThreadId(), kBoxTimeoutMs);
    ASSERT_NE(warning, nullptr) << "no warning";
    // Pulled meanwhile, and another drive took disk number 3.
    const VirtualDisk other = OtherDriveWithNumber(3);
    const std::vector<VirtualDisk> replaced = {QuarrixDisk(1), other};
    environment.WriteDisks(replaced);
    PressButton(warning, IDOK);
    // The warning goes first, or it would be found again as the next box.
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(warning); }, kBoxTimeoutMs));

    HWND box = FindMessageBox(program.ThreadId(), kBoxTimeoutMs);
    ASSERT_NE(box, nullptr) << "no message";
    ExpectOkBoxOf(program, box, kEnglish[TextId::DriveListChanged]);
    PressButton(box, IDOK);
    ASSERT_TRUE(press.HandlerReturned(kBoxTimeoutMs)) << WindowState(program);
    EXPECT_FALSE(program.Dialog().IsFormatRunInProgress());
    EXPECT_EQ(WindowState(program), NoRunShown(kIdleWarning, RGB(255, 0, 0)));
    EXPECT_TRUE(environment.TempFiles().empty());
    EXPECT_EQ(SerializeVirtualDisks(environment.ReadDisks()), SerializeVirtualDisks(replaced));
    EXPECT_EQ(program.Drives(), (std::vector<std::wstring>{L"[1] - Quarrix QX7 (1TB)", L"[3] - Quarrix QX7 (1TB)"}));
}

const LCID kJapanese = MAKELCID(MAKELANGID(LANG_JAPANESE, SUBLANG_JAPANESE_JAPAN), SORT_DEFAULT);

// True when a thread of the Japanese locale writes two Japanese letters in four bytes (code
// page 932) while the system's code page is 1252.
bool ThreadWritesJapaneseInItsOwnCodePage() {
    return std::async(std::launch::async, [] {
        return ::SetThreadLocale(kJapanese) && ::GetACP() == 1252 &&
               ::WideCharToMultiByte(CP_THREAD_ACP, 0, L"\x65E5\x672C", 2, nullptr, 0, nullptr, nullptr) == 4;
    }).get();
}

struct RefusalCase {
    const char* name;
    std::wstring text;  // empty: no box
    void (*arrange)(RunningProgram&);
    bool foreignDisk = false;  // instead of the maker's drive: the list shows the no-drives entry
    LCID threadLocale = 0;     // of the window's thread; 0: as the system gives it
    const wchar_t* productName = kWindows7;
    std::optional<Confirmation> confirmation = std::nullopt;  // passed before the refusal
};

void PrintTo(const RefusalCase& c, std::ostream* out) { *out << c.name; }

class RefusalTest : public testing::TestWithParam<RefusalCase> {};

INSTANTIATE_TEST_SUITE_P(
    Requests, RefusalTest,
    testing::Values(
        // As when the system gave no temporary folder while the window opened (its thread is idle).
        RefusalCase{"NoTemporaryFolder", kEnglish[TextId::NoTempFolder], [](RunningProgram& p) { p.Dialog().m_tempPath.clear(); }},
        // As when every letter from D: to Z: is in use.
        RefusalCase{"EmptyLetterList", kEnglish[TextId::NoFreeLetter],
                    [](RunningProgram& p) { ::SendMessageW(p.Item(IDC_LETTER_LIST), CB_RESETCONTENT, 0, 0); }},
        RefusalCase{"NtfsLabelOf33Characters", LabelProblemMessage(kEnglish, {LabelProblem::TooLongForNtfs}),
                    [](RunningProgram& p) {
                        ASSERT_TRUE(Choose(p, {0, nullptr, L"NTFS", L"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456"}));
                    }},
        RefusalCase{"ExfatLabelOf12Characters", LabelProblemMessage(kEnglish, {LabelProblem::TooLongForExfat}),
                    [](RunningProgram& p) { ASSERT_TRUE(Choose(p, {0, nullptr, L"exFAT", L"ABCDEFGHIJKL"})); }},
        RefusalCase{"QuotationMarkOnNtfs", LabelProblemMessage(kEnglish, {LabelProblem::HoldsQuotationMark}),
                    [](RunningProgram& p) { ASSERT_TRUE(Choose(p, {0, nullptr, L"NTFS", L"My \"Files\""})); }},
        RefusalCase{"LoneQuotationMarkOnExfat", LabelProblemMessage(kEnglish, {LabelProblem::HoldsQuotationMark}),
                    [](RunningProgram& p) { ASSERT_TRUE(Choose(p, {0, nullptr, L"exFAT", L"\""})); }},
        RefusalCase{"LabelWithATab", LabelProblemMessage(kEnglish, {LabelProblem::HoldsControlCharacter}),
                    [](RunningProgram& p) { ASSERT_TRUE(Choose(p, {0, nullptr, L"NTFS", L"My\tFiles"})); }},
        // On Windows XP format.com takes the label on its command line, in the ANSI code page.
        // Japanese letters: the code page here (1252) has no such characters, only a "?" for them.
        RefusalCase{"WindowsXpLabelOutsideTheCodePage", LabelProblemMessage(kEnglish, {LabelProblem::NotInCodePage}),
                    [](RunningProgram& p) { ASSERT_TRUE(Choose(p, {0, nullptr, nullptr, L"\x65E5\x672C"})); },
                    false, 0, kWindowsXp},
        RefusalCase{"WindowsXpLabelWithABestFitLookAlike", LabelProblemMessage(kEnglish, {LabelProblem::NotInCodePage}),
                    [](RunningProgram& p) { ASSERT_TRUE(Choose(p, {0, nullptr, nullptr, L"Caf\x0100"})); },
                    false, 0, kWindowsXp},
        // Japanese formats make the thread's code page 932, which holds these letters, while the
        // system's stays 1252: format.com would read other letters than those written.
        RefusalCase{"WindowsXpLabelWhoseBytesDifferInTheSystemsCodePage",
                    LabelProblemMessage(kEnglish, {LabelProblem::NotInCodePage}),
                    [](RunningProgram& p) {
                        ASSERT_TRUE(ThreadWritesJapaneseInItsOwnCodePage()) << "no such code pages here";
                        ASSERT_TRUE(Choose(p, {0, nullptr, nullptr, L"\x65E5\x672C"}));
                    },
                    false, kJapanese, kWindowsXp},
        RefusalCase{"ExfatLabelWithAColon",
                    LabelProblemMessage(kEnglish, {LabelProblem::HoldsCharacterExfatRefuses, L':'}),
                    [](RunningProgram& p) { ASSERT_TRUE(Choose(p, {0, nullptr, L"exFAT", L"Backup:1"})); }},
        // Press Start Format and Enter: Cancel, the question's default, keeps the drive.
        RefusalCase{"EnterOnTheConfirmationCancels", L"", [](RunningProgram&) {}, false, 0, kWindows7,
                    Confirmation{false, {{L'G', L"Photos"}}}},
        // Nothing may be wiped when diskpart could not assign the letter afterwards.
        RefusalCase{"LetterTakenWhileTheConfirmationWaits", LetterTakenMessage(kEnglish, L'K'),
                    [](RunningProgram& p) { ASSERT_TRUE(Choose(p, {0, L"K:"})); }, false, 0, kWindows7,
                    Confirmation{true, {{L'G', L"Photos"}}, L'K'}},
        RefusalCase{"NoDriveOnlyResetsTheProgress", L"",
                    [](RunningProgram& p) {
                        ASSERT_EQ(p.Drives(), std::vector<std::wstring>{kNoDrivesText});
                    },
                    true}),
    [](const testing::TestParamInfo<RefusalCase>& info) { return std::string(info.param.name); });

TEST_P(RefusalTest, EndsWithItsMessageAndWritesOrStartsNothing) {
    const RefusalCase& c = GetParam();
    VirtualDisk foreign = MakerDisk(1, "Generic Flash Disk USB Device", 1000204886016);
    foreign.path = "\\\\?\\usbstor#disk&ven_other&prod_flash&rev_1.00#000000000001&0#"
                   "{53f56307-b6bf-11d0-94f2-00a0c91efb8b}";
    // The drive holds a volume, which the confirmation names.
    VirtualDisk drive = QuarrixDisk(2);
    drive.letter = "G";
    drive.label = "Photos";
    TestEnvironment environment({c.foreignDisk ? foreign : drive}, c.productName);
    RunningProgram program(c.threadLocale);
    ASSERT_NO_FATAL_FAILURE(c.arrange(program));
    ExpectRefusal(program, environment, c.text, {}, c.confirmation);
}

}  // namespace
