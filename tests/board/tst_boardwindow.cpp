#include "boardplay.h"
#include "cardgrid.h"
#include "fakeservices.h"
#include "look.h"

#include <QApplication>
#include <QHash>
#include <QLabel>
#include <QRegion>
#include <QScreen>

using namespace BoardPlay;
using zorbel::BoardId;

Q_DECLARE_METATYPE(zorbel::BoardId)

class TestBoardWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void layout_data();
    void layout();
    void tabOrder_data();
    void tabOrder();
    void firstClickMarksAndClicksOnTheMarkedCardChangeNothing();
    void wrongSecondClicksWarnThenMoveTheMark();
    void equalResultsMatchInAnyTwo_data();
    void equalResultsMatchInAnyTwo();
    void matchUncoversThePicture();
    void endButtonEndsMidGame();
    void answerRevealNeedsBothCodes_data();
    void answerRevealNeedsBothCodes();
};

void TestBoardWindow::layout_data()
{
    QTest::addColumn<BoardId>("id");
    QTest::addColumn<QSize>("client");
    QTest::addColumn<QRect>("picture");
    QTest::addColumn<QRect>("ende");
    QTest::addColumn<QSize>("pitch");
    QTest::addColumn<QSize>("cardSize");
    QTest::addColumn<double>("cardPoints");

    // Pixels at 96 dpi.
    QTest::newRow("frm3x4") << BoardId::frm3x4 << QSize(513, 439) << QRect(0, 0, 513, 384) << QRect(8, 392, 497, 41)
                            << QSize(128, 128) << QSize(129, 129) << 15.75;
    QTest::newRow("frm4x4") << BoardId::frm4x4 << QSize(512, 438) << QRect(0, 0, 513, 384) << QRect(8, 392, 497, 41)
                            << QSize(128, 96) << QSize(129, 97) << 15.75;
    QTest::newRow("frm6x4") << BoardId::frm6x4 << QSize(513, 437) << QRect(0, 0, 513, 384) << QRect(8, 392, 497, 41)
                            << QSize(128, 64) << QSize(129, 65) << 15.75;
    QTest::newRow("frm6x6") << BoardId::frm6x6 << QSize(529, 438) << QRect(0, 0, 529, 383) << QRect(8, 392, 513, 41)
                            << QSize(88, 64) << QSize(89, 65) << 8.25;
    QTest::newRow("frm8x5") << BoardId::frm8x5 << QSize(576, 416) << QRect(0, 0, 577, 359) << QRect(8, 368, 561, 41)
                            << QSize(72, 72) << QSize(72, 73) << 8.25;
    QTest::newRow("frm8x8") << BoardId::frm8x8 << QSize(575, 439) << QRect(0, 0, 577, 383) << QRect(8, 392, 563, 41)
                            << QSize(72, 48) << QSize(72, 49) << 8.25;
}

// Every board opens at its design size with each card in its cell (tst_cardgrid: index order) over the picture.
void TestBoardWindow::layout()
{
    QFETCH(BoardId, id);
    QFETCH(QSize, client);
    QFETCH(QRect, picture);
    QFETCH(QRect, ende);
    QFETCH(QSize, pitch);
    QFETCH(QSize, cardSize);
    QFETCH(double, cardPoints);
    QCOMPARE(QGuiApplication::primaryScreen()->logicalDotsPerInchX(), 96.0);

    FakeServices services;
    Forms forms(services);
    FormWindow *board = openBoard(forms, id);
    QVERIFY(board && board->isVisible());
    QCOMPARE(board->objectName(), QString::fromLatin1(zorbel::boardLayout(id).name));
    QCOMPARE(board->windowTitle(), QStringLiteral("Memory"));
    QCOMPARE(board->size(), client);
    QCOMPARE(board->palette().color(QPalette::Window), Look::desktop);

    auto *imgBild = board->findChild<QLabel *>(QStringLiteral("imgBild"));
    QVERIFY(imgBild);
    QCOMPARE(imgBild->geometry(), picture);
    QCOMPARE(imgBild->pixmap().size(), picture.size());

    auto *cmdEnde = board->findChild<GraphicalButton *>(QStringLiteral("cmdEnde"));
    QVERIFY(cmdEnde);
    QCOMPARE(cmdEnde->geometry(), ende);
    QCOMPARE(cmdEnde->text(), QStringLiteral("Spiel abbrechen!"));
    QCOMPARE(cmdEnde->font().pointSizeF(), 14.25);

    QRegion uncovered(picture.intersected(board->rect()));
    const int cards = zorbel::boardLayout(id).cards();
    for (int index = 0; index < cards; ++index) {
        const GraphicalButton *card = BoardPlay::card(board, index);
        QVERIFY(card);
        const zorbel::GridCell cell = zorbel::cellOfCard(zorbel::boardLayout(id), index);
        QCOMPARE(card->geometry(), QRect(QPoint(cell.column * pitch.width(), cell.row * pitch.height()), cardSize));
        QCOMPARE(card->font().family(), QStringLiteral("Comic Sans MS"));
        QCOMPARE(card->font().pointSizeF(), cardPoints);
        QVERIFY(card->isVisible() && card->isEnabled());
        QCOMPARE(board->childAt(card->geometry().center()), card);
        uncovered -= card->geometry();
    }
    QVERIFY(!BoardPlay::card(board, cards));
    // The cards hide the picture; frm6x6 may leave a strip of one pixel at its right edge.
    const QRegion allowed = id == BoardId::frm6x6 ? QRegion(picture.right(), 0, 1, picture.height()) : QRegion();
    QVERIFY((uncovered - allowed).isEmpty());
}

