#include "app/image_button/artwork.h"

#include <QFont>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <gtest/gtest.h>

#include "app/main_window/bar_picture.h"
#include "tests/support/render_dir.h"

namespace quorvel {
namespace {

QGuiApplication& App()
{
    static int argc = 1;
    static char name[] = "artwork_test";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
    return app;
}

int Luminance(QRgb p)
{
    return qGray(p);
}

double MeanLuminance(const QImage& image)
{
    double sum = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            sum += Luminance(image.pixel(x, y));
    return sum / (image.width() * image.height());
}

constexpr ButtonFace kFaces[] = {ButtonFace::Normal, ButtonFace::Pressed, ButtonFace::Hover};

TEST(ButtonFaceTest, StoredPicturesHaveTheStoredSizeAndDifferFromEachOther)
{
    const QImage normal = ButtonFaceImage(ButtonFace::Normal);
    const QImage pressed = ButtonFaceImage(ButtonFace::Pressed);
    const QImage hover = ButtonFaceImage(ButtonFace::Hover);
    for (const QImage* image : {&normal, &pressed, &hover})
        EXPECT_EQ(image->size(), QSize(127, 22));
    EXPECT_NE(normal, pressed);
    EXPECT_NE(normal, hover);
    EXPECT_NE(pressed, hover);
    // The pressed face must read as pushed in, the hover face as lit.
    EXPECT_LT(MeanLuminance(pressed) + 15, MeanLuminance(normal));
    EXPECT_GE(MeanLuminance(hover), MeanLuminance(normal) - 2);
    const QColor hoverBorder = hover.pixelColor(63, 0);
    EXPECT_GT(hoverBorder.blue(), hoverBorder.red() + 60) << "hover border carries the accent";
}

QImage StretchedStoredFace(ButtonFace face, QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    DrawStretchedFace(painter, image.rect(), ButtonFaceImage(face));
    return image;
}

// A plain stretch of a 127-pixel-wide picture over 25 pixels drops or smears its side borders.
// Both ways the button may paint itself must give a solid one-pixel border on all four sides.
TEST(ButtonFaceTest, BorderIsOneSolidPixelAtEveryButtonSize)
{
    struct Case {
        const char* name;
        QSize size;
    };
    const Case cases[] = {
        {"question mark 25x25", {25, 25}}, {"language 97x25", {97, 25}},
        {"quit 89x25", {89, 25}},          {"list buttons 97x17", {97, 17}},
        {"import 89x17", {89, 17}},        {"stored 127x22", {127, 22}},
    };
    struct Way {
        const char* name;
        QImage (*paint)(ButtonFace, QSize);
    };
    const Way ways[] = {{"drawn at size", &ButtonFaceImage},
                        {"stored picture stretched", &StretchedStoredFace}};
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            for (ButtonFace face : kFaces) {
                SCOPED_TRACE(static_cast<int>(face));
                const QImage image = way.paint(face, c.size);
                ASSERT_EQ(image.size(), c.size);
                const int w = c.size.width(), h = c.size.height();
                const QRgb border = image.pixel(w / 2, 0);
                const QPoint edges[] = {{w / 2, 0}, {w / 2, h - 1}, {0, h / 2}, {w - 1, h / 2}};
                for (const QPoint& p : edges) {
                    EXPECT_EQ(qAlpha(image.pixel(p)), 255) << p.x() << "," << p.y();
                    EXPECT_EQ(image.pixel(p), border) << p.x() << "," << p.y();
                }
                // The pixel just inside the border is the bevel, not a second border line.
                EXPECT_NE(image.pixel(w / 2, 1), border);
                EXPECT_NE(image.pixel(1, h / 2), border);
                // Rounded corners let the window show through.
                EXPECT_LT(qAlpha(image.pixel(0, 0)), 255);
                EXPECT_LT(qAlpha(image.pixel(w - 1, h - 1)), 255);
            }
        }
    }
}

