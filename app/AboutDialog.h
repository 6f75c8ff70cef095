// The About box: logo, product line, legal notice, the maker's web-site name and OK.
#pragma once

#include "framework/Afx.h"
#include "lang/Texts.h"
#include "ui/ColorStaticST.h"

inline constexpr wchar_t kMakerHost[] = L"www.quarrix.example";
inline constexpr wchar_t kMakerUrl[] = L"http://www.quarrix.example/";
inline constexpr COLORREF kAboutLinkColour = RGB(100, 100, 255);

class CAboutDlg : public CDialog {
public:
    // `texts` is the main window's, which outlives the box.
    explicit CAboutDlg(const Texts& texts);

    CColorStaticST m_link{TextRole::WebSiteText};

protected:
    void DoDataExchange(CDataExchange* exchange) override;
    BOOL OnInitDialog() override;

private:
    const Texts& m_texts;
};
