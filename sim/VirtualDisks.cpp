#include "sim/VirtualDisks.h"

#include <algorithm>
#include <cctype>
#include <limits>

namespace {

const char* const kFailCommands[] = {"select", "clean", "create", "format", "assign", "format.com", "label"};

std::string Trim(const std::string& text) {
    const auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isBlank(text[begin])) ++begin;
    while (end > begin && isBlank(text[end - 1])) --end;
    return text.substr(begin, end - begin);
}

// Reads a whole decimal number of digits only (no sign, no blanks) that fits below the limit.
std::optional<std::uint64_t> ParseDecimal(const std::string& text, std::uint64_t limit) {
    if (text.empty() || text.size() > 19) return std::nullopt;
    std::uint64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
    }
    if (value > limit) return std::nullopt;
    return value;
}

// A 32-bit exit code: decimal digits, or "0x" and hexadecimal digits (0x80042413).
std::optional<std::uint32_t> ParseExitCode(const std::string& text) {
    if (text.size() < 3 || text.compare(0, 2, "0x") != 0)
        return ParseDecimal(text, std::numeric_limits<std::uint32_t>::max());
    if (text.size() > 10) return std::nullopt;
    std::uint32_t value = 0;
    for (std::size_t i = 2; i < text.size(); ++i) {
        const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(text[i])));
        const int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
        if (digit < 0) return std::nullopt;
        value = value * 16 + static_cast<std::uint32_t>(digit);
    }
    return value;
}

std::optional<bool> ParseChoice(const std::string& text, const char* yes, const char* no) {
    if (text == yes) return true;
    if (text == no) return false;
    return std::nullopt;
}

// In the file a fail message or a progress text is one line: "\n" stands for a line break and "\\" for a backslash;
// any other backslash is an ordinary character.
std::string UnescapeMessage(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && (text[i + 1] == 'n' || text[i + 1] == '\\')) {
            out += text[i + 1] == 'n' ? '\n' : '\\';
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string EscapeMessage(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\n') {
            out += "\\n";
        } else if (c == '\\') {
            out += "\\\\";
        } else if (c != '\r') {
            out += c;
        }
    }
    return out;
}

