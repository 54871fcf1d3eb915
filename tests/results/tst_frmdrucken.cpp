#include "boardwindow.h"
#include "fakeservices.h"
#include "forms.h"
#include "frmdrucken.h"
#include "frmurkunde.h"
#include "frmweiter.h"
#include "geometry.h"
#include "look.h"
#include "printlayout.h"
#include "selectionsteps.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

QPushButton *button(Forms &forms, const char *objectName)
{
    return forms.frmDrucken().window()->findChild<QPushButton *>(QLatin1String(objectName));
}

QImage comparable(const QImage &image)
{
    return image.convertToFormat(QImage::Format_RGB32);
}

enum class Leave { Drucken, NichtDrucken, CloseBox };

void leaveBy(Forms &forms, Leave how)
{
    switch (how) {
    case Leave::Drucken:
        QTest::mouseClick(button(forms, "cmdDruck"), Qt::LeftButton);
        break;
    case Leave::NichtDrucken:
        QTest::mouseClick(button(forms, "cmdKeinDruck"), Qt::LeftButton);
        break;
    case Leave::CloseBox:
        forms.frmDrucken().window()->close();
        break;
    }
}

// Records which result windows are loaded at the moment the continue-or-quit window appears.
class ShowWatcher : public QObject
{
public:
    explicit ShowWatcher(Forms &forms)
        : m_forms(forms)
    {
        qApp->installEventFilter(this);
    }

    bool seen = false;
    bool urkundeLoaded = false;
    bool druckenLoaded = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && watched->objectName() == QStringLiteral("frmWeiter") && !seen) {
            seen = true;
            urkundeLoaded = m_forms.frmUrkunde().isLoaded();
            druckenLoaded = m_forms.frmDrucken().isLoaded();
        }
        return false;
    }

private:
    Forms &m_forms;
};

} // namespace

Q_DECLARE_METATYPE(Leave)

class TestFrmDrucken : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void opensBesideTheCertificateWithPrintFocused();
    void capturesTheCertificateWhenItOpens();
    void everyWayOutLeadsToTheContinueWindow_data();
    void everyWayOutLeadsToTheContinueWindow();
    void continueWindowOpensBeforeTheResultWindowsClose();
    void printsTheCertificateUndistortedAndCentred_data();
    void printsTheCertificateUndistortedAndCentred();
    void withoutPrinterNothingIsPrintedAndTheGameGoesOn();
    void withoutPictureInTheClipboardNothingIsPrinted();
    void codePairLeadsThroughTheCertificateToTheContinueWindow();
};

