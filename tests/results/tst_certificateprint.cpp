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
#include <QTemporaryDir>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

#ifdef Q_OS_WIN
// Under Wine, whose CUPS queues are Windows printers, the host's files lie on drive Z:, and Wine tells the host's name
// of a Windows path (Windows itself has no CUPS: there the test skips).
QString windowsPath(const QString &hostPath) { return QStringLiteral("Z:") + hostPath; }
QString hostPath(const QString &windowsPath)
{
    const auto convert = reinterpret_cast<char *(*)(LPCWSTR)>(GetProcAddress(GetModuleHandleW(L"kernel32"), "wine_get_unix_file_name"));
    char *name = convert ? convert(reinterpret_cast<LPCWSTR>(QDir::toNativeSeparators(windowsPath).utf16())) : nullptr;
    const QString path = QFile::decodeName(name);
    HeapFree(GetProcessHeap(), 0, name);
    return path;
}
#else
QString windowsPath(const QString &hostPath) { return hostPath; }
QString hostPath(const QString &path) { return path; }
#endif

// A host program's output, empty when it fails. Under Wine a Unix program runs apart from the Windows process that
// started it, which cannot wait for it, with the terminal for its output: so the shell writes the output to a file and
// puts it in place when done.
QString host(const QStringList &command)
{
    QTemporaryDir folder;
    const QString output = folder.filePath(QStringLiteral("output"));
    QProcess shell;
    shell.start(windowsPath(QStringLiteral("/bin/sh")), QStringList{QStringLiteral("-c"), QStringLiteral(R"("$@" >"$0.part" || : >"$0.part"; mv "$0.part" "$0")"), hostPath(output)} + command);
    if (!shell.waitForStarted())
        return {};
    shell.waitForFinished(10000);
    QDeadlineTimer deadline(10000);
    while (!QFile::exists(output) && !deadline.hasExpired())
        QTest::qWait(50);
    QFile file(output);
    file.open(QIODevice::ReadOnly);
    return QString::fromLocal8Bit(file.readAll());
}

// cups-pdf writes a job into the folder its configuration names, in the host's own paths; ${HOME} and
// ${USER} are those of the job's owner, the user running the test.
QString cupsPdfFolder()
{
    QFile config(windowsPath(QStringLiteral("/etc/cups/cups-pdf.conf")));
    config.open(QIODevice::ReadOnly | QIODevice::Text);
    const auto out = QRegularExpression(QStringLiteral("^\\s*Out\\s+(\\S+)\\s*$"), QRegularExpression::MultilineOption)
                         .match(QString::fromLocal8Bit(config.readAll()));
    QString folder = out.hasMatch() ? out.captured(1) : QStringLiteral("/var/spool/cups-pdf/${USER}");
    const QStringList user = host({QStringLiteral("sh"), QStringLiteral("-c"), QStringLiteral(R"sh(getent passwd "$(id -u)")sh")}).trimmed().split(u':');
    return user.size() < 6 ? QString()
                           : folder.replace(QStringLiteral("${HOME}"), user[5]).replace(QStringLiteral("${USER}"), user[0]);
}

// The finished PDF of a job with this title printed since then: cups-pdf names it after the job's title, with
// "-job_<id>" behind it where its queue labels the files, and "_F" behind it for a job from Wine (Wine 8).
// Empty when none is complete within the time.
QString printedPdf(const QString &folder, const QString &title, const QDateTime &since, int seconds)
{
    QDeadlineTimer deadline(seconds * 1000);
    do {
        const QFileInfoList files = QDir(windowsPath(folder)).entryInfoList({title + QStringLiteral("*.pdf")}, QDir::Files, QDir::Time);
        if (!files.isEmpty() && files.constFirst().lastModified() >= since
            && host({QStringLiteral("pdfinfo"), hostPath(files.constFirst().filePath())}).contains(QStringLiteral("Pages:")))
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
    // Under Wine the Windows printer bears the name of its CUPS queue.
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (!host({QStringLiteral("lpoptions"), QStringLiteral("-p"), printer.printerName()}).contains(QStringLiteral("CUPS-PDF"), Qt::CaseInsensitive))
        QSKIP("The default printer is not a cups-pdf queue of CUPS (scripts/test.sh sets one up where it can); a test prints no real paper.");
    if (host({QStringLiteral("sh"), QStringLiteral("-c"), QStringLiteral("command -v pdfinfo && command -v pdftoppm")}).count(u'\n') != 2)
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
    QVERIFY2(!pdf.isEmpty(), qPrintable(QStringLiteral("no finished Urkunde*.pdf in %1 within 30 s of printing").arg(folder)));
    const auto removePdf = qScopeGuard([&] { QFile::remove(pdf); });
    const QString info = host({QStringLiteral("pdfinfo"), hostPath(pdf)});
    QVERIFY2(QRegularExpression(QStringLiteral("Pages:\\s+1\\n")).match(info).hasMatch(), qPrintable(info));

    // One rendered pixel per half point.
    QTemporaryDir renderFolder;
    const QString page = renderFolder.filePath(QStringLiteral("page"));
    host({QStringLiteral("pdftoppm"), QStringLiteral("-r"), QStringLiteral("144"), QStringLiteral("-png"), QStringLiteral("-singlefile"), hostPath(pdf), hostPath(page)});
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
