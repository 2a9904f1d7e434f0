#include "window_fixture.h"

#include <QListWidget>
#include <QTest>

#include "app/image_button/brelo_button.h"
#include "app/main_window/frmAbout/frmAbout.h"
#include "app/main_window/frmImport/frmImport.h"
#include "app/main_window/frmMain/window_controls.h"
#include "app/project_store/project_paths.h"

namespace {

using namespace platform::forms;
using Strings = std::vector<std::string>;

class MainWindow : public mainwin_test::WindowTest {};

TEST_F(MainWindow, StartsOnPageZeroWithItsStoredState)
{
    MakeProject("beta");
    MakeProject("Alpha");
    ASSERT_TRUE(m_main->Load());
    EXPECT_EQ(m_main->Caption(), "Quorvel 2.0 beta 2 || Ternhallow");
    EXPECT_EQ(m_main->ScaleWidth(), 10125);
    EXPECT_EQ(m_main->ScaleHeight(), 5985);
    EXPECT_EQ(Ctl<TabDialog>("SSTab1").Tab(), 0);
    EXPECT_EQ(Ctl<TabDialog>("SSTab1").TabCaption(2), "Faction_Prop.ini");
    auto& list = Ctl<ListBox>("lstProjects");
    EXPECT_EQ((Strings{list.List(0), list.List(1), list.List(2)}),
              (Strings{"Alpha", "beta", "Mod"}));
    EXPECT_TRUE(Ctl<Frame>("Frame1").Visible());
    EXPECT_FALSE(Ctl<Frame>("Frame2").Visible());
    EXPECT_FALSE(Ctl<TextBox>("txtdateiname").Visible());
    EXPECT_EQ(Ctl<TextBox>("txtZeit").Text(), "80");
    EXPECT_EQ(Ctl<Slider>("Slider1").Value(), 80);
    EXPECT_EQ(quorvel::ButtonCaption(Ctl("BreloButton2")), "Englische Version");
    EXPECT_EQ(Ctl<Label>("Label6").Caption(), "\"");
    for (const char* timer : {"Timer1", "Timer2", "Timer3", "Timer4", "Timer7"})
        EXPECT_FALSE(Running(timer)) << timer;
    EXPECT_TRUE(m_dialogs->shown.empty());
}

TEST_F(MainWindow, MissingFolderAtStartShowsTheErrorAndFailsTheLoad)
{
    for (const char* folder : {"projects", "data/emphaty/original_factions"}) {
        SCOPED_TRACE(folder);
        m_tmp.MakeFolder("projects");
        ::system(("rm -rf '" + (m_tmp / folder) + "'").c_str());
        m_dialogs->shown.clear();
        m_main = std::make_unique<quorvel::frmMain>();
        EXPECT_FALSE(m_main->Load());
        ASSERT_EQ(m_dialogs->shown.size(), 1u);
        EXPECT_EQ(m_dialogs->shown[0].prompt.substr(0, 20), "Run-time error '76':");
    }
}

TEST_F(MainWindow, QuitButtonAndClosingEndTheProgram)
{
    ASSERT_TRUE(m_main->Load());
    Click("BreloButton1");
    EXPECT_EQ(m_ended, 1);
    m_main->Unload();
    EXPECT_EQ(m_ended, 2);
}

TEST_F(MainWindow, NoticeShowsForOneTimerPeriodWhenNothingIsSelected)
{
    ASSERT_TRUE(m_main->Load());
    for (const char* button : {"BreloButton5", "BreloButton6"}) {
        SCOPED_TRACE(button);
        Click(button);
        EXPECT_TRUE(Ctl<Label>("lblNoProject").Visible());
        EXPECT_EQ(m_main->FindTimer("Timer7")->Interval(), 2000);
        EXPECT_EQ(Tick("Timer7", 5), 1);
        EXPECT_FALSE(Ctl<Label>("lblNoProject").Visible());
        EXPECT_TRUE(quorvel::ActiveProject().empty());
        EXPECT_TRUE(m_tmp.Exists("projects/Mod"));
    }
}

TEST_F(MainWindow, NameBoxOpensCreatesOnEnterAndCloses)
{
    ASSERT_TRUE(m_main->Load());
    auto& box = Ctl<TextBox>("txtdateiname");
    Click("BreloButton7");
    EXPECT_EQ(Tick("Timer1", 100), 44);
    EXPECT_EQ(box.Width(), 1470);
    EXPECT_TRUE(box.Visible());

    box.SetText("Neu Eins");
    int key = 'x';
    box.KeyPress(key);
    EXPECT_EQ(key, 'x') << "other keys are typed";
    key = 13;
    box.KeyPress(key);
    EXPECT_EQ(key, 0);
    EXPECT_TRUE(m_tmp.Exists("projects/Neu Eins/Protocol/protocol.txt"));
    EXPECT_EQ(Ctl<ListBox>("lstProjects").List(1), "Neu Eins");
    EXPECT_TRUE(Running("Timer2"));
    EXPECT_EQ(Tick("Timer2", 100), 44);
    EXPECT_EQ(box.Width(), 150);
    EXPECT_FALSE(box.Visible());
    EXPECT_EQ(box.Text(), "Neu Eins");

    // A name that exists shows the creation error and still closes the box.
    Click("BreloButton7");
    Tick("Timer1", 100);
    key = 13;
    box.KeyPress(key);
    ASSERT_EQ(m_dialogs->shown.size(), 1u);
    EXPECT_EQ(m_dialogs->shown[0].prompt.substr(0, 44),
              "An error occured during create your project.");
    EXPECT_EQ(m_dialogs->shown[0].buttons, vbCritical);
    EXPECT_TRUE(Running("Timer2"));
}

TEST_F(MainWindow, NameBoxNeverRunsBothTimersAndComesToRest)
{
    ASSERT_TRUE(m_main->Load());
    auto& box = Ctl<TextBox>("txtdateiname");
    auto& button = Ctl<quorvel::BreloButton>("BreloButton7");
    auto enter = [&] {
        int key = 13;
        box.KeyPress(key);
    };
    struct Case {
        const char* name;
        int opened; // ticks of Timer1 before the second call (-1: open it fully first)
        int closed; // then ticks of Timer2 before it
        bool byEnter;
    };
    const Case cases[] = {
        {"Neu again before the first tick", 0, 0, false},
        {"Neu again while opening", 10, 0, false},
        {"Enter while opening", 10, 0, true},
        {"Neu again while closing", -1, 10, false},
        {"Enter while closing", -1, 10, true},
    };
    int project = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        box.SetText("Name " + std::to_string(++project));
        Click("BreloButton7");
        EXPECT_FALSE(button.Enabled()) << "the button waits while the box moves";
        if (c.opened < 0) {
            Tick("Timer1", 100);
            EXPECT_TRUE(button.Enabled());
            Click("BreloButton7");
        } else {
            Tick("Timer1", c.opened);
        }
        Tick("Timer2", c.closed);
        if (c.byEnter)
            enter();
        else
            Click("BreloButton7");
        for (int tick = 0; tick < 200 && (Running("Timer1") || Running("Timer2")); ++tick) {
            ASSERT_FALSE(Running("Timer1") && Running("Timer2")) << "tick " << tick;
            Tick(Running("Timer1") ? "Timer1" : "Timer2", 1);
        }
        EXPECT_FALSE(Running("Timer1"));
        EXPECT_FALSE(Running("Timer2"));
        const bool open = box.Visible() && box.Width() == 1470;
        const bool closed = !box.Visible() && box.Width() == 150;
        EXPECT_TRUE(open || closed) << box.Visible() << " " << box.Width();
        EXPECT_TRUE(button.Enabled());
        if (open) {
            Click("BreloButton7");
            Tick("Timer2", 100);
        }
    }
}

