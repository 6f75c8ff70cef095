#include "lang/Texts.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>

namespace {

// The numbers of the placeholders in a text: %1 gives 1; %% is a percent sign, not one.
std::multiset<int> Placeholders(const std::wstring& text) {
    std::multiset<int> numbers;
    for (std::size_t i = 0; i + 1 < text.size(); ++i)
        if (text[i] == L'%' && text[++i] != L'%') numbers.insert(text[i] - L'0');
    return numbers;
}

TEST(TextsTest, EveryLanguageHasEveryTextOnceWithThePlaceholdersOfTheEnglishText) {
    const Texts english(Language::English);
    for (Language language : kAllLanguages) {
        const TextTable& table = TextTableOf(language);
        EXPECT_TRUE(language == Language::English || &table != &kEnglishTexts) << "language " << int(language);
        std::multiset<int> ids;
        for (const TextEntry* entry = table.entries; entry != table.entries + table.count; ++entry) {
            ids.insert(int(entry->id));
            ASSERT_TRUE(entry->text && *entry->text) << "language " << int(language) << ", text " << int(entry->id);
            EXPECT_EQ(Placeholders(entry->text), Placeholders(english[entry->id]))
                << "language " << int(language) << ", text " << int(entry->id);
        }
        for (int id = 0; id < int(TextId::Count); ++id)
            EXPECT_EQ(ids.count(id), 1u) << "language " << int(language) << ", text " << id;
        EXPECT_EQ(ids.size(), std::size_t(TextId::Count)) << "language " << int(language);
    }
}

TEST(TextsTest, DisplayLanguageChoosesByPrimaryLanguageElseEnglish) {
    using L = Language;
    // Every Portuguese reads Brazilian Portuguese; Chinese of Taiwan, Hong Kong and Macao reads
    // Traditional, any other Chinese Simplified; Swedish, Ukrainian, Arabic, Hebrew, Persian
    // (right to left) and no language read English.
    const std::pair<std::uint16_t, Language> cases[] = {
        {0x0409, L::English}, {0x0809, L::English}, {0x0407, L::German}, {0x0807, L::German}, {0x040C, L::French},
        {0x0C0C, L::French}, {0x0C0A, L::Spanish}, {0x080A, L::Spanish}, {0x0410, L::Italian}, {0x0413, L::Dutch},
        {0x0813, L::Dutch}, {0x0415, L::Polish}, {0x0419, L::Russian}, {0x041F, L::Turkish}, {0x0411, L::Japanese},
        {0x0412, L::Korean}, {0x0416, L::PortugueseBrazil}, {0x0816, L::PortugueseBrazil},
        {0x0404, L::ChineseTraditional}, {0x0C04, L::ChineseTraditional}, {0x1404, L::ChineseTraditional},
        {0x0804, L::ChineseSimplified}, {0x1004, L::ChineseSimplified}, {0x0004, L::ChineseSimplified},
        {0x041D, L::English}, {0x0422, L::English}, {0x0401, L::English}, {0x040D, L::English}, {0x0429, L::English},
        {0x0000, L::English}, {0xFFFF, L::English}};
    for (const auto& [id, language] : cases) EXPECT_EQ(LanguageOfLanguageId(id), language) << std::hex << id;
}

TEST(TextsTest, PlaceholdersAreFilledInOnePassInTheLanguagesOrder) {
    EXPECT_EQ(FillPlaceholders(L"%2, then %1", {L"a", L"b"}), L"b, then a");
    // A value is never read again: a label typed as "%1" stays "%1".
    EXPECT_EQ(FillPlaceholders(L"(%1) %2", {L"%1 %2 %%", L"x"}), L"(%1 %2 %%) x");
    EXPECT_EQ(FillPlaceholders(L"100%%, %%1, 50% off, %0, %3.", {L"a"}), L"100%, %1, 50% off, %0, .");
}

}  // namespace
