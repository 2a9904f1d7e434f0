#include "window_fixture.h"

#include <filesystem>

namespace {

using namespace platform::forms;
using Strings = std::vector<std::string>;

class ShippedExamples : public mainwin_test::WindowTest {};

// What a new user does first: create a project, load it, import the example factions that
// ship in data/, and see them listed.
TEST_F(ShippedExamples, ImportIntoANewProjectAndShowUp)
{
    namespace fs = std::filesystem;
    fs::remove_all(m_tmp / "data");
    fs::copy(QV_SOURCE_DIR "/data", m_tmp / "data", fs::copy_options::recursive);
    ASSERT_TRUE(m_main->Load());

    auto& box = Ctl<TextBox>("txtdateiname");
    Click("BreloButton7");
    Tick("Timer1", 100);
    box.SetText("Erste Mod");
    int enter = 13;
    box.KeyPress(enter);
    SelectProject("Erste Mod");
    Click("BreloButton6");
    Tick("Timer3", 500);
    Click("btnImportAll");

    EXPECT_TRUE(m_dialogs->shown.empty());
    const Strings keys = {"qv_demo_miners", "qv_demo_pirates", "qv_demo_police", "qv_demo_traders"};
    EXPECT_EQ(Column("lv_newfactions"), keys);
    EXPECT_EQ(Entries("cboInit_group"), keys);
    EXPECT_EQ(Ctl<Label>("lblFactionsGesamt").Caption(), "4");
    EXPECT_TRUE(m_tmp.Exists("projects/Erste Mod/faction_prop/Shiplist_qv_demo_police.lst"));
}

} // namespace
