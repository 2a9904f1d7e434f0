#include "previous_ini_index.h"

#include "platform/files/names.h"
#include "platform/profile/ini_index.h"

namespace previous_ini {

namespace {

constexpr std::string_view kCrLf = "\r\n";

using platform::files::FoldCase;
using platform::profile::TrimBlanks;

bool EndsInLineEnd(std::string_view text)
{
    return !text.empty() && (text.back() == '\r' || text.back() == '\n');
}

} // namespace

std::shared_ptr<const Index> Parse(std::string content)
{
    auto index = std::make_shared<Index>();
    index->content = std::move(content);
    const std::string_view text = index->content;

    Index::Section* current = nullptr;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find_first_of(kCrLf, pos);
        if (end == std::string_view::npos)
            end = text.size();
        std::size_t next = end;
        if (next < text.size())
            next +=
                (text[next] == '\r' && next + 1 < text.size() && text[next + 1] == '\n') ? 2 : 1;
        const bool hasEol = end < text.size();
        const std::size_t begin = pos;
        const std::string_view line = TrimBlanks(text.substr(pos, end - pos));
        pos = next;

        if (line.empty() || line.front() == ';')
            continue;
        if (line.front() == '[') {
            std::string_view name = line.substr(1);
            name = name.substr(0, name.find(']'));
            auto [it, isNew] = index->sections.try_emplace(FoldCase(TrimBlanks(name)));
            current = isNew ? &it->second : nullptr;
            if (current) {
                current->insertAt = next;
                current->insertHasEol = hasEol;
            }
            continue;
        }
        const std::size_t eq = line.find('=');
        if (eq == std::string_view::npos || !current)
            continue;
        const std::string_view key = TrimBlanks(line.substr(0, eq));
        current->keys.try_emplace(FoldCase(key),
                                  Index::Key{std::string(TrimBlanks(line.substr(eq + 1))),
                                             std::string(key), begin, next});
        current->insertAt = next;
        current->insertHasEol = hasEol;
    }
    return index;
}

std::optional<std::string> Find(const Index& index, std::string_view section, std::string_view key)
{
    const auto s = index.sections.find(FoldCase(section));
    if (s == index.sections.end())
        return std::nullopt;
    const auto k = s->second.keys.find(FoldCase(key));
    if (k == s->second.keys.end())
        return std::nullopt;
    return k->second.value;
}

std::string WithValue(const Index* index, std::string_view section, std::string_view key,
                      std::string_view value)
{
    std::string keyLine;
    keyLine.append(key).append("=").append(value).append(kCrLf);
    std::string sectionBlock;
    sectionBlock.append("[").append(section).append("]").append(kCrLf).append(keyLine);
    if (!index)
        return sectionBlock;

    const std::string& content = index->content;
    const auto s = index->sections.find(FoldCase(section));
    if (s == index->sections.end()) {
        std::string out = content;
        if (!out.empty() && !EndsInLineEnd(out))
            out.append(kCrLf);
        return out + sectionBlock;
    }
    const auto k = s->second.keys.find(FoldCase(key));
    if (k != s->second.keys.end()) {
        const Index::Key& found = k->second;
        std::string out = content.substr(0, found.begin);
        out.append(found.spelled).append("=").append(value).append(kCrLf);
        out.append(content, found.next);
        return out;
    }
    const std::size_t at = s->second.insertAt;
    std::string out = content.substr(0, at);
    if (!s->second.insertHasEol)
        out.append(kCrLf);
    out.append(keyLine);
    out.append(content, at);
    return out;
}

} // namespace previous_ini
