#include "board_announcement.h"

#include <vector>

#include "board_accessible_text.h"
#include "evaluate.h"
#include "pelvar_doc.h"
#include "point_names.h"
#include "user_texts.h"

namespace {

std::string NameOf(BoardPoint point) {
    return PointName(point.nRow, point.nCol);
}

// "a7", "a7 und d7", "a7, d7 und g7".
std::string NameList(const std::vector<BoardPoint>& points) {
    std::string strList;
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (i > 0) {
            strList += i + 1 == points.size() ? std::string(" ") + TEXT_LIST_LAST + " " : ", ";
        }
        strList += NameOf(points[i]);
    }
    return strList;
}

// The points, in reading order, that hold a stone of nSide in after but not in before.
std::vector<BoardPoint> Arrivals(const Position& before, const Position& after, int nSide) {
    std::vector<BoardPoint> points;
    for (int nIndex = 0; nIndex < POINT_COUNT; ++nIndex) {
        const BoardPoint point = PointAtReadingIndex(nIndex);
        if (before.Cell(point.nRow, point.nCol) != nSide &&
            after.Cell(point.nRow, point.nCol) == nSide) {
            points.push_back(point);
        }
    }
    return points;
}

// What happens now that the state has become after.nState, told when it changed.
std::string StateChangeText(const BoardMoment& before, const BoardMoment& after) {
    // A game the computer has just won asks nothing more of the human; its box says the rest.
    if (after.nState != STATE_AUTOPLAY && IsLost(after.pos, PLAYER_WHITE)) {
        return "";
    }
    const std::string strTask = TaskAccessibleText(after.nState, after.picked);
    if (after.nState == STATE_CAPTURE) {
        return std::string(TEXT_MILL_CLOSED) + " " + strTask;
    }
    const bool bDropped =
        (before.nState == STATE_SLIDE_TARGET && after.nState == STATE_SELECT_SLIDE) ||
        (before.nState == STATE_JUMP_TARGET && after.nState == STATE_SELECT_JUMP);
    if (bDropped) {
        return FillText(TEXT_STONE_DROPPED, {NameOf(before.picked)}) + " " + strTask;
    }
    return strTask;
}

bool IsStart(const Position& pos) {
    Position start;
    return pos == start.ResetPosition();
}

void Append(std::string& strText, const std::string& strMore) {
    if (!strMore.empty()) {
        strText += strText.empty() ? strMore : " " + strMore;
    }
}

// BoardAnnouncement with the turn from before to after already found.
std::string AnnouncementWithTurn(const BoardMoment& before, const BoardMoment& after,
                                 const BoardTurn& turn) {
    const bool bNewGame = IsStart(after.pos) && !IsStart(before.pos);
    std::string strText = bNewGame ? std::string(TEXT_NEW_GAME) : TurnSentence(turn);
    // A new game always says what to do first.
    if (bNewGame || before.nState != after.nState) {
        const bool bFirstTask = IsStart(after.pos) && after.nState == STATE_PLACE;
        Append(strText, bFirstTask ? WelcomeText(after.nState, after.picked)
                                   : StateChangeText(before, after));
    }
    return strText;
}

}  // namespace

bool BoardMoment::operator==(const BoardMoment& other) const {
    return pos == other.pos && nState == other.nState &&
           (!IsTargetState(nState) || picked == other.picked);
}

BoardMoment MomentOf(const CPelvarDoc& doc) {
    return {doc.m_posCurrent, doc.m_nState, {doc.m_nSelRow, doc.m_nSelCol}};
}

