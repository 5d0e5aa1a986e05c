// Reading a module's version resource.
#include "shell/version_info.h"

namespace
{
std::string FourParts(DWORD dwHigh, DWORD dwLow)
{
    return std::to_string(HIWORD(dwHigh)) + ',' + std::to_string(LOWORD(dwHigh)) + ',' +
           std::to_string(HIWORD(dwLow)) + ',' + std::to_string(LOWORD(dwLow));
}
} // namespace

CVersionInfo::CVersionInfo(HMODULE hModule)
{
    char szPath[MAX_PATH] = {};
    const DWORD nLength = ::GetModuleFileNameA(hModule, szPath, sizeof szPath);
    if (nLength == 0 || nLength >= sizeof szPath)
        return;
    DWORD dwHandle = 0;
    const DWORD dwSize = ::GetFileVersionInfoSizeA(szPath, &dwHandle);
    if (dwSize == 0)
        return;
    m_data.resize(dwSize);
    if (!::GetFileVersionInfoA(szPath, 0, dwSize, m_data.data()))
        m_data.clear();
}

std::string CVersionInfo::GetString(const char* pszBlock, const char* pszKey) const
{
    if (m_data.empty())
        return std::string();
    const std::string strPath = std::string("\\StringFileInfo\\") + pszBlock + "\\" + pszKey;
    void* pValue = nullptr;
    UINT nLength = 0;
    if (!::VerQueryValueA(m_data.data(), strPath.c_str(), &pValue, &nLength) || pValue == nullptr ||
        nLength == 0)
        return std::string();
    const char* pszValue = static_cast<const char*>(pValue);
    // The length counts the terminating zero, when there is one.
    return std::string(pszValue, strnlen(pszValue, nLength));
}

const VS_FIXEDFILEINFO* CVersionInfo::FixedInfo() const
{
    void* pValue = nullptr;
    UINT nLength = 0;
    if (m_data.empty() || !::VerQueryValueA(m_data.data(), "\\", &pValue, &nLength) ||
        nLength < sizeof(VS_FIXEDFILEINFO))
        return nullptr;
    return static_cast<const VS_FIXEDFILEINFO*>(pValue);
}

std::string CVersionInfo::GetFileVersion() const
{
    const VS_FIXEDFILEINFO* pInfo = FixedInfo();
    return pInfo != nullptr ? FourParts(pInfo->dwFileVersionMS, pInfo->dwFileVersionLS) : std::string();
}

std::string CVersionInfo::GetProductVersion() const
{
    const VS_FIXEDFILEINFO* pInfo = FixedInfo();
    return pInfo != nullptr ? FourParts(pInfo->dwProductVersionMS, pInfo->dwProductVersionLS) : std::string();
}
