#include "sim/standins/DiskpartScriptRunner.h"

#include <algorithm>
#include <limits>

#include "sim/standins/MessageLines.h"
#include "sim/standins/StandinExitCodes.h"

namespace {

const char kNoUsableSpace[] = "Virtual Disk Service error:\nThere is not enough usable space for this operation.";
const char kNotConvertible[] =
    "Virtual Disk Service error:\nThe specified disk is not convertible. CDROMs and DVDs\n"
    "are examples of disks that are not convertible.";

bool IsAsciiLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

std::vector<std::string> SplitTokens(const std::string& line) {
    std::vector<std::string> tokens;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = line.find(' ', start);
        tokens.push_back(line.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos) return tokens;
        start = end + 1;
    }
}

std::optional<std::uint32_t> ParseDiskNumber(const std::string& text) {
    if (text.empty() || text.size() > 10) return std::nullopt;
    std::uint64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
    }
    if (value > std::numeric_limits<std::uint32_t>::max()) return std::nullopt;
    return static_cast<std::uint32_t>(value);
}

// The number that a "select disk N" line names, if the line is one.
std::optional<std::uint32_t> SelectedNumber(const std::string& line) {
    const std::vector<std::string> tokens = SplitTokens(line);
    if (tokens.size() != 3 || tokens[0] != "select" || tokens[1] != "disk") return std::nullopt;
    return ParseDiskNumber(tokens[2]);
}

struct FormatArguments {
    std::string fileSystem;
    std::string label;
};

// "format fs=NTFS label=Backup quick", the label one word (possibly empty) or quoted; or
// "format fs=NTFS quick", which leaves the volume without a label.
std::optional<FormatArguments> ParseFormatLine(const std::string& line) {
    const std::string start = "format fs=";
    if (line.compare(0, start.size(), start) != 0) return std::nullopt;
    const std::size_t fsEnd = line.find(' ', start.size());
    if (fsEnd == std::string::npos) return std::nullopt;
    FormatArguments arguments{line.substr(start.size(), fsEnd - start.size()), {}};
    if (arguments.fileSystem != "NTFS" && arguments.fileSystem != "exFAT") return std::nullopt;
    if (line.compare(fsEnd, std::string::npos, " quick") == 0) return arguments;

    const std::string labelKey = " label=";
    if (line.compare(fsEnd, labelKey.size(), labelKey) != 0) return std::nullopt;
    std::size_t pos = fsEnd + labelKey.size();
    if (pos < line.size() && line[pos] == '"') {
        const std::size_t close = line.find('"', pos + 1);
        if (close == std::string::npos) return std::nullopt;
        arguments.label = line.substr(pos + 1, close - pos - 1);
        pos = close + 1;
    } else {
        const std::size_t end = line.find(' ', pos);
        arguments.label = line.substr(pos, end == std::string::npos ? std::string::npos : end - pos);
        if (arguments.label.find('"') != std::string::npos) return std::nullopt;
        pos += arguments.label.size();
    }
    // Whatever stands between the label and "quick" (an unquoted label's second word) is an
    // argument the command does not know.
    if (line.compare(pos, std::string::npos, " quick") != 0) return std::nullopt;
    return arguments;
}

struct CommandOutcome {
    std::vector<std::string> lines;
    bool failed = false;
    int exitCode = kDiskpartExitSucceeded;
    bool changed = false;
    int delayMs = 0;
};

CommandOutcome Failure(int exitCode, const std::string& message) {
    CommandOutcome outcome;
    outcome.lines = SplitMessageLines(message);
    outcome.failed = true;
    outcome.exitCode = exitCode;
    return outcome;
}

CommandOutcome InvalidArguments(const char* helpTopic) {
    return Failure(kDiskpartExitSyntax,
                   std::string(kArgumentsNotValid) + "\nFor more information on the command type: HELP " + helpTopic);
}

// Runs the commands of one script against the disks, remembering the selection between them.
class DiskpartSession {
public:
    DiskpartSession(std::vector<VirtualDisk>& disks, int commandCount)
        : disks_(disks), commandCount_(commandCount < 1 ? 1 : commandCount) {}

    CommandOutcome Run(const std::string& line) {
        const std::string command = SplitTokens(line)[0];
        if (command == "select") return Select(line);
        if (command == "clean") return Clean(line);
        if (command == "convert") return Convert(line);
        if (command == "create") return Create(line);
        if (command == "format") return Format(line);
        if (command == "assign") return Assign(line);
        return Failure(kDiskpartExitSyntax, kUnknownCommand);
    }

private:
    VirtualDisk* Selected() { return hasSelection_ ? FindDiskByNumber(disks_, selectedNumber_) : nullptr; }

