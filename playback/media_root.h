#pragma once

#include <array>
#include <string>
#include <string_view>

namespace tivak {

// The three folders an installation may live in, in the order the players are given them.
// These are the only folders ever tried; nothing is read from the environment.
inline constexpr std::array<std::string_view, 3> mediaRoots{
    R"(C:\Program files\Tivak\)",
    R"(C:\Program files (x86)\Tivak\)",
    R"(D:\Tivak\)",
};

// A clip's full path under the root with the given index (0, 1 or 2).
std::string clipPath(std::size_t rootIndex, std::string_view clip);

} // namespace tivak
