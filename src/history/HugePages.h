#pragma once

#include <QtGlobal>

#include <cstdint>

#ifdef Q_OS_LINUX
#include <sys/mman.h>
#endif

// Asks for the whole pages of 2 MiB inside a large buffer not yet written, where the system
// allows it. Each first touch of a page costs a fault, and filling a hundred megabytes 4 KiB at a
// time cost more than the work done in them.
inline void preferHugePages([[maybe_unused]] void *data, [[maybe_unused]] qint64 bytes)
{
#if defined(Q_OS_LINUX) && defined(MADV_HUGEPAGE)
    constexpr std::uintptr_t Huge = std::uintptr_t(2) << 20;
    const auto at = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t begin = (at + Huge - 1) & ~(Huge - 1);
    const std::uintptr_t end = (at + static_cast<std::uintptr_t>(bytes)) & ~(Huge - 1);
    if (end > begin)
        ::madvise(reinterpret_cast<void *>(begin), end - begin, MADV_HUGEPAGE);
#endif
}
