// Which drive letters a new volume may take: "D:" to "Z:" less those whose root is in use.
// Pure rules: no Windows header.
#pragma once

#include <string>
#include <vector>

// `roots` is the buffer that GetLogicalDriveStringsA fills: "C:\" NUL "D:\" NUL ... NUL,
// passed with its length. Reading stops at the empty root or at the end of the buffer.
// Returns the letter entries ("E:") of the roots in use, in the order the system lists them,
// upper case, A to C left out (they are never offered).
std::vector<std::wstring> UsedDriveLetters(const std::string& roots);

// "D:" to "Z:" in alphabetical order, less every letter in use (compared without regard to case).
std::vector<std::wstring> FreeDriveLetters(const std::string& roots);

// The letter entries ("K:") of the user's saved network drives, from the names of the keys under
// HKEY_CURRENT_USER\Network: each name that is one letter (any case) names one. Upper case, A to C
// left out.
std::vector<std::wstring> MappedDriveLetters(const std::vector<std::wstring>& networkKeyNames);

// True when `letter` (any case) is one of the letter entries in use ("K:").
bool IsDriveLetterInUse(wchar_t letter, const std::vector<std::wstring>& lettersInUse);
