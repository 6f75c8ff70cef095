#include "framework/WinApp.h"

#include "framework/Wnd.h"

namespace {

// The registered application object (set by its constructor, cleared by its destructor).
CWinApp*& RegisteredApp() {
    static CWinApp* app = nullptr;
    return app;
}

std::wstring ExecutableBaseName() {
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring name(path);
    const size_t slash = name.find_last_of(L"\\/");
    if (slash != std::wstring::npos) name.erase(0, slash + 1);
    const size_t dot = name.find_last_of(L'.');
    if (dot != std::wstring::npos) name.erase(dot);
    return name;
}

}  // namespace

CWinApp::CWinApp(const wchar_t* appName) : m_pszAppName(appName ? appName : ExecutableBaseName()) {
    RegisteredApp() = this;
}

CWinApp::~CWinApp() {
    if (RegisteredApp() == this) RegisteredApp() = nullptr;
}

CWinApp* AfxGetApp() { return RegisteredApp(); }

CWnd* AfxGetMainWnd() {
    CWinApp* app = AfxGetApp();
    return app ? app->m_pMainWnd : nullptr;
}

std::wstring AfxGetAppName() {
    CWinApp* app = AfxGetApp();
    return app ? app->m_pszAppName : ExecutableBaseName();
}

HINSTANCE AfxGetResourceHandle() { return ::GetModuleHandleW(nullptr); }

int AfxMessageBox(const std::wstring& text, UINT type, UINT) {
    CWnd* main = AfxGetMainWnd();
    HWND owner = main && ::IsWindow(main->m_hWnd) ? main->m_hWnd : nullptr;
    return ::MessageBoxW(owner, text.c_str(), AfxGetAppName().c_str(), type);
}
