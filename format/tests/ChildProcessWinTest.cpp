// The child process runner on real processes and pipes: output_child (support/OutputChild.cpp)
// writes what each test asks for, and RunCommandAndCapture must return it as the runner reads it.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <future>
#include <string>
#include <string_view>

#include "format/ChildProcess.h"
#include "format/tests/support/OutputPattern.h"
#include "framework/Handle.h"

namespace {

std::wstring ProgramFolder() {
    wchar_t path[MAX_PATH];
    const std::wstring program(path, ::GetModuleFileNameW(nullptr, path, MAX_PATH));
    return program.substr(0, program.find_last_of(L'\\') + 1);
}

std::wstring ChildCommand(const std::wstring& actions) {
    return L"\"" + ProgramFolder() + L"output_child.exe\" " + actions;
}

std::wstring Hex(std::string_view bytes) {
    static const wchar_t digits[] = L"0123456789abcdef";
    std::wstring hex;
    for (unsigned char byte : bytes) hex += {digits[byte >> 4], digits[byte & 15]};
    return hex;
}

std::wstring Out(std::string_view bytes) { return L"out:" + Hex(bytes) + L" "; }
std::wstring Err(std::string_view bytes) { return L"err:" + Hex(bytes) + L" "; }
std::wstring Widen(std::string_view ascii) { return std::wstring(ascii.begin(), ascii.end()); }

std::wstring ChildPath() { return ProgramFolder() + L"output_child.exe"; }

// Runs the runner on a thread of its own with the given thread locale, whose ANSI code page it
// decodes with. A runner that has not returned after a minute ends the program with a message.
CapturedOutput Capture(const std::wstring& commandLine, LCID locale = ::GetThreadLocale(),
                       const std::wstring& program = ChildPath()) {
    auto run = std::async(std::launch::async, [&] {
        ::SetThreadLocale(locale);
        return RunCommandAndCapture(program, commandLine);
    });
    if (run.wait_for(std::chrono::seconds(60)) == std::future_status::timeout) {
        std::fprintf(stderr, "RunCommandAndCapture has not returned after 60 seconds\n");
        std::_Exit(1);
    }
    return run.get();
}

struct TimedRun {
    CapturedOutput output;
    double seconds;
};

TimedRun CaptureTimed(const std::wstring& commandLine, const std::wstring& program = ChildPath()) {
    const auto start = std::chrono::steady_clock::now();
    CapturedOutput output = Capture(commandLine, ::GetThreadLocale(), program);
    return {output, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count()};
}

// For long texts: names the lengths and where they part instead of printing both whole.
testing::AssertionResult SameText(const std::wstring& actual, const std::wstring& expected) {
    if (actual == expected) return testing::AssertionSuccess();
    const auto parted = std::mismatch(actual.begin(), actual.end(), expected.begin(), expected.end()).first;
    return testing::AssertionFailure() << "captured " << actual.size() << " characters, expected " << expected.size()
                                       << "; first difference at " << (parted - actual.begin());
}

struct OutputCase {
    const char* name;
    std::wstring actions;
    std::string expected;  // ASCII
    unsigned long exitCode = 0;
};

void PrintTo(const OutputCase& c, std::ostream* out) { *out << c.name; }

class ChildOutputTest : public testing::TestWithParam<OutputCase> {};

TEST_P(ChildOutputTest, TextIsWhatTheChildWroteInArrivalOrder) {
    const CapturedOutput output = Capture(ChildCommand(GetParam().actions));
    EXPECT_TRUE(output.started);
    EXPECT_TRUE(SameText(output.text, Widen(GetParam().expected)));
    EXPECT_EQ(output.exitCode, GetParam().exitCode);
}

OutputCase Long(const char* name, size_t size) {
    return {name, L"repeat:" + std::to_wstring(size), PatternBytes(size)};
}

INSTANTIATE_TEST_SUITE_P(
    RunCommandAndCapture, ChildOutputTest,
    testing::Values(
        OutputCase{"NothingWritten", L"", ""},
        OutputCase{"StreamsInterleavedInWriteOrder", Out("one ") + Err("two ") + Out("three ") + Err("four"),
                   "one two three four"},
        // One write of 104 bytes, over two reads: the zero bytes are left out, nothing else.
        OutputCase{"ZeroBytesAreLeftOut", Out(std::string("abc\0", 4) + std::string(96, 'z') + std::string("d\0ef", 4)),
                   "abc" + std::string(96, 'z') + "def"},
        // output_child ends with exit code 2 at an action it cannot carry out.
        OutputCase{"ExitCodeOfTheChild", Out("before ") + L"bogus", "before output_child: cannot carry out bogus\n", 2},
        Long("OneByteMoreThanARead", 101), Long("MoreThanAPipeBuffer", 100000), Long("OneMebibyte", 1048576)),
    [](const testing::TestParamInfo<OutputCase>& info) { return std::string(info.param.name); });

TEST(RunCommandAndCaptureTest, OutputIsDecodedInTheOemCodePageWhateverTheThreadsCodePage) {
    // Console utilities write into a pipe in the OEM code page. The thread's ANSI code page (932
    // here, where 0x82 0xA0 is U+3042; 1252 if it cannot be set) reads these bytes otherwise.
    const LCID japanese = MAKELCID(MAKELANGID(LANG_JAPANESE, SUBLANG_JAPANESE_JAPAN), SORT_DEFAULT);
    const std::string bytes = std::string(99, 'a') + "\x82\xa0" "b";
    std::wstring oem(bytes.size(), L'\0');
    oem.resize(size_t(::MultiByteToWideChar(CP_OEMCP, 0, bytes.data(), int(bytes.size()), oem.data(), int(oem.size()))));
    EXPECT_EQ(Capture(ChildCommand(Out(bytes)), japanese).text, oem);
}

TEST(RunCommandAndCaptureTest, MissingProgramIsNotStartedAndReturnsAtOnceWithoutText) {
    for (const std::wstring& program : {std::wstring(), ProgramFolder() + L"no_such.exe"}) {
        const TimedRun run = CaptureTimed(L"\"" + program + L"\" out:41", program);
        EXPECT_FALSE(run.output.started);
        EXPECT_EQ(run.output.startError, static_cast<unsigned long>(ERROR_FILE_NOT_FOUND));
        EXPECT_EQ(run.output.text, L"");
        EXPECT_LT(run.seconds, 5.0);
    }
}

TEST(RunCommandAndCaptureTest, RunsTheProgramAtItsFullPathNotOneOfTheSameNameInTheCurrentDirectory) {
    wchar_t temp[MAX_PATH];
    const std::wstring decoyFolder = std::wstring(temp, ::GetTempPathW(MAX_PATH, temp)) + L"quarrix-runner-decoy\\";
    ::CreateDirectoryW(decoyFolder.c_str(), nullptr);
    const std::wstring decoy = decoyFolder + L"quarrix_decoy.exe";
    ASSERT_TRUE(::CopyFileW(ChildPath().c_str(), decoy.c_str(), FALSE));
    wchar_t previous[MAX_PATH];
    ::GetCurrentDirectoryW(MAX_PATH, previous);
    ASSERT_TRUE(::SetCurrentDirectoryW(decoyFolder.c_str()));
    // Looked for through the search order, the command line's program would be the decoy.
    const CapturedOutput output = Capture(L"quarrix_decoy.exe self");
    ::SetCurrentDirectoryW(previous);
    ::DeleteFileW(decoy.c_str());
    ::RemoveDirectoryW(decoyFolder.c_str());
    EXPECT_TRUE(output.started);
    EXPECT_EQ(output.text, ChildPath());
}

TEST(RunCommandAndCaptureTest, WaitsForAGrandchildThatInheritedTheOutput) {
    // The child writes, starts a grandchild with the actions after "spawn" and ends at once.
    const TimedRun run = CaptureTimed(ChildCommand(Out("child;") + L"spawn sleep:500 " + Out("grandchild;") + Err("error")));
    EXPECT_TRUE(run.output.started);
    EXPECT_EQ(run.output.text, L"child;grandchild;error");
    EXPECT_GE(run.seconds, 0.45);
}

TEST(RunCommandAndCaptureTest, ChildInheritsTheInheritableHandles) {
    // An inheritable mapping apart from the pipe: an inheriting child finds it under the same number.
    SECURITY_ATTRIBUTES inheritable{sizeof(inheritable), nullptr, TRUE};
    CHandle mapping(::CreateFileMappingW(INVALID_HANDLE_VALUE, &inheritable, PAGE_READWRITE, 0, 4096, nullptr));
    ASSERT_TRUE(mapping);
    const std::string marker = "inherited mapping " + std::to_string(::GetCurrentProcessId());
    void* view = ::MapViewOfFile(mapping.get(), FILE_MAP_WRITE, 0, 0, 0);
    ASSERT_NE(view, nullptr);
    std::copy(marker.begin(), marker.end() + 1, static_cast<char*>(view));
    ::UnmapViewOfFile(view);

    char number[32];
    std::snprintf(number, sizeof(number), "%llx", static_cast<unsigned long long>(uintptr_t(mapping.get())));
    const CapturedOutput output = Capture(ChildCommand(L"inherited:" + Widen(number)));
    EXPECT_TRUE(output.started);
    EXPECT_EQ(output.text, Widen(marker));
}

// Keeps the test's own standard handles (pipes, under ctest) from its children while it lives,
// so that a pipe a child holds besides its own output came from the runner.
class OwnStandardHandlesNotInherited {
public:
    OwnStandardHandlesNotInherited() {
        for (int i = 0; i < 3; ++i) {
            ::GetHandleInformation(handles_[i], &flags_[i]);
            ::SetHandleInformation(handles_[i], HANDLE_FLAG_INHERIT, 0);
        }
    }
    ~OwnStandardHandlesNotInherited() {
        for (int i = 0; i < 3; ++i) ::SetHandleInformation(handles_[i], HANDLE_FLAG_INHERIT, flags_[i]);
    }

private:
    const HANDLE handles_[3] = {::GetStdHandle(STD_INPUT_HANDLE), ::GetStdHandle(STD_OUTPUT_HANDLE),
                                ::GetStdHandle(STD_ERROR_HANDLE)};
    DWORD flags_[3] = {};
};

TEST(RunCommandAndCaptureTest, ChildGetsStandardHandlesAndNoOtherStartupFlagAndNotTheReadEnd) {
    OwnStandardHandlesNotInherited own;
    const CapturedOutput output = Capture(ChildCommand(L"startup pipes"));
    EXPECT_TRUE(output.started);
    EXPECT_EQ(output.text.substr(0, output.text.find(L' ')), L"flags=100");  // STARTF_USESTDHANDLES
    // The write end is its standard output and error; the read end stays with the runner.
    EXPECT_EQ(output.text.substr(output.text.rfind(L' ')), L" pipes=0");
}

// Starts a command line with a pipe as its standard output and error and the given creation
// flags, apart from the runner, and returns what it wrote.
std::string RunDirectly(std::wstring commandLine, DWORD creationFlags) {
    SECURITY_ATTRIBUTES inheritable{sizeof(inheritable), nullptr, TRUE};
    CHandle readEnd;
    CHandle writeEnd;
    if (!::CreatePipe(readEnd.put(), writeEnd.put(), &inheritable, 0)) return {};
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = startup.hStdError = writeEnd.get();
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, creationFlags, nullptr, nullptr,
                          &startup, &process))
        return {};
    CHandle processHandle(process.hProcess);
    CHandle threadHandle(process.hThread);
    writeEnd.Close();
    std::string bytes;
    char buffer[256];
    DWORD count = 0;
    while (::ReadFile(readEnd.get(), buffer, sizeof(buffer), &count, nullptr)) bytes.append(buffer, count);
    return bytes;
}

