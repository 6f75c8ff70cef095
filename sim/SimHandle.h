// Owns one kernel handle (file, pipe, process) and closes it when it goes out of scope.
#pragma once

#include <windows.h>

struct SimHandle {
    HANDLE value = INVALID_HANDLE_VALUE;

    SimHandle() = default;
    explicit SimHandle(HANDLE handle) : value(handle) {}
    SimHandle(const SimHandle&) = delete;
    SimHandle& operator=(const SimHandle&) = delete;
    ~SimHandle() { Close(); }

    bool Valid() const { return value != INVALID_HANDLE_VALUE && value != nullptr; }
    void Close() {
        if (Valid()) CloseHandle(value);
        value = INVALID_HANDLE_VALUE;
    }
};
