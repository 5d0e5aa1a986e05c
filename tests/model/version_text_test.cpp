// The short version text and the web links that carry it.
#include "model/version_text.h"

#include <gtest/gtest.h>

namespace
{
TEST(VersionTextTest, ShortVersionDropsTheThirdPart)
{
    const std::pair<const char*, const char*> cases[] = {
        {"2,1,0,71", "2.1.71"},
        {"3,0,12,5", "3.0.5"},
        {"10,20,30,40", "10.20.40"},
        {"1,2,3", "1.2.3"},
        {"", ""},
        {"1,2,3,4,5", "1.2.4.5"},
    };
    for (const auto& [version, expected] : cases)
        EXPECT_EQ(ShortVersionText(version), expected) << version;
}

TEST(VersionTextTest, OnlyAddressesEndingWithAnAmpersandGetTheQuery)
{
    EXPECT_EQ(WebLinkAddress("https://h/redirprog.php?url=dons&", "2.1.71", "Vantrel"),
              "https://h/redirprog.php?url=dons&ver=2.1.71&prog=Vantrel");
    EXPECT_EQ(WebLinkAddress("https://h/page", "2.1.71", "Vantrel"), "https://h/page");
    EXPECT_EQ(WebLinkAddress("", "2.1.71", "Vantrel"), "");
}
} // namespace
