#include "large_buffer.h"

#include <cstdint>
#include <malloc.h>
#include <sys/mman.h>

namespace platform::files {

namespace {

constexpr std::size_t kLargePage = std::size_t(2) << 20;
// Below this the few small pages cost nothing worth a system call.
constexpr std::size_t kWorthIt = std::size_t(4) << 20;

} // namespace

void ReserveLarge(std::string& text, std::size_t size)
{
    text.reserve(size);
#ifdef MADV_HUGEPAGE
    if (text.capacity() < kWorthIt)
        return;
    // Only whole large pages inside the buffer can be given; the advice is a hint, and
    // where the system refuses it the buffer is simply met page by page.
    const auto begin = reinterpret_cast<std::uintptr_t>(text.data());
    const std::uintptr_t end = begin + text.capacity();
    const std::uintptr_t first = (begin + kLargePage - 1) & ~(kLargePage - 1);
    const std::uintptr_t last = end & ~(kLargePage - 1);
    if (last > first)
        ::madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
#endif
}

void ReleaseFreedMemory()
{
#ifdef __GLIBC__
    ::malloc_trim(0);
#endif
}

} // namespace platform::files
