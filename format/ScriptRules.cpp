#include "format/ScriptRules.h"

#include <algorithm>

namespace {

template <typename Text>
Text Quoted(const Text& text) {
    using Char = typename Text::value_type;
    if (text.find(Char(' ')) == Text::npos) return text;
    return Char('"') + text + Char('"');
}

}  // namespace

std::wstring DiskpartScriptPath(const std::wstring& tempPath, const std::wstring& diskNumber) {
    return tempPath + L"diskpart" + diskNumber;
}

std::optional<std::wstring> LocalFolderOfFinalPath(const std::wstring& finalPath) {
    static constexpr wchar_t kPrefix[] = L"\\\\?\\";
    constexpr std::size_t kPrefixLength = sizeof(kPrefix) / sizeof(kPrefix[0]) - 1;
    if (finalPath.compare(0, kPrefixLength, kPrefix) != 0) return std::nullopt;
    std::wstring folder = finalPath.substr(kPrefixLength);
    const bool driveLetter = folder.size() >= 3 && ((folder[0] >= L'A' && folder[0] <= L'Z') ||
                                                    (folder[0] >= L'a' && folder[0] <= L'z'));
    if (!driveLetter || folder[1] != L':' || folder[2] != L'\\') return std::nullopt;
    if (folder.back() != L'\\') folder += L'\\';
    return folder;
}

std::string BuildDiskpartScript(const std::string& diskNumber, const std::string& fileSystem,
                                const std::optional<std::string>& label, const std::string& driveLetter,
                                bool windowsXp, bool diskNeedsGpt) {
    std::string script;
    script += "select disk " + diskNumber + "\n";
    script += "clean\n";
    // A master boot record would leave the space beyond 2^32 sectors unused; Windows XP cannot
    // read a GPT disk, so there the drive keeps one.
    if (diskNeedsGpt && !windowsXp) script += "convert gpt\n";
    script += "create partition primary\n";
    // On Windows XP the volume is formatted afterwards with format.com instead.
    if (!windowsXp) {
        const std::string labelPart = label ? " label=" + QuoteIfHoldsBlank(*label) : std::string();
        script += "format fs=" + fileSystem + labelPart + " quick\n";
    }
    script += "assign letter=" + driveLetter + "\n";
    return script;
}

bool IsPlainAscii(const std::wstring& text) {
    return std::all_of(text.begin(), text.end(), [](wchar_t c) { return c < 0x80; });
}

std::optional<std::string> ScriptLabel(const std::wstring& label) {
    if (!IsPlainAscii(label)) return std::nullopt;
    return std::string(label.begin(), label.end());
}

bool LabelSetAfterFormat(const std::wstring& label, bool windowsXp) { return !windowsXp && !IsPlainAscii(label); }

std::string WithCrLfLineEnds(const std::string& text) {
    std::string bytes;
    bytes.reserve(text.size() + 8);
    for (const char c : text) {
        if (c == '\n') bytes += '\r';
        bytes += c;
    }
    return bytes;
}

std::string QuoteIfHoldsBlank(const std::string& text) { return Quoted(text); }
std::wstring QuoteIfHoldsBlank(const std::wstring& text) { return Quoted(text); }
