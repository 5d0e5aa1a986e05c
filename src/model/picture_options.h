// What the resistor's picture is drawn with besides its rings: the layout's orientation, the
// rings' shading and the background.
#pragma once

#include <string>

// "Image fond" naming the picture built into the program (exactly; "défaut" is a file's name).
inline constexpr const char* kDefaultBackground = "Défaut";

struct PictureOptions
{
    bool horizontal = false;
    bool gradient = true;
    // Empty: no picture; kDefaultBackground; or the path of a bitmap file.
    std::string background;

    bool operator==(const PictureOptions&) const = default;
};
