#include "drives/LetterRules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// The buffer as GetLogicalDriveStringsA leaves it: "X:\" and a zero byte for each letter, one
// more zero byte closing the list, zero bytes up to at least 100 bytes.
std::string Roots(const std::string& letters) {
    std::string buffer;
    for (char letter : letters) buffer += std::string(1, letter) + ":\\" + '\0';
    buffer.resize(std::max<std::size_t>(buffer.size() + 1, 100), '\0');
    return buffer;
}

std::vector<std::wstring> Entries(const std::string& letters) {
    std::vector<std::wstring> entries;
    for (char letter : letters) entries.push_back({wchar_t(letter), L':'});
    return entries;
}

TEST(LetterRulesTest, FreeLettersAreDToZLessEveryRootInUse) {
    const struct {
        const char* name;
        std::string roots;
        std::string free;
    } cases[] = {
        {"only C in use", Roots("C"), "DEFGHIJKLMNOPQRSTUVWXYZ"},
        {"A, C and E in use", Roots("ACE"), "DFGHIJKLMNOPQRSTUVWXYZ"},
        {"lower-case roots", Roots("cez"), "DFGHIJKLMNOPQRSTUVWXY"},
        {"roots out of order", Roots("CXF"), "DEGHIJKLMNOPQRSTUVWYZ"},
        {"all-zero buffer after a failed read", std::string(100, '\0'), "DEFGHIJKLMNOPQRSTUVWXYZ"},
        {"no buffer at all", "", "DEFGHIJKLMNOPQRSTUVWXYZ"},
        {"C and every letter D to Z", Roots("CDEFGHIJKLMNOPQRSTUVWXYZ"), ""},
        {"25 letters in 101 bytes, Q free", Roots("ABCDEFGHIJKLMNOPRSTUVWXYZ"), "Q"},
    };
    for (const auto& c : cases) EXPECT_EQ(FreeDriveLetters(c.roots), Entries(c.free)) << c.name;
}

TEST(LetterRulesTest, UsedLettersInSystemOrderUpperCaseWithoutAToC) {
    const struct {
        const char* name;
        std::string roots;
        std::string used;
    } cases[] = {
        {"mixed case and order", Roots("CZeAbD"), "ZED"},
        {"leftover bytes after the empty root", std::string("C:\\\0D:\\\0\0F:\\\0", 13), "D"},
        {"each root runs to its own zero byte", std::string("D:\\mnt\\data\0F:\\\0G:\0\0", 21), "DFG"},
        {"no closing zero byte", std::string("D:\\\0E:\\\0", 8), "DE"},
        {"last root cut short", std::string("D:\\\0E", 5), "DE"},
    };
    for (const auto& c : cases) EXPECT_EQ(UsedDriveLetters(c.roots), Entries(c.used)) << c.name;
}

TEST(LetterRulesTest, SavedNetworkDrivesAreTheKeysNamedByOneLetter) {
    EXPECT_EQ(MappedDriveLetters({L"k", L"Z", L"C", L"KK", L"", L"1", L"\x00C4", L"printers"}), Entries("KZ"));
    // "i" is the letter I in every language; Turkish dotted and dotless i are no drive letters.
    EXPECT_EQ(MappedDriveLetters({L"i", L"\x0130", L"\x0131"}), Entries("I"));
}

TEST(LetterRulesTest, ALetterIsInUseInEitherCase) {
    for (wchar_t letter : {L'K', L'k', L'E'}) EXPECT_TRUE(IsDriveLetterInUse(letter, Entries("EK"))) << letter;
    for (wchar_t letter : {L'F', L'\x212A' /* Kelvin sign */}) EXPECT_FALSE(IsDriveLetterInUse(letter, Entries("EK")));
}

}  // namespace
