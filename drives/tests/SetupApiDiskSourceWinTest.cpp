// The real disk source on a fake system: the SetupAPI calls, the disk open and the two storage
// requests answer from a list of devices, so the cases Wine cannot show (it lists no disks)
// run here: a short property buffer, storage requests that fail or answer short, a disk that
// cannot be opened, and the order of the calls.
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
    bool opens = true;
    Reply numberReply;
    Reply lengthReply;
    int closes = 0;
};

struct FakeSystem {
    std::vector<FakeDevice> devices;
    std::vector<std::string> calls;
    bool setFreed = false;
};

// The fakes are plain functions, as the table holds; they find the system being faked here.
FakeSystem* fake = nullptr;

std::string Numbered(const char* call, size_t index) { return std::string(call) + " " + std::to_string(index); }

HDEVINFO WINAPI FakeGetClassDevs(const GUID*, PCWSTR, HWND, DWORD flags) {
    fake->calls.push_back("get set");
    return flags == (DIGCF_PRESENT | DIGCF_DEVICEINTERFACE) ? reinterpret_cast<HDEVINFO>(fake) : INVALID_HANDLE_VALUE;
}

BOOL WINAPI FakeEnumDeviceInfo(HDEVINFO, DWORD index, PSP_DEVINFO_DATA device) {
    fake->calls.push_back(Numbered("device", index));
    if (index >= fake->devices.size()) {
        ::SetLastError(ERROR_NO_MORE_ITEMS);
        return FALSE;
    }
    device->DevInst = index;
    return TRUE;
}

BOOL WINAPI FakeGetProperty(HDEVINFO, PSP_DEVINFO_DATA device, DWORD property, PDWORD, PBYTE buffer, DWORD size,
                            PDWORD required) {
    fake->calls.push_back(Numbered("property", device->DevInst));
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

BOOL WINAPI FakeEnumInterfaces(HDEVINFO, PSP_DEVINFO_DATA, const GUID*, DWORD index,
                               PSP_DEVICE_INTERFACE_DATA interfaceData) {
    fake->calls.push_back(Numbered("interface", index));
    if (index >= fake->devices.size()) return FALSE;
    interfaceData->Reserved = index;
    return TRUE;
}

BOOL WINAPI FakeGetInterfaceDetail(HDEVINFO, PSP_DEVICE_INTERFACE_DATA interfaceData,
                                   PSP_DEVICE_INTERFACE_DETAIL_DATA_W detail, DWORD size, PDWORD required,
                                   PSP_DEVINFO_DATA) {
    const size_t index = interfaceData->Reserved;
    fake->calls.push_back(Numbered(detail ? "detail" : "detail size", index));
    const std::wstring& path = fake->devices[index].path;
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
    fake->calls.push_back("free set");
    fake->setFreed = true;
    return TRUE;
}

HANDLE WINAPI FakeCreateFile(LPCWSTR path, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES, DWORD disposition,
                             DWORD flags, HANDLE) {
    for (size_t i = 0; i < fake->devices.size(); ++i) {
        FakeDevice& device = fake->devices[i];
        if (device.path != path) continue;
        fake->calls.push_back(Numbered("open", i));
        const bool asked = access == (GENERIC_READ | GENERIC_WRITE) && share == (FILE_SHARE_READ | FILE_SHARE_WRITE) &&
                           disposition == OPEN_EXISTING && flags == 0;
        return asked && device.opens ? reinterpret_cast<HANDLE>(&device) : INVALID_HANDLE_VALUE;
    }
    return INVALID_HANDLE_VALUE;
}

size_t IndexOf(HANDLE disk) { return size_t(reinterpret_cast<FakeDevice*>(disk) - fake->devices.data()); }

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
        fake->calls.push_back("request on no disk");
        ::SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    const FakeDevice& device = *reinterpret_cast<FakeDevice*>(disk);
    if (code == IOCTL_STORAGE_GET_DEVICE_NUMBER) {
        fake->calls.push_back(Numbered("number", IndexOf(disk)));
        STORAGE_DEVICE_NUMBER number{FILE_DEVICE_DISK, device.diskNumber, 0};
        return Answer(device.numberReply, number, out, outSize, returned);
    }
    if (code == IOCTL_DISK_GET_LENGTH_INFO) {
        fake->calls.push_back(Numbered("length", IndexOf(disk)));
        GET_LENGTH_INFORMATION length{};
        length.Length.QuadPart = device.length;
        return Answer(device.lengthReply, length, out, outSize, returned);
    }
    fake->calls.push_back("unknown request");
    ::SetLastError(ERROR_INVALID_FUNCTION);
    return FALSE;
}

BOOL WINAPI FakeCloseHandle(HANDLE disk) {
    fake->calls.push_back(Numbered("close", IndexOf(disk)));
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
        const auto disks = EnumerateMakerDisks(kFakePlatform);
        EXPECT_TRUE(disks.has_value());
        EXPECT_TRUE(system.setFreed);
        return disks.value_or(std::vector<DiskDeviceInfo>{});
    }

    FakeSystem system;
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

TEST_F(SetupApiDiskSourceTest, DiskWhoseStorageRequestFailsOrAnswersShortIsNotListed) {
    const struct {
        const char* what;
        Reply number;
        Reply length;
    } cases[] = {
        {"disk-number request fails", {false}, {}},
        {"disk-number request fills 8 of 12 bytes", {true, 8}, {}},
        {"disk-number request fills nothing", {true, 0}, {}},
        {"length request fails", {}, {false}},
        {"length request fills 4 of 8 bytes", {}, {true, 4}},
    };
    for (const auto& c : cases) {
        system = FakeSystem{};
        FakeDevice faulty = MakerDisk(1, L"Quarrix QX7 USB Device", 0);
        faulty.numberReply = c.number;
        faulty.lengthReply = c.length;
        system.devices = {faulty, MakerDisk(2, L"Quarrix QX7 USB Device", 2)};

        const auto disks = Enumerate();

        ASSERT_EQ(disks.size(), 1u) << c.what;
        EXPECT_EQ(disks[0].diskNumber, 2u) << c.what;
        EXPECT_EQ(system.devices[0].closes, 1) << c.what;
        EXPECT_EQ(system.devices[1].closes, 1) << c.what;
    }
}

TEST_F(SetupApiDiskSourceTest, DiskThatCannotBeOpenedIsPassedOverAndTheCallsKeepTheirOrder) {
    FakeDevice locked = MakerDisk(1, L"Quarrix QX7 USB Device", 1);
    locked.opens = false;
    system.devices = {locked, MakerDisk(2, L"Quarrix QX7 USB Device", 2)};

    const auto disks = Enumerate();

    ASSERT_EQ(disks.size(), 1u);
    EXPECT_EQ(disks[0].diskNumber, 2u);
    EXPECT_EQ(system.devices[0].closes, 0);
    EXPECT_EQ(system.devices[1].closes, 1);
    const std::vector<std::string> order = {
        "get set",
        "device 0", "property 0", "interface 0", "detail size 0", "detail 0", "open 0",
        "device 1", "property 1", "interface 1", "detail size 1", "detail 1", "open 1", "number 1", "length 1",
        "close 1",
        "device 2", "free set"};
    EXPECT_EQ(system.calls, order);
}

}  // namespace
