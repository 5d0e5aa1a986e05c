// Registry key access through the ANSI interface: names and texts are Windows-1252.
#include "settings/registry_key.h"

#include <vector>

namespace
{
bool OpenKey(CKeyHandle& hKeyOut, HKEY hHive, const std::string& strPath, REGSAM access)
{
    HKEY hKey = nullptr;
    const LONG result = ::RegOpenKeyExA(hHive, strPath.c_str(), 0, access, &hKey);
    hKeyOut.reset(result == ERROR_SUCCESS ? hKey : nullptr);
    return result == ERROR_SUCCESS;
}
} // namespace

bool CRegistryKey::Open(HKEY hHive, const std::string& strPath)
{
    return OpenKey(m_hKey, hHive, strPath, KEY_ALL_ACCESS);
}

bool CRegistryKey::OpenForReading(HKEY hHive, const std::string& strPath)
{
    return OpenKey(m_hKey, hHive, strPath, KEY_READ);
}

bool CRegistryKey::Create(HKEY hHive, const std::string& strPath)
{
    HKEY hKey = nullptr;
    const LONG result = ::RegCreateKeyExA(hHive, strPath.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                          KEY_ALL_ACCESS, nullptr, &hKey, nullptr);
    m_hKey.reset(result == ERROR_SUCCESS ? hKey : nullptr);
    return result == ERROR_SUCCESS;
}

bool CRegistryKey::SetText(const char* pszValueName, const std::string& strText)
{
    if (!m_hKey)
        return false;
    // The size counts the terminating zero, as REG_SZ readers are entitled to expect.
    return ::RegSetValueExA(m_hKey.get(), pszValueName, 0, REG_SZ,
                            reinterpret_cast<const BYTE*>(strText.c_str()),
                            static_cast<DWORD>(strText.size() + 1)) == ERROR_SUCCESS;
}

bool CRegistryKey::GetText(const char* pszValueName, std::string& strText) const
{
    strText.clear();
    if (!m_hKey)
        return false;
    DWORD cbData = 0;
    if (::RegQueryValueExA(m_hKey.get(), pszValueName, nullptr, nullptr, nullptr, &cbData) != ERROR_SUCCESS)
        return false;
    if (cbData == 0)
        return true;
    // One zero byte more than asked for: a value stored without its terminator still ends.
    std::vector<char> buffer(cbData + 1, '\0');
    if (::RegQueryValueExA(m_hKey.get(), pszValueName, nullptr, nullptr,
                           reinterpret_cast<BYTE*>(buffer.data()), &cbData) != ERROR_SUCCESS)
        return false;
    strText = buffer.data();
    return true;
}
