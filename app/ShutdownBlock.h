// Tells the system why it should not shut down or log off now, in the list it shows the user.
// The functions exist from Windows Vista on and are looked up at run time; their failure is
// ignored, since the answer to WM_QUERYENDSESSION is what holds the shutdown back.
#pragma once

#include <windows.h>

void BlockShutdown(HWND window, const wchar_t* reason);
void UnblockShutdown(HWND window);
