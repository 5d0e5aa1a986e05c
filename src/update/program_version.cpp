// Reading another program's version resource through the system, which takes the file as data:
// nothing of the program runs.
#include "update/program_version.h"

#include <windows.h>

#include <cstring>
#include <vector>

namespace
{
std::string Hex4(WORD wValue)
{
    std::string strText(4, '0');
    for (size_t i = 4; i-- > 0; wValue = static_cast<WORD>(wValue >> 4))
        strText[i] = "0123456789ABCDEF"[wValue & 15];
    return strText;
}

// The first language and code page of the translation table, as "040C04E4"; empty without one.
std::string FirstStringBlock(const std::vector<BYTE>& data)
{
    void* pValue = nullptr;
    UINT nLength = 0;
    if (!::VerQueryValueA(data.data(), "\\VarFileInfo\\Translation", &pValue, &nLength) || nLength < 4)
        return {};
    const WORD* pTranslation = static_cast<const WORD*>(pValue);
    return Hex4(pTranslation[0]) + Hex4(pTranslation[1]);
}

std::string StringValue(const std::vector<BYTE>& data, const std::string& strBlock, const char* pszKey)
{
    void* pValue = nullptr;
    UINT nLength = 0;
    const std::string strPath = "\\StringFileInfo\\" + strBlock + "\\" + pszKey;
    if (strBlock.empty() || !::VerQueryValueA(data.data(), strPath.c_str(), &pValue, &nLength) ||
        pValue == nullptr)
        return {};
    const char* pszValue = static_cast<const char*>(pValue);
    return std::string(pszValue, strnlen(pszValue, nLength));
}
} // namespace

std::optional<ProgramVersion> ReadProgramVersion(const std::string& strPath)
{
    DWORD dwHandle = 0;
    const DWORD dwSize = ::GetFileVersionInfoSizeA(strPath.c_str(), &dwHandle);
    if (dwSize == 0)
        return std::nullopt;
    std::vector<BYTE> data(dwSize);
    if (!::GetFileVersionInfoA(strPath.c_str(), 0, dwSize, data.data()))
        return std::nullopt;
    void* pValue = nullptr;
    UINT nLength = 0;
    if (!::VerQueryValueA(data.data(), "\\", &pValue, &nLength) || nLength < sizeof(VS_FIXEDFILEINFO))
        return std::nullopt;
    const auto* pInfo = static_cast<const VS_FIXEDFILEINFO*>(pValue);
    ProgramVersion version;
    version.strFileVersion = std::to_string(HIWORD(pInfo->dwFileVersionMS)) + ',' +
                             std::to_string(LOWORD(pInfo->dwFileVersionMS)) + ',' +
                             std::to_string(HIWORD(pInfo->dwFileVersionLS)) + ',' +
                             std::to_string(LOWORD(pInfo->dwFileVersionLS));
    version.strDate = StringValue(data, FirstStringBlock(data), "Date");
    return version;
}
