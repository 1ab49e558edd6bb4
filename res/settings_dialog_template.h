// Dialog template 130, "Spieleinstellungen": the dialog's size and its six controls in
// template order, which is also the tab order. Positions and sizes are dialog units.
#pragma once

inline constexpr const char* SETTINGS_CAPTION = "Spieleinstellungen";

// Client area of the dialog in dialog units.
inline constexpr int SETTINGS_WIDTH_DU = 186;
inline constexpr int SETTINGS_HEIGHT_DU = 76;

// Indices into SETTINGS_CONTROLS.
enum SettingsControl : int {
    SETTINGS_OK = 0,
    SETTINGS_CANCEL = 1,
    SETTINGS_SECONDS = 2,
    SETTINGS_SECONDS_LABEL = 3,
    SETTINGS_STATISTICS = 4,
    SETTINGS_RANDOM = 5,
    SETTINGS_CONTROL_COUNT = 6,
};

struct SettingsControlTemplate {
    const char* pszName;  // the control's id, used as its object name
    int nX;               // left edge
    int nY;               // top edge
    int nWidth;
    int nHeight;
    const char* pszText;  // UTF-8; empty for the edit field
};

// clang-format off
inline constexpr SettingsControlTemplate SETTINGS_CONTROLS[SETTINGS_CONTROL_COUNT] = {
    // id                      x    y   cx  cy  text
    {"IDOK",                 129,   7,  50, 14, "OK"},
    {"IDCANCEL",             129,  24,  50, 14, "Cancel"},
    {"IDC_SECONDS_PER_MOVE",  72,   7,  40, 14, ""},
    {"IDC_STATIC",             7,   7,  60, 13, "Sekunden pro Zug"},
    {"IDC_SHOW_STATISTICS",    7,  34,  73, 10, "Statistik anzeigen"},
    {"IDC_RANDOM_MOVES",       7,  49,  73, 10, "Zufallszüge"},
};
// clang-format on
