// The table of known Windows versions and their codes.
#include "model/windows_version.h"

namespace
{
constexpr unsigned long kAnyBuild = 0xFFFF;

struct WindowsVersionRow
{
    unsigned long nPlatformId;
    unsigned long nMajor;
    unsigned long nMinor;
    unsigned long nFirstBuild;
    unsigned long nLastBuild;
    WindowsVersion version;
};

constexpr WindowsVersionRow kWindowsVersions[] = {
    {kPlatformWindows9x, 4, 0, 950, 950, {1, "Windows 95"}},
    {kPlatformWindows9x, 4, 0, 951, 1080, {2, "Windows 95 SP1"}},
    {kPlatformWindows9x, 4, 0, 1081, kAnyBuild, {3, "Windows 95 OSR2"}},
    {kPlatformWindows9x, 4, 10, 1998, 1998, {4, "Windows 98"}},
    {kPlatformWindows9x, 4, 10, 1999, 2182, {5, "Windows 98 SP1"}},
    {kPlatformWindows9x, 4, 10, 2183, kAnyBuild, {6, "Windows 98 SE"}},
    {kPlatformWindows9x, 4, 90, 0, kAnyBuild, {7, "Windows ME"}},
    {kPlatformNT, 3, 51, 0, kAnyBuild, {101, "Windows NT 3.51"}},
    {kPlatformNT, 4, 0, 0, kAnyBuild, {102, "Windows NT 4"}},
    {kPlatformNT, 5, 0, 0, kAnyBuild, {103, "Windows 2000"}},
    {kPlatformNT, 5, 1, 0, kAnyBuild, {104, "Windows XP"}},
};

constexpr WindowsVersion kUnknownWindows{0, "unknown Windows version"};
constexpr WindowsVersion kWindowsCE{201, "Windows CE"};
} // namespace

WindowsVersion IdentifyWindows(const std::optional<WindowsVersionFacts>& facts)
{
    if (!facts)
        return kUnknownWindows;
    if (facts->nPlatformId == kPlatformCE)
        return kWindowsCE;
    const unsigned long nBuild = facts->nBuild & 0xFFFF;
    for (const WindowsVersionRow& row : kWindowsVersions)
        if (row.nPlatformId == facts->nPlatformId && row.nMajor == facts->nMajor &&
            row.nMinor == facts->nMinor && nBuild >= row.nFirstBuild && nBuild <= row.nLastBuild)
            return row.version;
    return kUnknownWindows;
}