void TestBoardWindow::tabOrder_data()
{
    QTest::addColumn<BoardId>("id");
    for (const auto &layout : zorbel::boardLayouts)
        QTest::newRow(layout.name.data()) << layout.id;
}

// cmdEnde holds the focus when the board opens; Tab then walks the cards by index.
void TestBoardWindow::tabOrder()
{
    QFETCH(BoardId, id);
    FakeServices services;
    Forms forms(services);
    FormWindow *board = openBoard(forms, id);
    QVERIFY(QTest::qWaitForWindowActive(board));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdEnde"));
    for (int index = 0; index < zorbel::boardLayout(id).cards(); ++index) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdaufgabe(%1)").arg(index));
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdEnde"));
}

// All cards open light orange; the first click turns only the clicked card red (and says so to
// a screen reader); more clicks on it neither warn nor unmark nor remove it.
void TestBoardWindow::firstClickMarksAndClicksOnTheMarkedCardChangeNothing()
{
    FakeServices services;
    Forms forms(services);
    FormWindow *board = openBoard(forms, BoardId::frm3x4);
    for (int index = 0; index < 12; ++index)
        QCOMPARE(colourOf(card(board, index)), cardColour);
    for (int click = 0; click < 3; ++click)
        BoardPlay::click(card(board, 5));
    for (int index = 0; index < 12; ++index) {
        QCOMPARE(colourOf(card(board, index)), index == 5 ? markedColour : cardColour);
        QCOMPARE(card(board, index)->accessibleDescription(), index == 5 ? QStringLiteral("markiert") : QString());
        QVERIFY(card(board, index)->isVisible());
    }
    QVERIFY(services.messages.isEmpty());
}

// Each wrong second card warns while the old mark still shows, then takes the mark.
void TestBoardWindow::wrongSecondClicksWarnThenMoveTheMark()
{
    FakeServices services;
    Forms forms(services);
    FormWindow *board = openBoard(forms, BoardId::frm4x4);
    // Cards a, b, c with the tags of a and b and of b and c different.
    QList<int> chain{0};
    for (int index = 1; index < 16 && chain.size() < 3; ++index) {
        if (tagOf(card(board, index)) != tagOf(card(board, chain.last())))
            chain.append(index);
    }
    QCOMPARE(chain.size(), 3);

    QList<QColor> whileOpen;  // marked card, clicked card
    int clicked = 0;
    services.onMessage = [&](const FakeServices::Message &message) {
        QCOMPARE(message.title, QStringLiteral("Schade!"));
        QCOMPARE(message.prompt, QStringLiteral("Leider falsch!"));
        whileOpen << colourOf(card(board, chain[clicked - 1])) << colourOf(card(board, chain[clicked]));
    };
    for (clicked = 0; clicked < 3; ++clicked)
        click(card(board, chain[clicked]));
    QCOMPARE(services.messages.size(), 2);
    QCOMPARE(whileOpen, QList({markedColour, cardColour, markedColour, cardColour}));
    for (int index = 0; index < 16; ++index) {
        QVERIFY(card(board, index)->isVisible());
        QCOMPARE(colourOf(card(board, index)), index == chain[2] ? markedColour : cardColour);
    }
}

void TestBoardWindow::equalResultsMatchInAnyTwo_data()
{
    QTest::addColumn<QList<int>>("order");
    QTest::newRow("first with second, third with fourth") << QList{0, 1, 2, 3};
    QTest::newRow("first with third, second with fourth") << QList{0, 2, 1, 3};
    QTest::newRow("first with fourth, second with third") << QList{0, 3, 1, 2};
}

