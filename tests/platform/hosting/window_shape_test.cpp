#include "platform/hosting/window_shape.h"

#include <gtest/gtest.h>

#include <QTest>

#include "platform/forms/events.h"
#include "platform/shell/cursor.h"
#include "tests/platform/forms/app.h"
#include "tests/platform/hosting/gauge.h"

namespace {

using namespace hostingtest;
using platform::forms::Kind;
using platform::shell::WindowFromPoint;

class WindowShapeTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { formstest::App(); }

    WindowShapeTest()
        : site(AddControlObject(form, {Kind::PictureBox, "Gauge1", "", 150, 150, 1500, 300},
                                MakeObject<Gauge>().As<IUnknown>(), Placement{}))
        , uc(site.Surface())
    {
        form.SetClientSize(3000, 1500);
        form.Show();
    }

    platform::gdi::Point Screen(int x, int y) const
    {
        QPoint p = uc.Widget()->mapToGlobal(QPoint(x, y));
        return {p.x(), p.y()};
    }

    platform::forms::Form form{"frmShape"};
    ControlSite& site;
    UserControl& uc;
};

TEST_F(WindowShapeTest, ARegionDecidesWhereTheControlIs)
{
    const HWND self = uc.hWnd();
    const HWND formWindow = HandleOf(form.Window());
    ASSERT_NE(self, 0);
    EXPECT_EQ(WindowFromPoint(Screen(5, 5)), self);

    // Only the left half is the control now; the right half belongs to the form.
    EXPECT_NE(SetWindowRgn(self, platform::gdi::CreateRectRgn(0, 0, 50, 20), true), 0);
    EXPECT_EQ(WindowFromPoint(Screen(5, 5)), self);
    EXPECT_EQ(WindowFromPoint(Screen(80, 5)), formWindow);

    // A new region replaces the old one entirely.
    SetWindowRgn(self, platform::gdi::CreateRectRgn(50, 0, 100, 20), true);
    EXPECT_EQ(WindowFromPoint(Screen(5, 5)), formWindow);
    EXPECT_EQ(WindowFromPoint(Screen(80, 5)), self);

    // Empty: nothing shows and every click goes through.
    SetWindowRgn(self, platform::gdi::CreateRectRgn(0, 0, 0, 0), true);
    EXPECT_TRUE(uc.WindowShape().IsHidden());
    EXPECT_EQ(WindowFromPoint(Screen(80, 5)), formWindow);
    platform::forms::EventLog log;
    QTest::mouseClick(form.Window(), Qt::LeftButton, {}, uc.Widget()->geometry().center());
    for (const std::string& e : log.Events())
        EXPECT_EQ(e.find("Gauge1"), std::string::npos) << e;

    // A null region gives the whole rectangle back.
    SetWindowRgn(self, platform::gdi::HRGN{}, true);
    EXPECT_FALSE(uc.WindowShape().IsShaped());
    EXPECT_EQ(WindowFromPoint(Screen(5, 5)), self);
}

TEST_F(WindowShapeTest, TheWindowOwnsTheRegionAndBadHandlesChangeNothing)
{
    auto before = platform::gdi::CountLiveObjects();
    platform::gdi::HRGN region = platform::gdi::CreateRectRgn(0, 0, 10, 10);
    EXPECT_NE(SetWindowRgn(uc.hWnd(), region, true), 0);
    EXPECT_EQ(platform::gdi::CountLiveObjects(), before);

    platform::gdi::HRGN other = platform::gdi::CreateRectRgn(0, 0, 20, 20);
    EXPECT_EQ(SetWindowRgn(HandleOf(form.Window()), other, true), 0); // not a user control
    EXPECT_EQ(SetWindowRgn(0, other, true), 0);
    EXPECT_EQ(SetWindowRgn(uc.hWnd(), region, true), 0); // freed already
    EXPECT_EQ(uc.WindowShape().Shape(), QRegion(0, 0, 10, 10));
    platform::gdi::DeleteObject(other);
}

TEST_F(WindowShapeTest, TheShapeHidesPixelsOnScreen)
{
    form.SetBackColor(0xFFFFFF);
    static_cast<Gauge&>(uc).SetValue(100);
    SetWindowRgn(uc.hWnd(), platform::gdi::CreateRectRgn(0, 0, 50, 20), true);
    QImage shot = form.Window()->grab().toImage();
    QPoint origin = uc.Widget()->mapTo(form.Window(), QPoint(0, 0));
    EXPECT_EQ(shot.pixel(origin + QPoint(10, 3)), qRgb(0, 0, 128));
    EXPECT_EQ(shot.pixel(origin + QPoint(70, 3)), qRgb(255, 255, 255));
}

} // namespace
