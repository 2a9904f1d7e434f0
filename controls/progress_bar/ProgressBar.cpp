#include "controls/progress_bar/ProgressBar.h"

#include <QCursor>
#include <QElapsedTimer>
#include <QPixmap>
#include <QTimer>

#include <algorithm>
#include <limits>
#include <utility>
#include <vector>

#include "controls/progress_bar/dlgAbout.h"
#include "controls/progress_bar/do_events.h"
#include "controls/progress_bar/progress_painter.h"
#include "platform/errors/run_time_error.h"
#include "platform/gdi/picture.h"

namespace kolvetra {

using namespace platform::com;

namespace {

constexpr std::int32_t kAnimatedTick = 10; // ms

bool g_deferred = true;

// The surface's own defaults, before InitProperties or ReadProperties sets the control's.
constexpr OLE_COLOR kSurfaceBackColor = 0x8000000F;
constexpr OLE_COLOR kSurfaceForeColor = 0x80000012;

PicturePtr ToPainterPicture(const Picture& picture)
{
    if (picture.IsNone())
        return nullptr;
    return platform::gdi::Picture::FromImage(picture.Image());
}

template <class E> Variant EnumGet(E value)
{
    return Variant(static_cast<std::int32_t>(value));
}

template <class E> E EnumPut(const Variant& v)
{
    return static_cast<E>(v.ToInt32());
}

Variant ColorGet(OLE_COLOR value)
{
    return Variant(OleColor{value});
}

OLE_COLOR ColorPut(const Variant& v)
{
    return v.ToColor().value;
}

} // namespace

// clang-format off
const DispatchTable<ProgressBar>& ProgressBar::Members()
{
    using P = ProgressBar;
    static const DispatchTable<ProgressBar> table{
        {"Font", 0x68030018, [](P& c) { return Variant(c.m_font); },
         [](P& c, const Variant& v) { c.SetFontProperty(v.ToFont()); }, {}},
        {"Caption", 0x68030017, [](P& c) { return Variant(c.m_props.Caption); },
         [](P& c, const Variant& v) { c.SetCaption(v.ToString()); }, {}},
        {"SpecialEffects", 0x68030016, [](P& c) { return EnumGet(c.m_props.SpecialEffects); },
         [](P& c, const Variant& v) { c.SetSpecialEffects(EnumPut<zemSpecialEffects>(v)); }, {}},
        {"FieldEffects", 0x68030015, [](P& c) { return EnumGet(c.m_props.FieldEffects); },
         [](P& c, const Variant& v) { c.SetFieldEffects(EnumPut<zemFieldEffects>(v)); }, {}},
        {"OnlyValueFields", 0x68030014, [](P& c) { return Variant(c.m_props.OnlyValueFields); },
         [](P& c, const Variant& v) { c.SetOnlyValueFields(v.ToBool()); }, {}},
        {"BarColorType", 0x68030013, [](P& c) { return EnumGet(c.m_props.BarColorType); },
         [](P& c, const Variant& v) { c.SetBarColorType(EnumPut<zemBarColorType>(v)); }, {}},
        {"ValueType", 0x68030012, [](P& c) { return EnumGet(c.m_props.ValueType); },
         [](P& c, const Variant& v) { c.SetValueType(EnumPut<zemValueType>(v)); }, {}},
        {"Scrolling", 0x68030011, [](P& c) { return EnumGet(c.m_props.Scrolling); },
         [](P& c, const Variant& v) { c.SetScrolling(EnumPut<zemScrolling>(v)); }, {}},
        {"AspectRatio", 0x68030010, [](P& c) { return Variant(c.m_props.AspectRatio); },
         [](P& c, const Variant& v) { c.SetAspectRatio(v.ToDouble()); }, {}},
        {"Picture", 0x6803000F, [](P& c) { return Variant(c.m_picture); },
         [](P& c, const Variant& v) { c.SetPicture(v.ToPicture()); }, {}},
        {"Alignment", 0x6803000E, [](P& c) { return EnumGet(c.m_props.Alignment); },
         [](P& c, const Variant& v) { c.SetAlignment(EnumPut<zemAlignment>(v)); }, {}},
        {"AnimatedInterval", 0x6803000D, [](P& c) { return Variant(c.m_props.AnimatedInterval); },
         [](P& c, const Variant& v) { c.SetAnimatedInterval(v.ToInt32()); }, {}},
        {"TextAlignment", 0x6803000C, [](P& c) { return EnumGet(c.m_props.TextAlignment); },
         [](P& c, const Variant& v) { c.SetTextAlignment(EnumPut<zemTextAlignment>(v)); }, {}},
        {"BorderColor", 0x6803000B, [](P& c) { return ColorGet(c.m_props.BorderColor); },
         [](P& c, const Variant& v) { c.SetBorderColor(ColorPut(v)); }, {}},
        {"StartFillColor", 0x6803000A, [](P& c) { return ColorGet(c.m_props.StartFillColor); },
         [](P& c, const Variant& v) { c.SetStartFillColor(ColorPut(v)); }, {}},
        {"EndFillColor", 0x68030009, [](P& c) { return ColorGet(c.m_props.EndFillColor); },
         [](P& c, const Variant& v) { c.SetEndFillColor(ColorPut(v)); }, {}},
        {"BackColor", 0x68030008, [](P& c) { return ColorGet(c.m_props.BackColor); },
         [](P& c, const Variant& v) { c.SetBackColor(ColorPut(v)); }, {}},
        {"Min", 0x68030007, [](P& c) { return Variant(c.m_props.Min); },
         [](P& c, const Variant& v) { c.SetMin(v.ToDouble()); }, {}},
        {"Max", 0x68030006, [](P& c) { return Variant(c.m_props.Max); },
         [](P& c, const Variant& v) { c.SetMax(v.ToDouble()); }, {}},
        {"TextAfterValue", 0x68030005, [](P& c) { return Variant(c.m_props.TextAfterValue); },
         [](P& c, const Variant& v) { c.SetTextAfterValue(v.ToString()); }, {}},
        {"TextBeforeValue", 0x68030004, [](P& c) { return Variant(c.m_props.TextBeforeValue); },
         [](P& c, const Variant& v) { c.SetTextBeforeValue(v.ToString()); }, {}},
        {"Value", 0x68030003, [](P& c) { return Variant(c.m_props.Value); },
         [](P& c, const Variant& v) { c.SetValue(v.ToDouble()); }, {}},
        {"ForeColor", 0x68030002, [](P& c) { return ColorGet(c.m_props.ForeColor); },
         [](P& c, const Variant& v) { c.SetForeColor(ColorPut(v)); }, {}},
        {"ShowAboutBox", DISPID_ABOUTBOX, {}, {},
         [](P& c, std::vector<Variant>&) { c.ShowAboutBox(); return Variant(); }},
        {"MouseIcon", 0x68030001, [](P& c) { return Variant(c.m_mouseIcon); },
         [](P& c, const Variant& v) { c.SetMouseIcon(v.ToPicture()); }, {}},
        {"MousePointer", 0x68030000, [](P& c) { return Variant(c.m_props.MousePointer); },
         [](P& c, const Variant& v) { c.SetMousePointer(v.ToInt32()); }, {}},
    };
    return table;
}
// clang-format on

// The control's own user-control surface: the painter draws on a canvas of the surface's
// pixel size, which each finished paint copies onto the surface's backing image.
class ProgressBar::OwnSurface : public ControlSite {
public:
    explicit OwnSurface(ProgressBar& bar)
        : m_bar(bar)
    {
        m_frame.setSingleShot(true);
        QObject::connect(&m_frame, &QTimer::timeout, [this] {
            m_sinceUpdate.restart();
            m_bar.Widget()->update();
        });
        m_sinceUpdate.start();
    }

