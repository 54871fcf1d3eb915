#include "boardstate.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zorbel {

namespace {

enum Operation { Plus, Minus, Mal, Geteilt };

std::int16_t int16(int value)
{
    return static_cast<std::int16_t>(value);
}

// A number from 1 to 10: a factor, divisor or quotient of the small boards.
int oneToTen(const UniformRandom &random)
{
    return randBelow(random, 10) + 1;
}

// The largest divisor of value that does not exceed start (1 at the latest).
int lowerToDivisor(int value, int start)
{
    int divisor = start;
    while (value % divisor != 0)
        --divisor;
    return divisor;
}

} // namespace

BoardState::BoardState(const BoardLayout &layout)
    : m_layout(layout)
    , m_Aufgaben(static_cast<std::size_t>(layout.cards()), AufgabenRow{0, 0, 0, 0})
    , m_Rechenzeichen(static_cast<std::size_t>(layout.cards()))
{
}

int BoardState::drawBildnummer(const UniformRandom &random)
{
    m_Bildnummer = int16(randBelow(random, 20));
    return m_Bildnummer;
}

int BoardState::limit(bool lowerGrade) const
{
    if (m_layout.variant == Variant::Small)
        return lowerGrade ? 20 : 100;
    return lowerGrade ? 1000 : 10000;
}

void BoardState::deal(const std::array<bool, 4> &operations, bool lowerGrade, const UniformRandom &random)
{
    // Division outranks multiplication, which outranks subtraction; with no box ticked
    // the board keeps the mode of its last game.
    if (operations[Geteilt] && operations[Mal])
        m_Rechenart = 6;
    else if (operations[Geteilt])
        m_Rechenart = 5;
    else if (operations[Mal])
        m_Rechenart = 4;
    else if (operations[Minus] && operations[Plus])
        m_Rechenart = 3;
    else if (operations[Minus])
        m_Rechenart = 2;
    else if (operations[Plus])
        m_Rechenart = 1;

    m_Klicks = 0;
    m_Entfernt = 0;
    for (m_Paar = 0; m_Paar < m_layout.pairs(); ++m_Paar)
        generateIteration(limit(lowerGrade), random);
    shuffle(random);
    setOperators();
}

void BoardState::generateIteration(int limit, const UniformRandom &random)
{
    const auto addition = [&](std::int16_t &first, auto &second) {
        first = int16(randBelow(random, m_Ergebnis) + 1);
        second = m_Ergebnis - first;
    };
    const auto subtraction = [&](std::int16_t &first, auto &second) {
        first = int16(randBelow(random, limit - m_Ergebnis) + m_Ergebnis);
        second = first - m_Ergebnis;
    };

    m_Ergebnis = int16(randBelow(random, limit) + 1);
    switch (m_Rechenart) {
    case 2:
        subtraction(m_Zahl1, m_Zahl2);
        subtraction(m_Zahl3, m_Zahl4);
        break;
    case 3:
        addition(m_Zahl1, m_Zahl2);
        subtraction(m_Zahl3, m_Zahl4);
        break;
    case 4:
        if (m_layout.variant == Variant::Small)
            smallMultiplication(random);
        else
            largeMultiplication(randBelow(random, m_Ergebnis) + 1, random);
        break;
    case 5:
        division(limit, random);
        break;
    case 6:
        // Two pairs per iteration: a multiplication pair at this Paar, a division pair
        // at the next, so the caller's loop runs N / 2 times.
        if (m_layout.variant == Variant::Small)
            smallMultiplication(random);
        else
            largeMultiplication(static_cast<int>(std::floor(random() * (m_Ergebnis / 2.0))) + 2, random);
        store();
        ++m_Paar;
        division(limit, random);
        break;
    default:
        // Mode 1, and mode 0 of a board that has never had a box ticked (the selection
        // window never opens one so): additions, so that every card still reads correctly.
        addition(m_Zahl1, m_Zahl2);
        addition(m_Zahl3, m_Zahl4);
        break;
    }
    store();
}

// Factors from 1 to 10. The second exercise keeps the operands of the previous pair (or
// game) when they already give the product, and draws only until they do.
void BoardState::smallMultiplication(const UniformRandom &random)
{
    m_Zahl1 = int16(oneToTen(random));
    m_Zahl2 = int16(oneToTen(random));
    m_Ergebnis = int16(m_Zahl1 * m_Zahl2);
    while (m_Zahl3 * m_Zahl4 != m_Ergebnis) {
        m_Zahl3 = int16(oneToTen(random));
        m_Zahl4 = oneToTen(random);
    }
}

// The factors are a divisor of Ergebnis and its cofactor, so a prime gives 1 * p or p * 1.
void BoardState::largeMultiplication(int firstStart, const UniformRandom &random)
{
    m_Zahl1 = int16(lowerToDivisor(m_Ergebnis, firstStart));
    m_Zahl2 = int16(m_Ergebnis / m_Zahl1);
    m_Zahl3 = int16(lowerToDivisor(m_Ergebnis, randBelow(random, m_Ergebnis) + 1));
    m_Zahl4 = m_Ergebnis / m_Zahl3;
}

