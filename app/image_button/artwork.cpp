#include "app/image_button/artwork.h"

#include <cmath>

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QRadialGradient>

namespace quorvel {

namespace {

// Colours of one face. The body is a vertical gradient with a sharp step at its middle (the
// gloss); the bevel is a 1-pixel ring just inside the border, light above and fading below.
struct FacePalette {
    QColor border;
    QColor bodyTop;
    QColor bodyAboveStep;
    QColor bodyBelowStep;
    QColor bodyBottom;
    QColor bevelTop;
    QColor bevelBottom;
};

const FacePalette& PaletteOf(ButtonFace face)
{
    static const FacePalette normal{
        .border = QColor(0x70, 0x7c, 0x8c),
        .bodyTop = QColor(0xfd, 0xfd, 0xfe),
        .bodyAboveStep = QColor(0xef, 0xf2, 0xf6),
        .bodyBelowStep = QColor(0xe1, 0xe6, 0xed),
        .bodyBottom = QColor(0xd2, 0xd9, 0xe3),
        .bevelTop = QColor(255, 255, 255, 230),
        .bevelBottom = QColor(255, 255, 255, 50),
    };
    // Darker and without gloss; the bevel turns into a shadow along the top, so the face
    // reads as pushed in.
    static const FacePalette pressed{
        .border = QColor(0x4f, 0x5b, 0x6a),
        .bodyTop = QColor(0xb9, 0xc3, 0xd0),
        .bodyAboveStep = QColor(0xc6, 0xce, 0xd9),
        .bodyBelowStep = QColor(0xc9, 0xd1, 0xdb),
        .bodyBottom = QColor(0xd6, 0xdc, 0xe4),
        .bevelTop = QColor(0x6c, 0x78, 0x88, 150),
        .bevelBottom = QColor(0x6c, 0x78, 0x88, 0),
    };
    // Lighter, with the border and a faint glow in the accent blue.
    static const FacePalette hover{
        .border = QColor(0x2f, 0x74, 0xc8),
        .bodyTop = QColor(0xff, 0xff, 0xff),
        .bodyAboveStep = QColor(0xf3, 0xf8, 0xfe),
        .bodyBelowStep = QColor(0xe2, 0xee, 0xfc),
        .bodyBottom = QColor(0xcd, 0xe1, 0xf8),
        .bevelTop = QColor(255, 255, 255, 255),
        .bevelBottom = QColor(0x8f, 0xbf, 0xf3, 170),
    };
    switch (face) {
    case ButtonFace::Pressed:
        return pressed;
    case ButtonFace::Hover:
        return hover;
    case ButtonFace::Normal:
        break;
    }
    return normal;
}

QLinearGradient VerticalGradient(const QRect& rect)
{
    return QLinearGradient(QPointF(0, rect.top()), QPointF(0, rect.top() + rect.height()));
}

} // namespace

void DrawButtonFace(QPainter& painter, const QRect& rect, ButtonFace face)
{
    if (rect.isEmpty())
        return;
    const FacePalette& c = PaletteOf(face);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);

    QLinearGradient body = VerticalGradient(rect);
    body.setColorAt(0.0, c.bodyTop);
    body.setColorAt(0.49, c.bodyAboveStep);
    body.setColorAt(0.51, c.bodyBelowStep);
    body.setColorAt(1.0, c.bodyBottom);

    // Pens centred on half pixels keep the straight runs of the border exactly one pixel wide;
    // only the corners are antialiased.
    const QRectF outer = QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal radius = rect.height() >= 20 && rect.width() >= 20 ? 3.0 : 2.0;
    painter.setPen(Qt::NoPen);
    painter.setBrush(body);
    painter.drawRoundedRect(outer, radius, radius);

    if (rect.width() > 4 && rect.height() > 4) {
        QLinearGradient bevel = VerticalGradient(rect);
        bevel.setColorAt(0.0, c.bevelTop);
        bevel.setColorAt(0.6, c.bevelBottom);
        bevel.setColorAt(1.0, c.bevelBottom);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QBrush(bevel), 1.0));
        const QRectF inner = outer.adjusted(1, 1, -1, -1);
        painter.drawRoundedRect(inner, radius - 1, radius - 1);
    }

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(c.border, 1.0));
    painter.drawRoundedRect(outer, radius, radius);
    painter.restore();
}

QImage ButtonFaceImage(ButtonFace face, QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    DrawButtonFace(painter, image.rect(), face);
    return image;
}

void DrawStretchedFace(QPainter& painter, const QRect& rect, const QImage& face)
{
    const int e = kFaceEdge;
    if (rect.width() < 2 * e || rect.height() < 2 * e || face.width() < 2 * e + 1 ||
        face.height() < 2 * e + 1) {
        painter.drawImage(rect, face);
        return;
    }
    // Three columns and three rows in source and target; the outer ones keep their width.
    const int sx[] = {0, e, face.width() - e, face.width()};
    const int sy[] = {0, e, face.height() - e, face.height()};
    const int tx[] = {rect.left(), rect.left() + e, rect.left() + rect.width() - e,
                      rect.left() + rect.width()};
    const int ty[] = {rect.top(), rect.top() + e, rect.top() + rect.height() - e,
                      rect.top() + rect.height()};
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            const QRect source(sx[col], sy[row], sx[col + 1] - sx[col], sy[row + 1] - sy[row]);
            const QRect target(tx[col], ty[row], tx[col + 1] - tx[col], ty[row + 1] - ty[row]);
            if (!target.isEmpty())
                painter.drawImage(target, face, source);
        }
    }
}

