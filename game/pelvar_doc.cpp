#include "pelvar_doc.h"

#include <utility>

#include "board_key_answer.h"
#include "board_texts.h"
#include "evaluate.h"
#include "search.h"
#include "search_scope.h"
#include "think_time.h"
#include "user_texts.h"

namespace {
constexpr double DEFAULT_SECONDS_PER_MOVE = 3.5;
}

CPelvarDoc::CPelvarDoc(CFrameworkServices& services)
    : m_nState(STATE_PLACE),
      m_nSelRow(-1),
      m_nSelCol(-1),
      m_nMarkerSide(PLAYER_BLACK),
      m_services(services) {
    m_posCurrent.ResetPosition();
    m_posPrevious = m_posCurrent;
    m_dlgSettings.m_dSecondsPerMove = DEFAULT_SECONDS_PER_MOVE;
    m_dlgSettings.m_bShowStatistics = 0;
    m_dlgSettings.m_bRandomMoves = 1;
}

void CPelvarDoc::RedrawNow() {
    m_services.UpdateAllViews(HINT_REDRAW);
    if (m_services.HasFirstView()) {
        m_services.PaintFirstViewNow();
    }
}

int CPelvarDoc::HumanNextState() const {
    if (m_posCurrent.Hand(PLAYER_WHITE) >= 1) {
        return STATE_PLACE;
    }
    if (m_posCurrent.CountStones(PLAYER_WHITE) <= 3) {
        return STATE_SELECT_JUMP;
    }
    return STATE_SELECT_SLIDE;
}

int CPelvarDoc::ThinkTime() const {
    return ThinkTimeMilliseconds(m_dlgSettings.m_dSecondsPerMove);
}

// ---------------------------------------------------------------------------------------------
// The human's turn

void CPelvarDoc::OnFieldClick(int nRow, int nCol) {
    if (!IsOnGrid(nRow, nCol) || m_nState < STATE_PLACE || m_nState > STATE_JUMP_TARGET) {
        return;
    }
    // A click that slips in while the document is inside a search or a message box of its
    // own (through the search's message dispatch) must not start a second turn.
    if (IsBusy() || m_services.IsQuitting() || m_services.IsModalWindowOpen()) {
        return;
    }
    const BoardPoint picked{m_nSelRow, m_nSelCol};
    if (ClickRefusalAt(m_posCurrent, m_nState, picked, {nRow, nCol}) != CLICK_ACCEPTED) {
        return;
    }
    switch (m_nState) {
        case STATE_PLACE:
            ClickPlace(nRow, nCol);
            break;
        case STATE_CAPTURE:
            ClickCapture(nRow, nCol);
            break;
        case STATE_SELECT_SLIDE:
            ClickSelect(nRow, nCol, STATE_SLIDE_TARGET);
            break;
        case STATE_SELECT_JUMP:
            ClickSelect(nRow, nCol, STATE_JUMP_TARGET);
            break;
        case STATE_SLIDE_TARGET:
        case STATE_JUMP_TARGET:
            ClickMoveTarget(nRow, nCol);
            break;
        default:
            break;
    }
}

void CPelvarDoc::ClickPlace(int nRow, int nCol) {
    if (m_posCurrent.Hand(PLAYER_WHITE) <= 0) {
        return;
    }
    // The stone leaves white's hand for the point; the previous position follows it, so the
    // placed stone carries no change marker.
    m_posCurrent.Cell(nRow, nCol) = PLAYER_WHITE;
    --m_posCurrent.Hand(PLAYER_WHITE);
    m_posPrevious = m_posCurrent;
    // The placement is on the screen before a capture or the computer's reply.
    RedrawNow();
    FinishHumanMove(nRow, nCol, false);
}

