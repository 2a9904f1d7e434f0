#include "app/image_button/brelo_button.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPainter>
#include <QTest>

#include "platform/com/late_bound.h"
#include "platform/com/stored_layout.h"
#include "platform/errors/run_time_error.h"
#include "platform/forms/dialogs.h"
#include "platform/forms/events.h"
#include "platform/hosting/control_site.h"
#include "platform/shell/cursor.h"
#include "platform/shell/shell_execute.h"
#include "tests/platform/forms/app.h"
#include "tests/support/render_dir.h"

namespace {

using namespace quorvel;
using platform::com::Variant;
using platform::forms::EventLog;
using platform::forms::Kind;
using Events = std::vector<std::string>;

class BreloButtonTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { formstest::App(); }

    BreloButtonTest()
    {
        form.SetClientSize(6000, 3000);
        platform::shell::SetCursorSource([this] { return m_cursor; });
    }
    ~BreloButtonTest() override
    {
        platform::shell::SetCursorSource(nullptr);
        platform::shell::SetDocumentOpener(nullptr);
    }

    BreloButton& Place(const StoredButton& stored = {"Beenden"})
    {
        BreloButton& b =
            AddBreloButton(form, {Kind::PictureBox, "btnQuit", "", 600, 600, 1335, 375}, stored);
        form.Show();
        return b;
    }

    void PointAt(BreloButton& b) { m_cursor = b.Widget()->mapToGlobal(b.CaptionRect().center()); }
    void PointAway() { m_cursor = form.Window()->mapToGlobal(QPoint(2, 2)); }
    static void Poll(BreloButton& b) { ASSERT_TRUE(b.tmrChkStatus().FireTick()); }
    static void Press(BreloButton& b, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mousePress(b.Widget(), button, {}, b.CaptionRect().center());
    }
    static void Release(BreloButton& b, QPoint where, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseRelease(b.Widget(), button, {}, where);
    }
    // What the window sees: the button's own events.
    static Events ButtonEvents(const EventLog& log)
    {
        Events out;
        for (const std::string& e : log.Events()) {
            if (e.rfind("btnQuit_", 0) == 0)
                out.push_back(e);
        }
        return out;
    }

    platform::forms::Form form{"frmTest"};
    QPoint m_cursor{-10000, -10000};
};

TEST_F(BreloButtonTest, PressLeaveAndReleaseAnywhereStillClicks)
{
    BreloButton& b = Place();
    PointAt(b);
    Poll(b);
    EventLog log;
    Press(b);
    EXPECT_EQ(b.Face(), ButtonFace::Pressed);
    PointAway();
    Poll(b);
    EXPECT_EQ(b.Face(), ButtonFace::Normal);
    Release(b, QPoint(-200, 90));
    EXPECT_EQ(ButtonEvents(log), (Events{"btnQuit_ButtonDown", "btnQuit_ButtonUp",
                                         "btnQuit_ButtonUp", "btnQuit_Click"}));
}

