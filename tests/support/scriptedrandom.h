#pragma once

#include "boardstate.h"
#include "random.h"

#include <array>
#include <cstdint>
#include <deque>
#include <random>

// The one scripted random source of the tests: hands out the scripted values first, then
// values of a seeded engine, and counts them.
class ScriptedRandom
{
public:
    explicit ScriptedRandom(std::uint32_t seed = 1) : m_engine(seed) {}

    std::deque<double> script;
    int drawn = 0;

    double operator()()
    {
        ++drawn;
        if (script.empty())
            return static_cast<double>(m_engine() >> 11) * 0x1.0p-53;  // 53 bits: never 1
        const double r = script.front();
        script.pop_front();
        return r;
    }

    zorbel::UniformRandom source()
    {
        return [this] { return (*this)(); };
    }

private:
    std::mt19937_64 m_engine;
};

// The value r that makes rand(n) yield k.
inline double drawing(int k, int n)
{
    return (k + 0.5) / n;
}

// The boxes (+, -, *, :) that give Rechenart 1 to 6: +, -, + -, then * and : each with every box
// they outrank (+ - *, + - :, + - * :), so that every deal also checks the precedence.
inline std::array<bool, 4> ticked(int rechenart)
{
    static const std::array<std::array<bool, 4>, 6> boxes{{{true, false, false, false}, {false, true, false, false},
        {true, true, false, false}, {true, true, true, false}, {true, true, false, true}, {true, true, true, true}}};
    return boxes[static_cast<std::size_t>(rechenart - 1)];
}
