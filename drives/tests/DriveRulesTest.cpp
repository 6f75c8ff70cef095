#include "drives/DriveRules.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

constexpr std::int64_t kGiB = std::int64_t{1} << 30;

struct PathCase {
    const wchar_t* path;
    bool maker;
};

TEST(DriveRulesTest, MakerDevicePathNeedsLowerCaseVendorCodeWithBothAmpersands) {
    const PathCase cases[] = {
        {L"\\\\?\\usbstor#disk&ven_qrx&prod_qx7&rev_1.00#0123456789&0#{53f56307-b6bf-11d0-94f2-00a0c91efb8b}", true},
        {L"&ven_qrx&", true},
        {L"\\\\?\\usbstor#disk&VEN_QRX&prod_qx7&rev_1.00#0123456789&0", false},
        {L"\\\\?\\usbstor#disk&ven_qrx_prod_qx7", false},
        {L"\\\\?\\usbstor#disk&ven_qrx", false},
        {L"\\\\?\\usbstor#diskven_qrx&prod_qx7", false},
        {L"\\\\?\\usbstor#disk&ven_acme&prod_stick&rev_1.00", false},
        {L"", false},
    };
    for (const PathCase& c : cases) {
        EXPECT_EQ(IsMakerDevicePath(c.path), c.maker) << c.path;
    }
}

struct ModelCase {
    const wchar_t* friendlyName;
    const wchar_t* model;
};

TEST(DriveRulesTest, ModelDisplayNameAppliesFirstFoundPatternElseKeepsFriendlyName) {
    const ModelCase cases[] = {
        {L"Quarrix QX7 USB Device", L"Quarrix QX7"},
        {L"Quarrix QX7FIPS USB Device", L"Quarrix QX7 FIPS"},
        {L"Quarrix KORVAN USB Device", L"Quarrix Enterprise"},
        // " QX7 " is looked for first, so it wins over a later pattern in the same name.
        {L"Maker QX7 KORVAN USB Device", L"Quarrix QX7"},
        {L"Maker QX7FIPS KORVAN USB Device", L"Quarrix QX7 FIPS"},
        // Case-sensitive, and the blanks around a pattern are part of it.
        {L"Quarrix qx7 USB Device", L"Quarrix qx7 USB Device"},
        {L"QX7 USB Device", L"QX7 USB Device"},
        {L"Quarrix QX7", L"Quarrix QX7"},
        {L"Quarrix QX7-USB Device", L"Quarrix QX7-USB Device"},
        {L"Quarrix KORVAN USBDevice", L"Quarrix KORVAN USBDevice"},
        {L"Acme Stick USB Device", L"Acme Stick USB Device"},
        {L"", L""},
    };
    for (const ModelCase& c : cases) {
        EXPECT_EQ(ModelDisplayName(c.friendlyName), c.model) << c.friendlyName;
    }
}

struct SizeCase {
    std::int64_t wholeGiB;
    std::int64_t nominal;
};

// Every bound of the rounding ranges, from both sides.
const SizeCase kSizeBoundaries[] = {
    {0, 0},       {60, 60},     {61, 80},     {79, 80},     {80, 80},     {100, 100},
    {101, 120},   {119, 120},   {120, 120},   {121, 160},   {159, 160},   {160, 160},
    {200, 200},   {201, 250},   {249, 250},   {250, 250},   {298, 298},   {300, 300},
    {301, 320},   {399, 320},   {400, 400},   {401, 500},   {499, 500},   {500, 500},
    {900, 900},   {901, 1000},  {999, 1000},  {1000, 1000}, {1100, 1100}, {1300, 1300},
    {1301, 1500}, {1599, 1500}, {1600, 1600}, {1800, 1800}, {1801, 2000}, {2099, 2000},
    {2100, 2100}, {5000, 5000},
};

TEST(DriveRulesTest, NominalSizeRoundsWholeGibibytesAtEveryRangeBound) {
    for (const SizeCase& c : kSizeBoundaries) {
        EXPECT_EQ(NominalSizeGB(c.wholeGiB * kGiB), c.nominal) << c.wholeGiB << " GiB exactly";
        // Everything short of the next gibibyte is cut off, never rounded up.
        EXPECT_EQ(NominalSizeGB(c.wholeGiB * kGiB + kGiB - 1), c.nominal) << c.wholeGiB << " GiB and a bit";
    }
}

struct LengthCase {
    std::int64_t lengthBytes;
    std::int64_t nominal;
};

