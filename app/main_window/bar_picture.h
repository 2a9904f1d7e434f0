#pragma once

#include <QColor>
#include <QImage>

namespace quorvel {

// The fill picture that the main window's progress bars store and tile: 1000 by 20 pixels.
inline constexpr int kBarPictureWidth = 1000;
inline constexpr int kBarPictureHeight = 20;

// The row where the ramp turns: 20 rows have two middle rows, 9 and 10; we take row 10
// (height / 2). It is exactly dark blue (0, 64, 160); rows 0 to 10 run from white to it in
// 10 steps, rows 10 to 19 from it to light cyan (64, 255, 255) in 9 steps.
inline constexpr int kBarPictureMiddleRow = kBarPictureHeight / 2;

// The colour of one row (0 at the top), each channel interpolated linearly and rounded to the
// nearest whole value, halves upwards. Rows outside 0 to 19 take the nearer end colour.
QColor BarPictureRowColour(int row);

// The whole picture, 24 bits per pixel (QImage::Format_RGB888), every row one colour.
QImage MakeBarPicture();

} // namespace quorvel
