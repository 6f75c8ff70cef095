// The volumes of a disk on the real system: every drive letter in use whose volume lies on it.
#include <windows.h>

#include "drives/DiskSource.h"

std::vector<DiskVolume> VolumesOfDisk(const std::wstring& diskNumber) {
    std::vector<DiskVolume> volumes;
    const DWORD used = ::GetLogicalDrives();
    for (wchar_t letter = L'A'; letter <= L'Z'; ++letter) {
        if (!(used & (1u << (letter - L'A')))) continue;
        const wchar_t root[] = {letter, L':', L'\\', L'\0'};
        // A disconnected share could keep the window waiting; it is never on a local disk anyway.
        const UINT type = ::GetDriveTypeW(root);
        if (type == DRIVE_REMOTE || type == DRIVE_NO_ROOT_DIR) continue;
        const std::optional<std::uint32_t> disk = DiskNumberOfVolume(letter);
        if (!disk || DiskNumberText(*disk) != diskNumber) continue;
        wchar_t label[MAX_PATH + 1] = {};
        // A drive without its medium must fail quietly, never ask the user to insert one.
        const UINT errorMode = ::SetErrorMode(SEM_FAILCRITICALERRORS);
        if (!::GetVolumeInformationW(root, label, MAX_PATH + 1, nullptr, nullptr, nullptr, nullptr, 0)) label[0] = L'\0';
        ::SetErrorMode(errorMode);
        volumes.push_back({letter, label});
    }
    return volumes;
}
