#pragma once

#include "drawing_library.h"

#include <string_view>

namespace tivak::artwork {

// How one animal of the book is drawn: a drawing of the library and the edits that turn a close
// relative into the animal where the set has none of its own.
struct AnimalArt
{
    QString drawing;
    SvgEdits edits;
    bool mirrored = false; // facing right, to tell it apart from a relative on the same page
};

AnimalArt animalArt(std::string_view animal);

} // namespace tivak::artwork
