#pragma once

#include "aufgaben.h"
#include "boardlayout.h"
#include "random.h"
#include "rechenart.h"

#include <cstdint>
#include <string>

namespace zorbel {

// The operands of the pair dealt last. They outlive a deal on purpose: the small boards'
// multiplication keeps the previous pair's (or game's) second exercise while it still
// gives the product.
struct Operanden
{
    std::int16_t Ergebnis = 0;
    std::int16_t Zahl1 = 0;
    std::int16_t Zahl2 = 0;
    std::int16_t Zahl3 = 0;
    std::int32_t Zahl4 = 0;
};

// The largest result of a game: grade 1 or 3 (lowerGrade) against grade 2 or 4.
int resultLimit(const BoardLayout &layout, bool lowerGrade);

// Fills the exercise table with the board's pairs, rows r and r + N being pair r, each
// row's permutation entry pointing at itself.
void dealPairs(Aufgaben &aufgaben, Operanden &operanden, const BoardLayout &layout, Rechenart rechenart,
               int limit, const UniformRandom &random);

// The operator a card shows for the row it shows.
std::string rechenzeichen(Rechenart rechenart, const AufgabenRow &shown);

} // namespace zorbel
