// Menu item texts: the label apart from its accelerator, accelerator texts from key names, and
// the item that a typed mnemonic chooses.
#include "model/menu_text.h"

#include <gtest/gtest.h>

namespace
{
TEST(MenuTextTest, SplitsAtTheFirstTab)
{
    struct Case
    {
        const char* text;
        const char* label;
        const char* accelerator;
    };
    const Case cases[] = {
        {"&4 anneaux\tALT+4", "&4 anneaux", "ALT+4"},
        {"A&utres options du programme...", "A&utres options du programme...", ""},
        {"Menu\t", "Menu", ""},
        {"\tF1", "", "F1"},
        {"a\tb\tc", "a", "b\tc"},
        {"", "", ""},
    };
    for (const Case& c : cases)
    {
        const MenuItemText split = SplitMenuText(c.text);
        EXPECT_EQ(split.label, c.label) << c.text;
        EXPECT_EQ(split.accelerator, c.accelerator) << c.text;
    }
}

TEST(MenuTextTest, AcceleratorTextsPutModifiersInOneOrder)
{
    EXPECT_EQ(AcceleratorText(true, false, false, "C"), "Ctrl+C");
    EXPECT_EQ(AcceleratorText(false, false, true, "4"), "Alt+4");
    EXPECT_EQ(AcceleratorText(true, true, true, "Suppr"), "Ctrl+Shift+Alt+Suppr");
    EXPECT_EQ(AcceleratorText(false, false, false, "F1"), "F1");
}

TEST(MenuTextTest, MnemonicsChooseTheMarkedItem)
{
    const std::vector<std::string> context = {
        "Copier la &valeur",
        "C&opier l'image",
        "&Enregistrer",
        "",
        "&Nombre d'anneaux",
        "&Toujours au premier plan",
        "&Afficher la barre latérale",
        "A&utres options",
    };
    struct Case
    {
        char ch;
        int current;
        int index; // -1: none
        bool bUnique;
    };
    const Case cases[] = {
        {'v', -1, 0, true}, {'V', 5, 0, true},    {'o', -1, 1, true},   {'u', 0, 7, true},
        {'a', -1, 6, true}, {'z', -1, -1, false}, {'&', -1, -1, false},
    };
    for (const Case& c : cases)
    {
        const std::optional<MnemonicMatch> match = FindMnemonic(context, c.ch, c.current);
        if (c.index < 0)
        {
            EXPECT_FALSE(match.has_value()) << c.ch;
            continue;
        }
        ASSERT_TRUE(match.has_value()) << c.ch;
        EXPECT_EQ(match->index, c.index) << c.ch;
        EXPECT_EQ(match->bUnique, c.bUnique) << c.ch;
    }
}

TEST(MenuTextTest, SeveralItemsWithOneMnemonicAreVisitedInTurn)
{
    const std::vector<std::string> labels = {"&Aide", "&Questionnaire", "À &propos", "&Arrêt", "Fin && &a"};
    // From nothing selected, then from each of the three in turn, wrapping round.
    EXPECT_EQ(FindMnemonic(labels, 'a', -1)->index, 0);
    EXPECT_EQ(FindMnemonic(labels, 'a', 0)->index, 3);
    EXPECT_EQ(FindMnemonic(labels, 'a', 3)->index, 4);
    EXPECT_EQ(FindMnemonic(labels, 'a', 4)->index, 0);
    EXPECT_FALSE(FindMnemonic(labels, 'a', 1)->bUnique);
    // Accented letters match their capitals; "&&" marks nothing.
    const std::vector<std::string> accented = {"\xC9l\xE9ment", "&\xE9l\xE9ment", "A && B"};
    EXPECT_EQ(FindMnemonic(accented, '\xC9', -1)->index, 1);
    EXPECT_FALSE(FindMnemonic(accented, 'B', -1).has_value());
    EXPECT_FALSE(FindMnemonic({}, 'a', -1).has_value());
}
} // namespace
