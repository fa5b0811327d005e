#include "desktop_session.h"

#include "child_process.h"

#include <QDeadlineTimer>
#include <QImage>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QThread>

namespace tivak::test {
namespace {

constexpr int titleBarAllowance = 30; // px above a client area that a screenshot keeps

void stop(QProcess &process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(2000))
        process.kill();
    process.waitForFinished(1000);
}

int number(const QString &text, const QString &label)
{
    const QRegularExpression pattern(QRegularExpression::escape(label) + R"(\s*(-?\d+))");
    const auto match = pattern.match(text);
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

} // namespace

DesktopSession::DesktopSession(const QString &size)
{
    start(size);
}

DesktopSession::~DesktopSession()
{
    stop(windowManager_);
    stop(server_);
}

void DesktopSession::start(const QString &size)
{
    for (const char *tool : {"Xvfb", "openbox", "xdotool", "xprop", "xwininfo", "import"}) {
        if (QStandardPaths::findExecutable(tool).isEmpty()) {
            failure_ = QStringLiteral("%1 is not installed").arg(tool);
            return;
        }
    }
    // Xvfb picks a free display number itself and writes it to the descriptor it is given.
    stopsWithThisProcess(server_);
    server_.setProcessChannelMode(QProcess::SeparateChannels);
    server_.start("sh", {"-c", "exec Xvfb -displayfd 1 -screen 0 \"$0\" -dpi 96 -nolisten tcp",
                         size + "x24"});
    QDeadlineTimer deadline(10000);
    while (display_.isEmpty() && !deadline.hasExpired() &&
           server_.state() != QProcess::NotRunning) {
        server_.waitForReadyRead(100);
        const QString printed = QString::fromLatin1(server_.readAllStandardOutput()).trimmed();
        if (!printed.isEmpty())
            display_ = ":" + printed;
    }
    if (display_.isEmpty()) {
        failure_ = "Xvfb did not start";
        return;
    }
    stopsWithThisProcess(windowManager_);
    windowManager_.setProcessEnvironment(environment());
    windowManager_.start("openbox", {});
    // openbox is ready once it has claimed the display's window manager selection.
    while (!deadline.hasExpired() &&
           run("xprop", {"-root", "_NET_SUPPORTING_WM_CHECK"}).count("window id") == 0)
        QThread::msleep(50);
}

QProcessEnvironment DesktopSession::environment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DISPLAY", display_);
    environment.remove("QT_QPA_PLATFORM");
    environment.remove("WAYLAND_DISPLAY");
    return environment;
}

QString DesktopSession::run(const QString &tool, const QStringList &arguments) const
{
    QProcess process;
    process.setProcessEnvironment(environment());
    process.start(tool, arguments);
    process.waitForFinished(5000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

QList<DesktopSession::Window> DesktopSession::visibleWindows() const
{
    QList<Window> windows;
    const QStringList ids =
        run("xdotool", {"search", "--onlyvisible", "--name", "."}).split('\n', Qt::SkipEmptyParts);
    for (const QString &id : ids) {
        Window window;
        window.id = id;
        const QString properties =
            run("xprop", {"-id", id, "WM_WINDOW_ROLE", "_NET_WM_NAME", "_NET_WM_STATE"});
        const QRegularExpression role(R"re(WM_WINDOW_ROLE\(STRING\) = "([^"]*)")re");
        const QRegularExpression title(R"re(_NET_WM_NAME\(UTF8_STRING\) = "([^"]*)")re");
        window.role = role.match(properties).captured(1);
        window.title = title.match(properties).captured(1);
        window.maximised = properties.contains("_NET_WM_STATE_MAXIMIZED_VERT") &&
                           properties.contains("_NET_WM_STATE_MAXIMIZED_HORZ");
        const QString info = run("xwininfo", {"-id", id});
        window.client =
            QRect(number(info, "Absolute upper-left X:"), number(info, "Absolute upper-left Y:"),
                  number(info, "Width:"), number(info, "Height:"));
        if (!window.title.isEmpty())
            windows << window;
    }
    return windows;
}

std::optional<DesktopSession::Window>
DesktopSession::visibleWindow(const QString &roleOrTitle) const
{
    for (const Window &window : visibleWindows()) {
        if (window.role == roleOrTitle || (window.role.isEmpty() && window.title == roleOrTitle))
            return window;
    }
    return std::nullopt;
}

std::optional<DesktopSession::Window> DesktopSession::waitForWindow(const QString &roleOrTitle,
                                                                    int timeoutMs) const
{
    QDeadlineTimer deadline(timeoutMs);
    do {
        if (auto window = visibleWindow(roleOrTitle))
            return window;
        QThread::msleep(50);
    } while (!deadline.hasExpired());
    return std::nullopt;
}

bool DesktopSession::waitUntilHidden(const QString &roleOrTitle, int timeoutMs) const
{
    QDeadlineTimer deadline(timeoutMs);
    do {
        if (!visibleWindow(roleOrTitle))
            return true;
        QThread::msleep(50);
    } while (!deadline.hasExpired());
    return false;
}

void DesktopSession::click(QPoint where) const
{
    run("xdotool", {"mousemove", QString::number(where.x()), QString::number(where.y())});
    run("xdotool", {"click", "1"});
}

void DesktopSession::key(const QString &keys) const
{
    run("xdotool", {"key", keys});
}

bool DesktopSession::screenshot(const QString &path, const std::optional<Window> &window) const
{
    QTemporaryFile whole(QStringLiteral("screen-XXXXXX.png"));
    if (!whole.open())
        return false;
    run("import", {"-window", "root", whole.fileName()});
    QImage image(whole.fileName());
    if (image.isNull())
        return false;
    if (window)
        image = image.copy(window->client.adjusted(-2, -titleBarAllowance, 2, 2));
    return image.save(path);
}

} // namespace tivak::test