    QImage& Image() override
    {
        const QSize size(m_bar.PixelWidth(), m_bar.PixelHeight());
        if (m_canvas.size() != size)
            m_canvas = size.isEmpty() ? QImage() : QImage(size, QImage::Format_RGB32);
        return m_canvas;
    }
    void Refresh() override
    {
        platform::gdi::BitBlt(m_bar.hDC(), 0, 0, m_canvas.width(), m_canvas.height(),
                              m_source.hdc(), 0, 0, platform::gdi::SRCCOPY);
        m_refreshed = m_bar.Image().cacheKey();
    }
    // The widget's next paint runs the bar's Paint (UserControl_Paint). The window system
    // would paint at every yield of a compile, which sets Value hundreds of thousands of times
    // a second; the screen shows a new picture once a frame, so the widget asks for a paint
    // at most once a frame, and at the latest a frame after the previous one.
    void Invalidate(const std::function<void()>&) override
    {
        if (!m_frame.isActive())
            m_frame.start(int(std::max<qint64>(0, kFrame - m_sinceUpdate.elapsed())));
    }
    // True while the control's backing image holds the last copy Refresh made: a resize or a
    // clear by the host changes it.
    bool ShowsLastRefresh() const { return m_bar.Image().cacheKey() == m_refreshed; }
    void PropertyChanged(std::string_view name) override
    {
        m_bar.PropertyChanged(std::string(name));
    }
    StdFont AmbientFont() const override { return m_bar.Ambient().font; }
    void SetTimerInterval(std::int32_t milliseconds) override
    {
        m_bar.m_timer1->SetInterval(milliseconds);
    }
    void SetMousePointer(std::int16_t pointer) override { m_bar.Control::SetMousePointer(pointer); }
    void SetMouseIcon(const platform::com::Picture& icon) override
    {
        // The icon shows only while MousePointer is 99 (custom); the forms layer's setter
        // would switch to it at once.
        const int pointer = m_bar.Control::MousePointer();
        m_bar.Control::SetMouseIcon(icon.IsNone() ? QCursor()
                                                  : QCursor(QPixmap::fromImage(icon.Image())));
        m_bar.Control::SetMousePointer(pointer);
    }
    void DoEvents() override { DoEventsWithoutInput(); }
    QWidget* Window() const override { return m_bar.Widget(); }

private:
    static constexpr qint64 kFrame = 16; // ms: a screen of 60 Hz

