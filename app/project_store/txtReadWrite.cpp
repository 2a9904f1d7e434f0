#include "txtReadWrite.h"

#include "platform/errors/run_time_error.h"
#include "platform/files/files.h"

namespace quorvel {

namespace files = platform::files;

std::string ReadTextFile(const Path& sFile)
{
    if (!files::FileExists(sFile))
        return {};
    return files::ReadFile(sFile);
}

void WriteTextFile(const Path& sFile, const std::string& sText)
{
    std::string text;
    text.reserve(sText.size() + 2);
    text.append(sText).append("\r\n");
    files::WriteFile(sFile, std::move(text));
}

void RewriteTextFile(const Path& sFile, const std::function<std::string(const std::string&)>& edit)
{
    constexpr int kAttempts = 8;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        const files::FileVersion read = files::VersionOf(sFile);
        if (files::WriteFileIfUnchanged(sFile, edit(ReadTextFile(sFile)) + "\r\n", read))
            return;
    }
    platform::Raise(75);
}

void AppendTextFile(const Path& sFile, const std::string& sText)
{
    files::AppendFile(sFile, sText + "\r\n");
}

std::string ReadTextLine(const Path& sFile, std::int32_t lLine)
{
    if (lLine < 1 || !files::FileExists(sFile))
        return {};
    const std::vector<std::string> lines = files::SplitLines(files::ReadFile(sFile));
    if (static_cast<std::size_t>(lLine) > lines.size())
        return {};
    return lines[static_cast<std::size_t>(lLine) - 1];
}

} // namespace quorvel
