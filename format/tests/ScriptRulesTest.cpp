#include "format/ScriptRules.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(ScriptRulesTest, ScriptPathJoinsTempPathDiskpartAndDiskNumber) {
    EXPECT_EQ(DiskpartScriptPath(L"C:\\Users\\user\\AppData\\Local\\Temp\\", L"10"),
              L"C:\\Users\\user\\AppData\\Local\\Temp\\diskpart10");
    EXPECT_EQ(DiskpartScriptPath(L"", L"1"), L"diskpart1");
}

TEST(ScriptRulesTest, ScriptOfWorkedExampleHoldsFiveLinesOf101Bytes) {
    const std::string script = BuildDiskpartScript("2", "exFAT", "Backup", "F", false);
    EXPECT_EQ(script,
              "select disk 2\nclean\ncreate partition primary\nformat fs=exFAT label=Backup quick\nassign letter=F\n");
    const std::string bytes = WithCrLfLineEnds(script);
    EXPECT_EQ(bytes.size(), 101u);
    EXPECT_EQ(bytes.substr(0, 15), "select disk 2\r\n");
}

TEST(ScriptRulesTest, ScriptForWindowsXpLeavesOutFormatLineWhateverLabelAndFileSystem) {
    const std::string script = BuildDiskpartScript("2", "exFAT", "Backup", "F", true);
    EXPECT_EQ(script, "select disk 2\nclean\ncreate partition primary\nassign letter=F\n");
    EXPECT_EQ(WithCrLfLineEnds(script).size(), 65u);
    EXPECT_EQ(BuildDiskpartScript("2", "NTFS", "My Files", "F", true), script);
}

TEST(ScriptRulesTest, FormatLineCarriesLabelQuotedOnlyWhenItHoldsABlank) {
    const struct {
        const char* label;
        const char* formatLine;
    } cases[] = {
        {"Quarrix", "format fs=NTFS label=Quarrix quick"},
        {"", "format fs=NTFS label= quick"},
        {"My Files", "format fs=NTFS label=\"My Files\" quick"},
        {"a&b|50%", "format fs=NTFS label=a&b|50% quick"},
        // A double-byte character whose bytes hold no blank is not quoted.
        {"\x93\xFA\x96\x7B", "format fs=NTFS label=\x93\xFA\x96\x7B quick"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(BuildDiskpartScript("10", "NTFS", c.label, "Z", false),
                  "select disk 10\nclean\ncreate partition primary\n" + std::string(c.formatLine) +
                      "\nassign letter=Z\n");
    }
}

TEST(ScriptRulesTest, QuoteIfHoldsBlankQuotesOnlyTextWithABlank) {
    const struct {
        const wchar_t* text;
        const wchar_t* quoted;
    } cases[] = {
        {L"", L""},
        {L"Backup", L"Backup"},
        {L"My Files", L"\"My Files\""},
        {L" ", L"\" \""},
        {L"tab\there", L"tab\there"},
    };
    for (const auto& c : cases) EXPECT_EQ(QuoteIfHoldsBlank(c.text), c.quoted) << c.text;
}

TEST(ScriptRulesTest, OnlyAFolderOnALocalDriveIsTakenFromAFinalPath) {
    const struct {
        const wchar_t* finalPath;
        const wchar_t* folder;  // nullptr: refused
    } cases[] = {
        {L"\\\\?\\C:\\Users\\Joe Bloggs\\AppData\\Local\\Temp", L"C:\\Users\\Joe Bloggs\\AppData\\Local\\Temp\\"},
        {L"\\\\?\\d:\\", L"d:\\"},
        {L"\\\\?\\T:\\Temp\\", L"T:\\Temp\\"},
        {L"\\\\?\\UNC\\server\\share\\Temp", nullptr},
        {L"\\\\?\\Volume{0b1c2d3e-0000-0000-0000-100000000000}\\Temp", nullptr},
        {L"\\\\?\\C:", nullptr},
        {L"\\\\?\\1:\\Temp", nullptr},
        {L"C:\\Temp", nullptr},
        {L"\\\\server\\share\\Temp", nullptr},
        {L"\\\\.\\C:\\Temp", nullptr},
        {L"", nullptr},
    };
    for (const auto& c : cases) {
        const std::optional<std::wstring> folder = LocalFolderOfFinalPath(c.finalPath);
        if (c.folder) {
            EXPECT_EQ(folder, std::optional<std::wstring>(c.folder)) << testing::PrintToString(c.finalPath);
        } else {
            EXPECT_FALSE(folder) << testing::PrintToString(c.finalPath);
        }
    }
}

}  // namespace
