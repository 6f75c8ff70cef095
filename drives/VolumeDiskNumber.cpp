// The disk behind a drive letter, on the real system: the volume is opened without asking for
// any access to its data and asked for its device number, which names a disk only when the
// device is a disk (a CD drive or a virtual device counts its own numbers).
#include <windows.h>
#include <winioctl.h>

#include "drives/DiskSource.h"
#include "framework/Handle.h"

std::optional<std::uint32_t> DiskNumberOfVolume(wchar_t driveLetter) {
    const wchar_t volume[] = {L'\\', L'\\', L'.', L'\\', driveLetter, L':', L'\0'};
    CHandle handle(::CreateFileW(volume, 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!handle) return std::nullopt;
    STORAGE_DEVICE_NUMBER number{};
    DWORD returned = 0;
    if (!::DeviceIoControl(handle.get(), IOCTL_STORAGE_GET_DEVICE_NUMBER, nullptr, 0, &number, sizeof(number),
                           &returned, nullptr) ||
        returned < sizeof(number) || number.DeviceType != FILE_DEVICE_DISK)
        return std::nullopt;
    return number.DeviceNumber;
}
