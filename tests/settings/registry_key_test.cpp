// The key wrapper's contract: open and create, text values of every stored shape, failure paths.
#include "settings/registry_key.h"

#include "program_key.h"
#include "window_test.h"

#include <string>

namespace
{
class RegistryKeyTest : public CWindowTest
{
protected:
    CProgramKeyGuard m_guard;
};

TEST_F(RegistryKeyTest, MissingKeyDoesNotOpenAndEveryAccessFails)
{
    CRegistryKey key;
    EXPECT_FALSE(key.Open(HKEY_LOCAL_MACHINE, ProgramKeyPath(kGeneral)));
    EXPECT_FALSE(key.OpenForReading(HKEY_LOCAL_MACHINE, ProgramKeyPath(kGeneral)));
    EXPECT_FALSE(key.SetText("Nombre bandes", "1"));
    std::string text = "previous";
    EXPECT_FALSE(key.GetText("Nombre bandes", text));
    EXPECT_EQ(text, "");
    EXPECT_FALSE(ProgramKeyExists(kGeneral));
}

TEST_F(RegistryKeyTest, CreateMakesTheKeyThatOpenFindsAndMissingValuesFail)
{
    CRegistryKey key;
    ASSERT_TRUE(key.Create(HKEY_LOCAL_MACHINE, ProgramKeyPath(kLastState)));
    EXPECT_TRUE(ProgramKeyExists(kLastState));
    EXPECT_TRUE(key.Create(HKEY_LOCAL_MACHINE, ProgramKeyPath(kLastState)));
    EXPECT_TRUE(key.Open(HKEY_LOCAL_MACHINE, ProgramKeyPath(kLastState)));
    std::string text = "previous";
    EXPECT_FALSE(key.GetText("PosX", text));
    EXPECT_EQ(text, "");
    key.Close();
    key.Close();
    EXPECT_FALSE(key.SetText("PosX", "0"));
}

TEST_F(RegistryKeyTest, TextsComeBackAsWritten)
{
    CRegistryKey key;
    ASSERT_TRUE(key.Create(HKEY_LOCAL_MACHINE, ProgramKeyPath(kInterface)));
    const std::string texts[] = {"", "0", "-6500", "D\351faut", std::string(5000, 'x') + "\xE9"};
    for (const std::string& written : texts)
    {
        ASSERT_TRUE(key.SetText("Utiliser d\xE9grad\xE9", written));
        std::string read = "previous";
        EXPECT_TRUE(key.GetText("Utiliser d\xE9grad\xE9", read));
        EXPECT_EQ(read, written);
    }
}

TEST_F(RegistryKeyTest, StoredShapesReadUpToTheFirstZero)
{
    struct Case
    {
        DWORD type;
        std::string stored;
        const char* pszRead;
    };
    const Case cases[] = {
        {REG_SZ, std::string(), ""},
        {REG_SZ, std::string("\0", 1), ""},
        {REG_SZ, "55%", "55%"},
        {REG_SZ, std::string("55%\0", 4), "55%"},
        {REG_SZ,
         std::string("12\0"
                     "34",
                     5),
         "12"},
        {REG_EXPAND_SZ, std::string("%TEMP%\0", 7), "%TEMP%"},
        {REG_BINARY, "abc", "abc"},
    };
    CRegistryKey key;
    ASSERT_TRUE(key.Open(HKEY_LOCAL_MACHINE, ProgramKeyPath("")) ||
                key.Create(HKEY_LOCAL_MACHINE, ProgramKeyPath("")));
    for (const Case& c : cases)
    {
        StoreRaw("", "Valeur", c.type, c.stored);
        std::string read = "previous";
        EXPECT_TRUE(key.GetText("Valeur", read)) << c.stored.size() << " bytes";
        EXPECT_EQ(read, c.pszRead);
    }
}

} // namespace
