#include "tone_clip.h"

#include <QProcess>

namespace tivak::test {
namespace {

// The frequency as a function of the time t, in ffmpeg's expression language.
QString frequencyAt(const std::vector<Tone> &tones)
{
    QString expression = "0";
    double end = 0.0;
    for (const Tone &tone : tones)
        end += tone.seconds;
    for (auto tone = tones.rbegin(); tone != tones.rend(); ++tone) {
        end -= tone->seconds;
        expression = QStringLiteral("if(lt(t,%1),%2,%3)")
                         .arg(end + tone->seconds)
                         .arg(tone->hertz)
                         .arg(expression);
    }
    return expression;
}

} // namespace

bool writeToneClip(const QString &path, const std::vector<Tone> &tones, bool withVideo)
{
    double seconds = 0.0;
    for (const Tone &tone : tones)
        seconds += tone.seconds;
    QStringList arguments{"-v",
                          "error",
                          "-y",
                          "-f",
                          "lavfi",
                          "-i",
                          QStringLiteral("aevalsrc=exprs='0.5*sin(2*PI*t*(%1))':s=48000:d=%2")
                              .arg(frequencyAt(tones))
                              .arg(seconds)};
    if (withVideo)
        arguments << "-f"
                  << "lavfi"
                  << "-i" << QStringLiteral("testsrc=size=64x48:rate=10:duration=%1").arg(seconds)
                  << "-c:v"
                  << "libx264"
                  << "-pix_fmt"
                  << "yuv420p";
    arguments << "-c:a"
              << "aac"
              << "-b:a"
              << "128k"
              << "-f"
              << "mp4" << path;
    QProcess ffmpeg;
    ffmpeg.setProcessChannelMode(QProcess::ForwardedChannels);
    ffmpeg.start("ffmpeg", arguments);
    return ffmpeg.waitForFinished(30000) && ffmpeg.exitStatus() == QProcess::NormalExit &&
           ffmpeg.exitCode() == 0;
}

} // namespace tivak::test
