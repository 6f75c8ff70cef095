// Where the drive scan gets its disks from. The release program links the implementation that
// walks the present disk devices with SetupAPI; the simulator links one that reads its virtual
// disks. Both hand over only disks that carry the maker's vendor code, could be opened for
// reading and writing, and answered both storage requests, in the order of the device set, and
// count the maker devices they passed over into `passedOver` when it is given.
// Nothing at all when the set of present disks cannot be had.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "drives/DriveRules.h"

std::optional<std::vector<DiskDeviceInfo>> EnumerateMakerDisks(PassedOverDevices* passedOver = nullptr);

// The number of the disk that holds the volume with this drive letter, or nothing when there is
// no such volume or it does not answer.
std::optional<std::uint32_t> DiskNumberOfVolume(wchar_t driveLetter);

// The volumes with a drive letter on the disk that a drive entry shows as `diskNumber`, as they
// are now. Network drives and letters without a root are not looked at.
std::vector<DiskVolume> VolumesOfDisk(const std::wstring& diskNumber);
