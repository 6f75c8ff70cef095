// Stands in for the browser and the file browser in tests. Started as
//     shell_recorder.exe "<log file>" <what to open>
// it appends the name of the program that started it, a tab and what it was asked to open to the
// log file, which the command names since the desktop's shell starts it in an environment of its own.
#include <windows.h>
#include <tlhelp32.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

std::wstring ParentName() {
    HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    DWORD parent = 0;
    for (BOOL more = ::Process32FirstW(snapshot, &entry); more; more = ::Process32NextW(snapshot, &entry))
        if (entry.th32ProcessID == ::GetCurrentProcessId()) parent = entry.th32ParentProcessID;
    std::wstring name = L"?";
    for (BOOL more = ::Process32FirstW(snapshot, &entry); more; more = ::Process32NextW(snapshot, &entry))
        if (entry.th32ProcessID == parent) name = entry.szExeFile;
    ::CloseHandle(snapshot);
    return name;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int) {
    const wchar_t* logStart = std::wcschr(commandLine, L'"');
    const wchar_t* logEnd = logStart ? std::wcschr(logStart + 1, L'"') : nullptr;
    if (!logEnd) return 1;
    FILE* log = _wfopen(std::wstring(logStart + 1, logEnd).c_str(), L"a");
    if (!log) return 1;
    std::fwprintf(log, L"%ls\t%ls\n", ParentName().c_str(), logEnd + 1 + std::wcsspn(logEnd + 1, L" "));
    std::fclose(log);
    return 0;
}
