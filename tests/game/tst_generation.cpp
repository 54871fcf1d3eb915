#include "boardstate.h"
#include "scriptedrandom.h"

#include <QRegularExpression>
#include <QTest>

#include <algorithm>
#include <numeric>

using namespace zorbel;

using Operations = std::array<bool, 4>;  // +, -, *, :

class TestGeneration : public QObject
{
    Q_OBJECT

private slots:
    void invariantsOverManySeeds_data();
    void invariantsOverManySeeds();
    void modeFromTickedBoxes_data();
    void modeFromTickedBoxes();
    void noBoxTickedKeepsTheLastMode();
    void scriptedDeals_data();
    void scriptedDeals();
    void smallMultiplicationTestsTheLastGamesOperands();
    void shuffleNeverLeavesACardInPlace();
    void shuffleStopsAtTwo();
    void bildnummerFromZeroToNineteen();
    void answerRevealNeedsBothCodes_data();
    void answerRevealNeedsBothCodes();
};

// The operation ('+', '-', '*', ':') that generated the exercise in `row`, from the mode and its pair.
static char kindOf(int rechenart, int row, int pairs)
{
    if (rechenart == 6)
        return (row % pairs) % 2 == 0 ? '*' : ':';
    return std::string_view("++--+-**::")[static_cast<std::size_t>(2 * (rechenart - 1) + (row >= pairs ? 1 : 0))];
}

// The value of a caption like "56:7"; -1 when it is not a well-formed exercise.
static int evaluate(const std::string &caption)
{
    static const QRegularExpression exercise(QStringLiteral("^(\\d+)([-+*:])(\\d+)$"));
    const auto match = exercise.match(QString::fromStdString(caption));
    if (!match.hasMatch())
        return -1;
    const int a = match.captured(1).toInt();
    const int b = match.captured(3).toInt();
    switch (match.captured(2)[0].toLatin1()) {
    case '+': return a + b;
    case '-': return a - b;
    case '*': return a * b;
    default: return b != 0 && a % b == 0 ? a / b : -1;
    }
}

// The exercise in `row` keeps to the range of its operation, grade and board, as a string
// naming the first fault, or empty.
static QString rangeFault(const BoardState &state, int rechenart, bool lowerGrade, int row)
{
    const BoardLayout &layout = state.layout();
    const bool small = layout.variant == Variant::Small;
    const int limit = small ? (lowerGrade ? 20 : 100) : (lowerGrade ? 1000 : 10000);
    const int pairs = layout.pairs();
    const AufgabenRow &ex = state.Aufgaben(row);
    const int r = ex.result;
    const int a = ex.first;
    const int b = ex.second;
    const bool second = row >= pairs;
    const auto fault = [&](const char *what) {
        return QStringLiteral("row %1 (%2, %3, %4): %5").arg(row).arg(r).arg(a).arg(b).arg(QLatin1String(what));
    };
    if (r < 1 || a < 0 || b < 0 || r > 10000 || a > 10000 || b > 10000)
        return fault("value outside 0 to 10000");

    switch (kindOf(rechenart, row, pairs)) {
    case '+':
        if (r > limit || a < 1 || a > r || b != r - a)
            return fault("addition out of range");
        break;
    case '-':
        if (r > limit || a < r || a > std::max(r, limit - 1) || b != a - r)
            return fault("subtraction out of range");
        break;
    case '*':
        if (a * b != r)
            return fault("factors do not give the result");
        if (small) {
            // The second exercise may keep the operands of the previous pair.
            const bool kept = second && row > pairs && state.Aufgaben(row - 1).first == a
                && state.Aufgaben(row - 1).second == b;
            if (!kept && (a < 1 || a > 10 || b < 1 || b > 10))
                return fault("small factors outside 1 to 10");
        } else if (r > limit) {
            return fault("large product above L");
        }
        break;
    case ':':
        if (b < 1 || a != r * b)
            return fault("quotient does not give the dividend");
        if (small) {
            if (r > 10 || b > 10)
                return fault("small quotient or divisor above 10");
        } else if (a > limit || (!second && b > 49)) {
            return fault("large dividend above L or first divisor above 49");
        }
        break;
    }
    return {};
}

void TestGeneration::invariantsOverManySeeds_data()
{
    QTest::addColumn<BoardId>("board");
    QTest::addColumn<int>("rechenart");
    QTest::addColumn<bool>("lowerGrade");

    for (const BoardLayout &layout : boardLayouts) {
        const bool small = layout.variant == Variant::Small;
        for (int rechenart = 1; rechenart <= 6; ++rechenart) {
            for (const bool lowerGrade : {true, false}) {
                const int grade = small ? (lowerGrade ? 1 : 2) : (lowerGrade ? 3 : 4);
                const QByteArray name = QByteArray(layout.name.data(), int(layout.name.size())) + " mode "
                    + QByteArray::number(rechenart) + " grade " + QByteArray::number(grade);
                QTest::newRow(name.constData()) << layout.id << rechenart << lowerGrade;
            }
        }
    }
}

