#include "frmAbout.h"

#include "app/image_button/artwork.h"
#include "platform/forms/forms.h"

namespace quorvel {

using namespace platform::forms;

namespace {

constexpr OleColor kStrip = RGB(0, 64, 160);
constexpr OleColor kStripText = RGB(255, 255, 255);

constexpr OleColor kEdge = RGB(64, 64, 64);

// The window has no border of its own; a thin edge keeps it apart from what lies behind.
constexpr ControlDef kControls[] = {
    {Kind::PictureBox,
     "picTitle",
     "",
     0,
     0,
     6105,
     330,
     "",
     -1,
     kNoBorder,
     {},
     kDefaultColor,
     kStrip},
    {Kind::Label,
     "Label2",
     "picTitle",
     120,
     0,
     5520,
     330,
     "Quorvel 2.0",
     -1,
     kTransparent,
     {"MS Sans Serif", 9.75, true},
     kStripText},
    {Kind::Label,
     "Label1",
     "picTitle",
     5760,
     0,
     345,
     330,
     "X",
     -1,
     kAlignCenter | kTransparent,
     {"MS Sans Serif", 9.75, true},
     kStripText},
    {Kind::TabDialog, "SSTab1", "", 120, 450, 5865, 2685, "Programm|Bedienung|Hinweise"},
    {Kind::Label, "Label3", "SSTab1", 240, 480, 5415, 2055,
     "Quorvel 2.0 beta 2\r\n\r\n"
     "Ein Editor f\xFCr die Fraktionsdaten einer Mod: Fraktionsliste, Eigenschaften, "
     "Emphaty und Initialworld eines Projekts, geschrieben bei jeder \xC4nderung und auf "
     "Wunsch in die INI-Dateien des Spiels kompiliert.\r\n\r\n"
     "Ternhallow",
     0},
    {Kind::Label, "Label4", "SSTab1", 240, 480, 5415, 2055,
     "Ein Projekt anlegen: \"Neu...\", den Namen eingeben und Enter dr\xFC"
     "cken.\r\n\r\n"
     "Ein Projekt w\xE4hlen und \"Laden\": die Fraktionsliste erscheint. Mit dem Pfeil "
     "wechselt die Ansicht zwischen Projektmanager und Fraktionsliste.\r\n\r\n"
     "Jede \xC4nderung wird sofort in die Projektdateien geschrieben.",
     1},
    {Kind::Label, "Label5", "SSTab1", 240, 480, 5415, 2055,
     "Die Original-Fraktionen liegen im Ordner \"data\" neben dem Programm, eine Datei je "
     "Fraktion ohne Endung, in emphaty, faction_prop und initialworld.\r\n\r\n"
     "Die Projekte liegen im Ordner \"projects\"; jedes Projekt f\xFChrt sein eigenes "
     "Protokoll.",
     2},
    {Kind::Line, "Line1", "", 0, 3240, 6090, 3240},
    {Kind::Line, "Line2", "", 0, 0, 0, 3240},
    {Kind::Line, "Line3", "", 6090, 0, 6090, 3240},
};

} // namespace

frmAbout::frmAbout()
    : Form("frmAbout")
{
    SetBorderStyle(BorderStyle::None);
    SetStartUpPosition(vbStartUpScreen);
    SetClientSize(6105, 3255);
    Create(kControls);
    for (const char* edge : {"Line1", "Line2", "Line3"})
        Ctl<Line>(edge).SetBorderColor(kEdge);
    Ctl<Label>("Label1").SetMouseIcon(MakeWindowCursor());
    connectHandlers();
}

void frmAbout::connectHandlers()
{
    Ctl<Label>("Label1").Click = [this] { Label1_Click(); };
}

void frmAbout::Label1_Click()
{
    Unload();
}

} // namespace quorvel
