#pragma once

#include <cstddef>
#include <string>

namespace platform::files {

// Room for `size` bytes in `text`, backed by large pages where the system offers them. A
// buffer of tens of megabytes (a file read whole, a compile's output) is otherwise met page
// by small page as it is first written, and those faults cost more than the bytes: on this
// program's machines about three times the read of the file itself.
void ReserveLarge(std::string& text, std::size_t size);

// Hands the memory the program freed back to the system. The allocator keeps what was freed
// for itself; after a compile's output or an import the process would stay that much bigger,
// and small blocks given up while a large one is made would add up with it.
void ReleaseFreedMemory();

} // namespace platform::files
