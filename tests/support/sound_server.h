#pragma once

#include "sound_recording.h"

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <chrono>
#include <vector>

namespace tivak::test {

// A private PulseAudio server whose only output is a null sink, for tests that listen to what
// the program plays. It lives in a folder of its own and answers on its own socket, which this
// process (and what it starts) is pointed at, so that tests running side by side never hear
// each other. The sink's monitor can be recorded and examined as a SoundRecording.
class SoundServer
{
public:
    SoundServer();
    ~SoundServer();

    SoundServer(const SoundServer &) = delete;
    SoundServer &operator=(const SoundServer &) = delete;

    bool isRunning() const { return failure_.isEmpty(); }
    // Why the server could not be started; empty when it runs.
    QString failure() const { return failure_; }

    // Starts recording the sink and returns once the recording is under way.
    bool startRecording();
    SoundRecording stopRecording();

private:
    void start();
    bool writeConfiguration();
    bool startDaemon();
    bool startSilence();
    QString recordingFile() const;

    QTemporaryDir folder_;
    QProcess daemon_;
    QProcess silence_; // keeps the sink rendering, so that its monitor runs without gaps
    QProcess recorder_;
    QString failure_;
    // When the first sample was played, estimated from when each block of samples arrived.
    std::chrono::steady_clock::time_point recordingStart_{};
};

} // namespace tivak::test
