#pragma once

#include <QImage>

namespace tivak::artwork {

class DrawingLibrary;

// Size of a lettered animal name on the pages, in on-screen pixels.
inline constexpr qreal nameLetteringSize = 30;

// A page of the book: its animals on white, each beside its speaker button with its name.
QImage pagePicture(int page, const DrawingLibrary &drawings);

} // namespace tivak::artwork
