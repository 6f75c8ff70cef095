#include "format/EnvironmentRules.h"

std::wstring ProductNameFromBytes(const std::uint8_t (&buffer)[kProductNameBufferBytes]) {
    std::wstring name;
    for (const std::uint8_t byte : buffer) {
        if (byte == 0) continue;
        // The byte is read as a signed 8-bit value and widened with its sign to one 16-bit
        // code unit, whatever the width of wchar_t on the building platform.
        const std::int16_t widened = static_cast<std::int8_t>(byte);
        name.push_back(static_cast<wchar_t>(static_cast<std::uint16_t>(widened)));
    }
    return name;
}

bool IsWindowsXp(const std::wstring& productName) {
    return productName == L"Microsoft Windows XP";
}

namespace {

std::wstring WithFinalBackslash(std::wstring folder) {
    if (!folder.empty() && folder.back() != L'\\') folder += L'\\';
    return folder;
}

}  // namespace

std::wstring SystemUtilityFolder(const std::wstring& systemFolder, const std::wstring& windowsFolder, bool underWow64,
                                 bool sysnativeExists) {
    if (systemFolder.empty()) return std::wstring();
    if (underWow64 && sysnativeExists && !windowsFolder.empty())
        return WithFinalBackslash(windowsFolder) + L"Sysnative\\";
    return WithFinalBackslash(systemFolder);
}
