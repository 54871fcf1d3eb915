#include "printlayout.h"
#include "qtservices.h"
#include "player.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <pwd.h>
#include <unistd.h>

namespace {

// cups-pdf writes each job into the folder its configuration names for the job's user.
QString cupsPdfOutputFolder()
{
    QString folder = QStringLiteral("/var/spool/cups-pdf/${USER}");
    QFile config(QStringLiteral("/etc/cups/cups-pdf.conf"));
    if (config.open(QIODevice::ReadOnly | QIODevice::Text)) {
        const QRegularExpression outLine(QStringLiteral("^\\s*Out\\s+(\\S+)\\s*$"));
        while (!config.atEnd()) {
            const auto match = outLine.match(QString::fromLocal8Bit(config.readLine()));
            if (match.hasMatch())
                folder = match.captured(1);
        }
    }
    const passwd *user = getpwuid(getuid());
    return user ? folder.replace(QStringLiteral("${HOME}"), QString::fromLocal8Bit(user->pw_dir))
                      .replace(QStringLiteral("${USER}"), QString::fromLocal8Bit(user->pw_name))
                : folder;
}

// cups-pdf may reuse a file name, so a new page is told by its time, not its name: the newest PDF since then.
QString pdfWrittenSince(const QString &folder, const QDateTime &since)
{
    const QFileInfoList files = QDir(folder).entryInfoList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Time);
    return !files.isEmpty() && files.first().lastModified() >= since ? files.first().filePath() : QString();
}

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

// The bounding box of everything darker than mid grey: the certificate's text and logo.
QRectF inkBox(const QImage &image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 128)
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

} // namespace

class TestCertificatePrint : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void printsOneUndistortedCentredPage();
};

// "Drucken" on the real printer path gives one page with the certificate at its own proportion, placed by the print layout.
void TestCertificatePrint::printsOneUndistortedCentredPage()
{
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (printer.isNull())
        QSKIP("No default printer: CUPS with the cups-pdf queue is not running (scripts/test.sh starts it where it can).");
    if (!printer.makeAndModel().contains(QStringLiteral("CUPS-PDF"), Qt::CaseInsensitive))
        QSKIP("The default printer is not a cups-pdf queue; a test prints no real paper.");
    if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty() || QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
        QSKIP("pdfinfo and pdftoppm (poppler-utils) are needed to read the printed page.");

    const QString outputFolder = cupsPdfOutputFolder();
    // File times have whole seconds on some file systems.
    const QDateTime started = QDateTime::currentDateTime().addSecs(-1);

    QtServices services;
    Forms forms(services);
    Player::enterNames(forms, QStringLiteral("Anna"), QStringLiteral("Berg"));
    Player::finishGoodGame(forms, QStringLiteral("240"));
    const QImage certificate = services.clipboardImage();
    QVERIFY(!certificate.isNull());
    QVERIFY(Player::click(QStringLiteral("frmDrucken"), QStringLiteral("cmdDruck")));
    QVERIFY(forms.frmWeiter().isVisible());

    QString pdf, info;
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
            pdf = pdfWrittenSince(outputFolder, started);
            info = pdf.isEmpty() ? QString() : run(QStringLiteral("pdfinfo"), {pdf});
            return info.contains(QStringLiteral("Pages:"));
        }(),
        90000);
    const auto removePdf = qScopeGuard([&] { QFile::remove(pdf); });

    QVERIFY2(QRegularExpression(QStringLiteral("Pages:\\s+1\\n")).match(info).hasMatch(), qPrintable(info));

    // One rendered pixel per half point.
    QTemporaryDir renderFolder;
    const QString pagePrefix = renderFolder.filePath(QStringLiteral("page"));
    run(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("144"), QStringLiteral("-png"),
                                     QStringLiteral("-singlefile"), pdf, pagePrefix});
    const QImage page(pagePrefix + QStringLiteral(".png"));
    QVERIFY(!page.isNull());

    const QRectF sourceInk = inkBox(certificate);
    const QRectF pageInk = inkBox(page);
    QVERIFY(!sourceInk.isEmpty() && !pageInk.isEmpty());
    const double scaleX = pageInk.width() / sourceInk.width();
    const double scaleY = pageInk.height() / sourceInk.height();
    QVERIFY2(qAbs(scaleX - scaleY) / scaleX < 0.02, qPrintable(QStringLiteral("printed %1 x %2 times the capture").arg(scaleX).arg(scaleY)));

    // Where the whole certificate lies on the page, in points, from where its ink landed.
    const QRectF printed(QPointF(pageInk.left() - sourceInk.left() * scaleX, pageInk.top() - sourceInk.top() * scaleY) / 2.0,
                         QSizeF(certificate.width() * scaleX, certificate.height() * scaleY) / 2.0);

    QPrinter pagePrinter(printer, QPrinter::HighResolution);
    const QRectF printable = pagePrinter.pageLayout().paintRect(QPageLayout::Point);
    const PrintLayout expected = layoutPrint(0, 0, static_cast<float>(printable.width()), static_cast<float>(printable.height()),
                                             static_cast<float>(certificate.height()) / static_cast<float>(certificate.width()));
    const QRectF wanted = QRectF(expected.printLeft, expected.printTop, expected.printWidth, expected.printHeight)
                              .translated(printable.topLeft());
    const QString where = QStringLiteral("printed at %1,%2 %3x%4 pt, wanted %5,%6 %7x%8 pt")
                              .arg(printed.left()).arg(printed.top()).arg(printed.width()).arg(printed.height())
                              .arg(wanted.left()).arg(wanted.top()).arg(wanted.width()).arg(wanted.height());
    qInfo("%s", qPrintable(where));
    for (const double miss : {printed.left() - wanted.left(), printed.top() - wanted.top(), printed.right() - wanted.right(),
                              printed.bottom() - wanted.bottom()})
        QVERIFY2(qAbs(miss) < 3.0, qPrintable(where));
}

QTEST_MAIN(TestCertificatePrint)
#include "tst_certificateprint.moc"
