// QZNUpdate.exe, the online update tool of Apps QZN's programs: started by a program with
// /PROG:"<name>", it shows the version of <name>.exe beside it and opens that program's download
// page with the version query. It has no network code of its own: the browser does the rest.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

struct InstalledProgram
{
    std::string strName;
    std::string strFileVersion;
    std::string strDate;
};

// The program that the command line names, found in folder; when there is none, a message box
// owned by hOwner says why and the answer is nothing.
std::optional<InstalledProgram> FindInstalledProgram(HWND hOwner, const char* pszCommandLine,
                                                     const std::string& strFolder);

// The folder of the running tool, without a trailing backslash.
std::string GetToolFolder();

// The shell's "open", which tests replace to see the addresses without a browser.
using ShellExecuteFunction = HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
ShellExecuteFunction SetUpdateShellFunction(ShellExecuteFunction pfn);
// Asks the shell to open the download page of the program; false, after a message box owned by
// hOwner, when the shell refuses.
bool OpenDownloadPage(HWND hOwner, const InstalledProgram& program);

// A message box of the tool: its text from the string table with each "%s" filled in.
void ShowUpdateMessage(HWND hOwner, UINT idText, std::initializer_list<std::string_view> values = {});
