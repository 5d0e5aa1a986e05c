// Entry point of quiz.exe, the colour-code quiz that the program starts from its menu.
#include "model/quiz_question.h"
#include "quiz/quiz_dlg.h"

#include <windows.h>
#include <commctrl.h>

#include <ctime>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR pszCmdLine, int)
{
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&icc);
    // "/seed:N" asks the same questions at every run; otherwise each run asks others.
    const std::uint32_t nSeed =
        ReadSeedSwitch(pszCmdLine != nullptr ? pszCmdLine : "")
            .value_or(static_cast<std::uint32_t>(std::time(nullptr)) ^ ::GetTickCount());
    CQuizDlg dlg(nSeed);
    return dlg.DoModal() == -1 ? 1 : 0;
}
