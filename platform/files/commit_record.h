#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Internal to the file layer: the intent record of a commit, which lets a start after a kill
// complete the commit or undo it, and the hidden names a commit uses beside its targets.
namespace platform::files::detail {

// The intent record of a commit, in the base folder of the first file it changes.
constexpr const char* kRecordName = ".quorvel-commit";
constexpr std::string_view kRecordStart = "QVC1\n";
// Where an interrupted commit's own undo had begun: the record then asks for an undo.
constexpr std::string_view kUndoMark = "U\n";

std::string Hex(std::uint64_t value);
std::uint64_t HashOf(std::string_view text);
// The hidden names beside a target that a commit uses: its new content, and a second name
// of the old file, kept until the commit is through so that it can still be undone.
std::string HiddenName(const std::string& name, const std::string& ending);

enum class Op : char { Replace = 'R', Create = 'N', Remove = 'D' };

struct Move {
    Op op;
    std::string target;
    std::string temp;   // Replace, Create
    std::string backup; // Replace, Remove
};

// The record's list of moves, and the closing line that makes it whole.
std::string RecordList(const std::vector<Move>& moves);
std::string RecordClose(std::string_view list);

enum class RecordState { Listed, Whole, Undoing };
// False when `text` is no record; a record cut short gives the moves listed whole.
bool ParseRecord(const std::string& text, std::vector<Move>& moves, RecordState& state);
// 0, or the errno; the record's folder is flushed with it when `flush`.
int AppendRecord(const std::string& record, std::string_view text, bool flush);

// Puts back what the moves changed: each old file under its name again, each new one gone.
void UndoMoves(const std::vector<Move>& moves);
void RemoveLeftovers(const std::vector<Move>& moves);
// Makes the moves of a whole record, as far as a kill left them undone.
void CompleteMoves(const std::vector<Move>& moves);

} // namespace platform::files::detail
