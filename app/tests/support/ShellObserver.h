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
    // For each start of the recorder, the program that started it, a tab and what it opened,
    // waiting up to `timeoutMs` for `count` of them.
    std::vector<std::wstring> Opened(size_t count, unsigned timeoutMs) const;

private:
    ScopedFolder folder_;
    std::vector<std::unique_ptr<ScopedRegistryValue>> handlers_;
};
