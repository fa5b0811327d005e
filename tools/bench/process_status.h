#pragma once

#include <optional>
#include <sys/types.h>

namespace tivak::bench {

// How much memory a running process holds and how many threads it runs, as the kernel counts
// them in /proc/<pid>/status (VmRSS and Threads).
struct ProcessStatus
{
    double residentMiB = 0.0;
    int threads = 0;
};

// The status of the process with that id, or of this process when the id is 0; none when the
// process is gone.
std::optional<ProcessStatus> processStatus(pid_t pid = 0);

} // namespace tivak::bench
