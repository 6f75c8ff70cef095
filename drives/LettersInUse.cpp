// The letters in use: the drive roots the system lists and the user's saved network drives.
#include "drives/LettersInUse.h"

#include <windows.h>

#include "drives/LetterRules.h"
#include "framework/RegistryKey.h"

namespace {

// The roots of every drive letter in use, as GetLogicalDriveStringsA lists them. More roots
// than the usual 100-byte buffer holds are read with a buffer of the size the system asks for,
// so no letter in use is ever offered.
std::string ReadLogicalDriveRoots() {
    std::vector<char> buffer(100, '\0');
    DWORD length = ::GetLogicalDriveStringsA(DWORD(buffer.size()), buffer.data());
    if (length > buffer.size()) {
        buffer.assign(length + 1, '\0');
        length = ::GetLogicalDriveStringsA(DWORD(buffer.size()), buffer.data());
        if (length > buffer.size()) length = 0;
    }
    return std::string(buffer.data(), length);
}

// The names of the keys under HKEY_CURRENT_USER\Network, one for each of the user's saved
// network drives. Their letters are taken in the user's own session, where an elevated program
// does not see them as drive roots.
std::vector<std::wstring> SavedNetworkDriveNames() {
    std::vector<std::wstring> names;
    const RegistryKey network(HKEY_CURRENT_USER, L"Network");
    if (!network.get()) return names;
    wchar_t name[256];
    for (DWORD index = 0;; ++index) {
        DWORD length = 256;
        const LONG status = ::RegEnumKeyExW(network.get(), index, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (status == ERROR_MORE_DATA) continue;  // so long a name is no drive letter
        if (status != ERROR_SUCCESS) break;
        names.emplace_back(name, length);
    }
    return names;
}

}  // namespace

std::vector<std::wstring> LettersInUse() {
    std::vector<std::wstring> used = UsedDriveLetters(ReadLogicalDriveRoots());
    for (const std::wstring& mapped : MappedDriveLetters(SavedNetworkDriveNames())) used.push_back(mapped);
    return used;
}