// Every card's caption evaluates to its tag, both exercises of a pair share the result,
// every value keeps to its range (mode 6: even pairs multiply, odd pairs divide), and
// column 3 is a permutation.
void TestGeneration::invariantsOverManySeeds()
{
    QFETCH(BoardId, board);
    QFETCH(int, rechenart);
    QFETCH(bool, lowerGrade);

    const BoardLayout &layout = boardLayout(board);
    const int cards = layout.cards();
    const int pairs = layout.pairs();
    bool realDivisionSeen = false;
    for (std::uint32_t seed = 1; seed <= 200; ++seed) {
        ScriptedRandom random(seed);
        BoardState state(layout);
        state.deal(ticked(rechenart), lowerGrade, random.source());
        QCOMPARE(state.Rechenart(), rechenart);

        std::vector<int> permutation;
        for (int card = 0; card < cards; ++card)
            permutation.push_back(state.Aufgaben(card).row);
        std::sort(permutation.begin(), permutation.end());
        std::vector<int> identity(static_cast<std::size_t>(cards));
        std::iota(identity.begin(), identity.end(), 0);
        QCOMPARE(permutation, identity);

        for (int card = 0; card < cards; ++card) {
            const std::string caption = state.caption(card);
            QVERIFY2(evaluate(caption) >= 0, caption.c_str());
            QCOMPARE(std::to_string(evaluate(caption)), state.tag(card));
        }
        for (int row = 0; row < cards; ++row) {
            const QString fault = rangeFault(state, rechenart, lowerGrade, row);
            QVERIFY2(fault.isEmpty(), qPrintable(QStringLiteral("seed %1, %2").arg(seed).arg(fault)));
        }
        for (int pair = 0; pair < pairs; ++pair) {
            QCOMPARE(state.tag(cardShowing(state, pair + pairs)), state.tag(cardShowing(state, pair)));
            if (kindOf(rechenart, pair, pairs) == ':' && state.Aufgaben(pair).second > 1)
                realDivisionSeen = true;
        }
    }
    if (rechenart >= 5)
        QVERIFY2(realDivisionSeen, "division pairs should not all divide by 1");
}

void TestGeneration::modeFromTickedBoxes_data()
{
    QTest::addColumn<Operations>("operations");
    QTest::addColumn<int>("rechenart");

    QTest::newRow("+ * gives *") << Operations{true, false, true, false} << 4;
    QTest::newRow("- * gives *") << Operations{false, true, true, false} << 4;
    QTest::newRow("+ : gives :") << Operations{true, false, false, true} << 5;
    QTest::newRow("all four give * :") << Operations{true, true, true, true} << 6;
}

// Division outranks multiplication, which outranks subtraction and addition (single modes: invariants).
void TestGeneration::modeFromTickedBoxes()
{
    QFETCH(Operations, operations);
    QFETCH(int, rechenart);
    ScriptedRandom random;
    BoardState state(boardLayout(BoardId::frm4x4));
    state.deal(operations, false, random.source());
    QCOMPARE(state.Rechenart(), rechenart);
}

// A deal with no box ticked keeps the mode of the board's last game.
void TestGeneration::noBoxTickedKeepsTheLastMode()
{
    ScriptedRandom random;
    BoardState state(boardLayout(BoardId::frm6x6));
    state.deal(ticked(5), false, random.source());
    state.deal(Operations{}, false, random.source());
    QCOMPARE(state.Rechenart(), 5);
    for (int card = 0; card < state.layout().cards(); ++card)
        QCOMPARE(std::to_string(evaluate(state.caption(card))), state.tag(card));

    // A board that never had a box ticked still deals exercises that read correctly.
    BoardState fresh(boardLayout(BoardId::frm3x4));
    fresh.deal(Operations{}, true, random.source());
    QCOMPARE(fresh.Rechenart(), 0);
    for (int card = 0; card < fresh.layout().cards(); ++card)
        QCOMPARE(std::to_string(evaluate(fresh.caption(card))), fresh.tag(card));
}