CursorPicture HandCursorPicture()
{
    // The hand is built from rounded pieces in pixel coordinates; outlines run on half pixels
    // so they stay one pixel wide. The index finger's first filled pixel is the hot spot.
    QPainterPath hand;
    auto piece = [&hand](qreal x, qreal y, qreal w, qreal h, qreal r) {
        QPainterPath p;
        p.addRoundedRect(QRectF(x, y, w, h), r, r);
        hand = hand.united(p);
    };
    piece(14.5, 2.5, 5, 17, 2.5);   // index finger, tip centred on column 17
    piece(19.5, 10.5, 4, 10, 2.0);  // middle finger
    piece(23.5, 11.5, 4, 10, 2.0);  // ring finger
    piece(27.5, 13.5, 3, 8, 1.5);   // little finger
    piece(13.5, 16.5, 17, 10, 4.0); // palm
    QPainterPath thumb;
    thumb.moveTo(14.0, 25.0);
    thumb.lineTo(8.0, 18.5);
    thumb.cubicTo(6.5, 16.5, 8.5, 14.5, 10.5, 16.0);
    thumb.lineTo(15.5, 20.0);
    thumb.closeSubpath();
    hand = hand.united(thumb).simplified();

    QImage image(32, 32, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(Qt::black, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::white);
    painter.drawPath(hand);
    // The cuff, and the clefts between the folded fingers.
    painter.setBrush(QColor(0x2f, 0x74, 0xc8));
    painter.drawRoundedRect(QRectF(15.5, 26.5, 14, 4), 1.0, 1.0);
    painter.drawLine(QPointF(19.5, 13.0), QPointF(19.5, 16.5));
    painter.drawLine(QPointF(23.5, 14.0), QPointF(23.5, 16.5));
    painter.drawLine(QPointF(27.5, 15.5), QPointF(27.5, 17.0));
    painter.end();
    return {image, QPoint(17, 3)};
}

QCursor MakeButtonCursor()
{
    const CursorPicture picture = HandCursorPicture();
    return QCursor(QPixmap::fromImage(picture.image), picture.hotSpot.x(), picture.hotSpot.y());
}

QCursor MakeWindowCursor()
{
    return MakeButtonCursor();
}

QImage WindowIconImage(int size)
{
    // Drawn on a 64-unit grid and scaled, so every size shows the same picture: a planet in the
    // bar picture's blues, an orange orbit like the main window's arrow, and one bright star.
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.scale(size / 64.0, size / 64.0);

    QLinearGradient tile(0, 0, 0, 64);
    tile.setColorAt(0.0, QColor(0x10, 0x2a, 0x5c));
    tile.setColorAt(1.0, QColor(0x04, 0x10, 0x2c));
    painter.setPen(QPen(QColor(0x02, 0x08, 0x18), 1.5));
    painter.setBrush(tile);
    painter.drawRoundedRect(QRectF(1, 1, 62, 62), 12, 12);

    // The back half of the orbit lies behind the planet, the front half crosses it.
    const QRectF orbit(-28, -9, 56, 18);
    auto drawOrbitHalf = [&painter, &orbit](const QColor& colour, int startDegrees) {
        painter.save();
        painter.translate(32, 34);
        painter.rotate(-20);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(colour, 4.0, Qt::SolidLine, Qt::FlatCap));
        painter.drawArc(orbit, startDegrees * 16, 180 * 16);
        painter.restore();
    };
    drawOrbitHalf(QColor(200, 96, 0), 0);

    QRadialGradient planet(QPointF(26, 27), 26);
    planet.setColorAt(0.0, QColor(64, 255, 255));
    planet.setColorAt(0.55, QColor(0, 128, 220));
    planet.setColorAt(1.0, QColor(0, 64, 160));
    painter.setPen(Qt::NoPen);
    painter.setBrush(planet);
    painter.drawEllipse(QPointF(32, 34), 17, 17);

    drawOrbitHalf(QColor(255, 140, 16), 180);

    QPainterPath star;
    const QPointF centre(50, 13);
    for (int i = 0; i < 8; ++i) {
        const qreal r = (i % 2 == 0) ? 8.0 : 2.0;
        const qreal a = i * 3.14159265358979 / 4.0;
        const QPointF p(centre.x() + r * std::sin(a), centre.y() - r * std::cos(a));
        if (i == 0)
            star.moveTo(p);
        else
            star.lineTo(p);
    }
    star.closeSubpath();
    painter.setBrush(Qt::white);
    painter.drawPath(star);
    painter.end();
    return image;
}

QIcon MakeWindowIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64})
        icon.addPixmap(QPixmap::fromImage(WindowIconImage(size)));
    return icon;
}

} // namespace quorvel
