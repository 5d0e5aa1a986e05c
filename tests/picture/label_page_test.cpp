// The label sheet's pages: drawn at 300 dpi, each label's resistors in their rings' colours, and
// saved as one bitmap file a page, read back; a failed save leaves no page behind.
#include "canvas.h"
#include "temp_files.h"

#include "model/resistor_layout.h"
#include "picture/label_page.h"
#include "picture/resistor_picture.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
std::vector<LabelContent> Labels(std::size_t nCount)
{
    std::vector<LabelContent> labels;
    for (std::size_t i = 0; i < nCount; ++i)
        labels.push_back(MakeLabelContent(100.0 * static_cast<double>(i + 1)));
    return labels;
}

TEST(LabelPage, ALabelsResistorsShowItsRingsAt300Dpi)
{
    const LabelFormat format = StandardLabelFormat(SheetFormat::A4_3x8);
    // The first row of labels at 300 dpi: 70 x 37 mm is some 827 x 437 pixels.
    CCanvas canvas(2480, 460, RGB(255, 255, 255));
    const std::vector<LabelContent> labels = Labels(2);
    DrawLabelPage(canvas.dc(), kLabelFileDpi, format, labels);
    // The 4-ring resistor of the first label (100 Ohms: brown, black, brown) as the label lays it.
    const int nLeft = static_cast<int>(format.left * 300 / 25.4 + 0.5);
    const int nTop = static_cast<int>(format.top * 300 / 25.4 + 0.5);
    const int nWidth = static_cast<int>(format.labelWidth * 300 / 25.4 + 0.5);
    const int nHeight = static_cast<int>(format.labelHeight * 300 / 25.4 + 0.5);
    const int nPad = nHeight / 12;
    const int nText = nHeight / 5;
    const RECT rcFour{nLeft + nPad, nTop + nPad + nText, nLeft + nWidth / 2 - nPad / 2,
                      nTop + nHeight - nPad - nText * 3 / 4};
    const ResistorLayout layout =
        LayOutResistor({rcFour.left, rcFour.top, rcFour.right, rcFour.bottom}, true);
    ASSERT_NE(layout.whole, LayoutBox{});
    for (int slot : {kSlotFirstDigit, kSlotSecondDigit, kSlotMultiplier, kSlotTolerance})
    {
        const LayoutBox& ring = layout.rings[static_cast<size_t>(slot)];
        const auto colour = RingColour(slot, labels[0].fourRings.positions[static_cast<size_t>(slot)]);
        ASSERT_TRUE(colour.has_value());
        EXPECT_EQ(canvas.Pixel((ring.left + ring.right) / 2, (ring.top + ring.bottom) / 2),
                  ToColorRef(*colour))
            << slot;
    }
    // The value is written above, in black.
    EXPECT_GT(canvas.Count({nLeft, nTop, nLeft + nWidth, nTop + nPad + nText}, RGB(0, 0, 0)), 100);
    // The second label stands beside the first.
    EXPECT_GT(canvas.Count({nLeft + nWidth, nTop, nLeft + 2 * nWidth, nTop + nPad + nText}, RGB(0, 0, 0)),
              100);
}

TEST(LabelPage, PagesAreSavedOneFileEachAndRemovedOnFailure)
{
    const LabelFormat format = StandardLabelFormat(SheetFormat::A4_4x10);
    const std::string strStem = TempPath("vantrel-labels");
    const std::vector<LabelContent> labels = Labels(41);
    ASSERT_TRUE(SaveLabelPages(strStem, format, labels));
    for (std::size_t nPage : {std::size_t{1}, std::size_t{2}})
    {
        const std::string strPath = LabelPageFileName(strStem, nPage);
        HANDLE hFile = ::CreateFileA(strPath.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(hFile, INVALID_HANDLE_VALUE) << strPath;
        BITMAPFILEHEADER file{};
        BITMAPINFOHEADER info{};
        DWORD nRead = 0;
        ::ReadFile(hFile, &file, sizeof file, &nRead, nullptr);
        ::ReadFile(hFile, &info, sizeof info, &nRead, nullptr);
        ::CloseHandle(hFile);
        EXPECT_EQ(file.bfType, 0x4D42);
        EXPECT_EQ(info.biBitCount, 24);
        EXPECT_EQ(info.biWidth, 2480);
        EXPECT_EQ(info.biHeight, 3508);
        EXPECT_EQ(info.biXPelsPerMeter, 11811);
        ::DeleteFileA(strPath.c_str());
    }
    EXPECT_EQ(::GetFileAttributesA(LabelPageFileName(strStem, 3).c_str()), INVALID_FILE_ATTRIBUTES);

    // A folder that does not exist: nothing saved, nothing left.
    const std::string strMissing = TempPath("vantrel-no-such-folder\\labels");
    EXPECT_FALSE(SaveLabelPages(strMissing, format, labels));
    EXPECT_EQ(::GetFileAttributesA(LabelPageFileName(strMissing, 1).c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_FALSE(SaveLabelPages(strStem, format, {}));
}
} // namespace
