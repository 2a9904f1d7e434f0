#include "frame.h"

#include <QFrame>
#include <QPainter>

#include "platform/forms/qt_text.h"

namespace platform::forms {

namespace detail {

// A frame as the original drew it: an etched line half a caption height below the top, with
// the caption standing on the line; the toolkit's group box puts its title above the line.
class CaptionFrame : public QWidget {
public:
    void SetTitle(const QString& title)
    {
        m_title = title;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        const QFontMetrics metrics(font());
        const int top = m_title.isEmpty() ? 0 : metrics.height() / 2;
        const int w = width();
        const int h = height();
        if (w < 2 || h - top < 2)
            return;
        p.setPen(QColor(128, 128, 128));
        p.drawRect(0, top, w - 2, h - top - 2);
        p.setPen(Qt::white);
        p.drawLine(1, top + 1, w - 3, top + 1);
        p.drawLine(1, top + 1, 1, h - 3);
        p.drawLine(0, h - 1, w - 1, h - 1);
        p.drawLine(w - 1, top, w - 1, h - 1);
        if (m_title.isEmpty())
            return;
        const int textWidth = metrics.horizontalAdvance(m_title);
        const QRect caption(6, 0, std::min(textWidth + 4, std::max(0, w - 8)), metrics.height());
        p.fillRect(caption, palette().color(backgroundRole()));
        p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                 QPalette::WindowText));
        p.drawText(caption.adjusted(2, 0, 0, 0),
                   Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, m_title);
    }

private:
    QString m_title;
};

} // namespace detail

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
        return new detail::CaptionFrame;
    auto* plain = new QWidget;
    return plain;
}

} // namespace

Frame::Frame(bool border)
    : Control(MakeFrameWidget(border))
    , m_box(border ? static_cast<detail::CaptionFrame*>(Widget()) : nullptr)
{
    RaiseClicksFromMouse();
}

void Frame::SetCaption(const std::string& caption)
{
    m_caption = caption;
    if (m_box)
        m_box->SetTitle(ToQt(caption));
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
    RaiseClicksFromMouse();
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
