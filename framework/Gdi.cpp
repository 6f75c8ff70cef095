#include "framework/Gdi.h"

#include "framework/Wnd.h"

BOOL CBrush::CreateSolidBrush(COLORREF colour) {
    DeleteObject();
    m_brush = ::CreateSolidBrush(colour);
    return m_brush != nullptr;
}

BOOL CBrush::DeleteObject() {
    if (!m_brush) return FALSE;
    const BOOL deleted = ::DeleteObject(m_brush);
    m_brush = nullptr;
    return deleted;
}

CPaintDC::CPaintDC(CWnd* window) : m_window(window->GetSafeHwnd()) {
    m_hDC = ::BeginPaint(m_window, &m_paint);
}

CPaintDC::~CPaintDC() { ::EndPaint(m_window, &m_paint); }
