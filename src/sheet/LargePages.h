// Big buffers filled once from start to end (a file's bytes, a sheet's values) take their memory in
// large pages where the system gives them on request: one fault per 2 MiB instead of per 4 KiB,
// which is a good part of an open's time. Only a hint; nothing changes where it is not taken.
#pragma once
#include <sys/mman.h>

#include <cstddef>
#include <cstdint>

namespace zoriduvo {

inline void AskForLargePages(const void* start, std::size_t bytes) {
#ifdef MADV_HUGEPAGE
    constexpr std::uintptr_t kLarge = std::uintptr_t{2} << 20;
    const auto from = (reinterpret_cast<std::uintptr_t>(start) + kLarge - 1) & ~(kLarge - 1);
    const auto to = (reinterpret_cast<std::uintptr_t>(start) + bytes) & ~(kLarge - 1);
    if (to > from) madvise(reinterpret_cast<void*>(from), to - from, MADV_HUGEPAGE);
#else
    (void)start, (void)bytes;
#endif
}

}  // namespace zoriduvo