TEST_F(BreloButtonTest, TwoQuickClicksAreTwoClicks)
{
    // The second press of a double click comes without a MouseDown; its release still
    // raises ButtonUp and Click as every release of the label does.
    BreloButton& b = Place();
    const QPoint at = b.CaptionRect().center();
    EventLog log;
    Press(b);
    Release(b, at);
    QTest::mouseDClick(b.Widget(), Qt::LeftButton, {}, at);
    Release(b, at);
    EXPECT_EQ(ButtonEvents(log), (Events{"btnQuit_ButtonDown", "btnQuit_ButtonUp", "btnQuit_Click",
                                         "btnQuit_ButtonUp", "btnQuit_Click"}));

    // Not for a disabled button, nor for a double click above the label.
    struct Case {
        const char* name;
        bool enabled;
        QPoint at;
    };
    const Case cases[] = {
        {"disabled", false, at},
        {"above the label", true, QPoint(at.x(), b.CaptionRect().top() - 1)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetButtonEnabled(b, c.enabled);
        log.Clear();
        QTest::mousePress(b.Widget(), Qt::LeftButton, {}, c.at);
        Release(b, c.at);
        QTest::mouseDClick(b.Widget(), Qt::LeftButton, {}, c.at);
        Release(b, c.at);
        EXPECT_EQ(ButtonEvents(log), Events{});
    }
}

TEST_F(BreloButtonTest, EnteringRaisesMouseOverOnceAndLeavingButtonUpOnce)
{
    BreloButton& b = Place();
    EventLog log;
    PointAt(b);
    Poll(b);
    Poll(b);
    EXPECT_EQ(b.Face(), ButtonFace::Hover);
    PointAway();
    Poll(b);
    Poll(b);
    EXPECT_EQ(ButtonEvents(log), (Events{"btnQuit_MouseOver", "btnQuit_ButtonUp"}));
    EXPECT_EQ(b.Face(), ButtonFace::Normal);
    EXPECT_TRUE(b.tmrChkStatus().Running());

    // After a click the normal face stays while the pointer stays; hover comes back only
    // after leaving and entering again.
    PointAt(b);
    Poll(b);
    Press(b);
    Release(b, b.CaptionRect().center());
    log.Clear();
    Poll(b);
    EXPECT_EQ(b.Face(), ButtonFace::Normal);
    PointAway();
    Poll(b);
    PointAt(b);
    Poll(b);
    EXPECT_EQ(ButtonEvents(log), (Events{"btnQuit_ButtonUp", "btnQuit_MouseOver"}));
}

TEST_F(BreloButtonTest, OnlyALeftPressOnTheLabelCounts)
{
    BreloButton& b = Place();
    int clicks = 0;
    b.Click = [&] { ++clicks; };
    struct Case {
        const char* name;
        Qt::MouseButton button;
        QPoint at;
    };
    const QRect label = b.CaptionRect();
    const Case cases[] = {
        {"right button", Qt::RightButton, label.center()},
        {"middle button", Qt::MiddleButton, label.center()},
        {"left, above the label", Qt::LeftButton, QPoint(label.center().x(), label.top() - 1)},
    };
    ASSERT_GT(label.top(), 0);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EventLog log;
        QTest::mousePress(b.Widget(), c.button, {}, c.at);
        QTest::mouseRelease(b.Widget(), c.button, {}, c.at);
        EXPECT_EQ(ButtonEvents(log), Events{});
        EXPECT_EQ(b.Face(), ButtonFace::Normal);
    }
    EXPECT_EQ(clicks, 0);
}

TEST_F(BreloButtonTest, ADisabledButtonIgnoresPressAndHoverAndKeepsItsFace)
{
    BreloButton& b = Place({"Beenden", "Tahoma", 8, 0, false, false});
    EXPECT_FALSE(b.Enabled());
    EventLog log;
    PointAt(b);
    Poll(b);
    Press(b);
    Release(b, b.CaptionRect().center());
    EXPECT_EQ(ButtonEvents(log), Events{});
    EXPECT_EQ(b.Face(), ButtonFace::Normal);
    EXPECT_TRUE(b.tmrChkStatus().Running());

    // Disabled while the hover face shows: the face stays until enabled and left.
    SetButtonEnabled(b, true);
    Poll(b);
    SetButtonEnabled(b, false);
    PointAway();
    Poll(b);
    EXPECT_EQ(b.Face(), ButtonFace::Hover);
    SetButtonEnabled(b, true);
    Poll(b);
    EXPECT_EQ(b.Face(), ButtonFace::Normal);
}

TEST_F(BreloButtonTest, AStoredLayoutWithOnlyACaptionTakesTheDefaults)
{
    platform::com::StoredLayout layout =
        platform::com::ParseStoredLayout("Begin Quorvel.BreloButton BreloButton4\r\n"
                                         "    Caption = \"Aktualisieren\"\r\n"
                                         "End\r\n");
    BreloButton& b = platform::hosting::AddUserControl<BreloButton>(
        form, {Kind::PictureBox, "BreloButton4", "", 0, 0, 1455, 375},
        platform::hosting::Placement{&layout.controls[0].properties});
    EXPECT_EQ(b.Caption(), "Aktualisieren");
    EXPECT_EQ(b.FontName(), "Tahoma");
    EXPECT_EQ(b.FontSize(), 8);
    EXPECT_EQ(b.ForeColor(), 0);
    EXPECT_TRUE(b.Enabled());
    EXPECT_FALSE(b.Bold() || b.Italic() || b.Underline());
    EXPECT_TRUE(b.tmrChkStatus().Running());

    // Written back, only the caption differs from the defaults.
    platform::com::PropertyBag out;
    b.Save(out);
    ASSERT_EQ(out.Entries().size(), 1u);
    EXPECT_EQ(out.Entries()[0].first, "Caption");
}

