// A user action through the real main window is one transaction: when the disk fails while
// it is written, or the program is killed at any moment of it, every file it touched holds
// all its bytes from before or all from after, the protocol never claims what is not there,
// and the window shows what the disk holds.

#include "window_fixture.h"

#include "tests/support/killed_at_step.h"
#include "tests/support/small_file_system.h"

#include "app/project_store/modFunctions.h"
#include "platform/files/fault_injection.h"
#include "platform/files/files.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using namespace platform::forms;
namespace fault = platform::files::fault;
using Tree = std::map<std::string, std::string>;

const std::vector<std::string> kKeys = {"tq_amber", "tq_basalt", "tq_cobalt", "tq_dune"};

std::string StockEmpathy(std::size_t i)
{
    std::string text =
        "[RepChangeEffects]\r\ngroup = " + kKeys[i] + "\r\nevent = object_destruction, -0.3\r\n";
    for (std::size_t j = 0; j < kKeys.size(); ++j) {
        if (j != i)
            text += "emphaty_rate = " + kKeys[j] + ", 0." + std::to_string(i + j) + "\r\n";
    }
    return text;
}

std::string StockProperties(std::size_t i)
{
    return "[FactionProps]\r\naffiliation = " + kKeys[i] + "\r\nlegality = lawful\r\n" +
           "npc_ship = " + kKeys[i] + "_scout\r\nvoice = voice_" + std::to_string(i) +
           "\r\nlastname = 2301" + std::to_string(i) + "\r\n";
}

std::string StockInitialWorld(std::size_t i)
{
    std::string text =
        "[Group]\r\nnickname = " + kKeys[i] + "\r\nids_name = 1968" + std::to_string(i) + "\r\n";
    for (std::size_t j = 0; j < kKeys.size(); ++j)
        text += "rep = 0." + std::to_string(j) + ", " + kKeys[j] + "\r\n";
    return text;
}

struct Action {
    const char* name;
    std::function<void(class Transaction&)> run;
    // User actions of their own that come first (a pick), made before the one watched.
    std::function<void(class Transaction&)> prepare = {};
};

class Transaction : public mainwin_test::WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        quorvel::SetProtocolClock([] { return std::chrono::system_clock::time_point{}; });
        for (std::size_t i = 0; i < kKeys.size(); ++i)
            PutStock(kKeys[i], StockEmpathy(i).c_str(), StockProperties(i).c_str(),
                     StockInitialWorld(i).c_str());
        ASSERT_TRUE(m_main->Load());
        SelectProject("Mod");
        Click("BreloButton6");
        Tick("Timer3", 500);
        ASSERT_EQ(quorvel::ActiveProject(), "Mod");
    }
    void TearDown() override
    {
        fault::Reset();
        quorvel::SetProtocolClock({});
        WindowTest::TearDown();
    }

public:
    void ImportAll() { Click("btnImportAll"); }
    void Compile(const char* button) { Click(button); }
    void PickEmpathy(const std::string& key)
    {
        auto& picker = Ctl<ComboBox>("cboemphaty_group");
        for (int i = 0; i < picker.ListCount(); ++i) {
            if (picker.List(i) == key)
                picker.SetListIndex(i);
        }
    }
    // The REP column of the empathy list: a double click on a row and a value typed.
    void PickForRep()
    {
        PickEmpathy(kKeys[1]);
        Ctl<CheckBox>("chkForceREP").SetValue(vbChecked);
    }
    void WriteRep(const std::string& value)
    {
        auto& view = Ctl<ListView>("lv_emphaty");
        view.SetSelectedItem(&view.ListItems()(3));
        m_dialogs->inputBoxAnswers.push_back(value);
        view.Raise("DblClick", view.DblClick);
    }
    void NewFaction(const std::string& key)
    {
        Ctl<TextBox>("txtNewNick").SetText(key);
        Ctl<TextBox>("txtNewDescr").SetText("New " + key);
        Click("btnnewfactionnew");
    }

    // Every file of the project, hidden ones (temporary files, records) included, and the
    // program folder's own hidden files.
    Tree Files() const
    {
        namespace fs = std::filesystem;
        Tree files;
        for (const auto& entry : fs::recursive_directory_iterator(m_tmp / "projects/Mod")) {
            if (entry.is_regular_file())
                files[fs::relative(entry.path(), m_tmp.path()).string()] =
                    m_tmp.Get(fs::relative(entry.path(), m_tmp.path()).string());
        }
        for (const auto& entry : fs::directory_iterator(m_tmp.path())) {
            if (entry.is_regular_file())
                files[entry.path().filename().string()] = "<hidden>";
        }
        return files;
    }
    static bool HasHidden(const Tree& tree)
    {
        for (const auto& [name, bytes] : tree) {
            if (name[0] == '.' || name.find("/.") != std::string::npos)
                return true;
        }
        return false;
    }
    std::vector<std::string> Shown() const
    {
        std::vector<std::string> shown = Column("lv_newfactions");
        for (const char* picker : {"cboFP_group", "cboemphaty_group", "cboInit_group"}) {
            const std::vector<std::string> entries = Entries(picker);
            shown.insert(shown.end(), entries.begin(), entries.end());
        }
        return shown;
    }

    // Runs `action` in a child process that is killed before its `step`-th step on the disk;
    // false when the action ended before that step.
    bool KilledAt(const Action& action, int step)
    {
        return testing_support::KilledAtStep(step, [&] { action.run(*this); });
    }

    // A start after a kill: the recovery the main window runs before it lists the projects.
    void Start() const { platform::files::RecoverInterruptedCommits(quorvel::ProgramFolder()); }

    ScriptedDialogs& Dialogs() { return *m_dialogs; }
};

