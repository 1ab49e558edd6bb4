// Whether the toolkit will find a display. Without one it aborts the process (status 134)
// instead of reporting; the program asks first and ends with a message of its own.
#pragma once

// True when the window system the toolkit would use can be reached: an X server through
// DISPLAY, or a Wayland compositor through WAYLAND_DISPLAY or WAYLAND_SOCKET. QT_QPA_PLATFORM,
// when set, names the platforms tried in order ("wayland;xcb"); one that needs no display
// server (offscreen, minimal, vnc, ...) counts as reachable; where it then cannot start,
// CPlatformStartGuard reports it. Connects and disconnects at once; an X server that does
// not answer the connection within 5 seconds counts as unreachable.
bool IsDisplayReachable();
