// Time of one deal per board, mode and grade, and how often a small board's second
// multiplication keeps factors from an earlier exercise that lie above 10.
#include "boardstate.h"

#include <chrono>
#include <cstdio>
#include <random>

using namespace zorbel;

namespace {

std::array<bool, 4> ticked(int rechenart)
{
    switch (rechenart) {
    case 1: return {true, false, false, false};
    case 2: return {false, true, false, false};
    case 3: return {true, true, false, false};
    case 4: return {false, false, true, false};
    case 5: return {false, false, false, true};
    default: return {false, false, true, true};
    }
}

} // namespace

int main()
{
    std::mt19937_64 engine(20261206);
    const UniformRandom random = [&engine] { return static_cast<double>(engine() >> 11) * 0x1.0p-53; };
    constexpr int deals = 2000;

    std::printf("%-8s %-5s %-6s %12s\n", "board", "mode", "grade", "us per deal");
    for (const BoardLayout &layout : boardLayouts) {
        for (int rechenart = 1; rechenart <= 6; ++rechenart) {
            for (const bool lowerGrade : {true, false}) {
                BoardState state(layout);
                const auto start = std::chrono::steady_clock::now();
                for (int deal = 0; deal < deals; ++deal)
                    state.deal(ticked(rechenart), lowerGrade, random);
                const std::chrono::duration<double, std::micro> spent = std::chrono::steady_clock::now() - start;
                const int grade = layout.variant == Variant::Small ? (lowerGrade ? 1 : 2) : (lowerGrade ? 3 : 4);
                std::printf("%-8s %-5d %-6d %12.1f\n", layout.name.data(), rechenart, grade, spent.count() / deals);
            }
        }
    }

    // One board played again and again, as a window's record lives on between games.
    for (const int rechenart : {4, 6}) {
        BoardState state(boardLayout(BoardId::frm6x4));
        long exercises = 0;
        long wideFactors = 0;
        for (int deal = 0; deal < deals; ++deal) {
            state.deal(ticked(rechenart), false, random);
            const int pairs = state.layout().pairs();
            for (int pair = 0; pair < pairs; pair += rechenart == 6 ? 2 : 1) {
                const AufgabenRow &second = state.Aufgaben(pair + pairs);
                ++exercises;
                if (second.first > 10 || second.second > 10)
                    ++wideFactors;
            }
        }
        std::printf("frm6x4 mode %d: %ld of %ld second multiplications keep a factor above 10\n", rechenart,
                    wideFactors, exercises);
    }
    return 0;
}
