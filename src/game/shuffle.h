#pragma once

#include "aufgaben.h"
#include "random.h"

namespace zorbel {

// Deals the rows onto the cards: from the last card down to card 2, each card swaps its
// permutation entry with a card drawn below it, never itself. Cards 0 and 1 are not drawn
// for, so from card 2 up no card keeps its own row.
void shuffleCards(Aufgaben &aufgaben, const UniformRandom &random);

} // namespace zorbel
