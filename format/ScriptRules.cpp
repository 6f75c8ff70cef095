#include "format/ScriptRules.h"

std::wstring DiskpartScriptPath(const std::wstring& tempPath, const std::wstring& diskNumber) {
    return tempPath + L"diskpart" + diskNumber;
}

std::wstring BuildDiskpartScript(const std::wstring& diskNumber, const std::wstring& fileSystem,
                                 const std::wstring& label, const std::wstring& driveLetter, bool windowsXp) {
    std::wstring script;
    script += L"select disk " + diskNumber + L"\n";
    script += L"clean\n";
    script += L"create partition primary\n";
    // On Windows XP the volume is formatted afterwards with format.com instead.
    if (!windowsXp) script += L"format fs=" + fileSystem + L" label=" + QuoteIfHoldsBlank(label) + L" quick\n";
    script += L"assign letter=" + driveLetter + L"\n";
    return script;
}

std::wstring QuoteIfHoldsBlank(const std::wstring& text) {
    if (text.find(L' ') == std::wstring::npos) return text;
    return L"\"" + text + L"\"";
}
