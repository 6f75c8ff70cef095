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
