// The quiz window fixture: creation, gestures, and reads of texts, pixels and stored scores.
#include "quiz_dlg_fixture.h"

#include "canvas.h"

#include "model/resistor_layout.h"
#include "picture/resistor_picture.h"
#include "model/quiz_text.h"
#include "model/ring_colours.h"
#include "quiz/quiz_picture.h"

namespace
{
// The colour names by string id, from 165 on.
constexpr const char* kColourNames[] = {"Noir", "Marron", "Rouge", "Orange", "Jaune",  "Vert",
                                        "Bleu", "Violet", "Gris",  "Blanc",  "Argent", "Or"};
} // namespace

std::string ColourNames(const ResistorState& rings)
{
    std::string names;
    for (int slot = 0; slot < 6; ++slot)
    {
        if (!IsRingShown(rings.ringMode, slot))
            continue;
        names += names.empty() ? "" : ", ";
        names += kColourNames[*RingColourName(slot, rings.positions[static_cast<size_t>(slot)]) - 165];
    }
    return names;
}

std::string LetterForm(std::int64_t hundredths)
{
    std::string text = QuizValueText(hundredths);
    const std::size_t space = text.find(' ');
    const char letter = text[space + 1] == 'k' ? 'k' : text[space + 1] == 'M' ? 'M' : 'R';
    text.resize(space);
    const std::size_t comma = text.find(',');
    if (comma == std::string::npos)
        return text + letter;
    text[comma] = letter;
    return text;
}

std::string StoredScore(const char* pszName)
{
    const std::optional<RawValue> value = ReadRaw("Questionnaire", pszName);
    return value ? std::string(value->bytes.c_str()) : "(none)";
}

void QuizDlgTest::TearDown()
{
    Close();
    CWindowTest::TearDown();
}

void QuizDlgTest::Open(std::uint32_t nSeed)
{
    Close();
    m_dlg = std::make_unique<CQuizDlg>(nSeed);
    ASSERT_TRUE(m_dlg->Create());
    m_hDlg = m_dlg->GetSafeHwnd();
    ::ShowWindow(m_hDlg, SW_SHOWNOACTIVATE);
    m_random.emplace(nSeed);
    NextQuestion();
}

void QuizDlgTest::Close()
{
    if (m_hDlg != nullptr && ::IsWindow(m_hDlg))
        ::DestroyWindow(m_hDlg);
    m_hDlg = nullptr;
    m_dlg.reset();
}

void QuizDlgTest::ChooseColour(int slot, int position) const
{
    HWND hList = Item(IDC_QUIZ_RING1 + slot);
    ::SendMessageA(hList, CB_SETCURSEL, static_cast<WPARAM>(position - 1), 0);
    ::SendMessageA(m_hDlg, WM_COMMAND, MAKEWPARAM(IDC_QUIZ_RING1 + slot, CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(hList));
}

void QuizDlgTest::Place(const ResistorState& rings) const
{
    for (int slot = 0; slot < 6; ++slot)
        if (IsRingShown(rings.ringMode, slot))
            ChooseColour(slot, rings.positions[static_cast<size_t>(slot)]);
}

void QuizDlgTest::ExpectPictureShows(const ResistorState& rings) const
{
    HWND hPicture = Item(IDC_QUIZ_PICTURE);
    RECT rc{};
    ::GetClientRect(hPicture, &rc);
    CCanvas canvas(rc.right, rc.bottom, RGB(1, 2, 3));
    // The owner-drawn picture asks its dialog to draw into the context it is given.
    ::SendMessageA(hPicture, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc()), PRF_CLIENT);
    const RECT rcResistor = QuizResistorArea(rc);
    const ResistorLayout layout =
        LayOutResistor({rcResistor.left, rcResistor.top, rcResistor.right, rcResistor.bottom}, true);
    EXPECT_GT(layout.whole.right - layout.whole.left, rc.right / 2);
    for (int nBande = 0; nBande < 6; ++nBande)
    {
        const std::optional<RingRgb> colour =
            RingColour(nBande, rings.positions[static_cast<size_t>(nBande)]);
        if (!IsRingShown(rings.ringMode, nBande) || !colour)
            continue;
        const LayoutBox& ring = layout.rings[static_cast<size_t>(nBande)];
        const int x = (ring.left + ring.right) / 2;
        const int y = (ring.top + ring.bottom) / 2;
        EXPECT_EQ(canvas.Pixel(x, y), ToColorRef(*colour)) << "ring " << nBande;
    }
}

std::string QuizDlgTest::Reading(const ResistorState& rings)
{
    return QuizReadingText(rings, "\xE0");
}
