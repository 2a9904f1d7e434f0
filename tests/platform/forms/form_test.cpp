#include "platform/forms/form.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QLabel>

#include "platform/errors/run_time_error.h"
#include "platform/forms/dialogs.h"
#include "platform/forms/label.h"
#include "platform/forms/text_box.h"
#include "platform/forms/twips.h"
#include "tests/platform/forms/app.h"

namespace {

using namespace platform::forms;
using formstest::Events;

class FormTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { formstest::App(); }

    Form form{"frmMain"};
};

TEST_F(FormTest, GeometryReadsBackExactlyAsSet)
{
    struct Case {
        const char* name;
        int left, top, width, height;
    };
    const Case cases[] = {
        {"multiples of 15", 120, 1080, 9840, 4215},
        {"between pixels", 7, 8, 22, 37},
        {"negative position", -75000, -15, 15, 0},
        {"zero size", 0, 0, 0, 0},
    };
    Label& lbl = static_cast<Label&>(form.Create({Kind::Label, "Label1", "", 0, 0, 10, 10}));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        lbl.Move(c.left, c.top, c.width, c.height);
        EXPECT_EQ(lbl.Left(), c.left);
        EXPECT_EQ(lbl.Top(), c.top);
        EXPECT_EQ(lbl.Width(), c.width);
        EXPECT_EQ(lbl.Height(), c.height);
        EXPECT_EQ(lbl.Widget()->width(), TwipsToPixels(c.width));
    }
}

TEST_F(FormTest, StepsOf80TwipsNeverDrift)
{
    // The pane slide: 122 steps one way and 122 back restore the design exactly.
    Label& frame1 = static_cast<Label&>(form.Create({Kind::Label, "a", "", 120, 1080, 9840, 4215}));
    Label& frame2 = static_cast<Label&>(form.Create({Kind::Label, "b", "", 9960, 1080, 15, 4215}));
    const int step = 80;
    int ticks = 0;
    while (true) {
        ++ticks;
        frame1.SetWidth(frame1.Width() - step);
        frame2.SetWidth(frame2.Width() + step);
        frame2.SetLeft(frame2.Left() - step);
        if (frame1.Width() <= step)
            break;
    }
    EXPECT_EQ(ticks, 122);
    EXPECT_EQ(frame1.Width(), 80);
    EXPECT_EQ(frame2.Width(), 9775);
    EXPECT_EQ(frame2.Left(), 200);
    EXPECT_EQ(frame2.Widget()->x(), TwipsToPixels(200));
    for (int i = 0; i < 122; ++i) {
        frame1.SetWidth(frame1.Width() + step);
        frame2.SetWidth(frame2.Width() - step);
        frame2.SetLeft(frame2.Left() + step);
    }
    EXPECT_EQ(frame1.Width(), 9840);
    EXPECT_EQ(frame2.Width(), 15);
    EXPECT_EQ(frame2.Left(), 9960);
}

TEST_F(FormTest, NegativeSizeIs380AndChangesNothing)
{
    Label& lbl = static_cast<Label&>(form.Create({Kind::Label, "Label1", "", 10, 20, 30, 40}));
    for (auto set : {+[](Label& l) { l.SetWidth(-1); }, +[](Label& l) { l.SetHeight(-80); },
                     +[](Label& l) { l.Move(0, 0, -5, 5); }}) {
        try {
            set(lbl);
            ADD_FAILURE() << "no error";
        } catch (const platform::RunTimeError& e) {
            EXPECT_EQ(e.number(), 380);
        }
        EXPECT_EQ(lbl.Left(), 10);
        EXPECT_EQ(lbl.Width(), 30);
        EXPECT_EQ(lbl.Height(), 40);
    }
    EXPECT_THROW(form.Create({Kind::Label, "bad", "", 0, 0, -15, 10}), platform::RunTimeError);
}

TEST_F(FormTest, VisibleAndEnabledAreTheControlsOwnFlags)
{
    form.SetClientSize(3000, 2000);
    Label& shown = static_cast<Label&>(form.Create({Kind::Label, "lblA", "", 0, 0, 900, 255}));
    Label& hidden = static_cast<Label&>(form.Create(
        {Kind::Label, "lblNoProject", "", 0, 300, 900, 255, "", -1, kHidden | kDisabled}));
    // The form is not on the screen, but the flags are what was set.
    EXPECT_TRUE(shown.Visible());
    EXPECT_FALSE(hidden.Visible());
    EXPECT_FALSE(hidden.Enabled());
    form.Show();
    EXPECT_TRUE(shown.Widget()->isVisible());
    EXPECT_FALSE(hidden.Widget()->isVisible());
    form.Hide();
    hidden.SetVisible(true);
    EXPECT_TRUE(hidden.Visible());
    EXPECT_FALSE(hidden.Widget()->isVisible());
    form.Show();
    EXPECT_TRUE(hidden.Widget()->isVisible());
}

TEST_F(FormTest, TableRowsNamingMissingContainersOrKindsAreRefused)
{
    EXPECT_THROW(form.Create({Kind::Label, "lbl", "Frame9", 0, 0, 10, 10}), std::invalid_argument);
    form.Create({Kind::TextBox, "txtA", "", 0, 0, 10, 10});
    // A text box holds no controls.
    EXPECT_THROW(form.Create({Kind::Label, "lbl", "txtA", 0, 0, 10, 10}), std::invalid_argument);
    EXPECT_THROW(form.Ctl<Label>("txtA"), std::logic_error);
    EXPECT_THROW(form.Ctl<Label>("nothing"), std::logic_error);
    EXPECT_EQ(form.Ctl<TextBox>("txtA").Name(), "txtA");
}

