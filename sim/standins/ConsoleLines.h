// Prints the stand-ins' lines as the system's utilities do: each ended by CR LF, in the OEM
// code page when the output goes to a pipe or file, as wide text on a console window.
#pragma once

#include <string>
#include <vector>

// The lines are UTF-8.
void PrintLines(const std::vector<std::string>& lines);
