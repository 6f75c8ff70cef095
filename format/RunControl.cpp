#include "format/RunControl.h"

#include <utility>

class RunControl::Lock {
public:
    explicit Lock(CRITICAL_SECTION& section) : m_section(section) { ::EnterCriticalSection(&m_section); }
    Lock(const Lock&) = delete;
    Lock& operator=(const Lock&) = delete;
    ~Lock() { ::LeaveCriticalSection(&m_section); }

private:
    CRITICAL_SECTION& m_section;
};

RunControl::RunControl() : m_stoppedEvent(::CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
    ::InitializeCriticalSection(&m_section);
}

RunControl::~RunControl() { ::DeleteCriticalSection(&m_section); }

bool RunControl::Stop() {
    Lock lock(m_section);
    return StopHoldingTheLock();
}

bool RunControl::StopHoldingTheLock() {
    if (m_finished) return false;
    m_stopped = true;
    if (m_stoppedEvent) ::SetEvent(m_stoppedEvent.get());
    // A utility of the run's job may have started others: the job ends them all.
    if (m_job) {
        ::TerminateJobObject(m_job, ERROR_CANCELLED);
    } else if (m_process) {
        ::TerminateProcess(m_process, ERROR_CANCELLED);
    }
    return true;
}

bool RunControl::StopBeforeAnythingStarted() {
    Lock lock(m_section);
    return !m_started && StopHoldingTheLock();
}

bool RunControl::CanStop() const {
    Lock lock(m_section);
    return !m_finished;
}

bool RunControl::IsStopped() const {
    Lock lock(m_section);
    return m_stopped;
}

bool RunControl::HasStarted() const {
    Lock lock(m_section);
    return m_started;
}

bool RunControl::HasEnded() const {
    Lock lock(m_section);
    return m_ended;
}

RunEndNotice RunControl::TakeEndNotice() {
    Lock lock(m_section);
    if (!m_ended) return {};
    RunEndNotice notice = std::move(m_endNotice);
    m_endNotice = {};
    return notice;
}

bool RunControl::Adopt(HANDLE job, HANDLE process) {
    Lock lock(m_section);
    if (m_stopped) return false;
    m_job = job;
    m_process = process;
    m_started = true;
    return true;
}

void RunControl::Disown() {
    Lock lock(m_section);
    m_job = nullptr;
    m_process = nullptr;
}

void RunControl::Finish() {
    Lock lock(m_section);
    m_finished = true;
}

void RunControl::End(RunEndNotice notice) {
    Lock lock(m_section);
    m_finished = true;
    m_ended = true;
    m_endNotice = std::move(notice);
}

void RunControl::PauseUnlessStopped(DWORD milliseconds) const {
    // Without its event the pause still ends in time; a stop then counts once it is over.
    if (m_stoppedEvent) {
        ::WaitForSingleObject(m_stoppedEvent.get(), milliseconds);
    } else {
        ::Sleep(milliseconds);
    }
}
