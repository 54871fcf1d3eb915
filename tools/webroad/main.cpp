// Plays a road of clicks and typing through the real windows, as the browser tests play it
// in the web build, and tells them where every control stands: the windows are placed by the
// program's own rules on a screen the size of the browser's page.
//
//   QT_QPA_PLATFORM=offscreen:configfile=<screen.json> zorbel_webroad <program folder> <road.json> <output folder>
//
// The road is a JSON array of steps, each naming a window and one of its controls:
//   {"window": "frmAuswahl", "click": "optKlasse(0)"}    a click on the control's centre
//   {"window": "frmAuswahl", "type": "txtVorname", "text": "Lena"}
//   {"window": "frm3x4", "play": 24}                     every pair found, by the cards' results,
//                                                        in at least 24 clicks
//   {"window": "frmUrkunde", "shot": "urkunde"}          the window saved as urkunde.png
//   {"window": "frmDrucken", "click": "cmdDruck", "paper": [1122, 1636]}
//                                                        a printer with this printable area
//   {"printed": "seite"}                                 the last printed page as seite.png
// It prints, as JSON, each program window that was visible at some step, with its client
// area and its named controls as x, y, width, height in screen pixels, and what assistive
// technology is told of each control it shows: its role and its name.

#include "fakeservices.h"
#include "forms.h"
#include "frmsplash.h"
#include "player.h"
#include "version.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QMetaEnum>
#include <QPainter>
#include <QTest>

#include <algorithm>
#include <cstdio>

namespace {

QJsonArray rectJson(const QRect &rect)
{
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

QRect onScreen(const QWidget *widget)
{
    return {widget->mapToGlobal(QPoint(0, 0)), widget->size()};
}

// Every visible program window with its named controls, over what earlier steps saw.
void notePlaces(QJsonObject &windows)
{
    const QMetaEnum roles = QMetaEnum::fromType<QAccessible::Role>();
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (!top->isVisible() || top->objectName().isEmpty())
            continue;
        QJsonObject controls;
        QJsonObject access;
        for (QWidget *child : top->findChildren<QWidget *>()) {
            if (child->objectName().isEmpty() || child->objectName().startsWith(QLatin1String("qt_")))
                continue;
            controls.insert(child->objectName(), rectJson(onScreen(child)));
            const QAccessibleInterface *told = QAccessible::queryAccessibleInterface(child);
            if (child->isVisible() && told)
                access.insert(child->objectName(), QJsonArray{QLatin1String(roles.valueToKey(told->role())), told->text(QAccessible::Name)});
        }
        windows.insert(top->objectName(), QJsonObject{{"client", rectJson(onScreen(top))}, {"controls", controls}, {"access", access}});
    }
}

// The page as the printer receives it: the picture drawn into its place on white paper.
QImage pageOf(const FakeServices::PrintedPage &printed)
{
    QImage page(printed.printable.size().toSize(), QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(printed.target.translated(-printed.printable.topLeft()), printed.image);
    return page;
}

QString runStep(const QJsonObject &step, FakeServices &services, const QDir &out)
{
    if (step.contains("printed")) {
        const QString path = out.filePath(step.value("printed").toString() + QStringLiteral(".png"));
        return !services.printed.isEmpty() && pageOf(services.printed.last()).save(path) ? QString() : QStringLiteral("nothing printed to ") + path;
    }
    if (step.contains("paper")) {
        const QJsonArray paper = step.value("paper").toArray();
        services.printableArea = QRectF(0, 0, paper.at(0).toDouble(), paper.at(1).toDouble());
    }
    const QString name = step.value("window").toString();
    QWidget *window = Player::visibleWindow(name);
    if (!window)
        return name + QStringLiteral(" is not on screen");
    if (step.contains("click")) {
        // Any control, as the splash window's labels take clicks too.
        auto *control = window->findChild<QWidget *>(step.value("click").toString());
        if (!control || !control->isVisible() || !control->isEnabled())
            return step.value("click").toString() + QStringLiteral(" cannot be clicked");
        QTest::mouseClick(control, Qt::LeftButton);
        return {};
    }
    if (step.contains("type")) {
        auto *box = window->findChild<QLineEdit *>(step.value("type").toString());
        if (!box)
            return step.value("type").toString() + QStringLiteral(" is no text box");
        QTest::mouseClick(box, Qt::LeftButton);
        QTest::keyClicks(box, step.value("text").toString());
        return {};
    }
    if (step.contains("play")) {
        // The clicks beyond the cards' number go to the first card, which only counts them.
        const int cards = 2 * int(Player::pairsOf(window).size());
        Player::clearBoard(window, std::max(0, step.value("play").toInt() - cards));
        Player::flushDeletes();
        return {};
    }
    if (step.contains("shot")) {
        // Pending activations first, so that the window shows its focus as on screen.
        QCoreApplication::processEvents();
        const QString path = out.filePath(step.value("shot").toString() + QStringLiteral(".png"));
        return window->grab().save(path) ? QString() : path + QStringLiteral(" cannot be written");
    }
    return QStringLiteral("unknown step ") + QString::fromUtf8(QJsonDocument(step).toJson(QJsonDocument::Compact));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 4) {
        std::fprintf(stderr, "usage: zorbel_webroad <program folder> <road.json> <output folder>\n");
        return 2;
    }
    QFile roadFile(arguments[2]);
    const QJsonArray road = roadFile.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(roadFile.readAll()).array() : QJsonArray();
    const QDir out(arguments[3]);
    if (road.isEmpty() || !out.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "no road in %s, or no folder %s\n", qPrintable(arguments[2]), qPrintable(arguments[3]));
        return 2;
    }

    FakeServices services;
    services.folder = arguments[1];
    // The splash window shows the project's own version, not the fake's.
    services.version = {ZORBEL_VERSION_MAJOR, ZORBEL_VERSION_MINOR, ZORBEL_VERSION_REVISION};
    Forms forms(services);
    forms.frmSplash().Show();
    QJsonObject windows;
    for (const QJsonValue &step : road) {
        notePlaces(windows);
        const QString failure = runStep(step.toObject(), services, out);
        if (!failure.isEmpty()) {
            std::fprintf(stderr, "%s\n", qPrintable(failure));
            return 1;
        }
    }
    notePlaces(windows);
    std::printf("%s\n", QJsonDocument(windows).toJson(QJsonDocument::Compact).constData());
    return 0;
}
