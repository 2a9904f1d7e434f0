#include "ini_document.h"

#include "platform/files/large_buffer.h"
#include "platform/files/names.h"

#include <algorithm>

namespace platform::profile {

namespace {

constexpr std::string_view kCrLf = "\r\n";

std::string KeyLine(std::string_view key, std::string_view value)
{
    std::string line;
    line.reserve(key.size() + value.size() + 3);
    line.append(key).append("=").append(value).append(kCrLf);
    return line;
}

std::string_view SpelledIn(std::string_view line)
{
    return line.substr(0, line.find('='));
}

std::string_view ValueIn(std::string_view line)
{
    const std::size_t eq = line.find('=');
    return TrimBlanks(line.substr(eq + 1, line.size() - eq - 1 - kCrLf.size()));
}

} // namespace

IniDocument::IniDocument(std::shared_ptr<const IniIndex> original)
{
    Reset(std::move(original));
}

void IniDocument::Reset(std::shared_ptr<const IniIndex> original)
{
    m_original = std::move(original);
    m_pieces.clear();
    m_cut.clear();
    m_sections.clear();
    m_size = m_original ? m_original->content.size() : 0;
    if (m_original && !m_original->content.empty()) {
        m_pieces.push_back(m_original->content);
        m_cut.emplace(0, m_pieces.begin());
    }
    m_originalEnd = m_pieces.insert(m_pieces.end(), std::string());
}

// The piece that starts at `offset` of the original text, cut off its piece if need be.
// Offsets are always line starts, so a cut never falls inside a line that was rewritten.
IniDocument::Piece IniDocument::PieceAt(std::size_t offset)
{
    if (!m_original || offset >= m_original->content.size())
        return m_originalEnd;
    const auto holder = std::prev(m_cut.upper_bound(offset));
    if (holder->first == offset)
        return holder->second;
    const Piece piece = holder->second;
    const std::size_t keep = offset - holder->first;
    const Piece tail = m_pieces.insert(std::next(piece), piece->substr(keep));
    piece->resize(keep);
    m_cut.emplace(offset, tail);
    return tail;
}

// CR LF after the text before `at` when that text does not end in a line end. It joins the
// line it ends, so that rewriting that line later replaces it with the line.
std::size_t IniDocument::EndLineBefore(Piece at)
{
    while (at != m_pieces.begin()) {
        --at;
        if (at->empty())
            continue;
        if (at->back() == '\r' || at->back() == '\n')
            return 0;
        at->append(kCrLf);
        return kCrLf.size();
    }
    return 0;
}

std::optional<std::string_view> IniDocument::Find(std::string_view section,
                                                  std::string_view key) const
{
    const std::string s = files::FoldCase(section);
    const std::string k = files::FoldCase(key);
    if (const auto edited = m_sections.find(s); edited != m_sections.end()) {
        if (edited->second.packed) {
            const auto line = PackedLine(*edited->second.packed, k);
            return line ? std::optional<std::string_view>(ValueIn(*line)) : std::nullopt;
        }
        if (const auto line = edited->second.keys.find(k); line != edited->second.keys.end())
            return ValueIn(*line->second);
    }
    if (!m_original)
        return std::nullopt;
    return m_original->FindValue(s, k);
}

bool IniDocument::Keeps(std::string_view section, std::string_view key,
                        std::string_view value) const
{
    const std::string s = files::FoldCase(section);
    const std::string k = files::FoldCase(key);
    if (const auto edited = m_sections.find(s); edited != m_sections.end()) {
        if (edited->second.packed) {
            const auto line = PackedLine(*edited->second.packed, k);
            return line && *line == KeyLine(SpelledIn(*line), value);
        }
        if (const auto line = edited->second.keys.find(k); line != edited->second.keys.end())
            return *line->second == KeyLine(SpelledIn(*line->second), value);
    }
    // A line not written keeps the original's bytes, unless a line end was added after it,
    // which only a line without one gets: such a line never keeps its bytes here.
    return m_original && KeepsBytes(*m_original, section, key, value);
}

bool IniDocument::StoresPlainly(std::string_view section, std::string_view key,
                                std::string_view value)
{
    return !key.empty() && key.find('=') == std::string_view::npos && key.front() != ';' &&
           key.front() != '[' && section.find(']') == std::string_view::npos &&
           value.find_first_of(kCrLf) == std::string_view::npos;
}

bool IniDocument::EachNewKey(
    const std::function<void(std::string_view, std::string_view, std::string_view)>& take) const
{
    if (m_original)
        return false;
    // Each piece after the first (empty) one is a packed section: its header, then its key
    // lines, each ending in CR LF, in the order the keys were first set.
    for (auto piece = std::next(m_pieces.begin()); piece != m_pieces.end(); ++piece) {
        std::string_view text = *piece;
        const std::size_t headerEnd = text.find(kCrLf);
        const std::string_view section = text.substr(1, headerEnd - 2);
        text.remove_prefix(headerEnd + kCrLf.size());
        while (!text.empty()) {
            const std::size_t end = text.find(kCrLf);
            const std::string_view line = text.substr(0, end);
            const std::size_t eq = line.find('=');
            take(section, line.substr(0, eq), line.substr(eq + 1));
            text.remove_prefix(end + kCrLf.size());
        }
    }
    return true;
}

void IniDocument::Set(std::string_view section, std::string_view key, std::string_view value)
{
    SetLine(section, key, value);
    // A written line costs about ten times its bytes as a piece of its own; a parsed one
    // about three. An import writes a million lines into one file: past a share of the
    // parsed lines, the text is parsed anew, which costs about twice the final text in all.
    constexpr std::size_t kFewPieces = 1u << 16;
    // The parsed lines are counted only past the few: counting makes every section.
    // A document begun with no file is all packed sections, which take no pieces per line.
    if (m_original && m_pieces.size() > kFewPieces && m_pieces.size() > m_original->KeyCount() / 2)
        Reset(ParseIni(Content()));
}

void IniDocument::SetLine(std::string_view section, std::string_view key, std::string_view value)
{
    if (!StoresPlainly(section, key, value)) {
        const std::shared_ptr<const IniIndex> now = ParseIni(Content());
        Reset(ParseIni(WithValue(now.get(), section, key, value)));
        return;
    }
    const std::string s = files::FoldCase(section);
    const std::string k = files::FoldCase(key);
    const IniIndex::Section* original = m_original ? m_original->FindSection(s) : nullptr;
    const auto edited = m_sections.find(s);
    if (!original && edited == m_sections.end()) {
        m_size += EndLineBefore(m_pieces.end());
        std::string header;
        header.append("[").append(section).append("]").append(kCrLf);
        m_size += header.size();
        Section& added = m_sections[s];
        added.packed = std::make_unique<Packed>();
        added.packed->piece = m_pieces.insert(m_pieces.end(), std::move(header));
        SetPacked(*added.packed, key, k, value);
        return;
    }

    Section& target = edited != m_sections.end() ? edited->second : m_sections[s];
    if (target.packed) {
        SetPacked(*target.packed, key, k, value);
        return;
    }
    if (const auto written = target.keys.find(k); written != target.keys.end()) {
        std::string& text = *written->second;
        m_size -= text.size();
        text = KeyLine(SpelledIn(text), value);
        m_size += text.size();
        return;
    }
    if (original) {
        if (const std::optional<IniIndex::Key> found = m_original->FindKey(*original, k)) {
            PieceAt(found->next);
            const Piece line = PieceAt(found->begin);
            m_size -= line->size();
            *line = KeyLine(m_original->Spelled(*found), value);
            m_size += line->size();
            target.keys.emplace(k, line);
            return;
        }
    }
    const Piece at =
        target.last ? std::next(*target.last) : PieceAt(m_original->InsertPoint(*original).at);
    m_size += EndLineBefore(at);
    const Piece line = m_pieces.insert(at, KeyLine(key, value));
    m_size += line->size();
    target.last = line;
    target.keys.emplace(k, line);
}

namespace {

// The line that starts at `start`: every line of a packed section ends in CR LF.
std::string_view LineAt(const std::string& text, std::size_t start)
{
    const std::size_t end = text.find(kCrLf, start);
    return std::string_view(text).substr(start, end + kCrLf.size() - start);
}

} // namespace

std::size_t IniDocument::SlotOf(const Packed& packed, std::string_view folded)
{
    const std::size_t mask = packed.slots.size() - 1;
    std::size_t at = std::hash<std::string_view>{}(folded)&mask;
    while (packed.slots[at] != 0 &&
           !files::SameNameIgnoringCase(SpelledIn(LineAt(*packed.piece, packed.slots[at] - 1)),
                                        folded))
        at = (at + 1) & mask;
    return at;
}

void IniDocument::PutSlot(Packed& packed, std::uint32_t start, std::string_view folded)
{
    if ((packed.count + 1) * 2 > packed.slots.size()) {
        std::vector<std::uint32_t> old(std::max<std::size_t>(16, packed.slots.size() * 2), 0);
        old.swap(packed.slots);
        for (const std::uint32_t slot : old) {
            if (slot != 0) {
                const std::string name =
                    files::FoldCase(SpelledIn(LineAt(*packed.piece, slot - 1)));
                packed.slots[SlotOf(packed, name)] = slot;
            }
        }
    }
    packed.slots[SlotOf(packed, folded)] = start + 1;
    ++packed.count;
}

std::optional<std::string_view> IniDocument::PackedLine(const Packed& packed,
                                                        std::string_view folded)
{
    if (packed.slots.empty())
        return std::nullopt;
    const std::uint32_t slot = packed.slots[SlotOf(packed, folded)];
    if (slot == 0)
        return std::nullopt;
    return LineAt(*packed.piece, slot - 1);
}

void IniDocument::SetPacked(Packed& packed, std::string_view key, std::string_view folded,
                            std::string_view value)
{
    std::string& text = *packed.piece;
    if (!packed.slots.empty()) {
        const std::size_t slot = SlotOf(packed, folded);
        if (const std::uint32_t at = packed.slots[slot]; at != 0) {
            // A key written again: its line changes where it stands, the later ones move.
            const std::size_t start = at - 1;
            const std::size_t old = LineAt(text, start).size();
            const std::string line = KeyLine(SpelledIn(LineAt(text, start)), value);
            text.replace(start, old, line);
            m_size += line.size() - old;
            if (line.size() != old) {
                const auto delta =
                    static_cast<std::int64_t>(line.size()) - static_cast<std::int64_t>(old);
                for (std::uint32_t& s : packed.slots) {
                    if (s > at)
                        s = static_cast<std::uint32_t>(s + delta);
                }
            }
            return;
        }
    }
    const auto start = static_cast<std::uint32_t>(text.size());
    text.append(key).append("=").append(value).append(kCrLf);
    m_size += text.size() - start;
    PutSlot(packed, start, folded);
}

std::string IniDocument::TakeContent()
{
    // The pieces given up are handed back as the whole grows: a big document would
    // otherwise take its room twice at the end.
    constexpr std::size_t kHandBackEvery = std::size_t(8) << 20;
    std::string content;
    files::ReserveLarge(content, static_cast<std::size_t>(m_size));
    std::size_t given = 0;
    while (!m_pieces.empty()) {
        content.append(m_pieces.front());
        given += m_pieces.front().capacity();
        m_pieces.pop_front();
        if (given >= kHandBackEvery) {
            files::ReleaseFreedMemory();
            given = 0;
        }
    }
    Reset(nullptr);
    return content;
}

std::string IniDocument::Content() const
{
    std::size_t size = 0;
    for (const std::string& piece : m_pieces)
        size += piece.size();
    std::string content;
    files::ReserveLarge(content, size);
    for (const std::string& piece : m_pieces)
        content.append(piece);
    return content;
}

} // namespace platform::profile
