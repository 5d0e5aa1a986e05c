// The language libraries beside the program: "langue*.dll" files that carry a translated copy
// of the program's resources, one of which may be put in force instead of the built-in French.
#pragma once

#include "framework/handles.h"

#include <string>
#include <vector>

class CLanguageManager
{
public:
    CLanguageManager() = default;
    CLanguageManager(const CLanguageManager&) = delete;
    CLanguageManager& operator=(const CLanguageManager&) = delete;
    ~CLanguageManager() { Unload(); }

    // Lists the usable libraries of the program's folder (or of the folder given), in the order
    // the file system finds them. No library stays loaded.
    void Enumerate();
    void Enumerate(const std::string& strFolder);
    // Puts the library with this display name in force; an empty, built-in or unknown name
    // (or a library that no longer loads) leaves the program's own resources in force.
    void Select(const std::string& strName);
    void Unload();

    const std::vector<std::string>& GetNames() const { return m_names; }
    const std::vector<std::string>& GetPaths() const { return m_paths; }
    // The library in force, or null for the built-in language.
    HMODULE GetLoadedLibrary() const { return m_hLoaded.get(); }

private:
    std::vector<std::string> m_names;
    std::vector<std::string> m_paths;
    CModuleHandle m_hLoaded;
    std::string m_strLoaded;
};
