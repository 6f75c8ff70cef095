#include "app/AboutDialog.h"

#include "app/resource.h"

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUT) {}

// Runs when the box opens and again when it is closed with OK; the second run changes nothing
// visible.
void CAboutDlg::DoDataExchange(CDataExchange* exchange) {
    DDX_Control(exchange, IDC_ABOUT_LINK, m_link);
    m_link.SetTextColor(kAboutLinkColour);
}
