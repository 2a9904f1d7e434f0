#include "window_fixture.h"

#include <gtest/gtest.h>

#include "app/main_window/frmMain/window_controls.h"

namespace {

using namespace platform::forms;

class WindowLanguage : public mainwin_test::WindowTest {};

// The whole window: its language button switches the texts of every page built, and the
// XML script page sits on page 4.
TEST_F(WindowLanguage, TheLanguageButtonSwitchesTheWholeWindow)
{
    ASSERT_EQ(Ctl<CheckBox>("Check1").Page(), 4);
    EXPECT_EQ(quorvel::ButtonCaption(Ctl("BreloButton2")), "Englische Version");
    Click("BreloButton2");
    EXPECT_EQ(quorvel::ButtonCaption(Ctl("BreloButton2")), "German Version");
    EXPECT_EQ(quorvel::ButtonCaption(Ctl("BreloButton1")), "&Exit");
    EXPECT_EQ(Ctl<TabDialog>("SSTab1").TabCaption(0), "Projectmanager");
    EXPECT_EQ(Ctl<Frame>("Frame1").Caption(), "Projectmanager");
    EXPECT_EQ(Ctl<CheckBox>("Check1").Caption(), "Use header");
    EXPECT_EQ(quorvel::ButtonCaption(Ctl("btnCreateXML")), "Generate XML");
    EXPECT_EQ(Ctl<TextBox>("txtdateiname").Text(), "Projectname");
    EXPECT_EQ(Ctl<Label>("lblGesamtEmp").Caption(), "Total");
    m_main->Show();
    Ctl<TabDialog>("SSTab1").SetTab(4);
    DoEvents();
    EXPECT_TRUE(m_main->Window()->grab().toImage().save("/tmp/window_english_page4.png"));
    EXPECT_TRUE(m_dialogs->shown.empty());
    Click("BreloButton2");
    EXPECT_EQ(quorvel::ButtonCaption(Ctl("BreloButton2")), "Englische Version");
    EXPECT_EQ(Ctl<CheckBox>("Check1").Caption(), "Header benutzen");
    EXPECT_EQ(Ctl<Label>("Label1").Caption(), "Scroll-Tempo");
    EXPECT_TRUE(m_dialogs->shown.empty());
}

} // namespace
