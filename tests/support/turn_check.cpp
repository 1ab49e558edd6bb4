#include "turn_check.h"

#include <algorithm>
#include <array>

#include "board_points.h"
#include "point_neighbours.h"
#include "position_checks.h"

const std::vector<int>& ColumnMajorPoints() {
    static const std::vector<int> POINTS = [] {
        std::vector<int> points;
        for (int nCol = 0; nCol < GRID_SIZE; ++nCol) {
            for (int nRow = 0; nRow < GRID_SIZE; ++nRow) {
                if (BOARD_TEMPLATE[CellIndex(nRow, nCol)] != CELL_OFFBOARD) {
                    points.push_back(CellIndex(nRow, nCol));
                }
            }
        }
        return points;
    }();
    return POINTS;
}

namespace {

// The neighbours of each cell's point in the generator's order of directions: column - 1,
// row + 1, column + 1, row - 1; none for an off-board cell.
const std::vector<int>& Neighbours(int nFrom) {
    static const std::array<std::vector<int>, CELL_COUNT> NEIGHBOURS = [] {
        std::array<std::vector<int>, CELL_COUNT> table;
        for (int nPoint = 0; nPoint < POINT_COUNT; ++nPoint) {
            const int nCell = BOARD_POINTS[nPoint];
            const auto rank = [nCell](int nTo) {
                const int nRowStep = nTo / GRID_SIZE - nCell / GRID_SIZE;
                const int nColStep = nTo % GRID_SIZE - nCell % GRID_SIZE;
                return nColStep < 0 ? 0 : nRowStep > 0 ? 1 : nColStep > 0 ? 2 : 3;
            };
            for (int nTo : POINT_NEIGHBOURS[nPoint]) {
                if (nTo >= 0) {
                    table[static_cast<std::size_t>(nCell)].push_back(nTo);
                }
            }
            std::sort(table[static_cast<std::size_t>(nCell)].begin(),
                      table[static_cast<std::size_t>(nCell)].end(),
                      [&rank](int a, int b) { return rank(a) < rank(b); });
        }
        return table;
    }();
    return NEIGHBOURS[static_cast<std::size_t>(nFrom)];
}

bool IsSlide(int nFrom, int nTo) {
    const std::vector<int>& neighbours = Neighbours(nFrom);
    return std::find(neighbours.begin(), neighbours.end(), nTo) != neighbours.end();
}

// The two lines of three points through each cell's point: of the points of its grid row and
// of its grid column, in order and split in threes (row 3 and column 3 hold six, three on
// either side of the centre), the three that hold it.
using Line = std::array<int, 3>;
const std::array<Line, 2>& LinesThrough(int nCell) {
    static const std::array<std::array<Line, 2>, CELL_COUNT> LINES = [] {
        std::array<std::array<Line, 2>, CELL_COUNT> table{};
        for (int bColumn : {0, 1}) {
            for (int nLine = 0; nLine < GRID_SIZE; ++nLine) {
                std::vector<int> points;
                for (int nAlong = 0; nAlong < GRID_SIZE; ++nAlong) {
                    const int nPoint =
                        bColumn ? CellIndex(nAlong, nLine) : CellIndex(nLine, nAlong);
                    if (BOARD_TEMPLATE[nPoint] != CELL_OFFBOARD) {
                        points.push_back(nPoint);
                    }
                }
                for (std::size_t i = 0; i + 2 < points.size(); i += 3) {
                    for (std::size_t j = i; j < i + 3; ++j) {
                        table[static_cast<std::size_t>(points[j])][static_cast<std::size_t>(
                            bColumn)] = {points[i], points[i + 1], points[i + 2]};
                    }
                }
            }
        }
        return table;
    }();
    return LINES[static_cast<std::size_t>(nCell)];
}

// Whether the stone on nCell is nPlayer's and stands in a line of three of nPlayer's stones.
bool InMill(const Position& pos, int nCell, int nPlayer) {
    for (const Line& line : LinesThrough(nCell)) {
        if (pos.m_anData[line[0]] == nPlayer && pos.m_anData[line[1]] == nPlayer &&
            pos.m_anData[line[2]] == nPlayer) {
            return true;
        }
    }
    return false;
}

// The opposing stones that may be taken after a mill move, in column-major order.
std::vector<int> CapturableStones(const Position& posAfterMove, int nSide) {
    const int nOpponent = Opponent(nSide);
    std::vector<int> stones;
    for (int nCell : ColumnMajorPoints()) {
        if (posAfterMove.m_anData[nCell] == nOpponent && !InMill(posAfterMove, nCell, nOpponent)) {
            stones.push_back(nCell);
        }
    }
    return stones;
}

}  // namespace

int SlideCount(const Position& pos, int nSide) {
    int nCount = 0;
    for (int nPoint = 0; nPoint < POINT_COUNT; ++nPoint) {
        if (pos.m_anData[BOARD_POINTS[nPoint]] == nSide) {
            for (int nTo : POINT_NEIGHBOURS[nPoint]) {
                nCount += nTo >= 0 && pos.m_anData[nTo] == CELL_EMPTY ? 1 : 0;
            }
        }
    }
    return nCount;
}

int TurnKind(const Position& pos, int nSide) {
    if (pos.Hand(nSide) > 0) {
        return MOVE_PLACE;
    }
    return StonesOnBoard(pos, nSide) == 3 ? MOVE_JUMP : MOVE_SLIDE;
}

Position ApplyMove(const Position& parent, int nSide, const TurnChange& change) {
    Position pos = parent;
    if (change.nFrom < 0) {
        --pos.Hand(nSide);
    } else {
        pos.m_anData[change.nFrom] = CELL_EMPTY;
    }
    pos.m_anData[change.nTo] = nSide;
    return pos;
}

