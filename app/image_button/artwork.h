#pragma once

#include <QCursor>
#include <QIcon>
#include <QImage>
#include <QPoint>
#include <QRect>

class QPainter;

namespace quorvel {

// The three faces of the image button: normal, pressed, pointer over it.
enum class ButtonFace { Normal, Pressed, Hover };

// The size of the stored face pictures; the button stretches them over itself.
inline constexpr int kButtonFaceWidth = 127;
inline constexpr int kButtonFaceHeight = 22;

// Draws a face filling rect at its real size, so the 1-pixel border and the bevel stay sharp
// at every button size (the windows use 25 by 17 up to 97 by 25 pixels). Prefer this to
// stretching the stored picture. Leaves the painter's state as it found it.
void DrawButtonFace(QPainter& painter, const QRect& rect, ButtonFace face);

// The face drawn at the given size (default: the stored 127 by 22), ARGB32 premultiplied, with
// transparent pixels only in the rounded corners.
QImage ButtonFaceImage(ButtonFace face, QSize size = QSize(kButtonFaceWidth, kButtonFaceHeight));

// Stretches a face picture over rect the way a picture-faced button should: the corners and a
// band of kFaceEdge pixels along each side keep their size (so the border stays one sharp
// pixel), only the middle is stretched. Rects smaller than two edges fall back to a plain stretch.
inline constexpr int kFaceEdge = 4;
void DrawStretchedFace(QPainter& painter, const QRect& rect, const QImage& face);

// A cursor picture and the pixel of it that points.
struct CursorPicture {
    QImage image;
    QPoint hotSpot;
};

// The pointing hand of the button caption: 32 by 32 pixels, the tip of the index finger at 17, 3.
CursorPicture HandCursorPicture();

// The button caption's pointer, built from HandCursorPicture. Needs a running QGuiApplication.
QCursor MakeButtonCursor();

// The pointer of the main window's arrow label, its two panes and the about box's "X": the same
// hand as the buttons, so everything clickable in the program points alike.
QCursor MakeWindowCursor();

// The main window's icon drawn at size by size pixels.
QImage WindowIconImage(int size);

// The main window's icon with pictures at 16, 24, 32, 48 and 64 pixels.
QIcon MakeWindowIcon();

} // namespace quorvel
