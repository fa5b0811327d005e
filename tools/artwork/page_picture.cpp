#include "page_picture.h"

#include "animal_art.h"
#include "catalogue.h"
#include "drawing_library.h"
#include "name_lettering.h"
#include "page_layout.h"

#include <QPainter>
#include <array>

namespace tivak::artwork {
namespace {

QString nameOf(std::string_view animal)
{
    return QString::fromLatin1(animal);
}

// The colour of the picked-out letter, taking turns through a bright set.
QColor accentColour(std::size_t index)
{
    constexpr std::array<QRgb, 5> accents{0xe5383b, 0x1e88e5, 0x2e9e44, 0xf08c00, 0x8e44ad};
    return QColor::fromRgb(accents[index % accents.size()]);
}

} // namespace

QImage pagePicture(int page, const DrawingLibrary &drawings)
{
    const auto &placement = catalogue::picturePlacement(page);
    QImage image(placement.pixelWidth, placement.pixelHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    const PageGeometry geometry = pageGeometry(page);
    const auto animals = layoutPage(page, [](std::string_view animal) {
        return letteringSize(nameOf(animal), nameLetteringSize);
    });

    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    painter.scale(geometry.pictureScaleX, geometry.pictureScaleY);
    for (std::size_t i = 0; i < animals.size(); ++i) {
        const AnimalPlacement &animal = animals[i];
        const AnimalArt art = animalArt(animal.animal);
        drawings.draw(painter, art.drawing, animal.drawing, art.edits);
        drawLettering(painter, nameOf(animal.animal), animal.name, nameLetteringSize,
                      accentColour(static_cast<std::size_t>(page) + i));
    }
    return image;
}

} // namespace tivak::artwork
