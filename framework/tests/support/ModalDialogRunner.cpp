#include "framework/tests/support/ModalDialogRunner.h"

#include "framework/tests/support/WindowProbe.h"

ModalDialogRunner::ModalDialogRunner(std::function<INT_PTR()> runModal) {
    thread_ = std::thread([this, runModal] {
        threadId_ = ::GetCurrentThreadId();
        result_ = runModal();
        ended_ = true;
    });
    WaitUntil([this] { return threadId_ != 0; }, 5000);
    WaitUntil([this] {
        window_ = FindDialogOfThread(threadId_);
        return window_ != nullptr || ended_;
    }, 10000);
}

ModalDialogRunner::~ModalDialogRunner() {
    if (!ended_) {
        // Close any message box first, then the dialog itself.
        for (int i = 0; i < 10 && !ended_; ++i) {
            if (HWND box = FindMessageBox(threadId_, 0)) PressButton(box, IDOK);
            // Escape, handled on the dialog's own thread; EndDialog from here as the last resort.
            if (i == 0) PressButton(window_, IDCANCEL);
            else if (::IsWindow(window_)) ::EndDialog(window_, IDABORT);
            WaitForEnd(500);
        }
    }
    if (thread_.joinable()) thread_.join();
}

bool ModalDialogRunner::WaitForEnd(DWORD timeoutMs) {
    return WaitUntil([this] { return ended_.load(); }, timeoutMs);
}
