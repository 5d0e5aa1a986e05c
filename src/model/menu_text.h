// Texts of menu items as the owner-drawn menus show them: the label and the accelerator text
// apart, accelerator texts made from key names, and the item a typed mnemonic names.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct MenuItemText
{
    std::string label;
    // What follows the tab of the resource text; empty when there is none.
    std::string accelerator;
};

// "Copier\tCTRL+C" gives "Copier" and "CTRL+C".
MenuItemText SplitMenuText(std::string_view text);

// "Ctrl+", "Shift+", "Alt+" in that order before the key's own name: "Ctrl+C", "Alt+4".
std::string AcceleratorText(bool bControl, bool bShift, bool bAlt, std::string_view keyName);

struct MnemonicMatch
{
    int index;
    // The only item with that mnemonic: choosing it runs it; otherwise it is only selected.
    bool bUnique;
};

// The item whose label marks ch with "&" ("&&" is a plain ampersand), compared without case in
// Windows-1252. With several, the first after current (the selected item, -1 for none) is
// named, wrapping round. Nothing when no label has it.
std::optional<MnemonicMatch> FindMnemonic(const std::vector<std::string>& labels, char ch, int current);
