#include "sim/SimulatorFiles.h"

#include <windows.h>

#include "sim/WholeFile.h"
#include "sim/WinText.h"

namespace {

std::wstring EnvironmentValue(const wchar_t* name) {
    const DWORD size = GetEnvironmentVariableW(name, nullptr, 0);
    if (size == 0) return {};
    std::wstring value(size, L'\0');
    const DWORD length = GetEnvironmentVariableW(name, value.data(), size);
    value.resize(length < size ? length : 0);
    return value;
}

std::wstring FullPath(const std::wstring& path) {
    const DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (size == 0) return path;
    std::wstring full(size, L'\0');
    const DWORD length = GetFullPathNameW(path.c_str(), size, full.data(), nullptr);
    if (length == 0 || length >= size) return path;
    full.resize(length);
    return full;
}

}  // namespace

std::wstring RunningProgramFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    const std::size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1);
}

std::wstring VirtualDisksFilePath() {
    const std::wstring named = EnvironmentValue(kVirtualDisksVariable);
    return named.empty() ? RunningProgramFolder() + kVirtualDisksFileName : named;
}

VirtualDiskParse LoadVirtualDisks(const std::wstring& path) {
    const auto text = ReadWholeFile(path);
    if (!text) {
        VirtualDiskParse failed;
        failed.error = "cannot read " + Utf8FromWide(path);
        return failed;
    }
    return ParseVirtualDisks(*text);
}

bool SaveVirtualDisks(const std::wstring& path, const std::vector<VirtualDisk>& disks) {
    return ReplaceWholeFile(path, SerializeVirtualDisks(disks));
}

std::wstring EnsureVirtualDisksFile() {
    const std::wstring path = FullPath(VirtualDisksFilePath());
    if (!FileExists(path)) ReplaceWholeFile(path, DefaultVirtualDisksText());
    SetEnvironmentVariableW(kVirtualDisksVariable, path.c_str());
    return path;
}
