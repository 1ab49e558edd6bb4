// The game position of Nine Men's Morris and the rule primitives that every other
// part of the program shares: stone counts, mobility, mills, slides and moves.
#pragma once

#include <cstdint>

#include "board_geometry.h"
#include "point_fields.h"

// A game position: a plain record of 51 signed 32-bit integers, copied whole by assignment.
// Elements 0..48 are the cells, 49 white's and 50 black's stones in hand.
//
// Invariants of every position the game produces: off-board squares hold CELL_OFFBOARD,
// board points hold CELL_EMPTY, PLAYER_BLACK or PLAYER_WHITE, hand counts lie in 0..9.
// The operations below never read off-board squares except where noted, so they stay
// memory-safe on any 51 integers; their results are only meaningful for valid positions.
struct Position {
    std::int32_t m_anData[POSITION_SIZE];

    std::int32_t& Cell(int nRow, int nCol) { return m_anData[CellIndex(nRow, nCol)]; }
    std::int32_t Cell(int nRow, int nCol) const { return m_anData[CellIndex(nRow, nCol)]; }

    // Stones in hand of nPlayer: white's for PLAYER_WHITE, black's for any other value.
    std::int32_t& Hand(int nPlayer) {
        return m_anData[nPlayer == PLAYER_WHITE ? WHITE_HAND : BLACK_HAND];
    }
    std::int32_t Hand(int nPlayer) const {
        return m_anData[nPlayer == PLAYER_WHITE ? WHITE_HAND : BLACK_HAND];
    }

    // Becomes the start position (the empty board, nine stones in each hand); returns
    // itself so that a temporary can be reset and copied in one expression.
    Position& ResetPosition();

    // Stones of nPlayer on the 24 points plus nPlayer's stones in hand.
    int CountStones(int nPlayer) const {
        return SumFields(FieldsEqual(PackPoints(m_anData), nPlayer)) + Hand(nPlayer);
    }

    // Number of (stone of nPlayer, empty neighbour point) pairs. An empty point next to two
    // of the player's stones counts twice; stones in hand count nothing.
    int CountMobility(int nPlayer) const {
        const std::uint64_t nPacked = PackPoints(m_anData);
        return CountNeighbourPairs(FieldsEqual(nPacked, nPlayer), FieldsEqual(nPacked, CELL_EMPTY));
    }

    // 1 when the column line or the row line chosen for (nRow, nCol) is a mill of nPlayer.
    // For a board point these are the point's own two lines, so the result is 1 exactly when
    // the point holds nPlayer's stone standing in a mill. For an off-board square the same
    // selection by row and column index applies. The caller guarantees 0..6 for both.
    int IsInMill(int nRow, int nCol, int nPlayer) const {
        // The column line, chosen by the column alone except for the split column 3.
        const int nColFirst = MillLineFirst(nCol, nRow);
        const int nColStep = LineStep(nCol);
        if (Cell(nColFirst, nCol) == nPlayer && Cell(nColFirst + nColStep, nCol) == nPlayer &&
            Cell(nColFirst + 2 * nColStep, nCol) == nPlayer) {
            return 1;
        }
        // The row line, chosen by the row alone except for the split row 3.
        const int nRowFirst = MillLineFirst(nRow, nCol);
        const int nRowStep = LineStep(nRow);
        return Cell(nRow, nRowFirst) == nPlayer && Cell(nRow, nRowFirst + nRowStep) == nPlayer &&
                       Cell(nRow, nRowFirst + 2 * nRowStep) == nPlayer
                   ? 1
                   : 0;
    }

    // 1 when the stone on the source may slide to the target: every coordinate in 0..6, the
    // source holds a stone of either colour, the target is an empty neighbour point.
    int IsLegalSlide(int nFromRow, int nFromCol, int nToRow, int nToCol) const;

    // Writes the source value into the target, then empties the source; always returns 1.
    // Tests nothing: the caller guarantees coordinates in 0..6 and a sensible move. A move
    // of a square onto itself leaves that square empty.
    int MoveStone(int nFromRow, int nFromCol, int nToRow, int nToCol);

    bool operator==(const Position&) const = default;
};
