// The partitioning script and where it is written. Pure rules: no Windows header.
#pragma once

#include <optional>
#include <string>

// temp path + "diskpart" + disk number, e.g. C:\Temp\diskpart2.
std::wstring DiskpartScriptPath(const std::wstring& tempPath, const std::wstring& diskNumber);

// The folder that a final path from the system names ("\\?\C:\Users\Joe\Temp"), as a path
// ending in a backslash ("C:\Users\Joe\Temp\"); nothing unless it is a folder on a local
// drive: a network folder ("\\?\UNC\server\share") or a volume without a letter is refused.
std::optional<std::wstring> LocalFolderOfFinalPath(const std::wstring& finalPath);

// The script's lines, each ended by a line feed, built from values already in the ANSI code
// page the file is written in:
//   select disk N / clean / convert gpt (only for a disk that needs GPT, never on Windows XP) /
//   create partition primary / format fs=FS label=LABEL quick (left out on Windows XP) /
//   assign letter=L
// A label that holds a blank is put in double quotation marks so the utility reads it whole;
// without a label the format line reads "format fs=FS quick".
std::string BuildDiskpartScript(const std::string& diskNumber, const std::string& fileSystem,
                                const std::optional<std::string>& label, const std::string& driveLetter,
                                bool windowsXp, bool diskNeedsGpt = false);

// True when every UTF-16 unit of the text is below 0x80.
bool IsPlainAscii(const std::wstring& text);

// The label as the script's format line takes it: its bytes when it is plain ASCII, which every
// code page reads alike (no one documents which code page diskpart reads a script in); nothing
// for any other label.
std::optional<std::string> ScriptLabel(const std::wstring& label);

// True when the label is set on the new volume after the utility has formatted it, rather than
// by the utility: beyond ASCII on every system but Windows XP, where format.com takes the label
// on its command line.
bool LabelSetAfterFormat(const std::wstring& label, bool windowsXp);

// The script as it goes to the disk: every line feed written as carriage return and line feed.
std::string WithCrLfLineEnds(const std::string& text);

// The text in double quotation marks when it holds a blank, else unchanged.
std::string QuoteIfHoldsBlank(const std::string& text);
std::wstring QuoteIfHoldsBlank(const std::wstring& text);
