#include "format/OutputRules.h"

#include "format/ScriptRules.h"

namespace {

bool Holds(const std::wstring& text, const wchar_t* keyword) {
    return text.find(keyword) != std::wstring::npos;
}

}  // namespace

DiskpartVerdict ClassifyDiskpartOutput(bool started, unsigned long exitCode, const std::wstring& output) {
    if (!started || exitCode != 0) return DiskpartVerdict::Error;
    // A failure word counts whatever the exit code says.
    for (const wchar_t* failure : {L"error:", L"try again!", L" unable "}) {
        if (Holds(output, failure)) return DiskpartVerdict::Error;
    }
    return DiskpartVerdict::Finished;
}

bool IsDiskpartFailureWorthRunningAgain(unsigned long exitCode) {
    return exitCode == 0x80070005 || exitCode == 0x80070015;
}

std::uint32_t RemainingPauseMs(std::uint32_t endedTick, std::uint32_t nowTick, std::uint32_t pauseMs) {
    const std::uint32_t elapsed = nowTick - endedTick;
    return elapsed >= pauseMs ? 0 : pauseMs - elapsed;
}

std::wstring ScriptCleanupPattern(const std::wstring& tempPath) { return tempPath + L"diskpart*.*"; }

bool IsScriptFileName(const std::wstring& fileName) {
    static constexpr wchar_t kPrefix[] = L"diskpart";
    constexpr std::size_t kPrefixLength = sizeof(kPrefix) / sizeof(kPrefix[0]) - 1;
    if (fileName.size() <= kPrefixLength) return false;
    for (std::size_t i = 0; i < kPrefixLength; ++i) {
        wchar_t c = fileName[i];
        if (c >= L'A' && c <= L'Z') c = wchar_t(c - L'A' + L'a');
        if (c != kPrefix[i]) return false;
    }
    for (std::size_t i = kPrefixLength; i < fileName.size(); ++i)
        if (fileName[i] < L'0' || fileName[i] > L'9') return false;
    return true;
}

std::wstring BuildXpFormatCommand(const std::wstring& driveLetter, const std::wstring& label) {
    return L"format.com " + driveLetter + L": /FS:NTFS /V:" + QuoteIfHoldsBlank(label) + L" /q /x /y";
}

std::wstring BuildOpenDriveQuestion(const Texts& texts, const std::wstring& driveLetter) {
    return texts.Format(TextId::OpenDriveQuestion, {driveLetter});
}

std::wstring DriveRootPath(const std::wstring& driveLetter) {
    return driveLetter + L":\\";
}
