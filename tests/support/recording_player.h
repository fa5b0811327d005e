#pragma once

#include "media_player.h"

#include <memory>
#include <string>
#include <vector>

namespace tivak::test {

// What recording players were asked to do, in order, as "WindowsMediaPlayer2 URL <path>" and
// "WindowsMediaPlayer1 stop"; shared by every player a factory makes.
struct PlayerLog
{
    std::vector<std::string> calls;
    std::vector<PlayerProfile> profiles; // one per player created, in creation order
    int playersAlive = 0;
};

class RecordingPlayer final : public MediaPlayer
{
public:
    RecordingPlayer(PlayerLog &log, std::string name) : log_(log), name_(std::move(name))
    {
        ++log_.playersAlive;
    }
    ~RecordingPlayer() override { --log_.playersAlive; }

    void setURL(const std::string &url) override { log_.calls.push_back(name_ + " URL " + url); }
    void stop() override { log_.calls.push_back(name_ + " stop"); }

private:
    PlayerLog &log_;
    std::string name_;
};

inline PlayerFactory recordingPlayers(PlayerLog &log)
{
    return [&log](const PlayerProfile &profile, std::string_view name) {
        log.profiles.push_back(profile);
        return std::make_unique<RecordingPlayer>(log, std::string(name));
    };
}

} // namespace tivak::test
