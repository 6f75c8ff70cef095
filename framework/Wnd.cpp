#include "framework/Wnd.h"

#include <windows.h>
#include <commctrl.h>

#include "framework/WinApp.h"

namespace {
// Identifies our subclass among any others a window may carry.
constexpr UINT_PTR kSubclassId = 0x51A1;
// The window property through which a bound window leads back to its object.
constexpr wchar_t kObjectProperty[] = L"Quarrix.CWnd";
}  // namespace

CWnd::~CWnd() {
    if (m_subclassed && ::IsWindow(m_hWnd)) Unsubclass();
}

std::wstring CWnd::GetWindowText() const {
    const int length = ::GetWindowTextLengthW(m_hWnd);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const int copied = ::GetWindowTextW(m_hWnd, text.data(), length + 1);
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return text;
}

int CWnd::MessageBox(const std::wstring& text, const wchar_t* caption, UINT type) {
    const std::wstring appName = AfxGetAppName();
    return ::MessageBoxW(m_hWnd, text.c_str(), caption ? caption : appName.c_str(), type);
}

void CWnd::CenterWindow() {
    RECT window{};
    ::GetWindowRect(m_hWnd, &window);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    ::GetMonitorInfoW(::MonitorFromWindow(m_hWnd, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT work = monitor.rcWork;

    RECT centreOn = work;
    if (HWND owner = ::GetWindow(m_hWnd, GW_OWNER); owner && ::IsWindowVisible(owner) && !::IsIconic(owner))
        ::GetWindowRect(owner, &centreOn);

    const int width = window.right - window.left;
    const int height = window.bottom - window.top;
    int left = (centreOn.left + centreOn.right - width) / 2;
    int top = (centreOn.top + centreOn.bottom - height) / 2;
    // Keep the whole window inside the work area.
    if (left + width > work.right) left = work.right - width;
    if (top + height > work.bottom) top = work.bottom - height;
    if (left < work.left) left = work.left;
    if (top < work.top) top = work.top;
    ::SetWindowPos(m_hWnd, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool CWnd::SubclassWindow(HWND window) {
    if (!window || m_hWnd) return false;
    if (!::SetWindowSubclass(window, &CWnd::SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this)))
        return false;
    ::SetPropW(window, kObjectProperty, this);
    m_hWnd = window;
    m_subclassed = true;
    return true;
}

void CWnd::Unsubclass() {
    ::RemoveWindowSubclass(m_hWnd, &CWnd::SubclassProc, kSubclassId);
    ::RemovePropW(m_hWnd, kObjectProperty);
    m_subclassed = false;
    m_hWnd = nullptr;
}

CWnd* CWnd::FromSubclassedHandle(HWND window) {
    return window ? static_cast<CWnd*>(::GetPropW(window, kObjectProperty)) : nullptr;
}

bool CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    const CurrentMessage current{message, wParam, lParam};
    const CurrentMessage* outer = m_current;
    m_current = &current;
    const bool handled = DispatchToMessageMap(message, wParam, lParam, result);
    m_current = outer;
    return handled;
}

LRESULT CWnd::Default() {
    if (!m_current || !m_subclassed) return 0;
    return ::DefSubclassProc(m_hWnd, m_current->message, m_current->wParam, m_current->lParam);
}

LRESULT CALLBACK CWnd::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR, DWORD_PTR refData) {
    auto* self = reinterpret_cast<CWnd*>(refData);
    if (message == WM_NCDESTROY) {
        self->Unsubclass();
        return ::DefSubclassProc(window, message, wParam, lParam);
    }
    LRESULT result = 0;
    if (self->OnWndMsg(message, wParam, lParam, result)) return result;
    return ::DefSubclassProc(window, message, wParam, lParam);
}
