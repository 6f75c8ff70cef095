#include "sim/standins/FormatComRunner.h"

#include <gtest/gtest.h>

#include "sim/standins/StandinExitCodes.h"

namespace {

using Lines = std::vector<std::string>;

// Disk 1 as the Windows XP script leaves it (partitioned, not formatted, letter E); disk 2
// formatted with the letter F.
std::vector<VirtualDisk> TestDisks() {
    const VirtualDiskParse parse = ParseVirtualDisks(
        "[disk]\nnumber = 0\nlength = 512110190592\nletter = C\nlabel = System\n"
        "[disk]\nnumber = 1\nlength = 1000204886016\ncontents = empty\nfilesystem = RAW\nletter = E\n"
        "[disk]\nnumber = 2\nlength = 500107862016\nfilesystem = exFAT\nlabel = Old\nletter = F\n");
    EXPECT_EQ(parse.error, "");
    return parse.disks;
}

bool Holds(const Lines& output, const std::string& piece) {
    for (const std::string& line : output) {
        if (line.find(piece) != std::string::npos) return true;
    }
    return false;
}

void ExpectUnchanged(const std::vector<VirtualDisk>& before, const FormatComRun& run, std::uint32_t except) {
    ASSERT_EQ(before.size(), run.disks.size());
    for (std::size_t i = 0; i < before.size(); ++i) {
        if (before[i].number == except) continue;
        EXPECT_EQ(SerializeVirtualDisks({run.disks[i]}), SerializeVirtualDisks({before[i]})) << i;
    }
}

TEST(RunFormatCom, FormatsTheDiskWithThatLetterAndReportsItsSize) {
    const std::vector<VirtualDisk> before = TestDisks();
    const FormatComRun run = RunFormatCom({"E", "Backup"}, before);
    EXPECT_EQ(run.exitCode, kExitSucceeded);
    EXPECT_TRUE(run.disksChanged);
    EXPECT_EQ(run.output, (Lines{kFormatComHeader, "The type of the file system is RAW.",
                                 "The new file system is NTFS.", "QuickFormatting 953869M",
                                 "Creating file system structures.", "Format complete.",
                                 "     976762584 KB total disk space.", "     975785821 KB are available."}));
    EXPECT_EQ(run.disks.at(1).fileSystem, "NTFS");
    EXPECT_EQ(run.disks.at(1).label, "Backup");
    EXPECT_EQ(run.disks.at(1).letter, "E");
    EXPECT_EQ(run.disks.at(1).partition, "primary");
    ExpectUnchanged(before, run, 1);
}

TEST(RunFormatCom, TakesAnyLabelAndTheLetterInEitherCase) {
    const struct {
        FormatComInvocation invocation;
        std::uint32_t disk;
    } cases[] = {
        {{"f", "My Files"}, 2},
        {{"F", ""}, 2},
        {{"e", "50%"}, 1},
    };
    for (const auto& c : cases) {
        const std::vector<VirtualDisk> before = TestDisks();
        const FormatComRun run = RunFormatCom(c.invocation, before);
        EXPECT_EQ(run.exitCode, kExitSucceeded) << c.invocation.label;
        EXPECT_TRUE(Holds(run.output, " KB ")) << c.invocation.label;
        EXPECT_EQ(run.disks.at(c.disk).fileSystem, "NTFS");
        EXPECT_EQ(run.disks.at(c.disk).label, c.invocation.label);
        ExpectUnchanged(before, run, c.disk);
    }
}

TEST(RunFormatCom, FailuresPrintTheirMessageWithoutSizesAndChangeNothing) {
    const struct {
        const char* name;
        const char* letter;
        const char* failCommand;
        const char* failMessage;
        bool openFails;
        Lines message;
    } cases[] = {
        {"no disk with that letter", "G", "", "", false, {kDriveDoesNotExist}},
        {"fail-command with the default message", "E", "format.com", "", false, {kFormatFailed}},
        {"fail-command with its own message", "E", "format.com", "The disk is write protected.\nFormat failed.",
         false, {"The disk is write protected.", "Format failed."}},
        {"disk that cannot be opened", "E", "", "", true, {kCannotOpenVolume, kFormatFailed}},
    };
    for (const auto& c : cases) {
        std::vector<VirtualDisk> before = TestDisks();
        before[1].failCommand = c.failCommand;
        before[1].failMessage = c.failMessage;
        before[1].openFails = c.openFails;
        const FormatComRun run = RunFormatCom({c.letter, "Backup"}, before);
        EXPECT_EQ(run.exitCode, kExitCommandFailed) << c.name;
        EXPECT_FALSE(run.disksChanged) << c.name;
        Lines expected = {kFormatComHeader};
        expected.insert(expected.end(), c.message.begin(), c.message.end());
        EXPECT_EQ(run.output, expected) << c.name;
        EXPECT_FALSE(Holds(run.output, " KB ")) << c.name;
        ExpectUnchanged(before, run, 99);
    }
}

TEST(RunFormatCom, FailCommandOfDiskpartDoesNotMatter) {
    for (const char* failCommand : {"select", "clean", "create", "format", "assign"}) {
        std::vector<VirtualDisk> disks = TestDisks();
        disks[1].failCommand = failCommand;
        EXPECT_EQ(RunFormatCom({"E", "Backup"}, disks).exitCode, kExitSucceeded) << failCommand;
    }
}

TEST(RunFormatCom, SilentDiskPrintsNothingButIsStillFormatted) {
    std::vector<VirtualDisk> disks = TestDisks();
    disks[1].silent = true;
    FormatComRun run = RunFormatCom({"E", "Backup"}, disks);
    EXPECT_EQ(run.exitCode, kExitSucceeded);
    EXPECT_EQ(run.output, Lines{});
    EXPECT_TRUE(run.disksChanged);
    EXPECT_EQ(run.disks.at(1).fileSystem, "NTFS");

    disks[1].failCommand = "format.com";
    run = RunFormatCom({"E", "Backup"}, disks);
    EXPECT_EQ(run.exitCode, kExitCommandFailed);
    EXPECT_EQ(run.output, Lines{});
}

TEST(RunFormatCom, TakesTheDelayOfTheFormattedDisk) {
    std::vector<VirtualDisk> disks = TestDisks();
    disks[1].delayMs = 1500;
    disks[2].delayMs = 9000;
    EXPECT_EQ(RunFormatCom({"E", "Backup"}, disks).delayMs, 1500);
    disks[1].failCommand = "format.com";
    EXPECT_EQ(RunFormatCom({"E", "Backup"}, disks).delayMs, 1500);
    EXPECT_EQ(RunFormatCom({"G", "Backup"}, disks).delayMs, 0);
}

TEST(RunFormatCom, EmptyDiskReportsNoSpace) {
    std::vector<VirtualDisk> disks = TestDisks();
    disks[1].length = 0;
    const FormatComRun run = RunFormatCom({"E", "Backup"}, disks);
    EXPECT_EQ(run.output.at(6), "     0 KB total disk space.");
    EXPECT_EQ(run.output.at(7), "     0 KB are available.");
}

}  // namespace
