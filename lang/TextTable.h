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
