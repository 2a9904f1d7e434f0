#include "frame.h"

#include <QFrame>
#include <QGroupBox>
#include <QPainter>

#include "platform/forms/qt_text.h"

namespace platform::forms {

namespace {

class PictureWidget : public QFrame {
public:
    QPixmap picture;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QFrame::paintEvent(event);
        if (picture.isNull())
            return;
        QPainter painter(this);
        painter.drawPixmap(contentsRect().topLeft(), picture);
    }
};

QWidget* MakeFrameWidget(bool border)
{
    if (border)
        return new QGroupBox;
    auto* plain = new QWidget;
    return plain;
}

} // namespace

Frame::Frame(bool border)
    : Control(MakeFrameWidget(border))
    , m_box(border ? static_cast<QGroupBox*>(Widget()) : nullptr)
{
    RaiseClicksFromMouse(true, true);
}

void Frame::SetCaption(const std::string& caption)
{
    m_caption = caption;
    if (m_box)
        m_box->setTitle(ToQt(caption));
}

void Frame::ApplyDesign(const ControlDef& def)
{
    SetCaption(def.caption);
}

PictureBox::PictureBox(bool border)
    : Control(new PictureWidget)
{
    auto* w = static_cast<PictureWidget*>(Widget());
    w->setFrameStyle(border ? QFrame::Panel | QFrame::Sunken : QFrame::NoFrame);
    w->setLineWidth(border ? 2 : 0);
    w->setAutoFillBackground(true);
    RaiseClicksFromMouse(true, true);
}

void PictureBox::SetPicture(const QPixmap& picture)
{
    auto* w = static_cast<PictureWidget*>(Widget());
    w->picture = picture;
    w->update();
}

const QPixmap& PictureBox::Picture() const
{
    return static_cast<PictureWidget*>(Widget())->picture;
}

} // namespace platform::forms