// Applies one "key = value" line to the disk; the error text, or empty when it was taken.
std::string ApplyKey(VirtualDisk& disk, const std::string& key, const std::string& value) {
    if (key == "path") {
        disk.path = value;
    } else if (key == "name") {
        disk.name = value;
    } else if (key == "name-unreadable") {
        const auto choice = ParseChoice(value, "yes", "no");
        if (!choice) return "name-unreadable must be yes or no";
        disk.nameUnreadable = *choice;
    } else if (key == "number") {
        const auto number = ParseDecimal(value, std::numeric_limits<std::uint32_t>::max());
        if (!number) return "number must be a whole number of 32 bits";
        disk.number = static_cast<std::uint32_t>(*number);
    } else if (key == "length") {
        const auto length = ParseDecimal(value, static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()));
        if (!length) return "length must be a whole number of bytes";
        disk.length = static_cast<std::int64_t>(*length);
    } else if (key == "sector-size") {
        const auto size = ParseDecimal(value, std::uint64_t{1} << 31);
        if (!size || *size == 0 || (*size & (*size - 1)) != 0) return "sector-size must be a power of two of bytes";
        disk.sectorSize = static_cast<std::uint32_t>(*size);
    } else if (key == "open" && value == "denied") {
        disk.openFails = disk.openDenied = true;
    } else if (key == "open" || key == "ioctl") {
        const auto fails = ParseChoice(value, "fail", "ok");
        if (!fails) return key + (key == "open" ? " must be fail, denied or ok" : " must be fail or ok");
        (key == "open" ? disk.openFails : disk.ioctlFails) = *fails;
        if (key == "open") disk.openDenied = false;
    } else if (key == "fail-command") {
        const bool known = value.empty() || std::find(std::begin(kFailCommands), std::end(kFailCommands), value) !=
                                                std::end(kFailCommands);
        if (!known) return "fail-command must be select, clean, create, format, assign, format.com or label";
        disk.failCommand = value;
    } else if (key == "fail-message") {
        disk.failMessage = UnescapeMessage(value);
    } else if (key == "fail-exit-code") {
        const auto code = ParseExitCode(value);
        if (!code) return "fail-exit-code must be a 32-bit number, decimal or 0x-hexadecimal";
        disk.failExitCode = *code;
    } else if (key == "fail-times") {
        const auto times = ParseDecimal(value, std::numeric_limits<std::uint32_t>::max());
        if (!times) return "fail-times must be a whole number of 32 bits";
        disk.failTimes = static_cast<std::uint32_t>(*times);
    } else if (key == "progress") {
        disk.progress = UnescapeMessage(value);
    } else if (key == "sizes") {
        if (value != "KB" && value != "MB") return "sizes must be KB or MB";
        disk.sizes = value;
    } else if (key == "delay-ms") {
        const auto delay = ParseDecimal(value, std::numeric_limits<int>::max());
        if (!delay) return "delay-ms must be a whole number of milliseconds";
        disk.delayMs = static_cast<int>(*delay);
    } else if (key == "silent") {
        const auto choice = ParseChoice(value, "yes", "no");
        if (!choice) return "silent must be yes or no";
        disk.silent = *choice;
    } else if (key == "contents") {
        disk.contents = value;
    } else if (key == "partition") {
        disk.partition = value;
    } else if (key == "partition-style") {
        if (!value.empty() && value != "MBR" && value != "GPT") return "partition-style must be MBR or GPT";
        disk.partitionStyle = value;
    } else if (key == "partition-length") {
        const auto length = ParseDecimal(value, static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()));
        if (!length) return "partition-length must be a whole number of bytes";
        disk.partitionLength = static_cast<std::int64_t>(*length);
    } else if (key == "filesystem") {
        disk.fileSystem = value;
    } else if (key == "label") {
        disk.label = value;
    } else if (key == "letter") {
        disk.letter = value;
    } else {
        disk.otherKeys[key] = value;
    }
    return {};
}

void AppendLine(std::string& text, const std::string& key, const std::string& value) {
    text += key;
    text += value.empty() ? " =" : " = ";
    text += value;
    text += '\n';
}

bool SameLetter(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

}  // namespace

VirtualDiskParse ParseVirtualDisks(const std::string& text) {
    VirtualDiskParse result;
    std::size_t start = 0;
    // A byte-order mark left by an editor is not part of the first line.
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) start = 3;
    int lineNumber = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        const std::string line = Trim(text.substr(start, end - start));
        start = end + 1;
        ++lineNumber;
        if (line.empty() || line[0] == '#') continue;
        const auto fail = [&](const std::string& why) {
            result.disks.clear();
            result.error = "line " + std::to_string(lineNumber) + ": " + why;
            return result;
        };
        if (line[0] == '[') {
            if (line != "[disk]") return fail("unknown section " + line);
            result.disks.emplace_back();
            continue;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos) return fail("expected key = value");
        const std::string key = Trim(line.substr(0, equals));
        if (key.empty()) return fail("missing key before =");
        if (result.disks.empty()) return fail("key " + key + " before the first [disk]");
        const std::string why = ApplyKey(result.disks.back(), key, Trim(line.substr(equals + 1)));
        if (!why.empty()) return fail(why);
    }
    return result;
}

