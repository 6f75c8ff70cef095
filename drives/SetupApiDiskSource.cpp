// The disks of the release program: every present device of the disk interface class whose
// interface path carries the maker's vendor code, opened and asked for its number, length and
// sector size.
#include "drives/SetupApiDiskSource.h"

#include <initguid.h>
#include <devguid.h>
#include <winioctl.h>

#include <cstddef>
#include <cstdint>
#include <optional>

#include "drives/DiskSource.h"

namespace {

// Windows checks cbSize against the structure's size for the caller's architecture: 6 bytes
// in 32-bit programs (byte-packed), 8 in 64-bit ones. Another value fails every detail read.
static_assert(sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W) == (sizeof(void*) == 8 ? 8 : 6),
              "SP_DEVICE_INTERFACE_DETAIL_DATA_W has the wrong size for cbSize");
static_assert(offsetof(SP_DEVICE_INTERFACE_DETAIL_DATA_W, DevicePath) == sizeof(DWORD));

class DeviceInfoSet {
public:
    explicit DeviceInfoSet(const DiskPlatform& platform)
        : platform_(platform),
          set_(platform.getClassDevs(&GUID_DEVINTERFACE_DISK, nullptr, nullptr,
                                     DIGCF_PRESENT | DIGCF_DEVICEINTERFACE)) {}
    DeviceInfoSet(const DeviceInfoSet&) = delete;
    DeviceInfoSet& operator=(const DeviceInfoSet&) = delete;
    ~DeviceInfoSet() {
        if (set_ != INVALID_HANDLE_VALUE) platform_.destroyDeviceInfoList(set_);
    }
    bool valid() const { return set_ != INVALID_HANDLE_VALUE; }
    HDEVINFO get() const { return set_; }

private:
    const DiskPlatform& platform_;
    HDEVINFO set_;
};

// An open disk, closed through the platform's own function.
class DiskHandle {
public:
    DiskHandle(const DiskPlatform& platform, const std::wstring& path)
        : platform_(platform),
          handle_(platform.createFile(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      nullptr, OPEN_EXISTING, 0, nullptr)) {}
    DiskHandle(const DiskHandle&) = delete;
    DiskHandle& operator=(const DiskHandle&) = delete;
    ~DiskHandle() {
        if (valid()) platform_.closeHandle(handle_);
    }
    bool valid() const { return handle_ && handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }

private:
    const DiskPlatform& platform_;
    HANDLE handle_;
};

// A text property of the device, read again with a larger buffer while the system says the
// buffer is too small; empty when it cannot be read.
std::wstring ReadTextProperty(const DiskPlatform& platform, HDEVINFO set, SP_DEVINFO_DATA& device, DWORD property) {
    std::vector<BYTE> buffer(256, 0);
    for (;;) {
        DWORD required = 0;
        if (platform.getDeviceRegistryProperty(set, &device, property, nullptr, buffer.data(), DWORD(buffer.size()),
                                               &required)) {
            const auto* text = reinterpret_cast<const wchar_t*>(buffer.data());
            return std::wstring(text, wcsnlen(text, buffer.size() / sizeof(wchar_t)));
        }
        if (::GetLastError() != ERROR_INSUFFICIENT_BUFFER || required <= buffer.size()) return {};
        buffer.assign(required + sizeof(wchar_t), 0);
    }
}

// The path of the device's own disk interface: asked for by device, since the set's interfaces
// need not stand in the order of its devices.
std::wstring ReadInterfacePath(const DiskPlatform& platform, HDEVINFO set, SP_DEVINFO_DATA& device) {
    SP_DEVICE_INTERFACE_DATA interfaceData{};
    interfaceData.cbSize = sizeof(interfaceData);
    if (!platform.enumDeviceInterfaces(set, &device, &GUID_DEVINTERFACE_DISK, 0, &interfaceData)) return {};
    DWORD size = 0;
    platform.getDeviceInterfaceDetail(set, &interfaceData, nullptr, 0, &size, nullptr);
    if (size < sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W)) return {};
    std::vector<BYTE> buffer(size, 0);
    auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_W*>(buffer.data());
    detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W);
    if (!platform.getDeviceInterfaceDetail(set, &interfaceData, detail, size, nullptr, nullptr)) return {};
    return detail->DevicePath;
}

