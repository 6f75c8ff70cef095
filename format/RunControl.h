// The one link between the window and the utility of a format run: the window may stop the run
// while the worker's runner has the utility running. Both threads use it; a lock guards every
// member, and no call waits for anything but that lock.
#pragma once

#include <windows.h>

#include "framework/Handle.h"

class RunControl {
public:
    RunControl();
    RunControl(const RunControl&) = delete;
    RunControl& operator=(const RunControl&) = delete;
    ~RunControl();

    // The window's side. Marks the run stopped and ends the utility that runs now, with all of
    // its job; false, doing nothing, once no utility is left to run.
    bool Stop();
    // True until the worker has run its last utility.
    bool CanStop() const;
    bool IsStopped() const;

    // The runner's side: the utility, started suspended, and its job (null when it has none).
    // False when the run was stopped meanwhile: the utility must then be ended, never resumed.
    [[nodiscard]] bool Adopt(HANDLE job, HANDLE process);
    // The utility has ended; its handles are closed next.
    void Disown();

    // The worker's side: no utility runs any more in this run.
    void Finish();
    // Waits `milliseconds` between two utilities, or less when the run is stopped meanwhile.
    void PauseUnlessStopped(DWORD milliseconds) const;

private:
    class Lock;

    mutable CRITICAL_SECTION m_section;
    CHandle m_stoppedEvent;  // set once the run is stopped; ends a pause at once
    HANDLE m_job = nullptr;
    HANDLE m_process = nullptr;
    bool m_stopped = false;
    bool m_finished = false;
};
