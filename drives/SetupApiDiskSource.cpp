// The disks of the release program: every present device of the disk interface class whose
// interface path carries the maker's vendor code, opened and asked for its number and length.
#include <windows.h>
#include <initguid.h>
#include <devguid.h>
#include <setupapi.h>
#include <winioctl.h>

#include <vector>

#include "drives/DiskSource.h"
#include "framework/Handle.h"

namespace {

class DeviceInfoSet {
public:
    DeviceInfoSet()
        : set_(::SetupDiGetClassDevsW(&GUID_DEVINTERFACE_DISK, nullptr, nullptr,
                                      DIGCF_PRESENT | DIGCF_DEVICEINTERFACE)) {}
    DeviceInfoSet(const DeviceInfoSet&) = delete;
    DeviceInfoSet& operator=(const DeviceInfoSet&) = delete;
    ~DeviceInfoSet() {
        if (set_ != INVALID_HANDLE_VALUE) ::SetupDiDestroyDeviceInfoList(set_);
    }
    bool valid() const { return set_ != INVALID_HANDLE_VALUE; }
    HDEVINFO get() const { return set_; }

private:
    HDEVINFO set_;
};

// A text property of the device, read again with a larger buffer while the system says the
// buffer is too small; empty when it cannot be read.
std::wstring ReadTextProperty(HDEVINFO set, SP_DEVINFO_DATA& device, DWORD property) {
    std::vector<BYTE> buffer(256, 0);
    for (;;) {
        DWORD required = 0;
        if (::SetupDiGetDeviceRegistryPropertyW(set, &device, property, nullptr, buffer.data(), DWORD(buffer.size()),
                                                &required)) {
            const auto* text = reinterpret_cast<const wchar_t*>(buffer.data());
            return std::wstring(text, wcsnlen(text, buffer.size() / sizeof(wchar_t)));
        }
        if (::GetLastError() != ERROR_INSUFFICIENT_BUFFER || required <= buffer.size()) return {};
        buffer.assign(required + sizeof(wchar_t), 0);
    }
}

std::wstring ReadInterfacePath(HDEVINFO set, DWORD index) {
    SP_DEVICE_INTERFACE_DATA interfaceData{};
    interfaceData.cbSize = sizeof(interfaceData);
    if (!::SetupDiEnumDeviceInterfaces(set, nullptr, &GUID_DEVINTERFACE_DISK, index, &interfaceData)) return {};
    DWORD size = 0;
    ::SetupDiGetDeviceInterfaceDetailW(set, &interfaceData, nullptr, 0, &size, nullptr);
    if (size < sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W)) return {};
    std::vector<BYTE> buffer(size, 0);
    auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_W*>(buffer.data());
    detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W);
    if (!::SetupDiGetDeviceInterfaceDetailW(set, &interfaceData, detail, size, nullptr, nullptr)) return {};
    return detail->DevicePath;
}

// Fills the disk number and length; false when either request fails, since a disk whose number
// is not known must never be offered for wiping.
bool QueryDisk(HANDLE disk, DiskDeviceInfo& info) {
    STORAGE_DEVICE_NUMBER number{};
    DWORD returned = 0;
    if (!::DeviceIoControl(disk, IOCTL_STORAGE_GET_DEVICE_NUMBER, nullptr, 0, &number, sizeof(number), &returned,
                           nullptr))
        return false;
    GET_LENGTH_INFORMATION length{};
    if (!::DeviceIoControl(disk, IOCTL_DISK_GET_LENGTH_INFO, nullptr, 0, &length, sizeof(length), &returned, nullptr))
        return false;
    info.diskNumber = number.DeviceNumber;
    info.length = length.Length.QuadPart;
    return true;
}

}  // namespace

std::optional<std::vector<DiskDeviceInfo>> EnumerateMakerDisks() {
    DeviceInfoSet set;
    if (!set.valid()) return std::nullopt;
    std::vector<DiskDeviceInfo> disks;

    SP_DEVINFO_DATA device{};
    device.cbSize = sizeof(device);
    for (DWORD index = 0; ::SetupDiEnumDeviceInfo(set.get(), index, &device); ++index) {
        DiskDeviceInfo info;
        info.friendlyName = ReadTextProperty(set.get(), device, SPDRP_FRIENDLYNAME);
        info.interfacePath = ReadInterfacePath(set.get(), index);
        if (info.interfacePath.empty() || !IsMakerDevicePath(info.interfacePath)) continue;

        CHandle disk(::CreateFileW(info.interfacePath.c_str(), GENERIC_READ | GENERIC_WRITE,
                                   FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr));
        if (!disk) continue;
        if (QueryDisk(disk.get(), info)) disks.push_back(std::move(info));
    }
    return disks;
}
