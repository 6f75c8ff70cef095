#include "sim/WholeFile.h"

#include <windows.h>

#include <algorithm>

#include "framework/Handle.h"

namespace {

// Another program may hold the file for a moment (reading it, or replacing it); such a
// conflict is waited out for a short while.
constexpr int kAttempts = 50;
constexpr DWORD kPauseMs = 20;

bool IsPassingConflict(DWORD error) {
    return error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED || error == ERROR_LOCK_VIOLATION;
}

bool WriteAll(HANDLE file, const std::string& bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        DWORD chunk = 0;
        const DWORD wanted = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - written, 1u << 20));
        if (!WriteFile(file, bytes.data() + written, wanted, &chunk, nullptr) || chunk == 0) return false;
        written += chunk;
    }
    return true;
}

}  // namespace

bool FileExists(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::optional<std::string> ReadWholeFile(const std::wstring& path, bool shareReadingOnly) {
    const DWORD sharing = shareReadingOnly ? FILE_SHARE_READ : FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    CHandle file;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        *file.put() = CreateFileW(path.c_str(), GENERIC_READ, sharing, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                 nullptr);
        if (file || !IsPassingConflict(GetLastError())) break;
        Sleep(kPauseMs);
    }
    if (!file) return std::nullopt;

    std::string bytes;
    char buffer[64 * 1024];
    for (;;) {
        DWORD read = 0;
        if (!ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr)) return std::nullopt;
        if (read == 0) return bytes;
        bytes.append(buffer, read);
    }
}

bool ReplaceWholeFile(const std::wstring& path, const std::string& bytes) {
    const std::wstring temporary = path + L".~" + std::to_wstring(GetCurrentProcessId()) + L".tmp";
    {
        CHandle file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                   FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file) return false;
        if (!WriteAll(file.get(), bytes)) {
            file.Close();
            DeleteFileW(temporary.c_str());
            return false;
        }
    }
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        if (MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            return true;
        }
        if (!IsPassingConflict(GetLastError())) break;
        Sleep(kPauseMs);
    }
    DeleteFileW(temporary.c_str());
    return false;
}
