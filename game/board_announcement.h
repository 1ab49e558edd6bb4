// What the board tells a screen reader without being asked (the moves of both sides, a mill,
// a capture, a picked or dropped stone, the computer thinking, a new game) and on demand (the
// state of the game), in German. The texts follow from comparing two moments of the game, so
// every path through the document that changes the board is told the same way.
#pragma once

#include <array>
#include <string>

#include "board_focus.h"
#include "position.h"

class CPelvarDoc;

// The part of the game that announcements compare.
struct BoardMoment {
    Position pos;
    int nState;         // an InputState
    BoardPoint picked;  // the picked stone; meaningful in the two target states
    bool operator==(const BoardMoment& other) const;
};
BoardMoment MomentOf(const CPelvarDoc& doc);

// A turn, or the part of one, that took one position to the next.
struct BoardTurn {
    int nSide = 0;         // the side that made it; 0 when no stone changed
    std::string strMove;   // "setzt auf a7", "zieht von d7 nach d6", "springt von a1 nach g7";
                           // "" for a capture alone
    std::string strTaken;  // the points of the stones it captured: "a4"; "" for none
};

// The turn from before to after: the side whose stones arrived made it; a capture alone was
// made by the opponent of the side that lost stones. A stone from hand is set, one that moved
// to a neighbour point slides, one that moved anywhere else jumps. After a change that no
// single turn makes, what the stones that moved suggest.
BoardTurn TurnBetween(const Position& before, const Position& after);

// The turn as one sentence by the side that made it: "Weiß setzt auf a7.", "Schwarz zieht von
// d7 nach d6 und schlägt a4.", "Weiß schlägt d6."; "" when no stone changed.
std::string TurnSentence(const BoardTurn& turn);

// What a screen reader is told when the game goes from before to after: "Neues Spiel." when
// the board returned to the start, else the turn (TurnSentence); then, when the state
// changed or a new game began, what happens now: a closed mill with the request to capture, the
// picked stone's task, a dropped stone, the computer thinking or playing alone, the human's task;
// the human's first task of a game comes as the welcome (WelcomeText).
// "" when nothing a player must hear changed.
std::string BoardAnnouncement(const BoardMoment& before, const BoardMoment& after);

// What a player hears when a game begins, in nState (picked as for TaskAccessibleText): the
// task, who plays which side, and the board's keys.
std::string WelcomeText(int nState, BoardPoint picked);

// Where the stones stand: for white, then black, its points in reading order and its stones
// in hand: "Weiß auf a7, d7 und g4, 3 in der Hand. Schwarz auf c5, 4 in der Hand.".
std::string PositionText(const Position& pos);

// Everything a player may ask for at any moment: whose turn it is, what to do, both sides'
// stones in hand and lost, and the last turn of each side since the game began (lastTurns[0]
// white's, [1] black's).
std::string BoardSummary(const BoardMoment& now, const std::array<BoardTurn, 2>& lastTurns);

// Follows the game from one reading to the next and remembers each side's last turn.
class CBoardAnnouncer {
public:
    explicit CBoardAnnouncer(const BoardMoment& start) : m_last(start) {}

    // BoardAnnouncement from the last reading to now; now becomes the last reading.
    std::string Observe(const BoardMoment& now);

    // BoardSummary of the last reading.
    std::string Summary() const { return BoardSummary(m_last, m_lastTurns); }

private:
    BoardMoment m_last;
    std::array<BoardTurn, 2> m_lastTurns;  // white's, black's
};
