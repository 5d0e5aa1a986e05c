// The quiz's window: its message table, the round's steps and the judging of each answer.
#include "quiz/quiz_dlg.h"

#include "framework/combo_box.h"
#include "framework/resource_module.h"
#include "model/quiz_answer.h"
#include "model/placeholder_text.h"
#include "model/quiz_text.h"
#include "model/ring_colours.h"
#include "quiz/colour_list_item.h"
#include "quiz/quiz_picture.h"
#include "quiz/quiz_resource.h"

#include <algorithm>

namespace
{
constexpr int kChoiceIds[kQuizChoiceCount] = {IDC_QUIZ_CHOICE1, IDC_QUIZ_CHOICE2, IDC_QUIZ_CHOICE3,
                                              IDC_QUIZ_CHOICE4};
// Long enough for any way of writing a resistance, short enough for the verdict to quote it.
constexpr WPARAM kTypedLimit = 32;

int RingListId(int slot)
{
    return IDC_QUIZ_RING1 + slot;
}

int RingLabelId(int slot)
{
    return IDC_QUIZ_RING_LABEL1 + slot;
}

POINT ChildOrigin(HWND hDlg, int id)
{
    RECT rc{};
    ::GetWindowRect(::GetDlgItem(hDlg, id), &rc);
    POINT pt{rc.left, rc.top};
    ::ScreenToClient(hDlg, &pt);
    return pt;
}

// Moved, not sized: every place has the same size, and a list's height given here would become
// the height of its drop-down part.
void MoveChild(HWND hDlg, int id, const POINT& pt)
{
    ::SetWindowPos(::GetDlgItem(hDlg, id), nullptr, pt.x, pt.y, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
} // namespace

const CMessageEntry CQuizDlg::s_messageEntries[] = {
    OnControlRange<&CQuizDlg::OnModeClicked>(BN_CLICKED, IDC_QUIZ_MODE_READ, IDC_QUIZ_MODE_PLACE),
    OnControlRange<&CQuizDlg::OnChoiceClicked>(BN_CLICKED, IDC_QUIZ_CHOICE1, IDC_QUIZ_CHOICE4),
    OnControl<&CQuizDlg::OnTypedChange>(EN_CHANGE, IDC_QUIZ_TYPED),
    OnControlRange<&CQuizDlg::OnRingChange>(CBN_SELCHANGE, IDC_QUIZ_RING1, IDC_QUIZ_RING6),
    OnMessage<WM_DRAWITEM, &CQuizDlg::OnDrawItem>(),
};
const CMessageMap CQuizDlg::s_messageMap{CDialog::s_messageMap, s_messageEntries};

CQuizDlg::CQuizDlg(std::uint32_t nSeed, HWND hParent) : CDialog(IDD_QUIZ, hParent), m_random(nSeed) {}

BOOL CQuizDlg::OnInitDialog()
{
    // Shared icons from LoadIcon belong to the system: nothing to free.
    HICON hIcon = ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_QUIZ));
    SetIcon(hIcon, true);
    SetIcon(hIcon, false);
    ::SendDlgItemMessageA(m_hWnd, IDC_QUIZ_TYPED, EM_LIMITTEXT, kTypedLimit, 0);
    InitRingLists();
    StartRound(EQuizMode::Read);
    // The focus is set by the question.
    return FALSE;
}

void CQuizDlg::InitRingLists()
{
    for (int slot = 0; slot < static_cast<int>(kRingSlotCount); ++slot)
    {
        // The template's places, taken before any list is moved.
        m_ringPlaces[static_cast<size_t>(slot)] = {ChildOrigin(m_hWnd, RingLabelId(slot)),
                                                   ChildOrigin(m_hWnd, RingListId(slot))};
        const CComboBox list(GetDlgItem(RingListId(slot)));
        for (int position = 1; position <= kRingPositionCount[static_cast<size_t>(slot)]; ++position)
            list.AddString(LoadResourceString(static_cast<UINT>(RingColourName(slot, position).value_or(0))));
    }
}

