#include "format/FormatRequestRules.h"

#include <algorithm>
#include <cstddef>
#include <string_view>

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

namespace {

bool IsControlCharacter(wchar_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029;
}

bool ExfatRefuses(wchar_t c) { return std::wstring_view(L"*/:<>?\\|").find(c) != std::wstring_view::npos; }

}  // namespace

LabelCheck CheckVolumeLabel(const std::wstring& label, const std::string& labelBytes, const std::wstring& fileSystem) {
    const bool controlByte = std::any_of(labelBytes.begin(), labelBytes.end(), [](char byte) {
        const auto value = static_cast<unsigned char>(byte);
        return value < 0x20 || value == 0x7F;
    });
    if (controlByte || std::any_of(label.begin(), label.end(), IsControlCharacter))
        return {LabelProblem::HoldsControlCharacter};
    if (labelBytes.find('"') != std::string::npos || label.find(L'"') != std::wstring::npos)
        return {LabelProblem::HoldsQuotationMark};
    if (fileSystem == L"exFAT") {
        const auto refused = std::find_if(label.begin(), label.end(), ExfatRefuses);
        if (refused != label.end()) return {LabelProblem::HoldsCharacterExfatRefuses, *refused};
    }
    if (fileSystem == L"NTFS" && label.size() > kNtfsLabelMaxChars) return {LabelProblem::TooLongForNtfs};
    if (fileSystem == L"exFAT" && label.size() > kExfatLabelMaxChars) return {LabelProblem::TooLongForExfat};
    return {};
}

std::wstring LabelProblemMessage(const Texts& texts, const LabelCheck& check) {
    switch (check.problem) {
    case LabelProblem::TooLongForNtfs:
        return texts[TextId::LabelTooLongForNtfs];
    case LabelProblem::TooLongForExfat:
        return texts[TextId::LabelTooLongForExfat];
    case LabelProblem::HoldsQuotationMark:
        return texts[TextId::LabelHoldsQuotationMark];
    case LabelProblem::HoldsControlCharacter:
        return texts[TextId::LabelHoldsControlCharacter];
    case LabelProblem::HoldsCharacterExfatRefuses:
        return texts.Format(TextId::LabelHoldsCharacterExfatRefuses, {std::wstring(1, check.character)});
    case LabelProblem::NotInCodePage:
        return texts[TextId::LabelNotInCodePage];
    case LabelProblem::None:
        break;
    }
    return std::wstring();
}
