#include "user_control.h"

#include <cmath>

#include <QBitmap>
#include <QMouseEvent>
#include <QPainter>
#include <QShowEvent>
#include <QWidget>

#include "platform/errors/run_time_error.h"
#include "platform/forms/events.h"
#include "platform/forms/mouse_codes.h"
#include "platform/forms/twips.h"
#include "platform/gdi/colour.h"
#include "platform/gdi/font.h"
#include "platform/gdi/mul_div.h"

namespace platform::hosting {

namespace {

enum MouseKind { kPress, kRelease, kDoubleClick, kMove };

double TwipsPerUnit(int mode)
{
    switch (mode) {
    case vbTwips:
        return 1;
    case vbPoints:
        return 20;
    case vbPixels:
        return forms::kTwipsPerPixel;
    default:
        platform::Raise(380);
    }
}

gdi::LogFont DeviceFont(const com::StdFont& font)
{
    gdi::LogFont lf;
    lf.height = -gdi::MulDiv(static_cast<int>(std::lround(font.size)), 96, 72);
    lf.weight = font.bold ? 700 : 400;
    lf.italic = font.italic;
    lf.underline = font.underline;
    lf.strikeOut = font.strikethrough;
    lf.faceName = font.name;
    return lf;
}

} // namespace

class UserControl::Surface : public QWidget {
public:
    UserControl* owner = nullptr;

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (!owner || owner->m_shape.IsHidden())
            return;
        owner->RunPaint();
        QPainter painter(this);
        painter.drawImage(0, 0, owner->m_image);
    }
    void showEvent(QShowEvent* event) override
    {
        QWidget::showEvent(event);
        if (owner && !event->spontaneous())
            owner->Shown();
    }
    void mousePressEvent(QMouseEvent* e) override { Mouse(kPress, e); }
    void mouseReleaseEvent(QMouseEvent* e) override { Mouse(kRelease, e); }
    void mouseDoubleClickEvent(QMouseEvent* e) override { Mouse(kDoubleClick, e); }
    void mouseMoveEvent(QMouseEvent* e) override { Mouse(kMove, e); }

private:
    void Mouse(int kind, QMouseEvent* e)
    {
        if (owner)
            owner->MouseEvent(kind, forms::ButtonsOf(e->button()), forms::ButtonsOf(e->buttons()),
                              forms::ShiftState(e->modifiers()), e->position());
        e->accept();
    }
};

UserControl::UserControl()
    : Control(new Surface)
    , m_surface(static_cast<Surface*>(Widget()))
    , m_dc(std::make_unique<gdi::ImageDC>(m_image))
{
    m_surface->owner = this;
    m_surface->setMouseTracking(true);
    detail::RegisterSurface(m_surface, this);
    SetBackColor(forms::kSysButtonFace);
    SetForeColor(forms::kSysButtonText);
    SetSurfaceFont(m_surfaceFont);
}

UserControl::~UserControl()
{
    m_surface->owner = nullptr;
    for (auto& timer : m_timers)
        timer->SetEnabled(false);
}

bool UserControl::RaiseSurface(const char* event, const std::function<void()>& handler)
{
    return forms::RaiseEvent(ExtenderName() + ".UserControl_" + event, handler);
}

void UserControl::Load(const com::PropertyBag* stored)
{
    if (m_loaded)
        return;
    if (!m_initialized) {
        m_initialized = true;
        RaiseSurface("Initialize", [this] { UserControl_Initialize(); });
    }
    if (stored)
        RaiseSurface("ReadProperties", [this, stored] { UserControl_ReadProperties(*stored); });
    else
        RaiseSurface("InitProperties", [this] { UserControl_InitProperties(); });
    m_loaded = true;
    ResizeImage();
    RaiseSurface("Resize", [this] { UserControl_Resize(); });
    if (m_surface->isVisible())
        Shown();
}

