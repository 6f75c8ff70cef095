#include "format/ChildProcess.h"

#include <windows.h>

#include <vector>

#include "format/AnsiText.h"
#include "format/CaptureRules.h"
#include "format/RunControl.h"
#include "framework/Handle.h"

namespace {

// A job that ends every process in it once its last handle closes, however this program ends:
// the utility never goes on without the window that judges it. Its handle is not inheritable.
CHandle KillOnCloseJob() {
    CHandle job(::CreateJobObjectW(nullptr, nullptr));
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    if (job && !::SetInformationJobObject(job.get(), JobObjectExtendedLimitInformation, &limits, sizeof(limits)))
        job.Close();
    return job;
}

// True when this program runs in a job that lets its children leave it. Up to Windows 7 a
// process belongs to one job only, so the utility leaves ours to go into its own.
bool MayBreakAwayFromOwnJob() {
    BOOL inJob = FALSE;
    if (!::IsProcessInJob(::GetCurrentProcess(), nullptr, &inJob) || !inJob) return false;
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    return ::QueryInformationJobObject(nullptr, JobObjectExtendedLimitInformation, &limits, sizeof(limits), nullptr) &&
           (limits.BasicLimitInformation.LimitFlags & JOB_OBJECT_LIMIT_BREAKAWAY_OK);
}

}  // namespace

CapturedOutput RunCommandAndCapture(const std::wstring& programPath, const std::wstring& commandLine,
                                    RunControl* control) {
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

    PROCESS_INFORMATION process{};
    const auto start = [&](DWORD flags) {
        // CreateProcessW may write into the command line, so it gets a copy of its own.
        std::vector<wchar_t> writableCommandLine(commandLine.begin(), commandLine.end());
        writableCommandLine.push_back(L'\0');
        return ::CreateProcessW(programPath.c_str(), writableCommandLine.data(), nullptr, nullptr, TRUE, flags,
                                nullptr, nullptr, &startup, &process) != FALSE;
    };
    // Suspended until it is in its job, so nothing it starts can escape the job.
    CHandle job = KillOnCloseJob();
    constexpr DWORD kFlags = CREATE_NO_WINDOW | CREATE_SUSPENDED;
    output.started = (job && MayBreakAwayFromOwnJob() && start(kFlags | CREATE_BREAKAWAY_FROM_JOB)) || start(kFlags);
    output.startError = output.started ? 0 : ::GetLastError();
    CHandle processHandle(process.hProcess);
    CHandle threadHandle(process.hThread);
    // From now on only the child holds the write end, so its end shows as a failed read.
    writeEnd.Close();
    if (output.started) {
        // A job of ours that allows no other job (up to Windows 7): the utility runs without one.
        if (job && !::AssignProcessToJobObject(job.get(), processHandle.get())) job.Close();
        // Stopped before it could run, or never to run: ended before its first instruction.
        if ((control && !control->Adopt(job.get(), processHandle.get())) ||
            ::ResumeThread(threadHandle.get()) == DWORD(-1))
            ::TerminateProcess(processHandle.get(), ERROR_CANCELLED);
    }

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
        if (control) control->Disown();
    }
    return output;
}
