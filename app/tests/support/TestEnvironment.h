// A sandbox for one test of the program: its own temporary folder, its own virtual disks, and
// the registry values the program reads, all put back when the test ends.
#pragma once

#include <windows.h>

#include <cwctype>
#include <optional>
#include <string>
#include <vector>

#include "sim/VirtualDisks.h"
#include "sim/WholeFile.h"

// Sets one registry string value (or deletes it) and restores what was there before.
class ScopedRegistryValue {
public:
    ScopedRegistryValue(HKEY root, std::wstring path, std::wstring name, std::optional<std::wstring> value);
    ScopedRegistryValue(const ScopedRegistryValue&) = delete;
    ScopedRegistryValue& operator=(const ScopedRegistryValue&) = delete;
    ~ScopedRegistryValue();

private:
    HKEY root_;
    std::wstring path_;
    std::wstring name_;
    std::optional<std::wstring> previous_;
};

// A saved network drive of the user under this letter, removed again at the end: an elevated
// program sees no drive root for it.
class ScopedSavedNetworkDrive {
public:
    explicit ScopedSavedNetworkDrive(wchar_t letter) : key_(std::wstring(L"Network\\") + wchar_t(::towlower(letter))) {
        remotePath_.emplace(HKEY_CURRENT_USER, key_, L"RemotePath", L"\\\\server\\share");
    }
    ~ScopedSavedNetworkDrive() {
        remotePath_.reset();
        ::RegDeleteKeyW(HKEY_CURRENT_USER, key_.c_str());
    }

private:
    std::wstring key_;
    std::optional<ScopedRegistryValue> remotePath_;
};

// Sets an environment variable of this process and restores it.
class ScopedEnvironmentVariable {
public:
    ScopedEnvironmentVariable(std::wstring name, std::optional<std::wstring> value);
    ScopedEnvironmentVariable(const ScopedEnvironmentVariable&) = delete;
    ScopedEnvironmentVariable& operator=(const ScopedEnvironmentVariable&) = delete;
    ~ScopedEnvironmentVariable();

private:
    std::wstring name_;
    std::optional<std::wstring> previous_;
};

// A fresh folder under the system's temporary folder, removed with everything in it.
class ScopedFolder {
public:
    explicit ScopedFolder(const std::wstring& nameHint);
    ScopedFolder(const ScopedFolder&) = delete;
    ScopedFolder& operator=(const ScopedFolder&) = delete;
    ~ScopedFolder();
    // The folder's path, ending in a backslash.
    const std::wstring& Path() const { return path_; }

private:
    std::wstring path_;
};

class TestEnvironment {
public:
    // `disks` become the virtual disks; `productName` the Windows product name (nothing: the
    // value is removed); `tempFolderHint` names the temporary folder the program gets.
    explicit TestEnvironment(const std::vector<VirtualDisk>& disks,
                             std::optional<std::wstring> productName = L"Windows 7 Professional",
                             const std::wstring& tempFolderHint = L"quarrix-test");
    TestEnvironment(const TestEnvironment&) = delete;
    TestEnvironment& operator=(const TestEnvironment&) = delete;

    const std::wstring& TempPath() const { return temp_.Path(); }
    std::wstring DisksFile() const { return disksFolder_.Path() + L"virtual-disks.txt"; }
    std::vector<VirtualDisk> ReadDisks() const;
    void WriteDisks(const std::vector<VirtualDisk>& disks) const;
    // The names of the files in the temporary folder.
    std::vector<std::wstring> TempFiles() const;

private:
    ScopedFolder temp_;
    ScopedFolder disksFolder_;
    ScopedEnvironmentVariable tmp_;
    ScopedEnvironmentVariable temp2_;
    ScopedEnvironmentVariable disks_;
    ScopedRegistryValue productName_;
};

// A maker disk of the simulator: number, friendly name and length as given.
VirtualDisk MakerDisk(std::uint32_t number, const std::string& name, std::int64_t length);

// Reads a whole file as bytes; empty when it cannot be read.
inline std::string ReadFileBytes(const std::wstring& path) { return ReadWholeFile(path).value_or(std::string()); }
