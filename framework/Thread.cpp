#include "framework/Thread.h"

#include <process.h>

#include <memory>

namespace {

struct ThreadStart {
    AFX_THREADPROC proc;
    LPVOID parameter;
};

unsigned __stdcall RunThread(void* raw) {
    std::unique_ptr<ThreadStart> start(static_cast<ThreadStart*>(raw));
    return start->proc(start->parameter);
}

}  // namespace

bool AfxBeginThread(AFX_THREADPROC proc, LPVOID parameter, int priority, UINT stackSize, DWORD createFlags,
                    LPSECURITY_ATTRIBUTES security) {
    if (createFlags & CREATE_SUSPENDED) return false;
    auto start = std::make_unique<ThreadStart>(ThreadStart{proc, parameter});
    const uintptr_t handle = ::_beginthreadex(security, stackSize, &RunThread, start.get(),
                                              createFlags | CREATE_SUSPENDED, nullptr);
    if (!handle) return false;
    start.release();  // the thread owns it now
    HANDLE thread = reinterpret_cast<HANDLE>(handle);
    ::SetThreadPriority(thread, priority);
    ::ResumeThread(thread);
    // Nobody waits for the thread; it ends by itself.
    ::CloseHandle(thread);
    return true;
}
