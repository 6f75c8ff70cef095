#include "lang/Texts.h"

namespace {

void Take(std::array<const wchar_t*, static_cast<std::size_t>(TextId::Count)>& texts, const TextTable& table) {
    for (std::size_t i = 0; i < table.count; ++i) {
        const TextEntry& entry = table.entries[i];
        const auto index = static_cast<std::size_t>(entry.id);
        if (index < texts.size() && entry.text && *entry.text) texts[index] = entry.text;
    }
}

}  // namespace

Texts::Texts(Language language, const TextTable& table) : m_language(language) {
    m_texts.fill(L"");
    Take(m_texts, kEnglishTexts);
    Take(m_texts, table);
}

std::wstring Texts::Format(TextId id, std::initializer_list<std::wstring> values) const {
    return FillPlaceholders((*this)[id], values);
}

std::wstring FillPlaceholders(const std::wstring& pattern, std::initializer_list<std::wstring> values) {
    std::wstring text;
    text.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const wchar_t next = i + 1 < pattern.size() ? pattern[i + 1] : L'\0';
        if (pattern[i] == L'%' && next == L'%') {
            text += L'%';
            ++i;
        } else if (pattern[i] == L'%' && next >= L'1' && next <= L'9') {
            const std::size_t number = static_cast<std::size_t>(next - L'0');
            if (number <= values.size()) text += *(values.begin() + (number - 1));
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}
