// The real disk source on a fake system: the SetupAPI calls, the disk open and the two storage
// requests answer from a list of devices, so the cases Wine cannot show (it lists no disks)
// run here: a short property buffer, the set's interfaces in another order than its devices,
// storage requests that fail or answer short, and a disk that cannot be opened.
#include "drives/SetupApiDiskSource.h"

#include <gtest/gtest.h>
#include <winioctl.h>

#include <cstddef>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr DWORD kWholeStructure = 0xFFFFFFFF;

// A storage request's answer: whether it succeeds and how many bytes of its structure it fills.
struct Reply {
    bool succeeds = true;
    DWORD bytes = kWholeStructure;
};

struct FakeDevice {
    std::wstring friendlyName;
    std::wstring path;
    DWORD diskNumber = 0;
    LONGLONG length = 0;
    DWORD openError = ERROR_SUCCESS;  // why the disk cannot be opened; ERROR_SUCCESS: it opens
    Reply numberReply;
    Reply lengthReply;
    Reply geometryReply;
    DWORD bytesPerSector = 512;
    int closes = 0;
};

struct FakeSystem {
    std::vector<FakeDevice> devices;
    bool setFreed = false;
};

// The fakes are plain functions, as the table holds; they find the system being faked here.
FakeSystem* fake = nullptr;

HDEVINFO WINAPI FakeGetClassDevs(const GUID*, PCWSTR, HWND, DWORD flags) {
    return flags == (DIGCF_PRESENT | DIGCF_DEVICEINTERFACE) ? reinterpret_cast<HDEVINFO>(fake) : INVALID_HANDLE_VALUE;
}

BOOL WINAPI FakeEnumDeviceInfo(HDEVINFO, DWORD index, PSP_DEVINFO_DATA device) {
    if (index >= fake->devices.size()) {
        ::SetLastError(ERROR_NO_MORE_ITEMS);
        return FALSE;
    }
    device->DevInst = index;
    return TRUE;
}

BOOL WINAPI FakeGetProperty(HDEVINFO, PSP_DEVINFO_DATA device, DWORD property, PDWORD, PBYTE buffer, DWORD size,
                            PDWORD required) {
    const std::wstring& name = fake->devices[device->DevInst].friendlyName;
    const DWORD needed = DWORD((name.size() + 1) * sizeof(wchar_t));
    if (property != SPDRP_FRIENDLYNAME) {
        ::SetLastError(ERROR_INVALID_DATA);
        return FALSE;
    }
    if (required) *required = needed;
    if (size < needed) {
        ::SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }
    std::memcpy(buffer, name.c_str(), needed);
    return TRUE;
}

// Each device has one disk interface; the whole set lists them in the reverse order of the devices.
BOOL WINAPI FakeEnumInterfaces(HDEVINFO, PSP_DEVINFO_DATA device, const GUID*, DWORD index,
                               PSP_DEVICE_INTERFACE_DATA interfaceData) {
    const size_t count = device ? 1 : fake->devices.size();
    if (index >= count) {
        ::SetLastError(ERROR_NO_MORE_ITEMS);
        return FALSE;
    }
    interfaceData->Reserved = device ? device->DevInst : count - 1 - index;
    return TRUE;
}

BOOL WINAPI FakeGetInterfaceDetail(HDEVINFO, PSP_DEVICE_INTERFACE_DATA interfaceData,
                                   PSP_DEVICE_INTERFACE_DETAIL_DATA_W detail, DWORD size, PDWORD required,
                                   PSP_DEVINFO_DATA) {
    const std::wstring& path = fake->devices[interfaceData->Reserved].path;
    const DWORD needed = DWORD(offsetof(SP_DEVICE_INTERFACE_DETAIL_DATA_W, DevicePath) +
                               (path.size() + 1) * sizeof(wchar_t));
    if (required) *required = needed;
    if (!detail || size < needed) {
        ::SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }
    std::memcpy(detail->DevicePath, path.c_str(), (path.size() + 1) * sizeof(wchar_t));
    return TRUE;
}

BOOL WINAPI FakeFreeSet(HDEVINFO) {
    fake->setFreed = true;
    return TRUE;
}

