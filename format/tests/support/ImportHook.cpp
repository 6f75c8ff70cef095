#include "format/tests/support/ImportHook.h"

#include <cstring>

namespace {

void WriteSlot(void** slot, void* value) {
    DWORD protection = 0;
    ::VirtualProtect(slot, sizeof(*slot), PAGE_READWRITE, &protection);
    *slot = value;
    ::VirtualProtect(slot, sizeof(*slot), protection, &protection);
}

// The import-table entry through which this program calls `function` of `dll`, or null.
void** FindSlot(const char* dll, const char* function) {
    auto* base = reinterpret_cast<BYTE*>(::GetModuleHandleW(nullptr));
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (imports.VirtualAddress == 0) return nullptr;
    for (auto* module = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress); module->Name;
         ++module) {
        if (_stricmp(reinterpret_cast<const char*>(base + module->Name), dll) != 0) continue;
        // The name table lists what each entry of the address table stands for.
        if (module->OriginalFirstThunk == 0) continue;
        auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + module->OriginalFirstThunk);
        auto* addresses = reinterpret_cast<IMAGE_THUNK_DATA*>(base + module->FirstThunk);
        for (; names->u1.AddressOfData; ++names, ++addresses) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
            const auto* byName = reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
            if (std::strcmp(reinterpret_cast<const char*>(byName->Name), function) == 0)
                return reinterpret_cast<void**>(&addresses->u1.Function);
        }
    }
    return nullptr;
}

}  // namespace

ScopedImportHook::ScopedImportHook(const char* dll, const char* function, void* replacement)
    : slot_(FindSlot(dll, function)) {
    if (!slot_) return;
    original_ = *slot_;
    WriteSlot(slot_, replacement);
}

ScopedImportHook::~ScopedImportHook() {
    if (slot_) WriteSlot(slot_, original_);
}
