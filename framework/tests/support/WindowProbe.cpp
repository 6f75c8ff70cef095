#include "framework/tests/support/WindowProbe.h"

#include "framework/WinApp.h"

namespace {

// Every message box of the program carries the application's name as its caption; no dialog
// of the program does.
bool IsMessageBox(HWND window) {
    return ClassOf(window) == L"#32770" && ::IsWindowVisible(window) && TextOf(window) == AfxGetAppName();
}

struct ThreadWindows {
    DWORD threadId;
    std::vector<HWND> windows;
};

BOOL CALLBACK CollectThreadWindow(HWND window, LPARAM data) {
    auto* f = reinterpret_cast<ThreadWindows*>(data);
    if (f->threadId == 0 || ::GetWindowThreadProcessId(window, nullptr) == f->threadId) {
        DWORD process = 0;
        ::GetWindowThreadProcessId(window, &process);
        if (process == ::GetCurrentProcessId()) f->windows.push_back(window);
    }
    return TRUE;
}

std::vector<HWND> TopLevelWindows(DWORD threadId) {
    ThreadWindows found{threadId, {}};
    ::EnumWindows(&CollectThreadWindow, reinterpret_cast<LPARAM>(&found));
    return found.windows;
}

// Keeps the first non-empty text of a static control that is not an icon.
BOOL CALLBACK TakeFirstStaticText(HWND child, LPARAM data) {
    auto* out = reinterpret_cast<std::wstring*>(data);
    if (ClassOf(child) == L"Static" && !(StyleOf(child) & SS_ICON)) {
        const std::wstring t = TextOf(child);
        if (!t.empty() && out->empty()) *out = t;
    }
    return TRUE;
}

}  // namespace

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
    for (;;) {
        if (condition()) return true;
        if (::GetTickCount64() >= deadline) return false;
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        ::Sleep(10);
    }
}

std::wstring TextOf(HWND window) {
    wchar_t text[1024] = {};
    ::SendMessageW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text));
    return text;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[256] = {};
    ::GetClassNameW(window, name, 256);
    return name;
}

LONG StyleOf(HWND window) { return ::GetWindowLongW(window, GWL_STYLE); }

HWND FindDialogOfThread(DWORD threadId) {
    for (HWND window : TopLevelWindows(threadId))
        if (ClassOf(window) == L"#32770" && ::IsWindowVisible(window) && !IsMessageBox(window)) return window;
    return nullptr;
}

std::vector<HWND> AllMessageBoxes(DWORD threadId) {
    std::vector<HWND> boxes;
    for (HWND window : TopLevelWindows(threadId))
        if (IsMessageBox(window)) boxes.push_back(window);
    return boxes;
}

HWND FindMessageBox(DWORD threadId, DWORD timeoutMs) {
    HWND box = nullptr;
    WaitUntil([&] {
        const auto boxes = AllMessageBoxes(threadId);
        box = boxes.empty() ? nullptr : boxes.front();
        return box != nullptr;
    }, timeoutMs);
    return box;
}

std::wstring MessageBoxText(HWND box) {
    std::wstring text;
    ::EnumChildWindows(box, &TakeFirstStaticText, reinterpret_cast<LPARAM>(&text));
    return text;
}

bool MessageBoxHasButton(HWND box, int id) {
    HWND button = ::GetDlgItem(box, id);
    return button && ::IsWindowVisible(button);
}

void PressButton(HWND dialog, int id) {
    ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

std::vector<std::wstring> ComboEntries(HWND combo) {
    std::vector<std::wstring> entries;
    const int count = int(::SendMessageW(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        wchar_t text[512] = {};
        ::SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        entries.push_back(text);
    }
    return entries;
}

int ComboSelection(HWND combo) { return int(::SendMessageW(combo, CB_GETCURSEL, 0, 0)); }

void PostClick(HWND dialog, int controlId) {
    ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(controlId, 0), reinterpret_cast<LPARAM>(::GetDlgItem(dialog, controlId)));
}
