#include "format/CaptureRules.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace {

// Maps each byte to the character of the same value.
std::wstring DecodeOneToOne(std::string_view bytes) {
    std::wstring text;
    for (char byte : bytes) text.push_back(static_cast<wchar_t>(static_cast<unsigned char>(byte)));
    return text;
}

struct Read {
    bool succeeded;
    std::string bytes;
};

TEST(CaptureRulesTest, ReadLoopJoinsReadsUntilTheFirstFailedRead) {
    const struct {
        const char* name;
        std::vector<Read> reads;
        std::wstring text;
        std::size_t readsTaken;
    } cases[] = {
        {"child wrote nothing", {{false, ""}}, L"", 1},
        {"reads joined in order", {{true, "Disk"}, {true, "Part "}, {true, "100"}, {false, ""}}, L"DiskPart 100", 4},
        {"empty successful read goes on", {{true, ""}, {true, "x"}, {false, ""}}, L"x", 3},
        {"failed read delivers no bytes and ends", {{true, "a"}, {false, "junk"}, {true, "never"}}, L"a", 2},
        {"zero byte left out", {{true, std::string("ab\0cd", 5)}, {true, "ef"}, {false, ""}}, L"abcdef", 3},
        {"every zero byte left out", {{true, std::string("\0ab\0c\0\0d\0", 9)}, {false, ""}}, L"abcd", 2},
    };
    for (const auto& c : cases) {
        CapturedText captured(DecodeOneToOne);
        std::size_t taken = 0;
        for (const Read& read : c.reads) {
            ++taken;
            if (!captured.TakeRead(read.succeeded, read.bytes.data(), read.bytes.size())) break;
        }
        EXPECT_EQ(captured.Text(), c.text) << c.name;
        EXPECT_EQ(taken, c.readsTaken) << c.name;
    }
}

TEST(CaptureRulesTest, TakeReadDecodesOnlyTheCountedBytes) {
    CapturedText captured(DecodeOneToOne);
    EXPECT_TRUE(captured.TakeRead(true, "abcdef", 3));
    EXPECT_EQ(captured.Text(), L"abc");
}

TEST(CaptureRulesTest, AllReadsAreDecodedAtOnceSoASplitCharacterStaysWhole) {
    std::vector<std::string> calls;
    CapturedText captured([&calls](std::string_view bytes) {
        calls.emplace_back(bytes);
        return DecodeOneToOne(bytes);
    });
    // 0x82 0xA0 is one character of a Japanese code page.
    EXPECT_TRUE(captured.TakeRead(true, "a\x82", 2));
    EXPECT_TRUE(captured.TakeRead(true, "\xA0" "b", 2));
    EXPECT_FALSE(captured.TakeRead(false, nullptr, 0));
    EXPECT_EQ(captured.Text(), L"a\x82\xA0" L"b");
    EXPECT_EQ(calls, (std::vector<std::string>{"a\x82\xA0" "b"}));
}

TEST(CaptureRulesTest, NothingToDecodeMeansNoDecodeCall) {
    int callCount = 0;
    CapturedText captured([&callCount](std::string_view) {
        ++callCount;
        return std::wstring(L"!");
    });
    EXPECT_TRUE(captured.TakeRead(true, "", 0));
    EXPECT_TRUE(captured.TakeRead(true, nullptr, 0));
    EXPECT_TRUE(captured.TakeRead(true, "\0", 1));
    EXPECT_FALSE(captured.TakeRead(false, "lost", 4));
    EXPECT_EQ(callCount, 0);
    EXPECT_EQ(captured.Text(), L"");
}

}  // namespace
