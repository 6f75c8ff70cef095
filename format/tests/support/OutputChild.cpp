// output_child: a console program for the tests and the benchmark of the child process runner.
// It carries out its arguments from left to right:
//   out:<hex>      write these bytes to standard output in one WriteFile call
//   err:<hex>      the same on standard error
//   repeat:<n>     write n bytes of PatternBytes (OutputPattern.h) to standard output in one call
//   sleep:<ms>     wait that long
//   startup        write "flags=<hex> " (its startup-information flags), then "console-window" or
//                  "no-console-window"
//   pipes          write " pipes=<n>": how many pipe handles it holds besides its standard output
//                  and standard error
//   inherited:<h>  write the text at the start of the file mapping whose inherited handle has
//                  the number h (hexadecimal), or "not-inherited"
//   self           write the full path of this program (ASCII)
//   spawn ...      start output_child with the remaining arguments, handing it this process's
//                  standard output and standard error, and end without waiting for it
// Nothing is buffered in the program. Exit code 2 when an argument cannot be carried out.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cwchar>
#include <string>

#include "format/tests/support/OutputPattern.h"

namespace {

bool Write(DWORD which, const std::string& bytes) {
    DWORD written = 0;
    return ::WriteFile(::GetStdHandle(which), bytes.data(), DWORD(bytes.size()), &written, nullptr) &&
           written == bytes.size();
}

bool ParseHex(const wchar_t* hex, std::string& bytes) {
    for (; hex[0] && hex[1]; hex += 2) {
        const wchar_t pair[3] = {hex[0], hex[1], L'\0'};
        wchar_t* end = nullptr;
        bytes += char(std::wcstoul(pair, &end, 16));
        if (*end) return false;
    }
    return *hex == L'\0';
}

bool ParseNumber(const wchar_t* text, int base, unsigned long long& value) {
    wchar_t* end = nullptr;
    value = std::wcstoull(text, &end, base);
    return *text && !*end;
}

const wchar_t* After(const wchar_t* argument, const wchar_t* prefix) {
    const size_t length = std::wcslen(prefix);
    return std::wcsncmp(argument, prefix, length) == 0 ? argument + length : nullptr;
}

bool SpawnSelf(int argc, wchar_t** argv, int first) {
    wchar_t path[MAX_PATH];
    const DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return false;
    std::wstring commandLine = L"\"" + std::wstring(path) + L"\"";
    for (int i = first; i < argc; ++i) commandLine += L" " + std::wstring(argv[i]);

    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = ::GetStdHandle(STD_OUTPUT_HANDLE);
    startup.hStdError = ::GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr,
                          &startup, &process))
        return false;
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return true;
}

bool CarryOut(const wchar_t* argument) {
    const wchar_t* rest = nullptr;
    std::string bytes;
    unsigned long long number = 0;
    if ((rest = After(argument, L"out:")) || (rest = After(argument, L"err:")))
        return ParseHex(rest, bytes) && Write(argument[0] == L'o' ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE, bytes);
    if ((rest = After(argument, L"repeat:")))
        return ParseNumber(rest, 10, number) && Write(STD_OUTPUT_HANDLE, PatternBytes(number));
    if ((rest = After(argument, L"sleep:"))) {
        if (!ParseNumber(rest, 10, number)) return false;
        ::Sleep(DWORD(number));
        return true;
    }
    if (std::wcscmp(argument, L"startup") == 0) {
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        ::GetStartupInfoW(&startup);
        char flags[32];
        std::snprintf(flags, sizeof(flags), "flags=%lx ", static_cast<unsigned long>(startup.dwFlags));
        return Write(STD_OUTPUT_HANDLE, flags + std::string(::GetConsoleWindow() ? "" : "no-") + "console-window");
    }
    if (std::wcscmp(argument, L"pipes") == 0) {
        const HANDLE standard[] = {::GetStdHandle(STD_OUTPUT_HANDLE), ::GetStdHandle(STD_ERROR_HANDLE)};
        int pipes = 0;
        for (uintptr_t value = 4; value < 0x4000; value += 4) {
            const HANDLE handle = HANDLE(value);
            if (handle != standard[0] && handle != standard[1] && ::GetFileType(handle) == FILE_TYPE_PIPE) ++pipes;
        }
        return Write(STD_OUTPUT_HANDLE, " pipes=" + std::to_string(pipes));
    }
    if (std::wcscmp(argument, L"self") == 0) {
        wchar_t path[MAX_PATH];
        const DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
        return Write(STD_OUTPUT_HANDLE, std::string(path, path + length));
    }
    if ((rest = After(argument, L"inherited:"))) {
        if (!ParseNumber(rest, 16, number)) return false;
        const void* view = ::MapViewOfFile(HANDLE(uintptr_t(number)), FILE_MAP_READ, 0, 0, 0);
        return Write(STD_OUTPUT_HANDLE, view ? static_cast<const char*>(view) : "not-inherited");
    }
    return false;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::wcscmp(argv[i], L"spawn") == 0) {
            if (SpawnSelf(argc, argv, i + 1)) return 0;
        } else if (CarryOut(argv[i])) {
            continue;
        }
        std::string message = "output_child: cannot carry out ";
        for (const wchar_t* c = argv[i]; *c; ++c) message += *c < 0x80 ? char(*c) : '?';
        Write(STD_ERROR_HANDLE, message + "\n");
        return 2;
    }
    return 0;
}