// The quotient becomes Ergebnis.
void BoardState::division(int limit, const UniformRandom &random)
{
    if (m_layout.variant == Variant::Small) {
        m_Ergebnis = int16(oneToTen(random));
        m_Zahl2 = int16(oneToTen(random));
        m_Zahl1 = int16(m_Ergebnis * m_Zahl2);
        m_Zahl4 = oneToTen(random);
        m_Zahl3 = int16(m_Ergebnis * m_Zahl4);
        return;
    }
    m_Zahl1 = int16(randBelow(random, limit) + 1);
    m_Zahl2 = int16(lowerToDivisor(m_Zahl1, randBelow(random, 30) + 20));
    m_Ergebnis = int16(m_Zahl1 / m_Zahl2);
    // Zahl4 is the 32-bit field: its product with the quotient can exceed 16 bits.
    m_Zahl4 = randBelow(random, limit) + 1;
    while (m_Zahl4 * m_Ergebnis > limit)
        --m_Zahl4;
    m_Zahl3 = int16(m_Zahl4 * m_Ergebnis);
}

void BoardState::store()
{
    const int second = m_Paar + m_layout.pairs();
    m_Aufgaben[static_cast<std::size_t>(m_Paar)] = {m_Ergebnis, m_Zahl1, m_Zahl2, m_Paar};
    m_Aufgaben[static_cast<std::size_t>(second)] = {m_Ergebnis, m_Zahl3, int16(m_Zahl4), int16(second)};
}

// The partner is always below Karte, never Karte itself, and the loop stops at 2.
void BoardState::shuffle(const UniformRandom &random)
{
    for (m_Karte = int16(m_layout.cards() - 1); m_Karte >= 2; --m_Karte) {
        m_Zufall = int16(randBelow(random, m_Karte));
        m_Tausch = m_Aufgaben[static_cast<std::size_t>(m_Karte)].row;
        m_Aufgaben[static_cast<std::size_t>(m_Karte)].row = m_Aufgaben[static_cast<std::size_t>(m_Zufall)].row;
        m_Aufgaben[static_cast<std::size_t>(m_Zufall)].row = m_Tausch;
    }
}

// The mixed modes read the operator off the numbers: an addition's first operand never
// exceeds its result, a subtraction's minuend is never below it (R-0 reads as R+0, and
// R:1 as R*1, both correct).
void BoardState::setOperators()
{
    for (m_Karte = 0; m_Karte < m_layout.cards(); ++m_Karte) {
        const AufgabenRow &shown = shownRow(m_Karte);
        const bool firstWithinResult = shown.first <= shown.result;
        std::string &text = m_Rechenzeichen[static_cast<std::size_t>(m_Karte)];
        switch (m_Rechenart) {
        case 2:
            text = "-";
            break;
        case 3:
            text = firstWithinResult ? "+" : "-";
            break;
        case 4:
            text = "*";
            break;
        case 5:
            text = ":";
            break;
        case 6:
            text = firstWithinResult ? "*" : ":";
            break;
        default:
            text = "+";
            break;
        }
    }
}

const AufgabenRow &BoardState::Aufgaben(int row) const
{
    return m_Aufgaben.at(static_cast<std::size_t>(row));
}

const std::string &BoardState::Rechenzeichen(int card) const
{
    return m_Rechenzeichen.at(static_cast<std::size_t>(card));
}

const AufgabenRow &BoardState::shownRow(int card) const
{
    return Aufgaben(Aufgaben(card).row);
}

std::string BoardState::caption(int card) const
{
    const AufgabenRow &shown = shownRow(card);
    return std::to_string(shown.first) + Rechenzeichen(card) + std::to_string(shown.second);
}

std::string BoardState::tag(int card) const
{
    return std::to_string(shownRow(card).result);
}

void BoardState::countClick()
{
    if (m_Klicks < std::numeric_limits<std::int16_t>::max())
        ++m_Klicks;
}

void BoardState::removePair()
{
    m_Entfernt = int16(m_Entfernt + 2);
}

bool BoardState::allRemoved() const
{
    return m_Entfernt == m_layout.cards();
}

// Every click beyond a perfect game costs Rechenart * F points; formed in 64 bits, since
// thousands of clicks take the value far below the 16-bit range before it is raised to 0.
int BoardState::computePunkte()
{
    const std::int64_t points = (std::int64_t{m_layout.pointsBase} - (m_Klicks - m_layout.cards()))
        * m_Rechenart * m_layout.levelFactor;
    m_Punkte = int16(static_cast<int>(std::max<std::int64_t>(points, 0)));
    return m_Punkte;
}

bool BoardState::earnsCertificate() const
{
    return m_Klicks <= m_layout.certificateLimit;
}

bool revealsAnswers(std::string_view vorname, std::string_view name)
{
    return vorname == "QZR482" && name == "TLKV306";
}

std::string revealedCaption(const BoardState &state, int card)
{
    return state.caption(card) + " = " + state.tag(card);
}

ClickResult judgeClick(const BoardState &state, int clicked, int marked)
{
    if (marked < 0 || marked == clicked)
        return ClickResult::Marked;
    return state.tag(clicked) == state.tag(marked) ? ClickResult::Match : ClickResult::WrongPair;
}

} // namespace zorbel
