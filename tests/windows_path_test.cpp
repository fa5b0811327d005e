#include "windows_path.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace tivak;

class WindowsPathTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(mountRoot_.isValid());
        for (const char *file :
             {"c/Program Files/Tivak/1.1.m4a", "c/Program Files/Tivak/2020.mp4", "d/Tivak/3.1.m4a",
              "d/Two/clip.m4a", "d/Two/CLIP.M4A", "d/Two/Clip.m4a/inside.m4a"}) {
            const QString path = mountRoot_.filePath(file);
            QVERIFY(QDir().mkpath(QFileInfo(path).path()));
            QFile touched(path);
            QVERIFY(touched.open(QIODevice::WriteOnly));
        }
    }

    void resolvesAsWindowsWould_data()
    {
        QTest::addColumn<QString>("windowsPath");
        QTest::addColumn<QString>("found"); // under the mount root; empty when nothing is
        QTest::newRow("exact") << R"(D:\Tivak\3.1.m4a)"
                               << "d/Tivak/3.1.m4a";
        QTest::newRow("folder and file in another case") << R"(C:\Program files\TIVAK\1.1.M4a)"
                                                         << "c/Program Files/Tivak/1.1.m4a";
        QTest::newRow("small drive letter") << R"(d:\tivak\3.1.M4A)"
                                            << "d/Tivak/3.1.m4a";
        QTest::newRow("slashes") << "D:/Tivak/3.1.m4a"
                                 << "d/Tivak/3.1.m4a";
        QTest::newRow("doubled and trailing separators") << R"(C:\\Program files\Tivak\\2020.mp4\)"
                                                         << "c/Program Files/Tivak/2020.mp4";
        QTest::newRow("dots") << R"(D:\.\Two\..\..\Tivak\3.1.m4a)"
                              << "d/Tivak/3.1.m4a";
        QTest::newRow("folder itself") << R"(C:\program files\tivak\)"
                                       << "c/Program Files/Tivak";
        QTest::newRow("exact name among cases") << R"(D:\Two\CLIP.M4A)"
                                                << "d/Two/CLIP.M4A";
        QTest::newRow("ambiguous file") << R"(D:\Two\Clip.M4a)"
                                        << "";
        QTest::newRow("ambiguous folder") << R"(D:\Two\clip.M4A\inside.m4a)"
                                          << "";
        QTest::newRow("missing file") << R"(D:\Tivak\9.9.m4a)"
                                      << "";
        QTest::newRow("missing folder") << R"(D:\Program files\Tivak\3.1.m4a)"
                                        << "";
        QTest::newRow("file taken for a folder") << R"(D:\Tivak\3.1.m4a\x)"
                                                 << "";
        QTest::newRow("missing drive") << R"(E:\Tivak\3.1.m4a)"
                                       << "";
        QTest::newRow("no drive") << R"(\Tivak\3.1.m4a)"
                                  << "";
        QTest::newRow("drive-relative") << R"(D:Tivak\3.1.m4a)"
                                        << "";
        QTest::newRow("network share") << R"(\\server\Tivak\3.1.m4a)"
                                       << "";
        QTest::newRow("empty") << ""
                               << "";
    }
    void resolvesAsWindowsWould()
    {
        QFETCH(QString, windowsPath);
        QFETCH(QString, found);
        const auto resolved =
            resolveWindowsPath(windowsPath.toStdString(), mountRoot_.path().toStdString());
        if (found.isEmpty()) {
            QVERIFY2(!resolved, resolved ? resolved->c_str() : "");
            return;
        }
        QVERIFY(resolved);
        QCOMPARE(QDir::cleanPath(QString::fromStdString(resolved->string())),
                 mountRoot_.filePath(found));
    }

    // Files are looked for anew each time, so that an installation may appear while running.
    void seesFilesThatAppearLater()
    {
        const std::string path = R"(D:\Later\3.1.m4a)";
        QVERIFY(!resolveWindowsPath(path, mountRoot_.path().toStdString()));
        QVERIFY(QDir(mountRoot_.path()).mkpath("d/later"));
        QFile file(mountRoot_.filePath("d/later/3.1.m4a"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(resolveWindowsPath(path, mountRoot_.path().toStdString()));
    }

private:
    QTemporaryDir mountRoot_;
};

QTEST_APPLESS_MAIN(WindowsPathTest)
#include "windows_path_test.moc"
