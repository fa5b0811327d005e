#include "player_trio.h"

#include "media_root.h"

namespace tivak {

PlayerTrio::PlayerTrio(const PlayerProfile &profile, const PlayerFactory &makePlayer)
{
    for (std::size_t i = 0; i < players_.size(); ++i)
        players_[i] = makePlayer(profile, playerNames[i]);
}

void PlayerTrio::PlayClip(std::string_view clip)
{
    for (std::size_t i = 0; i < players_.size(); ++i)
        players_[i]->setURL(clipPath(i, clip));
}

void PlayerTrio::StopAll()
{
    for (const auto &player : players_)
        player->stop();
}

} // namespace tivak
