#include "catalogue.h"

#include <array>
#include <cassert>

namespace tivak::catalogue {
namespace {

constexpr HotspotEntry hotspot(std::string_view control, int left, int top, std::string_view clip,
                               std::string_view animal)
{
    return {control, {left, top, hotspotWidth, hotspotHeight}, clip, animal};
}

// Each page's rows are listed by clip number; button names carry no order of their own.
constexpr std::array page1{
    hotspot("Command6", 5280, 1800, "1.1.M4a", "lion"),
    hotspot("Command4", 8040, 3360, "1.2.M4a", "tiger"),
    hotspot("Command5", 9960, 6840, "1.3.M4a", "snake"),
    hotspot("Command7", 3240, 6960, "1.4.M4a", "crocodile"),
};
constexpr std::array page2{
    hotspot("Command6", 5400, 720, "2.1.m4a", "wolf"),
    hotspot("Command4", 11760, 720, "2.2.m4a", "fox"),
    hotspot("Command7", 6360, 5640, "2.3.m4a", "bear"),
    hotspot("Command5", 12480, 6960, "2.4.m4a", "hyena"),
};
constexpr std::array page3{
    hotspot("Command6", 1320, 4200, "3.1.m4a", "dog"),
    hotspot("Command4", 9120, 3360, "3.2.m4a", "cat"),
    hotspot("Command7", 6720, 5880, "3.3.m4a", "mouse"),
    hotspot("Command5", 11520, 7080, "3.4.m4a", "rabbit"),
};
constexpr std::array page4{
    hotspot("Command6", 720, 3600, "4.1.m4a", "dove"),
    hotspot("Command4", 7920, 2280, "4.2.m4a", "hen"),
    hotspot("Command7", 3360, 6840, "4.3.m4a", "falcon"),
    hotspot("Command5", 6000, 6240, "4.4.m4a", "eagle"),
    hotspot("Command8", 13320, 5880, "4.5.m4a", "ostrich"),
};
constexpr std::array page5{
    hotspot("Command6", 4560, 3600, "5.1.m4a", "goat"),
    hotspot("Command4", 8160, 3360, "5.2.m4a", "sheep"),
    hotspot("Command7", 5520, 6240, "5.3.m4a", "gazelle"),
    hotspot("Command5", 11880, 6240, "5.4.m4a", "wild ram"),
};
constexpr std::array page6{
    hotspot("Command6", 360, 2400, "6.1.m4a", "camel"),
    hotspot("Command4", 9120, 2640, "6.2.m4a", "horse"),
    hotspot("Command8", 12720, 4080, "6.3.m4a", "donkey"),
    hotspot("Command7", 3960, 6120, "6.4.m4a", "cow"),
    hotspot("Command5", 12000, 6480, "6.5.m4a", "bull"),
};
constexpr std::array page7{
    hotspot("Command6", 5040, 2520, "7.1.m4a", "pig"),
    hotspot("Command4", 10800, 2160, "7.2.m4a", "monkey"),
    hotspot("Command7", 4080, 6720, "7.3.m4a", "giraffe"),
    hotspot("Command5", 11280, 6120, "7.4.m4a", "elephant"),
};
constexpr std::array page8{
    hotspot("Command6", 2640, 3360, "8.1.m4a", "frog"),
    hotspot("Command4", 11880, 3120, "8.2.m4a", "tortoise"),
    hotspot("Command7", 5040, 7200, "8.3.m4a", "hedgehog"),
};

using enum ScreenId;

// Page, screen, next, previous, picture rect, stretch, picture pixels, hotspots.
constexpr std::array<PageEntry, pageCount> pages{{
    {1, Form1, Form2, Form8, {{120, 120, 13920, 8565}, false, 928, 571}, page1},
    {2, Form2, Form3, Form1, {{1440, 240, 11625, 8385}, false, 775, 559}, page2},
    {3, Form3, Form4, Form2, {{960, 240, 12810, 8415}, false, 854, 561}, page3},
    {4, Form4, Form5, Form3, {{-240, 360, 15705, 7785}, true, 1127, 519}, page4},
    {5, Form5, Form6, Form4, {{960, 120, 12495, 8340}, false, 833, 556}, page5},
    {6, Form6, Form7, Form5, {{-360, 0, 15105, 8430}, true, 1103, 562}, page6},
    {7, Form7, Form8, Form6, {{600, 240, 12990, 8175}, false, 866, 545}, page7},
    {8, Form8, Form1, Form7, {{1440, 240, 12270, 8100}, false, 818, 540}, page8},
}};

} // namespace

const PageEntry &pageEntry(int page)
{
    assert(page >= 1 && page <= pageCount);
    return pages[static_cast<std::size_t>(page - 1)];
}

std::optional<int> pageOf(ScreenId screen)
{
    for (const PageEntry &entry : pages) {
        if (entry.screen == screen)
            return entry.page;
    }
    return std::nullopt;
}

ScreenId screenOf(int page) { return pageEntry(page).screen; }

int nextPage(int page) { return *pageOf(pageEntry(page).next); }

int previousPage(int page) { return *pageOf(pageEntry(page).previous); }

const PicturePlacement &picturePlacement(int page) { return pageEntry(page).picture; }

std::span<const HotspotEntry> hotspots(int page) { return pageEntry(page).hotspots; }

const HotspotEntry *hotspotOf(int page, std::string_view control)
{
    for (const HotspotEntry &entry : hotspots(page)) {
        if (entry.control == control)
            return &entry;
    }
    return nullptr;
}

std::optional<std::string_view> clipOf(int page, std::string_view control)
{
    if (const HotspotEntry *entry = hotspotOf(page, control))
        return entry->clip;
    return std::nullopt;
}

std::string_view clipAt(int index)
{
    assert(index >= 0 && index < clipCount);
    if (index == 0)
        return introClip();
    auto rest = static_cast<std::size_t>(index - 1);
    for (const PageEntry &entry : pages) {
        if (rest < entry.hotspots.size())
            return entry.hotspots[rest].clip;
        rest -= entry.hotspots.size();
    }
    return {};
}

} // namespace tivak::catalogue
