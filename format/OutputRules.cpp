#include "format/OutputRules.h"

#include "format/ScriptRules.h"

namespace {

bool Holds(const std::wstring& text, const wchar_t* keyword) {
    return text.find(keyword) != std::wstring::npos;
}

}  // namespace

DiskpartVerdict ClassifyDiskpartOutput(const std::wstring& output) {
    // A failure word outweighs the completion mark: the utility may report 100 percent of a
    // step and still fail a later command.
    for (const wchar_t* failure : {L"error:", L"try again!", L" unable "}) {
        if (Holds(output, failure)) return DiskpartVerdict::Error;
    }
    if (Holds(output, L" 100 ")) return DiskpartVerdict::Finished;
    return DiskpartVerdict::None;
}

bool FormatOutputSucceeded(const std::wstring& output) {
    return Holds(output, L" KB ");
}

std::wstring BuildCleanupCommand(const std::wstring& tempPath) {
    // Quoting the whole pattern keeps a blank in the path from splitting it into targets
    // outside the temporary directory.
    return L"cmd /c del " + QuoteIfHoldsBlank(tempPath + L"diskpart*.*");
}

std::wstring BuildXpFormatCommand(const std::wstring& driveLetter, const std::wstring& label) {
    return L"format.com " + driveLetter + L": /FS:NTFS /V:" + QuoteIfHoldsBlank(label) + L" /q /x /y";
}

std::wstring BuildOpenDriveQuestion(const std::wstring& driveLetter) {
    return L"Format complete.\nWould like to open drive '" + driveLetter + L":\\' now?";
}

std::wstring DriveRootPath(const std::wstring& driveLetter) {
    return driveLetter + L":\\";
}
