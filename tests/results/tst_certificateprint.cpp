#include "printlayout.h"
#include "qtservices.h"
#include "player.h"

#include <QDateTime>
#include <QDeadlineTimer>
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

// cups-pdf writes a job into the folder its configuration names.
QString cupsPdfFolder()
{
    QFile config(QStringLiteral("/etc/cups/cups-pdf.conf"));
    config.open(QIODevice::ReadOnly | QIODevice::Text);
    const auto out = QRegularExpression(QStringLiteral("^\\s*Out\\s+(\\S+)\\s*$"), QRegularExpression::MultilineOption)
                         .match(QString::fromLocal8Bit(config.readAll()));
    QString folder = out.hasMatch() ? out.captured(1) : QStringLiteral("/var/spool/cups-pdf/${USER}");
    const passwd *user = getpwuid(getuid());
    return folder.replace(QStringLiteral("${HOME}"), QString::fromLocal8Bit(user->pw_dir))
        .replace(QStringLiteral("${USER}"), QString::fromLocal8Bit(user->pw_name));
}

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(10000) && process.exitCode() == 0 ? QString::fromLocal8Bit(process.readAllStandardOutput()) : QString();
}

// The finished PDF of a job with this title printed since then: cups-pdf names it after the title, with
// "-job_<id>" behind it where its queue labels the files. Empty when none is complete within the time.
QString printedPdf(const QString &folder, const QString &title, const QDateTime &since, int seconds)
{
    QDeadlineTimer deadline(seconds * 1000);
    do {
        const QFileInfoList files = QDir(folder).entryInfoList({title + QStringLiteral(".pdf"), title + QStringLiteral("-job_*.pdf")}, QDir::Files, QDir::Time);
        if (!files.isEmpty() && files.constFirst().lastModified() >= since
            && run(QStringLiteral("pdfinfo"), {files.constFirst().filePath()}).contains(QStringLiteral("Pages:")))
            return files.constFirst().filePath();
        QTest::qWait(250);
    } while (!deadline.hasExpired());
    return {};
}

// The bounding box of everything darker than mid grey: the certificate's text and logo.
QRectF inkBox(const QImage &image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            box |= qGray(image.pixel(x, y)) < 128 ? QRect(x, y, 1, 1) : QRect();
    }
    return box;
}

} // namespace

class TestCertificatePrint : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void printsOneUndistortedPageNamedUrkunde();
};

// "Drucken" on the real printer path: one job named "Urkunde", one page, the certificate at its own proportion where the print layout puts it.
void TestCertificatePrint::printsOneUndistortedPageNamedUrkunde()
{
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (!printer.makeAndModel().contains(QStringLiteral("CUPS-PDF"), Qt::CaseInsensitive))
        QSKIP("The default printer is not a cups-pdf queue (scripts/test.sh sets one up where it can); a test prints no real paper.");
    if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty() || QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
        QSKIP("pdfinfo and pdftoppm (poppler-utils) are needed to read the printed page.");

    // File times count in whole seconds.
    const QDateTime started = QDateTime::fromSecsSinceEpoch(QDateTime::currentSecsSinceEpoch());
    QtServices services;
    Forms forms(services);
    Player::enterNames(forms, QStringLiteral("Anna"), QStringLiteral("Berg"));
    Player::finishGoodGame(forms, QStringLiteral("240"));
    const QImage certificate = services.clipboardImage();
    QVERIFY(Player::click(QStringLiteral("frmDrucken"), QStringLiteral("cmdDruck")));

    const QString folder = cupsPdfFolder();
    const QString pdf = printedPdf(folder, QStringLiteral("Urkunde"), started, 30);
    QVERIFY2(!pdf.isEmpty(), qPrintable(QStringLiteral("no finished Urkunde.pdf or Urkunde-job_<id>.pdf in %1 within 30 s of printing").arg(folder)));
    const auto removePdf = qScopeGuard([&] { QFile::remove(pdf); });
    const QString info = run(QStringLiteral("pdfinfo"), {pdf});
    QVERIFY2(QRegularExpression(QStringLiteral("Pages:\\s+1\\n")).match(info).hasMatch(), qPrintable(info));

    // One rendered pixel per half point.
    QTemporaryDir renderFolder;
    const QString page = renderFolder.filePath(QStringLiteral("page"));
    run(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("144"), QStringLiteral("-png"), QStringLiteral("-singlefile"), pdf, page});
    const QRectF sourceInk = inkBox(certificate);
    const QRectF pageInk = inkBox(QImage(page + QStringLiteral(".png")));
    QVERIFY(!sourceInk.isEmpty() && !pageInk.isEmpty());
    const double scale = pageInk.width() / sourceInk.width();
    QVERIFY2(qAbs(pageInk.height() / sourceInk.height() - scale) / scale < 0.02, "the printed certificate is distorted");

    // Where the whole certificate lies on the page, in points, from where its ink landed.
    const QRectF printed((pageInk.topLeft() - sourceInk.topLeft() * scale) / 2.0, QSizeF(certificate.size()) * scale / 2.0);
    const QRectF printable = QPrinter(printer, QPrinter::HighResolution).pageLayout().paintRect(QPageLayout::Point);
    const PrintLayout expected = layoutPrint(0, 0, float(printable.width()), float(printable.height()),
                                             float(certificate.height()) / float(certificate.width()));
    const QRectF wanted = QRectF(expected.printLeft, expected.printTop, expected.printWidth, expected.printHeight).translated(printable.topLeft());
    const QString where = QStringLiteral("printed at %1, wanted at %2 (points)").arg(QDebug::toString(printed), QDebug::toString(wanted));
    for (const double miss : {printed.left() - wanted.left(), printed.top() - wanted.top(), printed.right() - wanted.right(), printed.bottom() - wanted.bottom()})
        QVERIFY2(qAbs(miss) < 3.0, qPrintable(where));
}

QTEST_MAIN(TestCertificatePrint)
#include "tst_certificateprint.moc"
