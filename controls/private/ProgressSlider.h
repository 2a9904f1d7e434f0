#pragma once

#include <cstdint>

#include "controls/private/indicator_control.h"
#include "controls/progress_bar/enums.h"
#include "platform/com/property_bag.h"

namespace kolvetra {

// A display-only bar with a raised thumb at the fill position that carries the percentage.
// The surface measures in pixels.
class ProgressSlider : public IndicatorControl {
public:
    zemSpecialEffects SpecialEffects() const { return m_specialEffects; }
    void SetSpecialEffects(zemSpecialEffects value);
    OLE_COLOR TextBackColor() const { return m_textBackColor; }
    void SetTextBackColor(OLE_COLOR colour);
    zemAlignment Alignment() const { return m_alignment; }
    void SetAlignment(zemAlignment value);
    OLE_COLOR FillColor() const { return m_fillColor; }
    void SetFillColor(OLE_COLOR colour);

    void UserControl_InitProperties() override;
    void UserControl_ReadProperties(const platform::com::PropertyBag& bag) override;
    void UserControl_WriteProperties(platform::com::PropertyBag& bag) const override;
    bool MeasuresInPixels() const override { return true; }

private:
    void Paint(PaintSurface& surface) override;
    void DrawFrame(PaintSurface& s);
    void DrawBar(PaintSurface& s, double pct);
    void DrawSlider(PaintSurface& s, double pct);

    OLE_COLOR m_fillColor = 0;
    zemSpecialEffects m_specialEffects = zemSpecialEffects::zemFlat;
    zemAlignment m_alignment = zemAlignment::zemHorizontal;
    OLE_COLOR m_textBackColor = 0;
};

} // namespace kolvetra
