// The program in the user's display language: every text of both windows whole in each language
// this locale can draw, the boxes of a run in that language, and the language taken from the
// system when the program starts. Run under several locales (see CMakeLists.txt).
#include <gtest/gtest.h>

#include "app/tests/support/FormatSteps.h"
#include "sim/WinText.h"

namespace {

struct SpokenLanguage {
    Language language;
    LANGID id;
    const wchar_t* fileSystemTerm;  // Windows' own word, which the file-system label holds
};
constexpr SpokenLanguage kSpoken[] = {
    {Language::English, 0x0409, L"Filesystem"}, {Language::German, 0x0407, L"Dateisystem"},
    {Language::French, 0x040C, L"Système de fichiers"}, {Language::Spanish, 0x0C0A, L"Sistema de archivos"},
    {Language::Italian, 0x0410, L"File system"}, {Language::PortugueseBrazil, 0x0416, L"Sistema de arquivos"},
    {Language::Dutch, 0x0413, L"Bestandssysteem"}, {Language::Polish, 0x0415, L"System plików"},
    {Language::Russian, 0x0419, L"Файловая система"}, {Language::Turkish, 0x041F, L"Dosya sistemi"},
    {Language::Japanese, 0x0411, L"ファイル システム"}, {Language::Korean, 0x0412, L"파일 시스템"},
    {Language::ChineseSimplified, 0x0804, L"文件系统"}, {Language::ChineseTraditional, 0x0404, L"檔案系統"}};

bool IsCjk(LANGID id) {
    return PRIMARYLANGID(id) == LANG_CHINESE || PRIMARYLANGID(id) == LANG_JAPANESE || PRIMARYLANGID(id) == LANG_KOREAN;
}

// Chinese, Japanese and Korean under such a locale, whose fonts draw them; the others elsewhere.
std::vector<SpokenLanguage> LanguagesOfThisLocale() {
    std::vector<SpokenLanguage> languages;
    for (const SpokenLanguage& spoken : kSpoken)
        if (IsCjk(spoken.id) == IsCjk(::GetUserDefaultUILanguage())) languages.push_back(spoken);
    return languages;
}

// The text is drawn whole on one line (or, `wrapped`, on the lines it takes) in the control's
// client rectangle less `margin` on each side, with a few per cent to spare (Windows' fonts are
// not Wine's) unless `spare` is false.
void ExpectWhole(HWND control, const std::wstring& text, int margin = 0, bool spare = true, HFONT font = nullptr,
                 bool wrapped = false) {
    HDC dc = ::GetDC(control);
    HGDIOBJ old = ::SelectObject(dc, font ? font : reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0)));
    RECT client{};
    ::GetClientRect(control, &client);
    RECT needed{0, 0, wrapped ? LONG((client.right - 2 * margin) / (spare ? 1.03 : 1.0)) : 0, 0};
    ::DrawTextW(dc, text.c_str(), -1, &needed, DT_CALCRECT | (wrapped ? DT_WORDBREAK : DT_SINGLELINE));
    ::SelectObject(dc, old);
    ::ReleaseDC(control, dc);
    EXPECT_LE(needed.right * (spare ? 1.03 : 1.0), client.right - 2 * margin) << testing::PrintToString(text);
    EXPECT_LE(needed.bottom, client.bottom) << testing::PrintToString(text);
}

