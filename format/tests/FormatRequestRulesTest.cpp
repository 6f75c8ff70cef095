#include "format/FormatRequestRules.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>
#include <tuple>
#include <utility>

#include "drives/DriveRules.h"
#include "format/RunQuestions.h"
#include "lang/Texts.h"

namespace {

TEST(FormatRequestRulesTest, DiskNumberIsTextFromIndexOneToFirstClosingBracket) {
    const struct {
        const wchar_t* entry;
        const wchar_t* diskNumber;
    } cases[] = {
        {L"[1] - Quarrix QX7 (1TB)", L"1"},
        {L"[12] - Quarrix Enterprise (2TB)", L"12"},
        {L"[-1] - Quarrix QX7 (1TB)", L"-1"},
        {L"[7] - Odd ] name (80GB)", L"7"},
        {L"] - Quarrix QX7 (1TB)", L""},
        {L"[] - Quarrix QX7 (1TB)", L""},
        {L"[5 - no bracket", L""},
        {L"", L""},
        // The first character is skipped without being looked at.
        {L"x5] - Quarrix QX7 (1TB)", L"5"},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseDiskNumber(c.entry), c.diskNumber) << c.entry;
}

// The entry shown when no drive is attached is never taken for a drive, in any language.
TEST(FormatRequestRulesTest, NoDrivesEntryOfEveryLanguageNamesNoDisk) {
    for (Language language : kAllLanguages) EXPECT_EQ(ParseDiskNumber(Texts(language)[TextId::NoDrivesEntry]), L"");
}

TEST(FormatRequestRulesTest, DiskNumberReadBackFromEveryDriveEntry) {
    for (std::uint32_t number : {0u, 10u, 2147483647u, 4294967295u}) {
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
}

TEST(FormatRequestRulesTest, DiskpartCommandLineNamesScriptQuotedOnlyWhenPathHoldsABlank) {
    EXPECT_EQ(BuildDiskpartCommandLine(L"C:\\Users\\user\\AppData\\Local\\Temp\\", L"1"),
              L"diskpart.exe /s C:\\Users\\user\\AppData\\Local\\Temp\\diskpart1");
    EXPECT_EQ(BuildDiskpartCommandLine(L"C:\\Temp\\", L"10"), L"diskpart.exe /s C:\\Temp\\diskpart10");
    EXPECT_EQ(BuildDiskpartCommandLine(L"C:\\Documents and Settings\\Joe\\Local Settings\\Temp\\", L"1"),
              L"diskpart.exe /s \"C:\\Documents and Settings\\Joe\\Local Settings\\Temp\\diskpart1\"");
    EXPECT_EQ(BuildDiskpartCommandLine(L"", L"3"), L"diskpart.exe /s diskpart3");
}

TEST(FormatRequestRulesTest, VolumeLabelCheckedForLengthInTypedCharactersAndForQuoteAndControlBytes) {
    const struct {
        std::wstring label;
        const wchar_t* fileSystem;
        LabelProblem problem;
        wchar_t character = 0;           // the character named by the refusal
        std::string bytes = "as typed";  // the label in the ANSI code page; one byte a character
    } cases[] = {
        {L"", L"NTFS", LabelProblem::None},
        {L"50% & more", L"NTFS", LabelProblem::None},
        {std::wstring(32, L'n'), L"NTFS", LabelProblem::None},
        {std::wstring(33, L'n'), L"NTFS", LabelProblem::TooLongForNtfs},
        {std::wstring(11, L'x'), L"exFAT", LabelProblem::None},
        {std::wstring(12, L'x'), L"exFAT", LabelProblem::TooLongForExfat},
        {std::wstring(32, L'x'), L"exFAT", LabelProblem::TooLongForExfat},
        {L"say \"hi\"", L"NTFS", LabelProblem::HoldsQuotationMark},
        // The quotation mark is reported before the length.
        {std::wstring(40, L'n') + L"\"", L"NTFS", LabelProblem::HoldsQuotationMark},
        {std::wstring(12, L'x') + L"\"", L"exFAT", LabelProblem::HoldsQuotationMark},
        {L"Tab\there", L"NTFS", LabelProblem::HoldsControlCharacter},
        {L"Two\r\nlines", L"exFAT", LabelProblem::HoldsControlCharacter},
        {L"Del\x7F", L"NTFS", LabelProblem::HoldsControlCharacter},
        // Controls beyond ASCII, whose bytes in a UTF-8 code page hold no byte below 0x20.
        {L"Next\x85line", L"NTFS", LabelProblem::HoldsControlCharacter, 0, "Next\xC2\x85line"},
        {L"Line\x2028two", L"exFAT", LabelProblem::HoldsControlCharacter, 0, "Line\xE2\x80\xA8two"},
        {L"Para\x2029", L"NTFS", LabelProblem::HoldsControlCharacter, 0, "Para\xE2\x80\xA9"},
        // exFAT refuses in a label what it refuses in a file name, named before the length.
        {L"Backup:1", L"exFAT", LabelProblem::HoldsCharacterExfatRefuses, L':'},
        {L"*/:<>?\\|", L"exFAT", LabelProblem::HoldsCharacterExfatRefuses, L'*'},
        {L"a/b", L"exFAT", LabelProblem::HoldsCharacterExfatRefuses, L'/'},
        {L"<x>", L"exFAT", LabelProblem::HoldsCharacterExfatRefuses, L'<'},
        {L"x>", L"exFAT", LabelProblem::HoldsCharacterExfatRefuses, L'>'},
        {L"Why?", L"exFAT", LabelProblem::HoldsCharacterExfatRefuses, L'?'},
        {L"C\\D", L"exFAT", LabelProblem::HoldsCharacterExfatRefuses, L'\\'},
        {L"Longer label | pipe", L"exFAT", LabelProblem::HoldsCharacterExfatRefuses, L'|'},
        {L"\"Quoted\"", L"exFAT", LabelProblem::HoldsQuotationMark},
        // Lengths count typed characters, not the bytes of a double-byte code page.
        {std::wstring(11, L'\x65E5'), L"exFAT", LabelProblem::None, 0, std::string(22, '\x93')},
        {std::wstring(32, L'\x65E5'), L"NTFS", LabelProblem::None, 0, std::string(64, '\x93')},
    };
    for (const auto& c : cases) {
        const std::string bytes = c.bytes == "as typed" ? std::string(c.label.begin(), c.label.end()) : c.bytes;
        const LabelCheck check = CheckVolumeLabel(c.label, bytes, c.fileSystem);
        EXPECT_EQ(check.problem, c.problem) << bytes << " on " << c.fileSystem;
        EXPECT_EQ(check.character, c.character) << bytes << " on " << c.fileSystem;
    }
}

TEST(FormatRequestRulesTest, LabelProblemMessageNamesTheReason) {
    const Texts texts(Language::English);
    EXPECT_EQ(LabelProblemMessage(texts, {LabelProblem::None}), L"");
    const std::wstring ntfs = LabelProblemMessage(texts, {LabelProblem::TooLongForNtfs});
    const std::wstring exfat = LabelProblemMessage(texts, {LabelProblem::TooLongForExfat});
    const std::wstring quote = LabelProblemMessage(texts, {LabelProblem::HoldsQuotationMark});
    const std::wstring control = LabelProblemMessage(texts, {LabelProblem::HoldsControlCharacter});
    const std::wstring colon = LabelProblemMessage(texts, {LabelProblem::HoldsCharacterExfatRefuses, L':'});
    const std::wstring pipe = LabelProblemMessage(texts, {LabelProblem::HoldsCharacterExfatRefuses, L'|'});
    const std::wstring codePage = LabelProblemMessage(texts, {LabelProblem::NotInCodePage});
    for (const auto& [message, word] : {std::pair{ntfs, L"NTFS"}, {ntfs, L"32"}, {exfat, L"exFAT"}, {exfat, L"11"},
                                        {quote, L"\""}, {control, L"tab"}, {colon, L"exFAT"}, {colon, L"':'"},
                                        {pipe, L"'|'"}, {codePage, L"character"}}) {
        EXPECT_NE(message.find(word), std::wstring::npos) << testing::PrintToString(message);
    }
    EXPECT_EQ((std::set<std::wstring>{ntfs, exfat, quote, control, colon, pipe, codePage}).size(), 7u);
}

TEST(FormatRequestRulesTest, ConfirmationNamesTheDriveAndItsVolumesInLetterOrder) {
    const std::wstring entry = L"[1] - Quarrix QX7 (1TB)";
    const std::wstring head = L"All data on the drive \"[1] - Quarrix QX7 (1TB)\" will be deleted.\n\n";
    const std::wstring tail = L"Press OK to format it, or Cancel to keep it.";
    const Texts english(Language::English);
    EXPECT_EQ(BuildFormatConfirmation(english, entry, {}), head + tail);
    EXPECT_EQ(BuildFormatConfirmation(english, entry, {{L'F', L""}, {L'E', L"Photos"}}),
              head + L"It holds E: (Photos), F:.\n\n" + tail);
    // A label typed as a placeholder stays as typed.
    EXPECT_EQ(BuildFormatConfirmation(english, entry, {{L'E', L"%1 %% %2"}}),
              head + L"It holds E: (%1 %% %2).\n\n" + tail);
    EXPECT_EQ(BuildFormatConfirmation(english, entry, {}, UnusedSpaceNote(english, true, 4000787030016, 512)),
              head + L"Windows XP can use only the first 2.2 TB of this drive; the rest stays unused.\n\n" + tail);
    EXPECT_EQ(UnusedSpaceNote(english, true, 20000000000000, 4096),
              L"Windows XP can use only the first 17.6 TB of this drive; the rest stays unused.");
    for (const auto& [xp, length, sectorSize] : {std::tuple{false, 4000787030016, 512u}, {true, 4000787030016, 4096u}})
        EXPECT_EQ(UnusedSpaceNote(english, xp, length, sectorSize), L"");
}

}  // namespace
