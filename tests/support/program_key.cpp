// Moving the program's key aside and back, and raw value access, through the plain registry API.
#include "program_key.h"

#include <sddl.h>

#include <gtest/gtest.h>

#include <vector>

namespace
{
constexpr const char* kBackupKey = "Software\\Apps QZN\\Vantrel test backup";

bool KeyExists(HKEY hHive, const std::string& strPath)
{
    CKeyHandle hKey;
    return ::RegOpenKeyExA(hHive, strPath.c_str(), 0, KEY_READ, hKey.put()) == ERROR_SUCCESS;
}

// Replaces the key at `strTo` by a copy of the one at `strFrom`.
void CopyKey(HKEY hHive, const char* pszFrom, const char* pszTo)
{
    ::RegDeleteTreeA(hHive, pszTo);
    CKeyHandle hFrom;
    CKeyHandle hTo;
    ASSERT_EQ(::RegOpenKeyExA(hHive, pszFrom, 0, KEY_READ, hFrom.put()), ERROR_SUCCESS);
    ASSERT_EQ(::RegCreateKeyExA(hHive, pszTo, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, hTo.put(), nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(::RegCopyTreeA(hFrom.get(), nullptr, hTo.get()), ERROR_SUCCESS);
}
} // namespace

CProgramKeyGuard::CProgramKeyGuard(HKEY hHive) : m_hHive(hHive)
{
    // A backup left by a run that did not finish holds the key as it was before that run.
    if (!KeyExists(m_hHive, kBackupKey) && KeyExists(m_hHive, kProgramKey))
        CopyKey(m_hHive, kProgramKey, kBackupKey);
    ::RegDeleteTreeA(m_hHive, kProgramKey);
}

CProgramKeyGuard::~CProgramKeyGuard()
{
    ::RegDeleteTreeA(m_hHive, kProgramKey);
    if (KeyExists(m_hHive, kBackupKey))
        CopyKey(m_hHive, kBackupKey, kProgramKey);
    ::RegDeleteTreeA(m_hHive, kBackupKey);
}

CReadOnlyKeyScope::CReadOnlyKeyScope(const std::string& strSubKey, HKEY hHive)
{
    EXPECT_EQ(::RegOpenKeyExA(hHive, ProgramKeyPath(strSubKey).c_str(), 0, KEY_ALL_ACCESS, m_hKey.put()),
              ERROR_SUCCESS);
    SetAccess("D:P(A;;KR;;;WD)");
}

CReadOnlyKeyScope::~CReadOnlyKeyScope()
{
    SetAccess("D:P(A;;KA;;;WD)");
}

void CReadOnlyKeyScope::SetAccess(const char* pszSddl)
{
    PSECURITY_DESCRIPTOR pSD = nullptr;
    ASSERT_TRUE(
        ::ConvertStringSecurityDescriptorToSecurityDescriptorA(pszSddl, SDDL_REVISION_1, &pSD, nullptr));
    EXPECT_EQ(::RegSetKeySecurity(m_hKey.get(), DACL_SECURITY_INFORMATION, pSD), ERROR_SUCCESS);
    ::LocalFree(pSD);
}

std::string ProgramKeyPath(const std::string& strSubKey)
{
    return strSubKey.empty() ? kProgramKey : std::string(kProgramKey) + "\\" + strSubKey;
}

bool ProgramKeyExists(const std::string& strSubKey, HKEY hHive)
{
    return KeyExists(hHive, ProgramKeyPath(strSubKey));
}

void StoreRaw(const std::string& strSubKey, const std::string& strName, DWORD type, const std::string& bytes,
              HKEY hHive)
{
    CKeyHandle hKey;
    ASSERT_EQ(::RegCreateKeyExA(hHive, ProgramKeyPath(strSubKey).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                nullptr, hKey.put(), nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(::RegSetValueExA(hKey.get(), strName.c_str(), 0, type,
                               reinterpret_cast<const BYTE*>(bytes.data()), static_cast<DWORD>(bytes.size())),
              ERROR_SUCCESS);
}

std::optional<RawValue> ReadRaw(const std::string& strSubKey, const std::string& strName, HKEY hHive)
{
    CKeyHandle hKey;
    if (::RegOpenKeyExA(hHive, ProgramKeyPath(strSubKey).c_str(), 0, KEY_READ, hKey.put()) != ERROR_SUCCESS)
        return std::nullopt;
    DWORD type = 0;
    DWORD cbData = 0;
    if (::RegQueryValueExA(hKey.get(), strName.c_str(), nullptr, &type, nullptr, &cbData) != ERROR_SUCCESS)
        return std::nullopt;
    std::vector<BYTE> data(cbData);
    if (::RegQueryValueExA(hKey.get(), strName.c_str(), nullptr, &type, data.data(), &cbData) !=
        ERROR_SUCCESS)
        return std::nullopt;
    return RawValue{type, std::string(data.begin(), data.begin() + cbData)};
}

DWORD CountValues(const std::string& strSubKey)
{
    CKeyHandle hKey;
    DWORD nValues = 0;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, ProgramKeyPath(strSubKey).c_str(), 0, KEY_READ, hKey.put()) ==
        ERROR_SUCCESS)
        ::RegQueryInfoKeyA(hKey.get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &nValues,
                           nullptr, nullptr, nullptr, nullptr);
    return nValues;
}
