// Exit codes of the stand-in utilities, close to those of the system's own disk utilities.
// Pure rules: no Windows header.
#pragma once

inline constexpr int kExitSucceeded = 0;
inline constexpr int kExitUsage = 1;             // the command line is not the one accepted
inline constexpr int kExitRefused = 2;           // not beside the simulator, or no virtual-disks file
inline constexpr int kExitScriptUnreadable = 3;  // the script file cannot be opened or is malformed
inline constexpr int kExitCommandFailed = 4;     // a command failed on the disk, or nothing was saved
inline constexpr int kExitSyntax = 5;            // an unknown command or invalid arguments
