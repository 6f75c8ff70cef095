#include "format/FormatRequestRules.h"

#include <cstddef>

#include "format/ScriptRules.h"

namespace {

constexpr std::size_t kNtfsLabelMaxChars = 32;
constexpr std::size_t kExfatLabelMaxChars = 11;

}  // namespace

std::wstring ParseDiskNumber(const std::wstring& driveEntry) {
    // The text from index 1 up to the first "]"; the leading "[" is skipped unseen.
    const std::size_t close = driveEntry.find(L']');
    if (close == std::wstring::npos || close < 1) return std::wstring();
    return driveEntry.substr(1, close - 1);
}

bool IsEnterpriseEntry(const std::wstring& driveEntry) {
    return driveEntry.find(L"Quarrix Enterprise") != std::wstring::npos;
}

std::wstring BuildDiskpartCommandLine(const std::wstring& tempPath, const std::wstring& diskNumber) {
    return L"diskpart.exe /s " + QuoteIfHoldsBlank(DiskpartScriptPath(tempPath, diskNumber));
}

LabelProblem CheckVolumeLabel(const std::wstring& label, const std::string& labelBytes, const std::wstring& fileSystem) {
    for (const char byte : labelBytes) {
        const auto value = static_cast<unsigned char>(byte);
        if (value < 0x20 || value == 0x7F) return LabelProblem::HoldsControlCharacter;
    }
    if (labelBytes.find('"') != std::string::npos) return LabelProblem::HoldsQuotationMark;
    if (fileSystem == L"NTFS" && label.size() > kNtfsLabelMaxChars) return LabelProblem::TooLongForNtfs;
    if (fileSystem == L"exFAT" && label.size() > kExfatLabelMaxChars) return LabelProblem::TooLongForExfat;
    return LabelProblem::None;
}

std::wstring LabelProblemMessage(LabelProblem problem) {
    switch (problem) {
    case LabelProblem::TooLongForNtfs:
        return L"The drive label is too long for NTFS.\n\nAn NTFS label holds at most 32 characters.";
    case LabelProblem::TooLongForExfat:
        return L"The drive label is too long for exFAT.\n\nAn exFAT label holds at most 11 characters.";
    case LabelProblem::HoldsQuotationMark:
        return L"The drive label cannot hold a double quotation mark (\").";
    case LabelProblem::HoldsControlCharacter:
        return L"The drive label cannot hold a tab, a line break or another control character.";
    case LabelProblem::NotInCodePage:
        return L"The drive label holds a character that this system's disk utilities cannot take.\n\n"
               L"Use letters, digits and signs of your system's language.";
    case LabelProblem::None:
        break;
    }
    return std::wstring();
}
