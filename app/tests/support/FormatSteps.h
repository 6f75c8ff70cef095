// Start Format in the running program, step by step as a user takes it, and what a test reads
// back afterwards: the window, the virtual disks and the scripts in the temporary folder.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "app/tests/support/RunningProgram.h"
#include "app/tests/support/TestEnvironment.h"
#include "app/tests/support/WindowTexts.h"
#include "format/RunQuestions.h"

inline constexpr DWORD kBoxTimeoutMs = 10000;
inline constexpr DWORD kRunTimeoutMs = 60000;

// A 1 TB maker drive; the stand-in diskpart takes `delayMs` over its script for it.
inline VirtualDisk QuarrixDisk(std::uint32_t number, int delayMs = 0, const char* name = "Quarrix QX7 USB Device") {
    VirtualDisk disk = MakerDisk(number, name, 1000204886016);
    disk.delayMs = delayMs;
    return disk;
}

// Another drive of the maker that has taken this disk number since the chosen one was pulled.
inline VirtualDisk OtherDriveWithNumber(std::uint32_t number) {
    VirtualDisk other = QuarrixDisk(number);
    other.path = "\\\\?\\usbstor#disk&ven_qrx&prod_test&rev_1.00#0000000000099&0#{53f56307-b6bf-11d0-94f2-00a0c91efb8b}";
    return other;
}

// The disk as the utilities leave it after a whole run: one partition over the whole disk, in a
// master boot record (the disk is within its reach).
inline VirtualDisk Formatted(VirtualDisk disk, const std::string& fileSystem, const std::string& label,
                             const std::string& letter) {
    disk.contents = "empty";
    disk.partition = "primary";
    disk.partitionStyle = "MBR";
    disk.partitionLength = disk.length;
    disk.fileSystem = fileSystem;
    disk.label = label;
    disk.letter = letter;
    return disk;
}

inline std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

// What the window shows of a run, in one comparable line.
inline std::string WindowState(const RunningProgram& program) {
    const bool marquee = StyleOf(program.Item(IDC_PROGRESS)) & PBS_MARQUEE;
    return Narrow(program.Status()) + " | colour " + std::to_string(program.TextColourOf(IDC_WARNING_TEXT)) +
           " | bar " + (program.ProgressShown() ? (marquee ? "marquee" : "plain") : "hidden") + " | button " +
           (program.StartButtonShown() ? "shown" : "hidden") +
           (::IsWindowEnabled(program.Item(IDC_START_FORMAT)) ? " enabled" : " disabled");
}
// During a run: the status in black, the marquee bar in place of the hidden, disabled button.
inline std::string RunShown(const wchar_t* status) {
    return Narrow(status) + " | colour 0 | bar marquee | button hidden disabled";
}
// Between runs: the status in its colour, the button back and usable, the bar gone.
inline std::string NoRunShown(const wchar_t* status, COLORREF colour = RGB(0, 0, 0)) {
    return Narrow(status) + " | colour " + std::to_string(colour) + " | bar hidden | button shown enabled";
}

inline testing::AssertionResult WaitForWindowState(const RunningProgram& program, const std::string& state,
                                                   DWORD timeoutMs = kBoxTimeoutMs) {
    if (WaitUntil([&] { return WindowState(program) == state; }, timeoutMs)) return testing::AssertionSuccess();
    return testing::AssertionFailure() << "the window shows " << WindowState(program);
}

struct Choice {
    std::uint32_t disk;                  // 0: the drive selected as the window opens
    const wchar_t* letter;               // as the letter list shows it, e.g. K: (nullptr: as it opens)
    const wchar_t* fileSystem = nullptr;  // nullptr: as the window opens
    const wchar_t* label = nullptr;       // nullptr: as the window opens
};

