// The release program's disk utilities: those in the system folder, seen as a native program
// sees it; and the system's own call that labels a volume.
#include <windows.h>

#include <vector>

#include "format/DiskUtilities.h"
#include "format/EnvironmentRules.h"
#include "framework/SystemFunction.h"

namespace {

template <typename Query>
std::wstring FolderFromSystem(Query query) {
    std::vector<wchar_t> buffer(MAX_PATH, L'\0');
    UINT length = query(buffer.data(), UINT(buffer.size()));
    if (length >= buffer.size()) {
        buffer.assign(length + 1, L'\0');
        length = query(buffer.data(), UINT(buffer.size()));
        if (length >= buffer.size()) length = 0;
    }
    return std::wstring(buffer.data(), length);
}

bool RunsUnderWow64() {
    using IsWow64ProcessFunction = BOOL(WINAPI*)(HANDLE, PBOOL);
    const auto isWow64Process = FindSystemFunction<IsWow64ProcessFunction>(L"kernel32.dll", "IsWow64Process");
    BOOL wow64 = FALSE;
    return isWow64Process && isWow64Process(::GetCurrentProcess(), &wow64) && wow64;
}

bool FolderExists(const std::wstring& folder) {
    const DWORD attributes = ::GetFileAttributesW(folder.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

std::wstring DiskUtilityFolder() {
    const std::wstring system = FolderFromSystem(&::GetSystemDirectoryW);
    const std::wstring windows = FolderFromSystem(&::GetSystemWindowsDirectoryW);
    const bool wow64 = RunsUnderWow64();
    const bool sysnative = wow64 && !windows.empty() && FolderExists(windows + L"\\Sysnative");
    return SystemUtilityFolder(system, windows, wow64, sysnative);
}

// Diskpart's documentation asks for at least 15 seconds between two runs.
unsigned DiskUtilityPauseMs() { return 15000; }

DWORD SetNewVolumeLabel(wchar_t letter, const std::wstring& label) {
    // The root path needs its trailing backslash.
    const std::wstring root = {letter, L':', L'\\'};
    if (::SetVolumeLabelW(root.c_str(), label.c_str())) return ERROR_SUCCESS;
    const DWORD error = ::GetLastError();
    return error != ERROR_SUCCESS ? error : ERROR_GEN_FAILURE;
}
