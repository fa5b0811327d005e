#include "start_screen.h"

#include "catalogue.h"
#include "graphical_button.h"
#include "message_box.h"
#include "player_profile.h"
#include "screen_registry.h"

#include <QAction>

namespace tivak {

namespace {

WindowStyle startWindow()
{
    WindowStyle style;
    style.caption = QStringLiteral("tîvak");
    style.icon = PictureRole::ApplicationIcon;
    style.border = BorderStyle::Sizable;
    style.inTaskbar = true;
    style.startMaximised = true;
    style.clientWidth = 14490;
    style.clientHeight = 8715;
    style.placement = Placement::CentredOnScreen;
    style.storedLeft = 120;
    style.storedTop = 765;
    return style;
}

// Century Schoolbook's free twins stand in where Century itself is not installed.
QFont startCaptionFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("Century"), QStringLiteral("Century Schoolbook"),
                      QStringLiteral("TeX Gyre Schola"), QStringLiteral("C059")});
    font.setPointSizeF(14.25);
    font.setBold(true);
    return font;
}

} // namespace

StartScreen::StartScreen(ScreenRegistry &registry, const PlayerFactory &makePlayer)
    : Screen(registry, ScreenId::Form9, startWindow()), trio_(IntroProfile, makePlayer)
{
    connect(addMenuItem(QStringLiteral("su"), QStringLiteral("Su")), &QAction::triggered, this,
            &StartScreen::su_Click);
    connect(addMenuItem(QStringLiteral("Ndurui"), QStringLiteral("Ndurui")), &QAction::triggered,
            this, &StartScreen::Ndurui_Click);

    addImage(QStringLiteral("Image1"), PictureRole::StartPicture, {4680, 1800, 13110, 8385}, false);
    GraphicalButton *start =
        addButton(QStringLiteral("Command1"), PictureRole::StartGlyph, {2880, 5160, 1455, 1170},
                  QStringLiteral("Ndûusko"), startCaptionFont());
    connect(start, &GraphicalButton::clicked, this, &StartScreen::Command1_Click);
    setFocusOrder({start});
}

void StartScreen::Load()
{
    trio_.PlayClip(catalogue::introClip());
}

void StartScreen::Unload()
{
    registry().End();
}

void StartScreen::Command1_Click()
{
    registry().Show(ScreenId::Form1);
}

void StartScreen::su_Click()
{
    registry().Show(ScreenId::frmAbout);
}

void StartScreen::Ndurui_Click()
{
    if (askOkCancel(this, QStringLiteral("NDURUI")) == MessageBoxAnswer::Ok)
        registry().End();
}

} // namespace tivak
