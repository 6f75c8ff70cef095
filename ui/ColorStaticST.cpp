#include "ui/ColorStaticST.h"

namespace {

bool IsHighContrastOn() {
    HIGHCONTRASTW highContrast{};
    highContrast.cbSize = sizeof(highContrast);
    return ::SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(highContrast), &highContrast, 0) &&
           (highContrast.dwFlags & HCF_HIGHCONTRASTON);
}

}  // namespace

BEGIN_MESSAGE_MAP(CColorStaticST, CStatic)
    ON_WM_CTLCOLOR_REFLECT()
    ON_WM_SYSCOLORCHANGE()
    ON_WM_SETTINGCHANGE()
END_MESSAGE_MAP()

CColorStaticST::CColorStaticST(TextRole role) : m_textColor(::GetSysColor(COLOR_BTNTEXT)), m_role(role) {}

void CColorStaticST::SetTextColor(COLORREF colour) {
    m_textColor = colour;
    InvalidateRect(nullptr, TRUE);
}

void CColorStaticST::SetRole(TextRole role) {
    m_role = role;
    InvalidateRect(nullptr, TRUE);
}

// The system colours are read at every paint, so the user's theme of the moment always wins.
HBRUSH CColorStaticST::CtlColor(HDC dc, UINT) {
    const TextColours colours{m_textColor.load(), ::GetSysColor(COLOR_BTNTEXT), ::GetSysColor(COLOR_HOTLIGHT)};
    ::SetTextColor(dc, TextColourFor(m_role.load(), IsHighContrastOn(), colours));
    ::SetBkColor(dc, ::GetSysColor(COLOR_BTNFACE));
    return ::GetSysColorBrush(COLOR_BTNFACE);
}

void CColorStaticST::OnSysColorChange() {
    InvalidateRect(nullptr, TRUE);
    Default();
}

void CColorStaticST::OnSettingChange(UINT, LPCWSTR) {
    InvalidateRect(nullptr, TRUE);
    Default();
}
