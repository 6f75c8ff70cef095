#include "format/ScriptFile.h"

#include <windows.h>

#include <algorithm>

#include "format/OutputRules.h"
#include "format/ScriptRules.h"
#include "framework/SystemFunction.h"

namespace {

bool WriteAll(HANDLE file, const std::string& bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        DWORD chunk = 0;
        const DWORD wanted = DWORD(std::min<std::size_t>(bytes.size() - written, 1u << 20));
        if (!::WriteFile(file, bytes.data() + written, wanted, &chunk, nullptr) || chunk == 0) return false;
        written += chunk;
    }
    return true;
}

// True when the file holds exactly `expected`.
bool HoldsExactly(HANDLE file, const std::string& expected) {
    std::string read(expected.size() + 1, '\0');
    std::size_t total = 0;
    for (;;) {
        DWORD chunk = 0;
        if (!::ReadFile(file, read.data() + total, DWORD(read.size() - total), &chunk, nullptr)) return false;
        if (chunk == 0) break;
        total += chunk;
        if (total == read.size()) return false;  // longer than what was written
    }
    read.resize(total);
    return read == expected;
}

// GetFinalPathNameByHandleW, looked up at run time: Windows XP lacks it.
using FinalPathFunction = DWORD(WINAPI*)(HANDLE, LPWSTR, DWORD, DWORD);

FinalPathFunction FindFinalPathFunction() {
    return FindSystemFunction<FinalPathFunction>(L"kernel32.dll", "GetFinalPathNameByHandleW");
}

// The handle's final path in its "\\?\" form, links resolved; empty when it cannot be had.
std::wstring FinalPathOf(FinalPathFunction finalPath, HANDLE handle) {
    std::wstring path(MAX_PATH, L'\0');
    for (int attempt = 0; attempt < 2; ++attempt) {
        const DWORD length = finalPath(handle, path.data(), DWORD(path.size()), 0);
        if (length == 0) return std::wstring();
        if (length < path.size()) return path.substr(0, length);
        path.assign(length + 1, L'\0');
    }
    return std::wstring();
}

class FindHandle {
public:
    explicit FindHandle(HANDLE handle) : handle_(handle) {}
    FindHandle(const FindHandle&) = delete;
    FindHandle& operator=(const FindHandle&) = delete;
    ~FindHandle() {
        if (handle_ != INVALID_HANDLE_VALUE) ::FindClose(handle_);
    }
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }

private:
    HANDLE handle_;
};

}  // namespace

HeldScript& HeldScript::operator=(HeldScript&& other) noexcept {
    if (this != &other) {
        Discard();
        path_ = std::exchange(other.path_, std::wstring());
        handle_ = std::move(other.handle_);
    }
    return *this;
}

void HeldScript::Release() {
    handle_.Close();
    path_.clear();
}

void HeldScript::Discard() {
    if (path_.empty()) return;
    handle_.Close();
    ::DeleteFileW(path_.c_str());
    path_.clear();
}

std::optional<PinnedFolder> PinTemporaryFolder(const std::wstring& tempPath) {
    const FinalPathFunction finalPath = FindFinalPathFunction();
    if (!finalPath) return PinnedFolder(tempPath, CHandle());
    // The folder itself, not a link on the way: without FILE_FLAG_OPEN_REPARSE_POINT the system
    // follows every link. Not shared for deleting, so it cannot be renamed while held.
    CHandle folder(::CreateFileW(tempPath.c_str(), FILE_LIST_DIRECTORY | FILE_TRAVERSE | SYNCHRONIZE,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS,
                                 nullptr));
    if (!folder) return std::nullopt;
    const std::optional<std::wstring> path = LocalFolderOfFinalPath(FinalPathOf(finalPath, folder.get()));
    if (!path) return std::nullopt;
    return PinnedFolder(*path, std::move(folder));
}

std::optional<HeldScript> WriteAndHoldScript(const PinnedFolder& folder, const std::wstring& name,
                                             const std::string& bytes) {
    const std::wstring path = folder.Path() + name;
    ::DeleteFileW(path.c_str());
    CHandle written(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    // The name is taken (a file that could not be removed, or a link): nothing is written through it.
    if (!written) return std::nullopt;
    const bool complete = WriteAll(written.get(), bytes);
    if (!written.Close() || !complete) {
        ::DeleteFileW(path.c_str());
        return std::nullopt;
    }
    // Opened as itself, never through a link put in its place since it was closed.
    CHandle held(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (!held) {
        ::DeleteFileW(path.c_str());
        return std::nullopt;
    }
    HeldScript script(path, std::move(held));
    // The file held must be the one in the pinned folder, under the name the utility is given.
    if (folder.IsHeld() && FinalPathOf(FindFinalPathFunction(), script.handle()) != L"\\\\?\\" + path)
        return std::nullopt;  // discarded on the way out
    if (!HoldsExactly(script.handle(), bytes)) return std::nullopt;
    return script;
}

void DeleteScriptFiles(const PinnedFolder& folder) {
    WIN32_FIND_DATAW found{};
    FindHandle search(::FindFirstFileW(ScriptCleanupPattern(folder.Path()).c_str(), &found));
    if (!search.valid()) return;
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        if (!IsScriptFileName(found.cFileName)) continue;
        ::DeleteFileW((folder.Path() + found.cFileName).c_str());
    } while (::FindNextFileW(search.get(), &found));
}
