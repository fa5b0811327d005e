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

// The letters of an animal's name, as the page shows them.
QImage nameSilhouette(std::string_view animal)
{
    const QString name = nameOf(animal);
    const QSizeF size = letteringSize(name, nameLetteringSize);
    QImage image(size.toSize(), QImage::Format_Alpha8);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    drawLettering(painter, name, QRectF(image.rect()), nameLetteringSize, Qt::black);
    return image;
}

// Fine enough to judge how an animal's shape hugs its button.
constexpr int silhouetteSize = 120;

} // namespace

QImage pagePicture(int page, const DrawingLibrary &drawings)
{
    const auto &placement = catalogue::picturePlacement(page);
    QImage image(placement.pixelWidth, placement.pixelHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    const PageGeometry geometry = pageGeometry(page);
    const auto animals = layoutPage(page, [&drawings](std::string_view animal) {
        const AnimalArt art = animalArt(animal);
        const QImage silhouette = drawings.silhouette(art.drawing, art.edits, silhouetteSize);
        return AnimalShape{letteringSize(nameOf(animal), nameLetteringSize), nameSilhouette(animal),
                           art.mirrored ? silhouette.mirrored(true, false) : silhouette};
    });

    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    painter.scale(geometry.pictureScaleX, geometry.pictureScaleY);
    for (std::size_t i = 0; i < animals.size(); ++i) {
        const AnimalPlacement &animal = animals[i];
        const AnimalArt art = animalArt(animal.animal);
        drawings.draw(painter, art.drawing, animal.drawing, art.edits, art.mirrored);
        drawLettering(painter, nameOf(animal.animal), animal.name, nameLetteringSize,
                      accentColour(static_cast<std::size_t>(page) + i));
    }
    return image;
}

} // namespace tivak::artwork
