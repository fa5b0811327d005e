#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace tivak {

// Finds the file that a Windows path such as "D:\Tivak\3.1.m4a" names on a system without drive
// letters: drive X: is the folder "x" under mountRoot (/mnt/x, as WSL mounts it), and each
// component is looked up as Windows would, ignoring letter case. A component matches the entry
// of exactly that name, else the one entry that differs from it only in letter case; with no such
// entry, or more than one, the path names nothing. Slashes count as backslashes.
std::optional<std::filesystem::path> resolveWindowsPath(std::string_view windowsPath,
                                                        const std::filesystem::path &mountRoot);

} // namespace tivak
