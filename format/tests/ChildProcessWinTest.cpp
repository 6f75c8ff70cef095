// The child process runner on real processes and pipes: output_child (support/OutputChild.cpp)
// writes exactly what each test asks for, and RunCommandAndCapture must return it whole, in
// the order it arrived, with zero bytes and split characters handled read by read.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <iterator>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>

#include "format/ChildProcess.h"
#include "format/tests/support/OutputPattern.h"
#include "framework/Handle.h"

namespace {

// --- Building output_child command lines ---------------------------------------------------

std::wstring ProgramFolder() {
    wchar_t path[MAX_PATH];
    const DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    return folder.substr(0, folder.find_last_of(L'\\') + 1);
}

std::wstring ChildPath() { return ProgramFolder() + L"output_child.exe"; }

std::wstring ChildCommand(const std::wstring& actions) { return L"\"" + ChildPath() + L"\" " + actions; }

std::wstring Hex(std::string_view bytes) {
    static const wchar_t digits[] = L"0123456789abcdef";
    std::wstring hex;
    for (unsigned char byte : bytes) {
        hex += digits[byte >> 4];
        hex += digits[byte & 15];
    }
    return hex;
}

// Actions of output_child; each ends with a blank so that they can be strung together.
std::wstring Out(std::string_view bytes) { return L"out:" + Hex(bytes) + L" "; }
std::wstring Err(std::string_view bytes) { return L"err:" + Hex(bytes) + L" "; }
std::wstring Pause(int ms) { return L"sleep:" + std::to_wstring(ms) + L" "; }
std::wstring Repeat(size_t count) { return L"repeat:" + std::to_wstring(count) + L" "; }

// Bytes with embedded zero bytes, which a plain string literal would cut short.
template <size_t N>
std::string Bytes(const char (&literal)[N]) {
    return std::string(literal, N - 1);
}

std::wstring WidenAscii(std::string_view bytes) { return std::wstring(bytes.begin(), bytes.end()); }

// --- Running and comparing -----------------------------------------------------------------

// Ends the test program with a message when the runner has not returned within a minute; a
// runner that waits for ever would otherwise show only as the overall time-out of the test.
class Watchdog {
public:
    explicit Watchdog(const std::wstring& commandLine)
        : commandLine_(commandLine), thread_([this] { Watch(); }) {}
    ~Watchdog() {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            returned_ = true;
        }
        changed_.notify_all();
        thread_.join();
    }

private:
    void Watch() {
        std::unique_lock<std::mutex> lock(mutex_);
        if (changed_.wait_for(lock, std::chrono::seconds(60), [this] { return returned_; })) return;
        std::string shown;
        for (wchar_t c : commandLine_) shown += c < 0x80 ? char(c) : '?';
        std::fprintf(stderr, "RunCommandAndCapture has not returned after 60 seconds for: %s\n", shown.c_str());
        std::fflush(stderr);
        std::_Exit(1);
    }

    std::wstring commandLine_;
    std::mutex mutex_;
    std::condition_variable changed_;
    bool returned_ = false;
    std::thread thread_;
};

// RunCommandAndCapture on the calling thread, watched.
CapturedOutput Capture(const std::wstring& commandLine) {
    Watchdog watchdog(commandLine);
    return RunCommandAndCapture(commandLine);
}

struct TimedRun {
    CapturedOutput output;
    double seconds = 0;
};

TimedRun RunTimed(const std::wstring& commandLine) {
    const auto start = std::chrono::steady_clock::now();
    TimedRun run;
    run.output = Capture(commandLine);
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return run;
}

std::string Printable(std::wstring_view text) {
    std::string shown;
    for (wchar_t c : text) {
        if (c >= 0x20 && c < 0x7f) {
            shown += char(c);
        } else {
            char escaped[16];
            std::snprintf(escaped, sizeof(escaped), "\\u%04x", unsigned(c));
            shown += escaped;
        }
    }
    return shown;
}

// Compares two texts that may be long: on a difference it names the lengths and the first
// position where they part, instead of printing both texts whole.
testing::AssertionResult SameText(const std::wstring& actual, const std::wstring& expected) {
    if (actual == expected) return testing::AssertionSuccess();
    const size_t common = std::min(actual.size(), expected.size());
    const size_t at = size_t(std::mismatch(actual.begin(), actual.begin() + common, expected.begin()).first - actual.begin());
    const size_t from = at < 10 ? 0 : at - 10;
    return testing::AssertionFailure() << "captured " << actual.size() << " characters, expected " << expected.size()
                                       << "; first difference at " << at << ": captured \""
                                       << Printable(std::wstring_view(actual).substr(from, 40)) << "\", expected \""
                                       << Printable(std::wstring_view(expected).substr(from, 40)) << "\"";
}

