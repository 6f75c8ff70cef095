#include "format/AnsiText.h"

#include <windows.h>

#include <algorithm>

namespace {

std::string ToAnsi(UINT codePage, std::wstring_view text) {
    if (text.empty()) return {};
    const int size = ::WideCharToMultiByte(codePage, 0, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(size > 0 ? size_t(size) : 0, '\0');
    if (size > 0) ::WideCharToMultiByte(codePage, 0, text.data(), int(text.size()), bytes.data(), size, nullptr, nullptr);
    return bytes;
}

std::wstring FromAnsi(UINT codePage, std::string_view bytes) {
    if (bytes.empty()) return {};
    const int size = ::MultiByteToWideChar(codePage, 0, bytes.data(), int(bytes.size()), nullptr, 0);
    std::wstring text(size > 0 ? size_t(size) : 0, L'\0');
    if (size > 0) ::MultiByteToWideChar(codePage, 0, bytes.data(), int(bytes.size()), text.data(), size);
    return text;
}

// The text in that code page, or nothing when it cannot carry every character exactly.
std::optional<std::string> ToAnsiExactly(UINT codePage, std::wstring_view text) {
    if (text.empty()) return std::string();
    const int length = int(text.size());
    BOOL usedDefault = FALSE;
    int size = ::WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, text.data(), length, nullptr, 0, nullptr,
                                     &usedDefault);
    std::string bytes(size > 0 ? size_t(size) : 0, '\0');
    if (size > 0) {
        size = ::WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, text.data(), length, bytes.data(), size, nullptr,
                                     &usedDefault);
    } else if (::GetLastError() == ERROR_INVALID_FLAGS || ::GetLastError() == ERROR_INVALID_PARAMETER) {
        // A UTF-8 code page takes neither the flag nor the default-character report; it has no
        // best fit and carries every character.
        bytes = ToAnsi(codePage, text);
        size = int(bytes.size());
    }
    if (size <= 0 || usedDefault) return std::nullopt;
    // Decoding must give back the very text: this also catches what a code page maps on its own.
    if (FromAnsi(codePage, bytes) != text) return std::nullopt;
    return bytes;
}

}  // namespace

std::string ToThreadAnsi(std::wstring_view text) { return ToAnsi(CP_THREAD_ACP, text); }

std::wstring FromThreadAnsi(std::string_view bytes) { return FromAnsi(CP_THREAD_ACP, bytes); }

std::wstring FromOemCodePage(std::string_view bytes) { return FromAnsi(CP_OEMCP, bytes); }

std::optional<std::string> ToThreadAnsiExactly(std::wstring_view text) {
    std::optional<std::string> bytes = ToAnsiExactly(CP_THREAD_ACP, text);
    // The thread's code page follows the user's format settings; the system's code page, which
    // other programs read text in, may differ. Beyond ASCII, which every ANSI code page shares,
    // the bytes must be the same in both.
    const bool ascii = std::all_of(text.begin(), text.end(), [](wchar_t c) { return c < 0x80; });
    if (!bytes || ascii || ToAnsiExactly(CP_ACP, text) == bytes) return bytes;
    return std::nullopt;
}
