// Runs one command line as a hidden child process and captures all that it writes to standard
// output and standard error, returned once the child has closed its output and ended.
#pragma once

#include <string>

class RunControl;

struct CapturedOutput {
    bool started = false;          // false when no child could be started: there is no output to judge
    unsigned long startError = 0;  // why not: the system's error number of the call that failed
    unsigned long exitCode = 0;    // the child's exit code; not 0 too when it could not be read
    std::wstring text;             // decoded from the OEM code page, the child's zero bytes left out
};

// `programPath` is the full path of the program to start, so it is never looked for in the
// program's folder, the current directory or PATH; `commandLine` is what the child is handed,
// program token included. An empty path starts nothing. The child runs in a job of its own that
// ends it when this program ends; `control`, when given, can stop it.
CapturedOutput RunCommandAndCapture(const std::wstring& programPath, const std::wstring& commandLine,
                                    RunControl* control = nullptr);
