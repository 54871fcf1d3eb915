#include "boardstate.h"
#include "scriptedrandom.h"

#include <QRegularExpression>
#include <QTest>

#include <algorithm>

using namespace zorbel;

class TestGeneration : public QObject
{
    Q_OBJECT

private slots:
    void invariantsOverManySeeds_data();
    void invariantsOverManySeeds();
    void scriptedDeals_data();
    void scriptedDeals();
};

// The operation ('+', '-', '*', ':') that generated the exercise in `row`; mode 6 alternates by pair.
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
    const int a = match.captured(1).toInt(), b = match.captured(3).toInt();
    const QString op = match.captured(2);
    if (!match.hasMatch())
        return -1;
    return op == u"+" ? a + b : op == u"-" ? a - b : op == u"*" ? a * b : b != 0 && a % b == 0 ? a / b : -1;
}

// The rule of its operation, grade and board that the exercise in `row` breaks, or nullptr.
static const char *rangeFault(const BoardState &state, int rechenart, int limit, int row)
{
    const bool small = state.layout().variant == Variant::Small;
    const bool second = row >= state.layout().pairs();
    const auto [r, a, b, unused] = state.Aufgaben(row);
    if (r < 1 || std::min(a, b) < 0 || std::max({r, a, b}) > 10000)
        return "value outside 0 to 10000, or result below 1";
    switch (kindOf(rechenart, row, state.layout().pairs())) {
    case '+':
        return r > limit || a < 1 || a > r || b != r - a ? "addition: R 1 to L, a 1 to R" : nullptr;
    case '-':
        return r > limit || a < r || a > std::max<int>(r, limit - 1) || b != a - r ? "subtraction: a R to L-1" : nullptr;
    case '*':
        // A second exercise may keep the operands of the pair before, a division's in mode 6.
        if (a * b != r || r > (small ? 100 : limit))
            return "factors do not give a product within range";
        return small && !second && (a > 10 || b > 10) ? "small factors 1 to 10" : nullptr;
    default:
        if (b < 1 || a != r * b)
            return "quotient times divisor is not the dividend";
        if (small)
            return r > 10 || b > 10 ? "small quotient and divisor 1 to 10" : nullptr;
        return a > limit || (!second && b > 49) ? "large dividend up to L, first divisor up to 49" : nullptr;
    }
}

void TestGeneration::invariantsOverManySeeds_data()
{
    QTest::addColumn<BoardId>("board");
    QTest::addColumn<int>("rechenart");
    QTest::addColumn<int>("grade");

    for (const BoardLayout &layout : boardLayouts) {
        const int lower = layout.variant == Variant::Small ? 1 : 3;
        for (int rechenart = 1; rechenart <= 6; ++rechenart) {
            for (const int grade : {lower, lower + 1}) {
                QTest::addRow("%s mode %d grade %d", layout.name.data(), rechenart, grade)
                    << layout.id << rechenart << grade;
            }
        }
    }
}

