#include "menu_keys.h"

#include <utility>

bool CMenuKeys::OnKeyPress(int nQtKey, Qt::KeyboardModifiers modifiers) {
    const Qt::KeyboardModifiers others =
        modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::MetaModifier);
    m_bAltAlone = nQtKey == Qt::Key_Alt && others == Qt::NoModifier;
    return nQtKey == Qt::Key_F10 && modifiers == Qt::NoModifier;
}

bool CMenuKeys::OnKeyRelease(int nQtKey) {
    if (nQtKey != Qt::Key_Alt) {
        return false;
    }
    return std::exchange(m_bAltAlone, false);
}
