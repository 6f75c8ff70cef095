#include "format/ScriptRules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

namespace {

const std::wstring kTemp = L"C:\\Users\\user\\AppData\\Local\\Temp\\";

std::vector<std::wstring> Lines(const std::wstring& script) {
    std::vector<std::wstring> lines;
    std::size_t start = 0;
    for (std::size_t end = script.find(L'\n'); end != std::wstring::npos; end = script.find(L'\n', start)) {
        lines.push_back(script.substr(start, end - start));
        start = end + 1;
    }
    EXPECT_EQ(start, script.size()) << "text after the last line feed";
    return lines;
}

// Bytes on disk once every line feed is written as carriage return and line feed.
std::size_t BytesWithCrLf(const std::wstring& script) {
    return script.size() + static_cast<std::size_t>(std::count(script.begin(), script.end(), L'\n'));
}

TEST(ScriptRulesTest, ScriptPathJoinsTempPathDiskpartAndDiskNumber) {
    EXPECT_EQ(DiskpartScriptPath(kTemp, L"2"), L"C:\\Users\\user\\AppData\\Local\\Temp\\diskpart2");
    EXPECT_EQ(DiskpartScriptPath(kTemp, L"10"), L"C:\\Users\\user\\AppData\\Local\\Temp\\diskpart10");
    EXPECT_EQ(DiskpartScriptPath(L"", L"1"), L"diskpart1");
}

TEST(ScriptRulesTest, ScriptOfWorkedExampleHoldsFiveLinesOf101Bytes) {
    const std::wstring script = BuildDiskpartScript(L"2", L"exFAT", L"Backup", L"F", false);
    EXPECT_EQ(script,
              L"select disk 2\nclean\ncreate partition primary\nformat fs=exFAT label=Backup quick\nassign letter=F\n");
    EXPECT_EQ(BytesWithCrLf(script), 101u);
}

TEST(ScriptRulesTest, ScriptForWindowsXpLeavesOutFormatLine) {
    const std::wstring script = BuildDiskpartScript(L"2", L"exFAT", L"Backup", L"F", true);
    EXPECT_EQ(script, L"select disk 2\nclean\ncreate partition primary\nassign letter=F\n");
    EXPECT_EQ(BytesWithCrLf(script), 65u);
}

struct FormatLineCase {
    const wchar_t* fileSystem;
    const wchar_t* label;
    const wchar_t* formatLine;
};

TEST(ScriptRulesTest, FormatLineCarriesFileSystemAndLabelQuotedOnlyWhenItHoldsABlank) {
    const FormatLineCase cases[] = {
        {L"NTFS", L"Quarrix", L"format fs=NTFS label=Quarrix quick"},
        {L"exFAT", L"Backup", L"format fs=exFAT label=Backup quick"},
        {L"NTFS", L"", L"format fs=NTFS label= quick"},
        {L"NTFS", L"My Files", L"format fs=NTFS label=\"My Files\" quick"},
        {L"NTFS", L"50%", L"format fs=NTFS label=50% quick"},
        {L"NTFS", L"a&b|c", L"format fs=NTFS label=a&b|c quick"},
    };
    for (const FormatLineCase& c : cases) {
        const std::vector<std::wstring> lines = Lines(BuildDiskpartScript(L"1", c.fileSystem, c.label, L"E", false));
        ASSERT_EQ(lines.size(), 5u) << c.label;
        EXPECT_EQ(lines[3], c.formatLine);
    }
}

TEST(ScriptRulesTest, ScriptSelectsDiskByItsWholeNumberAndAssignsTheLetter) {
    const std::vector<std::wstring> lines = Lines(BuildDiskpartScript(L"10", L"NTFS", L"Quarrix", L"Z", false));
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], L"select disk 10");
    EXPECT_EQ(lines[1], L"clean");
    EXPECT_EQ(lines[2], L"create partition primary");
    EXPECT_EQ(lines[4], L"assign letter=Z");
}

TEST(ScriptRulesTest, ScriptForWindowsXpIgnoresLabelAndFileSystem) {
    EXPECT_EQ(BuildDiskpartScript(L"3", L"NTFS", L"My Files", L"G", true),
              BuildDiskpartScript(L"3", L"exFAT", L"", L"G", true));
}

struct QuoteCase {
    const wchar_t* text;
    const wchar_t* quoted;
};

TEST(ScriptRulesTest, QuoteIfHoldsBlankQuotesOnlyTextWithABlank) {
    const QuoteCase cases[] = {
        {L"", L""},
        {L"Backup", L"Backup"},
        {L"My Files", L"\"My Files\""},
        {L" ", L"\" \""},
        {L"Trailing ", L"\"Trailing \""},
        {L"C:\\Documents and Settings\\Joe", L"\"C:\\Documents and Settings\\Joe\""},
        {L"tab\there", L"tab\there"},
    };
    for (const QuoteCase& c : cases) {
        EXPECT_EQ(QuoteIfHoldsBlank(c.text), c.quoted) << c.text;
    }
}

}  // namespace
