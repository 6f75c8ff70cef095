// The main window's controls as the user must find them: the test of the dialog in-process and
// the test of the shipped program both compare the window with this table.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <cwctype>
#include <string>

#include "app/resource.h"
#include "framework/tests/support/WindowProbe.h"

struct ExpectedControl {
    int id;
    const wchar_t* className;
    const wchar_t* text;
    LONG style;
    LONG exStyle;
    RECT dialogUnits;  // left, top, width, height
};

// The order of the child windows: the template's, but each label placed just before the control
// it names, so that a screen reader names the control by it. The tab order stays the template's.
inline constexpr ExpectedControl kMainControls[] = {
    {IDC_START_FORMAT, L"Button", L"Start Format", 0x50010000, 0, {56, 77, 100, 14}},
    {-1, L"Static", L"Select Quarrix Drive:", 0x50020000, 0x20, {41, 12, 80, 8}},
    {IDC_DRIVE_LIST, L"ComboBox", nullptr, 0x50010503, 0, {40, 24, 192, 50}},
    {-1, L"Static", L"Drive Label:", 0x50020000, 0, {41, 42, 39, 8}},
    {IDC_LABEL_EDIT, L"Edit", L"Quarrix", 0x50810080, 0, {40, 53, 131, 14}},
    {-1, L"Static", L"Drive Letter:", 0x50020000, 0, {190, 41, 42, 8}},
    {IDC_LETTER_LIST, L"ComboBox", nullptr, 0x50210503, 0, {189, 52, 43, 50}},
    {IDC_PROGRESS, L"msctls_progress32", nullptr, 0x40000009, 0, {49, 79, 113, 10}},
    {IDC_WARNING_TEXT, L"Static", L"Warning: This program will delete all your data stored on the Quarrix drive!",
     0x50020001, 0, {14, 97, 253, 8}},
    {IDC_WEB_LINK, L"Static", L"www.quarrix.example", 0x50020100, 0, {181, 11, 88, 8}},
    {-1, L"Static", L"", 0x50000010, 0, {7, 7, 266, 1}},
    {-1, L"Static", L"", 0x50000010, 0, {7, 110, 266, 1}},
    {IDC_LOGO_ICON, L"Static", nullptr, 0x50001103, 0, {11, 15, 20, 20}},
    {IDC_SEARCH_ICON, L"Static", nullptr, 0x50000903, 0x20, {241, 24, 20, 20}},
    {-1, L"Static", L"Filesystem:", 0x50020000, 0, {189, 67, 37, 8}},
    {IDC_FILE_SYSTEM_LIST, L"ComboBox", nullptr, 0x50210403, 0, {189, 77, 43, 50}},
};

// Class names compare without regard to case ("Static" and "STATIC" are one class).
inline bool SameClass(const std::wstring& a, const std::wstring& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::towlower(a[i]) != std::towlower(b[i])) return false;
    return true;
}

// The child window has the table's id, class and (where the table gives one) text.
inline void ExpectIdClassAndText(HWND child, const ExpectedControl& expected) {
    EXPECT_EQ(LOWORD(::GetDlgCtrlID(child)), LOWORD(expected.id));
    EXPECT_TRUE(SameClass(ClassOf(child), expected.className)) << ClassOf(child);
    if (expected.text) {
        EXPECT_EQ(TextOf(child), expected.text);
    }
}
