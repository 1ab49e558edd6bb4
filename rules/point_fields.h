// The 24 board points packed into one 64-bit word, two bits a point, for counting stones and
// mobility with a few word operations instead of a loop over the points.
//
// Points are ordered ring by ring (outer, middle, inner; 8 points a ring, 16 bits), and
// within a ring in cyclic order, so that the neighbours of a point are the slots before and
// after it in its ring and, for the four middle points of a ring's sides (odd slots), the
// same slot in the rings inside and outside it.
#pragma once

#include <cstdint>
#include <utility>

#include "board_geometry.h"

// Cell of ring slot s: ring r = s / 8 lies on grid lines a = r and b = 6 - r; the slots of a
// ring run (a,a), (3,a), (b,a), (b,3), (b,b), (3,b), (a,b), (a,3) and back to (a,a).
// clang-format off
inline constexpr std::int8_t RING_POINTS[POINT_COUNT] = {
    /* outer  */ CellIndex(0, 0), CellIndex(3, 0), CellIndex(6, 0), CellIndex(6, 3),
                 CellIndex(6, 6), CellIndex(3, 6), CellIndex(0, 6), CellIndex(0, 3),
    /* middle */ CellIndex(1, 1), CellIndex(3, 1), CellIndex(5, 1), CellIndex(5, 3),
                 CellIndex(5, 5), CellIndex(3, 5), CellIndex(1, 5), CellIndex(1, 3),
    /* inner  */ CellIndex(2, 2), CellIndex(3, 2), CellIndex(4, 2), CellIndex(4, 3),
                 CellIndex(4, 4), CellIndex(3, 4), CellIndex(2, 4), CellIndex(2, 3),
};
// clang-format on

// Field masks in the packed word: the low bit of every point's field, the low bits of the
// first slot of each ring, and the low bits of the odd slots (the points joined to the
// neighbouring rings).
inline constexpr std::uint64_t FIELD_LOW_BITS = 0x0000'5555'5555'5555ULL;
inline constexpr std::uint64_t RING_FIRST_SLOTS = 0x0000'0001'0001'0001ULL;
inline constexpr std::uint64_t RING_LAST_SLOTS = RING_FIRST_SLOTS << 14;
inline constexpr std::uint64_t ODD_SLOTS = 0x0000'4444'4444'4444ULL;

// The point values 0, 1 or 2 in their two-bit fields. Straight-line code over the fixed list
// of points, so that several counts on one position in one function share it.
// A value outside 0..3 is taken modulo 4; board points hold 0, 1 or 2.
inline std::uint64_t PackPoints(const std::int32_t* anCells) {
    return [anCells]<std::size_t... I>(std::index_sequence<I...>) {
        return ((static_cast<std::uint64_t>(anCells[RING_POINTS[I]] & 3) << (2 * I)) | ...);
    }
    (std::make_index_sequence<POINT_COUNT>());
}

// A one in the low bit of each field whose value is nValue (0..3).
inline std::uint64_t FieldsEqual(std::uint64_t nPacked, int nValue) {
    const std::uint64_t nDiffer =
        nPacked ^ (static_cast<std::uint64_t>(nValue & 3) * FIELD_LOW_BITS);
    return ~(nDiffer | (nDiffer >> 1)) & FIELD_LOW_BITS;
}

// Sum of the two-bit fields of a word whose fields hold at most 2 each.
inline int SumFields(std::uint64_t nFields) {
    nFields = (nFields & 0x3333'3333'3333'3333ULL) + ((nFields >> 2) & 0x3333'3333'3333'3333ULL);
    nFields = (nFields + (nFields >> 4)) & 0x0F0F'0F0F'0F0F'0F0FULL;
    return static_cast<int>((nFields * 0x0101'0101'0101'0101ULL) >> 56);
}

// For a set of points (low field bits), the points whose neighbour in each of the four
// directions around the board lies in that set: the next and previous slot of the same
// ring, and the same odd slot one ring further in or out.
inline std::uint64_t NextInRing(std::uint64_t nSet) {
    return ((nSet >> 2) & ~RING_LAST_SLOTS) | ((nSet << 14) & RING_LAST_SLOTS);
}
inline std::uint64_t PreviousInRing(std::uint64_t nSet) {
    return ((nSet << 2) & ~RING_FIRST_SLOTS & FIELD_LOW_BITS) | ((nSet >> 14) & RING_FIRST_SLOTS);
}
inline std::uint64_t RingInside(std::uint64_t nSet) {
    return (nSet >> 16) & ODD_SLOTS;
}
inline std::uint64_t RingOutside(std::uint64_t nSet) {
    return (nSet << 16) & ODD_SLOTS & FIELD_LOW_BITS;
}

// Number of (point in nOwn, neighbour point in nFree) pairs.
inline int CountNeighbourPairs(std::uint64_t nOwn, std::uint64_t nFree) {
    const std::uint64_t nAlongRings = (nOwn & NextInRing(nFree)) + (nOwn & PreviousInRing(nFree));
    const std::uint64_t nAcrossRings = (nOwn & RingInside(nFree)) + (nOwn & RingOutside(nFree));
    return SumFields(nAlongRings) + SumFields(nAcrossRings);
}
