// Files the tests write for the code under test to read: in the temporary folder of the prefix.
#pragma once

#include <windows.h>

#include <string>

std::string TempPath(const char* pszName);
// A 24-bit bitmap file of one colour; false when it could not be written.
bool WriteColourBitmap(const std::string& strPath, int nWidth, int nHeight, COLORREF crColour);
