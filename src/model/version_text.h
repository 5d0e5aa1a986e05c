// Texts made from the program's version resource: the short version of the About dialog and
// the web links, and the query that links to the product's site carry.
#pragma once

#include <string>
#include <string_view>

// "2,1,0,71" gives "2.1.71": the first two parts and the fourth, the third dropped. A text
// with fewer than three separators is given back with its commas as points.
std::string ShortVersionText(std::string_view fileVersion);

// An address ending with "&" gets "ver=<short version>&prog=<application>"; any other is kept.
std::string WebLinkAddress(std::string_view address, std::string_view shortVersion, std::string_view appName);
