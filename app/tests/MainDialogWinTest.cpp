// The main window as the user meets it: every control of the template, the state it opens in,
// its colours, the system menu, the About box, the web link and closing.
#include <gtest/gtest.h>

#include "app/AboutDialog.h"
#include "app/tests/support/FormatSteps.h"
#include "app/tests/support/MainWindowControls.h"
#include "app/tests/support/RunningProgram.h"
#include "app/tests/support/ShellObserver.h"
#include "app/tests/support/TestEnvironment.h"
#include "app/tests/support/WindowTexts.h"

namespace {

BOOL CALLBACK FindProductLine(HWND child, LPARAM found) {
    if (TextOf(child) == L"Quarrix Disk Formatter, v1.34 Beta") *reinterpret_cast<bool*>(found) = true;
    return TRUE;
}

// Every icon of the dialog is drawn at the system's icon size, which grows with the display's
// DPI, and its control is as large as the icon.
void ExpectEveryIconWholeAtItsSize(HWND dialog) {
    int icons = 0;
    for (HWND child = ::GetWindow(dialog, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (!SameClass(ClassOf(child), L"Static") || (StyleOf(child) & SS_TYPEMASK) != SS_ICON) continue;
        ++icons;
        SCOPED_TRACE(::GetDlgCtrlID(child));
        ICONINFO info{};
        ASSERT_TRUE(::GetIconInfo(reinterpret_cast<HICON>(::SendMessageW(child, STM_GETICON, 0, 0)), &info));
        BITMAP image{};
        ::GetObjectW(info.hbmColor, sizeof(image), &image);
        ::DeleteObject(info.hbmColor);
        ::DeleteObject(info.hbmMask);
        EXPECT_EQ(image.bmWidth, ::GetSystemMetrics(SM_CXICON));
        EXPECT_EQ(image.bmHeight, ::GetSystemMetrics(SM_CYICON));
        RECT window{};
        ::GetWindowRect(child, &window);
        EXPECT_GE(window.right - window.left, image.bmWidth);
        EXPECT_GE(window.bottom - window.top, image.bmHeight);
    }
    EXPECT_GT(icons, 0);
}

class MainDialogTest : public ::testing::Test {
protected:
    TestEnvironment environment{{MakerDisk(1, "Quarrix QX7 USB Device", 1000204886016)}};
};

TEST_F(MainDialogTest, EveryControlStandsInWindowOrderWithItsIdClassTextAndStyle) {
    RunningProgram program;
    HWND child = ::GetWindow(program.Window(), GW_CHILD);
    for (const ExpectedControl& expected : kMainControls) {
        ASSERT_NE(child, nullptr);
        SCOPED_TRACE(expected.text ? expected.text : expected.className);
        ExpectIdClassAndText(child, expected);
        // Every template bit must be there, except those the system moves elsewhere: a combo box
        // hands its scroll bar to its list, and a dialog draws an edit's border as a client edge.
        const LONG style = StyleOf(child);
        const LONG exStyle = ::GetWindowLongW(child, GWL_EXSTYLE);
        LONG required = expected.style;
        if (SameClass(expected.className, L"ComboBox")) required &= ~WS_VSCROLL;
        if (SameClass(expected.className, L"Edit") && (exStyle & WS_EX_CLIENTEDGE)) required &= ~WS_BORDER;
        EXPECT_EQ(style & required, required) << std::hex << style;
        EXPECT_EQ(bool(style & WS_VISIBLE), bool(expected.style & WS_VISIBLE));
        EXPECT_EQ(exStyle & WS_EX_TRANSPARENT, expected.exStyle & WS_EX_TRANSPARENT);

        RECT rect = {expected.dialogUnits.left, expected.dialogUnits.top,
                     expected.dialogUnits.left + expected.dialogUnits.right,
                     expected.dialogUnits.top + expected.dialogUnits.bottom};
        ::MapDialogRect(program.Window(), &rect);
        RECT actual{};
        ::GetWindowRect(child, &actual);
        ::MapWindowPoints(nullptr, program.Window(), reinterpret_cast<POINT*>(&actual), 2);
        EXPECT_EQ(actual.left, rect.left);
        EXPECT_EQ(actual.top, rect.top);
        // An icon static takes the size of its icon.
        if ((expected.style & SS_TYPEMASK) != SS_ICON || !SameClass(expected.className, L"Static")) {
            EXPECT_NEAR(actual.right - actual.left, rect.right - rect.left, 3);
        }
        child = ::GetWindow(child, GW_HWNDNEXT);
    }
    EXPECT_EQ(child, nullptr) << "more controls than the template holds";
    ExpectEveryIconWholeAtItsSize(program.Window());

    // The labels moved, the tab order did not.
    HWND tabStop = program.Item(IDC_START_FORMAT);
    for (int id : {IDC_DRIVE_LIST, IDC_LABEL_EDIT, IDC_LETTER_LIST, IDC_FILE_SYSTEM_LIST, IDC_START_FORMAT}) {
        tabStop = ::GetNextDlgTabItem(program.Window(), tabStop, FALSE);
        EXPECT_EQ(::GetDlgCtrlID(tabStop), id);
    }
}

// The mouse resting on each icon and on the web-site text shows its tip.
TEST_F(MainDialogTest, HoveringTheIconsAndTheWebTextShowsTheirTips) {
    RunningProgram program;
    HWND tips = nullptr;
    while ((tips = ::FindWindowExW(nullptr, tips, TOOLTIPS_CLASSW, nullptr)) &&
           ::GetWindow(tips, GW_OWNER) != program.Window()) {
    }
    ASSERT_NE(tips, nullptr);
    for (const auto& [id, text] : {std::pair{IDC_SEARCH_ICON, L"Search for Quarrix drives again"},
                                   std::pair{IDC_LOGO_ICON, L"About Quarrix Disk Formatter"},
                                   std::pair{IDC_WEB_LINK, L"http://www.quarrix.example/"}}) {
        RECT control{};
        ::GetWindowRect(program.Item(id), &control);
        ::SetCursorPos((control.left + control.right) / 2, (control.top + control.bottom) / 2);
        wchar_t shown[128] = {};
        TOOLINFOW tool{sizeof(tool), 0, nullptr, 0, {}, nullptr, shown, 0, nullptr};
        EXPECT_TRUE(WaitUntil([&] {
            return ::IsWindowVisible(tips) && ::SendMessageW(tips, TTM_GETCURRENTTOOLW, 0, LPARAM(&tool)) &&
                   tool.uId == UINT_PTR(program.Item(id));
        }, 5000)) << "no tip shows for " << id;
        EXPECT_STREQ(shown, text) << id;
    }
}

// The width the text takes in the control's own font.
int TextWidth(HWND control, const std::wstring& text) {
    HDC dc = ::GetDC(control);
    HGDIOBJ old = ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0)));
    SIZE size{};
    ::GetTextExtentPoint32W(dc, text.c_str(), int(text.size()), &size);
    ::SelectObject(dc, old);
    ::ReleaseDC(control, dc);
    return size.cx;
}

