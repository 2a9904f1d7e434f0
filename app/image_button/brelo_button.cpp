#include "app/image_button/brelo_button.h"

#include <cmath>

#include <QApplication>
#include <QCursor>
#include <QPainter>

#include "platform/arith/conversion.h"
#include "platform/com/dispatch_table.h"
#include "platform/com/events.h"
#include "platform/com/late_bound.h"
#include "platform/com/property_bag.h"
#include "platform/errors/run_time_error.h"
#include "platform/forms/colour.h"
#include "platform/forms/font.h"
#include "platform/forms/qt_text.h"
#include "platform/forms/twips.h"
#include "platform/hosting/control_site.h"
#include "platform/shell/shell_execute.h"

namespace quorvel {

using platform::com::DispatchTable;
using platform::com::PropertyBag;
using platform::com::Variant;

namespace {

constexpr platform::com::DispId kDispURLGoTo = 0x68030009;
constexpr platform::com::DispId kDispCaption = 0x68030008;
constexpr platform::com::DispId kDispEnabled = 0x68030001;

// The label's top sits this far below the centred position, so the caption looks centred on
// the face.
constexpr int kCaptionDropTwips = 20;

const char* const kDefaultFontName = "Tahoma";
constexpr std::int16_t kDefaultFontSize = 8;

bool HasSchemeOpenedOutside(const std::string& url)
{
    auto startsWith = [&](std::string_view prefix) {
        if (url.size() < prefix.size())
            return false;
        for (std::size_t i = 0; i < prefix.size(); ++i) {
            if (std::tolower(static_cast<unsigned char>(url[i])) != prefix[i])
                return false;
        }
        return true;
    };
    return startsWith("http://") || startsWith("https://") || startsWith("mailto:");
}

const QCursor& CaptionCursor()
{
    static const QCursor cursor = MakeButtonCursor();
    return cursor;
}

} // namespace

// The button's late-bound face: a separate object, so the window keeps owning the button
// while hosts hold references to its interface. Calls after the button is gone raise 91.
class ButtonObject
    : public platform::com::EventDispatchObject<ButtonObject, platform::com::IDispatch> {
public:
    explicit ButtonObject(BreloButton& button)
        : m_button(&button)
    {
    }
    void Detach() { m_button = nullptr; }
    void Fire(int id, const char* name) { RaiseEvent(id, name); }

    static const DispatchTable<ButtonObject>& Members()
    {
        static const DispatchTable<ButtonObject> table{
            {"URLGoTo",
             kDispURLGoTo,
             {},
             {},
             [](ButtonObject& o, std::vector<Variant>& args) {
                 if (args.size() != 2)
                     platform::Raise(450);
                 o.Button().URLGoTo(args[0].ToInt32(), args[1].ToString());
                 return Variant();
             }},
            {"Caption",
             kDispCaption,
             [](ButtonObject& o) { return Variant(o.Button().Caption()); },
             [](ButtonObject& o, const Variant& v) { o.Button().SetCaption(v.ToString()); },
             {}},
            {"FontName",
             0x68030007,
             [](ButtonObject& o) { return Variant(o.Button().FontName()); },
             [](ButtonObject& o, const Variant& v) { o.Button().SetFontName(v.ToString()); },
             {}},
            {"FontSize",
             0x68030006,
             [](ButtonObject& o) { return Variant(o.Button().FontSize()); },
             [](ButtonObject& o, const Variant& v) { o.Button().SetFontSize(v.ToInt16()); },
             {}},
            {"Bold",
             0x68030005,
             [](ButtonObject& o) { return Variant(o.Button().Bold()); },
             [](ButtonObject& o, const Variant& v) { o.Button().SetBold(v.ToBool()); },
             {}},
            {"Italic",
             0x68030004,
             [](ButtonObject& o) { return Variant(o.Button().Italic()); },
             [](ButtonObject& o, const Variant& v) { o.Button().SetItalic(v.ToBool()); },
             {}},
            {"Underline",
             0x68030003,
             [](ButtonObject& o) { return Variant(o.Button().Underline()); },
             [](ButtonObject& o, const Variant& v) { o.Button().SetUnderline(v.ToBool()); },
             {}},
            {"ForeColor",
             0x68030002,
             [](ButtonObject& o) { return Variant(o.Button().ForeColor()); },
             [](ButtonObject& o, const Variant& v) {
                 o.Button().SetForeColor(static_cast<std::int32_t>(v.ToColor().value));
             },
             {}},
            {"Enabled",
             kDispEnabled,
             [](ButtonObject& o) { return Variant(o.Button().Enabled()); },
             [](ButtonObject& o, const Variant& v) { o.Button().SetEnabled(v.ToBool()); },
             {}},
            {"GoURL",
             0x68030000,
             {},
             [](ButtonObject& o, const Variant& v) { o.Button().SetGoURL(v.ToString()); },
             {}},
        };
        return table;
    }

private:
    BreloButton& Button()
    {
        if (!m_button)
            platform::Raise(91);
        return *m_button;
    }

    BreloButton* m_button;
};

BreloButton::BreloButton()
    : m_object(platform::com::MakeObject<ButtonObject>(*this))
    , m_tmrChkStatus("tmrChkStatus")
{
    m_label.font.name = kDefaultFontName;
    m_label.font.SetSize(kDefaultFontSize);
    m_tmrChkStatus.Timer = [this] { tmrChkStatus_Timer(); };
}

BreloButton::~BreloButton()
{
    m_tmrChkStatus.SetEnabled(false);
    m_object->Detach();
}

platform::com::IDispatch* BreloButton::Object() const
{
    return m_object.get();
}

void BreloButton::URLGoTo(std::int32_t hWnd, const std::string& url)
{
    if (!HasSchemeOpenedOutside(url))
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    platform::shell::ShellExecuteA(hWnd, "Open", url, "", "", platform::shell::SW_SHOWNORMAL);
    QApplication::restoreOverrideCursor();
}

void BreloButton::SetCaption(const std::string& caption)
{
    m_label.caption = caption;
    PropertyChanged("Caption");
    Paint();
}

void BreloButton::SetFontName(const std::string& name)
{
    m_label.font.name = name;
    PropertyChanged("FontName");
    Paint();
}

std::int16_t BreloButton::FontSize() const
{
    return platform::arith::CInt(m_label.font.size);
}

void BreloButton::SetFontSize(std::int16_t points)
{
    m_label.font.SetSize(points);
    PropertyChanged("FontSize");
    Paint();
}

void BreloButton::SetBold(bool bold)
{
    m_label.font.SetBold(bold);
    PropertyChanged("Bold");
    Paint();
}

void BreloButton::SetItalic(bool italic)
{
    m_label.font.italic = italic;
    PropertyChanged("Italic");
    Paint();
}

void BreloButton::SetUnderline(bool underline)
{
    m_label.font.underline = underline;
    PropertyChanged("Underline");
    Paint();
}

void BreloButton::SetForeColor(std::int32_t colour)
{
    m_label.foreColor = colour;
    PropertyChanged("ForeColor");
    Paint();
}

void BreloButton::SetEnabled(bool enabled)
{
    m_label.enabled = enabled;
    if (!enabled)
        Widget()->unsetCursor();
    Paint();
}

void BreloButton::UserControl_Terminate()
{
    m_tmrChkStatus.SetEnabled(false);
}

void BreloButton::UserControl_InitProperties()
{
    m_tmrChkStatus.SetEnabled(Ambient().userMode);
    SetCaption(Ambient().displayName);
}

void BreloButton::UserControl_ReadProperties(const PropertyBag& bag)
{
    m_tmrChkStatus.SetEnabled(Ambient().userMode);
    SetCaption(bag.ReadProperty("Caption", Variant(Ambient().displayName)).ToString());
    SetBold(bag.ReadProperty("Bold", Variant(false)).ToBool());
    SetItalic(bag.ReadProperty("Italic", Variant(false)).ToBool());
    SetUnderline(bag.ReadProperty("Underline", Variant(false)).ToBool());
    SetFontName(bag.ReadProperty("FontName", Variant(kDefaultFontName)).ToString());
    SetFontSize(bag.ReadProperty("FontSize", Variant(kDefaultFontSize)).ToInt16());
    SetForeColor(static_cast<std::int32_t>(
        bag.ReadProperty("ForeColor", Variant(std::int32_t(0))).ToColor().value));
    SetEnabled(bag.ReadProperty("Enabled", Variant(true)).ToBool());
}

void BreloButton::UserControl_WriteProperties(PropertyBag& bag)
{
    bag.WriteProperty("Caption", Variant(Caption()), Variant(Ambient().displayName));
    bag.WriteProperty("Bold", Variant(Bold()), Variant(false));
    bag.WriteProperty("Italic", Variant(Italic()), Variant(false));
    bag.WriteProperty("Underline", Variant(Underline()), Variant(false));
    bag.WriteProperty("FontName", Variant(FontName()), Variant(kDefaultFontName));
    bag.WriteProperty("FontSize", Variant(FontSize()), Variant(kDefaultFontSize));
    bag.WriteProperty("ForeColor", Variant(ForeColor()), Variant(std::int32_t(0)));
    bag.WriteProperty("Enabled", Variant(Enabled()), Variant(true));
}

void BreloButton::UserControl_Resize()
{
    // The faces fill the control by drawing; the label spans its width.
    m_labelTopTwips = static_cast<int>(std::lround((ScaleHeight() - m_label.heightTwips) / 2)) +
                      kCaptionDropTwips;
    Paint();
}

QRect BreloButton::CaptionRect() const
{
    return QRect(0, platform::forms::TwipsToPixels(m_labelTopTwips), PixelWidth(),
                 platform::forms::TwipsToPixels(m_label.heightTwips));
}

bool BreloButton::OverLabel(float x, float y) const
{
    return x >= 0 && x < ScaleWidth() && y >= m_labelTopTwips &&
           y < m_labelTopTwips + m_label.heightTwips;
}

void BreloButton::UserControl_MouseDown(std::int16_t& button, std::int16_t& shift, float& x,
                                        float& y)
{
    // While the label holds a button, every further press goes to it too, wherever it
    // happens, as the label keeps the mouse until the last button is up.
    m_lastPressOnLabel = m_labelButtons != 0 || OverLabel(x, y);
    // A disabled label takes no mouse input: the press falls through to the control, which
    // does nothing with it.
    if (!m_label.enabled || !m_lastPressOnLabel)
        return;
    // The label that took the press gets the release too, wherever it happens.
    m_labelButtons |= button;
    lblCaption_MouseDown(button, shift, x, y - m_labelTopTwips);
}

void BreloButton::UserControl_MouseMove(std::int16_t& button, std::int16_t& shift, float& x,
                                        float& y)
{
    if (m_label.enabled && (m_labelButtons != 0 || OverLabel(x, y)))
        Widget()->setCursor(CaptionCursor());
    else
        Widget()->unsetCursor();
}

// The second press of a double click arrives as DblClick instead of MouseDown. The label
// still took that press, so its release clicks again: two quick clicks are two Clicks.
void BreloButton::UserControl_DblClick()
{
    if (m_label.enabled && m_lastPressOnLabel)
        m_labelButtons |= platform::forms::vbLeftButton;
}

void BreloButton::UserControl_MouseUp(std::int16_t& button, std::int16_t& shift, float& x, float& y)
{
    // Each button's release is the label's when that button went down on it, whatever other
    // button came and went meanwhile.
    if (!(m_labelButtons & button))
        return;
    m_labelButtons &= ~button;
    lblCaption_MouseUp(button, shift, x, y - m_labelTopTwips);
}

void BreloButton::lblCaption_MouseDown(std::int16_t button, std::int16_t, float, float)
{
    if (Enabled() && button == platform::forms::vbLeftButton)
        ShowDown();
}

void BreloButton::lblCaption_MouseUp(std::int16_t button, std::int16_t, float, float)
{
    if (Enabled() && button == platform::forms::vbLeftButton) {
        ShowUp();
        RaiseButtonEvent(1, "Click", Click);
    }
}

void BreloButton::tmrChkStatus_Timer()
{
    if (!Enabled())
        return;
    m_tmrChkStatus.SetEnabled(false);
    const PointerSample sample = SamplePointer();
    m_ptCursor = sample.point;
    const platform::hosting::HWND under = sample.under;
    if (m_bMouseOver && under != hWnd()) {
        m_bMouseOver = false;
        ShowUp();
    }
    if (!m_bMouseOver && under == hWnd()) {
        m_bMouseOver = true;
        ShowOver();
    }
    m_tmrChkStatus.SetEnabled(true);
}

void BreloButton::ShowUp()
{
    m_face = ButtonFace::Normal;
    Paint();
    RaiseButtonEvent(3, "ButtonUp", ButtonUp);
}

void BreloButton::ShowDown()
{
    m_face = ButtonFace::Pressed;
    Paint();
    RaiseButtonEvent(2, "ButtonDown", ButtonDown);
}

void BreloButton::ShowOver()
{
    m_face = ButtonFace::Hover;
    Paint();
    RaiseButtonEvent(4, "MouseOver", MouseOver);
}

void BreloButton::RaiseButtonEvent(int id, const char* name, const std::function<void()>& handler)
{
    Raise(name, std::function<void()>([&] {
              m_object->Fire(id, name);
              if (handler)
                  handler();
          }));
}

void BreloButton::Paint()
{
    QImage& canvas = Canvas();
    if (canvas.isNull())
        return;
    canvas.fill(platform::forms::ToQColor(Ambient().backColor));
    QPainter painter(&canvas);
    DrawButtonFace(painter, canvas.rect(), m_face);

    painter.setFont(platform::forms::ToQFont(m_label.font));
    // The label's place decides where it takes presses; its text is centred on the face
    // itself, because the label's offset was tuned to the metrics of the original fonts and
    // the installed replacements sit a little higher in it.
    const int flags = Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextShowMnemonic | Qt::TextWordWrap;
    const QRect label = canvas.rect();
    const QString text = platform::forms::ToQt(m_label.caption);
    if (m_label.enabled) {
        painter.setPen(
            platform::forms::ToQColor(static_cast<platform::forms::OleColor>(m_label.foreColor)));
        painter.drawText(label, flags, text);
    } else {
        // The engraved look of a disabled label: a light copy one pixel down and right.
        painter.setPen(QColor(255, 255, 255));
        painter.drawText(label.translated(1, 1), flags, text);
        painter.setPen(QColor(128, 128, 128));
        painter.drawText(label, flags, text);
    }
}

BreloButton& AddBreloButton(platform::forms::Form& form, const platform::forms::ControlDef& row,
                            const StoredButton& stored)
{
    PropertyBag bag;
    const std::string caption = stored.caption ? stored.caption : row.caption;
    // A disabled row is a disabled button, not a dead window: the widget must keep seeing the
    // pointer for the label to ignore it.
    platform::forms::ControlDef placed = row;
    placed.flags &= ~platform::forms::kDisabled;
    const bool enabled = stored.enabled && !(row.flags & platform::forms::kDisabled);
    bag.WriteProperty("Caption", Variant(caption), Variant(std::string(row.name)));
    bag.WriteProperty("Bold", Variant(stored.bold), Variant(false));
    bag.WriteProperty("FontName", Variant(stored.fontName), Variant(kDefaultFontName));
    bag.WriteProperty("FontSize", Variant(stored.fontSize), Variant(kDefaultFontSize));
    bag.WriteProperty("ForeColor", Variant(platform::com::OleColor{stored.foreColor}),
                      Variant(std::int32_t(0)));
    bag.WriteProperty("Enabled", Variant(enabled), Variant(true));
    return platform::hosting::AddUserControl<BreloButton>(form, placed,
                                                          platform::hosting::Placement{&bag});
}

void SetButtonCaption(BreloButton& button, const std::string& caption)
{
    platform::com::PutProperty(button.Object(), kDispCaption, Variant(caption));
}

void SetButtonEnabled(BreloButton& button, bool enabled)
{
    platform::com::PutProperty(button.Object(), kDispEnabled, Variant(enabled));
}

} // namespace quorvel
