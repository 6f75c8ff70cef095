#include "sim/standins/FormatComRunner.h"

#include "sim/standins/MessageLines.h"
#include "sim/standins/StandinExitCodes.h"

namespace {

FormatComRun Failure(FormatComRun run, const std::string& message) {
    run.exitCode = kFormatComExitFatal;
    run.output.push_back(kFormatComHeader);
    for (std::string& line : SplitMessageLines(message)) run.output.push_back(std::move(line));
    return run;
}

}  // namespace

FormatComRun RunFormatCom(const FormatComInvocation& invocation, std::vector<VirtualDisk> disks) {
    FormatComRun run;
    run.disks = std::move(disks);
    VirtualDisk* disk = FindDiskByLetter(run.disks, invocation.letter);
    if (disk == nullptr) return Failure(std::move(run), kDriveDoesNotExist);

    run.delayMs = disk->delayMs;
    const bool silent = disk->silent;
    if (disk->openFails) {
        run = Failure(std::move(run), std::string(kCannotOpenVolume) + "\n" + kFormatFailed);
    } else if (TakeFailure(*disk, "format.com")) {
        run.disksChanged = disk->failTimes.has_value();  // the count of failing runs went down
        const std::string message = disk->failMessage.empty() ? kFormatFailed : disk->failMessage;
        run = Failure(std::move(run), message);
    } else {
        const std::string oldFileSystem = disk->fileSystem;
        disk->fileSystem = "NTFS";
        disk->label = invocation.label;
        run.disksChanged = true;

        // Sizes in KB, or in MB as other versions and languages give them.
        const std::int64_t unit = disk->sizes == "MB" ? 1024 * 1024 : 1024;
        const std::int64_t total = disk->length / unit;
        // The file system's own structures take a little of the space.
        const std::int64_t available = total > 0 ? total - 1 - total / 1000 : 0;
        run.output = {
            kFormatComHeader,
            "The type of the file system is " + oldFileSystem + ".",
            "The new file system is NTFS.",
            "QuickFormatting " + std::to_string(disk->length / (1024 * 1024)) + "M",
            "Creating file system structures.",
            "Format complete.",
            "     " + std::to_string(total) + " " + disk->sizes + " total disk space.",
            "     " + std::to_string(available) + " " + disk->sizes + " are available.",
        };
    }
    if (silent) run.output.clear();
    return run;
}
