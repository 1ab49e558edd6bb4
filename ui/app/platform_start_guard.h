// The toolkit's start on the platform that QT_QPA_PLATFORM, DISPLAY and WAYLAND_DISPLAY name.
// Where that platform cannot start (an unknown or misspelt name, a plugin without its device,
// a broken Wayland socket), the toolkit reports a fatal error and aborts the process; during
// the guard's lifetime the process instead ends with TEXT_NO_PLATFORM and the status 1.
#pragma once

#include <QtGlobal>

class CPlatformStartGuard {
public:
    // Holds back the toolkit's messages from here on.
    CPlatformStartGuard();
    // Passes the held-back messages on, in order, and lets later ones through as before.
    ~CPlatformStartGuard();
    // Ends the process as a failed start does when the started platform has no screen
    // (linuxfb without a frame buffer): no window could ever show on it.
    void RequireScreen() const;
    CPlatformStartGuard(const CPlatformStartGuard&) = delete;
    CPlatformStartGuard& operator=(const CPlatformStartGuard&) = delete;

private:
    QtMessageHandler m_fnPrevious;
};
