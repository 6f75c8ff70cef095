#include "format/FormatRequestRules.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>

#include "drives/DriveRules.h"

namespace {

struct DiskNumberCase {
    const wchar_t* entry;
    const wchar_t* diskNumber;
};

TEST(FormatRequestRulesTest, DiskNumberIsTextFromIndexOneToFirstClosingBracket) {
    const DiskNumberCase cases[] = {
        {L"[1] - Quarrix QX7 (1TB)", L"1"},
        {L"[12] - Quarrix Enterprise (2TB)", L"12"},
        {L"[3] - Quarrix QX7 FIPS (2TB)", L"3"},
        {L"[10] - Quarrix QX7 (500GB)", L"10"},
        {L"[-1] - Quarrix QX7 (1TB)", L"-1"},
        {L"[7] - Odd ] name (80GB)", L"7"},
        {kNoDrivesEntry, L""},
        {L"] - Quarrix QX7 (1TB)", L""},
        {L"[] - Quarrix QX7 (1TB)", L""},
        {L"[5 - no bracket", L""},
        {L"[", L""},
        {L"", L""},
        // The first character is skipped without being looked at.
        {L"x5] - Quarrix QX7 (1TB)", L"5"},
    };
    for (const DiskNumberCase& c : cases) {
        EXPECT_EQ(ParseDiskNumber(c.entry), c.diskNumber) << c.entry;
    }
}

TEST(FormatRequestRulesTest, DiskNumberReadBackFromEveryDriveEntry) {
    const std::uint32_t numbers[] = {0u, 1u, 9u, 10u, 12u, 2147483647u, 4294967295u};
    for (std::uint32_t number : numbers) {
        const std::wstring entry = FormatDriveEntry(number, L"Odd ] model [2]", 1000);
        EXPECT_EQ(ParseDiskNumber(entry), std::to_wstring(static_cast<std::int32_t>(number))) << entry;
    }
}

TEST(FormatRequestRulesTest, EnterpriseEntryNeedsExactModelText) {
    EXPECT_TRUE(IsEnterpriseEntry(L"[2] - Quarrix Enterprise (500GB)"));
    EXPECT_TRUE(IsEnterpriseEntry(L"Quarrix Enterprise"));
    EXPECT_FALSE(IsEnterpriseEntry(L"[2] - quarrix enterprise (500GB)"));
    EXPECT_FALSE(IsEnterpriseEntry(L"[2] - Quarrix ENTERPRISE (500GB)"));
    EXPECT_FALSE(IsEnterpriseEntry(L"[2] - Quarrix  Enterprise (500GB)"));
    EXPECT_FALSE(IsEnterpriseEntry(L"[1] - Quarrix QX7 (1TB)"));
    EXPECT_FALSE(IsEnterpriseEntry(kNoDrivesEntry));
}

struct CommandLineCase {
    const wchar_t* tempPath;
    const wchar_t* diskNumber;
    const wchar_t* commandLine;
};

TEST(FormatRequestRulesTest, DiskpartCommandLineNamesScriptQuotedOnlyWhenPathHoldsABlank) {
    const CommandLineCase cases[] = {
        {L"C:\\Users\\user\\AppData\\Local\\Temp\\", L"1",
         L"diskpart.exe /s C:\\Users\\user\\AppData\\Local\\Temp\\diskpart1"},
        {L"C:\\Users\\user\\AppData\\Local\\Temp\\", L"2",
         L"diskpart.exe /s C:\\Users\\user\\AppData\\Local\\Temp\\diskpart2"},
        {L"C:\\Temp\\", L"10", L"diskpart.exe /s C:\\Temp\\diskpart10"},
        {L"C:\\Documents and Settings\\Joe\\Local Settings\\Temp\\", L"1",
         L"diskpart.exe /s \"C:\\Documents and Settings\\Joe\\Local Settings\\Temp\\diskpart1\""},
        {L"", L"3", L"diskpart.exe /s diskpart3"},
    };
    for (const CommandLineCase& c : cases) {
        EXPECT_EQ(BuildDiskpartCommandLine(c.tempPath, c.diskNumber), c.commandLine);
    }
}

struct LabelCase {
    std::wstring label;
    const wchar_t* fileSystem;
    LabelProblem problem;
};

TEST(FormatRequestRulesTest, VolumeLabelCheckedForLengthOfItsFileSystemAndQuotationMark) {
    const LabelCase cases[] = {
        {L"", L"NTFS", LabelProblem::None},
        {L"", L"exFAT", LabelProblem::None},
        {L"Quarrix", L"NTFS", LabelProblem::None},
        {L"My Files", L"exFAT", LabelProblem::None},
        {L"50% & more", L"NTFS", LabelProblem::None},
        {std::wstring(32, L'n'), L"NTFS", LabelProblem::None},
        {std::wstring(33, L'n'), L"NTFS", LabelProblem::TooLongForNtfs},
        {std::wstring(11, L'x'), L"exFAT", LabelProblem::None},
        {std::wstring(12, L'x'), L"exFAT", LabelProblem::TooLongForExfat},
        {std::wstring(32, L'x'), L"exFAT", LabelProblem::TooLongForExfat},
        {L"say \"hi\"", L"NTFS", LabelProblem::HoldsQuotationMark},
        {L"\"", L"exFAT", LabelProblem::HoldsQuotationMark},
        // The quotation mark is reported before the length.
        {std::wstring(40, L'n') + L"\"", L"NTFS", LabelProblem::HoldsQuotationMark},
        {std::wstring(12, L'x') + L"\"", L"exFAT", LabelProblem::HoldsQuotationMark},
    };
    for (const LabelCase& c : cases) {
        EXPECT_EQ(CheckVolumeLabel(c.label, c.fileSystem), c.problem) << c.label << " on " << c.fileSystem;
    }
}

TEST(FormatRequestRulesTest, LabelProblemMessageNamesTheReason) {
    EXPECT_EQ(LabelProblemMessage(LabelProblem::None), L"");

    const std::wstring ntfs = LabelProblemMessage(LabelProblem::TooLongForNtfs);
    EXPECT_NE(ntfs.find(L"NTFS"), std::wstring::npos) << ntfs;
    EXPECT_NE(ntfs.find(L"32"), std::wstring::npos) << ntfs;

    const std::wstring exfat = LabelProblemMessage(LabelProblem::TooLongForExfat);
    EXPECT_NE(exfat.find(L"exFAT"), std::wstring::npos) << exfat;
    EXPECT_NE(exfat.find(L"11"), std::wstring::npos) << exfat;

    const std::wstring quote = LabelProblemMessage(LabelProblem::HoldsQuotationMark);
    EXPECT_NE(quote.find(L"\""), std::wstring::npos) << quote;

    EXPECT_EQ((std::set<std::wstring>{ntfs, exfat, quote}).size(), 3u);
}

}  // namespace
