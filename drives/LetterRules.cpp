#include "drives/LetterRules.h"

#include <algorithm>
#include <cstddef>

namespace {

char UpperAsciiLetter(char c) {
    if (c >= 'a' && c <= 'z') return static_cast<char>(c - 'a' + 'A');
    return c;
}

std::wstring LetterEntry(char upperLetter) {
    return std::wstring(1, static_cast<wchar_t>(upperLetter)) + L":";
}

}  // namespace

std::vector<std::wstring> UsedDriveLetters(const std::string& roots) {
    std::vector<std::wstring> used;
    std::size_t start = 0;
    // Each root runs up to its own zero byte; the list ends with an empty root. A root that
    // the buffer cuts off still names its letter by its first byte.
    while (start < roots.size()) {
        std::size_t end = roots.find('\0', start);
        if (end == std::string::npos) end = roots.size();
        if (end == start) break;
        const char letter = UpperAsciiLetter(roots[start]);
        if (letter >= 'D' && letter <= 'Z') used.push_back(LetterEntry(letter));
        start = end + 1;
    }
    return used;
}

std::vector<std::wstring> MappedDriveLetters(const std::vector<std::wstring>& networkKeyNames) {
    std::vector<std::wstring> mapped;
    for (const std::wstring& name : networkKeyNames) {
        if (name.size() != 1 || name[0] > 0x7F) continue;
        const char letter = UpperAsciiLetter(char(name[0]));
        if (letter >= 'D' && letter <= 'Z') mapped.push_back(LetterEntry(letter));
    }
    return mapped;
}

bool IsDriveLetterInUse(wchar_t letter, const std::vector<std::wstring>& lettersInUse) {
    if (letter > 0x7F) return false;
    const std::wstring entry = LetterEntry(UpperAsciiLetter(char(letter)));
    return std::find(lettersInUse.begin(), lettersInUse.end(), entry) != lettersInUse.end();
}

std::vector<std::wstring> FreeDriveLetters(const std::string& roots) {
    const std::vector<std::wstring> used = UsedDriveLetters(roots);
    std::vector<std::wstring> free;
    for (char letter = 'D'; letter <= 'Z'; ++letter) {
        const std::wstring entry = LetterEntry(letter);
        if (std::find(used.begin(), used.end(), entry) == used.end()) free.push_back(entry);
    }
    return free;
}
