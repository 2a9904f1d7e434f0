#pragma once

#include <cstdlib>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace testing_support {

// The user that permission cases run as: root ignores file modes, so a case that expects a
// refusal proves nothing as root.
constexpr const char* kOtherUser = "65534";

// Runs this test program again, as the unprivileged user when the caller is root (through
// setpriv), with only `test` selected and `env` added to its environment. Returns the child's
// exit status, or -1 when it could not be started or did not exit.
inline int RunTestAsOtherUser(const std::string& test,
                              const std::vector<std::pair<std::string, std::string>>& env)
{
    char exe[4096];
    const ssize_t n = ::readlink("/proc/self/exe", exe, sizeof exe - 1);
    if (n <= 0)
        return -1;
    exe[n] = '\0';
    const std::string filter = "--gtest_filter=" + test;
    const pid_t pid = ::fork();
    if (pid < 0)
        return -1;
    if (pid == 0) {
        for (const auto& [name, value] : env)
            ::setenv(name.c_str(), value.c_str(), 1);
        if (::geteuid() == 0) {
            const std::string uid = std::string("--reuid=") + kOtherUser;
            const std::string gid = std::string("--regid=") + kOtherUser;
            ::execlp("setpriv", "setpriv", uid.c_str(), gid.c_str(), "--clear-groups", exe,
                     filter.c_str(), static_cast<char*>(nullptr));
        } else {
            ::execl(exe, exe, filter.c_str(), static_cast<char*>(nullptr));
        }
        ::_exit(127);
    }
    int status = 0;
    if (::waitpid(pid, &status, 0) != pid || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

} // namespace testing_support
