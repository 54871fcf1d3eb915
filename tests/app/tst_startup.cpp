#include "startup.h"

#include <QApplication>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <vector>

namespace {

// The program's start with these arguments after its name, on the platform QT_QPA_PLATFORM names; the argv lives
// as long as this does, as main's does.
struct Start
{
    explicit Start(const QList<QByteArray> &options = {})
    {
        arguments.append(options);
        for (QByteArray &argument : arguments)
            argv.push_back(argument.data());
        argv.push_back(nullptr);
        argc = int(arguments.size());
        plan = planStart(argc, argv.data());
    }

    QList<QByteArray> arguments{"zorbel"};
    std::vector<char *> argv;
    int argc = 0;
    StartPlan plan;
};

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { qputenv("QT_QPA_PLATFORM", "offscreen"); }
    void platformChoice_data();
    void platformChoice();
    void scaleReachesThisProgramOnly();
    void endsCleanlyInItsFirstMoments();
    void onlyAnExplicitQuitEndsTheEventLoop();
};

void TestStartup::platformChoice_data()
{
    QTest::addColumn<QByteArray>("waylandDisplay");
    QTest::addColumn<QByteArray>("display");
    QTest::addColumn<QByteArray>("chosen");       // QT_QPA_PLATFORM
    QTest::addColumn<QByteArrayList>("options");  // after the program name
    QTest::addColumn<QByteArray>("platform");
    QTest::newRow("Wayland with XWayland: X first") << QByteArray("wayland-0") << QByteArray(":1") << QByteArray() << QByteArrayList() << QByteArray("xcb;wayland");
    QTest::newRow("Wayland alone: the toolkit's choice") << QByteArray("wayland-0") << QByteArray() << QByteArray() << QByteArrayList() << QByteArray();
    QTest::newRow("X11 alone: the toolkit's choice") << QByteArray() << QByteArray(":1") << QByteArray() << QByteArrayList() << QByteArray();
    QTest::newRow("the user's variable") << QByteArray("wayland-0") << QByteArray(":1") << QByteArray("wayland") << QByteArrayList() << QByteArray();
    QTest::newRow("the user's -platform") << QByteArray("wayland-0") << QByteArray(":1") << QByteArray() << QByteArrayList{"-platform", "wayland"} << QByteArray();
}

// Under a Wayland compositor the windows go through XWayland, where they are placed and decorated as designed,
// unless the user chose the platform.
void TestStartup::platformChoice()
{
#ifdef Q_OS_WIN
    QSKIP("Windows has neither X11 nor Wayland to choose between.");
#endif
    QFETCH(QByteArray, waylandDisplay);
    QFETCH(QByteArray, display);
    QFETCH(QByteArray, chosen);
    QFETCH(QByteArrayList, options);
    QFETCH(QByteArray, platform);
    qputenv("WAYLAND_DISPLAY", waylandDisplay);
    qputenv("DISPLAY", display);
    qputenv("QT_QPA_PLATFORM", chosen);
    qputenv("XDG_SESSION_TYPE", waylandDisplay.isEmpty() ? "x11" : "wayland");
    const Start start(options);
    QVERIFY(!start.plan.exitCode);
    QCOMPARE(start.plan.platform, platform);
}

// The windows are drawn at the factor, yet a program started from here (a browser for a link) gets none of it.
void TestStartup::scaleReachesThisProgramOnly()
{
    qunsetenv("QT_SCALE_FACTOR");
    Start start({"--scale", "2"});
    const Toolkit toolkit(start.plan, start.argc, start.argv.data());
    QCOMPARE(QWidget().devicePixelRatio(), 2);

    QProcess child;
#ifdef Q_OS_WIN
    child.start(QStringLiteral("cmd"), {QStringLiteral("/c"), QStringLiteral("set")});
#else
    child.start(QStringLiteral("env"), {});
#endif
    QVERIFY2(child.waitForFinished(5000), "the listing of the environment did not run");
    QVERIFY2(!child.readAllStandardOutput().contains("QT_SCALE_FACTOR"), "a started program inherits the scale factor");
}

// What start-up hands to other threads ends before the toolkit goes, even when the program ends at once.
void TestStartup::endsCleanlyInItsFirstMoments()
{
    Start start;
    for (int run = 0; run < 5; ++run)
        const Toolkit toolkit(start.plan, start.argc, start.argv.data());
}

// Roads hide one window before they show the next, and a close box may close the last one:
// neither ends the program, only its own End does.
void TestStartup::onlyAnExplicitQuitEndsTheEventLoop()
{
    Start start;
    const Toolkit toolkit(start.plan, start.argc, start.argv.data());
    QWidget hidden;
    QWidget closed;
    hidden.show();
    closed.show();
    // The toolkit ends its event loop on a last window closed only while that loop runs.
    QTimer::singleShot(0, [&] {
        hidden.hide();
        closed.close();
    });
    constexpr int stillRunning = 42;
    QTimer::singleShot(100, [] { QCoreApplication::exit(stillRunning); });
    QVERIFY2(QCoreApplication::exec() == stillRunning, "the event loop ended when its last window was hidden or closed");
}

QTEST_APPLESS_MAIN(TestStartup)
#include "tst_startup.moc"
