// Listing, choosing and releasing the language libraries.
#include "shell/language_manager.h"

#include "framework/resource_module.h"
#include "res/resource.h"

namespace
{
constexpr UINT kMarkerString = 1;
constexpr const char* kMarker = "LANGUE";
// The display name is read into a buffer of 260 characters, zero included.
constexpr size_t kMaxNameLength = 259;

// A library is only ever read: loaded as a data file, no code from a file dropped beside the
// program runs, and a library built for another processor still gives its resources.
HMODULE LoadLanguageLibrary(const std::string& strPath)
{
    return ::LoadLibraryExA(strPath.c_str(), nullptr,
                            LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
}

std::string ProgramFolder()
{
    char szPath[MAX_PATH] = {};
    const DWORD length = ::GetModuleFileNameA(nullptr, szPath, MAX_PATH);
    std::string strPath(szPath, length);
    const size_t slash = strPath.find_last_of('\\');
    return slash == std::string::npos ? std::string() : strPath.substr(0, slash);
}
} // namespace

void CLanguageManager::Enumerate()
{
    Enumerate(ProgramFolder());
}

void CLanguageManager::Enumerate(const std::string& strFolder)
{
    m_names.clear();
    m_paths.clear();
    WIN32_FIND_DATAA found{};
    const std::string strPattern = strFolder + "\\langue*.dll";
    const CFindHandle hFind(::FindFirstFileA(strPattern.c_str(), &found));
    if (!hFind)
        return;
    do
    {
        const std::string strPath = strFolder + "\\" + found.cFileName;
        CModuleHandle hLibrary(LoadLanguageLibrary(strPath));
        if (!hLibrary || LoadResourceString(hLibrary.get(), kMarkerString) != kMarker)
            continue;
        m_names.push_back(LoadResourceString(hLibrary.get(), IDS_LANGUAGE_NAME).substr(0, kMaxNameLength));
        m_paths.push_back(strPath);
    } while (::FindNextFileA(hFind.get(), &found));
}

void CLanguageManager::Select(const std::string& strName)
{
    Unload();
    // A library can never be chosen under the built-in name, nor under an empty one.
    const std::string strBuiltIn = LoadResourceString(::GetModuleHandleA(nullptr), IDS_LANGUAGE_NAME);
    if (strName.empty() || strName == strBuiltIn)
        return;
    for (size_t i = 0; i < m_names.size(); ++i)
    {
        if (m_names[i] != strName)
            continue;
        m_hLoaded.reset(LoadLanguageLibrary(m_paths[i]));
        if (m_hLoaded)
            SetResourceModule(m_hLoaded.get());
        return;
    }
}

void CLanguageManager::Unload()
{
    // The program's own resources come back before the library's memory goes.
    SetResourceModule(nullptr);
    m_hLoaded.reset();
}
