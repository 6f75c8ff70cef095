// A build of the program running in a process of its own, started as a user starts it and
// looked at from outside; ended when the object goes.
#pragma once

#include <windows.h>

#include <string>

// The visible dialog window of the process with this title, or nullptr.
HWND FindDialogOfProcess(DWORD processId, const wchar_t* title);

class ProgramProcess {
public:
    // Starts the program `exe` and waits for its main window with a filled drive list.
    explicit ProgramProcess(const std::wstring& exe);
    ProgramProcess(const ProgramProcess&) = delete;
    ProgramProcess& operator=(const ProgramProcess&) = delete;
    ~ProgramProcess();

    // Empty when the program started and showed its filled main window.
    const std::string& Failure() const { return failure_; }
    DWORD ProcessId() const { return process_.dwProcessId; }
    HANDLE Process() const { return process_.hProcess; }
    HWND Window() const { return window_; }
    HWND Item(int id) const { return ::GetDlgItem(window_, id); }
    DWORD StartToFilledMs() const { return startToFilledMs_; }

private:
    PROCESS_INFORMATION process_{};
    std::string failure_;
    HWND window_ = nullptr;
    DWORD startToFilledMs_ = 0;
};
