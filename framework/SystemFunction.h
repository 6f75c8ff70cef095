// Looks up a function of a system library that is already loaded (kernel32 is in every
// process) at run time, so the program still loads on a system that lacks the function.
#pragma once

#include <windows.h>

template <typename Function>
Function FindSystemFunction(const wchar_t* library, const char* name) {
    HMODULE module = ::GetModuleHandleW(library);
    if (!module) return nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(module, name)));
}
