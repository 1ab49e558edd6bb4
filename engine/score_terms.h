// The scale and the terms of every score the engine gives, for Evaluate and the search.
#pragma once

inline constexpr int WIN_SCORE = 1000000;    // the game is decided for the evaluated side
inline constexpr int LOSS_SCORE = -1000000;  // the game is decided against it

// The weights of an undecided score: a stone more than the opponent (on the board or in
// hand), a slide more than the opponent's, and the random term's span. The search scores
// its nodes with these (engine/compact_evaluate.h), so they are the game's whole judgement.
// The tests that hold their exact numbers change with them: EvaluateTest.WorkedExamples,
// EvaluateTest.DecidedGamesAndTheirTieBreaks, EvaluateTest.ThreeStonesAreNeverBlocked,
// SearchTest.DeterministicWithoutRandomTerm, EngineCommand.SearchReportsIterationsAndHowItEnded
// and engine_bench_signature; the autoplay games BothWinners/AutoplayGameTest choose their
// node budgets so that a given side wins, which may need new budgets.
inline constexpr int STONE_WEIGHT = 1000;
inline constexpr int MOBILITY_WEIGHT = 10;
inline constexpr int RANDOM_SPAN = 10;

// Non-zero while every undecided score gets a random addition of 0..RANDOM_SPAN. Starts at
// 1 (engine/evaluate.cpp); the settings dialog writes it when it ends with OK.
extern int g_bRandomMoves;
