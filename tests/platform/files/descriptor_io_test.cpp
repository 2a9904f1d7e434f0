// Whole writes and reads on a descriptor: the bytes written piece by piece are those of the
// pieces joined, however they are cut, and a read gives the file's bytes after what it held.
#include "platform/files/descriptor_io.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using namespace platform::files::detail;
using testing_support::TempFolder;

constexpr std::size_t kQuarter = std::size_t(256) << 10; // what the writer gathers

std::string Pattern(std::size_t size, int seed)
{
    std::string s(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        s[i] = static_cast<char>((i * 31 + static_cast<std::size_t>(seed) * 7) & 0xFF);
    return s;
}

TEST(DescriptorIo, PiecesAreWrittenAsTheirJoinedBytes)
{
    const std::vector<std::vector<std::size_t>> cuts = {
        {},
        {0, 0},
        {1},
        {kQuarter},
        {kQuarter - 1, 1},
        {kQuarter - 1, 2, 0, 5},
        {10, kQuarter + 3, 10},
        {3 * kQuarter, 1, kQuarter},
        std::vector<std::size_t>(5000, 77), // many small, past several gatherings
    };
    for (std::size_t c = 0; c < cuts.size(); ++c) {
        SCOPED_TRACE("cut " + std::to_string(c));
        std::vector<std::string> pieces;
        std::string joined;
        for (std::size_t i = 0; i < cuts[c].size(); ++i) {
            pieces.push_back(Pattern(cuts[c][i], static_cast<int>(i)));
            joined += pieces.back();
        }
        TempFolder tmp;
        const std::string file = tmp / "out";
        const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ASSERT_GE(fd, 0);
        EXPECT_EQ(WritePieces(fd,
                              [&](const std::function<void(std::string_view)>& take) {
                                  for (const std::string& piece : pieces)
                                      take(piece);
                              }),
                  0);
        ::close(fd);
        EXPECT_TRUE(tmp.Get("out") == joined) << tmp.Get("out").size() << " vs " << joined.size();
    }
}

TEST(DescriptorIo, AReadAppendsTheWholeFile)
{
    TempFolder tmp;
    for (const std::size_t size : {std::size_t(0), std::size_t(1), std::size_t(65536),
                                   std::size_t(65537), 3 * kQuarter + 11}) {
        SCOPED_TRACE(size);
        const std::string bytes = Pattern(size, 3);
        tmp.Put("in", bytes);
        const int fd = ::open((tmp / "in").c_str(), O_RDONLY);
        ASSERT_GE(fd, 0);
        std::string content = "held:";
        EXPECT_EQ(ReadAll(fd, content), 0);
        ::close(fd);
        EXPECT_TRUE(content == "held:" + bytes);
    }
    // A pipe has no size to make room by: it is read to its end all the same.
    int pipe[2];
    ASSERT_EQ(::pipe(pipe), 0);
    const std::string sent = Pattern(40000, 5);
    ASSERT_EQ(::write(pipe[1], sent.data(), sent.size()), static_cast<ssize_t>(sent.size()));
    ::close(pipe[1]);
    std::string got;
    EXPECT_EQ(ReadAll(pipe[0], got), 0);
    ::close(pipe[0]);
    EXPECT_TRUE(got == sent);
}

} // namespace
