// The languages the program speaks and how the user's display language chooses one.
// Pure: no Windows header.
#pragma once

#include <cstdint>

#include "lang/TextTable.h"

enum class Language {
    English,
    German,
    French,
    Spanish,
    Italian,
    PortugueseBrazil,
    Dutch,
    Polish,
    Russian,
    Turkish,
    Japanese,
    Korean,
    ChineseSimplified,
    ChineseTraditional,
};

inline constexpr Language kAllLanguages[] = {
    Language::English, Language::German, Language::French, Language::Spanish, Language::Italian,
    Language::PortugueseBrazil, Language::Dutch, Language::Polish, Language::Russian, Language::Turkish,
    Language::Japanese, Language::Korean, Language::ChineseSimplified, Language::ChineseTraditional,
};

// The language for a Windows language id (as GetUserDefaultUILanguage gives it), by its primary
// language: every Portuguese is Portuguese (Brazil); Chinese of Taiwan, Hong Kong and Macao is
// Traditional, any other Chinese Simplified; a language the program does not speak is English.
Language LanguageOfLanguageId(std::uint16_t languageId);

// The texts of the language.
const TextTable& TextTableOf(Language language);
