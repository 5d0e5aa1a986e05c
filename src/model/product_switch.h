// The switch by which a program names itself to a companion tool: /PROG:"Vantrel" for the
// update tool, /CONFIG:"Vantrel" for the repair tool.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The product that option (with its colon, e.g. "/PROG:") names on the command line: the text
// after the colon, in double quotes or up to the next blank; the option's letters in either
// case, at the start or after a blank. Nothing when the option is absent, its quote is not
// closed, or the name is no product name (1 to 64 letters, digits, '-' and '_'): the tools make
// a file name and a web address of it, so a path, a drive, ".." or a blank never gets that far.
std::optional<std::string> ReadProductSwitch(std::string_view commandLine, std::string_view option);
