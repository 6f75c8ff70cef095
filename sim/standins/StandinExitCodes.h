// Exit codes of the stand-in utilities: those that the system's own utilities document.
// Pure rules: no Windows header.
#pragma once

// diskpart.exe
inline constexpr int kDiskpartExitSucceeded = 0;        // no error; the whole script ran
inline constexpr int kDiskpartExitFatal = 1;            // fatal: not beside the simulator, no virtual-disks file
inline constexpr int kDiskpartExitBadArguments = 2;     // the command line is not the one accepted
inline constexpr int kDiskpartExitScriptUnreadable = 3; // the script cannot be opened or read
inline constexpr int kDiskpartExitServiceError = 4;     // a command failed on the disk, or nothing was saved
inline constexpr int kDiskpartExitSyntax = 5;           // an unknown command or invalid arguments in the script
// VDS_E_BAD_LABEL, the volume label is not valid: here, a script byte above 0x7F
inline constexpr int kDiskpartExitBadLabel = static_cast<int>(0x80042429u);

// format.com
inline constexpr int kFormatComExitSucceeded = 0;       // formatted
inline constexpr int kFormatComExitBadParameters = 1;   // the command line is not the one accepted
inline constexpr int kFormatComExitFatal = 4;           // refused, no such drive, or the format failed
