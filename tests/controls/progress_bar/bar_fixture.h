#pragma once

#include "tests/support/pixels.h"

#include <QImage>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "controls/progress_bar/paint_surface.h"
#include "controls/progress_bar/progress_painter.h"
#include "platform/gdi/font.h"
#include "platform/gdi/types.h"

namespace bar_test {

using platform::gdi::COLORREF;

constexpr COLORREF kBack = platform::gdi::Rgb(1, 2, 3);
constexpr COLORREF kText = platform::gdi::Rgb(0, 0, 250);

// A bar of a given size with plain colours and no frame or text, unless a test asks for them.
// The text measure is fixed at 6 pixels per character, ascent 8 and descent 3, and every string
// it measures is recorded with the font it was measured in.
class Bar : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::gdi::SetTextMeasure(
            [this](const platform::gdi::LogFont& font, std::string_view text) {
                measured.push_back({font, std::string(text)});
                return platform::gdi::TextExtent{6 * int(text.size()), 8, 3};
            });
        props.BackColor = kBack;
        props.ForeColor = kText;
        props.SpecialEffects = kolvetra::zemSpecialEffects::zemNone;
        props.ValueType = kolvetra::zemValueType::zemNone;
    }
    void TearDown() override { platform::gdi::SetTextMeasure({}); }

    // Paints once onto a fresh image of the size.
    void Paint(int width, int height)
    {
        image = QImage(width, height, QImage::Format_RGB32);
        surface = std::make_unique<kolvetra::PaintSurface>(image);
        measured.clear();
        kolvetra::DrawProgress(props, animation, *surface);
    }

    COLORREF At(int x, int y) const { return testing_support::PixelAt(image, x, y); }

    // The smallest rectangle holding every pixel of the colour, right and bottom exclusive;
    // (0, 0, 0, 0) when there is none.
    QRect BoxOf(COLORREF colour) const { return testing_support::BoxOf(image, colour); }
    // Every pixel that is not the background.
    QRect PaintedBox() const
    {
        QRect box;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (At(x, y) != kBack)
                    box |= QRect(x, y, 1, 1);
            }
        }
        return box;
    }
    int CountOf(COLORREF colour) const { return testing_support::CountOf(image, colour); }
    // The texts that reached TextOutA (those measured in the device font of the value text, or
    // in the surface's font for an out-of-range alignment).
    std::vector<std::string> WrittenTexts() const
    {
        std::vector<std::string> out;
        for (const auto& m : measured) {
            if (m.text != "100%")
                out.push_back(m.text);
        }
        return out;
    }

    struct Measured {
        platform::gdi::LogFont font;
        std::string text;
    };

    kolvetra::ProgressBarProperties props;
    kolvetra::AnimationState animation;
    QImage image;
    std::unique_ptr<kolvetra::PaintSurface> surface;
    std::vector<Measured> measured;
};

} // namespace bar_test
