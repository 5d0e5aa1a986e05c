// The version of an installed program, read from its file's version resource.
#pragma once

#include <optional>
#include <string>

struct ProgramVersion
{
    // "%u,%u,%u,%u" of the fixed file version, as the program's own web links read it.
    std::string strFileVersion;
    // The "Date" text of the resource's first language block; empty when it has none.
    std::string strDate;
};

// Nothing when the file cannot be read or holds no fixed version.
std::optional<ProgramVersion> ReadProgramVersion(const std::string& strPath);
