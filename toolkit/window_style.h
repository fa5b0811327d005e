#pragma once

#include "picture_role.h"

#include <QString>

namespace tivak {

enum class BorderStyle
{
    Sizable,     // resizable, with minimise and maximise boxes
    FixedSingle, // fixed size, close box only
    FixedDialog, // fixed size dialog frame, close box only
};

enum class Placement
{
    CentredOnScreen,  // centred when the screen is created
    AtStoredPosition, // client area's top-left corner at the stored position
};

// How a screen's window looks and where it first appears. Sizes and positions in twips; the
// client area is what the controls sit in, frame, caption and menu bar come on top.
struct WindowStyle
{
    QString caption;
    PictureRole icon = PictureRole::ApplicationIcon;
    BorderStyle border = BorderStyle::Sizable;
    bool inTaskbar = true;
    bool startMaximised = false;
    int clientWidth = 0;
    int clientHeight = 0;
    Placement placement = Placement::CentredOnScreen;
    int storedLeft = 0;
    int storedTop = 0;
};

} // namespace tivak
