#include "sim/standins/StandinCommandLines.h"

#include <gtest/gtest.h>

namespace {

TEST(ParseDiskpartCommandLine, AcceptsTheScriptSwitchWithAPlainOrQuotedPath) {
    const struct {
        const char* commandLine;
        const char* scriptPath;
    } cases[] = {
        {"diskpart.exe /s C:\\Users\\user\\AppData\\Local\\Temp\\diskpart2",
         "C:\\Users\\user\\AppData\\Local\\Temp\\diskpart2"},
        {"diskpart.exe /s \"C:\\Users\\John Smith\\Temp\\diskpart10\"", "C:\\Users\\John Smith\\Temp\\diskpart10"},
        {"diskpart.exe /s \"C:\\Temp\\diskpart1\"", "C:\\Temp\\diskpart1"},
        {"C:\\sim\\bin\\diskpart.exe /s C:\\Temp\\diskpart1", "C:\\Temp\\diskpart1"},
        {"\"C:\\Program Files\\sim\\diskpart.exe\" /s C:\\Temp\\diskpart1", "C:\\Temp\\diskpart1"},
        {"diskpart /s x", "x"},
    };
    for (const auto& c : cases) {
        const auto path = ParseDiskpartCommandLine(c.commandLine);
        ASSERT_TRUE(path.has_value()) << c.commandLine;
        EXPECT_EQ(*path, c.scriptPath) << c.commandLine;
    }
}

TEST(ParseDiskpartCommandLine, RejectsEveryOtherForm) {
    for (const char* commandLine : {
             "diskpart.exe",
             "diskpart.exe ",
             "diskpart.exe /s",
             "diskpart.exe /s ",
             "diskpart.exe /S C:\\Temp\\diskpart1",
             "diskpart.exe -s C:\\Temp\\diskpart1",
             "diskpart.exe  /s C:\\Temp\\diskpart1",
             "diskpart.exe /s  C:\\Temp\\diskpart1",
             "diskpart.exe /s C:\\Temp\\diskpart1 ",
             "diskpart.exe /s C:\\John Smith\\diskpart1",
             "diskpart.exe /s \"C:\\John Smith\\diskpart1",
             "diskpart.exe /s C:\\John Smith\\diskpart1\"",
             "diskpart.exe /s \"a\"b\"",
             "diskpart.exe /s \"\"",
             "diskpart.exe /s\tC:\\Temp\\diskpart1",
             "diskpart.exe C:\\Temp\\diskpart1 /s",
             "diskpart.exe /s C:\\Temp\\diskpart1 /s C:\\Temp\\diskpart2",
             "\"diskpart.exe /s C:\\Temp\\diskpart1",
             "",
         }) {
        EXPECT_FALSE(ParseDiskpartCommandLine(commandLine).has_value()) << commandLine;
    }
}

TEST(ParseFormatComCommandLine, AcceptsTheWindowsXpFormatCommand) {
    const struct {
        const char* commandLine;
        const char* letter;
        const char* label;
    } cases[] = {
        {"format.com E: /FS:NTFS /V:Backup /q /x /y", "E", "Backup"},
        {"format.com E: /FS:NTFS /V: /q /x /y", "E", ""},
        {"format.com F: /FS:NTFS /V:\"My Files\" /q /x /y", "F", "My Files"},
        {"format.com F: /FS:NTFS /V:\"\" /q /x /y", "F", ""},
        {"format.com G: /FS:NTFS /V:50% /q /x /y", "G", "50%"},
        {"format.com z: /FS:NTFS /V:Quarrix /q /x /y", "z", "Quarrix"},
        {"\"C:\\Program Files\\sim\\format.com\" E: /FS:NTFS /V:Backup /q /x /y", "E", "Backup"},
    };
    for (const auto& c : cases) {
        const auto invocation = ParseFormatComCommandLine(c.commandLine);
        ASSERT_TRUE(invocation.has_value()) << c.commandLine;
        EXPECT_EQ(invocation->letter, c.letter) << c.commandLine;
        EXPECT_EQ(invocation->label, c.label) << c.commandLine;
    }
}

TEST(ParseFormatComCommandLine, RejectsEveryOtherForm) {
    for (const char* commandLine : {
             "format.com",
             "format.com E:",
             "format.com E: /FS:NTFS /V:My Files /q /x /y",
             "format.com E: /FS:NTFS /V:\"My Files /q /x /y",
             "format.com E: /FS:NTFS /V:My\"Files /q /x /y",
             "format.com E: /FS:NTFS /V:\"a\"b\" /q /x /y",
             "format.com E: /fs:NTFS /V:Backup /q /x /y",
             "format.com E: /FS:exFAT /V:Backup /q /x /y",
             "format.com E: /FS:NTFS /v:Backup /q /x /y",
             "format.com E: /FS:NTFS /V:Backup /Q /X /Y",
             "format.com E: /FS:NTFS /V:Backup /q /y /x",
             "format.com E: /FS:NTFS /V:Backup /q /x",
             "format.com E: /FS:NTFS /V:Backup /q /x /y ",
             "format.com E: /FS:NTFS /V:Backup  /q /x /y",
             "format.com  E: /FS:NTFS /V:Backup /q /x /y",
             "format.com E:  /FS:NTFS /V:Backup /q /x /y",
             "format.com E /FS:NTFS /V:Backup /q /x /y",
             "format.com EF: /FS:NTFS /V:Backup /q /x /y",
             "format.com 1: /FS:NTFS /V:Backup /q /x /y",
             "format.com E: /V:Backup /FS:NTFS /q /x /y",
             "format.com E: /FS:NTFS /q /x /y",
             "",
         }) {
        EXPECT_FALSE(ParseFormatComCommandLine(commandLine).has_value()) << commandLine;
    }
}

}  // namespace
