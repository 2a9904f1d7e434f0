#pragma once

#include <cstdint>

#include "controls/private/indicator_control.h"
#include "controls/private/wheel_geometry.h"
#include "platform/com/property_bag.h"

namespace kolvetra {

// A circular indicator: an outer ring of cells that fill with the value, a counter cell that
// runs round the ring once per cell's share of the range, an inner ring that turns with the
// value and the percentage on a band through the hub. It keeps itself square, can cut its
// window to the painted shape (BackStyle 1) and can count by itself (StartTimer).
// The surface measures in twips.
class ProgressWheel : public IndicatorControl {
public:
    std::int32_t BackStyle() const { return m_backStyle; }
    // 1 transparent: the window is cut to the painted pixels. Any other value draws opaque on
    // the whole rectangle, which the window gets back if a transparent paint had cut it.
    void SetBackStyle(std::int32_t value);
    OLE_COLOR StartFillColor() const { return m_startFillColor; }
    void SetStartFillColor(OLE_COLOR colour);
    OLE_COLOR EndFillColor() const { return m_endFillColor; }
    void SetEndFillColor(OLE_COLOR colour);
    OLE_COLOR CounterColor() const { return m_counterColor; }
    void SetCounterColor(OLE_COLOR colour);
    OLE_COLOR FontColor() const { return m_fontColor; }
    void SetFontColor(OLE_COLOR colour);
    std::int32_t Fields() const { return m_fields; }
    // No check: 0 and negative values are stored.
    void SetFields(std::int32_t value);
    const platform::com::Picture& MouseIcon() const { return m_mouseIcon; }
    // Reports, does not repaint.
    void SetMouseIcon(const platform::com::Picture& icon);
    std::int32_t MousePointer() const { return m_mousePointer; }
    // Error 6 (overflow) outside the 16-bit range: nothing is stored or reported. Reports,
    // does not repaint.
    void SetMousePointer(std::int32_t value);

    // Counts from 0 to `timerLength`, one step per tick of Timer1. Errors are ignored.
    void StartTimer(std::int32_t timerLength);
    std::int32_t TimerInterval() const { return m_timerInterval; }

    void UserControl_InitProperties() override;
    void UserControl_ReadProperties(const platform::com::PropertyBag& bag) override;
    void UserControl_WriteProperties(platform::com::PropertyBag& bag) const override;
    // Squares the control (the width follows the height), repaints, raises Resize.
    void UserControl_Resize() override;
    // One step of the count: Value + 1 through the setter. The timer runs on while Value has
    // not reached Max, and stops when the step was refused: a count that cannot advance ends
    // instead of repainting every tick for ever.
    void Timer1_Timer() override;

    // The cells of the last repaint.
    const WheelGeometry& Cells() const { return m_cells; }

private:
    void Paint(PaintSurface& surface) override;
    void SetTimer(std::int32_t interval);
    void DrawRing(PaintSurface& s);
    void DrawHubBand(PaintSurface& s);
    void DrawValueText(PaintSurface& s, const double& percent);
    void DrawFields(PaintSurface& s);
    void MakeTransparent(PaintSurface& s, OLE_COLOR colour);
    // Gives the window its whole rectangle back once the wheel paints opaque again.
    void Unshape();

    WheelGeometry m_cells;
    OLE_COLOR m_startFillColor = 0;
    OLE_COLOR m_endFillColor = 0;
    OLE_COLOR m_counterColor = 0;
    OLE_COLOR m_fontColor = 0;
    std::int32_t m_fields = 0;
    std::int32_t m_backStyle = 0;
    // The window carries a cut of an earlier transparent paint.
    bool m_shaped = false;
    platform::com::Picture m_mouseIcon;
    std::int32_t m_mousePointer = 0;
    std::int32_t m_timerInterval = 0;
};

} // namespace kolvetra
