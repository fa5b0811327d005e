#include "page_layout.h"

#include "catalogue.h"
#include "page_window.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace tivak::artwork {
namespace {

constexpr qreal twipsPerPixel = 15;
constexpr qreal buttonGap = 4;  // between a button and its animal
constexpr qreal clearance = 12; // between one animal and anything else
constexpr qreal nameGap = 5;    // between a drawing and the letters of its name
constexpr qreal pageMargin = 6;
// The window shows only part of a picture that starts or ends beyond its edges; every animal
// keeps well inside the part that is shown, and well away from the window's own buttons.
constexpr qreal windowMargin = 12;
constexpr qreal windowButtonClearance = 16;
constexpr qreal smallestDrawing = 48;
constexpr qreal largestDrawing = 240;
constexpr qreal growthStep = 2;
// An animal is beside its button when, along most of one edge of the button, its drawing or
// its name comes within this reach.
constexpr qreal contactReach = 16;
constexpr qreal closeEnough = 0.47;
// No animal grows to more than this many times the size of one that has run out of room, so
// that the animals of a page stay alike in size.
constexpr qreal sizeSpread = 1.8;
// Other animals keep well away from a button, so that each button plainly belongs to one animal.
constexpr qreal foreignButtonClearance = 32;

enum class Side
{
    Right,
    Left,
    Below,
    Above
};
constexpr int alignedShift = 5;

// One way of putting an animal beside its button: the side, and how far the drawing's centre is
// shifted along the button's edge, in eighths of the drawing's size; a shift of five lines the
// drawing's edge up with the button's, which suits buttons near the picture's border.
struct Anchor
{
    Side side = Side::Right;
    int shift = 0;
};

struct Candidate
{
    AnimalPlacement placement;
    Anchor anchor;
    qreal size = 0;
    qreal contact = 0;
};

QRectF centredAt(QPointF centre, QSizeF size)
{
    QRectF rect(QPointF(), size);
    rect.moveCenter(centre);
    return rect;
}

// The drawing beside the button with its name under it; or, above the button, the name between
// drawing and button so that the name too sits by the button.
AnimalPlacement place(const QRectF &button, const AnimalShape &shape, QSizeF drawingSize,
                      Anchor anchor)
{
    const auto offset = [&anchor](qreal drawingExtent, qreal buttonExtent) {
        if (std::abs(anchor.shift) == alignedShift)
            return (anchor.shift > 0 ? 1 : -1) * (drawingExtent - buttonExtent) / 2;
        return anchor.shift * drawingExtent / 8;
    };
    const qreal offsetX = offset(drawingSize.width(), button.width());
    const qreal offsetY = offset(drawingSize.height(), button.height());
    const QSizeF half = drawingSize / 2;
    QRectF drawing(QPointF(), drawingSize);
    switch (anchor.side) {
    case Side::Right:
        drawing.moveTopLeft(
            {button.right() + buttonGap, button.center().y() - half.height() + offsetY});
        break;
    case Side::Left:
        drawing.moveTopRight(
            {button.left() - buttonGap, button.center().y() - half.height() + offsetY});
        break;
    case Side::Below:
        drawing.moveTopLeft(
            {button.center().x() - half.width() + offsetX, button.bottom() + buttonGap});
        break;
    case Side::Above:
        drawing.moveBottomLeft({button.center().x() - half.width() + offsetX,
                                button.top() - buttonGap - shape.name.height() - nameGap});
        break;
    }
    const QPointF nameCentre(drawing.center().x(),
                             drawing.bottom() + nameGap + shape.name.height() / 2);
    return {{}, button, drawing, centredAt(nameCentre, shape.name)};
}

bool opaqueAt(const QImage &silhouette, const QRectF &box, QPointF point)
{
    if (!box.contains(point))
        return false;
    const QPointF inBox = point - box.topLeft();
    const int x = int(inBox.x() * silhouette.width() / box.width());
    const int y = int(inBox.y() * silhouette.height() / box.height());
    return silhouette.valid(x, y) && qAlpha(silhouette.pixel(x, y)) > 64;
}

bool inked(const AnimalPlacement &placement, const AnimalShape &shape, QPointF point)
{
    return opaqueAt(shape.silhouette, placement.drawing, point) ||
           opaqueAt(shape.nameSilhouette, placement.name, point);
}

// Share of the button's edge on the given side along which the animal comes within reach.
qreal contactAlong(const AnimalPlacement &placement, const AnimalShape &shape, Side side)
{
    const QRectF &button = placement.button;
    const bool vertical = side == Side::Right || side == Side::Left;
    const qreal length = vertical ? button.height() : button.width();
    int touching = 0;
    int lines = 0;
    for (qreal along = 0.5; along < length; along += 1, ++lines) {
        for (qreal away = 0.5; away < contactReach; away += 1) {
            QPointF point;
            switch (side) {
            case Side::Right:
                point = {button.right() + away, button.top() + along};
                break;
            case Side::Left:
                point = {button.left() - away, button.top() + along};
                break;
            case Side::Below:
                point = {button.left() + along, button.bottom() + away};
                break;
            case Side::Above:
                point = {button.left() + along, button.top() - away};
                break;
            }
            if (inked(placement, shape, point)) {
                ++touching;
                break;
            }
        }
    }
    return lines == 0 ? 0 : qreal(touching) / lines;
}

qreal contact(const AnimalPlacement &placement, const AnimalShape &shape)
{
    qreal best = 0;
    for (Side side : {Side::Right, Side::Left, Side::Below, Side::Above})
        best = std::max(best, contactAlong(placement, shape, side));
    return best;
}

bool fitsOnPage(const AnimalPlacement &placement, const QRectF &page)
{
    return page.contains(placement.drawing) && page.contains(placement.name);
}

bool clearOf(const AnimalPlacement &placement, const QRectF &other, qreal gap)
{
    const QRectF padded = other.adjusted(-gap, -gap, gap, gap);
    return !padded.intersects(placement.drawing) && !padded.intersects(placement.name);
}

// A rect of the page window, in the on-screen pixels of the page's picture.
QRectF onPicture(const Rect &inWindow, const Rect &picture)
{
    return {(inWindow.left - picture.left) / twipsPerPixel,
            (inWindow.top - picture.top) / twipsPerPixel, inWindow.width / twipsPerPixel,
            inWindow.height / twipsPerPixel};
}

// Where animals may go: on the picture, and inside the part of it that the window shows.
QRectF drawableArea(int page)
{
    const Rect &picture = catalogue::picturePlacement(page).rect;
    const QRectF whole = QRectF(QPointF(), pageGeometry(page).screenSize)
                             .adjusted(pageMargin, pageMargin, -pageMargin, -pageMargin);
    const QRectF shown =
        onPicture({0, 0, page_window::clientWidth, page_window::clientHeight}, picture)
            .adjusted(windowMargin, windowMargin, -windowMargin, -windowMargin);
    return whole.intersected(shown);
}

class PageLayout
{
public:
    PageLayout(int page, const std::function<AnimalShape(std::string_view)> &shapeOf)
        : m_page(drawableArea(page))
    {
        const Rect &picture = catalogue::picturePlacement(page).rect;
        for (const auto &hotspot : catalogue::hotspots(page)) {
            m_animals.push_back(
                {{hotspot.animal, onPicture(hotspot.rect, picture), {}, {}}, {}, 0, 0});
            m_shapes.push_back(shapeOf(hotspot.animal));
        }
        for (const Rect &button :
             {page_window::nextButton, page_window::previousButton, page_window::closeButton})
            m_windowButtons.push_back(onPicture(button, picture));
    }

