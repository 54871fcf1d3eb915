#include "boardplay.h"
#include "fakeservices.h"
#include "frmdrucken.h"
#include "frmurkunde.h"
#include "frmweiter.h"

#include <QPointer>

using namespace BoardPlay;
using zorbel::BoardId;

Q_DECLARE_METATYPE(zorbel::BoardId)

namespace {

struct Glimpse
{
    bool boardVisible = false;
    int cardsVisible = -1;
    bool resultWindowLoaded = true;
    QString punkte = QStringLiteral("not read");
};

// Plays the board through by the cards' tags; the first card is clicked again
// `extraClicks` times while it is marked. Returns the clicks made.
int playThrough(FormWindow *board, int cards, int extraClicks)
{
    const auto pairs = matchingPairs(board, cards);
    int clicks = 0;
    for (qsizetype k = 0; k < pairs.size(); ++k) {
        click(card(board, pairs[k].first));
        ++clicks;
        for (int extra = 0; k == 0 && extra < extraClicks; ++extra, ++clicks)
            click(card(board, pairs[k].first));
        click(card(board, pairs[k].second));
        ++clicks;
    }
    return clicks;
}

} // namespace

class TestBoardGame : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void wholeGame_data();
    void wholeGame();
    void nextGameStartsAfresh();
};

void TestBoardGame::wholeGame_data()
{
    QTest::addColumn<int>("klasse");
    QTest::addColumn<QList<int>>("rechenarten");
    QTest::addColumn<int>("level");
    QTest::addColumn<BoardId>("id");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<QString>("punkte");
    QTest::addColumn<bool>("certificate");

    // One game per road; the points for every board and mode are in tst_scoring.
    QTest::newRow("T = 20 clicks: certificate road") << 1 << QList{0} << 1 << BoardId::frm4x4 << 20 << "172" << true;
    QTest::newRow("T+1 = 51 clicks, mode 3 on frm8x5: continue road")
        << 2 << QList{0, 1} << 1 << BoardId::frm8x5 << 51 << "1134" << false;
}

// A game played by clicks ends with its points shown over the bare picture, then the road its clicks earn.
void TestBoardGame::wholeGame()
{
    QFETCH(int, klasse);
    QFETCH(QList<int>, rechenarten);
    QFETCH(int, level);
    QFETCH(BoardId, id);
    QFETCH(int, clicks);
    QFETCH(QString, punkte);
    QFETCH(bool, certificate);
    const int cards = zorbel::boardLayout(id).cards();

    FakeServices services;
    Forms forms(services);
    startGame(forms, klasse, rechenarten, level);
    QPointer<FormWindow> board = forms.board(id).window();
    QVERIFY(board && board->isVisible());
    QVERIFY(!forms.frmAuswahl().isVisible());

    Glimpse glimpse;
    services.onMessage = [&](const FakeServices::Message &) {
        glimpse.boardVisible = board && board->isVisible();
        glimpse.cardsVisible = 0;
        for (int index = 0; board && index < cards; ++index)
            glimpse.cardsVisible += card(board, index)->isVisible() ? 1 : 0;
        glimpse.resultWindowLoaded = forms.frmUrkunde().isLoaded() || forms.frmWeiter().isLoaded();
        glimpse.punkte = forms.frmAuswahl().punkte();
    };
    QCOMPARE(playThrough(board, cards, clicks - cards), clicks);

    QCOMPARE(services.messages.size(), 1);
    QCOMPARE(services.messages[0].title, QStringLiteral("Herzlichen Glückwunsch!"));
    QCOMPARE(services.messages[0].prompt, QStringLiteral("Du bekommst %1 Punkte!").arg(punkte));
    QVERIFY(glimpse.boardVisible);
    QCOMPARE(glimpse.cardsVisible, 0);
    QVERIFY(!glimpse.resultWindowLoaded);
    QCOMPARE(glimpse.punkte, QString());

    QVERIFY(!forms.board(id).isLoaded());
    QCOMPARE(forms.frmUrkunde().isVisible(), certificate);
    QCOMPARE(forms.frmDrucken().isVisible(), certificate);
    QCOMPARE(forms.frmWeiter().isVisible(), !certificate);
    QCOMPARE(forms.frmAuswahl().punkte(), certificate ? punkte : QString());
    QVERIFY(!forms.frmAuswahl().isVisible());
    QVERIFY(!services.ended);

    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(board.isNull());
}

// After "Ich will weiter spielen!" the same board loads afresh: all cards, counts from zero.
void TestBoardGame::nextGameStartsAfresh()
{
    FakeServices services;
    Forms forms(services);
    FormWindow *board = openBoard(forms, BoardId::frm4x4);
    playThrough(board, 16, 5);
    QVERIFY(forms.frmWeiter().isVisible());
    click(button(forms.frmWeiter().window(), QStringLiteral("cmdWeiter")));
    QVERIFY(forms.frmAuswahl().isVisible());

    click(button(forms.frmAuswahl().window(), QStringLiteral("cmdOK")));
    board = forms.frm4x4().window();
    QVERIFY(board && board->isVisible());
    for (int index = 0; index < 16; ++index) {
        QVERIFY(card(board, index)->isVisible());
        QCOMPARE(colourOf(card(board, index)), cardColour);
    }
    playThrough(board, 16, 0);
    QCOMPARE(services.messages.size(), 2);
    QCOMPARE(services.messages[0].prompt, QStringLiteral("Du bekommst 170 Punkte!"));
    QCOMPARE(services.messages[1].prompt, QStringLiteral("Du bekommst 180 Punkte!"));
    QVERIFY(forms.frmUrkunde().isVisible());
}

QTEST_MAIN(TestBoardGame)
#include "tst_boardgame.moc"
