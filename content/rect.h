#pragma once

namespace tivak {

// A control's place in twips, relative to the client area of its window.
// Left and top may be negative: a picture may start beyond the window's edge.
struct Rect
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    friend constexpr bool operator==(const Rect &, const Rect &) = default;
};

} // namespace tivak
