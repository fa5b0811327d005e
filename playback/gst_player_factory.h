#pragma once

#include "media_player.h"

#include <filesystem>

namespace tivak {

// Makes GStreamer players (GstMediaPlayer) that look for drive X: under mountRoot/x when the
// system has no drive letters. Readies GStreamer on first use; if it cannot be readied, the
// players it makes stay silent. Players must be made and used on the interface thread.
PlayerFactory gstPlayerFactory(std::filesystem::path mountRoot = "/mnt");

} // namespace tivak
