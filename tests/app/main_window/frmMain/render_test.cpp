#include "window_fixture.h"

#include "app/main_window/frmAbout/frmAbout.h"
#include "app/main_window/frmImport/frmImport.h"
#include "app/main_window/frmMain/window_controls.h"

namespace {

using namespace platform::forms;

// The windows as a user sees them, saved to the render folder for a look; the checks catch a
// window that comes out empty or at the wrong size.
class Rendering : public mainwin_test::WindowTest {};

TEST_F(Rendering, MainWindowBothPanesAboutAndImport)
{
    MakeProject("Demo Mod");
    MakeProject("Second");
    // Made elsewhere: decomposed UTF-8 and Latin-1 bytes, listed as "Möwe" and "Söldner".
    MakeProject("Mo\xCC\x88we");
    MakeProject("S\xF6ldner");
    m_tmp.Put("projects/Demo Mod/Protocol/protocol.txt",
              "12/10/26    10:15:02: Project created.\r\n\r\n"
              "12/10/26    10:16:40: Original imported...\r\n\r\n");
    m_tmp.Put(
        "projects/Demo Mod/misc/factions.ini",
        "[qv_demo_traders]\r\ngrp=Traders' Guild\r\n[qv_demo_police]\r\ngrp=Sector Police\r\n");
    for (const char* key : {"qv_demo_traders", "qv_demo_police", "qv_demo_miners"})
        PutStock(key, "", "", "");
    ASSERT_TRUE(m_main->Load());
    SelectProject("Demo Mod");

    const QImage manager = Render(*m_main, "quorvel_frmMain_projects");
    EXPECT_EQ(manager.size(), QSize(675, 399));

    Click("BreloButton6");
    Tick("Timer3", 500);
    Ctl<TextBox>("txtNewNick").SetText("qv_demo_police");
    Ctl<TextBox>("txtNewDescr").SetText("Sector Police");
    quorvel::SetBarMax(Ctl("pgImportAll"), 4);
    quorvel::SetBarValue(Ctl("pgImportAll"), 3);
    const QImage registry = Render(*m_main, "quorvel_frmMain_registry");
    EXPECT_NE(registry, manager);

    Click("BreloButton3");
    EXPECT_EQ(Render(m_main->AboutBox(), "quorvel_frmAbout").size(), QSize(407, 217));

    Click("btnImport");
    m_main->ImportDialog().Ctl<FileListBox>("File1").SetListIndex(1);
    EXPECT_EQ(Render(m_main->ImportDialog(), "quorvel_frmImport").size(), QSize(291, 204));
}

} // namespace
