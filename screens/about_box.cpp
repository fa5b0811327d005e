#include "about_box.h"

#include "graphical_button.h"
#include "screen_registry.h"

namespace tivak {

namespace {

WindowStyle aboutWindow()
{
    WindowStyle style;
    style.caption = QStringLiteral("Su");
    style.icon = PictureRole::AboutWindowIcon;
    style.border = BorderStyle::FixedDialog;
    style.inTaskbar = false;
    style.clientWidth = 13020;
    style.clientHeight = 8490;
    style.placement = Placement::AtStoredPosition;
    style.storedLeft = 2340;
    style.storedTop = 1935;
    return style;
}

// Elephant is a heavy display serif; Bookman's free twin is the closest one on a free desktop.
QFont closeCaptionFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("Elephant"), QStringLiteral("TeX Gyre Bonum"),
                      QStringLiteral("URW Bookman")});
    font.setPointSize(12);
    font.setWeight(QFont::Normal);
    return font;
}

} // namespace

AboutBox::AboutBox(ScreenRegistry &registry) : Screen(registry, ScreenId::frmAbout, aboutWindow())
{
    // Back to front: the credits, then the two farm pictures over its white corners.
    addImage(QStringLiteral("Image1"), PictureRole::CreditsPicture, {-120, 480, 12435, 6960},
             false);
    addImage(QStringLiteral("Image2"), PictureRole::FarmyardPicture, {9240, 3600, 3735, 3015},
             true);
    addImage(QStringLiteral("Image3"), PictureRole::FarmGroupPicture, {240, 0, 2655, 2415}, true);
    GraphicalButton *close =
        addButton(QStringLiteral("Command1"), PictureRole::CloseGlyph, {6840, 7320, 855, 975},
                  QStringLiteral("Zabti"), closeCaptionFont());
    close->setAccessibleName(QStringLiteral("Zabti"));
    connect(close, &GraphicalButton::clicked, this, &AboutBox::Command1_Click);
    setFocusOrder({close});
}

void AboutBox::Command1_Click()
{
    registry().Hide(ScreenId::frmAbout);
}

} // namespace tivak
