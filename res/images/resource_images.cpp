#include "resource_images.h"

#include <QPixmap>
#include <QPixmapCache>
#include <QString>
#include <span>
#include <vector>

#include "application_icon.h"
#include "cursor_art.h"
#include "icon_art.h"
#include "pixel_art.h"

namespace {

constexpr int ICON_SIZE_LARGE = 32;
constexpr int ICON_SIZE_SMALL = 16;

// The largest size RenderApplicationIcon draws; far above any icon theme size, and small
// enough that a wrong argument cannot ask for a huge allocation.
constexpr int APPLICATION_ICON_MAX_SIZE = 1024;

// The hand-drawn picture of icon nId at nSize, or an empty span.
std::span<const char* const> IconPicture(int nId, int nSize) {
    if (nId == IDR_MAINFRAME && nSize == ICON_SIZE_LARGE) {
        return BOARD_ICON_32;
    }
    if (nId == IDR_MAINFRAME && nSize == ICON_SIZE_SMALL) {
        return BOARD_ICON_16;
    }
    if (nId == IDR_PELVARTYPE && nSize == ICON_SIZE_LARGE) {
        return DOCUMENT_ICON_32;
    }
    if (nId == IDR_PELVARTYPE && nSize == ICON_SIZE_SMALL) {
        return DOCUMENT_ICON_16;
    }
    return {};
}

}  // namespace

QImage ResourceIconImage(int nId, int nSize) {
    const std::span<const char* const> apszRows = IconPicture(nId, nSize);
    if (apszRows.empty()) {
        return {};
    }
    return PixelArtToImage(apszRows, CLASSIC_PALETTE);
}

QIcon LoadResourceIcon(int nId) {
    QIcon icon;
    for (int nSize : {ICON_SIZE_LARGE, ICON_SIZE_SMALL}) {
        const QImage image = ResourceIconImage(nId, nSize);
        if (!image.isNull()) {
            icon.addPixmap(QPixmap::fromImage(image));
        }
    }
    return icon;
}

QImage ResourceCursorImage(int nId) {
    const char* pszWord = CursorWordForId(nId);
    if (pszWord == nullptr) {
        return {};
    }
    const std::optional<CursorPicture> picture = ComposeCursorPicture(pszWord);
    if (!picture) {
        return {};
    }
    std::vector<const char*> apszRows;
    apszRows.reserve(picture->size());
    for (const std::string& row : *picture) {
        apszRows.push_back(row.c_str());
    }
    return PixelArtToImage(apszRows, CURSOR_PALETTE);
}

QCursor LoadResourceCursor(int nId) {
    const QString key = QStringLiteral("pelvar-cursor-%1").arg(nId);
    QPixmap pixmap;
    if (!QPixmapCache::find(key, &pixmap)) {
        const QImage image = ResourceCursorImage(nId);
        if (image.isNull()) {
            return QCursor(Qt::ArrowCursor);
        }
        pixmap = QPixmap::fromImage(image);
        QPixmapCache::insert(key, pixmap);
    }
    return QCursor(pixmap, 0, 0);
}

QImage RenderApplicationIcon(int nSize) {
    if (nSize == ICON_SIZE_LARGE || nSize == ICON_SIZE_SMALL) {
        return ResourceIconImage(IDR_MAINFRAME, nSize);
    }
    if (nSize < 1 || nSize > APPLICATION_ICON_MAX_SIZE) {
        return {};
    }
    return DrawBoardIcon(nSize).convertToFormat(QImage::Format_ARGB32);
}
