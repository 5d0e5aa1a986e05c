// Texts made from the program's version resource: the short version of the About dialog and
// the web links, the query that links to the product's site carry, and the download page the
// update tool opens.
#pragma once

#include <string>
#include <string_view>

// "2,1,0,71" gives "2.1.71": the first two parts and the fourth, the third dropped. A text
// with fewer than three separators is given back with its commas as points.
std::string ShortVersionText(std::string_view fileVersion);

// An address ending with "&" gets "ver=<short version>&prog=<application>"; any other is kept.
std::string WebLinkAddress(std::string_view address, std::string_view shortVersion, std::string_view appName);

// The download page of a product on its site's redirect page (redirect ends with its "?"): the
// target "<product in lower case>_telechargement" and the web links' query, so "Vantrel" at
// 2,1,0,71 asks for "url=vantrel_telechargement&ver=2.1.71&prog=Vantrel".
std::string DownloadLinkAddress(std::string_view redirect, std::string_view productName,
                                std::string_view fileVersion);
