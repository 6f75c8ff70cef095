#include "app/AboutDialog.h"

#include "app/resource.h"

CAboutDlg::CAboutDlg(const Texts& texts) : CDialog(IDD_ABOUT), m_texts(texts) {}

// Runs when the box opens and again when it is closed with OK; the second run changes nothing
// visible.
void CAboutDlg::DoDataExchange(CDataExchange* exchange) {
    DDX_Control(exchange, IDC_ABOUT_LINK, m_link);
    m_link.SetTextColor(kAboutLinkColour);
}

// The caption and the button speak the main window's language; the product line, the notice and
// the web-site name are the same in every language.
BOOL CAboutDlg::OnInitDialog() {
    const BOOL result = CDialog::OnInitDialog();
    SetWindowText(m_texts[TextId::AboutCaption]);
    ::SetDlgItemTextW(m_hWnd, IDOK, m_texts[TextId::AboutOkButton]);
    return result;
}
