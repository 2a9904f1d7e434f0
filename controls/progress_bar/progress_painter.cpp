#include "controls/progress_bar/progress_painter.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "controls/progress_bar/colour_helpers.h"
#include "platform/arith/conversion.h"
#include "platform/arith/number_text.h"
#include "platform/gdi/brush.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/draw.h"
#include "platform/gdi/edge.h"
#include "platform/gdi/mul_div.h"
#include "platform/gdi/objects.h"
#include "platform/gdi/region.h"

namespace kolvetra {

using namespace platform::arith;
namespace gdi = platform::gdi;
using gdi::Point;

namespace {

constexpr unsigned kEdgeFlags = gdi::BF_RECT | gdi::BF_ADJUST;

// A fill colour of three channels, each ramp channel still a double.
struct Channels {
    double red = 0, green = 0, blue = 0;
};

// The start and end fill colours split into channels. A system colour is translated first, so
// that its RGB value, not its index, makes the ramp.
struct Ramp {
    std::int32_t Rs = 0, Gs = 0, Bs = 0, Re = 0, Ge = 0, Be = 0;
    explicit Ramp(const ProgressBarProperties& p)
    {
        SplitColor(TranslateColor(p.StartFillColor), Rs, Gs, Bs);
        SplitColor(TranslateColor(p.EndFillColor), Re, Ge, Be);
    }
    // The step per unit when the ramp is spread over `length`; a failing division leaves the
    // step of that channel as it was.
    void Steps(double length, Channels& step) const
    {
        Assign(step.red, [&] { return Div(Re - Rs, length); });
        Assign(step.green, [&] { return Div(Ge - Gs, length); });
        Assign(step.blue, [&] { return Div(Be - Bs, length); });
    }
    // The start colour plus `count` steps.
    Channels At(double count, const Channels& step) const
    {
        return {Rs + count * step.red, Gs + count * step.green, Bs + count * step.blue};
    }
};

bool IsHorizontal(const ProgressBarProperties& p)
{
    return p.Alignment == zemAlignment::zemHorizontal;
}

bool HasPicture(const ProgressBarProperties& p)
{
    return p.Picture && p.Picture->Handle();
}

double Percent(const ProgressBarProperties& p)
{
    return Div(Mul(100.0, Sub(p.Value, p.Min)), Sub(p.Max, p.Min));
}

// point := (x, y); a coordinate whose conversion fails keeps its earlier value.
void SetPoint(Point& point, double x, double y)
{
    Assign(point.x, [&] { return CLng(x); });
    Assign(point.y, [&] { return CLng(y); });
}

void SetRectangle(Point (&points)[4], double x1, double y1, double x2, double y2)
{
    SetPoint(points[0], x1, y1);
    SetPoint(points[1], x2, y1);
    SetPoint(points[2], x2, y2);
    SetPoint(points[3], x1, y2);
}

// FillColor := RGB(channels) (skipped when a channel does not fit or is negative, so the colour
// held from before is used), then the polygon is filled with a brush of that colour.
void FillPolygon(PaintSurface& s, const Point (&points)[4], const Channels& colour)
{
    Skip([&] { s.SetFillColor(RGB(CInt(colour.red), CInt(colour.green), CInt(colour.blue))); });
    const gdi::HBRUSH brush = gdi::CreateSolidBrush(TranslateColor(s.FillColor()));
    const gdi::HRGN region = gdi::CreatePolygonRgn(points, 4, gdi::ALTERNATE);
    gdi::FillRgn(s.hDC(), region, brush);
    gdi::DeleteObject(brush);
    gdi::DeleteObject(region);
}

void FillWithPicture(PaintSurface& s, const Point (&points)[4], const PicturePtr& picture)
{
    const gdi::HRGN region = gdi::CreatePolygonRgn(points, 4, gdi::ALTERNATE);
    const gdi::HBRUSH brush = gdi::CreatePatternBrush(picture->Handle());
    gdi::FillRgn(s.hDC(), region, brush);
    gdi::DeleteObject(brush);
    gdi::DeleteObject(region);
}

void DrawFrame(const ProgressBarProperties& p, PaintSurface& s)
{
    std::int32_t W = 0, H = 0;
    Assign(W, [&] { return CLng(s.ScaleWidth()); });
    Assign(H, [&] { return CLng(s.ScaleHeight()); });
    gdi::Rect rect{0, 0, W, H};
    unsigned edge = 0;
    switch (p.SpecialEffects) {
    case zemSpecialEffects::zemFlat: {
        // One pixel in at the left and top, on the last column and row at the right and
        // bottom: the flat frame is lopsided on purpose, hosts have always shown it so.
        s.SetForeColor(p.BorderColor);
        const Point outline[4] = {{1, 1}, {W - 1, 1}, {W - 1, H - 1}, {1, H - 1}};
        gdi::Polygon(s.hDC(), outline, 4);
        return;
    }
    case zemSpecialEffects::zemRaised:
        edge = gdi::BDR_RAISEDINNER;
        break;
    case zemSpecialEffects::zemSunken:
        edge = gdi::BDR_SUNKENINNER;
        break;
    case zemSpecialEffects::zemRaisedDouble:
        edge = gdi::EDGE_RAISED;
        break;
    case zemSpecialEffects::zemSunkenDouble:
        edge = gdi::EDGE_SUNKEN;
        break;
    case zemSpecialEffects::zemEtched:
        edge = gdi::EDGE_ETCHED;
        break;
    case zemSpecialEffects::zemBump:
        edge = gdi::EDGE_BUMP;
        break;
    default:
        return;
    }
    gdi::DrawEdge(s.hDC(), rect, edge, kEdgeFlags);
}

} // namespace

std::int32_t SmoothLength(const ProgressBarProperties& p, const PaintSurface& s, double pct)
{
    std::int32_t L = 0;
    const double extent = IsHorizontal(p) ? s.ScaleWidth() : s.ScaleHeight();
    Assign(L, [&] { return CLng(Div(Mul(extent, pct), 100)); });
    return L;
}

std::int32_t FieldCount(const ProgressBarProperties& p, const PaintSurface& s)
{
    const bool horizontal = IsHorizontal(p);
    const double length = horizontal ? s.ScaleWidth() : s.ScaleHeight();
    const double W = s.ScaleWidth(), H = s.ScaleHeight();
    const double T = horizontal ? H - 2 : W - 2;
    double L0 = 0;
    std::int32_t N = 0;
    Assign(L0, [&] { return Div(T, p.AspectRatio); });
    Assign(N, [&] { return CLng(Fix(Div(length, L0))); });
    return N;
}

std::int32_t LitFields(const ProgressBarProperties& p, std::int32_t fieldCount)
{
    std::int32_t F = 0;
    Assign(F, [&] { return CLng(Div(Mul(fieldCount, Sub(p.Value, p.Min)), Sub(p.Max, p.Min))); });
    return F;
}

bool ValueText(const ProgressBarProperties& p, const PaintSurface& s, std::string& text)
{
    switch (p.ValueType) {
    case zemValueType::zemPrecentage:
        // None when the percentage cannot be computed or does not fit 16 bits.
        return Skip([&] { text = std::to_string(CInt(Percent(p))); });
    case zemValueType::zemValue:
        text = GeneralNumberText(p.Value, s.DecimalSeparator());
        return true;
    case zemValueType::zemCustom:
        text = p.Caption;
        return true;
    default:
        return false;
    }
}

double TextPercent(const ProgressBarProperties& p)
{
    double pct = 0;
    Assign(pct, [&] { return Percent(p); });
    return pct;
}

ValueFootprint FootprintOf(const ProgressBarProperties& p, const PaintSurface& s)
{
    ValueFootprint f;
    if (p.Scrolling == zemScrolling::zemScrollingSmooth) {
        double pct = 0;
        f.barShown = Assign(pct, [&] { return Percent(p); }) && pct > 0;
        if (f.barShown)
            f.barLength = SmoothLength(p, s, pct);
    } else {
        const std::int32_t N = FieldCount(p, s);
        f.litFields = LitFields(p, N);
    }
    f.textShown = ValueText(p, s, f.text);
    if (p.TextAlignment == zemTextAlignment::zemByValue)
        f.textPercent = TextPercent(p);
    return f;
}

void DrawProgress(const ProgressBarProperties& p, const AnimationState& animation, PaintSurface& s)
{
    s.SetBackColor(p.BackColor);
    s.SetForeColor(p.ForeColor);
    s.SetFont(p.Font);

    s.Cls();
    if (p.Scrolling == zemScrolling::zemScrollingSmooth) {
        double pct = 0;
        if (Assign(pct, [&] { return Percent(p); }))
            DrawSmoothBar(p, animation, s, pct);
    } else {
        DrawFields(p, animation, s);
    }

    const OLE_COLOR fore = s.ForeColor();
    DrawFrame(p, s);
    s.SetForeColor(fore);
    s.SetDrawWidth(1);

    std::string text;
    if (ValueText(p, s, text)) {
        if (p.ValueType == zemValueType::zemPrecentage)
            Skip([&] { DrawValueText(p, s, text); });
        else
            DrawValueText(p, s, text);
    }

    if (s.DoEvents)
        s.DoEvents();
}

void DrawSmoothBar(const ProgressBarProperties& p, const AnimationState& animation, PaintSurface& s,
                   double pct)
{
    if (!(pct > 0))
        return;
    const double W = s.ScaleWidth(), H = s.ScaleHeight();
    const bool horizontal = IsHorizontal(p);
    const std::int32_t L = SmoothLength(p, s, pct);
    Point bar[4] = {};
    if (horizontal) {
        SetRectangle(bar, 2, 2, L, H - 2);
    } else {
        SetPoint(bar[0], 2, H - 2);
        SetPoint(bar[1], W - 2, H - 2);
        SetPoint(bar[2], W - 2, H - L);
        SetPoint(bar[3], 2, H - L);
    }

    if (HasPicture(p)) {
        FillWithPicture(s, bar, p.Picture);
        return;
    }
    if (p.Scrolling != zemScrolling::zemScrollingSmooth)
        return;

    const Ramp ramp(p);
    Channels step;
    ramp.Steps(horizontal ? W : H, step);
    Point piece[4] = {};
    switch (p.BarColorType) {
    case zemBarColorType::zemGradient:
        // The loop bounds are W - 6 and H - 1, so the gradient runs three pixels past the
        // colorized bar; hosts show it so.
        if (horizontal) {
            for (std::int32_t i = 0; i <= W - 6; ++i) {
                SetRectangle(piece, i + 2, 2, i + 3, H - 2);
                FillPolygon(s, piece, ramp.At(i, step));
                if (i == L)
                    break;
            }
        } else {
            for (std::int32_t i = 0; i <= H - 1; ++i) {
                SetRectangle(piece, 2, H - 2 - i, W - 2, H - 3 - i);
                FillPolygon(s, piece, ramp.At(i, step));
                if (i == L)
                    break;
            }
        }
        break;
    case zemBarColorType::zemColorize:
        FillPolygon(s, bar, ramp.At(L, step));
        break;
    case zemBarColorType::zemButtonize: {
        const double half = (horizontal ? H : W) / 2;
        Channels halfStep;
        ramp.Steps(half, halfStep);
        for (std::int32_t i = 0; i <= half; ++i) {
            if (horizontal)
                SetRectangle(piece, i, i, L - i, H - i);
            else
                SetRectangle(piece, i, H - i, W - 2 - i, H - L + i);
            FillPolygon(s, piece, ramp.At(half - i, halfStep));
        }
        break;
    }
    case zemBarColorType::zemAnimated:
        FillPolygon(s, bar, ramp.At(animation.m_AnimOffset, step));
        break;
    default:
        break;
    }
}

void DrawFields(const ProgressBarProperties& p, const AnimationState& animation, PaintSurface& s)
{
    const OLE_COLOR fore = s.ForeColor();
    const double W = s.ScaleWidth(), H = s.ScaleHeight();
    const bool horizontal = IsHorizontal(p);
    const double length = horizontal ? W : H;

    double P = 0;
    std::int32_t N = FieldCount(p, s);
    Assign(P, [&] { return Div(length - 6, N); });

    s.SetForeColor(p.BorderColor);
    const Ramp ramp(p);
    Channels d;
    ramp.Steps(N, d);
    const std::int32_t F = LitFields(p, N);
    if (p.OnlyValueFields)
        N = F;

    auto isLit = [&](std::int64_t i) { return horizontal ? i <= F : i > std::int64_t{N} - F; };
    // Field i's rectangle before rounding.
    auto bounds = [&](std::int64_t i, double& left, double& top, double& right, double& bottom) {
        if (horizontal) {
            left = double(i - 1) * P + 2;
            top = 4;
            right = double(i) * P + 3;
            bottom = H - 3;
        } else {
            left = 4;
            top = double(i - 1) * P + 2;
            right = W - 4;
            bottom = double(i) * P + 4;
        }
    };
    // The rounded rectangle, or false when a coordinate does not fit 32 bits.
    auto rounded = [&](std::int64_t i, gdi::Rect& r) {
        double l, t, rt, b;
        bounds(i, l, t, rt, b);
        return Skip([&] { r = {CLng(l), CLng(t), CLng(rt), CLng(b)}; });
    };
    // A huge AspectRatio makes millions of fields less than a pixel apart. A field painted on
    // exactly the pixels of the next one, lit alike, is covered by it completely, so only the
    // last field of such a run needs painting; the search costs a few steps per run, and there
    // are at most a few runs per pixel of the bar.
    auto lastOfRun = [&](std::int64_t i) {
        gdi::Rect first;
        if (!rounded(i, first))
            return i;
        const bool lit = isLit(i);
        auto same = [&](std::int64_t k) {
            gdi::Rect r;
            return isLit(k) == lit && rounded(k, r) && r.left == first.left && r.top == first.top &&
                   r.right == first.right && r.bottom == first.bottom;
        };
        std::int64_t lo = i, hi = N;
        while (lo < hi) {
            const std::int64_t mid = lo + (hi - lo + 1) / 2;
            if (same(mid))
                lo = mid;
            else
                hi = mid - 1;
        }
        return lo;
    };

    double left = 0, top = 0, right = 0, bottom = 0;
    gdi::Rect field;
    Point corners[4] = {}, piece[4] = {};
    Channels buttonStep;
    for (std::int64_t i = 1; i <= N; ++i) {
        if (std::abs(P) < 1)
            i = lastOfRun(i);
        bounds(i, left, top, right, bottom);
        Assign(field.left, [&] { return CLng(left); });
        Assign(field.top, [&] { return CLng(top); });
        Assign(field.right, [&] { return CLng(right); });
        Assign(field.bottom, [&] { return CLng(bottom); });
        // Past the far end of the bar (or, on a bar too short for its fields, before its
        // start) a field shows nothing, and neither does any after it: fields that a Value
        // beyond the range asks for end here instead of running on by the million.
        const std::int32_t lead = horizontal ? field.left : field.top;
        const std::int32_t trail = horizontal ? field.right : field.bottom;
        if (P > 0 ? lead >= length : std::max(lead, trail) < 0)
            break;
        SetRectangle(corners, field.left, field.top, field.right, field.bottom);

        const bool lit = isLit(i);
        if (!HasPicture(p) && lit) {
            switch (p.BarColorType) {
            case zemBarColorType::zemGradient:
                FillPolygon(s, corners, ramp.At(double(horizontal ? i : N - i), d));
                break;
            case zemBarColorType::zemColorize:
                FillPolygon(s, corners, ramp.At(F, d));
                break;
            case zemBarColorType::zemButtonize: {
                const double w = field.right - field.left, h = field.bottom - field.top;
                const double half = (w >= h ? h : w) / 2;
                ramp.Steps(half, buttonStep);
                for (std::int32_t j = 0; j <= half; ++j) {
                    SetRectangle(piece, field.left + j, field.top + j, field.right - j,
                                 field.bottom - j);
                    FillPolygon(s, piece, ramp.At(half - j, buttonStep));
                }
                break;
            }
            case zemBarColorType::zemAnimated: {
                Channels colour;
                Assign(colour.red, [&] {
                    return ramp.Rs + Div(Mul(animation.m_AnimOffset, ramp.Re - ramp.Rs), length);
                });
                Assign(colour.green, [&] {
                    return ramp.Gs + Div(Mul(animation.m_AnimOffset, ramp.Ge - ramp.Gs), length);
                });
                Assign(colour.blue, [&] {
                    return ramp.Bs + Div(Mul(animation.m_AnimOffset, ramp.Be - ramp.Bs), length);
                });
                FillPolygon(s, corners, colour);
                break;
            }
            default:
                break;
            }
        }

        if (p.FieldEffects == zemFieldEffects::zemFlatField) {
            gdi::Polygon(s.hDC(), corners, 4);
        } else {
            gdi::Rect edge = field;
            gdi::DrawEdge(s.hDC(), edge, unsigned(p.FieldEffects), kEdgeFlags);
        }
    }
    s.SetForeColor(fore);
}

void DrawValueText(const ProgressBarProperties& p, PaintSurface& s, std::string& text)
{
    const std::string full = p.TextBeforeValue + text + p.TextAfterValue;
    text = full;
    const gdi::HDC hdc = s.hDC();

    std::int32_t height = 0;
    Assign(height, [&] {
        return -gdi::MulDiv(CLng(p.Font.size), gdi::GetDeviceCaps(hdc, gdi::LOGPIXELSY), 72);
    });

    const double W = s.ScaleWidth(), H = s.ScaleHeight();
    const double size = p.Font.size;
    const bool horizontal = IsHorizontal(p);
    std::int32_t x = 0, y = 0;
    unsigned flags = 0;
    bool known = true;
    // Across a horizontal bar the baseline lies half the point size below the middle; along a
    // vertical one the baseline is the vertical line half the point size right of the middle.
    const double across = horizontal ? H / 2 + size / 2 : W / 2 + size / 2;
    auto place = [&](double along) {
        if (horizontal) {
            Assign(x, [&] { return CLng(along); });
            Assign(y, [&] { return CLng(across); });
        } else {
            Assign(x, [&] { return CLng(across); });
            Assign(y, [&] { return CLng(along); });
        }
    };
    switch (p.TextAlignment) {
    case zemTextAlignment::zemCenter:
        place(horizontal ? W / 2 : H / 2);
        flags = gdi::TA_CENTER | gdi::TA_BASELINE;
        break;
    case zemTextAlignment::zemLeftBottom:
        place(horizontal ? 0 : H);
        flags = gdi::TA_LEFT | gdi::TA_BASELINE;
        break;
    case zemTextAlignment::zemRightTop:
        place(horizontal ? W : 0);
        flags = gdi::TA_RIGHT | gdi::TA_BASELINE;
        break;
    case zemTextAlignment::zemByValue: {
        const float E = float(horizontal ? W : H);
        const float m100 = s.TextWidth("100%");
        const float mFull = s.TextWidth(full);
        const double pct = TextPercent(p);
        double a = 0;
        double c = 0;
        // The box of the text runs from 0 at 0 % to E - M("100%") at 100 %; the text is
        // centred in a box 1.1 times its width that starts there.
        Assign(a, [&] { return Mul(Div(Mul(E, pct), 100), float(Div(E - m100, E))); });
        Assign(c, [&] { return Add(a, 0.55 * mFull); });
        place(horizontal ? c : H - c);
        flags = gdi::TA_CENTER | gdi::TA_BASELINE;
        break;
    }
    default:
        known = false;
        break;
    }

    gdi::HFONT font;
    if (known) {
        gdi::SetTextAlign(hdc, flags);
        font = gdi::CreateFontA(height, 0, horizontal ? 0 : 900, 0, p.Font.bold ? 700 : 0,
                                p.Font.italic ? 0xFFFFFFFF : 0, p.Font.underline ? 0xFFFFFFFF : 0,
                                p.Font.strikethrough ? 0xFFFFFFFF : 0, 0, 0, 0, 0, 0, s.FontName());
    }
    const gdi::HGDIOBJ previous = gdi::SelectObject(hdc, font);
    gdi::TextOutA(hdc, x, y, full, int(full.size()));
    // The surface's own font goes back in before ours is freed: a font still selected cannot
    // be deleted, and each paint would leave one behind.
    if (previous)
        gdi::SelectObject(hdc, previous);
    gdi::DeleteObject(font);
}

void AdvanceAnimation(AnimationState& animation, const ProgressBarProperties& p, float scaleWidth,
                      float scaleHeight)
{
    const float extent = IsHorizontal(p) ? scaleWidth : scaleHeight;
    if (animation.m_AnimOffset >= extent)
        animation.m_AnimForward = false;
    else if (animation.m_AnimOffset <= 0)
        animation.m_AnimForward = true;
    Assign(animation.m_AnimOffset, [&] {
        return animation.m_AnimForward ? AddLng(animation.m_AnimOffset, p.AnimatedInterval)
                                       : SubLng(animation.m_AnimOffset, p.AnimatedInterval);
    });
}

} // namespace kolvetra
