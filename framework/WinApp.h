// CWinApp: the one application object. It registers itself when constructed; the entry point
// calls its InitInstance. Its name (the executable's base name unless given) is the caption of
// every message box the program shows without one.
#pragma once

#include <string>

#include "framework/MessageMap.h"

class CWnd;

class CWinApp : public CCmdTarget {
public:
    explicit CWinApp(const wchar_t* appName = nullptr);
    ~CWinApp() override;

    virtual BOOL InitInstance() { return TRUE; }
    // Opens help; the program ships no help file, so there is nothing to open.
    void OnHelp() {}

    std::wstring m_pszAppName;
    CWnd* m_pMainWnd = nullptr;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
std::wstring AfxGetAppName();
HINSTANCE AfxGetResourceHandle();

// A message box owned by the main window, with the application's name as its caption.
int AfxMessageBox(const std::wstring& text, UINT type = MB_OK, UINT helpId = 0);
