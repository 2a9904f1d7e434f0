#include "app/main_window/frmMain/language_switch.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include <QImage>
#include <QPixmap>
#include <QString>

#include "app/main_window/frmMain/window_controls.h"
#include "app/main_window/frmMain/xml_script_page.h"
#include "platform/forms/forms.h"
#include "platform/text/cp1252.h"
#include "tests/app/main_window/frmMain/language_rows.h"
#include "tests/app/main_window/frmMain/main_window_fixture.h"
#include "tests/platform/forms/app.h"
#include "tests/support/render_dir.h"

namespace {

using namespace platform::forms;
namespace language = quorvel::language;
using namespace languagetest;

// The window's other controls that hold switched texts, with their stored (German) texts;
// Label3 and the last page of SSTab2 are stored differently from the German column.
constexpr ControlDef kControls[] = {
    {Kind::Frame, "Frame1", "SSTab1", 120, 1080, 9840, 4215, "Projektmanager", 0},
    {Kind::Frame, "Frame2", "SSTab1", 9960, 1080, 15, 4215, "Fraktionen bearbeiten", 0, kHidden},
    {Kind::Frame, "frmnewFaction", "Frame2", 120, 1800, 7575, 2175, "Eigenschaften"},
    {Kind::Label,
     "Label4",
     "SSTab1",
     480,
     840,
     405,
     195,
     "-->",
     0,
     0,
     {"Lucida Console", 9.75, true},
     RGB(255, 128, 0)},
    {Kind::Label, "Label1", "SSTab1", 7680, 840, 975, 255, "Scroll-Tempo", 0},
    {Kind::Label,
     "lblNoProject",
     "Frame1",
     2760,
     1440,
     1455,
     615,
     "Kein Projekt ausgew\xE4hlt!",
     -1,
     0,
     {},
     RGB(255, 0, 0)},
    {Kind::TextBox, "txtdateiname", "Frame1", 2760, 2880, 1470, 285, "Projektname"},
    {Kind::Label, "Label3", "SSTab1", 240, 480, 1215, 255, "Gruppenname:", 1},
    {Kind::Label, "lbl_emphaty_object_destruction", "SSTab1", 240, 960, 2055, 255,
     "object_destruction", 1},
    {Kind::Label, "lbl_emphaty_rms", "SSTab1", 240, 1320, 2055, 255, "random_mission_success", 1},
    {Kind::Label, "lbl_emphaty_rmf", "SSTab1", 240, 1680, 2055, 255, "random_mission_failure", 1},
    {Kind::Label, "lbl_emphaty_rma", "SSTab1", 240, 2040, 2055, 255, "random_mission_abortion", 1},
    {Kind::Label, "lblAktuellEmp", "SSTab1", 2400, 4800, 855, 255, "Aktuell", 1},
    {Kind::Label, "lblGesamtEmp", "SSTab1", 2400, 5040, 855, 255, "Gesamt", 1},
    {Kind::Label, "lblEmphatyList", "SSTab1", 240, 4320, 5055, 255,
     "Es ist normal, das sich die aktive Fraktion auch in der Liste befindet", 1},
    {Kind::TabDialog, "SSTab2", "SSTab1", 120, 840, 6000, 3000,
     "Schiffe|Stimmen|K\xF6rper|Scan|Formation", 2},
    {Kind::Label, "Label15", "SSTab2", 120, 2400, 4000, 255,
     "Doppelklicken um den selektierten Eintrag zu entfernen.", 0},
    {Kind::Label, "Label16", "SSTab2", 120, 2400, 4000, 255,
     "Doppelklicken um den selektierten Eintrag zu entfernen.", 1},
    {Kind::Label, "Label17", "SSTab2", 120, 2400, 4000, 255,
     "Doppelklicken um den selektierten Eintrag zu entfernen.", 2},
    {Kind::Label, "Label19", "SSTab2", 120, 2400, 4000, 255,
     "Doppelklicken um den selektierten Eintrag zu entfernen.", 4},
    {Kind::Label, "Label20", "SSTab1", 6240, 840, 2000, 255, "Vorname m\xE4nnlich (IDS)", 2},
    {Kind::Label, "Label21", "SSTab1", 6240, 1200, 2000, 255, "Vorname weiblich (IDS)", 2},
    {Kind::Label, "Label22", "SSTab1", 6240, 1560, 2000, 255, "Nachname (IDS)", 2},
    {Kind::Label, "Label29", "SSTab1", 6240, 1920, 2000, 255, "Fracht scannen?", 2},
    {Kind::Label, "lblFactions", "Frame2", 120, 240, 1500, 255, "Fraktionen gesamt:"},
    {Kind::Label, "Label31", "SSTab1", 2400, 4800, 855, 255, "Aktuell", 3},
    {Kind::Label, "Label26", "SSTab1", 2400, 5040, 855, 255, "Gesamt", 3},
    {Kind::Label, "Label25", "SSTab1", 3600, 5040, 855, 255, "Gesamt", 3},
};

constexpr ControlDef kButtons[] = {
    {Kind::CommandButton, "BreloButton3", "", 6600, 5520, 375, 375, "?", -1, 0, {nullptr, 0, true}},
    {Kind::CommandButton, "BreloButton2", "", 7080, 5520, 1455, 375, "Englische Version"},
    {Kind::CommandButton, "BreloButton1", "", 8640, 5520, 1335, 375, "&Beenden"},
    {Kind::CommandButton, "BreloButton4", "Frame1", 2760, 240, 1455, 255, "Aktualisieren"},
    {Kind::CommandButton, "BreloButton5", "Frame1", 2760, 600, 1455, 255, "L\xF6schen"},
    {Kind::CommandButton, "BreloButton7", "Frame1", 2760, 3360, 1455, 255, "Neu..."},
    {Kind::CommandButton, "BreloButton6", "Frame1", 2760, 3720, 1455, 255, "Laden"},
    {Kind::CommandButton, "btnnewfactiondel", "Frame2", 120, 600, 1455, 255, "&L\xF6schen"},
    {Kind::CommandButton, "btnnewfactionnew", "Frame2", 1680, 600, 1455, 255, "Neu/Speichern"},
    {Kind::CommandButton, "btnnewfactionreload", "Frame2", 3240, 600, 1455, 255, "Neu einlesen"},
    {Kind::CommandButton, "btnImport", "Frame2", 4800, 600, 1455, 255, "Importiere Original"},
    {Kind::CommandButton, "btnImportAll", "Frame2", 6360, 600, 1455, 255, "Alle importieren"},
    {Kind::CommandButton, "btnEmphatySave", "SSTab1", 7680, 4800, 1455, 375, "INI erstellen", 1},
    {Kind::CommandButton, "btnCompileFP", "SSTab1", 7680, 4800, 1455, 375, "INI erstellen", 2},
    {Kind::CommandButton, "BreloButton13", "SSTab1", 7680, 4800, 1455, 375, "INI erstellen", 3},
    {Kind::CommandButton, "BreloButton8", "SSTab2", 4200, 2040, 975, 255, "Neu...", 2},
    {Kind::CommandButton, "BreloButton9", "SSTab2", 4200, 2040, 975, 255, "Neu", 0},
    {Kind::CommandButton, "BreloButton10", "SSTab2", 4200, 2040, 975, 255, "Neu", 1},
    {Kind::CommandButton, "BreloButton11", "SSTab2", 4200, 2040, 975, 255, "Neu", 3},
    {Kind::CommandButton, "BreloButton12", "SSTab2", 4200, 2040, 975, 255, "Neu", 4},
};

class LanguageSwitchTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { formstest::App(); }

