// The program in the user's display language: every text of both windows whole in each language
// this locale can draw, the boxes of a run in that language, and the language taken from the
// system when the program starts. Run under several locales (see CMakeLists.txt).
#include <gtest/gtest.h>

#include "app/AboutDialog.h"
#include "app/tests/support/FormatSteps.h"
#include "lang/Texts.h"
#include "sim/WinText.h"

namespace {

struct SpokenLanguage {
    Language language;
    LANGID id;
    const wchar_t* fileSystemTerm;  // Windows' own word, which the file-system label holds
};

constexpr SpokenLanguage kSpoken[] = {
    {Language::English, 0x0409, L"Filesystem"},
    {Language::German, 0x0407, L"Dateisystem"},
    {Language::French, 0x040C, L"Système de fichiers"},
    {Language::Spanish, 0x0C0A, L"Sistema de archivos"},
    {Language::Italian, 0x0410, L"File system"},
    {Language::PortugueseBrazil, 0x0416, L"Sistema de arquivos"},
    {Language::Dutch, 0x0413, L"Bestandssysteem"},
    {Language::Polish, 0x0415, L"System plików"},
    {Language::Russian, 0x0419, L"Файловая система"},
    {Language::Turkish, 0x041F, L"Dosya sistemi"},
    {Language::Japanese, 0x0411, L"ファイル システム"},
    {Language::Korean, 0x0412, L"파일 시스템"},
    {Language::ChineseSimplified, 0x0804, L"文件系统"},
    {Language::ChineseTraditional, 0x0404, L"檔案系統"},
};

bool IsCjk(LANGID id) { return PRIMARYLANGID(id) == LANG_CHINESE || PRIMARYLANGID(id) == LANG_JAPANESE ||
                               PRIMARYLANGID(id) == LANG_KOREAN; }

// Chinese, Japanese and Korean under such a locale, whose fonts draw them; the others elsewhere.
std::vector<SpokenLanguage> LanguagesOfThisLocale() {
    std::vector<SpokenLanguage> languages;
    for (const SpokenLanguage& spoken : kSpoken)
        if (IsCjk(spoken.id) == IsCjk(::GetUserDefaultUILanguage())) languages.push_back(spoken);
    return languages;
}

// The text is drawn whole on one line inside the control's client rectangle, less `margin` on
// each side, and (`spare`) with a few per cent left, since Windows' fonts are not Wine's.
void ExpectWhole(HWND control, const std::wstring& text, int margin = 0, bool spare = true, HFONT font = nullptr) {
    HDC dc = ::GetDC(control);
    HGDIOBJ old = ::SelectObject(dc, font ? font : reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0)));
    RECT needed{};
    ::DrawTextW(dc, text.c_str(), -1, &needed, DT_CALCRECT | DT_SINGLELINE);
    ::SelectObject(dc, old);
    ::ReleaseDC(control, dc);
    RECT client{};
    ::GetClientRect(control, &client);
    const int room = client.right - 2 * margin;
    EXPECT_LE(needed.right * (spare ? 1.03 : 1.0), room) << testing::PrintToString(text);
    EXPECT_LE(needed.bottom, client.bottom) << testing::PrintToString(text);
}

