// runner_benchmark: how long RunCommandAndCapture takes to capture outputs of 1 KB, 100 KB and
// 1 MB, each written by output_child (found beside this program) in one write. Each size is run
// several times; the program prints the median wall time, the fastest and slowest run, and the
// throughput that the median gives. A run that writes nothing is timed too: it is the cost of
// starting and ending the child, which every size includes. Exit code 1 when a run did not
// capture exactly what the child wrote.
//
//   runner_benchmark.exe [runs per size, default 9]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "format/ChildProcess.h"
#include "format/tests/support/OutputPattern.h"

namespace {

std::wstring ChildPath() {
    wchar_t path[MAX_PATH];
    const DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    return folder.substr(0, folder.find_last_of(L'\\') + 1) + L"output_child.exe";
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

struct Size {
    const char* label;
    size_t bytes;
    std::wstring commandLine;
    std::wstring expected;
    std::vector<double> seconds;
    bool allCaptured = true;
};

Size MakeSize(const char* label, size_t bytes) {
    Size size{label, bytes, {}, {}, {}, true};
    // With nothing to write the child makes no write at all: it only starts and ends.
    size.commandLine = L"\"" + ChildPath() + L"\"";
    if (bytes > 0) size.commandLine += L" repeat:" + std::to_wstring(bytes);
    const std::string pattern = PatternBytes(bytes);
    size.expected.assign(pattern.begin(), pattern.end());
    return size;
}

void RunOnce(Size& size) {
    const auto start = std::chrono::steady_clock::now();
    const CapturedOutput output = RunCommandAndCapture(ChildPath(), size.commandLine);
    size.seconds.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    if (!output.started || output.text != size.expected) size.allCaptured = false;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : 9;
    std::vector<Size> sizes = {MakeSize("0 (start only)", 0), MakeSize("1 KB", 1024), MakeSize("100 KB", 100 * 1024),
                               MakeSize("1 MB", 1024 * 1024)};

    // One untimed run of each size first, so that loading the child for the first time is not
    // counted. Then the sizes take turns, so that a slow spell of the machine falls on all
    // of them alike.
    for (Size& size : sizes) {
        RunOnce(size);
        size.seconds.clear();
    }
    // A short rest before each run lets the previous child and its console host wind down
    // first, so that no run pays for the one before it.
    for (int run = 0; run < runs; ++run)
        for (Size& size : sizes) {
            ::Sleep(200);
            RunOnce(size);
        }

    std::printf("RunCommandAndCapture, %d runs per size, reads of 100 bytes\n", runs);
    std::printf("%-16s %10s %16s %8s\n", "output", "median ms", "fastest-slowest", "MB/s");
    bool allCaptured = true;
    for (const Size& size : sizes) {
        allCaptured = allCaptured && size.allCaptured;
        const double median = Median(size.seconds);
        char range[40];
        std::snprintf(range, sizeof(range), "%.1f-%.1f", *std::min_element(size.seconds.begin(), size.seconds.end()) * 1000,
                      *std::max_element(size.seconds.begin(), size.seconds.end()) * 1000);
        char throughput[32] = "-";
        if (size.bytes > 0) std::snprintf(throughput, sizeof(throughput), "%.2f", double(size.bytes) / (1024.0 * 1024.0) / median);
        std::printf("%-16s %10.1f %16s %8s%s\n", size.label, median * 1000, range, throughput,
                    size.allCaptured ? "" : "  (output not captured whole!)");
    }
    std::printf("MB = 1024 * 1024 bytes; MB/s = size / median time, child start included.\n");
    return allCaptured ? 0 : 1;
}
