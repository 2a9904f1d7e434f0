#include "buttons.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

#include "platform/errors/run_time_error.h"
#include "platform/forms/qt_text.h"

namespace platform::forms {

CheckBox::CheckBox()
    : Control(new QCheckBox)
{
    auto* box = static_cast<QCheckBox*>(Widget());
    QObject::connect(box, &QCheckBox::clicked, box, [this] { Raise("Click", Click); });
}

void CheckBox::SetCaption(const std::string& caption)
{
    m_caption = caption;
    static_cast<QCheckBox*>(Widget())->setText(ToQt(caption));
}

int CheckBox::Value() const
{
    switch (static_cast<QCheckBox*>(Widget())->checkState()) {
    case Qt::Checked:
        return vbChecked;
    case Qt::PartiallyChecked:
        return vbGrayed;
    default:
        return vbUnchecked;
    }
}

void CheckBox::SetValue(int value)
{
    if (value < vbUnchecked || value > vbGrayed)
        platform::Raise(380);
    if (value == Value())
        return;
    auto* box = static_cast<QCheckBox*>(Widget());
    {
        Quiet quiet(box);
        box->setCheckState(value == vbChecked  ? Qt::Checked
                           : value == vbGrayed ? Qt::PartiallyChecked
                                               : Qt::Unchecked);
    }
    Raise("Click", Click);
}

void CheckBox::ApplyDesign(const ControlDef& def)
{
    SetCaption(def.caption);
    Quiet quiet(Widget());
    static_cast<QCheckBox*>(Widget())->setChecked((def.flags & kChecked) != 0);
}

OptionButton::OptionButton()
    : Control(new QRadioButton)
{
    auto* radio = static_cast<QRadioButton*>(Widget());
    QObject::connect(radio, &QRadioButton::toggled, radio, [this](bool on) {
        if (on)
            Raise("Click", Click);
    });
}

void OptionButton::SetCaption(const std::string& caption)
{
    m_caption = caption;
    static_cast<QRadioButton*>(Widget())->setText(ToQt(caption));
}

bool OptionButton::Value() const
{
    return static_cast<QRadioButton*>(Widget())->isChecked();
}

void OptionButton::Select(bool value)
{
    auto* radio = static_cast<QRadioButton*>(Widget());
    QWidget* group = radio->parentWidget();
    // The toolkit refuses to clear the checked button of an exclusive group, and it only
    // clears siblings that are shown; the group is kept by hand.
    if (group) {
        for (QRadioButton* other : group->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly)) {
            if (other == radio || !other->isChecked() || !value)
                continue;
            Quiet quiet(other);
            other->setAutoExclusive(false);
            other->setChecked(false);
            other->setAutoExclusive(true);
        }
    }
    Quiet quiet(radio);
    radio->setAutoExclusive(false);
    radio->setChecked(value);
    radio->setAutoExclusive(true);
}

void OptionButton::SetValue(bool value)
{
    Select(value);
    if (value)
        Raise("Click", Click);
}

void OptionButton::ApplyDesign(const ControlDef& def)
{
    SetCaption(def.caption);
    if (def.flags & kChecked)
        Select(true);
}

CommandButton::CommandButton()
    : Control(new QPushButton)
{
    auto* button = static_cast<QPushButton*>(Widget());
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, button, [this] { Raise("Click", Click); });
}

void CommandButton::SetCaption(const std::string& caption)
{
    m_caption = caption;
    static_cast<QPushButton*>(Widget())->setText(ToQt(caption));
}

void CommandButton::ApplyDesign(const ControlDef& def)
{
    SetCaption(def.caption);
}

} // namespace platform::forms
