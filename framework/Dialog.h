// CDialog: a modal dialog built from a dialog template. Its dialog procedure routes messages
// through the message maps, hands each control's colour request back to the control's own
// object (reflection), passes changes of the colours and settings on to its controls, and can
// hold close requests back while the program is busy.
#pragma once

#include "framework/Wnd.h"

class CDataExchange {
public:
    CDataExchange(CWnd* dialog, BOOL saveAndValidate) : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate) {}
    CWnd* m_pDlgWnd;
    BOOL m_bSaveAndValidate;
};

// Binds `control` to the dialog's control `id` by subclassing it (once).
void DDX_Control(CDataExchange* exchange, int id, CWnd& control);

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);

    INT_PTR DoModal();
    void EndDialog(int result) { ::EndDialog(m_hWnd, result); }
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    // While held, closing the dialog (Escape, Enter, the close box) does not end it: the request
    // goes to OnHeldCloseRequest instead. The dialog's own thread keeps running; nothing waits.
    void HoldCloseRequests() { m_closeHeld = true; }
    void ReleaseCloseRequests() { m_closeHeld = false; }
    bool AreCloseRequestsHeld() const { return m_closeHeld; }

    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

protected:
    virtual BOOL OnInitDialog();
    virtual void DoDataExchange(CDataExchange* exchange) {}
    virtual void OnOK();
    virtual void OnCancel();
    // A close request while they are held: `command` is IDOK (Enter) or IDCANCEL (Escape, the
    // close box, Alt+F4). It does nothing here.
    virtual void OnHeldCloseRequest(UINT command) {}

    // Lets the dialog manager do its own processing of the message being handled.
    LRESULT Default() override;

    DECLARE_MESSAGE_MAP()

private:
    void OnOkCommand();
    void OnCancelCommand();
    bool RefuseCloseWhileHeld(UINT command);
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    UINT m_templateId;
    CWnd* m_pParentWnd;
    bool m_defaultRequested = false;
    bool m_closeHeld = false;
};
