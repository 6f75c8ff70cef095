#include "ui/ColorStaticST.h"

BEGIN_MESSAGE_MAP(CColorStaticST, CStatic)
    ON_WM_CTLCOLOR_REFLECT()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

// The system colours are read once, here, so a later change of the colour scheme leaves the
// control as it is.
CColorStaticST::CColorStaticST()
    : m_textColor(::GetSysColor(COLOR_BTNTEXT)), m_backgroundColor(::GetSysColor(COLOR_BTNFACE)) {
    m_backgroundBrush.CreateSolidBrush(m_backgroundColor);
}

void CColorStaticST::SetTextColor(COLORREF colour) {
    m_textColor = colour;
    InvalidateRect(nullptr, TRUE);
}

HBRUSH CColorStaticST::CtlColor(HDC dc, UINT) {
    ::SetTextColor(dc, m_textColor.load());
    ::SetBkColor(dc, m_backgroundColor);
    return m_backgroundBrush;
}

void CColorStaticST::OnDestroy() {
    CStatic::OnDestroy();
    m_backgroundBrush.DeleteObject();
}