void CQuizDlg::OnOK()
{
    switch (m_step)
    {
    case EStep::Asking:
        if (m_mode == EQuizMode::Read)
            CheckReading();
        else
            CheckPlacement();
        break;
    case EStep::Answered:
        AskQuestion();
        break;
    case EStep::RoundOver:
        StartRound(m_mode);
        break;
    }
}

// A round in progress is given up for one of the other mode.
void CQuizDlg::OnModeClicked(UINT id)
{
    const EQuizMode mode = id == IDC_QUIZ_MODE_PLACE ? EQuizMode::Place : EQuizMode::Read;
    if (mode != m_mode)
        StartRound(mode);
}

// One answer at a time: a choice clicked empties the typed value, a value typed unchecks the
// choices.
void CQuizDlg::OnChoiceClicked()
{
    if (!GetDlgItemText(IDC_QUIZ_TYPED).empty())
        SetDlgItemText(IDC_QUIZ_TYPED, "");
}

void CQuizDlg::OnTypedChange()
{
    if (GetDlgItemText(IDC_QUIZ_TYPED).empty())
        return;
    for (int id : kChoiceIds)
        ::CheckDlgButton(m_hWnd, id, BST_UNCHECKED);
}

void CQuizDlg::OnRingChange()
{
    ::InvalidateRect(GetDlgItem(IDC_QUIZ_PICTURE), nullptr, FALSE);
}

BOOL CQuizDlg::OnDrawItem(UINT idControl, const DRAWITEMSTRUCT& item)
{
    if (idControl == IDC_QUIZ_PICTURE)
    {
        DrawQuizPicture(item.hDC, item.rcItem, ShownRings());
        return TRUE;
    }
    for (int slot = 0; slot < static_cast<int>(kRingSlotCount); ++slot)
    {
        if (static_cast<int>(idControl) == RingListId(slot))
        {
            DrawColourListItem(item, slot);
            return TRUE;
        }
    }
    return FALSE;
}

void CQuizDlg::StartRound(EQuizMode mode)
{
    m_mode = mode;
    m_round = QuizRound();
    m_nBest = LoadBestScore(mode);
    ::CheckRadioButton(m_hWnd, IDC_QUIZ_MODE_READ, IDC_QUIZ_MODE_PLACE,
                       mode == EQuizMode::Place ? IDC_QUIZ_MODE_PLACE : IDC_QUIZ_MODE_READ);
    AskQuestion();
}

void CQuizDlg::AskQuestion()
{
    m_question = MakeQuizQuestion(m_random);
    m_step = EStep::Asking;
    if (m_mode == EQuizMode::Read)
    {
        for (size_t i = 0; i < kQuizChoiceCount; ++i)
        {
            SetDlgItemText(kChoiceIds[i], QuizValueText(m_question.choices[i]));
            ::CheckDlgButton(m_hWnd, kChoiceIds[i], BST_UNCHECKED);
        }
        SetDlgItemText(IDC_QUIZ_TYPED, "");
        SetDlgItemText(IDC_QUIZ_QUESTION, LoadResourceString(IDS_QUIZ_QUESTION_READ));
        SetButtonText(IDS_QUIZ_VALIDATE);
    }
    else
    {
        for (int slot = 0; slot < static_cast<int>(kRingSlotCount); ++slot)
            CComboBox(GetDlgItem(RingListId(slot))).SetCurSel(-1);
        SetDlgItemText(IDC_QUIZ_QUESTION, FillPlaceholders(LoadResourceString(IDS_QUIZ_QUESTION_PLACE),
                                                           {ReadingText(m_question.rings)}));
        SetButtonText(IDS_QUIZ_CHECK);
    }
    SetDlgItemText(IDC_QUIZ_RESULT, "");
    SetDlgItemText(IDC_QUIZ_PROGRESS, FillPlaceholders(LoadResourceString(IDS_QUIZ_PROGRESS),
                                                       {QuizScoreText(m_round.QuestionNumber())}));
    ShowModeControls();
    ShowScores();
    EnableAnswer(true);
    FocusControl(m_mode == EQuizMode::Read ? IDC_QUIZ_TYPED : RingListId(kSlotFirstDigit));
    ::InvalidateRect(GetDlgItem(IDC_QUIZ_PICTURE), nullptr, FALSE);
}