    // The selected disk's delay is spread over the commands of the script.
    CommandOutcome Done(VirtualDisk& disk, std::vector<std::string> lines, bool changed) {
        CommandOutcome outcome;
        outcome.lines = std::move(lines);
        outcome.changed = changed;
        outcome.delayMs = disk.delayMs / commandCount_;
        return outcome;
    }

    CommandOutcome FailedOnDisk(VirtualDisk& disk) {
        CommandOutcome outcome = Failure(disk.failExitCode ? static_cast<int>(*disk.failExitCode) : kDiskpartExitServiceError,
                                         disk.failMessage.empty() ? kDefaultFailMessage : disk.failMessage);
        outcome.delayMs = disk.delayMs / commandCount_;
        // A failure limited to some runs was counted down: the count is saved.
        outcome.changed = disk.failTimes.has_value();
        return outcome;
    }

    CommandOutcome Select(const std::string& line) {
        const auto number = SelectedNumber(line);
        if (!number) return InvalidArguments("SELECT DISK");
        hasSelection_ = false;
        volumeSelected_ = false;
        VirtualDisk* disk = FindDiskByNumber(disks_, *number);
        if (disk == nullptr || disk->openFails) return Failure(kDiskpartExitServiceError, kDiskNotValid);
        if (TakeFailure(*disk, "select")) return FailedOnDisk(*disk);
        hasSelection_ = true;
        selectedNumber_ = *number;
        return Done(*disk, {"Disk " + std::to_string(*number) + " is now the selected disk."}, false);
    }

    CommandOutcome Clean(const std::string& line) {
        if (line != "clean") return InvalidArguments("CLEAN");
        VirtualDisk* disk = Selected();
        if (disk == nullptr) return Failure(kDiskpartExitServiceError, kNoDiskSelected);
        if (TakeFailure(*disk, "clean")) return FailedOnDisk(*disk);
        disk->contents = "empty";
        disk->partition = "none";
        disk->fileSystem = "RAW";
        disk->label.clear();
        disk->letter.clear();
        disk->partitionStyle.clear();
        disk->partitionLength.reset();
        volumeSelected_ = false;
        return Done(*disk, {"DiskPart succeeded in cleaning the disk."}, true);
    }

    // Only a disk without a partition can take a new partition table.
    CommandOutcome Convert(const std::string& line) {
        if (line != "convert gpt") return InvalidArguments("CONVERT");
        VirtualDisk* disk = Selected();
        if (disk == nullptr) return Failure(kDiskpartExitServiceError, kNoDiskSelected);
        if (disk->partition != "none") return Failure(kDiskpartExitServiceError, kNotConvertible);
        disk->partitionStyle = "GPT";
        return Done(*disk, {"DiskPart successfully converted the selected disk to GPT format."}, true);
    }

    CommandOutcome Create(const std::string& line) {
        if (line != "create partition primary") return InvalidArguments("CREATE PARTITION PRIMARY");
        VirtualDisk* disk = Selected();
        if (disk == nullptr) return Failure(kDiskpartExitServiceError, kNoDiskSelected);
        if (TakeFailure(*disk, "create")) return FailedOnDisk(*disk);
        // The new partition spans the whole disk, so there must be no partition yet.
        if (disk->partition != "none") return Failure(kDiskpartExitServiceError, kNoUsableSpace);
        disk->partition = "primary";
        // A disk not converted gets a master boot record, whose partition ends after 2^32 sectors.
        if (disk->partitionStyle != "GPT") disk->partitionStyle = "MBR";
        const std::uint64_t mbrLimit = (std::uint64_t{1} << 32) * disk->sectorSize;
        disk->partitionLength = disk->partitionStyle == "GPT" || static_cast<std::uint64_t>(disk->length) <= mbrLimit
                                    ? disk->length
                                    : static_cast<std::int64_t>(mbrLimit);
        volumeSelected_ = true;
        return Done(*disk, {"DiskPart succeeded in creating the specified partition."}, true);
    }

    CommandOutcome Format(const std::string& line) {
        const auto arguments = ParseFormatLine(line);
        if (!arguments) return InvalidArguments("FORMAT");
        VirtualDisk* disk = Selected();
        if (disk == nullptr) return Failure(kDiskpartExitServiceError, kNoDiskSelected);
        if (!volumeSelected_) return Failure(kDiskpartExitServiceError, kNoVolumeSelected);
        if (TakeFailure(*disk, "format")) return FailedOnDisk(*disk);
        disk->fileSystem = arguments->fileSystem;
        disk->label = arguments->label;
        std::vector<std::string> lines;
        if (!disk->progress) {
            lines = {"  100 percent completed", ""};
        } else if (!disk->progress->empty()) {
            // Progress lines in another language, indented as the utility indents them.
            for (const std::string& line : SplitMessageLines(*disk->progress)) lines.push_back("  " + line);
            lines.push_back("");
        }
        lines.push_back("DiskPart successfully formatted the volume.");
        return Done(*disk, std::move(lines), true);
    }

