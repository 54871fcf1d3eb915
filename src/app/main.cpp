#include "forms.h"
#include "frmsplash.h"
#include "qtservices.h"
#include "version.h"

#include <QApplication>
#include <QCommandLineParser>
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

// Without a display the toolkit ends in an abort whose text advises a reinstall. While
// the application is built, its messages are held back; a fatal one becomes one line,
// after the held ones when the user named a platform (they say what went wrong with it).
QtMessageHandler toolkitHandler = nullptr;
QList<std::pair<QtMsgType, QString>> heldMessages;
QString startFailure;
bool platformNamed = false;

void holdStartMessages(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtFatalMsg) {
        heldMessages.append({type, message});
        return;
    }
    Q_UNUSED(context);
    for (const auto &held : std::as_const(heldMessages))
        print(stderr, platformNamed ? held.second + QLatin1Char('\n') : QString());
    print(stderr, startFailure);
    std::fflush(stderr);
    // Nothing is half-built that needs tidying, and the toolkit is mid-construction.
    _exit(exitNoDisplay);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("zorbel"));
    QCoreApplication::setApplicationVersion(
        QStringLiteral("%1.%2.%3").arg(ZORBEL_VERSION_MAJOR).arg(ZORBEL_VERSION_MINOR).arg(ZORBEL_VERSION_REVISION));

    // Parsed before any application object exists, so --help and --version need no display.
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

    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all")) || parser.isSet(version)) {
        // A core application needs no display; the parser prints the text and ends the program.
        QCoreApplication information(argc, argv);
        parser.process(information);
    }
    if (!parser.positionalArguments().isEmpty())
        return usageError(QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().constFirst()));
    if (parser.isSet(scale)) {
        bool isNumber = false;
        const double factor = parser.value(scale).toDouble(&isNumber);
        if (!isNumber || !(factor >= minScale && factor <= maxScale))
            return usageError(QStringLiteral("invalid scale factor '%1': give a number from %2 to %3")
                                  .arg(parser.value(scale)).arg(minScale).arg(maxScale));
        // The toolkit's own scaling enlarges every window, font, picture and capture alike,
        // so the layouts keep their proportions.
        qputenv("QT_SCALE_FACTOR", QByteArray::number(factor));
    }

    // A chosen platform (offscreen, for example) or a display named by -display needs no variable.
    platformNamed = !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || parser.isSet(QStringLiteral("platform"));
    const bool platformChosen = platformNamed || parser.isSet(QStringLiteral("display"));
    if (!platformChosen && qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        print(stderr, QStringLiteral("zorbel: no display found (DISPLAY/WAYLAND_DISPLAY not set)\n"));
        return exitNoDisplay;
    }

    const QString display = parser.isSet(QStringLiteral("display")) ? parser.value(QStringLiteral("display"))
                            : qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ? qEnvironmentVariable("DISPLAY")
                                                                            : qEnvironmentVariable("WAYLAND_DISPLAY");
    startFailure = platformNamed ? QStringLiteral("zorbel: cannot start on the chosen platform\n")
                                 : QStringLiteral("zorbel: cannot open the display \"%1\"\n").arg(display);
    toolkitHandler = qInstallMessageHandler(holdStartMessages);
    QApplication app(argc, argv);
    qInstallMessageHandler(toolkitHandler);
    for (const auto &[type, message] : std::as_const(heldMessages)) {
        if (toolkitHandler)
            toolkitHandler(type, QMessageLogContext(), message);
    }
    heldMessages.clear();

    // Ties the windows to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(ZORBEL_APP_ID));
    // Only End leaves the program: closing or hiding the last window does not.
    QApplication::setQuitOnLastWindowClosed(false);

    QtServices services;
    Forms forms(services);
    forms.frmSplash().Show();
    return QApplication::exec();
}
