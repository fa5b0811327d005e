#include "media_root.h"

namespace tivak {

std::string clipPath(std::size_t rootIndex, std::string_view clip)
{
    std::string path{mediaRoots.at(rootIndex)};
    path += clip;
    return path;
}

} // namespace tivak