// Chooses as a user would; fails when an entry is not offered.
inline testing::AssertionResult Choose(RunningProgram& program, const Choice& choice) {
    const std::wstring prefix = L"[" + std::to_wstring(choice.disk) + L"] - ";
    const auto drives = program.Drives();
    for (size_t i = 0; choice.disk && i < drives.size(); ++i)
        if (drives[i].rfind(prefix, 0) == 0) program.SelectDrive(int(i));
    if (choice.disk && program.SelectedDrive().rfind(prefix, 0) != 0)
        return testing::AssertionFailure() << "disk " << choice.disk << " is not listed";
    if (choice.letter) program.SelectLetter(choice.letter);
    if (choice.letter && program.SelectedLetter() != choice.letter)
        return testing::AssertionFailure() << "the letter is not offered";
    if (choice.fileSystem) program.SelectFileSystem(choice.fileSystem);
    if (choice.fileSystem && program.SelectedFileSystem() != choice.fileSystem)
        return testing::AssertionFailure() << "the file system is not offered";
    if (choice.label) program.TypeLabel(choice.label);
    return testing::AssertionSuccess();
}

// Presses Start Format as the window's thread receives a click, and learns when the handler has
// returned: the request is over then, whatever it showed or started on the way.
class StartFormatPress {
public:
    explicit StartFormatPress(RunningProgram& program) : ticket_(Returns()) {
        ::SendMessageCallbackW(program.Window(), WM_COMMAND, MAKEWPARAM(IDC_START_FORMAT, BN_CLICKED),
                               reinterpret_cast<LPARAM>(program.Item(IDC_START_FORMAT)), &Returned, 0);
    }
    // The answer comes while this thread pumps its messages, as WaitUntil does.
    bool HandlerReturned(DWORD timeoutMs) const {
        return WaitUntil([this] { return Returns() > ticket_; }, timeoutMs);
    }

private:
    static int& Returns() {
        static int returns = 0;
        return returns;
    }
    static void CALLBACK Returned(HWND, UINT, ULONG_PTR, LRESULT) { ++Returns(); }
    int ticket_;
};

// Notes the icon of a visible static control that shows one.
inline BOOL CALLBACK NoteShownIcon(HWND child, LPARAM data) {
    if ((StyleOf(child) & SS_TYPEMASK) == SS_ICON && ClassOf(child) == L"Static" && ::IsWindowVisible(child))
        if (HICON icon = reinterpret_cast<HICON>(::SendMessageW(child, STM_GETICON, 0, 0)))
            *reinterpret_cast<HICON*>(data) = icon;
    return TRUE;
}

// A box of the main window itself: the text, exactly these buttons, and the system icon given or
// none. (Only boxes with the application's name as caption are found at all.)
inline void ExpectBoxOf(const RunningProgram& program, HWND box, const std::wstring& text,
                        const std::vector<int>& buttons, HICON icon) {
    EXPECT_EQ(MessageBoxText(box), text);
    EXPECT_EQ(::GetWindow(box, GW_OWNER), program.Window());
    for (int id : {IDOK, IDCANCEL, IDABORT, IDRETRY, IDIGNORE, IDYES, IDNO})
        EXPECT_EQ(MessageBoxHasButton(box, id), std::count(buttons.begin(), buttons.end(), id) == 1) << "button " << id;
    HICON shown = nullptr;
    ::EnumChildWindows(box, &NoteShownIcon, reinterpret_cast<LPARAM>(&shown));
    EXPECT_EQ(shown, icon);
}

// The text and the OK button alone, no icon.
inline void ExpectOkBoxOf(const RunningProgram& program, HWND box, const std::wstring& text) {
    ExpectBoxOf(program, box, text, {IDOK}, nullptr);
}

// Presses Enter on the box's focused button, as a user's Enter reaches it.
inline void PressEnterInBox(HWND box) {
    GUITHREADINFO gui{};
    gui.cbSize = sizeof(gui);
    ::GetGUIThreadInfo(::GetWindowThreadProcessId(box, nullptr), &gui);
    ::PostMessageW(gui.hwndFocus, WM_KEYDOWN, VK_RETURN, 1);
    ::PostMessageW(gui.hwndFocus, WM_KEYUP, VK_RETURN, 0xC0000001);
}

