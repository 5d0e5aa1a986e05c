// The string table read back under Wine, byte for byte in Windows-1252.
#include "framework/resource_module.h"
#include "res/resource.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace
{
struct StringCase
{
    UINT id;
    const char* bytes; // escapes, so that the expectation does not depend on the source charset
};

const StringCase kStrings[] = {
    {IDS_LANGUAGE_NAME, "Fran\xE7"
                        "ais (standard)"},
    {IDS_GROUP_STANDARD, "Valeurs normalis\xE9"
                         "es"},
    {IDS_GROUP_TASKS, "T\xE2"
                      "ches sp\xE9"
                      "cifiques"},
    {IDS_CALC_I, "I (Amp\xE8"
                 "re)"},
    {IDS_STYLE_XP, "Windows\xAE XP"},
    {IDS_SUMMARY_SEPARATOR, "\xE0"},
    {IDS_CALC_IMPOSSIBLE, "Impossible"},
    {IDS_BITMAP_FILTER, "Images Bitmap|*.bmp|Tous les fichiers|*.*||"},
    {IDS_TIP_TEMPCO, "Temp\xE9rature (s\xE9lectionnez la directement ici ou bien utilisez les barres de "
                     "s\xE9lection)"},
    {IDS_FIRST_RUN, "C'est la premi\xE8re fois que vous ex\xE9"
                    "cutez Vantrel.\n\nSouhaitez-vous d\xE9"
                    "couvrir maintenant les fonctionnalit\xE9s du programme ?"},
    {IDS_PRINT_ERROR,
     "Une erreur est survenue pendant l'impression.\n\nAssurez vous que vous imprimante soit "
     "correctement install\xE9"
     "e et sous tension, puis r\xE9\xE9ssayez."},
    {IDS_COLOUR_BLACK, "Noir"},
    {IDS_COLOUR_GOLD, "Or"},
    {IDS_REPAIR_MISSING,
     "L'outil de r\xE9paration QZNRepair n'a pas \xE9t\xE9 trouv\xE9 sur votre ordinateur."
     "\n\nEx\xE9"
     "cutez le programme d'installation \xE0 nouveau pour corriger cette erreur."},
};

class StringTableTest : public ::testing::TestWithParam<StringCase>
{
};

TEST_P(StringTableTest, ReadsBackTheWindows1252Bytes)
{
    const StringCase& c = GetParam();
    EXPECT_EQ(LoadResourceString(c.id), std::string(c.bytes));
    // The system's own loader agrees, as long as the text fits its buffer.
    char buffer[512] = {};
    const int length = ::LoadStringA(::GetModuleHandleA(nullptr), c.id, buffer, sizeof buffer);
    EXPECT_EQ(std::string(buffer, static_cast<size_t>(length)), std::string(c.bytes));
}

INSTANTIATE_TEST_SUITE_P(French, StringTableTest, ::testing::ValuesIn(kStrings));

TEST(StringTableTest, EveryQuotedIdentifierExistsAndMissingOnesReadEmpty)
{
    for (UINT id = 133; id <= 177; ++id)
    {
        if (id == 151)
            continue;
        EXPECT_FALSE(LoadResourceString(id).empty()) << id;
    }
    for (UINT id = IDS_WEB_LINK_FAILED; id <= IDS_HELP_FAILED; ++id)
        EXPECT_FALSE(LoadResourceString(id).empty()) << id;
    EXPECT_TRUE(LoadResourceString(151).empty());
    EXPECT_TRUE(LoadResourceString(40000).empty());
}

TEST(StringTableTest, LongMessageComesBackWhole)
{
    const std::string help = LoadResourceString(IDS_HELP_FAILED);
    EXPECT_EQ(help.rfind("L'aide du programme ne peut pas \xEAtre lanc\xE9"
                         "e.",
                         0),
              0u);
    EXPECT_NE(help.find("Consultez notre page "), std::string::npos);
    EXPECT_TRUE(help.ends_with(" pour plus d'informations."));
}
} // namespace
