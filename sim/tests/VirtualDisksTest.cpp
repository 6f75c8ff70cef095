#include "sim/VirtualDisks.h"

#include <gtest/gtest.h>

namespace {

const char kTwoDisks[] =
    "# a comment line\n"
    "[disk]\npath = \\\\?\\usbstor#disk&ven_qrx&prod_qx7#1\nname = Quarrix QX7 USB Device\nname-unreadable = no\n"
    "number = 1\nlength = 1000204886016\nopen = ok\nioctl = ok\nfail-command = clean\n"
    "fail-message = Virtual Disk Service error:\\nThe device is not ready.\ndelay-ms = 4000\nsilent = yes\n"
    "fail-exit-code = 0x80042413\nfail-times = 2\nprogress = 100% fatto\\nPercentuale completata: 100\nsizes = MB\n"
    "contents = holiday photos\npartition = none\nfilesystem = RAW\nlabel = My Files\nletter = F\ncolour = blue\n"
    "\n"
    "[disk]\r\n  name  =  Quarrix KORVAN USB Device  \r\nname-unreadable = yes\r\nnumber = 4294967295\r\n"
    "length = 9223372036854775807\r\nopen = fail\r\nioctl = fail\r\nsilent = no\r\nlabel =\r\n";

// Every field of the disk, in the order of the struct, flags as 0 or 1.
std::string Describe(const VirtualDisk& d) {
    using std::to_string;
    std::string text = d.path + "|" + d.name + "|" + to_string(d.nameUnreadable) + "|" + to_string(d.number) + "|" +
                       to_string(d.length) + "|" + to_string(d.openFails) + "|" + to_string(d.ioctlFails) + "|" +
                       d.failCommand + "|" + d.failMessage + "|" + to_string(d.delayMs) + "|" + to_string(d.silent) +
                       "|" + d.contents + "|" + d.partition + "|" + d.fileSystem + "|" + d.label + "|" + d.letter +
                       "|" + (d.failExitCode ? to_string(*d.failExitCode) : "-") + "|" + d.progress.value_or("-") +
                       "|" + d.sizes + "|" + (d.failTimes ? to_string(*d.failTimes) : "-");
    for (const auto& [key, value] : d.otherKeys) text += "|" + key + "=" + value;
    return text;
}

void ExpectTheTwoDisks(const VirtualDiskParse& parse) {
    ASSERT_EQ(parse.error, "");
    ASSERT_EQ(parse.disks.size(), 2u);
    EXPECT_EQ(Describe(parse.disks[0]),
              "\\\\?\\usbstor#disk&ven_qrx&prod_qx7#1|Quarrix QX7 USB Device|0|1|1000204886016|0|0|clean|"
              "Virtual Disk Service error:\nThe device is not ready.|4000|1|holiday photos|none|RAW|My Files|F|"
              "2147755027|100% fatto\nPercentuale completata: 100|MB|2|colour=blue");
    // Keys left out: a used disk that was never touched.
    EXPECT_EQ(Describe(parse.disks[1]),
              "|Quarrix KORVAN USB Device|1|4294967295|9223372036854775807|1|1|||0|0|old files|primary|NTFS|||-|-|KB|-");
}

TEST(VirtualDisksText, ReadsEveryKeyAndARoundTripKeepsThemWithUnknownKeys) {
    ExpectTheTwoDisks(ParseVirtualDisks(kTwoDisks));
    const std::string saved = SerializeVirtualDisks(ParseVirtualDisks(kTwoDisks).disks);
    ExpectTheTwoDisks(ParseVirtualDisks(saved));
    EXPECT_EQ(SerializeVirtualDisks(ParseVirtualDisks(saved).disks), saved);
}

TEST(VirtualDisksText, FailMessageEscapesSurviveARoundTrip) {
    const struct {
        const char* inFile;
        const char* message;
    } cases[] = {{"a\\nb\\nc", "a\nb\nc"},
                 {"C:\\\\new", "C:\\new"},  // an escaped backslash before an n is no line break
                 {"C:\\temp\\x", "C:\\temp\\x"},
                 {"ends with \\", "ends with \\"}};
    for (const auto& c : cases) {
        const VirtualDiskParse parse = ParseVirtualDisks(std::string("[disk]\nfail-message = ") + c.inFile + "\n");
        ASSERT_EQ(parse.error, "") << c.inFile;
        EXPECT_EQ(parse.disks.at(0).failMessage, c.message) << c.inFile;
        const VirtualDiskParse again = ParseVirtualDisks(SerializeVirtualDisks(parse.disks));
        ASSERT_EQ(again.error, "") << c.inFile;
        EXPECT_EQ(again.disks.at(0).failMessage, c.message) << c.inFile;
    }
}

TEST(VirtualDisksText, EmptyCommentsAndAByteOrderMarkHoldNoDisks) {
    for (const char* text : {"", "# nothing here\n   \n", "\xEF\xBB\xBF"}) {
        EXPECT_EQ(ParseVirtualDisks(text).error, "") << text;
        EXPECT_TRUE(ParseVirtualDisks(text).disks.empty()) << text;
    }
    const VirtualDiskParse parse = ParseVirtualDisks("\xEF\xBB\xBF[disk]\nnumber = 7\n");
    ASSERT_EQ(parse.error, "");
    EXPECT_EQ(parse.disks.at(0).number, 7u);
}

TEST(VirtualDisksText, RejectsMalformedLinesNamingTheLine) {
    const struct {
        const char* text;
        const char* error;
    } cases[] = {
        {"number = 1\n", "line 1: key number before the first [disk]"},
        {"[disk]\n[volume]\n", "line 2: unknown section [volume]"},
        {"[disk]\n\nnumber 1\n", "line 3: expected key = value"},
        {"[disk]\n= 1\n", "line 2: missing key before ="},
        {"[disk]\nnumber = 4294967296\n", "line 2: number must be a whole number of 32 bits"},
        {"[disk]\nnumber = -1\n", "line 2: number must be a whole number of 32 bits"},
        {"[disk]\nlength = 9223372036854775808\n", "line 2: length must be a whole number of bytes"},
        {"[disk]\ndelay-ms = soon\n", "line 2: delay-ms must be a whole number of milliseconds"},
        {"[disk]\nname-unreadable = true\n", "line 2: name-unreadable must be yes or no"},
        {"[disk]\nsilent = 1\n", "line 2: silent must be yes or no"},
        {"[disk]\nopen = no\n", "line 2: open must be fail, denied or ok"},
        {"[disk]\nioctl = failed\n", "line 2: ioctl must be fail or ok"},
        {"[disk]\nfail-exit-code = 0x\n", "line 2: fail-exit-code must be a 32-bit number, decimal or 0x-hexadecimal"},
        {"[disk]\nfail-exit-code = 0x100000000\n",
         "line 2: fail-exit-code must be a 32-bit number, decimal or 0x-hexadecimal"},
        {"[disk]\nfail-exit-code = -1\n", "line 2: fail-exit-code must be a 32-bit number, decimal or 0x-hexadecimal"},
        {"[disk]\nsizes = GB\n", "line 2: sizes must be KB or MB"},
        {"[disk]\nfail-times = once\n", "line 2: fail-times must be a whole number of 32 bits"},
        {"[disk]\nfail-command = delete\n",
         "line 2: fail-command must be select, clean, create, format, assign, format.com or label"},
    };
    for (const auto& c : cases) {
        const VirtualDiskParse parse = ParseVirtualDisks(c.text);
        EXPECT_EQ(parse.error, c.error) << c.text;
        EXPECT_TRUE(parse.disks.empty()) << c.text;
    }
    for (const char* command : {"select", "clean", "create", "format", "assign", "format.com", "label"}) {
        const VirtualDiskParse parse = ParseVirtualDisks(std::string("[disk]\nfail-command = ") + command + "\n");
        ASSERT_EQ(parse.error, "") << command;
        EXPECT_EQ(parse.disks.at(0).failCommand, command);
    }
}

TEST(VirtualDisks, FindByNumberAndByLetterInEitherCase) {
    std::vector<VirtualDisk> disks(3);
    disks[0].letter = "C";
    disks[1].number = 3;
    disks[2].number = 1;
    disks[2].letter = "f";
    EXPECT_EQ(FindDiskByNumber(disks, 3), &disks[1]);
    EXPECT_EQ(FindDiskByNumber(disks, 1), &disks[2]);
    EXPECT_EQ(FindDiskByNumber(disks, 2), nullptr);
    EXPECT_EQ(FindDiskByLetter(disks, "c"), &disks[0]);
    EXPECT_EQ(FindDiskByLetter(disks, "F"), &disks[2]);
    EXPECT_EQ(FindDiskByLetter(disks, "E"), nullptr);
    EXPECT_EQ(FindDiskByLetter(disks, ""), nullptr);  // not even a disk without a letter
}

TEST(VirtualDisks, DefaultSetHoldsAForeignSystemDiskAndTheThreeModels) {
    const VirtualDiskParse parse = ParseVirtualDisks(DefaultVirtualDisksText());
    ASSERT_EQ(parse.error, "");
    ASSERT_EQ(parse.disks.size(), 4u);
    EXPECT_NE(parse.disks[0].path.find("&ven_acme&"), std::string::npos);
    EXPECT_EQ(parse.disks[0].letter, "C");
    const struct {
        const char* name;
        std::int64_t length;
        const char* product;
    } models[] = {{"Quarrix QX7 USB Device", 1000204886016, "&prod_qx7&"},
                  {"Quarrix QX7FIPS USB Device", 500107862016, "&prod_qx7fips&"},
                  {"Quarrix KORVAN USB Device", 2000398934016, "&prod_korvan&"}};
    for (std::uint32_t number = 1; number <= 3; ++number) {
        const VirtualDisk& disk = parse.disks[number];
        EXPECT_EQ(disk.number, number);
        EXPECT_EQ(disk.name, models[number - 1].name);
        EXPECT_EQ(disk.length, models[number - 1].length);
        EXPECT_EQ(disk.path.rfind("\\\\?\\usbstor#disk&ven_qrx&", 0), 0u) << disk.path;
        EXPECT_NE(disk.path.find(models[number - 1].product), std::string::npos) << disk.path;
        // A fresh set behaves: every maker disk can be opened, named and formatted at once.
        EXPECT_FALSE(disk.openFails || disk.ioctlFails || disk.nameUnreadable || disk.silent);
        EXPECT_EQ(disk.failCommand + disk.letter, "");
        EXPECT_EQ(disk.delayMs, 0);
    }
}

}  // namespace
