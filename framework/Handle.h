// CHandle: owns one kernel handle and closes it when it goes out of scope.
#pragma once

#include <windows.h>

#include <utility>

class CHandle {
public:
    CHandle() = default;
    explicit CHandle(HANDLE handle) : m_handle(handle) {}
    CHandle(const CHandle&) = delete;
    CHandle& operator=(const CHandle&) = delete;
    CHandle(CHandle&& other) noexcept : m_handle(std::exchange(other.m_handle, nullptr)) {}
    CHandle& operator=(CHandle&& other) noexcept {
        if (this != &other) {
            Close();
            m_handle = std::exchange(other.m_handle, nullptr);
        }
        return *this;
    }
    ~CHandle() { Close(); }

    // False only when a handle was held and closing it failed.
    bool Close() {
        bool closed = true;
        if (m_handle && m_handle != INVALID_HANDLE_VALUE) closed = ::CloseHandle(m_handle) != FALSE;
        m_handle = nullptr;
        return closed;
    }
    HANDLE get() const { return m_handle; }
    HANDLE* put() {
        Close();
        return &m_handle;
    }
    explicit operator bool() const { return m_handle && m_handle != INVALID_HANDLE_VALUE; }

private:
    HANDLE m_handle = nullptr;
};
