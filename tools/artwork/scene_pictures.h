#pragma once

#include <QImage>

namespace tivak::artwork {

class DrawingLibrary;

// The title picture: the program's name on a wooden sign, on a small wooded island with a monkey,
// a lion, a bear, a giraffe and an elephant.
QImage startPicture(const DrawingLibrary &drawings);

// The credits: title and credit lines on white. The about box lays the two farm pictures over the
// top left corner and the right-hand middle, so those stay blank.
QImage creditsPicture();

// A group of farm animals: horse, donkey, cow, sheep, duck, cat, chick, rooster and rabbit.
QImage farmGroupPicture(const DrawingLibrary &drawings);

// A farmyard: hay bales and a fence, with a cow, hens, chicks and a pig.
QImage farmyardPicture(const DrawingLibrary &drawings);

} // namespace tivak::artwork