TEST_F(MainWindow, ClickingAProjectShowsItsProtocolOnly)
{
    MakeProject("Other");
    m_tmp.Put("projects/Other/Protocol/protocol.txt",
              "01/02/24    10:00:00: Project created.\r\n\r\n");
    ASSERT_TRUE(m_main->Load());
    SelectProject("Other");
    EXPECT_EQ(Ctl<RichTextBox>("rtfLog").Text(), "01/02/24    10:00:00: Project created.\r\n\r\n");
    SelectProject("Mod");
    EXPECT_EQ(Ctl<RichTextBox>("rtfLog").Text(), "");
    EXPECT_EQ(quorvel::ActiveProject(), "");
}

TEST_F(MainWindow, ClickingTheSelectedProjectAgainShowsItsNewProtocol)
{
    m_tmp.Put("projects/Mod/Protocol/protocol.txt", "first\r\n");
    ASSERT_TRUE(m_main->Load());
    m_main->Show();
    auto* view = static_cast<QListWidget*>(Ctl("lstProjects").Widget());
    ASSERT_EQ(view->count(), 1);
    const QPoint mod = view->visualItemRect(view->item(0)).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, mod);
    EXPECT_EQ(Ctl<RichTextBox>("rtfLog").Text(), "first\r\n");
    // A compile or an import appended to it meanwhile.
    m_tmp.Put("projects/Mod/Protocol/protocol.txt", "first\r\nsecond\r\n");
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, mod);
    EXPECT_EQ(Ctl<RichTextBox>("rtfLog").Text(), "first\r\nsecond\r\n");
}

