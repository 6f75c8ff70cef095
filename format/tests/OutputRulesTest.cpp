#include "format/OutputRules.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

void PrintTo(DiskpartVerdict verdict, std::ostream* out) {
    *out << (verdict == DiskpartVerdict::Finished ? "Finished" : "Error");
}

namespace {

TEST(OutputRulesTest, DiskpartRunFinishesOnExitCodeZeroWithoutAFailureWord) {
    constexpr unsigned long kDeviceInUse = 0x80042413;
    const struct {
        unsigned long exitCode;
        const wchar_t* output;
        DiskpartVerdict verdict;
        bool started = true;
    } cases[] = {
        {0, L"  100 percent completed\r\n\r\nDiskPart successfully formatted the volume.\r\n",
         DiskpartVerdict::Finished},
        // Translated progress lines, or none at all: the exit code tells.
        {0, L"  100% \x5B8C\x4E86\x3057\x307E\x3057\x305F\r\n", DiskpartVerdict::Finished},
        {0, L"  Percentuale completata: 100\r\n", DiskpartVerdict::Finished},
        {0, L"DiskPart a format\x00E9 le volume.\r\n", DiskpartVerdict::Finished},
        {0, L"", DiskpartVerdict::Finished},
        // Failure words count whatever the exit code, anywhere in the text, case-sensitive.
        {0, L"DiskPart has encountered an error: Access is denied.\r\n", DiskpartVerdict::Error},
        {0, L"The disk is busy, try again!\r\n", DiskpartVerdict::Error},
        {0, L"  100 percent completed\r\nDiskPart was unable to assign", DiskpartVerdict::Error},
        {0, L"error: at the very start", DiskpartVerdict::Error},
        {0, L"DiskPart has encountered an Error: Access is denied.", DiskpartVerdict::Finished},
        {0, L"Try again! Unable to go on, then unable.", DiskpartVerdict::Finished},
        // Letter case is never folded, so Turkish dotted and dotless i are other letters.
        {0, L"try aga\x0130n!", DiskpartVerdict::Finished},
        {0, L"TRY AGA\x0131N!", DiskpartVerdict::Finished},
        {0, L"\x0130RROR:", DiskpartVerdict::Finished},
        // Any exit code but 0 is an error, with or without English words.
        {kDeviceInUse, L"Fehler des Dienstes f\x00FCr virtuelle Datentr\x00E4ger.", DiskpartVerdict::Error},
        {0x80070005, L"  100 percent completed\r\n", DiskpartVerdict::Error},
        {5, L"The arguments specified for this command are not valid.", DiskpartVerdict::Error},
        {1, L"", DiskpartVerdict::Error},
        // A utility that did not start has printed nothing and finished nothing.
        {0, L"", DiskpartVerdict::Error, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ClassifyDiskpartOutput(c.started, c.exitCode, c.output), c.verdict)
            << std::hex << c.exitCode << " " << testing::PrintToString(std::wstring(c.output));
}

TEST(OutputRulesTest, PauseLeftCountsTheTicksSinceDiskpartEndedAcrossTheWrap) {
    const struct {
        std::uint32_t ended, now, left;
    } cases[] = {
        {1000, 1000, 15000}, {1000, 6000, 10000}, {1000, 16000, 0}, {1000, 4000000000u, 0},
        {0xFFFFF000u, 0x00000800u, 15000 - 0x1800},  // the count wrapped after 49.7 days
        {0xFFFFF000u, 0x00010000u, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(RemainingPauseMs(c.ended, c.now, 15000), c.left) << c.ended << " " << c.now;
}

TEST(OutputRulesTest, CleanupTakesOnlyScriptNamesDiskpartAndDigitsInAnyCase) {
    EXPECT_EQ(ScriptCleanupPattern(L"C:\\Users\\R&D\\Temp\\"), L"C:\\Users\\R&D\\Temp\\diskpart*.*");
    for (const wchar_t* name : {L"diskpart1", L"DISKPART10", L"DiskPart4294967295"})
        EXPECT_TRUE(IsScriptFileName(name)) << name;
    // A user's own files that begin with "diskpart", and names found only through short 8.3 names.
    for (const wchar_t* name : {L"diskpart", L"DiskPart.old", L"diskpart notes.txt", L"diskpart-notes.txt",
                                L"diskpart1.txt", L"diskpart-1", L"diskpart\x0661", L"", L"diskpar", L"my diskpart1",
                                L"diskp\x00E4rt1",
                                // Turkish dotted and dotless i are not the i of "diskpart".
                                L"D\x0130SKPART1", L"d\x0131skpart1", L"D\x0131SKPART1"})
        EXPECT_FALSE(IsScriptFileName(name)) << name;
}

TEST(OutputRulesTest, XpFormatCommandAlwaysNtfsWithLabelQuotedOnlyWhenItHoldsABlank) {
    EXPECT_EQ(BuildXpFormatCommand(L"E", L"Backup"), L"format.com E: /FS:NTFS /V:Backup /q /x /y");
    EXPECT_EQ(BuildXpFormatCommand(L"E", L""), L"format.com E: /FS:NTFS /V: /q /x /y");
    EXPECT_EQ(BuildXpFormatCommand(L"G", L"My Files"), L"format.com G: /FS:NTFS /V:\"My Files\" /q /x /y");
}

TEST(OutputRulesTest, OpenDriveQuestionAndRootNameTheDriveLetter) {
    EXPECT_EQ(BuildOpenDriveQuestion(Texts(Language::English), L"E"),
              L"Format complete.\nWould like to open drive 'E:\\' now?");
    EXPECT_EQ(DriveRootPath(L"Z"), L"Z:\\");
}

}  // namespace
