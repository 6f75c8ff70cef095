#include "format/OutputRules.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const char* VerdictName(DiskpartVerdict verdict) {
    switch (verdict) {
    case DiskpartVerdict::None: return "None";
    case DiskpartVerdict::Finished: return "Finished";
    case DiskpartVerdict::Error: return "Error";
    }
    return "?";
}

struct VerdictCase {
    const wchar_t* output;
    DiskpartVerdict verdict;
};

TEST(OutputRulesTest, DiskpartOutputJudgedByCaseSensitiveKeywordsFailureFirst) {
    const VerdictCase cases[] = {
        {L"", DiskpartVerdict::None},
        {L"DiskPart successfully assigned the drive letter or mount point.\r\n", DiskpartVerdict::None},
        {L"  100 percent completed\r\n\r\nDiskPart successfully formatted the volume.\r\n",
         DiskpartVerdict::Finished},
        {L"DiskPart has encountered an error: Access is denied.\r\n", DiskpartVerdict::Error},
        {L"The disk is busy, try again!\r\n", DiskpartVerdict::Error},
        {L"DiskPart was unable to create the partition.\r\n", DiskpartVerdict::Error},
        {L"error: at the very start", DiskpartVerdict::Error},
        {L"try again! at the very start", DiskpartVerdict::Error},
        {L"  100 percent completed\r\nVirtual Disk Service error:\r\nThe volume is too big.",
         DiskpartVerdict::Error},
        {L"  100 percent completed, then unable.", DiskpartVerdict::Finished},
        {L"  100 percent completed\r\nDiskPart was unable to assign", DiskpartVerdict::Error},
        {L"DiskPart has encountered an Error: Access is denied.", DiskpartVerdict::None},
        {L"DiskPart has encountered an error.", DiskpartVerdict::None},
        {L"Try again!", DiskpartVerdict::None},
        {L"please try again", DiskpartVerdict::None},
        {L"unable to continue", DiskpartVerdict::None},
        {L"it was unable\r\n", DiskpartVerdict::None},
        {L"100 percent completed", DiskpartVerdict::None},
        {L"  100% completed", DiskpartVerdict::None},
        {L"  100\r\n", DiskpartVerdict::None},
        {L"  1000 percent", DiskpartVerdict::None},
    };
    for (const VerdictCase& c : cases) {
        EXPECT_STREQ(VerdictName(ClassifyDiskpartOutput(c.output)), VerdictName(c.verdict)) << c.output;
    }
}

TEST(OutputRulesTest, FormatOutputSucceedsOnlyWithBlankedKilobyteUnit) {
    EXPECT_TRUE(FormatOutputSucceeded(L"   1048576 KB total disk space.\r\n   1048512 KB are available.\r\n"));
    EXPECT_TRUE(FormatOutputSucceeded(L"4 KB "));
    EXPECT_FALSE(FormatOutputSucceeded(L""));
    EXPECT_FALSE(FormatOutputSucceeded(L"The type of the file system is RAW.\r\nAccess denied.\r\n"));
    EXPECT_FALSE(FormatOutputSucceeded(L"   1048576 kb total disk space."));
    EXPECT_FALSE(FormatOutputSucceeded(L"   1048576KB total disk space."));
    EXPECT_FALSE(FormatOutputSucceeded(L"   1048576 KB\r\n"));
}

struct CleanupCase {
    const wchar_t* tempPath;
    const wchar_t* command;
};

TEST(OutputRulesTest, CleanupCommandDeletesScriptsQuotingPatternOnlyWhenPathHoldsABlank) {
    const CleanupCase cases[] = {
        {L"C:\\Temp\\", L"cmd /c del C:\\Temp\\diskpart*.*"},
        {L"C:\\Users\\user\\AppData\\Local\\Temp\\", L"cmd /c del C:\\Users\\user\\AppData\\Local\\Temp\\diskpart*.*"},
        {L"C:\\Documents and Settings\\Joe\\Local Settings\\Temp\\",
         L"cmd /c del \"C:\\Documents and Settings\\Joe\\Local Settings\\Temp\\diskpart*.*\""},
    };
    for (const CleanupCase& c : cases) {
        EXPECT_EQ(BuildCleanupCommand(c.tempPath), c.command);
    }
}

struct XpFormatCase {
    const wchar_t* letter;
    const wchar_t* label;
    const wchar_t* command;
};

TEST(OutputRulesTest, XpFormatCommandAlwaysNtfsWithLabelQuotedOnlyWhenItHoldsABlank) {
    const XpFormatCase cases[] = {
        {L"E", L"Backup", L"format.com E: /FS:NTFS /V:Backup /q /x /y"},
        {L"E", L"", L"format.com E: /FS:NTFS /V: /q /x /y"},
        {L"G", L"My Files", L"format.com G: /FS:NTFS /V:\"My Files\" /q /x /y"},
        {L"Z", L"50%", L"format.com Z: /FS:NTFS /V:50% /q /x /y"},
    };
    for (const XpFormatCase& c : cases) {
        EXPECT_EQ(BuildXpFormatCommand(c.letter, c.label), c.command);
    }
}

TEST(OutputRulesTest, OpenDriveQuestionAndRootNameTheDriveLetter) {
    EXPECT_EQ(BuildOpenDriveQuestion(L"E"), L"Format complete.\nWould like to open drive 'E:\\' now?");
    EXPECT_EQ(BuildOpenDriveQuestion(L"Z"), L"Format complete.\nWould like to open drive 'Z:\\' now?");
    EXPECT_EQ(DriveRootPath(L"E"), L"E:\\");
    EXPECT_EQ(DriveRootPath(L"Z"), L"Z:\\");
}

}  // namespace
