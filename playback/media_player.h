#pragma once

#include "player_profile.h"

#include <functional>
#include <memory>
#include <string>

namespace tivak {

// One hidden media player, created with its profile. Neither operation reports anything:
// a path that cannot be played ends silently in an error state.
class MediaPlayer
{
public:
    virtual ~MediaPlayer() = default;

    // Drops whatever was playing or had failed and, with autoStart, plays the path from its
    // beginning, even when it is the path already playing.
    virtual void setURL(const std::string &url) = 0;

    // Stops the current media; succeeds in any state. The URL is kept.
    virtual void stop() = 0;
};

// Makes the players of a trio; the program uses the real player, tests a recording one.
using PlayerFactory =
    std::function<std::unique_ptr<MediaPlayer>(const PlayerProfile &profile, std::string_view name)>;

} // namespace tivak
