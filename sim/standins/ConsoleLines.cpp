#include "sim/standins/ConsoleLines.h"

#include <windows.h>

#include "sim/WinText.h"

void PrintLines(const std::vector<std::string>& lines) {
    const HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
    if (output == nullptr || output == INVALID_HANDLE_VALUE) return;
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    if (text.empty()) return;

    DWORD mode = 0;
    if (GetConsoleMode(output, &mode)) {
        const std::wstring wide = WideFromUtf8(text);
        DWORD written = 0;
        WriteConsoleW(output, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
        return;
    }
    const std::string oem = OemFromUtf8(text);
    std::size_t done = 0;
    while (done < oem.size()) {
        DWORD written = 0;
        if (!WriteFile(output, oem.data() + done, static_cast<DWORD>(oem.size() - done), &written, nullptr) ||
            written == 0) {
            return;
        }
        done += written;
    }
}
