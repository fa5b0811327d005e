#pragma once

#include "media_player.h"
#include "player_profile.h"

#include <QObject>
#include <filesystem>
#include <gst/gst.h>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace tivak {

// A hidden player on a GStreamer playbin: sound only, at the profile's volume, played
// playCount times in a row. It never shows anything and never reports anything: a path that
// names no playable file leaves it silent until the next URL. Bus messages reach it on the
// thread that made it, through Qt's event loop, so no call ever waits for media.
//
// Paths are Windows paths. Elsewhere, drive X: is looked for under mountRoot (see
// resolveWindowsPath), anew at each URL, so that files may appear while the program runs.
class GstMediaPlayer final : public MediaPlayer
{
public:
    GstMediaPlayer(const PlayerProfile &profile, std::string_view name,
                   std::filesystem::path mountRoot);
    ~GstMediaPlayer() override;

    GstMediaPlayer(const GstMediaPlayer &) = delete;
    GstMediaPlayer &operator=(const GstMediaPlayer &) = delete;

    void setURL(const std::string &url) override;
    void stop() override;

private:
    struct BusRelay;
    struct PipelineUnref
    {
        void operator()(GstElement *pipeline) const { gst_object_unref(pipeline); }
    };

    static GstBusSyncReply relayMessage(GstBus *bus, GstMessage *message, gpointer relay);
    void onMessage(GstMessageType type, unsigned play);

    std::optional<std::string> uriOf(const std::string &url) const;
    bool restartFromBeginning();
    void startLooping();
    bool loopAgain();
    void startPlaying(const std::string &uri);
    void silence();
    void beginPlay();

    std::unique_ptr<GstElement, PipelineUnref> pipeline_;
    std::shared_ptr<BusRelay> relay_;
    QObject mailbox_; // bus messages are delivered to it on the player's thread
    std::filesystem::path mountRoot_;
    int playCount_ = 1;
    int playsDone_ = 0;
    std::string uri_;           // what the pipeline holds; empty when it holds nothing playable
    bool sounding_ = false;     // started and neither finished, failed nor stopped
    bool loopsPending_ = false; // prerolling, its plays not yet set up as segments
};

} // namespace tivak
