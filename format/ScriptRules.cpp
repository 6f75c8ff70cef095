#include "format/ScriptRules.h"

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

std::string BuildDiskpartScript(const std::string& diskNumber, const std::string& fileSystem,
                                const std::string& label, const std::string& driveLetter, bool windowsXp) {
    std::string script;
    script += "select disk " + diskNumber + "\n";
    script += "clean\n";
    script += "create partition primary\n";
    // On Windows XP the volume is formatted afterwards with format.com instead.
    if (!windowsXp) script += "format fs=" + fileSystem + " label=" + QuoteIfHoldsBlank(label) + " quick\n";
    script += "assign letter=" + driveLetter + "\n";
    return script;
}

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
