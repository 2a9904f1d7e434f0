// Renders a sheet of the three indicators in their main modes with the toolkit's real fonts,
// to be looked at.
#include <QDir>
#include <QPainter>
#include <gtest/gtest.h>

#include "controls/private/ProgressCounter.h"
#include "controls/private/ProgressSlider.h"
#include "controls/private/ProgressWheel.h"
#include "platform/gdi/objects.h"
#include "site_fixture.h"
#include "tests/support/render_dir.h"

namespace {

using namespace kolvetra;
using platform::gdi::Rgb;
using private_test::FakeSite;

platform::com::StdFont SheetFont(double size = 8.25, bool bold = false)
{
    platform::com::StdFont font;
    font.name = "DejaVu Sans";
    font.size = size;
    font.SetBold(bold);
    return font;
}

platform::com::Picture Tile()
{
    QImage tile(8, 8, QImage::Format_RGB32);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x)
            tile.setPixel(x, y, (x + y) % 8 < 4 ? qRgb(40, 150, 60) : qRgb(120, 210, 90));
    }
    return platform::com::Picture(tile);
}

class Sheet {
public:
    Sheet()
        : m_sheet(960, 760, QImage::Format_RGB32)
    {
        m_sheet.fill(Qt::white);
        // A checked host background, so that a shaped window shows what it lets through.
        QPainter painter(&m_sheet);
        for (int y = 0; y < 760; y += 10) {
            for (int x = 0; x < 960; x += 10) {
                if ((x / 10 + y / 10) % 2)
                    painter.fillRect(x, y, 10, 10, QColor(235, 235, 245));
            }
        }
    }

    // Places a control: a fresh site of the size, InitProperties, the caller's settings, one
    // more paint, and the painted image (cut to its window shape) onto the sheet.
    template <class Control>
    void Add(const char* label, int x, int y, int w, int h,
             const std::function<void(Control&)>& setUp)
    {
        FakeSite site(w, h);
        site.ambient = SheetFont();
        Control control;
        control.SetSite(&site);
        control.UserControl_InitProperties();
        setUp(control);
        const auto before = platform::gdi::CountLiveObjects();
        control.DrawProgress();
        EXPECT_EQ(platform::gdi::CountLiveObjects(), before) << label;
        QPainter painter(&m_sheet);
        if (site.window.IsShaped())
            painter.setClipRegion(site.window.Shape().translated(x, y + 14));
        painter.drawImage(x, y + 14, site.image);
        painter.setClipping(false);
        painter.setFont(QFont("DejaVu Sans", 7));
        painter.drawText(x, y + 10, label);
    }
    bool Save(const QString& path) const { return m_sheet.save(path); }

private:
    QImage m_sheet;
};

TEST(PrivateSheet, RendersEveryIndicatorInItsMainModes)
{
    Sheet sheet;
    const int wheel = 150;
    struct WheelCase {
        const char* label;
        double value;
        int fields;
        int backStyle;
        bool picture;
    };
    const WheelCase wheels[] = {
        {"wheel 0", 0, 18, 0, false},
        {"wheel 1", 1, 18, 0, false},
        {"wheel 55", 55, 18, 0, false},
        {"wheel 100", 100, 18, 0, false},
        {"wheel 37 transparent", 37, 18, 1, false},
        {"wheel 62, 36 fields, picture", 62, 36, 0, true},
    };
    int x = 10;
    for (const WheelCase& c : wheels) {
        sheet.Add<ProgressWheel>(c.label, x, 10, wheel, wheel, [&](ProgressWheel& w) {
            w.SetStartFillColor(Rgb(230, 40, 30));
            w.SetEndFillColor(Rgb(250, 220, 60));
            w.SetFont(SheetFont(9.75, true));
            w.SetFields(c.fields);
            w.SetValue(c.value);
            w.SetBackStyle(c.backStyle);
            if (c.picture)
                w.SetPicture(Tile());
        });
        x += wheel + 8;
    }

    struct SliderCase {
        const char* label;
        double value;
        zemSpecialEffects effects;
        bool picture;
    };
    const SliderCase sliders[] = {
        {"slider 0 flat", 0, zemSpecialEffects::zemFlat, false},
        {"slider 34 raised", 33.5, zemSpecialEffects::zemRaised, false},
        {"slider 60 sunken", 60, zemSpecialEffects::zemSunken, false},
        {"slider 100 sunken double", 100, zemSpecialEffects::zemSunkenDouble, false},
        {"slider 45 etched, picture", 45, zemSpecialEffects::zemEtched, true},
        {"slider 80 bump", 80, zemSpecialEffects::zemBump, false},
        {"slider 70 none", 70, zemSpecialEffects::zemNone, false},
    };
    int y = 190;
    for (const SliderCase& c : sliders) {
        sheet.Add<ProgressSlider>(c.label, 10, y, 300, 24, [&](ProgressSlider& s) {
            s.SetSpecialEffects(c.effects);
            s.SetValue(c.value);
            if (c.picture)
                s.SetPicture(Tile());
        });
        y += 44;
    }
    x = 340;
    for (double v : {0.0, 25.0, 50.0, 90.0}) {
        const std::string label = "vertical " + std::to_string(int(v));
        sheet.Add<ProgressSlider>(label.c_str(), x, 190, 40, 280, [&](ProgressSlider& s) {
            s.SetAlignment(zemAlignment::zemVertical);
            s.SetSpecialEffects(zemSpecialEffects::zemSunken);
            s.SetValue(v);
        });
        x += 70;
    }

    struct CounterCase {
        const char* label;
        double value;
        double max;
        bool picture;
    };
    const CounterCase counters[] = {
        {"counter 0", 0, 100, false},     {"counter 5", 5, 100, false},
        {"counter 33", 33, 100, false},   {"counter 97.5", 97.5, 100, false},
        {"counter 100", 100, 100, false}, {"counter 64, picture", 64, 100, true},
    };
    x = 10;
    for (const CounterCase& c : counters) {
        sheet.Add<ProgressCounter>(c.label, x, 520, 120, 120, [&](ProgressCounter& p) {
            p.SetFont(SheetFont(14, true));
            p.SetMax(c.max);
            p.SetValue(c.value);
            if (c.picture)
                p.SetPicture(Tile());
        });
        x += 130;
    }

    if (!testing_support::RenderDir().empty())
        EXPECT_TRUE(sheet.Save(testing_support::RenderPath("private_sheet.png")));
}

} // namespace
