// The bytes that `output_child repeat:<n>` writes, shared by the child, the tests and the
// benchmark so that each side knows what the other produced.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

// Ten-byte records, each its own number in nine decimal digits followed by a line feed, cut off
// after `count` bytes. No two records are alike, so a lost, doubled or swapped stretch of the
// output shows in the captured text. Only ASCII digits and line feeds: every ANSI code page
// decodes them one to one.
inline std::string PatternBytes(std::size_t count) {
    std::string bytes;
    bytes.reserve(count + 10);
    char record[16];
    for (std::size_t number = 0; bytes.size() < count; ++number) {
        std::snprintf(record, sizeof(record), "%09zu\n", number % 1000000000);
        bytes += record;
    }
    bytes.resize(count);
    return bytes;
}
