#include "startup.h"

#include "startmessage.h"
#include "version.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFontDatabase>
#include <QList>
#include <QMutex>
#include <QStringList>
#include <QtGui/qtgui-config.h>
#if QT_CONFIG(accessibility_atspi_bridge)
#include <QDBusConnection>
#endif

#include <array>
#include <cstdio>
#include <unistd.h>

namespace {

constexpr double minScale = 0.5;
constexpr double maxScale = 4.0;

// Exit codes of a start that opens no window.
constexpr int exitNoDisplay = 1;
constexpr int exitUsage = 2;

struct ToolkitOption
{
    const char *name;
    bool takesValue;
};

// Every option that Qt's applications take, as the QCoreApplication, QGuiApplication and
// QApplication documentation and the X11 platform list them (a session manager passes
// -session, tests pass -platform). The toolkit reads them itself from the command line,
// which it gets unchanged; the parser only has to let them through.
constexpr std::array toolkitOptions{
    ToolkitOption{"platform", true},     ToolkitOption{"platformpluginpath", true},
    ToolkitOption{"platformtheme", true}, ToolkitOption{"plugin", true},
    ToolkitOption{"qmljsdebugger", true}, ToolkitOption{"qwindowgeometry", true},
    ToolkitOption{"qwindowicon", true},  ToolkitOption{"qwindowtitle", true},
    ToolkitOption{"reverse", false},     ToolkitOption{"session", true},
    ToolkitOption{"testability", false}, ToolkitOption{"style", true},
    ToolkitOption{"stylesheet", true},   ToolkitOption{"widgetcount", false},
    // X11
    ToolkitOption{"display", true},      ToolkitOption{"geometry", true},
    ToolkitOption{"title", true},        ToolkitOption{"icon", true},
    ToolkitOption{"name", true},         ToolkitOption{"visual", true},
    ToolkitOption{"fn", true},           ToolkitOption{"font", true},
    ToolkitOption{"bg", true},           ToolkitOption{"background", true},
    ToolkitOption{"fg", true},           ToolkitOption{"foreground", true},
    ToolkitOption{"btn", true},          ToolkitOption{"button", true},
    ToolkitOption{"ncols", true},        ToolkitOption{"cmap", false},
    ToolkitOption{"im", true},           ToolkitOption{"inputstyle", true},
    ToolkitOption{"noxim", false},       ToolkitOption{"nograb", false},
    ToolkitOption{"dograb", false},      ToolkitOption{"sync", false},
};

int usageError(const QString &text)
{
    showStartMessage(stderr, QStringLiteral("zorbel: %1\nTry 'zorbel --help' for more information.\n").arg(text));
    return exitUsage;
}

void acceptToolkitOptions(QCommandLineParser &parser)
{
    for (const ToolkitOption &toolkit : toolkitOptions) {
        QCommandLineOption option(QString::fromLatin1(toolkit.name));
        if (toolkit.takesValue)
            option.setValueName(QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

bool isSet(const char *variable)
{
    return !qEnvironmentVariableIsEmpty(variable);
}

// Under Wayland the toolkit runs as a native Wayland client, and the compositor then places
// every window and gives each the same title-bar buttons. Through XWayland the windows open
// where and as they are designed; natively only when there is no X server to reach.
QByteArray defaultPlatform()
{
    const bool wayland = isSet("WAYLAND_DISPLAY") || qgetenv("XDG_SESSION_TYPE") == "wayland";
    return wayland && isSet("DISPLAY") ? QByteArrayLiteral("xcb;wayland") : QByteArray();
}

// Sets an environment variable for as long as it lives, then gives back what was there.
class ScopedVariable
{
public:
    ScopedVariable(const char *name, const QByteArray &value)
        : m_name(name)
        , m_wasSet(qEnvironmentVariableIsSet(name))
        , m_previous(qgetenv(name))
    {
        if (!value.isEmpty())
            qputenv(name, value);
    }
    ~ScopedVariable()
    {
        if (m_wasSet)
            qputenv(m_name, m_previous);
        else
            qunsetenv(m_name);
    }
    ScopedVariable(const ScopedVariable &) = delete;
    ScopedVariable &operator=(const ScopedVariable &) = delete;

private:
    const char *m_name;
    bool m_wasSet;
    QByteArray m_previous;
};

// Holds the toolkit's messages while the application object is built. A fatal one (no
// display to reach) ends the program with the plan's one line; otherwise the held
// messages go out when the guard ends. Threads started meanwhile may log too.
class StartFailureGuard
{
public:
    explicit StartFailureGuard(const StartPlan &plan)
        : m_plan(plan)
    {
        const QMutexLocker lock(&s_lock);
        s_active = this;
        s_toolkitHandler = qInstallMessageHandler(hold);
    }
    ~StartFailureGuard()
    {
        const QMutexLocker lock(&s_lock);
        qInstallMessageHandler(s_toolkitHandler);
        s_active = nullptr;
        for (const auto &[type, message] : std::as_const(m_held))
            pass(type, message);
    }
    StartFailureGuard(const StartFailureGuard &) = delete;
    StartFailureGuard &operator=(const StartFailureGuard &) = delete;

private:
    // A message handler is a plain function; it reaches the one guard there is through this.
    static inline StartFailureGuard *s_active = nullptr;
    static inline QtMessageHandler s_toolkitHandler = nullptr;
    static inline QBasicMutex s_lock;

    static void pass(QtMsgType type, const QString &message)
    {
        if (s_toolkitHandler)
            s_toolkitHandler(type, QMessageLogContext(), message);
    }

    static void hold(QtMsgType type, const QMessageLogContext &, const QString &message)
    {
        const QMutexLocker lock(&s_lock);
        if (!s_active) {
            // Logged by another thread while the guard was ending.
            pass(type, message);
            return;
        }
        StartFailureGuard &guard = *s_active;
        if (type != QtFatalMsg) {
            guard.m_held.append({type, message});
            return;
        }
        // One message, so that Windows shows one box.
        QString text;
        if (guard.m_plan.platformNamed) {
            for (const auto &held : std::as_const(guard.m_held))
                text += held.second + QLatin1Char('\n');
        }
        showStartMessage(stderr, text + guard.m_plan.failure);
        std::fflush(stderr);
        // Nothing is half-built that needs tidying, and the toolkit is mid-construction.
        _exit(exitNoDisplay);
    }

    const StartPlan &m_plan;
    QList<std::pair<QtMsgType, QString>> m_held;
};

// The screen-reader bridge connects to the session bus when a window first gets a text or
// a name, and the program waits there. Where no bus runs yet, one is launched first, which
// takes longer than building the splash; connecting while the toolkit starts hides that wait.
void connectSessionBusEarly(const StartPlan &plan, StartTasks &tasks)
{
#if QT_CONFIG(accessibility_atspi_bridge)
    // Launching the bus starts programs, which must not inherit what is set in the environment
    // for the toolkit's start alone; and a platform chosen by name may have no such bridge.
    if (plan.platformNamed || plan.scale || !plan.platform.isEmpty())
        return;
    tasks.start([] { QDBusConnection::sessionBus(); });
#else
    Q_UNUSED(plan);
    Q_UNUSED(tasks);
#endif
}

} // namespace

void StartTasks::start(std::function<void()> task)
{
#if QT_CONFIG(thread)
    m_pool.start(std::move(task));
#else
    task();
#endif
}

void StartTasks::waitForDone()
{
#if QT_CONFIG(thread)
    m_pool.waitForDone();
#endif
}

StartPlan planStart(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("zorbel"));
    QCoreApplication::setApplicationVersion(
        QStringLiteral("%1.%2.%3").arg(ZORBEL_VERSION_MAJOR).arg(ZORBEL_VERSION_MINOR).arg(ZORBEL_VERSION_REVISION));

    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Memory game with arithmetic exercises for school years 1 to 4."));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption scale(QStringLiteral("scale"),
                                   QStringLiteral("Draw every window <factor> times larger, from %1 to %2.").arg(minScale).arg(maxScale),
                                   QStringLiteral("factor"));
    parser.addOption(scale);
    acceptToolkitOptions(parser);

    StartPlan plan;
    if (!parser.parse(arguments)) {
        plan.exitCode = usageError(parser.errorText());
        return plan;
    }
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all")) || parser.isSet(version)) {
        // A core application needs no display; the parser prints the text and ends the program.
        QCoreApplication information(argc, argv);
        parser.process(information);
    }
    if (!parser.positionalArguments().isEmpty()) {
        plan.exitCode = usageError(QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().constFirst()));
        return plan;
    }
    if (parser.isSet(scale)) {
        bool isNumber = false;
        const double factor = parser.value(scale).toDouble(&isNumber);
        if (!isNumber || !(factor >= minScale && factor <= maxScale)) {
            plan.exitCode = usageError(QStringLiteral("invalid scale factor '%1': give a number from %2 to %3")
                                           .arg(parser.value(scale)).arg(minScale).arg(maxScale));
            return plan;
        }
        plan.scale = factor;
    }

    plan.platformNamed = isSet("QT_QPA_PLATFORM") || parser.isSet(QStringLiteral("platform"));
