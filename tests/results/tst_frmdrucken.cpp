#include "fakeservices.h"
#include "geometry.h"
#include "look.h"
#include "player.h"

#include <QLabel>

namespace {

QImage comparable(const QImage &image)
{
    return image.convertToFormat(QImage::Format_RGB32);
}

enum class Leave { Drucken, NichtDrucken, CloseBox };

// Notes whether the certificate and this window are still loaded when the continue window shows.
struct ShowWatcher : QObject
{
    explicit ShowWatcher(Forms &forms) : forms(forms) { qApp->installEventFilter(this); }
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && watched->objectName() == QLatin1String("frmWeiter") && !seen) {
            seen = true;
            resultsLoaded = forms.frmUrkunde().isLoaded() && forms.frmDrucken().isLoaded();
        }
        return false;
    }
    Forms &forms;
    bool seen = false;
    bool resultsLoaded = false;
};

} // namespace

Q_DECLARE_METATYPE(Leave)

class TestFrmDrucken : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void opensBesideTheCertificateWithPrintFocused();
    void everyWayOutLeadsToTheContinueWindow_data();
    void everyWayOutLeadsToTheContinueWindow();
    void printsTheCertificateUndistortedAndCentred_data();
    void printsTheCertificateUndistortedAndCentred();
    void nothingToPrintPrintsNothing_data();
    void nothingToPrintPrintsNothing();
};

// The small window sits right of the certificate, desktop-coloured, with "Drucken" holding the focus.
void TestFrmDrucken::opensBesideTheCertificateWithPrintFocused()
{
    FakeServices services;
    Forms forms(services);
    Player::finishGoodGame(forms, QStringLiteral("100"));
    FormWindow *window = forms.frmDrucken().window();
    QCOMPARE(window->windowTitle(), QStringLiteral("Memory"));
    QCOMPARE(window->geometry(), QRect(twipsToPixels(QPoint(6825, 3075)), twipsToPixels(5130, 2280)));
    QCOMPARE(window->windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint), Qt::WindowCloseButtonHint);
    QCOMPARE(window->grab().toImage().pixelColor(2, 2), Look::desktop);

    QAbstractButton *druck = Player::button(QStringLiteral("frmDrucken"), QStringLiteral("cmdDruck"));
    QAbstractButton *keinDruck = Player::button(QStringLiteral("frmDrucken"), QStringLiteral("cmdKeinDruck"));
    QCOMPARE(druck->text(), QStringLiteral("Drucken"));
    QCOMPARE(keinDruck->text(), QStringLiteral("Nicht drucken"));
    QCOMPARE(window->focusWidget(), druck);
    QCOMPARE(druck->nextInFocusChain(), keinDruck);
    QVERIFY(!window->findChild<QLabel *>(QStringLiteral("picHiddenPict"))->isVisible());
}

void TestFrmDrucken::everyWayOutLeadsToTheContinueWindow_data()
{
    QTest::addColumn<Leave>("how");
    QTest::newRow("Drucken prints one page") << Leave::Drucken;
    QTest::newRow("Nicht drucken prints nothing") << Leave::NichtDrucken;
    QTest::newRow("close box acts as Nicht drucken") << Leave::CloseBox;
}

