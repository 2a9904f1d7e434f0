#include "ini_index.h"

#include "platform/files/names.h"

namespace platform::profile {

namespace {

constexpr std::string_view kCrLf = "\r\n";

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool EndsInLineEnd(std::string_view text)
{
    return !text.empty() && (text.back() == '\r' || text.back() == '\n');
}

} // namespace

std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string_view IniIndex::Folded(std::string_view name)
{
    std::size_t i = 0;
    while (i < name.size() && files::FoldCase(name[i]) == name[i])
        ++i;
    if (i == name.size())
        return name;
    if (!m_folded)
        m_folded = std::make_unique<std::deque<std::string>>();
    return m_folded->emplace_back(files::FoldCase(name));
}

const IniIndex::Section* IniIndex::FindSection(std::string_view folded) const
{
    const auto it = m_sections.find(folded);
    return it == m_sections.end() ? nullptr : &it->second;
}

const IniIndex::Key* IniIndex::FindKey(const Section& section, std::string_view folded) const
{
    if (section.slotCount == 0)
        return nullptr;
    const std::size_t hash = std::hash<std::string_view>{}(folded);
    const std::size_t mask = section.slotCount - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const std::uint32_t slot = m_slots[section.firstSlot + i];
        if (slot == 0)
            return nullptr;
        const Entry& entry = m_entries[slot - 1];
        if (entry.hash == hash && entry.folded == folded)
            return &entry.key;
    }
}

void IniIndex::Close(Section& section, std::size_t first)
{
    const std::size_t count = m_entries.size() - first;
    if (count == 0)
        return;
    std::size_t slots = 4;
    while (slots < 2 * count)
        slots *= 2;
    section.firstSlot = static_cast<std::uint32_t>(m_slots.size());
    section.slotCount = static_cast<std::uint32_t>(slots);
    m_slots.resize(m_slots.size() + slots, 0);
    std::uint32_t* table = m_slots.data() + section.firstSlot;
    for (std::size_t n = first; n < m_entries.size(); ++n) {
        const Entry& entry = m_entries[n];
        for (std::size_t i = entry.hash & (slots - 1);; i = (i + 1) & (slots - 1)) {
            if (table[i] == 0) {
                table[i] = static_cast<std::uint32_t>(n + 1);
                break;
            }
            const Entry& held = m_entries[table[i] - 1];
            if (held.hash == entry.hash && held.folded == entry.folded)
                break; // the first line of a key counts
        }
    }
}

std::optional<std::string_view> IniIndex::FindValue(std::string_view foldedSection,
                                                    std::string_view foldedKey) const
{
    const Section* section = FindSection(foldedSection);
    const Key* key = section ? FindKey(*section, foldedKey) : nullptr;
    if (!key)
        return std::nullopt;
    return Value(*key);
}

// The key's line without its line end, trimmed, as the parse saw it.
std::string_view IniIndex::Line(const Key& key) const
{
    const std::string_view text = content;
    std::size_t end = text.find_first_of(kCrLf, key.begin);
    if (end == std::string_view::npos)
        end = text.size();
    return TrimBlanks(text.substr(key.begin, end - key.begin));
}

std::string_view IniIndex::Spelled(const Key& key) const
{
    const std::string_view line = Line(key);
    return TrimBlanks(line.substr(0, line.find('=')));
}

std::string_view IniIndex::Value(const Key& key) const
{
    const std::string_view line = Line(key);
    return TrimBlanks(line.substr(line.find('=') + 1));
}

std::size_t IniIndex::MemoryBytes() const
{
    // A section's node with its share of the buckets and the allocator's overhead.
    // The object with its control block and the allocator's overhead, and the buckets.
    constexpr std::size_t kPerSection = 80, kPerFolded = 48, kPerIndex = 128;
    std::size_t bytes = sizeof(IniIndex) + kPerIndex + sizeof(void*) * m_sections.bucket_count() +
                        content.capacity() + kPerSection * m_sections.size() +
                        sizeof(Entry) * m_entries.capacity() +
                        sizeof(std::uint32_t) * m_slots.capacity();
    if (m_folded) {
        for (const std::string& name : *m_folded)
            bytes += kPerFolded + (name.size() > 15 ? name.capacity() : 0);
    }
    return bytes;
}