void CQuizDlg::CheckReading()
{
    const std::string strTyped = GetDlgItemText(IDC_QUIZ_TYPED);
    const std::string strReading = ReadingText(m_question.rings);
    if (!strTyped.empty())
    {
        switch (JudgeTypedAnswer(strTyped, m_question.rings))
        {
        case QuizVerdict::Right:
            FinishAnswer(true, FillPlaceholders(LoadResourceString(IDS_QUIZ_RIGHT), {strReading}));
            return;
        case QuizVerdict::Wrong:
            FinishAnswer(false, FillPlaceholders(LoadResourceString(IDS_QUIZ_WRONG), {strReading}));
            return;
        case QuizVerdict::Unreadable:
            FinishAnswer(false,
                         FillPlaceholders(LoadResourceString(IDS_QUIZ_UNREADABLE), {strTyped, strReading}));
            return;
        }
    }
    for (size_t i = 0; i < kQuizChoiceCount; ++i)
    {
        if (::IsDlgButtonChecked(m_hWnd, kChoiceIds[i]) != BST_CHECKED)
            continue;
        const bool bRight = i == m_question.rightChoice;
        FinishAnswer(bRight, FillPlaceholders(LoadResourceString(bRight ? IDS_QUIZ_RIGHT : IDS_QUIZ_WRONG),
                                              {strReading}));
        return;
    }
    // Nothing chosen is no answer: the question stays.
    SetDlgItemText(IDC_QUIZ_RESULT, LoadResourceString(IDS_QUIZ_NO_ANSWER));
}

void CQuizDlg::CheckPlacement()
{
    const ResistorState placed = PlacedRings();
    if (!IsPlacementComplete(placed))
    {
        SetDlgItemText(IDC_QUIZ_RESULT, LoadResourceString(IDS_QUIZ_INCOMPLETE));
        return;
    }
    if (IsRightPlacement(m_question.rings, placed))
        FinishAnswer(true,
                     FillPlaceholders(LoadResourceString(IDS_QUIZ_RIGHT), {ReadingText(m_question.rings)}));
    else
        FinishAnswer(false, FillPlaceholders(LoadResourceString(IDS_QUIZ_WRONG_RINGS),
                                             {ReadingText(placed), ColourNames(m_question.rings)}));
}

void CQuizDlg::FinishAnswer(bool bRight, const std::string& strVerdict)
{
    m_round.Record(bRight);
    std::string strResult = strVerdict;
    if (m_round.IsOver())
    {
        // The stored best is read again: another quiz may have beaten it meanwhile.
        const int nStored = LoadBestScore(m_mode);
        m_nBest = std::max(nStored, m_round.Score());
        if (m_round.Score() > nStored)
            SaveBestScore(m_mode, m_round.Score());
        strResult += "\n";
        strResult += FillPlaceholders(LoadResourceString(IDS_QUIZ_ROUND_OVER),
                                      {QuizScoreText(m_round.Score()), QuizScoreText(m_nBest)});
        m_step = EStep::RoundOver;
        SetButtonText(IDS_QUIZ_NEW_ROUND);
    }
    else
    {
        m_step = EStep::Answered;
        SetButtonText(IDS_QUIZ_NEXT);
    }
    SetDlgItemText(IDC_QUIZ_RESULT, strResult);
    ShowScores();
    // The focus leaves the answer before it is disabled, so that Enter goes on.
    FocusControl(IDOK);
    EnableAnswer(false);
    // Placed rings give way to the right ones.
    ::InvalidateRect(GetDlgItem(IDC_QUIZ_PICTURE), nullptr, FALSE);
}

