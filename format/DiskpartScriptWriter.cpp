// Writes the partitioning script of the current format job into the temporary directory.
#include <cstdio>
#include <memory>

#include "app/MainDialog.h"
#include "format/AnsiText.h"
#include "format/EnvironmentRules.h"
#include "format/ScriptRules.h"

namespace {

struct FileCloser {
    void operator()(FILE* file) const { std::fclose(file); }
};
using UniqueFile = std::unique_ptr<FILE, FileCloser>;

constexpr wchar_t kScriptNotCreatedMessage[] = L"There was an error creating diskpart file.";

}  // namespace

int CQuarrix_Disk_FormatterDlg::WriteDiskpartScript() {
    const std::string path = ToThreadAnsi(DiskpartScriptPath(m_tempPath, m_diskNumber));
    FILE* raw = nullptr;
    // Text mode: every line feed reaches the disk as carriage return and line feed.
    if (fopen_s(&raw, path.c_str(), "w") != 0 || !raw) {
        MessageBox(kScriptNotCreatedMessage, nullptr, MB_OK);
        return 1;
    }
    UniqueFile file(raw);
    const std::wstring script = BuildDiskpartScript(m_diskNumber, m_fileSystem, m_volumeLabel, m_driveLetter,
                                                    IsWindowsXp(m_osProductName));
    std::fputs(ToThreadAnsi(script).c_str(), file.get());
    return 0;
}
