// How a present disk becomes one line of the drive list: the vendor test on its
// interface path, the model text, the nominal size and the entry text.
// Pure rules: no Windows header, so they build and run anywhere.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "lang/TextId.h"

// What the platform learns about one present disk.
struct DiskDeviceInfo {
    std::wstring interfacePath;
    std::wstring friendlyName;   // empty when the device has no readable friendly name
    std::uint32_t diskNumber = 0;
    std::int64_t length = 0;     // bytes
    std::uint32_t sectorSize = 512;  // bytes per logical sector
};

// The maker devices a scan met but could not list: those it could not open or that did not
// answer a storage request, and of them those whose opening was refused (access denied).
struct PassedOverDevices {
    int notAnswering = 0;
    int openRefused = 0;
};

// What the warning line says in place of the warning when a scan lists no drive but met a
// maker device it could not list; nothing when the warning stands.
std::optional<TextId> ScanNotice(bool driveListed, const PassedOverDevices& passedOver);

// The logical sector size as the disk reported it, or 512 when it did not answer or answered 0
// or a size that is not a power of two.
std::uint32_t SectorSizeOrDefault(std::optional<std::uint32_t> reported);

// The most bytes a partition of a master boot record reaches: 2^32 sectors.
std::uint64_t MbrLimitBytes(std::uint32_t sectorSize);

// True when the disk holds more than 2^32 sectors, which only a GPT partition table can use whole.
bool NeedsGptPartitionTable(std::int64_t lengthBytes, std::uint32_t sectorSize);

// Model text used for a maker drive whose friendly name cannot be read.
inline constexpr wchar_t kUnnamedDriveModel[] = L"Unnamed Quarrix drive";

// True when the interface path carries the maker's vendor code "&ven_qrx&" (case-sensitive).
bool IsMakerDevicePath(const std::wstring& interfacePath);

// " QX7 ", " QX7FIPS ", " KORVAN USB " (first found decides) name the model; otherwise the
// friendly name is returned unchanged.
std::wstring ModelDisplayName(const std::wstring& friendlyName);

// Whole gibibytes of the length, rounded to the nominal size printed on the drive.
std::int64_t NominalSizeGB(std::int64_t lengthBytes);

// "[" + disk number + "] - " + model + " (" + size part, e.g. "[1] - Quarrix QX7 (1TB)".
std::wstring FormatDriveEntry(std::uint32_t diskNumber, const std::wstring& model, std::int64_t nominalSizeGB);

// The model text a disk is listed with, or nothing when it must not be listed: a model text
// that holds "USBSTOR" is the storage driver's generic name, not a drive we can identify.
std::optional<std::wstring> ListedModelText(const DiskDeviceInfo& disk);

// The disk number as a drive entry shows it: signed 32-bit decimal, so 4294967295 shows as -1.
std::wstring DiskNumberText(std::uint32_t diskNumber);

// The entry a present disk is listed with, or nothing when it is not listed.
std::optional<std::wstring> DriveEntryOf(const DiskDeviceInfo& disk);

// True when, among the disks present now, the disk that carries the chosen number is still the
// chosen drive: the same interface path, listed with the same entry text. Two drives of one model
// and size have the same text, so the path is what tells them apart.
bool ChosenDriveStillPresent(const std::vector<DiskDeviceInfo>& present, const std::wstring& diskNumber,
                             const std::wstring& interfacePath, const std::wstring& driveEntry);

// A volume on a disk as the user knows it: its drive letter and its label (empty when none).
struct DiskVolume {
    wchar_t letter = 0;
    std::wstring label;
};
