#include "sound_server.h"

#include "child_process.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTest>
#include <QThread>
#include <cstring>

namespace tivak::test {
namespace {

constexpr int bytesPerSample = int(sizeof(float));
constexpr int startTimeout = 5000; // ms

QStringList streamFormat()
{
    return {"--raw", "--format=float32le", "--channels=1",
            QStringLiteral("--rate=%1").arg(SoundRecording::sampleRate)};
}

bool writeFile(const QString &path, const QByteArray &text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

} // namespace

SoundServer::SoundServer()
{
    start();
}

SoundServer::~SoundServer()
{
    for (QProcess *process : {&recorder_, &silence_, &daemon_}) {
        process->terminate();
        if (!process->waitForFinished(2000))
            process->kill();
        process->waitForFinished(1000);
    }
}

void SoundServer::start()
{
    if (!folder_.isValid())
        failure_ = "cannot make a folder for the sound server";
    else if (QStandardPaths::findExecutable("pulseaudio").isEmpty())
        failure_ = "pulseaudio is not installed";
    else if (QStandardPaths::findExecutable("pacat").isEmpty())
        failure_ = "pacat and parec (pulseaudio-utils) are not installed";
    else if (writeConfiguration() && startDaemon())
        startSilence();
}

bool SoundServer::writeConfiguration()
{
    const QByteArray socket = folder_.filePath("native").toUtf8();
    const bool written =
        writeFile(folder_.filePath("server.pa"),
                  "load-module module-native-protocol-unix auth-anonymous=1 socket=" + socket +
                      "\nload-module module-null-sink sink_name=tivak_test rate=48000\n"
                      "set-default-sink tivak_test\n") &&
        writeFile(folder_.filePath("client.conf"), "autospawn = no\n");
    if (!written) {
        failure_ = "cannot write the sound server's configuration";
        return false;
    }
    // Everything this process plays or records from now on goes to the private server.
    qputenv("PULSE_SERVER", "unix:" + socket);
    qputenv("PULSE_CLIENTCONFIG", folder_.filePath("client.conf").toUtf8());
    return true;
}

bool SoundServer::startDaemon()
{
    // The daemon keeps its runtime and state files in the private folder too, which also lets it
    // run as root without a system-wide installation.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *variable : {"HOME", "XDG_RUNTIME_DIR", "XDG_CONFIG_HOME", "XDG_STATE_HOME"})
        environment.insert(variable, folder_.path());
    daemon_.setProcessEnvironment(environment);
    stopsWithThisProcess(daemon_);
    daemon_.setProcessChannelMode(QProcess::MergedChannels);
    daemon_.start("pulseaudio", {"--daemonize=no", "--system=false", "--disallow-exit",
                                 "--exit-idle-time=-1", "--use-pid-file=no", "-n", "-F",
                                 folder_.filePath("server.pa"), "--log-target=stderr"});
    const QString socket = folder_.filePath("native");
    const QDeadlineTimer deadline(startTimeout);
    while (!QFileInfo::exists(socket) && daemon_.state() != QProcess::NotRunning &&
           !deadline.hasExpired())
        daemon_.waitForFinished(20);
    if (QFileInfo::exists(socket) && daemon_.state() == QProcess::Running)
        return true;
    failure_ = "pulseaudio did not start: " + QString::fromLocal8Bit(daemon_.readAll()).trimmed();
    return false;
}

bool SoundServer::startSilence()
{
    silence_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    stopsWithThisProcess(silence_);
    silence_.start(
        "pacat", QStringList{"--playback", "--latency-msec=5", "--client-name=tivak-test-silence"} +
                     streamFormat() + QStringList{"/dev/zero"});
    if (silence_.waitForStarted(startTimeout) && !silence_.waitForFinished(200))
        return true;
    failure_ = "pacat cannot play to the sound server";
    return false;
}

// The recorder writes to a file rather than a pipe: a test may keep the thread that would read a
// pipe busy for a while, and a recorder left waiting on a full pipe would lose sound and shift the
// recording's timeline.
bool SoundServer::startRecording()
{
    if (recorder_.state() != QProcess::NotRunning)
        stopRecording(); // left over from a test that failed half way
    QFile::remove(recordingFile());
    recordingStart_ = std::chrono::steady_clock::time_point::max();
    recorder_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    recorder_.setStandardOutputFile(recordingFile());
    stopsWithThisProcess(recorder_);
    recorder_.start("parec", QStringList{"--device=tivak_test.monitor", "--latency-msec=5",
                                         "--client-name=tivak-test-recorder"} +
                                 streamFormat());
    if (!recorder_.waitForStarted(startTimeout))
        return false;
    QDeadlineTimer deadline(startTimeout);
    while (!deadline.hasExpired()) {
        const auto now = std::chrono::steady_clock::now();
        const qint64 bytes = QFileInfo(recordingFile()).size();
        if (bytes > 0) {
            const double seconds = double(bytes / bytesPerSample) / SoundRecording::sampleRate;
            recordingStart_ = now - std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                                        std::chrono::duration<double>(seconds));
            return true;
        }
        QThread::msleep(2);
    }
    return false;
}

SoundRecording SoundServer::stopRecording()
{
    recorder_.terminate();
    recorder_.waitForFinished(2000);
    QFile file(recordingFile());
    const QByteArray recorded = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    std::vector<float> samples(std::size_t(recorded.size() / bytesPerSample));
    std::memcpy(samples.data(), recorded.constData(), samples.size() * sizeof(float));
    return SoundRecording(std::move(samples), recordingStart_);
}

QString SoundServer::recordingFile() const
{
    return folder_.filePath("recording.raw");
}

} // namespace tivak::test
