#include "sim/tests/SimTestSupport.h"

#include <windows.h>

#include <vector>

#include "framework/Handle.h"

void RemoveFolderTree(const std::wstring& folder) {
    WIN32_FIND_DATAW entry;
    const HANDLE search = FindFirstFileW((folder + L"*").c_str(), &entry);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = entry.cFileName;
            if (name == L"." || name == L"..") continue;
            const std::wstring path = folder + name;
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveFolderTree(path + L"\\");
            } else {
                SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(path.c_str());
            }
        } while (FindNextFileW(search, &entry));
        FindClose(search);
    }
    RemoveDirectoryW(folder.c_str());
}

TempFolder::TempFolder() {
    wchar_t temp[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH + 1, temp);
    for (unsigned attempt = 0;; ++attempt) {
        path = std::wstring(temp) + L"quarrix-sim-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
               std::to_wstring(GetTickCount64()) + L"-" + std::to_wstring(attempt) + L"\\";
        if (CreateDirectoryW(path.c_str(), nullptr) || attempt > 100) break;
    }
}

TempFolder::~TempFolder() { RemoveFolderTree(path); }

ScopedEnvironment::ScopedEnvironment(const wchar_t* variable, const wchar_t* value) : name(variable) {
    const DWORD size = GetEnvironmentVariableW(variable, nullptr, 0);
    if (size > 0) {
        std::vector<wchar_t> buffer(size);
        GetEnvironmentVariableW(variable, buffer.data(), size);
        oldValue = buffer.data();
        hadValue = true;
    }
    SetEnvironmentVariableW(variable, value);
}

ScopedEnvironment::~ScopedEnvironment() {
    SetEnvironmentVariableW(name.c_str(), hadValue ? oldValue.c_str() : nullptr);
}

PlaceholderFile::PlaceholderFile(const std::wstring& filePath) : path(filePath) {
    CHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    created = bool(file);
}

PlaceholderFile::~PlaceholderFile() {
    if (created) DeleteFileW(path.c_str());
}

CapturedRun RunCaptured(const std::wstring& commandLine) {
    CapturedRun run;
    SECURITY_ATTRIBUTES inheritable = {sizeof inheritable, nullptr, TRUE};
    CHandle readEnd;
    CHandle writeEnd;
    if (!CreatePipe(readEnd.put(), writeEnd.put(), &inheritable, 0)) return run;
    SetHandleInformation(readEnd.get(), HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES | STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = writeEnd.get();
    startup.hStdError = writeEnd.get();
    PROCESS_INFORMATION process = {};
    std::wstring mutableLine = commandLine;
    const ULONGLONG start = GetTickCount64();
    if (!CreateProcessW(nullptr, mutableLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr,
                        &startup, &process)) {
        return run;
    }
    CHandle processHandle(process.hProcess);
    CHandle threadHandle(process.hThread);
    writeEnd.Close();
    run.started = true;

    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(readEnd.get(), buffer, sizeof buffer, &read, nullptr) && read > 0) run.output.append(buffer, read);
    WaitForSingleObject(processHandle.get(), INFINITE);
    DWORD exitCode = 0;
    GetExitCodeProcess(processHandle.get(), &exitCode);
    run.exitCode = exitCode;
    run.elapsedMs = GetTickCount64() - start;
    return run;
}
