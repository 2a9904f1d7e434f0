// Renders a sheet of bars with the toolkit's real fonts, to be looked at.
#include <QGuiApplication>
#include <QPainter>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "controls/progress_bar/paint_surface.h"
#include "controls/progress_bar/progress_painter.h"
#include "platform/gdi/objects.h"
#include "platform/gdi/picture.h"
#include "tests/support/render_dir.h"

namespace {

using namespace kolvetra;
using platform::gdi::Rgb;

// A tile like the main window's bar picture: a glossy blue band, lighter at the top.
PicturePtr BarTile()
{
    QImage tile(8, 17, QImage::Format_RGB32);
    for (int y = 0; y < 17; ++y) {
        const int shade = y < 8 ? 255 - 12 * y : 120 + 6 * (y - 8);
        for (int x = 0; x < 8; ++x)
            tile.setPixel(x, y, qRgb(shade / 3, shade / 2 + 40, shade));
    }
    return platform::gdi::Picture::FromImage(tile);
}

ProgressBarProperties Base()
{
    ProgressBarProperties p;
    p.StartFillColor = Rgb(20, 60, 200);
    p.EndFillColor = Rgb(140, 230, 255);
    p.Value = 60;
    p.TextAfterValue = " %";
    p.Font.name = "DejaVu Sans";
    return p;
}

class Sheet {
public:
    Sheet()
        : m_sheet(900, 760, QImage::Format_RGB32)
    {
        m_sheet.fill(Qt::white);
    }
    void Add(const char* label, const ProgressBarProperties& p, int x, int y, int w, int h)
    {
        QImage bar(w, h, QImage::Format_RGB32);
        PaintSurface surface(bar);
        const auto before = platform::gdi::CountLiveObjects();
        DrawProgress(p, AnimationState{60, true}, surface);
        EXPECT_EQ(platform::gdi::CountLiveObjects(), before) << label;
        QPainter painter(&m_sheet);
        painter.drawImage(x, y + 12, bar);
        painter.setFont(QFont("DejaVu Sans", 7));
        painter.drawText(x, y + 9, label);
    }
    bool Save(const QString& path) const { return m_sheet.save(path); }

private:
    QImage m_sheet;
};

TEST(ProgressSheet, EveryStyleRendered)
{
    Sheet sheet;
    const char* frames[] = {"flat",          "raised", "sunken", "raised double",
                            "sunken double", "etched", "bump",   "none"};
    for (int i = 0; i < 8; ++i) {
        ProgressBarProperties p = Base();
        p.Scrolling = zemScrolling::zemScrollingSmooth;
        p.SpecialEffects = zemSpecialEffects(i);
        sheet.Add(frames[i], p, 10 + (i % 2) * 220, 10 + (i / 2) * 40, 200, 20);
    }
    const char* fills[] = {"gradient", "colorize", "buttonize", "animated"};
    for (int i = 0; i < 4; ++i) {
        for (int smooth = 0; smooth < 2; ++smooth) {
            ProgressBarProperties p = Base();
            p.Scrolling = zemScrolling(smooth);
            p.BarColorType = zemBarColorType(i);
            p.SpecialEffects = zemSpecialEffects::zemSunkenDouble;
            p.OnlyValueFields = i % 2 == 0;
            sheet.Add((std::string(fills[i]) + (smooth ? " smooth" : " segmented")).c_str(), p,
                      10 + smooth * 220, 180 + i * 40, 200, 20);
        }
    }
    const char* effects[] = {"flat field",          "raised field",        "sunken field",
                             "raised double field", "sunken double field", "etched field",
                             "bump field"};
    const zemFieldEffects fieldValues[] = {
        zemFieldEffects::zemFlatField,         zemFieldEffects::zemRaisedField,
        zemFieldEffects::zemSunkenField,       zemFieldEffects::zemRaisedDoubleField,
        zemFieldEffects::zemSunkenDoubleField, zemFieldEffects::zemEtchedField,
        zemFieldEffects::zemBumpField};
    for (int i = 0; i < 7; ++i) {
        ProgressBarProperties p = Base();
        p.FieldEffects = fieldValues[i];
        p.OnlyValueFields = false;
        p.BorderColor = Rgb(200, 0, 0);
        sheet.Add(effects[i], p, 450 + (i % 2) * 220, 10 + (i / 2) * 40, 200, 20);
    }
    const char* aligns[] = {"centre", "left", "right", "by value"};
    for (int i = 0; i < 4; ++i) {
        ProgressBarProperties p = Base();
        p.Scrolling = zemScrolling::zemScrollingSmooth;
        p.BarColorType = zemBarColorType::zemColorize;
        p.TextAlignment = zemTextAlignment(i);
        p.SpecialEffects = zemSpecialEffects::zemSunken;
        p.Font.bold = i == 3;
        sheet.Add(aligns[i], p, 450 + (i % 2) * 220, 180 + (i / 2) * 40, 200, 20);

        ProgressBarProperties v = p;
        v.Alignment = zemAlignment::zemVertical;
        v.BarColorType = i % 2 ? zemBarColorType::zemGradient : zemBarColorType::zemButtonize;
        v.Scrolling = zemScrolling(i < 2 ? 1 : 0);
        v.Value = 45;
        sheet.Add(aligns[i], v, 450 + i * 60, 280, 30, 170);
    }
    // The main window's bars: sunken, smooth, the tiled bar picture, " %" after the value; one
    // shows no text.
    for (int i = 0; i < 3; ++i) {
        ProgressBarProperties p = Base();
        p.Scrolling = zemScrolling::zemScrollingSmooth;
        p.SpecialEffects = zemSpecialEffects::zemSunken;
        p.Picture = BarTile();
        p.Value = 37 + 30 * i;
        p.Max = 100;
        p.ValueType = i == 2 ? zemValueType::zemNone : zemValueType::zemPrecentage;
        sheet.Add("main window style", p, 10, 360 + i * 40, 320, 17);
    }
    ProgressBarProperties custom = Base();
    custom.ValueType = zemValueType::zemCustom;
    custom.Caption = "Fraktionen \xFC"
                     "berpr\xFC"
                     "ft";
    custom.TextAfterValue = "";
    custom.Scrolling = zemScrolling::zemScrollingSmooth;
    custom.SpecialEffects = zemSpecialEffects::zemEtched;
    sheet.Add("custom text (CP1252)", custom, 10, 500, 320, 20);

    // The windows' own font name, drawn with the family their captions use.
    ProgressBarProperties windows = Base();
    windows.Scrolling = zemScrolling::zemScrollingSmooth;
    windows.SpecialEffects = zemSpecialEffects::zemSunken;
    windows.Picture = BarTile();
    windows.Font.name = "MS Sans Serif";
    windows.Font.size = 8.25;
    sheet.Add("MS Sans Serif", windows, 10, 540, 320, 17);

    if (!testing_support::RenderDir().empty())
        EXPECT_TRUE(sheet.Save(testing_support::RenderPath("progress_sheet.png")));
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
