#pragma once

#include <cstdint>
#include <vector>

namespace zorbel {

// One row of the exercise table: the exercise's result and operands, and in column 3
// the permutation entry (which row the card with this index shows).
struct AufgabenRow
{
    std::int16_t result;
    std::int16_t first;
    std::int16_t second;
    std::int16_t row;
};

using Aufgaben = std::vector<AufgabenRow>;

} // namespace zorbel
