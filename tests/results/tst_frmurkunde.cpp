#include "fakeservices.h"
#include "geometry.h"
#include "look.h"
#include "player.h"

#include <QLabel>

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
    void codePairShowsMister1337With65535Points();
};

// The certificate opens white, portrait, its client area at the screen's corner, with no title-bar buttons.
void TestFrmUrkunde::windowIsWhitePortraitAtTheTopLeftWithoutButtons()
{
    FakeServices services;
    Forms forms(services);
    forms.frmUrkunde().Show();
    FormWindow *window = forms.frmUrkunde().window();
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
    QVERIFY(logo && !logo->pixmap().isNull());
    QCOMPARE(window->childAt(twipsToPixels(QPoint(3180, 5100))), logo);
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
}

// The block reads name, "hat am", today's date, "bei dem mathematischen Memory", each on its own line; the points as typed.
void TestFrmUrkunde::showsNamesDateAndPointsAsTyped()
{
    QFETCH(QString, vorname);
    QFETCH(QString, name);
    QFETCH(QString, punkte);
    FakeServices services;
    Forms forms(services);
    Player::enterNames(forms, vorname, name);
    Player::finishGoodGame(forms, punkte);

    const FormWindow *window = forms.frmUrkunde().window();
    const auto *block = window->findChild<QLabel *>(QStringLiteral("lblText(0)"));
    QTEST(block->text().section(u'\n', 0, 0), "firstLine");
    QCOMPARE(block->text().section(u'\n', 1), QStringLiteral("hat am\n06.12.2026\nbei dem mathematischen Memory"));
    QCOMPARE(window->findChild<QLabel *>(QStringLiteral("lblText(1)"))->text(), punkte);
    QCOMPARE(window->findChild<QLabel *>(QStringLiteral("lblText(2)"))->text(), QStringLiteral("Punkte erreicht."));
    QCOMPARE(window->findChild<QLabel *>(QStringLiteral("lblUrkunde"))->text(), QStringLiteral("Urkunde"));
}

// Text longer than the block wraps and runs past its bottom edge, which cuts it off: neither box nor font grows or shrinks.
void TestFrmUrkunde::longNameWrapsAndIsCutOffAtTheBottom()
{
    FakeServices services;
    Forms forms(services);
    const QString longName = QStringLiteral("Maximiliane Alexandra Friederike Wilhelmine Charlotte Henriette");
    Player::enterNames(forms, longName, QStringLiteral("von Hohenzollern-Sigmaringen und Schwarzenberg-Lichtenstein"));
    Player::finishGoodGame(forms, QStringLiteral("100"));

    auto *block = forms.frmUrkunde().window()->findChild<QLabel *>(QStringLiteral("lblText(0)"));
    QCOMPARE(block->size(), twipsToPixels(6135, 2775));
    QCOMPARE(block->font().pointSizeF(), 18.0);
    QVERIFY(block->heightForWidth(block->width()) > block->height());
    QVERIFY(block->text().startsWith(longName));
}

// The selection window's code pair leads to the certificate for "Mister 1337" with 65535 points.
void TestFrmUrkunde::codePairShowsMister1337With65535Points()
{
    FakeServices services;
    Forms forms(services);
    Player::enterNames(forms, QStringLiteral("ZentaKorbiFelmar"), QStringLiteral("TrubelWankerhofMeiselbachNorg"));
    QVERIFY(Player::click(QStringLiteral("frmAuswahl"), QStringLiteral("cmdEnde")));
    QVERIFY(forms.frmUrkunde().isVisible());
    const FormWindow *window = forms.frmUrkunde().window();
    QVERIFY(window->findChild<QLabel *>(QStringLiteral("lblText(0)"))->text().startsWith(QStringLiteral("Mister 1337\n")));
    QCOMPARE(window->findChild<QLabel *>(QStringLiteral("lblText(1)"))->text(), QStringLiteral("65535"));
}

QTEST_MAIN(TestFrmUrkunde)
#include "tst_frmurkunde.moc"
