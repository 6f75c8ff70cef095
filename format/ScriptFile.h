// The partitioning script on disk: written new, checked, and held open for reading only until
// the utility has run, so no other program can change, replace or delete it meanwhile; the
// temporary folder it is written in, resolved once and held for the whole run; and the clean-up
// that deletes the scripts at the end of a run.
#pragma once

#include <optional>
#include <string>
#include <utility>

#include "framework/Handle.h"

// The temporary folder of one run, opened once as the folder itself (never as a link) and held
// until the clean-up has run. While a handle under it is open, Windows lets no program rename or
// replace the folder or any folder above it, so its path names this very folder for the whole
// run, whatever becomes of the links that led to it. Every path of the run is built on Path().
class PinnedFolder {
public:
    PinnedFolder() = default;
    PinnedFolder(std::wstring path, CHandle handle) : path_(std::move(path)), handle_(std::move(handle)) {}
    PinnedFolder(PinnedFolder&&) = default;
    PinnedFolder& operator=(PinnedFolder&&) = default;

    // The folder's path, ending in a backslash.
    const std::wstring& Path() const { return path_; }
    // False on a system that cannot tell a handle's final path (Windows XP): the folder is then
    // the temporary path as given, and nothing is held.
    bool IsHeld() const { return bool(handle_); }

private:
    std::wstring path_;
    CHandle handle_;
};

// Opens the temporary folder `tempPath` and takes its final path; nothing when it cannot be
// opened or is not a folder on a local drive (a server need not keep Windows' sharing rules).
std::optional<PinnedFolder> PinTemporaryFolder(const std::wstring& tempPath);

class HeldScript {
public:
    HeldScript() = default;
    HeldScript(std::wstring path, CHandle handle) : path_(std::move(path)), handle_(std::move(handle)) {}
    HeldScript(HeldScript&& other) noexcept
        : path_(std::exchange(other.path_, std::wstring())), handle_(std::move(other.handle_)) {}
    HeldScript& operator=(HeldScript&& other) noexcept;
    // A script still held was never run: it is closed and deleted.
    ~HeldScript() { Discard(); }

    HANDLE handle() const { return handle_.get(); }
    // The utility has run: the file is let go and left to the clean-up.
    void Release();
    // Closes and deletes the script now.
    void Discard();

private:
    std::wstring path_;
    CHandle handle_;
};

// Writes the script `name` in the folder: removes a stale file of that name, creates the file
// new (never writing through an existing file or link), writes the bytes, closes it, reopens it
// for reading with reading shared only, checks that the file held is the one in the folder, and
// reads it back. Nothing when any step fails; the file is then gone.
std::optional<HeldScript> WriteAndHoldScript(const PinnedFolder& folder, const std::wstring& name,
                                             const std::string& bytes);

// Deletes the scripts of the folder ("diskpart" and digits, IsScriptFileName), each by its full path there.
// Folders are skipped, a link is deleted as a link; no command interpreter is involved, so no
// character of the folder's name can do anything.
void DeleteScriptFiles(const PinnedFolder& folder);
