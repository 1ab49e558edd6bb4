// The search's own form of a position: the stones of each side as a 24-bit mask with the
// points numbered in the move generator's order, so that walking a mask from its lowest bit
// up visits points in the order the generator does, and the slides as bits of a 64-bit mask
// of directed neighbour pairs numbered in the generator's order as well.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "board_geometry.h"
#include "slide_step.h"

struct Position;

inline constexpr int SLIDE_PAIR_COUNT = 64;  // 32 pairs of neighbours, each in both directions
inline constexpr std::uint32_t ALL_POINTS = (1u << POINT_COUNT) - 1;

// The tables of the compact form, all derived from the board's geometry at compile time.
// Points and pairs are numbered from 0 and indexed with unsigned numbers; cells keep the
// signed numbers of the board's geometry, -1 meaning none.
struct CompactTables {
    // Cell of each point, points in column-major order (column outer, row inner).
    std::array<std::uint8_t, POINT_COUNT> anPointCell{};
    // Point of each cell, -1 for an off-board square.
    std::array<std::int8_t, CELL_COUNT> anCellPoint{};
    // Directed pairs (source point, target point), sources in point order and for each
    // source the directions 1..4: the order in which the generator tries slides.
    std::array<std::uint8_t, SLIDE_PAIR_COUNT> anPairFrom{};
    std::array<std::uint8_t, SLIDE_PAIR_COUNT> anPairTo{};
    // For each point, the pairs that start at it and the pairs that end at it.
    std::array<std::uint64_t, POINT_COUNT> anPairsFrom{};
    std::array<std::uint64_t, POINT_COUNT> anPairsTo{};
    // For each point, the other two points of its column line and of its row line.
    std::array<std::array<std::uint32_t, 2>, POINT_COUNT> anLinePartners{};
    // The 16 lines as point masks.
    std::array<std::uint32_t, 16> anLines{};
    // What a slide along each pair changes, for a mover whose stone stands on the source
    // and a target that is empty: the two points, the mover's pairs starting at either
    // point, and the pairs ending at either point, each flipped by an exclusive or.
    std::array<std::uint32_t, SLIDE_PAIR_COUNT> anPairPoints{};
    std::array<std::uint64_t, SLIDE_PAIR_COUNT> anPairFromFlip{};
    std::array<std::uint64_t, SLIDE_PAIR_COUNT> anPairToFlip{};
    // The line partners of each pair's target.
    std::array<std::array<std::uint32_t, 2>, SLIDE_PAIR_COUNT> anPairLinePartners{};

    // The point on cell nCell (0..48), -1 for an off-board square.
    constexpr int CellPoint(int nCell) const {
        return anCellPoint[static_cast<std::size_t>(nCell)];
    }
};

constexpr CompactTables MakeCompactTables() {
    CompactTables tables;
    tables.anCellPoint.fill(-1);
    for (std::size_t nPoint = 0; nPoint < POINT_COUNT; ++nPoint) {
        const int nCell = COLUMN_MAJOR_POINTS[nPoint];
        tables.anPointCell[nPoint] = static_cast<std::uint8_t>(nCell);
        tables.anCellPoint[static_cast<std::size_t>(nCell)] = static_cast<std::int8_t>(nPoint);
    }
    std::size_t nPair = 0;
    std::size_t nLines = 0;
    for (std::size_t nFrom = 0; nFrom < POINT_COUNT; ++nFrom) {
        const int nCell = tables.anPointCell[nFrom];
        for (int nDirection = DIRECTION_LEFT; nDirection <= DIRECTION_UP; ++nDirection) {
            const int nTargetCell = ComputeSlideTarget(nCell, nDirection);
            if (nTargetCell < 0 || tables.CellPoint(nTargetCell) < 0) {
                continue;
            }
            const auto nTo = static_cast<std::size_t>(tables.CellPoint(nTargetCell));
            tables.anPairFrom[nPair] = static_cast<std::uint8_t>(nFrom);
            tables.anPairTo[nPair] = static_cast<std::uint8_t>(nTo);
            tables.anPairsFrom[nFrom] |= std::uint64_t{1} << nPair;
            tables.anPairsTo[nTo] |= std::uint64_t{1} << nPair;
            ++nPair;
        }
        // The column line, then the row line, chosen as the mill test chooses them.
        const int nRow = nCell / GRID_SIZE;
        const int nCol = nCell % GRID_SIZE;
        const int anFirst[2] = {MillLineFirst(nCol, nRow), MillLineFirst(nRow, nCol)};
        const int anStep[2] = {LineStep(nCol), LineStep(nRow)};
        for (std::size_t nLine = 0; nLine < 2; ++nLine) {
            std::uint32_t nMask = 0;
            for (int k = 0; k < 3; ++k) {
                const int nAlong = anFirst[nLine] + k * anStep[nLine];
                const int nLineCell =
                    nLine == 0 ? CellIndex(nAlong, nCol) : CellIndex(nRow, nAlong);
                nMask |= 1u << tables.CellPoint(nLineCell);
            }
            tables.anLinePartners[nFrom][nLine] = nMask & ~(1u << nFrom);
            bool bKnown = false;
            for (std::size_t i = 0; i < nLines; ++i) {
                bKnown = bKnown || tables.anLines[i] == nMask;
            }
            if (!bKnown && nLines < tables.anLines.size()) {
                tables.anLines[nLines++] = nMask;
            }
        }
    }
    for (std::size_t nSlide = 0; nSlide < SLIDE_PAIR_COUNT; ++nSlide) {
        const std::size_t nFrom = tables.anPairFrom[nSlide];
        const std::size_t nTo = tables.anPairTo[nSlide];
        tables.anPairPoints[nSlide] = (1u << nFrom) | (1u << nTo);
        tables.anPairFromFlip[nSlide] = tables.anPairsFrom[nFrom] ^ tables.anPairsFrom[nTo];
        tables.anPairToFlip[nSlide] = tables.anPairsTo[nFrom] ^ tables.anPairsTo[nTo];
        tables.anPairLinePartners[nSlide] = tables.anLinePartners[nTo];
    }
    return tables;
}

