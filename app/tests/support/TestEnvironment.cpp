#include "app/tests/support/TestEnvironment.h"

#include "sim/SimulatorFiles.h"
#include "sim/tests/SimTestSupport.h"

namespace {

std::optional<std::wstring> ReadRegistryString(HKEY root, const std::wstring& path, const std::wstring& name) {
    HKEY key = nullptr;
    if (::RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return std::nullopt;
    wchar_t buffer[1024] = {};
    DWORD size = sizeof(buffer) - sizeof(wchar_t);
    DWORD type = 0;
    const LONG status = ::RegQueryValueExW(key, name.empty() ? nullptr : name.c_str(), nullptr, &type,
                                           reinterpret_cast<BYTE*>(buffer), &size);
    ::RegCloseKey(key);
    if (status != ERROR_SUCCESS) return std::nullopt;
    return std::wstring(buffer);
}

void WriteRegistryString(HKEY root, const std::wstring& path, const std::wstring& name,
                         const std::optional<std::wstring>& value) {
    HKEY key = nullptr;
    if (::RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return;
    const wchar_t* valueName = name.empty() ? nullptr : name.c_str();
    if (value) {
        ::RegSetValueExW(key, valueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(value->c_str()),
                         DWORD((value->size() + 1) * sizeof(wchar_t)));
    } else {
        ::RegDeleteValueW(key, valueName);
    }
    ::RegCloseKey(key);
}

std::optional<std::wstring> ReadEnvironment(const std::wstring& name) {
    wchar_t buffer[32768];
    const DWORD length = ::GetEnvironmentVariableW(name.c_str(), buffer, 32768);
    if (length == 0 || length >= 32768) return std::nullopt;
    return std::wstring(buffer, length);
}

}  // namespace

ScopedRegistryValue::ScopedRegistryValue(HKEY root, std::wstring path, std::wstring name,
                                         std::optional<std::wstring> value)
    : root_(root), path_(std::move(path)), name_(std::move(name)), previous_(ReadRegistryString(root_, path_, name_)) {
    WriteRegistryString(root_, path_, name_, value);
}

ScopedRegistryValue::~ScopedRegistryValue() { WriteRegistryString(root_, path_, name_, previous_); }

ScopedEnvironmentVariable::ScopedEnvironmentVariable(std::wstring name, std::optional<std::wstring> value)
    : name_(std::move(name)), previous_(ReadEnvironment(name_)) {
    ::SetEnvironmentVariableW(name_.c_str(), value ? value->c_str() : nullptr);
}

ScopedEnvironmentVariable::~ScopedEnvironmentVariable() {
    ::SetEnvironmentVariableW(name_.c_str(), previous_ ? previous_->c_str() : nullptr);
}

ScopedFolder::ScopedFolder(const std::wstring& nameHint) {
    wchar_t base[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, base);
    static unsigned counter = 0;
    for (;;) {
        path_ = std::wstring(base) + nameHint + L"-" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
                std::to_wstring(++counter) + L"\\";
        if (::CreateDirectoryW(path_.c_str(), nullptr)) break;
    }
}

ScopedFolder::~ScopedFolder() { RemoveFolderTree(path_); }

TestEnvironment::TestEnvironment(const std::vector<VirtualDisk>& disks, std::optional<std::wstring> productName,
                                 const std::wstring& tempFolderHint)
    : temp_(tempFolderHint),
      disksFolder_(L"quarrix-disks"),
      tmp_(L"TMP", temp_.Path()),
      temp2_(L"TEMP", temp_.Path()),
      disks_(L"QUARRIX_SIM_DISKS", disksFolder_.Path() + L"virtual-disks.txt"),
      productName_(HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\Windows NT\\CurrentVersion", L"ProductName",
                   std::move(productName)) {
    WriteDisks(disks);
}

std::vector<VirtualDisk> TestEnvironment::ReadDisks() const { return LoadVirtualDisks(DisksFile()).disks; }

void TestEnvironment::WriteDisks(const std::vector<VirtualDisk>& disks) const { SaveVirtualDisks(DisksFile(), disks); }

std::vector<std::wstring> TestEnvironment::TempFiles() const {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW entry;
    HANDLE find = ::FindFirstFileW((TempPath() + L"*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
        if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(entry.cFileName);
    } while (::FindNextFileW(find, &entry));
    ::FindClose(find);
    return names;
}

VirtualDisk MakerDisk(std::uint32_t number, const std::string& name, std::int64_t length) {
    VirtualDisk disk;
    disk.path = "\\\\?\\usbstor#disk&ven_qrx&prod_test&rev_1.00#00000000000" + std::to_string(number) +
                "&0#{53f56307-b6bf-11d0-94f2-00a0c91efb8b}";
    disk.name = name;
    disk.number = number;
    disk.length = length;
    return disk;
}
