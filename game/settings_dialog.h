// The game's three options, as the settings dialog exchanges them with its controls. The
// document keeps one for the whole run; the window system shows the dialog on it.
#pragma once

#include <string>
#include <string_view>

class CSettingsDialog {
public:
    // How reading the controls back ended.
    enum class Exchange {
        Accepted,    // all three options were written
        NotANumber,  // the seconds text is no number; nothing was written
        OutOfRange,  // the seconds were written but lie outside 0.001..3600; boxes not read
    };

    double m_dSecondsPerMove = 0.0;  // thinking time of the computer, seconds
    int m_bShowStatistics = 0;       // draw the statistics line on the board
    int m_bRandomMoves = 1;          // add the random term to every undecided score

    // The text the seconds field shows for m_dSecondsPerMove: the shortest decimal that
    // reads back as the same number, so the default shows as "3.5".
    std::string SecondsText() const;

    // Reads the controls back in the order seconds, range check, statistics, random. The
    // seconds text may use a point or a comma as decimal separator and blanks around the
    // number; anything else, such as "", "abc", "nan" or "inf", is not a number.
    Exchange SaveFromControls(std::string_view strSecondsText, bool bShowStatistics,
                              bool bRandomMoves);

    // The message the dialog shows for a refused exchange (UTF-8), "" for Accepted.
    static std::string RefusalMessage(Exchange result);
};
