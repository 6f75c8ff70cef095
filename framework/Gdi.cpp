#include "framework/Gdi.h"

#include "framework/Wnd.h"

bool CIcon::Load(HINSTANCE module, UINT id, int width, int height) {
    Destroy();
    m_icon = static_cast<HICON>(::LoadImageW(module, MAKEINTRESOURCEW(id), IMAGE_ICON, width, height, LR_DEFAULTCOLOR));
    return m_icon != nullptr;
}

void CIcon::Destroy() {
    if (m_icon) ::DestroyIcon(m_icon);
    m_icon = nullptr;
}

CPaintDC::CPaintDC(CWnd* window) : m_window(window->GetSafeHwnd()) {
    m_hDC = ::BeginPaint(m_window, &m_paint);
}

CPaintDC::~CPaintDC() { ::EndPaint(m_window, &m_paint); }
