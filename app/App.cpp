#include "app/App.h"

#include "app/MainDialog.h"
#include "app/resource.h"

BEGIN_MESSAGE_MAP(CQuarrix_Disk_FormatterApp, CWinApp)
    ON_COMMAND(ID_HELP, &CWinApp::OnHelp)
END_MESSAGE_MAP()

// The one application object.
CQuarrix_Disk_FormatterApp theApp;

BOOL CQuarrix_Disk_FormatterApp::InitInstance() {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof(controls);
    controls.dwICC = ICC_WIN95_CLASSES;
    ::InitCommonControlsEx(&controls);

    CWinApp::InitInstance();

    CQuarrix_Disk_FormatterDlg dialog;
    m_pMainWnd = &dialog;
    dialog.DoModal();
    m_pMainWnd = nullptr;
    // No message loop of our own: returning FALSE ends the program.
    return FALSE;
}