std::string SerializeVirtualDisks(const std::vector<VirtualDisk>& disks) {
    std::string text;
    for (const VirtualDisk& disk : disks) {
        if (!text.empty()) text += '\n';
        text += "[disk]\n";
        AppendLine(text, "path", disk.path);
        AppendLine(text, "name", disk.name);
        if (disk.nameUnreadable) AppendLine(text, "name-unreadable", "yes");
        AppendLine(text, "number", std::to_string(disk.number));
        AppendLine(text, "length", std::to_string(disk.length));
        if (disk.sectorSize != 512) AppendLine(text, "sector-size", std::to_string(disk.sectorSize));
        if (disk.openFails) AppendLine(text, "open", disk.openDenied ? "denied" : "fail");
        if (disk.ioctlFails) AppendLine(text, "ioctl", "fail");
        if (!disk.failCommand.empty()) AppendLine(text, "fail-command", disk.failCommand);
        if (!disk.failMessage.empty()) AppendLine(text, "fail-message", EscapeMessage(disk.failMessage));
        if (disk.failExitCode) AppendLine(text, "fail-exit-code", std::to_string(*disk.failExitCode));
        if (disk.failTimes) AppendLine(text, "fail-times", std::to_string(*disk.failTimes));
        if (disk.progress) AppendLine(text, "progress", EscapeMessage(*disk.progress));
        if (disk.sizes != "KB") AppendLine(text, "sizes", disk.sizes);
        if (disk.delayMs != 0) AppendLine(text, "delay-ms", std::to_string(disk.delayMs));
        if (disk.silent) AppendLine(text, "silent", "yes");
        AppendLine(text, "contents", disk.contents);
        AppendLine(text, "partition", disk.partition);
        if (!disk.partitionStyle.empty()) AppendLine(text, "partition-style", disk.partitionStyle);
        if (disk.partitionLength) AppendLine(text, "partition-length", std::to_string(*disk.partitionLength));
        AppendLine(text, "filesystem", disk.fileSystem);
        AppendLine(text, "label", disk.label);
        AppendLine(text, "letter", disk.letter);
        for (const auto& [key, value] : disk.otherKeys) AppendLine(text, key, value);
    }
    return text;
}

bool TakeFailure(VirtualDisk& disk, const std::string& command) {
    if (disk.failCommand != command || disk.failTimes == 0u) return false;
    if (disk.failTimes) --*disk.failTimes;
    return true;
}

VirtualDisk* FindDiskByNumber(std::vector<VirtualDisk>& disks, std::uint32_t number) {
    for (VirtualDisk& disk : disks) {
        if (disk.number == number) return &disk;
    }
    return nullptr;
}

VirtualDisk* FindDiskByLetter(std::vector<VirtualDisk>& disks, const std::string& letter) {
    if (letter.empty()) return nullptr;
    for (VirtualDisk& disk : disks) {
        if (SameLetter(disk.letter, letter)) return &disk;
    }
    return nullptr;
}

std::string DefaultVirtualDisksText() {
    return R"(# Virtual disks of the Quarrix Disk Formatter simulator.
# The simulated drive scan lists the disks below; the stand-in utilities diskpart.exe and
# format.com record here what they did to them. See sim/README.md for every key.

# The computer's own disk, of another maker: never listed.
[disk]
path = \\?\scsi#disk&ven_acme&prod_ssd_512&rev_2.10#4&2f1c0a7&0&000000#{53f56307-b6bf-11d0-94f2-00a0c91efb8b}
name = ACME SSD 512
number = 0
length = 512110190592
contents = system files
partition = primary
filesystem = NTFS
label = System
letter = C

[disk]
path = \\?\usbstor#disk&ven_qrx&prod_qx7&rev_1.00#000000000001&0#{53f56307-b6bf-11d0-94f2-00a0c91efb8b}
name = Quarrix QX7 USB Device
number = 1
length = 1000204886016
contents = old files
partition = primary
filesystem = NTFS
label = QX7
letter =

[disk]
path = \\?\usbstor#disk&ven_qrx&prod_qx7fips&rev_1.00#000000000002&0#{53f56307-b6bf-11d0-94f2-00a0c91efb8b}
name = Quarrix QX7FIPS USB Device
number = 2
length = 500107862016
contents = old files
partition = primary
filesystem = NTFS
label = QX7FIPS
letter =

[disk]
path = \\?\usbstor#disk&ven_qrx&prod_korvan&rev_1.00#000000000003&0#{53f56307-b6bf-11d0-94f2-00a0c91efb8b}
name = Quarrix KORVAN USB Device
number = 3
length = 2000398934016
contents = old files
partition = primary
filesystem = exFAT
label = KORVAN
letter =
)";
}
