// The smallest Qt Widgets program that shows a picture in a maximised window: the yardstick that
// the book's start-up time and memory are measured against. It shows the book's start picture,
// built in as the book builds in its pictures, at its natural size.
#include <QApplication>
#include <QLabel>
#include <QPixmap>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLabel window;
    window.setWindowTitle(QStringLiteral("minimal window"));
    window.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    window.setPixmap(QPixmap(QStringLiteral(":/yardstick/start.jpg")));
    window.showMaximized();
    return app.exec();
}
