#include <QProcess>
#include <QTest>

// How the program starts where it cannot open its windows.
class ProgramStartTest : public QObject
{
    Q_OBJECT

private slots:
    void withoutADisplayItSaysSoInOneLineAndFails_data()
    {
        QTest::addColumn<QString>("display");
        QTest::newRow("no DISPLAY at all") << QString();
        QTest::newRow("a display no one serves") << QStringLiteral(":987");
    }
    void withoutADisplayItSaysSoInOneLineAndFails()
    {
        QFETCH(QString, display);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(name);
        if (!display.isEmpty())
            environment.insert("DISPLAY", display);

        QProcess book;
        book.setProcessEnvironment(environment);
        book.start(QStringLiteral(TIVAK_EXECUTABLE), {});
        QVERIFY(book.waitForFinished(10000));
        QCOMPARE(book.exitStatus(), QProcess::NormalExit); // no abort, no core dump
        QVERIFY(book.exitCode() != 0);
        const QStringList said =
            QString::fromUtf8(book.readAllStandardError()).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(said.size(), 1);
        QVERIFY2(said.front().contains("no display"), qPrintable(said.front()));
        QVERIFY(book.readAllStandardOutput().isEmpty());
    }
};

QTEST_GUILESS_MAIN(ProgramStartTest)
#include "program_start_test.moc"
