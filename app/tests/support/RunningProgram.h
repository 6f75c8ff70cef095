// The program's main dialog running on its own user-interface thread inside the test, with an
// application object of its own, as the program itself runs it.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "app/MainDialog.h"
#include "framework/tests/support/ModalDialogRunner.h"
#include "framework/tests/support/WindowProbe.h"

class RunningProgram {
public:
    // `threadLocale`, when not 0, is the locale of the window's thread, whose ANSI code page the
    // program writes its script in. `language` is the display language the window is made with
    // (US English unless a test says otherwise); nothing: the user's, as the program takes it.
    explicit RunningProgram(LCID threadLocale = 0, std::optional<LANGID> language = LANGID(0x0409));
    ~RunningProgram();

    HWND Window() const { return runner_->Window(); }
    HWND Item(int id) const { return ::GetDlgItem(Window(), id); }
    DWORD ThreadId() const { return runner_->ThreadId(); }
    ModalDialogRunner& Runner() { return *runner_; }
    CQuarrix_Disk_FormatterDlg& Dialog() { return dialog_; }

    std::vector<std::wstring> Drives() const { return ComboEntries(Item(IDC_DRIVE_LIST)); }
    std::vector<std::wstring> Letters() const { return ComboEntries(Item(IDC_LETTER_LIST)); }
    std::vector<std::wstring> FileSystems() const { return ComboEntries(Item(IDC_FILE_SYSTEM_LIST)); }
    std::wstring SelectedDrive() const;
    std::wstring SelectedLetter() const;
    std::wstring SelectedFileSystem() const;
    std::wstring Status() const { return TextOf(Item(IDC_WARNING_TEXT)); }
    // The text colour the control answers to its parent's colour request.
    COLORREF TextColourOf(int id) const;

    // As a user would: choose entries, type a label, press buttons and click icons.
    void SelectDrive(int index);
    void SelectLetter(const std::wstring& letter);
    void SelectFileSystem(const std::wstring& fileSystem);
    void TypeLabel(const std::wstring& label);
    void PressStartFormat() { PressButton(Window(), IDC_START_FORMAT); }
    void SendDeviceChange(WPARAM eventType = 0x8000 /* DBT_DEVICEARRIVAL */);

    // Waits until the run that was started has ended (the Start Format button is back).
    bool WaitForRunEnd(DWORD timeoutMs);
    bool StartButtonShown() const { return ::IsWindowVisible(Item(IDC_START_FORMAT)); }
    bool ProgressShown() const { return ::IsWindowVisible(Item(IDC_PROGRESS)); }
    // Every visible dialog window of this process but the main window, whatever its caption:
    // the program's message boxes and any box it should not have shown.
    std::vector<HWND> PopUps() const;

private:
    CWinApp app_;
    CQuarrix_Disk_FormatterDlg dialog_;
    ModalDialogRunner* runner_;
};
