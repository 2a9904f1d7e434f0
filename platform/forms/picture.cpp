#include "picture.h"

#include <algorithm>

#include <QLabel>
#include <QPainter>

#include "platform/forms/twips.h"

namespace platform::forms {

namespace {

class LineWidget : public QWidget {
public:
    QPoint from, to;
    QColor colour;
    int width = 1;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setPen(QPen(colour, width));
        painter.drawLine(from, to);
    }
};

} // namespace

Image::Image()
    : Control(new QLabel)
{
    static_cast<QLabel*>(Widget())->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    RaiseClicksFromMouse();
}

void Image::SetPicture(const QPixmap& picture)
{
    m_picture = picture;
    static_cast<QLabel*>(Widget())->setPixmap(picture);
}

void Image::SetStretch(bool stretch)
{
    m_stretch = stretch;
    static_cast<QLabel*>(Widget())->setScaledContents(stretch);
}

Line::Line()
    : Control(new LineWidget)
{
    Widget()->setAttribute(Qt::WA_TransparentForMouseEvents);
    SetBorderColor(m_colour);
}

void Line::ApplyDesignGeometry(const ControlDef& def)
{
    SetPoints(def.left, def.top, def.width, def.height);
}

void Line::SetPoints(int x1, int y1, int x2, int y2)
{
    m_x1 = x1;
    m_y1 = y1;
    m_x2 = x2;
    m_y2 = y2;
    int pad = PixelsToTwips(m_borderWidth);
    int left = std::min(x1, x2);
    int top = std::min(y1, y2);
    Move(left, top, std::abs(x2 - x1) + pad, std::abs(y2 - y1) + pad);
    auto* w = static_cast<LineWidget*>(Widget());
    w->from = QPoint(TwipsToPixels(x1 - left), TwipsToPixels(y1 - top));
    w->to = QPoint(TwipsToPixels(x2 - left), TwipsToPixels(y2 - top));
    w->update();
}

void Line::SetBorderColor(OleColor colour)
{
    m_colour = colour;
    static_cast<LineWidget*>(Widget())->colour = ToQColor(colour);
    Widget()->update();
}

void Line::SetBorderWidth(int pixels)
{
    m_borderWidth = std::max(pixels, 1);
    static_cast<LineWidget*>(Widget())->width = m_borderWidth;
    SetPoints(m_x1, m_y1, m_x2, m_y2);
}

} // namespace platform::forms