int ClientWidth(HWND control) {
    RECT client{};
    ::GetClientRect(control, &client);
    return client.right - client.left;
}

TEST_F(MainDialogTest, OpensWithTitleDefaultLabelHiddenMarqueeAndFocusOnStartFormat) {
    RunningProgram program;
    EXPECT_EQ(TextOf(program.Window()), kMainWindowTitle);
    EXPECT_EQ(TextOf(program.Item(IDC_LABEL_EDIT)), L"Quarrix");
    EXPECT_FALSE(program.ProgressShown());
    EXPECT_TRUE(program.StartButtonShown());
    EXPECT_TRUE(::IsWindowEnabled(program.Item(IDC_START_FORMAT)));
    EXPECT_TRUE(StyleOf(program.Item(IDC_PROGRESS)) & PBS_MARQUEE);
    GUITHREADINFO gui{};
    gui.cbSize = sizeof(gui);
    ASSERT_TRUE(::GetGUIThreadInfo(program.ThreadId(), &gui));
    EXPECT_EQ(gui.hwndFocus, program.Item(IDC_START_FORMAT));
    // Topmost, with its own taskbar button, no maximise box and no sizing border.
    EXPECT_TRUE(::GetWindowLongW(program.Window(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(::GetWindowLongW(program.Window(), GWL_EXSTYLE) & WS_EX_APPWINDOW);
    EXPECT_FALSE(StyleOf(program.Window()) & (WS_MAXIMIZEBOX | WS_THICKFRAME));
    EXPECT_TRUE(StyleOf(program.Window()) & WS_MINIMIZEBOX);
    EXPECT_NE(::SendMessageW(program.Window(), WM_GETICON, ICON_BIG, 0), 0);
    EXPECT_NE(::SendMessageW(program.Window(), WM_GETICON, ICON_SMALL, 0), 0);
}

TEST_F(MainDialogTest, IsCentredInTheWorkArea) {
    RunningProgram program;
    RECT window{};
    ::GetWindowRect(program.Window(), &window);
    RECT work{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_NEAR((window.left + window.right) / 2, (work.left + work.right) / 2, 2);
    EXPECT_NEAR((window.top + window.bottom) / 2, (work.top + work.bottom) / 2, 2);
}

TEST_F(MainDialogTest, WebTextIsGreyAndWarningLineRed) {
    RunningProgram program;
    EXPECT_EQ(program.TextColourOf(IDC_WEB_LINK), RGB(100, 100, 100));
    EXPECT_EQ(program.TextColourOf(IDC_WARNING_TEXT), RGB(255, 0, 0));
}

TEST_F(MainDialogTest, SystemMenuEndsWithASeparatorAndTheAboutItem) {
    RunningProgram program;
    HMENU menu = ::GetSystemMenu(program.Window(), FALSE);
    ASSERT_NE(menu, nullptr);
    const int count = ::GetMenuItemCount(menu);
    ASSERT_GE(count, 2);
    EXPECT_EQ(::GetMenuItemID(menu, count - 1), UINT(IDM_ABOUT));
    wchar_t text[128] = {};
    ::GetMenuStringW(menu, count - 1, text, 128, MF_BYPOSITION);
    EXPECT_STREQ(text, L"&About Quarrix_Disk_Formatter...");
    MENUITEMINFOW separator{};
    separator.cbSize = sizeof(separator);
    separator.fMask = MIIM_FTYPE;
    ::GetMenuItemInfoW(menu, count - 2, TRUE, &separator);
    EXPECT_TRUE(separator.fType & MFT_SEPARATOR);
}

// Opens the About box by `open`, checks it and closes it with OK.
void ExpectAboutBoxOpensFrom(RunningProgram& program, void (*open)(HWND)) {
    open(program.Window());
    HWND about = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        about = ::FindWindowW(L"#32770", kAboutWindowTitle);
        return about && ::IsWindowVisible(about);
    }, 5000));
    EXPECT_EQ(TextOf(::GetDlgItem(about, IDC_ABOUT_LINK)), L"www.quarrix.example");
    EXPECT_LE(TextWidth(::GetDlgItem(about, IDC_ABOUT_LINK), L"www.quarrix.example"),
              ClientWidth(::GetDlgItem(about, IDC_ABOUT_LINK)));
    EXPECT_FALSE(StyleOf(::GetDlgItem(about, IDC_ABOUT_LINK)) & SS_NOTIFY);
    EXPECT_EQ(::GetWindow(about, GW_OWNER), program.Window());
    // While the box is open the main window takes no input.
    EXPECT_FALSE(::IsWindowEnabled(program.Window()));

    HDC dc = ::CreateCompatibleDC(nullptr);
    ::SendMessageW(about, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                   reinterpret_cast<LPARAM>(::GetDlgItem(about, IDC_ABOUT_LINK)));
    EXPECT_EQ(::GetTextColor(dc), RGB(100, 100, 255));
    ::DeleteDC(dc);

    bool productLine = false;
    ::EnumChildWindows(about, &FindProductLine, reinterpret_cast<LPARAM>(&productLine));
    EXPECT_TRUE(productLine);
    ExpectEveryIconWholeAtItsSize(about);

    PressButton(about, IDOK);
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(about); }, 5000));
    EXPECT_TRUE(WaitUntil([&] { return ::IsWindowEnabled(program.Window()) != FALSE; }, 5000));
}

