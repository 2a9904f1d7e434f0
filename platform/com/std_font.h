#pragma once

#include <cstdint>
#include <string>

namespace platform::com {

// The standard font of the component model, held by value: what a control's `Font`
// property and the ambient font carry. Sizes are points in the platform's currency
// precision (four decimals); the stored layouts keep fonts such as 8.25 or 9.75 points.
struct StdFont {
    std::string name = "Tahoma";
    double size = 8.25;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;
    std::int16_t weight = 400;
    std::int16_t charset = 0;

    // Bold and Weight describe one thing: setting either keeps the other in step (700 / 400,
    // and bold from 550 up), as the standard font object does.
    void SetBold(bool value);
    void SetWeight(std::int16_t value);
    // Rounds to the four decimals the size is kept in.
    void SetSize(double points);

    friend bool operator==(const StdFont&, const StdFont&) = default;
};

} // namespace platform::com
