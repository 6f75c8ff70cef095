// output_child: a console program that writes exactly what its command line tells it to, for
// tests and benchmarks of the child process runner.
//
//   output_child.exe [action ...]
//
// The actions run from left to right:
//   out:<hex>     write the bytes given in hexadecimal to standard output in one WriteFile call
//                 ("out:" with no digits makes a write of zero bytes); "out:61006263" writes
//                 'a', a zero byte, 'b', 'c'
//   err:<hex>     the same on standard error
//   repeat:<n>    write n bytes of the numbered-record pattern (format/tests/support/
//                 OutputPattern.h) to standard output in one WriteFile call
//   sleep:<ms>    wait that many milliseconds
//   nowait        from here on, do not wait after a write until it has been read (see below);
//                 for timing the reader alone
//   flags         write "flags=<hex>", the startup-information flags this process was given
//   console       write "console-window" if this process has a console window, else
//                 "no-console-window"
//   inherited:<h> take the number h (hexadecimal) as a handle to a file mapping that the
//                 parent made inheritable, and write the text at the start of the mapped view
//                 (up to its first zero byte), or "not-inherited" when it cannot be mapped
//   spawn ...     start a second output_child with every argument after "spawn", handing it
//                 this process's standard output and standard error, and end at once without
//                 waiting for it: the second process keeps the output open after this one has
//                 gone
//
// With no action the program ends without writing anything. Every write goes straight to the
// handle from GetStdHandle with WriteFile, nothing is buffered in the program, and after each
// write the program waits until the reader has taken everything out of the pipe
// (FlushFileBuffers), so the order of the writes is the order in the output and a write made
// after a pause lands in a read of its own. That wait gives up after two seconds: the child
// holds the pipe's read end too (it inherits both ends), so a reader that stopped reading would
// otherwise leave it waiting for ever.
// Exit code 0, or 2 with a message on standard error when an argument is not understood.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cwchar>
#include <string>

#include "format/tests/support/OutputPattern.h"

namespace {

DWORD WINAPI FlushHandle(void* handle) {
    ::FlushFileBuffers(static_cast<HANDLE>(handle));
    return 0;
}

// Waits until what was written to the handle has been read, for two seconds at most.
void WaitUntilRead(HANDLE handle) {
    HANDLE flusher = ::CreateThread(nullptr, 0, FlushHandle, handle, 0, nullptr);
    if (!flusher) return;
    if (::WaitForSingleObject(flusher, 2000) == WAIT_TIMEOUT) {
        // Synchronous I/O on one handle may go one call at a time: end the wait so that the
        // next write is not held behind it.
        ::CancelSynchronousIo(flusher);
        ::WaitForSingleObject(flusher, 1000);
    }
    ::CloseHandle(flusher);
}

bool g_waitUntilRead = true;

bool WriteAll(DWORD which, const std::string& bytes) {
    HANDLE handle = ::GetStdHandle(which);
    size_t done = 0;
    do {
        DWORD written = 0;
        if (!::WriteFile(handle, bytes.data() + done, DWORD(bytes.size() - done), &written, nullptr)) return false;
        done += written;
    } while (done < bytes.size());
    if (g_waitUntilRead) WaitUntilRead(handle);
    return true;
}

int HexDigit(wchar_t c) {
    if (c >= L'0' && c <= L'9') return c - L'0';
    if (c >= L'a' && c <= L'f') return c - L'a' + 10;
    if (c >= L'A' && c <= L'F') return c - L'A' + 10;
    return -1;
}

bool ParseHex(const wchar_t* text, std::string& bytes) {
    const size_t length = std::wcslen(text);
    if (length % 2 != 0) return false;
    for (size_t i = 0; i < length; i += 2) {
        const int high = HexDigit(text[i]);
        const int low = HexDigit(text[i + 1]);
        if (high < 0 || low < 0) return false;
        bytes += char(high * 16 + low);
    }
    return true;
}

bool ParseCount(const wchar_t* text, unsigned long& value) {
    if (*text == L'\0') return false;
    wchar_t* end = nullptr;
    value = std::wcstoul(text, &end, 10);
    return *end == L'\0';
}

bool StartsWith(const wchar_t* text, const wchar_t* prefix, const wchar_t** rest) {
    const size_t length = std::wcslen(prefix);
    if (std::wcsncmp(text, prefix, length) != 0) return false;
    *rest = text + length;
    return true;
}

// Starts this program again with the given arguments; the new process writes into this one's
// standard output and standard error, which it inherits.
bool SpawnSelf(int argc, wchar_t** argv, int first) {
    wchar_t path[MAX_PATH];
    const DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return false;
    std::wstring commandLine = L"\"" + std::wstring(path) + L"\"";
    for (int i = first; i < argc; ++i) commandLine += L" " + std::wstring(argv[i]);

    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = nullptr;
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

int Fail(const wchar_t* argument) {
    std::string message = "output_child: cannot carry out the argument ";
    for (const wchar_t* c = argument; *c; ++c) message += *c < 0x80 ? char(*c) : '?';
    WriteAll(STD_ERROR_HANDLE, message + "\n");
    return 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    for (int i = 1; i < argc; ++i) {
        const wchar_t* argument = argv[i];
        const wchar_t* rest = nullptr;
        std::string bytes;
        unsigned long count = 0;
        if (StartsWith(argument, L"out:", &rest)) {
            if (!ParseHex(rest, bytes) || !WriteAll(STD_OUTPUT_HANDLE, bytes)) return Fail(argument);
        } else if (StartsWith(argument, L"err:", &rest)) {
            if (!ParseHex(rest, bytes) || !WriteAll(STD_ERROR_HANDLE, bytes)) return Fail(argument);
        } else if (StartsWith(argument, L"repeat:", &rest)) {
            if (!ParseCount(rest, count) || !WriteAll(STD_OUTPUT_HANDLE, PatternBytes(count))) return Fail(argument);
        } else if (StartsWith(argument, L"sleep:", &rest)) {
            if (!ParseCount(rest, count)) return Fail(argument);
            ::Sleep(count);
        } else if (std::wcscmp(argument, L"nowait") == 0) {
            g_waitUntilRead = false;
        } else if (std::wcscmp(argument, L"flags") == 0) {
            STARTUPINFOW startup{};
            startup.cb = sizeof(startup);
            ::GetStartupInfoW(&startup);
            char text[32];
            std::snprintf(text, sizeof(text), "flags=%lx", static_cast<unsigned long>(startup.dwFlags));
            if (!WriteAll(STD_OUTPUT_HANDLE, text)) return Fail(argument);
        } else if (std::wcscmp(argument, L"console") == 0) {
            if (!WriteAll(STD_OUTPUT_HANDLE, ::GetConsoleWindow() ? "console-window" : "no-console-window"))
                return Fail(argument);
        } else if (StartsWith(argument, L"inherited:", &rest)) {
            wchar_t* end = nullptr;
            const auto value = std::wcstoull(rest, &end, 16);
            if (*rest == L'\0' || *end != L'\0') return Fail(argument);
            const void* view = ::MapViewOfFile(reinterpret_cast<HANDLE>(static_cast<uintptr_t>(value)),
                                               FILE_MAP_READ, 0, 0, 0);
            if (!WriteAll(STD_OUTPUT_HANDLE, view ? std::string(static_cast<const char*>(view)) : "not-inherited"))
                return Fail(argument);
        } else if (std::wcscmp(argument, L"spawn") == 0) {
            return SpawnSelf(argc, argv, i + 1) ? 0 : Fail(argument);
        } else {
            return Fail(argument);
        }
    }
    return 0;
}
