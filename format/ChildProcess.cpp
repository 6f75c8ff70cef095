#include "format/ChildProcess.h"

#include <windows.h>

#include <vector>

#include "format/AnsiText.h"
#include "format/CaptureRules.h"
#include "framework/Handle.h"

CapturedOutput RunCommandAndCapture(const std::wstring& programPath, const std::wstring& commandLine) {
    CapturedOutput output;
    if (programPath.empty()) {
        output.startError = ERROR_FILE_NOT_FOUND;  // no program is named at all
        return output;
    }

    SECURITY_ATTRIBUTES inheritable{};
    inheritable.nLength = sizeof(inheritable);
    inheritable.bInheritHandle = TRUE;
    CHandle readEnd;
    CHandle writeEnd;
    // The read end stays with this process: a child holding it could read its own output away.
    if (!::CreatePipe(readEnd.put(), writeEnd.put(), &inheritable, 0) ||
        !::SetHandleInformation(readEnd.get(), HANDLE_FLAG_INHERIT, 0)) {
        output.startError = ::GetLastError();
        return output;
    }

    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = nullptr;
    startup.hStdOutput = writeEnd.get();
    startup.hStdError = writeEnd.get();

    // CreateProcessW may write into the command line, so it gets a copy of its own.
    std::vector<wchar_t> writableCommandLine(commandLine.begin(), commandLine.end());
    writableCommandLine.push_back(L'\0');
    PROCESS_INFORMATION process{};
    output.started = ::CreateProcessW(programPath.c_str(), writableCommandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                                      nullptr, nullptr, &startup, &process) != FALSE;
    output.startError = output.started ? 0 : ::GetLastError();
    CHandle processHandle(process.hProcess);
    CHandle threadHandle(process.hThread);
    // From now on only the child holds the write end, so its end shows as a failed read.
    writeEnd.Close();

    // Console utilities write into a pipe in the OEM code page; the whole output is decoded at
    // once, so a character that two reads split stays whole.
    CapturedText captured([](std::string_view bytes) { return FromOemCodePage(bytes); });
    char buffer[100];
    bool reading = true;
    while (reading) {
        DWORD count = 0;
        const bool succeeded = ::ReadFile(readEnd.get(), buffer, sizeof(buffer), &count, nullptr) != FALSE;
        reading = captured.TakeRead(succeeded, buffer, succeeded ? count : 0);
    }
    output.text = captured.Text();

    // The output has closed; the child's verdict is its exit code, once it has ended.
    if (output.started) {
        DWORD exitCode = 0;
        if (::WaitForSingleObject(processHandle.get(), INFINITE) != WAIT_OBJECT_0 ||
            !::GetExitCodeProcess(processHandle.get(), &exitCode))
            exitCode = DWORD(-1);
        output.exitCode = exitCode;
    }
    return output;
}
