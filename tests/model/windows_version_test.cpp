// The Windows version table: every row, the build boundaries and the unknown cases.
#include "model/windows_version.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace
{
struct VersionCase
{
    unsigned long nPlatformId;
    unsigned long nMajor;
    unsigned long nMinor;
    unsigned long nBuild;
    int nCode;
    const char* pszName;
};

constexpr unsigned long k9x = kPlatformWindows9x;
constexpr unsigned long kNT = kPlatformNT;
constexpr const char* kUnknown = "unknown Windows version";

TEST(IdentifyWindows, Table)
{
    const VersionCase cases[] = {
        {k9x, 4, 0, 949, 0, kUnknown},
        {k9x, 4, 0, 950, 1, "Windows 95"},
        {k9x, 4, 0, 951, 2, "Windows 95 SP1"},
        {k9x, 4, 0, 1080, 2, "Windows 95 SP1"},
        {k9x, 4, 0, 1081, 3, "Windows 95 OSR2"},
        {k9x, 4, 0, 0xFFFF, 3, "Windows 95 OSR2"},
        {k9x, 4, 10, 1997, 0, kUnknown},
        {k9x, 4, 10, 1998, 4, "Windows 98"},
        {k9x, 4, 10, 1999, 5, "Windows 98 SP1"},
        {k9x, 4, 10, 2182, 5, "Windows 98 SP1"},
        {k9x, 4, 10, 2183, 6, "Windows 98 SE"},
        {k9x, 4, 90, 0, 7, "Windows ME"},
        {k9x, 4, 90, 3000, 7, "Windows ME"},
        {k9x, 4, 1, 1998, 0, kUnknown},
        {k9x, 5, 0, 950, 0, kUnknown},
        {kNT, 3, 51, 1057, 101, "Windows NT 3.51"},
        {kNT, 3, 50, 807, 0, kUnknown},
        {kNT, 4, 0, 1381, 102, "Windows NT 4"},
        {kNT, 5, 0, 2195, 103, "Windows 2000"},
        {kNT, 5, 1, 2600, 104, "Windows XP"},
        {kNT, 5, 2, 3790, 0, kUnknown},
        {kNT, 6, 1, 7601, 0, kUnknown},
        {kNT, 10, 0, 19045, 0, kUnknown},
        {kPlatformCE, 3, 0, 0, 201, "Windows CE"},
        {kPlatformCE, 6, 0, 1, 201, "Windows CE"},
        {0, 3, 10, 0, 0, kUnknown}, // Win32s
        {kNT, 4, 0, 0, 102, "Windows NT 4"},
        {7, 5, 1, 2600, 0, kUnknown},
    };
    for (const VersionCase& c : cases)
    {
        const WindowsVersion version =
            IdentifyWindows(WindowsVersionFacts{c.nPlatformId, c.nMajor, c.nMinor, c.nBuild});
        EXPECT_EQ(version.nCode, c.nCode)
            << c.nPlatformId << ' ' << c.nMajor << '.' << c.nMinor << '.' << c.nBuild;
        EXPECT_EQ(std::string(version.pszName), c.pszName);
    }
}

TEST(IdentifyWindows, OnlyTheLowWordOfTheBuildCounts)
{
    // Windows 98 reports its build as 4.10 in the high word: 0x040A07CE is build 1998.
    EXPECT_EQ(IdentifyWindows(WindowsVersionFacts{k9x, 4, 10, 0x040A07CE}).nCode, 4);
    EXPECT_EQ(IdentifyWindows(WindowsVersionFacts{k9x, 4, 0, 0x040003B6}).nCode, 1);
    EXPECT_EQ(IdentifyWindows(WindowsVersionFacts{k9x, 4, 0, 0x10000 + 949}).nCode, 0);
}

TEST(IdentifyWindows, FailedQueryIsUnknown)
{
    const WindowsVersion version = IdentifyWindows(std::nullopt);
    EXPECT_EQ(version.nCode, 0);
    EXPECT_EQ(std::string(version.pszName), kUnknown);
}

TEST(IdentifyWindows, VisualStylesStartWithWindowsXP)
{
    EXPECT_EQ(IdentifyWindows(WindowsVersionFacts{kNT, 5, 1, 2600}).nCode, kFirstVisualStylesWindowsCode);
    EXPECT_LT(IdentifyWindows(WindowsVersionFacts{kNT, 5, 0, 2195}).nCode, kFirstVisualStylesWindowsCode);
}
} // namespace
