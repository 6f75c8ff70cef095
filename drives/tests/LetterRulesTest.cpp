#include "drives/LetterRules.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kRootBufferBytes = 100;

// The buffer as GetLogicalDriveStringsA leaves it: each root and its zero byte, one more zero
// byte closing the list, the rest of the buffer zero.
std::string RootBuffer(std::initializer_list<const char*> roots, std::size_t bufferBytes = kRootBufferBytes) {
    std::string buffer;
    for (const char* root : roots) {
        buffer += root;
        buffer += '\0';
    }
    buffer += '\0';
    if (buffer.size() < bufferBytes) buffer.resize(bufferBytes, '\0');
    return buffer;
}

std::vector<std::wstring> Entries(wchar_t first, wchar_t last, std::initializer_list<wchar_t> without = {}) {
    std::vector<std::wstring> entries;
    for (wchar_t letter = first; letter <= last; ++letter) {
        bool left = false;
        for (wchar_t w : without) left = left || w == letter;
        if (!left) entries.push_back(std::wstring(1, letter) + L":");
    }
    return entries;
}

struct FreeCase {
    const char* name;
    std::string roots;
    std::vector<std::wstring> free;
};

TEST(LetterRulesTest, FreeLettersAreDToZLessEveryRootInUse) {
    const FreeCase cases[] = {
        {"C and D in use", RootBuffer({"C:\\", "D:\\"}), Entries(L'E', L'Z')},
        {"only C in use", RootBuffer({"C:\\"}), Entries(L'D', L'Z')},
        {"A, C and E in use", RootBuffer({"A:\\", "C:\\", "E:\\"}), Entries(L'D', L'Z', {L'E'})},
        {"lower-case roots", RootBuffer({"c:\\", "e:\\", "z:\\"}), Entries(L'D', L'Y', {L'E'})},
        {"roots out of order", RootBuffer({"C:\\", "X:\\", "F:\\"}), Entries(L'D', L'Z', {L'F', L'X'})},
        {"all-zero buffer after a failed read", std::string(kRootBufferBytes, '\0'), Entries(L'D', L'Z')},
        {"no buffer at all", std::string(), Entries(L'D', L'Z')},
        {"C and every letter D to Z",
         RootBuffer({"C:\\", "D:\\", "E:\\", "F:\\", "G:\\", "H:\\", "I:\\", "J:\\", "K:\\", "L:\\", "M:\\", "N:\\",
                     "O:\\", "P:\\", "Q:\\", "R:\\", "S:\\", "T:\\", "U:\\", "V:\\", "W:\\", "X:\\", "Y:\\", "Z:\\"}),
         {}},
        {"all 26 letters in a larger buffer",
         RootBuffer({"A:\\", "B:\\", "C:\\", "D:\\", "E:\\", "F:\\", "G:\\", "H:\\", "I:\\", "J:\\", "K:\\", "L:\\", "M:\\",
                     "N:\\", "O:\\", "P:\\", "Q:\\", "R:\\", "S:\\", "T:\\", "U:\\", "V:\\", "W:\\", "X:\\", "Y:\\", "Z:\\"},
                    105),
         {}},
        {"25 letters with Q free",
         RootBuffer({"A:\\", "B:\\", "C:\\", "D:\\", "E:\\", "F:\\", "G:\\", "H:\\", "I:\\", "J:\\", "K:\\", "L:\\", "M:\\",
                     "N:\\", "O:\\", "P:\\", "R:\\", "S:\\", "T:\\", "U:\\", "V:\\", "W:\\", "X:\\", "Y:\\", "Z:\\"},
                    101),
         {L"Q:"}},
    };
    for (const FreeCase& c : cases) {
        EXPECT_EQ(FreeDriveLetters(c.roots), c.free) << c.name;
    }
}

TEST(LetterRulesTest, UsedLettersKeepSystemOrderInUpperCaseWithoutAToC) {
    EXPECT_EQ(UsedDriveLetters(RootBuffer({"C:\\", "Z:\\", "e:\\", "A:\\", "b:\\", "D:\\"})),
              (std::vector<std::wstring>{L"Z:", L"E:", L"D:"}));
}

TEST(LetterRulesTest, UsedLettersStopAtTheEmptyRoot) {
    // Bytes after the closing zero byte are left over from earlier and name no drive.
    std::string roots = RootBuffer({"C:\\", "D:\\"});
    const std::string leftover = "F:\\";
    roots.replace(9, leftover.size(), leftover);
    ASSERT_EQ(roots.substr(0, 12), std::string("C:\\\0D:\\\0\0F:\\", 12));
    EXPECT_EQ(UsedDriveLetters(roots), (std::vector<std::wstring>{L"D:"}));
}

TEST(LetterRulesTest, UsedLettersFollowEachRootToItsOwnZeroByte) {
    const std::string roots("D:\\mnt\\data\0F:\\\0G:\0\0", 21);
    EXPECT_EQ(UsedDriveLetters(roots), (std::vector<std::wstring>{L"D:", L"F:", L"G:"}));
}

TEST(LetterRulesTest, UsedLettersEndAtBufferEndWhenTheClosingZeroIsMissing) {
    EXPECT_EQ(UsedDriveLetters(std::string("D:\\\0E:\\\0", 8)), (std::vector<std::wstring>{L"D:", L"E:"}));
    // A root that the buffer cuts short still names its letter.
    EXPECT_EQ(UsedDriveLetters(std::string("D:\\\0E", 5)), (std::vector<std::wstring>{L"D:", L"E:"}));
}

}  // namespace