// Opening puts the certificate as seen on screen into the clipboard, where it stays; every way out empties
// the points, keeps the names and opens the continue window, alone on screen, while the result windows are still loaded.
void TestFrmDrucken::everyWayOutLeadsToTheContinueWindow()
{
    QFETCH(Leave, how);
    FakeServices services;
    Forms forms(services);
    Player::enterNames(forms, QStringLiteral("Anna"), QStringLiteral("Berg"));
    Player::finishGoodGame(forms, QStringLiteral("240"));
    const QImage certificate = comparable(forms.frmUrkunde().window()->grab().toImage());
    QVERIFY(services.pendingEventRuns > 0);
    QCOMPARE(services.clipboard.size(), twipsToPixels(6405, 8205));
    ShowWatcher watcher(forms);

    if (how == Leave::CloseBox)
        forms.frmDrucken().window()->close();
    else
        QVERIFY(Player::click(QStringLiteral("frmDrucken"), how == Leave::Drucken ? QStringLiteral("cmdDruck") : QStringLiteral("cmdKeinDruck")));

    QCOMPARE(services.printed.size(), how == Leave::Drucken ? 1 : 0);
    QCOMPARE(comparable(services.clipboard), certificate);
    QCOMPARE(forms.frmAuswahl().punkte(), QString());
    QCOMPARE(forms.frmAuswahl().vorname() + forms.frmAuswahl().name(), QStringLiteral("AnnaBerg"));
    QVERIFY(watcher.seen && watcher.resultsLoaded);
    QVERIFY(!forms.frmUrkunde().isLoaded() && !forms.frmDrucken().isLoaded());
    QVERIFY(!services.ended);
    Player::flushDeletes();
    QCOMPARE(Player::visibleWindows(), QStringList{QStringLiteral("frmWeiter")});
}

void TestFrmDrucken::printsTheCertificateUndistortedAndCentred_data()
{
    QTest::addColumn<QRectF>("printable");
    QTest::addColumn<bool>("fullHeight");
    const QSize certificate = twipsToPixels(6405, 8205);
    QTest::newRow("A4 portrait, taller than the certificate: full width") << QRectF(0, 0, 4760, 6779) << false;
    QTest::newRow("A4 landscape: full height") << QRectF(0, 0, 6779, 4760) << true;
    QTest::newRow("page of the certificate's own proportion: full height")
        << QRectF(0, 0, certificate.width() * 8, certificate.height() * 8) << true;
}

// The printed picture is the captured certificate at its own proportion, filling one dimension and centred in the other.
void TestFrmDrucken::printsTheCertificateUndistortedAndCentred()
{
    QFETCH(QRectF, printable);
    QFETCH(bool, fullHeight);
    FakeServices services;
    services.printableArea = printable;
    Forms forms(services);
    Player::finishGoodGame(forms, QStringLiteral("240"));
    const QImage captured = services.clipboard;
    QVERIFY(Player::click(QStringLiteral("frmDrucken"), QStringLiteral("cmdDruck")));

    QCOMPARE(services.printed.size(), 1);
    QCOMPARE(comparable(services.printed.first().image), comparable(captured));
    const QRectF target = services.printed.first().target;
    QCOMPARE(float(target.height() / target.width()), float(captured.height()) / float(captured.width()));
    if (fullHeight) {
        QCOMPARE(target.top(), 0.0);
        QCOMPARE(float(target.height()), float(printable.height()));
        QCOMPARE(float(target.left() * 2 + target.width()), float(printable.width()));
    } else {
        QCOMPARE(target.left(), 0.0);
        QCOMPARE(float(target.width()), float(printable.width()));
        QCOMPARE(float(target.top() * 2 + target.height()), float(printable.height()));
    }
}

void TestFrmDrucken::nothingToPrintPrintsNothing_data()
{
    QTest::addColumn<bool>("hasPrinter");
    QTest::newRow("no printer") << false;
    QTest::newRow("no picture in the clipboard") << true;
}

// Without a printer or a captured picture "Drucken" prints no page, silently, and the game goes on.
void TestFrmDrucken::nothingToPrintPrintsNothing()
{
    QFETCH(bool, hasPrinter);
    FakeServices services;
    services.hasPrinter = hasPrinter;
    Forms forms(services);
    Player::finishGoodGame(forms, QStringLiteral("240"));
    if (hasPrinter)
        services.clipboard = QImage();
    QVERIFY(Player::click(QStringLiteral("frmDrucken"), QStringLiteral("cmdDruck")));
    QVERIFY(services.printed.isEmpty());
    QVERIFY(services.messages.isEmpty());
    QVERIFY(forms.frmWeiter().isVisible());
    QVERIFY(!forms.frmDrucken().isLoaded());
}

QTEST_MAIN(TestFrmDrucken)
#include "tst_frmdrucken.moc"
