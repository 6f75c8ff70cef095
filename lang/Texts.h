// The texts of the chosen language, looked up by id, and values put into them.
// Pure: no Windows header.
#pragma once

#include <array>
#include <initializer_list>
#include <string>

#include "lang/Language.h"
#include "lang/TextId.h"

class Texts {
public:
    explicit Texts(Language language) : Texts(language, TextTableOf(language)) {}
    // The texts of `table`, and the English ones for the ids it lacks or leaves empty.
    Texts(Language language, const TextTable& table);

    Language language() const { return m_language; }

    // The text of the id; the English one where the language's table lacks it.
    const wchar_t* operator[](TextId id) const { return m_texts[static_cast<std::size_t>(id)]; }

    // The text with %1, %2, ... replaced by the values in one pass (FillPlaceholders).
    std::wstring Format(TextId id, std::initializer_list<std::wstring> values) const;

private:
    Language m_language;
    std::array<const wchar_t*, static_cast<std::size_t>(TextId::Count)> m_texts{};
};

// `pattern` with each %1 to %9 replaced by that value (empty when there is no such value) and %%
// by one percent sign; any other % stays. Values are not looked at again, so a value that holds
// "%1" stays "%1".
std::wstring FillPlaceholders(const std::wstring& pattern, std::initializer_list<std::wstring> values);
