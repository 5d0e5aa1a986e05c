// The resistances typed into the calculation tools: one field, or a stock list of many.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The most values a stock list keeps.
constexpr std::size_t kMaxStockValues = 500;

// A number in ohms ("4700", "4,7"), a number and a multiplier ("4,7k", "4.7 K", "2,2 M", "15 m"
// for milliohms), or the letter code ("4k7", "R47", "1m5"). Blanks around it are ignored.
// Nothing for any other text, and for a negative or non-finite value.
std::optional<double> ReadResistanceField(std::string_view text);

struct StockReading
{
    // In ohms, in the order of the text, at most kMaxStockValues.
    std::vector<double> ohms;
    // The entries that are no resistance, as typed, in their order.
    std::vector<std::string> unreadable;
    // Entries beyond kMaxStockValues were left out.
    bool tooMany = false;
};

// Entries separated by blanks, semicolons or line breaks, each read by ReadResistanceField; a
// comma separates entries too unless digits stand on both sides of it ("4,7" is one value).
// A number and its multiplier may not be split by a blank here: "4,7 k" is two entries.
StockReading ReadStockList(std::string_view text);
