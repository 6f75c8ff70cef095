// The exact texts the program shows, written out here on their own so that a test compares the
// window with what the user must see, not with the program's own constants.
#pragma once

inline constexpr wchar_t kMainWindowTitle[] = L"Quarrix Disk Formatter v1.34 Beta";
inline constexpr wchar_t kAboutWindowTitle[] = L"About Quarrix Disk Formatter v1.34 Beta";
inline constexpr wchar_t kNoDrivesText[] = L"No Quarrix drives found.";
inline constexpr wchar_t kIdleWarning[] =
    L"Warning: This program will delete all your data stored on the Quarrix drive!";
inline constexpr wchar_t kNotReadyText[] =
    L"A Quarrix drive is attached but not ready: unlock it or plug it in again.";
inline constexpr wchar_t kAccessRefusedText[] =
    L"A Quarrix drive is attached, but this account may not open it: start the program as an administrator.";
inline constexpr wchar_t kPartitioning[] = L"Partitioning drive...";
inline constexpr wchar_t kFormatting[] = L"Formatting drive...";
inline constexpr wchar_t kFinished[] = L"The formatting has successfully finished!";
inline constexpr wchar_t kFailed[] = L"An error has occurred!";
inline constexpr wchar_t kScriptNotCreated[] = L"There was an error creating diskpart file.";
inline constexpr wchar_t kEnterpriseWarningText[] =
    L"Quarrix Enterprise detected!\n\nYou will need to press [CONTINUE] on the Quarrix drive when prompted to "
    L"modify the file system.  Otherwise this formatting process will not complete successfully.";
inline constexpr wchar_t kWindowsXp[] = L"Microsoft Windows XP";
inline constexpr wchar_t kStopQuestionText[] =
    L"A drive is being formatted.\n\nStopping now leaves the drive without a usable file system until it is "
    L"formatted again.\n\nStop formatting?";
inline constexpr wchar_t kStopBeforeStartText[] =
    L"Formatting has not started yet, and nothing on the drive has changed.\n\nStop it?";
inline constexpr wchar_t kStoppedBeforeStartText[] =
    L"The format was stopped before it started. Nothing on the drive has changed.";
inline constexpr wchar_t kStoppedRunText[] =
    L"The format was stopped. The drive has no usable file system until it is formatted again: press Start "
    L"Format to format it.";
