// One open registry key, with the text values the settings and the companion tools' paths use.
#pragma once

#include <windows.h>

#include "framework/handles.h"

#include <string>

class CRegistryKey
{
public:
    // Open and Create ask for full access rights. Each returns false, with the key closed, when
    // the key cannot be had.
    bool Open(HKEY hHive, const std::string& strPath);
    // Creates a missing key (non-volatile), opens an existing one.
    bool Create(HKEY hHive, const std::string& strPath);
    // For an account that may read the key but not write it.
    bool OpenForReading(HKEY hHive, const std::string& strPath);
    // REG_SZ, with its terminating zero.
    bool SetText(const char* pszValueName, const std::string& strText);
    // Any stored type, read up to its first zero byte. A missing value or a failed read gives
    // false and an empty text; a value of length 0 is a success with an empty text.
    bool GetText(const char* pszValueName, std::string& strText) const;
    void Close() { m_hKey.reset(); }

private:
    CKeyHandle m_hKey;
};
