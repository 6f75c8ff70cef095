// The partitioning script and where it is written. Pure rules: no Windows header.
#pragma once

#include <string>

// temp path + "diskpart" + disk number, e.g. C:\Temp\diskpart2.
std::wstring DiskpartScriptPath(const std::wstring& tempPath, const std::wstring& diskNumber);

// The script's lines, each ended by a line feed:
//   select disk N / clean / create partition primary /
//   format fs=FS label=LABEL quick (left out on Windows XP) / assign letter=L
// A label that holds a blank is put in double quotation marks so the utility reads it whole.
std::wstring BuildDiskpartScript(const std::wstring& diskNumber, const std::wstring& fileSystem,
                                 const std::wstring& label, const std::wstring& driveLetter, bool windowsXp);

// The text in double quotation marks when it holds a blank, else unchanged.
std::wstring QuoteIfHoldsBlank(const std::wstring& text);
