// Functions of system libraries looked up by name at run time, for calls that must not stop the
// program from starting on a system that lacks them.
#pragma once

#include <windows.h>

// The function of that name, under its own type; null when the module or the function is missing.
template <class Function> Function GetSystemFunction(HMODULE hModule, const char* pszName)
{
    if (hModule == nullptr)
        return nullptr;
    const FARPROC proc = ::GetProcAddress(hModule, pszName);
    if (proc == nullptr)
        return nullptr;
    // Through void (*)(), the one function type that converts to any other without a warning.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(proc));
}
