#pragma once

#include "desktop_session.h"
#include "rect.h"
#include "sound_server.h"
#include "tone_clip.h"

#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <memory>
#include <vector>

namespace tivak::bench {

// Where the benchmarks meet the real program as a reader does: a private display with a window
// manager, a private sound server, and a folder of tone clips that the program sees as its /mnt
// and no other process does.
class BenchStage
{
public:
    BenchStage();

    BenchStage(const BenchStage &) = delete;
    BenchStage &operator=(const BenchStage &) = delete;

    bool isReady() const { return failure_.isEmpty(); }
    // Why the stage could not be set up; empty when it is ready.
    QString failure() const { return failure_; }

    test::DesktopSession &desktop() const { return *desktop_; }
    test::SoundServer &sound() const { return *sound_; }
    QString display() const;
    QString mountFolder() const { return mount_.path(); }

    // Writes a clip under the folder that stands in for /mnt ("d/Tivak/1.1.M4a" is
    // D:\Tivak\1.1.M4a).
    bool writeClip(const QString &relativePath, const std::vector<test::Tone> &tones,
                   bool withVideo = false) const;

    // Starts a program on the display, with the clip folder as its /mnt. Every program is started
    // the same way, so that what surrounds the start costs each of them the same.
    void launch(QProcess &process, const QString &program) const;
    // Ends a program started here and waits until it is gone.
    static void stop(QProcess &process);

private:
    std::unique_ptr<test::DesktopSession> desktop_;
    std::unique_ptr<test::SoundServer> sound_;
    QTemporaryDir mount_;
    QTemporaryDir runtime_;
    QString failure_;
};

// Where the middle of a control's rect (in twips, from the client area's corner) is on screen.
QPoint middleOnScreen(const Rect &rect, QPoint clientTopLeft);

} // namespace tivak::bench