inline constexpr CompactTables COMPACT = MakeCompactTables();

// Every point is some pair's source and target, and there are 64 pairs and 16 lines.
static_assert(COMPACT.anPairsFrom[POINT_COUNT - 1] >> (SLIDE_PAIR_COUNT - 2) != 0);
static_assert(COMPACT.anLines[15] != 0);

// The lines in point order fall into three groups, which the search tests for full lines
// with a few shifts where it can: the eight column lines are three consecutive points
// starting at a multiple of 3; the two halves of the middle row are three points 3 apart,
// starting at points 1 and 16; the six other row lines are tested one by one.
inline constexpr std::uint32_t COLUMN_LINE_STARTS = 0x249249;  // points 0, 3, 6, ..., 21
inline constexpr std::uint32_t MIDDLE_ROW_STARTS = (1u << 1) | (1u << 16);
inline constexpr int OTHER_ROW_LINES = 6;

constexpr bool IsColumnLine(std::uint32_t nLine) {
    for (std::uint32_t nStart = 0; nStart < POINT_COUNT; nStart += 3) {
        if (nLine == 7u << nStart) {
            return true;
        }
    }
    return false;
}
constexpr bool IsMiddleRowLine(std::uint32_t nLine) {
    return nLine == 0x49u << 1 || nLine == 0x49u << 16;
}

// The row lines that are neither column lines nor halves of the middle row.
constexpr std::array<std::uint32_t, OTHER_ROW_LINES> MakeOtherRowLines() {
    std::array<std::uint32_t, OTHER_ROW_LINES> anOther{};
    std::size_t nCount = 0;
    for (std::uint32_t nLine : COMPACT.anLines) {
        if (!IsColumnLine(nLine) && !IsMiddleRowLine(nLine) && nCount < anOther.size()) {
            anOther[nCount++] = nLine;
        }
    }
    return anOther;
}
inline constexpr std::array<std::uint32_t, OTHER_ROW_LINES> OTHER_ROW_LINE_MASKS =
    MakeOtherRowLines();

// The three groups hold all 16 lines, 8 + 2 + 6 of them.
constexpr bool LinesFallIntoTheGroups() {
    int anCount[3] = {0, 0, 0};
    for (std::uint32_t nLine : COMPACT.anLines) {
        ++anCount[IsColumnLine(nLine) ? 0 : IsMiddleRowLine(nLine) ? 1 : 2];
    }
    return anCount[0] == 8 && anCount[1] == 2 && anCount[2] == OTHER_ROW_LINES;
}
static_assert(LinesFallIntoTheGroups());

// A position for the search. Sides are indexed by player - 1: 0 black, 1 white.
struct CompactBoard {
    std::uint32_t anStones[2];  // the side's stones on the points
    std::uint64_t anFrom[2];    // slide pairs whose source holds the side's stone
    std::uint64_t nToEmpty;     // slide pairs whose target is empty
    std::int32_t anHand[2];     // stones in hand
    std::int32_t anTotal[2];    // stones on the board and in hand
};

// The compact form of pos. Points holding PLAYER_BLACK or PLAYER_WHITE become stones, every
// other point counts as empty; for a position that keeps the record's invariants the
// compact form describes exactly the same game.
CompactBoard ToCompactBoard(const Position& pos);
