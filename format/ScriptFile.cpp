#include "format/ScriptFile.h"

#include <windows.h>

#include <algorithm>

#include "format/OutputRules.h"

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

std::optional<HeldScript> WriteAndHoldScript(const std::wstring& path, const std::string& bytes) {
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
    if (!HoldsExactly(script.handle(), bytes)) return std::nullopt;  // discarded on the way out
    return script;
}

void DeleteScriptFiles(const std::wstring& tempPath) {
    WIN32_FIND_DATAW found{};
    FindHandle search(::FindFirstFileW(ScriptCleanupPattern(tempPath).c_str(), &found));
    if (!search.valid()) return;
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        if (!IsScriptFileName(found.cFileName)) continue;
        ::DeleteFileW((tempPath + found.cFileName).c_str());
    } while (::FindNextFileW(search.get(), &found));
}
