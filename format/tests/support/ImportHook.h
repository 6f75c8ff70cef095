// ScopedImportHook: while it lives, calls that this program makes to one imported function go
// to a stand-in instead. It swaps the address in the program's own import table, so it reaches
// the calls of code linked into the program (such as the runner) and nothing else.
#pragma once

#include <windows.h>

class ScopedImportHook {
public:
    // `dll` and `function` as the import table names them, such as "kernel32.dll" and
    // "CreateProcessW"; the DLL name is compared without regard to case.
    ScopedImportHook(const char* dll, const char* function, void* replacement);
    ~ScopedImportHook();
    ScopedImportHook(const ScopedImportHook&) = delete;
    ScopedImportHook& operator=(const ScopedImportHook&) = delete;

    // False when the program does not import the function from that DLL.
    bool installed() const { return slot_ != nullptr; }
    // The function that the import table held before, for the stand-in to pass calls on to.
    void* original() const { return original_; }

private:
    void** slot_ = nullptr;
    void* original_ = nullptr;
};
