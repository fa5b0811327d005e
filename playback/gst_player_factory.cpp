#include "gst_player_factory.h"

#include "gst_media_player.h"

#include <gst/gst.h>

namespace tivak {

PlayerFactory gstPlayerFactory(std::filesystem::path mountRoot)
{
    gst_init_check(nullptr, nullptr, nullptr);
    return
        [mountRoot = std::move(mountRoot)](const PlayerProfile &profile,
                                           std::string_view name) -> std::unique_ptr<MediaPlayer> {
            return std::make_unique<GstMediaPlayer>(profile, name, mountRoot);
        };
}

} // namespace tivak
