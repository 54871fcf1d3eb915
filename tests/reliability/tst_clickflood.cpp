#include "boardlayout.h"
#include "fakeservices.h"
#include "forms.h"
#include "frmauswahl.h"
#include "player.h"

#include <QTest>

class TestClickFlood : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void floodOfClicksOnOneCard_data();
    void floodOfClicksOnOneCard();
};

void TestClickFlood::floodOfClicksOnOneCard_data()
{
    QTest::addColumn<int>("flood");
    // The 63 clicks that finish the game on frm8x8 come on top.
    QTest::newRow("32768 clicks in all, one past the counter's range") << 32768 - 63;
    QTest::newRow("40000 clicks on one card") << 40000;
}

// However many clicks a game takes, the count stops at 32767: the game ends with
// 0 points and no certificate, on the board with the largest points factor.
void TestClickFlood::floodOfClicksOnOneCard()
{
    QFETCH(int, flood);
    FakeServices services;
    Forms forms(services);
    forms.frmAuswahl().Show();
    QVERIFY(Player::chooseAndStart({2, {2, 3}, 2}));
    QCOMPARE(Player::visibleWindows(), QStringList{QStringLiteral("frm8x8")});

    const auto pairs = Player::pairsOf(Player::visibleWindow(QStringLiteral("frm8x8")));
    QCOMPARE(pairs.size(), 32);
    for (int k = 0; k < flood; ++k)
        QTest::mouseClick(pairs[0].first, Qt::LeftButton);
    QVERIFY(services.messages.isEmpty());
    QVERIFY(pairs[1].first->isVisible());
    for (const auto &pair : pairs) {
        if (pair.first != pairs[0].first)
            QTest::mouseClick(pair.first, Qt::LeftButton);
        QTest::mouseClick(pair.second, Qt::LeftButton);
    }

    QCOMPARE(services.messages.size(), 1);
    QCOMPARE(services.messages.front().prompt, QStringLiteral("Du bekommst 0 Punkte!"));
    QCOMPARE(Player::visibleWindows(), QStringList{QStringLiteral("frmWeiter")});
    QCOMPARE(forms.frmAuswahl().punkte(), QString());
    QVERIFY(!services.ended);
}

QTEST_MAIN(TestClickFlood)
#include "tst_clickflood.moc"
