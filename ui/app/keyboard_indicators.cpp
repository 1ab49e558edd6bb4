#include "keyboard_indicators.h"

#include <QGuiApplication>

#include "resource_ids.h"
#include "resource_text.h"

#if defined(PELVAR_HAVE_XKB) && defined(QT_FEATURE_xcb) && QT_FEATURE_xcb == 1
// Xlib defines macros such as None and Bool; it comes after every Qt header.
#include <X11/XKBlib.h>
#define PELVAR_READ_XKB_INDICATORS 1
#endif

#ifdef PELVAR_READ_XKB_INDICATORS
namespace {

// The bit of a named indicator in the indicator state word, 0 when the keyboard has none.
unsigned IndicatorBit(Display* pDisplay, const char* pszName) {
    const Atom atom = XInternAtom(pDisplay, pszName, True);
    int nIndex = -1;
    if (atom == 0 || !XkbGetNamedIndicator(pDisplay, atom, &nIndex, nullptr, nullptr, nullptr) ||
        nIndex < 0 || nIndex >= 32) {
        return 0;
    }
    return 1u << nIndex;
}

struct IndicatorBits {
    Display* pDisplay = nullptr;
    unsigned nCaps = 0;
    unsigned nNum = 0;
    unsigned nScroll = 0;
};

}  // namespace

bool ReadLockKeyState(LockKeyState& state) {
    auto* pX11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* pDisplay = pX11 ? pX11->display() : nullptr;
    if (pDisplay == nullptr) {
        return false;
    }
    // The indicators' places in the state word are looked up once per display.
    static IndicatorBits s_bits;
    if (s_bits.pDisplay != pDisplay) {
        s_bits.pDisplay = pDisplay;
        s_bits.nCaps = IndicatorBit(pDisplay, "Caps Lock");
        s_bits.nNum = IndicatorBit(pDisplay, "Num Lock");
        s_bits.nScroll = IndicatorBit(pDisplay, "Scroll Lock");
    }
    unsigned nState = 0;
    if (XkbGetIndicatorState(pDisplay, XkbUseCoreKbd, &nState) != Success) {
        return false;
    }
    state.bCapsLock = (nState & s_bits.nCaps) != 0;
    state.bNumLock = (nState & s_bits.nNum) != 0;
    state.bScrollLock = (nState & s_bits.nScroll) != 0;
    return true;
}
#else
bool ReadLockKeyState(LockKeyState&) {
    return false;
}
#endif

QString IndicatorPaneText(int nPaneId, const LockKeyState& state) {
    bool bOn = false;
    switch (nPaneId) {
        case ID_INDICATOR_CAPS:
            bOn = state.bCapsLock;
            break;
        case ID_INDICATOR_NUM:
            bOn = state.bNumLock;
            break;
        case ID_INDICATOR_SCRL:
            bOn = state.bScrollLock;
            break;
        default:
            break;
    }
    return bOn ? LoadResourceText(nPaneId) : QString();
}