TEST(Languages, EveryTextOfBothWindowsIsWholeAndNamesItsControl) {
    TestEnvironment environment{{QuarrixDisk(1)}};
    for (const SpokenLanguage& spoken : LanguagesOfThisLocale()) {
        SCOPED_TRACE(spoken.id);
        const Texts texts(spoken.language);
        const bool spare = spoken.language != Language::English;  // English is the template as it stands
        RunningProgram program(0, spoken.id);
        // A screen reader names each control by the label just before it, which covers no other control.
        for (const auto& [control, text] : {std::pair{IDC_DRIVE_LIST, TextId::DriveListLabel},
                                            {IDC_LABEL_EDIT, TextId::VolumeLabelLabel},
                                            {IDC_LETTER_LIST, TextId::DriveLetterLabel},
                                            {IDC_FILE_SYSTEM_LIST, TextId::FileSystemLabel}}) {
            HWND label = ::GetWindow(program.Item(control), GW_HWNDPREV);
            EXPECT_EQ(TextOf(label), texts[text]);
            ExpectWhole(label, texts[text], 0, spare);
            RECT own{}, other{}, both{};
            ::GetWindowRect(label, &own);
            for (HWND child = ::GetWindow(program.Window(), GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
                if (child != label && ::IsWindowVisible(child) && ::GetWindowRect(child, &other)) {
                    EXPECT_FALSE(::IntersectRect(&both, &own, &other)) << ::GetDlgCtrlID(child);
                }
        }
        EXPECT_NE(TextOf(::GetWindow(program.Item(IDC_FILE_SYSTEM_LIST), GW_HWNDPREV)).find(spoken.fileSystemTerm),
                  std::wstring::npos);
        ExpectWhole(program.Item(IDC_START_FORMAT), texts[TextId::StartFormatButton], 3, spare);
        ExpectWhole(program.Item(IDC_DRIVE_LIST), texts[TextId::NoDrivesEntry], ::GetSystemMetrics(SM_CXVSCROLL));
        for (TextId line : {TextId::WarningLine, TextId::StatusPartitioning, TextId::StatusFormatting,
                            TextId::StatusFinished, TextId::StatusError})
            ExpectWhole(program.Item(IDC_WARNING_TEXT), texts[line], 0, spare);
        // A drive that does not answer is named in the warning's place, on two lines where one is too short.
        VirtualDisk refused = QuarrixDisk(2), silent = refused;
        refused.openFails = refused.openDenied = silent.ioctlFails = true;
        for (const auto& [disk, notice] : {std::pair{refused, TextId::ScanAccessRefused}, {silent, TextId::ScanNotReady}}) {
            environment.WriteDisks({disk});
            program.SendDeviceChange();
            EXPECT_EQ(program.Status(), texts[notice]);
            ExpectWhole(program.Item(IDC_WARNING_TEXT), texts[notice], 0, spare, nullptr, true);
        }
        environment.WriteDisks({QuarrixDisk(1)});
        program.SendDeviceChange();
        HMENU menu = ::GetSystemMenu(program.Window(), FALSE);
        wchar_t item[128] = {};
        ::GetMenuStringW(menu, ::GetMenuItemCount(menu) - 1, item, 128, MF_BYPOSITION);
        EXPECT_STREQ(item, texts[TextId::AboutMenuItem]);

        ::PostMessageW(program.Window(), WM_SYSCOMMAND, IDM_ABOUT, 0);
        HWND about = nullptr;
        ASSERT_TRUE(WaitUntil([&] { return (about = ::FindWindowW(L"#32770", texts[TextId::AboutCaption])); }, 5000));
        ExpectWhole(::GetDlgItem(about, IDOK), texts[TextId::AboutOkButton], 3);
        // The caption's room: the window less its borders, the close button and as much again.
        NONCLIENTMETRICSW metrics{};
        metrics.cbSize = sizeof(metrics);
        ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
        HFONT captionFont = ::CreateFontIndirectW(&metrics.lfCaptionFont);
        ExpectWhole(about, texts[TextId::AboutCaption], metrics.iCaptionWidth, spare, captionFont);
        ::DeleteObject(captionFont);
        PressButton(about, IDOK);
        EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(about); }, 5000));
    }
}

