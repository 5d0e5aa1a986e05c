// Exchange of single values between a settings record and its key below HKEY_LOCAL_MACHINE.
#include "settings/registry_settings.h"

#include "model/settings_text.h"
#include "settings/registry_key.h"

#include <utility>

CRegistrySettings::CRegistrySettings(std::string strRootPath) : m_strRootPath(std::move(strRootPath)) {}

void CRegistrySettings::Load()
{
    m_direction = EDirection::Load;
    Exchange();
    Validate();
}

void CRegistrySettings::Save()
{
    m_direction = EDirection::Save;
    Exchange();
}

void CRegistrySettings::ExchangeText(const char* pszSubKey, const char* pszValueName, std::string& strText)
{
    const std::string strPath = m_strRootPath + "\\" + pszSubKey;
    CRegistryKey key;
    // Loading creates the key too; a failure leaves a closed key, on which every access fails.
    const bool bCreated = key.Create(HKEY_LOCAL_MACHINE, strPath);
    if (m_direction == EDirection::Save)
    {
        key.SetText(pszValueName, strText);
        return;
    }
    // An account that may not write below HKEY_LOCAL_MACHINE still reads what was stored there.
    if (!bCreated)
        key.OpenForReading(HKEY_LOCAL_MACHINE, strPath);
    std::string strStored;
    if (key.GetText(pszValueName, strStored))
        strText = std::move(strStored);
}

void CRegistrySettings::ExchangeInt(const char* pszSubKey, const char* pszValueName, int& nValue)
{
    std::string strText = FormatSettingInt(nValue);
    ExchangeText(pszSubKey, pszValueName, strText);
    nValue = ParseSettingInt(strText);
}
