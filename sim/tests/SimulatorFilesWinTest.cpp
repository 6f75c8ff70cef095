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
    const std::wstring besideProgram = RunningProgramFolder() + L"virtual-disks.txt";
    EXPECT_TRUE(FileExists(RunningProgramFolder() + L"sim_files_win_tests.exe"));
    const struct {
        const wchar_t* variable;
        std::wstring path;
    } cases[] = {{L"D:\\tests\\disks.txt", L"D:\\tests\\disks.txt"}, {nullptr, besideProgram}, {L"", besideProgram}};
    for (const auto& c : cases) {
        ScopedEnvironment named(kVirtualDisksVariable, c.variable);
        EXPECT_EQ(VirtualDisksFilePath(), c.path);
    }
}

TEST(EnsureVirtualDisksFile, WritesTheDefaultDisksOnceAndPublishesTheFullPath) {
    TempFolder folder;
    const std::wstring path = folder.path + L"disks.txt";
    wchar_t oldDirectory[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, oldDirectory);
    ASSERT_TRUE(SetCurrentDirectoryW(folder.path.c_str()));
    {
        // The utilities start in another folder: a relative name is published as a full path.
        ScopedEnvironment named(kVirtualDisksVariable, L"disks.txt");
        EXPECT_EQ(EnsureVirtualDisksFile(), path);
        EXPECT_EQ(EnvironmentValue(kVirtualDisksVariable), path);
    }
    SetCurrentDirectoryW(oldDirectory);
    EXPECT_EQ(ReadWholeFile(path), DefaultVirtualDisksText());

    // An existing file is the test's own: it is left as it is.
    ScopedEnvironment named(kVirtualDisksVariable, path.c_str());
    ASSERT_TRUE(ReplaceWholeFile(path, "[disk]\nnumber = 9\n"));
    EXPECT_EQ(EnsureVirtualDisksFile(), path);
    EXPECT_EQ(ReadWholeFile(path), std::string("[disk]\nnumber = 9\n"));
}

TEST(SaveVirtualDisks, ReplacesTheFileWholeEvenWhileAReaderHoldsItForAMoment) {
    TempFolder folder;
    const std::wstring path = folder.path + L"disks.txt";
    EXPECT_NE(LoadVirtualDisks(path).error.find("cannot read "), std::string::npos);
    ASSERT_TRUE(ReplaceWholeFile(path, std::string(100000, '#')));

    // A reader (the simulator scanning) has the file open, as ReadWholeFile opens it; the file
    // cannot be replaced until it is closed.
    HANDLE reader = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    std::thread closer([reader] {
        Sleep(200);
        CloseHandle(reader);
    });
    std::vector<VirtualDisk> disks = ParseVirtualDisks(DefaultVirtualDisksText()).disks;
    disks[1].otherKeys["note"] = "kept";
    const bool saved = SaveVirtualDisks(path, disks);
    closer.join();
    ASSERT_TRUE(saved);
    EXPECT_EQ(ReadWholeFile(path), SerializeVirtualDisks(disks));
    EXPECT_EQ(FilesIn(folder.path), 1u);
    const VirtualDiskParse loaded = LoadVirtualDisks(path);
    ASSERT_EQ(loaded.error, "");
    EXPECT_EQ(SerializeVirtualDisks(loaded.disks), SerializeVirtualDisks(disks));
}

TEST(EnumerateMakerDisks, ReadsTheFileOnEveryCallAndListsTheMakerDisksThatAnswer) {
    TempFolder folder;
    const std::wstring path = folder.path + L"disks.txt";
    ScopedEnvironment named(kVirtualDisksVariable, path.c_str());

    // No file yet: the default disks are written and their three maker disks listed.
    ASSERT_EQ(EnumerateMakerDisks().value_or(std::vector<DiskDeviceInfo>{}).size(), 3u);
    EXPECT_TRUE(FileExists(path));

    ASSERT_TRUE(ReplaceWholeFile(path,
                                 "[disk]\npath = \\\\?\\scsi#disk&ven_acme&prod_ssd#0\nname = ACME SSD\nnumber = 0\n"
                                 "[disk]\npath = \\\\?\\usbstor#disk&ven_qrx&prod_korvan#3\nname = Quarrix KORVAN\n"
                                 "number = 3\nlength = 2000398934016\n"
                                 "[disk]\npath = \\\\?\\usbstor#disk&ven_qrx&prod_qx7#5\nnumber = 5\nopen = fail\n"
                                 "[disk]\npath = \\\\?\\usbstor#disk&ven_qrx&prod_qx7#6\nnumber = 6\nioctl = fail\n"
                                 "[disk]\npath = \\\\?\\usbstor#disk&ven_qrx&prod_qx7fips#1\nname = Quarrix QX7FIPS\n"
                                 "name-unreadable = yes\nnumber = 1\nlength = 500107862016\n"));
    const std::vector<DiskDeviceInfo> disks = EnumerateMakerDisks().value_or(std::vector<DiskDeviceInfo>{});
    ASSERT_EQ(disks.size(), 2u);
    EXPECT_EQ(disks[0].interfacePath, L"\\\\?\\usbstor#disk&ven_qrx&prod_korvan#3");
    EXPECT_EQ(disks[0].friendlyName, L"Quarrix KORVAN");
    EXPECT_EQ(disks[0].diskNumber, 3u);
    EXPECT_EQ(disks[0].length, 2000398934016);
    EXPECT_EQ(disks[1].friendlyName, L"");
    EXPECT_EQ(disks[1].diskNumber, 1u);
    EXPECT_EQ(disks[1].length, 500107862016);

    ASSERT_TRUE(ReplaceWholeFile(path, "[disk]\npath = \\\\?\\usbstor#disk&ven_qrx&prod_qx7#1\nnumber = lots\n"));
    EXPECT_FALSE(EnumerateMakerDisks().has_value());
}

}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
