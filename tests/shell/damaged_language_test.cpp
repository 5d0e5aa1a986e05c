// Damaged language libraries beside the program: listing them, choosing one and opening the main
// window never read outside a file (the fixture fails a test on any access violation), and a
// library that fails a check is no language.
#include "framework/resource_module.h"
#include "mainwnd/main_dlg.h"
#include "res/resource.h"
#include "shell/language_manager.h"
#include "window_test.h"

#include <algorithm>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace
{
using Bytes = std::vector<unsigned char>;

std::string WindowsPath(std::string path)
{
    std::replace(path.begin(), path.end(), '/', '\\');
    return "Z:" + path;
}

Bytes ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::string& path, const Bytes& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

size_t FindText(const Bytes& bytes, const char* text)
{
    Bytes wide;
    for (const char* p = text; *p != '\0'; ++p)
    {
        wide.push_back(static_cast<unsigned char>(*p));
        wide.push_back(0);
    }
    return static_cast<size_t>(std::search(bytes.begin(), bytes.end(), wide.begin(), wide.end()) -
                               bytes.begin());
}

unsigned Read32(const Bytes& bytes, size_t at)
{
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | static_cast<unsigned>(bytes[at + 3]) << 24;
}

// Where the resource section starts in the file.
size_t ResourceSection(const Bytes& bytes)
{
    const size_t pe = Read32(bytes, 0x3C);
    const size_t nSections = bytes[pe + 6] | bytes[pe + 7] << 8;
    const size_t table = pe + 24 + (bytes[pe + 20] | bytes[pe + 21] << 8);
    for (size_t i = 0; i < nSections; ++i)
    {
        if (std::string(reinterpret_cast<const char*>(&bytes[table + i * 40]), 5) == ".rsrc")
            return Read32(bytes, table + i * 40 + 20);
    }
    return 0;
}

void Scramble(Bytes& bytes, size_t at, size_t count, unsigned seed)
{
    std::mt19937 random(seed);
    for (size_t i = at; i < std::min(at + count, bytes.size()); ++i)
        bytes[i] = static_cast<unsigned char>(random() & 0xFF);
}

struct DamageCase
{
    std::string name;
    std::function<void(Bytes&)> damage;
};

std::vector<DamageCase> DamageCases()
{
    std::vector<DamageCase> cases = {
        {"empty", [](Bytes& b) { b.clear(); }},
        {"text",
         [](Bytes& b) {
             b.assign({'L', 'A', 'N', 'G', 'U', 'E'});
         }},
        {"headers_only", [](Bytes& b) { b.resize(ResourceSection(b)); }},
        {"cut_in_the_string_table", [](Bytes& b) { b.resize(FindText(b, "LANGUE") + 4); }},
        {"wrong_marker", [](Bytes& b) { b[FindText(b, "LANGUE") + 10] = 'X'; }},
        {"huge_string_length", [](Bytes& b) { b[FindText(b, "LANGUE") - 1] = 0x7F; }},
    };
    for (unsigned seed = 1; seed <= 12; ++seed)
        cases.push_back({"string_table_" + std::to_string(seed),
                         [seed](Bytes& b) { Scramble(b, FindText(b, "LANGUE") - 8, 24, seed); }});
    for (unsigned seed = 1; seed <= 8; ++seed)
        cases.push_back({"directory_" + std::to_string(seed),
                         [seed](Bytes& b) { Scramble(b, ResourceSection(b) + 8 * seed, 8, seed); }});
    return cases;
}

class DamagedLanguageTest : public CWindowTest
{
protected:
    void SetUp() override
    {
        CWindowTest::SetUp();
        char szTemp[MAX_PATH] = {};
        ASSERT_NE(::GetTempPathA(MAX_PATH, szTemp), 0u);
        m_strFolder = std::string(szTemp) + "vantrel-damaged-languages";
        ::CreateDirectoryA(m_strFolder.c_str(), nullptr);
        m_sound = ReadBytes(WindowsPath(VANTREL_TEST_LANGUAGE_DIR "/langue_en.dll"));
        ASSERT_GT(m_sound.size(), 1000u);
    }
    void TearDown() override
    {
        for (const std::string& file : m_files)
            ::DeleteFileA(file.c_str());
        ::RemoveDirectoryA(m_strFolder.c_str());
        SetResourceModule(nullptr);
        CWindowTest::TearDown();
    }
    void Add(const std::string& name, const Bytes& bytes)
    {
        m_files.push_back(m_strFolder + "\\langue_" + name + ".dll");
        WriteBytes(m_files.back(), bytes);
    }

    std::string m_strFolder;
    std::vector<std::string> m_files;
    Bytes m_sound;
};

TEST_F(DamagedLanguageTest, DamagedLibrariesAreNoLanguagesAndNothingReadsOutsideThem)
{
    for (const DamageCase& c : DamageCases())
    {
        Bytes bytes = m_sound;
        c.damage(bytes);
        Add(c.name, bytes);
    }
    CLanguageManager languages;
    languages.Enumerate(m_strFolder);
    // Only random bytes that spared the marker, the name and every size leave a library.
    for (const std::string& path : languages.GetPaths())
        EXPECT_TRUE(path.find("langue_string_table_") != std::string::npos ||
                    path.find("langue_directory_") != std::string::npos)
            << path;
    for (const std::string& name : languages.GetNames())
        EXPECT_EQ(name, "English");
    for (const char* name :
         {"empty", "text", "headers_only", "cut_in_the_string_table", "wrong_marker", "huge_string_length"})
        EXPECT_EQ(std::count_if(languages.GetPaths().begin(), languages.GetPaths().end(),
                                [name](const std::string& p) { return p.find(name) != std::string::npos; }),
                  0)
            << name;
}

// A sound library, one with a name of 10,000 characters, and the main window opened with each:
// what the library lacks (every template here) comes from the program.
TEST_F(DamagedLanguageTest, ListedLibrariesOpenTheMainWindowWithTheProgramsTemplates)
{
    Add("en", m_sound);
    Add("long", ReadBytes(WindowsPath(VANTREL_TEST_LONG_NAME_LIBRARY)));
    CLanguageManager languages;
    languages.Enumerate(m_strFolder);
    ASSERT_EQ(languages.GetNames().size(), 2u);
    std::vector<std::string> names = languages.GetNames();
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names[0], "English");
    // The name is cut to what the options list shows.
    EXPECT_EQ(names[1].size(), 259u);
    EXPECT_EQ(names[1].substr(0, 12), "LangueLangue");
    for (const std::string& name : names)
    {
        languages.Select(name);
        ASSERT_NE(languages.GetLoadedLibrary(), nullptr) << name;
        CAppSettings settings;
        settings.m_bFirstRun = FALSE;
        CMainDlg dlg(IDD_MAIN_VERTICAL, settings);
        ASSERT_TRUE(dlg.Create()) << name;
        EXPECT_TRUE(::IsWindow(dlg.GetSafeHwnd()));
        languages.Unload();
    }
}
} // namespace
