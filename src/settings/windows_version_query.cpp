// Asks the system for its version facts and names them through the version table.
#include "settings/windows_version_query.h"

#include <windows.h>

WindowsVersion GetWindowsVersion()
{
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof(info);
    if (!::GetVersionExA(&info))
        return IdentifyWindows(std::nullopt);
    return IdentifyWindows(
        WindowsVersionFacts{info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion, info.dwBuildNumber});
}
