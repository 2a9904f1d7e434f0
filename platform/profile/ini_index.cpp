#include "ini_index.h"

#include "platform/files/names.h"

#include <algorithm>

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

// Where the line that holds `from` ends, and where the next one begins: at CR LF, LF or a
// lone CR.
struct LineEnd {
    std::size_t end;
    std::size_t next;
};

// The first CR or LF at or after `from`, or the end. A plain loop: find_first_of looks for
// each byte in the set with a call of its own.
std::size_t LineEndFrom(std::string_view text, std::size_t from)
{
    const std::size_t size = text.size();
    const char* const data = text.data();
    std::size_t end = from;
    while (end < size && data[end] != '\r' && data[end] != '\n')
        ++end;
    return end;
}

LineEnd LineEndAfter(std::string_view text, std::size_t from)
{
    const std::size_t end = LineEndFrom(text, from);
    std::size_t next = end;
    if (next < text.size())
        next += (text[next] == '\r' && next + 1 < text.size() && text[next + 1] == '\n') ? 2 : 1;
    return {end, next};
}

// The hash of `name` folded: names that fold alike hash alike. FNV-1a, its high half mixed
// into the low one, since the tables take their slot from the low bits.
std::uint32_t FoldedHash(std::string_view name)
{
    std::uint64_t h = 14695981039346656037ull;
    for (char c : name)
        h = (h ^ static_cast<unsigned char>(files::FoldCase(c))) * 1099511628211ull;
    return static_cast<std::uint32_t>(h ^ (h >> 32));
}

std::size_t SlotsFor(std::size_t count)
{
    std::size_t slots = 4;
    while (slots < 2 * count)
        slots *= 2;
    return slots;
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

std::string_view IniIndex::NameOf(const Section& section) const
{
    return std::string_view(content).substr(section.m_nameAt, section.m_nameLength);
}

const IniIndex::Section* IniIndex::FindSection(std::string_view folded) const
{
    if (m_sections.empty())
        return nullptr;
    const std::uint32_t hash = FoldedHash(folded);
    const std::size_t mask = m_sectionSlots.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const std::uint32_t slot = m_sectionSlots[i];
        if (slot == 0)
            return nullptr;
        const Section& section = m_sections[slot - 1];
        if (section.m_hash == hash && files::SameNameIgnoringCase(NameOf(section), folded))
            return &section;
    }
}

template <typename Take> void IniIndex::EachKeyLine(const Section& section, Take take) const
{
    const std::string_view text = content;
    std::size_t pos = section.m_begin;
    while (pos < section.m_end) {
        const auto [end, next] = LineEndAfter(text, pos);
        const std::size_t begin = pos;
        const std::string_view line = TrimBlanks(text.substr(pos, end - pos));
        pos = next;
        // No line of it is a header: the section ends at the next.
        if (line.empty() || line.front() == ';')
            continue;
        const std::size_t eq = line.find('=');
        if (eq != std::string_view::npos)
            take(begin, next, end < text.size(), TrimBlanks(line.substr(0, eq)));
    }
}

void IniIndex::Make(const Section& section) const
{
    if (section.m_made)
        return;
    section.m_made = true;
    const std::size_t first = m_entries.size();
    EachKeyLine(
        section, [&](std::size_t begin, std::size_t next, bool hasEol, std::string_view name) {
            const std::size_t length = next - begin;
            m_entries.push_back(
                Entry{begin, length < kLongLine ? static_cast<std::uint32_t>(length) : kLongLine,
                      FoldedHash(name)});
            section.m_insertion = Insertion{next, hasEol};
        });
    const std::size_t count = m_entries.size() - first;
    if (count == 0)
        return;
    const std::size_t slots = SlotsFor(count);
    section.m_firstSlot = static_cast<std::uint32_t>(m_slots.size());
    section.m_slotCount = static_cast<std::uint32_t>(slots);
    m_slots.resize(m_slots.size() + slots, 0);
    std::uint32_t* table = m_slots.data() + section.m_firstSlot;
    for (std::size_t n = first; n < m_entries.size(); ++n) {
        const Entry& entry = m_entries[n];
        const std::string_view name = Spelled(KeyOf(entry));
        for (std::size_t i = entry.hash & (slots - 1);; i = (i + 1) & (slots - 1)) {
            if (table[i] == 0) {
                table[i] = static_cast<std::uint32_t>(n + 1);
                break;
            }
            const Entry& held = m_entries[table[i] - 1];
            if (held.hash == entry.hash && files::SameNameIgnoringCase(Spelled(KeyOf(held)), name))
                break; // the first line of a key counts
        }
    }
}

IniIndex::Key IniIndex::KeyOf(const Entry& entry) const
{
    if (entry.length != kLongLine)
        return Key{entry.begin, entry.begin + entry.length};
    return Key{entry.begin, LineEndAfter(content, entry.begin).next};
}

std::optional<IniIndex::Key> IniIndex::FindKey(const Section& section,
                                               std::string_view folded) const
{
    Make(section);
    if (section.m_slotCount == 0)
        return std::nullopt;
    const std::uint32_t hash = FoldedHash(folded);
    const std::size_t mask = section.m_slotCount - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const std::uint32_t slot = m_slots[section.m_firstSlot + i];
        if (slot == 0)
            return std::nullopt;
        const Entry& entry = m_entries[slot - 1];
        if (entry.hash == hash) {
            const Key key = KeyOf(entry);
            if (files::SameNameIgnoringCase(Spelled(key), folded))
                return key;
        }
    }
}

