// The simulator's virtual disks: the text file that describes them (and records what the
// stand-in utilities did to them), read and written as plain values. Pure rules: no Windows header.
//
// File format (UTF-8 text, one "[disk]" section per disk, "key = value" lines, '#' starts a
// comment line; unknown keys are kept so a round trip loses nothing):
//   [disk]
//   path = \\?\usbstor#disk&ven_qrx&prod_qx7&rev_1.00#0001#{53f56307-b6bf-11d0-94f2-00a0c91efb8b}
//   name = Quarrix QX7 USB Device      (friendly name; "name-unreadable = yes" hides it)
//   number = 1                         (disk number)
//   length = 1000204886016             (bytes)
//   sector-size = 4096                 (bytes per logical sector, a power of two; 512 if left out)
//   open = fail                        (the disk cannot be opened: never listed)
//   ioctl = fail                       (the storage requests fail: never listed)
//   fail-command = clean               (select|clean|create|format|assign|format.com|label)
//   fail-message = DiskPart has encountered an error: The media is write protected.\nSee ...
//   fail-exit-code = 0x80042413        (diskpart's exit code after the failing command; the
//                                       error of a failing label)
//   fail-times = 1                     (the command fails in this many more runs only)
//   progress = 100% done               (diskpart's format prints it, each line indented by two
//                                       blanks, instead of "  100 percent completed"; empty:
//                                       no progress line)
//   sizes = MB                         (format.com gives the sizes in MB, not KB)
//   delay-ms = 4000                    (the utilities take this long on this disk)
//   silent = yes                       (the utilities print nothing for this disk)
//   contents = old files               (what is on the disk; "empty" once cleaned)
//   partition = none|primary
//   partition-style = MBR|GPT          (the partition table diskpart made; none once cleaned)
//   partition-length = 1000204886016   (bytes the partition spans; none once cleaned)
//   filesystem = NTFS|exFAT|RAW
//   label = Backup
//   letter = F
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

struct VirtualDisk {
    std::string path;
    std::string name;
    bool nameUnreadable = false;
    std::uint32_t number = 0;
    std::int64_t length = 0;
    std::uint32_t sectorSize = 512;
    bool openFails = false;
    bool openDenied = false;  // the opening is refused (access denied), as for a limited account
    bool ioctlFails = false;
    std::string failCommand;
    std::string failMessage;      // "\n" in the file stands for a line break here
    std::optional<std::uint32_t> failExitCode;  // instead of the documented code of the failure
    std::optional<std::uint32_t> failTimes;     // runs left in which the command fails; none: every run
    std::optional<std::string> progress;        // diskpart's progress lines after a format, unindented
    std::string sizes = "KB";                   // the unit of format.com's size lines
    int delayMs = 0;
    bool silent = false;
    std::string contents = "old files";
    std::string partition = "primary";
    std::string partitionStyle;                 // "MBR" or "GPT"; empty: not recorded
    std::optional<std::int64_t> partitionLength;
    std::string fileSystem = "NTFS";
    std::string label;
    std::string letter;
    std::map<std::string, std::string> otherKeys;  // kept as read
};

struct VirtualDiskParse {
    std::vector<VirtualDisk> disks;
    std::string error;            // empty when the text was read whole; else names the line
};

VirtualDiskParse ParseVirtualDisks(const std::string& text);
std::string SerializeVirtualDisks(const std::vector<VirtualDisk>& disks);

// True when `command` fails on the disk in this run; a limited failure is counted down, so the
// disks must then be saved.
bool TakeFailure(VirtualDisk& disk, const std::string& command);

// The disk with this number, if any.
VirtualDisk* FindDiskByNumber(std::vector<VirtualDisk>& disks, std::uint32_t number);
// The disk that was given this letter (compared without regard to case), if any.
VirtualDisk* FindDiskByLetter(std::vector<VirtualDisk>& disks, const std::string& letter);

// The text of the built-in set of disks the simulator starts with when no file is given.
std::string DefaultVirtualDisksText();
