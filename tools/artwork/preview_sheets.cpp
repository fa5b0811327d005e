#include "preview_sheets.h"

#include "catalogue.h"

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

// The page as the reader sees it: the picture in its rect, and a plain button at each hotspot.
QImage pageAsShown(int page, const QImage &picture, const QImage &speaker)
{
    const auto &placement = catalogue::picturePlacement(page);
    const Rect &area = placement.rect;
    QImage window((area.left + area.width) / 15 + 10, (area.top + area.height) / 15 + 10,
                  QImage::Format_RGB32);
    window.fill(Qt::white);
    QPainter painter(&window);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const auto pixels = [](int twips) {
        return twips / 15;
    };
    const auto shown = [&](const Rect &rect) {
        return QRect(pixels(rect.left), pixels(rect.top), pixels(rect.width), pixels(rect.height));
    };
    painter.drawImage(shown(placement.rect), picture);
    for (const auto &hotspot : catalogue::hotspots(page)) {
        const QRect button = shown(hotspot.rect);
        painter.fillRect(button, QColor(0xe8, 0xe8, 0xe8));
        painter.setPen(QColor(0x60, 0x60, 0x60));
        painter.drawRect(button.adjusted(0, 0, -1, -1));
        painter.drawImage(button.center() - QPoint(16, 16), speaker);
    }
    return window;
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
    const QImage speaker = QImage::fromData(files.at(QStringLiteral("speaker_glyph.ico")));
    for (int page = 1; page <= catalogue::pageCount; ++page) {
        const QImage picture = QImage::fromData(files.at(QStringLiteral("page%1.jpg").arg(page)));
        save(pageAsShown(page, picture, speaker), folder,
             QStringLiteral("page%1_shown.png").arg(page));
    }
}

} // namespace tivak::artwork
