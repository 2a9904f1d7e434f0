#include "label.h"

#include <QLabel>

#include "platform/forms/qt_text.h"

namespace platform::forms {

Label::Label()
    : Control(new QLabel)
    , m_label(static_cast<QLabel*>(Widget()))
{
    m_label->setWordWrap(true);
    m_label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_label->setTextFormat(Qt::PlainText);
    RaiseClicksFromMouse();
    ApplyColours();
}

void Label::ApplyDesign(const ControlDef& def)
{
    SetCaption(def.caption);
    if (def.flags & kTransparent)
        SetBackStyle(0);
    if (def.flags & kAlignRight)
        SetAlignment(vbRightJustify);
    else if (def.flags & kAlignCenter)
        SetAlignment(vbCenter);
}

void Label::SetCaption(const std::string& caption)
{
    m_caption = caption;
    m_label->setText(ToQt(caption));
}

void Label::SetAlignment(int alignment)
{
    m_alignment = alignment;
    Qt::Alignment h = alignment == vbRightJustify ? Qt::AlignRight
                      : alignment == vbCenter     ? Qt::AlignHCenter
                                                  : Qt::AlignLeft;
    m_label->setAlignment(h | Qt::AlignTop);
}

void Label::SetBackStyle(int style)
{
    m_backStyle = style;
    ApplyColours();
}

void Label::ApplyColours()
{
    Control::ApplyColours();
    m_label->setAutoFillBackground(m_backStyle != 0);
}

} // namespace platform::forms
