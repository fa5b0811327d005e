#include "animal_art.h"

#include <array>
#include <utility>

namespace tivak::artwork {
namespace {

QString fill(const char *colour)
{
    return QStringLiteral("fill=\"%1\"").arg(QLatin1String(colour));
}

// A spotted big cat in the dull sand and dark brown of a hyena.
AnimalArt hyena()
{
    return {"emoji/leopard",
            {{fill("#ffb02e"), fill("#c2a77e")},
             {fill("#ff9f2e"), fill("#a88d66")},
             {fill("#ffdea7"), fill("#e6d6b8")},
             {fill("#6d4534"), fill("#4a3a2c")}}};
}

// The eagle in slate grey, with a falcon's dark cap and the dark stripe under its eye, facing
// the other way than the eagle beside it.
AnimalArt falcon()
{
    const QString markings = QStringLiteral(
        "<path fill=\"#2f3a47\" d=\"M4.2 12A4.7 4.7 0 0 1 6.9 11h3.5v1.4H6.7c-1 0-1.6.1-2.5-.4z\"/>"
        "<path fill=\"#2f3a47\" d=\"M5.5 14.2h1.3v1.8H5.3z\"/></g></svg>");
    return {"emoji/eagle",
            {{fill("#6d4534"), fill("#3f4b5a")},
             {fill("#a56953"), fill("#6b7b8e")},
             {fill("#d3d3d3"), fill("#eeeae0")},
             {QStringLiteral("</g></svg>"), markings}},
            true};
}

// The deer without its antlers, with a gazelle's ringed, lyre-shaped horns instead.
AnimalArt gazelle()
{
    const QString horns = QStringLiteral(
        "<path d=\"M7.6 6.3C7.1 4.6 7.9 3.2 7.0 1.3\" stroke=\"#3b2a20\" stroke-width=\".8\" "
        "stroke-linecap=\"round\"/><path d=\"M8.7 6.1C8.4 4.4 9.3 3.1 8.6 1.2\" "
        "stroke=\"#5a4030\" stroke-width=\".8\" stroke-linecap=\"round\"/></g></svg>");
    return {
        "emoji/deer",
        {{fill("#7d4533"), fill("none")},
         {QStringLiteral("fill=\"#6d4534\" d=\"M13.5"), QStringLiteral("fill=\"none\" d=\"M13.5")},
         {QStringLiteral("</g></svg>"), horns}}};
}

// The ram with a brown fleece.
AnimalArt wildRam()
{
    return {"emoji/ram", {{fill("#cdc4d6"), fill("#9a6a45")}, {fill("#b4acbc"), fill("#7c5234")}}};
}

// The turtle with a domed brown shell and grey-green skin.
AnimalArt tortoise()
{
    return {"emoji/turtle",
            {{fill("#008463"), fill("#8a5a32")},
             {fill("#00d26a"), fill("#c89058")},
             {fill("#c3ef3c"), fill("#a9b36c")}}};
}

// The rooster in a hen's russet, with a short tail and a small comb.
AnimalArt hen()
{
    const QString smallComb = QStringLiteral(
        "<path fill=\"#f8312f\" d=\"M5.6 4.6c-.2-1 .5-1.8 1.4-1.6c.4-.6 1.4-.7 1.9 0c.8-.2 1.5.6 "
        "1.1 1.4c-.3.6-1 .7-1.6.6L6.6 5.3c-.5 0-.9-.2-1-.7\"/></g></svg>");
    return {"emoji/rooster",
            {{fill("#44911b"), fill("#8a5a3c")},
             {fill("#6d4534"), fill("#b5733f")},
             {fill("#a56953"), fill("#dba46a")},
             {QStringLiteral("fill=\"#f8312f\" d=\"M13.03"),
              QStringLiteral("fill=\"none\" d=\"M13.03")},
             {QStringLiteral("</g></svg>"), smallComb}}};
}

struct StandIn
{
    std::string_view animal;
    AnimalArt (*make)();
};

constexpr std::array standIns{
    StandIn{"hyena", hyena},      StandIn{"falcon", falcon},     StandIn{"gazelle", gazelle},
    StandIn{"wild ram", wildRam}, StandIn{"tortoise", tortoise}, StandIn{"hen", hen},
};

// Animals the set has under another name, and the one we draw ourselves.
constexpr std::array<std::pair<std::string_view, std::string_view>, 3> renamed{
    {{"sheep", "emoji/ewe"}, {"bull", "emoji/ox"}, {"ostrich", "drawings/ostrich"}}};

} // namespace

AnimalArt animalArt(std::string_view animal)
{
    for (const StandIn &standIn : standIns) {
        if (standIn.animal == animal)
            return standIn.make();
    }
    for (const auto &[name, drawing] : renamed) {
        if (name == animal)
            return {QString::fromLatin1(drawing), {}};
    }
    return {QStringLiteral("emoji/") + QString::fromLatin1(animal), {}};
}

} // namespace tivak::artwork
