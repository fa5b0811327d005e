#pragma once

#include "rect.h"

// The window that shows a page of the book: the size of its client area and the three buttons
// along its bottom edge, which stand above the page picture. The picture's drawings keep clear of
// both, so that nothing of an animal is hidden by the window's edge or by a button.
namespace tivak::page_window {

inline constexpr int clientWidth = 14415;
inline constexpr int clientHeight = 9060;

inline constexpr Rect nextButton{13560, 8400, 735, 495};
inline constexpr Rect previousButton{120, 8400, 735, 495};
inline constexpr Rect closeButton{6720, 8280, 855, 615};

} // namespace tivak::page_window
