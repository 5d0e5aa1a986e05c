// The quiz's window created for real and played as a user plays it: choices clicked, values
// typed, ring lists chosen and the one button pressed, over whole rounds in both modes. The
// questions are known beforehand from the seed, which is the window's only source of chance.
#include "quiz_dlg_fixture.h"

#include "modal_step.h"

#include "canvas.h"
#include "model/quiz_text.h"
#include "model/ring_colours.h"
#include "picture/resistor_picture.h"

#include <set>
#include <string>

namespace
{
constexpr int kChoiceIds[] = {IDC_QUIZ_CHOICE1, IDC_QUIZ_CHOICE2, IDC_QUIZ_CHOICE3, IDC_QUIZ_CHOICE4};

enum class ERead
{
    RightChoice,
    WrongChoice,
    RightTyped,      // a choice's text, typed after a wrong choice was clicked
    RightLetters,    // "4k7"
    TypedThenChoice, // the right choice clicked after a wrong value was typed
    WrongTyped,
    Unreadable,
    NothingThenRight // the button pressed first with no answer
};

TEST_F(QuizDlgTest, AReadingRoundOfTenIsScoredAndItsBestKept)
{
    const ERead round[] = {ERead::RightChoice,      ERead::WrongChoice,     ERead::RightTyped,
                           ERead::Unreadable,       ERead::RightLetters,    ERead::WrongTyped,
                           ERead::NothingThenRight, ERead::TypedThenChoice, ERead::WrongChoice,
                           ERead::RightChoice};
    Open(2024);
    ASSERT_EQ(Text(IDC_QUIZ_BEST), "Meilleur score : 0 / 10");
    EXPECT_TRUE(IsChecked(IDC_QUIZ_MODE_READ));
    int nScore = 0;
    for (int i = 0; i < 10; ++i)
    {
        SCOPED_TRACE(testing::Message() << "question " << i + 1);
        const QuizQuestion& q = m_question;
        EXPECT_EQ(Text(IDC_QUIZ_PROGRESS), "Question " + std::to_string(i + 1) + " / 10");
        EXPECT_EQ(Text(IDOK), "&Valider");
        for (size_t n = 0; n < 4; ++n)
        {
            EXPECT_EQ(Text(kChoiceIds[n]), QuizValueText(q.choices[n]));
            EXPECT_FALSE(IsChecked(kChoiceIds[n]));
        }
        EXPECT_EQ(Text(IDC_QUIZ_TYPED), "");
        ExpectPictureShows(q.rings);

        const int nRight = kChoiceIds[q.rightChoice];
        const int nWrong = kChoiceIds[(q.rightChoice + 1) % 4];
        std::string strExpected = "Juste ! Cette r\xE9sistance vaut " + Reading(q.rings) + ".";
        const std::string strWrong = "Faux. Cette r\xE9sistance vaut " + Reading(q.rings) + ".";
        switch (round[i])
        {
        case ERead::RightChoice:
            Click(nRight);
            break;
        case ERead::WrongChoice:
            Click(nWrong);
            strExpected = strWrong;
            break;
        case ERead::RightTyped:
            // One answer at a time: a value typed unchecks the choices.
            Click(nWrong);
            Type(QuizValueText(q.choices[q.rightChoice]));
            EXPECT_FALSE(IsChecked(nWrong));
            break;
        case ERead::TypedThenChoice:
            // And a choice clicked empties the value.
            Type(QuizValueText(q.choices[(q.rightChoice + 1) % 4]));
            Click(nRight);
            EXPECT_EQ(Text(IDC_QUIZ_TYPED), "");
            break;
        case ERead::RightLetters:
            Type(LetterForm(q.choices[q.rightChoice]));
            break;
        case ERead::WrongTyped:
            Type(QuizValueText(q.choices[(q.rightChoice + 1) % 4]));
            strExpected = strWrong;
            break;
        case ERead::Unreadable:
            Type("quatre");
            strExpected = "Faux : \xAB quatre \xBB n'est pas une valeur lisible. Cette r\xE9sistance vaut " +
                          Reading(q.rings) + ".";
            break;
        case ERead::NothingThenRight:
            Click(IDOK);
            EXPECT_EQ(Text(IDC_QUIZ_RESULT),
                      "Choisissez une des quatre valeurs ou tapez la v\xF4tre, puis validez.");
            EXPECT_EQ(Text(IDC_QUIZ_PROGRESS), "Question " + std::to_string(i + 1) + " / 10");
            EXPECT_EQ(Text(IDOK), "&Valider");
            Click(nRight);
            break;
        }
        Click(IDOK);
        if (strExpected.starts_with("Juste"))
            ++nScore;
        EXPECT_EQ(Text(IDC_QUIZ_RESULT).substr(0, strExpected.size()), strExpected);
        EXPECT_EQ(Text(IDC_QUIZ_SCORE), "Score : " + std::to_string(nScore) + " / 10");
        // The answer cannot change once judged.
        EXPECT_FALSE(::IsWindowEnabled(Item(nRight)));
        EXPECT_FALSE(::IsWindowEnabled(Item(IDC_QUIZ_TYPED)));
        if (i < 9)
        {
            EXPECT_EQ(Text(IDOK), "&Question suivante");
            Click(IDOK);
            NextQuestion();
        }
    }
    ASSERT_EQ(nScore, 6);
    EXPECT_EQ(Text(IDOK), "&Nouvelle partie");
    const std::string strResult = Text(IDC_QUIZ_RESULT);
    EXPECT_NE(strResult.find("\nPartie termin\xE9"
                             "e : votre score est de 6 / 10, le meilleur score de 6 / 10."),
              std::string::npos)
        << strResult;
    EXPECT_EQ(Text(IDC_QUIZ_BEST), "Meilleur score : 6 / 10");
    EXPECT_EQ(StoredScore("Meilleur score lecture"), "6");
    EXPECT_EQ(StoredScore("Meilleur score placement"), "(none)");

    // A new window reads it back; a worse round leaves it.
    Open(7);
    EXPECT_EQ(Text(IDC_QUIZ_BEST), "Meilleur score : 6 / 10");
    for (int i = 0; i < 10; ++i)
    {
        Click(kChoiceIds[(m_question.rightChoice + 2) % 4]);
        Click(IDOK);
        Click(IDOK);
        NextQuestion();
    }
    EXPECT_EQ(Text(IDC_QUIZ_SCORE), "Score : 0 / 10");
    EXPECT_EQ(Text(IDC_QUIZ_PROGRESS), "Question 1 / 10"); // the last press started a new round
    EXPECT_EQ(Text(IDC_QUIZ_BEST), "Meilleur score : 6 / 10");
    EXPECT_EQ(StoredScore("Meilleur score lecture"), "6");
    EXPECT_EQ(Text(IDOK), "&Valider");
}

enum class EPlace
{
    Right,
    WrongMultiplier,
    WrongTolerance,
    IncompleteThenRight,
};

TEST_F(QuizDlgTest, APlacingRoundJudgesTheRingsAndKeepsItsOwnBest)
{
    const EPlace round[] = {EPlace::Right,          EPlace::WrongMultiplier,     EPlace::Right,
                            EPlace::WrongTolerance, EPlace::IncompleteThenRight, EPlace::Right,
                            EPlace::Right,          EPlace::WrongMultiplier,     EPlace::Right,
                            EPlace::Right};
    Open(99);
    Click(IDC_QUIZ_MODE_PLACE);
    NextQuestion();
    EXPECT_TRUE(IsChecked(IDC_QUIZ_MODE_PLACE));
    EXPECT_FALSE(::IsWindowVisible(Item(IDC_QUIZ_CHOICE1)));
    EXPECT_FALSE(::IsWindowVisible(Item(IDC_QUIZ_TYPED)));
    std::set<int> ringCounts;
    int nScore = 0;
    for (int i = 0; i < 10; ++i)
    {
        SCOPED_TRACE(testing::Message() << "question " << i + 1);
        const ResistorState& asked = m_question.rings;
        ringCounts.insert(asked.ringMode);
        EXPECT_EQ(Text(IDC_QUIZ_QUESTION), "Placez les anneaux de cette r\xE9sistance : " + Reading(asked));
        EXPECT_EQ(Text(IDOK), "&V\xE9rifier");
        // One list per ring shown, in ring order, two to a row without holes.
        std::set<LONG> rows;
        int nShown = 0;
        for (int slot = 0; slot < 6; ++slot)
        {
            HWND hList = Item(IDC_QUIZ_RING1 + slot);
            ASSERT_EQ(::IsWindowVisible(hList) != FALSE, IsRingShown(asked.ringMode, slot))
                << "slot " << slot;
            EXPECT_EQ(::SendMessageA(hList, CB_GETCURSEL, 0, 0), CB_ERR);
            EXPECT_EQ(::SendMessageA(hList, CB_GETCOUNT, 0, 0),
                      kRingPositionCount[static_cast<size_t>(slot)]);
            RECT rc{};
            ::GetWindowRect(hList, &rc);
            if (IsRingShown(asked.ringMode, slot))
            {
                rows.insert(rc.top);
                ++nShown;
            }
        }
        EXPECT_EQ(static_cast<int>(rows.size()), (nShown + 1) / 2);

        ResistorState placed = asked;
        bool bRight = true;
        switch (round[i])
        {
        case EPlace::Right:
            break;
        case EPlace::WrongMultiplier:
            placed.positions[kSlotMultiplier] += placed.positions[kSlotMultiplier] == 9 ? -1 : 1;
            bRight = false;
            break;
        case EPlace::WrongTolerance:
            placed.positions[kSlotTolerance] = placed.positions[kSlotTolerance] % 8 + 1;
            bRight = false;
            break;
        case EPlace::IncompleteThenRight:
            ChooseColour(kSlotFirstDigit, asked.positions[kSlotFirstDigit]);
            ChooseColour(kSlotMultiplier, asked.positions[kSlotMultiplier]);
            Click(IDOK);
            EXPECT_EQ(Text(IDC_QUIZ_RESULT), "Choisissez la couleur de chaque anneau, puis v\xE9rifiez.");
            EXPECT_EQ(Text(IDOK), "&V\xE9rifier");
            EXPECT_EQ(Text(IDC_QUIZ_SCORE), "Score : " + std::to_string(nScore) + " / 10");
            break;
        }
        Place(placed);
        // While they are placed, the picture shows the user's rings.
        ExpectPictureShows(placed);
        Click(IDOK);
        nScore += bRight ? 1 : 0;
        const std::string strExpected = bRight ? "Juste ! Cette r\xE9sistance vaut " + Reading(asked) + "."
                                               : "Faux. Vos anneaux donnent " + Reading(placed) +
                                                     ". Les bons anneaux sont : " + ColourNames(asked) + ".";
        EXPECT_EQ(Text(IDC_QUIZ_RESULT).substr(0, strExpected.size()), strExpected);
        EXPECT_EQ(Text(IDC_QUIZ_SCORE), "Score : " + std::to_string(nScore) + " / 10");
        // Then the right ones.
        ExpectPictureShows(asked);
        EXPECT_FALSE(::IsWindowEnabled(Item(IDC_QUIZ_RING1)));
        if (i < 9)
        {
            Click(IDOK);
            NextQuestion();
        }
    }
    EXPECT_EQ(nScore, 7);
    EXPECT_EQ(ringCounts.size(), 3u) << "the seed should give every ring count";
    EXPECT_EQ(Text(IDOK), "&Nouvelle partie");
    EXPECT_EQ(StoredScore("Meilleur score placement"), "7");
    EXPECT_EQ(StoredScore("Meilleur score lecture"), "(none)");
    EXPECT_EQ(Text(IDC_QUIZ_BEST), "Meilleur score : 7 / 10");

    // Back to reading: a round of its own, with its own best.
    Click(IDC_QUIZ_MODE_READ);
    NextQuestion();
    EXPECT_EQ(Text(IDC_QUIZ_BEST), "Meilleur score : 0 / 10");
    EXPECT_TRUE(::IsWindowVisible(Item(IDC_QUIZ_CHOICE1)));
    EXPECT_FALSE(::IsWindowVisible(Item(IDC_QUIZ_RING1)));
    EXPECT_EQ(Text(IDC_QUIZ_CHOICE1), QuizValueText(m_question.choices[0]));
}

TEST_F(QuizDlgTest, ChangingModeMidRoundStartsAFreshRound)
{
    StoreRaw("Questionnaire", "Meilleur score placement", REG_SZ, std::string("4") + '\0', HKEY_CURRENT_USER);
    Open(11);
    for (int i = 0; i < 3; ++i)
    {
        Click(kChoiceIds[m_question.rightChoice]);
        Click(IDOK);
        Click(IDOK);
        NextQuestion();
    }
    EXPECT_EQ(Text(IDC_QUIZ_SCORE), "Score : 3 / 10");
    EXPECT_EQ(Text(IDC_QUIZ_PROGRESS), "Question 4 / 10");
    Click(IDC_QUIZ_MODE_PLACE);
    NextQuestion();
    EXPECT_EQ(Text(IDC_QUIZ_SCORE), "Score : 0 / 10");
    EXPECT_EQ(Text(IDC_QUIZ_PROGRESS), "Question 1 / 10");
    EXPECT_EQ(Text(IDC_QUIZ_BEST), "Meilleur score : 4 / 10");
    // Clicking the mode already in force changes nothing.
    ChooseColour(kSlotFirstDigit, m_question.rings.positions[kSlotFirstDigit]);
    Click(IDC_QUIZ_MODE_PLACE);
    EXPECT_EQ(::SendMessageA(Item(IDC_QUIZ_RING1), CB_GETCURSEL, 0, 0), m_question.rings.positions[0] - 1);
    EXPECT_EQ(Text(IDC_QUIZ_QUESTION),
              "Placez les anneaux de cette r\xE9sistance : " + Reading(m_question.rings));
}

// The window's own modal loop: it opens with the focus in the value box, Enter checks the answer
// and then asks the next question, and Escape closes the window.
TEST_F(QuizDlgTest, EnterValidatesAndEscapeCloses)
{
    constexpr std::uint32_t kSeed = 31;
    QuizRandom random(kSeed);
    const QuizQuestion first = MakeQuizQuestion(random);
    CQuizDlg dlg(kSeed);
    int nStep = 0;
    bool bFocusInBox = false;
    bool bFocusOnButton = false;
    std::string strResult;
    std::string strProgress;
    CModalStep step(
        [&]
        {
            HWND hDlg = dlg.GetSafeHwnd();
            if (hDlg == nullptr || !::IsWindowVisible(hDlg))
                return false;
            HWND hFocus = ::GetFocus();
            switch (nStep++)
            {
            case 0:
                bFocusInBox = hFocus == ::GetDlgItem(hDlg, IDC_QUIZ_TYPED);
                ::SetWindowTextA(::GetDlgItem(hDlg, IDC_QUIZ_TYPED),
                                 LetterForm(first.choices[first.rightChoice]).c_str());
                ::PostMessageA(hFocus, WM_KEYDOWN, VK_RETURN, 1);
                return false;
            case 1:
                strResult = WindowText(::GetDlgItem(hDlg, IDC_QUIZ_RESULT));
                bFocusOnButton = hFocus == ::GetDlgItem(hDlg, IDOK);
                ::PostMessageA(hFocus, WM_KEYDOWN, VK_RETURN, 1);
                return false;
            case 2:
                strProgress = WindowText(::GetDlgItem(hDlg, IDC_QUIZ_PROGRESS));
                ::PostMessageA(hFocus, WM_KEYDOWN, VK_ESCAPE, 1);
                return true;
            default:
                return true;
            }
        });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_TRUE(bFocusInBox);
    EXPECT_TRUE(bFocusOnButton);
    EXPECT_EQ(strResult.substr(0, 7), "Juste !");
    EXPECT_EQ(strProgress, "Question 2 / 10");
}
} // namespace

