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

TEST(VersionTextTest, DownloadPageOfTheProductWithTheWebLinksQuery)
{
    const char* redirect = "https://www.vantrel.example/redirprog.php?";
    EXPECT_EQ(DownloadLinkAddress(redirect, "Vantrel", "2,1,0,71"),
              "https://www.vantrel.example/redirprog.php?url=vantrel_telechargement&ver=2.1.71&prog=Vantrel");
    EXPECT_EQ(DownloadLinkAddress(redirect, "Mon-Outil_2", "3,0,12,5"),
              "https://www.vantrel.example/"
              "redirprog.php?url=mon-outil_2_telechargement&ver=3.0.5&prog=Mon-Outil_2");
    // A program without a version resource still reaches the page.
    EXPECT_EQ(DownloadLinkAddress(redirect, "Vantrel", ""),
              "https://www.vantrel.example/redirprog.php?url=vantrel_telechargement&ver=&prog=Vantrel");
}
} // namespace
