#include "app/main_window/frmMain/xml_script_page.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QTest>

#include "app/image_button/brelo_button.h"
#include "app/main_window/frmMain/window_controls.h"
#include "platform/forms/forms.h"
#include "tests/app/main_window/frmMain/main_window_fixture.h"
#include "tests/platform/forms/app.h"
#include "tests/support/render_dir.h"

namespace {

using namespace platform::forms;

class XmlScriptPageTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { formstest::App(); }

    XmlScriptPageTest()
        : form("frmMain")
    {
        mainwindowtest::CreateWindowFrame(form);
        page = std::make_unique<quorvel::XmlScriptPage>(form);
    }

    CheckBox& Check1() { return form.Ctl<CheckBox>("Check1"); }
    Frame& Frame3() { return form.Ctl<Frame>("Frame3"); }
    RichTextBox& rtfXML() { return form.Ctl<RichTextBox>("rtfXML"); }
    TimerControl& Timer6() { return *form.FindTimer("Timer6"); }
    TimerControl& Timer5() { return *form.FindTimer("Timer5"); }
    TextBox& Field(const char* name) { return form.Ctl<TextBox>(name); }

    // Ticks `timer` until it stops; the number of ticks, or -1 when it runs on past `limit`.
    static int TicksUntilStopped(TimerControl& timer, int limit = 1000)
    {
        int ticks = 0;
        while (timer.FireTick())
            if (++ticks > limit)
                return -1;
        return ticks;
    }

    // What the generate button does when clicked; in the window it stays disabled.
    void Generate() { RaiseEvent("btnCreateXML_Click", form.Find("btnCreateXML")->Click); }

    // Whether the "please wait" notice is on the screen.
    static bool NoticeShown()
    {
        for (const QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && w->windowTitle() == "please wait")
                return true;
        return false;
    }

    void Open()
    {
        Check1().SetValue(vbChecked);
        ASSERT_EQ(TicksUntilStopped(Timer6()), 60);
    }

    Form form;
    std::unique_ptr<quorvel::XmlScriptPage> page;
};

