#include "windows_path.h"

#include <QString>
#include <algorithm>
#include <cctype>
#include <system_error>
#include <vector>

namespace tivak {
namespace fs = std::filesystem;

namespace {

bool sameIgnoringCase(const fs::path &entry, std::string_view component)
{
    const std::string name = entry.filename().string();
    return QString::compare(QString::fromUtf8(name.data(), qsizetype(name.size())),
                            QString::fromUtf8(component.data(), qsizetype(component.size())),
                            Qt::CaseInsensitive) == 0;
}

// The entry of folder that the component names, if exactly one does.
std::optional<fs::path> findEntry(const fs::path &folder, std::string_view component)
{
    std::error_code error;
    fs::path exact = folder / component;
    if (fs::exists(fs::symlink_status(exact, error)))
        return exact;

    std::optional<fs::path> match;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (!sameIgnoringCase(it->path(), component))
            continue;
        if (match)
            return std::nullopt; // ambiguous
        match = it->path();
    }
    if (error)
        return std::nullopt;
    return match;
}

bool isSeparator(char c)
{
    return c == '\\' || c == '/';
}

} // namespace

std::optional<fs::path> resolveWindowsPath(std::string_view windowsPath, const fs::path &mountRoot)
{
    const bool hasDrive = windowsPath.size() >= 3 &&
                          std::isalpha(static_cast<unsigned char>(windowsPath[0])) &&
                          windowsPath[1] == ':' && isSeparator(windowsPath[2]);
    if (!hasDrive)
        return std::nullopt;

    const char drive = char(std::tolower(static_cast<unsigned char>(windowsPath[0])));
    std::vector<fs::path> found{mountRoot /
                                std::string(1, drive)}; // the folders walked so far, drive first
    std::string_view rest = windowsPath.substr(3);
    while (!rest.empty()) {
        const auto end = std::ranges::find_if(rest, isSeparator);
        const std::string_view component(rest.begin(), end);
        rest.remove_prefix(std::min(rest.size(), component.size() + 1));
        if (component.empty() || component == ".")
            continue;
        if (component == "..") {
            if (found.size() > 1) // as on Windows, going up from the drive's top stays there
                found.pop_back();
            continue;
        }
        std::optional<fs::path> entry = findEntry(found.back(), component);
        if (!entry)
            return std::nullopt;
        found.push_back(std::move(*entry));
    }
    return found.back();
}

} // namespace tivak
