#include "sim/standins/StandinGuard.h"

#include "sim/SimulatorFiles.h"
#include "sim/WholeFile.h"
#include "sim/standins/ConsoleLines.h"
#include "sim/standins/StandinMessages.h"

std::optional<std::string> RefusalReason() {
    if (!FileExists(RunningProgramFolder() + kSimulatorProgramName)) return std::string(kRefusedNoSimulator);
    if (!FileExists(VirtualDisksFilePath())) return std::string(kRefusedNoDisksFile);
    return std::nullopt;
}

std::optional<StandinDisks> OpenStandinDisks() {
    if (const auto refusal = RefusalReason()) {
        PrintLines({*refusal});
        return std::nullopt;
    }
    StandinDisks opened{VirtualDisksFilePath(), {}};
    VirtualDiskParse parse = LoadVirtualDisks(opened.path);
    if (!parse.error.empty()) {
        PrintLines({kRefusedBadDisksFile + parse.error});
        return std::nullopt;
    }
    opened.disks = std::move(parse.disks);
    return opened;
}