void UserControl::Save(com::PropertyBag& bag)
{
    RaiseSurface("WriteProperties", [this, &bag] { UserControl_WriteProperties(bag); });
}

void UserControl::Terminate()
{
    if (m_terminated)
        return;
    m_terminated = true;
    for (auto& timer : m_timers)
        timer->SetEnabled(false);
    RaiseSurface("Terminate", [this] { UserControl_Terminate(); });
}

void UserControl::Shown()
{
    if (!m_loaded || m_terminated)
        return;
    m_shown = true;
    RaiseSurface("Show", [this] { UserControl_Show(); });
}

AmbientProperties UserControl::Ambient() const
{
    AmbientProperties ambient = m_ambient;
    if (ambient.displayName.empty())
        ambient.displayName = ExtenderName();
    return ambient;
}

std::string UserControl::ExtenderName() const
{
    return m_extenderName.empty() ? Name() : m_extenderName;
}

void UserControl::PropertyChanged(const std::string& name)
{
    if (m_changed.size() >= kChangeRecordLimit)
        m_changed.erase(m_changed.begin(), m_changed.begin() + kChangeRecordLimit / 2);
    m_changed.push_back(name);
    if (PropertyChangedSink)
        PropertyChangedSink(name);
}

void UserControl::SetScaleMode(int mode)
{
    TwipsPerUnit(mode);
    m_scaleMode = mode;
}

float UserControl::ToScale(float pixels) const
{
    return static_cast<float>(pixels * forms::kTwipsPerPixel / TwipsPerUnit(m_scaleMode));
}

float UserControl::ScaleWidth() const
{
    return ToScale(static_cast<float>(m_image.width()));
}

float UserControl::ScaleHeight() const
{
    return ToScale(static_cast<float>(m_image.height()));
}

float UserControl::ScaleX(float value, int fromScale, int toScale) const
{
    return static_cast<float>(value * TwipsPerUnit(fromScale) / TwipsPerUnit(toScale));
}

float UserControl::ScaleY(float value, int fromScale, int toScale) const
{
    return ScaleX(value, fromScale, toScale);
}

void UserControl::Drawn()
{
    // Inside UserControl_Paint the paint under way shows what is drawn.
    if (!m_painting)
        m_surface->update();
}

gdi::HDC UserControl::hDC()
{
    Drawn();
    return m_dc->hdc();
}

QImage& UserControl::Canvas()
{
    Drawn();
    return m_image;
}

void UserControl::RunPaint()
{
    if (m_painting || !m_loaded || m_terminated)
        return;
    m_painting = true;
    try {
        UserControl_Paint();
    } catch (...) {
        // The window system's paint cannot take an error; the surface shows what it holds.
    }
    m_painting = false;
}

HWND UserControl::hWnd() const
{
    return HandleOf(m_surface);
}

gdi::COLORREF UserControl::Rgb(OleColor colour) const
{
    gdi::COLORREF rgb = 0;
    gdi::OleTranslateColor(colour, nullptr, &rgb);
    return rgb;
}

void UserControl::Cls()
{
    if (m_backStyle == 0) {
        m_image.fill(Qt::transparent);
    } else {
        gdi::COLORREF rgb = Rgb(BackColor());
        m_image.fill(QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF));
    }
    Drawn();
}

void UserControl::Circle(float x, float y, float radius)
{
    QPointF centre(ScaleX(x, m_scaleMode, vbPixels), ScaleY(y, m_scaleMode, vbPixels));
    double r = ScaleX(radius, m_scaleMode, vbPixels);
    gdi::COLORREF rgb = Rgb(ForeColor());
    QPainter painter(&m_image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    QPen pen(QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF));
    pen.setWidth(m_drawWidth);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, r, r);
    Drawn();
}

void UserControl::SetDrawWidth(int width)
{
    if (width < 1)
        platform::Raise(380);
    m_drawWidth = width;
    gdi::SetDCPenWidth(m_dc->hdc(), width);
}

