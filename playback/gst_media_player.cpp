#include "gst_media_player.h"

#include "windows_path.h"

#include <algorithm>
#include <atomic>
#include <mutex>
#include <system_error>

namespace tivak {
namespace fs = std::filesystem;

// What the bus's sync handler, running on GStreamer's threads, needs of the player. It outlives
// the player when a message is being relayed at the moment the player goes away.
struct GstMediaPlayer::BusRelay
{
    std::mutex lock;
    GstMediaPlayer *player = nullptr; // none once the player is being destroyed
    // Numbers each start from the beginning; a message tagged with an older number belongs to a
    // play that has since been dropped.
    std::atomic<unsigned> play = 0;
};

namespace {

void releaseRelay(gpointer relay)
{
    delete static_cast<std::shared_ptr<void> *>(relay);
}

} // namespace

GstMediaPlayer::GstMediaPlayer(const PlayerProfile &profile, std::string_view name,
                               fs::path mountRoot)
    : relay_(std::make_shared<BusRelay>()), mountRoot_(std::move(mountRoot)),
      playCount_(std::max(1, profile.playCount))
{
    if (!gst_is_initialized())
        return; // without GStreamer the player stays silent
    GstElement *playbin = gst_element_factory_make("playbin", std::string(name).c_str());
    if (!playbin)
        return;
    pipeline_.reset(GST_ELEMENT(gst_object_ref_sink(playbin)));

    // Sound only: the players are hidden, so video is neither decoded nor shown, and the volume
    // is applied to the samples rather than to the sound server's stream, whose volume the
    // server may remember from one run to the next.
    gst_util_set_object_arg(G_OBJECT(playbin), "flags", "audio+soft-volume");
    if (GstElement *pulse = gst_element_factory_make("pulsesink", nullptr))
        g_object_set(playbin, "audio-sink", pulse, nullptr); // else the platform's usual one
    g_object_set(playbin, "video-sink", gst_element_factory_make("fakesink", nullptr), "volume",
                 profile.volume / 100.0, "mute", gboolean(profile.mute), nullptr);

    relay_->player = this;
    GstBus *bus = gst_element_get_bus(playbin);
    gst_bus_set_sync_handler(bus, &GstMediaPlayer::relayMessage, new std::shared_ptr<void>(relay_),
                             &releaseRelay);
    gst_object_unref(bus);
}

GstMediaPlayer::~GstMediaPlayer()
{
    {
        const std::lock_guard guard(relay_->lock);
        relay_->player = nullptr;
    }
    if (pipeline_)
        gst_element_set_state(pipeline_.get(), GST_STATE_NULL);
}

GstBusSyncReply GstMediaPlayer::relayMessage(GstBus *, GstMessage *message, gpointer data)
{
    const GstMessageType type = GST_MESSAGE_TYPE(message);
    if (type == GST_MESSAGE_EOS || type == GST_MESSAGE_ERROR || type == GST_MESSAGE_ASYNC_DONE ||
        type == GST_MESSAGE_SEGMENT_DONE) {
        auto &relay = *static_cast<BusRelay *>(static_cast<std::shared_ptr<void> *>(data)->get());
        const std::lock_guard guard(relay.lock);
        if (GstMediaPlayer *player = relay.player) {
            const unsigned play = relay.play;
            QMetaObject::invokeMethod(
                &player->mailbox_, [player, type, play] { player->onMessage(type, play); },
                Qt::QueuedConnection);
        }
    }
    // Nobody else reads the bus, so nothing may pile up on it. A handler that drops a message
    // owns it: left alone, every message would keep its source element, and with it the clip's
    // whole chain of elements and buffers, alive for good.
    gst_message_unref(message);
    return GST_BUS_DROP;
}

void GstMediaPlayer::onMessage(GstMessageType type, unsigned play)
{
    if (play != relay_->play || !sounding_)
        return;
    switch (type) {
    case GST_MESSAGE_ASYNC_DONE:
        if (loopsPending_)
            startLooping();
        return;
    case GST_MESSAGE_SEGMENT_DONE:
        if (++playsDone_ < playCount_ && loopAgain())
            return;
        break;
    case GST_MESSAGE_EOS:
        if (++playsDone_ < playCount_ && restartFromBeginning())
            return;
        break;
    default:
        break;
    }
    silence(); // played out, or failed
}

// Repeats are played as segments: the source reports the end of each play while the sink still
// holds sound enough to bridge the next seek, so that the tune loops without a gap, however busy
// the interface thread that handles the message is.
void GstMediaPlayer::startLooping()
{
    loopsPending_ = false;
    const bool sought = gst_element_seek(pipeline_.get(), 1.0, GST_FORMAT_TIME,
                                         GstSeekFlags(GST_SEEK_FLAG_FLUSH | GST_SEEK_FLAG_SEGMENT),
                                         GST_SEEK_TYPE_SET, 0, GST_SEEK_TYPE_NONE, -1);
    if (sought)
        gst_element_set_state(pipeline_.get(), GST_STATE_PLAYING);
    else
        silence();
}

// The last play is an ordinary one, so that the media ends with end of stream.
bool GstMediaPlayer::loopAgain()
{
    const bool lastPlay = playsDone_ + 1 == playCount_;
    const auto flags = lastPlay ? GST_SEEK_FLAG_NONE : GST_SEEK_FLAG_SEGMENT;
    return gst_element_seek(pipeline_.get(), 1.0, GST_FORMAT_TIME, flags, GST_SEEK_TYPE_SET, 0,
                            GST_SEEK_TYPE_NONE, -1);
}

void GstMediaPlayer::setURL(const std::string &url)
{
    if (!pipeline_)
        return;
    const std::optional<std::string> uri = uriOf(url);
    playsDone_ = 0;
    if (!uri) {
        silence();
        uri_.clear();
        return;
    }
    if (*uri == uri_ && sounding_ && restartFromBeginning())
        return;
    startPlaying(*uri);
}

void GstMediaPlayer::stop()
{
    if (pipeline_)
        silence();
}

std::optional<std::string> GstMediaPlayer::uriOf(const std::string &url) const
{
#ifdef _WIN32
    const std::optional<fs::path> file = fs::path(url);
#else
    const std::optional<fs::path> file = resolveWindowsPath(url, mountRoot_);
#endif
    std::error_code error;
    if (!file || !fs::is_regular_file(*file, error))
        return std::nullopt; // missing, or a folder or device that would only stall the source
    const std::unique_ptr<gchar, decltype(&g_free)> uri(
        gst_filename_to_uri(file->string().c_str(), nullptr), &g_free);
    if (!uri)
        return std::nullopt;
    return std::string(uri.get());
}

// Starts the media already loaded over without reloading it; false when it cannot seek yet.
bool GstMediaPlayer::restartFromBeginning()
{
    const auto flags = playCount_ - playsDone_ > 1 ? GST_SEEK_FLAG_FLUSH | GST_SEEK_FLAG_SEGMENT
                                                   : GST_SEEK_FLAG_FLUSH;
    const bool sought = gst_element_seek(pipeline_.get(), 1.0, GST_FORMAT_TIME, GstSeekFlags(flags),
                                         GST_SEEK_TYPE_SET, 0, GST_SEEK_TYPE_NONE, -1);
    if (sought)
        beginPlay();
    return sought;
}

void GstMediaPlayer::startPlaying(const std::string &uri)
{
    silence();
    uri_ = uri;
    g_object_set(pipeline_.get(), "uri", uri.c_str(), nullptr);
    // A media played more than once first prerolls, so that its plays can be set up as segments.
    loopsPending_ = playCount_ > 1;
    const GstState target = loopsPending_ ? GST_STATE_PAUSED : GST_STATE_PLAYING;
    sounding_ = gst_element_set_state(pipeline_.get(), target) != GST_STATE_CHANGE_FAILURE;
    if (!sounding_)
        silence();
}

// Down to NULL rather than READY: only NULL fully resets a playbin whose source or decoder has
// failed, so that the next media opens cleanly.
void GstMediaPlayer::silence()
{
    gst_element_set_state(pipeline_.get(), GST_STATE_NULL);
    sounding_ = false;
    beginPlay();
}

void GstMediaPlayer::beginPlay()
{
    ++relay_->play;
}

} // namespace tivak