void CPelvarDoc::ClickCapture(int nRow, int nCol) {
    if (!m_posCurrent.IsInMill(nRow, nCol, PLAYER_BLACK)) {
        // A stone outside a mill is taken off and shown without a marker; then the computer
        // replies.
        m_posCurrent.Cell(nRow, nCol) = CELL_EMPTY;
        m_posPrevious = m_posCurrent;
        RedrawNow();
        if (ComputerMove()) {
            m_nState = HumanNextState();
            RedrawNow();
        }
        return;
    }
    // A stone in a mill is never captured. Yes keeps the capture pending, which is said again
    // once the box has closed; No gives it up and the computer moves (its move writes
    // m_posPrevious).
    int nAnswer = IDYES;
    {
        CBusy busy(*this);
        nAnswer = m_services.MessageBox(TEXT_CAPTURE_REFUSED, MB_YESNO | MB_ICONQUESTION);
    }
    if (m_services.IsQuitting()) {
        return;
    }
    if (nAnswer == IDNO) {
        LetComputerReply();
    } else {
        m_services.Announce(TaskAccessibleText(m_nState, {m_nSelRow, m_nSelCol}));
    }
}

void CPelvarDoc::ClickSelect(int nRow, int nCol, int nTargetState) {
    m_nSelRow = nRow;
    m_nSelCol = nCol;
    m_nState = nTargetState;
    RedrawNow();
}

void CPelvarDoc::ClickMoveTarget(int nRow, int nCol) {
    // The stone slides or jumps; a mill lets the human capture, else the computer replies.
    m_posCurrent.MoveStone(m_nSelRow, m_nSelCol, nRow, nCol);
    FinishHumanMove(nRow, nCol, true);
}

// A white stone has arrived on (nRow, nCol). A mill lets the human capture first; else the
// computer replies now, after the move has been shown (bShowMove) unless the caller showed it.
void CPelvarDoc::FinishHumanMove(int nRow, int nCol, bool bShowMove) {
    if (m_posCurrent.IsInMill(nRow, nCol, PLAYER_WHITE)) {
        m_nState = STATE_CAPTURE;
        RedrawNow();
        return;
    }
    if (bShowMove) {
        RedrawNow();
    }
    LetComputerReply();
}

void CPelvarDoc::LetComputerReply() {
    if (ComputerMove()) {
        m_nState = HumanNextState();
    }
    RedrawNow();
}

void CPelvarDoc::OnCancelPick() {
    if (m_nState == STATE_SLIDE_TARGET) {
        m_nState = STATE_SELECT_SLIDE;
        RedrawNow();
    }
    if (m_nState == STATE_JUMP_TARGET) {
        m_nState = STATE_SELECT_JUMP;
        RedrawNow();
    }
}

void CPelvarDoc::OnBoardKey(int nKey) {
    if (nKey < BOARD_KEY_LEFT || nKey > BOARD_KEY_LAST) {
        return;
    }
    // 1. A typed file letter waits for the very next key only.
    const int nFile = std::exchange(m_nTypedFile, -1);
    // 2. The keys are refused exactly when clicks are; while the computer plays the key is told
    // so, since a player who cannot see the wait cursor would take the silence for a lost key.
    if (!TakesBoardKeys()) {
        const bool bComputerPlays = m_nState == STATE_THINKING || m_nState == STATE_AUTOPLAY;
        if (bComputerPlays && !m_services.IsQuitting()) {
            m_services.Announce(TaskAccessibleText(m_nState, {m_nSelRow, m_nSelCol}));
        }
        return;
    }
    // 3. From the first key on the focus is drawn; a mouse player never sees it. The repaint
    // comes before the click's own repaints and boxes.
    const BoardPoint focusBefore = m_focus;
    const bool bFirstKey = !std::exchange(m_bFocusShown, true);
    const std::string strAnswer = BoardKeyAnswer(nKey, nFile);
    if (bFirstKey || m_focus != focusBefore) {
        RedrawNow();
    }
    if (!strAnswer.empty()) {
        m_services.Announce(strAnswer);
        return;
    }
    if (nKey == BOARD_KEY_ACTIVATE) {
        OnFieldClick(m_focus.nRow, m_focus.nCol);
    } else if (nKey == BOARD_KEY_CANCEL) {
        OnCancelPick();
    }
}

