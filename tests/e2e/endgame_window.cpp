// pelvar-endgame-window: the game's own window, started one slide before the human's win,
// so that an end-to-end test reaches the end of a game by a fixed route. White (the human)
// slides its stone from d1 to a1 and closes the mill a7-a4-a1; the capture that follows
// leaves black two stones, the game ends with the human's win and a new game is set up.
// Black has lost six stones and white four, so both captured rows are full of stones when
// the new game is painted over them. Takes no arguments.
#include <QApplication>

#include "pelvar_app.h"
#include "pelvar_doc.h"
#include "test_positions.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    CPelvarApp theApp;
    if (!theApp.InitInstance(QByteArray())) {
        return 1;
    }
    CPelvarDoc& doc = theApp.Document();
    // White: a7, a4, d1, g7, e5; black: g1, f2, c4; nothing in hand; white to slide.
    doc.m_posCurrent =
        BoardWith({{0, 0}, {0, 3}, {3, 6}, {6, 0}, {4, 2}}, {{6, 6}, {5, 5}, {2, 3}});
    doc.m_posPrevious = doc.m_posCurrent;
    doc.m_nState = STATE_SELECT_SLIDE;
    doc.RedrawNow();
    return theApp.Run();
}