    ProgressBar& m_bar;
    QTimer m_frame;
    QElapsedTimer m_sinceUpdate;
    QImage m_canvas;
    // One DC over the canvas for the control's life: a compile refreshes the bar thousands of
    // times.
    platform::gdi::ImageDC m_source{m_canvas};
    qint64 m_refreshed = 0;
};

ProgressBar::ProgressBar()
    : m_timer1(&AddTimer("Timer1", 0, true))
    , m_own(std::make_unique<OwnSurface>(*this))
{
    SetScaleMode(platform::hosting::vbPixels);
    m_timer1->Timer = [this] { Timer1_Timer(); };
    // Every field starts at zero; only what the surface holds has the surface's defaults.
    m_props.SpecialEffects = zemSpecialEffects(0);
    m_props.FieldEffects = zemFieldEffects(0);
    m_props.OnlyValueFields = false;
    m_props.AnimatedInterval = 0;
    m_props.BarColorType = zemBarColorType(0);
    m_props.ValueType = zemValueType(0);
    m_props.Alignment = zemAlignment(0);
    m_props.TextAlignment = zemTextAlignment(0);
    m_props.BorderColor = 0;
    m_props.StartFillColor = 0;
    m_props.EndFillColor = 0;
    m_props.Value = 0;
    m_props.Min = 0;
    m_props.Max = 0;
    m_props.AspectRatio = 0;
    m_props.Scrolling = zemScrolling(0);
    m_props.MousePointer = 0;
    m_props.BackColor = kSurfaceBackColor;
    m_props.ForeColor = kSurfaceForeColor;
    m_props.Font = m_font;
    SetSite(nullptr);
}

ProgressBar::~ProgressBar()
{
    Terminate();
}

HRESULT ProgressBar::QueryInterface(const Guid& iid, void** out)
{
    if (iid == kIID_ProgressBar)
        return ControlObject::QueryInterface(IDispatch::iid, out);
    return ControlObject::QueryInterface(iid, out);
}

std::vector<Guid> ProgressBar::PropertyPages() const
{
    return {kCLSID_PgbAllgemein, kCLSID_StandardFont, kCLSID_StandardColor, kCLSID_StandardPicture};
}

void ProgressBar::SetSite(ControlSite* site)
{
    m_surface.reset();
    m_site = site ? site : m_own.get();
    m_surface = std::make_unique<PaintSurface>(m_site->Image());
    m_requested.reset();
    m_due = false;
    m_site->SetTimerInterval(m_timerInterval);
    m_site->SetMousePointer(m_props.MousePointer);
    m_site->SetMouseIcon(m_mouseIcon);
}

template <class T>
void ProgressBar::Store(T& field, const T& value, const char* name, Repaint repaint)
{
    field = value;
    Changed(name, repaint);
}

void ProgressBar::Changed(const char* name, Repaint repaint)
{
    m_site->PropertyChanged(name);
    if (repaint == Repaint::Always || m_props.BarColorType != zemBarColorType::zemAnimated)
        RepaintChanged();
}

void ProgressBar::SetTimer(std::int32_t interval)
{
    m_timerInterval = interval;
    m_site->SetTimerInterval(interval);
}

void ProgressBar::SetPaintDeferred(bool on)
{
    g_deferred = on;
}

void ProgressBar::DrawProgress()
{
    // A surface of no size has nothing to paint on.
    if (!m_surface || m_site->Image().isNull())
        return;
    m_requested = KeyOf(m_props, m_anim, *m_surface, m_site->Image());
    m_due = true;
    Paint();
    m_site->DoEvents();
}

void ProgressBar::Paint()
{
    if (!m_due)
        return;
    m_due = false;
    if (!m_surface || m_site->Image().isNull())
        return;
    kolvetra::DrawProgress(m_props, m_anim, *m_surface);
    m_site->Refresh();
    m_drawn = m_site->Image().cacheKey();
}

void ProgressBar::UserControl_Paint()
{
    if (m_site == m_own.get())
        Paint();
}

bool ProgressBar::Untouched() const
{
    return m_site->Image().cacheKey() == m_drawn &&
           (m_site != m_own.get() || m_own->ShowsLastRefresh());
}

void ProgressBar::RepaintChanged()
{
    if (!m_surface || m_site->Image().isNull())
        return;
    PictureKey key = KeyOf(m_props, m_anim, *m_surface, m_site->Image());
    // The compilers set Value once per row of thousands; most sets move no pixel. When in doubt
    // (another surface image, a host that drew on the control) the key differs and it paints.
    if (m_requested && (m_due || Untouched()) && key == *m_requested)
        return;
    m_requested = std::move(key);
    if (!m_due) {
        m_due = true;
        m_site->Invalidate([this] { Paint(); });
    }
    if (!g_deferred)
        Paint();
    m_site->DoEvents();
}

void ProgressBar::SetFontProperty(const StdFont& font)
{
    m_font = font;
    m_props.Font = font;
    Changed("Font", Repaint::UnlessAnimated);
}

void ProgressBar::SetCaption(const std::string& value)
{
    Store(m_props.Caption, value, "Caption", Repaint::UnlessAnimated);
}

void ProgressBar::SetSpecialEffects(zemSpecialEffects value)
{
    Store(m_props.SpecialEffects, value, "SpecialEffects", Repaint::UnlessAnimated);
}

void ProgressBar::SetFieldEffects(zemFieldEffects value)
{
    Store(m_props.FieldEffects, value, "FieldEffects", Repaint::UnlessAnimated);
}

void ProgressBar::SetOnlyValueFields(bool value)
{
    Store(m_props.OnlyValueFields, value, "OnlyValueFields", Repaint::Always);
}

void ProgressBar::SetBarColorType(zemBarColorType value)
{
    // The animation position is kept, so a return to the animated mode resumes from there.
    m_props.BarColorType = value;
    m_site->PropertyChanged("BarColorType");
    SetTimer(value == zemBarColorType::zemAnimated ? kAnimatedTick : 0);
    DrawProgress();
}

void ProgressBar::SetValueType(zemValueType value)
{
    Store(m_props.ValueType, value, "ValueType", Repaint::UnlessAnimated);
}

void ProgressBar::SetScrolling(zemScrolling value)
{
    Store(m_props.Scrolling, value, "Scrolling", Repaint::UnlessAnimated);
}

void ProgressBar::SetAspectRatio(double value)
{
    Store(m_props.AspectRatio, value, "AspectRatio", Repaint::UnlessAnimated);
}

void ProgressBar::SetPicture(const platform::com::Picture& picture)
{
    m_picture = picture;
    m_props.Picture = ToPainterPicture(picture);
    Changed("Picture", Repaint::UnlessAnimated);
}

void ProgressBar::SetAlignment(zemAlignment value)
{
    Store(m_props.Alignment, value, "Alignment", Repaint::UnlessAnimated);
}

void ProgressBar::SetAnimatedInterval(std::int32_t value)
{
    Store(m_props.AnimatedInterval, value, "AnimatedInterval", Repaint::UnlessAnimated);
}

void ProgressBar::SetTextAlignment(zemTextAlignment value)
{
    Store(m_props.TextAlignment, value, "TextAlignment", Repaint::UnlessAnimated);
}

void ProgressBar::SetBorderColor(OLE_COLOR value)
{
    Store(m_props.BorderColor, value, "BorderColor", Repaint::UnlessAnimated);
}

void ProgressBar::SetStartFillColor(OLE_COLOR value)
{
    Store(m_props.StartFillColor, value, "StartFillColor", Repaint::UnlessAnimated);
}

void ProgressBar::SetEndFillColor(OLE_COLOR value)
{
    Store(m_props.EndFillColor, value, "EndFillColor", Repaint::UnlessAnimated);
}

void ProgressBar::SetBackColor(OLE_COLOR value)
{
    Store(m_props.BackColor, value, "BackColor", Repaint::UnlessAnimated);
}

void ProgressBar::SetMin(double value)
{
    Store(m_props.Min, value, "Min", Repaint::UnlessAnimated);
}

void ProgressBar::SetMax(double value)
{
    m_props.Max = value;
    // Pulled down, Value stays down when Max rises again.
    if (value < m_props.Value)
        SetValue(value);
    Changed("Max", Repaint::UnlessAnimated);
}

void ProgressBar::SetTextAfterValue(const std::string& value)
{
    Store(m_props.TextAfterValue, value, "TextAfterValue", Repaint::UnlessAnimated);
}

void ProgressBar::SetTextBeforeValue(const std::string& value)
{
    Store(m_props.TextBeforeValue, value, "TextBeforeValue", Repaint::Always);
}

void ProgressBar::SetValue(double value)
{
    // A value above Max is dropped without a word, yet reported (and repainted unless the
    // surface already shows the picture); the first read of "Value" while loading relies on it.
    if (!(value > m_props.Max))
        m_props.Value = value;
    Changed("Value", Repaint::UnlessAnimated);
}

void ProgressBar::SetForeColor(OLE_COLOR value)
{
    Store(m_props.ForeColor, value, "ForeColor", Repaint::UnlessAnimated);
}

void ProgressBar::SetMouseIcon(const platform::com::Picture& icon)
{
    m_site->SetMouseIcon(icon);
    m_mouseIcon = icon;
    m_props.MouseIcon = ToPainterPicture(icon);
    m_site->PropertyChanged("MouseIcon");
}

void ProgressBar::SetMousePointer(std::int32_t value)
{
    if (value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max())
        platform::Raise(6);
    m_site->SetMousePointer(static_cast<std::int16_t>(value));
    m_props.MousePointer = static_cast<std::int16_t>(value);
    m_site->PropertyChanged("MousePointer");
}

void ProgressBar::ShowAboutBox()
{
    try {
        ShowAbout(m_site->Window());
    } catch (...) {
        // The dialog simply does not appear.
    }
}

void ProgressBar::UserControl_InitProperties()
{
    m_font = m_site->AmbientFont();
    m_props.Font = m_font;
    SetValue(0);
    SetMin(0);
    SetMax(100);
    SetBorderColor(0x404040);
    SetBackColor(0x8000000A);
    SetStartFillColor(0x80);
    SetEndFillColor(0x80);
    SetForeColor(0x80000008);
    SetAspectRatio(1.5);
    m_props.ValueType = zemValueType::zemPrecentage;
    m_props.Caption.clear();
    m_props.OnlyValueFields = true;
    SetTextAlignment(zemTextAlignment::zemCenter);
    m_props.BarColorType = zemBarColorType::zemGradient;
    m_props.AnimatedInterval = 100;
    SetValue(m_props.Min);
    m_props.FieldEffects = zemFieldEffects::zemRaisedField;
}

void ProgressBar::UserControl_ReadProperties(const PropertyBag& bag)
{
    const StdFont ambient = m_site->AmbientFont();
    SetFontProperty(bag.ReadProperty("Font", Variant(ambient)).ToFont());
    SetSpecialEffects(EnumPut<zemSpecialEffects>(bag.ReadProperty("SpecialEffects", Variant(0))));
    m_props.FieldEffects = EnumPut<zemFieldEffects>(bag.ReadProperty("FieldEffects", Variant(4)));
    m_props.OnlyValueFields = bag.ReadProperty("OnlyValueFields", Variant(true)).ToBool();
    SetAnimatedInterval(bag.ReadProperty("AnimatedInterval", Variant(100)).ToInt32());
    SetBarColorType(EnumPut<zemBarColorType>(bag.ReadProperty("BarColorType", Variant(0))));
    SetCaption(bag.ReadProperty("Caption", Variant("")).ToString());
    SetValueType(EnumPut<zemValueType>(bag.ReadProperty("ValueType", Variant(1))));
    SetAlignment(EnumPut<zemAlignment>(bag.ReadProperty("Alignment", Variant(0))));
    SetTextAlignment(EnumPut<zemTextAlignment>(bag.ReadProperty("TextAlignment", Variant(0))));
    SetBorderColor(ColorPut(bag.ReadProperty("BorderColor", ColorGet(0x404040))));
    SetBackColor(ColorPut(bag.ReadProperty("BackColor", ColorGet(0x8000000A))));
    SetStartFillColor(ColorPut(bag.ReadProperty("StartFillColor", ColorGet(0x80))));
    SetEndFillColor(ColorPut(bag.ReadProperty("EndFillColor", ColorGet(0x80))));
    SetForeColor(ColorPut(bag.ReadProperty("ForeColor", ColorGet(0x80000008))));
    // Max is still 0 here, so only a stored value not above 0 stays; the second read below,
    // once Min and Max are in, restores the rest.
    SetValue(bag.ReadProperty("Value", Variant(0)).ToDouble());
    SetMin(bag.ReadProperty("Min", Variant(0)).ToDouble());
    SetMax(bag.ReadProperty("Max", Variant(100)).ToDouble());
    SetTextBeforeValue(bag.ReadProperty("TextBeforeValue", Variant("")).ToString());
    SetTextAfterValue(bag.ReadProperty("TextAfterValue", Variant("")).ToString());
    SetValue(bag.ReadProperty("Value", Variant(m_props.Min)).ToDouble());
    SetAspectRatio(bag.ReadProperty("AspectRatio", Variant(1.5)).ToDouble());
    SetPicture(bag.ReadProperty("Picture", Variant(platform::com::Picture())).ToPicture());
    SetScrolling(EnumPut<zemScrolling>(bag.ReadProperty("Scrolling", Variant(0))));
    SetMouseIcon(bag.ReadProperty("MouseIcon", Variant(platform::com::Picture())).ToPicture());
    m_props.MousePointer = bag.ReadProperty("MousePointer", Variant(0)).ToInt16();
    m_site->SetMousePointer(m_props.MousePointer);
}

void ProgressBar::UserControl_WriteProperties(PropertyBag& bag)
{
    const StdFont ambient = m_site->AmbientFont();
    const auto& p = m_props;
    bag.WriteProperty("Font", Variant(m_font), Variant(ambient));
    bag.WriteProperty("SpecialEffects", EnumGet(p.SpecialEffects), Variant(0));
    bag.WriteProperty("FieldEffects", EnumGet(p.FieldEffects), Variant(4));
    bag.WriteProperty("OnlyValueFields", Variant(p.OnlyValueFields), Variant(true));
    bag.WriteProperty("AnimatedInterval", Variant(p.AnimatedInterval), Variant(100));
    bag.WriteProperty("BarColorType", EnumGet(p.BarColorType), Variant(0));
    bag.WriteProperty("Caption", Variant(p.Caption), Variant(""));
    bag.WriteProperty("ValueType", EnumGet(p.ValueType), Variant(1));
    bag.WriteProperty("Alignment", EnumGet(p.Alignment), Variant(0));
    bag.WriteProperty("TextAlignment", EnumGet(p.TextAlignment), Variant(0));
    bag.WriteProperty("BorderColor", ColorGet(p.BorderColor), ColorGet(0x404040));
    bag.WriteProperty("BackColor", ColorGet(p.BackColor), ColorGet(0x8000000A));
    bag.WriteProperty("StartFillColor", ColorGet(p.StartFillColor), ColorGet(0x80));
    bag.WriteProperty("EndFillColor", ColorGet(p.EndFillColor), ColorGet(0x80));
    bag.WriteProperty("ForeColor", ColorGet(p.ForeColor), ColorGet(0x80000008));
    bag.WriteProperty("Value", Variant(p.Value), Variant(p.Min));
    bag.WriteProperty("Min", Variant(p.Min), Variant(0));
    bag.WriteProperty("Max", Variant(p.Max), Variant(100));
    bag.WriteProperty("TextBeforeValue", Variant(p.TextBeforeValue), Variant(""));
    bag.WriteProperty("TextAfterValue", Variant(p.TextAfterValue), Variant(""));
    bag.WriteProperty("AspectRatio", Variant(p.AspectRatio), Variant(1.5));
    bag.WriteProperty("Picture", Variant(m_picture), Variant(platform::com::Picture()));
    bag.WriteProperty("Scrolling", EnumGet(p.Scrolling), Variant(0));
    bag.WriteProperty("MouseIcon", Variant(m_mouseIcon), Variant(platform::com::Picture()));
    bag.WriteProperty("MousePointer", Variant(p.MousePointer), Variant(0));
}

void ProgressBar::UserControl_Click()
{
    RaiseEvent(1, "Click");
}

void ProgressBar::UserControl_DblClick()
{
    RaiseEvent(2, "DblClick");
}

void ProgressBar::RaiseMouse(DispId id, const char* name, std::int16_t& button, std::int16_t& shift,
                             float& x, float& y)
{
    std::vector<Variant> args{Variant(button), Variant(shift), Variant(double(x)),
                              Variant(double(y))};
    RaiseEvent(id, name, args);
    // By reference: a handler may have changed them.
    button = args[0].ToInt16();
    shift = args[1].ToInt16();
    x = float(args[2].ToDouble());
    y = float(args[3].ToDouble());
}

void ProgressBar::UserControl_MouseDown(std::int16_t& button, std::int16_t& shift, float& x,
                                        float& y)
{
    RaiseMouse(3, "MouseDown", button, shift, x, y);
}

void ProgressBar::UserControl_MouseMove(std::int16_t& button, std::int16_t& shift, float& x,
                                        float& y)
{
    RaiseMouse(4, "MouseMove", button, shift, x, y);
}

void ProgressBar::UserControl_MouseUp(std::int16_t& button, std::int16_t& shift, float& x, float& y)
{
    RaiseMouse(5, "MouseUp", button, shift, x, y);
}

void ProgressBar::UserControl_Resize()
{
    DrawProgress();
    RaiseEvent(6, "Resize");
}

void ProgressBar::UserControl_Show()
{
    DrawProgress();
}

void ProgressBar::UserControl_Terminate()
{
    m_timer1->SetInterval(0);
}

void ProgressBar::Timer1_Timer()
{
    const QImage& image = m_site->Image();
    AdvanceAnimation(m_anim, m_props, float(image.width()), float(image.height()));
    DrawProgress();
}

} // namespace kolvetra
