// A module's version resource: string values of one language block, and the fixed versions.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class CVersionInfo
{
public:
    // The resource of the module (the program itself when null); empty when it has none.
    explicit CVersionInfo(HMODULE hModule = nullptr);

    // The text under "\StringFileInfo\<block>\<key>", or empty when absent.
    std::string GetString(const char* pszBlock, const char* pszKey) const;
    // "%u,%u,%u,%u" of the fixed file and product versions; empty without a resource.
    std::string GetFileVersion() const;
    std::string GetProductVersion() const;

private:
    const VS_FIXEDFILEINFO* FixedInfo() const;
    std::vector<BYTE> m_data;
};

// The program's own strings are read from this block.
constexpr const char* kVersionBlock = "040C04E4";
