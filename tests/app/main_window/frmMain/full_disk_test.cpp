// The user's actions that write, through the real main window, on a project folder whose file
// system is full or nearly so: a small tmpfs mounted as "projects" of the program folder and
// filled to a level. Whatever the level, the box shows the error the failing write raises,
// the registry names exactly the factions whose files are all there, the lists never show
// less than the disk holds (nor a faction it lacks), and no protocol line claims what is not
// on disk.

#include "window_fixture.h"

#include "faction_files.h"

#include "app/main_window/frmImport/frmImport.h"
#include "app/main_window/frmMain/window_controls.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <initializer_list>
#include <string>
#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>
#include <vector>

namespace {

using namespace platform::forms;
using Strings = std::vector<std::string>;

constexpr std::uint64_t kKiB = 1024;

// Eight stock factions with a line of every kind the import splits, so that each one makes
// all nine of its pieces (FactionFiles::kWhole).
const Strings kStock = {"zx_a", "zx_b", "zx_c", "zx_d", "zx_e", "zx_f", "zx_g", "zx_h"};

std::string Empathy(const std::string& key)
{
    std::string text = "[RepChangeEffects]\r\ngroup = Group " + key +
                       "\r\nevent = object_destruction, -0.3\r\n"
                       "event = random_mission_success, 0.2\r\n";
    for (const std::string& other : kStock)
        text += "empathy_rate = " + other + ", 0.1\r\n";
    return text;
}

std::string Properties(const std::string& key)
{
    return "[FactionProps]\r\nlegality = lawful\r\nmsg_id_prefix = msg_" + key +
           "\r\nnpc_ship = " + key + "_ship\r\nvoice = " + key +
           "_voice\r\nspace_costume = head, body\r\nscan_for_cargo = " + key +
           "_cargo\r\nformation = wing, vee\r\n";
}

std::string InitialWorld(const std::string& key)
{
    std::string text = "[Group]\r\nids_name = 1" + key.substr(3) + "\r\n";
    for (const std::string& other : kStock)
        text += "rep = 0.5, " + other + "\r\n";
    return text;
}

// How full the file system is when the action runs.
struct Level {
    const char* name;
    std::uint64_t room; // bytes left free
};
constexpr std::uint64_t kAll = ~std::uint64_t{0};
constexpr Level kFull = {"full", 0};
constexpr Level kFewFiles = {"room for a few small files", 24 * kKiB};
constexpr Level kFewFactions = {"room for a few factions", 160 * kKiB};
constexpr Level kEverything = {"room for everything", kAll};

enum class What { ImportAll, ImportOne, NewFaction, ListAdd, Compile };

// One action of the user, started in the window after the project was set up.
struct Action {
    const char* name;
    What what;
    int error;                   // what the box shows when the action's write cannot be made
    const char* named = nullptr; // a text the box's message holds
};

// One action at one level.
struct Case {
    Action action;
    Level level;
};

void PrintTo(const Case& c, std::ostream* out)
{
    *out << c.action.name << ", " << c.level.name;
}

std::vector<Case> AtLevels(const Action& action, std::initializer_list<Level> levels)
{
    std::vector<Case> cases;
    for (const Level& level : levels)
        cases.push_back({action, level});
    return cases;
}

bool Holds(const Strings& texts, const std::string& text)
{
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

class FullDisk : public mainwin_test::WindowTest, public ::testing::WithParamInterface<Case> {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        m_mount = m_tmp / "projects";
        if (::mount("tmpfs", m_mount.c_str(), "tmpfs", 0, "size=4m,mode=0777") != 0) {
            GTEST_SKIP() << "a tmpfs could not be mounted as the projects folder ("
                         << std::strerror(errno) << "); these cases need root";
        }
        m_mounted = true;
        for (const std::string& key : kStock)
            PutStock(key, Empathy(key).c_str(), Properties(key).c_str(), InitialWorld(key).c_str());
        ASSERT_TRUE(m_main->Load());
    }
    void TearDown() override
    {
        WindowTest::TearDown();
        if (m_mounted && ::umount(m_mount.c_str()) != 0)
            ::umount2(m_mount.c_str(), MNT_DETACH);
    }

    // A fresh project "Mod" on the tmpfs with the stock factions zx_a and zx_b imported, the
    // faction-property tab on zx_a and a compiled file of earlier bytes; loaded in the window.
    void MakeLoadedProject()
    {
        ::system(("rm -rf '" + m_mount + "'/* '" + m_mount + "'/.fill").c_str());
        MakeProject("Mod");
        m_dialogs->shown.clear();
        m_tmp.Put("projects/Mod/compiled/faction_prop.ini", "earlier output\r\n");
        Click("BreloButton4");
        SelectProject("Mod");
        Click("BreloButton6");
        Click("btnImport");
        auto& files = m_main->ImportDialog().Ctl<FileListBox>("File1");
        for (int i : {0, 1}) {
            files.SetListIndex(i);
            Click(m_main->ImportDialog().Ctl<Control>("btnImport"));
        }
        Ctl<ComboBox>("cboFP_group").SetListIndex(0);
        ASSERT_TRUE(m_dialogs->shown.empty()) << m_dialogs->shown[0].prompt;
        ASSERT_EQ(Column("lv_newfactions"), (Strings{"zx_a", "zx_b"}));
    }

    // Leaves `room` bytes free on the tmpfs (as near as its blocks allow), with a hidden file.
    void Fill(std::uint64_t room) const
    {
        struct statvfs fs;
        ASSERT_EQ(::statvfs(m_mount.c_str(), &fs), 0);
        const std::uint64_t free = std::uint64_t{fs.f_bavail} * fs.f_frsize;
        if (room >= free)
            return;
        const int fd = ::open((m_mount + "/.fill").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ASSERT_GE(fd, 0);
        const std::uint64_t fill = (free - room) / fs.f_frsize * fs.f_frsize;
        EXPECT_EQ(::posix_fallocate(fd, 0, static_cast<off_t>(fill)), 0);
        ::close(fd);
    }

    void Run(What what)
    {
        switch (what) {
        case What::ImportAll:
            Click("btnImportAll");
            break;
        case What::ImportOne:
            m_main->ImportDialog().Ctl<FileListBox>("File1").SetListIndex(2);
            Click(m_main->ImportDialog().Ctl<Control>("btnImport"));
            break;
        case What::NewFaction:
            Ctl<TextBox>("txtNewNick").SetText("zx_new");
            Ctl<TextBox>("txtNewDescr").SetText("New Faction");
            Click("btnnewfactionnew");
            break;
        case What::ListAdd:
            Ctl<ComboBox>("cboFPShips").SetText("zx_added_ship");
            Click("BreloButton9");
            break;
        case What::Compile:
            Click("btnCompileFP");
            break;
        }
    }

    std::string m_mount;
    bool m_mounted = false;
};

TEST_P(FullDisk, StopsWhereTheWriteFailsAndLeavesWholeFactions)
{
    const Action& action = GetParam().action;
    const Level& level = GetParam().level;
    const bool imports = action.what == What::ImportAll || action.what == What::ImportOne;
    const mainwin_test::FactionFiles project(m_mount + "/Mod");
    MakeLoadedProject();
    if (HasFatalFailure())
        return;
    const std::string protocolBefore = project.Read("Protocol/protocol.txt");
    const std::string shipsBefore = project.Read("faction_prop/Shiplist_zx_a.lst");
    const Strings listedBefore = Column("lv_newfactions");
    m_dialogs->shown.clear();
    Fill(level.room);
    Run(action.what);

    const bool failed = !m_dialogs->shown.empty();
    if (level.room == 0) {
        EXPECT_TRUE(failed) << "nothing can be written on a full disk";
    }
    if (level.room == kAll) {
        EXPECT_FALSE(failed) << m_dialogs->shown[0].prompt;
    }
    if (failed) {
        ASSERT_EQ(m_dialogs->shown.size(), 1u);
        const std::string& prompt = m_dialogs->shown[0].prompt;
        EXPECT_EQ(prompt.substr(0, prompt.find("\r\n")),
                  "Run-time error '" + std::to_string(action.error) + "':");
        if (action.named) {
            EXPECT_NE(prompt.find(action.named), std::string::npos) << prompt;
        }
        EXPECT_EQ(project.Read("Protocol/protocol.txt"), protocolBefore)
            << "no protocol line for what did not land";
    }

    // The registry names exactly the factions whose files are all there.
    const Strings registered = project.RegistryKeys();
    int present = 0;
    for (const std::string& key : kStock) {
        EXPECT_EQ(project.PiecesOf(key), Holds(registered, key) ? project.kWhole : 0) << key;
        present += project.PiecesOf(key) != 0;
    }
    if (!imports) {
        EXPECT_EQ(present, 2) << "only the imports add stock factions";
    }
    EXPECT_EQ(Holds(registered, "zx_new"), action.what == What::NewFaction && !failed);

    // The lists show the registry after a success, and after a failure what they showed
    // before, which the disk still holds: never less, never a faction the disk lacks.
    const Strings listed = Column("lv_newfactions");
    EXPECT_EQ(listed, failed ? listedBefore : registered);
    for (const std::string& key : listed)
        EXPECT_TRUE(Holds(registered, key)) << key;
    EXPECT_EQ(Column("lv_emphaty"), listed);
    EXPECT_EQ(Column("lv_Init"), listed);
    for (const char* picker : {"cboemphaty_group", "cboFP_group", "cboInit_group"})
        EXPECT_EQ(Entries(picker), listed) << picker;

    if (action.what == What::ListAdd) {
        EXPECT_EQ(project.Read("faction_prop/Shiplist_zx_a.lst"),
                  failed ? shipsBefore : "zx_a_ship\r\nzx_added_ship\r\n\r\n");
    }
    if (action.what == What::Compile) {
        EXPECT_EQ(project.Read("compiled/faction_prop.ini") == "earlier output\r\n", failed)
            << "the earlier output stays exactly when the compile failed";
    }
}

std::string CaseName(const ::testing::TestParamInfo<Case>& info)
{
    std::string name;
    for (const std::string& part : {std::string(info.param.action.name), std::string("_"),
                                    std::string(info.param.level.name)}) {
        for (char c : part)
            name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    }
    return name;
}

const Action kImportAll = {"import of all", What::ImportAll, 61};
const Action kImportOne = {"import of one", What::ImportOne, 61};
const Action kNewFaction = {"new faction", What::NewFaction, 5};
const Action kListAdd = {"list add", What::ListAdd, 61};
const Action kCompile = {"compile", What::Compile, 61, "compiled\\faction_prop.ini"};

std::vector<Case> Join(std::initializer_list<std::vector<Case>> parts)
{
    std::vector<Case> all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

// The imports check a faction's room before its first write and new/save the registry's; with
// room, every action lands whole.
INSTANTIATE_TEST_SUITE_P(
    CheckedBeforeTheWrites, FullDisk,
    ::testing::ValuesIn(Join({AtLevels(kImportAll, {kFull, kFewFiles, kEverything}),
                              AtLevels(kImportOne, {kFull, kFewFiles, kFewFactions, kEverything}),
                              AtLevels(kNewFaction, {kFull, kFewFiles, kFewFactions, kEverything}),
                              AtLevels(kListAdd, {kFewFiles, kFewFactions, kEverything}),
                              AtLevels(kCompile, {kFewFiles, kFewFactions, kEverything})})),
    CaseName);

// The room for the import of all's later factions besides the earlier ones the action holds,
// and a text write that has no room refused at its statement, with the disk-full error,
// before the handler goes on to its protocol line.
INSTANTIATE_TEST_SUITE_P(HeldWritesCounted, FullDisk,
                         ::testing::ValuesIn(Join({AtLevels(kImportAll, {kFewFactions}),
                                                   AtLevels(kListAdd, {kFull}),
                                                   AtLevels(kCompile, {kFull})})),
                         CaseName);

} // namespace