// Gives the test program a console with a window while it lives, so that a child sharing the
// console would have a window. AllocConsole points the standard handles at the new console;
// the test's own are put back after FreeConsole.
class OwnConsoleWindow {
public:
    OwnConsoleWindow() {
        ::FreeConsole();
        ::AllocConsole();
    }
    ~OwnConsoleWindow() {
        ::FreeConsole();
        for (int i = 0; i < 3; ++i) ::SetStdHandle(kWhich[i], saved_[i]);
    }

private:
    static constexpr DWORD kWhich[3] = {STD_INPUT_HANDLE, STD_OUTPUT_HANDLE, STD_ERROR_HANDLE};
    const HANDLE saved_[3] = {::GetStdHandle(kWhich[0]), ::GetStdHandle(kWhich[1]), ::GetStdHandle(kWhich[2])};
};

TEST(RunCommandAndCaptureTest, ChildRunsWithoutAConsoleWindow) {
    OwnConsoleWindow console;
    // The control: started without CREATE_NO_WINDOW, the child shares the test's console window.
    const std::string sharing = RunDirectly(ChildCommand(L"startup"), 0);
    if (sharing != "flags=100 console-window")
        GTEST_SKIP() << "a child sharing the test's console reports \"" << sharing << "\" here";
    const CapturedOutput output = Capture(ChildCommand(L"startup"));
    EXPECT_TRUE(output.started);
    EXPECT_EQ(output.text, L"flags=100 no-console-window");
}

}  // namespace