void TestGeneration::scriptedDeals_data()
{
    QTest::addColumn<BoardId>("board");
    QTest::addColumn<int>("rechenart");
    QTest::addColumn<bool>("lowerGrade");
    QTest::addColumn<QList<double>>("draws");
    QTest::addColumn<QString>("captions");  // "row=caption ..."
    QTest::addColumn<int>("drawn");         // draws the deal takes; 0: not checked

    const auto d = drawing;
    QTest::newRow("grade 1 subtraction, R = L = 20 gives 20-0")
        << BoardId::frm3x4 << 2 << true << QList{d(19, 20), 0.999, 0.999} << "0=20-0 6=20-0" << 0;
    QTest::newRow("grade 1 subtraction, R = 19 gives 19-0, minuend below 20")
        << BoardId::frm3x4 << 2 << true << QList{d(18, 20), 0.999, 0.999} << "0=19-0 6=19-0" << 0;
    // Ergebnis 37; addition 19+18; subtraction minuend 37 (R+0) or 42.
    QTest::newRow("mode 3: R-0 shows as R+0, addition keeps +")
        << BoardId::frm3x4 << 3 << false << QList{d(36, 100), d(18, 37), d(0, 63)} << "0=19+18 6=37+0" << 0;
    QTest::newRow("mode 3: subtraction with subtrahend shows -")
        << BoardId::frm3x4 << 3 << false << QList{d(36, 100), d(18, 37), d(5, 63)} << "6=42-5" << 0;
    // Multiplication 3*4 (second 4*3), then division 7:1 and 14:2.
    QTest::newRow("mode 6: R:1 shows as R*1, : and * kept")
        << BoardId::frm3x4 << 6 << false
        << QList{0.5, d(2, 10), d(3, 10), d(3, 10), d(2, 10), d(6, 10), d(0, 10), d(1, 10)} << "0=3*4 1=7*1 7=14:2"
        << 0;
    QList<double> modeSix;
    for (int iteration = 0; iteration < 3; ++iteration)
        modeSix << QList{0.5, d(2, 10), d(3, 10), d(3, 10), d(2, 10), d(6, 10), d(1, 10), d(4, 10)};
    QTest::newRow("mode 6 on frm3x4: even pairs multiply, odd divide; 3 x 8 draws, 10 for the shuffle")
        << BoardId::frm3x4 << 6 << false << modeSix
        << "0=3*4 2=3*4 4=3*4 6=4*3 8=4*3 10=4*3 1=14:2 3=14:2 5=14:2 7=35:5 9=35:5 11=35:5" << 3 * 8 + 10;
    // 3*4 then 2*6; 6*2 with the kept 2*6 drawing nothing; 5*5 twice.
    QTest::newRow("small *: operands that give the product stay, undrawn")
        << BoardId::frm3x4 << 4 << false
        << QList{0.5, d(2, 10), d(3, 10), d(1, 10), d(5, 10), 0.5, d(5, 10), d(1, 10), 0.5, d(4, 10), d(4, 10),
                 d(4, 10), d(4, 10)}
        << "6=2*6 1=6*2 7=2*6 2=5*5 8=5*5" << 0;
    QTest::newRow("large 1*p, start below p lowers to 1")
        << BoardId::frm6x6 << 4 << true << QList{d(996, 1000), d(498, 997), d(0, 997)} << "0=1*997 18=1*997" << 0;
    QTest::newRow("large 1*p, start at p keeps p")
        << BoardId::frm6x6 << 4 << true << QList{d(996, 1000), d(996, 997), d(500, 997)} << "0=997*1 18=1*997" << 0;
    // First factor starts at floor(r * R / 2) + 2 with R halved exactly: 7 for R = 21, r = 0.49.
    QTest::newRow("large mode 6 halves R exactly")
        << BoardId::frm8x8 << 6 << true << QList{d(20, 1000), 0.49, d(0, 21)} << "0=7*3 32=1*21" << 0;
    QTest::newRow("large prime dividend above 49: divisors lowered to 1")
        << BoardId::frm8x5 << 5 << true << QList{0.5, d(996, 1000), d(15, 30), d(500, 1000)} << "0=997:1 20=997:1"
        << 0;
    QTest::newRow("captions without blanks, R+0 for the second addition")
        << BoardId::frm4x4 << 1 << false << QList{d(18, 100), d(11, 19), d(18, 19)} << "0=12+7 8=19+0" << 0;
}

