// CColorStaticST: static text drawn in a colour the program chooses for its role, on the dialog
// face. The control answers the colour request its parent reflects back to it, so a dialog needs
// no colour handling of its own.
#pragma once

#include <atomic>

#include "framework/Afx.h"
#include "ui/TextColourRules.h"

class CColorStaticST : public CStatic {
public:
    explicit CColorStaticST(TextRole role);

    // Stores the colour and repaints the whole control in it.
    void SetTextColor(COLORREF colour);
    // Stores the role and repaints the whole control in the role's colour.
    void SetRole(TextRole role);

protected:
    HBRUSH CtlColor(HDC dc, UINT kind);
    // A changed theme or colour scheme shows at once.
    void OnSysColorChange();
    void OnSettingChange(UINT, LPCWSTR);

    DECLARE_MESSAGE_MAP()

private:
    // Written by the format worker and read when the control repaints on the user-interface
    // thread, hence atomic.
    std::atomic<COLORREF> m_textColor;
    std::atomic<TextRole> m_role;
};
