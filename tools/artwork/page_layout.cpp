#include "page_layout.h"

#include "catalogue.h"

#include <algorithm>
#include <optional>

namespace tivak::artwork {
namespace {

constexpr qreal twipsPerPixel = 15;
constexpr qreal buttonGap = 4;  // between a button and its animal
constexpr qreal clearance = 10; // between one animal and anything else
constexpr qreal pageMargin = 6;
constexpr qreal smallestDrawing = 48;
constexpr qreal largestDrawing = 230;
constexpr qreal growthStep = 2;

enum class Side
{
    Right,
    Left,
    Below,
    Above
};

// One way of putting an animal beside its button: the side, and how far the drawing's centre is
// shifted along the button's edge, in quarters of the drawing's size.
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
};

QRectF centredAt(QPointF centre, QSizeF size)
{
    QRectF rect(QPointF(), size);
    rect.moveCenter(centre);
    return rect;
}

// The drawing of the given size beside the button, with its name under it; or, above the button,
// the name between drawing and button so that the name too sits by the button.
AnimalPlacement place(const QRectF &button, QSizeF name, qreal size, Anchor anchor)
{
    const qreal offset = anchor.shift * size / 4;
    QRectF drawing(0, 0, size, size);
    switch (anchor.side) {
    case Side::Right:
        drawing.moveTopLeft({button.right() + buttonGap, button.center().y() - size / 2 + offset});
        break;
    case Side::Left:
        drawing.moveTopRight({button.left() - buttonGap, button.center().y() - size / 2 + offset});
        break;
    case Side::Below:
        drawing.moveTopLeft({button.center().x() - size / 2 + offset, button.bottom() + buttonGap});
        break;
    case Side::Above:
        drawing.moveBottomLeft(
            {button.center().x() - size / 2 + offset, button.top() - buttonGap - name.height()});
        break;
    }
    const QPointF nameCentre(drawing.center().x(), drawing.bottom() + name.height() / 2);
    return {{}, button, drawing, centredAt(nameCentre, name)};
}

bool fitsOnPage(const AnimalPlacement &placement, const QRectF &page)
{
    const QRectF inner = page.adjusted(pageMargin, pageMargin, -pageMargin, -pageMargin);
    return inner.contains(placement.drawing) && inner.contains(placement.name);
}

bool clearOf(const AnimalPlacement &placement, const QRectF &other, qreal gap)
{
    const QRectF padded = other.adjusted(-gap, -gap, gap, gap);
    return !padded.intersects(placement.drawing) && !padded.intersects(placement.name);
}

class PageLayout
{
public:
    PageLayout(int page, const std::function<QSizeF(std::string_view)> &nameSize)
        : m_page(QPointF(), pageGeometry(page).screenSize)
    {
        const auto &picture = catalogue::picturePlacement(page);
        for (const auto &hotspot : catalogue::hotspots(page)) {
            const QRectF button((hotspot.rect.left - picture.rect.left) / twipsPerPixel,
                                (hotspot.rect.top - picture.rect.top) / twipsPerPixel,
                                hotspot.rect.width / twipsPerPixel,
                                hotspot.rect.height / twipsPerPixel);
            m_animals.push_back({{hotspot.animal, button, {}, {}}, {}, 0});
            m_nameSizes.push_back(nameSize(hotspot.animal));
        }
    }

    std::vector<AnimalPlacement> solve()
    {
        for (std::size_t i = 0; i < m_animals.size(); ++i) {
            const auto start = bestCandidate(i, smallestDrawing);
            if (!start)
                qFatal("no room beside the button of %s", m_animals[i].placement.animal.data());
            m_animals[i] = *start;
        }
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
        if (size > largestDrawing)
            return false;
        if (auto candidate = bestCandidate(index, size)) {
            m_animals[index] = *candidate;
            return true;
        }
        return false;
    }

    // The animal's current way of standing if it still fits at the new size, else the first
    // other way that does.
    std::optional<Candidate> bestCandidate(std::size_t index, qreal size) const
    {
        std::vector<Anchor> anchors{m_animals[index].anchor};
        for (Side side : {Side::Right, Side::Left, Side::Below, Side::Above}) {
            for (int shift : {0, -1, 1, -2, 2})
                anchors.push_back({side, shift});
        }
        for (Anchor anchor : anchors) {
            Candidate candidate{
                place(m_animals[index].placement.button, m_nameSizes[index], size, anchor), anchor,
                size};
            candidate.placement.animal = m_animals[index].placement.animal;
            if (fits(index, candidate.placement))
                return candidate;
        }
        return std::nullopt;
    }

    bool fits(std::size_t index, const AnimalPlacement &placement) const
    {
        if (!fitsOnPage(placement, m_page))
            return false;
        for (std::size_t other = 0; other < m_animals.size(); ++other) {
            const AnimalPlacement &neighbour = m_animals[other].placement;
            if (!clearOf(placement, neighbour.button, buttonGap - 1))
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
    std::vector<Candidate> m_animals;
    std::vector<QSizeF> m_nameSizes;
};

} // namespace

PageGeometry pageGeometry(int page)
{
    const auto &picture = catalogue::picturePlacement(page);
    const QSizeF screen(picture.rect.width / twipsPerPixel, picture.rect.height / twipsPerPixel);
    return {screen, picture.pixelWidth / screen.width(), picture.pixelHeight / screen.height()};
}

std::vector<AnimalPlacement> layoutPage(int page,
                                        const std::function<QSizeF(std::string_view)> &nameSize)
{
    return PageLayout(page, nameSize).solve();
}

} // namespace tivak::artwork
