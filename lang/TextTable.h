// A language's table of texts, and the tables the program carries. Pure: no Windows header.
#pragma once

#include <cstddef>

#include "lang/TextId.h"

struct TextEntry {
    TextId id;
    const wchar_t* text;
};

struct TextTable {
    const TextEntry* entries;
    std::size_t count;
};

extern const TextTable kEnglishTexts;
extern const TextTable kGermanTexts;
extern const TextTable kFrenchTexts;
extern const TextTable kSpanishTexts;
extern const TextTable kItalianTexts;
extern const TextTable kPortugueseBrazilTexts;
extern const TextTable kDutchTexts;
extern const TextTable kPolishTexts;
extern const TextTable kRussianTexts;
extern const TextTable kTurkishTexts;
extern const TextTable kJapaneseTexts;
extern const TextTable kKoreanTexts;
extern const TextTable kChineseSimplifiedTexts;
extern const TextTable kChineseTraditionalTexts;
