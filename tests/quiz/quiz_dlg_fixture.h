// The quiz window fixture: the window created from a seed, the questions it will ask drawn from
// the same seed, gestures as messages, and reads of its controls and its picture.
#pragma once

#include "program_key.h"
#include "window_test.h"

#include "model/quiz_question.h"
#include "quiz/quiz_dlg.h"
#include "quiz/quiz_resource.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

// The names of the shown rings' colours, in ring order: "Jaune, Violet, Rouge, Or".
std::string ColourNames(const ResistorState& rings);
// "4k7", "47R", "1M5": the value as people write it on schematics.
std::string LetterForm(std::int64_t hundredths);
// The machine's stored text of a best score, "(none)" when there is none.
std::string StoredScore(const char* pszName);

class QuizDlgTest : public CWindowTest
{
protected:
    void TearDown() override;

    void Open(std::uint32_t nSeed);
    void Close();
    // The question the window asks next, drawn from the same seed.
    void NextQuestion() { m_question = MakeQuizQuestion(*m_random); }

    HWND Item(int id) const { return ::GetDlgItem(m_hDlg, id); }
    std::string Text(int id) const { return WindowText(Item(id)); }
    void Click(int id) const { ::SendMessageA(Item(id), BM_CLICK, 0, 0); }
    // The edit raises EN_CHANGE to the dialog before SetWindowText returns, as a keystroke does.
    void Type(const std::string& text) const { ::SetWindowTextA(Item(IDC_QUIZ_TYPED), text.c_str()); }
    // CB_SETCURSEL notifies nobody: the list's CBN_SELCHANGE follows, as a choice with the mouse sends.
    void ChooseColour(int slot, int position) const;
    void Place(const ResistorState& rings) const;
    bool IsChecked(int id) const { return ::SendMessageA(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    // The picture control painted into memory shows these rings, each in its colour.
    void ExpectPictureShows(const ResistorState& rings) const;
    // "4,7 kOhms à 5 %".
    static std::string Reading(const ResistorState& rings);

    CProgramKeyGuard m_machineKey{HKEY_LOCAL_MACHINE};
    CProgramKeyGuard m_userKey{HKEY_CURRENT_USER};
    std::unique_ptr<CQuizDlg> m_dlg;
    HWND m_hDlg = nullptr;
    std::optional<QuizRandom> m_random;
    QuizQuestion m_question;
};