// Runs a command line with a pipe as its standard output and standard error and the given
// creation flags, independently of the runner: the reference against which the runner's own
// choices are told apart.
std::string RunDirectly(std::wstring commandLine, DWORD creationFlags) {
    SECURITY_ATTRIBUTES inheritable{sizeof(inheritable), nullptr, TRUE};
    CHandle readEnd;
    CHandle writeEnd;
    if (!::CreatePipe(readEnd.put(), writeEnd.put(), &inheritable, 0)) return {};
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd.get();
    startup.hStdError = writeEnd.get();
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

// --- What the child writes, and what the text must be ---------------------------------------

struct OutputCase {
    const char* name;
    std::wstring actions;
    std::string expected;  // ASCII, so it widens one to one
};

void PrintTo(const OutputCase& c, std::ostream* out) { *out << c.name; }

class ChildOutputTest : public testing::TestWithParam<OutputCase> {};

TEST_P(ChildOutputTest, TextIsWhatTheChildWroteInArrivalOrder) {
    const OutputCase& c = GetParam();
    const CapturedOutput output = Capture(ChildCommand(c.actions));
    EXPECT_TRUE(output.started);
    EXPECT_TRUE(SameText(output.text, WidenAscii(c.expected)));
}

// output_child lets each write be read before it makes the next, and the pauses add time on
// top, so the bytes of writes on either side of a pause never share a read.
INSTANTIATE_TEST_SUITE_P(
    RunCommandAndCapture, ChildOutputTest,
    testing::Values(
        OutputCase{"NothingWritten", L"", ""},
        OutputCase{"ExitsLateWithoutWriting", Pause(200), ""},
        OutputCase{"OneShortWrite", Out("hello"), "hello"},
        OutputCase{"StandardErrorAlone", Err("trouble"), "trouble"},
        OutputCase{"StreamsInterleavedInWriteOrder", Out("one ") + Err("two ") + Out("three ") + Err("four"),
                   "one two three four"},
        OutputCase{"StreamsInterleavedAcrossPauses",
                   Out("out1 ") + Pause(100) + Err("err1 ") + Pause(100) + Out("out2 ") + Pause(100) + Err("err2"),
                   "out1 err1 out2 err2"},
        OutputCase{"ZeroByteEndsTheTextOfItsRead", Out(Bytes("abc\0def")) + Pause(200) + Out("ghi"), "abcghi"},
        OutputCase{"ZeroByteFirstInItsRead", Out(Bytes("\0xyz")) + Pause(200) + Out("ghi"), "ghi"},
        OutputCase{"ZeroByteLastInItsRead", Out(Bytes("abc\0")) + Pause(200) + Out("def"), "abcdef"},
        OutputCase{"SeveralZeroBytesInOneRead", Out(Bytes("ab\0cd\0ef")) + Pause(200) + Out("gh"), "abgh"},
        OutputCase{"ZeroByteOnStandardError", Err(Bytes("abc\0def")) + Pause(200) + Out("ghi"), "abcghi"},
        OutputCase{"ZeroBytesInConsecutiveReads",
                   Out(Bytes("a\0b")) + Pause(200) + Out(Bytes("c\0d")) + Pause(200) + Out("e"), "ace"}),
    [](const testing::TestParamInfo<OutputCase>& info) { return std::string(info.param.name); });

// --- Output longer than one read -------------------------------------------------------------

class LongOutputTest : public testing::TestWithParam<size_t> {};

TEST_P(LongOutputTest, ArrivesWholeAndInOrder) {
    const size_t size = GetParam();
    const CapturedOutput output = Capture(ChildCommand(Repeat(size)));
    EXPECT_TRUE(output.started);
    EXPECT_TRUE(SameText(output.text, WidenAscii(PatternBytes(size))));
}

// One read's worth, one byte more, several reads, more than a pipe buffer, and a megabyte.
INSTANTIATE_TEST_SUITE_P(RunCommandAndCapture, LongOutputTest,
                         testing::Values(size_t(100), size_t(101), size_t(1000), size_t(100000), size_t(1048576)),
                         [](const testing::TestParamInfo<size_t>& info) {
                             return "Bytes" + std::to_string(info.param);
                         });

TEST(RunCommandAndCaptureTest, StandardErrorStandsWhereItArrivedInLongOutput) {
    const std::string pattern = PatternBytes(1000);
    const CapturedOutput output = Capture(
        ChildCommand(Repeat(1000) + Err("<from standard error>") + Repeat(1000) + Err("<end>")));
    EXPECT_TRUE(output.started);
    EXPECT_TRUE(SameText(output.text, WidenAscii(pattern + "<from standard error>" + pattern + "<end>")));
}

// --- A character of a double-byte ANSI code page split between reads --------------------------

TEST(RunCommandAndCaptureTest, MultibyteCharacterSplitBetweenReadsIsDecodedInHalves) {
    // Japanese code page 932: 0x82 0xA0 is HIRAGANA LETTER A (U+3042).
    const std::string character = "\x82\xa0";
    // 99 single bytes, then the character: its lead byte is the 100th byte of the first read
    // and its trail byte the first of the next. The control write holds it whole in one read.
    const std::string split = std::string(99, 'a') + character + "b";
    const std::string whole = std::string(98, 'a') + character + "b";

    std::string skipReason;
    CapturedOutput splitOutput;
    CapturedOutput wholeOutput;
    std::wstring expectedSplit;
    // The runner decodes with the ANSI code page of the calling thread, so it runs on a thread
    // of its own whose locale is Japanese; the test thread keeps its locale.
    std::thread([&] {
        if (!::SetThreadLocale(MAKELCID(MAKELANGID(LANG_JAPANESE, SUBLANG_JAPANESE_JAPAN), SORT_DEFAULT))) {
            skipReason = "the thread locale cannot be set to Japanese";
            return;
        }
        wchar_t decoded[4] = {};
        if (::MultiByteToWideChar(CP_THREAD_ACP, 0, character.data(), 2, decoded, 4) != 1 || decoded[0] != 0x3042) {
            skipReason = "the thread's ANSI code page does not become the double-byte code page 932";
            return;
        }
        auto decode = [](std::string_view bytes) {
            std::wstring text(bytes.size(), L'\0');
            text.resize(size_t(::MultiByteToWideChar(CP_THREAD_ACP, 0, bytes.data(), int(bytes.size()), text.data(),
                                                     int(text.size()))));
            return text;
        };
        expectedSplit = decode(std::string_view(split).substr(0, 100)) + decode(std::string_view(split).substr(100));
        splitOutput = Capture(ChildCommand(Out(split)));
        wholeOutput = Capture(ChildCommand(Out(whole)));
    }).join();
    if (!skipReason.empty()) GTEST_SKIP() << skipReason;

    // The control: read whole, the two bytes are one character.
    EXPECT_TRUE(SameText(wholeOutput.text, std::wstring(98, L'a') + L"\u3042b"));
    // Split, each half is decoded on its own and the character does not come back.
    EXPECT_TRUE(splitOutput.started);
    EXPECT_TRUE(SameText(splitOutput.text, expectedSplit));
    EXPECT_EQ(splitOutput.text.find(L'\u3042'), std::wstring::npos);
}

// --- A program that cannot be started ---------------------------------------------------------

struct MissingCase {
    const char* name;
    std::wstring commandLine;
};

void PrintTo(const MissingCase& c, std::ostream* out) { *out << c.name; }

class MissingProgramTest : public testing::TestWithParam<MissingCase> {};

TEST_P(MissingProgramTest, NotStartedEmptyTextAndPromptReturn) {
    const TimedRun run = RunTimed(GetParam().commandLine);
    EXPECT_FALSE(run.output.started);
    EXPECT_EQ(run.output.text, L"");
    // Nothing holds the pipe's write end, so the first read ends the loop at once.
    EXPECT_LT(run.seconds, 5.0);
}

INSTANTIATE_TEST_SUITE_P(
    RunCommandAndCapture, MissingProgramTest,
    testing::Values(MissingCase{"BareName", L"quarrix_no_such_program.exe out:41"},
                    MissingCase{"FullPathBesideTheTests", L"\"" + ProgramFolder() + L"no_such_child.exe\" out:41"},
                    MissingCase{"MissingFolder", L"C:\\quarrix_no_such_folder\\output_child.exe out:41"},
                    MissingCase{"EmptyCommandLine", L""}),
    [](const testing::TestParamInfo<MissingCase>& info) { return std::string(info.param.name); });

// --- Every writer of the output -----------------------------------------------------------------

TEST(RunCommandAndCaptureTest, WaitsForAGrandchildThatInheritedTheOutput) {
    // The child writes, starts a grandchild with its own output handles and ends at once; the
    // grandchild writes half a second later, on both streams.
    const TimedRun run = RunTimed(
        ChildCommand(Out("child;") + L"spawn " + Pause(500) + Out("grandchild;") + Err("grandchild's error")));
    EXPECT_TRUE(run.output.started);
    EXPECT_EQ(run.output.text, L"child;grandchild;grandchild's error");
    EXPECT_GE(run.seconds, 0.45);
}

TEST(RunCommandAndCaptureTest, WaitsForTheLastOfSeveralGenerations) {
    const TimedRun run = RunTimed(ChildCommand(Out("1;") + L"spawn " + Out("2;") + L"spawn " + Pause(300) + Out("3")));
    EXPECT_TRUE(run.output.started);
    EXPECT_EQ(run.output.text, L"1;2;3");
}

// --- How the child is started -------------------------------------------------------------------

TEST(RunCommandAndCaptureTest, ChildInheritsTheInheritableHandles) {
    // An inheritable handle of the test's that has nothing to do with the pipe: a child that
    // inherits handles finds the same object under the same number.
    SECURITY_ATTRIBUTES inheritable{sizeof(inheritable), nullptr, TRUE};
    CHandle mapping(::CreateFileMappingW(INVALID_HANDLE_VALUE, &inheritable, PAGE_READWRITE, 0, 4096, nullptr));
    ASSERT_TRUE(mapping);
    const std::string marker = "inherited mapping " + std::to_string(::GetCurrentProcessId());
    void* view = ::MapViewOfFile(mapping.get(), FILE_MAP_WRITE, 0, 0, 0);
    ASSERT_NE(view, nullptr);
    std::copy(marker.begin(), marker.end() + 1, static_cast<char*>(view));
    ::UnmapViewOfFile(view);

    wchar_t value[32];
    std::swprintf(value, 32, L"%llx", static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(mapping.get())));
    const CapturedOutput output = Capture(ChildCommand(L"inherited:" + std::wstring(value)));
    EXPECT_TRUE(output.started);
    EXPECT_EQ(output.text, WidenAscii(marker));
}

