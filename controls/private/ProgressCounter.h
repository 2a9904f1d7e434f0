#pragma once

#include <cstdint>

#include "controls/private/indicator_control.h"
#include "platform/com/property_bag.h"

namespace kolvetra {

// A square countdown dial: a clock-wipe area, full at the start of each counted unit and
// shrinking clockwise as the unit runs out, two circles, a cross-hair, four corner marks and
// the number of whole units still to run. The host drives it through Value; the surface
// measures in twips.
class ProgressCounter : public IndicatorControl {
public:
    OLE_COLOR FillColor() const { return m_fillColor; }
    void SetFillColor(OLE_COLOR colour);
    std::int32_t MaxCount() const { return m_maxCount; }
    // No check: 0 and negative values are stored.
    void SetMaxCount(std::int32_t value);

    void UserControl_InitProperties() override;
    void UserControl_ReadProperties(const platform::com::PropertyBag& bag) override;
    void UserControl_WriteProperties(platform::com::PropertyBag& bag) const override;
    // Squares the control (the width follows the height), repaints, raises Resize.
    void UserControl_Resize() override;

private:
    void Paint(PaintSurface& surface) override;
    void DrawSweep(PaintSurface& s);
    void DrawValueText(PaintSurface& s, const double& percent);

    OLE_COLOR m_fillColor = 0;
    std::int32_t m_maxCount = 0;
};

// The vertices of the clock-wipe polygon for a hand at `angle` (radians from 12 o'clock,
// clockwise): from the centre up to 12 o'clock, anticlockwise along the edges through every
// corner between 12 o'clock and the hand, out to the hand's far point and back.
std::vector<platform::gdi::Point> SweepPolygon(double angle, const platform::gdi::Point& centre,
                                               const platform::gdi::Point& top,
                                               const platform::gdi::Point& hand, std::int32_t width,
                                               std::int32_t height);

} // namespace kolvetra
