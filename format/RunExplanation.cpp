#include "format/RunExplanation.h"

#include <cstdio>
#include <vector>

namespace {

constexpr std::size_t kShownLines = 8;
constexpr std::size_t kShownLineLength = 200;

// The causes a user can act on, keyed by the exit code that names them in every language.
struct Cause {
    std::uint32_t codes[2];
    TextId text;
};

constexpr Cause kCauses[] = {
    {{0x80070013, 0x80042428}, TextId::CauseWriteProtected},
    {{0x80042413, 0x80070020}, TextId::CauseInUse},
    {{0x80070005, 0x80042427}, TextId::CauseAccessDenied},
    {{0x80042412, 0x80070015}, TextId::CauseNotReady},
    {{0x8004245F, 0x8004245F}, TextId::CauseNoAnswer},
    {{0x8007045D, 0x80070017}, TextId::CauseHardwareError},
    {{0x8004280A, 0x8004280A}, TextId::CauseOffline},
    {{0x80042429, 0x80042429}, TextId::CauseLabelRefused},
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

std::wstring ReportedParagraph(const Texts& texts, const std::wstring& output) {
    const std::vector<std::wstring> lines = LastLines(output);
    if (lines.empty()) return texts[TextId::UtilityPrintedNothing];
    std::wstring paragraph = texts[TextId::UtilityReported];
    for (const std::wstring& line : lines) paragraph += L"\n" + line;
    return paragraph;
}

std::wstring CauseOfExitCode(const Texts& texts, std::uint32_t code) {
    for (const Cause& cause : kCauses)
        if (code == cause.codes[0] || code == cause.codes[1]) return texts[cause.text];
    return texts[TextId::CauseUnknown];
}

std::wstring FirstParagraph(const Texts& texts, const RunOutcome& outcome) {
    switch (outcome.ending) {
        case RunEnding::UtilityFailed:
            return CauseOfExitCode(texts, outcome.code);
        case RunEnding::UtilityNotStarted:
            return WithSystemMessage(texts[TextId::UtilityNotStarted], outcome.code, outcome.systemMessage);
        case RunEnding::UtilityNotFound:
            return texts[TextId::UtilityNotFound];
        case RunEnding::XpFormatFailed:
            return texts[TextId::XpFormatFailed];
        case RunEnding::NewLetterElsewhere:
            return texts.Format(TextId::NewLetterElsewhere, {std::wstring(1, outcome.driveLetter)});
        case RunEnding::LabelLetterElsewhere:
            return texts.Format(TextId::LabelLetterElsewhere, {std::wstring(1, outcome.driveLetter)});
        case RunEnding::LetterTaken:
            return LetterTakenMessage(texts, outcome.driveLetter);
        case RunEnding::DriveListChanged:
            return texts[TextId::DriveListChangedBeforeSecondRun];
        case RunEnding::Stopped:
            return texts[TextId::RunStopped];
        case RunEnding::LabelNotSet: {
            const std::wstring reason = Trimmed(outcome.systemMessage);
            return texts.Format(TextId::LabelNotSet,
                                {reason.empty() ? texts.Format(TextId::LabelErrorNumber, {ErrorCodeText(outcome.code)})
                                                : reason});
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

std::wstring ExplainFailedRun(const Texts& texts, const RunOutcome& outcome) {
    std::wstring text = FirstParagraph(texts, outcome);
    const bool ran = UtilityRan(outcome.ending);
    if (ran) text += L"\n\n" + ReportedParagraph(texts, outcome.output);
    // An exit code of 0 names no failure (a failure word decided); not every ending has a code.
    const bool hasSystemError =
        outcome.ending == RunEnding::UtilityNotStarted || outcome.ending == RunEnding::LabelNotSet;
    if ((ran || hasSystemError) && outcome.code != 0)
        text += L"\n\n" + texts.Format(TextId::ErrorCodeLine, {ErrorCodeText(outcome.code)});
    return text + L"\n\n" + texts[TextId::CopyMessageHint];
}

std::wstring LetterTakenMessage(const Texts& texts, wchar_t driveLetter) {
    return texts.Format(TextId::LetterTaken, {std::wstring(1, driveLetter)});
}

std::wstring WithSystemMessage(const std::wstring& pattern, std::uint32_t code, const std::wstring& systemMessage) {
    const std::wstring message = Trimmed(systemMessage);
    return FillPlaceholders(pattern, {message.empty() ? ErrorCodeText(code) : message});
}

std::wstring ErrorCodeText(std::uint32_t code) {
    if (code < 0x80000000u) return std::to_wstring(code);
    char hex[16];
    std::snprintf(hex, sizeof(hex), "0x%08X", static_cast<unsigned>(code));
    return std::wstring(hex, hex + 10);
}
