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
            nBoardKey = KEY_SPEAK_SUMMARY;
            break;
        case Qt::Key_P:
            nBoardKey = KEY_SPEAK_POSITION;
            break;
        case Qt::Key_W:
            nBoardKey = KEY_REPEAT_ANNOUNCEMENT;
            break;
        case Qt::Key_Escape:
            nBoardKey = BOARD_KEY_CANCEL;
            break;
        default:
            if (nQtKey >= Qt::Key_A && nQtKey <= Qt::Key_G) {
                nBoardKey = BOARD_KEY_FILE_A + (nQtKey - Qt::Key_A);
            } else if (nQtKey >= Qt::Key_0 && nQtKey <= Qt::Key_9) {
                nBoardKey = BOARD_KEY_DIGIT_0 + (nQtKey - Qt::Key_0);
            } else {
                return KEY_NOT_FOR_BOARD;
            }
            break;
    }
    return bAutoRepeat ? KEY_REPEATED_CLICK : nBoardKey;
}
