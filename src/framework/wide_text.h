// Texts of the program's code page handed to the parts of the system that take UTF-16 only:
// themes, and tooltips asked in Unicode.
#pragma once

#include <optional>
#include <string>

// Nothing when the text cannot be converted.
std::optional<std::wstring> WidenText(const std::string& strText);
