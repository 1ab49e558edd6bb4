#include "state_cursor.h"

#include "pelvar_doc.h"
#include "resource_ids.h"

bool ShowsWaitCursor(int nState) {
    return nState == STATE_THINKING || nState == STATE_AUTOPLAY;
}

int CursorIdForState(int nState) {
    switch (nState) {
        case STATE_PLACE:
            return IDC_CURSOR_PLACE;
        case STATE_CAPTURE:
            return IDC_CURSOR_CAPTURE;
        case STATE_SELECT_SLIDE:
            return IDC_CURSOR_SLIDE;
        case STATE_SLIDE_TARGET:
            return IDC_CURSOR_TARGET;
        case STATE_SELECT_JUMP:
            return IDC_CURSOR_JUMP;
        case STATE_JUMP_TARGET:
            return IDC_CURSOR_TARGET;
        default:
            return 0;
    }
}
