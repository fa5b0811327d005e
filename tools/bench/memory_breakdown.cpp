#include "memory_breakdown.h"

#include <fstream>
#include <set>
#include <sstream>
#include <string>

namespace tivak::bench {

namespace {

bool isMappingHeader(const std::string &line)
{
    // "7f12a000-7f12b000 r-xp 00000000 08:01 1234   /usr/lib/libfoo.so.1"
    const auto dash = line.find('-');
    return dash != std::string::npos && dash > 0 &&
           line.find_first_not_of("0123456789abcdef") == dash;
}

std::string mappedPath(const std::string &header)
{
    std::istringstream fields(header);
    std::string range, permissions, offset, device, inode, path;
    fields >> range >> permissions >> offset >> device >> inode;
    std::getline(fields >> std::ws, path);
    return path;
}

double &shareFor(MemoryBreakdown &breakdown, const std::string &path)
{
    if (path.find(".so") != std::string::npos)
        return breakdown.librariesMiB;
    if (path.starts_with("/memfd:xorg") || path.starts_with("/SYSV"))
        return breakdown.windowBuffersMiB;
    if (path.empty() || path.starts_with("[heap]") || path.starts_with("[stack]") ||
        path.starts_with("[anon"))
        return breakdown.ownMiB;
    return breakdown.otherMiB;
}

} // namespace

std::optional<MemoryBreakdown> memoryBreakdown(pid_t pid)
{
    std::ifstream smaps("/proc/" + std::to_string(pid) + "/smaps");
    if (!smaps)
        return std::nullopt;
    MemoryBreakdown breakdown;
    std::set<std::string> libraries;
    double *share = &breakdown.otherMiB;
    for (std::string line; std::getline(smaps, line);) {
        if (isMappingHeader(line)) {
            const std::string path = mappedPath(line);
            share = &shareFor(breakdown, path);
            if (share == &breakdown.librariesMiB)
                libraries.insert(path);
        } else if (line.starts_with("Rss:")) {
            *share += std::stod(line.substr(4)) / 1024.0;
        }
    }
    breakdown.libraries = int(libraries.size());
    return breakdown;
}

} // namespace tivak::bench
