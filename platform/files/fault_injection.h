#pragma once

#include <functional>
#include <string>

// For tests: the steps a commit takes on the disk, a watcher of them, and failures made to
// order, so that a test can see what a failing disk or a kill at any moment leaves.
namespace platform::files::fault {

enum class Step {
    WriteTemporary, // a new content to its temporary file
    FlushTemporary, // that file to the disk
    FlushFolder,    // a folder's entries to the disk
    WriteRecord,    // the intent record (its list, then its closing line)
    FlushRecord,    // the intent record to the disk
    Rename,         // a temporary file over its target
    Delete,         // a deleted file
    WriteInPlace,   // a file written over its own bytes
    RemoveRecord,   // the end of a commit
};

// Called before each step with the native path it concerns; it may kill the process.
void SetStepWatcher(std::function<void(Step step, const std::string& native)> watcher);

// The `nth` time (from 1) that `step` is taken from now on, it fails with `err`.
void FailAt(Step step, int nth, int err);
// Forgets the failures and the watcher.
void Reset();

} // namespace platform::files::fault
