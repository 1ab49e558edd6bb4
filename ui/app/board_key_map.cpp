#include "board_key_map.h"

#include "pelvar_doc.h"

int BoardKeyForKeyPress(int nQtKey, Qt::KeyboardModifiers modifiers, bool bAutoRepeat) {
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        return KEY_NOT_FOR_BOARD;
    }
    int nBoardKey = KEY_NOT_FOR_BOARD;
    switch (nQtKey) {
        case Qt::Key_Left:
            return BOARD_KEY_LEFT;
        case Qt::Key_Right:
            return BOARD_KEY_RIGHT;
        case Qt::Key_Up:
            return BOARD_KEY_UP;
        case Qt::Key_Down:
            return BOARD_KEY_DOWN;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            nBoardKey = BOARD_KEY_ACTIVATE;
            break;
        case Qt::Key_S:
            return KEY_SPEAK_SUMMARY;
        case Qt::Key_Escape:
            nBoardKey = BOARD_KEY_CANCEL;
            break;
        default:
            return KEY_NOT_FOR_BOARD;
    }
    return bAutoRepeat ? KEY_REPEATED_CLICK : nBoardKey;
}
