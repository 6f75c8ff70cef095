#include "format/RunQuestions.h"

#include <algorithm>

std::wstring BuildFormatConfirmation(const Texts& texts, const std::wstring& driveEntry, std::vector<DiskVolume> volumes,
                                     const std::wstring& spaceNote) {
    std::sort(volumes.begin(), volumes.end(),
              [](const DiskVolume& a, const DiskVolume& b) { return a.letter < b.letter; });
    std::wstring held;
    for (const DiskVolume& volume : volumes) {
        if (!held.empty()) held += L", ";
        held += std::wstring(1, volume.letter) + L":";
        if (!volume.label.empty()) held += L" (" + volume.label + L")";
    }
    std::wstring text = texts.Format(TextId::ConfirmDriveWillBeDeleted, {driveEntry}) + L"\n\n";
    if (!held.empty()) text += texts.Format(TextId::ConfirmDriveHoldsVolumes, {held}) + L"\n\n";
    if (!spaceNote.empty()) text += spaceNote + L"\n\n";
    return text + texts[TextId::ConfirmPressOkOrCancel];
}

std::wstring UnusedSpaceNote(const Texts& texts, bool windowsXp, std::int64_t lengthBytes, std::uint32_t sectorSize) {
    if (!windowsXp || !NeedsGptPartitionTable(lengthBytes, sectorSize)) return std::wstring();
    // Tenths of a decimal terabyte, rounded to the nearest: 2,199,023,255,552 bytes are 2.2 TB.
    const std::uint64_t tenths = (MbrLimitBytes(sectorSize) + 50'000'000'000) / 100'000'000'000;
    return texts.Format(TextId::XpUnusedSpace, {std::to_wstring(tenths / 10), std::to_wstring(tenths % 10)});
}