// Answers the question before a drive is wiped, once it is checked: it names the selected drive
// and the `volumes` the disk holds, and the paragraph `spaceNote` (empty: none). `format`: OK;
// otherwise Enter, which Cancel, the default button, takes.
inline testing::AssertionResult Confirm(RunningProgram& program, bool format = true,
                                        const std::vector<DiskVolume>& volumes = {},
                                        const std::wstring& spaceNote = std::wstring()) {
    HWND box = FindMessageBox(program.ThreadId(), kBoxTimeoutMs);
    if (!box) return testing::AssertionFailure() << "no confirmation; the window shows " << WindowState(program);
    ExpectBoxOf(program, box, BuildFormatConfirmation(program.Dialog().m_texts, program.SelectedDrive(), volumes, spaceNote), {IDOK, IDCANCEL},
                ::LoadIconW(nullptr, IDI_WARNING));
    if (format) {
        PressButton(box, IDOK);
    } else {
        PressEnterInBox(box);
    }
    if (WaitUntil([&] { return !::IsWindow(box); }, kBoxTimeoutMs)) return testing::AssertionSuccess();
    return testing::AssertionFailure() << "the confirmation stays open";
}

// Presses Start Format and formats; the request must pass without another box (the run may be
// over already).
inline testing::AssertionResult StartRun(RunningProgram& program, const std::vector<DiskVolume>& volumes = {}) {
    StartFormatPress press(program);
    const testing::AssertionResult confirmed = Confirm(program, true, volumes);
    if (!confirmed) return confirmed;
    if (press.HandlerReturned(kBoxTimeoutMs) && program.PopUps().empty()) return testing::AssertionSuccess();
    return testing::AssertionFailure() << "the request stopped at a box; the window shows " << WindowState(program);
}

// The clean-up deletes every script: "diskpart" and digits, in any letter case.
inline testing::AssertionResult ScriptsCleanedUp(const TestEnvironment& environment) {
    std::vector<std::wstring> scripts;
    const bool cleaned = WaitUntil([&] {
        scripts.clear();
        for (std::wstring name : environment.TempFiles())
            if (name.size() > 8 && ::CharLowerW(name.data()) && name.compare(0, 8, L"diskpart") == 0 &&
                name.find_first_not_of(L"0123456789", 8) == std::wstring::npos)
                scripts.push_back(name);
        return scripts.empty();
    }, 15000);
    if (cleaned) return testing::AssertionSuccess();
    return testing::AssertionFailure() << scripts.size() << " scripts left, such as " << Narrow(scripts[0]);
}

// Waits for the run to end: then the window shows `status`, no box is open and the scripts go.
inline testing::AssertionResult RunEndsWith(RunningProgram& program, const TestEnvironment& environment,
                                            const wchar_t* status) {
    if (!program.WaitForRunEnd(kRunTimeoutMs)) return testing::AssertionFailure() << "the run goes on";
    if (!program.PopUps().empty()) return testing::AssertionFailure() << "a box is open";
    if (WindowState(program) != NoRunShown(status))
        return testing::AssertionFailure() << "the window shows " << WindowState(program);
    return ScriptsCleanedUp(environment);
}

// After an error end the window explains it in a box of its own thread, with the error icon,
// once the status line and the button are back. Hands back the box's text and closes the box.
inline std::wstring CloseErrorBox(RunningProgram& program) {
    HWND box = FindMessageBox(program.ThreadId(), kBoxTimeoutMs);
    if (!box) {
        ADD_FAILURE() << "no box explains the error; the window shows " << WindowState(program);
        return {};
    }
    EXPECT_EQ(program.PopUps(), std::vector<HWND>{box});
    EXPECT_EQ(WindowState(program), NoRunShown(kFailed));
    const std::wstring text = MessageBoxText(box);
    ExpectBoxOf(program, box, text, {IDOK}, ::LoadIconW(nullptr, IDI_ERROR));
    PressButton(box, IDOK);
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(box); }, kBoxTimeoutMs));
    return text;
}