std::string CPelvarDoc::BoardKeyAnswer(int nKey, int nFile) {
    const BoardPoint picked{m_nSelRow, m_nSelCol};
    if (nKey <= BOARD_KEY_DOWN) {
        const BoardPoint next = NextFocusPoint(m_focus, nKey);
        if (next == m_focus) {
            return EdgeText(nKey);
        }
        m_focus = next;
        return "";
    }
    if (nKey == BOARD_KEY_ACTIVATE) {
        return ClickRefusalText(ClickRefusalAt(m_posCurrent, m_nState, picked, m_focus), m_focus,
                                picked);
    }
    if (nKey == BOARD_KEY_CANCEL) {
        return IsTargetState(m_nState) ? "" : TEXT_NOTHING_PICKED;
    }
    if (nKey < BOARD_KEY_DIGIT_0) {
        m_nTypedFile = nKey - BOARD_KEY_FILE_A;
        return "";
    }
    if (nFile < 0) {
        return TEXT_POINT_NAME_HINT;
    }
    const int nDigit = nKey - BOARD_KEY_DIGIT_0;
    const BoardPoint named = NamedSquare(nFile, nDigit);
    if (!IsBoardPoint(named.nRow, named.nCol)) {
        return NotAPointText(nFile, nDigit);
    }
    // The point already focused gets no focus event: its name is said instead.
    if (named == m_focus) {
        return PointAccessibleName(m_posCurrent, named);
    }
    m_focus = named;
    return "";
}

bool CPelvarDoc::TakesBoardKeys() const {
    return m_nState != STATE_THINKING && m_nState != STATE_AUTOPLAY && !IsBusy() &&
           !m_services.IsQuitting() && !m_services.IsModalWindowOpen();
}

void CPelvarDoc::OnPointAction(BoardPoint point) {
    if (!IsBoardPoint(point.nRow, point.nCol) || !TakesBoardKeys()) {
        return;
    }
    const bool bMoved = point != m_focus;
    m_focus = point;
    // The frame moves to the point even when the point refuses the click.
    if (bMoved && m_bFocusShown) {
        RedrawNow();
    }
    OnBoardKey(BOARD_KEY_ACTIVATE);
}

// ---------------------------------------------------------------------------------------------
// The computer's turn

void CPelvarDoc::ResetGame() {
    Position posStart;
    m_posPrevious = posStart.ResetPosition();
    m_posCurrent = posStart;
    // A new game starts where a keyboard player starts, on a7.
    m_focus = BoardPoint{0, 0};
}

void CPelvarDoc::ArmThinkTimer() {
    if (m_services.HasFirstView()) {
        m_services.StartThinkTimer(ThinkTime());
    }
}

int CPelvarDoc::SearchMove(int nSide) {
    // The search's depth and node count stay for the statistics line.
    CSearchScope scope(&m_services.MessagePump(), CSearchScope::KEEP_RANDOM,
                       CSearchScope::KEEP_RESULTS);
    return scope.Search(m_posCurrent, nSide);
}

int CPelvarDoc::ComputerMove() {
    CBusy busy(*this);

    // 1. The human has won: black has fewer than three stones or is blocked.
    if (Evaluate(m_posCurrent, PLAYER_BLACK) <= LOSS_SCORE) {
        m_services.MessageBox(TEXT_HUMAN_WINS, MB_OK);
        ResetGame();
        m_nState = STATE_PLACE;
        RedrawNow();
        return 0;
    }

    // 2. The view will mark what black's move changes.
    m_posPrevious = m_posCurrent;
    m_nState = STATE_THINKING;
    RedrawNow();
    m_services.BeginWaitCursor();
    ArmThinkTimer();

    // 3. The search, pumping the window's messages until the think timer ends it.
    const int bMoved = SearchMove(PLAYER_BLACK);
    if (m_services.IsQuitting()) {
        m_services.EndWaitCursor();
        return 0;
    }

    // 4. Black cannot move.
    if (!bMoved) {
        m_services.EndWaitCursor();
        m_services.MessageBox(TEXT_NO_MOVE, MB_OK);
        ResetGame();
        m_nState = STATE_PLACE;
        RedrawNow();
        return 0;
    }

    // 5. Black has moved and the move is shown; the game goes on unless black has won.
    RedrawNow();
    m_services.EndWaitCursor();
    if (Evaluate(m_posCurrent, PLAYER_BLACK) < WIN_SCORE) {
        return 1;
    }

    // 6. The computer has won; its last move is shown with its markers first.
    m_nState = STATE_PLACE;
    RedrawNow();
    m_services.MessageBox(TEXT_COMPUTER_WINS, MB_OK);
    ResetGame();
    m_nState = STATE_PLACE;
    RedrawNow();
    return 0;
}