TEST_F(MainDialogTest, AboutBoxOpensFromTheSystemMenu) {
    RunningProgram program;
    ExpectAboutBoxOpensFrom(program, [](HWND main) { ::PostMessageW(main, WM_SYSCOMMAND, IDM_ABOUT, 0); });
}

TEST_F(MainDialogTest, AboutBoxOpensFromAnyCommandOfTheAboutGroup) {
    RunningProgram program;
    ExpectAboutBoxOpensFrom(program, [](HWND main) { ::PostMessageW(main, WM_SYSCOMMAND, IDM_ABOUT | 0xF, 0); });
}

TEST_F(MainDialogTest, AboutBoxOpensFromTheLogo) {
    RunningProgram program;
    ExpectAboutBoxOpensFrom(program, [](HWND main) { PostClick(main, IDC_LOGO_ICON); });
}

// Every process is elevated under Wine: the browser must be started by Explorer, as the user.
TEST_F(MainDialogTest, ClickingTheWebTextHasExplorerOpenTheMakersSiteEachTime) {
    ShellObserver shell;
    RunningProgram program;
    PostClick(program.Window(), IDC_WEB_LINK);
    PostClick(program.Window(), IDC_WEB_LINK);
    const auto opened = shell.Opened(2, 10000);
    ASSERT_EQ(opened.size(), 2u);
    for (const auto& line : opened) {
        EXPECT_EQ(line.substr(0, line.find(L'\t')), L"explorer.exe");
        EXPECT_NE(line.find(L"http://www.quarrix.example/"), std::wstring::npos);
    }
    EXPECT_TRUE(program.PopUps().empty());
}

