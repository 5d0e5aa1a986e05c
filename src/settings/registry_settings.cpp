// Exchange of single values between a settings record and its key below HKEY_LOCAL_MACHINE, or
// below HKEY_CURRENT_USER for an account that may not write there.
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

// An account that may not write below HKEY_LOCAL_MACHINE (any account not running elevated on
// a current Windows) keeps its values under the same path below HKEY_CURRENT_USER, which then
// come first at load. What is stored below HKEY_LOCAL_MACHINE is still read as before.
void CRegistrySettings::ExchangeText(const char* pszSubKey, const char* pszValueName, std::string& strText)
{
    const std::string strPath = m_strRootPath + "\\" + pszSubKey;
    CRegistryKey machine;
    // Loading creates the key too; a failure leaves a closed key, on which every access fails.
    const bool bCreated = machine.Create(HKEY_LOCAL_MACHINE, strPath);
    CRegistryKey user;
    if (m_direction == EDirection::Save)
    {
        std::string strOld;
        if (!machine.SetText(pszValueName, strText))
        {
            if (user.Create(HKEY_CURRENT_USER, strPath))
                user.SetText(pszValueName, strText);
        }
        // A value the account kept for itself while the machine's key was closed to it would
        // otherwise hide this one at the next start.
        else if (user.Open(HKEY_CURRENT_USER, strPath) && user.GetText(pszValueName, strOld))
        {
            user.SetText(pszValueName, strText);
        }
        return;
    }
    if (!bCreated)
        machine.OpenForReading(HKEY_LOCAL_MACHINE, strPath);
    std::string strStored;
    if (machine.GetText(pszValueName, strStored))
        strText = std::move(strStored);
    if (user.OpenForReading(HKEY_CURRENT_USER, strPath) && user.GetText(pszValueName, strStored))
        strText = std::move(strStored);
}

void CRegistrySettings::ExchangeInt(const char* pszSubKey, const char* pszValueName, int& nValue)
{
    std::string strText = FormatSettingInt(nValue);
    ExchangeText(pszSubKey, pszValueName, strText);
    nValue = ParseSettingInt(strText);
}
