#include "boardplay.h"
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
    void cardsStartInTheirColourAndTheFirstClickMarks();
    void wrongSecondClicksWarnThenMoveTheMark();
    void clickOnTheMarkedCardChangesNothingVisible();
    void equalResultsMatchInAnyTwo_data();
    void equalResultsMatchInAnyTwo();
    void matchUncoversThePicture();
    void endingTheGameEarly_data();
    void endingTheGameEarly();
    void keysRightAfterOpeningEnd_data();
    void keysRightAfterOpeningEnd();
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
    QTest::addColumn<QString>("grid");

    // Pixels at 96 dpi; the grid reads row by row, rows split by "|".
    QTest::newRow("frm3x4 row by row") << BoardId::frm3x4 << QSize(513, 439) << QRect(0, 0, 513, 384)
                                       << QRect(8, 392, 497, 41) << QSize(128, 128) << QSize(129, 129) << 15.75
                                       << "0 1 2 3 | 4 5 6 7 | 8 9 10 11";
    QTest::newRow("frm4x4 row by row") << BoardId::frm4x4 << QSize(512, 438) << QRect(0, 0, 513, 384)
                                       << QRect(8, 392, 497, 41) << QSize(128, 96) << QSize(129, 97) << 15.75
                                       << "0 1 2 3 | 4 5 6 7 | 8 9 10 11 | 12 13 14 15";
    QTest::newRow("frm6x4 four columns, six rows")
        << BoardId::frm6x4 << QSize(513, 437) << QRect(0, 0, 513, 384) << QRect(8, 392, 497, 41) << QSize(128, 64)
        << QSize(129, 65) << 15.75
        << "0 1 2 3 | 4 5 6 7 | 8 9 10 11 | 12 13 14 15 | 16 17 18 19 | 20 21 22 23";
    QTest::newRow("frm6x6 row by row")
        << BoardId::frm6x6 << QSize(529, 438) << QRect(0, 0, 529, 383) << QRect(8, 392, 513, 41) << QSize(88, 64)
        << QSize(89, 65) << 8.25
        << "0 1 2 3 4 5 | 6 7 8 9 10 11 | 12 13 14 15 16 17 | 18 19 20 21 22 23 | 24 25 26 27 28 29 | 30 31 32 33 34 35";
    QTest::newRow("frm8x5 swapped column pairs, row 0 starts in order")
        << BoardId::frm8x5 << QSize(576, 416) << QRect(0, 0, 577, 359) << QRect(8, 368, 561, 41) << QSize(72, 72)
        << QSize(72, 73) << 8.25
        << "0 1 3 2 5 4 7 6 | 9 8 11 10 13 12 15 14 | 17 16 19 18 21 20 23 22 | 25 24 27 26 29 28 31 30 | "
           "33 32 35 34 37 36 39 38";
    QTest::newRow("frm8x8 column by column")
        << BoardId::frm8x8 << QSize(575, 439) << QRect(0, 0, 577, 383) << QRect(8, 392, 563, 41) << QSize(72, 48)
        << QSize(72, 49) << 8.25
        << "0 8 16 24 32 40 48 56 | 1 9 17 25 33 41 49 57 | 2 10 18 26 34 42 50 58 | 3 11 19 27 35 43 51 59 | "
           "4 12 20 28 36 44 52 60 | 5 13 21 29 37 45 53 61 | 6 14 22 30 38 46 54 62 | 7 15 23 31 39 47 55 63";
}

