// Splitting a message that holds line breaks into the lines a utility prints.
// Pure rules: no Windows header.
#pragma once

#include <string>
#include <vector>

// The text between the line feeds; a text without one is one line, an empty text one empty line.
std::vector<std::string> SplitMessageLines(const std::string& text);