// Two pairs that happen to share a result make four cards of which any two match.
void TestBoardWindow::equalResultsMatchInAnyTwo()
{
    QFETCH(QList<int>, order);
    FakeServices services;
    Forms forms(services);
    // Grade 1 addition draws 12 results from 20 on frm6x4: some deal soon repeats one.
    QList<int> four;
    FormWindow *board = nullptr;
    for (int attempt = 0; attempt < 50 && four.size() < 4; ++attempt) {
        forms.unloadBoards();
        board = openBoard(forms, BoardId::frm6x4);
        QHash<QString, QList<int>> byTag;
        for (int index = 0; index < 24; ++index)
            byTag[tagOf(card(board, index))].append(index);
        for (const auto &cards : std::as_const(byTag)) {
            if (cards.size() >= 4)
                four = cards.first(4);
        }
    }
    QCOMPARE(four.size(), 4);

    for (const int step : order)
        click(card(board, four[step]));
    for (const int index : four)
        QVERIFY(!card(board, index)->isVisible());
    QVERIFY(services.messages.isEmpty());
}

// A matched pair vanishes and shows the picture in its cells; a click there does nothing.
void TestBoardWindow::matchUncoversThePicture()
{
    FakeServices services;
    Forms forms(services);
    FormWindow *board = openBoard(forms, BoardId::frm4x4);
    const auto pair = matchingPairs(board, 16).first();
    const QPoint cell = card(board, pair.first)->geometry().center();
    click(card(board, pair.first));
    click(card(board, pair.second));
    QVERIFY(!card(board, pair.first)->isVisible());
    QVERIFY(!card(board, pair.second)->isVisible());
    QCOMPARE(board->childAt(cell), board->findChild<QLabel *>(QStringLiteral("imgBild")));

    QTest::mouseClick(board, Qt::LeftButton, {}, cell);
    QVERIFY(services.messages.isEmpty());
    QVERIFY(forms.frm4x4().isVisible());
    for (int index = 0; index < 16; ++index) {
        if (index != pair.first && index != pair.second)
            QCOMPARE(colourOf(card(board, index)), cardColour);
    }
}

// "Spiel abbrechen!" ends the whole program, mid-game and without a word.
void TestBoardWindow::endButtonEndsMidGame()
{
    FakeServices services;
    Forms forms(services);
    FormWindow *board = openBoard(forms, BoardId::frm8x5);
    const auto pair = matchingPairs(board, 40).first();
    click(card(board, pair.first));
    click(card(board, pair.second));
    click(board->findChild<QAbstractButton *>(QStringLiteral("cmdEnde")));
    QVERIFY(services.ended);
    QVERIFY(!forms.frm8x5().isLoaded());
    QVERIFY(!forms.frmAuswahl().isLoaded());
    QVERIFY(services.messages.isEmpty());
}

void TestBoardWindow::answerRevealNeedsBothCodes_data()
{
    QTest::addColumn<QString>("vorname");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("reveals");
    QTest::newRow("both codes") << "QZR482" << "TLKV306" << true;
    QTest::newRow("first-name code only (the rule table is in tst_generation)") << "QZR482" << "Meier" << false;
}

// With both codes typed in, every card shows its result after " = "; the tags stay results.
void TestBoardWindow::answerRevealNeedsBothCodes()
{
    QFETCH(QString, vorname);
    QFETCH(QString, name);
    QFETCH(bool, reveals);
    FakeServices services;
    Forms forms(services);
    forms.frmAuswahl().Show();
    QTest::keyClicks(forms.frmAuswahl().window()->findChild<QWidget *>(QStringLiteral("txtVorname")), vorname);
    QTest::keyClicks(forms.frmAuswahl().window()->findChild<QWidget *>(QStringLiteral("txtName")), name);
    FormWindow *board = openBoard(forms, BoardId::frm3x4);
    for (int index = 0; index < 12; ++index) {
        const GraphicalButton *shown = card(board, index);
        const QString tag = tagOf(shown);
        QVERIFY(!tag.isEmpty());
        QCOMPARE(shown->text().endsWith(QStringLiteral(" = ") + tag), reveals);
        QCOMPARE(shown->text().contains(QLatin1Char(' ')), reveals);
        QCOMPARE(shown->accessibleName(), shown->text());
    }
}

QTEST_MAIN(TestBoardWindow)
#include "tst_boardwindow.moc"
