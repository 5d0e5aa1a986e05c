// Listing, choosing and releasing the language libraries.
#include "shell/language_manager.h"

#include "framework/resource_module.h"
#include "model/resource_image.h"
#include "res/resource.h"

#include <cstdint>
#include <optional>

namespace
{
constexpr std::u16string_view kMarker = u"LANGUE";
// The display name is read into a buffer of 260 characters, zero included.
constexpr size_t kMaxNameLength = 259;
// Far above any resource-only library; a larger file is not read.
constexpr DWORD kMaxLibraryBytes = 16 << 20;

std::optional<std::vector<std::uint8_t>> ReadLibraryFile(const std::string& strPath)
{
    const CFileHandle file(::CreateFileA(strPath.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size{};
    if (!file || !::GetFileSizeEx(file.get(), &size) || size.QuadPart > kMaxLibraryBytes)
        return std::nullopt;
    std::vector<std::uint8_t> bytes(static_cast<size_t>(size.QuadPart));
    DWORD nRead = 0;
    if (!bytes.empty() &&
        (!::ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &nRead, nullptr) ||
         nRead != bytes.size()))
        return std::nullopt;
    return bytes;
}

std::string FromUtf16(std::u16string_view text)
{
    if (text.empty())
        return {};
    const auto* pWide = reinterpret_cast<const WCHAR*>(text.data());
    const int nWide = static_cast<int>(text.size());
    const int nSize = ::WideCharToMultiByte(CP_ACP, 0, pWide, nWide, nullptr, 0, nullptr, nullptr);
    std::string strText(static_cast<size_t>(std::max(nSize, 0)), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, pWide, nWide, strText.data(), nSize, nullptr, nullptr);
    return strText;
}

// The display name of a language library, read from the file's bytes with every size checked:
// a damaged file, one without the marker or without a name is no language library.
std::optional<std::string> LanguageName(const std::string& strPath)
{
    const std::optional<std::vector<std::uint8_t>> bytes = ReadLibraryFile(strPath);
    const std::optional<ResourceImage> image = bytes ? ResourceImage::Parse(*bytes) : std::nullopt;
    if (!image || image->String(IDS_LANGUAGE_MARKER) != kMarker)
        return std::nullopt;
    const std::optional<std::u16string> name = image->String(IDS_LANGUAGE_NAME);
    if (!name)
        return std::nullopt;
    return FromUtf16(*name).substr(0, kMaxNameLength);
}

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
        if (std::optional<std::string> name = LanguageName(strPath))
        {
            m_names.push_back(std::move(*name));
            m_paths.push_back(strPath);
        }
    } while (::FindNextFileA(hFind.get(), &found));
}

void CLanguageManager::Select(const std::string& strName)
{
    // The library in force stays: loading it again would only give the same resources.
    if (m_hLoaded && strName == m_strLoaded)
        return;
    Unload();
    // A library can never be chosen under the built-in name, nor under an empty one.
    const std::string strBuiltIn = LoadResourceString(::GetModuleHandleA(nullptr), IDS_LANGUAGE_NAME);
    if (strName.empty() || strName == strBuiltIn)
        return;
    for (size_t i = 0; i < m_names.size(); ++i)
    {
        // The file is checked again: it may have changed since it was listed.
        if (m_names[i] != strName || LanguageName(m_paths[i]) != strName)
            continue;
        m_hLoaded.reset(LoadLanguageLibrary(m_paths[i]));
        if (m_hLoaded)
        {
            m_strLoaded = strName;
            SetResourceModule(m_hLoaded.get());
        }
        return;
    }
}

void CLanguageManager::Unload()
{
    // The program's own resources come back before the library's memory goes.
    SetResourceModule(nullptr);
    m_hLoaded.reset();
    m_strLoaded.clear();
}
