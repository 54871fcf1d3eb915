#pragma once

#include "boardstate.h"
#include "random.h"

#include <cstdint>
#include <deque>
#include <random>

// Hands out the scripted values first, then values of a seeded engine, and counts them.
class ScriptedRandom
{
public:
    explicit ScriptedRandom(std::uint32_t seed = 1) : m_engine(seed) {}

    std::deque<double> script;
    int drawn = 0;

    zorbel::UniformRandom source()
    {
        return [this] {
            ++drawn;
            if (!script.empty()) {
                const double r = script.front();
                script.pop_front();
                return r;
            }
            // 53 random bits scaled to [0, 1): never 1, unlike some distributions.
            return static_cast<double>(m_engine() >> 11) * 0x1.0p-53;
        };
    }

private:
    std::mt19937_64 m_engine;
};

// The value r that makes rand(n) yield k.
inline double drawing(int k, int n)
{
    return (k + 0.5) / n;
}

// The boxes ticked for Rechenart 1 to 6 (+, -, + -, *, :, * :).
inline std::array<bool, 4> ticked(int rechenart)
{
    static const std::array<std::array<bool, 4>, 6> boxes{{{true, false, false, false}, {false, true, false, false},
        {true, true, false, false}, {false, false, true, false}, {false, false, false, true}, {false, false, true, true}}};
    return boxes[static_cast<std::size_t>(rechenart - 1)];
}

// The card that shows exercise `row`.
inline int cardShowing(const zorbel::BoardState &state, int row)
{
    for (int card = 0; card < state.layout().cards(); ++card) {
        if (state.Aufgaben(card).row == row)
            return card;
    }
    return -1;
}