TEST_F(XmlScriptPageTest, DesignStateOfThePage)
{
    struct Case {
        const char* name;
        int left, top, width, height;
        const char* toolTip;
    };
    const Case cases[] = {
        {"Check1", 120, 360, -1, -1, ""},
        {"Frame3", 120, 600, 7815, 135, ""},
        {"txtHeadModName", 120, 240, 1695, 285, "Name der Mod"},
        {"txtHeadModVersion", 1920, 240, 375, 285, "Scriptversion"},
        {"txtHeadModURL", 2400, 240, 2655, 285, "Homepage"},
        {"txtHeadModAutor", 5160, 240, 2175, 285, "Autor"},
        {"txtHeadModDescr", 120, 600, 7215, 615, "Beschreibung der Mod"},
        {"rtfXML", 120, 840, 9615, 4455, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Control& control = *form.Find(c.name);
        EXPECT_EQ(control.Left(), c.left);
        EXPECT_EQ(control.Top(), c.top);
        if (c.width >= 0) {
            EXPECT_EQ(control.Width(), c.width);
            EXPECT_EQ(control.Height(), c.height);
        }
        EXPECT_EQ(control.ToolTipText(), c.toolTip);
    }
    // The page's own controls sit on page 4, the fields inside the frame.
    for (const char* name : {"Check1", "Frame3", "rtfXML", "btnCreateXML"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(form.Find(name)->Page(), 4);
    }
    for (const char* name : {"txtHeadModName", "txtHeadModVersion", "txtHeadModURL",
                             "txtHeadModAutor", "txtHeadModDescr"}) {
        SCOPED_TRACE(name);
        const TextBox& field = Field(name);
        EXPECT_EQ(field.Parent(), static_cast<Container*>(&Frame3()));
        EXPECT_EQ(field.ForeColor(), RGB(0, 255, 255));
        EXPECT_EQ(field.BackColor(), RGB(0, 0, 0));
    }
    EXPECT_EQ(Field("txtHeadModName").Text(), "MyFaction Mod");
    EXPECT_EQ(Field("txtHeadModVersion").Text(), "1.0");
    EXPECT_FALSE(Field("txtHeadModURL").Text().empty());
    EXPECT_EQ(Field("txtHeadModAutor").Text(), "MyName");
    EXPECT_EQ(Field("txtHeadModDescr").Text(), "Mod description");
    EXPECT_EQ(Check1().Caption(), "Header benutzen");
    EXPECT_EQ(Check1().Value(), vbUnchecked);
    EXPECT_EQ(Frame3().Caption(), "Header Einstellungen");
    EXPECT_FALSE(Frame3().Visible());
    EXPECT_EQ(rtfXML().Text(), "");
    const auto& button = form.Ctl<quorvel::BreloButton>("btnCreateXML");
    EXPECT_EQ(quorvel::ButtonCaption(button), "Generiere XML");
    EXPECT_FALSE(button.Enabled());
    EXPECT_EQ(button.FontName(), "MS Sans Serif");
    EXPECT_EQ(button.ForeColor(), static_cast<std::int32_t>(kSysButtonText));
    EXPECT_EQ(Timer6().Interval(), 1);
    EXPECT_EQ(Timer5().Interval(), 1);
    EXPECT_FALSE(Timer6().Running());
    EXPECT_FALSE(Timer5().Running());
}

TEST_F(XmlScriptPageTest, TickingTheBoxOpensTheFrameInSixtySteps)
{
    EventLog log;
    Check1().SetValue(vbChecked);
    EXPECT_EQ(log.Take(), (formstest::Events{"Check1_Click"}));
    EXPECT_TRUE(Timer6().Running());
    EXPECT_FALSE(Timer5().Running());
    EXPECT_FALSE(Check1().Enabled());
    for (int tick = 1; tick <= 60; ++tick) {
        SCOPED_TRACE(tick);
        ASSERT_TRUE(Timer6().FireTick());
        EXPECT_TRUE(Frame3().Visible());
        EXPECT_EQ(Frame3().Height(), 135 + 20 * tick);
        EXPECT_EQ(rtfXML().Top(), 840 + 20 * tick);
        EXPECT_EQ(rtfXML().Top() + rtfXML().Height(), 5295);
        EXPECT_EQ(Check1().Enabled(), tick == 60);
        EXPECT_EQ(Timer6().Running(), tick < 60);
    }
    EXPECT_FALSE(Timer6().FireTick());
    EXPECT_EQ(Frame3().Height(), 1335);
    EXPECT_EQ(rtfXML().Top(), 2040);
    EXPECT_EQ(rtfXML().Height(), 3255);
}

TEST_F(XmlScriptPageTest, UntickingTheBoxClosesAndHidesTheFrame)
{
    Open();
    Check1().SetValue(vbUnchecked);
    EXPECT_TRUE(Timer5().Running());
    EXPECT_FALSE(Timer6().Running());
    for (int tick = 1; tick < 60; ++tick) {
        ASSERT_TRUE(Timer5().FireTick());
        EXPECT_TRUE(Frame3().Visible());
        EXPECT_FALSE(Check1().Enabled());
    }
    ASSERT_TRUE(Timer5().FireTick());
    EXPECT_FALSE(Timer5().Running());
    EXPECT_FALSE(Frame3().Visible());
    EXPECT_TRUE(Check1().Enabled());
    EXPECT_EQ(Frame3().Height(), 135);
    EXPECT_EQ(rtfXML().Top(), 840);
    EXPECT_EQ(rtfXML().Height(), 4455);
    // And it opens again the same way.
    Open();
    EXPECT_EQ(Frame3().Height(), 1335);
}

TEST_F(XmlScriptPageTest, ClicksWhileTheFrameMovesHaveNoEffect)
{
    form.Show();
    form.Ctl<TabDialog>("SSTab1").SetTab(4);
    QWidget* box = Check1().Widget();
    const QPoint inside(10, box->height() / 2);

    // A second click before the first tick: the box is disabled already, so the closing
    // timer never joins the opening one.
    Check1().SetValue(vbChecked);
    QTest::mouseClick(box, Qt::LeftButton, {}, inside);
    EXPECT_EQ(Check1().Value(), vbChecked);
    EXPECT_FALSE(Timer5().Running());
    Timer6().FireTick();
    QTest::mouseClick(box, Qt::LeftButton, {}, inside);
    EXPECT_EQ(Check1().Value(), vbChecked);
    EXPECT_FALSE(Timer5().Running());
    EXPECT_EQ(TicksUntilStopped(Timer6()), 59);
    EXPECT_EQ(Frame3().Height(), 1335);

    // Once at rest the box takes the user's click again.
    QTest::mouseClick(box, Qt::LeftButton, {}, inside);
    EXPECT_EQ(Check1().Value(), vbUnchecked);
    EXPECT_TRUE(Timer5().Running());
}

TEST_F(XmlScriptPageTest, AFrameHeightOffTheStepGridStillStops)
{
    struct Case {
        const char* name;
        const char* timer;
        int startHeight;
        int ticks;
        int endHeight;
    };
    const Case cases[] = {
        {"opening from 145", "Timer6", 145, 60, 1345},
        {"closing from 1345", "Timer5", 1345, 61, 125},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Frame3().SetHeight(c.startHeight);
        TimerControl& timer = *form.FindTimer(c.timer);
        timer.SetEnabled(true);
        EXPECT_EQ(TicksUntilStopped(timer), c.ticks);
        EXPECT_EQ(Frame3().Height(), c.endHeight);
        EXPECT_TRUE(Check1().Enabled());
    }
}

TEST_F(XmlScriptPageTest, GeneratedScriptText)
{
    const std::string header = "<script>\r\n"
                               "<header name=\"MyFaction Mod\">\r\n"
                               "\r\n"
                               "<scriptversion>\r\n1.0\r\n</scriptversion>\r\n"
                               "\r\n"
                               "<modurl>\r\nhttp://mods.test/x?a=1&b=2\r\n</modurl>\r\n"
                               "\r\n"
                               "<author>\r\nMyName\r\n</author>\r\n"
                               "\r\n"
                               "<description>\r\nA <b> & \"c\"\r\nline two\r\n</description>\r\n"
                               "</header>\r\n"
                               "\r\n"
                               "\r\n"
                               "</script>";
    struct Case {
        const char* name;
        int check;
        const char* expected;
    };
    const Case cases[] = {
        {"without header", vbUnchecked, "<script>\r\n</script>"},
        {"with header, fields unescaped", vbChecked, header.c_str()},
        {"a grey box is no tick", vbGrayed, "<script>\r\n</script>"},
    };
    Field("txtHeadModURL").SetText("http://mods.test/x?a=1&b=2");
    Field("txtHeadModDescr").SetText("A <b> & \"c\"\r\nline two");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Check1().SetValue(c.check);
        rtfXML().SetText("typed by the user");
        int changes = 0, changesWithNotice = 0;
        rtfXML().Change = [&] {
            ++changes;
            changesWithNotice += NoticeShown();
        };
        Generate();
        rtfXML().Change = nullptr;
        EXPECT_EQ(rtfXML().Text(), c.expected);
        EXPECT_GE(changes, 3);
        EXPECT_EQ(changesWithNotice, changes);
        EXPECT_FALSE(NoticeShown());
        Generate(); // the old text is cleared first
        EXPECT_EQ(rtfXML().Text(), c.expected);
    }
}

TEST_F(XmlScriptPageTest, HeaderQuoteComesFromLabel6)
{
    form.Ctl<Label>("Label6").SetCaption("'");
    Check1().SetValue(vbChecked);
    Generate();
    const std::string start = "<script>\r\n<header name='MyFaction Mod'>\r\n";
    EXPECT_EQ(rtfXML().Text().substr(0, start.size()), start);
}

TEST_F(XmlScriptPageTest, TheDisabledButtonGeneratesNothing)
{
    form.Show();
    form.Ctl<TabDialog>("SSTab1").SetTab(4);
    EventLog log;
    QWidget* button = form.Find("btnCreateXML")->Widget();
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    // The control sees the press; the window's Click is never raised.
    const formstest::Events events = log.Take();
    EXPECT_FALSE(events.empty());
    EXPECT_EQ(std::count(events.begin(), events.end(), "btnCreateXML_Click"), 0);
    EXPECT_EQ(rtfXML().Text(), "");
}

TEST_F(XmlScriptPageTest, RenderThePageClosedAndOpen)
{
    form.Show();
    form.Ctl<TabDialog>("SSTab1").SetTab(4);
    rtfXML().SetText("<script>\r\n</script>");
    DoEvents();
    QImage closed = form.Window()->grab().toImage();
    ASSERT_TRUE(testing_support::SaveRender(closed, "xml_page_closed.png"));
    Open();
    Field("txtHeadModName").SetFocus();
    DoEvents();
    QImage open = form.Window()->grab().toImage();
    ASSERT_TRUE(testing_support::SaveRender(open, "xml_page_open.png"));
    // The header fields show cyan on black inside the opened frame.
    const QWidget* name = Field("txtHeadModName").Widget();
    const QPoint corner = name->mapTo(form.Window(), QPoint(3, 3));
    EXPECT_EQ(open.pixelColor(corner), QColor(0, 0, 0));
}

} // namespace
