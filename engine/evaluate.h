// The engine's one judgement of a position.
#pragma once

#include "position.h"
#include "score_terms.h"

// Score of pos from nPlayer's point of view (nPlayer is PLAYER_BLACK or PLAYER_WHITE).
//
// A decided game scores exactly WIN_SCORE or LOSS_SCORE and draws no random number; every
// caller tests for the end of a game by comparing with these. An undecided game scores
// r + STONE_WEIGHT * stone difference + MOBILITY_WEIGHT * mobility difference, far from
// both, where r is 0..RANDOM_SPAN drawn from CrtRand while g_bRandomMoves is set, else 0.
//
// The order of the tests is the tie-break: the opponent below JUMP_STONES wins before the
// player below JUMP_STONES loses, and the player's own blockade loses before the opponent's
// wins. Mobility counts only for a side with more than JUMP_STONES stones, so a side that
// jumps is never blocked; a side with a stone in hand can always place it and is never
// blocked either. Runs the search's own evaluation on the compact form of pos.
int Evaluate(const Position& pos, int nPlayer);

// Whether the game in pos is decided against nPlayer: Evaluate would give LOSS_SCORE. Draws
// no random number, so asking it (as the screen reader's announcements do) leaves the random
// sequence of the search and of the statistics line as it would be without the question.
bool IsLost(const Position& pos, int nPlayer);