HANDLE WINAPI FakeCreateFile(LPCWSTR path, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES, DWORD disposition,
                             DWORD flags, HANDLE) {
    for (FakeDevice& device : fake->devices) {
        if (device.path != path) continue;
        const bool asked = access == (GENERIC_READ | GENERIC_WRITE) && share == (FILE_SHARE_READ | FILE_SHARE_WRITE) &&
                           disposition == OPEN_EXISTING && flags == 0;
        if (asked && device.openError == ERROR_SUCCESS) return reinterpret_cast<HANDLE>(&device);
        ::SetLastError(asked ? device.openError : ERROR_INVALID_PARAMETER);
        return INVALID_HANDLE_VALUE;
    }
    return INVALID_HANDLE_VALUE;
}

// Answers with the first `reply.bytes` bytes of `answer`.
template <typename T>
BOOL Answer(const Reply& reply, const T& answer, LPVOID out, DWORD outSize, LPDWORD returned) {
    if (!reply.succeeds) {
        ::SetLastError(ERROR_INVALID_FUNCTION);
        return FALSE;
    }
    const DWORD bytes = reply.bytes == kWholeStructure ? DWORD(sizeof(T)) : reply.bytes;
    if (outSize < bytes) {
        ::SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }
    std::memcpy(out, &answer, bytes);
    *returned = bytes;
    return TRUE;
}

