#include "format/RunQuestions.h"

#include <algorithm>

std::wstring BuildFormatConfirmation(const Texts& texts, const std::wstring& driveEntry, std::vector<DiskVolume> volumes) {
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
    return text + texts[TextId::ConfirmPressOkOrCancel];
}
