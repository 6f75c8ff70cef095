// Conversions between the program's wide text and the thread's ANSI code page, the encoding of
// everything that crosses into a file or a child process; and from the OEM code page, in which
// console utilities write into a pipe.
#pragma once

#include <optional>
#include <string>
#include <string_view>

std::string ToThreadAnsi(std::wstring_view text);
std::wstring FromThreadAnsi(std::string_view bytes);
std::wstring FromOemCodePage(std::string_view bytes);

// The text in the thread's ANSI code page, or nothing when the code page cannot carry every
// character exactly (no best-fit look-alike, no default character), or when a character beyond
// ASCII has other bytes in the system's ANSI code page, so that readers would differ.
std::optional<std::string> ToThreadAnsiExactly(std::wstring_view text);
