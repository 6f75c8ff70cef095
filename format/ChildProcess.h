// Runs one command line as a hidden child process and captures all that it writes to standard
// output and standard error, returned once the child has closed its output.
#pragma once

#include <string>

struct CapturedOutput {
    bool started = false;   // false when no child could be started: there is no output to judge
    std::wstring text;
};

CapturedOutput RunCommandAndCapture(const std::wstring& commandLine);
