#include "model/label_sheet.h"

#include "model/combination_values.h"
#include "model/smd_marking_writer.h"
#include "model/tool_value_text.h"

#include <cctype>
#include <cmath>
#include <string_view>

namespace
{
constexpr double kCustomMargin = 5.0;
constexpr double kInch = 25.4;
constexpr double kA4Width = 210;
constexpr double kA4Height = 297;
// The tolerance ring's positions of gold (5 %) and brown (1 %).
constexpr int kToleranceGold = 2;
constexpr int kToleranceBrown = 3;

bool IsPositive(double d)
{
    return std::isfinite(d) && d > 0;
}
} // namespace

LabelFormat StandardLabelFormat(SheetFormat format)
{
    switch (format)
    {
    case SheetFormat::A4_4x10:
        return {kA4Width, kA4Height, 4, 10, 8, 21.5, 48.5, 25.4, 0, 0};
    case SheetFormat::Letter_3x10:
        return {8.5 * kInch, 11 * kInch,    3, 10, 0.1875 * kInch, 0.5 * kInch, 2.625 * kInch,
                1.0 * kInch, 0.125 * kInch, 0};
    case SheetFormat::A4_3x8:
    default:
        return {kA4Width, kA4Height, 3, 8, 0, 0.5, 70, 37, 0, 0};
    }
}

std::optional<LabelFormat> ChosenLabelFormat(int nChoice, double labelWidth, double labelHeight)
{
    if (nChoice >= 0 && nChoice < kStandardSheetCount)
        return StandardLabelFormat(static_cast<SheetFormat>(nChoice));
    if (nChoice == kCustomLabelChoice)
        return CustomLabelFormat(kA4Width, kA4Height, labelWidth, labelHeight);
    return std::nullopt;
}

std::optional<LabelFormat> CustomLabelFormat(double pageWidth, double pageHeight, double labelWidth,
                                             double labelHeight)
{
    if (!IsPositive(pageWidth) || !IsPositive(pageHeight) || !IsPositive(labelWidth) ||
        !IsPositive(labelHeight))
        return std::nullopt;
    const double dUsableX = pageWidth - 2 * kCustomMargin;
    const double dUsableY = pageHeight - 2 * kCustomMargin;
    const int nColumns = static_cast<int>(std::floor(dUsableX / labelWidth + 1e-9));
    const int nRows = static_cast<int>(std::floor(dUsableY / labelHeight + 1e-9));
    if (nColumns < 1 || nRows < 1)
        return std::nullopt;
    LabelFormat format{pageWidth, pageHeight, nColumns, nRows, 0, 0, labelWidth, labelHeight, 0, 0};
    format.left = (pageWidth - nColumns * labelWidth) / 2;
    format.top = (pageHeight - nRows * labelHeight) / 2;
    return format;
}

std::size_t LabelPageCount(const LabelFormat& format, std::size_t nLabels)
{
    const auto nPerPage = static_cast<std::size_t>(format.LabelsPerPage());
    return nPerPage == 0 ? 0 : (nLabels + nPerPage - 1) / nPerPage;
}

LabelPlace PlaceLabel(const LabelFormat& format, std::size_t index)
{
    const auto nPerPage = static_cast<std::size_t>(format.LabelsPerPage());
    if (nPerPage == 0)
        return {};
    const std::size_t nOnPage = index % nPerPage;
    const auto nColumn = static_cast<double>(nOnPage % static_cast<std::size_t>(format.columns));
    const auto nRow = static_cast<double>(nOnPage / static_cast<std::size_t>(format.columns));
    return {index / nPerPage, format.left + nColumn * (format.labelWidth + format.gapX),
            format.top + nRow * (format.labelHeight + format.gapY)};
}

LabelContent MakeLabelContent(double ohms)
{
    const double dMilliohms = ohms * 1000.0;
    LabelContent content;
    content.value = ResistanceText(dMilliohms);
    content.fourRings.ringMode = kRingMode4;
    content.fourRings.positions[kSlotTolerance] = kToleranceGold;
    ValueToRings(dMilliohms, kRingMode4, content.fourRings);
    content.fiveRings.ringMode = kRingMode5;
    content.fiveRings.positions[kSlotTolerance] = kToleranceBrown;
    ValueToRings(dMilliohms, kRingMode5, content.fiveRings);
    const SmdMarkings markings = WriteSmdMarkings(dMilliohms);
    for (const SmdMarking* pMarking : {&markings.threeDigit, &markings.fourDigit, &markings.eia96})
    {
        if (pMarking->fault == SmdWriteFault::None)
            content.markings.push_back(pMarking->text);
    }
    return content;
}

std::vector<LabelContent> MakeLabelContents(std::span<const double> ohms)
{
    std::vector<LabelContent> labels;
    for (const double dOhms : SortedDistinctValues(ohms))
        labels.push_back(MakeLabelContent(dOhms));
    return labels;
}

std::string LabelFileStem(const std::string& strChosen)
{
    constexpr std::string_view kExtension = ".bmp";
    if (strChosen.size() > kExtension.size())
    {
        const std::size_t nAt = strChosen.size() - kExtension.size();
        bool bBitmap = true;
        for (std::size_t i = 0; i < kExtension.size(); ++i)
            bBitmap =
                bBitmap && std::tolower(static_cast<unsigned char>(strChosen[nAt + i])) == kExtension[i];
        if (bBitmap)
            return strChosen.substr(0, nAt);
    }
    return strChosen;
}

std::string LabelPageFileName(const std::string& strStem, std::size_t nPage)
{
    return strStem + "-" + std::to_string(nPage) + ".bmp";
}
