#pragma once

#include "boardlayout.h"

namespace zorbel {

struct GridCell
{
    int column;
    int row;
};

// Where card `index` stands on the board, by the layout's index order.
GridCell cellOfCard(const BoardLayout &layout, int index);

} // namespace zorbel