// ---------------------------------------------------------------------------------------------
// Commands

bool CPelvarDoc::IsSettingsEnabled() const {
    return m_nState != STATE_THINKING && m_nState != STATE_AUTOPLAY;
}

void CPelvarDoc::OnSettings() {
    if (!IsSettingsEnabled() || IsBusy()) {
        return;
    }
    // The options as they were, put back on any end but OK, also after a refused exchange
    // that wrote the seconds.
    const double dSavedSeconds = m_dlgSettings.m_dSecondsPerMove;
    const int bSavedRandom = m_dlgSettings.m_bRandomMoves;
    int nResult = IDCANCEL;
    {
        CBusy busy(*this);
        nResult = m_services.DoModalSettings(m_dlgSettings);
    }
    if (nResult == IDOK) {
        // The engine's flag follows the dialog only on OK.
        g_bRandomMoves = m_dlgSettings.m_bRandomMoves;
    } else {
        // Any other end puts both options back.
        m_dlgSettings.m_dSecondsPerMove = dSavedSeconds;
        m_dlgSettings.m_bRandomMoves = bSavedRandom;
    }
}

bool CPelvarDoc::IsAutoplayEnabled() const {
    return !IsBusy();
}

void CPelvarDoc::EndAutoplay(const char* pszMessage) {
    m_services.MessageBox(pszMessage, MB_OK);
    ResetGame();
    RedrawNow();
    m_nState = STATE_PLACE;
    m_nMarkerSide = PLAYER_BLACK;
}

void CPelvarDoc::OnAutoplay() {
    if (!IsAutoplayEnabled() || m_services.IsQuitting()) {
        return;
    }
    CBusy busy(*this);

    // 1. A game in progress is only abandoned on Yes.
    if (m_posCurrent.Hand(PLAYER_WHITE) != STONES_PER_SIDE ||
        m_posCurrent.Hand(PLAYER_BLACK) != STONES_PER_SIDE) {
        if (m_services.MessageBox(TEXT_ABORT_GAME, MB_YESNO | MB_ICONQUESTION) != IDYES) {
            return;
        }
    }

    // 2. A fresh game on the screen, white to move first.
    m_nState = STATE_AUTOPLAY;
    ResetGame();
    RedrawNow();

    // 3. Move pairs until a side wins or cannot move; there is no move limit. Quitting the
    // application stops the search, and the loop then leaves without another step.
    for (;;) {
        ArmThinkTimer();
        const int bWhiteMoved = SearchMove(PLAYER_WHITE);
        if (m_services.IsQuitting()) {
            return;
        }
        if (!bWhiteMoved) {
            EndAutoplay(TEXT_NO_MOVE);  // the board still shows black's last move
            return;
        }
        if (Evaluate(m_posCurrent, PLAYER_WHITE) >= WIN_SCORE) {
            m_nMarkerSide = PLAYER_WHITE;  // white's winning move is shown first
            RedrawNow();
            EndAutoplay(TEXT_WHITE_WINS);
            return;
        }
        m_nMarkerSide = PLAYER_WHITE;
        RedrawNow();
        m_posPrevious = m_posCurrent;

        ArmThinkTimer();
        const int bBlackMoved = SearchMove(PLAYER_BLACK);
        if (m_services.IsQuitting()) {
            return;
        }
        if (!bBlackMoved) {
            EndAutoplay(TEXT_NO_MOVE);  // white's move is already shown
            return;
        }
        const int nBlackScore = Evaluate(m_posCurrent, PLAYER_BLACK);
        m_nMarkerSide = PLAYER_BLACK;
        if (nBlackScore >= WIN_SCORE) {
            RedrawNow();  // black's winning move is shown first
            EndAutoplay(TEXT_BLACK_WINS);
            return;
        }
        RedrawNow();
        m_posPrevious = m_posCurrent;
    }
}