TEST_F(BreloButtonTest, EveryChangedPropertyIsStoredInTableOrder)
{
    BreloButton& b = Place();
    b.SetEnabled(false);
    b.SetForeColor(0x0000C0);
    b.SetFontSize(10);
    b.SetFontName("Arial");
    b.SetUnderline(true);
    b.SetItalic(true);
    b.SetBold(true);
    platform::com::PropertyBag out;
    b.Save(out);
    Events keys;
    for (const auto& [key, value] : out.Entries())
        keys.push_back(key);
    EXPECT_EQ(keys, (Events{"Caption", "Bold", "Italic", "Underline", "FontName", "FontSize",
                            "ForeColor", "Enabled"}));
    EXPECT_EQ(out.ReadProperty("Caption").ToString(), "Beenden");
}

TEST_F(BreloButtonTest, ANewInstanceIsCaptionedWithItsName)
{
    BreloButton& b = platform::hosting::AddUserControl<BreloButton>(
        form, {Kind::PictureBox, "BreloButton1", "", 0, 0, 1455, 375},
        platform::hosting::Placement{});
    EXPECT_EQ(b.Caption(), "BreloButton1");
    EXPECT_EQ(b.ChangedProperties(), Events{"Caption"});
    platform::com::PropertyBag out;
    b.Save(out);
    EXPECT_TRUE(out.Empty());
}

TEST_F(BreloButtonTest, FontSizeReadsTheLabelsSizeRoundedHalfToEven)
{
    BreloButton& b = Place();
    const std::pair<double, int> cases[] = {{8.25, 8}, {8.5, 8}, {9.5, 10}, {9.75, 10}, {10.5, 10}};
    for (auto [label, expected] : cases) {
        SCOPED_TRACE(label);
        b.lblCaption().font.SetSize(label);
        EXPECT_EQ(b.FontSize(), expected);
        EXPECT_EQ(platform::com::GetProperty(b.Object(), 0x68030006).ToInt16(), expected);
    }
}

