#include "format/ScriptRules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <string>

namespace {

// Bytes on disk once every line feed is written as carriage return and line feed.
std::size_t BytesWithCrLf(const std::wstring& script) {
    return script.size() + static_cast<std::size_t>(std::count(script.begin(), script.end(), L'\n'));
}

TEST(ScriptRulesTest, ScriptPathJoinsTempPathDiskpartAndDiskNumber) {
    EXPECT_EQ(DiskpartScriptPath(L"C:\\Users\\user\\AppData\\Local\\Temp\\", L"10"),
              L"C:\\Users\\user\\AppData\\Local\\Temp\\diskpart10");
    EXPECT_EQ(DiskpartScriptPath(L"", L"1"), L"diskpart1");
}

TEST(ScriptRulesTest, ScriptOfWorkedExampleHoldsFiveLinesOf101Bytes) {
    const std::wstring script = BuildDiskpartScript(L"2", L"exFAT", L"Backup", L"F", false);
    EXPECT_EQ(script,
              L"select disk 2\nclean\ncreate partition primary\nformat fs=exFAT label=Backup quick\nassign letter=F\n");
    EXPECT_EQ(BytesWithCrLf(script), 101u);
}

TEST(ScriptRulesTest, ScriptForWindowsXpLeavesOutFormatLineWhateverLabelAndFileSystem) {
    const std::wstring script = BuildDiskpartScript(L"2", L"exFAT", L"Backup", L"F", true);
    EXPECT_EQ(script, L"select disk 2\nclean\ncreate partition primary\nassign letter=F\n");
    EXPECT_EQ(BytesWithCrLf(script), 65u);
    EXPECT_EQ(BuildDiskpartScript(L"2", L"NTFS", L"My Files", L"F", true), script);
}

TEST(ScriptRulesTest, FormatLineCarriesLabelQuotedOnlyWhenItHoldsABlank) {
    const struct {
        const wchar_t* label;
        const wchar_t* formatLine;
    } cases[] = {
        {L"Quarrix", L"format fs=NTFS label=Quarrix quick"},
        {L"", L"format fs=NTFS label= quick"},
        {L"My Files", L"format fs=NTFS label=\"My Files\" quick"},
        {L"a&b|50%", L"format fs=NTFS label=a&b|50% quick"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(BuildDiskpartScript(L"10", L"NTFS", c.label, L"Z", false),
                  L"select disk 10\nclean\ncreate partition primary\n" + std::wstring(c.formatLine) +
                      L"\nassign letter=Z\n");
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

}  // namespace
