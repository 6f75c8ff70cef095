#include "format/RunExplanation.h"

#include <cstdio>
#include <vector>

#include "format/RunQuestions.h"

namespace {

constexpr std::size_t kShownLines = 8;
constexpr std::size_t kShownLineLength = 200;

// The causes a user can act on, keyed by the exit code that names them in every language.
struct Cause {
    std::uint32_t codes[2];
    const wchar_t* text;
};

constexpr Cause kCauses[] = {
    {{0x80070013, 0x80042428},
     L"The drive is write-protected. If it has a lock switch, slide it to unlocked. If it stays write-protected, "
     L"the drive may be failing."},
    {{0x80042413, 0x80070020},
     L"The drive is in use by another program. Close every window and program that uses the drive, then press "
     L"Start Format again."},
    {{0x80070005, 0x80042427},
     L"Windows denied access to the drive. Close every program that uses the drive, including security software "
     L"that scans it, then press Start Format again."},
    {{0x80042412, 0x80070015},
     L"The drive is not ready. Unplug it, plug it in again, wait until Windows shows it, then press Start Format "
     L"again."},
    {{0x8004245F, 0x8004245F},
     L"The drive did not answer in time. Unplug it and plug it into another port, then press Start Format again."},
    {{0x8007045D, 0x80070017},
     L"The drive reported a hardware error. Try another port or cable; if the error comes back, the drive may be "
     L"failing."},
    {{0x8004280A, 0x8004280A}, L"The drive is offline. Bring it online in Disk Management, then press Start Format again."},
    {{0x80042429, 0x80042429}, L"Windows did not accept the drive label. Choose another label, then press Start Format again."},
};

bool IsBlank(wchar_t c) {
    return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n' || c == L'\v' || c == L'\f' || c == 0x00A0 ||
           c == 0x3000;
}

std::wstring Trimmed(const std::wstring& text) {
    std::size_t begin = 0, end = text.size();
    while (begin < end && IsBlank(text[begin])) ++begin;
    while (end > begin && IsBlank(text[end - 1])) --end;
    return text.substr(begin, end - begin);
}

// At most kShownLineLength characters, never half of a surrogate pair.
std::wstring Shortened(std::wstring line) {
    if (line.size() <= kShownLineLength) return line;
    std::size_t length = kShownLineLength;
    if (line[length - 1] >= 0xD800 && line[length - 1] <= 0xDBFF) --length;
    return line.substr(0, length);
}

// The last non-empty lines the utility printed, each trimmed and shortened.
std::vector<std::wstring> LastLines(const std::wstring& output) {
    std::vector<std::wstring> lines;
    std::size_t start = 0;
    while (start <= output.size()) {
        std::size_t end = output.find(L'\n', start);
        if (end == std::wstring::npos) end = output.size();
        const std::wstring line = Trimmed(output.substr(start, end - start));
        if (!line.empty()) lines.push_back(Shortened(line));
        start = end + 1;
    }
    if (lines.size() > kShownLines) lines.erase(lines.begin(), lines.end() - kShownLines);
    return lines;
}

std::wstring ReportedParagraph(const std::wstring& output) {
    const std::vector<std::wstring> lines = LastLines(output);
    if (lines.empty()) return L"The disk utility printed nothing.";
    std::wstring paragraph = L"The disk utility reported:";
    for (const std::wstring& line : lines) paragraph += L"\n" + line;
    return paragraph;
}

std::wstring CauseOfExitCode(std::uint32_t code) {
    for (const Cause& cause : kCauses)
        if (code == cause.codes[0] || code == cause.codes[1]) return cause.text;
    return L"The disk utility reported an error.";
}

std::wstring FirstParagraph(const RunOutcome& outcome) {
    switch (outcome.ending) {
        case RunEnding::UtilityFailed:
            return CauseOfExitCode(outcome.code);
        case RunEnding::UtilityNotStarted:
            return WithSystemMessage(L"The disk utility could not be started: ", outcome.code, outcome.systemMessage);
        case RunEnding::UtilityNotFound:
            return L"The disk utility could not be found in the system folder.";
        case RunEnding::XpFormatFailed:
            return L"format.com could not format the new volume.";
        case RunEnding::NewLetterElsewhere:
            return std::wstring(L"The new volume did not appear under the letter ") + outcome.driveLetter +
                   L": on the chosen drive, so it was not formatted. Press Start Format again.";
        case RunEnding::LabelLetterElsewhere:
            return std::wstring(L"The drive was formatted, but the new volume did not appear under the letter ") +
                   outcome.driveLetter +
                   L": on the chosen drive, so its label was not set. When the drive appears, set its label in "
                   L"Explorer: right-click the drive and choose Rename.";
        case RunEnding::LetterTaken:
            return LetterTakenMessage(outcome.driveLetter);
        case RunEnding::DriveListChanged:
            return L"The drive was not formatted again because the list of drives has changed. Check the drive, "
                   L"then press Start Format again.";
        case RunEnding::Stopped:
            return kStoppedRunExplanation;
        case RunEnding::LabelNotSet: {
            const std::wstring reason = Trimmed(outcome.systemMessage);
            return L"The drive was formatted, but its label could not be set: " +
                   (reason.empty() ? L"error " + ErrorCodeText(outcome.code) + L"." : reason) +
                   L" You can set it in Explorer: right-click the drive and choose Rename.";
        }
    }
    return {};
}

// The endings after which a utility ran and its words and exit code tell more.
bool UtilityRan(RunEnding ending) {
    return ending == RunEnding::UtilityFailed || ending == RunEnding::XpFormatFailed ||
           ending == RunEnding::DriveListChanged;
}

}  // namespace

std::wstring ExplainFailedRun(const RunOutcome& outcome) {
    std::wstring text = FirstParagraph(outcome);
    const bool ran = UtilityRan(outcome.ending);
    if (ran) text += L"\n\n" + ReportedParagraph(outcome.output);
    // An exit code of 0 names no failure (a failure word decided); not every ending has a code.
    const bool hasSystemError =
        outcome.ending == RunEnding::UtilityNotStarted || outcome.ending == RunEnding::LabelNotSet;
    if ((ran || hasSystemError) && outcome.code != 0)
        text += L"\n\nError code: " + ErrorCodeText(outcome.code);
    return text + L"\n\nPress Ctrl+C to copy this message.";
}

std::wstring LetterTakenMessage(wchar_t driveLetter) {
    return std::wstring(L"The drive letter ") + driveLetter +
           L": was taken while you were deciding.\n\nNothing has been formatted. Choose another letter, then press "
           L"Start Format again.";
}

std::wstring WithSystemMessage(const std::wstring& lead, std::uint32_t code, const std::wstring& systemMessage) {
    const std::wstring message = Trimmed(systemMessage);
    return lead + (message.empty() ? ErrorCodeText(code) : message);
}

std::wstring ErrorCodeText(std::uint32_t code) {
    if (code < 0x80000000u) return std::to_wstring(code);
    char hex[16];
    std::snprintf(hex, sizeof(hex), "0x%08X", static_cast<unsigned>(code));
    return std::wstring(hex, hex + 10);
}
