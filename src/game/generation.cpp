#include "generation.h"

#include <cmath>

namespace zorbel {

namespace {

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

// One deal's working set: the table it fills and the operands it carries on.
class PairDealer
{
public:
    PairDealer(Aufgaben &aufgaben, Operanden &operanden, const BoardLayout &layout, int limit,
               const UniformRandom &random)
        : m_aufgaben(aufgaben), m_operanden(operanden), m_layout(layout), m_limit(limit), m_random(random)
    {
    }

    void dealIteration(std::int16_t &paar, Rechenart rechenart);

private:
    void addition(std::int16_t &first, auto &second);
    void subtraction(std::int16_t &first, auto &second);
    void smallMultiplication();
    void largeMultiplication(int firstStart);
    void division();
    void store(std::int16_t paar);

    Aufgaben &m_aufgaben;
    Operanden &m_operanden;
    const BoardLayout &m_layout;
    const int m_limit;
    const UniformRandom &m_random;
};

void PairDealer::addition(std::int16_t &first, auto &second)
{
    first = int16(randBelow(m_random, m_operanden.Ergebnis) + 1);
    second = m_operanden.Ergebnis - first;
}

void PairDealer::subtraction(std::int16_t &first, auto &second)
{
    first = int16(randBelow(m_random, m_limit - m_operanden.Ergebnis) + m_operanden.Ergebnis);
    second = first - m_operanden.Ergebnis;
}

void PairDealer::dealIteration(std::int16_t &paar, Rechenart rechenart)
{
    m_operanden.Ergebnis = int16(randBelow(m_random, m_limit) + 1);
    switch (rechenart) {
    case Rechenart::Minus:
        subtraction(m_operanden.Zahl1, m_operanden.Zahl2);
        subtraction(m_operanden.Zahl3, m_operanden.Zahl4);
        break;
    case Rechenart::PlusMinus:
        addition(m_operanden.Zahl1, m_operanden.Zahl2);
        subtraction(m_operanden.Zahl3, m_operanden.Zahl4);
        break;
    case Rechenart::Mal:
        if (m_layout.variant == Variant::Small)
            smallMultiplication();
        else
            largeMultiplication(randBelow(m_random, m_operanden.Ergebnis) + 1);
        break;
    case Rechenart::Geteilt:
        division();
        break;
    case Rechenart::MalGeteilt:
        // Two pairs per iteration: a multiplication pair at this Paar, a division pair
        // at the next, so the caller's loop runs N / 2 times.
        if (m_layout.variant == Variant::Small)
            smallMultiplication();
        else
            largeMultiplication(static_cast<int>(std::floor(m_random() * (m_operanden.Ergebnis / 2.0))) + 2);
        store(paar);
        ++paar;
        division();
        break;
    case Rechenart::Plus:
    case Rechenart::Keine:
        // Keine is a board that has never had a box ticked (the selection window never opens
        // one so): additions, so that every card still reads correctly.
        addition(m_operanden.Zahl1, m_operanden.Zahl2);
        addition(m_operanden.Zahl3, m_operanden.Zahl4);
        break;
    }
    store(paar);
}

// Factors from 1 to 10. The second exercise keeps the operands of the previous pair (or
// game) when they already give the product, and draws only until they do.
void PairDealer::smallMultiplication()
{
    m_operanden.Zahl1 = int16(oneToTen(m_random));
    m_operanden.Zahl2 = int16(oneToTen(m_random));
    m_operanden.Ergebnis = int16(m_operanden.Zahl1 * m_operanden.Zahl2);
    while (m_operanden.Zahl3 * m_operanden.Zahl4 != m_operanden.Ergebnis) {
        m_operanden.Zahl3 = int16(oneToTen(m_random));
        m_operanden.Zahl4 = oneToTen(m_random);
    }
}

// The factors are a divisor of Ergebnis and its cofactor, so a prime gives 1 * p or p * 1.
void PairDealer::largeMultiplication(int firstStart)
{
    m_operanden.Zahl1 = int16(lowerToDivisor(m_operanden.Ergebnis, firstStart));
    m_operanden.Zahl2 = int16(m_operanden.Ergebnis / m_operanden.Zahl1);
    m_operanden.Zahl3 = int16(lowerToDivisor(m_operanden.Ergebnis, randBelow(m_random, m_operanden.Ergebnis) + 1));
    m_operanden.Zahl4 = m_operanden.Ergebnis / m_operanden.Zahl3;
}

// The quotient becomes Ergebnis.
void PairDealer::division()
{
    if (m_layout.variant == Variant::Small) {
        m_operanden.Ergebnis = int16(oneToTen(m_random));
        m_operanden.Zahl2 = int16(oneToTen(m_random));
        m_operanden.Zahl1 = int16(m_operanden.Ergebnis * m_operanden.Zahl2);
        m_operanden.Zahl4 = oneToTen(m_random);
        m_operanden.Zahl3 = int16(m_operanden.Ergebnis * m_operanden.Zahl4);
        return;
    }
    m_operanden.Zahl1 = int16(randBelow(m_random, m_limit) + 1);
    m_operanden.Zahl2 = int16(lowerToDivisor(m_operanden.Zahl1, randBelow(m_random, 30) + 20));
    m_operanden.Ergebnis = int16(m_operanden.Zahl1 / m_operanden.Zahl2);
    // Zahl4 is the 32-bit field: its product with the quotient can exceed 16 bits.
    m_operanden.Zahl4 = randBelow(m_random, m_limit) + 1;
    while (m_operanden.Zahl4 * m_operanden.Ergebnis > m_limit)
        --m_operanden.Zahl4;
    m_operanden.Zahl3 = int16(m_operanden.Zahl4 * m_operanden.Ergebnis);
}

void PairDealer::store(std::int16_t paar)
{
    const int second = paar + m_layout.pairs();
    m_aufgaben[static_cast<std::size_t>(paar)] = {m_operanden.Ergebnis, m_operanden.Zahl1, m_operanden.Zahl2, paar};
    m_aufgaben[static_cast<std::size_t>(second)] = {m_operanden.Ergebnis, m_operanden.Zahl3, int16(m_operanden.Zahl4), int16(second)};
}

} // namespace

int resultLimit(const BoardLayout &layout, bool lowerGrade)
{
    if (layout.variant == Variant::Small)
        return lowerGrade ? 20 : 100;
    return lowerGrade ? 1000 : 10000;
}

void dealPairs(Aufgaben &aufgaben, Operanden &operanden, const BoardLayout &layout, Rechenart rechenart,
               int limit, const UniformRandom &random)
{
    PairDealer dealer(aufgaben, operanden, layout, limit, random);
    for (std::int16_t paar = 0; paar < layout.pairs(); ++paar)
        dealer.dealIteration(paar, rechenart);
}

// The mixed modes read the operator off the numbers: an addition's first operand never
// exceeds its result, a subtraction's minuend is never below it (R-0 reads as R+0, and
// R:1 as R*1, both correct).
std::string rechenzeichen(Rechenart rechenart, const AufgabenRow &shown)
{
    const bool firstWithinResult = shown.first <= shown.result;
    switch (rechenart) {
    case Rechenart::Minus:
        return "-";
    case Rechenart::PlusMinus:
        return firstWithinResult ? "+" : "-";
    case Rechenart::Mal:
        return "*";
    case Rechenart::Geteilt:
        return ":";
    case Rechenart::MalGeteilt:
        return firstWithinResult ? "*" : ":";
    case Rechenart::Plus:
    case Rechenart::Keine:
        break;
    }
    return "+";
}

} // namespace zorbel
