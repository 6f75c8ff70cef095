#include "drives/DriveRules.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace {

constexpr std::int64_t kGiB = std::int64_t{1} << 30;

TEST(DriveRulesTest, MakerDevicePathNeedsLowerCaseVendorCodeWithBothAmpersands) {
    const struct {
        const wchar_t* path;
        bool maker;
    } cases[] = {
        {L"\\\\?\\usbstor#disk&ven_qrx&prod_qx7&rev_1.00#0123456789&0#{53f56307-b6bf-11d0-94f2-00a0c91efb8b}", true},
        {L"\\\\?\\usbstor#disk&VEN_QRX&prod_qx7&rev_1.00#0123456789&0", false},
        {L"\\\\?\\usbstor#disk&ven_qrx_prod_qx7", false},
        {L"\\\\?\\usbstor#disk&ven_qrx", false},
        {L"\\\\?\\usbstor#diskven_qrx&prod_qx7", false},
        {L"\\\\?\\usbstor#disk&ven_acme&prod_stick&rev_1.00", false},
        // Turkish dotted and dotless i elsewhere in the path change nothing; the code is exact.
        {L"\\\\?\\USBSTOR#D\x0130SK&ven_qrx&prod_qx7", true},
        {L"\\\\?\\usbstor#d\x0131sk&ven_qrx&prod_qx7", true},
        {L"\\\\?\\usbstor#disk&VEN_QRX&prod_qx7", false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsMakerDevicePath(c.path), c.maker) << c.path;
}

TEST(DriveRulesTest, ModelDisplayNameAppliesFirstFoundPatternElseKeepsFriendlyName) {
    const struct {
        const wchar_t* friendlyName;
        const wchar_t* model;
    } cases[] = {
        {L"Quarrix QX7 USB Device", L"Quarrix QX7"},
        {L"Quarrix QX7FIPS USB Device", L"Quarrix QX7 FIPS"},
        {L"Quarrix KORVAN USB Device", L"Quarrix Enterprise"},
        {L"Maker QX7 KORVAN USB Device", L"Quarrix QX7"},
        {L"Maker QX7FIPS KORVAN USB Device", L"Quarrix QX7 FIPS"},
        // Case-sensitive, and the blanks around a pattern are part of it.
        {L"Quarrix qx7 USB Device", L"Quarrix qx7 USB Device"},
        {L"QX7 USB Device", L"QX7 USB Device"},
        {L"Quarrix QX7", L"Quarrix QX7"},
        {L"Quarrix KORVAN USBDevice", L"Quarrix KORVAN USBDevice"},
        {L"Acme Stick USB Device", L"Acme Stick USB Device"},
    };
    for (const auto& c : cases) EXPECT_EQ(ModelDisplayName(c.friendlyName), c.model) << c.friendlyName;
}

TEST(DriveRulesTest, NominalSizeRoundsWholeGibibytesAtEveryRangeBound) {
    const struct {
        std::int64_t wholeGiB;
        std::int64_t nominal;
    } cases[] = {
        {0, 0},       {60, 60},     {61, 80},     {79, 80},     {80, 80},     {100, 100},
        {101, 120},   {119, 120},   {120, 120},   {121, 160},   {159, 160},   {160, 160},
        {200, 200},   {201, 250},   {249, 250},   {250, 250},   {298, 298},   {300, 300},
        {301, 320},   {399, 320},   {400, 400},   {401, 500},   {499, 500},   {500, 500},
        {900, 900},   {901, 1000},  {999, 1000},  {1000, 1000}, {1100, 1100}, {1300, 1300},
        {1301, 1500}, {1599, 1500}, {1600, 1600}, {1800, 1800}, {1801, 2000}, {2099, 2000},
        {2100, 2100}, {5000, 5000},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NominalSizeGB(c.wholeGiB * kGiB), c.nominal) << c.wholeGiB << " GiB exactly";
        // Short of the next gibibyte is cut off, never rounded up.
        EXPECT_EQ(NominalSizeGB(c.wholeGiB * kGiB + kGiB - 1), c.nominal) << c.wholeGiB << " GiB and a bit";
    }
}

TEST(DriveRulesTest, NominalSizeOfRealAndNegativeLengths) {
    const struct {
        std::int64_t lengthBytes;
        std::int64_t nominal;
    } cases[] = {
        {1000204886016, 1000},  // 931 GiB
        {500107862016, 500},    // 465 GiB
        {1500301910016, 1500},  // 1397 GiB
        {2000398934016, 2000},  // 1863 GiB
        {320072933376, 298},    // 298 GiB: below the 320 range
        // Negative lengths truncate toward zero and are not rounded.
        {-1, 0},
        {-kGiB - 1, -1},
        {-70 * kGiB, -70},
    };
    for (const auto& c : cases) EXPECT_EQ(NominalSizeGB(c.lengthBytes), c.nominal) << c.lengthBytes << " bytes";
}

