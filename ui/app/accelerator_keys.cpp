#include "accelerator_keys.h"

namespace {

// Virtual-key code ranges with a direct Qt counterpart.
constexpr int VK_0 = '0';
constexpr int VK_9 = '9';
constexpr int VK_A = 'A';
constexpr int VK_Z = 'Z';
constexpr int VK_F1 = 0x70;
constexpr int VK_F24 = 0x87;

Qt::Key QtKeyOfVirtualKey(int nKey) {
    if (nKey >= VK_A && nKey <= VK_Z) {
        return static_cast<Qt::Key>(Qt::Key_A + (nKey - VK_A));
    }
    if (nKey >= VK_0 && nKey <= VK_9) {
        return static_cast<Qt::Key>(Qt::Key_0 + (nKey - VK_0));
    }
    if (nKey >= VK_F1 && nKey <= VK_F24) {
        return static_cast<Qt::Key>(Qt::Key_F1 + (nKey - VK_F1));
    }
    switch (nKey) {
        case VK_BACK:
            return Qt::Key_Backspace;
        case VK_INSERT:
            return Qt::Key_Insert;
        case VK_DELETE:
            return Qt::Key_Delete;
        default:
            return Qt::Key_unknown;
    }
}

}  // namespace

QKeySequence AcceleratorKeySequence(const AcceleratorEntry& entry) {
    const Qt::Key key = QtKeyOfVirtualKey(entry.nKey);
    if (key == Qt::Key_unknown) {
        return QKeySequence();
    }
    Qt::KeyboardModifiers modifiers;
    if (entry.fVirt & FCONTROL) {
        modifiers |= Qt::ControlModifier;
    }
    if (entry.fVirt & FSHIFT) {
        modifiers |= Qt::ShiftModifier;
    }
    if (entry.fVirt & FALT) {
        modifiers |= Qt::AltModifier;
    }
    return QKeySequence(QKeyCombination(modifiers, key));
}
