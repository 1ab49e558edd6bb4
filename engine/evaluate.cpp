#include "evaluate.h"

#include "compact_evaluate.h"

int g_bRandomMoves = 1;

int Evaluate(const Position& pos, int nPlayer) {
    const CompactBoard board = ToCompactBoard(pos);
    return nPlayer == PLAYER_WHITE ? EvaluateCompact<1>(board) : EvaluateCompact<0>(board);
}