const Action kActions[] = {
    {"import of all", [](Transaction& t) { t.ImportAll(); }},
    {"empathy compile", [](Transaction& t) { t.Compile("btnEmphatySave"); }},
    {"faction property compile", [](Transaction& t) { t.Compile("btnCompileFP"); }},
    {"initial world compile", [](Transaction& t) { t.Compile("BreloButton13"); }},
    {"REP column write", [](Transaction& t) { t.WriteRep("0.75"); },
     [](Transaction& t) { t.PickForRep(); }},
    {"new faction", [](Transaction& t) { t.NewFaction("tq_new"); }},
};

// A project that every action changes: imported and compiled once.
void Prepare(Transaction& t)
{
    t.ImportAll();
    t.Compile("btnEmphatySave");
    t.Compile("btnCompileFP");
    t.Compile("BreloButton13");
}

TEST_F(Transaction, AKillAtAnyMomentLeavesEachActionWholeOrAbsentAfterAStart)
{
    for (const Action& action : kActions) {
        SCOPED_TRACE(action.name);
        if (&action == &kActions[1])
            Prepare(*this); // the import runs on the empty project, the rest on a full one
        if (action.prepare)
            action.prepare(*this);
        const Tree before = Files();
        ASSERT_FALSE(HasHidden(before));
        // The whole action in a child first, for the files it leaves.
        ASSERT_FALSE(KilledAt(action, 1 << 30));
        const Tree after = Files();
        ASSERT_NE(after, before) << "the action changes the project";
        // Back to before, by the files' own bytes.
        for (const auto& [name, bytes] : after) {
            if (!before.count(name))
                ::unlink((m_tmp / name).c_str());
        }
        for (const auto& [name, bytes] : before)
            m_tmp.Put(name, bytes);
        ASSERT_EQ(Files(), before);

        int kills = 0;
        for (int step = 1; KilledAt(action, step); ++step) {
            SCOPED_TRACE("killed before step " + std::to_string(step));
            ++kills;
            Start();
            const Tree now = Files();
            EXPECT_FALSE(HasHidden(now)) << "a temporary file or the record was left";
            EXPECT_TRUE(now == before || now == after) << "the action is neither whole nor absent";
            if (now == after) { // undo for the next kill
                for (const auto& [name, bytes] : after) {
                    if (!before.count(name))
                        ::unlink((m_tmp / name).c_str());
                }
                for (const auto& [name, bytes] : before)
                    m_tmp.Put(name, bytes);
            }
        }
        EXPECT_GT(kills, 4) << "the action takes steps to kill it at";
    }
}

