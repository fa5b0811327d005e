#include "about_box.h"
#include "catalogue.h"
#include "gst_player_factory.h"
#include "page_screen.h"
#include "screen_registry.h"
#include "start_screen.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

using namespace tivak;

namespace {

// While the application connects to the display, Qt's own messages are held back: if no display
// can be reached, Qt would print several lines and abort with a core dump. The reader gets one
// plain line and an ordinary failing exit instead.
void reportUnreachableDisplay(QtMsgType type, const QMessageLogContext &, const QString &)
{
    if (type != QtFatalMsg)
        return;
    const char *display = std::getenv("DISPLAY");
    std::fprintf(stderr, "tivak: no display to open the book on (DISPLAY=%s)\n",
                 display ? display : "");
    std::_Exit(EXIT_FAILURE);
}

void defineScreens(ScreenRegistry &registry, const PlayerFactory &players)
{
    registry.define(ScreenId::Form9, [&players](ScreenRegistry &r) {
        return std::make_unique<StartScreen>(r, players);
    });
    for (int page = 1; page <= catalogue::pageCount; ++page) {
        registry.define(catalogue::screenOf(page), [&players, page](ScreenRegistry &r) {
            return std::make_unique<PageScreen>(r, page, players);
        });
    }
    registry.define(ScreenId::frmAbout,
                    [](ScreenRegistry &r) { return std::make_unique<AboutBox>(r); });
}

} // namespace

int main(int argc, char *argv[])
{
    const QtMessageHandler defaultHandler = qInstallMessageHandler(reportUnreachableDisplay);
    QApplication app(argc, argv);
    qInstallMessageHandler(defaultHandler);
    app.setApplicationName(QStringLiteral("tivak"));
    app.setDesktopFileName(QStringLiteral("org.tivak.tivak")); // docks find the book's icon by it
    app.setQuitOnLastWindowClosed(false); // the program ends only through End

    const PlayerFactory players = gstPlayerFactory();
    ScreenRegistry registry;
    QObject::connect(&registry, &ScreenRegistry::programEnded, &app, &QCoreApplication::quit);
    defineScreens(registry, players);

    registry.Show(ScreenId::Form9);
    return app.exec();
}