// The mode follows the boxes' precedence, every caption evaluates to its tag, both exercises of a
// pair share it, every value keeps to its range, and the cards show a permutation of the rows in
// which no card from index 2 up shows its own row.
void TestGeneration::invariantsOverManySeeds()
{
    QFETCH(BoardId, board);
    QFETCH(int, rechenart);
    QFETCH(int, grade);

    const BoardLayout &layout = boardLayout(board);
    const bool small = layout.variant == Variant::Small;
    const int limit = std::array{20, 100, 1000, 10000}[static_cast<std::size_t>(grade - 1)];
    int largest = 0;
    int largestFirstDivisor = 0;
    for (std::uint32_t seed = 1; seed <= 200; ++seed) {
        ScriptedRandom random(seed);
        BoardState state(layout);
        state.deal(ticked(rechenart), grade % 2 == 1, random.source());
        QCOMPARE(code(state.rechenart()), rechenart);

        std::vector<int> rows;
        for (int card = 0; card < layout.cards(); ++card) {
            rows.push_back(state.Aufgaben(card).row);
            QVERIFY(card < 2 || rows.back() != card);
            QVERIFY2(std::to_string(evaluate(state.caption(card))) == state.tag(card), state.caption(card).c_str());
        }
        std::sort(rows.begin(), rows.end());
        QVERIFY(std::adjacent_find(rows.begin(), rows.end()) == rows.end() && rows.front() == 0 && rows.back() == layout.cards() - 1);

        for (int row = 0; row < layout.cards(); ++row) {
            const auto [r, a, b, unused] = state.Aufgaben(row);
            const char *fault = rangeFault(state, rechenart, limit, row);
            QVERIFY2(!fault, qPrintable(QStringLiteral("seed %1, row %2 (%3, %4, %5): %6").arg(seed).arg(row).arg(r).arg(a).arg(b).arg(fault)));
            QCOMPARE(state.Aufgaben(row % layout.pairs()).result, r);
            largest = std::max({largest, int(r), int(a)});
            if (row < layout.pairs() && kindOf(rechenart, row, layout.pairs()) == ':')
                largestFirstDivisor = std::max<int>(largestFirstDivisor, b);
        }
    }
    // From below: the largest values reach into the top half of the range, the first divisors up to 40.
    QVERIFY2(largest > (small && rechenart >= 4 ? 100 : limit) / 2, qPrintable(QString::number(largest)));
    QVERIFY(rechenart < 5 || largestFirstDivisor >= (small ? 9 : 40));
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
    // Ergebnis 37; addition 19+18; subtraction minuend 37.
    QTest::newRow("mode 3: R-0 shows as R+0, addition keeps +")
        << BoardId::frm3x4 << 3 << false << QList{d(36, 100), d(18, 37), d(0, 63)} << "0=19+18 6=37+0" << 0;
    // Each iteration: multiplication 3*4 (second 4*3), then division 7:1 (shown 7*1) and 14:2.
    QList<double> modeSix;
    for (int iteration = 0; iteration < 3; ++iteration)
        modeSix << QList{0.5, d(2, 10), d(3, 10), d(3, 10), d(2, 10), d(6, 10), d(0, 10), d(1, 10)};
    QTest::newRow("mode 6 on frm3x4: even pairs multiply, odd divide, R:1 shows as R*1; shuffle from 11 down to 2")
        << BoardId::frm3x4 << 6 << false << modeSix << "0=3*4 2=3*4 4=3*4 6=4*3 10=4*3 1=7*1 5=7*1 7=14:2 11=14:2" << 3 * 8 + 10;
    // 3*4 then 2*6; 6*2 with the kept 2*6 drawing nothing; 5*5 twice.
    QTest::newRow("small *: operands that give the product stay, undrawn")
        << BoardId::frm3x4 << 4 << false
        << QList{0.5, d(2, 10), d(3, 10), d(1, 10), d(5, 10), 0.5, d(5, 10), d(1, 10), 0.5, d(4, 10), d(4, 10),
                 d(4, 10), d(4, 10)}
        << "6=2*6 1=6*2 7=2*6 2=5*5 8=5*5" << 0;
    QTest::newRow("large 1*p: a start below p lowers to 1")
        << BoardId::frm6x6 << 4 << true << QList{d(996, 1000), d(498, 997), d(0, 997)} << "0=1*997 18=1*997" << 0;
    // First factor starts at floor(r * R / 2) + 2 with R halved exactly: 7 for R = 21, r = 0.49.
    QTest::newRow("large mode 6 halves R exactly")
        << BoardId::frm8x8 << 6 << true << QList{d(20, 1000), 0.49, d(0, 21)} << "0=7*3 32=1*21" << 0;
}

// Scripted draws give exactly these captions.
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
    QStringList shown(state.layout().cards());  // the captions by row
    for (int card = 0; card < state.layout().cards(); ++card)
        shown[state.Aufgaben(card).row] = QString::fromStdString(state.caption(card));
    for (const QString &entry : captions.split(u' '))
        QCOMPARE(shown[entry.section(u'=', 0, 0).toInt()], entry.section(u'=', 1));
}

QTEST_GUILESS_MAIN(TestGeneration)
#include "tst_generation.moc"
