// Menu item texts: labels, accelerator texts and mnemonics.
#include "model/menu_text.h"

namespace
{
// Upper case in Windows-1252: ASCII letters and the accented letters from 0xE0 (not the
// division sign 0xF7, nor 0xFF, whose capital lies elsewhere).
unsigned char ToUpper1252(unsigned char c)
{
    if (c >= 'a' && c <= 'z')
        return static_cast<unsigned char>(c - ('a' - 'A'));
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7)
        return static_cast<unsigned char>(c - 0x20);
    return c;
}

// The character after the first single "&", or nothing.
std::optional<unsigned char> MnemonicOf(std::string_view label)
{
    for (size_t i = 0; i + 1 < label.size(); ++i)
    {
        if (label[i] != '&')
            continue;
        if (label[i + 1] != '&')
            return static_cast<unsigned char>(label[i + 1]);
        ++i;
    }
    return std::nullopt;
}
} // namespace

MenuItemText SplitMenuText(std::string_view text)
{
    const size_t tab = text.find('\t');
    if (tab == std::string_view::npos)
        return {std::string(text), std::string()};
    return {std::string(text.substr(0, tab)), std::string(text.substr(tab + 1))};
}

std::string AcceleratorText(bool bControl, bool bShift, bool bAlt, std::string_view keyName)
{
    std::string text;
    if (bControl)
        text += "Ctrl+";
    if (bShift)
        text += "Shift+";
    if (bAlt)
        text += "Alt+";
    return text.append(keyName);
}

std::optional<MnemonicMatch> FindMnemonic(const std::vector<std::string>& labels, char ch, int current)
{
    const unsigned char wanted = ToUpper1252(static_cast<unsigned char>(ch));
    const int count = static_cast<int>(labels.size());
    std::optional<int> first;
    int matches = 0;
    for (int step = 1; step <= count; ++step)
    {
        // From the item after the selected one round to the selected one itself.
        const int index = ((current < 0 ? -1 : current) + step + count) % count;
        const std::optional<unsigned char> mnemonic = MnemonicOf(labels[static_cast<size_t>(index)]);
        if (!mnemonic || ToUpper1252(*mnemonic) != wanted)
            continue;
        if (!first)
            first = index;
        ++matches;
    }
    if (!first)
        return std::nullopt;
    return MnemonicMatch{*first, matches == 1};
}
