// The colour-code quiz's window: a drawn resistor whose value is to be read, or a value whose
// rings are to be set, ten questions a round, and the best score of each mode kept.
#pragma once

#include "framework/dialog.h"
#include "model/quiz_question.h"
#include "model/quiz_score.h"
#include "model/resistor_state.h"
#include "quiz/quiz_scores.h"

#include <array>
#include <cstdint>
#include <string>

class CQuizDlg : public CDialog
{
public:
    // Each question is the next draw of a generator seeded with nSeed and of nothing else: the
    // same seed asks the same questions, in either mode.
    explicit CQuizDlg(std::uint32_t nSeed, HWND hParent = nullptr);

protected:
    BOOL OnInitDialog() override;
    // Enter and the one button: checks the answer, then asks the next question, then, once the
    // round is over, starts a new one.
    void OnOK() override;
    const CMessageMap& GetMessageMap() const override { return s_messageMap; }
    static const CMessageMap s_messageMap;

private:
    enum class EStep
    {
        Asking,
        Answered,
        RoundOver,
    };

    void OnModeClicked(UINT id);
    void OnChoiceClicked();
    void OnTypedChange();
    void OnRingChange();
    BOOL OnDrawItem(UINT idControl, const DRAWITEMSTRUCT& item);

    void InitRingLists();
    // The shown rings' labels and lists take the first places of the grid, in ring order.
    void PlaceRingLists();
    void StartRound(EQuizMode mode);
    void AskQuestion();
    void CheckReading();
    void CheckPlacement();
    // Counts the answer, shows the verdict (and at the tenth the round's end) and waits for the
    // button.
    void FinishAnswer(bool bRight, const std::string& strVerdict);
    void ShowModeControls();
    void ShowScores();
    void EnableAnswer(bool bEnable);
    void SetButtonText(UINT idString);
    void FocusControl(int id);
    // The rings as the lists show them, with the question's ring count; 0 for a ring not chosen.
    ResistorState PlacedRings() const;
    // What the picture shows: the question's rings, or while they are being placed the user's.
    ResistorState ShownRings() const;
    std::string ReadingText(const ResistorState& rings) const;
    // "Jaune, Violet, Rouge, Or".
    std::string ColourNames(const ResistorState& rings) const;

    QuizRandom m_random;
    EQuizMode m_mode = EQuizMode::Read;
    QuizQuestion m_question;
    QuizRound m_round;
    EStep m_step = EStep::Asking;
    int m_nBest = 0;
    // The template's places of the six label and list pairs, in the dialog's client coordinates.
    struct CRingPlace
    {
        POINT ptLabel;
        POINT ptList;
    };
    std::array<CRingPlace, kRingSlotCount> m_ringPlaces{};

    static const CMessageEntry s_messageEntries[];
};
