#include "app/tests/support/ShellObserver.h"

#include "framework/tests/support/WindowProbe.h"

namespace {

std::wstring RecorderCommand(const std::wstring& logPath) {
    wchar_t self[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring folder(self);
    folder.erase(folder.find_last_of(L'\\') + 1);
    return L"\"" + folder + L"shell_recorder.exe\" \"" + logPath + L"\" \"%1\"";
}

std::vector<std::wstring> SplitLines(const std::string& utf8) {
    std::vector<std::wstring> lines;
    std::string line;
    for (char c : utf8) {
        if (c == '\n') {
            lines.emplace_back(line.begin(), line.end());
            line.clear();
        } else if (c != '\r') {
            line += c;
        }
    }
    return lines;
}

}  // namespace

ShellObserver::ShellObserver() : folder_(L"quarrix-shell") {
    const std::wstring command = RecorderCommand(folder_.Path() + L"opened.txt");
    for (const wchar_t* key : {L"Software\\Classes\\http\\shell\\open\\command",
                               L"Software\\Classes\\Folder\\shell\\open\\command",
                               L"Software\\Classes\\Drive\\shell\\open\\command",
                               L"Software\\Classes\\Directory\\shell\\open\\command"}) {
        handlers_.push_back(std::make_unique<ScopedRegistryValue>(HKEY_LOCAL_MACHINE, key, L"", command));
    }
}

std::vector<std::wstring> ShellObserver::Opened(size_t count, unsigned timeoutMs) const {
    std::vector<std::wstring> lines;
    WaitUntil([&] {
        lines = SplitLines(ReadFileBytes(folder_.Path() + L"opened.txt"));
        return lines.size() >= count;
    }, timeoutMs);
    return lines;
}
