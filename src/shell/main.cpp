// Entry point of Vantrel.exe.
#include "shell/resistor_app.h"

namespace
{
// Constructed before anything runs, as its settings defaults must be.
CResistorApp theApp;
} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    return theApp.Run();
}
