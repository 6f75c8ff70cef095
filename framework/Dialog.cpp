#include "framework/Dialog.h"

#include "framework/WinApp.h"

namespace {

bool IsColourRequest(UINT message) { return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC; }

// Messages whose result the dialog procedure returns itself rather than through DWLP_MSGRESULT.
bool ReturnsResultDirectly(UINT message) {
    return IsColourRequest(message) || message == WM_QUERYDRAGICON || message == WM_COMPAREITEM ||
           message == WM_VKEYTOITEM || message == WM_CHARTOITEM || message == WM_INITDIALOG;
}

}  // namespace

void DDX_Control(CDataExchange* exchange, int id, CWnd& control) {
    if (control.m_hWnd) return;
    control.SubclassWindow(::GetDlgItem(exchange->m_pDlgWnd->m_hWnd, id));
}

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, &CDialog::OnOkCommand)
    ON_COMMAND(IDCANCEL, &CDialog::OnCancelCommand)
END_MESSAGE_MAP()

CDialog::CDialog(UINT templateId, CWnd* parent) : m_templateId(templateId), m_pParentWnd(parent) {}

INT_PTR CDialog::DoModal() {
    // Without a parent the box belongs to the main window (or the active one), which the
    // dialog manager then disables while the box is open.
    HWND owner = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
    if (!owner) {
        CWnd* main = AfxGetMainWnd();
        if (main && main != this && ::IsWindow(main->m_hWnd)) owner = main->m_hWnd;
    }
    if (!owner) owner = ::GetActiveWindow();
    return ::DialogBoxParamW(AfxGetResourceHandle(), MAKEINTRESOURCEW(m_templateId), owner, &CDialog::DialogProc,
                             reinterpret_cast<LPARAM>(this));
}

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
    CDataExchange exchange(this, saveAndValidate);
    DoDataExchange(&exchange);
    return TRUE;
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    UpdateData(TRUE);
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

bool CDialog::RefuseCloseWhileHeld(UINT command) {
    if (!m_closeHeld) return false;
    OnHeldCloseRequest(command);
    return true;
}

void CDialog::OnOkCommand() {
    if (!RefuseCloseWhileHeld(IDOK)) OnOK();
}

void CDialog::OnCancelCommand() {
    if (!RefuseCloseWhileHeld(IDCANCEL)) OnCancel();
}

LRESULT CDialog::Default() {
    m_defaultRequested = true;
    return 0;
}

bool CDialog::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    // A control bound to an object answers its own colour request.
    if (IsColourRequest(message)) {
        if (CWnd* child = CWnd::FromSubclassedHandle(reinterpret_cast<HWND>(lParam))) {
            const UINT kind = message - WM_CTLCOLORMSGBOX;
            if (child->OnWndMsg(WM_REFLECT_CTLCOLOR, wParam, kind, result) && result) return true;
        }
    }
    // Only top-level windows hear that the colours or a setting changed; the controls must too.
    if (message == WM_SYSCOLORCHANGE || message == WM_SETTINGCHANGE) {
        for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
            ::SendMessageW(child, message, wParam, lParam);
    }
    if (CWnd::OnWndMsg(message, wParam, lParam, result)) return true;
    // Commands no window handles go to the application, as menu commands do.
    if (message == WM_COMMAND) {
        if (CWinApp* app = AfxGetApp()) return app->DispatchToMessageMap(message, wParam, lParam, result);
    }
    return false;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<CDialog*>(lParam);
        ::SetWindowLongPtrW(window, DWLP_USER, lParam);
        self->m_hWnd = window;
        const LONG style = ::GetWindowLongW(window, GWL_STYLE);
        if (!(style & (DS_CENTER | DS_CENTERMOUSE | DS_ABSALIGN))) self->CenterWindow();
        // A system-modal dialog stays above other windows; not every system applies the
        // template's style by itself.
        if (style & DS_SYSMODAL)
            ::SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        return self->OnInitDialog();
    }
    auto* self = reinterpret_cast<CDialog*>(::GetWindowLongPtrW(window, DWLP_USER));
    if (!self) return FALSE;
    if (message == WM_NCDESTROY) {
        self->m_hWnd = nullptr;
        return FALSE;
    }

    const bool outerDefault = self->m_defaultRequested;
    self->m_defaultRequested = false;
    LRESULT result = 0;
    const bool handled = self->OnWndMsg(message, wParam, lParam, result);
    const bool wantsDefault = self->m_defaultRequested;
    self->m_defaultRequested = outerDefault;

    if (!handled || wantsDefault) return FALSE;
    if (ReturnsResultDirectly(message)) return static_cast<INT_PTR>(result);
    ::SetWindowLongPtrW(window, DWLP_MSGRESULT, result);
    return TRUE;
}
