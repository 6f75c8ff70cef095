// CWnd: a C++ object bound to one window handle. Controls of a dialog are bound by
// subclassing (SetWindowSubclass), which lets the object answer messages through its message
// map and lets the parent find the object again from the handle, without any global table.
#pragma once

#include <string>

#include "framework/MessageMap.h"

class CWnd : public CCmdTarget {
public:
    CWnd() = default;
    ~CWnd() override;

    HWND m_hWnd = nullptr;

    HWND GetSafeHwnd() const { return m_hWnd; }

    BOOL ShowWindow(int showCommand) { return ::ShowWindow(m_hWnd, showCommand); }
    BOOL EnableWindow(BOOL enable = TRUE) { return ::EnableWindow(m_hWnd, enable); }
    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
    void SetWindowText(const std::wstring& text) { ::SetWindowTextW(m_hWnd, text.c_str()); }
    std::wstring GetWindowText() const;
    // A null window would mean the whole desktop (InvalidateRect) or this thread's queue
    // (PostMessage), so an unbound object does nothing.
    void InvalidateRect(const RECT* rect, BOOL erase = TRUE) {
        if (m_hWnd) ::InvalidateRect(m_hWnd, rect, erase);
    }
    void GetClientRect(RECT* rect) const { ::GetClientRect(m_hWnd, rect); }
    HMENU GetSystemMenu(BOOL revert) const { return ::GetSystemMenu(m_hWnd, revert); }
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendMessageW(m_hWnd, message, wParam, lParam);
    }
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return m_hWnd ? ::PostMessageW(m_hWnd, message, wParam, lParam) : FALSE;
    }

    // A message box owned by this window; without a caption the application's name is used.
    int MessageBox(const std::wstring& text, const wchar_t* caption = nullptr, UINT type = MB_OK);

    // Centres the window over its owner, or in the work area of its monitor when it has none.
    void CenterWindow();

    // Binds this object to an existing window; false when the handle is null or already bound.
    bool SubclassWindow(HWND window);
    // The object bound to a window by SubclassWindow, if any.
    static CWnd* FromSubclassedHandle(HWND window);

    // Runs the message maps for a message sent to this window.
    virtual bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

protected:
    // Default processing of the message being handled.
    virtual LRESULT Default();
    void OnDestroy() { Default(); }

private:
    struct CurrentMessage {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    const CurrentMessage* m_current = nullptr;
    bool m_subclassed = false;

    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR refData);
    void Unsubclass();

    friend class CDialog;
};