// A disk that fails only while the action is written: the platform's error naming the file,
// nothing of the action on disk, no protocol line, and the lists as they were.
TEST_F(Transaction, ADiskFailingWhileTheActionIsWrittenLandsNothingAndNamesTheFile)
{
    struct Failure {
        fault::Step step;
        int nth;
        int err;
        int number;
    };
    const Failure failures[] = {
        {fault::Step::WriteTemporary, 1, ENOSPC, 61},
        {fault::Step::WriteTemporary, 2, EIO, 57},
        {fault::Step::FlushTemporary, 2, EIO, 57},
        {fault::Step::FlushFolder, 1, EIO, 57},
        {fault::Step::WriteRecord, 2, ENOSPC, 61},
        {fault::Step::FlushRecord, 1, EIO, 57},
        {fault::Step::Rename, 2, EIO, 57},
        {fault::Step::FlushFolder, 3, EIO, 57},
        {fault::Step::WriteTemporary, 1, EDQUOT, 61},
    };
    Prepare(*this);
    for (const Action& action : kActions) {
        if (action.prepare)
            action.prepare(*this);
        for (const Failure& f : failures) {
            SCOPED_TRACE(std::string(action.name) + ", failure at step " +
                         std::to_string(static_cast<int>(f.step)) + " #" + std::to_string(f.nth));
            const Tree before = Files();
            const std::vector<std::string> shown = Shown();
            Dialogs().shown.clear();
            fault::FailAt(f.step, f.nth, f.err);
            action.run(*this);
            const bool failed = !Dialogs().shown.empty() &&
                                Dialogs().shown.back().prompt.find("Run-time error") == 0;
            fault::Reset();
            if (!failed) {
                // An action of too few steps to meet this one: it lands whole. Put it back.
                for (const auto& [name, bytes] : Files()) {
                    if (!before.count(name))
                        ::unlink((m_tmp / name).c_str());
                }
                for (const auto& [name, bytes] : before)
                    m_tmp.Put(name, bytes);
                m_main->LoadFactionList();
                continue;
            }
            const std::string& prompt = Dialogs().shown.back().prompt;
            EXPECT_EQ(prompt.find("Run-time error '" + std::to_string(f.number) + "'"), 0u)
                << prompt;
            EXPECT_NE(prompt.find(" (" + m_tmp.path() + "/"), std::string::npos)
                << "the file is named: " << prompt;
            EXPECT_EQ(Files(), before) << "nothing of the action landed";
            EXPECT_EQ(Shown(), shown) << "the lists show what the disk holds";
        }
    }
}

// A full disk, at several fill levels of a small file system, stops the compile at its
// output's write with the compiler's own message; the old output and the protocol stay.
TEST_F(Transaction, ACompileOnAFullDiskKeepsTheOldOutputAndLogsNothing)
{
    Prepare(*this);
    const std::string output = m_tmp.Get("projects/Mod/compiled/faction_prop.ini");
    ASSERT_FALSE(output.empty());
    const std::string mount = m_tmp / "projects/Mod/compiled";
    const testing_support::SmallFileSystem small(mount, 64);
    if (!small.Mounted())
        GTEST_SKIP() << "no small file system can be mounted here";
    m_tmp.Put("projects/Mod/compiled/faction_prop.ini", output);
    // Every block of the small file system taken: the new output has no room.
    {
        const int fd = ::open((mount + "/filler").c_str(), O_WRONLY | O_CREAT, 0644);
        const std::string block(4096, 'f');
        while (::write(fd, block.data(), block.size()) > 0) {
        }
        ::close(fd);
    }
    const std::string protocol = m_tmp.Get("projects/Mod/Protocol/protocol.txt");
    Dialogs().shown.clear();
    Compile("btnCompileFP");
    ASSERT_EQ(Dialogs().shown.size(), 1u);
    const std::string& prompt = Dialogs().shown[0].prompt;
    EXPECT_EQ(prompt.find("Run-time error '61'"), 0u) << prompt;
    EXPECT_NE(prompt.find("wurde nicht geschrieben"), std::string::npos) << prompt;
    EXPECT_EQ(m_tmp.Get("projects/Mod/compiled/faction_prop.ini"), output);
    EXPECT_EQ(m_tmp.Get("projects/Mod/Protocol/protocol.txt"), protocol) << "no protocol line";
    EXPECT_EQ(m_tmp.CountEntries("projects/Mod/compiled"), 2) << "no temporary file is left";

    ::unlink((mount + "/filler").c_str());
    Dialogs().shown.clear();
    Compile("btnCompileFP");
    EXPECT_TRUE(Dialogs().shown.empty());
    EXPECT_NE(m_tmp.Get("projects/Mod/Protocol/protocol.txt"), protocol);
}

} // namespace
