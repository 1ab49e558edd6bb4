#include "board_scenarios.h"

#include <stdexcept>
#include <string_view>

#include "evaluate.h"
#include "pelvar_doc.h"
#include "position_text.h"
#include "search.h"

namespace {

// Points are named as on the board: file a..g from left to right (the row index), rank
// 7..1 from top to bottom (the column index).
struct Square {
    int nRow;
    int nCol;
};
Square At(std::string_view name) {
    return {name[0] - 'a', '7' - name[1]};
}

Position Parse(std::string_view text) {
    std::string strError;
    const auto parsed = ParsePositionText(text, strError);
    if (!parsed) {
        throw std::logic_error("bad scenario position: " + strError);
    }
    return parsed->pos;
}

void Slide(Position& pos, std::string_view from, std::string_view to) {
    const Square squareFrom = At(from);
    const Square squareTo = At(to);
    pos.MoveStone(squareFrom.nRow, squareFrom.nCol, squareTo.nRow, squareTo.nCol);
}

void Remove(Position& pos, std::string_view point) {
    const Square square = At(point);
    pos.Cell(square.nRow, square.nCol) = CELL_EMPTY;
}

// Both sides have slid for a while: white has lost two stones, black three. Black has just
// slid f4-g4 without closing a mill, and white is to pick a stone.
void MiddleGame(CPelvarDoc& doc) {
    doc.m_posPrevious = Parse("WWB.BWW.BBW..B..W...B.W. 0 0 W");
    doc.m_posCurrent = doc.m_posPrevious;
    Slide(doc.m_posCurrent, "f4", "g4");
    doc.m_nState = STATE_SELECT_SLIDE;
    doc.m_nMarkerSide = PLAYER_BLACK;
}

}  // namespace

std::vector<std::string> ScenarioNames() {
    return {"start", "placing", "midgame", "picked", "capture", "statistics"};
}

bool BuildScenario(const std::string& strName, CPelvarDoc& doc) {
    g_nSearchDepth = 0;
    g_nNodeCount = 0;
    if (strName == "start") {
        doc.m_posCurrent.ResetPosition();
        doc.m_posPrevious = doc.m_posCurrent;
        doc.m_nState = STATE_PLACE;
    } else if (strName == "placing") {
        // White has placed five stones, black has just answered with its fifth on d6.
        doc.m_posPrevious = Parse("W.B.....W.BW..W...B...BW 4 5 W");
        doc.m_posCurrent = doc.m_posPrevious;
        doc.m_posCurrent.Cell(At("d6").nRow, At("d6").nCol) = PLAYER_BLACK;
        doc.m_posCurrent.Hand(PLAYER_BLACK) -= 1;
        doc.m_nState = STATE_PLACE;
    } else if (strName == "midgame") {
        MiddleGame(doc);
    } else if (strName == "picked") {
        MiddleGame(doc);
        doc.m_nState = STATE_SLIDE_TARGET;
        doc.m_nSelRow = At("c5").nRow;
        doc.m_nSelCol = At("c5").nCol;
    } else if (strName == "capture") {
        // Black slides f4-g4, closes the mill g7 g4 g1 and takes white's d3.
        doc.m_posPrevious = Parse("WWB.BWW.BBW..B..W...B.WB 0 0 W");
        doc.m_posCurrent = doc.m_posPrevious;
        Slide(doc.m_posCurrent, "f4", "g4");
        Remove(doc.m_posCurrent, "d3");
        doc.m_nState = STATE_SELECT_SLIDE;
        doc.m_nMarkerSide = PLAYER_BLACK;
    } else if (strName == "statistics") {
        MiddleGame(doc);
        doc.m_dlgSettings.m_bShowStatistics = 1;
        g_bRandomMoves = 0;
        g_nSearchDepth = 8;
        g_nNodeCount = 1234567;
    } else {
        return false;
    }
    return true;
}
