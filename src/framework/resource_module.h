// The module that resources (templates, strings, menus) are loaded from: the program itself,
// or a language library put in force in its place.
#pragma once

#include <windows.h>

#include <string>

HINSTANCE GetResourceModule();
void SetResourceModule(HINSTANCE hModule);

// The resource module when it holds a readable resource of that type and id, otherwise the
// program itself: a language library that lacks a template or a menu leaves the program's own.
HINSTANCE GetResourceModuleFor(LPCSTR pszType, UINT id);

// Dialog template id, from the module GetResourceModuleFor gives; null when neither has it.
// A dialog is created from these bytes with the program as its instance: a language library
// only translates texts, so the icons and bitmaps a template names, and the window classes the
// program registered, must be looked up in the program.
const DLGTEMPLATE* LoadDialogTemplate(UINT id);

// A string-table entry from the resource module; empty when it does not exist.
std::string LoadResourceString(UINT id);
std::string LoadResourceString(HINSTANCE hModule, UINT id);
