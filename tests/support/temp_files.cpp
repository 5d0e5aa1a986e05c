#include "temp_files.h"

#include <cstdio>

std::string TempPath(const char* pszName)
{
    char szDir[MAX_PATH] = {};
    ::GetTempPathA(sizeof szDir, szDir);
    return std::string(szDir) + pszName;
}

bool WriteColourBitmap(const std::string& strPath, int nWidth, int nHeight, COLORREF crColour)
{
    const int nStride = (nWidth * 3 + 3) / 4 * 4;
    BITMAPINFOHEADER info{sizeof(info), nWidth, nHeight, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(info);
    file.bfSize = file.bfOffBits + static_cast<DWORD>(nStride * nHeight);
    std::string row(static_cast<size_t>(nStride), '\0');
    for (int x = 0; x < nWidth; ++x)
    {
        row[static_cast<size_t>(x * 3)] = static_cast<char>(GetBValue(crColour));
        row[static_cast<size_t>(x * 3 + 1)] = static_cast<char>(GetGValue(crColour));
        row[static_cast<size_t>(x * 3 + 2)] = static_cast<char>(GetRValue(crColour));
    }
    FILE* f = std::fopen(strPath.c_str(), "wb");
    if (f == nullptr)
        return false;
    bool bWritten =
        std::fwrite(&file, sizeof(file), 1, f) == 1 && std::fwrite(&info, sizeof(info), 1, f) == 1;
    for (int y = 0; y < nHeight && bWritten; ++y)
        bWritten = std::fwrite(row.data(), 1, row.size(), f) == row.size();
    return std::fclose(f) == 0 && bWritten;
}