BoardTurn TurnBetween(const Position& before, const Position& after) {
    BoardTurn turn;
    for (int nSide : {PLAYER_WHITE, PLAYER_BLACK}) {
        if (!Arrivals(before, after, nSide).empty()) {
            turn.nSide = nSide;
            break;
        }
    }
    if (turn.nSide == 0) {
        for (int nSide : {PLAYER_WHITE, PLAYER_BLACK}) {
            if (!Arrivals(after, before, nSide).empty()) {
                turn.nSide = Opponent(nSide);
                break;
            }
        }
    }
    if (turn.nSide == 0) {
        return turn;
    }
    const std::vector<BoardPoint> to = Arrivals(before, after, turn.nSide);
    const std::vector<BoardPoint> from = Arrivals(after, before, turn.nSide);
    if (from.size() == 1 && to.size() == 1) {
        const bool bSlide =
            before.IsLegalSlide(from[0].nRow, from[0].nCol, to[0].nRow, to[0].nCol) != 0;
        turn.strMove =
            FillText(bSlide ? TEXT_MOVE_SLIDE : TEXT_MOVE_JUMP, {NameOf(from[0]), NameOf(to[0])});
    } else if (!to.empty()) {
        turn.strMove = FillText(TEXT_MOVE_PLACE, {NameList(to)});
    }
    turn.strTaken = NameList(Arrivals(after, before, Opponent(turn.nSide)));
    return turn;
}

std::string TurnSentence(const BoardTurn& turn) {
    if (turn.nSide == 0) {
        return "";
    }
    if (turn.strTaken.empty()) {
        return FillText(TEXT_TURN, {SideName(turn.nSide), turn.strMove});
    }
    if (turn.strMove.empty()) {
        return FillText(TEXT_CAPTURE_ALONE, {SideName(turn.nSide), turn.strTaken});
    }
    return FillText(TEXT_TURN_AND_CAPTURE, {SideName(turn.nSide), turn.strMove, turn.strTaken});
}

std::string BoardAnnouncement(const BoardMoment& before, const BoardMoment& after) {
    return AnnouncementWithTurn(before, after, TurnBetween(before.pos, after.pos));
}

std::string WelcomeText(int nState, BoardPoint picked) {
    return TaskAccessibleText(nState, picked) + " " + TEXT_SIDES + " " + TEXT_KEYS;
}

std::string PositionText(const Position& pos) {
    Position empty;
    empty.ResetPosition();
    std::string strText;
    for (int nSide : {PLAYER_WHITE, PLAYER_BLACK}) {
        const std::vector<BoardPoint> points = Arrivals(empty, pos, nSide);
        const std::string strHand = std::to_string(pos.Hand(nSide));
        Append(strText,
               points.empty()
                   ? FillText(TEXT_POSITION_SIDE_NONE, {SideName(nSide), strHand})
                   : FillText(TEXT_POSITION_SIDE, {SideName(nSide), NameList(points), strHand}));
    }
    return strText;
}

std::string BoardSummary(const BoardMoment& now, const std::array<BoardTurn, 2>& lastTurns) {
    std::string strText;
    if (now.nState != STATE_AUTOPLAY) {
        const int nToMove = now.nState == STATE_THINKING ? PLAYER_BLACK : PLAYER_WHITE;
        strText = FillText(TEXT_TO_MOVE, {SideName(nToMove)});
    }
    Append(strText, DescriptionText(now.pos, now.nState, now.picked));
    if (lastTurns[0].nSide != 0 || lastTurns[1].nSide != 0) {
        Append(strText, TEXT_LAST_TURNS);
        Append(strText, TurnSentence(lastTurns[0]));
        Append(strText, TurnSentence(lastTurns[1]));
    }
    return strText;
}

std::string CBoardAnnouncer::Observe(const BoardMoment& now) {
    if (now == m_last) {
        return "";
    }
    const BoardTurn turn = TurnBetween(m_last.pos, now.pos);
    std::string strText = AnnouncementWithTurn(m_last, now, turn);
    if (IsStart(now.pos)) {
        m_lastTurns = {};
    } else if (turn.nSide != 0) {
        BoardTurn& last = m_lastTurns[turn.nSide == PLAYER_WHITE ? 0 : 1];
        // The human's capture is the second half of the turn that closed the mill.
        if (turn.strMove.empty() && last.strTaken.empty() && !last.strMove.empty()) {
            last.strTaken = turn.strTaken;
        } else {
            last = turn;
        }
    }
    m_last = now;
    return strText;
}
