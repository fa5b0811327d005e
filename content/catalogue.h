#pragma once

#include "rect.h"
#include "screen_id.h"

#include <optional>
#include <span>
#include <string_view>

// The book's content: the pages, their order, where each picture sits, the speaker buttons and the
// clip each one plays. Fixed at build time; every lookup is total over valid input and allocates
// nothing. Pages are numbered 1 to 8.
namespace tivak::catalogue {

inline constexpr int pageCount = 8;
inline constexpr int hotspotWidth = 735;
inline constexpr int hotspotHeight = 615;

// One speaker button of a page, beside the animal whose name its clip says.
struct HotspotEntry
{
    std::string_view control; // "Command4" ... "Command8"
    Rect rect;
    std::string_view clip;    // bare file name, letter case as written
    std::string_view animal;  // English name of the animal it sits beside
};

// Where a page's picture (Image1) sits, and the picture's own size in pixels.
struct PicturePlacement
{
    Rect rect;
    bool stretch = false;
    int pixelWidth = 0;
    int pixelHeight = 0;
};

struct PageEntry
{
    int page = 0;
    ScreenId screen{};
    ScreenId next{};
    ScreenId previous{};
    PicturePlacement picture;
    std::span<const HotspotEntry> hotspots; // in clip order
};

// The page a screen shows; none for the start screen and the about box.
std::optional<int> pageOf(ScreenId screen);
ScreenId screenOf(int page);

const PageEntry &pageEntry(int page);
int nextPage(int page);
int previousPage(int page);
const PicturePlacement &picturePlacement(int page);
std::span<const HotspotEntry> hotspots(int page);

// The clip that a page's button plays; none when the page has no such button.
std::optional<std::string_view> clipOf(int page, std::string_view control);

// The hotspot behind a page's button; none when the page has no such button.
const HotspotEntry *hotspotOf(int page, std::string_view control);

// The start screen's soundtrack.
constexpr std::string_view introClip() { return "2020.mp4"; }

// Every clip the program knows: the intro, then the page clips page by page.
inline constexpr int clipCount = 34;
std::string_view clipAt(int index);

} // namespace tivak::catalogue
