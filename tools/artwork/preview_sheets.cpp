#include "preview_sheets.h"

#include "catalogue.h"
#include "page_window.h"

#include <QPainter>

namespace tivak::artwork {
namespace {

constexpr int cellWidth = 300;
constexpr int cellHeight = 230;
constexpr int columns = 5;

QImage contactSheet(const std::map<QString, QByteArray> &files)
{
    const int rows = (static_cast<int>(files.size()) + columns - 1) / columns;
    QImage sheet(columns * cellWidth, rows * cellHeight, QImage::Format_RGB32);
    sheet.fill(QColor(0xd8, 0xd8, 0xd8));
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    int cell = 0;
    for (const auto &[name, bytes] : files) {
        const QRect box((cell % columns) * cellWidth + 5, (cell / columns) * cellHeight + 5,
                        cellWidth - 10, cellHeight - 30);
        const QImage image = QImage::fromData(bytes);
        // Icons are shown at twice their size (and the small ones at four times) to judge them.
        const int zoom = image.width() <= 32 ? 4 : (image.width() <= 128 ? 1 : 0);
        const QSize shown =
            zoom > 0 ? image.size() * zoom : image.size().scaled(box.size(), Qt::KeepAspectRatio);
        QRect target(QPoint(), shown);
        target.moveCenter(box.center());
        painter.fillRect(target, Qt::white);
        painter.drawImage(target, image);
        painter.drawText(
            QRect(box.left(), box.bottom(), box.width(), 25), Qt::AlignCenter,
            QStringLiteral("%1  %2×%3").arg(name).arg(image.width()).arg(image.height()));
        ++cell;
    }
    return sheet;
}

// A button of the window at its rect, with its glyph in the middle of a plain button face.
void drawButton(QPainter &painter, const QRect &button, const QImage &glyph)
{
    painter.fillRect(button, QColor(0xef, 0xef, 0xef));
    painter.setPen(QColor(0x9a, 0x9a, 0x9a));
    painter.drawRect(button.adjusted(0, 0, -1, -1));
    painter.drawImage(
        button.center() - QPoint(glyph.width() / 2, glyph.height() / 2) + QPoint(1, 1), glyph);
}

// Every button glyph as the reader sees it, at its real size on a button face, and blown up four
// times (pixel for pixel) beside it to judge its pixels.
QImage glyphSheet(const std::map<QString, QImage> &glyphs)
{
    constexpr int row = 150;
    QImage sheet(420, row * static_cast<int>(glyphs.size()), QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    int top = 0;
    for (const auto &[name, glyph] : glyphs) {
        drawButton(painter, QRect(10, top + 50, 49, 41), glyph);
        const QRect zoomed(90, top + 5, 4 * (glyph.width() + 8), 4 * (glyph.height() + 8));
        painter.fillRect(zoomed, QColor(0xef, 0xef, 0xef));
        painter.drawImage(QRect(zoomed.topLeft() + QPoint(16, 16), 4 * glyph.size()), glyph);
        painter.setPen(Qt::black);
        painter.drawText(QRect(260, top, 160, row), Qt::AlignVCenter, name);
        top += row;
    }
    return sheet;
}

constexpr int around = 40; // room around the window, to see what its edges cut off

// The page as the reader sees it: the window's client area with the picture in its rect, the
// speaker buttons and the three buttons at the bottom, all drawn at their rects. Whatever of the
// picture lies beyond the window is shown faded around it, and the window's edge in red.
QImage pageAsShown(int page, const QImage &picture, const std::map<QString, QImage> &glyphs)
{
    const auto pixels = [](const Rect &rect) {
        return QRect(around + rect.left / 15, around + rect.top / 15, rect.width / 15,
                     rect.height / 15);
    };
    const QRect client = pixels({0, 0, page_window::clientWidth, page_window::clientHeight});
    QImage sheet(client.width() + 2 * around, client.height() + 2 * around, QImage::Format_RGB32);
    sheet.fill(QColor(0xd8, 0xd8, 0xd8));
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRect pictureRect = pixels(catalogue::picturePlacement(page).rect);
    painter.setOpacity(0.35);
    painter.drawImage(pictureRect, picture);
    painter.setOpacity(1);
    painter.setClipRect(client);
    painter.fillRect(client, Qt::white);
    painter.drawImage(pictureRect, picture);
    for (const auto &hotspot : catalogue::hotspots(page))
        drawButton(painter, pixels(hotspot.rect), glyphs.at(QStringLiteral("speaker_glyph.ico")));
    drawButton(painter, pixels(page_window::nextButton),
               glyphs.at(QStringLiteral("next_glyph.ico")));
    drawButton(painter, pixels(page_window::previousButton),
               glyphs.at(QStringLiteral("previous_glyph.ico")));
    drawButton(painter, pixels(page_window::closeButton),
               glyphs.at(QStringLiteral("close_glyph.ico")));
    painter.setClipping(false);
    painter.setPen(QPen(QColor(0xe0, 0x20, 0x20), 1));
    painter.drawRect(client.adjusted(-1, -1, 0, 0));
    return sheet;
}

// The about box as the reader sees it: the credits at natural size, the farm pictures stretched
// over them, and the outline of the close button.
QImage aboutAsShown(const std::map<QString, QByteArray> &files)
{
    const auto picture = [&files](const char *name) {
        return QImage::fromData(files.at(QString::fromLatin1(name)));
    };
    QImage window(13020 / 15, 8490 / 15, QImage::Format_RGB32);
    window.fill(Qt::white);
    QPainter painter(&window);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QPoint(-120 / 15, 480 / 15), picture("credits.jpg"));
    painter.drawImage(QRect(9240 / 15, 3600 / 15, 3735 / 15, 3015 / 15), picture("farmyard.jpg"));
    painter.drawImage(QRect(240 / 15, 0, 2655 / 15, 2415 / 15), picture("farm_group.jpg"));
    painter.setPen(QColor(0x60, 0x60, 0x60));
    painter.drawRect(QRect(6840 / 15, 7320 / 15, 855 / 15, 975 / 15));
    return window;
}

void save(const QImage &image, const QDir &folder, const QString &name)
{
    if (!image.save(folder.filePath(name)))
        qWarning("cannot write %s", qPrintable(folder.filePath(name)));
}

} // namespace

void writePreviewSheets(const QDir &folder, const std::map<QString, QByteArray> &files)
{
    save(contactSheet(files), folder, QStringLiteral("contact_sheet.png"));
    save(aboutAsShown(files), folder, QStringLiteral("about_shown.png"));
    std::map<QString, QImage> glyphs;
    for (const auto &[name, bytes] : files) {
        if (name.endsWith(QStringLiteral("_glyph.ico")))
            glyphs[name] = QImage::fromData(bytes);
    }
    save(glyphSheet(glyphs), folder, QStringLiteral("glyphs_on_buttons.png"));
    for (int page = 1; page <= catalogue::pageCount; ++page) {
        const QImage picture = QImage::fromData(files.at(QStringLiteral("page%1.jpg").arg(page)));
        save(pageAsShown(page, picture, glyphs), folder,
             QStringLiteral("page%1_shown.png").arg(page));
    }
}

} // namespace tivak::artwork
