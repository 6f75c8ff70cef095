// The dialog framework in one include: application, windows, dialogs, controls, GDI owners,
// message maps and worker threads.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "framework/Gdi.h"
#include "framework/MessageMap.h"
#include "framework/Thread.h"
#include "framework/WinApp.h"
#include "framework/Wnd.h"
