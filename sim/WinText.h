// Conversions between the UTF-8 text of the virtual-disks file and rules, the wide text of
// Windows, the ANSI code page in which scripts travel and the OEM code page in which console
// utilities write into a pipe.
#pragma once

#include <string>

std::string Utf8FromWide(const std::wstring& text);
std::wstring WideFromUtf8(const std::string& text);
std::string Utf8FromAnsi(const std::string& text);
std::string OemFromUtf8(const std::string& text);
