#pragma once

#include "media_player.h"
#include "player_profile.h"

#include <array>
#include <memory>
#include <string_view>

namespace tivak {

// A screen's three hidden players, one per install folder. A clip is asked of all three;
// the one whose folder holds it plays, the others fail without a word.
class PlayerTrio
{
public:
    static constexpr std::array<std::string_view, 3> playerNames{
        "WindowsMediaPlayer1", "WindowsMediaPlayer2", "WindowsMediaPlayer3"};

    PlayerTrio(const PlayerProfile &profile, const PlayerFactory &makePlayer);

    // Gives player i the clip's path under install folder i, for i = 1, 2, 3; never waits.
    void PlayClip(std::string_view clip);

    // Stops player 1, then 2, then 3.
    void StopAll();

private:
    std::array<std::unique_ptr<MediaPlayer>, 3> players_;
};

} // namespace tivak
