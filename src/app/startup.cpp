#include "startup.h"

#include "version.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QList>
#include <QStringList>

#include <cstdio>
#include <unistd.h>

namespace {

constexpr double minScale = 0.5;
constexpr double maxScale = 4.0;

// Exit codes of a start that opens no window.
constexpr int exitNoDisplay = 1;
constexpr int exitUsage = 2;

void print(FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

int usageError(const QString &text)
{
    print(stderr, QStringLiteral("zorbel: %1\nTry 'zorbel --help' for more information.\n").arg(text));
    return exitUsage;
}

// Options that QApplication takes for itself (a session manager passes -session, tests
// pass -platform); the parser only has to let them through.
void acceptToolkitOptions(QCommandLineParser &parser)
{
    for (const char *name : {"platform", "platformtheme", "display", "style", "stylesheet", "session", "qwindowgeometry"}) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    QCommandLineOption reverse(QStringLiteral("reverse"));
    reverse.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(reverse);
}

// The message handler is a plain function, so what it needs lives here while a guard lasts.
QtMessageHandler toolkitHandler = nullptr;
QList<std::pair<QtMsgType, QString>> heldMessages;
StartPlan guardedPlan;

void holdStartMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type != QtFatalMsg) {
        heldMessages.append({type, message});
        return;
    }
    if (guardedPlan.platformNamed) {
        for (const auto &held : std::as_const(heldMessages))
            print(stderr, held.second + QLatin1Char('\n'));
    }
    print(stderr, guardedPlan.failure);
    std::fflush(stderr);
    // Nothing is half-built that needs tidying, and the toolkit is mid-construction.
    _exit(exitNoDisplay);
}

} // namespace

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
        // The toolkit's own scaling enlarges every window, font, picture and capture alike,
        // so the layouts keep their proportions.
        qputenv("QT_SCALE_FACTOR", QByteArray::number(factor));
    }

    // A chosen platform (offscreen, for example) or a display named by -display needs no variable.
    const QString displayOption = QStringLiteral("display");
    plan.platformNamed = !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || parser.isSet(QStringLiteral("platform"));
    if (!plan.platformNamed && !parser.isSet(displayOption) && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        print(stderr, QStringLiteral("zorbel: no display found (DISPLAY/WAYLAND_DISPLAY not set)\n"));
        plan.exitCode = exitNoDisplay;
        return plan;
    }

    const QString display = parser.isSet(displayOption)                   ? parser.value(displayOption)
                            : qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ? qEnvironmentVariable("DISPLAY")
                                                                            : qEnvironmentVariable("WAYLAND_DISPLAY");
    plan.failure = plan.platformNamed ? QStringLiteral("zorbel: cannot start on the chosen platform\n")
                                      : QStringLiteral("zorbel: cannot open the display \"%1\"\n").arg(display);
    return plan;
}

StartFailureGuard::StartFailureGuard(const StartPlan &plan)
{
    guardedPlan = plan;
    toolkitHandler = qInstallMessageHandler(holdStartMessages);
}

StartFailureGuard::~StartFailureGuard()
{
    qInstallMessageHandler(toolkitHandler);
    for (const auto &[type, message] : std::as_const(heldMessages)) {
        if (toolkitHandler)
            toolkitHandler(type, QMessageLogContext(), message);
    }
    heldMessages.clear();
}
