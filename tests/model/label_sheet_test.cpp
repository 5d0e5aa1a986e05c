// The label sheet's formats and places, and what a label of a value shows.
#include "model/label_sheet.h"

#include "model/ring_colours.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace
{
// Every label of every format lies on its page, and no two overlap.
TEST(LabelSheet, StandardFormatsFitTheirPages)
{
    for (SheetFormat sheet : {SheetFormat::A4_3x8, SheetFormat::A4_4x10, SheetFormat::Letter_3x10})
    {
        const LabelFormat f = StandardLabelFormat(sheet);
        SCOPED_TRACE(f.LabelsPerPage());
        const std::size_t nPerPage = static_cast<std::size_t>(f.LabelsPerPage());
        for (std::size_t i = 0; i < nPerPage; ++i)
        {
            const LabelPlace p = PlaceLabel(f, i);
            EXPECT_EQ(p.page, 0u);
            EXPECT_GE(p.left, 0);
            EXPECT_GE(p.top, 0);
            EXPECT_LE(p.left + f.labelWidth, f.pageWidth + 1e-9) << i;
            EXPECT_LE(p.top + f.labelHeight, f.pageHeight + 1e-9) << i;
        }
        const LabelPlace second = PlaceLabel(f, 1);
        EXPECT_NEAR(second.left - PlaceLabel(f, 0).left, f.labelWidth + f.gapX, 1e-9);
        EXPECT_EQ(PlaceLabel(f, nPerPage).page, 1u);
        EXPECT_DOUBLE_EQ(PlaceLabel(f, nPerPage).left, PlaceLabel(f, 0).left);
    }
    EXPECT_EQ(StandardLabelFormat(SheetFormat::A4_3x8).LabelsPerPage(), 24);
    EXPECT_EQ(StandardLabelFormat(SheetFormat::A4_4x10).LabelsPerPage(), 40);
    EXPECT_EQ(StandardLabelFormat(SheetFormat::Letter_3x10).LabelsPerPage(), 30);
}

TEST(LabelSheet, PagesCountWholeSheets)
{
    const LabelFormat f = StandardLabelFormat(SheetFormat::A4_3x8);
    const struct
    {
        std::size_t nLabels;
        std::size_t nPages;
    } cases[] = {{0, 0}, {1, 1}, {24, 1}, {25, 2}, {48, 2}, {49, 3}};
    for (const auto& c : cases)
        EXPECT_EQ(LabelPageCount(f, c.nLabels), c.nPages) << c.nLabels;
    EXPECT_EQ(LabelPageCount(LabelFormat{}, 10), 0u);
}

TEST(LabelSheet, CustomSizesFillThePageInsideItsMargins)
{
    const struct
    {
        double labelWidth;
        double labelHeight;
        int columns;
        int rows;
    } cases[] = {
        {50, 30, 4, 9},
        {200, 287, 1, 1},
        {100, 143.5, 2, 2},
        {25.4, 10, 7, 28},
    };
    for (const auto& c : cases)
    {
        const std::optional<LabelFormat> f = CustomLabelFormat(210, 297, c.labelWidth, c.labelHeight);
        ASSERT_TRUE(f.has_value()) << c.labelWidth;
        EXPECT_EQ(f->columns, c.columns) << c.labelWidth;
        EXPECT_EQ(f->rows, c.rows) << c.labelWidth;
        EXPECT_GE(f->left, 5 - 1e-9);
        EXPECT_NEAR(f->left * 2 + f->columns * c.labelWidth, 210, 1e-9);
    }
    for (const auto& bad : {std::array<double, 2>{201, 30}, {50, 288}, {0, 30}, {50, -1}, {std::nan(""), 30}})
        EXPECT_FALSE(CustomLabelFormat(210, 297, bad[0], bad[1]).has_value()) << bad[0] << "x" << bad[1];
}

TEST(LabelSheet, ALabelShowsValueRingsAndTheMarkingsThatExist)
{
    const struct
    {
        double ohms;
        const char* value;
        std::array<int, 4> four; // digits, multiplier; tolerance gold
        std::array<int, 5> five; // digits, multiplier; tolerance brown
        std::vector<std::string> markings;
    } cases[] = {
        {4700, "4,7 kOhms", {5, 8, 5, 2}, {5, 8, 1, 4, 3}, {"472", "4701"}},
        {10, "10 Ohms", {2, 1, 3, 2}, {2, 1, 1, 2, 3}, {"100", "10R0", "01X"}},
        {49.9, "49,9 Ohms", {5, 10, 3, 2}, {5, 10, 10, 2, 3}, {"49R9", "68X"}},
    };
    for (const auto& c : cases)
    {
        const LabelContent label = MakeLabelContent(c.ohms);
        EXPECT_EQ(label.value, c.value);
        EXPECT_EQ(label.fourRings.ringMode, kRingMode4);
        EXPECT_EQ(label.fourRings.positions[kSlotFirstDigit], c.four[0]) << c.value;
        EXPECT_EQ(label.fourRings.positions[kSlotSecondDigit], c.four[1]) << c.value;
        EXPECT_EQ(label.fourRings.positions[kSlotMultiplier], c.four[2]) << c.value;
        EXPECT_EQ(ToleranceText(label.fourRings.positions[kSlotTolerance]), "5 %");
        EXPECT_EQ(label.fiveRings.positions[kSlotThirdDigit], c.five[2]) << c.value;
        EXPECT_EQ(label.fiveRings.positions[kSlotMultiplier], c.five[3]) << c.value;
        EXPECT_EQ(ToleranceText(label.fiveRings.positions[kSlotTolerance]), "1 %");
        EXPECT_EQ(label.markings, c.markings) << c.value;
    }
}
} // namespace

