#pragma once

#include "tests/support/error_of.h"

#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace testing_support {

// The run-time error number that `call` raises in a child process whose files may not grow
// beyond `limit` bytes, so that write() stops part-way and then fails as at a full disk;
// 0 when it raises none, -1 when the child does not end normally.
inline int ErrorUnderSizeLimit(rlim_t limit, const std::function<void()>& call)
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit size{limit, limit};
        ::setrlimit(RLIMIT_FSIZE, &size);
        ::_exit(ErrorOf(call) & 0xFF);
    }
    int status = 0;
    if (pid < 0 || ::waitpid(pid, &status, 0) != pid || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

} // namespace testing_support