// No other window of the dialog lies under the control.
void ExpectOverNoOtherControl(HWND control) {
    RECT own{}, other{}, both{};
    ::GetWindowRect(control, &own);
    for (HWND child = ::GetWindow(::GetParent(control), GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        if (child != control && ::IsWindowVisible(child) && ::GetWindowRect(child, &other))
            EXPECT_FALSE(::IntersectRect(&both, &own, &other)) << ::GetDlgCtrlID(child);
}

TEST(Languages, EveryTextOfBothWindowsIsWholeAndNamesItsControl) {
    TestEnvironment environment{{QuarrixDisk(1)}};
    for (const SpokenLanguage& spoken : LanguagesOfThisLocale()) {
        SCOPED_TRACE(spoken.id);
        const Texts texts(spoken.language);
        RunningProgram program(0, spoken.id);
        // A screen reader names each control by the label just before it in the window order.
        for (const auto& [control, text] : {std::pair{IDC_DRIVE_LIST, TextId::DriveListLabel},
                                            {IDC_LABEL_EDIT, TextId::VolumeLabelLabel},
                                            {IDC_LETTER_LIST, TextId::DriveLetterLabel},
                                            {IDC_FILE_SYSTEM_LIST, TextId::FileSystemLabel}}) {
            HWND label = ::GetWindow(program.Item(control), GW_HWNDPREV);
            EXPECT_EQ(TextOf(label), texts[text]);
            ExpectWhole(label, texts[text], 0, spoken.language != Language::English);
            ExpectOverNoOtherControl(label);
        }
        EXPECT_NE(TextOf(::GetWindow(program.Item(IDC_FILE_SYSTEM_LIST), GW_HWNDPREV)).find(spoken.fileSystemTerm),
                  std::wstring::npos);
        const bool spare = spoken.language != Language::English;
        ExpectWhole(program.Item(IDC_START_FORMAT), texts[TextId::StartFormatButton], 3, spare);
        ExpectWhole(program.Item(IDC_DRIVE_LIST), texts[TextId::NoDrivesEntry], ::GetSystemMetrics(SM_CXVSCROLL));
        for (TextId line : {TextId::WarningLine, TextId::StatusPartitioning, TextId::StatusFormatting,
                            TextId::StatusFinished, TextId::StatusError})
            ExpectWhole(program.Item(IDC_WARNING_TEXT), texts[line], 0, spare);

        HMENU menu = ::GetSystemMenu(program.Window(), FALSE);
        wchar_t item[128] = {};
        ::GetMenuStringW(menu, ::GetMenuItemCount(menu) - 1, item, 128, MF_BYPOSITION);
        EXPECT_STREQ(item, texts[TextId::AboutMenuItem]);

        ::PostMessageW(program.Window(), WM_SYSCOMMAND, IDM_ABOUT, 0);
        HWND about = nullptr;
        ASSERT_TRUE(WaitUntil([&] { return (about = ::FindWindowW(L"#32770", texts[TextId::AboutCaption])); }, 5000));
        ExpectWhole(::GetDlgItem(about, IDOK), texts[TextId::AboutOkButton], 3);
        // The caption's room: the window less its borders and the close button.
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

// The text of a message box's button as the box shows it, without its access-key mark.
std::wstring ButtonName(HWND box, int id) {
    std::wstring name = TextOf(::GetDlgItem(box, id));
    name.erase(std::remove(name.begin(), name.end(), L'&'), name.end());
    return name;
}

TEST(Languages, ConfirmationAndExplanationSpeakTheLanguageAndKeepTheDrivesAndTheUtilitysWords) {
    // The utility speaks the system's language, whatever the program's.
    const std::string utilityLine = IsCjk(::GetUserDefaultUILanguage())
                                        ? "\xE3\x83\xA1\xE3\x83\x87\xE3\x82\xA3\xE3\x82\xA2\xE3\x81\xAF\xE6\x9B\xB8"
                                          "\xE3\x81\x8D\xE8\xBE\xBC\xE3\x81\xBF\xE7\xA6\x81\xE6\xAD\xA2\xE3\x81\xA7"
                                          "\xE3\x81\x99\xE3\x80\x82"  // "The media is write-protected."
                                        : "Das Medium ist schreibgesch\xC3\xBCtzt.";
    for (const SpokenLanguage& spoken : LanguagesOfThisLocale()) {
        SCOPED_TRACE(spoken.id);
        VirtualDisk disk = QuarrixDisk(1);
        disk.failCommand = "clean";
        disk.failMessage = utilityLine;
        disk.failExitCode = 0x80070013;
        TestEnvironment environment{{disk}};
        const Texts texts(spoken.language);
        RunningProgram program(0, spoken.id);
        StartFormatPress press(program);
        HWND box = FindMessageBox(program.ThreadId(), kBoxTimeoutMs);
        ASSERT_NE(box, nullptr);
        const std::wstring question = MessageBoxText(box);
        EXPECT_NE(question.find(L"[1] - Quarrix QX7 (1TB)"), std::wstring::npos) << testing::PrintToString(question);
        // The buttons the text names are those of the box, which the system labels in its language.
        if (LanguageOfLanguageId(::GetUserDefaultUILanguage()) == spoken.language)
            for (int id : {IDOK, IDCANCEL})
                EXPECT_NE(question.find(ButtonName(box, id)), std::wstring::npos) << testing::PrintToString(question);
        PressButton(box, IDOK);
        ASSERT_TRUE(press.HandlerReturned(kBoxTimeoutMs) && program.WaitForRunEnd(kRunTimeoutMs));
        EXPECT_EQ(program.Status(), texts[TextId::StatusError]);
        box = FindMessageBox(program.ThreadId(), kBoxTimeoutMs);
        ASSERT_NE(box, nullptr);
        const std::wstring explanation = MessageBoxText(box);
        EXPECT_EQ(explanation.rfind(texts[TextId::CauseWriteProtected], 0), 0u) << testing::PrintToString(explanation);
        EXPECT_NE(explanation.find(L"\n" + WideFromUtf8(utilityLine) + L"\n"), std::wstring::npos);
        EXPECT_NE(explanation.find(L"0x80070013"), std::wstring::npos);
        EXPECT_NE(explanation.find(spoken.language == Language::German ? L"Strg+C" : L"+C"), std::wstring::npos);
        PressButton(box, IDOK);
        EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(box); }, kBoxTimeoutMs));
    }
}

// The language of the Windows display languages the tests run under; nothing for any other.
std::optional<Language> ExpectedLanguage(LANGID displayLanguage) {
    for (const auto& [id, language] : {std::pair{LANGID(0x0409), Language::English}, {LANGID(0x0407), Language::German},
                                       {LANGID(0x0419), Language::Russian}, {LANGID(0x0411), Language::Japanese},
                                       {LANGID(0x041D), Language::English}})
        if (id == displayLanguage) return language;
    return std::nullopt;
}

// As the program starts: the language of the system's display language, which a thread locale
// (set here to Japanese, on both threads) does not change; a whole run ends with its success line.
TEST(DisplayLanguage, TheWindowSpeaksTheSystemsDisplayLanguageThroughAWholeRun) {
    const std::optional<Language> expected = ExpectedLanguage(::GetUserDefaultUILanguage());
    if (!expected) GTEST_SKIP() << "no expectation for display language " << ::GetUserDefaultUILanguage();
    const Texts texts(*expected);
    TestEnvironment environment{{QuarrixDisk(1)}};
    const LCID japanese = MAKELCID(MAKELANGID(LANG_JAPANESE, SUBLANG_JAPANESE_JAPAN), SORT_DEFAULT);
    const LCID previous = ::GetThreadLocale();
    ::SetThreadLocale(japanese);
    RunningProgram program(japanese, std::nullopt);
    ::SetThreadLocale(previous);
    EXPECT_EQ(TextOf(program.Item(IDC_START_FORMAT)), texts[TextId::StartFormatButton]);
    EXPECT_EQ(TextOf(program.Item(IDC_WARNING_TEXT)), texts[TextId::WarningLine]);
    StartFormatPress press(program);
    HWND box = FindMessageBox(program.ThreadId(), kBoxTimeoutMs);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box).rfind(texts.Format(TextId::ConfirmDriveWillBeDeleted, {program.SelectedDrive()}), 0), 0u);
    PressButton(box, IDOK);
    ASSERT_TRUE(press.HandlerReturned(kBoxTimeoutMs) && program.WaitForRunEnd(kRunTimeoutMs));
    EXPECT_EQ(program.Status(), texts[TextId::StatusFinished]);
    EXPECT_TRUE(program.PopUps().empty());
}

}  // namespace