std::shared_ptr<const IniIndex> ParseIni(std::string content)
{
    auto index = std::make_shared<IniIndex>();
    index->content = std::move(content);
    const std::string_view text = index->content;
    // Sized once: growing a table of a million keys would move every entry twenty times.
    std::size_t lines = 1, headers = 1;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') {
            ++lines;
            headers += i + 1 < text.size() && text[i + 1] == '[';
        }
    }
    index->m_sections.reserve(headers);
    index->m_entries.reserve(lines - headers + 1);

    IniIndex::Section* current = nullptr; // null before the first section and in repeats
    std::size_t currentFirst = 0;         // its first entry
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
            if (current)
                index->Close(*current, currentFirst);
            auto [it, isNew] = index->m_sections.try_emplace(index->Folded(TrimBlanks(name)));
            current = isNew ? &it->second : nullptr;
            currentFirst = index->m_entries.size();
            if (current) {
                current->insertAt = next;
                current->insertHasEol = hasEol;
            }
            continue;
        }
        const std::size_t eq = line.find('=');
        if (eq == std::string_view::npos || !current)
            continue;
        const std::string_view folded = index->Folded(TrimBlanks(line.substr(0, eq)));
        index->m_entries.push_back(IniIndex::Entry{std::hash<std::string_view>{}(folded), folded,
                                                   IniIndex::Key{begin, next}});
        current->insertAt = next;
        current->insertHasEol = hasEol;
    }
    if (current)
        index->Close(*current, currentFirst);
    return index;
}

bool KeepsBytes(const IniIndex& index, std::string_view section, std::string_view key,
                std::string_view value)
{
    const IniIndex::Section* s = index.FindSection(files::FoldCase(section));
    const IniIndex::Key* found = s ? index.FindKey(*s, files::FoldCase(key)) : nullptr;
    if (!found)
        return false;
    const std::string_view line =
        std::string_view(index.content).substr(found->begin, found->next - found->begin);
    const std::string_view spelled = index.Spelled(*found);
    return line.size() == spelled.size() + 1 + value.size() + kCrLf.size() &&
           line.substr(0, spelled.size()) == spelled && line[spelled.size()] == '=' &&
           line.substr(spelled.size() + 1, value.size()) == value &&
           line.substr(line.size() - kCrLf.size()) == kCrLf;
}

std::string WithValue(const IniIndex* index, std::string_view section, std::string_view key,
                      std::string_view value)
{
    std::string keyLine;
    keyLine.append(key).append("=").append(value).append(kCrLf);
    std::string sectionBlock;
    sectionBlock.append("[").append(section).append("]").append(kCrLf).append(keyLine);
    if (!index)
        return sectionBlock;

    const std::string& content = index->content;
    const IniIndex::Section* s = index->FindSection(files::FoldCase(section));
    if (!s) {
        std::string out = content;
        if (!out.empty() && !EndsInLineEnd(out))
            out.append(kCrLf);
        return out + sectionBlock;
    }
    if (const IniIndex::Key* found = index->FindKey(*s, files::FoldCase(key))) {
        std::string out = content.substr(0, found->begin);
        out.append(index->Spelled(*found)).append("=").append(value).append(kCrLf);
        out.append(content, found->next);
        return out;
    }
    const std::size_t at = s->insertAt;
    std::string out = content.substr(0, at);
    if (!s->insertHasEol)
        out.append(kCrLf);
    out.append(keyLine);
    out.append(content, at);
    return out;
}

} // namespace platform::profile
