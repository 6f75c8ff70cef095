#include <gtest/gtest.h>

#include "sim/standins/DiskpartScriptRunner.h"
#include "sim/standins/FormatComRunner.h"
#include "sim/standins/StandinCommandLines.h"
#include "sim/standins/StandinExitCodes.h"
#include "sim/standins/StandinMessages.h"

namespace {

using Lines = std::vector<std::string>;

// Disk 0 of another maker, disk 1 in use with the letter E, disk 10 with exFAT, and disk 3 that
// cannot be opened.
std::vector<VirtualDisk> TestDisks() {
    const VirtualDiskParse parse = ParseVirtualDisks(
        "[disk]\npath = \\\\?\\scsi#disk&ven_acme&prod_ssd#0\nnumber = 0\nlength = 512110190592\n"
        "contents = system files\nlabel = System\nletter = C\n"
        "[disk]\npath = \\\\?\\usbstor#disk&ven_qrx&prod_qx7#1\nnumber = 1\nlength = 1000204886016\n"
        "label = QX7\nletter = E\n"
        "[disk]\npath = \\\\?\\usbstor#disk&ven_qrx&prod_qx7fips#10\nnumber = 10\nlength = 500107862016\n"
        "filesystem = exFAT\nlabel = Old\n"
        "[disk]\npath = \\\\?\\usbstor#disk&ven_qrx&prod_korvan#3\nnumber = 3\nopen = fail\n");
    EXPECT_EQ(parse.error, "");
    return parse.disks;
}

// partition|contents|filesystem|label|letter
std::string State(const VirtualDisk& disk) {
    return disk.partition + "|" + disk.contents + "|" + disk.fileSystem + "|" + disk.label + "|" + disk.letter;
}

const char kUntouched[] = "primary|old files|NTFS|QX7|E";
const char kCleaned[] = "none|empty|RAW||";
const char kCreated[] = "primary|empty|RAW||";
const char kFormatted[] = "primary|empty|exFAT|Backup|";

void ExpectOthersUntouched(const std::vector<VirtualDisk>& before, const std::vector<VirtualDisk>& after,
                           std::size_t changed) {
    ASSERT_EQ(before.size(), after.size());
    for (std::size_t i = 0; i < before.size(); ++i) {
        if (i == changed) continue;
        EXPECT_EQ(SerializeVirtualDisks({after[i]}), SerializeVirtualDisks({before[i]})) << i;
    }
}

bool Holds(const Lines& output, const char* piece) {
    for (const std::string& line : output) {
        if (line.find(piece) != std::string::npos) return true;
    }
    return false;
}

// The keywords by which the formatter judges the output as failed; " 100 " means done.
bool HasFailureKeyword(const Lines& output) {
    return Holds(output, "error:") || Holds(output, "try again!") || Holds(output, " unable ");
}

std::string Script(const Lines& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

Lines Concat(const Lines& a, const Lines& b) {
    Lines all = a;
    all.insert(all.end(), b.begin(), b.end());
    return all;
}

const Lines kHeader = {kDiskpartHeader, ""};
const Lines kFullScriptDisk1 = {"select disk 1", "clean", "create partition primary",
                                "format fs=exFAT label=Backup quick", "assign letter=F"};

Lines Prepared(const Lines& more) { return Concat({"select disk 1", "clean", "create partition primary"}, more); }

TEST(RunDiskpartScript, FullScriptRepartitionsAndFormatsTheSelectedDiskOnly) {
    std::vector<VirtualDisk> before = TestDisks();
    before[1].failCommand = "clean";  // of a disk the script does not select
    const DiskpartRun run = RunDiskpartScript(
        Script({"select disk 10", "clean", "create partition primary", "format fs=NTFS label=Backup quick",
                "assign letter=F"}),
        before);
    EXPECT_EQ(run.exitCode, kDiskpartExitSucceeded);
    EXPECT_EQ(run.output, Concat(kHeader, {"Disk 10 is now the selected disk.", "",
                                           "DiskPart succeeded in cleaning the disk.", "",
                                           "DiskPart succeeded in creating the specified partition.", "",
                                           "  100 percent completed", "", "DiskPart successfully formatted the volume.",
                                           "", "DiskPart successfully assigned the drive letter or mount point.", "",
                                           kLeaving}));
    EXPECT_FALSE(HasFailureKeyword(run.output));
    EXPECT_EQ(State(run.disks.at(2)), "primary|empty|NTFS|Backup|F");
    EXPECT_EQ(run.disks.at(2).length, before[2].length);
    ExpectOthersUntouched(before, run.disks, 2);
}

Lines Invalid(const char* helpTopic) {
    return {kArgumentsNotValid, std::string("For more information on the command type: HELP ") + helpTopic};
}

const Lines kWriteProtected = {"DiskPart has encountered an error: The media is write protected.",
                               "See the System Event Log for more information."};
const Lines kFormattedTail = {"DiskPart successfully formatted the volume.", "", kLeaving};
const Lines kAssignedTail = {"DiskPart successfully assigned the drive letter or mount point.", "", kLeaving};

struct ScriptCase {
    Lines script;
    Lines tail;              // the last lines printed; after a failure only an empty line follows
    int exitCode;
    const char* disk1After;  // State() of disk 1
    const char* failCommand = "";
    const char* failMessage = "";
};

const ScriptCase kScripts[] = {
    {{"select disk 1", "", "clean", "create partition primary", "assign letter=g"}, kAssignedTail, kDiskpartExitSucceeded,
     "primary|empty|RAW||G"},  // the Windows XP script: format.com formats afterwards
    {Prepared({"format fs=NTFS label= quick"}), kFormattedTail, kDiskpartExitSucceeded, "primary|empty|NTFS||"},
    {Prepared({"format fs=exFAT quick"}), kFormattedTail, kDiskpartExitSucceeded, "primary|empty|exFAT||"},
    // A byte above 0x7F anywhere: nothing is run.
    {Prepared({"format fs=NTFS label=\"My \xC4\" quick"}),
     {"Virtual Disk Service error:", "The volume label is not valid: the script holds a byte above 0x7F."},
     kDiskpartExitBadLabel, kUntouched},
    {Prepared({"format fs=NTFS label=\"My Files\" quick"}), kFormattedTail, kDiskpartExitSucceeded,
     "primary|empty|NTFS|My Files|"},
    {kFullScriptDisk1, kAssignedTail, kDiskpartExitSucceeded, "primary|empty|exFAT|Backup|F", "format.com"},
    {{"clean"}, {kNoDiskSelected}, kDiskpartExitServiceError, kUntouched},
    {{"create partition primary", "select disk 1"}, {kNoDiskSelected}, kDiskpartExitServiceError, kUntouched},
    {{"format fs=NTFS label=X quick"}, {kNoDiskSelected}, kDiskpartExitServiceError, kUntouched},
    {{"assign letter=F"}, {kNoDiskSelected}, kDiskpartExitServiceError, kUntouched},
    {{"select disk 7", "clean"}, {kDiskNotValid}, kDiskpartExitServiceError, kUntouched},
    {{"select disk 3", "clean"}, {kDiskNotValid}, kDiskpartExitServiceError, kUntouched},
    {{"select disk one"}, Invalid("SELECT DISK"), kDiskpartExitSyntax, kUntouched},
    {{"select  disk 1"}, Invalid("SELECT DISK"), kDiskpartExitSyntax, kUntouched},
    {{"select disk 4294967296"}, Invalid("SELECT DISK"), kDiskpartExitSyntax, kUntouched},
    {{"select disk 1", "list disk", "clean"}, {kUnknownCommand}, kDiskpartExitSyntax, kUntouched},
    {{"select disk 1", "CLEAN"}, {kUnknownCommand}, kDiskpartExitSyntax, kUntouched},
    {{"select disk 1", "clean all"}, Invalid("CLEAN"), kDiskpartExitSyntax, kUntouched},
    {{"select disk 1", "clean", "create partition logical"}, Invalid("CREATE PARTITION PRIMARY"), kDiskpartExitSyntax,
     kCleaned},
    {{"select disk 1", "create partition primary"},
     {"Virtual Disk Service error:", "There is not enough usable space for this operation."}, kDiskpartExitServiceError,
     kUntouched},
    {{"select disk 1", "clean", "format fs=NTFS label=X quick"}, {kNoVolumeSelected}, kDiskpartExitServiceError, kCleaned},
    {{"select disk 1", "assign letter=F"}, {kNoVolumeSelected}, kDiskpartExitServiceError, kUntouched},
    {Prepared({"format fs=NTFS label=My Files quick"}), Invalid("FORMAT"), kDiskpartExitSyntax, kCreated},
    {Prepared({"format fs=NTFS label=\"My Files quick"}), Invalid("FORMAT"), kDiskpartExitSyntax, kCreated},
    {Prepared({"format fs=NTFS label=My\"Files quick"}), Invalid("FORMAT"), kDiskpartExitSyntax, kCreated},
    {Prepared({"format fs=FAT32 label=X quick"}), Invalid("FORMAT"), kDiskpartExitSyntax, kCreated},
    {Prepared({"format fs=NTFS label=X"}), Invalid("FORMAT"), kDiskpartExitSyntax, kCreated},
    {Prepared({"format fs=ntfs label=X quick"}), Invalid("FORMAT"), kDiskpartExitSyntax, kCreated},
    {Prepared({"format fs=NTFS  quick"}), Invalid("FORMAT"), kDiskpartExitSyntax, kCreated},
    {Prepared({"assign letter=F:"}), Invalid("ASSIGN"), kDiskpartExitSyntax, kCreated},
    {Prepared({"assign letter=1"}), Invalid("ASSIGN"), kDiskpartExitSyntax, kCreated},
    {kFullScriptDisk1, kWriteProtected, kDiskpartExitServiceError, kUntouched, "select"},
    {kFullScriptDisk1, kWriteProtected, kDiskpartExitServiceError, kUntouched, "clean"},
    {kFullScriptDisk1, kWriteProtected, kDiskpartExitServiceError, kCleaned, "create"},
    {kFullScriptDisk1, kWriteProtected, kDiskpartExitServiceError, kCreated, "format"},
    {kFullScriptDisk1, kWriteProtected, kDiskpartExitServiceError, kFormatted, "assign"},
    {kFullScriptDisk1, {"Virtual Disk Service error:", "The device is not ready."}, kDiskpartExitServiceError, kUntouched,
     "clean", "Virtual Disk Service error:\nThe device is not ready."},
};

TEST(RunDiskpartScript, ScriptsChangeTheSelectedDiskAsAskedOrStopAtTheFailingCommand) {
    // These read like the real utility's: the formatter sees neither failure nor completion.
    for (const char* message : {kDiskpartHeader, kNoDiskSelected, kNoVolumeSelected, kDiskNotValid,
                                kArgumentsNotValid, kUnknownCommand, kLeaving}) {
        EXPECT_FALSE(HasFailureKeyword({message}) || Holds({message}, " 100 ")) << message;
    }
    for (const ScriptCase& c : kScripts) {
        const std::string name = c.script.back() + " / fail-command " + c.failCommand;
        std::vector<VirtualDisk> before = TestDisks();
        before[1].failCommand = c.failCommand;
        before[1].failMessage = c.failMessage;
        const DiskpartRun run = RunDiskpartScript(Script(c.script), before);
        EXPECT_EQ(run.exitCode, c.exitCode) << name;
        const Lines tail = c.exitCode == kDiskpartExitSucceeded ? c.tail : Concat(c.tail, {""});
        ASSERT_GE(run.output.size(), tail.size()) << name;
        EXPECT_EQ(Lines(run.output.end() - static_cast<long>(tail.size()), run.output.end()), tail) << name;
        EXPECT_EQ(State(run.disks.at(1)), c.disk1After) << name;
        ExpectOthersUntouched(before, run.disks, 1);
        // A failure keyword only with a message that holds one; " 100 " only once a format took effect.
        EXPECT_EQ(HasFailureKeyword(run.output), HasFailureKeyword(c.tail)) << name;
        const std::string after = c.disk1After;
        const bool formatted = after.find("|empty|") != std::string::npos && after.find("|RAW|") == std::string::npos;
        EXPECT_EQ(Holds(run.output, " 100 "), formatted) << name;
    }
}

TEST(RunDiskpartScript, ADiskCanHaveProgressLinesOfAnotherLanguageAndAnExitCodeOfItsOwnForItsFailure) {
    std::vector<VirtualDisk> disks = TestDisks();
    disks[1].progress = "100% \xE5\xAE\x8C\xE4\xBA\x86\nnext";
    DiskpartRun run = RunDiskpartScript(Script(kFullScriptDisk1), disks);
    EXPECT_EQ(run.exitCode, kDiskpartExitSucceeded);
    EXPECT_EQ(Lines(run.output.begin() + 8, run.output.begin() + 12),
              (Lines{"  100% \xE5\xAE\x8C\xE4\xBA\x86", "  next", "", "DiskPart successfully formatted the volume."}));
    disks[1].progress = "";
    run = RunDiskpartScript(Script(kFullScriptDisk1), disks);
    EXPECT_EQ(run.output.at(8), "DiskPart successfully formatted the volume.");
    EXPECT_EQ(State(run.disks.at(1)), kFormatted + std::string("F"));

    // 0x80042413: the device is in use. Even a code of 0 stops the run at the failing command.
    disks[1].failCommand = "clean";
    for (std::uint32_t code : {0x80042413u, 0u}) {
        disks[1].failExitCode = code;
        run = RunDiskpartScript(Script(kFullScriptDisk1), disks);
        EXPECT_EQ(static_cast<std::uint32_t>(run.exitCode), code);
        EXPECT_EQ(Lines(run.output.end() - 3, run.output.end()), Concat(kWriteProtected, {""}));
        EXPECT_EQ(State(run.disks.at(1)), kUntouched);
    }
}

TEST(RunDiskpartScript, LinesMustEndWithCarriageReturnAndLineFeed) {
    const std::vector<VirtualDisk> before = TestDisks();
    for (const char* script : {"select disk 1\nclean\n", "select disk 1\r\nclean", "select disk 1\rclean\r\n"}) {
        const DiskpartRun run = RunDiskpartScript(script, before);
        EXPECT_EQ(run.exitCode, kDiskpartExitScriptUnreadable) << script;
        EXPECT_EQ(run.output, Concat(kHeader, {kScriptMalformed})) << script;
        EXPECT_TRUE(HasFailureKeyword(run.output)) << script;
        ExpectOthersUntouched(before, run.disks, 99);
    }
    const DiskpartRun empty = RunDiskpartScript("", before);
    EXPECT_EQ(empty.exitCode, kDiskpartExitSucceeded);
    EXPECT_EQ(empty.output, Concat(kHeader, {kLeaving}));
}

TEST(RunDiskpartScript, StepsSpreadTheSelectedDisksDelayAndAskForASaveAfterEachChange) {
    std::vector<VirtualDisk> disks = TestDisks();
    disks[1].delayMs = 4000;
    disks[2].delayMs = 9000;
    Lines steps;  // per step: its delay, whether to save, and disk 1's contents as the sink sees them
    Lines printed;
    const auto record = [&](const DiskpartStep& step, const std::vector<VirtualDisk>& now) {
        steps.push_back(std::to_string(step.delayMs) + (step.saveDisks ? " save " : " ") + now.at(1).contents);
        printed.insert(printed.end(), step.printed.begin(), step.printed.end());
        return true;
    };
    const DiskpartRun run = RunDiskpartScript(Script(kFullScriptDisk1), disks, record);
    EXPECT_EQ(run.exitCode, kDiskpartExitSucceeded);
    EXPECT_EQ(steps, (Lines{"0 old files", "800 old files", "800 save empty", "800 save empty", "800 save empty",
                            "800 save empty", "0 empty"}));
    EXPECT_EQ(printed, run.output);

    int calls = 0;
    const auto cannotSave = [&](const DiskpartStep& step, const std::vector<VirtualDisk>&) {
        ++calls;
        return !step.saveDisks;
    };
    EXPECT_EQ(RunDiskpartScript(Script(kFullScriptDisk1), disks, cannotSave).exitCode, kDiskpartExitServiceError);
    EXPECT_EQ(calls, 3);  // header, select, and the clean that could not be saved
}

// Disk 1 as the Windows XP script leaves it: partitioned, not formatted; disk 10 with the letter F.
std::vector<VirtualDisk> FormatComDisks() {
    std::vector<VirtualDisk> disks = TestDisks();
    disks[1].fileSystem = "RAW";
    disks[2].letter = "F";
    disks[2].failCommand = "format.com";  // of another disk: does not matter
    return disks;
}

const Lines kFormatComDone = {kFormatComHeader, "The type of the file system is RAW.", "The new file system is NTFS.",
                              "QuickFormatting 953869M", "Creating file system structures.", "Format complete.",
                              "     976762584 KB total disk space.", "     975785821 KB are available."};
const Lines kFormatComDoneInMb = {kFormatComHeader, "The type of the file system is RAW.",
                                  "The new file system is NTFS.", "QuickFormatting 953869M",
                                  "Creating file system structures.", "Format complete.",
                                  "     953869 MB total disk space.", "     952915 MB are available."};

TEST(RunFormatCom, FormatsTheDiskWithThatLetterOrFailsWithoutSizes) {
    const struct {
        FormatComInvocation invocation;
        const char* failCommand;
        const char* failMessage;
        bool openFails;
        Lines output;
        std::string sizes = "KB";
    } cases[] = {
        {{"E", "Backup"}, "", "", false, kFormatComDoneInMb, "MB"},
        {{"E", "Backup"}, "format", "", false, kFormatComDone},  // DiskPart's fail-command does not matter
        {{"e", ""}, "", "", false, kFormatComDone},
        {{"G", "Backup"}, "", "", false, {kFormatComHeader, kDriveDoesNotExist}},
        {{"E", "Backup"}, "format.com", "", false, {kFormatComHeader, kFormatFailed}},
        {{"E", "Backup"}, "format.com", "The disk is write protected.\nFormat failed.", false,
         {kFormatComHeader, "The disk is write protected.", "Format failed."}},
        {{"E", "Backup"}, "", "", true, {kFormatComHeader, kCannotOpenVolume, kFormatFailed}},
    };
    for (const auto& c : cases) {
        const bool succeeds = c.output.size() == kFormatComDone.size();
        std::vector<VirtualDisk> before = FormatComDisks();
        before[1].failCommand = c.failCommand;
        before[1].failMessage = c.failMessage;
        before[1].openFails = c.openFails;
        before[1].sizes = c.sizes;
        const FormatComRun run = RunFormatCom(c.invocation, before);
        EXPECT_EQ(run.exitCode, succeeds ? kFormatComExitSucceeded : kFormatComExitFatal) << c.output.back();
        EXPECT_EQ(run.disksChanged, succeeds) << c.output.back();
        EXPECT_EQ(run.output, c.output);
        EXPECT_EQ(Holds(run.output, (" " + c.sizes + " ").c_str()), succeeds) << c.output.back();
        const std::string formatted = "NTFS|" + c.invocation.label;
        EXPECT_EQ(State(run.disks.at(1)), "primary|old files|" + (succeeds ? formatted : "RAW|QX7") + "|E");
        ExpectOthersUntouched(before, run.disks, 1);
    }
}

TEST(SilentDisks, PrintNothingAndTakeTheirDelayButAreStillChanged) {
    std::vector<VirtualDisk> disks = FormatComDisks();
    disks[1].silent = true;
    disks[1].delayMs = 1500;
    FormatComRun format = RunFormatCom({"E", "Backup"}, disks);
    EXPECT_EQ(format.output, Lines{});
    EXPECT_EQ(format.delayMs, 1500);
    EXPECT_EQ(format.disks.at(1).fileSystem, "NTFS");
    DiskpartRun diskpart = RunDiskpartScript(Script(kFullScriptDisk1), disks);
    EXPECT_EQ(diskpart.exitCode, kDiskpartExitSucceeded);
    EXPECT_EQ(diskpart.output, Lines{});
    EXPECT_EQ(State(diskpart.disks.at(1)), kFormatted + std::string("F"));

    disks[1].failCommand = "format.com";
    format = RunFormatCom({"E", "Backup"}, disks);
    EXPECT_EQ(format.exitCode, kFormatComExitFatal);
    EXPECT_EQ(format.output, Lines{});
    EXPECT_EQ(format.delayMs, 1500);
    disks[1].failCommand = "format";
    diskpart = RunDiskpartScript(Script(kFullScriptDisk1), disks);
    EXPECT_EQ(diskpart.exitCode, kDiskpartExitServiceError);
    EXPECT_EQ(diskpart.output, Lines{});
    EXPECT_EQ(State(diskpart.disks.at(1)), kCreated);
}

const char kRefused[] = "<refused>";

// What a stand-in takes from its command line: the script path, or the letter and the label.
std::string Parsed(const std::string& commandLine) {
    if (commandLine.find("format.com") == std::string::npos) {
        return ParseDiskpartCommandLine(commandLine).value_or(kRefused);
    }
    const auto invocation = ParseFormatComCommandLine(commandLine);
    return invocation ? invocation->letter + "|" + invocation->label : kRefused;
}

TEST(StandinCommandLines, OnlyTheFormatterCommandLinesAreTaken) {
    const struct {
        const char* commandLine;
        const char* parsed;
    } cases[] = {
        {"diskpart.exe /s C:\\Temp\\diskpart2", "C:\\Temp\\diskpart2"},
        {"diskpart.exe /s \"C:\\John Smith\\diskpart10\"", "C:\\John Smith\\diskpart10"},
        {"\"C:\\Program Files\\sim\\diskpart.exe\" /s x", "x"},
        {"diskpart.exe", kRefused},
        {"diskpart.exe /s \"\"", kRefused},
        {"diskpart.exe /S x", kRefused},
        {"diskpart.exe  /s x", kRefused},
        {"diskpart.exe /s x ", kRefused},
        {"diskpart.exe /s C:\\John Smith\\x", kRefused},
        {"diskpart.exe /s \"C:\\John Smith\\x", kRefused},
        {"diskpart.exe /s \"a\"b\"", kRefused},
        {"\"diskpart.exe /s x", kRefused},
        {"format.com E: /FS:NTFS /V:Backup /q /x /y", "E|Backup"},
        {"format.com E: /FS:NTFS /V: /q /x /y", "E|"},
        {"format.com F: /FS:NTFS /V:\"My Files\" /q /x /y", "F|My Files"},
        {"format.com z: /FS:NTFS /V:\"\" /q /x /y", "z|"},
        {"\"C:\\Program Files\\sim\\format.com\" E: /FS:NTFS /V:50% /q /x /y", "E|50%"},
        {"format.com E: /FS:NTFS /V:My Files /q /x /y", kRefused},
        {"format.com E: /FS:NTFS /V:\"My Files /q /x /y", kRefused},
        {"format.com E: /FS:NTFS /V:My\"Files /q /x /y", kRefused},
        {"format.com E: /fs:NTFS /V:Backup /q /x /y", kRefused},
        {"format.com E: /FS:NTFS /V:Backup /Q /X /Y", kRefused},
        {"format.com E: /FS:NTFS /V:Backup /q /x", kRefused},
        {"format.com E: /FS:NTFS /V:Backup /q /x /y ", kRefused},
        {"format.com  E: /FS:NTFS /V:Backup /q /x /y", kRefused},
        {"format.com EF: /FS:NTFS /V:Backup /q /x /y", kRefused},
        {"format.com 1: /FS:NTFS /V:Backup /q /x /y", kRefused},
        {"format.com E: /FS:NTFS /q /x /y", kRefused},
    };
    for (const auto& c : cases) EXPECT_EQ(Parsed(c.commandLine), c.parsed) << c.commandLine;
    // A refusing stand-in makes the formatter report a failure.
    for (const char* refusal : {kRefusedNoSimulator, kRefusedNoDisksFile, kRefusedBadDisksFile, kDisksNotSaved}) {
        EXPECT_TRUE(HasFailureKeyword({refusal})) << refusal;
    }
}

}  // namespace
