// Base fixture of the window tests under Wine: fails a test whose window procedures hit an
// access violation (Wine swallows those) or let an exception reach the dispatch boundary.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

class CWindowTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs the messages already queued for this thread.
    static void PumpMessages();
    static std::string WindowText(HWND hWnd);
    // hUpper comes before hLower in the desktop's order of top-level windows.
    static bool IsAbove(HWND hUpper, HWND hLower);

public:
    // The user drags selector hBar to position: its parent hears the codes of a drag.
    static void DragSelector(HWND hBar, int position);
};
