#include "platform/gdi/draw.h"

#include <QPainter>
#include <QPolygon>

#include "platform/gdi/detail/object_table.h"
#include "platform/gdi/detail/pixels.h"
#include "platform/gdi/detail/polygon_fill.h"

namespace platform::gdi {

using namespace detail;

namespace {

void Outline(QImage& image, const DcData& dc, const Point* points, int count, bool closed)
{
    const QRgb colour = ToQRgb(dc.pen);
    const int segments = closed ? count : count - 1;
    if (dc.penWidth <= 1) {
        for (int i = 0; i < segments; ++i) {
            const Point& a = points[i];
            const Point& b = points[(i + 1) % count];
            Line(image, a.x, a.y, b.x, b.y, colour);
        }
        return;
    }
    // Wide pens are only used by the private controls' dials; the toolkit's aliased stroke
    // with round ends is close enough there.
    QPolygon polygon;
    for (int i = 0; i < count; ++i)
        polygon << QPoint(points[i].x, points[i].y);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(QColor(colour), dc.penWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    if (closed)
        painter.drawPolygon(polygon);
    else
        painter.drawPolyline(polygon);
}

bool Draw(HDC hdc, const Point* points, int count, bool closed)
{
    DcData* dc = FindDc(hdc);
    if (!dc || !points || count < 2)
        return false;
    QImage* image = DrawTarget(*dc);
    if (!image)
        return true;
    if (closed && dc->brush != NullBrush()) {
        if (auto* brush = Objects().Find<BrushData>(dc->brush.value))
            FillPixels(*image, PolygonPixels(points, count, false), *brush);
    }
    Outline(*image, *dc, points, count, closed);
    return true;
}

} // namespace

bool Polygon(HDC hdc, const Point* points, int count)
{
    return Draw(hdc, points, count, true);
}

bool Polyline(HDC hdc, const Point* points, int count)
{
    return Draw(hdc, points, count, false);
}

} // namespace platform::gdi
