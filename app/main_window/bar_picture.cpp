#include "app/main_window/bar_picture.h"

#include <algorithm>

namespace quorvel {

namespace {

const QColor kTop(255, 255, 255);
const QColor kMiddle(0, 64, 160);
const QColor kBottom(64, 255, 255);

// Integer arithmetic, so every row comes out the same on every machine.
int Blend(int from, int to, int step, int steps)
{
    return (from * (steps - step) + to * step + steps / 2) / steps;
}

QColor Blend(const QColor& from, const QColor& to, int step, int steps)
{
    return QColor(Blend(from.red(), to.red(), step, steps),
                  Blend(from.green(), to.green(), step, steps),
                  Blend(from.blue(), to.blue(), step, steps));
}

} // namespace

QColor BarPictureRowColour(int row)
{
    row = std::clamp(row, 0, kBarPictureHeight - 1);
    if (row <= kBarPictureMiddleRow)
        return Blend(kTop, kMiddle, row, kBarPictureMiddleRow);
    const int lastRow = kBarPictureHeight - 1;
    return Blend(kMiddle, kBottom, row - kBarPictureMiddleRow, lastRow - kBarPictureMiddleRow);
}

QImage MakeBarPicture()
{
    QImage image(kBarPictureWidth, kBarPictureHeight, QImage::Format_RGB888);
    for (int y = 0; y < kBarPictureHeight; ++y) {
        const QColor colour = BarPictureRowColour(y);
        uchar* line = image.scanLine(y);
        for (int x = 0; x < kBarPictureWidth; ++x) {
            line[3 * x] = static_cast<uchar>(colour.red());
            line[3 * x + 1] = static_cast<uchar>(colour.green());
            line[3 * x + 2] = static_cast<uchar>(colour.blue());
        }
    }
    return image;
}

} // namespace quorvel
