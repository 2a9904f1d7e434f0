#pragma once

#include <string>

#include "platform/forms/control.h"

class QLabel;

namespace platform::forms {

// Alignment of a label's caption, with the original values.
enum : int { vbLeftJustify = 0, vbRightJustify = 1, vbCenter = 2 };

// A label: caption wrapped at word boundaries within its width, as the original did;
// Click and DblClick come from the mouse.
class Label : public Control {
public:
    Label();

    const std::string& Caption() const { return m_caption; }
    void SetCaption(const std::string& caption);

    int Alignment() const { return m_alignment; }
    void SetAlignment(int alignment);

    // 0 transparent: the container shows through; 1 opaque (the default).
    int BackStyle() const { return m_backStyle; }
    void SetBackStyle(int style);

    void ApplyDesign(const ControlDef& def) override;

protected:
    void ApplyColours() override;

private:
    QLabel* m_label;
    std::string m_caption;
    int m_alignment = vbLeftJustify;
    int m_backStyle = 1;
};

} // namespace platform::forms