    LanguageSwitchTest()
        : form("frmMain")
    {
        mainwindowtest::CreateWindowFrame(form);
        form.Create(kControls);
        for (const ControlDef& def : kButtons)
            quorvel::AddButton(form, def);
        xmlPage = std::make_unique<quorvel::XmlScriptPage>(form);
    }

    void ExpectColumn(const char* Row::*column)
    {
        for (const Row& row : kRows) {
            SCOPED_TRACE(std::string(row.control) + " " + std::to_string(row.page));
            EXPECT_EQ(Read(form, row), Cp(row.*column));
        }
    }

    std::string Button2() { return quorvel::ButtonCaption(*form.Find("BreloButton2")); }

    Form form;
    std::unique_ptr<quorvel::XmlScriptPage> xmlPage;
};

TEST_F(LanguageSwitchTest, EveryTextOfBothLanguages)
{
    ASSERT_EQ(std::size(kRows), 58u);
    EXPECT_EQ(form.Ctl<Label>("Label3").Caption(), "Gruppenname:");
    EXPECT_EQ(form.Ctl<TabDialog>("SSTab2").TabCaption(4), "Formation");
    language::English(form);
    ExpectColumn(&Row::english);
    language::German(form);
    ExpectColumn(&Row::german);
    EXPECT_EQ(form.Ctl<Label>("Label3").Caption(), "Gruppenname");
    EXPECT_EQ(form.Ctl<TabDialog>("SSTab2").TabCaption(4), "Formationen");
}