// Presses Start Format and OK on the confirmation; hands back the confirmation's text and, after a
// `failing` run, the text of the box that explains it (closed then).
std::pair<std::wstring, std::wstring> RunAndReadTheBoxes(RunningProgram& program, bool failing, bool namesTheButtons) {
    StartFormatPress press(program);
    HWND box = FindMessageBox(program.ThreadId(), kBoxTimeoutMs);
    std::pair<std::wstring, std::wstring> texts{box ? MessageBoxText(box) : L"(no box)", L""};
    // The box's own buttons, which the system labels in its language, are named as it shows them.
    for (int id : {IDOK, IDCANCEL}) {
        std::wstring name = TextOf(::GetDlgItem(box, id));
        name.erase(std::remove(name.begin(), name.end(), L'&'), name.end());
        EXPECT_TRUE(!namesTheButtons || texts.first.find(name) != std::wstring::npos) << testing::PrintToString(name);
    }
    PressButton(box, IDOK);
    EXPECT_TRUE(press.HandlerReturned(kBoxTimeoutMs) && program.WaitForRunEnd(kRunTimeoutMs));
    if (HWND error = failing ? FindMessageBox(program.ThreadId(), kBoxTimeoutMs) : nullptr) {
        texts.second = MessageBoxText(error);
        PressButton(error, IDOK);
        EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(error); }, kBoxTimeoutMs));
    }
    return texts;
}

TEST(Languages, ConfirmationAndExplanationSpeakTheLanguageAndKeepTheDrivesAndTheUtilitysWords) {
    // The utility speaks the system's language, whatever the program's: "The medium is write-protected."
    const std::wstring utilityLine = IsCjk(::GetUserDefaultUILanguage())
                                         ? L"メディアは書き込み禁止です。" : L"Das Medium ist schreibgeschützt.";
    for (const SpokenLanguage& spoken : LanguagesOfThisLocale()) {
        SCOPED_TRACE(spoken.id);
        VirtualDisk disk = QuarrixDisk(1);
        disk.failCommand = "clean";
        disk.failMessage = Utf8FromWide(utilityLine);
        disk.failExitCode = 0x80070013;
        TestEnvironment environment{{disk}};
        const Texts texts(spoken.language);
        RunningProgram program(0, spoken.id);
        const auto [question, explanation] =
            RunAndReadTheBoxes(program, true, LanguageOfLanguageId(::GetUserDefaultUILanguage()) == spoken.language);
        EXPECT_NE(question.find(L"[1] - Quarrix QX7 (1TB)"), std::wstring::npos) << testing::PrintToString(question);
        EXPECT_EQ(program.Status(), texts[TextId::StatusError]);
        EXPECT_EQ(explanation.rfind(texts[TextId::CauseWriteProtected], 0), 0u) << testing::PrintToString(explanation);
        EXPECT_NE(explanation.find(L"\n" + utilityLine + L"\n"), std::wstring::npos);
        EXPECT_NE(explanation.find(L"0x80070013"), std::wstring::npos);
        EXPECT_NE(explanation.find(spoken.language == Language::German ? L"Strg+C" : L"+C"), std::wstring::npos);
    }
}

// As the program starts: the system's display language (English for one the program does not
// speak), which a thread locale (Japanese here, on both threads) does not change, through a run.
TEST(DisplayLanguage, TheWindowSpeaksTheSystemsDisplayLanguageThroughAWholeRun) {
    Language expected = Language::English;
    for (const SpokenLanguage& spoken : kSpoken)
        if (spoken.id == ::GetUserDefaultUILanguage()) expected = spoken.language;
    const Texts texts(expected);
    TestEnvironment environment{{QuarrixDisk(1)}};
    const LCID japanese = MAKELCID(MAKELANGID(LANG_JAPANESE, SUBLANG_JAPANESE_JAPAN), SORT_DEFAULT);
    const LCID previous = ::GetThreadLocale();
    ::SetThreadLocale(japanese);
    RunningProgram program(japanese, std::nullopt);
    ::SetThreadLocale(previous);
    EXPECT_EQ(TextOf(program.Item(IDC_START_FORMAT)), texts[TextId::StartFormatButton]);
    EXPECT_EQ(TextOf(program.Item(IDC_WARNING_TEXT)), texts[TextId::WarningLine]);
    const auto [question, explanation] = RunAndReadTheBoxes(program, false, false);
    EXPECT_EQ(question.rfind(texts.Format(TextId::ConfirmDriveWillBeDeleted, {program.SelectedDrive()}), 0), 0u);
    EXPECT_EQ(program.Status(), texts[TextId::StatusFinished]);
    EXPECT_TRUE(program.PopUps().empty());
}

}  // namespace
