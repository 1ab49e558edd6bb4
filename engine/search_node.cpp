#include "search_node.h"

#include <array>
#include <cstddef>

namespace {

// SLIDE_TARGETS[cell][direction]; index 0 of the direction is unused.
constexpr auto SLIDE_TARGETS = [] {
    std::array<std::array<std::int8_t, 5>, CELL_COUNT> aTargets{};
    for (std::size_t nCell = 0; nCell < CELL_COUNT; ++nCell) {
        aTargets[nCell][0] = -1;
        for (std::size_t nDirection = DIRECTION_LEFT; nDirection <= DIRECTION_UP; ++nDirection) {
            aTargets[nCell][nDirection] = static_cast<std::int8_t>(
                ComputeSlideTarget(static_cast<int>(nCell), static_cast<int>(nDirection)));
        }
    }
    return aTargets;
}();

// The generator scans COLUMN_MAJOR_POINTS: off-board squares never hold CELL_EMPTY or a
// stone, so scanning only the points visits the same squares the full grid scan would find.

// Column-major index of a square: col * 7 + row; 49 and above lie past the grid.
constexpr int ColumnMajorIndex(int nRow, int nCol) {
    return nCol * GRID_SIZE + nRow;
}
constexpr int ColumnMajorIndexOfCell(int nCell) {
    return ColumnMajorIndex(nCell / GRID_SIZE, nCell % GRID_SIZE);
}

// Row and column of each cell, so that the generator's hot loops need no division.
constexpr auto CELL_ROW = [] {
    std::array<std::int8_t, CELL_COUNT> aRow{};
    for (std::size_t nCell = 0; nCell < CELL_COUNT; ++nCell) {
        aRow[nCell] = static_cast<std::int8_t>(nCell / GRID_SIZE);
    }
    return aRow;
}();
constexpr auto CELL_COL = [] {
    std::array<std::int8_t, CELL_COUNT> aCol{};
    for (std::size_t nCell = 0; nCell < CELL_COUNT; ++nCell) {
        aCol[nCell] = static_cast<std::int8_t>(nCell % GRID_SIZE);
    }
    return aCol;
}();

// FIRST_POINT_FROM[k]: the first entry of COLUMN_MAJOR_POINTS at column-major index k or
// later (POINT_COUNT when none); k = 49 stands for "past the grid".
constexpr auto FIRST_POINT_FROM = [] {
    std::array<std::int8_t, CELL_COUNT + 1> aFirst{};
    std::size_t nPoint = POINT_COUNT;
    for (std::size_t k = aFirst.size(); k-- > 0;) {
        if (nPoint > 0 && static_cast<std::size_t>(
                              ColumnMajorIndexOfCell(COLUMN_MAJOR_POINTS[nPoint - 1])) == k) {
            --nPoint;
        }
        aFirst[k] = static_cast<std::int8_t>(nPoint);
    }
    return aFirst;
}();

// The tables' entries for the signed cell, point and direction numbers that the record and
// the cursors use; the callers keep them in range.
constexpr int SlideTargetOf(int nCell, int nDirection) {
    return SLIDE_TARGETS[static_cast<std::size_t>(nCell)][static_cast<std::size_t>(nDirection)];
}
constexpr int PointCell(int nPoint) {
    return COLUMN_MAJOR_POINTS[static_cast<std::size_t>(nPoint)];
}
constexpr int CellRow(int nCell) {
    return CELL_ROW[static_cast<std::size_t>(nCell)];
}
constexpr int CellCol(int nCell) {
    return CELL_COL[static_cast<std::size_t>(nCell)];
}

// The first point at or after the cursor square (nRow, nCol), both already normalised to
// a row in 0..6 and a column of 7 or more meaning the end.
int FirstPointFrom(int nRow, int nCol) {
    const int k = ColumnMajorIndex(nRow, nCol);
    return FIRST_POINT_FROM[static_cast<std::size_t>(k < CELL_COUNT ? k : CELL_COUNT)];
}

// A position with a stone moved from one cell to another (or placed, when nFrom is -1)
// closes a mill of nSide at nTo. The test writes into pos and restores it, so that the
// generator needs no copy of the position for a move that closes no mill.
int ClosesMill(Position& pos, int nFrom, int nTo, int nSide) {
    const std::int32_t nSavedTo = pos.m_anData[nTo];
    std::int32_t nSavedFrom = 0;
    if (nFrom >= 0) {
        nSavedFrom = pos.m_anData[nFrom];
        pos.m_anData[nFrom] = CELL_EMPTY;
    }
    pos.m_anData[nTo] = nSide;
    const int bMill = pos.IsInMill(CellRow(nTo), CellCol(nTo), nSide);
    pos.m_anData[nTo] = nSavedTo;
    if (nFrom >= 0) {
        pos.m_anData[nFrom] = nSavedFrom;
    }
    return bMill;
}

}  // namespace