TEST(RunCommandAndCaptureTest, ChildGetsStandardHandlesAndNoShowWindowRequest) {
    const CapturedOutput output = Capture(ChildCommand(L"flags"));
    EXPECT_TRUE(output.started);
    EXPECT_EQ(output.text, L"flags=100");  // STARTF_USESTDHANDLES alone
}

// Gives the test program a console with a window of its own for as long as it lives, so that a
// child that shares the test's console would have a window. The standard handles stay what
// they were, so the test's own output goes where it went before. On leaving, the program has
// no console.
class OwnConsoleWindow {
public:
    OwnConsoleWindow() : saved_(StandardHandles::Current()) {
        ::FreeConsole();
        ::AllocConsole();
        console_ = StandardHandles::Current();
        saved_.MakeCurrent();
    }
    ~OwnConsoleWindow() {
        // FreeConsole may close the standard handles that AllocConsole made, so it is shown
        // those and not the test's own.
        console_.MakeCurrent();
        ::FreeConsole();
        saved_.MakeCurrent();
    }
    bool hasWindow() const { return ::GetConsoleWindow() != nullptr; }

private:
    struct StandardHandles {
        HANDLE input, output, error;
        static StandardHandles Current() {
            return {::GetStdHandle(STD_INPUT_HANDLE), ::GetStdHandle(STD_OUTPUT_HANDLE),
                    ::GetStdHandle(STD_ERROR_HANDLE)};
        }
        void MakeCurrent() const {
            ::SetStdHandle(STD_INPUT_HANDLE, input);
            ::SetStdHandle(STD_OUTPUT_HANDLE, output);
            ::SetStdHandle(STD_ERROR_HANDLE, error);
        }
    };
    StandardHandles saved_;
    StandardHandles console_{};
};

TEST(RunCommandAndCaptureTest, ChildRunsWithoutAConsoleWindow) {
    OwnConsoleWindow console;
    if (!console.hasWindow()) GTEST_SKIP() << "the test program cannot get a console window here";
    // The control: a child started without CREATE_NO_WINDOW shares the test's console and
    // its window.
    const std::string sharing = RunDirectly(ChildCommand(L"console"), 0);
    if (sharing != "console-window")
        GTEST_SKIP() << "a child sharing a console with a window reports \"" << sharing
                     << "\" here, so a console window cannot be observed";
    const CapturedOutput output = Capture(ChildCommand(L"console"));
    EXPECT_TRUE(output.started);
    EXPECT_EQ(output.text, L"no-console-window");
}

}  // namespace
