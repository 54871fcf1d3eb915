#include "fakeservices.h"
#include "player.h"

#include <QLabel>

namespace {
enum class Road { Drucken, NichtDrucken, TooManyClicks };
}
Q_DECLARE_METATYPE(Road)

class TestRoads : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyRoadEndsAtTheContinueWindow_data();
    void everyRoadEndsAtTheContinueWindow();
};

void TestRoads::everyRoadEndsAtTheContinueWindow_data()
{
    QTest::addColumn<Road>("road");
    QTest::newRow("clicks at the limit: certificate, Drucken") << Road::Drucken;
    QTest::newRow("no extra clicks: certificate, Nicht drucken") << Road::NichtDrucken;
    QTest::newRow("one click past the limit: no certificate") << Road::TooManyClicks;
}

// Each way a game ends leads to the continue window alone, no board open, the points box empty;
// "Ich will weiter spielen!" and "OK" then start a game afresh.
void TestRoads::everyRoadEndsAtTheContinueWindow()
{
    QFETCH(Road, road);
    FakeServices services;
    Forms forms(services);
    const zorbel::BoardLayout &layout = zorbel::boardLayout(zorbel::BoardId::frm3x4);
    Player::enterNames(forms, QStringLiteral("Anna"), QStringLiteral("Berg"));
    QVERIFY(Player::choose({0, {0}, 0}));
    const int repeats = road == Road::NichtDrucken ? 0 : layout.certificateLimit - layout.cards() + (road == Road::TooManyClicks);
    Player::clearBoard(forms.frm3x4().window(), repeats);

    QCOMPARE(services.messages.size(), 1);
    if (road != Road::TooManyClicks) {
        QCOMPARE(Player::visibleWindows(), (QStringList{QStringLiteral("frmDrucken"), QStringLiteral("frmUrkunde")}));
        const QString points = forms.frmUrkunde().window()->findChild<QLabel *>(QStringLiteral("lblText(1)"))->text();
        QCOMPARE(services.messages.last().prompt, QStringLiteral("Du bekommst %1 Punkte!").arg(points));
        const bool print = road == Road::Drucken;
        QVERIFY(Player::click(QStringLiteral("frmDrucken"), print ? QStringLiteral("cmdDruck") : QStringLiteral("cmdKeinDruck")));
        QCOMPARE(services.printed.size(), print ? 1 : 0);
    }
    Player::flushDeletes();
    QCOMPARE(Player::visibleWindows(), QStringList{QStringLiteral("frmWeiter")});
    for (const auto &board : zorbel::boardLayouts)
        QVERIFY(!forms.board(board.id).isLoaded());
    QCOMPARE(forms.frmAuswahl().punkte(), QString());
    QVERIFY(!services.ended);

    QVERIFY(Player::click(QStringLiteral("frmWeiter"), QStringLiteral("cmdWeiter")));
    QCOMPARE(Player::visibleWindows(), QStringList{QStringLiteral("frmAuswahl")});
    QVERIFY(Player::click(QStringLiteral("frmAuswahl"), QStringLiteral("cmdOK")));
    QCOMPARE(Player::visibleWindows(), QStringList{QStringLiteral("frm3x4")});
}

QTEST_MAIN(TestRoads)
#include "tst_roads.moc"
