#include "drives/DriveRules.h"

#include <cstddef>

namespace {

struct ModelPattern {
    const wchar_t* pattern;
    const wchar_t* modelText;
};

// Searched for in this order; the blanks around each pattern are part of it.
constexpr ModelPattern kModelPatterns[] = {
    {L" QX7 ", L"Quarrix QX7"},
    {L" QX7FIPS ", L"Quarrix QX7 FIPS"},
    {L" KORVAN USB ", L"Quarrix Enterprise"},
};

struct SizeRange {
    std::int64_t lowestGiB;
    std::int64_t highestGiB;
    std::int64_t nominalGB;
};

// Whole gibibytes (inclusive bounds) that a drive sold as the nominal size reports.
// Values outside every range are shown as they are.
constexpr SizeRange kSizeRanges[] = {
    {1801, 2099, 2000},
    {1301, 1599, 1500},
    {901, 999, 1000},
    {401, 499, 500},
    {301, 399, 320},
    {201, 249, 250},
    {121, 159, 160},
    {101, 119, 120},
    {61, 79, 80},
};

std::wstring SizePart(std::int64_t nominalSizeGB) {
    const std::wstring decimal = std::to_wstring(nominalSizeGB);
    if (decimal == L"1000") return L"1TB)";
    if (decimal == L"1500") return L"1.5TB)";
    if (decimal == L"2000") return L"2TB)";
    return decimal + L"GB)";
}

}  // namespace

std::optional<TextId> ScanNotice(bool driveListed, const PassedOverDevices& passedOver) {
    if (driveListed || passedOver.notAnswering == 0) return std::nullopt;
    // Only when every drive was refused is the account the cause (on Windows XP a limited one).
    if (passedOver.openRefused == passedOver.notAnswering) return TextId::ScanAccessRefused;
    return TextId::ScanNotReady;
}

std::uint32_t SectorSizeOrDefault(std::optional<std::uint32_t> reported) {
    const bool powerOfTwo = reported && *reported != 0 && (*reported & (*reported - 1)) == 0;
    return powerOfTwo ? *reported : 512;
}

std::uint64_t MbrLimitBytes(std::uint32_t sectorSize) { return (std::uint64_t{1} << 32) * sectorSize; }

bool NeedsGptPartitionTable(std::int64_t lengthBytes, std::uint32_t sectorSize) {
    return lengthBytes > 0 && sectorSize != 0 && static_cast<std::uint64_t>(lengthBytes) > MbrLimitBytes(sectorSize);
}

bool IsMakerDevicePath(const std::wstring& interfacePath) {
    return interfacePath.find(L"&ven_qrx&") != std::wstring::npos;
}

std::wstring ModelDisplayName(const std::wstring& friendlyName) {
    // Each pattern is looked for in what the previous step left; no model text holds a later
    // pattern, so the first pattern found decides.
    std::wstring text = friendlyName;
    for (const ModelPattern& model : kModelPatterns) {
        if (text.find(model.pattern) != std::wstring::npos) text = model.modelText;
    }
    return text;
}

std::int64_t NominalSizeGB(std::int64_t lengthBytes) {
    const std::int64_t wholeGiB = lengthBytes / 1024 / 1024 / 1024;
    for (const SizeRange& range : kSizeRanges) {
        if (wholeGiB >= range.lowestGiB && wholeGiB <= range.highestGiB) return range.nominalGB;
    }
    return wholeGiB;
}

std::wstring DiskNumberText(std::uint32_t diskNumber) {
    // The unsigned device number is written with a signed 32-bit conversion, so the largest
    // values show with a minus sign (4294967295 becomes -1).
    return std::to_wstring(static_cast<std::int32_t>(diskNumber));
}

std::wstring FormatDriveEntry(std::uint32_t diskNumber, const std::wstring& model, std::int64_t nominalSizeGB) {
    return L"[" + DiskNumberText(diskNumber) + L"] - " + model + L" (" + SizePart(nominalSizeGB);
}

std::optional<std::wstring> ListedModelText(const DiskDeviceInfo& disk) {
    const std::wstring model =
        disk.friendlyName.empty() ? std::wstring(kUnnamedDriveModel) : ModelDisplayName(disk.friendlyName);
    if (model.find(L"USBSTOR") != std::wstring::npos) return std::nullopt;
    return model;
}

std::optional<std::wstring> DriveEntryOf(const DiskDeviceInfo& disk) {
    const std::optional<std::wstring> model = ListedModelText(disk);
    if (!model) return std::nullopt;
    return FormatDriveEntry(disk.diskNumber, *model, NominalSizeGB(disk.length));
}

bool ChosenDriveStillPresent(const std::vector<DiskDeviceInfo>& present, const std::wstring& diskNumber,
                             const std::wstring& interfacePath, const std::wstring& driveEntry) {
    for (const DiskDeviceInfo& disk : present) {
        if (DiskNumberText(disk.diskNumber) != diskNumber) continue;
        // The number is taken by this disk now; it must be the very drive that was chosen.
        return disk.interfacePath == interfacePath && DriveEntryOf(disk) == driveEntry;
    }
    return false;
}
