// pelvar-theme-icons OUTDIR NAME SIZE...: writes the application icon for the desktop's icon
// theme as OUTDIR/<SIZE>x<SIZE>/apps/NAME.png for every SIZE given. Sizes 16 and 32 are the
// hand-drawn pictures of icon 128, every other size the same board drawn to scale. The build
// runs it so that the installed icons always follow the pictures compiled into the program.
#include <QDir>
#include <QImage>
#include <QString>
#include <cstdio>

#include "resource_images.h"

namespace {

// The size argument as a number; 0 for anything that is not a plain positive decimal.
int ParseSize(const char* pszArg) {
    bool bOk = false;
    const int nSize = QString::fromLocal8Bit(pszArg).toInt(&bOk, 10);
    return bOk && nSize > 0 ? nSize : 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: pelvar-theme-icons OUTDIR NAME SIZE...\n");
        return 2;
    }
    const QDir outDir(QString::fromLocal8Bit(argv[1]));
    const QString strName = QString::fromLocal8Bit(argv[2]);
    for (int i = 3; i < argc; ++i) {
        // Only sizes the picture can be drawn at.
        const int nSize = ParseSize(argv[i]);
        const QImage image = RenderApplicationIcon(nSize);
        if (image.isNull()) {
            std::fprintf(stderr, "pelvar-theme-icons: no icon of size %s\n", argv[i]);
            return 2;
        }
        // The theme's folder for the size, then the picture.
        const QString strFolder = QStringLiteral("%1x%1/apps").arg(nSize);
        const QString strPath =
            outDir.filePath(strFolder + QLatin1Char('/') + strName + QStringLiteral(".png"));
        if (!outDir.mkpath(strFolder) || !image.save(strPath, "PNG")) {
            std::fprintf(stderr, "pelvar-theme-icons: cannot write %s\n", qPrintable(strPath));
            return 1;
        }
    }
    return 0;
}
