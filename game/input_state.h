// The human's input states: what a click on the board means at each moment of the game.
#pragma once

// What a click on the board means (m_nState).
enum InputState : int {
    STATE_THINKING = 0,      // the computer searches; clicks are ignored
    STATE_PLACE = 1,         // the human places a white stone from hand
    STATE_CAPTURE = 2,       // the human has closed a mill and removes a black stone
    STATE_SELECT_SLIDE = 3,  // the human picks a white stone to slide
    STATE_SLIDE_TARGET = 4,  // a stone is picked; the human picks a neighbour point
    STATE_SELECT_JUMP = 5,   // white has three stones; the human picks a stone to jump
    STATE_JUMP_TARGET = 6,   // a stone is picked; the human picks any empty point
    STATE_AUTOPLAY = 7,      // the computer plays both sides; clicks are ignored
};

// Whether a stone is picked in nState and waits for its target (states 4 and 6).
inline constexpr bool IsTargetState(int nState) {
    return nState == STATE_SLIDE_TARGET || nState == STATE_JUMP_TARGET;
}
