#include "files.h"

namespace platform::files {

FileVersion FileVersion::Of(const struct stat& st)
{
    FileVersion version;
    version.exists = true;
    version.device = st.st_dev;
    version.inode = st.st_ino;
    version.size = st.st_size;
    version.modified = st.st_mtim;
    version.changed = st.st_ctim;
    return version;
}

bool FileVersion::operator==(const FileVersion& other) const
{
    const auto same = [](const struct timespec& a, const struct timespec& b) {
        return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
    };
    if (exists != other.exists)
        return false;
    return !exists || (device == other.device && inode == other.inode && size == other.size &&
                       same(modified, other.modified) && same(changed, other.changed));
}

std::vector<std::string> SplitLines(std::string_view text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r')
            continue;
        lines.emplace_back(text.substr(start, i - start));
        if (i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.emplace_back(text.substr(start));
    return lines;
}

} // namespace platform::files
