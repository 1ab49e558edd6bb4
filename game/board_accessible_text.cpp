#include "board_accessible_text.h"

#include "pelvar_doc.h"
#include "point_names.h"
#include "user_texts.h"

BoardPoint PointAtReadingIndex(int nIndex) {
    const int nCell = ReadingOrderCell(nIndex);
    return {nCell / GRID_SIZE, nCell % GRID_SIZE};
}

int ReadingIndexOfPoint(BoardPoint point) {
    if (!IsOnGrid(point.nRow, point.nCol)) {
        return -1;
    }
    for (int nIndex = 0; nIndex < POINT_COUNT; ++nIndex) {
        if (ReadingOrderCell(nIndex) == CellIndex(point.nRow, point.nCol)) {
            return nIndex;
        }
    }
    return -1;
}

const char* SideName(int nSide) {
    return nSide == PLAYER_WHITE ? TEXT_SIDE_WHITE : TEXT_SIDE_BLACK;
}

std::string HandAccessibleText(const Position& pos, int nSide) {
    const int nCaptured = STONES_PER_SIDE - pos.CountStones(nSide);
    return FillText(TEXT_HAND,
                    {SideName(nSide), std::to_string(pos.Hand(nSide)), std::to_string(nCaptured)});
}

std::string DescriptionText(const Position& pos, int nState, BoardPoint picked) {
    return TaskAccessibleText(nState, picked) + " " + HandAccessibleText(pos, PLAYER_WHITE) + ". " +
           HandAccessibleText(pos, PLAYER_BLACK) + ".";
}

BoardAccessibleText DescribeBoard(const CPelvarDoc& doc) {
    BoardAccessibleText text;
    for (int nIndex = 0; nIndex < POINT_COUNT; ++nIndex) {
        text.astrPointNames[static_cast<std::size_t>(nIndex)] =
            PointAccessibleName(doc.m_posCurrent, PointAtReadingIndex(nIndex));
    }
    const BoardPoint picked{doc.m_nSelRow, doc.m_nSelCol};
    text.strDescription = DescriptionText(doc.m_posCurrent, doc.m_nState, picked);
    text.nFocusIndex = ReadingIndexOfPoint(doc.m_focus);
    text.nSelectedIndex = IsTargetState(doc.m_nState) ? ReadingIndexOfPoint(picked) : -1;
    return text;
}

std::vector<BoardAccessibleChange> BoardAccessibleChanges(const BoardAccessibleText& before,
                                                          const BoardAccessibleText& after,
                                                          bool bHasFocus) {
    std::vector<BoardAccessibleChange> changes;
    for (int nIndex = 0; nIndex < POINT_COUNT; ++nIndex) {
        const auto i = static_cast<std::size_t>(nIndex);
        if (before.astrPointNames[i] != after.astrPointNames[i]) {
            changes.push_back({BOARD_EVENT_NAME, nIndex});
        }
    }
    if (before.nSelectedIndex != after.nSelectedIndex) {
        for (int nIndex : {before.nSelectedIndex, after.nSelectedIndex}) {
            if (nIndex >= 0) {
                changes.push_back({BOARD_EVENT_SELECTED_STATE, nIndex});
            }
        }
    }
    if (before.nFocusIndex != after.nFocusIndex) {
        changes.push_back({BOARD_EVENT_FOCUSED_STATE, before.nFocusIndex});
        if (bHasFocus) {
            changes.push_back({BOARD_EVENT_FOCUS, after.nFocusIndex});
        }
    }
    return changes;
}