IniIndex::Insertion IniIndex::InsertPoint(const Section& section) const
{
    Make(section);
    return section.m_insertion;
}

std::size_t IniIndex::KeyCount() const
{
    // Asked for by a writer of many keys, which goes on to look at most sections anyway.
    for (const Section& section : m_sections)
        Make(section);
    return m_entries.size();
}

std::optional<std::string_view> IniIndex::FindValue(std::string_view foldedSection,
                                                    std::string_view foldedKey) const
{
    const Section* section = FindSection(foldedSection);
    const std::optional<Key> key = section ? FindKey(*section, foldedKey) : std::nullopt;
    if (!key)
        return std::nullopt;
    return Value(*key);
}

// The key's line without its line end, trimmed, as the parse saw it.
std::string_view IniIndex::Line(const Key& key) const
{
    // The line ends where its line end begins: it holds no CR or LF before it.
    std::string_view line = std::string_view(content).substr(key.begin, key.next - key.begin);
    if (!line.empty() && line.back() == '\n')
        line.remove_suffix(1);
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    return TrimBlanks(line);
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
    // The deque's blocks hold 512 bytes each, and its map a pointer per block.
    constexpr std::size_t kBlock = 512, kPerBlock = kBlock / sizeof(Entry);
    const std::size_t blocks = m_entries.size() / kPerBlock + 1;
    return m_fixedBytes + (kBlock + 2 * sizeof(void*)) * blocks +
           sizeof(std::uint32_t) * m_slots.capacity();
}

std::shared_ptr<const IniIndex> ParseIni(std::string content)
{
    auto index = std::make_shared<IniIndex>();
    index->content = std::move(content);
    const std::string_view text = index->content;

    // A header is a line whose first byte past its blanks is '['; its section runs to the
    // next header line. Keys before the first header and the lines of a repeated section
    // belong to no section.
    std::vector<IniIndex::Section>& sections = index->m_sections;
    IniIndex::Section* current = nullptr; // null before the first section and in repeats
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t bracket = text.find('[', at);
        if (bracket == std::string_view::npos)
            break;
        std::size_t begin = bracket;
        while (begin > 0 && IsBlank(text[begin - 1]))
            --begin;
        if (begin > 0 && text[begin - 1] != '\r' && text[begin - 1] != '\n') {
            at = bracket + 1;
            continue;
        }
        const auto [end, next] = LineEndAfter(text, bracket);
        const std::string_view line = TrimBlanks(text.substr(bracket, end - bracket));
        std::string_view name = line.substr(1);
        name = TrimBlanks(name.substr(0, name.find(']')));
        if (current)
            current->m_end = begin;
        IniIndex::Section& section = sections.emplace_back();
        section.m_nameAt = static_cast<std::size_t>(name.data() - text.data());
        section.m_nameLength = static_cast<std::uint32_t>(name.size());
        section.m_hash = FoldedHash(name);
        section.m_begin = next;
        section.m_end = text.size();
        section.m_insertion = IniIndex::Insertion{next, end < text.size()};
        current = &section;
        at = next;
    }

    // The table of first sections; a repeat leaves the list again, so that its lines
    // belong to none.
    std::vector<std::uint32_t>& slots = index->m_sectionSlots;
    slots.assign(SlotsFor(sections.size()), 0);
    const std::size_t mask = slots.size() - 1;
    std::size_t kept = 0;
    for (std::size_t n = 0; n < sections.size(); ++n) {
        const IniIndex::Section& section = sections[n];
        const std::string_view name = index->NameOf(section);
        bool repeat = false;
        std::size_t i = section.m_hash & mask;
        for (; slots[i] != 0; i = (i + 1) & mask) {
            const IniIndex::Section& held = sections[slots[i] - 1];
            if (held.m_hash == section.m_hash &&
                files::SameNameIgnoringCase(index->NameOf(held), name)) {
                repeat = true;
                break;
            }
        }
        if (repeat)
            continue;
        if (kept != n)
            sections[kept] = section;
        slots[i] = static_cast<std::uint32_t>(++kept);
    }
    sections.resize(kept);
    if (sections.capacity() > kept + kept / 4 + 8)
        sections.shrink_to_fit();

    // The object with its control block and the allocator's overhead.
    constexpr std::size_t kPerIndex = 128;
    index->m_fixedBytes = sizeof(IniIndex) + kPerIndex + index->content.capacity() +
                          sizeof(IniIndex::Section) * sections.capacity() +
                          sizeof(std::uint32_t) * slots.capacity();
    return index;
}

bool KeepsBytes(const IniIndex& index, std::string_view section, std::string_view key,
                std::string_view value)
{
    const IniIndex::Section* s = index.FindSection(files::FoldCase(section));
    const std::optional<IniIndex::Key> found =
        s ? index.FindKey(*s, files::FoldCase(key)) : std::nullopt;
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
    if (const std::optional<IniIndex::Key> found = index->FindKey(*s, files::FoldCase(key))) {
        std::string out = content.substr(0, found->begin);
        out.append(index->Spelled(*found)).append("=").append(value).append(kCrLf);
        out.append(content, found->next);
        return out;
    }
    const IniIndex::Insertion insertion = index->InsertPoint(*s);
    std::string out = content.substr(0, insertion.at);
    if (!insertion.hasEol)
        out.append(kCrLf);
    out.append(keyLine);
    out.append(content, insertion.at);
    return out;
}

} // namespace platform::profile
