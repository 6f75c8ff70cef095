// Thin wrappers over the standard controls a dialog binds with DDX_Control: each call is one
// message to the control's window.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "framework/Wnd.h"

class CStatic : public CWnd {};
class CButton : public CWnd {};
class CEdit : public CWnd {};

class CComboBox : public CWnd {
public:
    int GetCount() const { return int(SendMessage(CB_GETCOUNT)); }
    int GetCurSel() const { return int(SendMessage(CB_GETCURSEL)); }
    int SetCurSel(int index) { return int(SendMessage(CB_SETCURSEL, WPARAM(index))); }
    int AddString(const std::wstring& text) { return int(SendMessage(CB_ADDSTRING, 0, LPARAM(text.c_str()))); }
    int InsertString(int index, const std::wstring& text) {
        return int(SendMessage(CB_INSERTSTRING, WPARAM(index), LPARAM(text.c_str())));
    }
    int DeleteString(int index) { return int(SendMessage(CB_DELETESTRING, WPARAM(index))); }
    void ResetContent() { SendMessage(CB_RESETCONTENT); }
    DWORD_PTR GetItemData(int index) const { return DWORD_PTR(SendMessage(CB_GETITEMDATA, WPARAM(index))); }
    int SetItemData(int index, DWORD_PTR data) { return int(SendMessage(CB_SETITEMDATA, WPARAM(index), LPARAM(data))); }
    int FindStringExact(int startAfter, const std::wstring& text) const {
        return int(SendMessage(CB_FINDSTRINGEXACT, WPARAM(startAfter), LPARAM(text.c_str())));
    }
    // Selects the first entry after `startAfter` that begins with `text` (any letter case); the
    // selection stays as it was when there is none.
    int SelectString(int startAfter, const std::wstring& text) {
        return int(SendMessage(CB_SELECTSTRING, WPARAM(startAfter), LPARAM(text.c_str())));
    }
    void ShowDropDown(BOOL show = TRUE) { SendMessage(CB_SHOWDROPDOWN, WPARAM(show)); }
    // The text of entry `index`; empty when there is no such entry.
    void GetLBText(int index, std::wstring& text) const;
};

class CProgressCtrl : public CWnd {
public:
    int SetPos(int position) { return int(SendMessage(PBM_SETPOS, WPARAM(position))); }
    BOOL SetMarquee(BOOL on, UINT intervalMs) { return BOOL(SendMessage(PBM_SETMARQUEE, WPARAM(on), LPARAM(intervalMs))); }
};
