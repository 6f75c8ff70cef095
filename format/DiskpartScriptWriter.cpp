// Writes the partitioning script of the current format job into the temporary directory and
// keeps it held until the run is over.
#include "app/MainDialog.h"
#include "format/AnsiText.h"
#include "format/EnvironmentRules.h"
#include "format/ScriptRules.h"

namespace {

constexpr wchar_t kScriptNotCreatedMessage[] = L"There was an error creating diskpart file.";

}  // namespace

int CQuarrix_Disk_FormatterDlg::WriteDiskpartScript(HeldScript& script) {
    // The label was found exact in the code page before; the other values are plain ASCII.
    const std::optional<std::string> label = ToThreadAnsiExactly(m_volumeLabel);
    std::optional<HeldScript> written;
    if (label) {
        const std::string text = BuildDiskpartScript(ToThreadAnsi(m_diskNumber), ToThreadAnsi(m_fileSystem), *label,
                                                     ToThreadAnsi(m_driveLetter), IsWindowsXp(m_osProductName));
        written = WriteAndHoldScript(DiskpartScriptPath(m_tempPath, m_diskNumber), WithCrLfLineEnds(text));
    }
    if (!written) {
        MessageBox(kScriptNotCreatedMessage, nullptr, MB_OK);
        return 1;
    }
    script = std::move(*written);
    return 0;
}