    CommandOutcome Assign(const std::string& line) {
        const std::string key = "assign letter=";
        if (line.size() != key.size() + 1 || line.compare(0, key.size(), key) != 0 ||
            !IsAsciiLetter(line.back())) {
            return InvalidArguments("ASSIGN");
        }
        VirtualDisk* disk = Selected();
        if (disk == nullptr) return Failure(kDiskpartExitServiceError, kNoDiskSelected);
        if (!volumeSelected_) return Failure(kDiskpartExitServiceError, kNoVolumeSelected);
        if (TakeFailure(*disk, "assign")) return FailedOnDisk(*disk);
        const char letter = line.back();
        disk->letter = std::string(1, letter >= 'a' ? static_cast<char>(letter - 'a' + 'A') : letter);
        return Done(*disk, {"DiskPart successfully assigned the drive letter or mount point."}, true);
    }

    std::vector<VirtualDisk>& disks_;
    int commandCount_;
    bool hasSelection_ = false;
    std::uint32_t selectedNumber_ = 0;
    bool volumeSelected_ = false;
};

// A script that selects a disk marked silent prints nothing at all, not even the header.
bool SelectsSilentDisk(const std::vector<std::string>& lines, std::vector<VirtualDisk>& disks) {
    for (const std::string& line : lines) {
        const auto number = SelectedNumber(line);
        const VirtualDisk* disk = number ? FindDiskByNumber(disks, *number) : nullptr;
        if (disk != nullptr && disk->silent) return true;
    }
    return false;
}

}  // namespace

std::optional<std::vector<std::string>> SplitScriptLines(const std::string& scriptText) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < scriptText.size()) {
        const std::size_t end = scriptText.find("\r\n", start);
        if (end == std::string::npos) return std::nullopt;
        std::string line = scriptText.substr(start, end - start);
        if (line.find_first_of("\r\n") != std::string::npos) return std::nullopt;
        lines.push_back(std::move(line));
        start = end + 2;
    }
    return lines;
}

DiskpartRun RunDiskpartScript(const std::string& scriptText, std::vector<VirtualDisk> disks,
                              const DiskpartStepSink& sink) {
    DiskpartRun run;
    run.disks = std::move(disks);
    const auto lines = SplitScriptLines(scriptText);
    const bool silent = lines && SelectsSilentDisk(*lines, run.disks);

    // Hands one step on; false when the run must stop because the disks were not saved.
    const auto emit = [&](std::vector<std::string> printed, int delayMs, bool saveDisks) {
        DiskpartStep step;
        if (!silent) step.printed = std::move(printed);
        step.delayMs = delayMs;
        step.saveDisks = saveDisks;
        run.output.insert(run.output.end(), step.printed.begin(), step.printed.end());
        return !sink || sink(step, run.disks);
    };

    if (!emit({kDiskpartHeader, ""}, 0, false)) {
        run.exitCode = kDiskpartExitServiceError;
        return run;
    }
    // Readers of a script may take its bytes above 0x7F in different code pages: such a
    // script is refused whole, before anything else is read.
    if (std::any_of(scriptText.begin(), scriptText.end(), [](char c) { return static_cast<unsigned char>(c) > 0x7F; })) {
        std::vector<std::string> refusal = SplitMessageLines(kScriptNotAscii);
        refusal.push_back("");
        run.exitCode = kDiskpartExitBadLabel;
        emit(std::move(refusal), 0, false);
        return run;
    }
    if (!lines) {
        run.exitCode = kDiskpartExitScriptUnreadable;
        emit({kScriptMalformed}, 0, false);
        return run;
    }

    std::vector<std::string> commands;
    for (const std::string& line : *lines) {
        if (!line.empty()) commands.push_back(line);
    }
    DiskpartSession session(run.disks, static_cast<int>(commands.size()));
    for (const std::string& command : commands) {
        CommandOutcome outcome = session.Run(command);
        outcome.lines.push_back("");
        if (!emit(std::move(outcome.lines), outcome.delayMs, outcome.changed)) {
            run.exitCode = kDiskpartExitServiceError;
            return run;
        }
        if (outcome.failed) {
            run.exitCode = outcome.exitCode;
            return run;
        }
    }
    if (!emit({kLeaving}, 0, false)) run.exitCode = kDiskpartExitServiceError;
    return run;
}
