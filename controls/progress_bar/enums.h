#pragma once

#include <cstdint>

// The published enumerations of the progress controls. Their member values are part of the
// type library, so they never change; `zemNone` stands in two of them with different values,
// which is why they are scoped. Every property of these types may also hold a value outside its
// members (hosts store plain 32-bit numbers), and the painters treat such values explicitly.
namespace kolvetra {

enum class zemAlignment : std::int32_t {
    zemHorizontal = 0,
    zemVertical = 1,
};

enum class zemTextAlignment : std::int32_t {
    zemCenter = 0,
    zemLeftBottom = 1,
    zemRightTop = 2,
    zemByValue = 3,
};

enum class zemScrolling : std::int32_t {
    zemScrollingStandard = 0,
    zemScrollingSmooth = 1,
};

enum class zemSpecialEffects : std::int32_t {
    zemFlat = 0,
    zemRaised = 1,
    zemSunken = 2,
    zemRaisedDouble = 3,
    zemSunkenDouble = 4,
    zemEtched = 5,
    zemBump = 6,
    zemNone = 7,
};

enum class zemValueType : std::int32_t {
    zemNone = 0,
    zemPrecentage = 1,
    zemValue = 2,
    zemCustom = 3,
};

enum class zemBarColorType : std::int32_t {
    zemGradient = 0,
    zemColorize = 1,
    zemButtonize = 2,
    zemAnimated = 3,
};

enum class zemBackStyle : std::int32_t {
    zemBackColor = 0,
    zemTransparent = 1,
};

// The values are the drawing layer's edge bits, handed to DrawEdge unchanged.
enum class zemFieldEffects : std::int32_t {
    zemFlatField = 1,
    zemRaisedField = 4,
    zemSunkenField = 8,
    zemRaisedDoubleField = 5,
    zemSunkenDoubleField = 10,
    zemEtchedField = 6,
    zemBumpField = 9,
};

} // namespace kolvetra
