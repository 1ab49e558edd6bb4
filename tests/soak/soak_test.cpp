// Soak run: the computer plays autoplay games against itself on scripted window services
// with a small search budget, game after game, for PELVAR_SOAK_MOVES moves (2000 unless the
// environment says otherwise; 10000 and more by hand). After every move each side's stones on
// the board, in hand and captured must add up to nine, where "captured" counts the captures
// the rules granted (a mill closed, a stone outside a mill taken), and the resident memory
// must not grow from the first game to the last. A game still running after
// MAX_GAME_MOVES moves is cut off by quitting the document, as a user would close the window;
// the next game starts on a new document.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "evaluate.h"
#include "pelvar_doc.h"
#include "scripted_services.h"
#include "search_scope.h"
#include "stone_ledger.h"
#include "user_texts.h"

#if defined(__SANITIZE_ADDRESS__)
#define PELVAR_SOAK_UNDER_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define PELVAR_SOAK_UNDER_ASAN 1
#endif
#endif

namespace {

constexpr long DEFAULT_MOVES = 2000;
constexpr int MAX_GAME_MOVES = 200;
// The search budget of a game: varied from game to game, since the random term repeats its
// sequence within a second and equal budgets would replay the same game.
constexpr int MIN_NODES_PER_SEARCH = 300;
constexpr int NODES_PER_SEARCH_STEPS = 1000;

// Growth of the resident memory from after the first game to the end that still counts as
// noise (allocator pages, the standard streams); a leak per move or per game exceeds it.
constexpr long RSS_NOISE_KB = 1024;

long SoakMoves() {
    const char* pszMoves = std::getenv("PELVAR_SOAK_MOVES");
    if (pszMoves == nullptr || *pszMoves == '\0') {
        return DEFAULT_MOVES;
    }
    char* pEnd = nullptr;
    const long nMoves = std::strtol(pszMoves, &pEnd, 10);
    return (*pEnd == '\0' && nMoves > 0) ? nMoves : DEFAULT_MOVES;
}

// VmRSS of this process in kB, from /proc/self/status.
long ResidentKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string strKey;
    while (status >> strKey) {
        if (strKey == "VmRSS:") {
            long nKilobytes = 0;
            status >> nKilobytes;
            return nKilobytes;
        }
        status.ignore(1 << 12, '\n');
    }
    return -1;
}

struct SoakTally {
    long nMoves = 0;
    int nGames = 0;
    int nWhiteWins = 0;
    int nBlackWins = 0;
    int nNoMove = 0;
    int nCutOff = 0;
};

// One document for as many games as end by themselves; returns when the target is reached
// or a game had to be cut off. Every fault is a test failure.
void PlayOnOneDocument(long nTarget, SoakTally& tally) {
    CScriptedServices services;
    CPelvarDoc doc(services);
    services.m_pDoc = &doc;

    CStoneLedger ledger;
    int nGameSearches = 0;
    // Called before every search and in every closing box: the board shows the result of
    // the game's previous search, if any. A fault stops the document.
    auto observe = [&] {
        if (nGameSearches == 0) {
            ledger.NewGame(doc.m_posCurrent);
            return;
        }
        // Autoplay's searches alternate, white first.
        const int nMover = (nGameSearches - 1) % 2 == 0 ? PLAYER_WHITE : PLAYER_BLACK;
        const std::string strFault = ledger.Observe(doc.m_posCurrent, nMover, tally.nMoves);
        if (!strFault.empty()) {
            ADD_FAILURE() << strFault << ", after search " << nGameSearches << " of game "
                          << tally.nGames + 1;
            services.m_bQuitting = true;
        }
    };
    services.m_fnOnThinkTimer = [&] {
        services.m_paints.clear();
        services.m_thinkTimes.clear();
        observe();
        if (nGameSearches >= MAX_GAME_MOVES || tally.nMoves >= nTarget) {
            services.m_bQuitting = true;  // the search stops at once and autoplay unwinds
        }
        ++nGameSearches;
    };
    services.m_fnDuringBox = [&] {
        observe();
        const std::string& strText = services.m_boxes.back().strText;
        tally.nWhiteWins += strText == TEXT_WHITE_WINS ? 1 : 0;
        tally.nBlackWins += strText == TEXT_BLACK_WINS ? 1 : 0;
        tally.nNoMove += strText == TEXT_NO_MOVE ? 1 : 0;
        services.m_boxes.clear();
    };

    while (!services.m_bQuitting) {
        nGameSearches = 0;
        services.m_nNodesPerSearch =
            MIN_NODES_PER_SEARCH + (tally.nGames * 97) % NODES_PER_SEARCH_STEPS;
        doc.OnAutoplay();
        ++tally.nGames;
        if (!services.m_bQuitting) {
            ASSERT_EQ(doc.m_nState, STATE_PLACE);
            ASSERT_EQ(doc.m_posCurrent, Position{}.ResetPosition());
        } else if (tally.nMoves < nTarget && !::testing::Test::HasFailure()) {
            ++tally.nCutOff;
        }
    }
}

TEST(Soak, AutoplayKeepsEveryStoneAccountedForAndMemoryFlat) {
    const long nTarget = SoakMoves();
    CSearchScope scope(nullptr, 1);  // varied games

    SoakTally tally;
    PlayOnOneDocument(nTarget / 10, tally);  // warm-up: allocator and streams settle
    const long nRssStart = ResidentKilobytes();
    while (tally.nMoves < nTarget && !HasFailure()) {
        PlayOnOneDocument(nTarget, tally);
    }
    const long nRssEnd = ResidentKilobytes();

    std::printf(
        "soak: %ld moves in %d games: white won %d, black won %d, no move %d, cut off %d; "
        "VmRSS %ld kB after warm-up, %ld kB at the end\n",
        tally.nMoves, tally.nGames, tally.nWhiteWins, tally.nBlackWins, tally.nNoMove,
        tally.nCutOff, nRssStart, nRssEnd);
    EXPECT_GE(tally.nMoves, nTarget);
#ifndef PELVAR_SOAK_UNDER_ASAN
    // AddressSanitizer keeps freed memory in quarantine, so the resident size grows there
    // without a leak; its leak checker covers that build instead.
    ASSERT_GT(nRssStart, 0);
    EXPECT_LE(nRssEnd - nRssStart, RSS_NOISE_KB);
#endif
}

}  // namespace
