// The label sheet of a resistor assortment: the common sheet formats and custom ones, where each
// label of a list of values lies on which page, and what each label shows.
#pragma once

#include "model/resistor_state.h"

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

// A sheet of equal labels in a grid, in millimetres from the page's top-left corner.
struct LabelFormat
{
    double pageWidth = 0;
    double pageHeight = 0;
    int columns = 0;
    int rows = 0;
    double left = 0;
    double top = 0;
    double labelWidth = 0;
    double labelHeight = 0;
    // Between two labels side by side, and between two rows.
    double gapX = 0;
    double gapY = 0;

    int LabelsPerPage() const { return columns * rows; }
};

// A4 with 3 x 8 labels of 70 x 37 mm, A4 with 4 x 10 of 48,5 x 25,4 mm, Letter with 3 x 10 of
// 2 5/8 x 1 inch.
enum class SheetFormat
{
    A4_3x8,
    A4_4x10,
    Letter_3x10,
};
LabelFormat StandardLabelFormat(SheetFormat format);
inline constexpr int kStandardSheetCount = 3;

// The format list of the label page: the standard sheets in the order above, then a custom
// label size on an A4 page. Nothing for a custom size that does not fit, or an unknown choice.
inline constexpr int kCustomLabelChoice = kStandardSheetCount;
std::optional<LabelFormat> ChosenLabelFormat(int nChoice, double labelWidth, double labelHeight);

// As many labels of the size as fit the page with a margin of 5 mm, the grid centred; nothing
// when not one label fits or a size is not a positive number.
std::optional<LabelFormat> CustomLabelFormat(double pageWidth, double pageHeight, double labelWidth,
                                             double labelHeight);

struct LabelPlace
{
    std::size_t page = 0;
    double left = 0;
    double top = 0;
};
// Labels fill each page row by row; a list of none needs no page.
std::size_t LabelPageCount(const LabelFormat& format, std::size_t nLabels);
LabelPlace PlaceLabel(const LabelFormat& format, std::size_t index);

// What a label shows: the value with its unit, the rings of 4 and of 5 rings (tolerance gold and
// brown, as bought), and the SMD markings that exist for the value.
struct LabelContent
{
    std::string value;
    ResistorState fourRings;
    ResistorState fiveRings;
    std::vector<std::string> markings;
};
LabelContent MakeLabelContent(double ohms);
// One label a value, from the lowest value to the highest, each value once: a drawer's labels are
// wanted in order, and a stock typed twice needs only one label.
std::vector<LabelContent> MakeLabelContents(std::span<const double> ohms);

// The pages of a sheet saved under the name the user chose, "labels.bmp" or "labels": the name
// without its ".bmp" (in any case) is the stem, and page n, counted from 1, is "<stem>-<n>.bmp".
std::string LabelFileStem(const std::string& strChosen);
std::string LabelPageFileName(const std::string& strStem, std::size_t nPage);
