// The options pages' rules: background modes and the language list, both ways; the looks a
// stored style gives.
#include "model/options_rules.h"

#include "model/interface_look.h"

#include <gtest/gtest.h>

namespace
{
constexpr const char* kBuiltIn = "D\xE9"
                                 "faut";

TEST(OptionsRulesTest, BackgroundModesRoundTrip)
{
    struct Case
    {
        std::string stored;
        int mode;
    };
    const Case cases[] = {
        {"", BACKGROUND_NONE},
        {kBuiltIn, BACKGROUND_BUILT_IN},
        {"d\xE9"
         "faut",
         BACKGROUND_FILE}, // exact comparison: another spelling is a path
        {"D\xE9"
         "faut ",
         BACKGROUND_FILE},
        {"C:\\images\\fond.bmp", BACKGROUND_FILE},
    };
    for (const Case& c : cases)
    {
        const int mode = BackgroundModeOf(c.stored, kBuiltIn);
        EXPECT_EQ(mode, c.mode) << c.stored;
        EXPECT_EQ(BackgroundSettingOf(mode, c.stored, kBuiltIn), c.stored) << c.stored;
    }
    // A path kept from an earlier choice does not leak into the other modes.
    EXPECT_EQ(BackgroundSettingOf(BACKGROUND_NONE, "C:\\a.bmp", kBuiltIn), "");
    EXPECT_EQ(BackgroundSettingOf(BACKGROUND_BUILT_IN, "C:\\a.bmp", kBuiltIn), kBuiltIn);
}

TEST(OptionsRulesTest, LanguageListSelectionRoundTrips)
{
    const std::vector<std::string> names = {"English", "Deutsch", "English"};
    struct Case
    {
        std::string stored;
        int index;
        std::string back;
    };
    const Case cases[] = {
        {"", 0, ""},        {"Deutsch", 2, "Deutsch"}, {"English", 3, "English"}, // the last of equal names
        {"english", 0, ""},                                                       // exact comparison
        {"Klingon", 0, ""},                                                       // a library no longer there
    };
    for (const Case& c : cases)
    {
        EXPECT_EQ(LanguageListIndex(names, c.stored), c.index) << c.stored;
        EXPECT_EQ(LanguageSettingOf(c.index, names), c.back) << c.stored;
    }
    EXPECT_EQ(LanguageSettingOf(4, names), "");
    EXPECT_EQ(LanguageSettingOf(-1, names), "");
}
} // namespace

// A stored look outside the list: the side bar falls back on the classic look, the menus on the
// visual-styles one, as each did on its own.
TEST(InterfaceLookRules, EachPartHasItsOwnFallback)
{
    const struct
    {
        int nStored;
        InterfaceLook sideBar;
        InterfaceLook menus;
    } cases[] = {
        {kStyleVisualStyles, InterfaceLook::VisualStyles, InterfaceLook::VisualStyles},
        {kStyleClassic, InterfaceLook::Classic, InterfaceLook::Classic},
        {2, InterfaceLook::Classic, InterfaceLook::VisualStyles},
        {-1, InterfaceLook::Classic, InterfaceLook::VisualStyles},
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ(SideBarLookOf(c.nStored), c.sideBar) << c.nStored;
        EXPECT_EQ(MenuLookOf(c.nStored), c.menus) << c.nStored;
    }
}
