// The program's icons and cursors, kept as reviewable text pictures in this library and
// turned into Qt images on request.
//
// The QImage functions need nothing but QtGui. LoadResourceIcon and LoadResourceCursor
// build pixmaps, so the caller must have created the QGuiApplication (or QApplication).
#pragma once

#include <QCursor>
#include <QIcon>
#include <QImage>

#include "resource_ids.h"

// Icons 128 (the main window and About box: the morris board) and 129 (the document type),
// and the state cursors 106 to 110 ("Setze", "Schlag", "Ziehe", "Spring", "Ziel?"): their ids
// are those of resource_ids.h, shared with the string, menu and dialog tables.

// Both sizes of icon nId (32 x 32 and 16 x 16) in one QIcon; an empty icon for any id other
// than 128 and 129.
QIcon LoadResourceIcon(int nId);

// The exact pixels of icon nId at nSize 16 or 32, in Format_ARGB32 with the transparent
// pixels at alpha 0; a null image for any other id or size.
QImage ResourceIconImage(int nId, int nSize);

// Cursor nId (106 to 110) with its hot spot at (0, 0); Qt::ArrowCursor for any other id.
// Repeated calls for one id hand out the same pixmap, so that the window system can keep the
// cursor it made from it instead of making a new one on every mouse movement.
QCursor LoadResourceCursor(int nId);

// The 32 x 32 picture of cursor nId in Format_ARGB32: black, white, and transparent pixels at
// alpha 0; a null image for any id other than 106 to 110.
QImage ResourceCursorImage(int nId);

// The application icon at nSize x nSize pixels in Format_ARGB32, for the desktop's icon
// theme: for 16 and 32 the hand-drawn pictures of icon 128, for every other size from 1 to
// 1024 the same board drawn with antialiasing; a null image for sizes outside 1 to 1024.
QImage RenderApplicationIcon(int nSize);
