// What the update tool does with its command line, the program beside it and the shell.
#include "update/update_tool.h"

#include "framework/resource_module.h"
#include "model/product_switch.h"
#include "model/placeholder_text.h"
#include "model/version_text.h"
#include "update/program_version.h"
#include "update/update_resource.h"

#include <shellapi.h>

namespace
{
ShellExecuteFunction g_pfnShellExecute = ::ShellExecuteA;
} // namespace

ShellExecuteFunction SetUpdateShellFunction(ShellExecuteFunction pfn)
{
    const ShellExecuteFunction old = g_pfnShellExecute;
    g_pfnShellExecute = pfn != nullptr ? pfn : ::ShellExecuteA;
    return old;
}

void ShowUpdateMessage(HWND hOwner, UINT idText, std::initializer_list<std::string_view> values)
{
    const std::string strText = FillPlaceholders(LoadResourceString(idText), values);
    ::MessageBoxA(hOwner, strText.c_str(), LoadResourceString(IDS_UPDATE_CAPTION).c_str(),
                  MB_OK | MB_ICONEXCLAMATION);
}

std::string GetToolFolder()
{
    char szPath[MAX_PATH] = {};
    const DWORD nLength = ::GetModuleFileNameA(nullptr, szPath, sizeof szPath);
    const std::string strPath =
        nLength == 0 || nLength >= sizeof szPath ? std::string() : std::string(szPath, nLength);
    const size_t slash = strPath.rfind('\\');
    return slash == std::string::npos ? std::string() : strPath.substr(0, slash);
}

std::optional<InstalledProgram> FindInstalledProgram(HWND hOwner, const char* pszCommandLine,
                                                     const std::string& strFolder)
{
    const std::optional<std::string> name =
        ReadProductSwitch(pszCommandLine != nullptr ? pszCommandLine : "", "/PROG:");
    if (!name)
    {
        ShowUpdateMessage(hOwner, IDS_UPDATE_NO_PRODUCT);
        return std::nullopt;
    }
    const std::optional<ProgramVersion> version = ReadProgramVersion(strFolder + "\\" + *name + ".exe");
    if (!version)
    {
        ShowUpdateMessage(hOwner, IDS_UPDATE_NOT_FOUND, {*name, strFolder});
        return std::nullopt;
    }
    return InstalledProgram{*name, version->strFileVersion, version->strDate};
}

bool OpenDownloadPage(HWND hOwner, const InstalledProgram& program)
{
    const std::string strAddress =
        DownloadLinkAddress(LoadResourceString(IDS_UPDATE_REDIRECT), program.strName, program.strFileVersion);
    // ShellExecute reports success with a value above 32.
    const auto result = reinterpret_cast<INT_PTR>(
        g_pfnShellExecute(hOwner, "open", strAddress.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    if (result > 32)
        return true;
    ShowUpdateMessage(hOwner, IDS_UPDATE_LINK_FAILED);
    return false;
}
