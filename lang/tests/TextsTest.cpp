#include "lang/Texts.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>

namespace {

// The numbers of the placeholders in a text: %1 gives 1; %% is a percent sign, not one.
std::multiset<int> Placeholders(const std::wstring& text) {
    std::multiset<int> numbers;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != L'%') continue;
        if (text[i + 1] >= L'1' && text[i + 1] <= L'9') numbers.insert(text[i + 1] - L'0');
        ++i;
    }
    return numbers;
}

TEST(TextsTest, EveryLanguageHasEveryTextOnceWithThePlaceholdersOfTheEnglishText) {
    const Texts english(Language::English);
    for (Language language : kAllLanguages) {
        const TextTable& table = TextTableOf(language);
        int count[static_cast<int>(TextId::Count)] = {};
        for (std::size_t i = 0; i < table.count; ++i) {
            const TextEntry& entry = table.entries[i];
            ASSERT_LT(static_cast<int>(entry.id), static_cast<int>(TextId::Count)) << int(language);
            ++count[static_cast<int>(entry.id)];
            ASSERT_NE(entry.text, nullptr);
            EXPECT_NE(*entry.text, L'\0') << "language " << int(language) << ", text " << int(entry.id);
            EXPECT_EQ(Placeholders(entry.text), Placeholders(english[entry.id]))
                << "language " << int(language) << ", text " << int(entry.id);
        }
        for (int id = 0; id < static_cast<int>(TextId::Count); ++id)
            EXPECT_EQ(count[id], 1) << "language " << int(language) << ", text " << id;
    }
}

TEST(TextsTest, DisplayLanguageChoosesByPrimaryLanguageElseEnglish) {
    const struct {
        std::uint16_t languageId;
        Language language;
    } cases[] = {
        {0x0409, Language::English},          {0x0809, Language::English},
        {0x0407, Language::German},           {0x0807, Language::German},
        {0x040C, Language::French},           {0x0C0C, Language::French},
        {0x0C0A, Language::Spanish},          {0x080A, Language::Spanish},
        {0x0410, Language::Italian},          {0x0413, Language::Dutch},
        {0x0813, Language::Dutch},            {0x0415, Language::Polish},
        {0x0419, Language::Russian},          {0x041F, Language::Turkish},
        {0x0411, Language::Japanese},         {0x0412, Language::Korean},
        // Every Portuguese reads Brazilian Portuguese.
        {0x0416, Language::PortugueseBrazil}, {0x0816, Language::PortugueseBrazil},
        // Chinese: Taiwan, Hong Kong and Macao Traditional; China, Singapore and any other Simplified.
        {0x0404, Language::ChineseTraditional}, {0x0C04, Language::ChineseTraditional},
        {0x1404, Language::ChineseTraditional}, {0x0804, Language::ChineseSimplified},
        {0x1004, Language::ChineseSimplified},  {0x0004, Language::ChineseSimplified},
        {0x7804, Language::ChineseSimplified},
        // Languages the program does not speak, right-to-left ones included, and no language.
        {0x041D, Language::English}, {0x0422, Language::English}, {0x0401, Language::English},
        {0x040D, Language::English}, {0x0429, Language::English}, {0x0000, Language::English},
        {0x0400, Language::English}, {0xFFFF, Language::English},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LanguageOfLanguageId(c.languageId), c.language) << std::hex << c.languageId;
}

TEST(TextsTest, PlaceholdersAreFilledInOnePassInTheLanguagesOrder) {
    const struct {
        const wchar_t* pattern;
        std::initializer_list<std::wstring> values;
        const wchar_t* text;
    } cases[] = {
        {L"%1 and %2", {L"a", L"b"}, L"a and b"},
        {L"%2, then %1", {L"a", L"b"}, L"b, then a"},
        // A value is never read again: a label typed as "%1" stays "%1".
        {L"(%1)", {L"%1"}, L"(%1)"},
        {L"%1 %2", {L"%2 %%", L"x"}, L"%2 %% x"},
        {L"100%%", {}, L"100%"},
        {L"%%1", {L"a"}, L"%1"},
        {L"50% off, 7%", {}, L"50% off, 7%"},
        {L"%0 %3", {L"a"}, L"%0 "},
    };
    for (const auto& c : cases) EXPECT_EQ(FillPlaceholders(c.pattern, c.values), c.text) << c.pattern;
}

TEST(TextsTest, TextMissingOrEmptyInATableIsTheEnglishOne) {
    constexpr TextEntry kEntries[] = {{TextId::StartFormatButton, L"Formatieren"}, {TextId::StatusError, L""}};
    const Texts texts(Language::German, TextTable{kEntries, 2});
    EXPECT_STREQ(texts[TextId::StartFormatButton], L"Formatieren");
    EXPECT_STREQ(texts[TextId::StatusError], L"An error has occurred!");
    EXPECT_EQ(texts.Format(TextId::ErrorCodeLine, {L"5"}), L"Error code: 5");
}

}  // namespace
