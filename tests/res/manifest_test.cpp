// The manifest of each shipped program as the system reads it from the built file: the
// supported Windows versions, GDI scaling, and no DPI awareness of its own.
#include "shipped_programs.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace
{
constexpr const wchar_t* kSettings2005 = L"http://schemas.microsoft.com/SMI/2005/WindowsSettings";
constexpr const wchar_t* kSettings2016 = L"http://schemas.microsoft.com/SMI/2016/WindowsSettings";
constexpr const wchar_t* kSettings2017 = L"http://schemas.microsoft.com/SMI/2017/WindowsSettings";

class CActivationContext
{
public:
    explicit CActivationContext(const char* pszProgram)
    {
        ACTCTXA context{};
        context.cbSize = sizeof context;
        context.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
        context.lpSource = pszProgram;
        context.lpResourceName = CREATEPROCESS_MANIFEST_RESOURCE_ID;
        m_hContext = ::CreateActCtxA(&context);
    }
    ~CActivationContext()
    {
        if (m_hContext != INVALID_HANDLE_VALUE)
            ::ReleaseActCtx(m_hContext);
    }
    CActivationContext(const CActivationContext&) = delete;
    CActivationContext& operator=(const CActivationContext&) = delete;

    HANDLE get() const { return m_hContext; }

    // The value of a windowsSettings element; nothing when the manifest has none.
    std::optional<std::wstring> Setting(const wchar_t* pszNamespace, const wchar_t* pszName) const
    {
        wchar_t szValue[64] = {};
        SIZE_T nWritten = 0;
        if (!::QueryActCtxSettingsW(0, m_hContext, pszNamespace, pszName, szValue, std::size(szValue),
                                    &nWritten))
            return std::nullopt;
        return std::wstring(szValue);
    }

private:
    HANDLE m_hContext = INVALID_HANDLE_VALUE;
};

std::string Text(const GUID& id)
{
    wchar_t szText[40] = {};
    ::StringFromGUID2(id, szText, static_cast<int>(std::size(szText)));
    return std::string(szText, szText + wcslen(szText));
}

// The systems of the compatibility information. Since Windows 10 each element also holds the
// highest version tested (a 64-bit field, so the elements start at 8 and take 32 bytes), which
// the compiler's headers do not know; the size written tells the layouts apart.
std::vector<std::string> SupportedSystems(const std::vector<BYTE>& buffer, SIZE_T nWritten)
{
    DWORD nCount = 0;
    std::memcpy(&nCount, buffer.data(), sizeof nCount);
    const bool bTested = nWritten >= 8 + SIZE_T{nCount} * 32;
    const size_t nFirst = bTested ? 8 : 4;
    const size_t nSize = bTested ? 32 : sizeof(COMPATIBILITY_CONTEXT_ELEMENT);
    std::vector<std::string> systems;
    for (size_t i = 0; i < nCount && nFirst + (i + 1) * nSize <= buffer.size(); ++i)
    {
        COMPATIBILITY_CONTEXT_ELEMENT element{};
        std::memcpy(&element, buffer.data() + nFirst + i * nSize, sizeof element);
        if (element.Type == ACTCTX_COMPATIBILITY_ELEMENT_TYPE_OS)
            systems.push_back(Text(element.Id));
    }
    return systems;
}

TEST(ManifestTest, SupportedWindowsVersionsAreVistaTo11)
{
    const std::vector<std::string> expected = {
        "{E2011457-1546-43C5-A5FE-008DEEE3D3F0}", // Vista
        "{35138B9A-5D96-4FBD-8E2D-A2440225F93A}", // 7
        "{4A2F28E3-53B9-4441-BA9C-D69D4A4A6E38}", // 8
        "{1F676C76-80E1-4239-95BB-83D0F6D0DA78}", // 8.1
        "{8E0F7A12-BFB3-4FE8-B9A5-48FD50A15A9A}", // 10 and 11
    };
    for (const char* pszProgram : kShippedPrograms)
    {
        const CActivationContext context(pszProgram);
        ASSERT_NE(context.get(), INVALID_HANDLE_VALUE) << pszProgram << ": error " << ::GetLastError();
        std::vector<BYTE> buffer(1024);
        SIZE_T nNeeded = 0;
        ASSERT_TRUE(::QueryActCtxW(0, context.get(), nullptr, CompatibilityInformationInActivationContext,
                                   buffer.data(), buffer.size(), &nNeeded))
            << pszProgram;
        const std::vector<std::string> systems = SupportedSystems(buffer, nNeeded);
        EXPECT_EQ(systems, expected) << pszProgram;
    }
}

TEST(ManifestTest, GdiScalingWithoutDpiAwareness)
{
    for (const char* pszProgram : kShippedPrograms)
    {
        const CActivationContext context(pszProgram);
        ASSERT_NE(context.get(), INVALID_HANDLE_VALUE) << pszProgram;
        EXPECT_EQ(context.Setting(kSettings2017, L"gdiScaling"), std::wstring(L"true")) << pszProgram;
        // Made DPI-aware, the program would lay out its pixel coordinates unscaled.
        EXPECT_EQ(context.Setting(kSettings2005, L"dpiAware"), std::nullopt) << pszProgram;
        EXPECT_EQ(context.Setting(kSettings2016, L"dpiAwareness"), std::nullopt) << pszProgram;
    }
}
} // namespace
