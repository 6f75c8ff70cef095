// The command lines the stand-in utilities accept, checked strictly: the program token as the
// caller wrote it, then exactly the switches below in this order, separated by single blanks.
// Pure rules: no Windows header. Text is UTF-8.
#pragma once

#include <optional>
#include <string>

// "<program> /s <path>" or "<program> /s \"<path>\""; the script path, or nothing.
std::optional<std::string> ParseDiskpartCommandLine(const std::string& commandLine);

struct FormatComInvocation {
    std::string letter;  // one letter, as written
    std::string label;   // may be empty
};

// "<program> X: /FS:NTFS /V:<label> /q /x /y", the label one word (possibly empty) or in
// double quotes (then it may hold blanks); the letter and label, or nothing.
std::optional<FormatComInvocation> ParseFormatComCommandLine(const std::string& commandLine);

inline constexpr char kDiskpartUsage[] = "Usage: diskpart.exe /s <script file>";
inline constexpr char kFormatComUsage[] = "Usage: format.com X: /FS:NTFS /V:<label> /q /x /y";
