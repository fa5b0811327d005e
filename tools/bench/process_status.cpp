#include "process_status.h"

#include <fstream>
#include <string>

namespace tivak::bench {

std::optional<ProcessStatus> processStatus(pid_t pid)
{
    std::ifstream status(pid == 0 ? std::string("/proc/self/status")
                                  : "/proc/" + std::to_string(pid) + "/status");
    if (!status)
        return std::nullopt;
    ProcessStatus figures;
    bool sawResident = false, sawThreads = false;
    for (std::string field; status >> field;) {
        if (field == "VmRSS:") {
            double kilobytes = 0;
            status >> kilobytes;
            figures.residentMiB = kilobytes / 1024.0;
            sawResident = true;
        } else if (field == "Threads:") {
            status >> figures.threads;
            sawThreads = true;
        }
    }
    if (!sawResident || !sawThreads)
        return std::nullopt; // a process that has become a zombie no longer has memory figures
    return figures;
}

} // namespace tivak::bench
