#pragma once

#include <string>

#include "platform/forms/control.h"

class QAbstractButton;

namespace platform::forms {

// Values of a check box.
enum : int { vbUnchecked = 0, vbChecked = 1, vbGrayed = 2 };

// A check box. Click is raised when the user toggles it and when the program changes Value
// (not when it sets the value it already has).
class CheckBox : public Control {
public:
    CheckBox();

    const std::string& Caption() const { return m_caption; }
    void SetCaption(const std::string& caption);
    int Value() const;
    // Error 380 for a value other than 0, 1 and 2.
    void SetValue(int value);

    void ApplyDesign(const ControlDef& def) override;

private:
    std::string m_caption;
};

// An option button; the option buttons of one container form a group in which one at most
// is selected. Click is raised when the user selects it and every time the program sets
// Value = True, also when it was selected already: the windows' loaders write through that
// Click.
class OptionButton : public Control {
public:
    OptionButton();

    const std::string& Caption() const { return m_caption; }
    void SetCaption(const std::string& caption);
    bool Value() const;
    // True deselects the others of the group; False leaves none selected if it was the one.
    void SetValue(bool value);

    void ApplyDesign(const ControlDef& def) override;

private:
    void Select(bool value);
    std::string m_caption;
};

// A push button raising Click.
class CommandButton : public Control {
public:
    CommandButton();

    const std::string& Caption() const { return m_caption; }
    void SetCaption(const std::string& caption);

    void ApplyDesign(const ControlDef& def) override;

private:
    std::string m_caption;
};

} // namespace platform::forms
