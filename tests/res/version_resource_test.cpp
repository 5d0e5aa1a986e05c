// The version resource of each shipped program: its texts give the fixed version as
// "2.1.0.71", the way Windows and the uninstall entry write it.
#include "shipped_programs.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
std::string Dotted(DWORD dwHigh, DWORD dwLow)
{
    return std::to_string(HIWORD(dwHigh)) + '.' + std::to_string(LOWORD(dwHigh)) + '.' +
           std::to_string(HIWORD(dwLow)) + '.' + std::to_string(LOWORD(dwLow));
}

TEST(VersionResourceTest, VersionTextsAreTheFixedVersionsWithPoints)
{
    for (const char* pszProgram : kShippedPrograms)
    {
        DWORD dwHandle = 0;
        std::vector<BYTE> data(::GetFileVersionInfoSizeA(pszProgram, &dwHandle));
        ASSERT_FALSE(data.empty()) << pszProgram;
        ASSERT_TRUE(::GetFileVersionInfoA(pszProgram, 0, static_cast<DWORD>(data.size()), data.data()));
        void* pValue = nullptr;
        UINT nLength = 0;
        ASSERT_TRUE(::VerQueryValueA(data.data(), "\\", &pValue, &nLength));
        const auto& fixed = *static_cast<const VS_FIXEDFILEINFO*>(pValue);
        EXPECT_EQ(Dotted(fixed.dwFileVersionMS, fixed.dwFileVersionLS), "2.1.0.71") << pszProgram;
        EXPECT_EQ(Dotted(fixed.dwProductVersionMS, fixed.dwProductVersionLS), "2.1.0.71") << pszProgram;
        for (const char* pszKey : {"FileVersion", "ProductVersion"})
        {
            const std::string strPath = std::string("\\StringFileInfo\\040C04E4\\") + pszKey;
            ASSERT_TRUE(::VerQueryValueA(data.data(), strPath.c_str(), &pValue, &nLength))
                << pszProgram << " " << pszKey;
            EXPECT_STREQ(static_cast<const char*>(pValue), "2.1.0.71") << pszProgram << " " << pszKey;
        }
    }
}
} // namespace
