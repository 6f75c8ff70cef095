#include <windows.h>

#include <gtest/gtest.h>

#include <thread>

#include "drives/DiskSource.h"
#include "sim/SimulatorFiles.h"
#include "sim/WholeFile.h"
#include "sim/tests/SimTestSupport.h"

namespace {

std::wstring EnvironmentValue(const wchar_t* name) {
    wchar_t buffer[1024] = {};
    const DWORD length = GetEnvironmentVariableW(name, buffer, 1024);
    return length > 0 && length < 1024 ? buffer : L"";
}

std::size_t FilesIn(const std::wstring& folder) {
    std::size_t count = 0;
    WIN32_FIND_DATAW entry;
    const HANDLE search = FindFirstFileW((folder + L"*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) return 0;
    do {
        if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) ++count;
    } while (FindNextFileW(search, &entry));
    FindClose(search);
    return count;
}

TEST(VirtualDisksFilePath, NamedByTheVariableElseBesideTheProgram) {
    {
        ScopedEnvironment named(kVirtualDisksVariable, L"D:\\tests\\disks.txt");
        EXPECT_EQ(VirtualDisksFilePath(), L"D:\\tests\\disks.txt");
    }
    const std::wstring folder = RunningProgramFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), L'\\');
    EXPECT_TRUE(FileExists(folder + L"sim_files_win_tests.exe"));
    {
        ScopedEnvironment unset(kVirtualDisksVariable, nullptr);
        EXPECT_EQ(VirtualDisksFilePath(), folder + L"virtual-disks.txt");
    }
    {
        ScopedEnvironment empty(kVirtualDisksVariable, L"");
        EXPECT_EQ(VirtualDisksFilePath(), folder + L"virtual-disks.txt");
    }
}

TEST(EnsureVirtualDisksFile, WritesTheDefaultDisksOnceAndPublishesTheFullPath) {
    TempFolder folder;
    const std::wstring path = folder.path + L"disks.txt";
    ScopedEnvironment named(kVirtualDisksVariable, path.c_str());

    EXPECT_EQ(EnsureVirtualDisksFile(), path);
    EXPECT_EQ(ReadWholeFile(path), DefaultVirtualDisksText());
    EXPECT_EQ(EnvironmentValue(kVirtualDisksVariable), path);

    // An existing file is the test's own: it is left as it is.
    ASSERT_TRUE(ReplaceWholeFile(path, "[disk]\nnumber = 9\n"));
    EXPECT_EQ(EnsureVirtualDisksFile(), path);
    EXPECT_EQ(ReadWholeFile(path), std::string("[disk]\nnumber = 9\n"));
}

TEST(EnsureVirtualDisksFile, MakesARelativeNameAbsoluteForTheUtilities) {
    TempFolder folder;
    wchar_t oldDirectory[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, oldDirectory);
    ASSERT_TRUE(SetCurrentDirectoryW(folder.path.c_str()));
    std::wstring published;
    {
        ScopedEnvironment named(kVirtualDisksVariable, L"relative-disks.txt");
        published = EnsureVirtualDisksFile();
        EXPECT_EQ(EnvironmentValue(kVirtualDisksVariable), published);
    }
    SetCurrentDirectoryW(oldDirectory);
    EXPECT_EQ(published, folder.path + L"relative-disks.txt");
    EXPECT_TRUE(FileExists(folder.path + L"relative-disks.txt"));
}

TEST(SaveVirtualDisks, ReplacesTheFileWholeAndLeavesNoTemporaryFile) {
    TempFolder folder;
    const std::wstring path = folder.path + L"disks.txt";
    ASSERT_TRUE(ReplaceWholeFile(path, std::string(100000, '#')));

    std::vector<VirtualDisk> disks = ParseVirtualDisks(DefaultVirtualDisksText()).disks;
    disks[1].label = "Backup";
    disks[1].otherKeys["note"] = "kept";
    ASSERT_TRUE(SaveVirtualDisks(path, disks));
    EXPECT_EQ(ReadWholeFile(path), SerializeVirtualDisks(disks));
    EXPECT_EQ(FilesIn(folder.path), 1u);

    const VirtualDiskParse loaded = LoadVirtualDisks(path);
    ASSERT_EQ(loaded.error, "");
    EXPECT_EQ(SerializeVirtualDisks(loaded.disks), SerializeVirtualDisks(disks));
}

TEST(SaveVirtualDisks, WaitsForAReaderThatHoldsTheFileForAMoment) {
    TempFolder folder;
    const std::wstring path = folder.path + L"disks.txt";
    ASSERT_TRUE(ReplaceWholeFile(path, "old"));
    // A reader (the simulator scanning) has the file open, as ReadWholeFile opens it, and
    // closes it a little later; a file that is open cannot be replaced until then.
    HANDLE reader = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    std::thread closer([reader] {
        Sleep(200);
        CloseHandle(reader);
    });
    const bool saved = ReplaceWholeFile(path, "new");
    closer.join();
    EXPECT_TRUE(saved);
    EXPECT_EQ(ReadWholeFile(path), std::string("new"));
    EXPECT_EQ(FilesIn(folder.path), 1u);
}

