#include "fakeservices.h"
#include "geometry.h"
#include "graphicalbuttons.h"
#include "player.h"

#include <QLabel>
#include <QMap>
#include <QPointer>
#include <QRegion>

using zorbel::BoardId;
using Anchors = QMap<int, QRect>;  // card index (-1: the client area) to pixels

Q_DECLARE_METATYPE(zorbel::BoardId)

namespace {

GraphicalButton *card(QWidget *board, int index)
{
    return board ? board->findChild<GraphicalButton *>(QStringLiteral("cmdaufgabe(%1)").arg(index)) : nullptr;
}

// What the player sees of a card's colour: inside its bevel, away from the caption.
QColor colourOf(QWidget *card)
{
    return card->grab().toImage().pixelColor(4, 4);
}

const QColor cardColour{255, 192, 128};
const QColor markedColour{255, 0, 0};

} // namespace

class TestBoardWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void layoutAndKeyboardOrder_data();
    void layoutAndKeyboardOrder();
    void wrongSecondClicksWarnThenMoveTheMark();
    void equalResultsMatchAcrossPairs();
    void answerRevealNeedsBothCodes_data();
    void answerRevealNeedsBothCodes();
    void continueRoadThenAFreshGame();
};

void TestBoardWindow::layoutAndKeyboardOrder_data()
{
    QTest::addColumn<BoardId>("id");
    QTest::addColumn<Anchors>("anchors");
    // Anchors read off the design in pixels at 96 dpi: rounding, and the index orders.
    QTest::newRow("frm3x4") << BoardId::frm3x4 << Anchors{};
    QTest::newRow("frm4x4") << BoardId::frm4x4 << Anchors{{15, {384, 288, 129, 97}}};
    QTest::newRow("frm6x4") << BoardId::frm6x4 << Anchors{};
    QTest::newRow("frm6x6") << BoardId::frm6x6 << Anchors{};
    QTest::newRow("frm8x5: row 0 starts 0 1, then pairs swap")
        << BoardId::frm8x5 << Anchors{{1, {72, 0, 72, 73}}, {2, {216, 0, 72, 73}}, {9, {0, 72, 72, 73}}};
    QTest::newRow("frm8x8: column by column") << BoardId::frm8x8 << Anchors{{-1, {0, 0, 575, 439}}, {1, {0, 48, 72, 49}}};
}

// Each control stands where the board's layout row puts it; cmdEnde holds the focus and Tab
// then walks the cards by index; the cards hide the picture.
void TestBoardWindow::layoutAndKeyboardOrder()
{
    QFETCH(BoardId, id);
    QFETCH(Anchors, anchors);
    const zorbel::BoardLayout &layout = zorbel::boardLayout(id);
    const auto pixels = [](const zorbel::TwipsRect &t) { return twipsToPixels(QRect(t.left, t.top, t.width, t.height)); };
    FakeServices services;
    Forms forms(services);
    FormWindow *board = Player::open(forms, Player::boardName(layout));
    QVERIFY(QTest::qWaitForWindowActive(board));
    QCOMPARE(board->size(), twipsToPixels(QSize(layout.clientWidth, layout.clientHeight)));
    const auto *imgBild = board->findChild<QLabel *>(QStringLiteral("imgBild"));
    QCOMPARE(imgBild->geometry(), pixels(layout.picture));
    QCOMPARE(imgBild->pixmap().size(), imgBild->size());
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdEnde"));
    QCOMPARE(QApplication::focusWidget()->geometry(), pixels(layout.endButton));

    // Every place of the grid holds one card; which card is where, the anchors tell.
    QList<QRect> places;
    for (int column = 0; column < layout.columns; ++column) {
        for (int row = 0; row < layout.rows; ++row)
            places.append(pixels({column * layout.pitchX, row * layout.pitchY, layout.cardWidth, layout.cardHeight}));
    }
    QRegion uncovered(imgBild->geometry().intersected(board->rect()));
    for (int index = 0; index < layout.cards(); ++index) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget *shown = QApplication::focusWidget();
        QCOMPARE(shown, card(board, index));
        QVERIFY2(places.removeOne(shown->geometry()), qPrintable(shown->objectName() + QStringLiteral(" off the grid or on a taken place")));
        QCOMPARE(shown->font().pointSizeF(), layout.variant == zorbel::Variant::Small ? 15.75 : 8.25);
        QCOMPARE(board->childAt(shown->geometry().center()), shown);
        uncovered -= shown->geometry();
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdEnde"));
    // frm6x6 may leave a strip of one pixel at the picture's right edge.
    if (id == BoardId::frm6x6)
        uncovered -= QRect(imgBild->geometry().right(), 0, 1, imgBild->height());
    QVERIFY(uncovered.isEmpty());

    for (auto anchor = anchors.cbegin(); anchor != anchors.cend(); ++anchor)
        QCOMPARE(anchor.key() < 0 ? board->rect() : card(board, anchor.key())->geometry(), anchor.value());
}

