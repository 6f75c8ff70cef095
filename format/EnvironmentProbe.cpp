// Reads the Windows product name and the user's temporary directory once, as the dialog opens.
#include <cstdint>
#include <vector>

#include "app/MainDialog.h"
#include "format/EnvironmentRules.h"
#include "framework/RegistryKey.h"

namespace {

std::wstring ReadProductName() {
    std::uint8_t buffer[kProductNameBufferBytes] = {};
    RegistryKey key(HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\Windows NT\\CurrentVersion");
    if (key.get()) {
        DWORD size = sizeof(buffer);
        // The outcome is not needed: a missing value leaves the buffer zero, an empty name.
        ::RegQueryValueExW(key.get(), L"ProductName", nullptr, nullptr, buffer, &size);
    }
    return ProductNameFromBytes(buffer);
}

// The temporary directory, ending in a backslash; a path longer than MAX_PATH is read with a
// buffer of the size the system asks for. Empty when the system cannot give one.
std::wstring ReadTempPath() {
    std::vector<wchar_t> buffer(MAX_PATH, L'\0');
    DWORD length = ::GetTempPathW(DWORD(buffer.size()), buffer.data());
    if (length > buffer.size()) {
        buffer.assign(length + 1, L'\0');
        length = ::GetTempPathW(DWORD(buffer.size()), buffer.data());
        if (length > buffer.size()) length = 0;
    }
    return std::wstring(buffer.data(), length);
}

}  // namespace

void CQuarrix_Disk_FormatterDlg::ProbeEnvironment() {
    m_osProductName = ReadProductName();
    m_tempPath = ReadTempPath();
}
