// Conversions between the program's wide text and the thread's ANSI code page, the encoding of
// everything that crosses into a file or a child process.
#pragma once

#include <string>
#include <string_view>

std::string ToThreadAnsi(std::wstring_view text);
std::wstring FromThreadAnsi(std::string_view bytes);
