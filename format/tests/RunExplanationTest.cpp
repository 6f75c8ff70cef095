#include "format/RunExplanation.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::wstring kCopy = L"\n\nPress Ctrl+C to copy this message.";

TEST(RunExplanationTest, FirstParagraphNamesTheCauseByTheExitCode) {
    const struct {
        std::uint32_t codes[2];
        const wchar_t* paragraph;
    } cases[] = {
        {{0x80070013, 0x80042428},
         L"The drive is write-protected. If it has a lock switch, slide it to unlocked. If it stays write-protected, "
         L"the drive may be failing."},
        {{0x80042413, 0x80070020},
         L"The drive is in use by another program. Close every window and program that uses the drive, then press "
         L"Start Format again."},
        {{0x80070005, 0x80042427},
         L"Windows denied access to the drive. Close every program that uses the drive, including security "
         L"software that scans it, then press Start Format again."},
        {{0x80042412, 0x80070015},
         L"The drive is not ready. Unplug it, plug it in again, wait until Windows shows it, then press Start "
         L"Format again."},
        {{0x8004245F, 0x8004245F},
         L"The drive did not answer in time. Unplug it and plug it into another port, then press Start Format again."},
        {{0x8007045D, 0x80070017},
         L"The drive reported a hardware error. Try another port or cable; if the error comes back, the drive may "
         L"be failing."},
        {{0x8004280A, 0x8004280A}, L"The drive is offline. Bring it online in Disk Management, then press Start Format again."},
        {{0x80042429, 0x80042429},
         L"Windows did not accept the drive label. Choose another label, then press Start Format again."},
        {{4, 0x80042414}, L"The disk utility reported an error."},
    };
    for (const auto& c : cases) {
        for (std::uint32_t code : c.codes) {
            const std::wstring text = ExplainFailedRun({RunEnding::UtilityFailed, code, L"x"});
            EXPECT_EQ(text, c.paragraph + (L"\n\nThe disk utility reported:\nx\n\nError code: " + ErrorCodeText(code)) +
                                kCopy)
                << std::hex << code;
        }
    }
}

TEST(RunExplanationTest, TextHoldsTheUtilitysLastLinesItsCodeAndWhatToDo) {
    const std::wstring longLine(250, L'w');
    // A pair of surrogates that the 200th character would split is left out whole.
    const std::wstring split = std::wstring(199, L's') + L"\xD83D\xDE00" L"tail";
    const struct {
        const char* name;
        RunOutcome outcome;
        std::wstring text;
    } cases[] = {
        {"last eight non-empty lines, trimmed and cut",
         {RunEnding::UtilityFailed, 0x80070013,
          L"one\r\ntwo\r\n\r\n  three\r\nfour\r\n \t \r\nfive\nsix\r\n\x00A0seven\x3000\r\n" + longLine + L"\r\n" + split +
              L"\r\n   nine   \r\n\r\n"},
         L"The drive is write-protected. If it has a lock switch, slide it to unlocked. If it stays write-protected, "
         L"the drive may be failing.\n\nThe disk utility reported:\nthree\nfour\nfive\nsix\nseven\n" +
             longLine.substr(0, 200) + L"\n" + std::wstring(199, L's') + L"\nnine\n\nError code: 0x80070013" + kCopy},
        {"printed nothing, exit code below 0x80000000 in decimal",
         {RunEnding::UtilityFailed, 4, L" \r\n\r\n"},
         L"The disk utility reported an error.\n\nThe disk utility printed nothing.\n\nError code: 4" + kCopy},
        {"exit code 0 with a failure word: no code",
         {RunEnding::UtilityFailed, 0, L"DiskPart has encountered an error: Access is denied.\r\n"},
         L"The disk utility reported an error.\n\nThe disk utility reported:\n"
         L"DiskPart has encountered an error: Access is denied." + kCopy},
        {"not started, in the system's words",
         {RunEnding::UtilityNotStarted, 2, L"", L"The system cannot find the file specified.\r\n"},
         L"The disk utility could not be started: The system cannot find the file specified.\n\nError code: 2" + kCopy},
        {"not started, no words for the code",
         {RunEnding::UtilityNotStarted, 0x8007FFFF, L"", L""},
         L"The disk utility could not be started: 0x8007FFFF\n\nError code: 0x8007FFFF" + kCopy},
        {"no system folder", {RunEnding::UtilityNotFound, 0, L"ignored"},
         L"The disk utility could not be found in the system folder." + kCopy},
        {"format.com failed",
         {RunEnding::XpFormatFailed, 4, L"Cannot open volume for direct access.\r\nFormat failed.\r\n"},
         L"format.com could not format the new volume.\n\nThe disk utility reported:\nCannot open volume for direct "
         L"access.\nFormat failed.\n\nError code: 4" + kCopy},
        {"new letter on another disk", {RunEnding::XpLetterElsewhere, 0, L"", L"", L'K'},
         L"The new volume did not appear under the letter K: on the chosen drive, so it was not formatted. Press "
         L"Start Format again." + kCopy},
        {"drive gone before running again",
         {RunEnding::DriveListChanged, 0x80070005, L"DiskPart has encountered an error: Access is denied.\r\n"},
         L"The drive was not formatted again because the list of drives has changed. Check the drive, then press "
         L"Start Format again.\n\nThe disk utility reported:\nDiskPart has encountered an error: Access is denied."
         L"\n\nError code: 0x80070005" + kCopy},
    };
    for (const auto& c : cases) EXPECT_EQ(ExplainFailedRun(c.outcome), c.text) << c.name;
}

TEST(RunExplanationTest, CodesFromTheHighBitOnInUpperCaseHexBelowInDecimal) {
    EXPECT_EQ(ErrorCodeText(0), L"0");
    EXPECT_EQ(ErrorCodeText(0x7FFFFFFF), L"2147483647");
    EXPECT_EQ(ErrorCodeText(0x80000000), L"0x80000000");
    EXPECT_EQ(ErrorCodeText(0x8004245F), L"0x8004245F");
    EXPECT_EQ(WithSystemMessage(kFormatNotStartedLead, 8, L"Not enough memory.\r\n"),
              L"The format could not be started: Not enough memory.");
}

}  // namespace
