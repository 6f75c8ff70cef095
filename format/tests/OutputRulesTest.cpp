#include "format/OutputRules.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

void PrintTo(DiskpartVerdict verdict, std::ostream* out) {
    *out << (verdict == DiskpartVerdict::None ? "None" : verdict == DiskpartVerdict::Finished ? "Finished" : "Error");
}

namespace {

TEST(OutputRulesTest, DiskpartOutputJudgedByCaseSensitiveKeywordsFailureFirst) {
    const struct {
        const wchar_t* output;
        DiskpartVerdict verdict;
    } cases[] = {
        {L"", DiskpartVerdict::None},
        {L"DiskPart successfully assigned the drive letter or mount point.\r\n", DiskpartVerdict::None},
        {L"  100 percent completed\r\n\r\nDiskPart successfully formatted the volume.\r\n",
         DiskpartVerdict::Finished},
        {L"DiskPart has encountered an error: Access is denied.\r\n", DiskpartVerdict::Error},
        {L"The disk is busy, try again!\r\n", DiskpartVerdict::Error},
        {L"DiskPart was unable to create the partition.\r\n", DiskpartVerdict::Error},
        {L"  100 percent completed\r\nVirtual Disk Service error:\r\nThe volume is too big.",
         DiskpartVerdict::Error},
        {L"  100 percent completed\r\nDiskPart was unable to assign", DiskpartVerdict::Error},
        {L"  100 percent completed, then unable.", DiskpartVerdict::Finished},
        {L"DiskPart has encountered an Error: Access is denied.", DiskpartVerdict::None},
        {L"DiskPart has encountered an error.", DiskpartVerdict::None},
        {L"Try again!", DiskpartVerdict::None},
        {L"please try again", DiskpartVerdict::None},
        {L"unable to continue", DiskpartVerdict::None},
        {L"100 percent completed", DiskpartVerdict::None},
        {L"  100% completed", DiskpartVerdict::None},
        {L"  1000 percent", DiskpartVerdict::None},
    };
    for (const auto& c : cases) EXPECT_EQ(ClassifyDiskpartOutput(c.output), c.verdict) << c.output;
}

TEST(OutputRulesTest, FormatOutputSucceedsOnlyWithBlankedKilobyteUnit) {
    EXPECT_TRUE(FormatOutputSucceeded(L"   1048576 KB total disk space.\r\n   1048512 KB are available.\r\n"));
    EXPECT_FALSE(FormatOutputSucceeded(L""));
    EXPECT_FALSE(FormatOutputSucceeded(L"The type of the file system is RAW.\r\nAccess denied.\r\n"));
    EXPECT_FALSE(FormatOutputSucceeded(L"   1048576 kb total disk space."));
    EXPECT_FALSE(FormatOutputSucceeded(L"   1048576KB total disk space."));
    EXPECT_FALSE(FormatOutputSucceeded(L"   1048576 KB\r\n"));
}

TEST(OutputRulesTest, CleanupTakesTheNamesThatBeginWithDiskpartInAnyCase) {
    EXPECT_EQ(ScriptCleanupPattern(L"C:\\Users\\R&D\\Temp\\"), L"C:\\Users\\R&D\\Temp\\diskpart*.*");
    for (const wchar_t* name : {L"diskpart", L"diskpart1", L"DISKPART10", L"DiskPart.old", L"diskpart notes.txt"})
        EXPECT_TRUE(IsScriptFileName(name)) << name;
    // Found for the pattern only through their short 8.3 names, or not at all.
    for (const wchar_t* name : {L"", L"diskpar", L"disk part", L"my diskpart", L"diskp\x00E4rt"})
        EXPECT_FALSE(IsScriptFileName(name)) << name;
}

TEST(OutputRulesTest, XpFormatCommandAlwaysNtfsWithLabelQuotedOnlyWhenItHoldsABlank) {
    EXPECT_EQ(BuildXpFormatCommand(L"E", L"Backup"), L"format.com E: /FS:NTFS /V:Backup /q /x /y");
    EXPECT_EQ(BuildXpFormatCommand(L"E", L""), L"format.com E: /FS:NTFS /V: /q /x /y");
    EXPECT_EQ(BuildXpFormatCommand(L"G", L"My Files"), L"format.com G: /FS:NTFS /V:\"My Files\" /q /x /y");
}

TEST(OutputRulesTest, OpenDriveQuestionAndRootNameTheDriveLetter) {
    EXPECT_EQ(BuildOpenDriveQuestion(L"E"), L"Format complete.\nWould like to open drive 'E:\\' now?");
    EXPECT_EQ(DriveRootPath(L"Z"), L"Z:\\");
}

}  // namespace
