// Converts the application icon (a Windows .ico file) into the PNG that Linux desktops look up in
// the hicolor icon theme, so that the installed program shows the same picture as its windows.
//     tivak_icon_to_png <icon.ico> <icon.png>

#include <QCoreApplication>
#include <QImage>
#include <QTextStream>

namespace {

int fail(const QString &message)
{
    QTextStream(stderr) << "tivak_icon_to_png: " << message << '\n';
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    const QCoreApplication application(argc, argv); // finds Qt's image format plugins
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3)
        return fail(QStringLiteral("usage: tivak_icon_to_png <icon.ico> <icon.png>"));

    const QImage icon(arguments[1], "ICO");
    if (icon.isNull())
        return fail(QStringLiteral("cannot read the icon %1").arg(arguments[1]));
    if (!icon.convertToFormat(QImage::Format_ARGB32).save(arguments[2], "PNG"))
        return fail(QStringLiteral("cannot write %1").arg(arguments[2]));
    return 0;
}