namespace
{
// Each colour list draws a framed swatch of the ring's colour before the colour's name; the list
// with nothing chosen draws no swatch.
TEST_F(QuizDlgTest, ColourListsShowASwatchBeforeEachName)
{
    Open(7);
    const struct
    {
        int slot;
        int position;
    } cases[] = {{0, 1}, {0, 10}, {1, 5}, {3, 1}, {3, 2}, {4, 2}, {5, 7}};
    for (const auto& c : cases)
    {
        const int id = IDC_QUIZ_RING1 + c.slot;
        CCanvas canvas(120, 18, RGB(1, 2, 3));
        DRAWITEMSTRUCT item{};
        item.CtlType = ODT_COMBOBOX;
        item.CtlID = static_cast<UINT>(id);
        item.itemID = static_cast<UINT>(c.position - 1);
        item.itemAction = ODA_DRAWENTIRE;
        item.hwndItem = Item(id);
        item.hDC = canvas.dc();
        item.rcItem = {0, 0, 120, 18};
        ::SendMessageA(m_hDlg, WM_DRAWITEM, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(&item));
        const COLORREF crColour = ToColorRef(*RingColour(c.slot, c.position));
        EXPECT_EQ(canvas.Pixel(9, 9), crColour) << c.slot << "/" << c.position;
        EXPECT_EQ(canvas.Pixel(2, 2), RGB(64, 64, 64)) << "the swatch's frame";
        // The name is written after the swatch, in the window text colour.
        EXPECT_GT(canvas.Count({20, 0, 120, 18}, ::GetSysColor(COLOR_WINDOWTEXT)), 10) << c.slot;

        item.itemID = static_cast<UINT>(-1);
        CCanvas empty(120, 18, RGB(1, 2, 3));
        item.hDC = empty.dc();
        ::SendMessageA(m_hDlg, WM_DRAWITEM, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(&item));
        EXPECT_EQ(empty.Pixel(9, 9), ::GetSysColor(COLOR_WINDOW));
    }
}
} // namespace
