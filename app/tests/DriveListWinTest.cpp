// The drive list, the letter list and the file-system list as the scan fills them from the
// simulator's virtual disks, on start-up, on device changes and on the magnifying glass.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cwctype>

#include "app/tests/support/RunningProgram.h"
#include "app/tests/support/ScopedDriveLetter.h"
#include "app/tests/support/TestEnvironment.h"
#include "app/tests/support/WindowTexts.h"
#include "drives/LetterRules.h"

namespace {

using Entries = std::vector<std::wstring>;

constexpr std::int64_t k1TB = 1000204886016;
constexpr std::int64_t k500GB = 500107862016;
constexpr std::int64_t k2TB = 2000398934016;
const Entries kFileSystems = {L"NTFS", L"exFAT"};

// The letters the program should offer on this machine: D: to Z: less Wine's own drive roots.
Entries ExpectedFreeLetters() {
    char roots[1024] = {};
    const DWORD length = ::GetLogicalDriveStringsA(sizeof(roots), roots);
    return FreeDriveLetters(std::string(roots, length));
}

TEST(DriveList, OneDriveIsListedSelectedAndEnabledWithLettersAndFileSystems) {
    TestEnvironment environment({MakerDisk(1, "Quarrix QX7 USB Device", k1TB)});
    RunningProgram program;
    EXPECT_EQ(program.Drives(), Entries{L"[1] - Quarrix QX7 (1TB)"});
    EXPECT_EQ(program.SelectedDrive(), L"[1] - Quarrix QX7 (1TB)");
    EXPECT_TRUE(::IsWindowEnabled(program.Item(IDC_DRIVE_LIST)));
    EXPECT_EQ(program.FileSystems(), kFileSystems);
    EXPECT_EQ(program.SelectedFileSystem(), L"NTFS");
    const Entries letters = ExpectedFreeLetters();
    ASSERT_FALSE(letters.empty());
    EXPECT_EQ(program.Letters(), letters);
    EXPECT_EQ(program.SelectedLetter(), letters.front());
}

TEST(DriveList, OnlyIdentifiableMakerDisksThatAnswerAreListedInSortedOrder) {
    VirtualDisk otherVendor = MakerDisk(0, "Acme Disk QX7 Device", k1TB);
    otherVendor.path = "\\\\?\\usbstor#disk&ven_acme&prod_x&rev_1.00#0&0#{53f56307-b6bf-11d0-94f2-00a0c91efb8b}";
    VirtualDisk capitalVendor = MakerDisk(9, "Quarrix QX7 USB Device", k1TB);
    capitalVendor.path = "\\\\?\\usbstor#disk&VEN_QRX&prod_x&rev_1.00#9&0#{53f56307-b6bf-11d0-94f2-00a0c91efb8b}";
    VirtualDisk unopenable = MakerDisk(6, "Quarrix QX7 USB Device", k1TB);
    unopenable.openFails = true;
    VirtualDisk silentRequests = MakerDisk(7, "Quarrix QX7 USB Device", k1TB);
    silentRequests.ioctlFails = true;
    VirtualDisk genericName = MakerDisk(8, "USBSTOR\\Disk", k1TB);
    VirtualDisk unnamed = MakerDisk(5, "", 320072933376);
    unnamed.nameUnreadable = true;

    TestEnvironment environment({MakerDisk(3, "Quarrix QX7FIPS USB Device", k500GB), otherVendor, capitalVendor,
                                 MakerDisk(1, "Quarrix QX7 USB Device", k1TB), unopenable, silentRequests, genericName,
                                 MakerDisk(2, "Quarrix KORVAN USB Device", k2TB), unnamed});
    RunningProgram program;
    EXPECT_EQ(program.Drives(), (Entries{L"[1] - Quarrix QX7 (1TB)", L"[2] - Quarrix Enterprise (2TB)",
                                         L"[3] - Quarrix QX7 FIPS (500GB)", L"[5] - Unnamed Quarrix drive (298GB)"}));
    EXPECT_EQ(program.SelectedDrive(), L"[1] - Quarrix QX7 (1TB)");
    EXPECT_TRUE(::IsWindowEnabled(program.Item(IDC_DRIVE_LIST)));
}

TEST(DriveList, FriendlyNamesWithoutAKnownModelAreShownUnchanged) {
    TestEnvironment environment({MakerDisk(4, "quarrix qx7 usb device", k500GB), MakerDisk(12, "QX7 Device", 0)});
    RunningProgram program;
    EXPECT_EQ(program.Drives(), (Entries{L"[12] - QX7 Device (0GB)", L"[4] - quarrix qx7 usb device (500GB)"}));
}

TEST(DriveList, NoDriveShowsTheNoDriveEntryDisabledAndLeavesTheLetterListEmpty) {
    TestEnvironment environment({});
    RunningProgram program;
    EXPECT_EQ(program.Drives(), Entries{kNoDrivesText});
    EXPECT_EQ(program.SelectedDrive(), kNoDrivesText);
    EXPECT_FALSE(::IsWindowEnabled(program.Item(IDC_DRIVE_LIST)));
    EXPECT_EQ(program.FileSystems(), kFileSystems);
    EXPECT_EQ(program.SelectedFileSystem(), L"NTFS");
    EXPECT_TRUE(program.Letters().empty());
}

// A maker drive that cannot be opened or does not answer is named while no drive is listed.
TEST(DriveList, AMakerDriveThatDoesNotAnswerIsNamedUntilADriveIsListed) {
    VirtualDisk silent = MakerDisk(6, "Quarrix QX7 USB Device", k1TB), locked = silent, refused = silent;
    silent.ioctlFails = locked.openFails = refused.openFails = refused.openDenied = true;
    TestEnvironment environment({silent});
    RunningProgram program;
    EXPECT_EQ(program.Status(), kNotReadyText);
    environment.WriteDisks({locked});
    program.SendDeviceChange();
    EXPECT_EQ(program.Status(), kNotReadyText);
    environment.WriteDisks({refused});
    program.SendDeviceChange();
    EXPECT_EQ(program.Status(), kAccessRefusedText);
    environment.WriteDisks({refused, locked});
    program.SendDeviceChange();
    EXPECT_EQ(program.Status(), kNotReadyText);
    environment.WriteDisks({locked, MakerDisk(1, "Quarrix QX7 USB Device", k1TB)});
    program.SendDeviceChange();
    EXPECT_EQ(program.Status(), kIdleWarning);
}

TEST(DriveList, ARescanKeepsTheFileSystemAndTheLetterWhileItIsFree) {
    TestEnvironment environment({MakerDisk(1, "Quarrix QX7 USB Device", k1TB)});
    RunningProgram program;
    const Entries letters = program.Letters();
    ASSERT_GE(letters.size(), 3u);
    program.SelectFileSystem(L"exFAT");
    program.SelectLetter(letters[2]);
    program.TypeLabel(L"Photos");
    ASSERT_EQ(program.SelectedFileSystem(), L"exFAT");

    program.SendDeviceChange();
    EXPECT_EQ(program.SelectedFileSystem(), L"exFAT");
    EXPECT_EQ(program.SelectedLetter(), letters[2]);
    // The label is the user's own text and stays.
    EXPECT_EQ(TextOf(program.Item(IDC_LABEL_EDIT)), L"Photos");

    // Meanwhile the chosen letter was taken, and the user's saved network drive holds another
    // (an elevated program sees no root for it): the letter falls back to the first free one.
    ScopedDriveLetter taken(letters[2][0]);
    ASSERT_TRUE(taken.Exists());
    const ScopedSavedNetworkDrive networkDrive(letters[0][0]);
    program.SendDeviceChange();
    Entries free = letters;
    free.erase(free.begin() + 2);
    free.erase(free.begin());
    EXPECT_EQ(program.Letters(), free);
    EXPECT_EQ(program.SelectedLetter(), free.front());
    EXPECT_EQ(program.SelectedFileSystem(), L"exFAT");
}

TEST(DriveList, TheListFollowsDrivesArrivingAndLeaving) {
    TestEnvironment environment({MakerDisk(1, "Quarrix QX7 USB Device", k1TB)});
    RunningProgram program;
    const Entries letters = program.Letters();

    environment.WriteDisks({MakerDisk(1, "Quarrix QX7 USB Device", k1TB), MakerDisk(2, "Quarrix QX7 USB Device", k500GB)});
    program.SendDeviceChange(0x8000);  // arrival
    EXPECT_EQ(program.Drives(), (Entries{L"[1] - Quarrix QX7 (1TB)", L"[2] - Quarrix QX7 (500GB)"}));

    // A device change that leaves the chosen drive attached (a mouse plugged in) keeps it chosen;
    // one that takes it away selects the first entry.
    program.SelectDrive(1);
    program.SendDeviceChange(0x0007);
    EXPECT_EQ(program.SelectedDrive(), L"[2] - Quarrix QX7 (500GB)");
    environment.WriteDisks({MakerDisk(1, "Quarrix QX7 USB Device", k1TB)});
    program.SendDeviceChange(0x8004);
    EXPECT_EQ(program.SelectedDrive(), L"[1] - Quarrix QX7 (1TB)");

    environment.WriteDisks({});
    program.SendDeviceChange(0x8004);  // removal complete
    EXPECT_EQ(program.Drives(), Entries{kNoDrivesText});
    EXPECT_FALSE(::IsWindowEnabled(program.Item(IDC_DRIVE_LIST)));
    // Without a drive the letter list keeps what it held.
    EXPECT_EQ(program.Letters(), letters);

    environment.WriteDisks({MakerDisk(2, "Quarrix QX7 USB Device", k500GB)});
    program.SendDeviceChange(0x0007);  // any event code rescans, e.g. DBT_DEVNODES_CHANGED
    EXPECT_EQ(program.Drives(), Entries{L"[2] - Quarrix QX7 (500GB)"});
    EXPECT_TRUE(::IsWindowEnabled(program.Item(IDC_DRIVE_LIST)));
}

TEST(DriveList, WithoutTheSetOfDisksTheScanEmptiesTheDriveListAndLeavesTheRestAlone) {
    TestEnvironment environment({MakerDisk(1, "Quarrix QX7 USB Device", k1TB)});
    RunningProgram program;
    program.SelectFileSystem(L"exFAT");
    const Entries letters = program.Letters();

    // An unreadable virtual-disks file stands for a system that cannot give its set of disks.
    ASSERT_TRUE(ReplaceWholeFile(environment.DisksFile(), "[disk]\nnumber = lots\n"));
    program.SendDeviceChange();
    EXPECT_TRUE(program.Drives().empty());
    EXPECT_TRUE(::IsWindowEnabled(program.Item(IDC_DRIVE_LIST)));
    EXPECT_EQ(program.SelectedFileSystem(), L"exFAT");
    EXPECT_EQ(program.Letters(), letters);
}

TEST(DriveList, TheMagnifyingGlassRescansAndDropsTheListOpen) {
    TestEnvironment environment({});
    RunningProgram program;
    environment.WriteDisks({MakerDisk(1, "Quarrix QX7 USB Device", k1TB)});
    PostClick(program.Window(), IDC_SEARCH_ICON);
    ASSERT_TRUE(WaitUntil([&] { return ::SendMessageW(program.Item(IDC_DRIVE_LIST), CB_GETDROPPEDSTATE, 0, 0) != 0; },
                          5000));
    EXPECT_EQ(program.Drives(), Entries{L"[1] - Quarrix QX7 (1TB)"});
    EXPECT_FALSE(program.Letters().empty());
}

TEST(DriveList, TheMagnifyingGlassDropsTheListOpenAlsoWithoutADrive) {
    TestEnvironment environment({});
    RunningProgram program;
    PostClick(program.Window(), IDC_SEARCH_ICON);
    EXPECT_TRUE(WaitUntil([&] { return ::SendMessageW(program.Item(IDC_DRIVE_LIST), CB_GETDROPPEDSTATE, 0, 0) != 0; },
                          5000));
    EXPECT_EQ(program.Drives(), Entries{kNoDrivesText});
}

std::vector<VirtualDisk> EightDrives() {
    std::vector<VirtualDisk> disks;
    for (std::uint32_t n = 1; n <= 8; ++n) disks.push_back(MakerDisk(n, "Quarrix QX7 USB Device", k500GB));
    return disks;
}

TEST(DriveList, ADeviceChangeStormLeavesAConsistentListAndAWindowThatAnswers) {
    TestEnvironment environment(EightDrives());
    RunningProgram program;
    long long worstMs = 0;
    for (int round = 0; round < 3; ++round) {
        for (int i = 0; i < 20; ++i) ::PostMessageW(program.Window(), WM_DEVICECHANGE, 0x0007, 0);
        // Sent messages are answered between the queued scans, so the answer time is bounded by
        // one scan, however many device changes are queued.
        for (int probe = 0; probe < 10; ++probe) {
            const auto start = std::chrono::steady_clock::now();
            DWORD_PTR ignored = 0;
            ASSERT_TRUE(::SendMessageTimeoutW(program.Window(), WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored));
            const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
            worstMs = std::max<long long>(worstMs, ms);
        }
    }
    ASSERT_TRUE(WaitUntil([&] { return program.Drives().size() == 8; }, 5000));
    // Let the queued scans drain, then look again.
    DWORD_PTR ignored = 0;
    ::SendMessageTimeoutW(program.Window(), WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored);
    ::Sleep(300);
    EXPECT_EQ(program.Drives().size(), 8u);
    EXPECT_EQ(program.SelectedDrive(), L"[1] - Quarrix QX7 (500GB)");
    EXPECT_EQ(program.FileSystems(), kFileSystems);
    EXPECT_EQ(program.Letters(), ExpectedFreeLetters());
    std::printf("device-change storm: worst answer %lld ms\n", worstMs);
    EXPECT_LT(worstMs, 100);
}

struct ProductNameCase {
    const wchar_t* productName;  // nullptr: the value is missing
    bool fileSystemListEnabled;
};

class ProductNameTest : public ::testing::TestWithParam<ProductNameCase> {};

TEST_P(ProductNameTest, OnlyWindowsXpFixesTheFileSystem) {
    const ProductNameCase& c = GetParam();
    TestEnvironment environment({MakerDisk(1, "Quarrix QX7 USB Device", k1TB)},
                                c.productName ? std::optional<std::wstring>(c.productName) : std::nullopt);
    RunningProgram program;
    EXPECT_EQ(::IsWindowEnabled(program.Item(IDC_FILE_SYSTEM_LIST)) != FALSE, c.fileSystemListEnabled);
    EXPECT_EQ(program.SelectedFileSystem(), L"NTFS");
    EXPECT_EQ(program.Dialog().m_osProductName, c.productName ? c.productName : L"");
    // A rescan refills the list but leaves it as enabled or disabled as it was.
    program.SendDeviceChange();
    EXPECT_EQ(::IsWindowEnabled(program.Item(IDC_FILE_SYSTEM_LIST)) != FALSE, c.fileSystemListEnabled);
    EXPECT_EQ(program.FileSystems(), kFileSystems);
}

INSTANTIATE_TEST_SUITE_P(ProductNames, ProductNameTest,
                         ::testing::Values(ProductNameCase{L"Microsoft Windows XP", false},
                                           ProductNameCase{L"Microsoft Windows XP Professional", true},
                                           ProductNameCase{L"microsoft windows xp", true},
                                           ProductNameCase{L"Windows 7 Professional", true},
                                           ProductNameCase{L"", true}, ProductNameCase{nullptr, true}));

TEST(Environment, TheTemporaryDirectoryIsTakenWithItsFinalBackslash) {
    TestEnvironment environment({MakerDisk(1, "Quarrix QX7 USB Device", k1TB)});
    RunningProgram program;
    EXPECT_EQ(program.Dialog().m_tempPath, environment.TempPath());
    EXPECT_EQ(program.Dialog().m_tempPath.back(), L'\\');
}

}  // namespace
