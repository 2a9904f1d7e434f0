#pragma once

#include <string>
#include <vector>

#include "platform/hosting/hosting.h"

namespace hostingtest {

using namespace platform;
using namespace platform::com;
using namespace platform::hosting;

// A small control drawn through the device context the way the library's controls draw: a
// sunken frame, a bar filled through a region, a circle and a caption, every object deleted
// in the paint that made it. It re-raises the surface's events as its own, as they do.
class Gauge : public ControlObject<Gauge> {
public:
    static const DispatchTable<Gauge>& Members()
    {
        static const DispatchTable<Gauge> table{
            {"Value",
             0x68030001,
             [](Gauge& g) { return Variant(g.m_value); },
             [](Gauge& g, const Variant& v) { g.SetValue(v.ToDouble()); },
             {}},
            {"Caption",
             0x68030002,
             [](Gauge& g) { return Variant(g.m_caption); },
             [](Gauge& g, const Variant& v) { g.SetCaption(v.ToString()); },
             {}},
        };
        return table;
    }

    void SetValue(double value)
    {
        if (value < 0 || value > 100)
            platform::Raise(380);
        m_value = value;
        PropertyChanged("Value");
        if (!drawAtPaint) {
            Paint();
            return;
        }
        // Drawn by the widget's next paint.
        m_due = true;
        Widget()->update();
    }
    // On, SetValue leaves the drawing to UserControl_Paint, which counts its calls.
    bool drawAtPaint = false;
    int paintHooks = 0;
    void SetCaption(const std::string& caption)
    {
        m_caption = caption;
        PropertyChanged("Caption");
        Paint();
    }
    double Value() const { return m_value; }
    std::vector<Guid> PropertyPages() const override { return m_pages; }
    std::vector<Guid> m_pages;

    void Paint()
    {
        Cls();
        gdi::HDC dc = hDC();
        const int w = PixelWidth(), h = PixelHeight();
        int bar = static_cast<int>(w * m_value / 100);
        gdi::Point corners[] = {{2, 2}, {bar, 2}, {bar, h - 2}, {2, h - 2}};
        gdi::HRGN region = gdi::CreatePolygonRgn(corners, 4, gdi::ALTERNATE);
        gdi::HBRUSH brush = gdi::CreateSolidBrush(gdi::Rgb(0, 0, 128));
        gdi::FillRgn(dc, region, brush);
        gdi::DeleteObject(brush);
        gdi::DeleteObject(region);
        gdi::Rect r{0, 0, w, h};
        gdi::DrawEdge(dc, r, gdi::EDGE_SUNKEN, gdi::BF_RECT);
        float radius = ScaleY(static_cast<float>(h / 2 - 3), vbPixels, ScaleMode());
        Circle(ScaleWidth() - ScaleX(static_cast<float>(h / 2), vbPixels, ScaleMode()),
               ScaleHeight() / 2, radius);
        gdi::HFONT font = gdi::CreateFontA(-11, 0, 0, 0, 700, 0, 0, 0, 0, 0, 0, 0, 0, "Tahoma");
        gdi::HGDIOBJ old = gdi::SelectObject(dc, font);
        gdi::SetTextAlign(dc, gdi::TA_CENTER | gdi::TA_BASELINE);
        gdi::SetTextColor(dc, gdi::Rgb(255, 255, 255));
        gdi::TextOutA(dc, w / 2, h / 2 + 4, m_caption, static_cast<int>(m_caption.size()));
        gdi::SelectObject(dc, old);
        gdi::DeleteObject(font);
    }

protected:
    void UserControl_InitProperties() override
    {
        SetSurfaceFont(Ambient().font);
        m_caption = Ambient().displayName;
    }
    void UserControl_ReadProperties(const PropertyBag& bag) override
    {
        m_value = bag.ReadProperty("Value", Variant(0.0)).ToDouble();
        m_caption = bag.ReadProperty("Caption", Variant("")).ToString();
    }
    void UserControl_WriteProperties(PropertyBag& bag) override
    {
        bag.WriteProperty("Value", Variant(m_value), Variant(0.0));
        bag.WriteProperty("Caption", Variant(m_caption), Variant(""));
    }
    void UserControl_Resize() override
    {
        Paint();
        RaiseEvent(6, "Resize");
    }
    void UserControl_Show() override { Paint(); }
    void UserControl_Paint() override
    {
        ++paintHooks;
        if (m_due) {
            m_due = false;
            Paint();
        }
    }
    void UserControl_Click() override { RaiseEvent(1, "Click"); }
    void UserControl_DblClick() override { RaiseEvent(2, "DblClick"); }
    void UserControl_MouseDown(std::int16_t& b, std::int16_t& s, float& x, float& y) override
    {
        RaiseMouse(3, "MouseDown", b, s, x, y);
    }
    void UserControl_MouseUp(std::int16_t& b, std::int16_t& s, float& x, float& y) override
    {
        RaiseMouse(5, "MouseUp", b, s, x, y);
    }

private:
    void RaiseMouse(DispId id, const char* name, std::int16_t b, std::int16_t s, float x, float y)
    {
        std::vector<Variant> args{Variant(b), Variant(s), Variant(double(x)), Variant(double(y))};
        RaiseEvent(id, name, args);
    }

    double m_value = 0;
    std::string m_caption;
    bool m_due = false;
};

} // namespace hostingtest