BOOL WINAPI FakeDeviceIoControl(HANDLE disk, DWORD code, LPVOID, DWORD, LPVOID out, DWORD outSize, LPDWORD returned,
                                LPOVERLAPPED) {
    if (disk == INVALID_HANDLE_VALUE) {
        ::SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    const FakeDevice& device = *reinterpret_cast<FakeDevice*>(disk);
    if (code == IOCTL_STORAGE_GET_DEVICE_NUMBER) {
        STORAGE_DEVICE_NUMBER number{FILE_DEVICE_DISK, device.diskNumber, 0};
        return Answer(device.numberReply, number, out, outSize, returned);
    }
    if (code == IOCTL_DISK_GET_LENGTH_INFO) {
        GET_LENGTH_INFORMATION length{};
        length.Length.QuadPart = device.length;
        return Answer(device.lengthReply, length, out, outSize, returned);
    }
    if (code == IOCTL_DISK_GET_DRIVE_GEOMETRY_EX) {
        DISK_GEOMETRY_EX geometry{};
        geometry.Geometry.BytesPerSector = device.bytesPerSector;
        return Answer(device.geometryReply, geometry, out, outSize, returned);
    }
    ::SetLastError(ERROR_INVALID_FUNCTION);
    return FALSE;
}

BOOL WINAPI FakeCloseHandle(HANDLE disk) {
    reinterpret_cast<FakeDevice*>(disk)->closes++;
    return TRUE;
}

const DiskPlatform kFakePlatform{&FakeGetClassDevs,   &FakeEnumDeviceInfo,  &FakeGetProperty,
                                 &FakeEnumInterfaces, &FakeGetInterfaceDetail, &FakeFreeSet,
                                 &FakeCreateFile,     &FakeDeviceIoControl, &FakeCloseHandle};

FakeDevice MakerDisk(int serial, const std::wstring& friendlyName, DWORD diskNumber) {
    FakeDevice device;
    device.friendlyName = friendlyName;
    device.path = L"\\\\?\\usbstor#disk&ven_qrx&prod_qx7&rev_1.00#" + std::to_wstring(serial) +
                  L"&0#{53f56307-b6bf-11d0-94f2-00a0c91efb8b}";
    device.diskNumber = diskNumber;
    device.length = 1000204886016;
    return device;
}

class SetupApiDiskSourceTest : public ::testing::Test {
protected:
    SetupApiDiskSourceTest() { fake = &system; }
    ~SetupApiDiskSourceTest() override { fake = nullptr; }

    std::vector<DiskDeviceInfo> Enumerate() {
        passedOver = PassedOverDevices{};
        const auto disks = EnumerateMakerDisks(kFakePlatform, &passedOver);
        EXPECT_TRUE(disks.has_value());
        EXPECT_TRUE(system.setFreed);
        return disks.value_or(std::vector<DiskDeviceInfo>{});
    }

    FakeSystem system;
    PassedOverDevices passedOver;
};

TEST_F(SetupApiDiskSourceTest, FriendlyNameLongerThanTheFirstBufferIsReadAgainWithTheSizeAsked) {
    const std::wstring longName = L"Quarrix QX7 USB Device " + std::wstring(300, L'x');
    system.devices = {MakerDisk(1, longName, 1)};

    const auto disks = Enumerate();

    ASSERT_EQ(disks.size(), 1u);
    EXPECT_EQ(disks[0].friendlyName, longName);
    EXPECT_EQ(disks[0].diskNumber, 1u);
    EXPECT_EQ(disks[0].length, 1000204886016);
}

// The geometry gives only the sector size, 512 when it is not to be had.
TEST_F(SetupApiDiskSourceTest, DiskWhoseStorageRequestFailsOrAnswersShortIsCountedInsteadOfListed) {
    const struct {
        const char* what;
        Reply number;
        Reply length;
        Reply geometry = {};
        DWORD bytesPerSector = 4096;
        std::uint32_t sectorSize = 0;  // 0: the disk is not listed
    } cases[] = {
        {"disk-number request fails", {false}, {}},
        {"disk-number request fills 8 of 12 bytes", {true, 8}, {}},
        {"disk-number request fills nothing", {true, 0}, {}},
        {"length request fails", {}, {false}},
        {"length request fills 4 of 8 bytes", {}, {true, 4}},
        {"geometry answers only its first part", {}, {}, {true, sizeof(DISK_GEOMETRY)}, 4096, 4096},
        {"geometry request fails", {}, {}, {false}, 4096, 512},
        {"geometry answers short", {}, {}, {true, sizeof(DISK_GEOMETRY) - 4}, 4096, 512},
        {"geometry answers 0", {}, {}, {}, 0, 512},
        {"geometry answers no power of two", {}, {}, {}, 520, 512},
    };
    for (const auto& c : cases) {
        system = FakeSystem{};
        FakeDevice faulty = MakerDisk(1, L"Quarrix QX7 USB Device", 0);
        faulty.numberReply = c.number;
        faulty.lengthReply = c.length;
        faulty.geometryReply = c.geometry;
        faulty.bytesPerSector = c.bytesPerSector;
        system.devices = {faulty, MakerDisk(2, L"Quarrix QX7 USB Device", 2)};

        const auto disks = Enumerate();

        ASSERT_EQ(disks.size(), c.sectorSize ? 2u : 1u) << c.what;
        EXPECT_EQ(disks[0].sectorSize, c.sectorSize ? c.sectorSize : 512u) << c.what;
        EXPECT_EQ(passedOver.notAnswering, c.sectorSize ? 0 : 1) << c.what;
        EXPECT_EQ(disks[0].diskNumber, c.sectorSize ? 0u : 2u) << c.what;
        EXPECT_EQ(system.devices[0].closes, 1) << c.what;
        EXPECT_EQ(system.devices[1].closes, 1) << c.what;
    }
}

TEST_F(SetupApiDiskSourceTest, EachDeviceIsPairedWithItsOwnInterface) {
    system.devices = {MakerDisk(1, L"Quarrix QX7 USB Device", 1), MakerDisk(2, L"Quarrix KORVAN USB Device", 2),
                      MakerDisk(3, L"Quarrix QX7FIPS USB Device", 3)};

    const auto disks = Enumerate();

    ASSERT_EQ(disks.size(), 3u);
    for (size_t i = 0; i < disks.size(); ++i) {
        EXPECT_EQ(disks[i].friendlyName, system.devices[i].friendlyName);
        EXPECT_EQ(disks[i].interfacePath, system.devices[i].path);
        EXPECT_EQ(disks[i].diskNumber, system.devices[i].diskNumber);
    }
}

TEST_F(SetupApiDiskSourceTest, DiskThatCannotBeOpenedIsPassedOverAndCountedRefusedOnlyForAccessDenied) {
    for (DWORD error : {DWORD(ERROR_ACCESS_DENIED), DWORD(ERROR_NOT_READY)}) {
        FakeDevice locked = MakerDisk(1, L"Quarrix QX7 USB Device", 1);
        locked.openError = error;
        system.devices = {locked, MakerDisk(2, L"Quarrix QX7 USB Device", 2)};

        const auto disks = Enumerate();

        ASSERT_EQ(disks.size(), 1u);
        EXPECT_EQ(disks[0].diskNumber, 2u);
        EXPECT_EQ(system.devices[0].closes, 0);
        EXPECT_EQ(system.devices[1].closes, 1);
        EXPECT_EQ(passedOver.notAnswering, 1);
        EXPECT_EQ(passedOver.openRefused, error == ERROR_ACCESS_DENIED ? 1 : 0);
    }
}

}  // namespace
