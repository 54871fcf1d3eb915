#include <QProcess>
#include <QRegularExpression>
#include <QTest>

// The program as a user starts it from a shell: it answers without a window where it can.
class TestCommandLine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void answersOrStarts_data();
    void answersOrStarts();
};

void TestCommandLine::answersOrStarts_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("platform");  // QT_QPA_PLATFORM; empty: unset, and no display either
    QTest::addColumn<int>("exitCode");      // -1: still running, a window open
    QTest::addColumn<QString>("output");    // a pattern in what it printed

    QTest::newRow("version without a display") << QStringList{"--version"} << "" << 0 << "^zorbel \\d+\\.\\d+\\.\\d+\\n$";
    QTest::newRow("help without a display") << QStringList{"--help"} << "" << 0 << "--scale <factor>";
#ifdef Q_OS_WIN
    // Windows has no display variable to miss: the window opens on the desktop.
    QTest::newRow("no display variable on Windows") << QStringList{} << "" << -1 << "";
#else
    QTest::newRow("no display, no abort") << QStringList{} << "" << 1 << "^zorbel: no display found.*\\n$";
#endif
    QTest::newRow("Qt's own options pass") << QStringList{"-qwindowtitle", "Rechnen", "-name", "klasse3", "-nograb", "-geometry", "640x480", "-sync", "-widgetcount"} << "offscreen" << -1 << "";
    QTest::newRow("unknown option refused") << QStringList{"-frobnicate"} << "offscreen" << 2 << "'frobnicate'";
    QTest::newRow("scale 4 opens the window") << QStringList{"--scale", "4"} << "offscreen" << -1 << "";
    QTest::newRow("scale 4.01 is refused") << QStringList{"--scale", "4.01"} << "offscreen" << 2 << "'4.01'";
    QTest::newRow("scale 0.49 is refused") << QStringList{"--scale=0.49"} << "offscreen" << 2 << "'0.49'";
}

void TestCommandLine::answersOrStarts()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, platform);
    QFETCH(int, exitCode);
    QFETCH(QString, output);

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    if (!platform.isEmpty())
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    QProcess zorbel;
    zorbel.setProcessEnvironment(environment);
    zorbel.setProcessChannelMode(QProcess::MergedChannels);
    zorbel.start(QStringLiteral(ZORBEL_PROGRAM), arguments);
    QVERIFY(zorbel.waitForStarted());
    if (exitCode < 0) {
        QVERIFY2(!zorbel.waitForFinished(2000), zorbel.readAll().constData());
        zorbel.kill();
        zorbel.waitForFinished();
        return;
    }
    QVERIFY(zorbel.waitForFinished(10000));
    // Windows writes its line ends as CR LF.
    const QString printed = QString::fromLocal8Bit(zorbel.readAll()).replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QCOMPARE(zorbel.exitStatus(), QProcess::NormalExit);
    QCOMPARE(zorbel.exitCode(), exitCode);
    QVERIFY2(QRegularExpression(output).match(printed).hasMatch(), qPrintable(printed));
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
