#include "point_names.h"

int ReadingOrderCell(int nPoint) {
    return COLUMN_MAJOR_POINTS[static_cast<std::size_t>(nPoint)];
}

std::string PointName(int nRow, int nCol) {
    std::string name;
    name += static_cast<char>('a' + nRow);
    name += static_cast<char>('0' + (7 - nCol));
    return name;
}
