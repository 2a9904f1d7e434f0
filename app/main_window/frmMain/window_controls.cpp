#include "window_controls.h"

#include "platform/errors/run_time_error.h"
#include "platform/forms/buttons.h"
#include "platform/forms/colour.h"
#include "platform/forms/font.h"

#include <QFile>
#include <QPainter>
#include <QWidget>

#include <cmath>

namespace quorvel {

namespace com = platform::com;
namespace forms = platform::forms;

namespace {

// Stands in for the component library's bar until it is hosted: draws the stored settings
// the windows rely on (sunken border, smooth fill tiled with the bar picture, the whole
// percentage followed by TextAfterValue unless ValueType is 0).
class BarWidget : public QWidget {
public:
    QImage picture;
    QColor back;
    QFont font;
    bool showText = true;
    std::string textAfter;
    double max = 100;
    double value = 0;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        const QRect all = rect();
        p.fillRect(all, back);
        const double ratio = max != 0 ? std::clamp(value / max, 0.0, 1.0) : 0.0;
        const QRect inner = all.adjusted(2, 2, -2, -2);
        const int filled = static_cast<int>(std::lround(inner.width() * ratio));
        if (filled > 0) {
            const QRect bar(inner.left(), inner.top(), filled, inner.height());
            if (picture.isNull())
                p.fillRect(bar, QColor(0, 64, 160));
            else
                p.drawImage(bar, picture.scaled(picture.width(), inner.height()),
                            QRect(0, 0, filled, inner.height()));
        }
        p.setPen(QColor(128, 128, 128));
        p.drawLine(all.topLeft(), all.topRight());
        p.drawLine(all.topLeft(), all.bottomLeft());
        p.setPen(Qt::white);
        p.drawLine(all.bottomLeft(), all.bottomRight());
        p.drawLine(all.topRight(), all.bottomRight());
        if (showText) {
            const int percent = max != 0 ? static_cast<int>(100 * value / max) : 0;
            p.setFont(font);
            p.setPen(Qt::black);
            p.drawText(all, Qt::AlignCenter,
                       QString::number(percent) + QString::fromLatin1(textAfter.c_str()));
        }
    }
};

class ProgressPlaceholder : public Control {
public:
    ProgressPlaceholder()
        : Control(new BarWidget)
    {
    }
    BarWidget& Bar() const { return *static_cast<BarWidget*>(Widget()); }
};

ProgressPlaceholder& AsBar(const Control& bar)
{
    return const_cast<ProgressPlaceholder&>(dynamic_cast<const ProgressPlaceholder&>(bar));
}

forms::CommandButton& AsButton(const Control& button)
{
    return const_cast<forms::CommandButton&>(dynamic_cast<const forms::CommandButton&>(button));
}

} // namespace

Control& AddButton(Form& form, const ControlDef& row)
{
    ControlDef def = row;
    def.kind = forms::Kind::CommandButton;
    return form.Create(def);
}

std::string ButtonCaption(const Control& button)
{
    return AsButton(button).Caption();
}

void SetButtonCaption(Control& button, const std::string& caption)
{
    AsButton(button).SetCaption(caption);
}

void SetButtonEnabled(Control& button, bool enabled)
{
    button.SetEnabled(enabled);
}

const com::StoredLayout& MainWindowLayout()
{
    static const com::StoredLayout layout = [] {
        QFile file(":/quorvel/frmMain.layout");
        if (!file.open(QIODevice::ReadOnly))
            throw platform::RunTimeError(53, "File not found: the stored layout of frmMain");
        const QByteArray text = file.readAll();
        return com::ParseStoredLayout(std::string_view(text.constData(), text.size()));
    }();
    return layout;
}

Control& AddProgressBar(Form& form, const ControlDef& row)
{
    auto& control = form.Add<ProgressPlaceholder>(row);
    BarWidget& bar = control.Bar();
    const com::StoredControl* stored = MainWindowLayout().Find(row.name);
    const com::PropertyBag bag = stored ? stored->properties : com::PropertyBag();
    bar.picture = bag.ReadProperty("Picture", com::Variant(com::Picture())).ToPicture().Image();
    bar.back = forms::ToQColor(bag.ReadProperty("BackColor", com::OleColor{0x8000000A}).ToColor().value);
    bar.showText = bag.ReadProperty("ValueType", std::int32_t(1)).ToInt32() != 0;
    bar.textAfter = bag.ReadProperty("TextAfterValue", "").ToString();
    const com::StdFont font = bag.ReadProperty("Font", com::StdFont{}).ToFont();
    bar.font = forms::ToQFont({font.name, font.size, font.bold});
    return control;
}

double BarMax(const Control& bar)
{
    return AsBar(bar).Bar().max;
}

double BarValue(const Control& bar)
{
    return AsBar(bar).Bar().value;
}

void SetBarMax(Control& bar, double max)
{
    BarWidget& w = AsBar(bar).Bar();
    w.max = max;
    if (w.value > max)
        w.value = max;
    w.update();
}

void SetBarValue(Control& bar, double value)
{
    BarWidget& w = AsBar(bar).Bar();
    if (value <= w.max)
        w.value = value;
    w.repaint();
}

} // namespace quorvel
