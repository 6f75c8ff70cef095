// Starts the built stand-ins (diskpart.exe and format.com beside this test) the way the
// formatter does, on a virtual-disks file and scripts of the test's own.
#include <windows.h>

#include <gtest/gtest.h>

#include <initializer_list>

#include "sim/SimulatorFiles.h"
#include "sim/WholeFile.h"
#include "sim/WinText.h"
#include "sim/standins/DiskpartScriptRunner.h"
#include "sim/standins/FormatComRunner.h"
#include "sim/standins/StandinCommandLines.h"
#include "sim/standins/StandinExitCodes.h"
#include "sim/standins/StandinGuard.h"
#include "sim/standins/StandinMessages.h"
#include "sim/tests/SimTestSupport.h"

namespace {

const char kDisks[] =
    "[disk]\npath = \\\\?\\scsi#disk&ven_acme&prod_ssd#0\nnumber = 0\nlength = 512110190592\nletter = C\n"
    "[disk]\npath = \\\\?\\usbstor#disk&ven_qrx&prod_qx7#1\nnumber = 1\nlength = 1000204886016\n"
    "contents = empty\nfilesystem = RAW\nletter = E\n"
    "[disk]\npath = \\\\?\\usbstor#disk&ven_qrx&prod_qx7fips#2\nnumber = 2\nlength = 500107862016\nlabel = Old\n";

std::string CrLfText(std::initializer_list<std::string> lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

const std::string kFullScriptDisk2 = CrLfText({"select disk 2", "clean", "create partition primary",
                                               "format fs=exFAT label=Backup quick", "assign letter=F"});
const wchar_t kFormatE[] = L"format.com E: /FS:NTFS /V:Backup /q /x /y";
// The fatal exit code of the utility that the command line starts.
unsigned long RefusedCode(const std::wstring& commandLine) {
    return commandLine.find(L"format.com") != std::wstring::npos ? kFormatComExitFatal : kDiskpartExitFatal;
}

std::string State(const VirtualDisk& disk) {
    return disk.partition + "|" + disk.contents + "|" + disk.fileSystem + "|" + disk.label + "|" + disk.letter;
}

class StandinsTest : public testing::Test {
protected:
    const std::wstring bin = RunningProgramFolder();
    // The stand-ins run only beside the simulator; it need not be built for this test.
    PlaceholderFile simulator{bin + kSimulatorProgramName};
    TempFolder folder;
    const std::wstring disksPath = folder.path + L"virtual-disks.txt";
    ScopedEnvironment named{kVirtualDisksVariable, disksPath.c_str()};

    void SetUp() override {
        ASSERT_TRUE(FileExists(bin + L"diskpart.exe") && FileExists(bin + L"format.com"));
        // The formatter's command line takes the script path unquoted.
        ASSERT_EQ(folder.path.find(L' '), std::wstring::npos) << "the temporary folder holds a blank";
        WriteDisks(kDisks);
    }

    void WriteDisks(const std::string& text) { ASSERT_TRUE(ReplaceWholeFile(disksPath, text)); }
    std::string DisksText() { return ReadWholeFile(disksPath).value_or("<missing>"); }

    std::vector<VirtualDisk> Disks() {
        const VirtualDiskParse parse = ParseVirtualDisks(DisksText());
        EXPECT_EQ(parse.error, "");
        return parse.disks;
    }

    std::wstring WriteScript(const std::wstring& name, const std::string& bytes) {
        EXPECT_TRUE(ReplaceWholeFile(folder.path + name, bytes));
        return folder.path + name;
    }

    std::wstring DiskpartLine(const std::string& script) { return L"diskpart.exe /s " + WriteScript(L"dp", script); }

    // Every disk but the one numbered is as in kDisks.
    void ExpectOthersUntouched(std::size_t changed) {
        const std::vector<VirtualDisk> before = ParseVirtualDisks(kDisks).disks;
        const std::vector<VirtualDisk> after = Disks();
        ASSERT_EQ(after.size(), before.size());
        for (std::size_t i = 0; i < before.size(); ++i) {
            if (i == changed) continue;
        EXPECT_EQ(SerializeVirtualDisks({after[i]}), SerializeVirtualDisks({before[i]})) << i;
        }
    }
};

TEST_F(StandinsTest, DiskpartRunsTheScriptOnTheVirtualDisks) {
    const CapturedRun run = RunCaptured(DiskpartLine(kFullScriptDisk2));
    ASSERT_TRUE(run.started);
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_EQ(run.output, CrLfText({kDiskpartHeader, "", "Disk 2 is now the selected disk.", "",
                                    "DiskPart succeeded in cleaning the disk.", "",
                                    "DiskPart succeeded in creating the specified partition.", "",
                                    "  100 percent completed", "", "DiskPart successfully formatted the volume.", "",
                                    "DiskPart successfully assigned the drive letter or mount point.", "",
                                    kLeaving}));
    EXPECT_EQ(State(Disks().at(2)), "primary|empty|exFAT|Backup|F");
    ExpectOthersUntouched(2);
}

TEST_F(StandinsTest, DiskpartTakesAQuotedScriptPathAndAQuotedLabel) {
    ASSERT_TRUE(CreateDirectoryW((folder.path + L"script folder").c_str(), nullptr));
    const std::wstring script = WriteScript(
        L"script folder\\dp",
        CrLfText({"select disk 2", "clean", "create partition primary", "format fs=NTFS label=\"My Files\" quick"}));
    const CapturedRun run = RunCaptured(L"diskpart.exe /s \"" + script + L"\"");
    EXPECT_EQ(run.exitCode, 0u) << run.output;
    EXPECT_EQ(State(Disks().at(2)), "primary|empty|NTFS|My Files|");
}

TEST_F(StandinsTest, DiskpartSavesEachCommandAndStopsAtOneThatFails) {
    WriteDisks(std::string(kDisks) +
               "fail-command = format\nfail-message = Virtual Disk Service error:\\nThe device is not ready.\n");
    const CapturedRun run = RunCaptured(DiskpartLine(kFullScriptDisk2));
    EXPECT_EQ(run.exitCode, static_cast<unsigned long>(kDiskpartExitServiceError));
    const std::string tail = CrLfText({"DiskPart succeeded in creating the specified partition.", "",
                                       "Virtual Disk Service error:", "The device is not ready.", ""});
    ASSERT_GE(run.output.size(), tail.size());
    EXPECT_EQ(run.output.substr(run.output.size() - tail.size()), tail);
    EXPECT_EQ(State(Disks().at(2)), "primary|empty|RAW||");
}

TEST_F(StandinsTest, SilentSlowDiskPrintsNothingTakesItsTimeAndIsChanged) {
    WriteDisks(std::string(kDisks) + "silent = yes\ndelay-ms = 1000\n");
    const CapturedRun run = RunCaptured(DiskpartLine(kFullScriptDisk2));
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_EQ(run.output, "");
    EXPECT_GE(run.elapsedMs, 950u);
    EXPECT_EQ(Disks().at(2).letter, "F");
}

TEST_F(StandinsTest, FormatComFormatsTheDiskWithThatLetter) {
    const CapturedRun run = RunCaptured(L"format.com e: /FS:NTFS /V:\"My Files\" /q /x /y");
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_EQ(run.output, CrLfText({kFormatComHeader, "The type of the file system is RAW.",
                                    "The new file system is NTFS.", "QuickFormatting 953869M",
                                    "Creating file system structures.", "Format complete.",
                                    "     976762584 KB total disk space.", "     975785821 KB are available."}));
    EXPECT_EQ(State(Disks().at(1)), "primary|empty|NTFS|My Files|E");
    ExpectOthersUntouched(1);
}

TEST_F(StandinsTest, FailuresAndOtherCommandLinesChangeNothing) {
    std::string failing = kDisks;
    failing.replace(failing.find("letter = E\n"), 11, "letter = E\nfail-command = format.com\n");
    ASSERT_TRUE(CreateDirectoryW((folder.path + L"script folder").c_str(), nullptr));
    const struct {
        std::string disks;
        std::wstring commandLine;
        unsigned long exitCode;
        std::string output;
    } cases[] = {
        {kDisks, L"diskpart.exe /s " + WriteScript(L"script folder\\dp", kFullScriptDisk2), kDiskpartExitBadArguments,
         CrLfText({kDiskpartUsage})},
        {kDisks, L"diskpart.exe /S " + WriteScript(L"dp", kFullScriptDisk2), kDiskpartExitBadArguments,
         CrLfText({kDiskpartUsage})},
        {kDisks, L"diskpart.exe /s " + folder.path + L"missing", kDiskpartExitScriptUnreadable,
         CrLfText({kDiskpartHeader, "", kScriptUnreadable})},
        {kDisks, DiskpartLine(CrLfText({"select disk 2", "clean", "format fs=NTFS label=\xC4 quick"})),
         static_cast<unsigned long>(kDiskpartExitBadLabel),
         CrLfText({kDiskpartHeader, "", "Virtual Disk Service error:",
                   "The volume label is not valid: the script holds a byte above 0x7F.", ""})},
        {failing, kFormatE, kFormatComExitFatal, CrLfText({kFormatComHeader, kFormatFailed})},
        {kDisks, L"format.com E: /FS:NTFS /V:My Files /q /x /y", kFormatComExitBadParameters, CrLfText({kFormatComUsage})},
    };
    for (const auto& c : cases) {
        WriteDisks(c.disks);
        const CapturedRun run = RunCaptured(c.commandLine);
        EXPECT_EQ(run.exitCode, c.exitCode) << Utf8FromWide(c.commandLine);
        EXPECT_EQ(run.output, c.output) << Utf8FromWide(c.commandLine);
        EXPECT_EQ(DisksText(), c.disks) << Utf8FromWide(c.commandLine);
    }
}

TEST_F(StandinsTest, BothRefuseWithoutAReadableVirtualDisksFile) {
    const std::wstring missing = folder.path + L"missing.txt";
    WriteDisks("[disk]\nnumber = many\n");
    for (const std::wstring& commandLine : {DiskpartLine(kFullScriptDisk2), std::wstring(kFormatE)}) {
        CapturedRun run = RunCaptured(commandLine);
        EXPECT_EQ(run.exitCode, RefusedCode(commandLine)) << Utf8FromWide(commandLine);
        EXPECT_EQ(run.output, CrLfText({kRefusedBadDisksFile + std::string("line 2: number must be a whole number "
                                                                           "of 32 bits")}));
        EXPECT_EQ(DisksText(), "[disk]\nnumber = many\n");

        ScopedEnvironment elsewhere(kVirtualDisksVariable, missing.c_str());
        run = RunCaptured(commandLine);
        EXPECT_EQ(run.exitCode, RefusedCode(commandLine)) << Utf8FromWide(commandLine);
        EXPECT_EQ(run.output, CrLfText({kRefusedNoDisksFile}));
        EXPECT_FALSE(FileExists(missing));
    }
}

TEST_F(StandinsTest, CopiesAwayFromTheSimulatorRefuse) {
    const std::wstring copies = folder.path + L"copies\\";
    ASSERT_TRUE(CreateDirectoryW(copies.c_str(), nullptr));
    ASSERT_TRUE(CopyFileW((bin + L"diskpart.exe").c_str(), (copies + L"diskpart.exe").c_str(), TRUE));
    ASSERT_TRUE(CopyFileW((bin + L"format.com").c_str(), (copies + L"format.com").c_str(), TRUE));
    const std::wstring diskpart = L"\"" + copies + L"diskpart.exe\" /s " + WriteScript(L"dp", kFullScriptDisk2);
    const std::wstring format = L"\"" + copies + L"format.com\" E: /FS:NTFS /V:Backup /q /x /y";
    for (const std::wstring& commandLine : {diskpart, format}) {
        const CapturedRun run = RunCaptured(commandLine);
        EXPECT_EQ(run.exitCode, RefusedCode(commandLine)) << Utf8FromWide(commandLine);
        EXPECT_EQ(run.output, CrLfText({kRefusedNoSimulator}));
        EXPECT_EQ(DisksText(), kDisks);
    }
}

}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
