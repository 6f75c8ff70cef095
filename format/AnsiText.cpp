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
