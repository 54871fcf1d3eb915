#pragma once

#include <array>
#include <string_view>

namespace zorbel {

// Which index stands in column c, row r of the card grid.
enum class IndexOrder {
    RowByRow,            // index = r * columns + c
    ColumnByColumn,      // index = c * rows + r
    SwappedColumnPairs,  // index = r * columns + (c xor 1), but row 0 starts 0 1
};

// Grades 1 and 2 play on the small boards, grades 3 and 4 on the large ones.
enum class Variant { Small, Large };

enum class BoardId { frm3x4, frm4x4, frm6x4, frm6x6, frm8x5, frm8x8 };

struct TwipsRect
{
    int left;
    int top;
    int width;
    int height;
};

// One board window's design: geometry in twips and its scoring constants.
struct BoardLayout
{
    BoardId id;
    std::string_view name;
    int columns;
    int rows;
    int pitchX;
    int pitchY;
    int cardWidth;
    int cardHeight;
    TwipsRect picture;
    TwipsRect endButton;
    int clientWidth;
    int clientHeight;
    double cardFontPoints;
    IndexOrder order;
    Variant variant;
    int pointsBase;        // the points of a perfect game, before the mode and level multiply them
    int levelFactor;       // 1, 2, 3 for "leicht", "mittel", "schwer"
    int certificateLimit;  // a game with at most this many clicks earns the certificate

    constexpr int cards() const { return columns * rows; }
    constexpr int pairs() const { return cards() / 2; }
};

// clang-format off
inline constexpr std::array<BoardLayout, 6> boardLayouts{{
    {BoardId::frm3x4, "frm3x4", 4, 3, 1920, 1920, 1939, 1936, {0, 0, 7695, 5767}, {120, 5880, 7455, 615}, 7695, 6585, 15.75, IndexOrder::RowByRow,           Variant::Small,  60, 1, 15},
    {BoardId::frm4x4, "frm4x4", 4, 4, 1920, 1440, 1939, 1452, {0, 0, 7695, 5767}, {120, 5880, 7455, 615}, 7680, 6570, 15.75, IndexOrder::RowByRow,           Variant::Small,  90, 2, 20},
    {BoardId::frm6x4, "frm6x4", 4, 6, 1920,  960, 1939,  968, {0, 0, 7695, 5767}, {120, 5880, 7455, 615}, 7695, 6555, 15.75, IndexOrder::RowByRow,           Variant::Small, 120, 3, 30},
    {BoardId::frm6x6, "frm6x6", 6, 6, 1320,  960, 1328,  975, {0, 0, 7935, 5745}, {120, 5880, 7695, 615}, 7935, 6570,  8.25, IndexOrder::RowByRow,           Variant::Large, 180, 1, 45},
    {BoardId::frm8x5, "frm8x5", 8, 5, 1080, 1080, 1080, 1100, {0, 0, 8655, 5385}, {120, 5520, 8415, 615}, 8640, 6240,  8.25, IndexOrder::SwappedColumnPairs, Variant::Large, 200, 2, 50},
    {BoardId::frm8x8, "frm8x8", 8, 8, 1080,  720, 1080,  735, {0, 0, 8655, 5745}, {120, 5880, 8450, 615}, 8625, 6585,  8.25, IndexOrder::ColumnByColumn,     Variant::Large, 320, 3, 80},
}};
// clang-format on

constexpr const BoardLayout &boardLayout(BoardId id)
{
    return boardLayouts[static_cast<std::size_t>(id)];
}

} // namespace zorbel
