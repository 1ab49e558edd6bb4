#include "evaluate.h"

#include "crt_random.h"

int g_bRandomMoves = 1;

int Evaluate(const Position& pos, int nPlayer) {
    const int nOpponent = Opponent(nPlayer);

    // 1. Stones on the board and in hand.
    const int nStonesMe = pos.CountStones(nPlayer);
    const int nStonesOpp = pos.CountStones(nOpponent);

    // 2. A side below three stones has lost; the opponent's count is tested first.
    if (nStonesOpp < 3) {
        return WIN_SCORE;
    }
    if (nStonesMe < 3) {
        return LOSS_SCORE;
    }

    // 3. A side of four or more without a free neighbour and with nothing in hand is
    // blocked and has lost; the player's own blockade is tested first.
    int nMobilityMe = 0;
    if (nStonesMe >= 4) {
        nMobilityMe = pos.CountMobility(nPlayer);
        if (nMobilityMe == 0 && pos.Hand(nPlayer) == 0) {
            return LOSS_SCORE;
        }
    }
    int nMobilityOpp = 0;
    if (nStonesOpp >= 4) {
        nMobilityOpp = pos.CountMobility(nOpponent);
        if (nMobilityOpp == 0 && pos.Hand(nOpponent) == 0) {
            return WIN_SCORE;
        }
    }

    // 4. The random term, at most the worth of one point of mobility.
    int nRandom = 0;
    if (g_bRandomMoves) {
        nRandom = CrtRand() * 10 / CRT_RAND_MAX;
    }

    // 5. A stone is worth 1000, a point of mobility 10.
    return nRandom + 10 * (100 * (nStonesMe - nStonesOpp) + nMobilityMe - nMobilityOpp);
}
