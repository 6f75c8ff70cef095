#include "sim/VirtualDisks.h"

#include <gtest/gtest.h>

namespace {

const char kTwoDisks[] =
    "# a comment line\n"
    "[disk]\n"
    "path = \\\\?\\usbstor#disk&ven_qrx&prod_qx7&rev_1.00#000000000001&0#{53f56307-b6bf-11d0-94f2-00a0c91efb8b}\n"
    "name = Quarrix QX7 USB Device\n"
    "number = 1\n"
    "length = 1000204886016\n"
    "fail-command = clean\n"
    "fail-message = Virtual Disk Service error:\\nThe device is not ready.\n"
    "delay-ms = 4000\n"
    "silent = yes\n"
    "contents = holiday photos\n"
    "partition = none\n"
    "filesystem = RAW\n"
    "label = My Files\n"
    "letter = F\n"
    "colour = blue\n"
    "\n"
    "[disk]\r\n"
    "path = \\\\?\\usbstor#disk&ven_qrx&prod_korvan&rev_1.00#3&0#{53f56307-b6bf-11d0-94f2-00a0c91efb8b}\r\n"
    "name = Quarrix KORVAN USB Device\r\n"
    "name-unreadable = yes\r\n"
    "number = 4294967295\r\n"
    "length = 9223372036854775807\r\n"
    "open = fail\r\n"
    "ioctl = fail\r\n"
    "label =\r\n";

TEST(ParseVirtualDisks, ReadsEveryKeyOfEveryDisk) {
    const VirtualDiskParse parse = ParseVirtualDisks(kTwoDisks);
    ASSERT_EQ(parse.error, "");
    ASSERT_EQ(parse.disks.size(), 2u);

    const VirtualDisk& first = parse.disks[0];
    EXPECT_EQ(first.path,
              "\\\\?\\usbstor#disk&ven_qrx&prod_qx7&rev_1.00#000000000001&0#{53f56307-b6bf-11d0-94f2-00a0c91efb8b}");
    EXPECT_EQ(first.name, "Quarrix QX7 USB Device");
    EXPECT_FALSE(first.nameUnreadable);
    EXPECT_EQ(first.number, 1u);
    EXPECT_EQ(first.length, 1000204886016);
    EXPECT_FALSE(first.openFails);
    EXPECT_FALSE(first.ioctlFails);
    EXPECT_EQ(first.failCommand, "clean");
    EXPECT_EQ(first.failMessage, "Virtual Disk Service error:\nThe device is not ready.");
    EXPECT_EQ(first.delayMs, 4000);
    EXPECT_TRUE(first.silent);
    EXPECT_EQ(first.contents, "holiday photos");
    EXPECT_EQ(first.partition, "none");
    EXPECT_EQ(first.fileSystem, "RAW");
    EXPECT_EQ(first.label, "My Files");
    EXPECT_EQ(first.letter, "F");
    EXPECT_EQ(first.otherKeys, (std::map<std::string, std::string>{{"colour", "blue"}}));

    const VirtualDisk& second = parse.disks[1];
    EXPECT_EQ(second.name, "Quarrix KORVAN USB Device");
    EXPECT_TRUE(second.nameUnreadable);
    EXPECT_EQ(second.number, 4294967295u);
    EXPECT_EQ(second.length, 9223372036854775807);
    EXPECT_TRUE(second.openFails);
    EXPECT_TRUE(second.ioctlFails);
    EXPECT_EQ(second.label, "");
    // Keys left out keep the values of a used disk that was never touched.
    EXPECT_EQ(second.contents, "old files");
    EXPECT_EQ(second.partition, "primary");
    EXPECT_EQ(second.fileSystem, "NTFS");
    EXPECT_EQ(second.delayMs, 0);
    EXPECT_FALSE(second.silent);
    EXPECT_TRUE(second.otherKeys.empty());
}

TEST(ParseVirtualDisks, EmptyOrCommentOnlyTextHasNoDisks) {
    for (const char* text : {"", "\n\n", "# nothing here\n   \n", "\xEF\xBB\xBF"}) {
        const VirtualDiskParse parse = ParseVirtualDisks(text);
        EXPECT_EQ(parse.error, "") << text;
        EXPECT_TRUE(parse.disks.empty()) << text;
    }
}

TEST(ParseVirtualDisks, SkipsAByteOrderMark) {
    const VirtualDiskParse parse = ParseVirtualDisks("\xEF\xBB\xBF[disk]\nnumber = 7\n");
    ASSERT_EQ(parse.error, "");
    ASSERT_EQ(parse.disks.size(), 1u);
    EXPECT_EQ(parse.disks[0].number, 7u);
}

TEST(ParseVirtualDisks, FailMessageEscapes) {
    const struct {
        const char* inFile;
        const char* message;
    } cases[] = {
        {"a\\nb\\nc", "a\nb\nc"},
        {"C:\\\\new", "C:\\new"},        // an escaped backslash before an n is no line break
        {"C:\\temp\\x", "C:\\temp\\x"},  // other backslashes stay as written
        {"ends with \\", "ends with \\"},
    };
    for (const auto& c : cases) {
        const VirtualDiskParse parse = ParseVirtualDisks(std::string("[disk]\nfail-message = ") + c.inFile + "\n");
        ASSERT_EQ(parse.error, "") << c.inFile;
        EXPECT_EQ(parse.disks.at(0).failMessage, c.message) << c.inFile;
    }
}

TEST(ParseVirtualDisks, RejectsMalformedLinesNamingTheLine) {
    const struct {
        const char* text;
        const char* error;
    } cases[] = {
        {"number = 1\n", "line 1: key number before the first [disk]"},
        {"[disk]\n[volume]\n", "line 2: unknown section [volume]"},
        {"[disk]\n\nnumber 1\n", "line 3: expected key = value"},
        {"[disk]\n= 1\n", "line 2: missing key before ="},
        {"[disk]\nnumber = -1\n", "line 2: number must be a whole number of 32 bits"},
        {"[disk]\nnumber = 4294967296\n", "line 2: number must be a whole number of 32 bits"},
        {"[disk]\nnumber = 1x\n", "line 2: number must be a whole number of 32 bits"},
        {"[disk]\nnumber =\n", "line 2: number must be a whole number of 32 bits"},
        {"[disk]\nlength = 9223372036854775808\n", "line 2: length must be a whole number of bytes"},
        {"[disk]\nlength = 1 TB\n", "line 2: length must be a whole number of bytes"},
        {"[disk]\ndelay-ms = soon\n", "line 2: delay-ms must be a whole number of milliseconds"},
        {"[disk]\nname-unreadable = true\n", "line 2: name-unreadable must be yes or no"},
        {"[disk]\nsilent = 1\n", "line 2: silent must be yes or no"},
        {"[disk]\nopen = no\n", "line 2: open must be fail or ok"},
        {"[disk]\nioctl = failed\n", "line 2: ioctl must be fail or ok"},
        {"[disk]\nfail-command = delete\n",
         "line 2: fail-command must be select, clean, create, format, assign or format.com"},
    };
    for (const auto& c : cases) {
        const VirtualDiskParse parse = ParseVirtualDisks(c.text);
        EXPECT_EQ(parse.error, c.error) << c.text;
        EXPECT_TRUE(parse.disks.empty()) << c.text;
    }
}

TEST(ParseVirtualDisks, AcceptsEveryFailCommandAndOkChoices) {
    for (const char* command : {"select", "clean", "create", "format", "assign", "format.com"}) {
        const VirtualDiskParse parse = ParseVirtualDisks(std::string("[disk]\nfail-command = ") + command + "\n");
        ASSERT_EQ(parse.error, "") << command;
        EXPECT_EQ(parse.disks.at(0).failCommand, command);
    }
    const VirtualDiskParse parse =
        ParseVirtualDisks("[disk]\nopen = ok\nioctl = ok\nsilent = no\nname-unreadable = no\n");
    ASSERT_EQ(parse.error, "");
    EXPECT_FALSE(parse.disks.at(0).openFails);
    EXPECT_FALSE(parse.disks.at(0).ioctlFails);
    EXPECT_FALSE(parse.disks.at(0).silent);
    EXPECT_FALSE(parse.disks.at(0).nameUnreadable);
}

TEST(SerializeVirtualDisks, RoundTripKeepsEveryValueAndUnknownKeys) {
    const VirtualDiskParse first = ParseVirtualDisks(kTwoDisks);
    ASSERT_EQ(first.error, "");
    const std::string text = SerializeVirtualDisks(first.disks);
    const VirtualDiskParse second = ParseVirtualDisks(text);
    ASSERT_EQ(second.error, "") << text;
    ASSERT_EQ(second.disks.size(), first.disks.size());
    for (std::size_t i = 0; i < first.disks.size(); ++i) {
        const VirtualDisk& a = first.disks[i];
        const VirtualDisk& b = second.disks[i];
        EXPECT_EQ(a.path, b.path);
        EXPECT_EQ(a.name, b.name);
        EXPECT_EQ(a.nameUnreadable, b.nameUnreadable);
        EXPECT_EQ(a.number, b.number);
        EXPECT_EQ(a.length, b.length);
        EXPECT_EQ(a.openFails, b.openFails);
        EXPECT_EQ(a.ioctlFails, b.ioctlFails);
        EXPECT_EQ(a.failCommand, b.failCommand);
        EXPECT_EQ(a.failMessage, b.failMessage);
        EXPECT_EQ(a.delayMs, b.delayMs);
        EXPECT_EQ(a.silent, b.silent);
        EXPECT_EQ(a.contents, b.contents);
        EXPECT_EQ(a.partition, b.partition);
        EXPECT_EQ(a.fileSystem, b.fileSystem);
        EXPECT_EQ(a.label, b.label);
        EXPECT_EQ(a.letter, b.letter);
        EXPECT_EQ(a.otherKeys, b.otherKeys);
    }
    // Serialising what was read back gives the same text again.
    EXPECT_EQ(SerializeVirtualDisks(second.disks), text);
}

TEST(SerializeVirtualDisks, WritesAFailMessageOnOneLine) {
    VirtualDisk disk;
    disk.failMessage = "first\nsecond \\n third";
    const std::string text = SerializeVirtualDisks({disk});
    EXPECT_NE(text.find("fail-message = first\\nsecond \\\\n third\n"), std::string::npos) << text;
    EXPECT_EQ(ParseVirtualDisks(text).disks.at(0).failMessage, disk.failMessage);
}

TEST(SerializeVirtualDisks, NoDisksGiveEmptyText) {
    EXPECT_EQ(SerializeVirtualDisks({}), "");
}

std::vector<VirtualDisk> DisksNumbered(std::initializer_list<std::uint32_t> numbers) {
    std::vector<VirtualDisk> disks;
    for (std::uint32_t number : numbers) {
        disks.emplace_back();
        disks.back().number = number;
    }
    return disks;
}

TEST(FindDiskByNumber, FindsTheDiskWithThatNumberOnly) {
    std::vector<VirtualDisk> disks = DisksNumbered({0, 3, 1});
    EXPECT_EQ(FindDiskByNumber(disks, 0), &disks[0]);
    EXPECT_EQ(FindDiskByNumber(disks, 3), &disks[1]);
    EXPECT_EQ(FindDiskByNumber(disks, 1), &disks[2]);
    EXPECT_EQ(FindDiskByNumber(disks, 2), nullptr);
    std::vector<VirtualDisk> none;
    EXPECT_EQ(FindDiskByNumber(none, 0), nullptr);
}

TEST(FindDiskByLetter, ComparesWithoutRegardToCase) {
    std::vector<VirtualDisk> disks = DisksNumbered({0, 1, 2});
    disks[0].letter = "C";
    disks[1].letter = "";
    disks[2].letter = "f";
    EXPECT_EQ(FindDiskByLetter(disks, "C"), &disks[0]);
    EXPECT_EQ(FindDiskByLetter(disks, "c"), &disks[0]);
    EXPECT_EQ(FindDiskByLetter(disks, "F"), &disks[2]);
    EXPECT_EQ(FindDiskByLetter(disks, "f"), &disks[2]);
    EXPECT_EQ(FindDiskByLetter(disks, "E"), nullptr);
    // A disk without a letter is never found, not even by an empty letter.
    EXPECT_EQ(FindDiskByLetter(disks, ""), nullptr);
}

TEST(DefaultVirtualDisksText, HoldsAForeignSystemDiskAndTheThreeModels) {
    const VirtualDiskParse parse = ParseVirtualDisks(DefaultVirtualDisksText());
    ASSERT_EQ(parse.error, "");
    ASSERT_EQ(parse.disks.size(), 4u);

    const VirtualDisk& foreign = parse.disks[0];
    EXPECT_EQ(foreign.number, 0u);
    EXPECT_NE(foreign.path.find("&ven_acme&"), std::string::npos);
    EXPECT_EQ(foreign.path.find("&ven_qrx&"), std::string::npos);

    const struct {
        std::uint32_t number;
        const char* name;
        std::int64_t length;
        const char* product;
    } expected[] = {
        {1, "Quarrix QX7 USB Device", 1000204886016, "&prod_qx7&"},
        {2, "Quarrix QX7FIPS USB Device", 500107862016, "&prod_qx7fips&"},
        {3, "Quarrix KORVAN USB Device", 2000398934016, "&prod_korvan&"},
    };
    for (std::size_t i = 0; i < 3; ++i) {
        const VirtualDisk& disk = parse.disks[i + 1];
        EXPECT_EQ(disk.number, expected[i].number);
        EXPECT_EQ(disk.name, expected[i].name);
        EXPECT_EQ(disk.length, expected[i].length);
        EXPECT_EQ(disk.path.rfind("\\\\?\\usbstor#disk&ven_qrx&", 0), 0u) << disk.path;
        EXPECT_NE(disk.path.find(expected[i].product), std::string::npos) << disk.path;
        EXPECT_NE(disk.path.find("{53f56307-b6bf-11d0-94f2-00a0c91efb8b}"), std::string::npos);
        // A fresh set behaves: every maker disk can be opened, named and formatted.
        EXPECT_FALSE(disk.openFails || disk.ioctlFails || disk.nameUnreadable || disk.silent);
        EXPECT_EQ(disk.failCommand, "");
        EXPECT_EQ(disk.delayMs, 0);
        EXPECT_EQ(disk.letter, "");
    }
}

}  // namespace
