#include "cardgrid.h"

namespace zorbel {

namespace {

// frm8x5 takes its columns in swapped pairs, except for the first two cells of row 0.
bool keepsColumnOrder(const BoardLayout &layout, int column, int row)
{
    return row == 0 && column < 2 && layout.order == IndexOrder::SwappedColumnPairs;
}

} // namespace

GridCell cellOfCard(const BoardLayout &layout, int index)
{
    switch (layout.order) {
    case IndexOrder::ColumnByColumn:
        return {index / layout.rows, index % layout.rows};
    case IndexOrder::SwappedColumnPairs: {
        const int row = index / layout.columns;
        const int column = index % layout.columns;
        return {keepsColumnOrder(layout, column, row) ? column : column ^ 1, row};
    }
    case IndexOrder::RowByRow:
        break;
    }
    return {index % layout.columns, index / layout.columns};
}

} // namespace zorbel