TEST(ButtonFaceTest, DrawingLeavesThePainterAsItWas)
{
    QImage image(40, 20, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setPen(Qt::red);
    painter.setBrush(Qt::green);
    DrawButtonFace(painter, QRect(0, 0, 40, 20), ButtonFace::Hover);
    EXPECT_EQ(painter.pen().color(), QColor(Qt::red));
    EXPECT_EQ(painter.brush().color(), QColor(Qt::green));
    EXPECT_FALSE(painter.testRenderHint(QPainter::Antialiasing));
}

TEST(CursorTest, HandPointsWithTheIndexFingerAtTheHotSpot)
{
    const CursorPicture hand = HandCursorPicture();
    EXPECT_EQ(hand.image.size(), QSize(32, 32));
    EXPECT_EQ(hand.hotSpot, QPoint(17, 3));
    // The hot spot lies on the finger's tip: painted there, nothing above but the outline.
    EXPECT_EQ(qAlpha(hand.image.pixel(17, 3)), 255);
    EXPECT_EQ(qAlpha(hand.image.pixel(17, 0)), 0);
    EXPECT_EQ(qAlpha(hand.image.pixel(17, 1)), 0);
    EXPECT_EQ(qAlpha(hand.image.pixel(12, 3)), 0);
    EXPECT_EQ(qAlpha(hand.image.pixel(22, 3)), 0);

    App();
    for (const QCursor& cursor : {MakeButtonCursor(), MakeWindowCursor()}) {
        EXPECT_EQ(cursor.shape(), Qt::BitmapCursor);
        EXPECT_EQ(cursor.hotSpot(), QPoint(17, 3));
        EXPECT_EQ(cursor.pixmap().size(), QSize(32, 32));
    }
}

TEST(WindowIconTest, EverySizeIsDrawnAndPainted)
{
    for (int size : {16, 32, 64}) {
        SCOPED_TRACE(size);
        const QImage image = WindowIconImage(size);
        EXPECT_EQ(image.size(), QSize(size, size));
        EXPECT_EQ(qAlpha(image.pixel(size / 2, size / 2)), 255);
    }
    App();
    const QIcon icon = MakeWindowIcon();
    EXPECT_TRUE(icon.availableSizes().contains(QSize(16, 16)));
    EXPECT_TRUE(icon.availableSizes().contains(QSize(32, 32)));
}

// A sheet to look at: every face at the sizes the windows use, with their captions, the stored
// picture stretched beside the face drawn at size, the pointer and the bar picture.
void DrawCaption(QPainter& painter, const QRect& rect, const QString& text, bool bold,
                 ButtonFace face, bool enabled)
{
    QFont font("Liberation Sans");
    font.setPixelSize(11);
    font.setBold(bold);
    painter.setFont(font);
    painter.setPen(enabled ? QColor(Qt::black) : QColor(0x8a, 0x91, 0x9a));
    const QRect textRect = face == ButtonFace::Pressed ? rect.translated(1, 1) : rect;
    painter.drawText(textRect, Qt::AlignCenter | Qt::TextShowMnemonic, text);
}

QImage RenderSheet()
{
    struct Button {
        QSize size;
        const char* caption;
        bool bold;
    };
    const Button buttons[] = {
        {{25, 25}, "?", true},         {{97, 25}, "Englische Version", false},
        {{89, 25}, "&Beenden", false}, {{97, 17}, "Aktualisieren", false},
        {{97, 17}, "Neu...", false},   {{89, 17}, "Import", false},
    };
    QImage sheet(1020, 300, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(QColor(0xf0, 0xf0, 0xf0));
    QPainter painter(&sheet);
    struct Row {
        ButtonFace face;
        bool enabled;
        bool stretched;
    };
    const Row rows[] = {{ButtonFace::Normal, true, false}, {ButtonFace::Pressed, true, false},
                        {ButtonFace::Hover, true, false},  {ButtonFace::Normal, false, false},
                        {ButtonFace::Normal, true, true},  {ButtonFace::Hover, true, true}};
    int y = 8;
    for (const Row& row : rows) {
        int x = 8;
        for (const Button& b : buttons) {
            const QRect rect(QPoint(x, y), b.size);
            if (row.stretched)
                DrawStretchedFace(painter, rect, ButtonFaceImage(row.face));
            else
                DrawButtonFace(painter, rect, row.face);
            DrawCaption(painter, rect, b.caption, b.bold, row.face, row.enabled);
            x += b.size.width() + 8;
        }
        y += 33;
    }
    const CursorPicture hand = HandCursorPicture();
    painter.drawImage(QRect(620, 8, 128, 128), hand.image);
    painter.drawImage(QPoint(760, 8), hand.image);
    painter.drawImage(QPoint(800, 8), WindowIconImage(64));
    painter.drawImage(QPoint(880, 8), WindowIconImage(32));
    painter.drawImage(QPoint(920, 8), WindowIconImage(16));
    painter.drawImage(QPoint(8, 210), MakeBarPicture());
    painter.drawImage(QRect(8, 240, 1000, 50), MakeBarPicture());
    painter.end();
    return sheet;
}

TEST(ArtworkSheetTest, RendersToPng)
{
    QV_SKIP_UNLESS_RENDERING();
    App();
    const QImage sheet = RenderSheet();
    EXPECT_TRUE(testing_support::SaveRender(sheet, "quorvel_artwork.png"));
    EXPECT_TRUE(testing_support::SaveRender(
        sheet.scaled(sheet.size() * 3, Qt::IgnoreAspectRatio, Qt::FastTransformation)
            .copy(0, 0, 1900, 700),
        "quorvel_artwork_x3.png"));
}

} // namespace
} // namespace quorvel
