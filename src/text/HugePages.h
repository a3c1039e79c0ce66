#pragma once

#include <QtGlobal>

#include <cstddef>
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
    char *const start = static_cast<char *>(data);
    const std::uintptr_t at = reinterpret_cast<std::uintptr_t>(start);
    const auto skipped = static_cast<qint64>((Huge - at % Huge) % Huge);
    const qint64 whole = (bytes - skipped) / qint64(Huge) * qint64(Huge);
    if (whole > 0)
        ::madvise(start + skipped, static_cast<std::size_t>(whole), MADV_HUGEPAGE);
#endif
}
