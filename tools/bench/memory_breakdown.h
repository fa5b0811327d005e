#pragma once

#include <optional>
#include <sys/types.h>

namespace tivak::bench {

// Where a process's resident memory lies, summed over its mappings in /proc/<pid>/smaps:
// code and data of shared libraries, pixel buffers shared with the X server (window backing
// stores), memory of its own (heap and anonymous mappings), and the rest (fonts, caches, locale).
struct MemoryBreakdown
{
    double librariesMiB = 0.0;
    double windowBuffersMiB = 0.0;
    double ownMiB = 0.0;
    double otherMiB = 0.0;
    int libraries = 0; // how many distinct shared libraries are mapped
};

// The breakdown of the process with that id; none when it is gone.
std::optional<MemoryBreakdown> memoryBreakdown(pid_t pid);

} // namespace tivak::bench
