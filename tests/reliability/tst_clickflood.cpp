#include "fakeservices.h"
#include "player.h"

class TestClickFlood : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void floodOfClicksOnOneCard_data();
    void floodOfClicksOnOneCard();
};

void TestClickFlood::floodOfClicksOnOneCard_data()
{
    QTest::addColumn<int>("repeats");
    // Clearing frm8x8 takes 64 clicks on top of the repeats.
    QTest::newRow("32768 clicks in all, one past the counter's range") << 32768 - 64;
    QTest::newRow("40000 clicks on one card") << 40000;
}

// However many clicks a game takes, Klicks stops at 32767: the game ends with 0 points and
// no certificate, on the board with the largest points factor.
void TestClickFlood::floodOfClicksOnOneCard()
{
    QFETCH(int, repeats);
    FakeServices services;
    Forms forms(services);
    forms.frmAuswahl().Show();
    QVERIFY(Player::choose({2, {2, 3}, 2}));
    QCOMPARE(Player::visibleWindows(), QStringList{QStringLiteral("frm8x8")});
    Player::clearBoard(forms.frm8x8().window(), repeats);

    QCOMPARE(services.messages.size(), 1);
    QCOMPARE(services.messages.front().prompt, QStringLiteral("Du bekommst 0 Punkte!"));
    QCOMPARE(Player::visibleWindows(), QStringList{QStringLiteral("frmWeiter")});
    QCOMPARE(forms.frmAuswahl().punkte(), QString());
}

QTEST_MAIN(TestClickFlood)
#include "tst_clickflood.moc"
