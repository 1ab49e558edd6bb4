// The About box (dialog template 100) as data. Positions and sizes are dialog units of the
// template's font; the window converts them with that font's average character size.
#pragma once

#include <span>

enum class DialogControlKind {
    Icon,              // a static control showing an icon resource
    Text,              // static text
    DefaultPushButton  // the default push button
};

struct DialogControlTemplate {
    DialogControlKind eKind;
    int nId;
    int x, y, cx, cy;     // dialog units
    const char* pszText;  // UTF-8; nullptr for an icon
    int nIconId;          // the icon resource of an Icon control, else 0
};

struct DialogTemplate {
    int nId;
    const char* pszCaption;
    int cx, cy;  // client size in dialog units
    const char* pszFontName;
    int nFontPoints;
    std::span<const DialogControlTemplate> controls;  // in template (tab) order
};

// The id of the dialog's OK button.
inline constexpr int ABOUT_IDOK = 1;

const DialogTemplate& AboutDialogTemplate();
