// Measures how long one drive scan takes with 1, 8 and 64 virtual disks attached: the time a
// device-change message keeps the window busy. Run it under Wine; it prints one line per size.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "app/tests/support/RunningProgram.h"
#include "app/tests/support/TestEnvironment.h"

namespace {

double MedianScanMs(std::uint32_t diskCount, int scans) {
    std::vector<VirtualDisk> disks;
    for (std::uint32_t n = 1; n <= diskCount; ++n) disks.push_back(MakerDisk(n, "Quarrix QX7 USB Device", 500107862016));
    TestEnvironment environment(disks);
    RunningProgram program;
    std::vector<double> times;
    for (int i = 0; i < scans; ++i) {
        const auto start = std::chrono::steady_clock::now();
        program.SendDeviceChange();
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    if (program.Drives().size() != diskCount) std::printf("warning: %zu entries listed\n", program.Drives().size());
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace

int main() {
    for (std::uint32_t count : {1u, 8u, 64u})
        std::printf("scan with %2u virtual disks: %.2f ms (median of 30)\n", count, MedianScanMs(count, 30));
    return 0;
}
