// RegistryKey: one registry key opened for reading, closed when it goes out of scope.
#pragma once

#include <windows.h>

class RegistryKey {
public:
    RegistryKey(HKEY root, const wchar_t* path) {
        if (::RegOpenKeyExW(root, path, 0, KEY_READ, &key_) != ERROR_SUCCESS) key_ = nullptr;
    }
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;
    ~RegistryKey() {
        if (key_) ::RegCloseKey(key_);
    }
    // Null when the key could not be opened.
    HKEY get() const { return key_; }

private:
    HKEY key_ = nullptr;
};
