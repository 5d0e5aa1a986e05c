// A record of settings exchanged value by value with a registry key, in either direction.
#pragma once

#include <string>

class CRegistrySettings
{
public:
    explicit CRegistrySettings(std::string strRootPath);
    virtual ~CRegistrySettings() = default;

    // Registry to memory, then Validate.
    void Load();
    // Memory to registry.
    void Save();

    // Visits every value of the record once, in the direction in force.
    virtual void Exchange() {}
    virtual void SetDefaults() {}
    // Brings loaded fields back into their range.
    virtual void Validate() {}

protected:
    // A value that is missing or cannot be read leaves the field as it was; failed writes are
    // ignored. Each call opens and closes its own key.
    void ExchangeText(const char* pszSubKey, const char* pszValueName, std::string& strText);
    // As text; see ParseSettingInt for what a stored text reads as.
    void ExchangeInt(const char* pszSubKey, const char* pszValueName, int& nValue);

private:
    enum class EDirection
    {
        Load,
        Save,
    };

    std::string m_strRootPath;
    EDirection m_direction = EDirection::Load;
};
