#pragma once

#include "platform/forms/control.h"

class QSlider;

namespace platform::forms {

// A horizontal slider. While the user moves it, Scroll is raised at each new value and
// Change after it; a programmatic Value set that changes the value raises Change only.
class Slider : public Control {
public:
    Slider();

    int Min() const;
    int Max() const;
    void SetMin(int value);
    void SetMax(int value);
    int SmallChange() const;
    int LargeChange() const;
    void SetSmallChange(int value);
    void SetLargeChange(int value);
    int Value() const;
    // Error 380 for a value outside Min..Max.
    void SetValue(int value);

    std::function<void()> Change;
    std::function<void()> Scroll;

private:
    QSlider* m_slider;
};

} // namespace platform::forms
