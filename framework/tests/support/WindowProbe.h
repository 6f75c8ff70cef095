// Looking at and operating real windows from a test: finding a thread's dialog and message
// boxes, reading their texts and pressing their buttons, as a user would.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// Polls `condition` (pumping this thread's messages) until it holds or the time is up.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs);

// The first visible dialog-class window (#32770) of the thread that is not a message box.
HWND FindDialogOfThread(DWORD threadId);
// A visible message box of the thread (any thread when 0), waiting up to `timeoutMs`.
HWND FindMessageBox(DWORD threadId, DWORD timeoutMs);
// All visible message boxes of the thread (any thread when 0).
std::vector<HWND> AllMessageBoxes(DWORD threadId);
// The message text of a message box.
std::wstring MessageBoxText(HWND box);
bool MessageBoxHasButton(HWND box, int id);
// Clicks one of a dialog's buttons (posts the click, so a modal box it opens cannot block us).
void PressButton(HWND dialog, int id);

std::wstring TextOf(HWND window);
std::wstring ClassOf(HWND window);
LONG StyleOf(HWND window);
// The texts of a combo box's entries, in list order, and the selected index.
std::vector<std::wstring> ComboEntries(HWND combo);
int ComboSelection(HWND combo);
// Posts a click notification from a control to its dialog (a static with SS_NOTIFY, a button).
void PostClick(HWND dialog, int controlId);
