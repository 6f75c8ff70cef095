#include "app/ShellOpen.h"

#include <windows.h>
#include <exdisp.h>
#include <shellapi.h>
#include <shldisp.h>
#include <shlobj.h>

#include "framework/Handle.h"

namespace {

// The service that leads from a shell window to its browser (SID_STopLevelBrowser). The shell's
// interface and class ids come from their declarations (__uuidof), so no library of GUIDs, which
// would bring some hundred kilobytes of them, is linked in.
constexpr GUID kTopLevelBrowserService = {0x4c96be40, 0x915c, 0x11cf, {0x99, 0xd3, 0x00, 0xaa, 0x00, 0x4a, 0xe8, 0x37}};

// COM on this thread for the life of the object, single-threaded as the shell's objects expect.
class ComApartment {
public:
    ComApartment() : m_result(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)) {}
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    ~ComApartment() {
        if (SUCCEEDED(m_result)) ::CoUninitialize();
    }
    // COM can be used: set up here, or already set up on this thread in another model.
    bool Usable() const { return SUCCEEDED(m_result) || m_result == RPC_E_CHANGED_MODE; }

private:
    HRESULT m_result;
};

// Holds one interface pointer and releases it.
template <typename Interface>
class ComPtr {
public:
    ComPtr() = default;
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ~ComPtr() {
        if (m_pointer) m_pointer->Release();
    }
    Interface* operator->() const { return m_pointer; }
    // For a call that hands out a new reference.
    Interface** put() { return &m_pointer; }
    void** putVoid() { return reinterpret_cast<void**>(&m_pointer); }
    explicit operator bool() const { return m_pointer != nullptr; }

private:
    Interface* m_pointer = nullptr;
};

// A BSTR that frees itself; null when it cannot be had.
class Bstr {
public:
    explicit Bstr(const std::wstring& text) : m_text(::SysAllocString(text.c_str())) {}
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    ~Bstr() { ::SysFreeString(m_text); }
    BSTR get() const { return m_text; }

private:
    BSTR m_text;
};

VARIANT IntegerVariant(LONG value) {
    VARIANT variant{};
    variant.vt = VT_I4;
    variant.lVal = value;
    return variant;
}

// The shell's automation object of the desktop's folder view, which Explorer serves.
bool FindDesktopShellDispatch(ComPtr<IShellDispatch2>& shell) {
    ComPtr<IShellWindows> windows;
    if (FAILED(::CoCreateInstance(__uuidof(ShellWindows), nullptr, CLSCTX_LOCAL_SERVER, __uuidof(IShellWindows),
                                  windows.putVoid())))
        return false;
    VARIANT desktop = IntegerVariant(CSIDL_DESKTOP);
    VARIANT empty{};
    LONG window = 0;
    ComPtr<IDispatch> browserDispatch;
    if (windows->FindWindowSW(&desktop, &empty, SWC_DESKTOP, &window, SWFO_NEEDDISPATCH, browserDispatch.put()) !=
            S_OK ||
        !browserDispatch)
        return false;
    ComPtr<IServiceProvider> services;
    ComPtr<IShellBrowser> browser;
    ComPtr<IShellView> view;
    ComPtr<IDispatch> viewDispatch;
    ComPtr<IShellFolderViewDual> folderView;
    ComPtr<IDispatch> application;
    return SUCCEEDED(browserDispatch->QueryInterface(__uuidof(IServiceProvider), services.putVoid())) &&
           SUCCEEDED(services->QueryService(kTopLevelBrowserService, __uuidof(IShellBrowser), browser.putVoid())) &&
           SUCCEEDED(browser->QueryActiveShellView(view.put())) &&
           SUCCEEDED(view->GetItemObject(SVGIO_BACKGROUND, __uuidof(IDispatch), viewDispatch.putVoid())) &&
           SUCCEEDED(viewDispatch->QueryInterface(__uuidof(IShellFolderViewDual), folderView.putVoid())) &&
           SUCCEEDED(folderView->get_Application(application.put())) &&
           SUCCEEDED(application->QueryInterface(__uuidof(IShellDispatch2), shell.putVoid()));
}

}  // namespace

void ShellOpen(const std::wstring& target) {
    const ComApartment com;
    ::ShellExecuteW(nullptr, L"open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

bool IsProcessElevated() {
    CHandle token;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, token.put())) return false;
    TOKEN_ELEVATION elevation{};
    DWORD size = 0;
    // Windows XP knows no elevation and refuses the question.
    return ::GetTokenInformation(token.get(), TokenElevation, &elevation, sizeof(elevation), &size) &&
           elevation.TokenIsElevated;
}

bool OpenFromDesktopShell(const std::wstring& target) {
    const ComApartment com;
    if (!com.Usable()) return false;
    ComPtr<IShellDispatch2> shell;
    if (!FindDesktopShellDispatch(shell)) return false;
    const Bstr file(target);
    const Bstr verb(L"open");
    if (!file.get() || !verb.get()) return false;
    VARIANT none{};
    VARIANT operation{};
    operation.vt = VT_BSTR;
    operation.bstrVal = verb.get();
    return SUCCEEDED(shell->ShellExecute(file.get(), none, none, operation, IntegerVariant(SW_SHOWNORMAL)));
}
