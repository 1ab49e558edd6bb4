// pelvar-dump-images OUTDIR: writes every icon and cursor picture as a PNG file into OUTDIR
// for inspection, the small pictures also enlarged eight times pixel for pixel, and the
// application icon at the icon theme's sizes.
#include <QDir>
#include <QImage>
#include <QString>
#include <cstdio>

#include "resource_images.h"

namespace {

constexpr int MAGNIFICATION = 8;

bool SaveImage(const QDir& dir, const QString& name, const QImage& image) {
    const QString path = dir.filePath(name);
    if (image.isNull() || !image.save(path, "PNG")) {
        std::fprintf(stderr, "pelvar-dump-images: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// Saves a picture and its eightfold enlargement, each pixel a block of 8 x 8.
bool SaveWithEnlargement(const QDir& dir, const QString& stem, const QImage& image) {
    const QImage large = image.isNull()
                             ? QImage()
                             : image.scaled(image.size() * MAGNIFICATION, Qt::IgnoreAspectRatio,
                                            Qt::FastTransformation);
    const bool bSmall = SaveImage(dir, stem + QStringLiteral(".png"), image);
    const bool bLarge = SaveImage(dir, stem + QStringLiteral("-x8.png"), large);
    return bSmall && bLarge;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: pelvar-dump-images OUTDIR\n");
        return 2;
    }
    const QString outDir = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(outDir)) {
        std::fprintf(stderr, "pelvar-dump-images: cannot create %s\n", argv[1]);
        return 1;
    }
    const QDir dir(outDir);
    bool bOk = true;
    for (int nId : {IDR_MAINFRAME, IDR_PELVARTYPE}) {
        for (int nSize : {32, 16}) {
            const QString stem = QStringLiteral("icon-%1-%2").arg(nId).arg(nSize);
            bOk = SaveWithEnlargement(dir, stem, ResourceIconImage(nId, nSize)) && bOk;
        }
    }
    for (int nId = IDC_CURSOR_PLACE; nId <= IDC_CURSOR_TARGET; ++nId) {
        const QString stem = QStringLiteral("cursor-%1").arg(nId);
        bOk = SaveWithEnlargement(dir, stem, ResourceCursorImage(nId)) && bOk;
    }
    for (int nSize : {16, 32, 48, 64, 128, 256}) {
        const QString name = QStringLiteral("application-icon-%1.png").arg(nSize);
        bOk = SaveImage(dir, name, RenderApplicationIcon(nSize)) && bOk;
    }
    return bOk ? 0 : 1;
}
