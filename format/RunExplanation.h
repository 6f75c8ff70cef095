// What the user is told when a format run ends in an error: why, in the disk utility's own
// words, and what to do next. Pure rules: no Windows header.
#pragma once

#include <cstdint>
#include <string>

#include "lang/Texts.h"

// How a run came to its error end.
enum class RunEnding {
    UtilityFailed,       // diskpart ran and failed, by its exit code or a failure word
    UtilityNotStarted,   // a utility could not be started; `code` is the system's error number
    UtilityNotFound,     // the system folder that holds the utilities is not known
    XpFormatFailed,      // Windows XP: format.com ran and failed
    NewLetterElsewhere,  // Windows XP, before format.com: the new letter is not on the chosen disk
    LabelLetterElsewhere,  // formatted, but before the label the new letter is not on the chosen disk
    LetterTaken,         // before diskpart: another drive has taken the chosen letter
    DriveListChanged,    // diskpart failed, and before it ran again the chosen drive was gone
    Stopped,             // the user stopped the run while a utility ran
    LabelNotSet,         // formatted, but the system did not set the label; `code` is its error
};

struct RunOutcome {
    RunEnding ending = RunEnding::UtilityFailed;
    std::uint32_t code = 0;         // the utility's exit code, or the system's error number
    std::wstring output{};          // what the utility printed
    std::wstring systemMessage{};   // the system's words for `code` when nothing was started or labelled
    wchar_t driveLetter = L'?';     // the chosen letter, for the endings about it
};

// The text of the box shown after the run: a first paragraph that names the cause and the next
// step, the utility's last lines, its code, and how to copy the text.
std::wstring ExplainFailedRun(const Texts& texts, const RunOutcome& outcome);

// Told when the chosen letter was taken by another drive before anything ran.
std::wstring LetterTakenMessage(const Texts& texts, wchar_t driveLetter);

// `pattern` with %1 replaced by the system's message (its trailing line break trimmed), or by the
// code when the system has no message for it.
std::wstring WithSystemMessage(const std::wstring& pattern, std::uint32_t code, const std::wstring& systemMessage);

// "0x" and eight upper-case hex digits from 0x80000000 on (HRESULTs), the decimal number below.
std::wstring ErrorCodeText(std::uint32_t code);
