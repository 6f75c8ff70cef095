// Writes the partitioning script of the current format job into the temporary directory, which
// it resolves and holds for the run, and keeps the script held until the utility has run.
#include "app/MainDialog.h"
#include "drives/DriveRules.h"
#include "format/AnsiText.h"
#include "format/EnvironmentRules.h"
#include "format/ScriptRules.h"

int CQuarrix_Disk_FormatterDlg::WriteDiskpartScript(PinnedFolder& folder, HeldScript& script) {
    std::optional<PinnedFolder> pinned = PinTemporaryFolder(m_tempPath);
    std::optional<HeldScript> written;
    if (pinned) {
        // Every value is plain ASCII; a label beyond it is set by the worker once the volume is made.
        const std::string text =
            BuildDiskpartScript(ToThreadAnsi(m_diskNumber), ToThreadAnsi(m_fileSystem), ScriptLabel(m_volumeLabel),
                                ToThreadAnsi(m_driveLetter), IsWindowsXp(m_osProductName),
                                NeedsGptPartitionTable(m_diskLength, m_sectorSize));
        written = WriteAndHoldScript(*pinned, DiskpartScriptPath(std::wstring(), m_diskNumber), WithCrLfLineEnds(text));
    }
    if (!written) {
        MessageBox(m_texts[TextId::ScriptNotCreated], nullptr, MB_OK);
        return 1;
    }
    folder = std::move(*pinned);
    script = std::move(*written);
    return 0;
}
