// Worker threads: a plain function run on a new thread with one pointer argument.
#pragma once

#include <windows.h>

using AFX_THREADPROC = UINT (*)(LPVOID parameter);

// Starts `proc(parameter)` on a new thread; false when the thread could not be created
// (the caller then still owns whatever `parameter` points to, and GetLastError tells why).
// CREATE_SUSPENDED is refused (false, nothing started): the thread's handle is not kept, so
// nothing could resume it.
[[nodiscard]] bool AfxBeginThread(AFX_THREADPROC proc, LPVOID parameter, int priority = THREAD_PRIORITY_NORMAL,
                                  UINT stackSize = 0, DWORD createFlags = 0,
                                  LPSECURITY_ATTRIBUTES security = nullptr);
