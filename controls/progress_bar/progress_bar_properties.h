#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "controls/progress_bar/enums.h"
#include "platform/com/std_font.h"
#include "platform/gdi/picture.h"
#include "platform/gdi/types.h"

namespace kolvetra {

using platform::com::StdFont;
using platform::gdi::OLE_COLOR;

// The painters' font until a control hands them its own.
inline const StdFont kPainterFont{.name = "Sans Serif"};

using PicturePtr = std::shared_ptr<platform::gdi::Picture>;

// The 25 persisted properties of a ProgressBar, in the order of its property bag, at the values
// a newly placed control gets. (Font, BackColor and ForeColor live on the control's surface in
// the original; the painter hands them to its PaintSurface at the start of every paint.)
struct ProgressBarProperties {
    StdFont Font = kPainterFont;
    zemSpecialEffects SpecialEffects = zemSpecialEffects::zemFlat;
    zemFieldEffects FieldEffects = zemFieldEffects::zemRaisedField;
    bool OnlyValueFields = true;
    std::int32_t AnimatedInterval = 100;
    zemBarColorType BarColorType = zemBarColorType::zemGradient;
    std::string Caption;
    zemValueType ValueType = zemValueType::zemPrecentage;
    zemAlignment Alignment = zemAlignment::zemHorizontal;
    zemTextAlignment TextAlignment = zemTextAlignment::zemCenter;
    OLE_COLOR BorderColor = 0x404040;
    OLE_COLOR BackColor = 0x8000000A;
    OLE_COLOR StartFillColor = 0x80;
    OLE_COLOR EndFillColor = 0x80;
    OLE_COLOR ForeColor = 0x80000008;
    double Value = 0;
    double Min = 0;
    double Max = 100;
    std::string TextBeforeValue;
    std::string TextAfterValue;
    double AspectRatio = 1.5;
    PicturePtr Picture; // null: no picture
    zemScrolling Scrolling = zemScrolling::zemScrollingStandard;
    PicturePtr MouseIcon;
    std::int16_t MousePointer = 0;
    bool operator==(const ProgressBarProperties&) const = default;
};

// The animated colour mode's position along the bar, kept between ticks.
struct AnimationState {
    std::int32_t m_AnimOffset = 0;
    bool m_AnimForward = false;
    bool operator==(const AnimationState&) const = default;
};

} // namespace kolvetra
