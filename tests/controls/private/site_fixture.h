#pragma once

#include "tests/support/pixels.h"

#include <QGuiApplication>
#include <QImage>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "controls/private/indicator_site.h"
#include "platform/errors/run_time_error.h"
#include "platform/gdi/font.h"
#include "platform/gdi/objects.h"
#include "platform/gdi/region.h"
#include "platform/gdi/types.h"
#include "platform/gdi/window_region.h"

namespace private_test {

using platform::gdi::COLORREF;

// The toolkit's text measure needs an application object; it is never destroyed.
inline QGuiApplication& GuiApp()
{
    static int argc = 1;
    static char name[] = "private_test";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* app = QGuiApplication::instance()
                                      ? static_cast<QGuiApplication*>(QGuiApplication::instance())
                                      : new QGuiApplication(argc, argv);
    return *app;
}

// A host surface over an image that records what the control asks of it, in one log:
// "PropertyChanged <name>", "Refresh", "Event <n> <name>", "SetWidth <twips>",
// "Timer <ms>", "MousePointer <n>", "MouseIcon", "SetWindowRgn", "About".
class FakeSite : public kolvetra::IndicatorSite {
public:
    explicit FakeSite(int width = 100, int height = 100)
        : image(width, height, QImage::Format_RGB32)
    {
        GuiApp();
        image.fill(Qt::black);
    }

    QImage& Image() override { return image; }
    void Refresh() override { log.push_back("Refresh"); }
    void PropertyChanged(std::string_view name) override
    {
        log.push_back("PropertyChanged " + std::string(name));
    }
    platform::com::StdFont AmbientFont() const override { return ambient; }
    void RaiseEvent(int index, std::string_view name, kolvetra::MouseEventArgs* mouse) override
    {
        log.push_back("Event " + std::to_string(index) + " " + std::string(name));
        if (mouse && onMouse)
            onMouse(*mouse);
    }
    float Height() const override { return float(image.height()) * 15; }
    void SetWidth(float twips) override
    {
        log.push_back("SetWidth " + std::to_string(int(twips)));
        image = QImage(int(twips / 15), image.height(), QImage::Format_RGB32);
    }
    void SetTimerInterval(std::int32_t ms) override
    {
        interval = ms;
        log.push_back("Timer " + std::to_string(ms));
    }
    void SetMousePointer(std::int16_t pointer) override
    {
        log.push_back("MousePointer " + std::to_string(pointer));
    }
    void SetMouseIcon(const platform::com::Picture&) override { log.push_back("MouseIcon"); }
    int SetWindowRgn(platform::gdi::HRGN region, bool redraw) override
    {
        log.push_back("SetWindowRgn");
        return platform::gdi::SetWindowRgn(window, region, redraw);
    }
    void ShowAboutBox() override
    {
        log.push_back("About");
        if (aboutFails)
            throw platform::RunTimeError(5);
    }

    // The log entries that start with the prefix.
    std::vector<std::string> Entries(const std::string& prefix) const
    {
        std::vector<std::string> out;
        for (const auto& e : log) {
            if (e.rfind(prefix, 0) == 0)
                out.push_back(e);
        }
        return out;
    }
    int Paints() const { return int(Entries("Refresh").size()); }

    COLORREF At(int x, int y) const { return testing_support::PixelAt(image, x, y); }
    int CountOf(COLORREF colour) const { return testing_support::CountOf(image, colour); }
    // The smallest rectangle holding every pixel of the colour.
    QRect BoxOf(COLORREF colour) const { return testing_support::BoxOf(image, colour); }

    QImage image;
    std::vector<std::string> log;
    platform::com::StdFont ambient;
    std::int32_t interval = 0;
    platform::gdi::WindowRegion window;
    bool aboutFails = false;
    std::function<void(kolvetra::MouseEventArgs&)> onMouse;
};

// Fixes the text measure at 6 pixels a character (ascent 8, descent 3), so that every written
// text is a solid box in the text colour, and records each measured text with its font.
class FixedText : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::gdi::SetTextMeasure(
            [this](const platform::gdi::LogFont& font, std::string_view text) {
                measured.push_back({font, std::string(text)});
                return platform::gdi::TextExtent{6 * int(text.size()), 8, 3};
            });
    }
    void TearDown() override { platform::gdi::SetTextMeasure({}); }

    // Every measured text: what TextOutA wrote, and what the painters measured themselves
    // (the slider measures "100%" in the surface's font first).
    std::vector<std::string> Written() const
    {
        std::vector<std::string> out;
        for (const auto& m : measured)
            out.push_back(m.text);
        return out;
    }

    struct Measured {
        platform::gdi::LogFont font;
        std::string text;
    };
    std::vector<Measured> measured;
};

} // namespace private_test
