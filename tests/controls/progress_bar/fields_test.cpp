#include <gtest/gtest.h>

#include "platform/arith/conversion.h"
#include "platform/gdi/brush.h"
#include "platform/gdi/colour.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/draw.h"
#include "platform/gdi/edge.h"
#include "platform/gdi/objects.h"
#include "platform/gdi/picture.h"
#include "platform/gdi/region.h"
#include "tests/controls/progress_bar/bar_fixture.h"

namespace {

using namespace kolvetra;
using bar_test::COLORREF;
using bar_test::kBack;
using platform::gdi::Rgb;

constexpr COLORREF kBorder = Rgb(255, 0, 0);

// Standard mode with flat red field outlines, so each field's rectangle can be read off.
class Fields : public bar_test::Bar {
protected:
    void SetUp() override
    {
        Bar::SetUp();
        props.Scrolling = zemScrolling::zemScrollingStandard;
        props.FieldEffects = zemFieldEffects::zemFlatField;
        props.BorderColor = kBorder;
        props.OnlyValueFields = false;
        props.BarColorType = zemBarColorType::zemGradient;
        props.StartFillColor = Rgb(0, 0, 0);
        props.EndFillColor = Rgb(160, 0, 0); // d = 10 per field with 16 fields
    }
    // A flat outline through (l, t)-(r, b) covers both end columns and rows.
    void ExpectOutline(int l, int t, int r, int b)
    {
        SCOPED_TRACE(testing::Message() << "field " << l << "," << t << "-" << r << "," << b);
        for (int x = l; x <= r; ++x) {
            EXPECT_EQ(At(x, t), kBorder) << x;
            EXPECT_EQ(At(x, b), kBorder) << x;
        }
        for (int y = t; y <= b; ++y) {
            EXPECT_EQ(At(l, y), kBorder) << y;
            EXPECT_EQ(At(r, y), kBorder) << y;
        }
    }
};

TEST_F(Fields, HorizontalRowOfSixteen)
{
    props.Value = 0;
    Paint(200, 20);
    // T = 18, L0 = 12, N = 16, P = 12.125: the row ends at W - 3.
    ExpectOutline(2, 4, 15, 17);
    ExpectOutline(14, 4, 27, 17);
    ExpectOutline(184, 4, 197, 17);
    EXPECT_EQ(BoxOf(kBorder), QRect(QPoint(2, 4), QPoint(197, 17)));
    EXPECT_EQ(CountOf(kBack) + CountOf(kBorder), 200 * 20); // no field is lit
}

TEST_F(Fields, HalfTheFieldsLitInTheirRampColour)
{
    props.Value = 50; // F = 8
    Paint(200, 20);
    EXPECT_EQ(At(8, 10), Rgb(10, 0, 0));  // field 1: start + 1 step
    EXPECT_EQ(At(93, 10), Rgb(80, 0, 0)); // field 8
    EXPECT_EQ(At(105, 10), kBack);        // field 9 shows only its edge
    // A later field's fill covers the overlapping column of the earlier field's edge.
    EXPECT_EQ(At(15, 10), Rgb(20, 0, 0));

    props.BarColorType = zemBarColorType::zemColorize;
    Paint(200, 20);
    EXPECT_EQ(At(8, 10), Rgb(80, 0, 0)); // every lit field in start + F steps
    EXPECT_EQ(At(93, 10), Rgb(80, 0, 0));
}

TEST_F(Fields, VerticalColumnLitFromTheBottom)
{
    props.Alignment = zemAlignment::zemVertical;
    props.Value = 50;
    Paint(20, 200);
    ExpectOutline(4, 2, 16, 16);
    EXPECT_EQ(At(10, 8), kBack);           // field 1, at the top, is not lit
    EXPECT_EQ(At(10, 190), Rgb(0, 0, 0));  // field 16: start + (N - 16) steps
    EXPECT_EQ(At(10, 105), Rgb(70, 0, 0)); // field 9: the highest lit one
    EXPECT_EQ(At(10, 92), kBack);          // field 8

    props.Value = 0;
    Paint(20, 200);
    EXPECT_EQ(CountOf(kBack) + CountOf(kBorder), 20 * 200);
}

TEST_F(Fields, OnlyValueFieldsGrowDownFromTheTop)
{
    props.Alignment = zemAlignment::zemVertical;
    props.OnlyValueFields = true;
    props.Value = 5.0 * 100 / 16; // F = 5
    Paint(20, 200);
    // Fields 1 to 5 keep the pitch of the whole row; field 5 ends at 5 P + 4 = 64.625.
    EXPECT_EQ(BoxOf(kBorder), QRect(QPoint(4, 2), QPoint(16, 65)));
    EXPECT_EQ(At(10, 8), Rgb(40, 0, 0)); // field 1: start + (5 - 1) steps
    EXPECT_EQ(At(10, 200 - 10), kBack);

    props.Value = 0;
    Paint(20, 200);
    EXPECT_TRUE(PaintedBox().isEmpty()); // no field at all
}

TEST_F(Fields, ButtonizedFieldShadesToItsMiddle)
{
    props.BarColorType = zemBarColorType::zemButtonize;
    props.FieldEffects = zemFieldEffects::zemRaisedField;
    props.Value = 100;
    props.EndFillColor = Rgb(130, 0, 0);
    Paint(200, 20);
    // Field 1 is (2, 4)-(15, 17): 13 x 13, half 6.5, step 20 per ring.
    EXPECT_EQ(At(8, 10), Rgb(10, 0, 0)); // ring 6, half a step from the start colour
    // Ring 1 (ring 0 lies under the edge) is one step in from the end colour.
    EXPECT_EQ(At(8, 5), Rgb(110, 0, 0));
}

TEST_F(Fields, EdgesForEveryFieldEffect)
{
    using platform::gdi::GetSysColor;
    struct Case {
        const char* name;
        zemFieldEffects effect;
        COLORREF topLeft;  // the field's corner pixel
        COLORREF innerTop; // one pixel in
    };
    const COLORREF light = GetSysColor(22), dark = GetSysColor(21), shadow = GetSysColor(16),
                   highlight = GetSysColor(20);
    const Case cases[] = {
        {"raised", zemFieldEffects::zemRaisedField, highlight, kBack},
        {"sunken", zemFieldEffects::zemSunkenField, dark, kBack},
        {"raised double", zemFieldEffects::zemRaisedDoubleField, light, highlight},
        {"sunken double", zemFieldEffects::zemSunkenDoubleField, shadow, dark},
        {"etched", zemFieldEffects::zemEtchedField, shadow, highlight},
        {"bump", zemFieldEffects::zemBumpField, light, dark},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        props.FieldEffects = c.effect;
        props.Value = 0;
        Paint(200, 20);
        EXPECT_EQ(At(2, 4), c.topLeft);
        EXPECT_EQ(At(3, 5), c.innerTop);
    }
}

TEST_F(Fields, CasesWithoutLitFields)
{
    struct Case {
        const char* name;
        double aspect, value, min, max;
        bool picture;
        bool edges;
    };
    const Case cases[] = {
        {"Max = Min keeps the edges", 1.5, 50, 100, 100, false, true},
        {"ratio 0 gives no field", 0, 50, 0, 100, false, false},
        {"ratio so small a field is longer than the bar", 0.01, 50, 0, 100, false, false},
        {"negative value", 1.5, -20, 0, 100, false, true},
        {"a picture means edges only", 1.5, 100, 0, 100, true, true},
        {"ratio that overflows the count", 1e300, 50, 0, 100, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        props.AspectRatio = c.aspect;
        props.Value = c.value;
        props.Min = c.min;
        props.Max = c.max;
        QImage tile(2, 2, QImage::Format_RGB32);
        tile.fill(Qt::green);
        props.Picture = c.picture ? platform::gdi::Picture::FromImage(tile) : nullptr;
        Paint(200, 20);
        EXPECT_EQ(CountOf(kBack) + CountOf(kBorder), 200 * 20) << "a field was filled";
        EXPECT_EQ(CountOf(kBorder) > 0, c.edges);
    }
}

TEST_F(Fields, ForeColourComesBackAfterTheFields)
{
    props.Value = 50;
    Paint(200, 20);
    EXPECT_EQ(surface->ForeColor(), props.ForeColor);
}

} // namespace

// Fields less than a pixel apart, or asked for far beyond the bar's end, must paint exactly what
// painting every field one after the other paints, without taking time for each of them.
class CrowdedFields : public Fields {
protected:
    // Every field of the row painted in turn: gradient fill of the lit ones, then the edge.
    QImage EveryField(int W, int H)
    {
        using namespace platform::arith;
        namespace gdi = platform::gdi;
        QImage out(W, H, QImage::Format_RGB32);
        out.fill(QColor(1, 2, 3));
        gdi::ImageDC dc(out);
        const bool horizontal = props.Alignment == zemAlignment::zemHorizontal;
        const double length = horizontal ? W : H;
        const double T = (horizontal ? H : W) - 2.0;
        const auto N0 = std::int32_t(Fix(length / (T / props.AspectRatio)));
        const double P = (length - 6) / N0;
        const double d = 160.0 / N0; // red only, from 0 to 160
        const auto F = CLng(N0 * (props.Value - props.Min) / (props.Max - props.Min));
        const std::int32_t N = props.OnlyValueFields ? F : N0;
        gdi::SetDCPenColor(dc.hdc(), kBorder);
        for (std::int32_t i = 1; i <= N; ++i) {
            const gdi::Rect r = horizontal
                                    ? gdi::Rect{CLng((i - 1) * P + 2), 4, CLng(i * P + 3), H - 3}
                                    : gdi::Rect{4, CLng((i - 1) * P + 2), W - 4, CLng(i * P + 4)};
            const gdi::Point c[4] = {
                {r.left, r.top}, {r.right, r.top}, {r.right, r.bottom}, {r.left, r.bottom}};
            if (horizontal ? i <= F : i > N - F) {
                const int red = CInt((horizontal ? i : N - i) * d);
                const auto brush = gdi::CreateSolidBrush(Rgb(red, 0, 0));
                const auto region = gdi::CreatePolygonRgn(c, 4, gdi::ALTERNATE);
                gdi::FillRgn(dc.hdc(), region, brush);
                gdi::DeleteObject(brush);
                gdi::DeleteObject(region);
            }
            gdi::Rect edge = r;
            if (props.FieldEffects == zemFieldEffects::zemFlatField)
                gdi::Polygon(dc.hdc(), c, 4);
            else
                gdi::DrawEdge(dc.hdc(), edge, unsigned(props.FieldEffects), 0x200F);
        }
        return out;
    }
};

TEST_F(CrowdedFields, SubPixelPitchPaintsWhatEveryFieldWould)
{
    struct Case {
        const char* name;
        bool vertical;
        double aspect, value;
        bool onlyValue;
        zemFieldEffects effect;
    };
    const Case cases[] = {
        {"horizontal, flat edges", false, 40, 50, false, zemFieldEffects::zemFlatField},
        {"horizontal, raised edges", false, 40, 37, false, zemFieldEffects::zemRaisedField},
        {"horizontal, value fields only", false, 90, 63, true, zemFieldEffects::zemSunkenField},
        {"vertical, bump edges", true, 40, 50, false, zemFieldEffects::zemBumpField},
        {"vertical, value fields only", true, 70, 81, true, zemFieldEffects::zemFlatField},
        {"every field on the same pixels", false, 2.0e4, 50, false, zemFieldEffects::zemFlatField},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        props.Alignment = c.vertical ? zemAlignment::zemVertical : zemAlignment::zemHorizontal;
        props.AspectRatio = c.aspect;
        props.Value = c.value;
        props.OnlyValueFields = c.onlyValue;
        props.FieldEffects = c.effect;
        const int W = c.vertical ? 12 : 60, H = c.vertical ? 60 : 12;
        Paint(W, H);
        const QImage expected = EveryField(W, H);
        for (int y = 0; y < H; ++y) {
            for (int x = 0; x < W; ++x) {
                const QRgb e = expected.pixel(x, y);
                ASSERT_EQ(At(x, y), Rgb(qRed(e), qGreen(e), qBlue(e))) << x << "," << y;
            }
        }
    }
}

TEST_F(CrowdedFields, ExtremeCountsStillFinish)
{
    // Millions and then a billion fields along 194 pixels; before, the paint ran through every
    // one of them. The row still starts at column 2 and ends at W - 3.
    for (double aspect : {1.0e6, 1.0e8}) {
        SCOPED_TRACE(aspect);
        props.AspectRatio = aspect;
        props.Value = 50;
        Paint(200, 20);
        EXPECT_EQ(At(2, 10), kBorder);
        EXPECT_EQ(At(197, 10), kBorder);
        EXPECT_EQ(At(198, 10), kBack);
        EXPECT_EQ(At(100, 0), kBack);
    }
}

TEST_F(CrowdedFields, FieldsBeyondTheEndAreNotWalked)
{
    // With Min above Max, a Value far below both asks for a hundred million value fields at
    // the full row's pitch; past field 17 none of them reaches the bar, so the picture is that
    // of 17 fields.
    struct Case {
        const char* name;
        bool vertical;
    };
    for (const Case& c : {Case{"horizontal", false}, Case{"vertical", true}}) {
        SCOPED_TRACE(c.name);
        props.Alignment = c.vertical ? zemAlignment::zemVertical : zemAlignment::zemHorizontal;
        props.OnlyValueFields = true;
        props.BarColorType = zemBarColorType::zemColorize;
        props.EndFillColor = props.StartFillColor; // one colour whatever F is
        props.Min = 100;
        props.Max = 0;
        const int W = c.vertical ? 20 : 200, H = c.vertical ? 200 : 20;
        props.Value = -6.25; // F = 17
        Paint(W, H);
        const QImage seventeen = image;
        props.Value = -1.0e9; // F = 160 million
        Paint(W, H);
        EXPECT_TRUE(image == seventeen);
    }
}