int SlideTarget(int nCell, int nDirection) {
    if (nCell < 0 || nCell >= CELL_COUNT || nDirection < DIRECTION_LEFT ||
        nDirection > DIRECTION_UP) {
        return -1;
    }
    return SlideTargetOf(nCell, nDirection);
}

SearchNode::SearchNode()
    : m_nSide(0),
      m_nKind(0),
      m_nFromRow(0),
      m_nFromCol(0),
      m_nToRow(0),
      m_nToCol(0),
      m_nCapturesLeft(0),
      m_nCaptureRow(0),
      m_nCaptureCol(0),
      m_nDirection(0) {
    m_pos.ResetPosition();
    m_posAfterMove = m_pos;
}

void SearchNode::InitMoves(const Position& pos, int nSide) {
    if (pos.Hand(nSide) > 0) {
        m_nKind = MOVE_PLACE;
    } else if (pos.CountStones(nSide) == 3) {
        m_nKind = MOVE_JUMP;
    } else {
        m_nKind = MOVE_SLIDE;
    }
    m_pos = pos;
    m_nFromRow = 0;
    m_nFromCol = 0;
    m_nToRow = 0;
    m_nToCol = 0;
    m_nCapturesLeft = 0;
    m_nSide = nSide;
    m_nDirection = 1;
}

int SearchNode::NextMove() {
    // A mill move may find no capturable stone; it is then given up and the move phase
    // goes on, which may close another mill. Each pass either returns or moves a cursor
    // forward, so the loop ends.
    for (;;) {
        if (m_nCapturesLeft > 0) {
            if (FindCapture()) {
                return 1;
            }
            AdvanceMoveCursor();
        }
        int nFound = 0;
        switch (m_nKind) {
            case MOVE_PLACE:
                nFound = FindPlacement();
                break;
            case MOVE_SLIDE:
                nFound = FindSlide();
                break;
            case MOVE_JUMP:
                nFound = FindJump();
                break;
            default:
                return 0;
        }
        // 1: a plain move; -1: a mill move whose capture phase begins; 0: no move left.
        if (nFound >= 0) {
            return nFound;
        }
    }
}

// Capture phase: from the capture cursor on, column-major, the next opposing stone in no
// mill. Stones in a mill are counted off here; when the count reaches 0 without a find,
// returns 0 with m_nCapturesLeft at 0 and the mill move is given up by the caller.
int SearchNode::FindCapture() {
    const int nOpponent = Opponent(m_nSide);
    int nRow = m_nCaptureRow;
    int nCol = m_nCaptureCol;
    if (nRow >= GRID_SIZE) {
        nRow = 0;
        ++nCol;
    }
    for (; nCol < GRID_SIZE; ++nCol, nRow = 0) {
        for (; nRow < GRID_SIZE; ++nRow) {
            if (m_posAfterMove.Cell(nRow, nCol) != nOpponent) {
                continue;
            }
            if (m_posAfterMove.IsInMill(nRow, nCol, nOpponent)) {
                if (--m_nCapturesLeft == 0) {
                    return 0;
                }
                continue;
            }
            m_nCaptureRow = nRow;
            m_nCaptureCol = nCol;
            return 1;
        }
    }
    // Unreachable while the count equals the opposing stones on the board; a count that
    // outlives the scan must not keep the move alive.
    m_nCapturesLeft = 0;
    return 0;
}