// Keys as the user types them: focus on the control, the key through the dialog's own loop.
void PostKey(HWND dialog, int controlId, WPARAM key) {
    HWND control = ::GetDlgItem(dialog, controlId);
    ::PostMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
    ::PostMessageW(control, WM_KEYDOWN, key, 1);
}

TEST_F(MainDialogTest, EnterInTheLabelBoxOrAListIsIgnoredAndOnStartFormatPressesIt) {
    RunningProgram program;
    for (int id : {IDC_LABEL_EDIT, IDC_DRIVE_LIST, IDC_LETTER_LIST, IDC_FILE_SYSTEM_LIST, IDC_START_FORMAT})
        PostKey(program.Window(), id, VK_RETURN);
    ASSERT_TRUE(Confirm(program));
    EXPECT_TRUE(WaitUntil([&] { return program.Status() == kFinished; }, 30000));
    ASSERT_TRUE(program.WaitForRunEnd(30000));
    PostKey(program.Window(), IDC_LABEL_EDIT, VK_ESCAPE);
    ASSERT_TRUE(program.Runner().WaitForEnd(5000));
    // Had an Enter closed the window, it would have ended with IDOK before the Escape came.
    EXPECT_EQ(program.Runner().Result(), IDCANCEL);
}

TEST_F(MainDialogTest, MinimisedWindowPaintsWithoutFailing) {
    RunningProgram program;
    ::SendMessageW(program.Window(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(::IsIconic(program.Window()));
    ::RedrawWindow(program.Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(reinterpret_cast<HICON>(::SendMessageW(program.Window(), WM_QUERYDRAGICON, 0, 0)),
              program.Dialog().m_hIcon);
    ::SendMessageW(program.Window(), WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_FALSE(::IsIconic(program.Window()));
}

}  // namespace