// Fills the disk number and length; false when either request fails or answers with less than
// its whole structure, since a disk whose number is not known must never be offered for wiping.
bool QueryDisk(const DiskPlatform& platform, HANDLE disk, DiskDeviceInfo& info) {
    STORAGE_DEVICE_NUMBER number{};
    DWORD returned = 0;
    if (!platform.deviceIoControl(disk, IOCTL_STORAGE_GET_DEVICE_NUMBER, nullptr, 0, &number, sizeof(number),
                                  &returned, nullptr) ||
        returned < sizeof(number))
        return false;
    GET_LENGTH_INFORMATION length{};
    returned = 0;
    if (!platform.deviceIoControl(disk, IOCTL_DISK_GET_LENGTH_INFO, nullptr, 0, &length, sizeof(length), &returned,
                                  nullptr) ||
        returned < sizeof(length))
        return false;
    info.diskNumber = number.DeviceNumber;
    info.length = length.Length.QuadPart;
    return true;
}

// The logical sector size, which decides how far a master boot record reaches. A disk that does
// not answer this request is still listed, as one of 512-byte sectors.
std::uint32_t ReadSectorSize(const DiskPlatform& platform, HANDLE disk) {
    // The geometry is followed by partition and detection information of varying size: room for both.
    union {
        DISK_GEOMETRY_EX geometry;
        BYTE bytes[512];
    } answer{};
    DWORD returned = 0;
    const bool answered = platform.deviceIoControl(disk, IOCTL_DISK_GET_DRIVE_GEOMETRY_EX, nullptr, 0, &answer,
                                                   sizeof(answer), &returned, nullptr) &&
                          returned >= sizeof(DISK_GEOMETRY);
    return SectorSizeOrDefault(answered ? std::optional<std::uint32_t>(answer.geometry.Geometry.BytesPerSector)
                                        : std::nullopt);
}

}  // namespace

std::optional<std::vector<DiskDeviceInfo>> EnumerateMakerDisks(const DiskPlatform& platform,
                                                               PassedOverDevices* passedOver) {
    PassedOverDevices ignored;
    if (!passedOver) passedOver = &ignored;
    DeviceInfoSet set(platform);
    if (!set.valid()) return std::nullopt;
    std::vector<DiskDeviceInfo> disks;

    SP_DEVINFO_DATA device{};
    device.cbSize = sizeof(device);
    for (DWORD index = 0; platform.enumDeviceInfo(set.get(), index, &device); ++index) {
        DiskDeviceInfo info;
        info.friendlyName = ReadTextProperty(platform, set.get(), device, SPDRP_FRIENDLYNAME);
        info.interfacePath = ReadInterfacePath(platform, set.get(), device);
        if (info.interfacePath.empty() || !IsMakerDevicePath(info.interfacePath)) continue;

        DiskHandle disk(platform, info.interfacePath);
        if (!disk.valid()) {
            // Access denied: the account may not open disks (on Windows XP, a limited one).
            if (::GetLastError() == ERROR_ACCESS_DENIED) ++passedOver->openRefused;
            ++passedOver->notAnswering;
            continue;
        }
        if (!QueryDisk(platform, disk.get(), info)) {
            ++passedOver->notAnswering;
            continue;
        }
        info.sectorSize = ReadSectorSize(platform, disk.get());
        disks.push_back(std::move(info));
    }
    return disks;
}

std::optional<std::vector<DiskDeviceInfo>> EnumerateMakerDisks(PassedOverDevices* passedOver) {
    const DiskPlatform windows{&::SetupDiGetClassDevsW,          &::SetupDiEnumDeviceInfo,
                               &::SetupDiGetDeviceRegistryPropertyW, &::SetupDiEnumDeviceInterfaces,
                               &::SetupDiGetDeviceInterfaceDetailW,  &::SetupDiDestroyDeviceInfoList,
                               &::CreateFileW,                       &::DeviceIoControl,
                               &::CloseHandle};
    return EnumerateMakerDisks(windows, passedOver);
}
