#include "point_names.h"

namespace {

// The 24 points in reading order of the drawn board: rank 7 down to rank 1, files a to g
// within a rank. Rank 7 - col and file a + row make this column-major order of the cells:
// a7 d7 g7 b6 d6 f6 c5 d5 e5 a4 b4 c4 e4 f4 g4 c3 d3 e3 b2 d2 f2 a1 d1 g1.
constexpr auto READING_ORDER = [] {
    struct {
        int anCell[POINT_COUNT];
    } order{};
    int nNext = 0;
    for (int nCol = 0; nCol < GRID_SIZE; ++nCol) {
        for (int nRow = 0; nRow < GRID_SIZE; ++nRow) {
            if (IsBoardPoint(nRow, nCol)) {
                order.anCell[nNext++] = CellIndex(nRow, nCol);
            }
        }
    }
    return order;
}();

}  // namespace

int ReadingOrderCell(int nPoint) {
    return READING_ORDER.anCell[nPoint];
}

std::string PointName(int nRow, int nCol) {
    std::string name;
    name += static_cast<char>('a' + nRow);
    name += static_cast<char>('0' + (7 - nCol));
    return name;
}