// Every board opens at its design size with the cards in their cells over the picture.
void TestBoardWindow::layout()
{
    QFETCH(BoardId, id);
    QFETCH(QSize, client);
    QFETCH(QRect, picture);
    QFETCH(QRect, ende);
    QFETCH(QSize, pitch);
    QFETCH(QSize, cardSize);
    QFETCH(double, cardPoints);
    QFETCH(QString, grid);
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
    const QStringList rows = grid.split(QLatin1Char('|'));
    int cards = 0;
    for (int r = 0; r < rows.size(); ++r) {
        const QStringList cells = rows[r].split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (int c = 0; c < cells.size(); ++c, ++cards) {
            const GraphicalButton *card = BoardPlay::card(board, cells[c].toInt());
            QVERIFY2(card, qPrintable(cells[c]));
            QCOMPARE(card->geometry(), QRect(QPoint(c * pitch.width(), r * pitch.height()), cardSize));
            QCOMPARE(card->font().family(), QStringLiteral("Comic Sans MS"));
            QCOMPARE(card->font().pointSizeF(), cardPoints);
            QVERIFY(card->isVisible() && card->isEnabled());
            QCOMPARE(board->childAt(card->geometry().center()), card);
            uncovered -= card->geometry();
        }
    }
    QCOMPARE(cards, zorbel::boardLayout(id).cards());
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

// All cards open light orange; the first click turns only the clicked card red,
// and a screen reader hears which one is marked.
void TestBoardWindow::cardsStartInTheirColourAndTheFirstClickMarks()
{
    FakeServices services;
    Forms forms(services);
    FormWindow *board = openBoard(forms, BoardId::frm3x4);
    for (int index = 0; index < 12; ++index)
        QCOMPARE(colourOf(card(board, index)), cardColour);
    click(card(board, 5));
    for (int index = 0; index < 12; ++index) {
        QCOMPARE(colourOf(card(board, index)), index == 5 ? markedColour : cardColour);
        QCOMPARE(card(board, index)->accessibleDescription(), index == 5 ? QStringLiteral("markiert") : QString());
    }
    QVERIFY(services.messages.isEmpty());
}

// Each wrong second card warns while the old mark still shows, then takes the mark.
void TestBoardWindow::wrongSecondClicksWarnThenMoveTheMark()
{
    FakeServices services;
    Forms forms(services);
    FormWindow *board = openBoard(forms, BoardId::frm4x4);
    const auto firstWithOtherTag = [board](const QList<int> &taken, const QString &tag) {
        for (int index = 0; index < 16; ++index) {
            if (!taken.contains(index) && tagOf(card(board, index)) != tag)
                return index;
        }
        return -1;
    };
    const int a = 0;
    const int b = firstWithOtherTag({a}, tagOf(card(board, a)));
    const int c = firstWithOtherTag({a, b}, tagOf(card(board, b)));
    QVERIFY(b >= 0 && c >= 0);

    QList<QPair<QColor, QColor>> coloursWhileOpen;
    int markedBefore = a;
    int clicked = b;
    services.onMessage = [&](const FakeServices::Message &) {
        coloursWhileOpen.append({colourOf(card(board, markedBefore)), colourOf(card(board, clicked))});
    };
    click(card(board, a));
    click(card(board, b));
    QCOMPARE(colourOf(card(board, a)), cardColour);
    QCOMPARE(colourOf(card(board, b)), markedColour);
    markedBefore = b;
    clicked = c;
    click(card(board, c));
    QCOMPARE(colourOf(card(board, b)), cardColour);
    QCOMPARE(colourOf(card(board, c)), markedColour);

    QCOMPARE(services.messages.size(), 2);
    for (const auto &message : std::as_const(services.messages)) {
        QCOMPARE(message.prompt, QStringLiteral("Leider falsch!"));
        QCOMPARE(message.title, QStringLiteral("Schade!"));
    }
    const QPair<QColor, QColor> unchanged{markedColour, cardColour};
    QCOMPARE(coloursWhileOpen, QList({unchanged, unchanged}));
    for (int index = 0; index < 16; ++index)
        QVERIFY(card(board, index)->isVisible());
}

// A click on the marked card itself neither warns nor unmarks nor removes it.
void TestBoardWindow::clickOnTheMarkedCardChangesNothingVisible()
{
    FakeServices services;
    Forms forms(services);
    FormWindow *board = openBoard(forms, BoardId::frm3x4);
    click(card(board, 3));
    click(card(board, 3));
    click(card(board, 3));
    QCOMPARE(colourOf(card(board, 3)), markedColour);
    QVERIFY(card(board, 3)->isVisible());
    QVERIFY(services.messages.isEmpty());
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

// A matched pair vanishes and shows the picture in its cells; neither click nor Tab reaches it.
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

    // Tab walks the 14 cards left and returns to cmdEnde without touching the vanished two.
    QVERIFY(QTest::qWaitForWindowActive(board));
    board->findChild<QWidget *>(QStringLiteral("cmdEnde"))->setFocus();
    QStringList reached;
    for (int step = 0; step < 15; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        reached.append(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(reached.indexOf(QStringLiteral("cmdEnde")), 14);
    QVERIFY(!reached.contains(card(board, pair.first)->objectName()));
    QVERIFY(!reached.contains(card(board, pair.second)->objectName()));
}

void TestBoardWindow::endingTheGameEarly_data()
{
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("Spiel abbrechen!") << false;
    QTest::newRow("close box") << true;
}

// The board's end button and its close box both end the whole program, mid-game.
void TestBoardWindow::endingTheGameEarly()
{
    QFETCH(bool, closeBox);
    FakeServices services;
    Forms forms(services);
    FormWindow *board = openBoard(forms, BoardId::frm8x5);
    const auto pair = matchingPairs(board, 40).first();
    click(card(board, pair.first));
    click(card(board, pair.second));
    if (closeBox)
        board->close();
    else
        click(board->findChild<QAbstractButton *>(QStringLiteral("cmdEnde")));
    QVERIFY(services.ended);
    QVERIFY(!forms.frm8x5().isLoaded());
    QVERIFY(!forms.frmAuswahl().isLoaded());
    QVERIFY(services.messages.isEmpty());
}

void TestBoardWindow::keysRightAfterOpeningEnd_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Space") << int(Qt::Key_Space);
    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("Enter on the keypad") << int(Qt::Key_Enter);
}

// Right after the board opens the end button holds the focus, so these keys end the program.
void TestBoardWindow::keysRightAfterOpeningEnd()
{
    QFETCH(int, key);
    FakeServices services;
    Forms forms(services);
    FormWindow *board = openBoard(forms, BoardId::frm6x6);
    QVERIFY(QTest::qWaitForWindowActive(board));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    QVERIFY(services.ended);
    QVERIFY(!forms.frm6x6().isLoaded());
}

void TestBoardWindow::answerRevealNeedsBothCodes_data()
{
    QTest::addColumn<QString>("vorname");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("reveals");
    QTest::newRow("both codes") << "QZR482" << "TLKV306" << true;
    QTest::newRow("first-name code only") << "QZR482" << "Meier" << false;
    QTest::newRow("surname code only") << "Anna" << "TLKV306" << false;
    QTest::newRow("codes in lower case") << "qzr482" << "tlkv306" << false;
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
