#include "varied_positions.h"

#include <random>

#include "evaluate.h"
#include "search_node.h"

namespace {

constexpr int MAX_PLIES = 40;

// Every complete turn of nSide in pos, in generation order.
std::vector<Position> Children(const Position& pos, int nSide) {
    std::vector<Position> children;
    SearchNode node;
    node.InitMoves(pos, nSide);
    while (node.NextMove()) {
        Position child;
        node.MakeChild(child);
        children.push_back(child);
    }
    return children;
}

bool IsUndecided(const Position& pos, int nSide) {
    const int nScore = Evaluate(pos, nSide);
    return nScore > LOSS_SCORE && nScore < WIN_SCORE;
}

}  // namespace

std::vector<PositionText> VariedPositions(int nCount, std::uint32_t nSeed) {
    std::mt19937 random(nSeed);
    std::vector<PositionText> positions;
    while (static_cast<int>(positions.size()) < nCount) {
        PositionText position;
        position.pos.ResetPosition();
        position.nSideToMove = PLAYER_WHITE;
        const int nPlies = static_cast<int>(random() % MAX_PLIES);
        for (int nPly = 0; nPly < nPlies; ++nPly) {
            const std::vector<Position> children = Children(position.pos, position.nSideToMove);
            if (children.empty()) {
                break;
            }
            const Position& next = children[random() % children.size()];
            const int nNextSide = Opponent(position.nSideToMove);
            if (!IsUndecided(next, nNextSide)) {
                break;
            }
            position.pos = next;
            position.nSideToMove = nNextSide;
        }
        if (IsUndecided(position.pos, position.nSideToMove) &&
            !Children(position.pos, position.nSideToMove).empty()) {
            positions.push_back(position);
        }
    }
    return positions;
}
