#pragma once

#include <array>
#include <cstdint>

namespace zorbel {

// The operation mode of a game, derived from the ticked operations at every board load.
// Its code also multiplies the points. A board that has never had a box ticked keeps
// Keine and deals additions.
enum class Rechenart : std::int16_t {
    Keine = 0,
    Plus = 1,
    Minus = 2,
    PlusMinus = 3,
    Mal = 4,
    Geteilt = 5,
    MalGeteilt = 6,
};

constexpr int code(Rechenart rechenart)
{
    return static_cast<int>(rechenart);
}

// The selection window's operation boxes, in the order of this array.
enum Operation { Plus, Minus, Mal, Geteilt };
using TickedOperations = std::array<bool, 4>;

// Division outranks multiplication, which outranks subtraction; with no box ticked
// the board keeps the mode of its last game.
constexpr Rechenart rechenartOf(const TickedOperations &ticked, Rechenart previous)
{
    if (ticked[Geteilt] && ticked[Mal])
        return Rechenart::MalGeteilt;
    if (ticked[Geteilt])
        return Rechenart::Geteilt;
    if (ticked[Mal])
        return Rechenart::Mal;
    if (ticked[Minus] && ticked[Plus])
        return Rechenart::PlusMinus;
    if (ticked[Minus])
        return Rechenart::Minus;
    if (ticked[Plus])
        return Rechenart::Plus;
    return previous;
}

} // namespace zorbel