// The small window sits right of the certificate, desktop-coloured, with "Drucken" holding the focus.
void TestFrmDrucken::opensBesideTheCertificateWithPrintFocused()
{
    FakeServices services;
    Forms forms(services);
    SelectionSteps::finishGoodGame(forms, QStringLiteral("100"));
    FormWindow *window = forms.frmDrucken().window();
    QCOMPARE(window->objectName(), QStringLiteral("frmDrucken"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Memory"));
    QCOMPARE(window->geometry(), QRect(twipsToPixels(QPoint(6825, 3075)), twipsToPixels(5130, 2280)));
    QVERIFY(window->windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(!(window->windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(window->grab().toImage().pixelColor(2, 2), Look::desktop);

    QPushButton *druck = button(forms, "cmdDruck");
    QPushButton *keinDruck = button(forms, "cmdKeinDruck");
    QCOMPARE(druck->text(), QStringLiteral("Drucken"));
    QCOMPARE(keinDruck->text(), QStringLiteral("Nicht drucken"));
    QCOMPARE(druck->geometry(), twipsToPixels(120, 120, 4935, 975));
    QCOMPARE(keinDruck->geometry(), twipsToPixels(120, 1200, 4935, 975));
    QCOMPARE(druck->font().pointSizeF(), 14.25);
    QCOMPARE(keinDruck->font().family(), QStringLiteral("Comic Sans MS"));
    QCOMPARE(window->focusWidget(), druck);
    QCOMPARE(druck->nextInFocusChain(), keinDruck);
    QVERIFY(!window->findChild<QLabel *>(QStringLiteral("picHiddenPict"))->isVisible());
}

// Opening the window puts the certificate, as it appears on screen and without this window, into the clipboard.
void TestFrmDrucken::capturesTheCertificateWhenItOpens()
{
    FakeServices services;
    Forms forms(services);
    services.clipboard = QImage(10, 10, QImage::Format_RGB32);
    SelectionSteps::enterNames(forms, QStringLiteral("Anna"), QStringLiteral("Berg"));
    SelectionSteps::finishGoodGame(forms, QStringLiteral("240"));

    QVERIFY(services.pendingEventRuns > 0);
    QCOMPARE(services.clipboard.size(), twipsToPixels(6405, 8205));
    QCOMPARE(comparable(services.clipboard), comparable(forms.frmUrkunde().window()->grab().toImage()));
}

void TestFrmDrucken::everyWayOutLeadsToTheContinueWindow_data()
{
    QTest::addColumn<Leave>("how");
    QTest::addColumn<int>("pages");

    QTest::newRow("Drucken prints one page") << Leave::Drucken << 1;
    QTest::newRow("Nicht drucken prints nothing") << Leave::NichtDrucken << 0;
    QTest::newRow("close box acts as Nicht drucken") << Leave::CloseBox << 0;
}

// Either way the points are emptied, the names kept, the continue window is the one window up, and the clipboard still holds the certificate.
void TestFrmDrucken::everyWayOutLeadsToTheContinueWindow()
{
    QFETCH(Leave, how);
    QFETCH(int, pages);

    FakeServices services;
    Forms forms(services);
    SelectionSteps::enterNames(forms, QStringLiteral("Anna"), QStringLiteral("Berg"));
    SelectionSteps::finishGoodGame(forms, QStringLiteral("240"));
    const QImage certificate = comparable(forms.frmUrkunde().window()->grab().toImage());

    leaveBy(forms, how);

    QCOMPARE(services.printed.size(), pages);
    QCOMPARE(comparable(services.clipboard), certificate);
    QCOMPARE(forms.frmAuswahl().punkte(), QString());
    QCOMPARE(forms.frmAuswahl().vorname(), QStringLiteral("Anna"));
    QCOMPARE(forms.frmAuswahl().name(), QStringLiteral("Berg"));
    QVERIFY(forms.frmWeiter().isVisible());
    QVERIFY(!forms.frmUrkunde().isLoaded());
    QVERIFY(!forms.frmDrucken().isLoaded());
    QVERIFY(!forms.frmAuswahl().isVisible());
    QVERIFY(!services.ended);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QList<QWidget *> visible;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible())
            visible.append(widget);
    }
    QCOMPARE(visible, QList<QWidget *>{forms.frmWeiter().window()});
}

// The continue window appears while the certificate and print-or-not windows are still loaded.
void TestFrmDrucken::continueWindowOpensBeforeTheResultWindowsClose()
{
    FakeServices services;
    Forms forms(services);
    SelectionSteps::finishGoodGame(forms, QStringLiteral("240"));
    ShowWatcher watcher(forms);
    QTest::mouseClick(button(forms, "cmdKeinDruck"), Qt::LeftButton);
    QVERIFY(watcher.seen);
    QVERIFY(watcher.urkundeLoaded);
    QVERIFY(watcher.druckenLoaded);
}

void TestFrmDrucken::printsTheCertificateUndistortedAndCentred_data()
{
    QTest::addColumn<QRectF>("printable");
    QTest::addColumn<bool>("fullHeight");

    const QSize certificate = twipsToPixels(6405, 8205);
    QTest::newRow("A4 portrait, taller than the certificate: full width") << QRectF(0, 0, 4760, 6779) << false;
    QTest::newRow("square-ish portrait, squatter than the certificate: full height") << QRectF(0, 0, 4000, 4400) << true;
    QTest::newRow("A4 landscape: full height") << QRectF(0, 0, 6779, 4760) << true;
    QTest::newRow("page of the certificate's own proportion: full height")
        << QRectF(0, 0, certificate.width() * 8, certificate.height() * 8) << true;
}

// The printed picture is the captured certificate, keeps its proportion, fills one dimension and is centred in the other.
void TestFrmDrucken::printsTheCertificateUndistortedAndCentred()
{
    QFETCH(QRectF, printable);
    QFETCH(bool, fullHeight);

    FakeServices services;
    services.printableArea = printable;
    Forms forms(services);
    SelectionSteps::finishGoodGame(forms, QStringLiteral("240"));
    const QImage captured = services.clipboard;
    QTest::mouseClick(button(forms, "cmdDruck"), Qt::LeftButton);

    QCOMPARE(services.printed.size(), 1);
    const FakeServices::PrintedPage &page = services.printed.first();
    QCOMPARE(comparable(page.image), comparable(captured));
    const QRectF target = page.target;
    const float aspect = static_cast<float>(captured.height()) / static_cast<float>(captured.width());
    QCOMPARE(static_cast<float>(target.height() / target.width()), aspect);
    if (fullHeight) {
        QCOMPARE(target.top(), 0.0);
        QCOMPARE(static_cast<float>(target.height()), static_cast<float>(printable.height()));
        QCOMPARE(static_cast<float>(target.left() * 2 + target.width()), static_cast<float>(printable.width()));
    } else {
        QCOMPARE(target.left(), 0.0);
        QCOMPARE(static_cast<float>(target.width()), static_cast<float>(printable.width()));
        QCOMPARE(static_cast<float>(target.top() * 2 + target.height()), static_cast<float>(printable.height()));
    }
    const PrintLayout expected = layoutPrint(0, 0, static_cast<float>(printable.width()), static_cast<float>(printable.height()), aspect);
    QCOMPARE(target, QRectF(expected.printLeft, expected.printTop, expected.printWidth, expected.printHeight));
}

// With no printer "Drucken" prints nothing, silently, and the game goes on to the continue window.
void TestFrmDrucken::withoutPrinterNothingIsPrintedAndTheGameGoesOn()
{
    FakeServices services;
    services.hasPrinter = false;
    Forms forms(services);
    SelectionSteps::finishGoodGame(forms, QStringLiteral("240"));
    QTest::mouseClick(button(forms, "cmdDruck"), Qt::LeftButton);
    QVERIFY(services.printed.isEmpty());
    QVERIFY(services.messages.isEmpty());
    QVERIFY(forms.frmWeiter().isVisible());
    QVERIFY(!forms.frmUrkunde().isLoaded());
}

// An empty clipboard means no page at all, not a blank one; the game goes on.
void TestFrmDrucken::withoutPictureInTheClipboardNothingIsPrinted()
{
    FakeServices services;
    Forms forms(services);
    SelectionSteps::finishGoodGame(forms, QStringLiteral("240"));
    services.clipboard = QImage();
    QTest::mouseClick(button(forms, "cmdDruck"), Qt::LeftButton);
    QVERIFY(services.printed.isEmpty());
    QVERIFY(forms.frmWeiter().isVisible());
    QVERIFY(!forms.frmDrucken().isLoaded());
}

// The selection window's code pair shows the certificate for "Mister 1337" and leads on like a game.
void TestFrmDrucken::codePairLeadsThroughTheCertificateToTheContinueWindow()
{
    FakeServices services;
    Forms forms(services);
    SelectionSteps::enterNames(forms, QStringLiteral("ZentaKorbiFelmar"), QStringLiteral("TrubelWankerhofMeiselbachNorg"));
    QTest::mouseClick(forms.frmAuswahl().window()->findChild<QAbstractButton *>(QStringLiteral("cmdEnde")), Qt::LeftButton);

    QVERIFY(!services.ended);
    QVERIFY(forms.frmUrkunde().isVisible());
    QVERIFY(forms.frmDrucken().isVisible());
    const auto *block = forms.frmUrkunde().window()->findChild<QLabel *>(QStringLiteral("lblText(0)"));
    QVERIFY(block->text().startsWith(QStringLiteral("Mister 1337\n")));
    QCOMPARE(forms.frmUrkunde().window()->findChild<QLabel *>(QStringLiteral("lblText(1)"))->text(), QStringLiteral("65535"));

    QTest::mouseClick(button(forms, "cmdKeinDruck"), Qt::LeftButton);
    QVERIFY(forms.frmWeiter().isVisible());
    QCOMPARE(forms.frmAuswahl().punkte(), QString());
    QVERIFY(!forms.frmUrkunde().isLoaded());
}

QTEST_MAIN(TestFrmDrucken)
#include "tst_frmdrucken.moc"