// The edits of the three faction tabs stop before writing while no project is loaded: each
// keystroke would otherwise show the refused path.
TEST_F(MainWindow, FactionTabEditsWithoutAProjectStaySilent)
{
    struct Case {
        const char* name;
        const char* picker;
        const char* box;
    };
    const Case cases[] = {
        {"faction properties", "cboFP_group", "txtFPNameMale"},
        {"empathy", "cboemphaty_group", "Combo1"},
        {"initial world", "cboInit_group", "txtInitName"},
    };
    auto type = [&](const char* box) {
        for (const char* text : {"1", "19", "196"}) {
            if (auto* combo = dynamic_cast<ComboBox*>(&Ctl(box)))
                combo->SetText(text);
            else
                Ctl<TextBox>(box).SetText(text);
        }
    };

    // Never loaded: only the faction-property picker takes a typed faction.
    ASSERT_TRUE(m_main->Load());
    Ctl<ComboBox>("cboFP_group").SetText("zx_a");
    type("txtFPNameMale");
    Ctl<OptionButton>("Option2").SetValue(true);
    EXPECT_TRUE(m_dialogs->shown.empty());

    // Loaded, picked on every tab, then deleted.
    m_tmp.Put("projects/Mod/misc/factions.ini", "[zx_a]\r\ngrp=Alpha\r\n");
    SelectProject("Mod");
    Click("BreloButton6");
    for (const Case& c : cases)
        Ctl<ComboBox>(c.picker).SetListIndex(0);
    ASSERT_TRUE(m_dialogs->shown.empty());
    SelectProject("Mod");
    Click("BreloButton5");
    ASSERT_EQ(quorvel::ActiveProject(), "");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        type(c.box);
        Ctl<ComboBox>(c.picker).SetListIndex(0);
        EXPECT_TRUE(m_dialogs->shown.empty());
        EXPECT_FALSE(m_tmp.Exists("projects/Mod"));
    }
}

TEST_F(MainWindow, LoadFillsTheSixListsAndSlidesToTheRegistry)
{
    m_tmp.Put("projects/Mod/misc/factions.ini",
              "[zx_a]\r\ngrp=Alpha\r\nRep=0.5\r\n[zx_b]\r\n\r\n[zx_a]\r\ngrp=again\r\n");
    ASSERT_TRUE(m_main->Load());
    SelectProject("Mod");
    Click("BreloButton6");

    EXPECT_EQ(quorvel::ActiveProject(), "Mod");
    EXPECT_EQ(Ctl<Label>("lblActiveProject").Caption(), "Mod");
    const Strings keys = {"zx_a", "zx_b", "zx_a"};
    EXPECT_EQ(Column("lv_newfactions"), keys);
    EXPECT_EQ(Column("lv_newfactions", 1), (Strings{"Alpha", "[ERROR]", "Alpha"}));
    EXPECT_EQ(Column("lv_emphaty"), keys);
    EXPECT_EQ(Column("lv_emphaty", 2), (Strings{"0.5", "0.0", "0.5"}));
    EXPECT_EQ(Column("lv_Init", 1), (Strings{"Alpha", "[ERROR]", "Alpha"}));
    EXPECT_EQ(Column("lv_Init", 2), (Strings{"0.0", "0.0", "0.0"}));
    EXPECT_EQ(Entries("cboemphaty_group"), keys);
    EXPECT_EQ(Entries("cboInit_group"), keys);
    EXPECT_EQ(Ctl<ComboBox>("cboemphaty_group").ListIndex(), -1);
    EXPECT_EQ(quorvel::BarMax(Ctl("pgLoadProject")), 3);
    EXPECT_EQ(quorvel::BarValue(Ctl("pgLoadProject")), 3);
    EXPECT_EQ(Ctl<Label>("lblFactionsGesamt").Caption(), "3");
    EXPECT_EQ(Ctl<Label>("Label4").Caption(), "<--");
    EXPECT_TRUE(Running("Timer3"));

    // A second Load of a project without registry empties the lists, keeps bar and count.
    MakeProject("Empty");
    quorvel::RefreshProjectList();
    SelectProject("Empty");
    Click("BreloButton6");
    EXPECT_EQ(Column("lv_newfactions"), Strings{});
    EXPECT_EQ(Entries("cboInit_group"), Strings{});
    EXPECT_EQ(quorvel::BarMax(Ctl("pgLoadProject")), 3);
    EXPECT_EQ(Ctl<Label>("lblFactionsGesamt").Caption(), "0");
}