std::string ReadTurn(const Position& parent, const Position& child, int nSide, TurnChange& change) {
    change = {};
    const int nOpponent = Opponent(nSide);
    const int nKind = TurnKind(parent, nSide);

    // 1. Only a placement changes a hand, the side's own, by one.
    const int nHandDrop = nKind == MOVE_PLACE ? 1 : 0;
    if (child.Hand(nSide) != parent.Hand(nSide) - nHandDrop) {
        return "the side's hand went from " + std::to_string(parent.Hand(nSide)) + " to " +
               std::to_string(child.Hand(nSide));
    }
    if (child.Hand(nOpponent) != parent.Hand(nOpponent)) {
        return "the opponent's hand went from " + std::to_string(parent.Hand(nOpponent)) + " to " +
               std::to_string(child.Hand(nOpponent));
    }

    // 2. The side's stone arrives on one empty point and, unless placed, leaves one; at most
    // one opposing stone goes. Any other difference is a fault.
    for (int nCell = 0; nCell < CELL_COUNT; ++nCell) {
        const int nBefore = parent.m_anData[nCell];
        const int nAfter = child.m_anData[nCell];
        if (nBefore == nAfter) {
            continue;
        }
        if (nBefore == CELL_EMPTY && nAfter == nSide && change.nTo < 0) {
            change.nTo = nCell;
        } else if (nBefore == nSide && nAfter == CELL_EMPTY && nKind != MOVE_PLACE &&
                   change.nFrom < 0) {
            change.nFrom = nCell;
        } else if (nBefore == nOpponent && nAfter == CELL_EMPTY && change.nCaptured < 0) {
            change.nCaptured = nCell;
        } else {
            return "square " + CellName(nCell) + " went from " + std::to_string(nBefore) + " to " +
                   std::to_string(nAfter);
        }
    }
    if (change.nTo < 0) {
        return "no stone of the side arrived anywhere";
    }
    if (nKind != MOVE_PLACE && change.nFrom < 0) {
        return "a stone arrived on " + CellName(change.nTo) + " but none left its point";
    }
    if (nKind == MOVE_SLIDE && !IsSlide(change.nFrom, change.nTo)) {
        return "slide from " + CellName(change.nFrom) + " to " + CellName(change.nTo) +
               ", which is no neighbour";
    }

    // 3. A capture exactly after a mill, and never of a stone in a mill.
    const Position posAfterMove = ApplyMove(parent, nSide, change);
    const bool bMill = InMill(posAfterMove, change.nTo, nSide);
    if (change.nCaptured >= 0) {
        if (!bMill) {
            return "stone on " + CellName(change.nCaptured) + " taken without a mill";
        }
        if (InMill(posAfterMove, change.nCaptured, nOpponent)) {
            return "stone on " + CellName(change.nCaptured) + " taken out of a mill";
        }
    } else if (bMill) {
        return "mill closed on " + CellName(change.nTo) + " without a capture";
    }
    return "";
}

bool ForEachExpectedChild(const Position& pos, int nSide,
                          const std::function<bool(const Position&)>& visit) {
    // Hands the move's child, or its captures, to visit; false once visit has said stop.
    auto addTurn = [&](const TurnChange& change) {
        const Position posAfterMove = ApplyMove(pos, nSide, change);
        if (!InMill(posAfterMove, change.nTo, nSide)) {
            return visit(posAfterMove);
        }
        for (int nCaptured : CapturableStones(posAfterMove, nSide)) {
            Position posChild = posAfterMove;
            posChild.m_anData[nCaptured] = CELL_EMPTY;
            if (!visit(posChild)) {
                return false;
            }
        }
        return true;
    };

    const std::vector<int>& points = ColumnMajorPoints();
    const int nKind = TurnKind(pos, nSide);
    for (int nFrom : points) {
        if (nKind == MOVE_PLACE) {
            if (pos.m_anData[nFrom] == CELL_EMPTY && !addTurn({-1, nFrom, -1})) {
                return false;
            }
            continue;
        }
        if (pos.m_anData[nFrom] != nSide) {
            continue;
        }
        if (nKind == MOVE_SLIDE) {
            for (int nTo : Neighbours(nFrom)) {
                if (pos.m_anData[nTo] == CELL_EMPTY && !addTurn({nFrom, nTo, -1})) {
                    return false;
                }
            }
        } else {
            for (int nTo : points) {
                if (pos.m_anData[nTo] == CELL_EMPTY && !addTurn({nFrom, nTo, -1})) {
                    return false;
                }
            }
        }
    }
    return true;
}

std::vector<Position> ExpectedChildren(const Position& pos, int nSide) {
    std::vector<Position> children;
    ForEachExpectedChild(pos, nSide, [&children](const Position& child) {
        children.push_back(child);
        return true;
    });
    return children;
}

int BareMillSlides(const Position& pos, int nSide) {
    int nCount = 0;
    for (int nFrom : ColumnMajorPoints()) {
        if (pos.m_anData[nFrom] != nSide) {
            continue;
        }
        for (int nTo : Neighbours(nFrom)) {
            if (pos.m_anData[nTo] != CELL_EMPTY) {
                continue;
            }
            const Position posAfterMove = ApplyMove(pos, nSide, {nFrom, nTo, -1});
            if (InMill(posAfterMove, nTo, nSide) && CapturableStones(posAfterMove, nSide).empty()) {
                ++nCount;
            }
        }
    }
    return nCount;
}