// Start of a capture after a mill move: every opposing stone on the board is a candidate.
// Returns -1 so that NextMove continues with the capture phase; with no opposing stone on
// the board the move is given up at once.
int SearchNode::StartCapture(const Position& posAfterMove) {
    m_posAfterMove = posAfterMove;
    const int nOpponent = Opponent(m_nSide);
    m_nCapturesLeft = m_posAfterMove.CountStones(nOpponent) - m_posAfterMove.Hand(nOpponent);
    m_nCaptureRow = 0;
    m_nCaptureCol = 0;
    if (m_nCapturesLeft <= 0) {
        m_nCapturesLeft = 0;
        AdvanceMoveCursor();
    }
    return -1;
}

int SearchNode::FindPlacement() {
    int nRow = m_nFromRow;
    int nCol = m_nFromCol;
    if (nRow >= GRID_SIZE) {
        nRow = 0;
        ++nCol;
    }
    for (int nPoint = FirstPointFrom(nRow, nCol); nPoint < POINT_COUNT; ++nPoint) {
        const int nCell = PointCell(nPoint);
        if (m_pos.m_anData[nCell] != CELL_EMPTY) {
            continue;
        }
        m_nFromRow = CellRow(nCell);
        m_nFromCol = CellCol(nCell);
        if (ClosesMill(m_pos, -1, nCell, m_nSide)) {
            Position posAfter = m_pos;
            posAfter.m_anData[nCell] = m_nSide;
            --posAfter.Hand(m_nSide);
            return StartCapture(posAfter);
        }
        return 1;
    }
    m_nFromRow = 0;
    m_nFromCol = GRID_SIZE;
    return 0;
}

int SearchNode::FindSlide() {
    int nDirection = m_nDirection;
    int nRow = m_nFromRow;
    int nCol = m_nFromCol;
    if (nDirection > DIRECTION_UP) {
        nDirection = DIRECTION_LEFT;
        ++nRow;
    }
    if (nRow >= GRID_SIZE) {
        nRow = 0;
        ++nCol;
    }
    // The direction cursor applies to the square the cursor stands on; every later source
    // starts with direction 1.
    int nPoint = FirstPointFrom(nRow, nCol);
    if (nPoint < POINT_COUNT && PointCell(nPoint) != CellIndex(nRow, nCol)) {
        nDirection = DIRECTION_LEFT;
    }
    for (; nPoint < POINT_COUNT; ++nPoint, nDirection = DIRECTION_LEFT) {
        const int nFrom = PointCell(nPoint);
        if (m_pos.m_anData[nFrom] != m_nSide) {
            continue;
        }
        for (; nDirection <= DIRECTION_UP; ++nDirection) {
            const int nTo = SlideTargetOf(nFrom, nDirection);
            if (nTo < 0 || m_pos.m_anData[nTo] != CELL_EMPTY) {
                continue;
            }
            m_nFromRow = CellRow(nFrom);
            m_nFromCol = CellCol(nFrom);
            m_nDirection = nDirection;
            m_nToRow = CellRow(nTo);
            m_nToCol = CellCol(nTo);
            if (ClosesMill(m_pos, nFrom, nTo, m_nSide)) {
                Position posAfter = m_pos;
                posAfter.MoveStone(m_nFromRow, m_nFromCol, m_nToRow, m_nToCol);
                return StartCapture(posAfter);
            }
            return 1;
        }
    }
    m_nFromRow = 0;
    m_nFromCol = GRID_SIZE;
    m_nDirection = DIRECTION_LEFT;
    return 0;
}

