// The Windows version code: which system the program runs on, from the facts the system reports.
#pragma once

#include <optional>

// Platform identifiers as the system reports them.
constexpr unsigned long kPlatformWindows9x = 1;
constexpr unsigned long kPlatformNT = 2;
constexpr unsigned long kPlatformCE = 3;

// Windows XP: the first code of a system that may have visual styles.
constexpr int kFirstVisualStylesWindowsCode = 104;

struct WindowsVersionFacts
{
    unsigned long nPlatformId;
    unsigned long nMajor;
    unsigned long nMinor;
    // Only the low 16 bits count: Windows 9x keeps the version in the high ones.
    unsigned long nBuild;
};

struct WindowsVersion
{
    int nCode;
    const char* pszName;
};

// Code 0, "unknown Windows version", for a system outside the table and for a failed query
// (no facts).
WindowsVersion IdentifyWindows(const std::optional<WindowsVersionFacts>& facts);