// Scripted draws give exactly these captions; the revealed caption appends " = " and the tag.
void TestGeneration::scriptedDeals()
{
    QFETCH(BoardId, board);
    QFETCH(int, rechenart);
    QFETCH(bool, lowerGrade);
    QFETCH(QList<double>, draws);
    QFETCH(QString, captions);
    QFETCH(int, drawn);
    ScriptedRandom random;
    random.script.assign(draws.begin(), draws.end());
    BoardState state(boardLayout(board));
    state.deal(ticked(rechenart), lowerGrade, random.source());
    if (drawn > 0)
        QCOMPARE(random.drawn, drawn);
    for (const QString &entry : captions.split(u' ')) {
        const int card = cardShowing(state, entry.section(u'=', 0, 0).toInt());
        QCOMPARE(QString::fromStdString(state.caption(card)), entry.section(u'=', 1));
        QCOMPARE(revealedCaption(state, card), state.caption(card) + " = " + state.tag(card));
    }
}

// The board record outlives the game: the first multiplication of the next game tests the
// operands the last addition left (4+4, which give 16).
void TestGeneration::smallMultiplicationTestsTheLastGamesOperands()
{
    ScriptedRandom random;
    for (int pair = 0; pair < 6; ++pair)
        random.script.insert(random.script.end(), {drawing(7, 100), drawing(3, 8), drawing(3, 8)});
    BoardState state(boardLayout(BoardId::frm3x4));
    state.deal(ticked(1), false, random.source());
    QCOMPARE(state.caption(cardShowing(state, 11)), "4+4");

    random.script = {0.5, drawing(1, 10), drawing(7, 10),                                  // 2*8, kept 4*4
                     0.5, drawing(0, 10), drawing(0, 10), drawing(0, 10), drawing(0, 10)}; // 1*1, 1*1
    state.deal(ticked(4), false, random.source());
    QCOMPARE(state.caption(cardShowing(state, 0)), "2*8");
    QCOMPARE(state.caption(cardShowing(state, 6)), "4*4");
    QCOMPARE(state.caption(cardShowing(state, 1)), "1*1");
}

// The shuffle swaps card Karte with one below it, so no card from index 2 up shows its own row.
void TestGeneration::shuffleNeverLeavesACardInPlace()
{
    for (const BoardLayout &layout : boardLayouts) {
        for (std::uint32_t seed = 1; seed <= 100; ++seed) {
            ScriptedRandom random(seed);
            BoardState state(layout);
            state.deal(ticked(1), false, random.source());
            for (int card = 2; card < layout.cards(); ++card)
                QVERIFY2(state.Aufgaben(card).row != card, layout.name.data());
        }
    }
}

// With every partner drawn as 0 the rows run round through card 0 and card 1 keeps its
// row: the loop stops at 2.
void TestGeneration::shuffleStopsAtTwo()
{
    ScriptedRandom random;
    random.script.assign(3 * 6 + 10, 0.0);
    BoardState state(boardLayout(BoardId::frm3x4));
    state.deal(ticked(1), false, random.source());
    QCOMPARE(random.drawn, 3 * 6 + 10);
    QStringList rows;
    for (int card = 0; card < 12; ++card)
        rows << QString::number(state.Aufgaben(card).row);
    QCOMPARE(rows.join(u' '), QStringLiteral("2 1 3 4 5 6 7 8 9 10 11 0"));
}

// The picture number is rand(20): 0 to 19, never 20.
void TestGeneration::bildnummerFromZeroToNineteen()
{
    ScriptedRandom random;
    random.script = {0.0, 0.999999};
    BoardState state(boardLayout(BoardId::frm4x4));
    QCOMPARE(state.drawBildnummer(random.source()), 0);
    QCOMPARE(state.drawBildnummer(random.source()), 19);
}

void TestGeneration::answerRevealNeedsBothCodes_data()
{
    QTest::addColumn<QString>("vorname");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("reveals");

    QTest::newRow("both codes") << "QZR482" << "TLKV306" << true;
    QTest::newRow("first-name code, other surname") << "QZR482" << "Muster" << false;
    QTest::newRow("surname code only") << "Anna" << "TLKV306" << false;
    QTest::newRow("codes swapped") << "TLKV306" << "QZR482" << false;
    QTest::newRow("first name in lower case") << "qzr482" << "TLKV306" << false;
    QTest::newRow("surname in lower case") << "QZR482" << "tlkv306" << false;
    QTest::newRow("trailing blank") << "QZR482 " << "TLKV306" << false;
    QTest::newRow("empty names") << "" << "" << false;
}

// The answers show only for the exact first-name and surname codes.
void TestGeneration::answerRevealNeedsBothCodes()
{
    QFETCH(QString, vorname);
    QFETCH(QString, name);
    QFETCH(bool, reveals);
    QCOMPARE(revealsAnswers(vorname.toStdString(), name.toStdString()), reveals);
}

QTEST_GUILESS_MAIN(TestGeneration)
#include "tst_generation.moc"
