// CColorStaticST: static text drawn in a colour the program chooses, on a solid background
// of its own. The control answers the colour request its parent reflects back to it, so a
// dialog needs no colour handling of its own.
#pragma once

#include <atomic>

#include "framework/Afx.h"

class CColorStaticST : public CStatic {
public:
    CColorStaticST();
    ~CColorStaticST() override = default;

    // Stores the colour and repaints the whole control in it.
    void SetTextColor(COLORREF colour);

protected:
    HBRUSH CtlColor(HDC dc, UINT kind);
    void OnDestroy();

    DECLARE_MESSAGE_MAP()

private:
    // Written by the format worker and read when the control repaints on the user-interface
    // thread, hence atomic.
    std::atomic<COLORREF> m_textColor;
    COLORREF m_backgroundColor;
    CBrush m_backgroundBrush;
};
