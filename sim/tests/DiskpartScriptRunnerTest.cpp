#include "sim/standins/DiskpartScriptRunner.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <numeric>

#include "sim/standins/StandinExitCodes.h"

namespace {

using Lines = std::vector<std::string>;

// Disk 0 of another maker, two maker disks in use, and disk 3 that cannot be opened.
std::vector<VirtualDisk> TestDisks() {
    const VirtualDiskParse parse = ParseVirtualDisks(
        "[disk]\npath = \\\\?\\scsi#disk&ven_acme&prod_ssd#0#{x}\nnumber = 0\nlength = 512110190592\n"
        "contents = system files\nlabel = System\nletter = C\n"
        "[disk]\npath = \\\\?\\usbstor#disk&ven_qrx&prod_qx7#1#{x}\nnumber = 1\nlength = 1000204886016\n"
        "label = QX7\nletter = E\n"
        "[disk]\npath = \\\\?\\usbstor#disk&ven_qrx&prod_qx7fips#2#{x}\nnumber = 2\nlength = 500107862016\n"
        "filesystem = exFAT\nlabel = Old\n"
        "[disk]\npath = \\\\?\\usbstor#disk&ven_qrx&prod_korvan#3#{x}\nnumber = 3\nlength = 2000398934016\n"
        "open = fail\n");
    EXPECT_EQ(parse.error, "");
    return parse.disks;
}

std::string Script(std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

const Lines kHeader = {kDiskpartHeader, ""};

Lines Concat(std::initializer_list<Lines> parts) {
    Lines all;
    for (const Lines& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

// The keywords by which the formatter judges the output.
const char* const kFailureKeywords[] = {"error:", "try again!", " unable "};

bool HasFailureKeyword(const Lines& output) {
    for (const std::string& line : output) {
        for (const char* keyword : kFailureKeywords) {
            if (line.find(keyword) != std::string::npos) return true;
        }
    }
    return false;
}

bool HasCompletionKeyword(const Lines& output) {
    for (const std::string& line : output) {
        if (line.find(" 100 ") != std::string::npos) return true;
    }
    return false;
}

// Every disk but the one numbered is exactly as before.
void ExpectOthersUntouched(const std::vector<VirtualDisk>& before, const std::vector<VirtualDisk>& after,
                           std::uint32_t changed) {
    ASSERT_EQ(before.size(), after.size());
    for (std::size_t i = 0; i < before.size(); ++i) {
        if (before[i].number == changed) continue;
        EXPECT_EQ(SerializeVirtualDisks({after[i]}), SerializeVirtualDisks({before[i]})) << "disk " << before[i].number;
    }
}

const Lines kSucceededLines = {
    "Disk 2 is now the selected disk.", "",
    "DiskPart succeeded in cleaning the disk.", "",
    "DiskPart succeeded in creating the specified partition.", "",
    "  100 percent completed", "", "DiskPart successfully formatted the volume.", "",
    "DiskPart successfully assigned the drive letter or mount point.", "",
    kLeaving,
};

TEST(RunDiskpartScript, FullScriptRepartitionsAndFormatsTheSelectedDiskOnly) {
    const std::vector<VirtualDisk> before = TestDisks();
    const DiskpartRun run = RunDiskpartScript(Script({"select disk 2", "clean", "create partition primary",
                                                      "format fs=NTFS label=Backup quick", "assign letter=F"}),
                                              before);
    EXPECT_EQ(run.exitCode, kExitSucceeded);
    EXPECT_EQ(run.output, Concat({kHeader, kSucceededLines}));
    EXPECT_TRUE(HasCompletionKeyword(run.output));
    EXPECT_FALSE(HasFailureKeyword(run.output));

    const VirtualDisk& disk = run.disks.at(2);
    EXPECT_EQ(disk.contents, "empty");
    EXPECT_EQ(disk.partition, "primary");
    EXPECT_EQ(disk.fileSystem, "NTFS");
    EXPECT_EQ(disk.label, "Backup");
    EXPECT_EQ(disk.letter, "F");
    EXPECT_EQ(disk.length, before[2].length);
    ExpectOthersUntouched(before, run.disks, 2);
}

TEST(RunDiskpartScript, WindowsXpScriptLeavesTheNewPartitionUnformatted) {
    const std::vector<VirtualDisk> before = TestDisks();
    const DiskpartRun run =
        RunDiskpartScript(Script({"select disk 1", "clean", "create partition primary", "assign letter=g"}), before);
    EXPECT_EQ(run.exitCode, kExitSucceeded);
    EXPECT_EQ(run.output, Concat({kHeader,
                                  {"Disk 1 is now the selected disk.", "",
                                   "DiskPart succeeded in cleaning the disk.", "",
                                   "DiskPart succeeded in creating the specified partition.", "",
                                   "DiskPart successfully assigned the drive letter or mount point.", "", kLeaving}}));
    // Neither verdict: the formatter goes on to format.com.
    EXPECT_FALSE(HasCompletionKeyword(run.output));
    EXPECT_FALSE(HasFailureKeyword(run.output));

    const VirtualDisk& disk = run.disks.at(1);
    EXPECT_EQ(disk.contents, "empty");
    EXPECT_EQ(disk.partition, "primary");
    EXPECT_EQ(disk.fileSystem, "RAW");
    EXPECT_EQ(disk.label, "");
    EXPECT_EQ(disk.letter, "G");
    ExpectOthersUntouched(before, run.disks, 1);
}

TEST(RunDiskpartScript, FormatTakesTheFileSystemAndTheLabelAsWritten) {
    const struct {
        const char* formatLine;
        const char* fileSystem;
        const char* label;
    } cases[] = {
        {"format fs=NTFS label=Quarrix quick", "NTFS", "Quarrix"},
        {"format fs=exFAT label=Backup quick", "exFAT", "Backup"},
        {"format fs=NTFS label= quick", "NTFS", ""},
        {"format fs=exFAT label=\"My Files\" quick", "exFAT", "My Files"},
        {"format fs=NTFS label=\"\" quick", "NTFS", ""},
        {"format fs=NTFS label=50% quick", "NTFS", "50%"},
        {"format fs=NTFS label=\xC3\x84pfel quick", "NTFS", "\xC3\x84pfel"},
    };
    for (const auto& c : cases) {
        const DiskpartRun run =
            RunDiskpartScript(Script({"select disk 2", "clean", "create partition primary", c.formatLine}), TestDisks());
        EXPECT_EQ(run.exitCode, kExitSucceeded) << c.formatLine;
        EXPECT_EQ(run.disks.at(2).fileSystem, c.fileSystem) << c.formatLine;
        EXPECT_EQ(run.disks.at(2).label, c.label) << c.formatLine;
    }
}

struct BadScript {
    const char* name;
    std::string script;
    Lines messages;          // what the failing command prints
    int exitCode;
    const char* partition;   // disk 1 afterwards: what the commands before the failure left
    const char* contents;
};

const Lines kInvalidFormat = {kArgumentsNotValid, "For more information on the command type: HELP FORMAT"};

const BadScript kBadScripts[] = {
    {"clean before select", Script({"clean"}), {kNoDiskSelected}, kExitCommandFailed, "primary", "old files"},
    {"create before select", Script({"create partition primary", "select disk 1"}), {kNoDiskSelected},
     kExitCommandFailed, "primary", "old files"},
    {"format before select", Script({"format fs=NTFS label=X quick"}), {kNoDiskSelected}, kExitCommandFailed,
     "primary", "old files"},
    {"assign before select", Script({"assign letter=F"}), {kNoDiskSelected}, kExitCommandFailed, "primary",
     "old files"},
    {"no such disk", Script({"select disk 7", "clean"}), {kDiskNotValid}, kExitCommandFailed, "primary", "old files"},
    {"disk that cannot be opened", Script({"select disk 3", "clean"}), {kDiskNotValid}, kExitCommandFailed, "primary",
     "old files"},
    {"second select of a missing disk", Script({"select disk 1", "select disk 7", "clean"}),
     {kDiskNotValid}, kExitCommandFailed, "primary", "old files"},
    {"select without number", Script({"select disk"}),
     {kArgumentsNotValid, "For more information on the command type: HELP SELECT DISK"}, kExitSyntax, "primary",
     "old files"},
    {"select with a word", Script({"select disk one"}),
     {kArgumentsNotValid, "For more information on the command type: HELP SELECT DISK"}, kExitSyntax, "primary",
     "old files"},
    {"select with a sign", Script({"select disk -1"}),
     {kArgumentsNotValid, "For more information on the command type: HELP SELECT DISK"}, kExitSyntax, "primary",
     "old files"},
    {"select a volume", Script({"select volume 1"}),
     {kArgumentsNotValid, "For more information on the command type: HELP SELECT DISK"}, kExitSyntax, "primary",
     "old files"},
    {"double blank", Script({"select  disk 1"}),
     {kArgumentsNotValid, "For more information on the command type: HELP SELECT DISK"}, kExitSyntax, "primary",
     "old files"},
    {"unknown command", Script({"select disk 1", "list disk", "clean"}), {kUnknownCommand}, kExitSyntax, "primary",
     "old files"},
    {"command in capitals", Script({"select disk 1", "CLEAN"}), {kUnknownCommand}, kExitSyntax, "primary",
     "old files"},
    {"leading blank", Script({" select disk 1"}), {kUnknownCommand}, kExitSyntax, "primary", "old files"},
    {"clean with arguments", Script({"select disk 1", "clean all"}),
     {kArgumentsNotValid, "For more information on the command type: HELP CLEAN"}, kExitSyntax, "primary",
     "old files"},
    {"logical partition", Script({"select disk 1", "clean", "create partition logical"}),
     {kArgumentsNotValid, "For more information on the command type: HELP CREATE PARTITION PRIMARY"}, kExitSyntax,
     "none", "empty"},
    {"partition on a disk not cleaned", Script({"select disk 1", "create partition primary"}),
     {"Virtual Disk Service error:", "There is not enough usable space for this operation."}, kExitCommandFailed,
     "primary", "old files"},
    {"format with no partition made", Script({"select disk 1", "clean", "format fs=NTFS label=X quick"}),
     {kNoVolumeSelected}, kExitCommandFailed, "none", "empty"},
    {"assign with no partition made", Script({"select disk 1", "assign letter=F"}), {kNoVolumeSelected},
     kExitCommandFailed, "primary", "old files"},
    {"unquoted label with a blank",
     Script({"select disk 1", "clean", "create partition primary", "format fs=NTFS label=My Files quick"}),
     kInvalidFormat, kExitSyntax, "primary", "empty"},
    {"unclosed quote",
     Script({"select disk 1", "clean", "create partition primary", "format fs=NTFS label=\"My Files quick"}),
     kInvalidFormat, kExitSyntax, "primary", "empty"},
    {"quote inside a word",
     Script({"select disk 1", "clean", "create partition primary", "format fs=NTFS label=My\"Files quick"}),
     kInvalidFormat, kExitSyntax, "primary", "empty"},
    {"unknown file system",
     Script({"select disk 1", "clean", "create partition primary", "format fs=FAT32 label=X quick"}),
     kInvalidFormat, kExitSyntax, "primary", "empty"},
    {"file system in other case",
     Script({"select disk 1", "clean", "create partition primary", "format fs=ntfs label=X quick"}),
     kInvalidFormat, kExitSyntax, "primary", "empty"},
    {"format without quick", Script({"select disk 1", "clean", "create partition primary", "format fs=NTFS label=X"}),
     kInvalidFormat, kExitSyntax, "primary", "empty"},
    {"format without label", Script({"select disk 1", "clean", "create partition primary", "format fs=NTFS quick"}),
     kInvalidFormat, kExitSyntax, "primary", "empty"},
    {"format with a trailing blank",
     Script({"select disk 1", "clean", "create partition primary", "format fs=NTFS label=X quick "}),
     kInvalidFormat, kExitSyntax, "primary", "empty"},
    {"letter with colon", Script({"select disk 1", "clean", "create partition primary", "assign letter=F:"}),
     {kArgumentsNotValid, "For more information on the command type: HELP ASSIGN"}, kExitSyntax, "primary", "empty"},
    {"assign without letter", Script({"select disk 1", "clean", "create partition primary", "assign letter="}),
     {kArgumentsNotValid, "For more information on the command type: HELP ASSIGN"}, kExitSyntax, "primary", "empty"},
    {"digit for a letter", Script({"select disk 1", "clean", "create partition primary", "assign letter=1"}),
     {kArgumentsNotValid, "For more information on the command type: HELP ASSIGN"}, kExitSyntax, "primary", "empty"},
};

TEST(RunDiskpartScript, BadScriptsStopAtTheFailingCommandAndKeepWhatWasDone) {
    const std::vector<VirtualDisk> before = TestDisks();
    for (const BadScript& bad : kBadScripts) {
        const DiskpartRun run = RunDiskpartScript(bad.script, before);
        EXPECT_EQ(run.exitCode, bad.exitCode) << bad.name;
        // The failing command's message, then nothing more: the run stopped there.
        ASSERT_GE(run.output.size(), bad.messages.size() + 1) << bad.name;
        const Lines tail(run.output.end() - static_cast<long>(bad.messages.size()) - 1, run.output.end());
        EXPECT_EQ(tail, Concat({bad.messages, {""}})) << bad.name;
        EXPECT_EQ(run.disks.at(1).partition, bad.partition) << bad.name;
        EXPECT_EQ(run.disks.at(1).contents, bad.contents) << bad.name;
        ExpectOthersUntouched(before, run.disks, 1);
        EXPECT_FALSE(HasCompletionKeyword(run.output)) << bad.name;
    }
}

TEST(RunDiskpartScript, FailuresWithoutServiceErrorCarryNoKeyword) {
    // These read like the real utility's: the formatter sees neither failure nor completion.
    for (const char* message : {kNoDiskSelected, kNoVolumeSelected, kDiskNotValid, kArgumentsNotValid,
                                kUnknownCommand, kDiskpartHeader, kLeaving}) {
        EXPECT_FALSE(HasFailureKeyword({message})) << message;
        EXPECT_FALSE(HasCompletionKeyword({message})) << message;
    }
    for (const BadScript& bad : kBadScripts) {
        if (bad.messages.front() == "Virtual Disk Service error:") continue;
        EXPECT_FALSE(HasFailureKeyword(RunDiskpartScript(bad.script, TestDisks()).output)) << bad.name;
    }
}

const char* const kFullScriptDisk1[] = {"select disk 1", "clean", "create partition primary",
                                        "format fs=exFAT label=Backup quick", "assign letter=F"};

std::string FullScriptDisk1() {
    std::string text;
    for (const char* line : kFullScriptDisk1) text += std::string(line) + "\r\n";
    return text;
}

TEST(RunDiskpartScript, FailCommandFailsThatCommandWithTheWriteProtectedMessage) {
    const struct {
        const char* failCommand;
        std::size_t commandsDone;  // commands of the script that succeeded before
    } cases[] = {{"select", 0}, {"clean", 1}, {"create", 2}, {"format", 3}, {"assign", 4}};
    for (const auto& c : cases) {
        std::vector<VirtualDisk> before = TestDisks();
        before[1].failCommand = c.failCommand;
        const DiskpartRun run = RunDiskpartScript(FullScriptDisk1(), before);
        EXPECT_EQ(run.exitCode, kExitCommandFailed) << c.failCommand;
        const Lines expectedTail = {"DiskPart has encountered an error: The media is write protected.",
                                    "See the System Event Log for more information.", ""};
        ASSERT_GE(run.output.size(), expectedTail.size());
        EXPECT_EQ(Lines(run.output.end() - 3, run.output.end()), expectedTail) << c.failCommand;
        EXPECT_TRUE(HasFailureKeyword(run.output)) << c.failCommand;

        // The commands before took effect; the failing one and those after did not.
        const VirtualDisk& disk = run.disks.at(1);
        EXPECT_EQ(disk.contents, c.commandsDone >= 2 ? "empty" : "old files") << c.failCommand;
        EXPECT_EQ(disk.partition, c.commandsDone == 2 ? "none" : "primary") << c.failCommand;
        EXPECT_EQ(disk.fileSystem, c.commandsDone >= 4 ? "exFAT" : c.commandsDone >= 2 ? "RAW" : "NTFS")
            << c.failCommand;
        EXPECT_EQ(disk.letter, c.commandsDone >= 2 ? "" : "E") << c.failCommand;
        ExpectOthersUntouched(before, run.disks, 1);
    }
}

TEST(RunDiskpartScript, FailMessageReplacesTheDefaultLineByLine) {
    std::vector<VirtualDisk> disks = TestDisks();
    disks[1].failCommand = "clean";
    disks[1].failMessage = "Virtual Disk Service error:\nThe device is not ready.";
    const DiskpartRun run = RunDiskpartScript(FullScriptDisk1(), disks);
    EXPECT_EQ(run.exitCode, kExitCommandFailed);
    EXPECT_EQ(run.output, Concat({kHeader,
                                  {"Disk 1 is now the selected disk.", "", "Virtual Disk Service error:",
                                   "The device is not ready.", ""}}));
}

TEST(RunDiskpartScript, FailCommandOfAnotherDiskOrOfFormatComDoesNotMatter) {
    std::vector<VirtualDisk> disks = TestDisks();
    disks[1].failCommand = "format.com";
    disks[2].failCommand = "clean";
    const DiskpartRun run = RunDiskpartScript(FullScriptDisk1(), disks);
    EXPECT_EQ(run.exitCode, kExitSucceeded);
    EXPECT_EQ(run.disks.at(1).label, "Backup");
}

TEST(RunDiskpartScript, SilentDiskPrintsNothingButIsStillChanged) {
    std::vector<VirtualDisk> disks = TestDisks();
    disks[1].silent = true;
    DiskpartRun run = RunDiskpartScript(FullScriptDisk1(), disks);
    EXPECT_EQ(run.exitCode, kExitSucceeded);
    EXPECT_EQ(run.output, Lines{});
    EXPECT_EQ(run.disks.at(1).letter, "F");
    EXPECT_EQ(run.disks.at(1).fileSystem, "exFAT");

    disks[1].failCommand = "format";
    run = RunDiskpartScript(FullScriptDisk1(), disks);
    EXPECT_EQ(run.exitCode, kExitCommandFailed);
    EXPECT_EQ(run.output, Lines{});
    EXPECT_EQ(run.disks.at(1).partition, "primary");
    EXPECT_EQ(run.disks.at(1).fileSystem, "RAW");
}

TEST(RunDiskpartScript, StepsSpreadTheDelayAndAskForASaveAfterEachChange) {
    std::vector<VirtualDisk> disks = TestDisks();
    disks[1].delayMs = 4000;
    std::vector<DiskpartStep> steps;
    std::vector<std::string> contentsSeen;
    const DiskpartRun run = RunDiskpartScript(FullScriptDisk1(), disks,
                                              [&](const DiskpartStep& step, const std::vector<VirtualDisk>& now) {
                                                  steps.push_back(step);
                                                  contentsSeen.push_back(now.at(1).contents);
                                                  return true;
                                              });
    EXPECT_EQ(run.exitCode, kExitSucceeded);
    // Header, five commands, closing line.
    ASSERT_EQ(steps.size(), 7u);
    const int delays[] = {0, 800, 800, 800, 800, 800, 0};
    const bool saves[] = {false, false, true, true, true, true, false};
    const char* contents[] = {"old files", "old files", "empty", "empty", "empty", "empty", "empty"};
    Lines printed;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        EXPECT_EQ(steps[i].delayMs, delays[i]) << i;
        EXPECT_EQ(steps[i].saveDisks, saves[i]) << i;
        EXPECT_EQ(contentsSeen[i], contents[i]) << i;
        printed.insert(printed.end(), steps[i].printed.begin(), steps[i].printed.end());
    }
    EXPECT_EQ(printed, run.output);
}

TEST(RunDiskpartScript, DelayOfADiskThatIsNotSelectedDoesNotCount) {
    std::vector<VirtualDisk> disks = TestDisks();
    disks[2].delayMs = 4000;
    int total = 0;
    RunDiskpartScript(FullScriptDisk1(), disks, [&](const DiskpartStep& step, const std::vector<VirtualDisk>&) {
        total += step.delayMs;
        return true;
    });
    EXPECT_EQ(total, 0);
}

TEST(RunDiskpartScript, SinkThatCannotSaveStopsTheRun) {
    int calls = 0;
    const DiskpartRun run =
        RunDiskpartScript(FullScriptDisk1(), TestDisks(), [&](const DiskpartStep& step, const std::vector<VirtualDisk>&) {
            ++calls;
            return !step.saveDisks;
        });
    EXPECT_EQ(run.exitCode, kExitCommandFailed);
    EXPECT_EQ(calls, 3);  // header, select, and the clean that could not be saved
}

TEST(RunDiskpartScript, LinesMustEndWithCarriageReturnAndLineFeed) {
    const std::vector<VirtualDisk> before = TestDisks();
    for (const char* script : {"select disk 1\nclean\n", "select disk 1\r\nclean", "select disk 1\r\nclean\r",
                               "select disk 1\r\r\nclean\r\n", "select disk 1\rclean\r\n"}) {
        const DiskpartRun run = RunDiskpartScript(script, before);
        EXPECT_EQ(run.exitCode, kExitScriptUnreadable) << script;
        EXPECT_EQ(run.output, Concat({kHeader, {kScriptMalformed}})) << script;
        EXPECT_TRUE(HasFailureKeyword(run.output)) << script;
        ExpectOthersUntouched(before, run.disks, 99);
    }
}

TEST(RunDiskpartScript, EmptyLinesAndAnEmptyScriptDoNothing) {
    const std::vector<VirtualDisk> before = TestDisks();
    DiskpartRun run = RunDiskpartScript("", before);
    EXPECT_EQ(run.exitCode, kExitSucceeded);
    EXPECT_EQ(run.output, Concat({kHeader, {kLeaving}}));
    ExpectOthersUntouched(before, run.disks, 99);

    run = RunDiskpartScript("\r\nselect disk 1\r\n\r\nclean\r\n", before);
    EXPECT_EQ(run.exitCode, kExitSucceeded);
    EXPECT_EQ(run.disks.at(1).contents, "empty");
}

TEST(RunDiskpartScript, SelectsDisksWithManyDigits) {
    std::vector<VirtualDisk> disks = TestDisks();
    disks[2].number = 10;
    const DiskpartRun run = RunDiskpartScript(Script({"select disk 10", "clean"}), disks);
    EXPECT_EQ(run.exitCode, kExitSucceeded);
    EXPECT_EQ(run.output.at(2), "Disk 10 is now the selected disk.");
    EXPECT_EQ(run.disks.at(2).contents, "empty");
    EXPECT_EQ(RunDiskpartScript(Script({"select disk 4294967296"}), disks).exitCode, kExitSyntax);
}

TEST(SplitScriptLines, GivesTheLinesWithoutTheirEnds) {
    EXPECT_EQ(SplitScriptLines("a\r\n\r\nb c\r\n"), (std::optional<Lines>(Lines{"a", "", "b c"})));
    EXPECT_EQ(SplitScriptLines(""), (std::optional<Lines>(Lines{})));
    EXPECT_EQ(SplitScriptLines("a\r\nb"), std::nullopt);
}

}  // namespace