int SearchNode::FindJump() {
    int nFromCol = m_nFromCol;
    int nFromRow = m_nFromRow;
    int nToCol = m_nToCol;
    int nToRow = m_nToRow;
    if (nToRow >= GRID_SIZE) {
        nToRow = 0;
        ++nToCol;
    }
    if (nToCol >= GRID_SIZE) {
        nToCol = 0;
        ++nFromRow;
    }
    if (nFromRow >= GRID_SIZE) {
        nFromRow = 0;
        ++nFromCol;
    }
    // The destination cursor applies to the source the cursor stands on; every later source
    // starts with the first destination.
    int nSource = FirstPointFrom(nFromRow, nFromCol);
    int nFirstTarget = FirstPointFrom(nToRow, nToCol);
    if (nSource < POINT_COUNT && PointCell(nSource) != CellIndex(nFromRow, nFromCol)) {
        nFirstTarget = 0;
    }
    for (; nSource < POINT_COUNT; ++nSource, nFirstTarget = 0) {
        const int nFrom = PointCell(nSource);
        if (m_pos.m_anData[nFrom] != m_nSide) {
            continue;
        }
        for (int nTarget = nFirstTarget; nTarget < POINT_COUNT; ++nTarget) {
            const int nTo = PointCell(nTarget);
            if (m_pos.m_anData[nTo] != CELL_EMPTY) {
                continue;
            }
            m_nFromCol = CellCol(nFrom);
            m_nFromRow = CellRow(nFrom);
            m_nToCol = CellCol(nTo);
            m_nToRow = CellRow(nTo);
            if (ClosesMill(m_pos, nFrom, nTo, m_nSide)) {
                Position posAfter = m_pos;
                posAfter.MoveStone(m_nFromRow, m_nFromCol, m_nToRow, m_nToCol);
                return StartCapture(posAfter);
            }
            return 1;
        }
    }
    m_nFromCol = GRID_SIZE;
    m_nFromRow = 0;
    m_nToCol = 0;
    m_nToRow = 0;
    return 0;
}

void SearchNode::AdvanceMoveCursor() {
    switch (m_nKind) {
        case MOVE_PLACE:
            ++m_nFromRow;
            break;
        case MOVE_SLIDE:
            ++m_nDirection;
            break;
        case MOVE_JUMP:
            ++m_nToRow;
            break;
        default:
            break;
    }
}

Position& SearchNode::MakeChild(Position& child) {
    if (m_nCapturesLeft > 0) {
        // A capture: the mill move with the stone at the capture cursor taken off.
        child = m_posAfterMove;
        if (IsOnGrid(m_nCaptureRow, m_nCaptureCol) &&
            child.Cell(m_nCaptureRow, m_nCaptureCol) != CELL_OFFBOARD) {
            child.Cell(m_nCaptureRow, m_nCaptureCol) = CELL_EMPTY;
        }
        ++m_nCaptureRow;
        if (--m_nCapturesLeft == 0) {
            AdvanceMoveCursor();
        }
        return child;
    }
    // A plain move applied to m_pos.
    child = m_pos;
    if (m_nKind == MOVE_PLACE) {
        if (IsOnGrid(m_nFromRow, m_nFromCol) && child.Cell(m_nFromRow, m_nFromCol) == CELL_EMPTY &&
            child.Hand(m_nSide) > 0) {
            child.Cell(m_nFromRow, m_nFromCol) = m_nSide;
            --child.Hand(m_nSide);
        }
    } else if (IsOnGrid(m_nFromRow, m_nFromCol) && IsOnGrid(m_nToRow, m_nToCol)) {
        child.MoveStone(m_nFromRow, m_nFromCol, m_nToRow, m_nToCol);
    }
    // The cursors move on past the plain move.
    AdvanceMoveCursor();
    return child;
}
