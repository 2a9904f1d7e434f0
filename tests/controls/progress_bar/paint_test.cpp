#include <gtest/gtest.h>

#include "platform/gdi/colour.h"
#include "platform/gdi/objects.h"
#include "platform/gdi/picture.h"
#include "tests/controls/progress_bar/bar_fixture.h"

namespace {

using namespace kolvetra;
using bar_test::COLORREF;
using bar_test::kBack;
using bar_test::kText;
using platform::gdi::GetSysColor;
using platform::gdi::Rgb;

using Painting = bar_test::Bar;

TEST_F(Painting, FrameOfEverySpecialEffect)
{
    const COLORREF light = GetSysColor(22), dark = GetSysColor(21), shadow = GetSysColor(16),
                   highlight = GetSysColor(20), border = Rgb(255, 0, 0);
    struct Case {
        const char* name;
        zemSpecialEffects effect;
        COLORREF corner, inner, farCorner;
    };
    using E = zemSpecialEffects;
    const Case cases[] = {
        // The flat outline runs one pixel in at the left and top but on the last column.
        {"flat", E::zemFlat, kBack, border, border},
        {"raised", E::zemRaised, highlight, kBack, shadow},
        {"sunken", E::zemSunken, dark, kBack, light},
        {"raised double", E::zemRaisedDouble, light, highlight, dark},
        {"sunken double", E::zemSunkenDouble, shadow, dark, highlight},
        {"etched", E::zemEtched, shadow, highlight, highlight},
        {"bump", E::zemBump, light, dark, dark},
        {"none", E::zemNone, kBack, kBack, kBack},
        {"unknown", E(12), kBack, kBack, kBack},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        props.SpecialEffects = c.effect;
        props.BorderColor = border;
        props.Value = 0;
        Paint(40, 12);
        EXPECT_EQ(At(0, 0), c.corner);
        EXPECT_EQ(At(1, 1), c.inner);
        EXPECT_EQ(At(39, 11), c.farCorner);
        EXPECT_EQ(surface->ForeColor(), props.ForeColor);
    }
}

TEST_F(Painting, FlatFrameInBorderColourTextInForeColour)
{
    props.SpecialEffects = zemSpecialEffects::zemFlat;
    props.BorderColor = Rgb(255, 0, 0);
    props.ForeColor = 0x80000008; // window text, black: translated for the pen and the text
    props.ValueType = zemValueType::zemCustom;
    props.Caption = "ab";
    Paint(40, 17);
    EXPECT_EQ(BoxOf(Rgb(255, 0, 0)), QRect(QPoint(1, 1), QPoint(39, 16)));
    EXPECT_EQ(CountOf(Rgb(0, 0, 0)), 12 * 11); // the text box
}

TEST_F(Painting, BackColourClearsTheSurface)
{
    props.BackColor = 0x8000000A; // active border
    Paint(10, 10);
    EXPECT_EQ(At(5, 5), GetSysColor(10));
}

TEST_F(Painting, MaxEqualToMinStillPaintsFrameFieldsAndValueText)
{
    props.Min = 20;
    props.Max = 20;
    props.Value = 20;
    props.SpecialEffects = zemSpecialEffects::zemSunken;
    props.ValueType = zemValueType::zemValue;
    props.Scrolling = zemScrolling::zemScrollingSmooth;
    Paint(100, 17);
    EXPECT_EQ(At(0, 0), GetSysColor(21));
    EXPECT_EQ(WrittenTexts(), std::vector<std::string>{"20"});
    EXPECT_EQ(CountOf(GetSysColor(21)) + CountOf(GetSysColor(22)) + CountOf(kBack) + CountOf(kText),
              100 * 17); // no bar

    props.Scrolling = zemScrolling::zemScrollingStandard;
    props.FieldEffects = zemFieldEffects::zemFlatField;
    props.BorderColor = Rgb(255, 0, 0);
    props.OnlyValueFields = false;
    props.SpecialEffects = zemSpecialEffects::zemNone;
    props.ValueType = zemValueType::zemNone;
    Paint(100, 17);
    EXPECT_GT(CountOf(Rgb(255, 0, 0)), 0); // the fields' edges
    EXPECT_EQ(CountOf(Rgb(255, 0, 0)) + CountOf(kBack), 100 * 17);
}

TEST_F(Painting, EveryDrawingObjectOfAPaintIsDeleted)
{
    QImage tile(3, 3, QImage::Format_RGB32);
    tile.fill(Qt::darkGreen);
    const PicturePtr picture = platform::gdi::Picture::FromImage(tile);
    int paints = 0;
    for (auto scrolling : {zemScrolling::zemScrollingStandard, zemScrolling::zemScrollingSmooth}) {
        for (auto alignment : {zemAlignment::zemHorizontal, zemAlignment::zemVertical}) {
            for (int type = 0; type <= 4; ++type) {
                for (int text = 0; text <= 4; ++text) {
                    for (bool withPicture : {false, true}) {
                        props.Scrolling = scrolling;
                        props.Alignment = alignment;
                        props.BarColorType = zemBarColorType(type);
                        props.TextAlignment = zemTextAlignment(text);
                        props.ValueType = zemValueType((text + type) % 4);
                        props.SpecialEffects = zemSpecialEffects((type + text) % 8);
                        props.FieldEffects = text % 2 ? zemFieldEffects::zemFlatField
                                                      : zemFieldEffects::zemBumpField;
                        props.Picture = withPicture ? picture : nullptr;
                        props.Value = 20 * text + 5;
                        image = QImage(120, 120, QImage::Format_RGB32);
                        PaintSurface s(image);
                        const auto before = platform::gdi::CountLiveObjects();
                        DrawProgress(props, animation, s);
                        DrawProgress(props, animation, s);
                        ASSERT_EQ(platform::gdi::CountLiveObjects(), before)
                            << "scrolling " << int(scrolling) << " alignment " << int(alignment)
                            << " type " << type << " text " << text << " picture " << withPicture;
                        ++paints;
                    }
                }
            }
        }
    }
    EXPECT_EQ(paints, 200);
}

TEST_F(Painting, ChangingTheFontReplacesTheSurfacesFont)
{
    image = QImage(50, 20, QImage::Format_RGB32);
    PaintSurface s(image);
    const auto before = platform::gdi::CountLiveObjects();
    props.Font.size = 12;
    DrawProgress(props, animation, s);
    props.Font.bold = true;
    DrawProgress(props, animation, s);
    EXPECT_EQ(platform::gdi::CountLiveObjects(), before);
}

TEST_F(Painting, DoEventsRunsLast)
{
    image = QImage(50, 20, QImage::Format_RGB32);
    PaintSurface s(image);
    props.ValueType = zemValueType::zemCustom;
    props.Caption = "x";
    int calls = 0;
    s.DoEvents = [&] {
        ++calls;
        EXPECT_EQ(measured.size(), 1u); // the text is already out
    };
    DrawProgress(props, animation, s);
    EXPECT_EQ(calls, 1);
}

TEST(Animation, OffsetRunsToTheEndAndBack)
{
    ProgressBarProperties props;
    AnimationState state;
    std::vector<std::int32_t> offsets;
    for (int tick = 0; tick < 8; ++tick) {
        AdvanceAnimation(state, props, 250, 17);
        offsets.push_back(state.m_AnimOffset);
    }
    EXPECT_EQ(offsets, (std::vector<std::int32_t>{100, 200, 300, 200, 100, 0, 100, 200}));

    // A vertical bar turns at its height.
    props.Alignment = zemAlignment::zemVertical;
    state = {};
    offsets.clear();
    for (int tick = 0; tick < 4; ++tick) {
        AdvanceAnimation(state, props, 250, 150);
        offsets.push_back(state.m_AnimOffset);
    }
    EXPECT_EQ(offsets, (std::vector<std::int32_t>{100, 200, 100, 0}));
}

TEST(Animation, StepsThatCannotMove)
{
    struct Case {
        const char* name;
        std::int32_t offset;
        std::int32_t interval;
        std::int32_t expected;
    };
    const Case cases[] = {
        {"interval 0 stays", 40, 0, 40},
        {"upward overflow leaves the offset", -2147483600, -100, -2147483600},
        {"downward overflow leaves the offset", 2147483600, -100, 2147483600},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ProgressBarProperties props;
        props.AnimatedInterval = c.interval;
        AnimationState state;
        state.m_AnimOffset = c.offset;
        state.m_AnimForward = true;
        AdvanceAnimation(state, props, 250, 17);
        EXPECT_EQ(state.m_AnimOffset, c.expected);
    }
}

} // namespace
