#include "boardstate.h"
#include "scriptedrandom.h"

#include <QTest>

using namespace zorbel;

class TestScoring : public QObject
{
    Q_OBJECT

private slots:
    void points_data();
    void points();
};

void TestScoring::points_data()
{
    QTest::addColumn<BoardId>("board");
    QTest::addColumn<int>("rechenart");
    QTest::addColumn<int>("klicks");
    QTest::addColumn<int>("punkte");
    QTest::addColumn<bool>("certificate");

    QTest::newRow("the limit, 20 clicks, earns the certificate") << BoardId::frm4x4 << 1 << 20 << 172 << true;
    QTest::newRow("one click past the limit does not") << BoardId::frm4x4 << 1 << 21 << 170 << false;
    QTest::newRow("points base plus cards, 72 clicks, gives 0") << BoardId::frm3x4 << 1 << 72 << 0 << false;
    QTest::newRow("plus and minus multiply by 3, at the limit on frm6x4") << BoardId::frm6x4 << 3 << 30 << (120 - 6) * 3 * 3 << true;
    QTest::newRow("division, one past the limit on frm6x6") << BoardId::frm6x6 << 5 << 46 << (180 - 10) * 5 << false;
    QTest::newRow("perfect frm8x5, multiplication") << BoardId::frm8x5 << 4 << 40 << 1600 << true;
    QTest::newRow("perfect frm8x8, multiplication and division: the 5760 maximum") << BoardId::frm8x8 << 6 << 64 << 5760 << true;
    QTest::newRow("40000 clicks saturate at 32767 and give 0, not a wrapped value")
        << BoardId::frm8x8 << 6 << 40000 << 0 << false;
}

// The points fall by the mode times the level factor per click beyond the cards, never below 0;
// Klicks (at most 32767) up to the limit earns the certificate.
void TestScoring::points()
{
    QFETCH(BoardId, board);
    QFETCH(int, rechenart);
    QFETCH(int, klicks);
    QFETCH(int, punkte);
    QFETCH(bool, certificate);
    ScriptedRandom random;
    BoardState state(boardLayout(board));
    state.deal(ticked(rechenart), false, random.source());
    for (int click = 0; click < klicks; ++click)
        state.countClick();
    QCOMPARE(state.Klicks(), std::min(klicks, 32767));
    QCOMPARE(state.computePunkte(), punkte);
    QCOMPARE(state.earnsCertificate(), certificate);
}

QTEST_GUILESS_MAIN(TestScoring)
#include "tst_scoring.moc"
