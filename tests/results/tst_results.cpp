#include "fakeservices.h"
#include "geometry.h"
#include "look.h"
#include "player.h"

#include <QLabel>
#include <QScreen>

class TestResults : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void windowsAsDesigned_data();
    void windowsAsDesigned();
};

void TestResults::windowsAsDesigned_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QRect>("twips");  // left -1: centred across the screen
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QStringList>("buttons");  // top first, that one focused
    QTest::newRow("certificate: portrait at the screen's corner, no title-bar buttons")
        << "frmUrkunde" << QRect(0, 0, 6405, 8205) << Look::white << QStringList();
    QTest::newRow("print-or-not: right of the certificate")
        << "frmDrucken" << QRect(6825, 3075, 5130, 2280) << Look::desktop << QStringList{"Drucken", "Nicht drucken"};
    QTest::newRow("continue: centred")
        << "frmWeiter" << QRect(-1, 0, 5190, 2310) << Look::desktop << QStringList{"Ich will weiter spielen!", "Spiel beenden!"};
}

// Each window at its size and place, in its colour, with a close box when it has buttons, never a maximise button;
// the two big buttons one above the other, focused top first. On the certificate the logo lies over the name block.
void TestResults::windowsAsDesigned()
{
    QFETCH(QString, window);
    QFETCH(QRect, twips);
    QFETCH(QStringList, buttons);
    FakeServices services;
    Forms forms(services);
    FormWindow *shown = Player::open(forms, window);
    QCOMPARE(shown->windowTitle(), QStringLiteral("Memory"));
    QCOMPARE(shown->size(), twipsToPixels(twips.size()));
    const QPoint at = twipsToPixels(twips.topLeft());
    if (twips.left() < 0)
        QVERIFY(qAbs(shown->geometry().center().x() - QGuiApplication::primaryScreen()->availableGeometry().center().x()) <= 1);
    else  // A window system that keeps title bars on screen may push the client area down by its frame.
        QVERIFY2(shown->geometry().topLeft() == at || shown->frameGeometry().topLeft() == at,
                 qPrintable(QStringLiteral("window at %1,%2, its frame at %3,%4").arg(shown->x()).arg(shown->y()).arg(shown->frameGeometry().x()).arg(shown->frameGeometry().y())));
    QCOMPARE(shown->windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint), buttons.isEmpty() ? Qt::WindowFlags() : Qt::WindowCloseButtonHint);
    QTEST(shown->grab().toImage().pixelColor(2, 2), "colour");

    QList<QAbstractButton *> shownButtons = shown->findChildren<QAbstractButton *>();
    std::sort(shownButtons.begin(), shownButtons.end(), [](auto *a, auto *b) { return a->y() < b->y(); });
    QCOMPARE(shownButtons.size(), buttons.size());
    for (qsizetype k = 0; k < buttons.size(); ++k) {
        QCOMPARE(shownButtons[k]->text(), buttons[k]);
        QCOMPARE(shownButtons[k]->geometry(), twipsToPixels(QRect(120, 120 + 1080 * int(k), 4935, 975)));
        QCOMPARE(shownButtons[k] == shown->focusWidget(), k == 0);
    }
    if (buttons.isEmpty())
        QCOMPARE(shown->childAt(twipsToPixels(QPoint(3180, 5100))), shown->findChild<QLabel *>(QStringLiteral("imgLogo")));
}

QTEST_MAIN(TestResults)
#include "tst_results.moc"