    std::vector<AnimalPlacement> solve()
    {
        for (std::size_t i = 0; i < m_animals.size(); ++i) {
            const auto start = bestCandidate(i, smallestDrawing, 0);
            if (!start)
                qFatal("no room beside the button of %s", m_animals[i].placement.animal.data());
            m_animals[i] = *start;
        }
        m_stuck.assign(m_animals.size(), false);
        // Every animal grows a step in turn, so that none takes the room of its neighbours.
        bool grew = true;
        while (grew) {
            grew = false;
            for (std::size_t i = 0; i < m_animals.size(); ++i)
                grew = grow(i) || grew;
        }
        std::vector<AnimalPlacement> result;
        for (const Candidate &animal : m_animals)
            result.push_back(animal.placement);
        return result;
    }

private:
    bool grow(std::size_t index)
    {
        const qreal size = m_animals[index].size + growthStep;
        if (m_stuck[index] || size > largestSize())
            return false;
        // It may shift along its button as it grows, but not come away from it.
        const qreal leastContact = std::min(closeEnough, m_animals[index].contact);
        if (auto candidate = bestCandidate(index, size, leastContact)) {
            m_animals[index] = *candidate;
            return true;
        }
        m_stuck[index] = true;
        return false;
    }

    qreal largestSize() const
    {
        qreal largest = largestDrawing;
        for (std::size_t i = 0; i < m_animals.size(); ++i) {
            if (m_stuck[i])
                largest = std::min(largest, m_animals[i].size * sizeSpread);
        }
        return largest;
    }

