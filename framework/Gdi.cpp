#include "framework/Gdi.h"

#include "framework/Wnd.h"

CPaintDC::CPaintDC(CWnd* window) : m_window(window->GetSafeHwnd()) {
    m_hDC = ::BeginPaint(m_window, &m_paint);
}

CPaintDC::~CPaintDC() { ::EndPaint(m_window, &m_paint); }
