#include "platform/shell/cursor.h"
#include "platform/shell/shell_execute.h"

#include <gtest/gtest.h>

#include <QLabel>

#include "platform/hosting/hosting.h"
#include "tests/platform/forms/app.h"

namespace {

using namespace platform;
using platform::forms::Kind;

class Plain : public hosting::UserControl {};

class ShellTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { formstest::App(); }
    ~ShellTest() override
    {
        shell::SetCursorSource(nullptr);
        shell::SetDocumentOpener(nullptr);
    }
};

TEST_F(ShellTest, TheCursorComesFromTheSourceGiven)
{
    shell::SetCursorSource([] { return QPoint(321, -7); });
    gdi::Point p{1, 1};
    ASSERT_TRUE(shell::GetCursorPos(&p));
    EXPECT_EQ(p.x, 321);
    EXPECT_EQ(p.y, -7);
    EXPECT_FALSE(shell::GetCursorPos(nullptr));
}

TEST_F(ShellTest, TheWindowUnderAPointIsTheUserControlAlsoOverItsParts)
{
    forms::Form form("frmCursor");
    form.SetClientSize(3000, 1500);
    Plain& control = hosting::AddUserControl<Plain>(
        form, {Kind::PictureBox, "Plain1", "", 150, 150, 1500, 375}, hosting::Placement{});
    // A child widget stands for a part the original drew without a window of its own.
    auto* part = new QLabel(control.Widget());
    part->setGeometry(10, 5, 40, 10);
    form.Show();
    auto at = [](QWidget* w, int x, int y) {
        QPoint p = w->mapToGlobal(QPoint(x, y));
        return gdi::Point{p.x(), p.y()};
    };
    struct Case {
        const char* name;
        gdi::Point point;
        hosting::HWND expected;
    };
    const Case cases[] = {
        {"over the control", at(control.Widget(), 80, 20), control.hWnd()},
        {"over a part of it", at(part, 2, 2), control.hWnd()},
        {"over the form beside it", at(form.Window(), 2, 2), hosting::HandleOf(form.Window())},
        {"beyond every window", {-30000, -30000}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(shell::WindowFromPoint(c.point), c.expected);
    }
    EXPECT_EQ(hosting::UserControlOf(control.hWnd()), &control);
    EXPECT_EQ(hosting::UserControlOf(hosting::HandleOf(form.Window())), nullptr);
}

TEST_F(ShellTest, HandlesOfDestroyedWindowsNameNothing)
{
    hosting::HWND hwnd;
    {
        forms::Form form("frmGone");
        Plain& control = hosting::AddUserControl<Plain>(
            form, {Kind::PictureBox, "Plain1", "", 0, 0, 150, 150}, hosting::Placement{});
        hwnd = control.hWnd();
        EXPECT_EQ(hosting::WidgetOf(hwnd), control.Widget());
    }
    EXPECT_EQ(hosting::WidgetOf(hwnd), nullptr);
    EXPECT_EQ(hosting::UserControlOf(hwnd), nullptr);
}

TEST_F(ShellTest, DocumentsAreHandedOnAndNothingWaits)
{
    std::vector<std::string> opened;
    shell::SetDocumentOpener([&](const std::string& file) { opened.push_back(file); });
    EXPECT_GT(shell::ShellExecuteA(0, "Open", "https://example.org/mod?a=1", "", "",
                                   shell::SW_SHOWNORMAL),
              32);
    EXPECT_EQ(shell::ShellExecuteA(0, "Open", "", "", "", shell::SW_SHOWNORMAL), 2);
    EXPECT_EQ(opened, std::vector<std::string>{"https://example.org/mod?a=1"});
}

} // namespace
