#pragma once

#include "platform/files/fault_injection.h"

#include <csignal>
#include <functional>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace testing_support {

// Runs `action` in a child process that is killed just before its `step`-th step on the disk
// (counted from 1 over every commit it makes); false when the action ended before that step.
inline bool KilledAtStep(int step, const std::function<void()>& action)
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        int seen = 0;
        platform::files::fault::SetStepWatcher(
            [&](platform::files::fault::Step, const std::string&) {
                if (++seen == step)
                    ::kill(::getpid(), SIGKILL);
            });
        action();
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

} // namespace testing_support
