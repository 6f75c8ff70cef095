#include "lang/Language.h"

namespace {

// Primary language ids: the low ten bits of a language id.
constexpr std::uint16_t kPrimaryLanguageMask = 0x03FF;

struct PrimaryLanguage {
    std::uint16_t primaryId;
    Language language;
};

constexpr PrimaryLanguage kPrimaryLanguages[] = {
    {0x07, Language::German},   {0x0C, Language::French},  {0x0A, Language::Spanish},
    {0x10, Language::Italian},  {0x16, Language::PortugueseBrazil}, {0x13, Language::Dutch},
    {0x15, Language::Polish},   {0x19, Language::Russian}, {0x1F, Language::Turkish},
    {0x11, Language::Japanese}, {0x12, Language::Korean},
};

constexpr std::uint16_t kChinese = 0x04;
// Chinese (Taiwan), (Hong Kong SAR), (Macao SAR).
constexpr std::uint16_t kTraditionalChinese[] = {0x0404, 0x0C04, 0x1404};

}  // namespace

Language LanguageOfLanguageId(std::uint16_t languageId) {
    const std::uint16_t primary = languageId & kPrimaryLanguageMask;
    if (primary == kChinese) {
        for (std::uint16_t traditional : kTraditionalChinese)
            if (languageId == traditional) return Language::ChineseTraditional;
        return Language::ChineseSimplified;
    }
    for (const PrimaryLanguage& known : kPrimaryLanguages)
        if (known.primaryId == primary) return known.language;
    return Language::English;
}

const TextTable& TextTableOf(Language language) {
    switch (language) {
        case Language::German:
            return kGermanTexts;
        case Language::French:
            return kFrenchTexts;
        case Language::Spanish:
            return kSpanishTexts;
        case Language::Italian:
            return kItalianTexts;
        case Language::PortugueseBrazil:
            return kPortugueseBrazilTexts;
        case Language::Dutch:
            return kDutchTexts;
        case Language::Polish:
            return kPolishTexts;
        case Language::Russian:
            return kRussianTexts;
        case Language::Turkish:
            return kTurkishTexts;
        case Language::Japanese:
            return kJapaneseTexts;
        case Language::Korean:
            return kKoreanTexts;
        case Language::ChineseSimplified:
            return kChineseSimplifiedTexts;
        case Language::ChineseTraditional:
            return kChineseTraditionalTexts;
        case Language::English:
            break;
    }
    return kEnglishTexts;
}
