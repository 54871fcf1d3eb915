#include "boardwindow.h"
#include "fakeservices.h"
#include "forms.h"
#include "frmurkunde.h"
#include "geometry.h"
#include "look.h"
#include "selectionsteps.h"

#include <QLabel>
#include <QTest>

class TestFrmUrkunde : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void windowIsWhitePortraitAtTheTopLeftWithoutButtons();
    void labelsHaveTheirFontsColoursAndBoxes_data();
    void labelsHaveTheirFontsColoursAndBoxes();
    void logoLiesOnTopOfTheNameBlock();
    void showsNamesDateAndPointsAsTyped_data();
    void showsNamesDateAndPointsAsTyped();
    void longNameWrapsAndIsCutOffAtTheBottom();
    void openingClosesTheBoards();
    void closeBoxLeavesTheCertificateUp();
};

// The certificate opens white, portrait, its client area at the screen's corner, with no title-bar buttons.
void TestFrmUrkunde::windowIsWhitePortraitAtTheTopLeftWithoutButtons()
{
    FakeServices services;
    Forms forms(services);
    forms.frmUrkunde().Show();
    FormWindow *window = forms.frmUrkunde().window();
    QCOMPARE(window->objectName(), QStringLiteral("frmUrkunde"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Memory"));
    QCOMPARE(window->size(), twipsToPixels(6405, 8205));
    // A window system that keeps title bars on screen may push the client area down by its frame.
    QVERIFY(window->geometry().topLeft() == QPoint(0, 0) || window->frameGeometry().topLeft() == QPoint(0, 0));
    QVERIFY(!(window->windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint)));
    QCOMPARE(window->grab().toImage().pixelColor(2, 2), Look::white);
}

void TestFrmUrkunde::labelsHaveTheirFontsColoursAndBoxes_data()
{
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<double>("pointSize");
    QTest::addColumn<QColor>("colour");

    QTest::newRow("lblUrkunde") << QStringLiteral("lblUrkunde") << QRect(120, 240, 6135, 1935) << 72.0 << QColor(Qt::black);
    QTest::newRow("lblText(0)") << QStringLiteral("lblText(0)") << QRect(120, 2520, 6135, 2775) << 18.0 << QColor(Qt::black);
    QTest::newRow("lblText(1) red points") << QStringLiteral("lblText(1)") << QRect(0, 6240, 6255, 855) << 36.0 << QColor(255, 0, 0);
    QTest::newRow("lblText(2)") << QStringLiteral("lblText(2)") << QRect(0, 7440, 6255, 495) << 18.0 << QColor(Qt::black);
}

// Every label: centred, regular Comic Sans at its size, its colour on white, wrapped, in its box.
void TestFrmUrkunde::labelsHaveTheirFontsColoursAndBoxes()
{
    QFETCH(QString, objectName);
    QFETCH(QRect, twips);
    QFETCH(double, pointSize);
    QFETCH(QColor, colour);

    FakeServices services;
    Forms forms(services);
    forms.frmUrkunde().Show();
    const auto *label = forms.frmUrkunde().window()->findChild<QLabel *>(objectName);
    QVERIFY(label);
    QCOMPARE(label->geometry(), twipsToPixels(twips.x(), twips.y(), twips.width(), twips.height()));
    QCOMPARE(label->font().family(), QStringLiteral("Comic Sans MS"));
    QCOMPARE(label->font().pointSizeF(), pointSize);
    QVERIFY(!label->font().bold());
    QCOMPARE(label->palette().color(QPalette::WindowText), colour);
    QCOMPARE(label->palette().color(QPalette::Window), Look::white);
    QVERIFY(label->autoFillBackground());
    QCOMPARE(label->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    QVERIFY(label->wordWrap());
    QCOMPARE(label->textFormat(), Qt::PlainText);
}

// Where the logo's box overlaps the name block, the logo is what the player sees.
void TestFrmUrkunde::logoLiesOnTopOfTheNameBlock()
{
    FakeServices services;
    Forms forms(services);
    forms.frmUrkunde().Show();
    FormWindow *window = forms.frmUrkunde().window();
    const auto *logo = window->findChild<QLabel *>(QStringLiteral("imgLogo"));
    QVERIFY(logo);
    QCOMPARE(logo->geometry(), twipsToPixels(1650, 4920, 3060, 1200));
    QVERIFY(!logo->pixmap().isNull());
    QVERIFY(logo->hasScaledContents());
    const QPoint overlap = twipsToPixels(QPoint(3180, 5100));
    QCOMPARE(window->childAt(overlap), logo);
}

void TestFrmUrkunde::showsNamesDateAndPointsAsTyped_data()
{
    QTest::addColumn<QString>("vorname");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("punkte");
    QTest::addColumn<QString>("firstLine");

    QTest::newRow("ordinary names") << QStringLiteral("Anna") << QStringLiteral("Berg") << QStringLiteral("240") << QStringLiteral("Anna Berg");
    QTest::newRow("empty names: first line a single blank") << QString() << QString() << QStringLiteral("12") << QStringLiteral(" ");
    QTest::newRow("blanks kept untrimmed") << QStringLiteral(" Anna ") << QStringLiteral("Berg ") << QStringLiteral("0") << QStringLiteral(" Anna  Berg ");
    QTest::newRow("bold markup shown literally") << QStringLiteral("<b>Max</b>") << QStringLiteral("Muster") << QStringLiteral("96") << QStringLiteral("<b>Max</b> Muster");
    QTest::newRow("image tag shown literally") << QStringLiteral("Eva") << QStringLiteral("<img src=\":/assets/logo.png\">") << QStringLiteral("5") << QStringLiteral("Eva <img src=\":/assets/logo.png\">");
    QTest::newRow("code pair points") << QStringLiteral("Mister") << QStringLiteral("1337") << QStringLiteral("65535") << QStringLiteral("Mister 1337");
}

// The block reads name, "hat am", today's date, "bei dem mathematischen Memory", each on its own line; the points as typed.
void TestFrmUrkunde::showsNamesDateAndPointsAsTyped()
{
    QFETCH(QString, vorname);
    QFETCH(QString, name);
    QFETCH(QString, punkte);
    QFETCH(QString, firstLine);

    FakeServices services;
    Forms forms(services);
    SelectionSteps::enterNames(forms, vorname, name);
    SelectionSteps::finishGoodGame(forms, punkte);

    const FormWindow *window = forms.frmUrkunde().window();
    const auto *block = window->findChild<QLabel *>(QStringLiteral("lblText(0)"));
    QCOMPARE(block->text(), firstLine + QStringLiteral("\nhat am\n06.12.2026\nbei dem mathematischen Memory"));
    QCOMPARE(window->findChild<QLabel *>(QStringLiteral("lblText(1)"))->text(), punkte);
    QCOMPARE(window->findChild<QLabel *>(QStringLiteral("lblText(2)"))->text(), QStringLiteral("Punkte erreicht."));
    QCOMPARE(window->findChild<QLabel *>(QStringLiteral("lblUrkunde"))->text(), QStringLiteral("Urkunde"));
    for (const char *name : {"lblUrkunde", "lblText(0)", "lblText(1)", "lblText(2)"})
        QCOMPARE(window->findChild<QLabel *>(QLatin1String(name))->textFormat(), Qt::PlainText);
}

// Text longer than the block wraps and runs past its bottom edge, which cuts it off: neither box nor font grows or shrinks.
void TestFrmUrkunde::longNameWrapsAndIsCutOffAtTheBottom()
{
    FakeServices services;
    Forms forms(services);
    const QString longName = QStringLiteral("Maximiliane Alexandra Friederike Wilhelmine Charlotte Henriette");
    SelectionSteps::enterNames(forms, longName, QStringLiteral("von Hohenzollern-Sigmaringen und Schwarzenberg-Lichtenstein"));
    SelectionSteps::finishGoodGame(forms, QStringLiteral("100"));

    auto *block = forms.frmUrkunde().window()->findChild<QLabel *>(QStringLiteral("lblText(0)"));
    QCOMPARE(block->size(), twipsToPixels(6135, 2775));
    QCOMPARE(block->font().pointSizeF(), 18.0);
    QVERIFY(block->heightForWidth(block->width()) > block->height());
    QVERIFY(block->text().startsWith(longName));
}

// Opening the certificate closes whichever board the game was played on.
void TestFrmUrkunde::openingClosesTheBoards()
{
    FakeServices services;
    Forms forms(services);
    SelectionSteps::enterNames(forms, QStringLiteral("Anna"), QStringLiteral("Berg"));
    SelectionSteps::chooseYearOneAddition(forms);
    forms.frm4x4().Show();
    QVERIFY(forms.frm4x4().isVisible());

    forms.frmUrkunde().Show();
    for (const auto &layout : zorbel::boardLayouts)
        QVERIFY(!forms.board(layout.id).isLoaded());
    QVERIFY(forms.frmUrkunde().isVisible());
}

// The certificate cannot be closed by itself; only the print-or-not window leads on.
void TestFrmUrkunde::closeBoxLeavesTheCertificateUp()
{
    FakeServices services;
    Forms forms(services);
    forms.frmUrkunde().Show();
    forms.frmUrkunde().window()->close();
    QVERIFY(forms.frmUrkunde().isVisible());
}

QTEST_MAIN(TestFrmUrkunde)
#include "tst_frmurkunde.moc"
