#pragma once

#include <QImage>
#include <QRectF>
#include <QSizeF>
#include <functional>
#include <string_view>
#include <vector>

namespace tivak::artwork {

// Where one animal of a page goes: its speaker button as the reader sees it, the drawing and the
// lettered name right beside that button. All in the page's on-screen pixels (twips / 15).
struct AnimalPlacement
{
    std::string_view animal;
    QRectF button;
    QRectF drawing;
    QRectF name;
};

// What the layout needs to know of an animal: its lettered name (its size, and the letters'
// silhouette) and the silhouette of its drawing, whose proportions the drawing keeps.
struct AnimalShape
{
    QSizeF name;
    QImage nameSilhouette;
    QImage silhouette;
};

// The page picture as the reader sees it: its on-screen size, and how to get from there to the
// stored picture's pixels (the stretched pages are squeezed or widened when shown).
struct PageGeometry
{
    QSizeF screenSize;
    qreal pictureScaleX = 1;
    qreal pictureScaleY = 1;
};

PageGeometry pageGeometry(int page);

// Places every animal of a page beside its speaker button, hugging the button, each drawing as
// large as the page allows without touching another animal, a name or a button.
std::vector<AnimalPlacement>
layoutPage(int page, const std::function<AnimalShape(std::string_view)> &shapeOf);

} // namespace tivak::artwork
