// The cost of one whole-file write (a temporary file flushed to disk, renamed over the
// target, the folder flushed) beside a bare write-and-rename without flushing, and the
// cost of looking up missing names in a large folder with and without remembered
// listings. Not a test: run it by hand, e.g. build/bin/bench_write_file [folder]; the
// folder (default: a new one below /tmp) should sit on the disk whose cost is wanted.
#include "platform/files/files.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <ftw.h>
#include <string>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;
namespace files = platform::files;

constexpr int kWrites = 300;
constexpr int kFolderFiles = 3000;
constexpr int kLookups = 3000;

double MicrosecondsSince(Clock::time_point start, int count)
{
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count() / count;
}

// What a write cost before it was made safe: no flush, no lock, no check; with `flush`,
// the file (not the folder) is flushed before the rename.
void BareWrite(const std::string& folder, const std::string& content, bool flush)
{
    const std::string temp = folder + "/.bare.tmp";
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0 || ::write(fd, content.data(), content.size()) < 0)
        std::perror("bare write");
    if (flush)
        ::fsync(fd);
    ::close(fd);
    ::rename(temp.c_str(), (folder + "/bare.ini").c_str());
}

void Report(const char* what, std::size_t bytes, double micros)
{
    std::printf("| %-44s | %7zu | %10.1f |\n", what, bytes, micros);
}

} // namespace

int main(int argc, char** argv)
{
    std::string base = argc > 1 ? argv[1] : "/tmp";
    std::string pattern = base + "/qv_bench_write_XXXXXX";
    if (!mkdtemp(pattern.data())) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::string folder = pattern;
    const files::Path root = files::Path::Native(folder);

    std::printf("| %-44s | %7s | %10s |\n", "step", "bytes", "us per call");
    std::printf("|%s|%s|%s|\n", std::string(46, '-').c_str(), std::string(9, '-').c_str(),
                std::string(12, '-').c_str());
    for (const std::size_t bytes :
         {std::size_t(200), std::size_t(20'000), std::size_t(2'000'000)}) {
        const std::string content(bytes, 'x');
        const int count = bytes > 100'000 ? kWrites / 10 : kWrites;
        auto start = Clock::now();
        for (int i = 0; i < count; ++i)
            files::WriteFile(root / "Target.ini", content);
        Report("WriteFile (flushed, locked temp, rename)", bytes, MicrosecondsSince(start, count));
        start = Clock::now();
        for (int i = 0; i < count; ++i) {
            const files::FileVersion read = files::VersionOf(root / "Versioned.ini");
            files::WriteFileIfUnchanged(root / "Versioned.ini", content, read);
        }
        Report("VersionOf + WriteFileIfUnchanged", bytes, MicrosecondsSince(start, count));
        for (const bool flush : {true, false}) {
            start = Clock::now();
            for (int i = 0; i < count; ++i)
                BareWrite(folder, content, flush);
            Report(flush ? "reference: file flushed, folder not" : "reference: no flush at all",
                   bytes, MicrosecondsSince(start, count));
        }
    }

    ::mkdir((folder + "/new").c_str(), 0777);
    for (int i = 0; i < kFolderFiles; ++i)
        ::close(::open((folder + "/new/faction_" + std::to_string(i) + ".ini").c_str(),
                       O_WRONLY | O_CREAT, 0644));
    sleep(1); // the folder's stamp must lie in the past for its listing to be kept
    for (const bool cached : {false, true}) {
        files::SetListingCacheEnabled(cached);
        const auto start = Clock::now();
        for (int i = 0; i < kLookups; ++i)
            files::FileExists(root / "NEW" / ("missing_" + std::to_string(i) + ".ini"));
        Report(cached ? "missing name, 3000 entries, listing kept"
                      : "missing name, 3000 entries, folder read",
               0, MicrosecondsSince(start, kLookups));
    }

    nftw(
        folder.c_str(),
        [](const char* p, const struct stat*, int, struct FTW*) { return ::remove(p); }, 16,
        FTW_DEPTH | FTW_PHYS);
    return 0;
}
