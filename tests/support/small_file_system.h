#pragma once

#include <cstdlib>
#include <string>
#include <unistd.h>

namespace testing_support {

// A small file system of `kilobytes` mounted over the folder `at` (inside a test's own
// temporary folder) while this lives, so that a test can fill a disk; needs root.
class SmallFileSystem {
public:
    SmallFileSystem(std::string at, int kilobytes)
        : m_at(std::move(at))
    {
        m_mounted =
            ::geteuid() == 0 && std::system(("mount -t tmpfs -o size=" + std::to_string(kilobytes) +
                                             "k tmpfs '" + m_at + "' 2>/dev/null")
                                                .c_str()) == 0;
    }
    ~SmallFileSystem()
    {
        if (m_mounted)
            (void)std::system(("umount '" + m_at + "'").c_str());
    }
    SmallFileSystem(const SmallFileSystem&) = delete;
    SmallFileSystem& operator=(const SmallFileSystem&) = delete;

    bool Mounted() const { return m_mounted; }

private:
    std::string m_at;
    bool m_mounted = false;
};

} // namespace testing_support
