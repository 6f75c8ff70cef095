#include "app/App.h"

#include "app/MainDialog.h"
#include "app/resource.h"
#include "framework/SystemFunction.h"

namespace {

// The program runs elevated from a folder (often Downloads) where any program of the user can
// put a DLL: libraries loaded from now on come from the system folder only where the system
// offers that, and at least never from the current directory.
void RestrictLibrarySearch() {
    constexpr DWORD kSearchSystem32 = 0x00000800;  // LOAD_LIBRARY_SEARCH_SYSTEM32
    using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);
    using SetDllDirectoryFunction = BOOL(WINAPI*)(LPCWSTR);
    const auto setDefault =
        FindSystemFunction<SetDefaultDllDirectoriesFunction>(L"kernel32.dll", "SetDefaultDllDirectories");
    if (setDefault && setDefault(kSearchSystem32)) return;
    const auto setDllDirectory = FindSystemFunction<SetDllDirectoryFunction>(L"kernel32.dll", "SetDllDirectoryW");
    if (setDllDirectory) setDllDirectory(L"");
}

}  // namespace

BEGIN_MESSAGE_MAP(CQuarrix_Disk_FormatterApp, CWinApp)
    ON_COMMAND(ID_HELP, &CWinApp::OnHelp)
END_MESSAGE_MAP()

// The one application object.
CQuarrix_Disk_FormatterApp theApp;

BOOL CQuarrix_Disk_FormatterApp::InitInstance() {
    RestrictLibrarySearch();

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
