#include "window_fixture.h"

#include <gtest/gtest.h>

#include <QStyle>
#include <QTabBar>

#include "app/main_window/frmMain/window_controls.h"
#include "tests/app/main_window/frmMain/language_rows.h"
#include "tests/support/render_dir.h"

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
    EXPECT_TRUE(testing_support::SaveRender(m_main->Window()->grab().toImage(),
                                            "window_english_page4.png"));
    EXPECT_TRUE(m_dialogs->shown.empty());
    Click("BreloButton2");
    EXPECT_EQ(quorvel::ButtonCaption(Ctl("BreloButton2")), "Englische Version");
    EXPECT_EQ(Ctl<CheckBox>("Check1").Caption(), "Header benutzen");
    EXPECT_EQ(Ctl<Label>("Label1").Caption(), "Scroll-Tempo");
    EXPECT_TRUE(m_dialogs->shown.empty());
}

// Every one of the 58 texts lands on a control of the real window: a page that names a
// control otherwise than the switch does would keep its German text silently.
TEST_F(WindowLanguage, EveryTextReachesAControlOfTheRealWindow)
{
    auto expectColumn = [&](const char* languagetest::Row::*column, bool stored) {
        for (const languagetest::Row& row : languagetest::kRows) {
            SCOPED_TRACE(std::string(row.control) + " " + std::to_string(row.page));
            ASSERT_NE(m_main->Find(row.control), nullptr);
            std::string expected = languagetest::Cp(row.*column);
            if (stored && std::string(row.control) == "Label3")
                expected = "Gruppenname:";
            if (stored && std::string(row.control) == "SSTab2" && row.page == 4)
                expected = "Formation";
            EXPECT_EQ(languagetest::Read(*m_main, row), expected);
        }
    };
    expectColumn(&languagetest::Row::german, true);
    Click("BreloButton2");
    expectColumn(&languagetest::Row::english, false);
    Click("BreloButton2");
    expectColumn(&languagetest::Row::german, false);
    EXPECT_TRUE(m_dialogs->shown.empty());
}

// Every caption of both tab rows stands whole in its tab, in the stored texts and in both
// languages; the narrow inner row once cut "Formations" to "Format".
TEST_F(WindowLanguage, EveryTabCaptionIsReadable)
{
    m_main->Show();
    Ctl<TabDialog>("SSTab1").SetTab(2);
    DoEvents();
    for (const char* language : {"stored", "English", "German"}) {
        SCOPED_TRACE(language);
        if (std::string(language) != "stored")
            Click("BreloButton2");
        DoEvents();
        for (const char* dialog : {"SSTab1", "SSTab2"}) {
            SCOPED_TRACE(dialog);
            auto* bar = Ctl<TabDialog>(dialog).Widget()->findChild<QTabBar*>();
            const int room = bar->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, bar);
            for (int i = 0; i < bar->count(); ++i) {
                SCOPED_TRACE(bar->tabText(i).toStdString());
                const QRect r = bar->tabRect(i);
                EXPECT_GE(r.width() - room, bar->fontMetrics().horizontalAdvance(bar->tabText(i)));
                EXPECT_GE(r.left(), 0);
                EXPECT_LE(r.right(), bar->width() - 1);
            }
        }
    }
}

} // namespace
