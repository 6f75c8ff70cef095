#include "format/EnvironmentRules.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

using Buffer = std::uint8_t[kProductNameBufferBytes];

// Stores the code units little-endian from the start of a zeroed buffer, as the registry
// returns a REG_SZ value, terminator included.
void StoreUtf16(const std::u16string& text, Buffer& buffer) {
    for (std::size_t i = 0; i < kProductNameBufferBytes; ++i) buffer[i] = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        buffer[2 * i] = static_cast<std::uint8_t>(text[i] & 0xFF);
        buffer[2 * i + 1] = static_cast<std::uint8_t>(text[i] >> 8);
    }
}

std::wstring Units(std::initializer_list<std::uint16_t> units) {
    std::wstring text;
    for (std::uint16_t unit : units) text.push_back(static_cast<wchar_t>(unit));
    return text;
}

TEST(EnvironmentRulesTest, ProductNameOfPlainAsciiNameIsTheNameItself) {
    Buffer buffer;
    StoreUtf16(u"Microsoft Windows XP", buffer);
    EXPECT_EQ(ProductNameFromBytes(buffer), L"Microsoft Windows XP");
    StoreUtf16(u"Windows 7 Professional", buffer);
    EXPECT_EQ(ProductNameFromBytes(buffer), L"Windows 7 Professional");
}

TEST(EnvironmentRulesTest, ProductNameOfUntouchedBufferIsEmpty) {
    Buffer buffer;
    StoreUtf16(u"", buffer);
    EXPECT_EQ(ProductNameFromBytes(buffer), L"");
}

TEST(EnvironmentRulesTest, ProductNameTakesEachNonZeroByteAsOneUnitWidenedWithItsSign) {
    Buffer buffer;
    StoreUtf16(u"Caf\u00e9", buffer);
    EXPECT_EQ(ProductNameFromBytes(buffer), Units({'C', 'a', 'f', 0xFFE9}));

    StoreUtf16(u"\u0141ab", buffer);
    EXPECT_EQ(ProductNameFromBytes(buffer), Units({'A', 0x0001, 'a', 'b'}));

    StoreUtf16(u"\u7F80\u01FF", buffer);
    EXPECT_EQ(ProductNameFromBytes(buffer), Units({0xFF80, 0x007F, 0xFFFF, 0x0001}));
}

TEST(EnvironmentRulesTest, ProductNameReadsAllBytesPastTheTerminator) {
    Buffer buffer;
    StoreUtf16(u"XP", buffer);
    buffer[100] = 'Z';
    buffer[kProductNameBufferBytes - 1] = 'Q';
    EXPECT_EQ(ProductNameFromBytes(buffer), L"XPZQ");

    for (std::uint8_t& byte : buffer) byte = 'x';
    EXPECT_EQ(ProductNameFromBytes(buffer), std::wstring(kProductNameBufferBytes, L'x'));
}

TEST(EnvironmentRulesTest, WindowsXpOnlyForTheExactProductName) {
    EXPECT_TRUE(IsWindowsXp(L"Microsoft Windows XP"));
    const wchar_t* const others[] = {
        L"Microsoft Windows XP Professional",
        L"microsoft windows xp",
        L"Microsoft Windows xp",
        L"Windows 7 Professional",
        L"Microsoft Windows XP ",
        L" Microsoft Windows XP",
        L"Microsoft Windows X",
        L"",
    };
    for (const wchar_t* name : others) {
        EXPECT_FALSE(IsWindowsXp(name)) << name;
    }
}

}  // namespace
