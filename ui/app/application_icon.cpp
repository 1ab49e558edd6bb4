#include "application_icon.h"

QIcon ApplicationIcon() {
    // Seam: icon 128 from the resource images replaces the empty icon here.
    return QIcon();
}
