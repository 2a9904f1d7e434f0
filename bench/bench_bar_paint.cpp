// Times one repaint of a bar like the main window's (smooth, sunken, the tiled bar picture,
// " %" after the value, 320 by 17 pixels) and a run of Value sets on a bar with Max 1,000,000,
// each beside its baseline: the drawing layer's per-pixel calls switched back on, and for the
// sets also a forced repaint after each, as every set painted before. The sets are timed with
// each changed picture drawn at once, and drawn only at the screen's updates (every 5 ms, as
// a screen of 200 Hz). Not a test: run it by hand, e.g.
// QT_QPA_PLATFORM=offscreen build/bin/bench_bar_paint [sets, default 1000000].
#include <QApplication>
#include <QImage>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include "app/main_window/bar_picture.h"
#include "controls/progress_bar/ProgressBar.h"
#include "controls/progress_bar/paint_surface.h"
#include "controls/progress_bar/progress_painter.h"
#include "platform/com/com.h"
#include "platform/gdi/detail/pixels.h"

namespace {

using Clock = std::chrono::steady_clock;
using namespace platform::com;

// Seconds per call of `work`, over at least a quarter of a second.
double PerCall(const std::function<void()>& work)
{
    long calls = 0;
    const auto start = Clock::now();
    double elapsed = 0;
    do {
        for (int i = 0; i < 50; ++i)
            work();
        calls += 50;
        elapsed = std::chrono::duration<double>(Clock::now() - start).count();
    } while (elapsed < 0.25);
    return elapsed / double(calls);
}

kolvetra::ProgressBarProperties MainWindowBar()
{
    kolvetra::ProgressBarProperties p;
    p.Scrolling = kolvetra::zemScrolling::zemScrollingSmooth;
    p.SpecialEffects = kolvetra::zemSpecialEffects::zemSunken;
    p.Picture = platform::gdi::Picture::FromImage(quorvel::MakeBarPicture());
    p.TextAfterValue = " %";
    p.Font.name = "MS Sans Serif";
    p.Max = 100;
    p.Value = 63;
    return p;
}

// A surface that only counts: the bar paints on its image, nothing is shown. Its screen is
// updated every 5 ms, at the first yield after that.
class QuietSite : public kolvetra::ControlSite {
public:
    QImage& Image() override { return m_image; }
    void Refresh() override { ++refreshes; }
    void Invalidate(const std::function<void()>& paint) override { m_paint = paint; }
    void PropertyChanged(std::string_view) override {}
    StdFont AmbientFont() const override { return {"MS Sans Serif", 8.25}; }
    void SetTimerInterval(std::int32_t) override {}
    void SetMousePointer(std::int16_t) override {}
    void SetMouseIcon(const platform::com::Picture&) override {}
    void DoEvents() override
    {
        const auto now = Clock::now();
        if (m_paint && now - m_update >= std::chrono::milliseconds(5)) {
            m_update = now;
            std::function<void()> paint;
            paint.swap(m_paint);
            paint();
        }
    }
    QWidget* Window() const override { return nullptr; }

    long refreshes = 0;

private:
    QImage m_image{320, 17, QImage::Format_RGB32};
    std::function<void()> m_paint;
    Clock::time_point m_update;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const long sets = argc > 1 ? std::atol(argv[1]) : 1000000;

    QImage image(320, 17, QImage::Format_RGB32);
    kolvetra::PaintSurface surface(image);
    const kolvetra::ProgressBarProperties bar = MainWindowBar();
    const kolvetra::AnimationState still;
    auto repaint = [&] { kolvetra::DrawProgress(bar, still, surface); };
    platform::gdi::detail::ForcePixelCalls(true);
    const double perPixel = PerCall(repaint);
    platform::gdi::detail::ForcePixelCalls(false);
    const double scanLines = PerCall(repaint);
    std::printf("one repaint, main window bar 320 x 17: per-pixel %8.1f us, scan lines %8.1f us\n",
                perPixel * 1e6, scanLines * 1e6);

    QuietSite site;
    auto control = MakeObject<kolvetra::ProgressBar>();
    control->SetSite(&site);
    control->UserControl_InitProperties();
    PutProperty(control.get(), "Scrolling", Variant(1));
    PutProperty(control.get(), "SpecialEffects", Variant(2));
    PutProperty(control.get(), "TextAfterValue", Variant(" %"));
    PutProperty(control.get(), "Picture", Variant(Picture(quorvel::MakeBarPicture())));
    PutProperty(control.get(), "Max", Variant(1000000.0));

    // The baseline draws after every set, as every set did before; it is capped and scaled to
    // the full run.
    const long baselineSets = std::min(sets, 20000L);
    platform::gdi::detail::ForcePixelCalls(true);
    kolvetra::ProgressBar::SetPaintDeferred(false);
    auto start = Clock::now();
    for (long i = 0; i < baselineSets; ++i) {
        PutProperty(control.get(), "Value", Variant(double(i)));
        control->DrawProgress();
    }
    const double baseline = std::chrono::duration<double>(Clock::now() - start).count() *
                            double(sets) / double(baselineSets);
    platform::gdi::detail::ForcePixelCalls(false);
    // A run of sets, each changed picture drawn at once or at the screen's next update.
    const auto run = [&](bool deferred, long& repaints) {
        kolvetra::ProgressBar::SetPaintDeferred(deferred);
        PutProperty(control.get(), "Value", Variant(0.0));
        site.refreshes = 0;
        const auto begin = Clock::now();
        for (long i = 0; i < sets; ++i)
            PutProperty(control.get(), "Value", Variant(double(i)));
        repaints = site.refreshes;
        return std::chrono::duration<double>(Clock::now() - begin).count();
    };
    long atOnceRepaints = 0, deferredRepaints = 0;
    const double atOnce = run(false, atOnceRepaints);
    const double deferred = run(true, deferredRepaints);
    std::printf("%ld Value sets, Max 1,000,000: every set paints, per-pixel %7.2f s; changed "
                "pixels at once %7.2f s (%ld repaints); at the screen's updates %7.2f s (%ld "
                "repaints)\n",
                sets, baseline, atOnce, atOnceRepaints, deferred, deferredRepaints);

    // The compilers' pattern: Max set to the row count, then Value 1 to rows, once per faction.
    const long factions = 1000, rows = 1000;
    for (const bool deferral : {false, true}) {
        kolvetra::ProgressBar::SetPaintDeferred(deferral);
        PutProperty(control.get(), "Value", Variant(0.0));
        site.refreshes = 0;
        start = Clock::now();
        for (long f = 0; f < factions; ++f) {
            PutProperty(control.get(), "Max", Variant(double(rows)));
            for (long r = 1; r <= rows; ++r)
                PutProperty(control.get(), "Value", Variant(double(r)));
        }
        const double compile = std::chrono::duration<double>(Clock::now() - start).count();
        std::printf("%ld factions x %ld rows, Max = rows, %s: %7.2f s (%ld repaints)\n", factions,
                    rows, deferral ? "at the screen's updates" : "changed pixels at once", compile,
                    site.refreshes);
    }
    control->SetSite(nullptr);
    return 0;
}
