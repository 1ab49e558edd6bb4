// The main window's icon (resource 128), also shown in the About box.
#pragma once

#include <QIcon>

// Until the icon images are wired in this is an empty icon.
QIcon ApplicationIcon();
