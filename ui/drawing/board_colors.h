// The colours of the board picture, as COLORREF values (0x00BBGGRR); each one is checked
// against its red, green and blue parts.
#pragma once

#include "gdi_types.h"

// clang-format off
// Board and hands                                      COLORREF       red, green, blue
inline constexpr COLORREF COLOR_BOARD           = 4845555;   //  243, 239,  73
inline constexpr COLORREF COLOR_LINE            = 657930;    //   10,  10,  10  lines and points
inline constexpr COLORREF COLOR_HIGHLIGHT       = 8421504;   //  128, 128, 128  under a picked stone
inline constexpr COLORREF COLOR_BACKGROUND      = 16777215;  //  255, 255, 255  hands, captured rows

// Stones
inline constexpr COLORREF COLOR_BLACK_FACE      = 4210752;   //   64,  64,  64
inline constexpr COLORREF COLOR_BLACK_RING      = 3158064;   //   48,  48,  48
inline constexpr COLORREF COLOR_BLACK_LIGHT     = 7105644;   //  108, 108, 108
inline constexpr COLORREF COLOR_WHITE_FACE      = 15790320;  //  240, 240, 240
inline constexpr COLORREF COLOR_WHITE_RING      = 15000804;  //  228, 228, 228
inline constexpr COLORREF COLOR_WHITE_LIGHT     = 16777215;  //  255, 255, 255
inline constexpr COLORREF COLOR_STONE_SHADOW    = 2105376;   //   32,  32,  32  shadow and dark pen

// Change markers
inline constexpr COLORREF COLOR_MARKER_REMOVED  = 255;       //  255,   0,   0  other side's stone taken
inline constexpr COLORREF COLOR_MARKER_LEFT     = 8454016;   //  128, 255, 128  mover's stone left
inline constexpr COLORREF COLOR_MARKER_ARRIVED  = 65280;     //    0, 255,   0  a stone arrived

// Keyboard focus
inline constexpr COLORREF COLOR_FOCUS           = 16711680;  //    0,   0, 255  frame of the focused point
// clang-format on

static_assert(COLOR_BOARD == RGB(243, 239, 73));
static_assert(COLOR_LINE == RGB(10, 10, 10));
static_assert(COLOR_HIGHLIGHT == RGB(128, 128, 128));
static_assert(COLOR_BACKGROUND == RGB(255, 255, 255));
static_assert(COLOR_BLACK_FACE == RGB(64, 64, 64));
static_assert(COLOR_BLACK_RING == RGB(48, 48, 48));
static_assert(COLOR_BLACK_LIGHT == RGB(108, 108, 108));
static_assert(COLOR_WHITE_FACE == RGB(240, 240, 240));
static_assert(COLOR_WHITE_RING == RGB(228, 228, 228));
static_assert(COLOR_WHITE_LIGHT == RGB(255, 255, 255));
static_assert(COLOR_STONE_SHADOW == RGB(32, 32, 32));
static_assert(COLOR_MARKER_REMOVED == RGB(255, 0, 0));
static_assert(COLOR_MARKER_LEFT == RGB(128, 255, 128));
static_assert(COLOR_MARKER_ARRIVED == RGB(0, 255, 0));
static_assert(COLOR_FOCUS == RGB(0, 0, 255));