TEST(LoadVirtualDisks, NamesAFileThatCannotBeRead) {
    TempFolder folder;
    const VirtualDiskParse parse = LoadVirtualDisks(folder.path + L"missing.txt");
    EXPECT_NE(parse.error.find("cannot read "), std::string::npos);
    EXPECT_NE(parse.error.find("missing.txt"), std::string::npos);
    EXPECT_TRUE(parse.disks.empty());
}

const char kScanDisks[] =
    "[disk]\npath = \\\\?\\scsi#disk&ven_acme&prod_ssd#0#{53f56307-b6bf-11d0-94f2-00a0c91efb8b}\n"
    "name = ACME SSD\nnumber = 0\nlength = 512110190592\n"
    "[disk]\npath = \\\\?\\usbstor#disk&ven_qrx&prod_korvan#3#{53f56307-b6bf-11d0-94f2-00a0c91efb8b}\n"
    "name = Quarrix KORVAN USB Device\nnumber = 3\nlength = 2000398934016\n"
    "[disk]\npath = \\\\?\\usbstor#disk&ven_qrx&prod_qx7#5#{53f56307-b6bf-11d0-94f2-00a0c91efb8b}\n"
    "name = Quarrix QX7 USB Device\nnumber = 5\nlength = 1000204886016\nopen = fail\n"
    "[disk]\npath = \\\\?\\usbstor#disk&ven_qrx&prod_qx7#6#{53f56307-b6bf-11d0-94f2-00a0c91efb8b}\n"
    "name = Quarrix QX7 USB Device\nnumber = 6\nlength = 1000204886016\nioctl = fail\n"
    "[disk]\npath = \\\\?\\usbstor#disk&VEN_QRX&prod_qx7#7#{53f56307-b6bf-11d0-94f2-00a0c91efb8b}\n"
    "name = Quarrix QX7 USB Device\nnumber = 7\nlength = 1000204886016\n"
    "[disk]\npath = \\\\?\\usbstor#disk&ven_qrx&prod_qx7fips#1#{53f56307-b6bf-11d0-94f2-00a0c91efb8b}\n"
    "name = Quarrix QX7FIPS USB Device\nname-unreadable = yes\nnumber = 1\nlength = 500107862016\n";

TEST(EnumerateMakerDisks, ListsTheMakerDisksThatCanBeOpenedAndAsked) {
    TempFolder folder;
    const std::wstring path = folder.path + L"disks.txt";
    ASSERT_TRUE(ReplaceWholeFile(path, kScanDisks));
    ScopedEnvironment named(kVirtualDisksVariable, path.c_str());

    const std::vector<DiskDeviceInfo> disks = EnumerateMakerDisks();
    ASSERT_EQ(disks.size(), 2u);
    EXPECT_EQ(disks[0].interfacePath,
              L"\\\\?\\usbstor#disk&ven_qrx&prod_korvan#3#{53f56307-b6bf-11d0-94f2-00a0c91efb8b}");
    EXPECT_EQ(disks[0].friendlyName, L"Quarrix KORVAN USB Device");
    EXPECT_EQ(disks[0].diskNumber, 3u);
    EXPECT_EQ(disks[0].length, 2000398934016);
    EXPECT_EQ(disks[1].friendlyName, L"");
    EXPECT_EQ(disks[1].diskNumber, 1u);
    EXPECT_EQ(disks[1].length, 500107862016);
}

TEST(EnumerateMakerDisks, ReadsTheFileAgainOnEveryCall) {
    TempFolder folder;
    const std::wstring path = folder.path + L"disks.txt";
    ScopedEnvironment named(kVirtualDisksVariable, path.c_str());

    // No file yet: the default disks are written and their three maker disks listed.
    std::vector<DiskDeviceInfo> disks = EnumerateMakerDisks();
    ASSERT_EQ(disks.size(), 3u);
    EXPECT_EQ(disks[0].friendlyName, L"Quarrix QX7 USB Device");
    EXPECT_TRUE(FileExists(path));

    ASSERT_TRUE(ReplaceWholeFile(path, kScanDisks));
    EXPECT_EQ(EnumerateMakerDisks().size(), 2u);

    ASSERT_TRUE(ReplaceWholeFile(path, "# every drive unplugged\n"));
    EXPECT_TRUE(EnumerateMakerDisks().empty());

    ASSERT_TRUE(ReplaceWholeFile(path, "[disk]\nnumber = lots\n"));
    EXPECT_TRUE(EnumerateMakerDisks().empty());
}

}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
