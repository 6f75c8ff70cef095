// The dialog framework on a real window: message-map dispatch, binding controls by subclassing,
// reflection of colour requests to the control's object, changes of colours and settings passed
// on to the controls, holding close requests back, and worker threads.
#include <gtest/gtest.h>

#include <atomic>

#include "framework/Afx.h"
#include "framework/tests/support/ModalDialogRunner.h"
#include "framework/tests/support/WindowProbe.h"

namespace {

constexpr UINT kAnswerMessage = WM_APP + 5;
constexpr UINT kHoldMessage = WM_APP + 6;
constexpr COLORREF kTestColour = RGB(12, 34, 56);

class CTestStatic : public CStatic {
public:
    HBRUSH Brush() const { return brush_; }
    int destroyed = 0;
    int changes = 0;

protected:
    HBRUSH CtlColor(HDC dc, UINT kind) {
        ::SetTextColor(dc, kTestColour);
        lastKind = kind;
        return brush_;
    }
    void OnDestroy() {
        ++destroyed;
        CStatic::OnDestroy();
    }
    void OnSysColorChange() { ++changes; }
    void OnSettingChange(UINT, LPCWSTR) { ++changes; }
    DECLARE_MESSAGE_MAP()

public:
    UINT lastKind = 99;

private:
    HBRUSH brush_ = static_cast<HBRUSH>(::GetStockObject(GRAY_BRUSH));
};

BEGIN_MESSAGE_MAP(CTestStatic, CStatic)
    ON_WM_CTLCOLOR_REFLECT()
    ON_WM_DESTROY()
    ON_WM_SYSCOLORCHANGE()
    ON_WM_SETTINGCHANGE()
END_MESSAGE_MAP()

class CBaseTestDialog : public CDialog {
public:
    CBaseTestDialog() : CDialog(200) {}
    std::atomic<int> baseClicks{0};
    std::atomic<int> baseAnswers{0};

protected:
    void OnPress() { ++baseClicks; }
    LRESULT OnAnswer(WPARAM, LPARAM) {
        ++baseAnswers;
        return 7;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseTestDialog, CDialog)
    ON_BN_CLICKED(301, &CBaseTestDialog::OnPress)
    ON_MESSAGE(kAnswerMessage, &CBaseTestDialog::OnAnswer)
END_MESSAGE_MAP()

class CTestDialog : public CBaseTestDialog {
public:
    CTestStatic m_colour;
    std::atomic<int> clicks{0};
    std::atomic<int> exchanges{0};
    std::atomic<int> heldOks{0};
    std::atomic<int> heldCancels{0};

protected:
    void DoDataExchange(CDataExchange* exchange) override {
        ++exchanges;
        DDX_Control(exchange, 300, m_colour);
    }
    // Overrides the base class's entry for the same button.
    void OnPressHere() { ++clicks; }
    LRESULT OnHold(WPARAM hold, LPARAM) {
        if (hold) HoldCloseRequests();
        else ReleaseCloseRequests();
        return 1;
    }
    void OnHeldCloseRequest(UINT command) override { ++(command == IDOK ? heldOks : heldCancels); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestDialog, CBaseTestDialog)
    ON_BN_CLICKED(301, &CTestDialog::OnPressHere)
    ON_MESSAGE(kHoldMessage, &CTestDialog::OnHold)
END_MESSAGE_MAP()

TEST(MessageMap, DerivedEntryWinsAndBaseEntriesStillAnswer) {
    CTestDialog dialog;
    ModalDialogRunner runner([&] { return dialog.DoModal(); });
    ASSERT_NE(runner.Window(), nullptr);

    ::SendMessageW(runner.Window(), WM_COMMAND, MAKEWPARAM(301, BN_CLICKED), 0);
    EXPECT_EQ(dialog.clicks, 1);
    EXPECT_EQ(dialog.baseClicks, 0);

    // A handler's result reaches the sender through the dialog's message result.
    EXPECT_EQ(::SendMessageW(runner.Window(), kAnswerMessage, 0, 0), 7);
    EXPECT_EQ(dialog.baseAnswers, 1);
}

TEST(MessageMap, CommandsMatchOnControlIdAndNotificationCode) {
    CTestDialog dialog;
    ModalDialogRunner runner([&] { return dialog.DoModal(); });
    ::SendMessageW(runner.Window(), WM_COMMAND, MAKEWPARAM(302, BN_CLICKED), 0);     // other control
    ::SendMessageW(runner.Window(), WM_COMMAND, MAKEWPARAM(301, BN_SETFOCUS), 0);    // other code
    EXPECT_EQ(dialog.clicks, 0);
    ::SendMessageW(runner.Window(), WM_COMMAND, MAKEWPARAM(301, BN_CLICKED), 0);
    EXPECT_EQ(dialog.clicks, 1);
}

TEST(Subclassing, DataExchangeBindsTheControlOnceAndFindsItsObjectAgain) {
    CTestDialog dialog;
    ModalDialogRunner runner([&] { return dialog.DoModal(); });
    HWND colour = ::GetDlgItem(runner.Window(), 300);
    EXPECT_EQ(dialog.m_colour.m_hWnd, colour);
    EXPECT_EQ(CWnd::FromSubclassedHandle(colour), &dialog.m_colour);
    EXPECT_EQ(CWnd::FromSubclassedHandle(::GetDlgItem(runner.Window(), 302)), nullptr);
    EXPECT_EQ(dialog.exchanges, 1);
}

TEST(Subclassing, DestroyingTheDialogReachesTheControlAndUnbindsIt) {
    CTestDialog dialog;
    {
        ModalDialogRunner runner([&] { return dialog.DoModal(); });
        PressButton(runner.Window(), IDCANCEL);
        ASSERT_TRUE(runner.WaitForEnd(5000));
        EXPECT_EQ(runner.Result(), IDCANCEL);
    }
    EXPECT_EQ(dialog.m_colour.destroyed, 1);
    EXPECT_EQ(dialog.m_colour.m_hWnd, nullptr);
    EXPECT_EQ(dialog.m_hWnd, nullptr);
}

TEST(Reflection, TheParentHandsTheColourRequestAndColourChangesToTheBoundControl) {
    CTestDialog dialog;
    ModalDialogRunner runner([&] { return dialog.DoModal(); });
    HDC dc = ::CreateCompatibleDC(nullptr);
    const LRESULT brush = ::SendMessageW(runner.Window(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                         reinterpret_cast<LPARAM>(::GetDlgItem(runner.Window(), 300)));
    EXPECT_EQ(reinterpret_cast<HBRUSH>(brush), dialog.m_colour.Brush());
    EXPECT_EQ(::GetTextColor(dc), kTestColour);
    EXPECT_EQ(dialog.m_colour.lastKind, UINT(CTLCOLOR_STATIC));

    // An unbound static gets the dialog's default colours.
    ::SetTextColor(dc, RGB(0, 0, 0));
    ::SendMessageW(runner.Window(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                   reinterpret_cast<LPARAM>(::GetDlgItem(runner.Window(), 302)));
    EXPECT_NE(::GetTextColor(dc), kTestColour);
    ::DeleteDC(dc);

    // Only the dialog hears of a changed colour scheme or setting; it tells its controls.
    ::SendMessageW(runner.Window(), WM_SYSCOLORCHANGE, 0, 0);
    ::SendMessageW(runner.Window(), WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
    EXPECT_EQ(dialog.m_colour.changes, 2);
}

TEST(CloseHold, ACloseRequestWhileHeldGoesToTheHookAndKeepsTheDialogOpen) {
    CTestDialog dialog;
    ModalDialogRunner runner([&] { return dialog.DoModal(); });
    ::SendMessageW(runner.Window(), kHoldMessage, 1, 0);

    // Escape, Enter away from a push button, and the close box, which comes as Escape.
    ::SendMessageW(runner.Window(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    ::SendMessageW(runner.Window(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    ::PostMessageW(runner.Window(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return dialog.heldCancels == 2; }, 5000));
    EXPECT_EQ(dialog.heldOks, 1);
    EXPECT_FALSE(runner.WaitForEnd(300));
    EXPECT_TRUE(::IsWindow(runner.Window()));

    // Once released, closing works again.
    ::SendMessageW(runner.Window(), kHoldMessage, 0, 0);
    PressButton(runner.Window(), IDCANCEL);
    ASSERT_TRUE(runner.WaitForEnd(5000));
    EXPECT_EQ(runner.Result(), IDCANCEL);
    EXPECT_EQ(dialog.heldCancels, 2);
}

TEST(CloseHold, TheDialogThreadKeepsAnsweringWhileHeld) {
    CTestDialog dialog;
    ModalDialogRunner runner([&] { return dialog.DoModal(); });
    ::SendMessageW(runner.Window(), kHoldMessage, 1, 0);
    DWORD_PTR answer = 0;
    EXPECT_TRUE(::SendMessageTimeoutW(runner.Window(), kAnswerMessage, 0, 0, SMTO_ABORTIFHUNG, 1000, &answer));
    EXPECT_EQ(answer, 7u);
    ::SendMessageW(runner.Window(), kHoldMessage, 0, 0);
}

TEST(Application, MessageBoxesCarryTheExecutablesBaseName) {
    EXPECT_EQ(AfxGetAppName(), L"framework_win_tests");
    CWinApp named(L"Named");
    EXPECT_EQ(AfxGetAppName(), L"Named");
    EXPECT_EQ(AfxGetApp(), &named);
}

UINT RecordParameter(LPVOID parameter) {
    static_cast<std::atomic<int>*>(parameter)->store(42);
    return 0;
}

TEST(Threads, AWorkerThreadRunsWithItsParameter) {
    std::atomic<int> seen{0};
    ASSERT_TRUE(AfxBeginThread(&RecordParameter, &seen));
    EXPECT_TRUE(WaitUntil([&] { return seen == 42; }, 5000));
}

TEST(Threads, ASuspendedStartIsRefusedAndStartsNothing) {
    std::atomic<int> seen{0};
    EXPECT_FALSE(AfxBeginThread(&RecordParameter, &seen, THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED));
    ::Sleep(100);
    EXPECT_EQ(seen, 0);
}

TEST(Wrappers, AnUnboundWindowInvalidatesNothingElse) {
    HWND shown = ::CreateWindowExW(0, L"STATIC", L"shown", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr, nullptr,
                                   nullptr, nullptr);
    ASSERT_NE(shown, nullptr);
    ::UpdateWindow(shown);
    ASSERT_FALSE(::GetUpdateRect(shown, nullptr, FALSE));

    CStatic unbound;
    unbound.InvalidateRect(nullptr, TRUE);
    EXPECT_FALSE(::GetUpdateRect(shown, nullptr, FALSE));
    ::DestroyWindow(shown);
}

}  // namespace
