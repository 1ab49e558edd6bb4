// The status texts of the computer's search: its progress in steps of ten percent and the
// idle text that follows it.
#pragma once

#include <QString>

// TEXT_PROGRESS with the percentage right-aligned in a field of three characters, so 10 reads
// "Suche besten Zug  10 %" and 100 reads "Suche besten Zug 100 %". Values of four digits and more
// widen the field.
QString ProgressText(int nPercent);

// The idle text of the status bar ("Bereit"), shown when the progress display has reached
// 100 percent.
QString IdleText();

// Interval of the progress display for a think time of nMilliseconds: a tenth of it in
// integer division, but at least 1 ms, since a zero interval would fire at every pass of
// the event loop. 3000 gives 300, 25 gives 2, anything below 20 gives 1.
int ProgressInterval(int nMilliseconds);