#if defined(Q_OS_WASM)
    // The page is the screen; a browser that cannot run the program does not load it.
    plan.failure = QStringLiteral("zorbel: cannot start in this page\n");
    return plan;
#elif defined(Q_OS_WIN)
    // Windows always has its desktop; only the platform plugin beside the program can fail.
    plan.failure = plan.platformNamed ? QStringLiteral("zorbel: cannot start on the chosen platform\n")
                                      : QStringLiteral("zorbel: cannot start: platforms\\qwindows.dll beside the program is missing or broken\n");
    return plan;
#else
    // A chosen platform (offscreen, for example) or a display named by -display needs no variable.
    const QString displayOption = QStringLiteral("display");
    if (!plan.platformNamed && !parser.isSet(displayOption) && !isSet("DISPLAY") && !isSet("WAYLAND_DISPLAY")) {
        showStartMessage(stderr, QStringLiteral("zorbel: no display found (DISPLAY/WAYLAND_DISPLAY not set)\n"));
        plan.exitCode = exitNoDisplay;
        return plan;
    }
    if (!plan.platformNamed)
        plan.platform = defaultPlatform();

    const QString display = parser.isSet(displayOption) ? parser.value(displayOption)
                            : !isSet("WAYLAND_DISPLAY") || plan.platform.startsWith("xcb")
                                ? qEnvironmentVariable("DISPLAY")
                                : qEnvironmentVariable("WAYLAND_DISPLAY");
    plan.failure = plan.platformNamed ? QStringLiteral("zorbel: cannot start on the chosen platform\n")
                                      : QStringLiteral("zorbel: cannot open the display \"%1\"\n").arg(display);
    return plan;
#endif
}

Toolkit::Toolkit(const StartPlan &plan, int &argc, char *argv[])
{
    connectSessionBusEarly(plan, m_startTasks);
    {
        const StartFailureGuard guard(plan);
        // The toolkit's own scaling enlarges every window, font, picture and capture alike,
        // so the layouts keep their proportions.
        const ScopedVariable scale("QT_SCALE_FACTOR", plan.scale ? QByteArray::number(*plan.scale) : QByteArray());
        const ScopedVariable platform("QT_QPA_PLATFORM", plan.platform);
        m_application = std::make_unique<QApplication>(argc, argv);
    }
    // Only End leaves the program: every road that hides one window before it shows the next
    // would otherwise end it, and so would a close box.
    QApplication::setQuitOnLastWindowClosed(false);
    // The first frame with text waits for the font database, which reads the system's whole
    // font configuration; on another core it is read while the first window is built and mapped.
    m_startTasks.start([] { QFontDatabase::families(); });
}

Toolkit::~Toolkit()
{
    // Reading the font database without an application object aborts the program.
    m_startTasks.waitForDone();
}
