#include "platform/gdi/edge.h"

#include <gtest/gtest.h>

#include "platform/gdi/colour.h"
#include "tests/platform/gdi/canvas.h"

namespace {

using namespace platform::gdi;
using gdi_test::Canvas;
using gdi_test::Rows;

// 3-D light and button face share one RGB value, as do highlight and window.
const std::map<COLORREF, char> kLegend = {
    {GetSysColor(COLOR_3DLIGHT), 'L'},     {GetSysColor(COLOR_3DDKSHADOW), 'D'},
    {GetSysColor(COLOR_BTNSHADOW), 'S'},   {GetSysColor(COLOR_BTNHIGHLIGHT), 'H'},
    {GetSysColor(COLOR_WINDOWFRAME), 'K'},
};

TEST(DrawEdge, PixelMapOfEveryEdgeKind)
{
    struct Case {
        const char* name;
        unsigned edge;
        unsigned flags;
        std::string map;
    };
    const Case cases[] = {
        {"raised inner alone on the outer ring", BDR_RAISEDINNER, BF_RECT | BF_ADJUST,
         Rows({"HHHHHS", "H....S", "H....S", "H....S", "SSSSSS"})},
        {"sunken inner alone on the outer ring", BDR_SUNKENINNER, BF_RECT | BF_ADJUST,
         Rows({"DDDDDL", "D....L", "D....L", "D....L", "LLLLLL"})},
        {"raised outer", BDR_RAISEDOUTER, BF_RECT,
         Rows({"LLLLLD", "L....D", "L....D", "L....D", "DDDDDD"})},
        {"sunken outer", BDR_SUNKENOUTER, BF_RECT,
         Rows({"SSSSSH", "S....H", "S....H", "S....H", "HHHHHH"})},
        {"raised", EDGE_RAISED, BF_RECT | BF_ADJUST,
         Rows({"LLLLLD", "LHHHSD", "LH..SD", "LSSSSD", "DDDDDD"})},
        {"sunken", EDGE_SUNKEN, BF_RECT | BF_ADJUST,
         Rows({"SSSSSH", "SDDDLH", "SD..LH", "SLLLLH", "HHHHHH"})},
        {"etched", EDGE_ETCHED, BF_RECT | BF_ADJUST,
         Rows({"SSSSSH", "SHHHSH", "SH..SH", "SSSSSH", "HHHHHH"})},
        {"bump", EDGE_BUMP, BF_RECT | BF_ADJUST,
         Rows({"LLLLLD", "LDDDLD", "LD..LD", "LLLLLD", "DDDDDD"})},
        {"soft changes only top and left", EDGE_RAISED, BF_RECT | BF_SOFT,
         Rows({"HHHHHD", "HLLLSD", "HL..SD", "HSSSSD", "DDDDDD"})},
        {"flat", EDGE_SUNKEN, BF_RECT | BF_FLAT,
         Rows({"SSSSSS", "SLLLLS", "SL..LS", "SLLLLS", "SSSSSS"})},
        {"mono wins over flat", EDGE_RAISED, BF_RECT | BF_MONO | BF_FLAT,
         Rows({"KKKKKK", "KHHHHK", "KH..HK", "KHHHHK", "KKKKKK"})},
        {"middle fills the inside", EDGE_SUNKEN, BF_RECT | BF_MIDDLE,
         Rows({"SSSSSH", "SDDDLH", "SDLLLH", "SLLLLH", "HHHHHH"})},
        {"only top and left", EDGE_SUNKEN, BF_TOP | BF_LEFT,
         Rows({"SSSSS.", "SDDDD.", "SD....", "SD....", "......"})},
        {"only bottom and right", EDGE_SUNKEN, BF_BOTTOM | BF_RIGHT,
         Rows({"....LH", "....LH", "....LH", "LLLLLH", "HHHHHH"})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Canvas canvas(6, 5);
        Rect rect{0, 0, 6, 5};
        EXPECT_TRUE(DrawEdge(canvas.hdc(), rect, c.edge, c.flags));
        EXPECT_EQ(canvas.Map(kLegend), c.map);
    }
}

TEST(DrawEdge, AdjustShrinksByThePaintedBands)
{
    struct Case {
        const char* name;
        unsigned edge;
        unsigned flags;
        Rect expected;
    };
    const Case cases[] = {
        {"two bands", EDGE_SUNKEN, BF_RECT | BF_ADJUST, {12, 22, 48, 38}},
        {"one band", BDR_RAISEDINNER, BF_RECT | BF_ADJUST, {11, 21, 49, 39}},
        {"two bands, left only", EDGE_ETCHED, BF_LEFT | BF_ADJUST, {12, 20, 50, 40}},
        {"without adjust", EDGE_SUNKEN, BF_RECT, {10, 20, 50, 40}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Canvas canvas(60, 50);
        Rect rect{10, 20, 50, 40};
        DrawEdge(canvas.hdc(), rect, c.edge, c.flags);
        EXPECT_EQ(rect.left, c.expected.left);
        EXPECT_EQ(rect.top, c.expected.top);
        EXPECT_EQ(rect.right, c.expected.right);
        EXPECT_EQ(rect.bottom, c.expected.bottom);
    }
}

TEST(DrawEdge, ClipsAtTheImageAndRejectsABadDc)
{
    Canvas canvas(4, 3);
    Rect huge{-2000000000, -5, 2000000000, 2000000000};
    EXPECT_TRUE(DrawEdge(canvas.hdc(), huge, EDGE_SUNKEN, BF_RECT));
    EXPECT_EQ(canvas.Map(kLegend), Rows({"....", "....", "...."}));
    Rect small{0, 0, 4, 3};
    EXPECT_FALSE(DrawEdge(HDC{}, small, EDGE_SUNKEN, BF_RECT));
}

} // namespace
