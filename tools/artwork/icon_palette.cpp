#include "icon_palette.h"

#include <QHash>
#include <algorithm>
#include <utility>
#include <vector>

namespace tivak::artwork {
namespace {

// Colours that fill a fair part of the drawing, most used first; ties go to the smaller value so
// that the palette never depends on hashing order.
QList<QRgb> mainColours(const QImage &image, int most)
{
    QHash<QRgb, int> counts;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb pixel = argb.pixel(x, y);
            if (qAlpha(pixel) == 255)
                ++counts[pixel];
        }
    }
    std::vector<std::pair<int, QRgb>> ranked;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        ranked.emplace_back(-it.value(), it.key());
    std::sort(ranked.begin(), ranked.end());
    QList<QRgb> colours;
    for (const auto &[negativeCount, colour] : ranked) {
        if (colours.size() == most || -negativeCount < 3)
            break;
        colours.append(colour);
    }
    return colours;
}

QRgb blend(QRgb a, QRgb b, qreal t)
{
    const auto mix = [t](int x, int y) {
        return qRound(x + (y - x) * t);
    };
    return qRgb(mix(qRed(a), qRed(b)), mix(qGreen(a), qGreen(b)), mix(qBlue(a), qBlue(b)));
}

} // namespace

QList<QRgb> iconPalette(const QImage &image, int size)
{
    QList<QRgb> palette = mainColours(image, std::max(2, size / 3));
    const QList<QRgb> keys = palette;
    // Finer and finer steps between every two main colours, until the palette is full.
    for (int steps = 2; palette.size() < size && steps <= 64; steps *= 2) {
        for (qsizetype i = 0; i < keys.size(); ++i) {
            for (qsizetype j = i + 1; j < keys.size(); ++j) {
                for (int k = 1; k < steps && palette.size() < size; k += 2) {
                    const QRgb colour = blend(keys[i], keys[j], qreal(k) / steps);
                    if (!palette.contains(colour))
                        palette.append(colour);
                }
            }
        }
    }
    return palette;
}

} // namespace tivak::artwork
