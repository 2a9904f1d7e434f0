#include "xml_script_page.h"

#include <string>

#include "app/main_window/frmMain/window_controls.h"

namespace quorvel {

using namespace platform::forms;

namespace {

constexpr int kPage = 4;
constexpr OleColor kFieldText = RGB(0, 255, 255);
constexpr OleColor kFieldBack = RGB(0, 0, 0);

// The header frame's two resting heights and its step per tick, twips.
constexpr int kFrameClosed = 135;
constexpr int kFrameOpen = 1335;
constexpr int kStep = 20;

// Frame3 comes before the rows inside it.
constexpr ControlDef kControls[] = {
    {Kind::CheckBox, "Check1", "SSTab1", 120, 360, 1815, 255, "Header benutzen", kPage},
    {Kind::Frame, "Frame3", "SSTab1", 120, 600, 7815, kFrameClosed, "Header Einstellungen", kPage,
     kHidden},
    {Kind::TextBox,
     "txtHeadModName",
     "Frame3",
     120,
     240,
     1695,
     285,
     "MyFaction Mod",
     -1,
     0,
     {},
     kFieldText,
     kFieldBack},
    {Kind::TextBox,
     "txtHeadModVersion",
     "Frame3",
     1920,
     240,
     375,
     285,
     "1.0",
     -1,
     0,
     {},
     kFieldText,
     kFieldBack},
    {Kind::TextBox,
     "txtHeadModURL",
     "Frame3",
     2400,
     240,
     2655,
     285,
     "http://www.example.com",
     -1,
     0,
     {},
     kFieldText,
     kFieldBack},
    {Kind::TextBox,
     "txtHeadModAutor",
     "Frame3",
     5160,
     240,
     2175,
     285,
     "MyName",
     -1,
     0,
     {},
     kFieldText,
     kFieldBack},
    {Kind::TextBox,
     "txtHeadModDescr",
     "Frame3",
     120,
     600,
     7215,
     615,
     "Mod description",
     -1,
     kMultiLine,
     {},
     kFieldText,
     kFieldBack},
    {Kind::RichTextBox, "rtfXML", "SSTab1", 120, 840, 9615, 4455, "", kPage},
};

constexpr ControlDef kCreateButton = {
    Kind::CommandButton, "btnCreateXML", "SSTab1",  8280,        360,           1455, 375,
    "Generiere XML",     kPage,          kDisabled, kButtonFont, kSysButtonText};

constexpr struct {
    const char* control;
    const char* toolTip;
} kToolTips[] = {
    {"txtHeadModName", "Name der Mod"},
    {"txtHeadModVersion", "Scriptversion"},
    {"txtHeadModURL", "Homepage"},
    {"txtHeadModAutor", "Autor"},
    {"txtHeadModDescr", "Beschreibung der Mod"},
};

// The borderless notice shown while the script text is built.
class frmWorking : public Form {
public:
    frmWorking()
        : Form("frmWorking")
    {
        SetCaption("please wait");
        SetBorderStyle(BorderStyle::None);
        SetStartUpPosition(vbStartUpScreen);
        SetClientSize(9330, 585);
        Create(ControlDef{Kind::PictureBox, "Picture1", "", 0, 0, 9330, 585});
    }
};

Form& Created(Form& form)
{
    form.Create(kControls);
    for (const auto& tip : kToolTips)
        form.Find(tip.control)->SetToolTipText(tip.toolTip);
    AddButton(form, kCreateButton);
    return form;
}

} // namespace

XmlScriptPage::XmlScriptPage(Form& form)
    : m_form(Created(form))
    , m_check1(form.Ctl<CheckBox>("Check1"))
    , m_frame3(form.Ctl<Frame>("Frame3"))
    , m_txtHeadModName(form.Ctl<TextBox>("txtHeadModName"))
    , m_txtHeadModVersion(form.Ctl<TextBox>("txtHeadModVersion"))
    , m_txtHeadModURL(form.Ctl<TextBox>("txtHeadModURL"))
    , m_txtHeadModAutor(form.Ctl<TextBox>("txtHeadModAutor"))
    , m_txtHeadModDescr(form.Ctl<TextBox>("txtHeadModDescr"))
    , m_rtfXML(form.Ctl<RichTextBox>("rtfXML"))
    , m_btnCreateXML(*form.Find("btnCreateXML"))
    , m_timer6(form.AddTimer("Timer6", 1))
    , m_timer5(form.AddTimer("Timer5", 1))
{
    connectHandlers();
}

void XmlScriptPage::connectHandlers()
{
    m_check1.Click = [this] { Check1_Click(); };
    m_timer6.Timer = [this] { Timer6_Timer(); };
    m_timer5.Timer = [this] { Timer5_Timer(); };
    m_btnCreateXML.Click = [this] { btnCreateXML_Click(); };
}

void XmlScriptPage::Check1_Click()
{
    // The box is disabled at once, not only on the first tick: a second click before that
    // tick would start the other timer too, and the two movements would leave the frame open
    // behind an unticked box.
    m_check1.SetEnabled(false);
    if (m_check1.Value() != vbUnchecked)
        m_timer6.SetEnabled(true);
    else
        m_timer5.SetEnabled(true);
}

void XmlScriptPage::Timer6_Timer()
{
    m_check1.SetEnabled(false);
    m_frame3.SetVisible(true);
    m_frame3.SetHeight(m_frame3.Height() + kStep);
    m_rtfXML.SetHeight(m_rtfXML.Height() - kStep);
    m_rtfXML.SetTop(m_rtfXML.Top() + kStep);
    // At or beyond: a height off the 20-twip grid must still stop the opening.
    if (m_frame3.Height() >= kFrameOpen) {
        m_frame3.SetVisible(true);
        m_check1.SetEnabled(true);
        m_timer6.SetEnabled(false);
    }
}

void XmlScriptPage::Timer5_Timer()
{
    m_check1.SetEnabled(false);
    m_frame3.SetVisible(true);
    m_frame3.SetHeight(m_frame3.Height() - kStep);
    m_rtfXML.SetHeight(m_rtfXML.Height() + kStep);
    m_rtfXML.SetTop(m_rtfXML.Top() - kStep);
    if (m_frame3.Height() <= kFrameClosed) {
        m_frame3.SetVisible(false);
        m_check1.SetEnabled(true);
        m_timer5.SetEnabled(false);
    }
}

void XmlScriptPage::btnCreateXML_Click()
{
    frmWorking working;
    working.Show(vbModeless);
    DoEvents();
    m_rtfXML.SetText("");
    m_rtfXML.SetText("<script>");
    if (m_check1.Value() == vbChecked)
        AddXMLHeader();
    m_rtfXML.SetText(m_rtfXML.Text() + "\r\n</script>");
    working.Unload();
}

void XmlScriptPage::AddXMLHeader()
{
    const std::string q = m_form.Ctl<Label>("Label6").Caption();
    const std::string nl = "\r\n";
    // The field texts go in as typed: nothing is escaped.
    m_rtfXML.SetText(m_rtfXML.Text() + nl + "<header name=" + q + m_txtHeadModName.Text() + q +
                     ">" + nl + nl + "<scriptversion>" + nl + m_txtHeadModVersion.Text() + nl +
                     "</scriptversion>" + nl + nl + "<modurl>" + nl + m_txtHeadModURL.Text() + nl +
                     "</modurl>" + nl + nl + "<author>" + nl + m_txtHeadModAutor.Text() + nl +
                     "</author>" + nl + nl + "<description>" + nl + m_txtHeadModDescr.Text() + nl +
                     "</description>" + nl + "</header>" + nl + nl);
}

} // namespace quorvel
