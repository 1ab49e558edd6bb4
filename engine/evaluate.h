// The engine's one judgement of a position.
#pragma once

#include "position.h"

inline constexpr int WIN_SCORE = 1000000;    // the game is decided for the evaluated side
inline constexpr int LOSS_SCORE = -1000000;  // the game is decided against it

// Non-zero while every undecided score gets a random addition of 0..10. Starts at 1; the
// settings dialog writes it when it ends with OK.
extern int g_bRandomMoves;

// Score of pos from nPlayer's point of view (nPlayer is PLAYER_BLACK or PLAYER_WHITE).
//
// A decided game scores exactly WIN_SCORE or LOSS_SCORE and draws no random number; every
// caller tests for the end of a game by comparing with these. An undecided game scores
// r + 10 * (100 * stone difference + mobility difference), whose magnitude stays below
// 10000, where r is 0..10 drawn from CrtRand while g_bRandomMoves is set, else 0.
//
// The order of the tests is the tie-break: the opponent below three stones wins before the
// player below three loses, and the player's own blockade loses before the opponent's
// wins. Mobility counts only for a side with four or more stones, so a side of three, which
// jumps, is never blocked; a side with a stone in hand can always place it and is never
// blocked either.
int Evaluate(const Position& pos, int nPlayer);
