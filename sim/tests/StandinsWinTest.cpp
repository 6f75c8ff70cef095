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
    "[disk]\npath = \\\\?\\scsi#disk&ven_acme&prod_ssd#0#{53f56307-b6bf-11d0-94f2-00a0c91efb8b}\n"
    "name = ACME SSD\nnumber = 0\nlength = 512110190592\nlabel = System\nletter = C\n"
    "[disk]\npath = \\\\?\\usbstor#disk&ven_qrx&prod_qx7#1#{53f56307-b6bf-11d0-94f2-00a0c91efb8b}\n"
    "name = Quarrix QX7 USB Device\nnumber = 1\nlength = 1000204886016\ncontents = empty\nfilesystem = RAW\n"
    "letter = E\n"
    "[disk]\npath = \\\\?\\usbstor#disk&ven_qrx&prod_qx7fips#2#{53f56307-b6bf-11d0-94f2-00a0c91efb8b}\n"
    "name = Quarrix QX7FIPS USB Device\nnumber = 2\nlength = 500107862016\nlabel = Old\n";

std::string CrLfText(std::initializer_list<std::string> lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

const std::string kFullScriptDisk2 = CrLfText({"select disk 2", "clean", "create partition primary",
                                               "format fs=exFAT label=Backup quick", "assign letter=F"});

bool Holds(const std::string& text, const char* piece) { return text.find(piece) != std::string::npos; }

class StandinsTest : public testing::Test {
protected:
    const std::wstring bin = RunningProgramFolder();
    // The stand-ins run only beside the simulator; it need not be built for this test.
    PlaceholderFile simulator{bin + kSimulatorProgramName};
    TempFolder folder;
    const std::wstring disksPath = folder.path + L"virtual-disks.txt";
    ScopedEnvironment named{kVirtualDisksVariable, disksPath.c_str()};

    void SetUp() override {
        ASSERT_TRUE(FileExists(bin + L"diskpart.exe"));
        ASSERT_TRUE(FileExists(bin + L"format.com"));
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
        const std::wstring path = folder.path + name;
        EXPECT_TRUE(ReplaceWholeFile(path, bytes));
        return path;
    }

    // Every disk but the one numbered is as in kDisks.
    void ExpectOthersUntouched(std::uint32_t changed) {
        const std::vector<VirtualDisk> before = ParseVirtualDisks(kDisks).disks;
        const std::vector<VirtualDisk> after = Disks();
        ASSERT_EQ(after.size(), before.size());
        for (std::size_t i = 0; i < before.size(); ++i) {
            if (before[i].number == changed) continue;
            EXPECT_EQ(SerializeVirtualDisks({after[i]}), SerializeVirtualDisks({before[i]})) << i;
        }
    }
};

TEST_F(StandinsTest, DiskpartRunsTheScriptOnTheVirtualDisks) {
    const std::wstring script = WriteScript(L"diskpart2", kFullScriptDisk2);
    const CapturedRun run = RunCaptured(L"diskpart.exe /s " + script);
    ASSERT_TRUE(run.started);
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_EQ(run.output, CrLfText({kDiskpartHeader, "", "Disk 2 is now the selected disk.", "",
                                    "DiskPart succeeded in cleaning the disk.", "",
                                    "DiskPart succeeded in creating the specified partition.", "",
                                    "  100 percent completed", "", "DiskPart successfully formatted the volume.", "",
                                    "DiskPart successfully assigned the drive letter or mount point.", "",
                                    kLeaving}));
    const VirtualDisk disk = Disks().at(2);
    EXPECT_EQ(disk.contents, "empty");
    EXPECT_EQ(disk.partition, "primary");
    EXPECT_EQ(disk.fileSystem, "exFAT");
    EXPECT_EQ(disk.label, "Backup");
    EXPECT_EQ(disk.letter, "F");
    ExpectOthersUntouched(2);
}

TEST_F(StandinsTest, DiskpartTakesAQuotedScriptPathAndQuotedLabel) {
    ASSERT_TRUE(CreateDirectoryW((folder.path + L"script folder").c_str(), nullptr));
    const std::wstring script =
        WriteScript(L"script folder\\diskpart2", CrLfText({"select disk 2", "clean", "create partition primary",
                                                          "format fs=NTFS label=\"My Files\" quick"}));
    const CapturedRun run = RunCaptured(L"diskpart.exe /s \"" + script + L"\"");
    EXPECT_EQ(run.exitCode, 0u) << run.output;
    EXPECT_EQ(Disks().at(2).label, "My Files");
    EXPECT_EQ(Disks().at(2).fileSystem, "NTFS");
}

TEST_F(StandinsTest, DiskpartReadsTheScriptInTheAnsiCodePage) {
    const std::wstring script = WriteScript(
        L"diskpart2", CrLfText({"select disk 2", "clean", "create partition primary", "format fs=NTFS label=\xC4 quick"}));
    const CapturedRun run = RunCaptured(L"diskpart.exe /s " + script);
    EXPECT_EQ(run.exitCode, 0u) << run.output;
    // Whatever the code page, the label holds the character that byte stands for in it.
    EXPECT_EQ(WideFromUtf8(Disks().at(2).label), WideFromUtf8(Utf8FromAnsi("\xC4")));
}

TEST_F(StandinsTest, DiskpartStopsAtAFailingCommandAndKeepsWhatWasDone) {
    std::string disks = kDisks;
    disks += "fail-command = format\nfail-message = Virtual Disk Service error:\\nThe device is not ready.\n";
    WriteDisks(disks);
    const CapturedRun run = RunCaptured(L"diskpart.exe /s " + WriteScript(L"diskpart2", kFullScriptDisk2));
    EXPECT_EQ(run.exitCode, static_cast<unsigned long>(kExitCommandFailed));
    const std::string tail = CrLfText({"DiskPart succeeded in creating the specified partition.", "",
                                       "Virtual Disk Service error:", "The device is not ready.", ""});
    ASSERT_GE(run.output.size(), tail.size());
    EXPECT_EQ(run.output.substr(run.output.size() - tail.size()), tail);
    const VirtualDisk disk = Disks().at(2);
    EXPECT_EQ(disk.contents, "empty");
    EXPECT_EQ(disk.partition, "primary");
    EXPECT_EQ(disk.fileSystem, "RAW");
    EXPECT_EQ(disk.label, "");
    EXPECT_EQ(disk.letter, "");
    ExpectOthersUntouched(2);
}

TEST_F(StandinsTest, DiskpartRejectsOtherCommandLinesAndMissingScripts) {
    ASSERT_TRUE(CreateDirectoryW((folder.path + L"script folder").c_str(), nullptr));
    const std::wstring blankPath = WriteScript(L"script folder\\diskpart2", kFullScriptDisk2);
    const std::wstring script = WriteScript(L"diskpart2", kFullScriptDisk2);
    const struct {
        std::wstring commandLine;
        unsigned long exitCode;
        std::string output;
    } cases[] = {
        {L"diskpart.exe /s " + blankPath, kExitUsage, CrLfText({kDiskpartUsage})},
        {L"diskpart.exe /S " + script, kExitUsage, CrLfText({kDiskpartUsage})},
        {L"diskpart.exe  /s " + script, kExitUsage, CrLfText({kDiskpartUsage})},
        {L"diskpart.exe", kExitUsage, CrLfText({kDiskpartUsage})},
        {L"diskpart.exe /s " + folder.path + L"diskpart9", kExitScriptUnreadable,
         CrLfText({kDiskpartHeader, "", kScriptUnreadable})},
    };
    for (const auto& c : cases) {
        const CapturedRun run = RunCaptured(c.commandLine);
        EXPECT_EQ(run.exitCode, c.exitCode) << Utf8FromWide(c.commandLine);
        EXPECT_EQ(run.output, c.output) << Utf8FromWide(c.commandLine);
        EXPECT_EQ(DisksText(), kDisks) << Utf8FromWide(c.commandLine);
    }
}

TEST_F(StandinsTest, SilentSlowDiskPrintsNothingTakesItsTimeAndIsChanged) {
    std::string disks = kDisks;
    disks += "silent = yes\ndelay-ms = 1000\n";
    WriteDisks(disks);
    const CapturedRun run = RunCaptured(L"diskpart.exe /s " + WriteScript(L"diskpart2", kFullScriptDisk2));
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_EQ(run.output, "");
    EXPECT_GE(run.elapsedMs, 950u);
    EXPECT_EQ(Disks().at(2).letter, "F");
}

TEST_F(StandinsTest, FormatComFormatsTheDiskWithThatLetter) {
    const struct {
        const wchar_t* commandLine;
        const char* label;
    } cases[] = {
        {L"format.com E: /FS:NTFS /V:Backup /q /x /y", "Backup"},
        {L"format.com e: /FS:NTFS /V:\"My Files\" /q /x /y", "My Files"},
        {L"format.com E: /FS:NTFS /V: /q /x /y", ""},
    };
    for (const auto& c : cases) {
        WriteDisks(kDisks);
        const CapturedRun run = RunCaptured(c.commandLine);
        EXPECT_EQ(run.exitCode, 0u) << c.label;
        EXPECT_TRUE(Holds(run.output, "\r\nThe type of the file system is RAW.\r\n")) << run.output;
        EXPECT_TRUE(Holds(run.output, "\r\nFormat complete.\r\n     976762584 KB total disk space.\r\n     "
                                      "975785821 KB are available.\r\n"))
            << run.output;
        const VirtualDisk disk = Disks().at(1);
        EXPECT_EQ(disk.fileSystem, "NTFS");
        EXPECT_EQ(disk.label, c.label);
        EXPECT_EQ(disk.letter, "E");
        ExpectOthersUntouched(1);
    }
}

TEST_F(StandinsTest, FormatComFailuresChangeNothingAndReportNoSize) {
    std::string failing = kDisks;
    failing.replace(failing.find("letter = E\n"), 11, "letter = E\nfail-command = format.com\n");
    const struct {
        std::string disks;
        const wchar_t* commandLine;
        unsigned long exitCode;
        std::string output;
    } cases[] = {
        {kDisks, L"format.com G: /FS:NTFS /V:Backup /q /x /y", kExitCommandFailed,
         CrLfText({kFormatComHeader, kDriveDoesNotExist})},
        {failing, L"format.com E: /FS:NTFS /V:Backup /q /x /y", kExitCommandFailed,
         CrLfText({kFormatComHeader, kFormatFailed})},
        {kDisks, L"format.com E: /FS:NTFS /V:My Files /q /x /y", kExitUsage, CrLfText({kFormatComUsage})},
        {kDisks, L"format.com E: /FS:NTFS /V:Backup /q /x", kExitUsage, CrLfText({kFormatComUsage})},
    };
    for (const auto& c : cases) {
        WriteDisks(c.disks);
        const CapturedRun run = RunCaptured(c.commandLine);
        EXPECT_EQ(run.exitCode, c.exitCode) << Utf8FromWide(c.commandLine);
        EXPECT_EQ(run.output, c.output) << Utf8FromWide(c.commandLine);
        EXPECT_FALSE(Holds(run.output, " KB ")) << run.output;
        EXPECT_EQ(DisksText(), c.disks);
    }
}

TEST_F(StandinsTest, BothRefuseWithoutAVirtualDisksFileOrWithABrokenOne) {
    const std::wstring script = WriteScript(L"diskpart2", kFullScriptDisk2);
    const std::wstring commandLines[] = {L"diskpart.exe /s " + script, L"format.com E: /FS:NTFS /V:Backup /q /x /y"};
    {
        const std::wstring missing = folder.path + L"missing.txt";
        ScopedEnvironment elsewhere(kVirtualDisksVariable, missing.c_str());
        for (const std::wstring& commandLine : commandLines) {
            const CapturedRun run = RunCaptured(commandLine);
            EXPECT_EQ(run.exitCode, static_cast<unsigned long>(kExitRefused)) << Utf8FromWide(commandLine);
            EXPECT_EQ(run.output, CrLfText({kRefusedNoDisksFile}));
            EXPECT_TRUE(Holds(run.output, "error:"));
            EXPECT_FALSE(FileExists(missing));
        }
    }
    WriteDisks("[disk]\nnumber = many\n");
    for (const std::wstring& commandLine : commandLines) {
        const CapturedRun run = RunCaptured(commandLine);
        EXPECT_EQ(run.exitCode, static_cast<unsigned long>(kExitRefused)) << Utf8FromWide(commandLine);
        EXPECT_TRUE(Holds(run.output, kRefusedBadDisksFile)) << run.output;
        EXPECT_TRUE(Holds(run.output, "line 2: number must be")) << run.output;
        EXPECT_EQ(DisksText(), "[disk]\nnumber = many\n");
    }
}

TEST_F(StandinsTest, CopiesRefuseAwayFromTheSimulatorAndUseTheirOwnFolderBesideIt) {
    const std::wstring copies = folder.path + L"copies\\";
    ASSERT_TRUE(CreateDirectoryW(copies.c_str(), nullptr));
    ASSERT_TRUE(CopyFileW((bin + L"diskpart.exe").c_str(), (copies + L"diskpart.exe").c_str(), TRUE));
    ASSERT_TRUE(CopyFileW((bin + L"format.com").c_str(), (copies + L"format.com").c_str(), TRUE));
    const std::wstring script = WriteScript(L"diskpart2", kFullScriptDisk2);
    const std::wstring diskpart = L"\"" + copies + L"diskpart.exe\" /s " + script;
    const std::wstring format = L"\"" + copies + L"format.com\" E: /FS:NTFS /V:Backup /q /x /y";

    for (const std::wstring& commandLine : {diskpart, format}) {
        const CapturedRun run = RunCaptured(commandLine);
        ASSERT_TRUE(run.started);
        EXPECT_EQ(run.exitCode, static_cast<unsigned long>(kExitRefused)) << Utf8FromWide(commandLine);
        EXPECT_EQ(run.output, CrLfText({kRefusedNoSimulator}));
        EXPECT_EQ(DisksText(), kDisks);
    }

    // Beside a simulator and without the variable, a stand-in works on the file in its folder.
    PlaceholderFile simulatorBesideCopies(copies + kSimulatorProgramName);
    ASSERT_TRUE(simulatorBesideCopies.created);
    ScopedEnvironment unset(kVirtualDisksVariable, nullptr);
    ASSERT_TRUE(ReplaceWholeFile(copies + L"virtual-disks.txt", kDisks));
    CapturedRun run = RunCaptured(diskpart);
    EXPECT_EQ(run.exitCode, 0u) << run.output;
    run = RunCaptured(format);
    EXPECT_EQ(run.exitCode, 0u) << run.output;
    const VirtualDiskParse own = ParseVirtualDisks(ReadWholeFile(copies + L"virtual-disks.txt").value_or(""));
    ASSERT_EQ(own.error, "");
    EXPECT_EQ(own.disks.at(2).letter, "F");
    EXPECT_EQ(own.disks.at(1).label, "Backup");
    EXPECT_EQ(DisksText(), kDisks);
}

}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
