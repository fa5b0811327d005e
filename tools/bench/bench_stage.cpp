#include "bench_stage.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <unistd.h>

namespace tivak::bench {

namespace {
constexpr int twipsPerPixel = 15;
} // namespace

BenchStage::BenchStage()
{
    if (QStandardPaths::findExecutable("unshare").isEmpty() || geteuid() != 0) {
        failure_ = "the program is given its own /mnt through a mount namespace, which needs root "
                   "and unshare";
        return;
    }
    if (!mount_.isValid() || !runtime_.isValid()) {
        failure_ = "cannot make a folder for the clips";
        return;
    }
    desktop_ = std::make_unique<test::DesktopSession>();
    if (!desktop_->isRunning()) {
        failure_ = "no virtual display: " + desktop_->failure();
        return;
    }
    sound_ = std::make_unique<test::SoundServer>();
    if (!sound_->isRunning())
        failure_ = "no sound server: " + sound_->failure();
}

QString BenchStage::display() const
{
    return desktop_->environment().value("DISPLAY");
}

bool BenchStage::writeClip(const QString &relativePath, const std::vector<test::Tone> &tones,
                           bool withVideo) const
{
    const QString path = QDir(mount_.path()).filePath(relativePath);
    return QDir().mkpath(QFileInfo(path).path()) && test::writeToneClip(path, tones, withVideo);
}

void BenchStage::launch(QProcess &process, const QString &program) const
{
    QProcessEnvironment environment = desktop_->environment();
    environment.insert("XDG_RUNTIME_DIR", runtime_.path()); // Qt wants one, private to its user
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start("unshare", {"--mount", "--propagation", "private", "sh", "-c",
                              "mount --bind \"$0\" /mnt && exec \"$1\"", mount_.path(), program});
    process.waitForStarted();
}

void BenchStage::stop(QProcess &process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(3000))
        process.kill();
    process.waitForFinished(2000);
}

QPoint middleOnScreen(const Rect &rect, QPoint clientTopLeft)
{
    return clientTopLeft + QPoint((rect.left + rect.width / 2) / twipsPerPixel,
                                  (rect.top + rect.height / 2) / twipsPerPixel);
}

} // namespace tivak::bench
