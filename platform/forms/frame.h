#pragma once

#include <string>

#include <QPixmap>

#include "platform/forms/control.h"

class QGroupBox;

namespace platform::forms {

// A frame: a captioned border around the controls inside it, or (kNoBorder) an invisible
// group. Its controls are placed relative to its top-left corner and option buttons inside
// it form one group.
class Frame : public Control, public Container {
public:
    explicit Frame(bool border = true);

    const std::string& Caption() const { return m_caption; }
    void SetCaption(const std::string& caption);

    QWidget* ClientArea(int page) override { return Widget(); }
    void ApplyDesign(const ControlDef& def) override;

private:
    QGroupBox* m_box = nullptr;
    std::string m_caption;
};

// A picture box: a sunken box (kNoBorder: none) that shows a picture at its top-left corner
// and holds controls like a frame.
class PictureBox : public Control, public Container {
public:
    explicit PictureBox(bool border = true);

    void SetPicture(const QPixmap& picture);
    const QPixmap& Picture() const;

    QWidget* ClientArea(int page) override { return Widget(); }
};

} // namespace platform::forms