TEST_F(MainWindow, PanesSlideBothWaysInStepsOfTheSpeedBox)
{
    ASSERT_TRUE(m_main->Load());
    auto& frame1 = Ctl<Frame>("Frame1");
    auto& frame2 = Ctl<Frame>("Frame2");
    Click("Label4");
    EXPECT_FALSE(Running("Timer3")) << "no slide before a project is loaded";

    SelectProject("Mod");
    Click("BreloButton6");
    EXPECT_EQ(Tick("Timer3", 500), 122);
    EXPECT_EQ(frame1.Width(), 80);
    EXPECT_FALSE(frame1.Visible());
    EXPECT_EQ(frame2.Width(), 9775);
    EXPECT_EQ(frame2.Left(), 200);
    EXPECT_TRUE(frame2.Visible());

    Click("Label4");
    EXPECT_EQ(Ctl<Label>("Label4").Caption(), "-->");
    EXPECT_FALSE(Running("Timer3"));
    EXPECT_EQ(Tick("Timer4", 500), 122);
    EXPECT_EQ(frame1.Width(), 9840);
    EXPECT_EQ(frame2.Width(), 15);
    EXPECT_EQ(frame2.Left(), 9960);
    EXPECT_TRUE(frame1.Visible());
    EXPECT_FALSE(frame2.Visible());

    // The slider sets the step; at 0 a slide moves nothing and keeps ticking.
    auto& slider = Ctl<Slider>("Slider1");
    slider.SetValue(0);
    slider.Raise("Scroll", slider.Scroll);
    EXPECT_EQ(Ctl<TextBox>("txtZeit").Text(), "0");
    Click("Label4");
    EXPECT_EQ(Tick("Timer3", 50), 50);
    EXPECT_EQ(frame1.Width(), 9840);
    EXPECT_TRUE(Running("Timer3"));

    // A step no frame can take is skipped statement by statement, without a message.
    Ctl<TextBox>("txtZeit").SetText("20000");
    EXPECT_EQ(Tick("Timer3", 5), 1);
    EXPECT_EQ(frame1.Width(), 9840);
    EXPECT_FALSE(frame1.Visible());
    EXPECT_TRUE(m_dialogs->shown.empty());
}

// The speed box is read as the runtime's Val read it; a step that no size can take skips its
// statements, and a text that is no number is a step of 0.
TEST_F(MainWindow, OneSlideTickReadsTheSpeedBoxAsANumber)
{
    struct Case {
        const char* name;
        const char* text;
        int frame1Width; // after one tick towards the registry
        int frame2Width;
        int frame2Left;
        bool frame1Shown;
    };
    const Case cases[] = {
        {"plain", "80", 9760, 95, 9880, true},
        {"trailing text", "80abc", 9760, 95, 9880, true},
        {"blanks inside", " 8 0", 9760, 95, 9880, true},
        {"exponent with D", "2.5d1", 9815, 40, 9935, true},
        {"no number", "abc", 9840, 15, 9960, true},
        {"infinity is no number", "inf", 9840, 15, 9960, true},
        {"hexadecimal is no number", "0x10", 9840, 15, 9960, true},
        {"negative, frame 2 cannot shrink", "-80", 9920, 15, 10040, true},
        {"beyond any size", "1e30", 9840, 15, 9960, false},
    };
    ASSERT_TRUE(m_main->Load());
    SelectProject("Mod");
    Click("BreloButton6");
    auto& frame1 = Ctl<Frame>("Frame1");
    auto& frame2 = Ctl<Frame>("Frame2");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        frame1.Move(frame1.Left(), frame1.Top(), 9840, frame1.Height());
        frame2.Move(9960, frame2.Top(), 15, frame2.Height());
        frame1.SetVisible(true);
        m_main->FindTimer("Timer3")->SetEnabled(true);
        Ctl<TextBox>("txtZeit").SetText(c.text);
        EXPECT_EQ(Tick("Timer3", 1), 1);
        EXPECT_EQ(frame1.Width(), c.frame1Width);
        EXPECT_EQ(frame2.Width(), c.frame2Width);
        EXPECT_EQ(frame2.Left(), c.frame2Left);
        EXPECT_EQ(frame1.Visible(), c.frame1Shown);
    }
    EXPECT_TRUE(m_dialogs->shown.empty());
}