TEST(DriveRulesTest, DriveEntryJoinsSignedDiskNumberModelAndSizePart) {
    const struct {
        std::uint32_t diskNumber;
        const wchar_t* model;
        std::int64_t nominal;
        const wchar_t* entry;
    } cases[] = {
        {1, L"Quarrix QX7", 1000, L"[1] - Quarrix QX7 (1TB)"},
        {2, L"Quarrix Enterprise", 500, L"[2] - Quarrix Enterprise (500GB)"},
        {3, L"Quarrix QX7 FIPS", 1500, L"[3] - Quarrix QX7 FIPS (1.5TB)"},
        {4, L"Quarrix QX7", 2000, L"[4] - Quarrix QX7 (2TB)"},
        {0, L"Quarrix QX7", 0, L"[0] - Quarrix QX7 (0GB)"},
        {12, L"Quarrix QX7", 298, L"[12] - Quarrix QX7 (298GB)"},
        {6, L"Quarrix QX7", 3000, L"[6] - Quarrix QX7 (3000GB)"},
        {8, L"", 80, L"[8] -  (80GB)"},
        {9, L"Quarrix QX7", -5, L"[9] - Quarrix QX7 (-5GB)"},
        {2147483647u, L"Quarrix QX7", 1000, L"[2147483647] - Quarrix QX7 (1TB)"},
        {2147483648u, L"Quarrix QX7", 1000, L"[-2147483648] - Quarrix QX7 (1TB)"},
        {4294967295u, L"Quarrix QX7", 1000, L"[-1] - Quarrix QX7 (1TB)"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatDriveEntry(c.diskNumber, c.model, c.nominal), c.entry);
}

TEST(DriveRulesTest, DriveEntryOfRealOneTerabyteQx7) {
    EXPECT_EQ(FormatDriveEntry(1, ModelDisplayName(L"Quarrix QX7 USB Device"), NominalSizeGB(1000204886016)),
              L"[1] - Quarrix QX7 (1TB)");
}

TEST(DriveRulesTest, GptOnlyBeyondTwoToThe32Sectors) {
    for (const auto& [length, sectorSize, gpt] : {std::tuple{2199023255552, 512u, false}, {2199023255553, 512u, true},
                                                  {17592186044416, 4096u, false}, {17592186044417, 4096u, true}})
        EXPECT_EQ(NeedsGptPartitionTable(length, sectorSize), gpt) << length;
}

TEST(DriveRulesTest, ScanNoticeOnlyWhenNoDriveIsListedNamingTheAccountOnlyWhenEveryOpenWasRefused) {
    const std::optional<TextId> none, notReady = TextId::ScanNotReady, refused = TextId::ScanAccessRefused;
    for (const auto& [listed, passedOver, notice] :
         {std::tuple{false, PassedOverDevices{0, 0}, none}, {true, {1, 1}, none}, {false, {2, 1}, notReady},
          {false, {2, 2}, refused}})
        EXPECT_EQ(ScanNotice(listed, passedOver), notice) << passedOver.notAnswering << passedOver.openRefused;
}

TEST(DriveRulesTest, ListedModelTextSkipsOnlyModelTextsHoldingUsbstor) {
    const struct {
        const wchar_t* friendlyName;
        std::optional<std::wstring> model;
    } cases[] = {
        {L"", kUnnamedDriveModel},
        {L"Quarrix QX7 USB Device", L"Quarrix QX7"},
        {L"Acme Stick USB Device", L"Acme Stick USB Device"},
        {L"USBSTOR", std::nullopt},
        {L"USBSTOR\\Disk&Ven_QRX", std::nullopt},
        {L"usbstor", L"usbstor"},
        // The model text is tested after a known pattern has replaced it.
        {L"USBSTOR QX7 Device", L"Quarrix QX7"},
    };
    for (const auto& c : cases) {
        DiskDeviceInfo disk;
        disk.friendlyName = c.friendlyName;
        EXPECT_EQ(ListedModelText(disk), c.model) << c.friendlyName;
    }
}

TEST(DriveRulesTest, ChosenDriveStillPresentOnlyWhenItsNumberLeadsToTheSamePathAndEntry) {
    const auto disk = [](std::uint32_t number, const wchar_t* path, const wchar_t* name, std::int64_t length) {
        DiskDeviceInfo info;
        info.interfacePath = path;
        info.friendlyName = name;
        info.diskNumber = number;
        info.length = length;
        return info;
    };
    const DiskDeviceInfo chosen = disk(2, L"path-a", L"Quarrix QX7 USB Device", 1000204886016);
    const std::wstring entry = L"[2] - Quarrix QX7 (1TB)";
    const struct {
        const char* name;
        std::vector<DiskDeviceInfo> present;
        bool stillPresent;
    } cases[] = {
        {"unchanged", {disk(1, L"path-b", L"Quarrix QX7 USB Device", 1000204886016), chosen}, true},
        {"gone", {disk(1, L"path-b", L"Quarrix QX7 USB Device", 1000204886016)}, false},
        {"nothing present", {}, false},
        // Pulled, and a drive of the same model and size took its number: only the path tells.
        {"twin took the number", {disk(2, L"path-b", L"Quarrix QX7 USB Device", 1000204886016)}, false},
        {"same path, other size", {disk(2, L"path-a", L"Quarrix QX7 USB Device", 500107862016)}, false},
        {"same path, other number", {disk(3, L"path-a", L"Quarrix QX7 USB Device", 1000204886016)}, false},
        {"same path, no longer listed", {disk(2, L"path-a", L"USBSTOR", 1000204886016)}, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ChosenDriveStillPresent(c.present, L"2", L"path-a", entry), c.stillPresent) << c.name;
}

}  // namespace
