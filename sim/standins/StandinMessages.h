// The stand-ins' own messages, outside what the utilities they stand in for would print.
// Each holds "error:", so that a formatter that runs a refusing stand-in reports a failure.
// Pure rules: no Windows header.
#pragma once

inline constexpr char kRefusedNoSimulator[] =
    "Quarrix simulator stand-in error: Quarrix_Disk_Formatter_Sim.exe is not in this program's folder;"
    " nothing was changed.";
inline constexpr char kRefusedNoDisksFile[] =
    "Quarrix simulator stand-in error: the virtual-disks file does not exist; nothing was changed.";
inline constexpr char kRefusedBadDisksFile[] =
    "Quarrix simulator stand-in error: the virtual-disks file cannot be read; nothing was changed: ";
inline constexpr char kDisksNotSaved[] =
    "Quarrix simulator stand-in error: the virtual-disks file could not be saved.";
