// Owners of GDI resources: an icon loaded at a chosen size, and the paint device context of one
// WM_PAINT.
#pragma once

#include <windows.h>

class CWnd;

class CIcon {
public:
    CIcon() = default;
    CIcon(const CIcon&) = delete;
    CIcon& operator=(const CIcon&) = delete;
    ~CIcon() { Destroy(); }

    // Loads icon resource `id` at width x height pixels, the image of the group nearest that size
    // scaled to fit; false when it cannot be loaded.
    [[nodiscard]] bool Load(HINSTANCE module, UINT id, int width, int height);
    void Destroy();
    operator HICON() const { return m_icon; }

private:
    HICON m_icon = nullptr;
};

class CPaintDC {
public:
    explicit CPaintDC(CWnd* window);
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;
    ~CPaintDC();

    HDC GetSafeHdc() const { return m_hDC; }
    BOOL DrawIcon(int x, int y, HICON icon) { return ::DrawIcon(m_hDC, x, y, icon); }

    HDC m_hDC = nullptr;

private:
    HWND m_window;
    PAINTSTRUCT m_paint{};
};
