// What the program opens outside itself: web links, the help file, the colour-code quiz and the
// companion tools. Each failure ends in one message box owned by hOwner, and nothing else.
#pragma once

#include <windows.h>

#include <string>

// The name the companion tools know the program by.
constexpr const char* kProductName = "Vantrel";

// The program's folder, without a trailing backslash; empty when it cannot be had.
std::string GetProgramFolder();
// The program file's name without its extension.
std::string GetApplicationName();
// "Version" text of the About dialog and the web links: "2.1.71" for 2,1,0,71.
std::string GetShortVersion();

void OpenWebLink(HWND hOwner, const std::string& strAddress);
// The shell's "open" of an address, as it is; false when the shell refuses it.
bool ShellOpenAddress(HWND hOwner, const std::string& strAddress);
// The help control loads, is registered, and the help file beside the program opens; otherwise
// the message says so, once, and the answer is false.
bool IsHelpAvailable(HWND hOwner);
// The index of the help file, or one of its topics, when the help is available.
void ShowHelpIndex(HWND hOwner);
void ShowHelpTopic(HWND hOwner, const char* pszTopic);
void LaunchRepairTool(HWND hOwner, const std::string& strName);
void LaunchUpdateTool(HWND hOwner, const std::string& strName);
void StartQuiz(HWND hOwner);

// The shell and the help viewer, which tests replace to see the calls without their effects.
using ShellExecuteFunction = HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);
ShellExecuteFunction SetShellExecuteFunction(ShellExecuteFunction pfn);
// Null puts back the viewer's own entry, looked up in its library at each call.
HtmlHelpFunction SetHtmlHelpFunction(HtmlHelpFunction pfn);
