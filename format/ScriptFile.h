// The partitioning script on disk: written new, checked, and held open for reading only until
// the utility has run, so no other program can change, replace or delete it meanwhile; and the
// clean-up that deletes the scripts at the end of a run.
#pragma once

#include <optional>
#include <string>
#include <utility>

#include "framework/Handle.h"

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

// Removes a stale file of that name, creates the file new (never writing through an existing
// file or link), writes the bytes, closes it, reopens it for reading with reading shared only,
// and reads it back. Nothing when any step fails; the file is then gone.
std::optional<HeldScript> WriteAndHoldScript(const std::wstring& path, const std::string& bytes);

// Deletes the files of the temporary folder whose names match "diskpart*.*". Folders are
// skipped, a link is deleted as a link; no command interpreter is involved, so no character
// of the folder's name can do anything.
void DeleteScriptFiles(const std::wstring& tempPath);
