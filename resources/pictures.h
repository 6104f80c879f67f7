#pragma once
// The program's pictures as XPM text: bitmap 131 (the pane images) and icon 128 (the window icon).
#include <string>
#include <vector>

// Bitmap 131: ten 16-pixel images side by side, pure green (0, 255, 0) marking the transparent
// pixels: 0 closed folder, 1 open folder, 2 TrueType page, 3 page with an "A", 4 Type 1 page,
// 5 hand, 6 vertical bar, 7 to 9 empty.
constexpr int kPaneImageSize = 16;
constexpr int kPaneImageCount = 10;
enum PaneImage : int {
    kImageClosedFolder = 0,
    kImageOpenFolder = 1,
    kImageTrueType = 2,
    kImageLetterPage = 3,
    kImageType1 = 4,
    kImageHand = 5,
    kImageBar = 6,
};

// The lines of an XPM image, header first; nullptr-free.
const std::vector<std::string>& PictureXpm(unsigned id);
