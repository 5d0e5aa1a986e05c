// The two looks of the parts the program draws itself (the side bar, the menus), and how the
// stored "Style affichage" chooses them.
#pragma once

enum class InterfaceLook
{
    VisualStyles,
    Classic,
};

// "Style affichage" as the options page stores it.
inline constexpr int kStyleVisualStyles = 0;
inline constexpr int kStyleClassic = 1;

// A stored value outside the list gives each part its own fallback: the side bar takes the
// visual-styles look only for 0, the menus take the classic look only for 1.
constexpr InterfaceLook SideBarLookOf(int nStyle)
{
    return nStyle == kStyleVisualStyles ? InterfaceLook::VisualStyles : InterfaceLook::Classic;
}
constexpr InterfaceLook MenuLookOf(int nStyle)
{
    return nStyle == kStyleClassic ? InterfaceLook::Classic : InterfaceLook::VisualStyles;
}
