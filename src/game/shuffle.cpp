#include "shuffle.h"

#include <utility>

namespace zorbel {

void shuffleCards(Aufgaben &aufgaben, const UniformRandom &random)
{
    for (auto karte = static_cast<std::int16_t>(aufgaben.size() - 1); karte >= 2; --karte) {
        const auto zufall = static_cast<std::size_t>(randBelow(random, karte));
        std::swap(aufgaben[static_cast<std::size_t>(karte)].row, aufgaben[zufall].row);
    }
}

} // namespace zorbel