TEST_F(MainWindow, DeletingProjectsKeepsOrClearsTheLoadedOne)
{
    MakeProject("Other");
    m_tmp.Put("projects/Other/misc/factions.ini", "[zx]\r\ngrp=Z\r\n");
    ASSERT_TRUE(m_main->Load());
    SelectProject("Mod");
    Click("BreloButton6");
    Tick("Timer3", 500);

    SelectProject("Other");
    Click("BreloButton5");
    EXPECT_FALSE(m_tmp.Exists("projects/Other"));
    EXPECT_EQ(quorvel::ActiveProject(), "Mod");
    EXPECT_EQ(Ctl<ListBox>("lstProjects").ListCount(), 1);

    SelectProject("Mod");
    Click("BreloButton5");
    EXPECT_FALSE(m_tmp.Exists("projects/Mod"));
    EXPECT_EQ(quorvel::ActiveProject(), "");
    EXPECT_EQ(Ctl<Label>("lblActiveProject").Caption(), "");
    EXPECT_EQ(Ctl<ListBox>("lstProjects").ListCount(), 0);
    Click("Label4");
    EXPECT_FALSE(Running("Timer4")) << "the arrow no longer slides";
    EXPECT_TRUE(m_dialogs->shown.empty());
}

// Folders made outside the program whose names CP1252 cannot hold apart: Delete, Load and
// the protocol view must each reach the picked folder or none.
TEST_F(MainWindow, EveryListedProjectActsOnItsOwnFolder)
{
    const std::string latin1Cafe = "caf\xE9";
    const std::string utf8Cafe = "caf\xC3\xA9";
    const std::string mir = "\xD0\x9C\xD0\xB8\xD1\x80";
    const std::string dom = "\xD0\x94\xD0\xBE\xD0\xBC";
    for (const std::string& name : {latin1Cafe, utf8Cafe, mir, dom}) {
        MakeProject(name);
        m_tmp.Put("projects/" + name + "/Protocol/protocol.txt", "log of " + name);
    }
    ASSERT_TRUE(m_main->Load());
    auto& list = Ctl<ListBox>("lstProjects");
    std::vector<std::string> listed;
    for (int i = 0; i < list.ListCount(); ++i)
        listed.push_back(list.List(i));
    EXPECT_EQ(listed, (std::vector<std::string>{"caf\xE9", "Mod"}));

    SelectProject("caf\xE9");
    Click("lstProjects");
    EXPECT_EQ(Ctl<RichTextBox>("rtfLog").Text(), "log of " + utf8Cafe);
    Click("BreloButton5");
    EXPECT_FALSE(m_tmp.Exists("projects/" + utf8Cafe));
    for (const std::string& kept : {latin1Cafe, mir, dom})
        EXPECT_EQ(m_tmp.Get("projects/" + kept + "/Protocol/protocol.txt"), "log of " + kept);
    // With its twin gone the Latin-1 folder is one of a kind: it is listed and reached.
    EXPECT_EQ(list.ListCount(), 2);
    SelectProject("caf\xE9");
    Click("lstProjects");
    EXPECT_EQ(Ctl<RichTextBox>("rtfLog").Text(), "log of " + latin1Cafe);
    EXPECT_TRUE(m_dialogs->shown.empty());
}

