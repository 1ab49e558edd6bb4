#include "evaluate.h"

#include "compact_evaluate.h"

int g_bRandomMoves = 1;

namespace {

int EvaluateOn(const Position& pos, int nPlayer, int bRandom) {
    const CompactBoard board = ToCompactBoard(pos);
    return nPlayer == PLAYER_WHITE ? EvaluateCompact<1>(board, bRandom)
                                   : EvaluateCompact<0>(board, bRandom);
}

}  // namespace

int Evaluate(const Position& pos, int nPlayer) {
    return EvaluateOn(pos, nPlayer, g_bRandomMoves);
}

bool IsLost(const Position& pos, int nPlayer) {
    return EvaluateOn(pos, nPlayer, 0) <= LOSS_SCORE;
}
