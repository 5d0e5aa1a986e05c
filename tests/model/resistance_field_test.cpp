// Resistances typed into the calculation tools: one field, and the stock list.
#include "model/resistance_field.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace
{
constexpr std::optional<double> kNone = std::nullopt;

TEST(ReadResistanceField, NumbersMultipliersAndLetterCodes)
{
    const struct
    {
        std::string text;
        std::optional<double> ohms;
    } cases[] = {
        {"4700", 4700.0}, {" 4,7 ", 4.7},   {"4,7k", 4700.0}, {"4.7 K", 4700.0}, {"2,2M", 2.2e6},
        {"15m", 0.015},   {"47R", 47.0},    {"4k7", 4700.0},  {"R47", 0.47},     {"1m5", 0.0015},
        {"2M2", 2.2e6},   {"0", 0.0},       {"1e3", 1000.0},  {"", kNone},       {"k", kNone},
        {"4,7kk", kNone}, {"-4,7k", kNone}, {"-10", kNone},   {"4k7k", kNone},   {"12 V", kNone},
        {"1e400", kNone}, {"4 7", kNone},   {"4,7 G", kNone}, {"x", kNone},
    };
    for (const auto& c : cases)
    {
        const std::optional<double> ohms = ReadResistanceField(c.text);
        ASSERT_EQ(ohms.has_value(), c.ohms.has_value()) << '"' << c.text << '"';
        if (ohms.has_value())
        {
            EXPECT_DOUBLE_EQ(*ohms, *c.ohms) << '"' << c.text << '"';
        }
    }
}

TEST(ReadStockList, SeparatorsKeepDecimalCommas)
{
    const StockReading reading = ReadStockList("4k7, 10k;1,5\n\r\n 2,2k\t470, 1M ,33");
    EXPECT_EQ(reading.ohms, (std::vector<double>{4700.0, 10000.0, 1.5, 2200.0, 470.0, 1e6, 33.0}));
    EXPECT_TRUE(reading.unreadable.empty());
    EXPECT_FALSE(reading.tooMany);
}

TEST(ReadStockList, UnreadableEntriesAreNamedInTheirOrder)
{
    const StockReading reading = ReadStockList("4k7 abc 10k -5 4,7 k");
    EXPECT_EQ(reading.ohms, (std::vector<double>{4700.0, 10000.0, 4.7}));
    EXPECT_EQ(reading.unreadable, (std::vector<std::string>{"abc", "-5", "k"}));
}

TEST(ReadStockList, EmptyAndSeparatorsOnly)
{
    for (const char* text : {"", "  ", ",,;\n", " , "})
    {
        const StockReading reading = ReadStockList(text);
        EXPECT_TRUE(reading.ohms.empty()) << '"' << text << '"';
        EXPECT_TRUE(reading.unreadable.empty()) << '"' << text << '"';
    }
}

TEST(ReadStockList, KeepsTheFirstFiveHundred)
{
    for (const std::size_t count :
         {kMaxStockValues - 1, kMaxStockValues, kMaxStockValues + 1, kMaxStockValues + 7})
    {
        std::string text;
        for (std::size_t i = 1; i <= count; ++i)
            text += std::to_string(i) + " ";
        const StockReading reading = ReadStockList(text);
        ASSERT_EQ(reading.ohms.size(), std::min(count, kMaxStockValues)) << count;
        EXPECT_EQ(reading.ohms.back(), static_cast<double>(std::min(count, kMaxStockValues)));
        EXPECT_EQ(reading.tooMany, count > kMaxStockValues) << count;
    }
}
} // namespace