TEST(DriveRulesTest, NominalSizeOfRealDriveLengths) {
    const LengthCase cases[] = {
        {1000204886016, 1000},  // 931 GiB
        {500107862016, 500},    // 465 GiB
        {1500301910016, 1500},  // 1397 GiB
        {2000398934016, 2000},  // 1863 GiB
        {320072933376, 298},    // 298 GiB: below the 320 range
    };
    for (const LengthCase& c : cases) {
        EXPECT_EQ(NominalSizeGB(c.lengthBytes), c.nominal) << c.lengthBytes << " bytes";
    }
}

TEST(DriveRulesTest, NominalSizeOfNegativeLengthTruncatesTowardZeroAndStaysUnrounded) {
    EXPECT_EQ(NominalSizeGB(-1), 0);
    EXPECT_EQ(NominalSizeGB(-kGiB - 1), -1);
    EXPECT_EQ(NominalSizeGB(-70 * kGiB), -70);
    EXPECT_EQ(NominalSizeGB(-950 * kGiB), -950);
}

struct EntryCase {
    std::uint32_t diskNumber;
    const wchar_t* model;
    std::int64_t nominal;
    const wchar_t* entry;
};

TEST(DriveRulesTest, DriveEntryJoinsSignedDiskNumberModelAndSizePart) {
    const EntryCase cases[] = {
        {1, L"Quarrix QX7", 1000, L"[1] - Quarrix QX7 (1TB)"},
        {2, L"Quarrix Enterprise", 500, L"[2] - Quarrix Enterprise (500GB)"},
        {3, L"Quarrix QX7 FIPS", 1500, L"[3] - Quarrix QX7 FIPS (1.5TB)"},
        {4, L"Quarrix QX7", 2000, L"[4] - Quarrix QX7 (2TB)"},
        {0, L"Quarrix QX7", 0, L"[0] - Quarrix QX7 (0GB)"},
        {12, L"Quarrix QX7", 298, L"[12] - Quarrix QX7 (298GB)"},
        {5, L"Quarrix QX7", 1100, L"[5] - Quarrix QX7 (1100GB)"},
        {6, L"Quarrix QX7", 3000, L"[6] - Quarrix QX7 (3000GB)"},
        {7, L"Quarrix QX7", 100, L"[7] - Quarrix QX7 (100GB)"},
        {8, L"", 80, L"[8] -  (80GB)"},
        {9, L"Quarrix QX7", -5, L"[9] - Quarrix QX7 (-5GB)"},
        {2147483647u, L"Quarrix QX7", 1000, L"[2147483647] - Quarrix QX7 (1TB)"},
        {2147483648u, L"Quarrix QX7", 1000, L"[-2147483648] - Quarrix QX7 (1TB)"},
        {4294967295u, L"Quarrix QX7", 1000, L"[-1] - Quarrix QX7 (1TB)"},
    };
    for (const EntryCase& c : cases) {
        EXPECT_EQ(FormatDriveEntry(c.diskNumber, c.model, c.nominal), c.entry);
    }
}

TEST(DriveRulesTest, DriveEntryOfRealOneTerabyteQx7) {
    const std::int64_t length = 1000204886016;
    EXPECT_EQ(FormatDriveEntry(1, ModelDisplayName(L"Quarrix QX7 USB Device"), NominalSizeGB(length)),
              L"[1] - Quarrix QX7 (1TB)");
}

struct ListedCase {
    const wchar_t* friendlyName;
    bool listed;
    const wchar_t* model;
};

TEST(DriveRulesTest, ListedModelTextSkipsOnlyModelTextsHoldingUsbstor) {
    const ListedCase cases[] = {
        {L"", true, kUnnamedDriveModel},
        {L"Quarrix QX7 USB Device", true, L"Quarrix QX7"},
        {L"Quarrix KORVAN USB Device", true, L"Quarrix Enterprise"},
        {L"Acme Stick USB Device", true, L"Acme Stick USB Device"},
        {L"USBSTOR", false, L""},
        {L"USBSTOR\\Disk&Ven_QRX", false, L""},
        {L"usbstor", true, L"usbstor"},
        // The test looks at the model text, which a known pattern has already replaced.
        {L"USBSTOR QX7 Device", true, L"Quarrix QX7"},
    };
    for (const ListedCase& c : cases) {
        DiskDeviceInfo disk;
        disk.friendlyName = c.friendlyName;
        disk.diskNumber = 1;
        disk.length = 1000 * kGiB;
        const std::optional<std::wstring> model = ListedModelText(disk);
        ASSERT_EQ(model.has_value(), c.listed) << c.friendlyName;
        if (c.listed) {
            EXPECT_EQ(*model, c.model);
        }
    }
}

}  // namespace
