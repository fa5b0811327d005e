#pragma once

#include <QString>
#include <cstdint>
#include <vector>

struct _XDisplay;

namespace tivak::bench {

// A few whole rows of an X display's screen, read straight from the server: what is on screen
// there now, whichever windows put it there. Cheap enough to be read every millisecond.
class ScreenRows
{
public:
    using Pixels = std::vector<std::uint32_t>;

    ScreenRows(const QString &display, std::vector<int> rows);
    ~ScreenRows();

    ScreenRows(const ScreenRows &) = delete;
    ScreenRows &operator=(const ScreenRows &) = delete;

    bool isOpen() const { return display_ != nullptr; }

    // The pixels of the rows, one row after the other; empty if the screen cannot be read.
    Pixels capture() const;

private:
    _XDisplay *display_ = nullptr;
    std::vector<int> rows_;
};

} // namespace tivak::bench