void UserControl::SetBackStyle(int style)
{
    m_backStyle = style == 0 ? 0 : 1;
    m_surface->update();
}

void UserControl::SetSurfaceFont(const com::StdFont& font)
{
    m_surfaceFont = font;
    SetFont(font);
}

float UserControl::TextWidth(const std::string& text) const
{
    return ToScale(static_cast<float>(gdi::MeasureText(DeviceFont(m_surfaceFont), text).width));
}

float UserControl::TextHeight(const std::string& text) const
{
    gdi::TextExtent extent = gdi::MeasureText(DeviceFont(m_surfaceFont), text);
    return ToScale(static_cast<float>(extent.ascent + extent.descent));
}

forms::TimerControl& UserControl::AddTimer(const std::string& name, int interval, bool enabled)
{
    m_timers.push_back(std::make_unique<forms::TimerControl>(name, interval, enabled));
    return *m_timers.back();
}

void UserControl::ApplyGeometry()
{
    Control::ApplyGeometry();
    // Before Load the host is still placing the control; Load raises the first Resize.
    if (ResizeImage() && m_loaded)
        RaiseSurface("Resize", [this] { UserControl_Resize(); });
}

bool UserControl::ResizeImage()
{
    QSize size(forms::TwipsToPixels(Width()), forms::TwipsToPixels(Height()));
    if (size == m_image.size())
        return false;
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    gdi::COLORREF rgb = Rgb(BackColor());
    image.fill(m_backStyle == 0 ? QColor(Qt::transparent)
                                : QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF));
    if (!m_image.isNull()) {
        QPainter painter(&image);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(0, 0, m_image);
    }
    m_image = image;
    ApplyShape();
    return true;
}

void UserControl::ApplyColours()
{
    Control::ApplyColours();
    gdi::COLORREF fore = Rgb(ForeColor());
    gdi::SetDCPenColor(m_dc->hdc(), fore);
    gdi::SetTextColor(m_dc->hdc(), fore);
}

void UserControl::ApplyShape()
{
    // An empty shape shows nothing and takes no clicks; the toolkit would read an empty mask
    // as no mask at all, so it is not set as one.
    bool hidden = m_shape.IsHidden();
    m_surface->setAttribute(Qt::WA_TransparentForMouseEvents, hidden);
    if (!hidden && m_shape.IsShaped() && !m_image.isNull())
        m_surface->setMask(QBitmap::fromImage(gdi::WindowMask(m_shape, m_image.size())));
    else
        m_surface->clearMask();
    m_surface->update();
}

void UserControl::MouseEvent(int kind, int button, int buttons, int shift, QPointF pixel)
{
    auto b = static_cast<std::int16_t>(kind == kMove ? buttons : button);
    auto s = static_cast<std::int16_t>(shift);
    float x = ToScale(static_cast<float>(pixel.x()));
    float y = ToScale(static_cast<float>(pixel.y()));
    switch (kind) {
    case kPress:
        m_pressed = button == forms::vbLeftButton;
        RaiseSurface("MouseDown", [&] { UserControl_MouseDown(b, s, x, y); });
        break;
    case kRelease: {
        bool click = m_pressed && button == forms::vbLeftButton &&
                     m_surface->rect().contains(pixel.toPoint());
        m_pressed = false;
        RaiseSurface("MouseUp", [&] { UserControl_MouseUp(b, s, x, y); });
        if (click)
            RaiseSurface("Click", [this] { UserControl_Click(); });
        break;
    }
    case kDoubleClick:
        // The second press of a double click raises DblClick instead of MouseDown, and its
        // release no Click, as the original did.
        m_pressed = false;
        if (button == forms::vbLeftButton)
            RaiseSurface("DblClick", [this] { UserControl_DblClick(); });
        break;
    case kMove:
        RaiseSurface("MouseMove", [&] { UserControl_MouseMove(b, s, x, y); });
        break;
    }
}

} // namespace platform::hosting