    QSizeF drawingSize(std::size_t index, qreal longSide) const
    {
        return QSizeF(m_shapes[index].silhouette.size())
            .scaled(longSide, longSide, Qt::KeepAspectRatio);
    }

    // Of the ways the animal fits beside its button at this size, the one that hugs the button
    // best (and at least as well as asked), the animal's current way winning ties so that it does
    // not wander as it grows.
    std::optional<Candidate> bestCandidate(std::size_t index, qreal size, qreal leastContact) const
    {
        std::optional<Candidate> best;
        for (Side side : {Side::Right, Side::Left, Side::Below, Side::Above}) {
            for (int shift = -alignedShift; shift <= alignedShift; ++shift) {
                const Anchor anchor{side, shift};
                Candidate candidate{place(m_animals[index].placement.button, m_shapes[index],
                                          drawingSize(index, size), anchor),
                                    anchor, size, 0};
                candidate.placement.animal = m_animals[index].placement.animal;
                if (!fits(index, candidate.placement))
                    continue;
                candidate.contact = contact(candidate.placement, m_shapes[index]);
                const bool current =
                    side == m_animals[index].anchor.side && shift == m_animals[index].anchor.shift;
                if (candidate.contact >= leastContact &&
                    (!best || candidate.contact > best->contact ||
                     (current && candidate.contact == best->contact)))
                    best = candidate;
            }
        }
        return best;
    }

    bool fits(std::size_t index, const AnimalPlacement &placement) const
    {
        if (!fitsOnPage(placement, m_page))
            return false;
        for (const QRectF &button : m_windowButtons) {
            if (!clearOf(placement, button, windowButtonClearance))
                return false;
        }
        for (std::size_t other = 0; other < m_animals.size(); ++other) {
            const AnimalPlacement &neighbour = m_animals[other].placement;
            const qreal buttonClearance = other == index ? buttonGap - 1 : foreignButtonClearance;
            if (!clearOf(placement, neighbour.button, buttonClearance))
                return false;
            if (other == index || neighbour.drawing.isEmpty())
                continue;
            if (!clearOf(placement, neighbour.drawing, clearance) ||
                !clearOf(placement, neighbour.name, clearance))
                return false;
        }
        return true;
    }

    QRectF m_page;
    std::vector<QRectF> m_windowButtons;
    std::vector<Candidate> m_animals;
    std::vector<bool> m_stuck; // no more room to grow
    std::vector<AnimalShape> m_shapes;
};

} // namespace

PageGeometry pageGeometry(int page)
{
    const auto &picture = catalogue::picturePlacement(page);
    const QSizeF screen(picture.rect.width / twipsPerPixel, picture.rect.height / twipsPerPixel);
    return {screen, picture.pixelWidth / screen.width(), picture.pixelHeight / screen.height()};
}

std::vector<AnimalPlacement> layoutPage(int page,
                                        const std::function<AnimalShape(std::string_view)> &shapeOf)
{
    return PageLayout(page, shapeOf).solve();
}

} // namespace tivak::artwork
