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

TEST(ScriptRulesTest, ConvertGptStandsBetweenCleanAndCreateForADiskThatNeedsItButNeverOnWindowsXp) {
    EXPECT_EQ(BuildDiskpartScript("2", "NTFS", "", "F", false, true),
              "select disk 2\nclean\nconvert gpt\ncreate partition primary\nformat fs=NTFS label= quick\n"
              "assign letter=F\n");
    EXPECT_EQ(BuildDiskpartScript("2", "NTFS", "", "F", true, true), BuildDiskpartScript("2", "NTFS", "", "F", true));
}

TEST(ScriptRulesTest, FormatLineCarriesAPlainAsciiLabelQuotedOnlyWhenItHoldsABlankAndNoOtherLabel) {
    const struct {
        const wchar_t* label;
        const char* formatLine;
    } cases[] = {
        {L"Quarrix", "format fs=NTFS label=Quarrix quick"},
        {L"", "format fs=NTFS label= quick"},
        {L"My Files", "format fs=NTFS label=\"My Files\" quick"},
        {L"a&b|50%", "format fs=NTFS label=a&b|50% quick"},
        {L"Del\x7F", "format fs=NTFS label=Del\x7F quick"},
        // Beyond ASCII the worker sets the label on the new volume (format.com takes it on XP).
        {L"x\x80", "format fs=NTFS quick"},
        {L"Donn\xE9" L"es", "format fs=NTFS quick"},
        {L"\x0424\x043E\x0442\x043E", "format fs=NTFS quick"},
        {L"\x5199\x771F 2026", "format fs=NTFS quick"},
    };
    for (const auto& c : cases) {
        const std::string formatLine = c.formatLine;
        EXPECT_EQ(BuildDiskpartScript("10", "NTFS", ScriptLabel(c.label), "Z", false),
                  "select disk 10\nclean\ncreate partition primary\n" + formatLine + "\nassign letter=Z\n");
        const bool inScript = formatLine.find("label=") != std::string::npos;
        EXPECT_EQ(IsPlainAscii(c.label), inScript) << formatLine;
        EXPECT_EQ(LabelSetAfterFormat(c.label, false), !inScript) << formatLine;
        EXPECT_FALSE(LabelSetAfterFormat(c.label, true)) << formatLine;
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