TEST_F(BreloButtonTest, EveryLetButEnabledReportsItsName)
{
    BreloButton& b = Place();
    struct Case {
        const char* property;
        Variant value;
        Events reported;
    };
    const Case cases[] = {
        {"Caption", Variant("Neu..."), {"Caption"}},
        {"FontName", Variant("Arial"), {"FontName"}},
        {"FontSize", Variant(std::int16_t(9)), {"FontSize"}},
        {"Bold", Variant(true), {"Bold"}},
        {"Italic", Variant(true), {"Italic"}},
        {"Underline", Variant(true), {"Underline"}},
        {"ForeColor", Variant(std::int32_t(0xFF)), {"ForeColor"}},
        {"Enabled", Variant(false), {}},
        {"GoURL", Variant("http://example.org"), {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.property);
        b.ClearChangedProperties();
        platform::com::PutProperty(b.Object(), c.property, c.value);
        EXPECT_EQ(b.ChangedProperties(), c.reported);
    }
    EXPECT_EQ(b.ForeColor(), 0xFF);
    EXPECT_FALSE(b.Enabled());
}

TEST_F(BreloButtonTest, TheInterfaceKeepsItsSlotOrderIdentifiers)
{
    BreloButton& b = Place();
    const std::pair<const char*, int> ids[] = {{"urlgoto", 0x68030009},   {"Caption", 0x68030008},
                                               {"FontName", 0x68030007},  {"FontSize", 0x68030006},
                                               {"Bold", 0x68030005},      {"Italic", 0x68030004},
                                               {"Underline", 0x68030003}, {"ForeColor", 0x68030002},
                                               {"Enabled", 0x68030001},   {"GoURL", 0x68030000}};
    for (auto [name, id] : ids) {
        SCOPED_TRACE(name);
        EXPECT_EQ(platform::com::GetDispId(b.Object(), name), id);
    }
    SetButtonCaption(b, "&Beenden");
    EXPECT_EQ(b.Caption(), "&Beenden");
    EXPECT_EQ(platform::com::GetProperty(b.Object(), 0x68030008).ToString(), "&Beenden");
    // GoURL keeps nothing to read back.
    EXPECT_THROW(platform::com::GetProperty(b.Object(), 0x68030000), platform::RunTimeError);
}

TEST_F(BreloButtonTest, DesignModeNeverStartsThePoll)
{
    platform::com::PropertyBag stored;
    stored.Set("Caption", Variant("Laden"));
    for (const platform::com::PropertyBag* bag :
         {static_cast<platform::com::PropertyBag*>(nullptr), &stored}) {
        SCOPED_TRACE(bag ? "stored" : "new");
        platform::forms::Form designer("frmDesign");
        BreloButton& b = platform::hosting::AddUserControl<BreloButton>(
            designer, {Kind::PictureBox, "BreloButton1", "", 0, 0, 1455, 375},
            platform::hosting::Placement{bag, true});
        designer.Show();
        m_cursor = b.Widget()->mapToGlobal(QPoint(5, 5));
        EXPECT_FALSE(b.tmrChkStatus().Running());
        EXPECT_FALSE(b.tmrChkStatus().FireTick());
        EXPECT_FALSE(HoverClockRunning());
        EXPECT_FALSE(FireHoverTick());
        EXPECT_EQ(b.Face(), ButtonFace::Normal);
    }
}

TEST_F(BreloButtonTest, OneTickLooksAtThePointerOnceForAllButtons)
{
    int reads = 0;
    platform::shell::SetCursorSource([&] {
        ++reads;
        return m_cursor;
    });
    std::vector<BreloButton*> buttons;
    for (int i = 0; i < 3; ++i) {
        const std::string name = "btnRow" + std::to_string(i);
        buttons.push_back(&AddBreloButton(
            form, {Kind::PictureBox, name.c_str(), "", 120, 120 + i * 500, 1455, 375}, {"Laden"}));
    }
    form.Show();
    EventLog log;
    PointAt(*buttons[1]);
    ASSERT_TRUE(FireHoverTick());
    EXPECT_EQ(reads, 1);
    PointAt(*buttons[2]);
    ASSERT_TRUE(FireHoverTick());
    EXPECT_EQ(reads, 2);
    Events seen;
    for (const std::string& e : log.Events()) {
        if (e.rfind("btnRow", 0) == 0)
            seen.push_back(e);
    }
    EXPECT_EQ(seen, (Events{"btnRow1_MouseOver", "btnRow1_ButtonUp", "btnRow2_MouseOver"}));
    EXPECT_EQ(buttons[0]->Face(), ButtonFace::Normal);
    EXPECT_EQ(buttons[1]->Face(), ButtonFace::Normal);
    EXPECT_EQ(buttons[2]->Face(), ButtonFace::Hover);

    // Buttons that are all disabled keep their polls running but look at nothing.
    for (BreloButton* b : buttons)
        SetButtonEnabled(*b, false);
    ASSERT_TRUE(FireHoverTick());
    EXPECT_EQ(reads, 2);
}

TEST_F(BreloButtonTest, TheSharedClockRunsOnlyWhileAButtonPolls)
{
    EXPECT_FALSE(HoverClockRunning());
    {
        platform::forms::Form window("frmOther");
        BreloButton& b = AddBreloButton(window, {Kind::PictureBox, "btnQuit", "", 0, 0, 1335, 375});
        EXPECT_TRUE(HoverClockRunning());
        b.Terminate();
        EXPECT_FALSE(HoverClockRunning());
        EXPECT_FALSE(b.tmrChkStatus().Running());
    }
    {
        platform::forms::Form window("frmOther");
        AddBreloButton(window, {Kind::PictureBox, "btnQuit", "", 0, 0, 1335, 375});
        EXPECT_TRUE(HoverClockRunning());
    }
    EXPECT_FALSE(HoverClockRunning());
}

TEST_F(BreloButtonTest, TheLeftReleaseClicksWhateverOtherButtonCameAndWent)
{
    BreloButton& b = Place();
    int clicks = 0;
    b.Click = [&] { ++clicks; };
    const QPoint on = b.CaptionRect().center();
    const QPoint above(on.x(), b.CaptionRect().top() - 1);
    const QPoint away(-200, 90);
    struct Step {
        bool press;
        Qt::MouseButton button;
        QPoint at;
    };
    struct Case {
        const char* name;
        std::vector<Step> steps;
    };
    const Case cases[] = {
        {"right came and went",
         {{true, Qt::LeftButton, on},
          {true, Qt::RightButton, on},
          {false, Qt::RightButton, on},
          {false, Qt::LeftButton, on}}},
        {"left released first",
         {{true, Qt::LeftButton, on},
          {true, Qt::RightButton, on},
          {false, Qt::LeftButton, on},
          {false, Qt::RightButton, on}}},
        {"right held before",
         {{true, Qt::RightButton, on},
          {true, Qt::LeftButton, on},
          {false, Qt::LeftButton, on},
          {false, Qt::RightButton, on}}},
        {"right held from above the label",
         {{true, Qt::RightButton, above},
          {true, Qt::LeftButton, on},
          {false, Qt::RightButton, above},
          {false, Qt::LeftButton, on}}},
        {"middle came and went away from the button",
         {{true, Qt::LeftButton, on},
          {true, Qt::MiddleButton, away},
          {false, Qt::MiddleButton, away},
          {false, Qt::LeftButton, away}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EventLog log;
        clicks = 0;
        for (const Step& step : c.steps) {
            if (step.press)
                QTest::mousePress(b.Widget(), step.button, {}, step.at);
            else
                QTest::mouseRelease(b.Widget(), step.button, {}, step.at);
        }
        EXPECT_EQ(ButtonEvents(log),
                  (Events{"btnQuit_ButtonDown", "btnQuit_ButtonUp", "btnQuit_Click"}));
        EXPECT_EQ(clicks, 1);
        EXPECT_EQ(b.Face(), ButtonFace::Normal);
    }
}

TEST_F(BreloButtonTest, URLGoToHandsOnlyWebAndMailAddressesOnWithTheBusyPointer)
{
    BreloButton& b = Place();
    Events opened;
    bool busy = true;
    platform::shell::SetDocumentOpener([&](const std::string& file) {
        opened.push_back(file);
        const QCursor* c = QApplication::overrideCursor();
        busy = busy && c && c->shape() == Qt::WaitCursor;
    });
    const char* addresses[] = {"http://example.org",
                               "HTTPS://example.org/a?b=1",
                               "mailto:author@example.org",
                               "file:///etc/passwd",
                               "/usr/bin/xterm",
                               "javascript:alert(1)",
                               "",
                               "http:"};
    for (const char* url : addresses)
        platform::com::CallMethod(b.Object(), 0x68030009, {Variant(b.hWnd()), Variant(url)});
    EXPECT_EQ(opened, (Events{"http://example.org", "HTTPS://example.org/a?b=1",
                              "mailto:author@example.org"}));
    EXPECT_TRUE(busy);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(BreloButtonTest, AnErrorInTheClickHandlerIsShownAndTheButtonGoesOn)
{
    BreloButton& b = Place();
    b.Click = [] { platform::Raise(5); };
    platform::forms::ScriptedDialogs dialogs;
    Press(b);
    Release(b, b.CaptionRect().center());
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_NE(dialogs.shown[0].prompt.find("'5'"), std::string::npos) << dialogs.shown[0].prompt;
    EXPECT_EQ(b.Face(), ButtonFace::Normal);
    int clicks = 0;
    b.Click = [&] { ++clicks; };
    Press(b);
    Release(b, b.CaptionRect().center());
    EXPECT_EQ(clicks, 1);
}

TEST_F(BreloButtonTest, ARowOfButtonsLooksRight)
{
    form.SetClientSize(4900, 2100);
    struct Row {
        const char* name;
        int left, top, width, height;
        StoredButton stored;
    };
    // As the main window stores them: "MS Sans Serif" in the button-text colour.
    const char* ms = "MS Sans Serif";
    const platform::forms::OleColor text = 0x80000012;
    const Row rows[] = {
        {"btnNormal", 120, 120, 1455, 375, {"Laden", ms, 8, text}},
        {"btnPressed", 1695, 120, 1455, 375, {"Laden", ms, 8, text}},
        {"btnHover", 3270, 120, 1455, 375, {"Laden", ms, 8, text}},
        {"btnDisabled", 120, 615, 1455, 375, {"Generiere XML", ms, 8, text, false, false}},
        {"btnQuit", 1695, 615, 1335, 375, {"&Beenden", ms, 8, text}},
        {"btnHelp", 3270, 615, 375, 375, {"?", ms, 8, text, true}},
        {"btnNew", 120, 1110, 1455, 255, {"Neu...", ms, 8, text}},
        {"btnEnglish", 1695, 1110, 1455, 375, {"Englische Version", ms, 8, text}},
        {"btnRefresh", 3270, 1110, 1455, 255, {"Aktualisieren", ms, 8, text}},
        {"btnImport", 120, 1605, 1335, 375, {"Importieren"}},
        {"btnDelete", 1695, 1605, 1455, 255, {"&L\xF6schen"}},
    };
    std::vector<BreloButton*> buttons;
    for (const Row& r : rows)
        buttons.push_back(&AddBreloButton(
            form, {Kind::PictureBox, r.name, "", r.left, r.top, r.width, r.height}, r.stored));
    form.Show();
    Press(*buttons[1]);
    PointAt(*buttons[2]);
    Poll(*buttons[2]);
    EXPECT_EQ(buttons[1]->Face(), ButtonFace::Pressed);
    EXPECT_EQ(buttons[2]->Face(), ButtonFace::Hover);
    QImage shot = form.Window()->grab().toImage();
    ASSERT_TRUE(testing_support::SaveRender(shot, "brelo_buttons.png"));
    ASSERT_TRUE(testing_support::SaveRender(shot.scaled(shot.size() * 3), "brelo_buttons_x3.png"));
    Release(*buttons[1], QPoint(1, 1));
}

} // namespace
