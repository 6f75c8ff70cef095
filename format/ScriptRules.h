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
//   select disk N / clean / create partition primary /
//   format fs=FS label=LABEL quick (left out on Windows XP) / assign letter=L
// A label that holds a blank is put in double quotation marks so the utility reads it whole.
std::string BuildDiskpartScript(const std::string& diskNumber, const std::string& fileSystem,
                                const std::string& label, const std::string& driveLetter, bool windowsXp);

// The script as it goes to the disk: every line feed written as carriage return and line feed.
std::string WithCrLfLineEnds(const std::string& text);

// The text in double quotation marks when it holds a blank, else unchanged.
std::string QuoteIfHoldsBlank(const std::string& text);
std::wstring QuoteIfHoldsBlank(const std::wstring& text);
