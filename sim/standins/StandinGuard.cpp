#include "sim/standins/StandinGuard.h"

#include "sim/SimulatorFiles.h"
#include "sim/WholeFile.h"
#include "sim/standins/StandinMessages.h"

std::optional<std::string> RefusalReason() {
    if (!FileExists(RunningProgramFolder() + kSimulatorProgramName)) return std::string(kRefusedNoSimulator);
    if (!FileExists(VirtualDisksFilePath())) return std::string(kRefusedNoDisksFile);
    return std::nullopt;
}
