// Language libraries found, chosen and released, against real resource-only DLLs.
#include "framework/resource_module.h"
#include "res/resource.h"
#include "shell/language_manager.h"
#include "window_test.h"

#include <algorithm>
#include <string>
#include <vector>

namespace
{
// The build's folder of test libraries, as Wine sees the Unix file system.
std::string LanguageFolder()
{
    std::string folder = std::string("Z:") + VANTREL_TEST_LANGUAGE_DIR;
    std::replace(folder.begin(), folder.end(), '/', '\\');
    return folder;
}

std::string FileName(const std::string& path)
{
    return path.substr(path.find_last_of('\\') + 1);
}

class LanguageManagerTest : public CWindowTest
{
protected:
    void SetUp() override
    {
        CWindowTest::SetUp();
        m_languages.Enumerate(LanguageFolder());
    }
    static std::string Standard() { return LoadResourceString(IDS_GROUP_STANDARD); }

    CLanguageManager m_languages;
};

TEST_F(LanguageManagerTest, ListsMarkedLibrariesWithoutRegardToFileNameCase)
{
    std::vector<std::string> names = m_languages.GetNames();
    ASSERT_EQ(names.size(), m_languages.GetPaths().size());
    for (size_t i = 0; i < names.size(); ++i)
    {
        const std::string file = FileName(m_languages.GetPaths()[i]);
        const std::string expected = file == "langue_de.dll"   ? "Deutsch"
                                     : file == "langue_fr.dll" ? "Fran\xE7"
                                                                 "ais (standard)"
                                                               : "English";
        EXPECT_EQ(names[i], expected) << file;
    }
    std::sort(names.begin(), names.end());
    // Not listed: a marker in another letter case, a file that is no library, another pattern.
    EXPECT_EQ(names, (std::vector<std::string>{"Deutsch", "English", "English",
                                               "Fran\xE7"
                                               "ais (standard)"}));
    EXPECT_EQ(m_languages.GetLoadedLibrary(), nullptr);
}

TEST_F(LanguageManagerTest, SelectPutsTheLibraryInForceAndUnloadGivesTheProgramBack)
{
    const std::string builtIn = Standard();
    m_languages.Select("Deutsch");
    ASSERT_NE(m_languages.GetLoadedLibrary(), nullptr);
    EXPECT_EQ(GetResourceModule(), m_languages.GetLoadedLibrary());
    EXPECT_EQ(Standard(), "Normwerte");
    m_languages.Unload();
    EXPECT_EQ(m_languages.GetLoadedLibrary(), nullptr);
    EXPECT_EQ(Standard(), builtIn);
}

TEST_F(LanguageManagerTest, TwinNamesChooseTheFirstFound)
{
    const std::vector<std::string>& names = m_languages.GetNames();
    const auto first = std::find(names.begin(), names.end(), "English");
    ASSERT_NE(first, names.end());
    const std::string file = FileName(m_languages.GetPaths()[static_cast<size_t>(first - names.begin())]);
    m_languages.Select("English");
    EXPECT_EQ(Standard(), file == "langue_en.dll" ? "Standard values" : "Twin values");
    m_languages.Unload();
}

TEST_F(LanguageManagerTest, BuiltInEmptyAndUnknownNamesKeepTheProgramsResources)
{
    const std::string builtIn = Standard();
    const char* const names[] = {"Fran\xE7"
                                 "ais (standard)",
                                 "", "Klingon", "english"};
    for (const char* name : names)
    {
        m_languages.Select("Deutsch");
        m_languages.Select(name);
        EXPECT_EQ(m_languages.GetLoadedLibrary(), nullptr) << name;
        EXPECT_EQ(Standard(), builtIn) << name;
    }
}

TEST_F(LanguageManagerTest, FolderWithoutLibrariesListsNothing)
{
    m_languages.Enumerate(LanguageFolder() + "\\absent");
    EXPECT_TRUE(m_languages.GetNames().empty());
    EXPECT_TRUE(m_languages.GetPaths().empty());
}

TEST_F(LanguageManagerTest, LibraryGoneSinceTheListFallsBackToTheProgram)
{
    char temp[MAX_PATH] = {};
    ASSERT_NE(::GetTempPathA(MAX_PATH, temp), 0u);
    const std::string folder = std::string(temp) + "vantrel-languages";
    ::CreateDirectoryA(folder.c_str(), nullptr);
    const std::string copy = folder + "\\langue_de.dll";
    ASSERT_TRUE(::CopyFileA((LanguageFolder() + "\\langue_de.dll").c_str(), copy.c_str(), FALSE));
    m_languages.Enumerate(folder);
    ASSERT_EQ(m_languages.GetNames(), (std::vector<std::string>{"Deutsch"}));
    ASSERT_TRUE(::DeleteFileA(copy.c_str()));
    ::RemoveDirectoryA(folder.c_str());
    const std::string builtIn = Standard();
    m_languages.Select("Deutsch");
    EXPECT_EQ(m_languages.GetLoadedLibrary(), nullptr);
    EXPECT_EQ(Standard(), builtIn);
}
} // namespace
