#pragma once

#include <string_view>

namespace tivak {

// The stored settings a player is created with. The program never changes them afterwards.
struct PlayerProfile
{
    bool autoStart = true;
    int playCount = 1;  // times the media is played in a row
    int volume = 100;   // 0 to 100
    bool enableErrorDialogs = false;
    std::string_view uiMode = "full";
    std::string_view url{};
    double rate = 1.0;
    int balance = 0;
    bool mute = false;
    double currentPosition = 0.0;
    int currentMarker = 0;
    bool invokeURLs = true;
    bool stretchToFit = false;
    bool windowlessVideo = false;
    bool fullScreen = false;
    bool enabled = true;
    bool enableContextMenu = true;
    std::string_view baseURL{};
    std::string_view defaultFrame{};
    std::string_view captioningID{};
    std::string_view SAMIStyle{};
    std::string_view SAMILang{};
    std::string_view SAMIFileName{};

    friend constexpr bool operator==(const PlayerProfile &, const PlayerProfile &) = default;
};

// The start screen's soundtrack: quietly, over and over while the book is in use.
inline constexpr PlayerProfile IntroProfile{.playCount = 500, .volume = 30};

// A page's animal names: once, at full volume.
inline constexpr PlayerProfile PageProfile{.playCount = 1, .volume = 100};

} // namespace tivak
