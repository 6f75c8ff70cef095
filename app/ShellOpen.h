// Opening folders and web addresses through the shell, as the program or as the signed-in user.
#pragma once

#include <string>

// Opens the target with the shell's "open" verb from this process. COM is set up on the calling
// thread around the call, since the shell may hand the target to an extension that needs it.
void ShellOpen(const std::wstring& target);

// True when the process runs with an elevated token; false when it does not, or when the system
// knows no elevation (Windows XP).
bool IsProcessElevated();

// Asks the desktop's shell (Explorer) to open the target, so that whatever it starts runs as the
// signed-in user rather than with this process's rights; false when that route fails.
[[nodiscard]] bool OpenFromDesktopShell(const std::wstring& target);
