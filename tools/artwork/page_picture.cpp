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

// An animal's lettered name: the line of lettering, and within it the part that the letters'
// ink takes, which is what the layout places so that the letters themselves sit by the button.
struct NameLettering
{
    QString text;
    QSizeF line;
    QRect ink;
    QImage silhouette; // the ink alone
};

NameLettering nameLettering(std::string_view animal)
{
    const QString name = nameOf(animal);
    QImage image(letteringSize(name, nameLetteringSize).toSize(), QImage::Format_Alpha8);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    drawLettering(painter, name, QRectF(image.rect()), nameLetteringSize, Qt::black);
    painter.end();
    QRect ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) > 0)
                ink |= QRect(x, y, 1, 1);
        }
    }
    return {name, QSizeF(image.size()), ink, image.copy(ink)};
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
        const NameLettering name = nameLettering(animal);
        return AnimalShape{QSizeF(name.ink.size()), name.silhouette,
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
        const NameLettering name = nameLettering(animal.animal);
        const QRectF line(animal.name.topLeft() - QPointF(name.ink.topLeft()), name.line);
        drawLettering(painter, name.text, line, nameLetteringSize,
                      accentColour(static_cast<std::size_t>(page) + i));
    }
    return image;
}

} // namespace tivak::artwork
