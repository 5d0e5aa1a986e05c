// Web links, help, the quiz and the companion tools, each handed to the shell or the help
// viewer; the program never checks what they did once they were accepted.
#include "shell/external_tools.h"

#include "framework/handles.h"
#include "framework/resource_module.h"
#include "framework/wnd.h"
#include "model/version_text.h"
#include "res/resource.h"
#include "settings/registry_key.h"
#include "shell/version_info.h"

#include <shellapi.h>

namespace
{
constexpr UINT kHelpDisplayTopic = 0x0000; // HH_DISPLAY_TOPIC
constexpr UINT kHelpDisplayIndex = 0x0002; // HH_DISPLAY_INDEX
constexpr const char* kHelpLibrary = "Hhctrl.ocx";
constexpr const char* kHelpClassKey = "CLSID\\{ADB880A4-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32";
constexpr const char* kRepairToolKey = "Software\\Apps QZN\\QZNRepair";
constexpr const char* kUpdateToolKey = "Software\\Apps QZN\\QZNUpdate";

ShellExecuteFunction g_pfnShellExecute = ::ShellExecuteA;
HtmlHelpFunction g_pfnHtmlHelp = nullptr;

std::string ProgramPath()
{
    char szPath[MAX_PATH] = {};
    const DWORD nLength = ::GetModuleFileNameA(nullptr, szPath, sizeof szPath);
    return nLength == 0 || nLength >= sizeof szPath ? std::string() : std::string(szPath, nLength);
}

void Report(HWND hOwner, UINT idText)
{
    CWnd::MessageBoxFromTable(hOwner, idText, MB_OK | MB_ICONEXCLAMATION);
}

// ShellExecute reports success with a value above 32.
bool ShellOpen(HWND hOwner, const std::string& strFile, const char* pszParameters, const char* pszDirectory)
{
    const auto result = reinterpret_cast<INT_PTR>(
        g_pfnShellExecute(hOwner, "open", strFile.c_str(), pszParameters, pszDirectory, SW_SHOWNORMAL));
    return result > 32;
}

std::string HelpFilePath()
{
    const std::string strFolder = GetProgramFolder();
    return strFolder.empty() ? std::string() : strFolder + "\\" + GetApplicationName() + ".chm";
}

// The viewer stays loaded once it has shown a window: the window lives in its library.
void CallHtmlHelp(HWND hOwner, const std::string& strFile, UINT uCommand, DWORD_PTR dwData)
{
    if (g_pfnHtmlHelp != nullptr)
    {
        g_pfnHtmlHelp(hOwner, strFile.c_str(), uCommand, dwData);
        return;
    }
    static HMODULE s_hViewer = nullptr;
    if (s_hViewer == nullptr)
        s_hViewer = ::LoadLibraryA(kHelpLibrary);
    if (s_hViewer == nullptr)
        return;
    if (const auto pfn = reinterpret_cast<HtmlHelpFunction>(
            reinterpret_cast<void (*)()>(::GetProcAddress(s_hViewer, "HtmlHelpA"))))
        pfn(hOwner, strFile.c_str(), uCommand, dwData);
}

void LaunchTool(HWND hOwner, const char* pszKey, const char* pszOption, const std::string& strName,
                UINT idMissing)
{
    std::string strPath;
    CRegistryKey key;
    if (!key.OpenForReading(HKEY_LOCAL_MACHINE, pszKey) || !key.GetText("Chemin", strPath))
        strPath.clear();
    const std::string strParameters = std::string(pszOption) + '"' + strName + '"';
    if (strPath.empty() || !ShellOpen(hOwner, strPath, strParameters.c_str(), nullptr))
        Report(hOwner, idMissing);
}
} // namespace

ShellExecuteFunction SetShellExecuteFunction(ShellExecuteFunction pfn)
{
    const ShellExecuteFunction old = g_pfnShellExecute;
    g_pfnShellExecute = pfn != nullptr ? pfn : ::ShellExecuteA;
    return old;
}

HtmlHelpFunction SetHtmlHelpFunction(HtmlHelpFunction pfn)
{
    return std::exchange(g_pfnHtmlHelp, pfn);
}

std::string GetProgramFolder()
{
    const std::string strPath = ProgramPath();
    const size_t slash = strPath.rfind('\\');
    return slash == std::string::npos ? std::string() : strPath.substr(0, slash);
}

std::string GetApplicationName()
{
    const std::string strPath = ProgramPath();
    const size_t slash = strPath.rfind('\\');
    std::string strName = slash == std::string::npos ? strPath : strPath.substr(slash + 1);
    const size_t dot = strName.rfind('.');
    return dot == std::string::npos ? strName : strName.substr(0, dot);
}

std::string GetShortVersion()
{
    return ShortVersionText(CVersionInfo().GetFileVersion());
}

bool ShellOpenAddress(HWND hOwner, const std::string& strAddress)
{
    return ShellOpen(hOwner, strAddress, nullptr, nullptr);
}

void OpenWebLink(HWND hOwner, const std::string& strAddress)
{
    const std::string strLink = WebLinkAddress(strAddress, GetShortVersion(), GetApplicationName());
    if (!ShellOpen(hOwner, strLink, nullptr, nullptr))
        Report(hOwner, IDS_WEB_LINK_FAILED);
}

bool IsHelpAvailable(HWND hOwner)
{
    bool bAvailable = CModuleHandle(::LoadLibraryA(kHelpLibrary)).get() != nullptr;
    if (bAvailable)
    {
        std::string strServer;
        CRegistryKey key;
        const bool bRegistered = key.OpenForReading(HKEY_CLASSES_ROOT, kHelpClassKey) &&
                                 key.GetText("", strServer) && !strServer.empty();
        const CFileHandle file(::CreateFileA(HelpFilePath().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        bAvailable = bRegistered && static_cast<bool>(file);
    }
    if (!bAvailable)
        Report(hOwner, IDS_HELP_FAILED);
    return bAvailable;
}

void ShowHelpIndex(HWND hOwner)
{
    if (IsHelpAvailable(hOwner))
        CallHtmlHelp(hOwner, HelpFilePath(), kHelpDisplayIndex, 0);
}

void ShowHelpTopic(HWND hOwner, const char* pszTopic)
{
    if (IsHelpAvailable(hOwner))
        CallHtmlHelp(hOwner, HelpFilePath(), kHelpDisplayTopic, reinterpret_cast<DWORD_PTR>(pszTopic));
}

void LaunchRepairTool(HWND hOwner, const std::string& strName)
{
    LaunchTool(hOwner, kRepairToolKey, "/CONFIG:", strName, IDS_REPAIR_MISSING);
}

void LaunchUpdateTool(HWND hOwner, const std::string& strName)
{
    LaunchTool(hOwner, kUpdateToolKey, "/PROG:", strName, IDS_UPDATE_MISSING);
}

void StartQuiz(HWND hOwner)
{
    const std::string strFolder = GetProgramFolder();
    if (!ShellOpen(hOwner, "quiz.exe", "", strFolder.c_str()))
        Report(hOwner, IDS_QUIZ_MISSING);
}
