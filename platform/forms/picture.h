#pragma once

#include <QPixmap>

#include "platform/forms/control.h"

namespace platform::forms {

// An image: shows a picture, stretched to its size when Stretch is set; Click and DblClick
// come from the mouse.
class Image : public Control {
public:
    Image();

    void SetPicture(const QPixmap& picture);
    const QPixmap& Picture() const { return m_picture; }
    bool Stretch() const { return m_stretch; }
    void SetStretch(bool stretch);

private:
    QPixmap m_picture;
    bool m_stretch = false;
};

// A line from (X1, Y1) to (X2, Y2), twips in its container. Its Left/Top/Width/Height are
// the box around the line; a table row gives the end points in their place.
class Line : public Control {
public:
    Line();

    int X1() const { return m_x1; }
    int Y1() const { return m_y1; }
    int X2() const { return m_x2; }
    int Y2() const { return m_y2; }
    void SetPoints(int x1, int y1, int x2, int y2);

    OleColor BorderColor() const { return m_colour; }
    void SetBorderColor(OleColor colour);
    int BorderWidth() const { return m_borderWidth; }
    void SetBorderWidth(int pixels);

    void ApplyDesignGeometry(const ControlDef& def) override;

private:
    int m_x1 = 0, m_y1 = 0, m_x2 = 0, m_y2 = 0;
    OleColor m_colour = kSysWindowText;
    int m_borderWidth = 1;
};

} // namespace platform::forms
