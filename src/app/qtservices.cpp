#include "qtservices.h"

#include "version.h"

#include <QApplication>
#include <QClipboard>
#include <QDate>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QUrl>

QtServices::QtServices()
    : m_random(static_cast<quint32>(QDateTime::currentMSecsSinceEpoch()))
{
}

void QtServices::messageBox(const QString &prompt, const QString &title)
{
    QMessageBox box(QMessageBox::NoIcon, title, prompt, QMessageBox::Ok, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    // Orca 48 skips an alert's labels of fewer than three words ("Leider falsch!" went unheard) and reads its
    // description instead. Orca 43 reads the labels, and the description too, unless the label is related to
    // something: then it reads the description alone. A label that labels itself is heard once by both.
    box.setAccessibleDescription(prompt);
    for (QLabel *label : box.findChildren<QLabel *>()) {
        if (label->text() == prompt)
            label->setBuddy(label);
    }
    box.exec();
}

void QtServices::setClipboardImage(const QImage &image)
{
    if (QClipboard *clipboard = QGuiApplication::clipboard())
        clipboard->setImage(image);
}

QImage QtServices::clipboardImage() const
{
    if (const QClipboard *clipboard = QGuiApplication::clipboard())
        return clipboard->image();
    return {};
}

bool QtServices::printImage(const QImage &image, const PagePlacement &placement)
{
    if (QPrinterInfo::defaultPrinter().isNull())
        return false;
    QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    printer.setCopyCount(1);
    // The name the print queue shows, and the file name a PDF printer writes.
    printer.setDocName(QStringLiteral("Urkunde"));
    if (!printer.isValid())
        return false;
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRectF printable(QPointF(0, 0), printer.pageLayout().paintRectPixels(printer.resolution()).size());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(placement(printable), image);
    return painter.end();
}

QUrl QtServices::urlOf(const QString &target)
{
    return target.contains(QLatin1Char(':')) ? QUrl(target) : QUrl::fromUserInput(target);
}

void QtServices::openUrl(const QString &target)
{
    QDesktopServices::openUrl(urlOf(target));
}

QString QtServices::todayShortDate() const
{
    return shortDate(QDate::currentDate());
}

QString QtServices::shortDate(QDate date)
{
    // Qt's short formats carry a two-digit year in many locales; the certificate wants all four.
    QString format = QLocale().dateFormat(QLocale::ShortFormat);
    format.replace(QRegularExpression(QStringLiteral("y+")), QStringLiteral("yyyy"));
    return QLocale().toString(date, format);
}

double QtServices::random()
{
    return m_random.generateDouble();
}

QString QtServices::programFolder() const
{
    return QCoreApplication::applicationDirPath();
}

QString QtServices::userDataFolder() const
{
    // $XDG_DATA_HOME/zorbel, by default ~/.local/share/zorbel; on Windows %LOCALAPPDATA%\zorbel.
    // A relative XDG_DATA_HOME is invalid by the XDG rules and stands for the default,
    // which the toolkit does not know.
    QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (QDir::isRelativePath(data))
        data = QDir::homePath() + QStringLiteral("/.local/share");
    return data + QStringLiteral("/zorbel");
}

QString QtServices::programTitle() const
{
    return QStringLiteral(ZORBEL_TITLE);
}

ProgramVersion QtServices::programVersion() const
{
    return {ZORBEL_VERSION_MAJOR, ZORBEL_VERSION_MINOR, ZORBEL_VERSION_REVISION};
}

void QtServices::processPendingEvents()
{
    QCoreApplication::processEvents();
}

void QtServices::endProgram()
{
    QCoreApplication::exit(0);
}
