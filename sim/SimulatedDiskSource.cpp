// The simulator's disk source: the maker's disks come from the virtual-disks file instead of
// the device set. The file is read again on every scan, so a change made while the program runs
// shows at the next device-change notification.
#include "drives/DiskSource.h"

#include "sim/SimulatorFiles.h"
#include "sim/WinText.h"

std::optional<std::vector<DiskDeviceInfo>> EnumerateMakerDisks(PassedOverDevices* passedOver) {
    const VirtualDiskParse parse = LoadVirtualDisks(EnsureVirtualDisksFile());
    // A file that cannot be read stands for a system that cannot give its set of disks.
    if (!parse.error.empty()) return std::nullopt;
    std::vector<DiskDeviceInfo> found;
    for (const VirtualDisk& disk : parse.disks) {
        DiskDeviceInfo info;
        info.interfacePath = WideFromUtf8(disk.path);
        // As on a real system: other makers' disks, disks that cannot be opened for reading and
        // writing, and disks that do not answer the storage requests are passed over; the maker's
        // are counted, and so are those whose opening is refused.
        if (!IsMakerDevicePath(info.interfacePath)) continue;
        if (disk.openFails || disk.ioctlFails) {
            if (passedOver) ++passedOver->notAnswering;
            if (passedOver && disk.openDenied) ++passedOver->openRefused;
            continue;
        }
        if (!disk.nameUnreadable) info.friendlyName = WideFromUtf8(disk.name);
        info.diskNumber = disk.number;
        info.length = disk.length;
        info.sectorSize = disk.sectorSize;
        found.push_back(std::move(info));
    }
    return found;
}

std::optional<std::uint32_t> DiskNumberOfVolume(wchar_t driveLetter) {
    VirtualDiskParse parse = LoadVirtualDisks(EnsureVirtualDisksFile());
    if (!parse.error.empty()) return std::nullopt;
    const VirtualDisk* disk = FindDiskByLetter(parse.disks, Utf8FromWide(std::wstring(1, driveLetter)));
    // As a volume that cannot be opened does not answer.
    if (!disk || disk->openFails) return std::nullopt;
    return disk->number;
}

std::vector<DiskVolume> VolumesOfDisk(const std::wstring& diskNumber) {
    std::vector<DiskVolume> volumes;
    const VirtualDiskParse parse = LoadVirtualDisks(EnsureVirtualDisksFile());
    for (const VirtualDisk& disk : parse.disks) {
        // A virtual disk holds at most one volume, known by its letter and label.
        const std::wstring letter = WideFromUtf8(disk.letter);
        if (DiskNumberText(disk.number) == diskNumber && letter.size() == 1)
            volumes.push_back({letter[0], WideFromUtf8(disk.label)});
    }
    return volumes;
}
