#include "progress_text.h"

QString ProgressText(int nPercent) {
    return QString::asprintf("Suche besten Zug %3d %%", nPercent);
}

QString IdleText() {
    return QStringLiteral("Bereit");
}

int ProgressInterval(int nMilliseconds) {
    const int nInterval = nMilliseconds / 10;
    return nInterval > 0 ? nInterval : 1;
}
