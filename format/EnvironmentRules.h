// Reading the facts of the machine that a format job depends on. Pure rules: no Windows header.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

inline constexpr std::size_t kProductNameBufferBytes = 256;

// Turns the raw registry buffer into the product name: zero bytes are skipped, every other
// byte becomes one character, widened with its sign (0x80..0xFF become 0xFF80..0xFFFF).
std::wstring ProductNameFromBytes(const std::uint8_t (&buffer)[kProductNameBufferBytes]);

// True exactly when the product name is "Microsoft Windows XP" (whole string, case-sensitive).
bool IsWindowsXp(const std::wstring& productName);

// The folder the system's disk utilities are started from, ending in a backslash: a 32-bit
// program on 64-bit Windows (under WOW64) is redirected from the system folder to the 32-bit
// one, so it takes the native folder "Sysnative" under the Windows folder when that exists.
// Empty when the system folder is not known: then nothing may be started at all.
std::wstring SystemUtilityFolder(const std::wstring& systemFolder, const std::wstring& windowsFolder, bool underWow64,
                                 bool sysnativeExists);
