#include "app/ShutdownBlock.h"

#include "framework/SystemFunction.h"

void BlockShutdown(HWND window, const wchar_t* reason) {
    using CreateFunction = BOOL(WINAPI*)(HWND, LPCWSTR);
    if (const auto create = FindSystemFunction<CreateFunction>(L"user32.dll", "ShutdownBlockReasonCreate"))
        create(window, reason);
}

void UnblockShutdown(HWND window) {
    using DestroyFunction = BOOL(WINAPI*)(HWND);
    if (const auto destroy = FindSystemFunction<DestroyFunction>(L"user32.dll", "ShutdownBlockReasonDestroy"))
        destroy(window);
}
