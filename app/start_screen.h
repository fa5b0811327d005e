#pragma once

#include "media_player.h"
#include "player_trio.h"
#include "screen.h"

namespace tivak {

class GraphicalButton;

// Form9, the start screen: the title picture, the intro tune, the way into the book, the credits
// and the quit command. Closing it ends the program.
class StartScreen : public Screen
{
    Q_OBJECT

public:
    StartScreen(ScreenRegistry &registry, const PlayerFactory &makePlayer);

    void Load() override;
    void Unload() override;

private:
    void Command1_Click();
    void su_Click();
    void Ndurui_Click();

    PlayerTrio trio_;
};

} // namespace tivak
