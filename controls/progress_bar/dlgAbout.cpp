#include "controls/progress_bar/dlgAbout.h"

#include <QIcon>
#include <QLinearGradient>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include <string>

#include "controls/private/indicator_host.h"
#include "controls/progress_bar/identity.h"
#include "platform/forms/forms.h"

namespace kolvetra {

using namespace platform::forms;

namespace {

constexpr OleColor kTitleBack = 0x404040;
constexpr OleColor kWhite = RGB(255, 255, 255);
constexpr OleColor kBlack = RGB(0, 0, 0);

// clang-format off
constexpr ControlDef kControls[] = {
    {Kind::Label,         "lblTitle",       "", 60,   60,   5040, 375,  "Fortschrittsanzeige-Steuerlemente", -1, kAlignCenter, {"Tahoma", 12, true}, kWhite, kTitleBack},
    {Kind::PictureBox,    "Picture1",       "", 60,   480,  1560, 1560, "", -1, kNoBorder},
    {Kind::Label,         "Label3(0)",      "", 1800, 480,  3255, 255,  "ProgressWheel",   -1, kTransparent, {"Tahoma", 9.75}, kBlack},
    {Kind::Label,         "Label3(1)",      "", 1800, 780,  3255, 255,  "ProgressBar",     -1, kTransparent, {"Tahoma", 9.75}, kBlack},
    {Kind::Label,         "Label3(2)",      "", 1800, 1080, 3255, 255,  "ProgressSlider",  -1, kTransparent, {"Tahoma", 9.75}, kBlack},
    {Kind::Label,         "Label3(3)",      "", 1800, 1380, 3255, 255,  "ProgressCounter", -1, kTransparent, {"Tahoma", 9.75}, kBlack},
    {Kind::Line,          "Line1(1)",       "", 1800, 1680, 5070, 1680},
    {Kind::Label,         "lblVersion",     "", 1800, 1740, 945,  225,  "", -1, kTransparent, {"Tahoma", 8.25}},
    {Kind::Label,         "Label1",         "", 2820, 1740, 1125, 225,  "", -1, kTransparent, {"Tahoma", 8.25}},
    {Kind::CommandButton, "Command1",       "", 4020, 1680, 1095, 315,  "OK", -1, 0, {"Tahoma", 8.25}},
    {Kind::Label,         "lblDescription", "", 60,   2040, 3900, 225,  "Fortschrittsanzeigen f\xFCr Quorvel", -1, kTransparent, {"Tahoma", 8.25}},
    {Kind::Line,          "Line1(0)",       "", 0,    2280, 5160, 2280},
    {Kind::Label,         "Label2",         "", 60,   2340, 5040, 795,  "Die Bibliothek registriert sich selbst (regsvr) und wird von ihren Hosts \xFC" "ber das Komponentenmodell geladen.", -1, kTransparent, {"Tahoma", 8.25}},
};
// clang-format on

AboutObserver& Observer()
{
    static AboutObserver observer;
    return observer;
}

} // namespace

dlgAbout::dlgAbout()
    : Form("dlgAbout")
{
    SetCaption("Info zu den Kolvetra-Steuerelementen");
    SetBorderStyle(BorderStyle::SizableToolWindow);
    SetStartUpPosition(vbStartUpManual);
    SetClientSize(5130, 3195);
    Create(kControls);
    Ctl<PictureBox>("Picture1").SetPicture(KolvetraLogo(104));
    Window()->setWindowIcon(QIcon(KolvetraLogo(32)));
    connectHandlers();
}

void dlgAbout::connectHandlers()
{
    Ctl<CommandButton>("Command1").Click = [this] { Command1_Click(); };
}

void dlgAbout::Form_Load()
{
    Ctl<Label>("lblVersion")
        .SetCaption("Version " + std::to_string(kFileVersion.major) + "." +
                    std::to_string(kFileVersion.minor));
    Ctl<Label>("Label1").SetCaption("Revision " + std::to_string(kFileVersion.revision));
}

void dlgAbout::Command1_Click()
{
    // Hiding ends the modal display; the caller unloads.
    Hide();
}

namespace {

// The private indicators show the same dialog as the published control.
[[maybe_unused]] const bool kIndicatorsShowThisDialog = (
    LibraryAboutBox() = [] { ShowAbout(nullptr); }, true);

} // namespace

void ShowAbout(QWidget* owner)
{
    dlgAbout dialog;
    if (!dialog.Load())
        return;
    QWidget* window = dialog.Window();
    // The stated client area stands: the lower line runs two pixels past it and is cut there,
    // as the original's was, instead of widening the dialog to hold it.
    window->ensurePolished();
    if (owner) {
        const QRect area = owner->window()->frameGeometry();
        window->move(area.center() - QPoint(window->width() / 2, window->height() / 2));
    }
    if (Observer()) {
        // Runs inside the modal loop, once the dialog is on the screen.
        QTimer::singleShot(0, window, [&dialog] {
            if (Observer())
                Observer()(dialog);
        });
    }
    dialog.Show(vbModal);
    dialog.Unload();
}

AboutObserver SetAboutObserver(AboutObserver observer)
{
    AboutObserver previous = std::move(Observer());
    Observer() = std::move(observer);
    return previous;
}

QPixmap KolvetraLogo(int pixels)
{
    // Three stacked bars at different fill levels: the library's progress displays.
    QPixmap pixmap(pixels, pixels);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = pixels / 104.0;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x40, 0x40, 0x40));
    p.drawRoundedRect(QRectF(2 * s, 2 * s, 100 * s, 100 * s), 12 * s, 12 * s);
    const double levels[] = {0.85, 0.55, 0.3};
    for (int i = 0; i < 3; ++i) {
        const QRectF track(14 * s, (18 + i * 26) * s, 76 * s, 16 * s);
        p.setBrush(QColor(0x20, 0x20, 0x20));
        p.drawRect(track);
        QLinearGradient ramp(track.topLeft(), track.topRight());
        ramp.setColorAt(0, QColor(0x80, 0, 0));
        ramp.setColorAt(1, QColor(0xF0, 0x90, 0x20));
        p.setBrush(ramp);
        p.drawRect(QRectF(track.left(), track.top(), track.width() * levels[i], track.height()));
    }
    return pixmap;
}

} // namespace kolvetra