TEST_F(LanguageSwitchTest, OnlyTheProjectNameBoxChangesItsText)
{
    form.Ctl<TextBox>("txtdateiname").SetText("MyNewProject");
    form.Ctl<TextBox>("txtHeadModName").SetText("Typed name");
    form.Ctl<RichTextBox>("rtfXML").SetText("<script>");
    EventLog log;
    language::English(form);
    // No event beyond the project-name box's own Change: no page switch, no check-box click.
    EXPECT_EQ(log.Take(), (formstest::Events{"txtdateiname_Change"}));
    EXPECT_EQ(form.Ctl<TextBox>("txtdateiname").Text(), "Projectname");
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round == 0 ? "English" : "German");
        EXPECT_EQ(form.Ctl<TextBox>("txtHeadModName").Text(), "Typed name");
        EXPECT_EQ(form.Ctl<RichTextBox>("rtfXML").Text(), "<script>");
        EXPECT_EQ(quorvel::ButtonCaption(*form.Find("BreloButton3")), "?");
        EXPECT_EQ(form.Find("txtHeadModVersion")->ToolTipText(), "Scriptversion");
        EXPECT_EQ(form.Find("txtHeadModURL")->ToolTipText(), "Homepage");
        EXPECT_EQ(form.Ctl<Label>("Label4").Caption(), "-->");
        EXPECT_EQ(form.Ctl<Label>("lbl_emphaty_rms").Caption(), "random_mission_success");
        const auto& tabs = form.Ctl<TabDialog>("SSTab1");
        EXPECT_EQ(tabs.TabCaption(1), "Emphaty.ini");
        EXPECT_EQ(tabs.TabCaption(4), "XML-Script");
        EXPECT_EQ(tabs.Tab(), 0);
        language::German(form);
    }
    EXPECT_EQ(form.Ctl<TextBox>("txtdateiname").Text(), "Projektname");
}

TEST_F(LanguageSwitchTest, TheButtonCaptionPicksTheLanguage)
{
    struct Case {
        const char* name;
        const char* caption;
        bool english;
    };
    const Case cases[] = {
        {"stored caption", "Englische Version", true},
        {"after a switch", "German Version", false},
        {"other letter case", "englische version", false},
        {"trailing blank", "Englische Version ", false},
        {"empty", "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        quorvel::SetButtonCaption(*form.Find("BreloButton2"), c.caption);
        language::BreloButton2_Click(form);
        EXPECT_EQ(form.Ctl<Label>("Label1").Caption(), c.english ? "Scroll-speed" : "Scroll-Tempo");
        EXPECT_EQ(Button2(), c.english ? "German Version" : "Englische Version");
    }
}

TEST_F(LanguageSwitchTest, EachClickSwitchesToTheOtherLanguage)
{
    const char* expected[] = {"Use header", "Header benutzen", "Use header", "Header benutzen"};
    for (const char* caption : expected) {
        language::BreloButton2_Click(form);
        EXPECT_EQ(form.Ctl<CheckBox>("Check1").Caption(), caption);
    }
    ExpectColumn(&Row::german);
}

TEST_F(LanguageSwitchTest, ControlsTheWindowLacksAreSkipped)
{
    Form bare("frmMain");
    EXPECT_NO_THROW(language::English(bare));
    EXPECT_NO_THROW(language::BreloButton2_Click(bare));

    Form some("frmMain");
    some.Create(ControlDef{Kind::Label, "Label29", "", 0, 0, 1000, 255, "Fracht scannen?"});
    quorvel::AddButton(some, ControlDef{Kind::CommandButton, "BreloButton2", "", 0, 300, 1455, 375,
                                        "Englische Version"});
    // A page may still place a plain push button.
    some.Create(
        ControlDef{Kind::CommandButton, "btnEmphatySave", "", 0, 700, 1455, 375, "INI erstellen"});
    language::BreloButton2_Click(some);
    EXPECT_EQ(some.Ctl<Label>("Label29").Caption(), "Scan cargo?");
    EXPECT_EQ(quorvel::ButtonCaption(*some.Find("BreloButton2")), "German Version");
    EXPECT_EQ(some.Ctl<CommandButton>("btnEmphatySave").Caption(), "Create INI");
    language::BreloButton2_Click(some);
    EXPECT_EQ(some.Ctl<Label>("Label29").Caption(), "Fracht scannen?");
}

TEST_F(LanguageSwitchTest, RenderTheWindowInEnglish)
{
    QV_SKIP_UNLESS_RENDERING();
    form.Show();
    language::English(form);
    struct Shot {
        int page;
        const char* file;
    };
    for (const Shot& shot :
         {Shot{0, "language_english_page0.png"}, Shot{2, "language_english_page2.png"},
          Shot{4, "language_english_page4.png"}}) {
        SCOPED_TRACE(shot.file);
        form.Ctl<TabDialog>("SSTab1").SetTab(shot.page);
        DoEvents();
        QImage image = form.Window()->grab().toImage();
        EXPECT_TRUE(testing_support::SaveRender(image, shot.file));
    }
}

} // namespace
