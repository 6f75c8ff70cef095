// The one link between the window and the worker of a format run: the window may stop the run
// while the worker's runner has the utility running, and the worker leaves the run's end here for
// the window to take. Both threads use it; a lock guards every member, and no call waits for
// anything but that lock.
#pragma once

#include <windows.h>

#include <string>

#include "framework/Handle.h"

// What the window shows once the run has ended: nothing, an error box or an information box.
struct RunEndNotice {
    enum class Box { None, Error, Information };
    Box box = Box::None;
    std::wstring text{};
    bool scanDrivesAgain = false;  // the lists no longer match the system
};

class RunControl {
public:
    RunControl();
    RunControl(const RunControl&) = delete;
    RunControl& operator=(const RunControl&) = delete;
    ~RunControl();

    // The window's side. Marks the run stopped and ends the utility that runs now, with all of
    // its job; false, doing nothing, once no utility is left to run.
    bool Stop();
    // The same, but only while no utility of the run has started yet; false otherwise.
    bool StopBeforeAnythingStarted();
    // True until the worker has run its last utility.
    bool CanStop() const;
    bool IsStopped() const;
    // True once a utility of the run has been started.
    bool HasStarted() const;
    // True once the worker has left the run's end here and no longer uses the window.
    bool HasEnded() const;
    // The run's end, handed over once; nothing to show before the run has ended.
    RunEndNotice TakeEndNotice();

    // The runner's side: the utility, started suspended, and its job (null when it has none).
    // False when the run was stopped meanwhile: the utility must then be ended, never resumed.
    [[nodiscard]] bool Adopt(HANDLE job, HANDLE process);
    // The utility has ended; its handles are closed next.
    void Disown();

    // The worker's side: no utility runs any more in this run.
    void Finish();
    // Waits `milliseconds` between two utilities, or less when the run is stopped meanwhile.
    void PauseUnlessStopped(DWORD milliseconds) const;
    // The worker's last act on the run: what the window is to show; the window may close after it.
    void End(RunEndNotice notice);

private:
    class Lock;
    bool StopHoldingTheLock();

    mutable CRITICAL_SECTION m_section;
    CHandle m_stoppedEvent;  // set once the run is stopped; ends a pause at once
    HANDLE m_job = nullptr;
    HANDLE m_process = nullptr;
    bool m_stopped = false;
    bool m_started = false;
    bool m_finished = false;
    bool m_ended = false;
    RunEndNotice m_endNotice;
};
