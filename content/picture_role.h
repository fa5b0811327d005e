#pragma once

#include <cassert>

namespace tivak {

// Every picture and icon the screens show, by the part it plays. One asset per role, shared by
// every control that shows it.
enum class PictureRole {
    StartPicture,
    PagePicture1,
    PagePicture2,
    PagePicture3,
    PagePicture4,
    PagePicture5,
    PagePicture6,
    PagePicture7,
    PagePicture8,
    CreditsPicture,
    FarmGroupPicture,
    FarmyardPicture,
    ApplicationIcon,
    PageWindowIcon,
    AboutWindowIcon,
    StartGlyph,
    SpeakerGlyph,
    NextGlyph,
    PreviousGlyph,
    CloseGlyph,
};

inline constexpr int pictureRoleCount = 20;

constexpr PictureRole pagePicture(int page)
{
    assert(page >= 1 && page <= 8);
    return static_cast<PictureRole>(static_cast<int>(PictureRole::PagePicture1) + page - 1);
}

} // namespace tivak
