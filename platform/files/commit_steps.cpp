#include "commit_steps.h"

#include <cerrno>
#include <fcntl.h>
#include <functional>
#include <map>
#include <unistd.h>
#include <utility>

namespace platform::files {

namespace {

struct Faults {
    std::function<void(fault::Step, const std::string&)> watcher;
    std::map<fault::Step, std::pair<int, int>> failing; // countdown, errno
};

Faults& TheFaults()
{
    static Faults faults;
    return faults;
}

} // namespace

namespace detail {

int Take(fault::Step step, const std::string& native)
{
    Faults& f = TheFaults();
    if (f.watcher)
        f.watcher(step, native);
    const auto it = f.failing.find(step);
    if (it == f.failing.end() || --it->second.first > 0)
        return 0;
    const int err = it->second.second;
    f.failing.erase(it);
    return err;
}

namespace {

// Takes `step`, then calls `flush` with the folder opened: 0, or the errno.
template <typename Flush> int FlushOpened(fault::Step step, const std::string& folder, Flush flush)
{
    if (const int err = Take(step, folder))
        return err;
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    const int err = flush(fd);
    ::close(fd);
    return err;
}

} // namespace

int FlushFolder(const std::string& folder)
{
    return FlushOpened(fault::Step::FlushFolder, folder, [](int fd) {
        // Some file systems cannot flush a folder; that is no failure of the write.
        return ::fsync(fd) == 0 || errno == EINVAL || errno == ENOTSUP ? 0 : errno;
    });
}

int FlushFileSystem(const std::string& folder)
{
    return FlushOpened(fault::Step::FlushTemporary, folder,
                       [](int fd) { return ::syncfs(fd) == 0 ? 0 : errno; });
}

} // namespace detail

void fault::SetStepWatcher(std::function<void(Step step, const std::string& native)> watcher)
{
    TheFaults().watcher = std::move(watcher);
}

void fault::FailAt(Step step, int nth, int err)
{
    TheFaults().failing[step] = {nth, err};
}

void fault::Reset()
{
    TheFaults() = {};
}

} // namespace platform::files
