// Commands that the window layer itself sends, for the application or a window to answer.
#pragma once

// F1's help request: every dialog turns WM_HELP into this command.
#define ID_HELP 57670
