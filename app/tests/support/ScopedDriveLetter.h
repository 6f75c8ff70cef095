// Makes a drive letter stand for an existing, empty folder for a while, as a newly formatted
// volume does once the partitioning utility has given it its letter. The virtual disks of the
// simulator are only lines in a text file, so without this the new drive's root would not exist
// and the shell could not open it.
//
// Under Wine the letter is defined through Wine's mount manager, the way winecfg adds a drive
// (DefineDosDevice there only names the letter; its root cannot be opened); elsewhere with
// DefineDosDevice.
#pragma once

#include <windows.h>
#include <winioctl.h>

#include <cstring>
#include <string>
#include <vector>

#include "app/tests/support/TestEnvironment.h"

class ScopedDriveLetter {
public:
    explicit ScopedDriveLetter(wchar_t letter) : letter_(letter), folder_(L"quarrix-new-drive") {
        if (IsWine()) {
            const std::string unixFolder = UnixPathOf(folder_.Path());
            defined_ = !unixFolder.empty() && DefineWineDrive(unixFolder.c_str());
        } else {
            const std::wstring target = folder_.Path().substr(0, folder_.Path().size() - 1);
            defined_ = ::DefineDosDeviceW(0, DeviceName().c_str(), target.c_str()) != FALSE;
        }
    }
    ScopedDriveLetter(const ScopedDriveLetter&) = delete;
    ScopedDriveLetter& operator=(const ScopedDriveLetter&) = delete;
    ~ScopedDriveLetter() {
        if (!defined_) return;
        if (IsWine()) {
            DefineWineDrive(nullptr);
        } else {
            ::DefineDosDeviceW(DDD_REMOVE_DEFINITION, DeviceName().c_str(), nullptr);
        }
    }

    // The drive's root, such as K:\ .
    std::wstring Root() const { return DeviceName() + L"\\"; }
    // True when the root can be opened as a folder.
    bool Exists() const {
        const DWORD attributes = ::GetFileAttributesW(Root().c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
    }

private:
    // Wine's own request to its mount manager (include/ddk/mountmgr.h of Wine 8).
    struct WineUnixDrive {
        ULONG size;
        ULONG type;
        ULONG fsType;
        DWORD serial;
        ULONGLONG unixDevice;
        WCHAR letter;
        USHORT mountPointOffset;
        USHORT deviceOffset;
        USHORT labelOffset;
    };
    static constexpr DWORD kDefineUnixDrive =
        CTL_CODE('m', 32, METHOD_BUFFERED, FILE_READ_ACCESS | FILE_WRITE_ACCESS);

    static bool IsWine() {
        HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
        return ntdll && ::GetProcAddress(ntdll, "wine_get_version") != nullptr;
    }

    static std::string UnixPathOf(const std::wstring& windowsPath) {
        using ToUnix = char*(CDECL*)(const wchar_t*);
        const auto toUnix = reinterpret_cast<ToUnix>(
            reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
        if (!toUnix) return {};
        char* unixPath = toUnix(windowsPath.c_str());
        if (!unixPath) return {};
        std::string result(unixPath);
        ::HeapFree(::GetProcessHeap(), 0, unixPath);
        return result;
    }

    // Gives the letter the Unix folder, or takes the letter away when there is none.
    bool DefineWineDrive(const char* unixFolder) const {
        std::vector<char> request(sizeof(WineUnixDrive) + (unixFolder ? std::strlen(unixFolder) + 1 : 0), '\0');
        auto* drive = reinterpret_cast<WineUnixDrive*>(request.data());
        drive->size = ULONG(request.size());
        drive->type = unixFolder ? DRIVE_FIXED : DRIVE_NO_ROOT_DIR;
        drive->letter = letter_;
        if (unixFolder) {
            drive->mountPointOffset = USHORT(sizeof(WineUnixDrive));
            std::memcpy(request.data() + sizeof(WineUnixDrive), unixFolder, std::strlen(unixFolder) + 1);
        }
        HANDLE manager = ::CreateFileW(L"\\\\.\\MountPointManager", GENERIC_READ | GENERIC_WRITE,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
        if (manager == INVALID_HANDLE_VALUE) return false;
        DWORD returned = 0;
        const BOOL done = ::DeviceIoControl(manager, kDefineUnixDrive, request.data(), DWORD(request.size()), nullptr,
                                            0, &returned, nullptr);
        ::CloseHandle(manager);
        return done != FALSE;
    }

    std::wstring DeviceName() const { return std::wstring(1, letter_) + L":"; }

    wchar_t letter_;
    ScopedFolder folder_;
    bool defined_ = false;
};
