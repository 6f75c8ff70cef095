// Stands in for the browser and the file browser in tests: appends the command line it was
// started with to the file named by QUARRIX_SHELL_LOG.
#include <windows.h>

#include <cstdio>
#include <cwchar>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int) {
    wchar_t logPath[MAX_PATH] = {};
    if (!::GetEnvironmentVariableW(L"QUARRIX_SHELL_LOG", logPath, MAX_PATH)) return 1;
    FILE* log = _wfopen(logPath, L"a, ccs=UTF-8");
    if (!log) return 1;
    std::fwprintf(log, L"%ls\n", commandLine);
    std::fclose(log);
    return 0;
}
