// The platform calls of the SetupAPI disk source, passed in as a table so that a test can hand
// it fakes. EnumerateMakerDisks() (DiskSource.h) passes the system's own functions.
#pragma once

#include <windows.h>
#include <setupapi.h>

#include <optional>
#include <vector>

#include "drives/DriveRules.h"

struct DiskPlatform {
    decltype(&::SetupDiGetClassDevsW) getClassDevs;
    decltype(&::SetupDiEnumDeviceInfo) enumDeviceInfo;
    decltype(&::SetupDiGetDeviceRegistryPropertyW) getDeviceRegistryProperty;
    decltype(&::SetupDiEnumDeviceInterfaces) enumDeviceInterfaces;
    decltype(&::SetupDiGetDeviceInterfaceDetailW) getDeviceInterfaceDetail;
    decltype(&::SetupDiDestroyDeviceInfoList) destroyDeviceInfoList;
    decltype(&::CreateFileW) createFile;
    decltype(&::DeviceIoControl) deviceIoControl;
    decltype(&::CloseHandle) closeHandle;
};

// The present disks whose interface path carries the maker's vendor code, could be opened for
// reading and writing and answered both storage requests in full, in the order of the device
// set; nothing when the set cannot be had. The maker devices passed over are counted into
// `passedOver` when it is given.
std::optional<std::vector<DiskDeviceInfo>> EnumerateMakerDisks(const DiskPlatform& platform,
                                                               PassedOverDevices* passedOver = nullptr);
