// The partitioning script and where it is written. Pure rules: no Windows header.
#pragma once

#include <string>

// temp path + "diskpart" + disk number, e.g. C:\Temp\diskpart2.
std::wstring DiskpartScriptPath(const std::wstring& tempPath, const std::wstring& diskNumber);

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