void CQuizDlg::ShowModeControls()
{
    const bool bRead = m_mode == EQuizMode::Read;
    if (!bRead)
        PlaceRingLists();
    for (int id : kChoiceIds)
        ShowDlgItem(id, bRead);
    ShowDlgItem(IDC_QUIZ_TYPED_LABEL, bRead);
    ShowDlgItem(IDC_QUIZ_TYPED, bRead);
    for (int slot = 0; slot < static_cast<int>(kRingSlotCount); ++slot)
    {
        const bool bShown = !bRead && IsRingShown(m_question.rings.ringMode, slot);
        ShowDlgItem(RingLabelId(slot), bShown);
        ShowDlgItem(RingListId(slot), bShown);
    }
}

// Without them the rings that the ring count leaves out would leave holes in the grid. The tab
// order stays the ring order, since the places are taken in that order.
void CQuizDlg::PlaceRingLists()
{
    size_t place = 0;
    for (int slot = 0; slot < static_cast<int>(kRingSlotCount); ++slot)
    {
        if (!IsRingShown(m_question.rings.ringMode, slot))
            continue;
        MoveChild(m_hWnd, RingLabelId(slot), m_ringPlaces[place].ptLabel);
        MoveChild(m_hWnd, RingListId(slot), m_ringPlaces[place].ptList);
        ++place;
    }
}

void CQuizDlg::ShowScores()
{
    SetDlgItemText(IDC_QUIZ_SCORE,
                   FillPlaceholders(LoadResourceString(IDS_QUIZ_SCORE), {QuizScoreText(m_round.Score())}));
    SetDlgItemText(IDC_QUIZ_BEST,
                   FillPlaceholders(LoadResourceString(IDS_QUIZ_BEST), {QuizScoreText(m_nBest)}));
}

void CQuizDlg::EnableAnswer(bool bEnable)
{
    for (int id : kChoiceIds)
        ::EnableWindow(GetDlgItem(id), bEnable);
    ::EnableWindow(GetDlgItem(IDC_QUIZ_TYPED_LABEL), bEnable);
    ::EnableWindow(GetDlgItem(IDC_QUIZ_TYPED), bEnable);
    for (int slot = 0; slot < static_cast<int>(kRingSlotCount); ++slot)
        ::EnableWindow(GetDlgItem(RingListId(slot)), bEnable);
}

void CQuizDlg::SetButtonText(UINT idString)
{
    SetDlgItemText(IDOK, LoadResourceString(idString));
}

void CQuizDlg::FocusControl(int id)
{
    // Through the dialog manager, which also makes the default button follow.
    ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(id)), TRUE);
}

ResistorState CQuizDlg::PlacedRings() const
{
    ResistorState placed;
    placed.ringMode = m_question.rings.ringMode;
    for (int slot = 0; slot < static_cast<int>(kRingSlotCount); ++slot)
    {
        if (IsRingShown(placed.ringMode, slot))
            placed.positions[static_cast<size_t>(slot)] =
                CComboBox(GetDlgItem(RingListId(slot))).GetCurSel() + 1;
    }
    return placed;
}

ResistorState CQuizDlg::ShownRings() const
{
    return m_mode == EQuizMode::Place && m_step == EStep::Asking ? PlacedRings() : m_question.rings;
}

std::string CQuizDlg::ReadingText(const ResistorState& rings) const
{
    return QuizReadingText(rings, LoadResourceString(IDS_QUIZ_SEPARATOR));
}

std::string CQuizDlg::ColourNames(const ResistorState& rings) const
{
    std::string strNames;
    for (int slot = 0; slot < static_cast<int>(kRingSlotCount); ++slot)
    {
        if (!IsRingShown(rings.ringMode, slot))
            continue;
        if (!strNames.empty())
            strNames += ", ";
        const std::optional<int> idName = RingColourName(slot, rings.positions[static_cast<size_t>(slot)]);
        strNames += LoadResourceString(static_cast<UINT>(idName.value_or(0)));
    }
    return strNames;
}
