#include "sim/standins/StandinCommandLines.h"

namespace {

// What follows the program token: the token is either in double quotes or runs up to the first
// blank, as the system splits a command line. Nothing when the quotes are not closed.
std::optional<std::string> ArgumentsAfterProgram(const std::string& commandLine) {
    std::size_t end = 0;
    if (!commandLine.empty() && commandLine[0] == '"') {
        end = commandLine.find('"', 1);
        if (end == std::string::npos) return std::nullopt;
        ++end;
    } else {
        end = commandLine.find(' ');
        if (end == std::string::npos) end = commandLine.size();
    }
    return commandLine.substr(end);
}

bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

bool IsAsciiLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// A value that is one word (no blank, no quote; possibly empty) or quoted (no quote inside),
// followed by exactly the tail. The value without its quotes, or nothing.
std::optional<std::string> ValueBeforeTail(const std::string& text, const std::string& tail, bool allowEmpty) {
    if (text.size() < tail.size() || text.compare(text.size() - tail.size(), tail.size(), tail) != 0) {
        return std::nullopt;
    }
    std::string value = text.substr(0, text.size() - tail.size());
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
        value = value.substr(1, value.size() - 2);
        if (value.find('"') != std::string::npos) return std::nullopt;
    } else if (value.find_first_of(" \t\"") != std::string::npos) {
        return std::nullopt;
    }
    if (value.empty() && !allowEmpty) return std::nullopt;
    return value;
}

}  // namespace

std::optional<std::string> ParseDiskpartCommandLine(const std::string& commandLine) {
    const auto arguments = ArgumentsAfterProgram(commandLine);
    const std::string prefix = " /s ";
    if (!arguments || !StartsWith(*arguments, prefix)) return std::nullopt;
    return ValueBeforeTail(arguments->substr(prefix.size()), "", false);
}

std::optional<FormatComInvocation> ParseFormatComCommandLine(const std::string& commandLine) {
    const auto arguments = ArgumentsAfterProgram(commandLine);
    const std::string switches = ": /FS:NTFS /V:";
    if (!arguments || arguments->size() < 2 + switches.size() || (*arguments)[0] != ' ' ||
        !IsAsciiLetter((*arguments)[1]) || arguments->compare(2, switches.size(), switches) != 0) {
        return std::nullopt;
    }
    const auto label = ValueBeforeTail(arguments->substr(2 + switches.size()), " /q /x /y", true);
    if (!label) return std::nullopt;
    return FormatComInvocation{arguments->substr(1, 1), *label};
}
