#include "format/EnvironmentRules.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>

namespace {

using Buffer = std::uint8_t[kProductNameBufferBytes];

// A zeroed buffer with the text's code units stored little-endian from the start, as the
// registry returns a REG_SZ value.
void StoreUtf16(const std::u16string& text, Buffer& buffer) {
    for (std::uint8_t& byte : buffer) byte = 0;
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

TEST(EnvironmentRulesTest, ProductNameTakesEachNonZeroByteAsOneUnitWidenedWithItsSign) {
    const struct {
        std::u16string stored;
        std::wstring name;
    } cases[] = {
        {u"Microsoft Windows XP", L"Microsoft Windows XP"},
        {u"", L""},
        {u"Caf\u00e9", Units({'C', 'a', 'f', 0xFFE9})},
        {u"\u0141ab", Units({'A', 0x0001, 'a', 'b'})},
        {u"\u7F80\u01FF", Units({0xFF80, 0x007F, 0xFFFF, 0x0001})},
    };
    for (const auto& c : cases) {
        Buffer buffer;
        StoreUtf16(c.stored, buffer);
        EXPECT_EQ(ProductNameFromBytes(buffer), c.name);
    }
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
    for (const wchar_t* name : {L"Microsoft Windows XP Professional", L"Microsoft Windows xp", L"Microsoft Windows XP ",
                                L" Microsoft Windows XP", L"Microsoft Windows X", L""}) {
        EXPECT_FALSE(IsWindowsXp(name)) << name;
    }
}

}  // namespace

namespace {

TEST(EnvironmentRulesTest, UtilitiesComeFromTheNativeSystemFolder) {
    const struct {
        const wchar_t* system;
        bool wow64;
        bool sysnative;
        const wchar_t* folder;
    } cases[] = {
        {L"C:\\Windows\\system32", false, false, L"C:\\Windows\\system32\\"},
        {L"C:\\Windows\\system32", false, true, L"C:\\Windows\\system32\\"},
        // A 32-bit program on 64-bit Windows: system32 is redirected to the 32-bit folder.
        {L"C:\\Windows\\system32", true, true, L"C:\\Windows\\Sysnative\\"},
        // 64-bit Windows XP and Server 2003 without the native folder: the system folder.
        {L"C:\\WINDOWS\\system32", true, false, L"C:\\WINDOWS\\system32\\"},
        {L"C:\\WINDOWS\\system32\\", false, false, L"C:\\WINDOWS\\system32\\"},
        {L"", false, false, L""},
        {L"", true, true, L""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SystemUtilityFolder(c.system, L"C:\\Windows", c.wow64, c.sysnative), c.folder)
            << c.system << " wow64 " << c.wow64 << " sysnative " << c.sysnative;
    }
}

}  // namespace
