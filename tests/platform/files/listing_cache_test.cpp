// Names found without regard to case come from remembered folder listings; whatever other
// programs do to the folder must still be seen.
#include "platform/files/files.h"
#include "tests/support/temp_folder.h"

#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

namespace {

using platform::files::Path;
using testing_support::TempFolder;
namespace files = platform::files;

struct timespec ModifiedOf(const std::string& native)
{
    struct stat st = {};
    ::stat(native.c_str(), &st);
    return st.st_mtim;
}

void SetModified(const std::string& native, const struct timespec& when)
{
    const struct timespec times[2] = {when, when};
    ::utimensat(AT_FDCWD, native.c_str(), times, 0);
}

// Entries made, removed and renamed with plain system calls, as another program would.
void Make(const std::string& folder, const std::string& name)
{
    ::close(::open((folder + "/" + name).c_str(), O_WRONLY | O_CREAT, 0644));
}

void Remove(const std::string& folder, const std::string& name)
{
    ::unlink((folder + "/" + name).c_str());
}

// `change` as if it fell within the timestamp tick of the last listing: the folder's stamp
// stays as it was, which a coarse clock does without the test having to wait for it.
std::function<void(const std::string&)>
InTheSameTick(std::function<void(const std::string&)> change)
{
    return [change](const std::string& folder) {
        const struct timespec before = ModifiedOf(folder);
        change(folder);
        SetModified(folder, before);
    };
}

class ListingCacheTest : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override { files::SetListingCacheEnabled(GetParam()); }
    void TearDown() override { files::SetListingCacheEnabled(true); }
};

TEST_P(ListingCacheTest, SeesWhatOtherProgramsDoToTheFolder)
{
    using Change = std::function<void(const std::string&)>;
    struct Case {
        const char* name;
        // The folder's last change lies well before the first lookup; otherwise its stamp
        // is that of the current tick (a second ahead, so that a slow run stays in it).
        bool settled;
        std::vector<const char*> before;
        Change outside;
        const char* asked;
        const char* found; // nullptr: nothing there
    };
    const Case cases[] = {
        {"made outside",
         true,
         {"a.ini"},
         [](auto& f) { Make(f, "Rep_b.ini"); },
         "REP_B.INI",
         "Rep_b.ini"},
        {"removed outside",
         true,
         {"gone.ini"},
         [](auto& f) { Remove(f, "gone.ini"); },
         "GONE.INI",
         nullptr},
        {"renamed to another letter case outside",
         true,
         {"x.ini"},
         [](auto& f) { ::rename((f + "/x.ini").c_str(), (f + "/X.INI").c_str()); },
         "x.Ini",
         "X.INI"},
        {"a twin that sorts first made outside",
         true,
         {"b.INI"},
         [](auto& f) { Make(f, "B.ini"); },
         "b.ini",
         "B.ini"},
        {"made outside in the same tick",
         false,
         {"a.ini"},
         InTheSameTick([](auto& f) { Make(f, "late.ini"); }),
         "LATE.ini",
         "late.ini"},
        {"removed outside in the same tick",
         false,
         {"a.ini", "gone.ini"},
         InTheSameTick([](auto& f) { Remove(f, "gone.ini"); }),
         "Gone.ini",
         nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder tmp;
        tmp.MakeFolder("Data");
        const std::string data = tmp / "Data";
        for (const char* name : c.before)
            Make(data, name);
        struct timespec now;
        ::clock_gettime(CLOCK_REALTIME, &now);
        SetModified(data, {now.tv_sec + (c.settled ? -3600 : 1), now.tv_nsec});
        const Path asked = Path::Native(tmp.path()) / "data" / c.asked;
        // The first lookups read the folder: the name asked and one that is never there.
        files::Resolve(asked);
        EXPECT_FALSE(files::FileExists(Path::Native(tmp.path()) / "DATA" / "never.ini"));

        c.outside(data);
        std::string native;
        EXPECT_EQ(files::Resolve(asked, native), c.found != nullptr);
        if (c.found) {
            EXPECT_EQ(native, data + "/" + c.found);
        }
        EXPECT_FALSE(files::FileExists(Path::Native(tmp.path()) / "DATA" / "never.ini"));
    }
}

TEST_P(ListingCacheTest, SeesWhatThisProgramDoesToTheFolder)
{
    TempFolder tmp;
    tmp.MakeFolder("Data");
    SetModified(tmp / "Data", {ModifiedOf(tmp / "Data").tv_sec - 3600, 0});
    const Path root = Path::Native(tmp.path());
    EXPECT_FALSE(files::FileExists(root / "data" / "new.ini"));
    EXPECT_FALSE(files::FolderExists(root / "data" / "sub"));

    files::WriteFile(root / "DATA" / "NEW.ini", "x");
    files::CreateFolder(root / "Data" / "Sub");
    files::WriteFile(root / "data" / "sub" / "inner.ini", "y");
    EXPECT_EQ(files::Resolve(root / "data" / "new.ini"), tmp / "Data/NEW.ini");
    EXPECT_EQ(files::ReadFile(root / "data" / "SUB" / "INNER.INI"), "y");

    files::DeleteFile(root / "data" / "new.ini");
    files::DeleteFolderTree(root / "data" / "sub");
    EXPECT_FALSE(files::FileExists(root / "data" / "new.ini"));
    EXPECT_FALSE(files::FolderExists(root / "data" / "sub"));
}

INSTANTIATE_TEST_SUITE_P(CacheOnAndOff, ListingCacheTest, ::testing::Bool());

} // namespace
