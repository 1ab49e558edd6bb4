#include "progress_text.h"

#include <string>

#include "resource_ids.h"
#include "string_table.h"
#include "user_texts.h"

QString ProgressText(int nPercent) {
    std::string strPercent = std::to_string(nPercent);
    if (strPercent.size() < 3) {
        strPercent.insert(0, 3 - strPercent.size(), ' ');
    }
    return QString::fromStdString(FillText(TEXT_PROGRESS, {strPercent}));
}

QString IdleText() {
    return QString::fromUtf8(ResourceString(AFX_IDS_IDLEMESSAGE));
}

int ProgressInterval(int nMilliseconds) {
    const int nInterval = nMilliseconds / 10;
    return nInterval > 0 ? nInterval : 1;
}
