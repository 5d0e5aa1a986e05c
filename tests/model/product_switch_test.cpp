// The product name a companion tool reads from its command line, and the names it refuses.
#include "model/product_switch.h"

#include <gtest/gtest.h>

namespace
{
TEST(ProductSwitchTest, NameAfterTheOption)
{
    const std::pair<const char*, const char*> cases[] = {
        {"/PROG:\"Vantrel\"", "Vantrel"}, // as the program passes it
        {"/prog:\"Vantrel\"", "Vantrel"},
        {"/PROG:Vantrel", "Vantrel"},
        {"/PROG:Vantrel /S", "Vantrel"},
        {"/S /PROG:\"Vantrel\"", "Vantrel"},
        {"\t/PROG:\"Mon-Outil_2\"", "Mon-Outil_2"},
        {"/PROG:\"Vantrel\"suite", "Vantrel"},
        // The first word that is the option counts; one inside another word does not.
        {"x/PROG:\"Autre\" /PROG:\"Vantrel\"", "Vantrel"},
        {"/PROG:\"Vantrel\" /PROG:\"Autre\"", "Vantrel"},
    };
    for (const auto& [commandLine, expected] : cases)
        EXPECT_EQ(ReadProductSwitch(commandLine, "/PROG:"), std::optional<std::string>(expected))
            << commandLine;
}

TEST(ProductSwitchTest, NoProductWithoutASoundName)
{
    const char* const cases[] = {
        "",
        "/PROG",
        "/PROG:",
        "/PROG:\"\"",
        "/PROG: Vantrel",
        "/PROG:\"Vantrel",
        "/CONFIG:\"Vantrel\"",
        "/PROGRAMME:\"Vantrel\"",
        "/PROG:\"..\\..\\Windows\\notepad\"",
        "/PROG:\"C:Vantrel\"",
        "/PROG:\"Van trel\"",
        "/PROG:\"Van/trel\"",
        "/PROG:\"Vantrel.exe\"",
        "/PROG:\"Vantr\xE9l\"",
    };
    for (const char* commandLine : cases)
        EXPECT_EQ(ReadProductSwitch(commandLine, "/PROG:"), std::nullopt) << commandLine;
    EXPECT_EQ(ReadProductSwitch("/PROG:\"Vantrel\"", ""), std::nullopt);
}

TEST(ProductSwitchTest, NamesUpTo64Characters)
{
    const std::string longest(64, 'a');
    EXPECT_EQ(ReadProductSwitch("/CONFIG:\"" + longest + "\"", "/CONFIG:"), longest);
    EXPECT_EQ(ReadProductSwitch("/CONFIG:\"" + longest + "a\"", "/CONFIG:"), std::nullopt);
}
} // namespace
