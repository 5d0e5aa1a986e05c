// Label sheets printed on the default printer, as real jobs. Only the print test starts this,
// with a printer installed, and reads back what reached the paper; the tests run in their order
// here, so the empty sheet would be queued before the full one.
#include "picture/label_page.h"
#include "picture/print_job.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace
{
// The print test names the jobs of each run, so that it finds its own among the printer's files.
std::string DocName(const char* pszSuffix)
{
    const char* pszDocName = std::getenv("VANTREL_PRINT_DOC");
    return std::string(pszDocName != nullptr ? pszDocName : "Vantrel labels") + pszSuffix;
}

// 30 labels of the E12 series from 10 Ohms: the first page ends at 820 Ohms, the second holds
// 1 kOhms to 2,7 kOhms. The print test looks for these values on their pages.
std::vector<LabelContent> E12Labels()
{
    constexpr double kE12[] = {10, 12, 15, 18, 22, 27, 33, 39, 47, 56, 68, 82};
    std::vector<LabelContent> labels;
    double dDecade = 1;
    for (std::size_t i = 0; i < 30; ++i)
    {
        if (i > 0 && i % 12 == 0)
            dDecade *= 10;
        labels.push_back(MakeLabelContent(kE12[i % 12] * dDecade));
    }
    return labels;
}

TEST(LabelPrint, AnEmptySheetSendsNoJob)
{
    CPrinterDCHandle printer = GetDefaultPrinterDC();
    ASSERT_TRUE(printer) << "no default printer";
    EXPECT_FALSE(PrintLabelPages(printer.get(), DocName(" empty").c_str(),
                                 StandardLabelFormat(SheetFormat::A4_3x8), {}));
}

TEST(LabelPrint, TwoPagesOfLabelsGoToTheDefaultPrinterAsOneDocument)
{
    CPrinterDCHandle printer = GetDefaultPrinterDC();
    ASSERT_TRUE(printer) << "no default printer";
    const LabelFormat format = StandardLabelFormat(SheetFormat::A4_3x8);
    const std::vector<LabelContent> labels = E12Labels();
    ASSERT_EQ(LabelPageCount(format, labels.size()), 2u);
    EXPECT_TRUE(PrintLabelPages(printer.get(), DocName("").c_str(), format, labels));
}
} // namespace
