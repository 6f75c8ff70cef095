// Runs a dialog's DoModal on a thread of its own, as a program's user-interface thread would,
// so a test can send it messages, click its controls and answer its message boxes.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <thread>

class ModalDialogRunner {
public:
    // Runs `runModal` (which calls DoModal) on a new thread and waits until that thread shows a
    // dialog window. `prepare` runs first on the same thread (e.g. to set up an application object).
    explicit ModalDialogRunner(std::function<INT_PTR()> runModal);
    ModalDialogRunner(const ModalDialogRunner&) = delete;
    ModalDialogRunner& operator=(const ModalDialogRunner&) = delete;
    // Ends the dialog if it is still open and waits for the thread.
    ~ModalDialogRunner();

    HWND Window() const { return window_; }
    DWORD ThreadId() const { return threadId_; }
    // Waits for DoModal to return; false on time-out.
    bool WaitForEnd(DWORD timeoutMs);
    bool Ended() const { return ended_; }
    INT_PTR Result() const { return result_; }

private:
    std::thread thread_;
    std::atomic<DWORD> threadId_{0};
    std::atomic<bool> ended_{false};
    std::atomic<INT_PTR> result_{0};
    HWND window_ = nullptr;
};
