#include "commit_record.h"

#include "commit_steps.h"
#include "descriptor_io.h"
#include "native_file.h"
#include "native_path.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <fcntl.h>
#include <set>
#include <unistd.h>

namespace platform::files::detail {

std::string Hex(std::uint64_t value)
{
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(value));
    return hex;
}

std::uint64_t HashOf(std::string_view text)
{
    std::uint64_t hash = 14695981039346656037ull; // FNV-1a
    for (const char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    return hash;
}

std::string HiddenName(const std::string& name, const std::string& ending)
{
    if (1 + name.size() + ending.size() <= NAME_MAX)
        return "." + name + ending;
    return "." + Hex(HashOf(name)) + ending;
}

namespace {

void PutField(std::string& out, const std::string& field)
{
    out.append(field).push_back('\0');
}

} // namespace

std::string RecordList(const std::vector<Move>& moves)
{
    std::string out(kRecordStart);
    for (const Move& m : moves) {
        out.push_back(static_cast<char>(m.op));
        PutField(out, m.target);
        PutField(out, m.temp);
        PutField(out, m.backup);
    }
    return out;
}

std::string RecordClose(std::string_view list)
{
    return "C" + Hex(HashOf(list)) + "\n";
}

bool ParseRecord(const std::string& text, std::vector<Move>& moves, RecordState& state)
{
    if (text.compare(0, kRecordStart.size(), kRecordStart) != 0)
        return false;
    std::size_t at = kRecordStart.size();
    const auto field = [&](std::string& out) {
        const std::size_t end = text.find('\0', at);
        if (end == std::string::npos)
            return false;
        out = text.substr(at, end - at);
        at = end + 1;
        return true;
    };
    state = RecordState::Listed;
    while (at < text.size()) {
        const char op = text[at];
        if (op == 'C') {
            const std::string close = RecordClose(std::string_view(text).substr(0, at));
            if (text.compare(at, close.size(), close) != 0)
                return true; // cut short before it was whole
            state = RecordState::Whole;
            if (text.compare(at + close.size(), kUndoMark.size(), kUndoMark) == 0)
                state = RecordState::Undoing;
            return true;
        }
        if (op != 'R' && op != 'N' && op != 'D')
            return true;
        ++at;
        Move m{static_cast<Op>(op), {}, {}, {}};
        if (!field(m.target) || !field(m.temp) || !field(m.backup))
            return true;
        moves.push_back(std::move(m));
    }
    return true;
}

int AppendRecord(const std::string& record, std::string_view text, bool flush)
{
    if (const int err = Take(fault::Step::WriteRecord, record))
        return err;
    const int fd = ::open(record.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
    if (fd < 0)
        return errno;
    int err = WriteAll(fd, text);
    if (err == 0 && flush && (err = Take(fault::Step::FlushRecord, record)) == 0 &&
        ::fsync(fd) != 0)
        err = errno;
    ::close(fd);
    if (err == 0 && flush)
        err = FlushFolder(ParentOf(record));
    return err;
}

void UndoMoves(const std::vector<Move>& moves)
{
    for (auto it = moves.rbegin(); it != moves.rend(); ++it) {
        const Move& m = *it;
        if (m.op == Op::Create) {
            if (!Exists(m.temp) && Exists(m.target))
                ::unlink(m.target.c_str());
        } else if (Exists(m.backup)) {
            if (SameFile(m.backup, m.target))
                ::unlink(m.backup.c_str());
            else
                ::rename(m.backup.c_str(), m.target.c_str());
        }
    }
}

void RemoveLeftovers(const std::vector<Move>& moves)
{
    std::set<std::string> folders;
    for (const Move& m : moves) {
        for (const std::string* hidden : {&m.temp, &m.backup}) {
            if (!hidden->empty() && ::unlink(hidden->c_str()) == 0)
                folders.insert(ParentOf(*hidden));
        }
    }
    for (const std::string& folder : folders)
        FlushFolder(folder);
}

void CompleteMoves(const std::vector<Move>& moves)
{
    std::set<std::string> folders;
    for (const Move& m : moves) {
        folders.insert(ParentOf(m.target));
        if (m.op == Op::Remove) {
            if (Exists(m.backup) && SameFile(m.backup, m.target))
                ::unlink(m.target.c_str());
        } else if (Exists(m.temp)) {
            ::rename(m.temp.c_str(), m.target.c_str());
        }
    }
    for (const std::string& folder : folders)
        FlushFolder(folder);
}

} // namespace platform::files::detail
