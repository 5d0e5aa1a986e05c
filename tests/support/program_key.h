// The program's registry key in the test prefix: kept aside while a test runs, so that each test
// starts with no key at all and leaves the key as it found it; and raw access to its values,
// independent of the code under test.
#pragma once

#include <windows.h>

#include "framework/handles.h"

#include <optional>
#include <string>

constexpr const char* kProgramKey = "Software\\Apps QZN\\Vantrel\\Version 2.0";
constexpr const char* kGeneral = "G\xE9n\xE9rale";
constexpr const char* kInterface = "Interface";
constexpr const char* kLastState = "Dernier \xE9tat";
constexpr const char* kTools = "Outils";

// The key below HKEY_LOCAL_MACHINE, or below the hive given: HKEY_CURRENT_USER holds what a user
// who may not write the machine's key keeps.
class CProgramKeyGuard
{
public:
    explicit CProgramKeyGuard(HKEY hHive = HKEY_LOCAL_MACHINE);
    ~CProgramKeyGuard();
    CProgramKeyGuard(const CProgramKeyGuard&) = delete;
    CProgramKeyGuard& operator=(const CProgramKeyGuard&) = delete;

private:
    HKEY m_hHive;
};

// A sub key the account may read but not write, as HKEY_LOCAL_MACHINE is for a limited account;
// full access comes back when the scope ends.
class CReadOnlyKeyScope
{
public:
    explicit CReadOnlyKeyScope(const std::string& strSubKey, HKEY hHive = HKEY_LOCAL_MACHINE);
    ~CReadOnlyKeyScope();
    CReadOnlyKeyScope(const CReadOnlyKeyScope&) = delete;
    CReadOnlyKeyScope& operator=(const CReadOnlyKeyScope&) = delete;

private:
    void SetAccess(const char* pszSddl);

    // Opened with full access before the access is narrowed, so that it can be widened again.
    CKeyHandle m_hKey;
};

struct RawValue
{
    DWORD type;
    std::string bytes;
};

// The key below the program's key; an empty name is the program's key itself.
std::string ProgramKeyPath(const std::string& strSubKey);
bool ProgramKeyExists(const std::string& strSubKey, HKEY hHive = HKEY_LOCAL_MACHINE);
// Exactly these bytes, without a terminator unless the bytes hold one.
void StoreRaw(const std::string& strSubKey, const std::string& strName, DWORD type, const std::string& bytes,
              HKEY hHive = HKEY_LOCAL_MACHINE);
std::optional<RawValue> ReadRaw(const std::string& strSubKey, const std::string& strName,
                                HKEY hHive = HKEY_LOCAL_MACHINE);
DWORD CountValues(const std::string& strSubKey);
