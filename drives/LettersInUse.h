// The drive letters that a new volume cannot take now.
#pragma once

#include <string>
#include <vector>

// The letter entries ("E:") of every drive root in use and of the user's saved network drives,
// D to Z, upper case; a letter may appear twice.
std::vector<std::wstring> LettersInUse();
