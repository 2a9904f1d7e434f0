#pragma once

#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <ftw.h>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace testing_support {

// A fresh folder below /tmp, removed with all it holds when the test ends. The helpers
// work on native paths below it, bypassing the code under test.
class TempFolder {
public:
    TempFolder()
    {
        char pattern[] = "/tmp/qv_test_XXXXXX";
        if (!mkdtemp(pattern))
            throw std::runtime_error("mkdtemp failed");
        m_path = pattern;
    }
    ~TempFolder()
    {
        nftw(
            m_path.c_str(),
            [](const char* p, const struct stat*, int, struct FTW*) { return ::remove(p); }, 16,
            FTW_DEPTH | FTW_PHYS);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return m_path; }
    std::string operator/(const std::string& rel) const { return m_path + "/" + rel; }

    void Put(const std::string& rel, const std::string& bytes) const
    {
        std::ofstream out(*this / rel, std::ios::binary);
        out << bytes;
        if (!out)
            throw std::runtime_error("cannot write " + rel);
    }
    std::string Get(const std::string& rel) const
    {
        std::ifstream in(*this / rel, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    bool Exists(const std::string& rel) const
    {
        struct stat st;
        return ::stat((*this / rel).c_str(), &st) == 0;
    }
    void MakeFolder(const std::string& rel) const { ::mkdir((*this / rel).c_str(), 0777); }
    // Number of entries directly inside `rel` ("" for the folder itself); -1 when missing.
    int CountEntries(const std::string& rel = "") const
    {
        DIR* dir = opendir((rel.empty() ? m_path : *this / rel).c_str());
        if (!dir)
            return -1;
        int n = 0;
        while (dirent* e = readdir(dir)) {
            const std::string name = e->d_name;
            if (name != "." && name != "..")
                ++n;
        }
        closedir(dir);
        return n;
    }

private:
    std::string m_path;
};

} // namespace testing_support
