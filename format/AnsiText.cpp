#include "format/AnsiText.h"

#include <windows.h>

std::string ToThreadAnsi(std::wstring_view text) {
    if (text.empty()) return {};
    const int size = ::WideCharToMultiByte(CP_THREAD_ACP, 0, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(size > 0 ? size_t(size) : 0, '\0');
    if (size > 0)
        ::WideCharToMultiByte(CP_THREAD_ACP, 0, text.data(), int(text.size()), bytes.data(), size, nullptr, nullptr);
    return bytes;
}

std::wstring FromThreadAnsi(std::string_view bytes) {
    if (bytes.empty()) return {};
    const int size = ::MultiByteToWideChar(CP_THREAD_ACP, 0, bytes.data(), int(bytes.size()), nullptr, 0);
    std::wstring text(size > 0 ? size_t(size) : 0, L'\0');
    if (size > 0) ::MultiByteToWideChar(CP_THREAD_ACP, 0, bytes.data(), int(bytes.size()), text.data(), size);
    return text;
}

std::optional<std::string> ToThreadAnsiExactly(std::wstring_view text) {
    if (text.empty()) return std::string();
    const int length = int(text.size());
    BOOL usedDefault = FALSE;
    int size = ::WideCharToMultiByte(CP_THREAD_ACP, WC_NO_BEST_FIT_CHARS, text.data(), length, nullptr, 0, nullptr,
                                     &usedDefault);
    std::string bytes(size > 0 ? size_t(size) : 0, '\0');
    if (size > 0) {
        size = ::WideCharToMultiByte(CP_THREAD_ACP, WC_NO_BEST_FIT_CHARS, text.data(), length, bytes.data(), size,
                                     nullptr, &usedDefault);
    } else if (::GetLastError() == ERROR_INVALID_FLAGS || ::GetLastError() == ERROR_INVALID_PARAMETER) {
        // A UTF-8 code page takes neither the flag nor the default-character report; it has no
        // best fit and carries every character.
        bytes = ToThreadAnsi(text);
        size = int(bytes.size());
    }
    if (size <= 0 || usedDefault) return std::nullopt;
    // Decoding must give back the very text: this also catches what a code page maps on its own.
    if (FromThreadAnsi(bytes) != text) return std::nullopt;
    return bytes;
}