TEST(LabelSheet, TheFormatListEndsWithACustomSizeOnA4)
{
    for (int nChoice = 0; nChoice < kStandardSheetCount; ++nChoice)
    {
        const std::optional<LabelFormat> f = ChosenLabelFormat(nChoice, 0, 0);
        ASSERT_TRUE(f.has_value()) << nChoice;
        EXPECT_EQ(f->LabelsPerPage(), StandardLabelFormat(static_cast<SheetFormat>(nChoice)).LabelsPerPage());
    }
    const std::optional<LabelFormat> custom = ChosenLabelFormat(kCustomLabelChoice, 50, 30);
    ASSERT_TRUE(custom.has_value());
    EXPECT_EQ(custom->pageWidth, 210);
    EXPECT_EQ(custom->pageHeight, 297);
    EXPECT_FALSE(ChosenLabelFormat(kCustomLabelChoice, 300, 30).has_value());
    EXPECT_FALSE(ChosenLabelFormat(-1, 50, 30).has_value());
    EXPECT_FALSE(ChosenLabelFormat(kCustomLabelChoice + 1, 50, 30).has_value());
}

TEST(LabelSheet, LabelsComeInOrderOfValueEachOnce)
{
    const std::vector<double> stock{4700, 100, 4700, 0.47, 1e6};
    const std::vector<LabelContent> labels = MakeLabelContents(stock);
    std::vector<std::string> values;
    for (const LabelContent& label : labels)
        values.push_back(label.value);
    EXPECT_EQ(values, (std::vector<std::string>{"470 mOhms", "100 Ohms", "4,7 kOhms", "1 MOhms"}));
    EXPECT_TRUE(MakeLabelContents({}).empty());
}

TEST(LabelSheet, SavedPagesAreNamedAfterTheChosenFile)
{
    const struct
    {
        const char* chosen;
        const char* stem;
    } cases[] = {
        {"C:\\labels.bmp", "C:\\labels"},
        {"C:\\labels.BMP", "C:\\labels"},
        {"C:\\labels", "C:\\labels"},
        {"C:\\labels.bmp.txt", "C:\\labels.bmp.txt"},
        {".bmp", ".bmp"},
        {"a.bmpx", "a.bmpx"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LabelFileStem(c.chosen), c.stem) << c.chosen;
    EXPECT_EQ(LabelPageFileName("C:\\labels", 1), "C:\\labels-1.bmp");
    EXPECT_EQ(LabelPageFileName("C:\\labels", 12), "C:\\labels-12.bmp");
}
