#include "cardgrid.h"

#include <QTest>

using namespace zorbel;

class TestCardGrid : public QObject
{
    Q_OBJECT

private slots:
    void indexOrder_data();
    void indexOrder();
};

// Every board as it stands on screen, rows separated by " / ", placed by cellOfCard();
// "?" marks a cell that cardAt() does not map back to its card.
static QString boardAsText(const BoardLayout &layout)
{
    std::vector<QString> cells(static_cast<std::size_t>(layout.cards()), QStringLiteral("-"));
    for (int index = 0; index < layout.cards(); ++index) {
        const GridCell cell = cellOfCard(layout, index);
        const bool inside = cell.column >= 0 && cell.column < layout.columns && cell.row >= 0 && cell.row < layout.rows;
        if (!inside)
            return QStringLiteral("card %1 outside the board").arg(index);
        auto &text = cells[static_cast<std::size_t>(cell.row * layout.columns + cell.column)];
        text = cardAt(layout, cell.column, cell.row) == index && text == u'-' ? QString::number(index) : QStringLiteral("?");
    }
    QStringList rows;
    for (int row = 0; row < layout.rows; ++row)
        rows << QStringList(cells.begin() + row * layout.columns, cells.begin() + (row + 1) * layout.columns).join(u' ');
    return rows.join(QStringLiteral(" / "));
}

void TestCardGrid::indexOrder_data()
{
    QTest::addColumn<BoardId>("board");
    QTest::addColumn<QString>("expected");

    QTest::newRow("frm3x4 row by row") << BoardId::frm3x4 << "0 1 2 3 / 4 5 6 7 / 8 9 10 11";
    QTest::newRow("frm4x4 row by row") << BoardId::frm4x4 << "0 1 2 3 / 4 5 6 7 / 8 9 10 11 / 12 13 14 15";
    QTest::newRow("frm6x4 four columns, six rows")
        << BoardId::frm6x4 << "0 1 2 3 / 4 5 6 7 / 8 9 10 11 / 12 13 14 15 / 16 17 18 19 / 20 21 22 23";
    QTest::newRow("frm6x6 row by row")
        << BoardId::frm6x6
        << "0 1 2 3 4 5 / 6 7 8 9 10 11 / 12 13 14 15 16 17 / 18 19 20 21 22 23 / 24 25 26 27 28 29 / 30 31 32 33 34 35";
    QTest::newRow("frm8x5 swapped pairs, row 0 starts 0 1")
        << BoardId::frm8x5
        << "0 1 3 2 5 4 7 6 / 9 8 11 10 13 12 15 14 / 17 16 19 18 21 20 23 22 / 25 24 27 26 29 28 31 30 / "
           "33 32 35 34 37 36 39 38";
    QTest::newRow("frm8x8 column by column")
        << BoardId::frm8x8
        << "0 8 16 24 32 40 48 56 / 1 9 17 25 33 41 49 57 / 2 10 18 26 34 42 50 58 / 3 11 19 27 35 43 51 59 / "
           "4 12 20 28 36 44 52 60 / 5 13 21 29 37 45 53 61 / 6 14 22 30 38 46 54 62 / 7 15 23 31 39 47 55 63";
}

// Which index stands in each cell, per the window's index order; cardAt() inverts cellOfCard().
void TestCardGrid::indexOrder()
{
    QFETCH(BoardId, board);
    QFETCH(QString, expected);
    QCOMPARE(boardAsText(boardLayout(board)), expected);
}

QTEST_GUILESS_MAIN(TestCardGrid)
#include "tst_cardgrid.moc"