// Each wrong second card warns while the old mark still shows, then takes the mark.
void TestBoardWindow::wrongSecondClicksWarnThenMoveTheMark()
{
    FakeServices services;
    Forms forms(services);
    FormWindow *board = Player::open(forms, QStringLiteral("frm4x4"));
    // Cards a, b, c with the tags of a and b and of b and c different.
    QList<int> chain{0};
    for (int index = 1; index < 16 && chain.size() < 3; ++index) {
        if (card(board, index)->property("Tag") != card(board, chain.last())->property("Tag"))
            chain.append(index);
    }
    QCOMPARE(chain.size(), 3);

    QList<QColor> whileOpen;  // marked card, clicked card
    int clicked = 0;
    services.onMessage = [&](const FakeServices::Message &message) {
        QCOMPARE(message.title + u'|' + message.prompt, QStringLiteral("Schade!|Leider falsch!"));
        whileOpen << colourOf(card(board, chain[clicked - 1])) << colourOf(card(board, chain[clicked]));
    };
    for (clicked = 0; clicked < 3; ++clicked)
        QTest::mouseClick(card(board, chain[clicked]), Qt::LeftButton);
    QCOMPARE(services.messages.size(), 2);
    // The clicked card turns red as soon as the scan passes a card before the mark: not so when card 0 is marked.
    QCOMPARE(whileOpen, QList({markedColour, cardColour, markedColour, markedColour}));
    for (int index = 0; index < 16; ++index) {
        QVERIFY(card(board, index)->isVisible());
        QCOMPARE(colourOf(card(board, index)), index == chain[2] ? markedColour : cardColour);
    }
}

// Cards match by result, not by the pair they were dealt in: with every draw 0 all twelve cards
// show 1+0, and the shuffle leaves no two neighbours from one pair.
void TestBoardWindow::equalResultsMatchAcrossPairs()
{
    FakeServices services;
    services.randomSource.script.assign(1 + 6 * 3 + 10, 0.0);
    Forms forms(services);
    FormWindow *board = Player::open(forms, QStringLiteral("frm3x4"));
    for (int index = 0; index < 12; ++index)
        QTest::mouseClick(card(board, index), Qt::LeftButton);
    QCOMPARE(services.messages.size(), 1);
    QCOMPARE(services.messages[0].prompt, QStringLiteral("Du bekommst 60 Punkte!"));
}

void TestBoardWindow::answerRevealNeedsBothCodes_data()
{
    QTest::addColumn<QString>("vorname");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("reveals");
    QTest::newRow("both codes") << "QZR482" << "TLKV306" << true;
    QTest::newRow("first-name code, other surname") << "QZR482" << "Meier" << false;
    QTest::newRow("surname in lower case") << "QZR482" << "tlkv306" << false;
}

// With both codes typed in exactly, every card shows its result after " = "; the tags stay results.
void TestBoardWindow::answerRevealNeedsBothCodes()
{
    QFETCH(QString, vorname);
    QFETCH(QString, name);
    QFETCH(bool, reveals);
    FakeServices services;
    Forms forms(services);
    Player::enterNames(forms, vorname, name);
    FormWindow *board = Player::open(forms, QStringLiteral("frm3x4"));
    for (int index = 0; index < 12; ++index) {
        const QString text = card(board, index)->text();
        QCOMPARE(text, text.section(u' ', 0, 0) + (reveals ? QStringLiteral(" = ") + card(board, index)->property("Tag").toString() : QString()));
        QCOMPARE(card(board, index)->accessibleName(), text);
    }
}

// A game past the limit (51 clicks, mode 3 on frm8x5) ends with its points, then the continue window, which opens
// with the board already unloaded; after "Ich will weiter spielen!" the board loads afresh and counts from zero.
void TestBoardWindow::continueRoadThenAFreshGame()
{
    FakeServices services;
    Forms forms(services);
    forms.frmAuswahl().Show();
    QVERIFY(Player::choose(2, {0, 1}, 1));
    QPointer<FormWindow> board = forms.board(BoardId::frm8x5).window();
    QStringList boardAtContinue;
    const Player::ShowWatcher watcher(QStringLiteral("frmWeiter"), [&] { boardAtContinue << QString::number(forms.board(BoardId::frm8x5).isLoaded()); });
    Player::clearBoard(board, 11);
    QCOMPARE(services.messages.size(), 1);
    QCOMPARE(services.messages[0].title, QStringLiteral("Herzlichen Glückwunsch!"));
    QCOMPARE(services.messages[0].prompt, QStringLiteral("Du bekommst 1134 Punkte!"));
    QCOMPARE(Player::visibleWindows(), QStringList({"frmWeiter"}));
    QCOMPARE(boardAtContinue, QStringList({"0"}));
    Player::flushDeletes();
    QVERIFY(board.isNull());

    QVERIFY(Player::click(QStringLiteral("frmWeiter"), QStringLiteral("cmdWeiter")));
    QVERIFY(Player::click(QStringLiteral("frmAuswahl"), QStringLiteral("cmdOK")));
    board = forms.board(BoardId::frm8x5).window();
    for (int index = 0; index < 40; ++index)
        QVERIFY(card(board, index)->isVisible() && colourOf(card(board, index)) == cardColour);
    Player::clearBoard(board);
    QCOMPARE(services.messages.last().prompt, QStringLiteral("Du bekommst 1200 Punkte!"));
    QVERIFY(forms.frmUrkunde().isVisible());
}

QTEST_MAIN(TestBoardWindow)
#include "tst_boardwindow.moc"
