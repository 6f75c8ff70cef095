#include "format/RunExplanation.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::wstring kCopy = L"\n\nPress Ctrl+C to copy this message.";

TEST(RunExplanationTest, TextHoldsTheUtilitysLastLinesItsCodeAndWhatToDo) {
    const Texts english(Language::English);
    const std::wstring longLine(250, L'w');
    // A surrogate pair that the 200th character would split is left out whole.
    const std::wstring split = std::wstring(199, L's') + L"\xD83D\xDE00" L"tail";
    const struct {
        const char* name;
        RunOutcome outcome;
        std::wstring text;
    } cases[] = {
        {"last eight non-empty lines, trimmed and cut at 200 characters",
         {RunEnding::UtilityFailed, 0x80070013,
          L"one\r\ntwo\r\n\r\n  three\r\nfour\r\n \t \r\nfive\nsix\r\n\x00A0seven\x3000\r\n" + longLine + L"\r\n" + split +
              L"\r\n   nine   \r\n\r\n"},
         L"The drive is write-protected. If it has a lock switch, slide it to unlocked. If it stays write-protected, "
         L"the drive may be failing.\n\nThe disk utility reported:\nthree\nfour\nfive\nsix\nseven\n" +
             longLine.substr(0, 200) + L"\n" + std::wstring(199, L's') + L"\nnine\n\nError code: 0x80070013" + kCopy},
        {"in use, the disk service's code",
         {RunEnding::UtilityFailed, 0x80042413, L"busy"},
         L"The drive is in use by another program. Close every window and program that uses the drive, then press "
         L"Start Format again.\n\nThe disk utility reported:\nbusy\n\nError code: 0x80042413" + kCopy},
        {"in use, the Windows twin of that code",
         {RunEnding::UtilityFailed, 0x80070020, L"busy"},
         L"The drive is in use by another program. Close every window and program that uses the drive, then press "
         L"Start Format again.\n\nThe disk utility reported:\nbusy\n\nError code: 0x80070020" + kCopy},
        {"printed nothing; an unknown code below 0x80000000 in decimal",
         {RunEnding::UtilityFailed, 4, L" \r\n\r\n"},
         L"The disk utility reported an error.\n\nThe disk utility printed nothing.\n\nError code: 4" + kCopy},
        {"exit code 0 with a failure word: no code line",
         {RunEnding::UtilityFailed, 0, L"DiskPart has encountered an error: Access is denied.\r\n"},
         L"The disk utility reported an error.\n\nThe disk utility reported:\n"
         L"DiskPart has encountered an error: Access is denied." + kCopy},
        {"not started: the system's words without their line break",
         {RunEnding::UtilityNotStarted, 5, L"", L"Access is denied.\r\n"},
         L"The disk utility could not be started: Access is denied.\n\nError code: 5" + kCopy},
        {"not started, no words for the code",
         {RunEnding::UtilityNotStarted, 0x8007FFFF, L"", L""},
         L"The disk utility could not be started: 0x8007FFFF\n\nError code: 0x8007FFFF" + kCopy},
        {"no system folder", {RunEnding::UtilityNotFound, 0, L"ignored"},
         L"The disk utility could not be found in the system folder." + kCopy},
        {"label not set: the system's words, then its error number in decimal",
         {RunEnding::LabelNotSet, 19, L"", L"Schreibgesch\x00FCtzt. \r\n"},
         L"The drive was formatted, but its label could not be set: Schreibgesch\x00FCtzt. You can set it in "
         L"Explorer: right-click the drive and choose Rename.\n\nError code: 19" + kCopy},
        {"label not set, no words for the error",
         {RunEnding::LabelNotSet, 1234, L"", L"\r\n"},
         L"The drive was formatted, but its label could not be set: error 1234. You can set it in Explorer: "
         L"right-click the drive and choose Rename.\n\nError code: 1234" + kCopy},
        {"the letter taken before anything ran", {RunEnding::LetterTaken, 0, L"", L"", L'K'},
         L"The drive letter K: was taken while you were deciding.\n\nNothing has been formatted. Choose another letter, "
         L"then press Start Format again." + kCopy},
        {"stopped: what the drive is left with, not the killed utility's words or code",
         {RunEnding::Stopped, 1223, L"  50 percent completed\r\n"},
         L"The format was stopped. The drive has no usable file system until it is formatted again: press Start "
         L"Format to format it." + kCopy},
    };
    for (const auto& c : cases) EXPECT_EQ(ExplainFailedRun(english, c.outcome), c.text) << c.name;
}

}  // namespace
