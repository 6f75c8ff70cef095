#include "format/SystemMessage.h"

#include <windows.h>

std::wstring SystemErrorMessage(unsigned long code) {
    wchar_t message[1024];
    const DWORD length = ::FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
                                          message, DWORD(sizeof(message) / sizeof(message[0])), nullptr);
    return std::wstring(message, length);
}