class EventForm : public Form {
public:
    EventForm()
        : Form("frmImport")
    {
    }
    int cancelQuery = 0;
    int cancelUnload = 0;
    std::vector<int> modes;

protected:
    void Form_Load() override {}
    void Form_QueryUnload(int& cancel, int mode) override
    {
        modes.push_back(mode);
        cancel = cancelQuery;
    }
    void Form_Unload(int& cancel) override { cancel = cancelUnload; }
};

TEST(FormEvents, LoadOnceUnloadMayBeCancelled)
{
    formstest::App();
    EventForm form;
    EventLog log;
    form.Show();
    form.Show();
    EXPECT_TRUE(form.Loaded());
    EXPECT_EQ(log.Take(), Events{"frmImport.Form_Load"});
    form.cancelQuery = 1;
    EXPECT_FALSE(form.Unload());
    EXPECT_TRUE(form.Visible());
    form.cancelQuery = 0;
    form.cancelUnload = 1;
    EXPECT_FALSE(form.Unload());
    form.cancelUnload = 0;
    EXPECT_EQ(log.Take(), (Events{"frmImport.Form_QueryUnload", "frmImport.Form_QueryUnload",
                                  "frmImport.Form_Unload"}));
    // The close box of the window asks the same way.
    form.Window()->close();
    EXPECT_FALSE(form.Visible());
    EXPECT_FALSE(form.Loaded());
    EXPECT_EQ(form.modes, (std::vector<int>{vbFormCode, vbFormCode, vbFormControlMenu}));
    form.Show();
    EXPECT_EQ(log.Take(), (Events{"frmImport.Form_QueryUnload", "frmImport.Form_Unload",
                                  "frmImport.Form_Load"}));
}

TEST(FormEvents, FixedBorderHasNoMinimiseOrMaximiseAndKeepsItsSize)
{
    formstest::App();
    Form form("frmMain");
    form.SetBorderStyle(BorderStyle::FixedSingle);
    form.SetClientSize(10125, 5985);
    form.SetCaption("Quorvel 2.0 beta 2 || Ternhallow");
    Qt::WindowFlags flags = form.Window()->windowFlags();
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(form.Window()->minimumSize(), QSize(675, 399));
    EXPECT_EQ(form.Window()->maximumSize(), QSize(675, 399));
    EXPECT_EQ(form.ScaleWidth(), 10125);
    EXPECT_EQ(form.Window()->windowTitle(), QString("Quorvel 2.0 beta 2 || Ternhallow"));
}

TEST(FormEvents, CentredOnOwner)
{
    formstest::App();
    Form owner("frmMain");
    owner.SetBorderStyle(BorderStyle::FixedSingle);
    owner.SetClientSize(9000, 6000);
    owner.Show();
    owner.Window()->move(100, 80);
    Form dialog("frmWorking");
    dialog.SetBorderStyle(BorderStyle::None);
    dialog.SetClientSize(3000, 1500);
    dialog.SetStartUpPosition(vbStartUpOwner);
    dialog.Show(vbModeless, &owner);
    QPoint a = owner.Window()->frameGeometry().center();
    QPoint b = dialog.Window()->frameGeometry().center();
    EXPECT_LE(std::abs(a.x() - b.x()), 1);
    EXPECT_LE(std::abs(a.y() - b.y()), 1);
}

TEST(Fonts, OriginalNamesMapToInstalledFontsOfTheirWidths)
{
    formstest::App();
    struct Case {
        const char* name;
        const char* original;
        const char* installed;
    };
    const Case cases[] = {
        {"sans serif", "MS Sans Serif", "Liberation Sans"},
        {"any case", "ms sans serif", "Liberation Sans"},
        {"tahoma", "Tahoma", "DejaVu Sans Condensed"},
        {"console", "Lucida Console", "DejaVu Sans Mono"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Font font;
        font.name = c.original;
        font.size = 9.75;
        font.bold = true;
        QFontInfo info(ToQFont(font));
        EXPECT_EQ(info.family().toStdString(), c.installed);
        EXPECT_TRUE(info.bold());
    }
}

TEST_F(FormTest, RowsWithoutAFontTakeTheFormsFont)
{
    Label& plain = static_cast<Label&>(form.Create({Kind::Label, "Label1", "", 0, 0, 900, 255}));
    Label& arrow = static_cast<Label&>(form.Create({Kind::Label,
                                                    "Label4",
                                                    "",
                                                    480,
                                                    840,
                                                    405,
                                                    195,
                                                    "-->",
                                                    -1,
                                                    0,
                                                    {"Lucida Console", 9.75, true},
                                                    RGB(255, 128, 0)}));
    EXPECT_EQ(plain.GetFont().name, "MS Sans Serif");
    EXPECT_DOUBLE_EQ(plain.GetFont().size, 8.25);
    EXPECT_EQ(arrow.GetFont().name, "Lucida Console");
    EXPECT_TRUE(arrow.GetFont().bold);
    EXPECT_EQ(arrow.ForeColor(), RGB(255, 128, 0));
    EXPECT_EQ(arrow.Widget()->palette().color(QPalette::WindowText), QColor(255, 128, 0));
    EXPECT_EQ(arrow.Caption(), "-->");
}

} // namespace
