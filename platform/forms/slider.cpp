#include "slider.h"

#include <QSlider>

#include "platform/errors/run_time_error.h"

namespace platform::forms {

Slider::Slider()
    : Control(new QSlider(Qt::Horizontal))
    , m_slider(static_cast<QSlider*>(Widget()))
{
    // The original's defaults.
    m_slider->setRange(0, 10);
    m_slider->setSingleStep(1);
    m_slider->setPageStep(5);
    m_slider->setTickPosition(QSlider::TicksBelow);
    m_slider->setTickInterval(1);
    QObject::connect(m_slider, &QSlider::valueChanged, m_slider, [this] {
        Raise("Scroll", Scroll);
        Raise("Change", Change);
    });
}

int Slider::Min() const
{
    return m_slider->minimum();
}

int Slider::Max() const
{
    return m_slider->maximum();
}

void Slider::SetMin(int value)
{
    Quiet quiet(m_slider);
    m_slider->setMinimum(value);
}

void Slider::SetMax(int value)
{
    Quiet quiet(m_slider);
    m_slider->setMaximum(value);
    m_slider->setTickInterval(value - m_slider->minimum() > 50 ? 5 : 1);
}

int Slider::SmallChange() const
{
    return m_slider->singleStep();
}

int Slider::LargeChange() const
{
    return m_slider->pageStep();
}

void Slider::SetSmallChange(int value)
{
    m_slider->setSingleStep(value);
}

void Slider::SetLargeChange(int value)
{
    m_slider->setPageStep(value);
}

int Slider::Value() const
{
    return m_slider->value();
}

void Slider::SetValue(int value)
{
    if (value < Min() || value > Max())
        platform::Raise(380);
    if (value == Value())
        return;
    {
        Quiet quiet(m_slider);
        m_slider->setValue(value);
    }
    Raise("Change", Change);
}

} // namespace platform::forms
