// Work done from inside a modal loop (dialog, message box, menu): a thread timer keeps asking
// the step until it says it is done.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

class CModalStep
{
public:
    explicit CModalStep(std::function<bool()> step);
    ~CModalStep();
    CModalStep(const CModalStep&) = delete;
    CModalStep& operator=(const CModalStep&) = delete;

private:
    UINT_PTR m_id;
};

// This thread's visible top-level window of the class, owned by hOwner (any owner when null).
HWND FindThreadWindow(const char* pszClass, HWND hOwner);
// The texts of hParent's children of the class, in their order: what a message box says.
std::vector<std::string> ChildTexts(HWND hParent, const char* pszClass);
// A click on hDlg's button id, posted so that the step returns before the dialog acts on it.
void Press(HWND hDlg, int id);