// Folders a user made elsewhere: each one the program can name is listed under that name and
// opened again by it; only what it cannot name, or could not tell from another, stays out.
TEST_F(MainWindow, ProjectsMadeElsewhereAreListedAndOpenedByTheirNames)
{
    struct Case {
        const char* what;
        std::string onDisk;
        const char* listedAs; // nullptr: not listed
    };
    const Case cases[] = {
        {"decomposed UTF-8", "Mo\xCC\x88we", "M\xF6we"},
        {"Latin-1 bytes", "S\xF6ldner", "S\xF6ldner"},
        {"composed UTF-8", "caf\xC3\xA9", "caf\xE9"},
        {"Latin-1 twin of a composed name", "caf\xE9", nullptr},
        {"Cyrillic", "\xD0\x9C\xD0\xB8\xD1\x80", nullptr},
        {"decomposed, with a Latin-1 twin in other case", "A\xCC\x88pfel", nullptr},
        {"Latin-1, with a decomposed twin in other case", "\xE4pfel", nullptr},
    };
    for (const Case& c : cases) {
        MakeProject(c.onDisk);
        m_tmp.Put("projects/" + c.onDisk + "/Protocol/protocol.txt", "log of " + c.onDisk);
    }
    ASSERT_TRUE(m_main->Load());
    auto& list = Ctl<ListBox>("lstProjects");
    Strings listed;
    for (int i = 0; i < list.ListCount(); ++i)
        listed.push_back(list.List(i));
    EXPECT_EQ(listed, (Strings{"caf\xE9", "Mod", "M\xF6we", "S\xF6ldner"}));

    for (const Case& c : cases) {
        if (!c.listedAs)
            continue;
        SCOPED_TRACE(c.what);
        SelectProject(c.listedAs);
        Click("lstProjects");
        EXPECT_EQ(Ctl<RichTextBox>("rtfLog").Text(), "log of " + c.onDisk);
        Click("BreloButton6");
        EXPECT_EQ(quorvel::ActiveProject(), c.listedAs);
        Ctl<TextBox>("txtNewNick").SetText("fc_x");
        Click("btnnewfactionnew");
        EXPECT_EQ(m_tmp.Get("projects/" + c.onDisk + "/misc/factions.ini"),
                  "[fc_x]\r\ngrp=fc_x\r\n");
        EXPECT_EQ(Column("lv_newfactions"), Strings{"fc_x"});
    }
    for (const Case& c : cases) {
        if (!c.listedAs)
            continue;
        SCOPED_TRACE(c.what);
        SelectProject(c.listedAs);
        Click("BreloButton5");
        EXPECT_FALSE(m_tmp.Exists("projects/" + c.onDisk));
    }
    for (const Case& c : cases) {
        if (!c.listedAs)
            EXPECT_EQ(m_tmp.Get("projects/" + c.onDisk + "/Protocol/protocol.txt"),
                      "log of " + c.onDisk)
                << c.what;
    }
    EXPECT_TRUE(m_dialogs->shown.empty());
}

// The project list, the folder list that feeds it and the stock file list of the import
// dialog put names in one order.
TEST_F(MainWindow, EveryListPutsNamesInOneOrder)
{
    const Strings order = {"Mod", "mod_a", "Mod1", "moda", "\xC4pfel"};
    for (const std::string& name : order) {
        if (name != "Mod")
            MakeProject(name);
        PutStock(name, "", "", "");
    }
    ASSERT_TRUE(m_main->Load());
    auto& projects = Ctl<ListBox>("lstProjects");
    auto& folders = static_cast<ListBox&>(Ctl<DirListBox>("Dir1"));
    Strings inProjects;
    Strings inFolders;
    for (int i = 0; i < projects.ListCount(); ++i)
        inProjects.push_back(projects.List(i));
    for (int i = 0; i < folders.ListCount(); ++i)
        inFolders.push_back(folders.List(i));
    EXPECT_EQ(inProjects, order);
    EXPECT_EQ(inFolders, order);

    SelectProject("Mod");
    Click("BreloButton6");
    m_main->ShowImport();
    auto& stock = m_main->ImportDialog().Ctl<FileListBox>("File1");
    Strings inStock;
    for (int i = 0; i < stock.ListCount(); ++i)
        inStock.push_back(stock.List(i));
    EXPECT_EQ(inStock, order);
}

TEST_F(MainWindow, AboutBoxOpensAndClosesOnItsX)
{
    ASSERT_TRUE(m_main->Load());
    Click("BreloButton3");
    quorvel::frmAbout& about = m_main->AboutBox();
    EXPECT_TRUE(about.Visible());
    EXPECT_EQ(about.ScaleWidth(), 6105);
    EXPECT_EQ(about.ScaleHeight(), 3255);
    EXPECT_EQ(about.Ctl<Label>("Label2").Caption(), "Quorvel 2.0");
    EXPECT_TRUE(about.Ctl<Label>("Label2").GetFont().bold);
    Click(about.Ctl<Label>("Label1"));
    EXPECT_FALSE(about.Visible());
}

} // namespace
