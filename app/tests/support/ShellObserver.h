// Lets a test see what the program asks the shell to open, without a browser or file browser:
// the "open" verbs of web links and folders are pointed at a small recorder program.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/tests/support/TestEnvironment.h"

class ShellObserver {
public:
    ShellObserver();
    // The command lines the recorder was started with, waiting up to `timeoutMs` for `count`.
    std::vector<std::wstring> Opened(size_t count, unsigned timeoutMs) const;

private:
    ScopedFolder folder_;
    ScopedEnvironmentVariable log_;
    std::vector<std::unique_ptr<ScopedRegistryValue>> handlers_;
};
