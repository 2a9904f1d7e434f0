#pragma once

#include <QImage>

#include <functional>
#include <string>
#include <vector>

#include "controls/progress_bar/control_site.h"

namespace kolvetra_test {

// A surface that records what the control asks of it: "Paint" for each finished repaint and
// the name of each reported property, in order. Its screen is updated at every DoEvents, or
// only at every `paintEvery`-th one: an update of an invalidated surface has the control
// paint.
class FakeSite : public kolvetra::ControlSite {
public:
    explicit FakeSite(int width = 200, int height = 20)
        : image(width, height, QImage::Format_RGB32)
    {
        image.fill(Qt::magenta);
    }

    QImage& Image() override { return image; }
    void Refresh() override { log.push_back("Paint"); }
    void Invalidate(const std::function<void()>& paint) override { m_paint = paint; }
    // The screen's update: what a real site does in its paint.
    void Update()
    {
        if (const std::function<void()> paint = std::move(m_paint)) {
            m_paint = {};
            paint();
        }
    }
    void PropertyChanged(std::string_view name) override { log.emplace_back(name); }
    platform::com::StdFont AmbientFont() const override { return ambient; }
    void SetTimerInterval(std::int32_t milliseconds) override { interval = milliseconds; }
    void SetMousePointer(std::int16_t value) override { pointer = value; }
    void SetMouseIcon(const platform::com::Picture& icon) override { mouseIcon = icon; }
    void DoEvents() override
    {
        if (++doEvents % paintEvery == 0)
            Update();
    }
    QWidget* Window() const override { return nullptr; }

    std::vector<std::string> Take()
    {
        std::vector<std::string> out;
        out.swap(log);
        return out;
    }

    QImage image;
    std::vector<std::string> log;
    platform::com::StdFont ambient{"Verdana", 9.75};
    std::int32_t interval = -1;
    std::int16_t pointer = -1;
    platform::com::Picture mouseIcon;
    int doEvents = 0;
    int paintEvery = 1;

private:
    std::function<void()> m_paint;
};

} // namespace kolvetra_test
