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
    if (createFlags & CREATE_SUSPENDED) {
        ::SetLastError(ERROR_INVALID_PARAMETER);
        return false;
    }
    auto start = std::make_unique<ThreadStart>(ThreadStart{proc, parameter});
    const uintptr_t handle = ::_beginthreadex(security, stackSize, &RunThread, start.get(),
                                              createFlags | CREATE_SUSPENDED, nullptr);
    if (!handle) {
        const DWORD error = ::GetLastError();
        start.reset();
        ::SetLastError(error);  // kept past the release of the start record
        return false;
    }
    start.release();  // the thread owns it now
    HANDLE thread = reinterpret_cast<HANDLE>(handle);
    ::SetThreadPriority(thread, priority);
    ::ResumeThread(thread);
    // Nobody waits for the thread; it ends by itself.
    ::CloseHandle(thread);
    return true;
}
