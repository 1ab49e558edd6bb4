// The document: the game for the whole run. It holds the current and previous positions,
// the interaction state and the options; turns clicks on grid squares into the human's
// moves, plays the computer's replies and runs autoplay. It reaches the window system only
// through CFrameworkServices.
#pragma once

#include <string>

#include "board_focus.h"
#include "framework_services.h"
#include "input_state.h"
#include "position.h"
#include "settings_dialog.h"

// The keys of the board: the four arrows move the focus (the values of FocusDirection),
// BOARD_KEY_ACTIVATE is a left click on the focused point, BOARD_KEY_CANCEL a right click; a
// file letter a to g followed by a digit names a point and moves the focus there.
enum BoardKey : int {
    BOARD_KEY_LEFT = FOCUS_LEFT,
    BOARD_KEY_RIGHT = FOCUS_RIGHT,
    BOARD_KEY_UP = FOCUS_UP,
    BOARD_KEY_DOWN = FOCUS_DOWN,
    BOARD_KEY_ACTIVATE = 4,
    BOARD_KEY_CANCEL = 5,
    BOARD_KEY_FILE_A = 6,    // a; b to g follow: BOARD_KEY_FILE_A + 6 is g
    BOARD_KEY_DIGIT_0 = 13,  // 0; 1 to 9 follow: BOARD_KEY_DIGIT_0 + 9 is 9
    BOARD_KEY_LAST = BOARD_KEY_DIGIT_0 + 9,
};

// The hint with which the document's repaints update the views: repaint without erasing.
inline constexpr int HINT_REDRAW = 1;

// Invariants between two messages: in STATE_PLACE white has a stone in hand; in states 3
// to 6 white has none; in states 4 and 6 m_nSelRow and m_nSelCol name a white stone.
class CPelvarDoc {
public:
    // services must outlive the document.
    explicit CPelvarDoc(CFrameworkServices& services);
    CPelvarDoc(const CPelvarDoc&) = delete;
    CPelvarDoc& operator=(const CPelvarDoc&) = delete;

    // --- The game, read by the view at every paint -------------------------------------
    Position m_posCurrent;   // the position on the board
    Position m_posPrevious;  // where the last shown move started; markers show the difference
    int m_nState;            // an InputState
    int m_nSelRow;           // the picked stone in states 4 and 6; -1 before any pick
    int m_nSelCol;           // written together with m_nSelRow
    CSettingsDialog m_dlgSettings;  // the options
    int m_nMarkerSide;              // the side whose move the change markers show
    BoardPoint m_focus{0, 0};       // the point the board's keys act on; a7 at first
    bool m_bFocusShown = false;     // a key has been used on the board: the focus is drawn

    // --- Input from the view --------------------------------------------------------------

    // Handles a left click on grid square (nRow, nCol): places, captures, picks, slides or
    // jumps a white stone by m_nState, and when the human's turn is complete lets the
    // computer reply within the same call. Any integers may arrive: squares outside 0..6,
    // clicks that do not fit the state and clicks while a search or message box of the
    // document is running or a modal window is open are ignored.
    void OnFieldClick(int nRow, int nCol);

    // The right button: drops a picked stone (target state back to its select state) and
    // repaints; in every other state nothing happens, so a capture cannot be taken back.
    void OnCancelPick();

    // A key on the board (a BoardKey): an arrow moves the focus to the next point in its
    // direction, BOARD_KEY_ACTIVATE acts as OnFieldClick on the focused point and
    // BOARD_KEY_CANCEL as OnCancelPick; a file letter waits for the digit after it, and the two
    // move the focus to the point they name. The first key used makes the focus visible.
    // Every key that does nothing says why through the services' Announce, once: a refused
    // click, an arrow at the edge, a name that is no point or lacks its letter, Escape with
    // no stone picked, the focused point named again. While the computer thinks or plays
    // alone a key only says so; while a search or message box of the document runs otherwise,
    // while a modal window is open or the application quits, it does nothing. Other values are
    // ignored.
    void OnBoardKey(int nKey);

    // The default action of a point for assistive technology (a braille display routes to
    // it): the focus moves to point and BOARD_KEY_ACTIVATE acts there. Refused, with the
    // focus left where it is, whenever the board's keys are; squares that are no board
    // point are ignored.
    void OnPointAction(BoardPoint point);

    // --- Commands ---------------------------------------------------------------------------

    // "&Optionen": runs the settings dialog; the seconds and the random setting are put back
    // on any end but OK, and OK copies the random setting into the engine.
    void OnSettings();
    // Whether "&Optionen" is enabled: not while the computer thinks or plays alone.
    bool IsSettingsEnabled() const;

    // "&Autoplay": after a confirmation when a stone has been placed, the computer plays a
    // whole game against itself, then a new game is set up for the human.
    void OnAutoplay();
    // Whether "&Autoplay" is enabled: not while a search of this document runs, because a
    // second search inside the first one's message dispatch would reset the engine under it.
    bool IsAutoplayEnabled() const;

    // True while the document is inside a computer move, autoplay or one of its message
    // boxes; the window then must not be torn down under it.
    bool IsBusy() const { return m_nBusy > 0; }

    // --- Game control -----------------------------------------------------------------------

    // Repaints the view at once: every view is invalidated without erasing, then the first
    // view paints before the call returns.
    void RedrawNow();

    // The human's state after a computer reply: place while white holds a stone, jump with
    // three stones or fewer, else slide.
    int HumanNextState() const;

    // The computer's reply for black. Returns 1 when black has moved and the game goes on
    // (m_nState still STATE_THINKING; the caller sets the human's next state), 0 when the
    // game has ended and a new game is set up in STATE_PLACE (or the application quits).
    int ComputerMove();

    // The think timer's milliseconds for the current seconds-per-move option.
    int ThinkTime() const;

private:
    // Keeps m_nBusy raised for the duration of a blocking step.
    class CBusy {
    public:
        explicit CBusy(CPelvarDoc& doc) : m_doc(doc) { ++m_doc.m_nBusy; }
        ~CBusy() { --m_doc.m_nBusy; }
        CBusy(const CBusy&) = delete;
        CBusy& operator=(const CBusy&) = delete;

    private:
        CPelvarDoc& m_doc;
    };

    // Whether the board's keys act now: not while the computer thinks or plays alone, nor
    // while a search or message box of the document runs, nor while any modal window is open.
    bool TakesBoardKeys() const;

    // The answer to a board key when the keys act; "" when the key's change of the board
    // speaks for itself.
    std::string BoardKeyAnswer(int nKey, int nFile);

    void ClickPlace(int nRow, int nCol);
    void ClickCapture(int nRow, int nCol);
    void ClickSelect(int nRow, int nCol, int nTargetState);
    void ClickMoveTarget(int nRow, int nCol);
    void FinishHumanMove(int nRow, int nCol, bool bShowMove);
    void LetComputerReply();
    void ResetGame();
    void ArmThinkTimer();
    int SearchMove(int nSide);
    void EndAutoplay(const char* pszMessage);

    CFrameworkServices& m_services;
    int m_nBusy = 0;
    int m_nTypedFile = -1;  // the file (0 for a) of a point name typed up to its digit; -1 none
};
